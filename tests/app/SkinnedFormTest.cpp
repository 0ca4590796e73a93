// The utility's form as the program runs it, with the skin manager linked in: the skin data on the
// form skins the window and its controls when the window is first activated, and the program calls
// nothing of the engine itself. A skinned window or control answers the query message with 1.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "app/MainForm.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;

bool Skinned(HWND Wnd) {
  return SendMessageW(Wnd, kSkinQuery, 0, 0) == 1;
}

}  // namespace

TEST(SkinnedForm, ActivationSkinsTheButtonsAndTheFieldWithoutAnyCallOfTheProgram) {
  RegisterGradientClasses();
  std::unique_ptr<TForm1> Form(CreateFormFromResource<TForm1>(nullptr));
  Form->Show();
  SetForegroundWindow(Form->Handle());
  // The controls are skinned by the deferred activation the manager posts.
  const DWORD Start = GetTickCount();
  while (!Skinned(Form->btn4->Handle()) && GetTickCount() - Start < 5000) {
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    Sleep(10);
  }
  EXPECT_TRUE(Skinned(Form->Handle()));
  const struct {
    const char* Name;
    TWinControl* Control;
  } Controls[] = {{"btn1", Form->btn1}, {"btn2", Form->btn2}, {"btn4", Form->btn4}, {"edt1", Form->edt1}};
  for (const auto& C : Controls) EXPECT_TRUE(Skinned(C.Control->Handle())) << C.Name;
}
