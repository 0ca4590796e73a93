// The main form read from the executable's description: the table's layout, the handlers bound by
// name, and what they do when driven through real window messages.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "framework/core/Colors.h"
#include "tests/app/ClipboardText.h"

namespace {

class Form1Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterGradientClasses(); }
  // Shown, as the field can only take the focus on a visible form.
  void SetUp() override {
    form.reset(CreateFormFromResource<TForm1>(nullptr));
    form->Show();
  }

  // A click on the form's own background, as the mouse gives it.
  void ClickBackground() {
    HWND Wnd = form->Handle();
    SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 5));
    SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
  }

  std::unique_ptr<TForm1> form;
};

void ExpectFont(TFont* Font, const char* Name, int Height, bool Bold, int Charset, TColor Colour) {
  EXPECT_EQ(Font->Name(), Name);
  EXPECT_EQ(Font->Height(), Height);
  EXPECT_EQ(Font->Style().Contains(fsBold), Bold);
  EXPECT_EQ(Font->Charset(), Charset);
  EXPECT_EQ(Font->Color(), Colour);
}

void ExpectBounds(TControl* Control, int Left, int Top, int Width, int Height) {
  EXPECT_EQ(Control->Left(), Left);
  EXPECT_EQ(Control->Top(), Top);
  EXPECT_EQ(Control->Width(), Width);
  EXPECT_EQ(Control->Height(), Height);
}

TEST_F(Form1Test, DescriptionGivesTheDesignedForm) {
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "渐变字代码生成器");
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(form->BorderIcons(), TBorderIcons{biSystemMenu});
  EXPECT_EQ(form->Position(), poScreenCenter);
  EXPECT_EQ(form->Color(), clBtnFace);
  ExpectFont(form->Font(), "MS Sans Serif", -11, false, DEFAULT_CHARSET, clWindowText);

  HWND Wnd = form->Handle();
  RECT Client;
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.right, 249);
  EXPECT_EQ(Client.bottom, 73);
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  EXPECT_TRUE(Style & WS_SYSMENU);
  EXPECT_FALSE(Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(Wnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  // Centred on the screen, whatever the designed position.
  RECT Frame;
  GetWindowRect(Wnd, &Frame);
  EXPECT_NEAR(Frame.left + Frame.right, GetSystemMetrics(SM_CXSCREEN), 2);
  EXPECT_NEAR(Frame.top + Frame.bottom, GetSystemMetrics(SM_CYSCREEN), 2);

  // Created in the description's order, each into its published field.
  ASSERT_EQ(form->ComponentCount(), 6);
  const char* Order[] = {"btn1", "btn4", "btn2", "edt1", "dlgColor1", "skndt1"};
  for (int I = 0; I < 6; ++I) EXPECT_EQ(form->Components(I)->Name(), Order[I]);
  ASSERT_TRUE(form->btn1 && form->btn4 && form->btn2 && form->edt1 && form->dlgColor1 && form->skndt1);
  // The skin data component comes last and has loaded the embedded default skin.
  EXPECT_TRUE(form->skndt1->Active());
  EXPECT_FALSE(form->skndt1->FNoSkin);
  EXPECT_EQ(form->skndt1->SkinName, "Default");

  ExpectBounds(form->btn1, 0, 16, 33, 21);
  EXPECT_EQ(form->btn1->Caption(), "头");
  ExpectFont(form->btn1->Font(), "微软雅黑", -11, true, ANSI_CHARSET, clRed);
  ExpectBounds(form->btn4, 16, 40, 217, 25);
  EXPECT_EQ(form->btn4->Caption(), "生成代码并复制到剪切板");
  ExpectFont(form->btn4->Font(), "微软雅黑", -13, false, ANSI_CHARSET, clWindowText);
  ExpectBounds(form->btn2, 216, 16, 33, 21);
  EXPECT_EQ(form->btn2->Caption(), "尾");
  ExpectFont(form->btn2->Font(), "微软雅黑", -11, true, ANSI_CHARSET, clBlue);
  ExpectBounds(form->edt1, 32, 16, 185, 21);
  ExpectFont(form->edt1->Font(), "MS Sans Serif", -11, false, DEFAULT_CHARSET, clWindowText);
  EXPECT_FALSE(form->edt1->Enabled());
  EXPECT_FALSE(form->edt1->Text().empty());

  EXPECT_EQ(form->btn1->TabOrder(), 0);
  EXPECT_EQ(form->btn4->TabOrder(), 1);
  EXPECT_EQ(form->btn2->TabOrder(), 2);
  EXPECT_EQ(form->edt1->TabOrder(), 3);
  EXPECT_EQ(form->dlgColor1->Color(), clBlack);
  EXPECT_TRUE(form->dlgColor1->Ctl3D());
  EXPECT_EQ(form->dlgColor1->Options(), TColorDialogOptions{});

  EXPECT_TRUE(form->OnCreate && form->OnClick && form->btn1->OnClick && form->btn2->OnClick &&
              form->btn4->OnClick);
  EXPECT_FALSE(form->edt1->OnClick);

  // FormCreate took the colours from the buttons' fonts.
  EXPECT_EQ(form->StartColor(), clRed);
  EXPECT_EQ(form->EndColor(), clBlue);
}

TEST_F(Form1Test, FirstBackgroundClickClearsEnablesAndFocusesTheField) {
  SetForegroundWindow(form->Handle());
  ClickBackground();
  EXPECT_TRUE(form->edt1->Enabled());
  EXPECT_TRUE(IsWindowEnabled(form->edt1->Handle()));
  EXPECT_EQ(form->edt1->Text(), "");
  EXPECT_EQ(GetFocus(), form->edt1->Handle());

  // Once enabled, further clicks leave the field alone.
  form->edt1->SetText("kept");
  ClickBackground();
  EXPECT_EQ(form->edt1->Text(), "kept");
}

TEST_F(Form1Test, GenerateButtonCopiesTheMarkupAndKeepsTheSteps) {
  ClickBackground();
  form->edt1->SetText("abc");
  SendMessageW(form->btn4->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(ReadClipboardText(), "[color=#FF0000]a[/color][color=#80007F]b[/color][color=#0100FE]c[/color]");
  EXPECT_EQ(form->StepRed(), -127.0f);
  EXPECT_EQ(form->StepGreen(), 0.0f);
  EXPECT_EQ(form->StepBlue(), 127.0f);

  // One character: the clipboard and the steps stay as they were.
  form->edt1->SetText("x");
  SendMessageW(form->btn4->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(ReadClipboardText(), "[color=#FF0000]a[/color][color=#80007F]b[/color][color=#0100FE]c[/color]");
  EXPECT_EQ(form->StepRed(), -127.0f);
}

// Answers the next colour dialog of this thread with the given button, from inside its modal loop.
UINT g_answer = IDOK;

BOOL CALLBACK AnswerIfDialog(HWND Wnd, LPARAM) {
  wchar_t Cls[16];
  if (IsWindowVisible(Wnd) && GetClassNameW(Wnd, Cls, 16) && lstrcmpW(Cls, L"#32770") == 0) {
    PostMessageW(Wnd, WM_COMMAND, g_answer, 0);
    return FALSE;
  }
  return TRUE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerIfDialog, 0);
}

void ClickAndAnswer(TButton* Button, UINT Answer) {
  g_answer = Answer;
  const UINT_PTR Timer = SetTimer(nullptr, 0, 200, AnswerDialog);
  SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
  KillTimer(nullptr, Timer);
}

TEST_F(Form1Test, ColourDialogIsSharedAndCancelChangesNothing) {
  // Confirmed the first time: the dialog's black.
  ClickAndAnswer(form->btn1, IDOK);
  EXPECT_EQ(form->btn1->Font()->Color(), clBlack);
  EXPECT_EQ(form->StartColor(), clBlack);

  form->dlgColor1->SetColor(clLime);
  ClickAndAnswer(form->btn2, IDCANCEL);
  EXPECT_EQ(form->btn2->Font()->Color(), clBlue);
  EXPECT_EQ(form->EndColor(), clBlue);

  // The same dialog, with the colour it holds.
  ClickAndAnswer(form->btn2, IDOK);
  EXPECT_EQ(form->btn2->Font()->Color(), clLime);
  EXPECT_EQ(form->EndColor(), clLime);
  EXPECT_EQ(form->StartColor(), clBlack);
}

}  // namespace
