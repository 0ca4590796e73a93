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
  explicit Spy(TControl* c) : control(c), saved(c->WindowProc) {
    c->WindowProc = TWndMethod::Bind<&Spy::Proc>(this);
  }
  ~Spy() override { control->WindowProc = saved; }
  void Proc(TMessage& m) {
    seen.push_back(m.Msg);
    saved(m);
  }
  bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
};

std::unique_ptr<TForm> MakeForm() {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(10, 10, 300, 200);
  return form;
}

TEST(ControlAtom, FindsTheControlOfEveryFrameworkWindow) {
  auto form = MakeForm();
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  HWND wnd = button->Handle();
  EXPECT_EQ(FindControlx(wnd), button);
  EXPECT_EQ(FindControlx(form->Handle()), form.get());
  EXPECT_EQ(FindControlx(nullptr), nullptr);
  EXPECT_EQ(FindControlx(GetDesktopWindow()), nullptr);

  // The property is reachable by its documented name, built from module instance and thread.
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%.8llX%.8lX",
           static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
           static_cast<unsigned long>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropName(), expected);
  EXPECT_EQ(GetPropW(wnd, expected), static_cast<HANDLE>(static_cast<TControl*>(button)));
  EXPECT_NE(GlobalFindAtomW(expected), 0);

  delete button;
  EXPECT_EQ(FindControlx(wnd), nullptr);  // the window is gone with its object
  EXPECT_FALSE(IsWindow(wnd));
}

TEST(WindowProc, ReplacedSeesEveryMessageAndRestoredExactly) {
  auto form = MakeForm();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  HWND wnd = edit->Handle();
  const TWndMethod original = edit->WindowProc;
  {
    Spy spy(edit);
    SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    EXPECT_TRUE(spy.Saw(WM_SETTEXT));
    EXPECT_EQ(edit->Text(), "typed");  // the default procedure still ran
    EXPECT_EQ(edit->Perform(WM_GETTEXTLENGTH), 5);
    edit->SetEnabled(false);
    EXPECT_TRUE(spy.Saw(CM_ENABLEDCHANGED));
    EXPECT_FALSE(IsWindowEnabled(wnd));
    edit->SetText("other");
    EXPECT_TRUE(spy.Saw(CM_TEXTCHANGED));
    edit->SetVisible(false);
    EXPECT_TRUE(spy.Saw(CM_VISIBLECHANGED));
    EXPECT_FALSE(IsWindowVisible(wnd));
  }
  EXPECT_TRUE(edit->WindowProc == original);
  Spy again(edit);
  SendMessageW(wnd, WM_NULL, 0, 0);
  EXPECT_EQ(again.seen, std::vector<UINT>{WM_NULL});
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
  auto form = MakeForm();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(5, 6, 70, 22);
  HWND old = edit->Handle();
  SendMessageW(old, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kept"));
  Spy spy(edit);
  edit->RecreateWnd();
  EXPECT_TRUE(spy.Saw(CM_RECREATEWND));
  HWND now = edit->WindowHandle();
  ASSERT_NE(now, nullptr);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(FindControlx(now), edit);
  EXPECT_EQ(edit->Text(), "kept");
  EXPECT_EQ(edit->Left(), 5);
  EXPECT_EQ(edit->Width(), 70);
  EXPECT_EQ(GetParent(now), form->Handle());
}

TEST(WinControl, ControlsListIsTheZOrderBesideTheComponents) {
  auto form = MakeForm();
  auto* a = new TButton(form.get());
  auto* b = new TEdit(form.get());
  auto* c = new TButton(form.get());
  for (TControl* x : {static_cast<TControl*>(a), static_cast<TControl*>(b), static_cast<TControl*>(c)})
    x->SetParent(form.get());
  auto* stray = new TButton(form.get());  // owned, but on no parent
  EXPECT_EQ(form->ComponentCount(), 4);
  ASSERT_EQ(form->ControlCount(), 3);
  EXPECT_EQ(form->Controls(0), a);
  EXPECT_EQ(form->Controls(2), c);
  form->HandleNeeded();
  // The system lists children from the top: the last control is topmost.
  HWND top = GetWindow(form->WindowHandle(), GW_CHILD);
  EXPECT_EQ(FindControlx(top), c);
  EXPECT_EQ(FindControlx(GetWindow(top, GW_HWNDNEXT)), b);
  EXPECT_EQ(FindControlx(GetWindow(top, GW_HWNDLAST)), a);
  EXPECT_FALSE(stray->HandleAllocated());
  delete b;
  EXPECT_EQ(form->ControlCount(), 2);
  EXPECT_EQ(form->ComponentCount(), 3);
}

TEST(WinControl, BoundsAndClientSizeFollowTheWindow) {
  auto form = MakeForm();
  form->SetBorderStyle(bsDialog);
  form->SetClientWidth(249);
  form->SetClientHeight(73);
  HWND wnd = form->Handle();
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 249);
  EXPECT_EQ(client.bottom, 73);
  EXPECT_EQ(form->ClientWidth(), 249);

  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(16, 40, 217, 25);
  RECT r;
  GetWindowRect(button->Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, wnd, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 16);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, 217);
  EXPECT_EQ(r.bottom - r.top, 25);
  // Moved by the system: the object follows.
  MoveWindow(button->Handle(), 3, 4, 50, 20, FALSE);
  EXPECT_EQ(button->Left(), 3);
  EXPECT_EQ(button->Height(), 20);
}

}  // namespace
