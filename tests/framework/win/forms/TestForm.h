// A form class as an application declares one: published component fields, handlers bound by name.
#pragma once

#include <stdexcept>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/Dialogs.h"
#include "framework/win/forms/Forms.h"

class TTestForm : public TForm {
  DECLARE_CLASS(TTestForm, TForm)

 public:
  explicit TTestForm(TComponent* Owner) : TForm(Owner) {}
  static void Publish(TPublisher<TTestForm>& P) {
    P.Field("dlgColor1", &TTestForm::dlgColor1);
    P.Field("btn1", &TTestForm::btn1);
    P.Field("btn4", &TTestForm::btn4);
    P.Field("btn2", &TTestForm::btn2);
    P.Field("edt1", &TTestForm::edt1);
    P.Method<&TTestForm::FormCreate>("FormCreate");
    P.Method<&TTestForm::FormClick>("FormClick");
    P.Method<&TTestForm::btn1Click>("btn1Click");
    P.Method<&TTestForm::btn4Click>("btn4Click");
  }

  TColorDialog* dlgColor1 = nullptr;
  TBitBtn* btn1 = nullptr;
  TButton* btn4 = nullptr;
  TBitBtn* btn2 = nullptr;
  TEdit* edt1 = nullptr;

  TColor startColor = 0;
  int btn1Clicks = 0;
  int btn4Clicks = 0;
  int formClicks = 0;
  bool throwOnBtn4 = false;

  void FormCreate(TObject*) { startColor = btn1->Font()->Color(); }
  void FormClick(TObject*) { ++formClicks; }
  void btn1Click(TObject*) { ++btn1Clicks; }
  void btn4Click(TObject*) {
    ++btn4Clicks;
    if (throwOnBtn4) throw std::runtime_error("Generator failed");
  }
};
