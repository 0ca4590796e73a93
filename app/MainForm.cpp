#include "app/MainForm.h"

#include "app/Generator.h"
#include "framework/core/SysUtils.h"

void TForm1::Publish(TPublisher<TForm1>& P) {
  P.Field("dlgColor1", &TForm1::dlgColor1);
  P.Field("btn1", &TForm1::btn1);
  P.Field("btn4", &TForm1::btn4);
  P.Field("btn2", &TForm1::btn2);
  P.Field("skndt1", &TForm1::skndt1);
  P.Field("edt1", &TForm1::edt1);
  P.Method<&TForm1::FormCreate>("FormCreate");
  P.Method<&TForm1::btn1Click>("btn1Click");
  P.Method<&TForm1::btn2Click>("btn2Click");
  P.Method<&TForm1::FormClick>("FormClick");
  P.Method<&TForm1::btn4Click>("btn4Click");
}

void TForm1::FormCreate(TObject* Sender) {
  FEndColor = btn2->Font()->Color();
  FStartColor = btn1->Font()->Color();
}

bool TForm1::PickColour(TBitBtn* Button, TColor& Colour) {
  // The dialog keeps the colour last confirmed in it, whichever button opened it.
  if (!dlgColor1->Execute()) return false;
  Button->Font()->SetColor(dlgColor1->Color());
  Colour = Button->Font()->Color();
  return true;
}

void TForm1::btn1Click(TObject* Sender) {
  PickColour(btn1, FStartColor);
}

void TForm1::btn2Click(TObject* Sender) {
  PickColour(btn2, FEndColor);
}

void TForm1::FormClick(TObject* Sender) {
  // The sample line gives way to an empty field once, on the first click on the background.
  if (edt1->Enabled()) return;
  edt1->SetText("");
  edt1->SetEnabled(true);
  edt1->SetFocus();
}

void TForm1::btn4Click(TObject* Sender) {
  gradient::Steps ChannelSteps{FStepRed, FStepGreen, FStepBlue};
  gradient::GenerateToClipboard(Utf8ToUtf16(edt1->Text()), FStartColor, FEndColor, ChannelSteps);
  FStepRed = ChannelSteps.Red;
  FStepGreen = ChannelSteps.Green;
  FStepBlue = ChannelSteps.Blue;
}

void RegisterGradientClasses() {
  RegisterComponentClasses<TForm1, TSkinData>();
}
