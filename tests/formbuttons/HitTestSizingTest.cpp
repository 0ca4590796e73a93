// The hit test that makes the skinned caption draggable, the client area inside the skinned frame,
// double clicks on the caption, and resizing that keeps the client area.
#include <gtest/gtest.h>

#include "skin/data/SkinWindowBridge.h"
#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

namespace {

class Frame : public TSkinnedWindowTest {
 protected:
  LRESULT Hit(POINT WindowPoint) { return SendMessageW(Wnd, WM_NCHITTEST, 0, ScreenParam(Wnd, WindowPoint)); }
};

TEST_F(Frame, ClientAreaSitsInsideTheSkinnedFrame) {
  Open();
  ASSERT_GT(Form->FTitleHeight, 0);
  RECT window{}, client{};
  GetWindowRect(Wnd, &window);
  GetClientRect(Wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(Wnd, &origin);
  EXPECT_EQ(origin.y - window.top, Form->FTitleHeight + Form->FMenuHeight);
  EXPECT_EQ(origin.x - window.left, Form->FLeftWidth);
  EXPECT_EQ(client.right, window.right - window.left - Form->FLeftWidth - Form->FRightWidth);
  EXPECT_EQ(client.bottom, window.bottom - window.top - Form->FTitleHeight - Form->FBottomHeight);
}

TEST_F(Frame, CaptionIsDraggableAndBordersSize) {
  Open();
  const SIZE size = WindowSize(Wnd);
  const int midX = size.cx / 2;
  EXPECT_EQ(Hit(POINT{midX, Form->FTitleHeight / 2}), HTCAPTION);
  EXPECT_EQ(Hit(POINT{midX, Form->FTitleHeight - 1}), HTCAPTION);  // the whole skinned caption
  EXPECT_EQ(Hit(POINT{midX, 1}), HTTOP);
  EXPECT_EQ(Hit(POINT{1, size.cy / 2}), HTLEFT);
  EXPECT_EQ(Hit(POINT{size.cx - 2, size.cy / 2}), HTRIGHT);
  EXPECT_EQ(Hit(POINT{size.cx - 1, size.cy - 1}), HTBOTTOMRIGHT);
  EXPECT_EQ(Hit(POINT{midX, size.cy / 2}), HTCLIENT);
  // On a caption button the hit code is the caption's: the buttons act on the non-client messages.
  TWinSysButton* close = ButtonOf(*Form, 0);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(Hit(Centre(close->FRect)), HTCAPTION);
}

TEST_F(Frame, DoubleClickOnTheCaptionMaximisesAndRestores) {
  Open();
  const POINT caption{WindowSize(Wnd).cx / 2, 12};
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, caption);
  Pump(100);
  EXPECT_TRUE(IsZoomed(Wnd));
  EXPECT_EQ(Form->FWindowState, swsMax);
  // A maximised window's caption does not drag.
  Window->Clear();
  SendNC(Wnd, WM_NCLBUTTONDOWN, POINT{WindowSize(Wnd).cx / 2, 12});
  EXPECT_EQ(Window->Count(WM_NCLBUTTONDOWN, HTCAPTION), 0);
  EXPECT_EQ(Window->Count(WM_NCLBUTTONDOWN, HTMENU), 1);
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, POINT{WindowSize(Wnd).cx / 2, 12});
  Pump(100);
  EXPECT_FALSE(IsZoomed(Wnd));
  EXPECT_EQ(Form->FWindowState, swsNormal);
}

TEST_F(Frame, DoubleClickWithoutMaximiseBoxIsThePlatformsAndOnTheIconCloses) {
  Open(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
  Window->Clear();
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, POINT{WindowSize(Wnd).cx / 2, 12});
  Pump(50);
  EXPECT_FALSE(IsZoomed(Wnd));
  EXPECT_EQ(Window->Count(WM_NCLBUTTONDBLCLK, HTCAPTION), 1);  // passed on

  TWinSysButton* icon = ButtonOf(*Form, 3);
  ASSERT_NE(icon, nullptr);
  ASSERT_TRUE(icon->FVisible);
  Window->Clear();
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, Centre(icon->FRect));
  Pump(30);
  EXPECT_TRUE(
      SequenceIs(Window->FSeen, {{WM_SYSCOMMAND, TMessageRow::kWParam, SC_CLOSE}}, {WM_NCLBUTTONDBLCLK}));
}

TEST_F(Frame, ResizeKeepsTheClientArea) {
  Open();
  RECT before{};
  GetClientRect(Wnd, &before);
  // A thicker frame: the window grows so the client area stays.
  Form->FTitleHeight += 10;
  Form->FLeftWidth += 3;
  Form->ResizeForm(1);
  Pump(30);
  RECT after{};
  GetClientRect(Wnd, &after);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
  POINT origin{0, 0};
  ClientToScreen(Wnd, &origin);
  RECT window{};
  GetWindowRect(Wnd, &window);
  EXPECT_EQ(origin.y - window.top, Form->FTitleHeight);

  Form->GetBorderSize();
  EXPECT_EQ(Form->FNativeFrame.right, Form->FLeftWidth + Form->FRightWidth);
  EXPECT_EQ(Form->FNativeFrame.bottom, Form->FTitleHeight + Form->FBottomHeight);
}

TEST_F(Frame, SystemMenuStyleBitIsRemovedForPaintingAndRestored) {
  Open();
  EXPECT_EQ(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_SYSMENU, 0);  // the platform draws no buttons
  Form->UpdateStyle(false);
  EXPECT_NE(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_SYSMENU, 0);
  Form->UpdateStyle(true);
  EXPECT_EQ(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(Frame, TinyWindowGetsAnEmptyClientAreaNotAnInvertedOne) {
  Open();
  SetWindowPos(Wnd, nullptr, 0, 0, 4, 4, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(20);
  RECT client{};
  GetClientRect(Wnd, &client);
  EXPECT_GE(client.right, 0);
  EXPECT_GE(client.bottom, 0);
}

}  // namespace

namespace {

TEST_F(Frame, KeepClientSizesTheWindowAroundTheRememberedClientArea) {
  Open();
  Form->FClientRect = RECT{0, 0, 200, 120};
  Form->KeepClient();
  Pump(20);
  RECT client{};
  GetClientRect(Wnd, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 120);
  const SIZE size = WindowSize(Wnd);
  EXPECT_EQ(size.cx, 200 + Form->FLeftWidth + Form->FRightWidth);
  EXPECT_EQ(size.cy, 120 + Form->FTitleHeight + Form->FBottomHeight + Form->FMenuHeight);
}

// A 16-colour icon of one colour, made here.
HICON SolidIcon(COLORREF Color) {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, cx, cy);
  HBITMAP mask = CreateBitmap(cx, cy, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, colour);
  HBRUSH brush = CreateSolidBrush(Color);
  const RECT r{0, 0, cx, cy};
  FillRect(dc, &r, brush);
  SelectObject(dc, mask);
  PatBlt(dc, 0, 0, cx, cy, BLACKNESS);  // all opaque
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

// The icon button shows the application's icon; without one, the window's own.
TEST_F(Frame, IconButtonShowsTheApplicationsIconElseTheWindows) {
  Open();
  HWND app = SkinApplicationWindow();
  auto appIcon = [app](WPARAM Kind, HICON Icon) {
    return app ? reinterpret_cast<HICON>(SendMessageW(app, WM_SETICON, Kind, reinterpret_cast<LPARAM>(Icon)))
               : nullptr;
  };
  HICON savedSmall = appIcon(ICON_SMALL, nullptr);
  HICON savedBig = appIcon(ICON_BIG, nullptr);

  HICON green = SolidIcon(RGB(10, 150, 40));
  SendMessageW(Wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(green));
  EXPECT_EQ(Form->FIcon, green);
  EXPECT_EQ(Form->FIconSize, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  TWinSysButton* button = ButtonOf(*Form, 3);
  ASSERT_NE(button, nullptr);
  const COLORREF shown = WindowPixel(Wnd, Centre(button->FRect));
  // The window's icon went through a 16-bit picture.
  EXPECT_NEAR(GetRValue(shown), 10, 8);
  EXPECT_NEAR(GetGValue(shown), 150, 8);
  EXPECT_NEAR(GetBValue(shown), 40, 8);

  HICON red = SolidIcon(RGB(200, 20, 20));
  if (app) {
    appIcon(ICON_SMALL, red);
    SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
    EXPECT_EQ(WindowPixel(Wnd, Centre(button->FRect)), RGB(200, 20, 20));
  }
  appIcon(ICON_SMALL, savedSmall);
  appIcon(ICON_BIG, savedBig);
  SendMessageW(Wnd, WM_SETICON, ICON_SMALL, 0);
  DestroyIcon(green);
  DestroyIcon(red);
}

}  // namespace

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT Msg, WPARAM, LPARAM) {
  return Msg == WM_INITDIALOG ? TRUE : FALSE;
}

// A modeless system dialog (class "#32770"), Width dialog units wide, with one push button at x 4.
HWND NarrowDialog(const wchar_t* Caption, short Width) {
  std::vector<WORD> t(512, 0);
  auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
  dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  dlg->cdit = 1;
  dlg->cx = Width;
  dlg->cy = 60;
  WORD* p = reinterpret_cast<WORD*>(dlg + 1);
  *p++ = 0;  // no menu
  *p++ = 0;  // standard class
  for (const wchar_t* c = Caption; *c; ++c) *p++ = static_cast<WORD>(*c);
  *p++ = 0;
  p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR{3});
  auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
  item->style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
  item->x = 4;
  item->y = 4;
  item->cx = 30;
  item->cy = 14;
  item->id = 1;
  p = reinterpret_cast<WORD*>(item + 1);
  *p++ = 0xFFFF;
  *p++ = 0x0080;  // button
  *p++ = 'O';
  *p++ = 'K';
  *p++ = 0;
  *p++ = 0;  // no creation data
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dlg, nullptr, QuietDialog, 0);
}

TEST(DialogFrame, NarrowDialogWidensToItsCaptionAndKeepsItsControlsCentred) {
  TSkinData data(nullptr);
  LoadDefaultSkin(data);
  ASSERT_FALSE(data.FNoSkin);
  const wchar_t* caption = L"A caption much wider than this small dialog";
  HWND dlg = NarrowDialog(caption, 40);
  ASSERT_NE(dlg, nullptr);
  Pump(30);
  HWND ok = GetDlgItem(dlg, 1);
  RECT okBefore{};
  GetWindowRect(ok, &okBefore);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&okBefore), 2);
  RECT clientBefore{};
  GetClientRect(dlg, &clientBefore);

  auto form = Attach(dlg, data, TAttach::Driven);
  ASSERT_TRUE(form->FIsDialog);
  HDC dc = GetDC(dlg);
  HGDIOBJ old = SelectObject(dc, form->FCaptionFont->Handle());
  SIZE text{};
  GetTextExtentPoint32W(dc, caption, static_cast<int>(wcslen(caption)), &text);
  SelectObject(dc, old);
  ReleaseDC(dlg, dc);
  const RECT& m = data.Title->Margins;
  const int needed = m.left + text.cx + m.right;
  const int narrow = clientBefore.right + form->FLeftWidth + form->FRightWidth;
  ASSERT_LT(narrow, needed);
  EXPECT_EQ(WindowSize(dlg).cx, needed);

  RECT okAfter{};
  GetWindowRect(ok, &okAfter);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&okAfter), 2);
  EXPECT_EQ(okAfter.left, okBefore.left + (needed - narrow) / 2);
  EXPECT_EQ(okAfter.top, okBefore.top);
  DestroyWindow(dlg);
  Pump(10);
}

}  // namespace
