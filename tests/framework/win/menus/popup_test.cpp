// Popup menus shown for real: the owner-drawn items are measured and painted through the owning
// form's window, and the chosen item's click arrives after the menu closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/Pump.h"

namespace {

// Drives the popup menu of this thread from a timer while TrackPopupMenu runs: keys go to the
// menu window once it is seen.
struct MenuDriver {
  static inline std::vector<WPARAM> keys;
  static inline HWND menuWnd = nullptr;
  static inline COLORREF selectedPixel = CLR_INVALID;
  static inline POINT probe{-1, -1};
  UINT_PTR timer;
  explicit MenuDriver(std::vector<WPARAM> K) {
    keys = std::move(K);
    menuWnd = nullptr;
    timer = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~MenuDriver() { KillTimer(nullptr, timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND Wnd = FindWindowW(L"#32768", nullptr);
    if (!Wnd || !IsWindowVisible(Wnd)) return;
    menuWnd = Wnd;
    if (probe.x >= 0) {
      HDC DC = GetWindowDC(Wnd);
      selectedPixel = GetPixel(DC, probe.x, probe.y);
      ReleaseDC(Wnd, DC);
    }
    if (keys.empty()) {
      PostMessageW(Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
    PostMessageW(Wnd, WM_KEYDOWN, keys.front(), 0);
    keys.erase(keys.begin());
  }
};

struct Handlers : TObject {
  int measured = 0, drawn = 0, clicked = 0;
  std::vector<bool> selected;
  RECT lastRect{};
  void Measure(TObject*, TCanvas*, int& W, int& H) {
    ++measured;
    W += 40;
    H = 20;
  }
  void Draw(TObject*, TCanvas* Canvas, const RECT& R, bool Sel) {
    ++drawn;
    selected.push_back(Sel);
    lastRect = R;
    Canvas->Brush()->SetColor(Sel ? clLime : clBlue);
    Canvas->FillRect(R);
  }
  void Click(TObject*) { ++clicked; }
};

void Pump() {
  testsupport::Pump(0);
}

TEST(PopupMenu, OwnerDrawnItemsGoThroughTheirHandlersAndTheChoiceClicks) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  Form->Show();
  auto* Popup = new TPopupMenu(Form.get());
  Popup->SetOwnerDraw(true);
  Handlers H;
  for (const char* Caption : {"one", "-", "three"}) {
    auto* Item = new TMenuItem(Form.get());
    Item->SetCaption(Caption);
    Item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&Handlers::Measure>(&H);
    Item->OnDrawItem = TMenuDrawItemEvent::Bind<&Handlers::Draw>(&H);
    Item->OnClick = TNotifyEvent::Bind<&Handlers::Click>(&H);
    Popup->Items()->Add(Item);
  }
  EXPECT_EQ(Popup->OwnerWindow(), Form->Handle());
  int Popups = 0;
  struct Counter : TObject {
    int* n;
    void OnPopup(TObject*) { ++*n; }
  } PopupCounter;
  PopupCounter.n = &Popups;
  Popup->OnPopup = TNotifyEvent::Bind<&Counter::OnPopup>(&PopupCounter);

  {
    // Down selects "one", Down skips the separator to "three", Return chooses it.
    MenuDriver Driver({VK_DOWN, VK_DOWN, VK_RETURN});
    MenuDriver::probe = {10, 3 + 20 + 20 + 10};  // inside "three", below the frame
    Popup->Popup(60, 60);
  }
  Pump();
  EXPECT_EQ(Popups, 1);
  EXPECT_NE(MenuDriver::menuWnd, nullptr);
  EXPECT_EQ(H.measured, 3);
  EXPECT_GE(H.drawn, 3);
  EXPECT_EQ(H.lastRect.bottom - H.lastRect.top, 20);  // the handler's height was used
  EXPECT_NE(std::find(H.selected.begin(), H.selected.end(), true), H.selected.end());
  EXPECT_EQ(H.clicked, 1);
}

TEST(PopupMenu, WithoutAFormThePopupWindowDispatchesAndDefaultPaintingShowsTheSelection) {
  TPopupMenu Popup(nullptr);
  Popup.SetOwnerDraw(true);
  int Clicks = 0;
  struct Clicker : TObject {
    int* n;
    void Click(TObject*) { ++*n; }
  } ClickCounter;
  ClickCounter.n = &Clicks;
  for (const char* Caption : {"alpha", "beta"}) {
    auto* Item = new TMenuItem(&Popup);
    Item->SetCaption(Caption);
    Item->OnClick = TNotifyEvent::Bind<&Clicker::Click>(&ClickCounter);
    Popup.Items()->Add(Item);
  }
  EXPECT_EQ(Popup.OwnerWindow(), PopupListWindow());
  {
    MenuDriver Driver({VK_DOWN, 0, 0, VK_RETURN});  // pauses (key 0) leave time to read a pixel
    MenuDriver::probe = {8, 6};
    Popup.Popup(80, 80);
  }
  Pump();
  EXPECT_EQ(Clicks, 1);
  // The framework's painting fills a selected item with the highlight colour.
  EXPECT_EQ(MenuDriver::selectedPixel, static_cast<COLORREF>(GetSysColor(COLOR_HIGHLIGHT)));
}

}  // namespace
