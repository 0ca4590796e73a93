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
  RECT Window{}, Client{};
  GetWindowRect(Wnd, &Window);
  GetClientRect(Wnd, &Client);
  POINT Origin{0, 0};
  ClientToScreen(Wnd, &Origin);
  EXPECT_EQ(Origin.y - Window.top, Form->FTitleHeight + Form->FMenuHeight);
  EXPECT_EQ(Origin.x - Window.left, Form->FLeftWidth);
  EXPECT_EQ(Client.right, Window.right - Window.left - Form->FLeftWidth - Form->FRightWidth);
  EXPECT_EQ(Client.bottom, Window.bottom - Window.top - Form->FTitleHeight - Form->FBottomHeight);
}

TEST_F(Frame, CaptionIsDraggableAndBordersSize) {
  Open();
  const SIZE Size = WindowSize(Wnd);
  const int MidX = Size.cx / 2;
  EXPECT_EQ(Hit(POINT{MidX, Form->FTitleHeight / 2}), HTCAPTION);
  EXPECT_EQ(Hit(POINT{MidX, Form->FTitleHeight - 1}), HTCAPTION);  // the whole skinned caption
  EXPECT_EQ(Hit(POINT{MidX, 1}), HTTOP);
  EXPECT_EQ(Hit(POINT{1, Size.cy / 2}), HTLEFT);
  EXPECT_EQ(Hit(POINT{Size.cx - 2, Size.cy / 2}), HTRIGHT);
  EXPECT_EQ(Hit(POINT{Size.cx - 1, Size.cy - 1}), HTBOTTOMRIGHT);
  EXPECT_EQ(Hit(POINT{MidX, Size.cy / 2}), HTCLIENT);
  // On a caption button the hit code is the caption's: the buttons act on the non-client messages.
  TWinSysButton* Close = ButtonOf(*Form, 0);
  ASSERT_NE(Close, nullptr);
  EXPECT_EQ(Hit(Centre(Close->FRect)), HTCAPTION);
}

TEST_F(Frame, DoubleClickOnTheCaptionMaximisesAndRestores) {
  Open();
  const POINT Caption{WindowSize(Wnd).cx / 2, 12};
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, Caption);
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

  TWinSysButton* Icon = ButtonOf(*Form, 3);
  ASSERT_NE(Icon, nullptr);
  ASSERT_TRUE(Icon->FVisible);
  Window->Clear();
  SendNC(Wnd, WM_NCLBUTTONDBLCLK, Centre(Icon->FRect));
  Pump(30);
  EXPECT_TRUE(
      SequenceIs(Window->FSeen, {{WM_SYSCOMMAND, TMessageRow::kWParam, SC_CLOSE}}, {WM_NCLBUTTONDBLCLK}));
}

TEST_F(Frame, ResizeKeepsTheClientArea) {
  Open();
  RECT Before{};
  GetClientRect(Wnd, &Before);
  // A thicker frame: the window grows so the client area stays.
  Form->FTitleHeight += 10;
  Form->FLeftWidth += 3;
  Form->ResizeForm(1);
  Pump(30);
  RECT After{};
  GetClientRect(Wnd, &After);
  EXPECT_EQ(After.right, Before.right);
  EXPECT_EQ(After.bottom, Before.bottom);
  POINT Origin{0, 0};
  ClientToScreen(Wnd, &Origin);
  RECT Window{};
  GetWindowRect(Wnd, &Window);
  EXPECT_EQ(Origin.y - Window.top, Form->FTitleHeight);

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
  RECT Client{};
  GetClientRect(Wnd, &Client);
  EXPECT_GE(Client.right, 0);
  EXPECT_GE(Client.bottom, 0);
}

}  // namespace

namespace {

TEST_F(Frame, KeepClientSizesTheWindowAroundTheRememberedClientArea) {
  Open();
  Form->FClientRect = RECT{0, 0, 200, 120};
  Form->KeepClient();
  Pump(20);
  RECT Client{};
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.right, 200);
  EXPECT_EQ(Client.bottom, 120);
  const SIZE Size = WindowSize(Wnd);
  EXPECT_EQ(Size.cx, 200 + Form->FLeftWidth + Form->FRightWidth);
  EXPECT_EQ(Size.cy, 120 + Form->FTitleHeight + Form->FBottomHeight + Form->FMenuHeight);
}

// A 16-colour icon of one colour, made here.
HICON SolidIcon(COLORREF Color) {
  const int Cx = GetSystemMetrics(SM_CXSMICON), Cy = GetSystemMetrics(SM_CYSMICON);
  HDC Screen = GetDC(nullptr);
  HBITMAP Colour = CreateCompatibleBitmap(Screen, Cx, Cy);
  HBITMAP Mask = CreateBitmap(Cx, Cy, 1, 1, nullptr);
  HDC DC = CreateCompatibleDC(Screen);
  HGDIOBJ Old = SelectObject(DC, Colour);
  HBRUSH Brush = CreateSolidBrush(Color);
  const RECT R{0, 0, Cx, Cy};
  FillRect(DC, &R, Brush);
  SelectObject(DC, Mask);
  PatBlt(DC, 0, 0, Cx, Cy, BLACKNESS);  // all opaque
  SelectObject(DC, Old);
  DeleteObject(Brush);
  DeleteDC(DC);
  ReleaseDC(nullptr, Screen);
  ICONINFO Info{TRUE, 0, 0, Mask, Colour};
  HICON Icon = CreateIconIndirect(&Info);
  DeleteObject(Colour);
  DeleteObject(Mask);
  return Icon;
}

// The icon button shows the application's icon; without one, the window's own.
TEST_F(Frame, IconButtonShowsTheApplicationsIconElseTheWindows) {
  Open();
  HWND App = SkinApplicationWindow();
  auto AppIcon = [App](WPARAM Kind, HICON Icon) {
    return App ? reinterpret_cast<HICON>(SendMessageW(App, WM_SETICON, Kind, reinterpret_cast<LPARAM>(Icon)))
               : nullptr;
  };
  HICON SavedSmall = AppIcon(ICON_SMALL, nullptr);
  HICON SavedBig = AppIcon(ICON_BIG, nullptr);

  HICON Green = SolidIcon(RGB(10, 150, 40));
  SendMessageW(Wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Green));
  EXPECT_EQ(Form->FIcon, Green);
  EXPECT_EQ(Form->FIconSize, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  TWinSysButton* Button = ButtonOf(*Form, 3);
  ASSERT_NE(Button, nullptr);
  const COLORREF Shown = WindowPixel(Wnd, Centre(Button->FRect));
  // The window's icon went through a 16-bit picture.
  EXPECT_NEAR(GetRValue(Shown), 10, 8);
  EXPECT_NEAR(GetGValue(Shown), 150, 8);
  EXPECT_NEAR(GetBValue(Shown), 40, 8);

  HICON Red = SolidIcon(RGB(200, 20, 20));
  if (App) {
    AppIcon(ICON_SMALL, Red);
    SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
    EXPECT_EQ(WindowPixel(Wnd, Centre(Button->FRect)), RGB(200, 20, 20));
  }
  AppIcon(ICON_SMALL, SavedSmall);
  AppIcon(ICON_BIG, SavedBig);
  SendMessageW(Wnd, WM_SETICON, ICON_SMALL, 0);
  DestroyIcon(Green);
  DestroyIcon(Red);
}

}  // namespace

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT Msg, WPARAM, LPARAM) {
  return Msg == WM_INITDIALOG ? TRUE : FALSE;
}

// A modeless system dialog (class "#32770"), Width dialog units wide, with one push button at x 4.
HWND NarrowDialog(const wchar_t* Caption, short Width) {
  std::vector<WORD> T(512, 0);
  auto* Dlg = reinterpret_cast<DLGTEMPLATE*>(T.data());
  Dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  Dlg->cdit = 1;
  Dlg->cx = Width;
  Dlg->cy = 60;
  WORD* P = reinterpret_cast<WORD*>(Dlg + 1);
  *P++ = 0;  // no menu
  *P++ = 0;  // standard class
  for (const wchar_t* C = Caption; *C; ++C) *P++ = static_cast<WORD>(*C);
  *P++ = 0;
  P = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(P) + 3) & ~ULONG_PTR{3});
  auto* Item = reinterpret_cast<DLGITEMTEMPLATE*>(P);
  Item->style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
  Item->x = 4;
  Item->y = 4;
  Item->cx = 30;
  Item->cy = 14;
  Item->id = 1;
  P = reinterpret_cast<WORD*>(Item + 1);
  *P++ = 0xFFFF;
  *P++ = 0x0080;  // button
  *P++ = 'O';
  *P++ = 'K';
  *P++ = 0;
  *P++ = 0;  // no creation data
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), Dlg, nullptr, QuietDialog, 0);
}

TEST(DialogFrame, NarrowDialogWidensToItsCaptionAndKeepsItsControlsCentred) {
  TSkinData Data(nullptr);
  LoadDefaultSkin(Data);
  ASSERT_FALSE(Data.FNoSkin);
  const wchar_t* Caption = L"A caption much wider than this small dialog";
  HWND Dlg = NarrowDialog(Caption, 40);
  ASSERT_NE(Dlg, nullptr);
  Pump(30);
  HWND Ok = GetDlgItem(Dlg, 1);
  RECT OkBefore{};
  GetWindowRect(Ok, &OkBefore);
  MapWindowPoints(nullptr, Dlg, reinterpret_cast<POINT*>(&OkBefore), 2);
  RECT ClientBefore{};
  GetClientRect(Dlg, &ClientBefore);

  auto Form = Attach(Dlg, Data, TAttach::Driven);
  ASSERT_TRUE(Form->FIsDialog);
  HDC DC = GetDC(Dlg);
  HGDIOBJ Old = SelectObject(DC, Form->FCaptionFont->Handle());
  SIZE Text{};
  GetTextExtentPoint32W(DC, Caption, static_cast<int>(wcslen(Caption)), &Text);
  SelectObject(DC, Old);
  ReleaseDC(Dlg, DC);
  const RECT& M = Data.Title->Margins;
  const int Needed = M.left + Text.cx + M.right;
  const int Narrow = ClientBefore.right + Form->FLeftWidth + Form->FRightWidth;
  ASSERT_LT(Narrow, Needed);
  EXPECT_EQ(WindowSize(Dlg).cx, Needed);

  RECT OkAfter{};
  GetWindowRect(Ok, &OkAfter);
  MapWindowPoints(nullptr, Dlg, reinterpret_cast<POINT*>(&OkAfter), 2);
  EXPECT_EQ(OkAfter.left, OkBefore.left + (Needed - Narrow) / 2);
  EXPECT_EQ(OkAfter.top, OkBefore.top);
  DestroyWindow(Dlg);
  Pump(10);
}

}  // namespace
