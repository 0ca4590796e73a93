// Start-up of the gradient utility: title, the main form from its description, the message loop.
#include <windows.h>

#include "app/MainForm.h"
#include "framework/win/app/Application.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

TForm1* Form1 = nullptr;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return Application->Execute([] {
    RegisterGradientClasses();
    Application->SetTitle("Kuvo渐变字代码生成器");
    Application->CreateForm(Form1);
    // Temporary, until the skin manager skins the main form itself: attach the form skin object
    // the way the manager would. Skipped as soon as a manager exists.
    if (!SkinManager && Form1->skndt1 && !Form1->skndt1->FNoSkin) {
      Form1->Show();
      auto* Skin = new TRuzIzivForm(Form1);  // owned (and freed) by the form
      Skin->FHandle = Form1->Handle();
      Skin->FName = "TForm1";
      Skin->InitTform(Form1->skndt1, Form1);
      PostMessageW(Skin->FHandle, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
    }
  });
}
