#include "tests/skin/controls/DemoSupport.h"

#include <cstring>

#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "tests/skin/data/TestSkins.h"

namespace ctltest {

namespace {

void (*StatusWriter)() = nullptr;

void CALLBACK OnStatusTimer(HWND, UINT, UINT_PTR, DWORD) {
  try {
    if (StatusWriter) StatusWriter();
  } catch (...) {
  }
}

}  // namespace

TDemoOptions ReadDemoOptions(int Argc, char** Argv) {
  TDemoOptions Options;
  for (int I = 1; I < Argc; ++I) {
    if (!std::strcmp(Argv[I], "--skin") && I + 1 < Argc)
      Options.Coded = std::strcmp(Argv[++I], "default") != 0;
    if (!std::strcmp(Argv[I], "--status") && I + 1 < Argc) Options.StatusFile = Argv[++I];
  }
  return Options;
}

void LoadDemoSkin(TSkinData& Data, const TDemoOptions& Options, const TCodedSkin& Coded) {
  if (Options.Coded) {
    LoadCodedSkin(Data, Coded);
  } else {
    PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
    Data.LoadSkin();
  }
  Data.SkinControls.Exclude(xcMainMenu);
}

TForm* NewDemoForm(const char* Caption, int W, int H) {
  auto* Form = new TForm(nullptr);
  Form->SetCaption(Caption);
  Form->SetBounds(40, 40, W, H);
  Form->Show();
  return Form;
}

void ReportEvery100ms(void (*Write)()) {
  StatusWriter = Write;
  SetTimer(nullptr, 0, 100, &OnStatusTimer);
}

void RunWhileVisible(HWND Form) {
  MSG Msg;
  while (IsWindowVisible(Form) && GetMessageW(&Msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

}  // namespace ctltest
