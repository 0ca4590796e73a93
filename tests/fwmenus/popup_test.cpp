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
  explicit MenuDriver(std::vector<WPARAM> k) {
    keys = std::move(k);
    menuWnd = nullptr;
    timer = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~MenuDriver() { KillTimer(nullptr, timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND wnd = FindWindowW(L"#32768", nullptr);
    if (!wnd || !IsWindowVisible(wnd)) return;
    menuWnd = wnd;
    if (probe.x >= 0) {
      HDC dc = GetWindowDC(wnd);
      selectedPixel = GetPixel(dc, probe.x, probe.y);
      ReleaseDC(wnd, dc);
    }
    if (keys.empty()) {
      PostMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
    PostMessageW(wnd, WM_KEYDOWN, keys.front(), 0);
    keys.erase(keys.begin());
  }
};

struct Handlers : TObject {
  int measured = 0, drawn = 0, clicked = 0;
  std::vector<bool> selected;
  RECT lastRect{};
  void Measure(TObject*, TCanvas*, int& w, int& h) {
    ++measured;
    w += 40;
    h = 20;
  }
  void Draw(TObject*, TCanvas* canvas, const RECT& r, bool sel) {
    ++drawn;
    selected.push_back(sel);
    lastRect = r;
    canvas->Brush()->SetColor(sel ? clLime : clBlue);
    canvas->FillRect(r);
  }
  void Click(TObject*) { ++clicked; }
};

void Pump() {
  testsupport::Pump(0);
}

TEST(PopupMenu, OwnerDrawnItemsGoThroughTheirHandlersAndTheChoiceClicks) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 300, 200);
  form->Show();
  auto* popup = new TPopupMenu(form.get());
  popup->SetOwnerDraw(true);
  Handlers h;
  for (const char* caption : {"one", "-", "three"}) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&Handlers::Measure>(&h);
    item->OnDrawItem = TMenuDrawItemEvent::Bind<&Handlers::Draw>(&h);
    item->OnClick = TNotifyEvent::Bind<&Handlers::Click>(&h);
    popup->Items()->Add(item);
  }
  EXPECT_EQ(popup->OwnerWindow(), form->Handle());
  int popups = 0;
  struct Counter : TObject {
    int* n;
    void OnPopup(TObject*) { ++*n; }
  } counter;
  counter.n = &popups;
  popup->OnPopup = TNotifyEvent::Bind<&Counter::OnPopup>(&counter);

  {
    // Down selects "one", Down skips the separator to "three", Return chooses it.
    MenuDriver driver({VK_DOWN, VK_DOWN, VK_RETURN});
    MenuDriver::probe = {10, 3 + 20 + 20 + 10};  // inside "three", below the frame
    popup->Popup(60, 60);
  }
  Pump();
  EXPECT_EQ(popups, 1);
  EXPECT_NE(MenuDriver::menuWnd, nullptr);
  EXPECT_EQ(h.measured, 3);
  EXPECT_GE(h.drawn, 3);
  EXPECT_EQ(h.lastRect.bottom - h.lastRect.top, 20);  // the handler's height was used
  EXPECT_NE(std::find(h.selected.begin(), h.selected.end(), true), h.selected.end());
  EXPECT_EQ(h.clicked, 1);
}

TEST(PopupMenu, WithoutAFormThePopupWindowDispatchesAndDefaultPaintingShowsTheSelection) {
  TPopupMenu popup(nullptr);
  popup.SetOwnerDraw(true);
  int clicks = 0;
  struct Clicker : TObject {
    int* n;
    void Click(TObject*) { ++*n; }
  } clicker;
  clicker.n = &clicks;
  for (const char* caption : {"alpha", "beta"}) {
    auto* item = new TMenuItem(&popup);
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent::Bind<&Clicker::Click>(&clicker);
    popup.Items()->Add(item);
  }
  EXPECT_EQ(popup.OwnerWindow(), PopupListWindow());
  {
    MenuDriver driver({VK_DOWN, 0, 0, VK_RETURN});  // pauses (key 0) leave time to read a pixel
    MenuDriver::probe = {8, 6};
    popup.Popup(80, 80);
  }
  Pump();
  EXPECT_EQ(clicks, 1);
  // The framework's painting fills a selected item with the highlight colour.
  EXPECT_EQ(MenuDriver::selectedPixel, static_cast<COLORREF>(GetSysColor(COLOR_HIGHLIGHT)));
}

}  // namespace
