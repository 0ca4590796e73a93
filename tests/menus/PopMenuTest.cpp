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
#include "tests/support/Bitmaps.h"
#include "tests/menus/MenuTestSkin.h"

using namespace menutest;

namespace {

constexpr LRESULT kOldResult = 7;
constexpr COLORREF kOldPaint = RGB(0, 200, 0);

// The procedure the skin object finds on its window: it records what reaches it and paints green.
std::vector<UINT> g_seen;
LRESULT CALLBACK OldProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  g_seen.push_back(msg);
  if (msg == WM_ERASEBKGND || msg == WM_PRINT) {
    RECT r{0, 0, 400, 400};
    HBRUSH brush = CreateSolidBrush(kOldPaint);
    FillRect(reinterpret_cast<HDC>(wparam), &r, brush);
    DeleteObject(brush);
    return kOldResult;
  }
  if (msg == WM_NCPAINT) return kOldResult;
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

bool Saw(UINT msg) {
  return std::find(g_seen.begin(), g_seen.end(), msg) != g_seen.end();
}

HWND MakeWindow() {
  static ATOM atom = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = OldProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"MenuSkinTestWindow";
    return RegisterClassW(&cls);
  }();
  (void)atom;
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"MenuSkinTestWindow", L"", WS_POPUP | WS_VISIBLE,
                         40, 40, 100, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

COLORREF WindowPixel(HWND wnd, int x, int y) {
  HDC dc = GetWindowDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return c;
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
  LRESULT Send(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageW(wnd, msg, wparam, lparam);
  }

  ScopedManager scoped;
  TSkinData data{nullptr};
  HWND wnd = nullptr;
};

TEST_F(PopMenuObject, SubclassesOnceAnswersTheQueryAndGivesTheProcedureBackExactly) {
  const LONG_PTR original = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  EXPECT_EQ(Send(kMenuSkinQuery), 0);
  {
    TRuzIzivPopMenu menu;
    menu.InitSkin(wnd, &data, nullptr);
    g_seen.clear();
    EXPECT_TRUE(menu.Subclassed());
    EXPECT_EQ(menu.FOldWndProc, reinterpret_cast<WNDPROC>(original));
    EXPECT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
    EXPECT_EQ(Send(kMenuSkinQuery), 1);
    EXPECT_FALSE(Saw(kMenuSkinQuery));
    const LONG_PTR skinned = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
    menu.InitSkin(wnd, &data, nullptr);  // a second call changes nothing
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), skinned);
    menu.UnSubClass();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropW(wnd, kPopMenuProp), nullptr);
    EXPECT_TRUE(menu.FBackground->Empty());
    menu.UnSubClass();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
    menu.InitSkin(wnd, &data, nullptr);
  }  // freed while subclassed: the window gets its procedure back all the same
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
  EXPECT_EQ(Send(kMenuSkinQuery), 0);
}

TEST_F(PopMenuObject, NcPaintDrawsTheFrameFromTheMenuBackgroundInsteadOfTheSystem) {
  TRuzIzivPopMenu menu;
  menu.InitSkin(wnd, &data, nullptr);
  EXPECT_EQ(Send(WM_NCPAINT, 1), 0);
  EXPECT_FALSE(Saw(WM_NCPAINT));
  EXPECT_EQ(WindowPixel(wnd, 1, 1), kBgFrame);
  EXPECT_EQ(WindowPixel(wnd, 98, 78), kBgFrame);
  EXPECT_EQ(WindowPixel(wnd, 50, 40), kBgInside);
  ASSERT_EQ(menu.FBackground->Width(), 100);
  EXPECT_EQ(gfxtest::PixelAt(*menu.FBackground, 50, 2), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*menu.FBackground, 50, 3), kBgInside);
  // Any other update region is the system's.
  HRGN region = CreateRectRgn(0, 0, 10, 10);
  EXPECT_EQ(Send(WM_NCPAINT, reinterpret_cast<WPARAM>(region)), kOldResult);
  DeleteObject(region);
  EXPECT_TRUE(Saw(WM_NCPAINT));
}

TEST_F(PopMenuObject, PrintDrawsTheBackgroundAndLetsTheSystemDrawOnlyInsideTheFrame) {
  TRuzIzivPopMenu menu;
  menu.InitSkin(wnd, &data, nullptr);
  auto target = Solid(100, 80, clWhite);
  HDC dc = target->Canvas()->Handle();
  const int mode = SetBkMode(dc, OPAQUE);
  EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT), kOldResult);
  EXPECT_TRUE(Saw(WM_PRINT));
  EXPECT_EQ(gfxtest::PixelAt(*target, 1, 1), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*target, 97, 40), kBgFrame);
  EXPECT_EQ(gfxtest::PixelAt(*target, 3, 3), static_cast<TColor>(kOldPaint));
  EXPECT_EQ(gfxtest::PixelAt(*target, 96, 76), static_cast<TColor>(kOldPaint));
  // The target's clip and mode are as they were.
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, clip), 0);
  DeleteObject(clip);
  SetBkMode(dc, mode);
}

TEST_F(PopMenuObject, EraseIsKeptFromTheSystemOnlyWithMenuBG) {
  TRuzIzivPopMenu menu;
  menu.InitSkin(wnd, &data, nullptr);
  auto target = Solid(20, 20, clWhite);
  HDC dc = target->Canvas()->Handle();
  data.Options = data.Options + xoMenuBG;
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), 1);
  EXPECT_FALSE(Saw(WM_ERASEBKGND));
  EXPECT_EQ(gfxtest::PixelAt(*target, 5, 5), clWhite);
  data.Options = data.Options - xoMenuBG;
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), 1);  // 1 whatever the system says
  EXPECT_TRUE(Saw(WM_ERASEBKGND));
  EXPECT_EQ(gfxtest::PixelAt(*target, 5, 5), static_cast<TColor>(kOldPaint));
}

TEST_F(PopMenuObject, WithoutASkinOrWhileDisabledEverythingIsNativeButStaysSubclassed) {
  TRuzIzivPopMenu menu;
  menu.InitSkin(wnd, &data, nullptr);
  auto target = Solid(20, 20, clWhite);
  HDC dc = target->Canvas()->Handle();
  // An empty menu background bitmap.
  data.MenuBackground->Bitmap = std::make_unique<TBitmap>();
  EXPECT_EQ(Send(WM_NCPAINT, 1), kOldResult);
  EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), kOldResult);
  EXPECT_EQ(Send(kMenuSkinQuery), 1);
  // No loaded skin.
  BuildSkin(data, true, true);
  data.FNoSkin = true;
  g_seen.clear();
  EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT), kOldResult);
  EXPECT_EQ(gfxtest::PixelAt(*target, 0, 0), static_cast<TColor>(kOldPaint));
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
  TStringList lines;
  data.DebugLines = &lines;
  TRuzIzivPopMenu menu;
  menu.InitSkin(wnd, &data, nullptr);
  menu.AddLog(TMessage{WM_NCPAINT, 1, 0, 0});
  menu.AddLog(TMessage{0x3523, 0, 0x41A2, 0});
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Strings(0).rfind("Menu hook:", 0), 0u) << lines.Strings(0);
  EXPECT_NE(lines.Strings(0).find("WM_NCPAINT"), String::npos) << lines.Strings(0);
  EXPECT_NE(lines.Strings(1).find("0x3523"), String::npos) << lines.Strings(1);

  // The form skin object finds the background through the object hung on the top-most window.
  TRuzIzivForm form(nullptr);
  Send(WM_NCPAINT, 1);
  if (GetTopWindow(nullptr) == wnd) {
    EXPECT_EQ(form.GetMenuBG(), menu.FBackground.get());
  }

  DestroyWindow(wnd);
  EXPECT_TRUE(Saw(WM_DESTROY));  // still reaches the system's procedure
  EXPECT_FALSE(menu.Subclassed());
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

  static LRESULT CALLBACK Cbt(int code, WPARAM wparam, LPARAM lparam) {
    HWND wnd = reinterpret_cast<HWND>(wparam);
    wchar_t cls[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(wnd, cls, 16) && lstrcmpW(cls, L"#32768") == 0) {
      // As the manager does: once per window, never twice.
      if (SendMessageW(wnd, kMenuSkinQuery, 0, 0) != 1) {
        ++created;
        auto menu = std::make_unique<TRuzIzivPopMenu>();
        menu->InitSkin(wnd, data, nullptr);
        manager->menus.push_back(std::move(menu));
      }
    } else if (code == HCBT_DESTROYWND) {
      for (auto& m : manager->menus)
        if (m->FHandle == wnd && m->Subclassed()) {
          const WNDPROC old = m->FOldWndProc;
          m->UnSubClass();
          restoredExactly = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == old;
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND wnd = FindWindowW(L"#32768", nullptr);
    if (!wnd || !IsWindowVisible(wnd)) return;
    menuWnd = wnd;
    RECT r;
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left;
    // Whatever is still to be painted is painted before a pixel is read.
    RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    switch (ticks++) {
      case 1:
        frame = WindowPixel(wnd, 1, 1);
        {
          RECT client;
          GetClientRect(wnd, &client);
          hasFrame = client.right < w;
        }
        normal = WindowPixel(wnd, w - 8, 6);
        query = SendMessageW(wnd, kMenuSkinQuery, 0, 0);
        PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
        break;
      case 3: {
        selected = WindowPixel(wnd, w - 8, 6);
        printed = Solid(w, r.bottom - r.top, clWhite);
        printResult = SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(printed->Canvas()->Handle()),
                                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        printedFrame = gfxtest::PixelAt(*printed, 1, 1);
        printedItem = gfxtest::PixelAt(*printed, w - 8, 6);
        break;
      }
      case 4:
        PostMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
      default:
        break;
    }
  }
};

TEST(PopMenuLive, APopupIsSkinnedOnceFramedPaintedFromTheStripAndRestoredExactly) {
  ScopedManager scoped;
  TSkinData data(nullptr);
  BuildSkin(data, true, true);
  TRuzIzivForm painter(nullptr);
  painter.FSkinData = &data;
  Live::manager = &scoped.manager;
  Live::data = &data;

  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  form.Show();
  auto* popup = new TPopupMenu(&form);
  popup->SetOwnerDraw(true);
  for (const char* caption : {"first item", "-", "third"}) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    item->OnDrawItem = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(&painter);
    item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&painter);
    popup->Items()->Add(item);
  }
  HHOOK hook = SetWindowsHookExW(WH_CBT, &Live::Cbt, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, &Live::Tick);
  popup->Popup(120, 120);
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(hook);

  ASSERT_NE(Live::menuWnd, nullptr);
  EXPECT_EQ(Live::created, 1);
  EXPECT_EQ(Live::query, 1);
  ASSERT_EQ(scoped.manager.menus.size(), 1u);
  EXPECT_EQ(scoped.manager.menus[0]->FMenu, popup->Handle());  // bound by the item painter
  EXPECT_TRUE(scoped.manager.menus[0]->FMarked);
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
  EXPECT_FALSE(IsWindow(Live::menuWnd) && scoped.manager.menus[0]->Subclassed());
}

}  // namespace
