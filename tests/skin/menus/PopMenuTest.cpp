// The popup menu skin object: subclassing (once, answered by 0x3523, given back exactly), the frame
// and background painted from the menu background at WM_NCPAINT and WM_PRINT, the erase that xoMenuBG
// keeps from the system, the native fall-back; then a real popup menu skinned from a CBT hook, its
// owner-drawn items painted by the form skin object's painters over the rendered background.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/menus/MenuTestSkin.h"
#include "tests/support/Bitmaps.h"

using namespace menutest;

namespace {

constexpr LRESULT kOldResult = 7;
constexpr COLORREF kOldPaint = RGB(0, 200, 0);

// The procedure the skin object finds on its window: it records what reaches it and paints green.
std::vector<UINT> g_seen;
LRESULT CALLBACK OldProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam) {
  g_seen.push_back(Msg);
  if (Msg == WM_ERASEBKGND || Msg == WM_PRINT) {
    RECT R{0, 0, 400, 400};
    HBRUSH Brush = CreateSolidBrush(kOldPaint);
    FillRect(reinterpret_cast<HDC>(Wparam), &R, Brush);
    DeleteObject(Brush);
    return kOldResult;
  }
  if (Msg == WM_NCPAINT) return kOldResult;
  return DefWindowProcW(Wnd, Msg, Wparam, Lparam);
}

bool Saw(UINT Msg) {
  return std::find(g_seen.begin(), g_seen.end(), Msg) != g_seen.end();
}

HWND MakeWindow() {
  static ATOM Atom = [] {
    WNDCLASSW Cls{};
    Cls.lpfnWndProc = OldProc;
    Cls.hInstance = GetModuleHandleW(nullptr);
    Cls.lpszClassName = L"MenuSkinTestWindow";
    return RegisterClassW(&Cls);
  }();
  (void)Atom;
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"MenuSkinTestWindow", L"", WS_POPUP | WS_VISIBLE,
                         40, 40, 100, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

COLORREF WindowPixel(HWND Wnd, int X, int Y) {
  HDC DC = GetWindowDC(Wnd);
  const COLORREF C = GetPixel(DC, X, Y);
  ReleaseDC(Wnd, DC);
  return C;
}

class PopMenuObject : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildSkin(data, true, true);
    wnd = MakeWindow();
    ASSERT_NE(wnd, nullptr);
    g_seen.clear();
  }
  void TearDown() override {
    if (IsWindow(wnd)) DestroyWindow(wnd);
  }
  LRESULT Send(UINT Msg, WPARAM Wparam = 0, LPARAM Lparam = 0) {
    return SendMessageW(wnd, Msg, Wparam, Lparam);
  }

  ScopedManager scoped;
  TSkinData data{nullptr};
  HWND wnd = nullptr;
};

TEST_F(PopMenuObject, SubclassesOnceAnswersTheQueryAndGivesTheProcedureBackExactly) {
  const LONG_PTR Original = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  EXPECT_EQ(Send(kMenuSkinQuery), 0);
  {
    TRuzIzivPopMenu Menu;
    Menu.InitSkin(wnd, &data, nullptr);
    g_seen.clear();
    EXPECT_TRUE(Menu.Subclassed());
    EXPECT_EQ(Menu.FOldWndProc, reinterpret_cast<WNDPROC>(Original));
    EXPECT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Original);
    EXPECT_EQ(Send(kMenuSkinQuery), 1);
    EXPECT_FALSE(Saw(kMenuSkinQuery));
    const LONG_PTR Skinned = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
    Menu.InitSkin(wnd, &data, nullptr);  // a second call changes nothing
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Skinned);
    Menu.UnSubClass();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Original);
    EXPECT_EQ(GetPropW(wnd, kPopMenuProp), nullptr);
    EXPECT_TRUE(Menu.FBackground->Empty());
    Menu.UnSubClass();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Original);
    Menu.InitSkin(wnd, &data, nullptr);
  }  // freed while subclassed: the window gets its procedure back all the same
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Original);
  EXPECT_EQ(Send(kMenuSkinQuery), 0);
}

TEST_F(PopMenuObject, NcPaintDrawsTheFrameFromTheMenuBackgroundInsteadOfTheSystem) {
  TRuzIzivPopMenu Menu;
  Menu.InitSkin(wnd, &data, nullptr);
  EXPECT_EQ(Send(WM_NCPAINT, 1), 0);
  EXPECT_FALSE(Saw(WM_NCPAINT));
  EXPECT_EQ(WindowPixel(wnd, 1, 1), kBgFrame);
  EXPECT_EQ(WindowPixel(wnd, 98, 78), kBgFrame);
  EXPECT_EQ(WindowPixel(wnd, 50, 40), kBgInside);
  ASSERT_EQ(Menu.FBackground->Width(), 100);
  EXPECT_EQ(gfxtest::PixelAt(*Menu.FBackground, 50, 2), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*Menu.FBackground, 50, 3), kBgInside);
  // Any other update region is the system's.
  HRGN Region = CreateRectRgn(0, 0, 10, 10);
  EXPECT_EQ(Send(WM_NCPAINT, reinterpret_cast<WPARAM>(Region)), kOldResult);
  DeleteObject(Region);
  EXPECT_TRUE(Saw(WM_NCPAINT));
}

TEST_F(PopMenuObject, PrintDrawsTheBackgroundAndLetsTheSystemDrawOnlyInsideTheFrame) {
  TRuzIzivPopMenu Menu;
  Menu.InitSkin(wnd, &data, nullptr);
  auto Target = Solid(100, 80, clWhite);
  HDC DC = Target->Canvas()->Handle();
  const int Mode = SetBkMode(DC, OPAQUE);
  EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT | PRF_NONCLIENT), kOldResult);
  EXPECT_TRUE(Saw(WM_PRINT));
  EXPECT_EQ(gfxtest::PixelAt(*Target, 1, 1), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*Target, 97, 40), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*Target, 3, 3), static_cast<TColor>(kOldPaint));
  EXPECT_EQ(gfxtest::PixelAt(*Target, 96, 76), static_cast<TColor>(kOldPaint));
  // The target's clip and mode are as they were.
  EXPECT_EQ(GetBkMode(DC), OPAQUE);
  HRGN Clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(DC, Clip), 0);
  DeleteObject(Clip);
  SetBkMode(DC, Mode);
}

TEST_F(PopMenuObject, EraseIsKeptFromTheSystemOnlyWithMenuBG) {
  TRuzIzivPopMenu Menu;
  Menu.InitSkin(wnd, &data, nullptr);
  auto Target = Solid(20, 20, clWhite);
  HDC DC = Target->Canvas()->Handle();
  data.Options = data.Options + xoMenuBG;
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC)), 1);
  EXPECT_FALSE(Saw(WM_ERASEBKGND));
  EXPECT_EQ(gfxtest::PixelAt(*Target, 5, 5), clWhite);
  data.Options = data.Options - xoMenuBG;
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC)), 1);  // 1 whatever the system says
  EXPECT_TRUE(Saw(WM_ERASEBKGND));
  EXPECT_EQ(gfxtest::PixelAt(*Target, 5, 5), static_cast<TColor>(kOldPaint));
}

TEST_F(PopMenuObject, WithoutASkinOrWhileDisabledEverythingIsNativeButStaysSubclassed) {
  TRuzIzivPopMenu Menu;
  Menu.InitSkin(wnd, &data, nullptr);
  auto Target = Solid(20, 20, clWhite);
  HDC DC = Target->Canvas()->Handle();
  // An empty menu background bitmap.
  data.MenuBackground->Bitmap = std::make_unique<TBitmap>();
  EXPECT_EQ(Send(WM_NCPAINT, 1), kOldResult);
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC)), kOldResult);
  EXPECT_EQ(Send(kMenuSkinQuery), 1);
  // No loaded skin.
  BuildSkin(data, true, true);
  data.FNoSkin = true;
  g_seen.clear();
  EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT), kOldResult);
  EXPECT_EQ(gfxtest::PixelAt(*Target, 0, 0), static_cast<TColor>(kOldPaint));
  // Skinning switched off while the menu is open.
  data.FNoSkin = false;
  scoped.manager.FEnabled = false;
  g_seen.clear();
  EXPECT_EQ(Send(WM_NCPAINT, 1), kOldResult);
  EXPECT_EQ(Send(kMenuSkinQuery), 1);
  SkinManager = nullptr;
  EXPECT_EQ(Send(WM_NCPAINT, 1), kOldResult);
  SkinManager = &scoped.manager;
}

TEST_F(PopMenuObject, DestroyUnsubclassesFirstAndTheLogNamesTheMessage) {
  TStringList Lines;
  data.DebugLines = &Lines;
  TRuzIzivPopMenu PopMenu;
  PopMenu.InitSkin(wnd, &data, nullptr);
  PopMenu.AddLog(TMessage{WM_NCPAINT, 1, 0, 0});
  PopMenu.AddLog(TMessage{0x3523, 0, 0x41A2, 0});
  ASSERT_EQ(Lines.Count(), 2);
  EXPECT_EQ(Lines.Strings(0).rfind("Menu hook:", 0), 0u) << Lines.Strings(0);
  EXPECT_NE(Lines.Strings(0).find("WM_NCPAINT"), String::npos) << Lines.Strings(0);
  EXPECT_NE(Lines.Strings(1).find("0x3523"), String::npos) << Lines.Strings(1);

  // The form skin object finds the background through the object hung on the top-most window.
  TRuzIzivForm Form(nullptr);
  Send(WM_NCPAINT, 1);
  if (GetTopWindow(nullptr) == wnd) {
    EXPECT_EQ(Form.GetMenuBG(), PopMenu.FBackground.get());
  }

  DestroyWindow(wnd);
  EXPECT_TRUE(Saw(WM_DESTROY));  // still reaches the system's procedure
  EXPECT_FALSE(PopMenu.Subclassed());
  data.DebugLines = nullptr;
}

// ---------------------------------------------------------------------------------------------------
// A real popup menu.

struct Live {
  static inline FakeManager* manager = nullptr;
  static inline TSkinData* data = nullptr;
  static inline int created = 0;
  static inline bool restoredExactly = false;
  static inline std::vector<WPARAM> keys;
  static inline HWND menuWnd = nullptr;
  static inline COLORREF frame = CLR_INVALID, normal = CLR_INVALID, selected = CLR_INVALID;
  static inline LRESULT query = 0;
  static inline std::unique_ptr<TBitmap> printed;
  static inline int ticks = 0;
  static inline bool hasFrame = false;
  static inline LRESULT printResult = 0;
  static inline TColor printedFrame = 0, printedItem = 0;

  static LRESULT CALLBACK Cbt(int Code, WPARAM Wparam, LPARAM Lparam) {
    HWND Wnd = reinterpret_cast<HWND>(Wparam);
    wchar_t Cls[16] = {};
    if (Code == HCBT_CREATEWND && GetClassNameW(Wnd, Cls, 16) && lstrcmpW(Cls, L"#32768") == 0) {
      // As the manager does: once per window, never twice.
      if (SendMessageW(Wnd, kMenuSkinQuery, 0, 0) != 1) {
        ++created;
        auto Menu = std::make_unique<TRuzIzivPopMenu>();
        Menu->InitSkin(Wnd, data, nullptr);
        manager->menus.push_back(std::move(Menu));
      }
    } else if (Code == HCBT_DESTROYWND) {
      for (auto& M : manager->menus)
        if (M->FHandle == Wnd && M->Subclassed()) {
          const WNDPROC Old = M->FOldWndProc;
          M->UnSubClass();
          restoredExactly = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC)) == Old;
        }
    }
    return CallNextHookEx(nullptr, Code, Wparam, Lparam);
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND Wnd = FindWindowW(L"#32768", nullptr);
    if (!Wnd || !IsWindowVisible(Wnd)) return;
    menuWnd = Wnd;
    RECT R;
    GetWindowRect(Wnd, &R);
    const int W = R.right - R.left;
    // Whatever is still to be painted is painted before a pixel is read.
    RedrawWindow(Wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    switch (ticks++) {
      case 1:
        frame = WindowPixel(Wnd, 1, 1);
        {
          RECT Client;
          GetClientRect(Wnd, &Client);
          hasFrame = Client.right < W;
        }
        normal = WindowPixel(Wnd, W - 8, 6);
        query = SendMessageW(Wnd, kMenuSkinQuery, 0, 0);
        PostMessageW(Wnd, WM_KEYDOWN, VK_DOWN, 0);
        break;
      case 3: {
        selected = WindowPixel(Wnd, W - 8, 6);
        printed = Solid(W, R.bottom - R.top, clWhite);
        printResult = SendMessageW(Wnd, WM_PRINT, reinterpret_cast<WPARAM>(printed->Canvas()->Handle()),
                                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        printedFrame = gfxtest::PixelAt(*printed, 1, 1);
        printedItem = gfxtest::PixelAt(*printed, W - 8, 6);
        break;
      }
      case 4:
        PostMessageW(Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
      default:
        break;
    }
  }
};

TEST(PopMenuLive, APopupIsSkinnedOnceFramedPaintedFromTheStripAndRestoredExactly) {
  ScopedManager Scoped;
  TSkinData Data(nullptr);
  BuildSkin(Data, true, true);
  TRuzIzivForm Painter(nullptr);
  Painter.FSkinData = &Data;
  Live::manager = &Scoped.manager;
  Live::data = &Data;

  TForm Form(nullptr);
  Form.SetBounds(100, 100, 300, 200);
  Form.Show();
  auto* PopupMenu = new TPopupMenu(&Form);
  PopupMenu->SetOwnerDraw(true);
  for (const char* Caption : {"first item", "-", "third"}) {
    auto* Item = new TMenuItem(&Form);
    Item->SetCaption(Caption);
    Item->OnDrawItem = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(&Painter);
    Item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&Painter);
    PopupMenu->Items()->Add(Item);
  }
  HHOOK Hook = SetWindowsHookExW(WH_CBT, &Live::Cbt, nullptr, GetCurrentThreadId());
  ASSERT_NE(Hook, nullptr);
  const UINT_PTR Timer = SetTimer(nullptr, 0, 60, &Live::Tick);
  PopupMenu->Popup(120, 120);
  KillTimer(nullptr, Timer);
  UnhookWindowsHookEx(Hook);

  ASSERT_NE(Live::menuWnd, nullptr);
  EXPECT_EQ(Live::created, 1);
  EXPECT_EQ(Live::query, 1);
  ASSERT_EQ(Scoped.manager.menus.size(), 1u);
  EXPECT_EQ(Scoped.manager.menus[0]->FMenu, PopupMenu->Handle());  // bound by the item painter
  EXPECT_TRUE(Scoped.manager.menus[0]->FMarked);
  // Where the system gives its menu windows a non-client frame, WM_NCPAINT shows the skin's; a
  // system that draws the frame inside the client area paints over it with its own.
  if (Live::hasFrame) {
    EXPECT_EQ(Live::frame, kBgFrame);
  }
  EXPECT_EQ(Live::normal, kNormal);
  EXPECT_EQ(Live::selected, kSelected);
  // Menu animation's WM_PRINT: the skinned frame, and the items the system drew inside it.
  EXPECT_EQ(Live::printedFrame, kBgFrame);
  EXPECT_EQ(Live::printedItem, kSelected);
  EXPECT_TRUE(Live::restoredExactly);
  EXPECT_FALSE(IsWindow(Live::menuWnd) && Scoped.manager.menus[0]->Subclassed());
}

}  // namespace
