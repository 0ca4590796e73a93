// Start-up of the gradient utility: title, the main form from its description, the message loop.
#include <windows.h>

#include "app/MainForm.h"
#include "framework/win/app/Application.h"

TForm1* Form1 = nullptr;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return Application->Execute([] {
    RegisterGradientClasses();
    Application->SetTitle("Kuvo渐变字代码生成器");
    Application->CreateForm(Form1);
  });
}
