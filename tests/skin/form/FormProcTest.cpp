// The form skin object's window procedure on real windows: what is swallowed, answered or passed to
// the window's own procedure before and after the deferred activation, the special windows, the
// framework-level messages and giving everything back.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/forms/Forms.h"
#include "tests/support/SkinnedWindow.h"

namespace {

using testsupport::Attach;
using testsupport::Pump;
using testsupport::TAttach;
using testsupport::TRecordingWindow;

using FormProc = testsupport::TDefaultSkinSuite;

TEST_F(FormProc, BeforeActivationNoFrameIsPaintedAndTheQueryIsAnswered) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data, TAttach::Inactive);
  ASSERT_TRUE(Form->IsSubclassed());
  EXPECT_EQ(Form->FSkinState, kSkinCreated);
  Window.Clear();
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCPAINT, 1, 0), 0);
  EXPECT_FALSE(Window.Saw(WM_NCPAINT));
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCACTIVATE, FALSE, 0), 1);  // deactivation is not refused
  EXPECT_FALSE(Window.Saw(WM_NCACTIVATE));

  EXPECT_EQ(SendMessageW(Window.Handle(), WM_SKIN_QUERY, 0, kSkinMarker), 1);
  EXPECT_FALSE(Window.Saw(WM_SKIN_QUERY));
  Pump();
  bool Notice = false;
  for (const MSG& M : Window.FSeen)
    Notice |= M.message == WM_SKIN_SKINNED && M.wParam == 0 && M.lParam == kSkinMarker;
  EXPECT_TRUE(Notice);  // posted back to the window, which passes it on
  Form->UnSubclass();
}

TEST_F(FormProc, ActivationTakesTheFrameAndAnswersActivationItself) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  EXPECT_TRUE(Form->FActivated);
  EXPECT_EQ(Form->FSkinState, kSkinActive);
  EXPECT_TRUE(Form->FSkinFrame);
  EXPECT_EQ(Form->FBorderStyle, sbsSizeable);
  EXPECT_TRUE(Form->FSizeable);
  EXPECT_TRUE(Form->FBorderIcons.Contains(sbisystem));
  EXPECT_TRUE(Form->FBorderIcons.Contains(sbiMin));
  EXPECT_TRUE(Form->FBorderIcons.Contains(sbiMax));
  // Frame thicknesses are one frame of each border strip (left/right side by side, top/bottom stacked).
  EXPECT_EQ(Form->FLeftWidth, Data->Borders[sbLeft]->Bitmap->Width() / Data->Borders[sbLeft]->FrameCount);
  EXPECT_EQ(Form->FRightWidth, Data->Borders[sbRight]->Bitmap->Width() / Data->Borders[sbRight]->FrameCount);
  EXPECT_EQ(Form->FTitleHeight, Data->Borders[sbTop]->Bitmap->Height() / Data->Borders[sbTop]->FrameCount);
  EXPECT_EQ(Form->FBottomHeight,
            Data->Borders[sbBottom]->Bitmap->Height() / Data->Borders[sbBottom]->FrameCount);
  EXPECT_EQ(Form->FMenuHeight, 0);

  Window.Clear();
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_EQ(Form->FActive, 0);
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_EQ(Form->FActive, 1);
  EXPECT_FALSE(Window.Saw(WM_NCACTIVATE));
  EXPECT_EQ(SendMessageW(Window.Handle(), 0x00AE, 0, 0), 0);
  EXPECT_FALSE(Window.Saw(0x00AE));
  // System-menu items arrive as commands and come back as system commands.
  SendMessageW(Window.Handle(), WM_COMMAND, SC_MINIMIZE + 0, 0);
  Window.Clear();
  MSG M;
  bool Posted = false;
  while (PeekMessageW(&M, Window.Handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
    Posted |= M.wParam == SC_MINIMIZE;
  EXPECT_TRUE(Posted);
  Form->UnSubclass();
}

TEST_F(FormProc, ChildWindowPassesEverythingToItsOwnProcedure) {
  TRecordingWindow Parent;
  TRecordingWindow Child(WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, 0, {10, 10, 210, 160},
                         Parent.Handle());
  auto Form = Attach(Child.Handle(), *Data);
  EXPECT_TRUE(Form->FIsChild);
  RECT Before{};
  GetWindowRect(Child.Handle(), &Before);
  Child.Clear();
  SendMessageW(Child.Handle(), WM_NCPAINT, 1, 0);
  SendMessageW(Child.Handle(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(Child.Handle(), WM_NCHITTEST, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(Child.Saw(WM_NCPAINT));
  EXPECT_TRUE(Child.Saw(WM_NCACTIVATE));
  EXPECT_TRUE(Child.Saw(WM_NCHITTEST));
  RECT After{};
  GetWindowRect(Child.Handle(), &After);
  EXPECT_TRUE(EqualRect(&Before, &After));  // a child keeps its size and native frame
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Child.Handle(), Region), ERROR);
  DeleteObject(Region);
  Form->UnSubclass();
}

TEST_F(FormProc, SystemDialogClassIsADialogWhateverItsStyle) {
  // A sizeable window of the dialog class.
  HWND Dialog = CreateWindowExW(0, L"#32770", L"Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(Dialog);
  auto Form = Attach(Dialog, *Data);
  EXPECT_EQ(Form->FClassName, "#32770");
  EXPECT_TRUE(Form->FIsDialog);
  EXPECT_EQ(Form->FBorderStyle, sbsDialog);
  EXPECT_TRUE(Form->FSizeable);
  Form->UnSubclass();
  Form.reset();
  DestroyWindow(Dialog);
}

TEST_F(FormProc, BorderStyleFollowsTheWindowStyle) {
  struct TCase {
    DWORD Style, ExStyle;
    TSkinFormBorder Border;
  } Cases[] = {
      {WS_POPUP | WS_VISIBLE, 0, sbsNone},
      {WS_POPUP | WS_BORDER | WS_VISIBLE, 0, sbsNone},  // half a caption is no caption
      {WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, sbsSingle},
      {WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 0, sbsDialog},
      {WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME, sbsDialog},
  };
  for (const TCase& C : Cases) {
    TRecordingWindow Window(C.Style, C.ExStyle);
    auto Form = Attach(Window.Handle(), *Data);
    EXPECT_EQ(Form->FBorderStyle, C.Border) << std::hex << C.Style;
    if (C.Border == sbsNone) {
      EXPECT_EQ(Form->FTitleHeight, 0);
      EXPECT_EQ(Form->FLeftWidth, 0);
    }
    Form->UnSubclass();
  }
}

TEST_F(FormProc, UnSubclassGivesBackProcedureStyleSizeAndNoRegion) {
  TRecordingWindow Window;
  const LONG_PTR Proc = GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
  const LONG_PTR Style = GetWindowLongPtrW(Window.Handle(), GWL_STYLE);
  RECT Before{}, ClientBefore{};
  GetWindowRect(Window.Handle(), &Before);
  GetClientRect(Window.Handle(), &ClientBefore);
  auto Form = Attach(Window.Handle(), *Data);
  EXPECT_NE(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Proc);
  Form->UnSubclass();
  Pump();
  EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Proc);
  EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWL_STYLE), Style);
  RECT After{}, ClientAfter{};
  GetWindowRect(Window.Handle(), &After);
  GetClientRect(Window.Handle(), &ClientAfter);
  EXPECT_TRUE(EqualRect(&Before, &After))
      << After.left << "," << After.top << "," << After.right << "," << After.bottom;
  EXPECT_TRUE(EqualRect(&ClientBefore, &ClientAfter));
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Window.Handle(), Region), ERROR);
  DeleteObject(Region);
  EXPECT_FALSE(Form->FOwnsRegion);
  // Unsubclassing twice is harmless.
  Form->UnSubclass();
  EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Proc);
}

TEST_F(FormProc, DestroyedWindowGivesItsProcedureBackOnItsLastMessage) {
  auto Window = std::make_unique<TRecordingWindow>();
  HWND Handle = Window->Handle();
  auto Form = Attach(Handle, *Data);
  DestroyWindow(Handle);
  EXPECT_EQ(Form->FSkinState, kSkinDestroyed);
  EXPECT_FALSE(Form->IsSubclassed());
  EXPECT_TRUE(Window->Saw(WM_NCDESTROY));  // the window's own procedure still got it
  Form.reset();
}

TEST_F(FormProc, FreeingAStillSkinnedObjectRestoresTheWindow) {
  TRecordingWindow Window;
  const LONG_PTR Proc = GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
  auto Form = Attach(Window.Handle(), *Data);
  Form.reset();
  EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Proc);
  SendMessageW(Window.Handle(), WM_NCPAINT, 1, 0);  // must not reach freed code
  EXPECT_TRUE(Window.Saw(WM_NCPAINT));
}

TEST_F(FormProc, SecondInitialisationDoesNothing) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  const LONG_PTR Proc = GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
  Form->InitDlg(Data);
  EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Proc);
  Form->UnSubclass();
}

TEST_F(FormProc, FrameworkFormAnswersTheEngineProbes) {
  TForm Form(nullptr);
  Form.SetBounds(80, 80, 320, 240);
  Form.Show();
  Pump();
  const TColor Color = Form.Color();
  auto Skin = testsupport::AttachToForm(Form, *Data);
  EXPECT_EQ(Form.Color(), Data->Colors[csButtonFace]);
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_SKIN_PROBE, 0, kSkinMarker), kSkinMarker);
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_SKIN_PROBE, 0, 0), 1);
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_SKIN_PAINTNC, 0, kSkinMarker), kSkinMarker);
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_SKIN_PAINTNC, 0, 0), 0);

  // A caption change repaints the caption with the new text.
  SetWindowTextW(Form.Handle(), L"New caption");
  Pump();
  EXPECT_EQ(Skin->FCaptionText, u"  New caption ");

  Skin->UnSubclass();
  EXPECT_EQ(Form.Color(), Color);
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_SKIN_PROBE, 0, kSkinMarker), 0);
}

TEST_F(FormProc, AttachAndDetachLeaveNoGdiObjectsBehind) {
  TRecordingWindow Window;
  for (int I = 0; I < 3; ++I) {  // warm-up: caches of the painters fill once
    auto Form = Attach(Window.Handle(), *Data);
    Form->UnSubclass();
  }
  const DWORD Before = testsupport::GdiObjects();
  for (int I = 0; I < 20; ++I) {
    auto Form = Attach(Window.Handle(), *Data);
    SendMessageW(Window.Handle(), WM_NCACTIVATE, FALSE, 0);
    SendMessageW(Window.Handle(), WM_NCACTIVATE, TRUE, 0);
    Form->UnSubclass();
  }
  Pump();
  EXPECT_LE(testsupport::GdiObjects(), Before + 2);
}

// A caption button whose drawing fails, and what was reported meanwhile.
class TFailingButton : public TWinSysButton {
 public:
  using TWinSysButton::TWinSysButton;
  void Draw() override { throw std::runtime_error("cannot draw"); }
};
int Reports = 0;
void CountReport(TObject*, std::exception_ptr) {
  ++Reports;
}

struct TFailingCase {
  const char* Name;
  bool StartHot;  // the failing button is hot before the pointer moves
  bool OnButton;  // the pointer moves onto the button, else onto the middle of the caption
};

class FormProcFailure : public FormProc, public ::testing::WithParamInterface<TFailingCase> {};

// An exception in the skin object's handling never reaches the system: it is reported, the message
// goes on to the window's own procedure, and the window and the program carry on.
TEST_P(FormProcFailure, IsReportedAndTheMessageGoesOnNatively) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  SendMessageW(Window.Handle(), WM_SKIN_REPAINTFRAME, 0, 0);
  auto Found = std::find_if(Form->FSysButtons.begin(), Form->FSysButtons.end(),
                            [](const auto& B) { return B->FVisible && !B->Empty() && !B->IsIcon(); });
  ASSERT_NE(Found, Form->FSysButtons.end());
  auto& Slot = *Found;
  auto Failing = std::make_unique<TFailingButton>(Form.get(), Slot->FData);
  Failing->FRect = Slot->FRect;
  Failing->FVisible = Slot->FVisible;
  ASSERT_TRUE(Failing->FVisible);
  Slot.reset(Failing.release());
  const POINT At = GetParam().OnButton ? testsupport::Centre(Slot->FRect)
                                       : POINT{testsupport::WindowSize(Window.Handle()).cx / 2, 10};
  if (GetParam().StartHot) Form->FHotObject = Slot.get();

  const TExceptionHandler Previous = SetExceptionHandler(&CountReport);
  Reports = 0;
  Window.Clear();
  testsupport::SendNC(Window.Handle(), WM_NCMOUSEMOVE, At);
  SetExceptionHandler(Previous);
  EXPECT_GE(Reports, 1);
  EXPECT_TRUE(Window.Saw(WM_NCMOUSEMOVE));
  SetWindowTextW(Window.Handle(), L"Still working");
  wchar_t Text[32] = {};
  GetWindowTextW(Window.Handle(), Text, 32);
  EXPECT_STREQ(Text, L"Still working");
  Form->FHotObject = nullptr;
  Form->UnSubclass();
}

INSTANTIATE_TEST_SUITE_P(Handlers, FormProcFailure,
                         ::testing::Values(TFailingCase{"Enter", false, true},
                                           TFailingCase{"Leave", true, false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace

namespace {

LRESULT CALLBACK AnsiProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

TEST(FormProcAnsi, EightBitWindowKeepsItsProcedureKindAndCaption) {
  TSkinData Data(nullptr);
  testsupport::LoadDefaultSkin(Data);
  WNDCLASSA Class{};
  Class.lpfnWndProc = AnsiProc;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = "FormSkinTestAnsi";
  RegisterClassA(&Class);
  HWND Wnd = CreateWindowExA(0, "FormSkinTestAnsi", "Ansi caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120,
                             120, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(Wnd);
  ASSERT_FALSE(IsWindowUnicode(Wnd));
  const LONG_PTR Proc = GetWindowLongPtrA(Wnd, GWLP_WNDPROC);
  auto Form = Attach(Wnd, Data);
  EXPECT_FALSE(Form->FUnicode);
  EXPECT_FALSE(IsWindowUnicode(Wnd));  // subclassed with the 8-bit calls
  Form->UpdateNc(nullptr);
  EXPECT_EQ(Form->FCaptionText, u"  Ansi caption ");
  EXPECT_EQ(GetFormCaptionA(Wnd), "Ansi caption");
  EXPECT_EQ(GetFormText(Wnd), "Ansi caption");
  Form->UnSubclass();
  EXPECT_EQ(GetWindowLongPtrA(Wnd, GWLP_WNDPROC), Proc);
  Form.reset();
  DestroyWindow(Wnd);
}

}  // namespace
