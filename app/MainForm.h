// The main form: two colour buttons, the line to colour and the button that generates the mark-up.
#pragma once

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/Dialogs.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"

class TForm1 : public TForm {
  DECLARE_CLASS(TForm1, TForm)

 public:
  explicit TForm1(TComponent* Owner) : TForm(Owner) {}
  static void Publish(TPublisher<TForm1>& P);

  // Published component fields, in declaration order; reading the description fills them.
  TColorDialog* dlgColor1 = nullptr;
  TBitBtn* btn1 = nullptr;
  TButton* btn4 = nullptr;
  TBitBtn* btn2 = nullptr;
  TSkinData* skndt1 = nullptr;
  TEdit* edt1 = nullptr;

  void FormCreate(TObject* Sender);
  void btn1Click(TObject* Sender);
  void btn2Click(TObject* Sender);
  void FormClick(TObject* Sender);
  void btn4Click(TObject* Sender);

  TColor StartColor() const { return FStartColor; }
  TColor EndColor() const { return FEndColor; }
  float StepRed() const { return FStepRed; }
  float StepGreen() const { return FStepGreen; }
  float StepBlue() const { return FStepBlue; }

 private:
  // Runs the shared colour dialog; on confirmation the button shows the colour, which is returned.
  bool PickColour(TBitBtn* Button, TColor& Colour);

  TColor FStartColor = 0;
  TColor FEndColor = 0;
  float FStepRed = 0;
  float FStepGreen = 0;
  float FStepBlue = 0;
};

// Makes TForm1 known to the description reader; the framework registers its own classes.
void RegisterGradientClasses();
