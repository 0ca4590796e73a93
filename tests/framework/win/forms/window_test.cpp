// Framework controls as real windows: the control atom, the replaceable message method, z-order,
// bounds, notifications and re-creation.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"

namespace {

// Sits in front of a control's message method the way the skinning engine does.
struct Spy : TObject {
  TControl* control;
  TWndMethod saved;
  std::vector<UINT> seen;
  explicit Spy(TControl* C) : control(C), saved(C->WindowProc) {
    C->WindowProc = TWndMethod::Bind<&Spy::Proc>(this);
  }
  ~Spy() override { control->WindowProc = saved; }
  void Proc(TMessage& M) {
    seen.push_back(M.Msg);
    saved(M);
  }
  bool Saw(UINT Msg) const { return std::find(seen.begin(), seen.end(), Msg) != seen.end(); }
};

std::unique_ptr<TForm> MakeForm() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(10, 10, 300, 200);
  return Form;
}

TEST(ControlAtom, FindsTheControlOfEveryFrameworkWindow) {
  auto Form = MakeForm();
  auto* Button = new TButton(Form.get());
  Button->SetParent(Form.get());
  HWND Wnd = Button->Handle();
  EXPECT_EQ(FindControlx(Wnd), Button);
  EXPECT_EQ(FindControlx(Form->Handle()), Form.get());
  EXPECT_EQ(FindControlx(nullptr), nullptr);
  EXPECT_EQ(FindControlx(GetDesktopWindow()), nullptr);

  // The property is reachable by its documented name, built from module instance and thread.
  wchar_t Expected[64];
  swprintf(Expected, 64, L"ControlOfs%.8llX%.8lX",
           static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
           static_cast<unsigned long>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropName(), Expected);
  EXPECT_EQ(GetPropW(Wnd, Expected), static_cast<HANDLE>(static_cast<TControl*>(Button)));
  EXPECT_NE(GlobalFindAtomW(Expected), 0);

  delete Button;
  EXPECT_EQ(FindControlx(Wnd), nullptr);  // the window is gone with its object
  EXPECT_FALSE(IsWindow(Wnd));
}

TEST(WindowProc, ReplacedSeesEveryMessageAndRestoredExactly) {
  auto Form = MakeForm();
  auto* Edit = new TEdit(Form.get());
  Edit->SetParent(Form.get());
  HWND Wnd = Edit->Handle();
  const TWndMethod Original = Edit->WindowProc;
  {
    Spy EditSpy(Edit);
    SendMessageW(Wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    EXPECT_TRUE(EditSpy.Saw(WM_SETTEXT));
    EXPECT_EQ(Edit->Text(), "typed");  // the default procedure still ran
    EXPECT_EQ(Edit->Perform(WM_GETTEXTLENGTH), 5);
    Edit->SetEnabled(false);
    EXPECT_TRUE(EditSpy.Saw(CM_ENABLEDCHANGED));
    EXPECT_FALSE(IsWindowEnabled(Wnd));
    Edit->SetText("other");
    EXPECT_TRUE(EditSpy.Saw(CM_TEXTCHANGED));
    Edit->SetVisible(false);
    EXPECT_TRUE(EditSpy.Saw(CM_VISIBLECHANGED));
    EXPECT_FALSE(IsWindowVisible(Wnd));
  }
  EXPECT_TRUE(Edit->WindowProc == Original);
  Spy Again(Edit);
  SendMessageW(Wnd, WM_NULL, 0, 0);
  EXPECT_EQ(Again.seen, std::vector<UINT>{WM_NULL});
}

TEST(WindowProc, NotificationNumbersAreTheFixedOnes) {
  EXPECT_EQ(CM_MENUCHANGED, 0xB015u);
  EXPECT_EQ(CM_EXIT, 0xB01Bu);
  EXPECT_EQ(CM_RELEASE, 0xB021u);
  EXPECT_EQ(CM_RECREATEWND, 0xB033u);
  EXPECT_EQ(CM_CHECKSTATECHANGED, 0xB0D0u);
  EXPECT_EQ(CM_MOUSEENTER, 0xB013u);
  EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
  EXPECT_EQ(CM_DIALOGCHAR, 0xB006u);
}

TEST(WinControl, RecreateWndGivesANewWindowWithTheSameState) {
  auto Form = MakeForm();
  auto* Edit = new TEdit(Form.get());
  Edit->SetParent(Form.get());
  Edit->SetBounds(5, 6, 70, 22);
  HWND Old = Edit->Handle();
  SendMessageW(Old, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kept"));
  Spy EditSpy(Edit);
  Edit->RecreateWnd();
  EXPECT_TRUE(EditSpy.Saw(CM_RECREATEWND));
  HWND Now = Edit->WindowHandle();
  ASSERT_NE(Now, nullptr);
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_EQ(FindControlx(Now), Edit);
  EXPECT_EQ(Edit->Text(), "kept");
  EXPECT_EQ(Edit->Left(), 5);
  EXPECT_EQ(Edit->Width(), 70);
  EXPECT_EQ(GetParent(Now), Form->Handle());
}

TEST(WinControl, ControlsListIsTheZOrderBesideTheComponents) {
  auto Form = MakeForm();
  auto* A = new TButton(Form.get());
  auto* B = new TEdit(Form.get());
  auto* C = new TButton(Form.get());
  for (TControl* X : {static_cast<TControl*>(A), static_cast<TControl*>(B), static_cast<TControl*>(C)})
    X->SetParent(Form.get());
  auto* Stray = new TButton(Form.get());  // owned, but on no parent
  EXPECT_EQ(Form->ComponentCount(), 4);
  ASSERT_EQ(Form->ControlCount(), 3);
  EXPECT_EQ(Form->Controls(0), A);
  EXPECT_EQ(Form->Controls(2), C);
  Form->HandleNeeded();
  // The system lists children from the top: the last control is topmost.
  HWND Top = GetWindow(Form->WindowHandle(), GW_CHILD);
  EXPECT_EQ(FindControlx(Top), C);
  EXPECT_EQ(FindControlx(GetWindow(Top, GW_HWNDNEXT)), B);
  EXPECT_EQ(FindControlx(GetWindow(Top, GW_HWNDLAST)), A);
  EXPECT_FALSE(Stray->HandleAllocated());
  delete B;
  EXPECT_EQ(Form->ControlCount(), 2);
  EXPECT_EQ(Form->ComponentCount(), 3);
}

TEST(WinControl, BoundsAndClientSizeFollowTheWindow) {
  auto Form = MakeForm();
  Form->SetBorderStyle(bsDialog);
  Form->SetClientWidth(249);
  Form->SetClientHeight(73);
  HWND Wnd = Form->Handle();
  RECT Client;
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.right, 249);
  EXPECT_EQ(Client.bottom, 73);
  EXPECT_EQ(Form->ClientWidth(), 249);

  auto* Button = new TButton(Form.get());
  Button->SetParent(Form.get());
  Button->SetBounds(16, 40, 217, 25);
  RECT R;
  GetWindowRect(Button->Handle(), &R);
  MapWindowPoints(HWND_DESKTOP, Wnd, reinterpret_cast<POINT*>(&R), 2);
  EXPECT_EQ(R.left, 16);
  EXPECT_EQ(R.top, 40);
  EXPECT_EQ(R.right - R.left, 217);
  EXPECT_EQ(R.bottom - R.top, 25);
  // Moved by the system: the object follows.
  MoveWindow(Button->Handle(), 3, 4, 50, 20, FALSE);
  EXPECT_EQ(Button->Left(), 3);
  EXPECT_EQ(Button->Height(), 20);
}

}  // namespace
