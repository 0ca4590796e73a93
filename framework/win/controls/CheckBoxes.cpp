#include "framework/win/controls/CheckBoxes.h"

#include "framework/win/controls/ControlPaint.h"

namespace {

TAlignment LeftOrRight(TAlignment Value) {
  return Value == taLeftJustify ? taLeftJustify : taRightJustify;
}

}  // namespace

// ---- TCustomCheckBox ----------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* Owner) : TButtonControl(Owner) {
  FWidth = 97;
  FHeight = 17;
  FParentColor = true;
}

void TCustomCheckBox::Publish(TPublisher<TCustomCheckBox>& P) {
  P.Bool("ParentColor", &TCustomCheckBox::ParentColor, &TCustomCheckBox::SetParentColor).Default(1);
  P.Enum("Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify);
  P.Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(0);
  P.Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked).Stored(false);
  P.Enum("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked);
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  Value = LeftOrRight(Value);
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  if (FHandle) SendMessageW(FHandle, BM_SETCHECK, static_cast<WPARAM>(Value), 0);
  Perform(CM_CHECKSTATECHANGED);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked:
      SetState(FAllowGrayed ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.BaseClassName = L"BUTTON";
  // Three states, kept here: the window only shows what it is told.
  Params.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
      return;
    case CM_DIALOGCHAR:
      if (IsAccelerator(Message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        Message.Result = 1;
      }
      return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      // The box shows its own Color behind the caption (the parent's by default).
      AnswerCtlColor(Message);
      return;
  }
  TButtonControl::WndProc(Message);
}

// ---- TRadioButton -------------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* Owner) : TButtonControl(Owner) {
  FTabStop = false;
  FWidth = 113;
  FHeight = 17;
  FParentColor = true;
}

void TRadioButton::Publish(TPublisher<TRadioButton>& P) {
  P.Bool("ParentColor", &TRadioButton::ParentColor, &TRadioButton::SetParentColor).Default(1);
  P.Enum("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
  P.Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(0);
}

void TRadioButton::SetAlignment(TAlignment Value) {
  Value = LeftOrRight(Value);
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  // Only the chosen button of a group is reached with Tab.
  FTabStop = Value;
  if (FHandle) {
    SendMessageW(FHandle, BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
    LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    Style = Value ? (Style | WS_TABSTOP) : (Style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(FHandle, GWL_STYLE, Style);
  }
  Perform(CM_CHECKSTATECHANGED);
  if (!Value) return;
  if (FParent)
    for (int I = 0; I < FParent->ControlCount(); ++I)
      if (auto* Sibling = dynamic_cast<TRadioButton*>(FParent->Controls(I)); Sibling && Sibling != this)
        Sibling->SetChecked(false);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.BaseClassName = L"BUTTON";
  Params.Style |= BS_RADIOBUTTON;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (HIWORD(Message.WParam)) {
        case BN_CLICKED:
          SetChecked(true);
          break;
        case BN_DOUBLECLICKED:
          DblClick();
          break;
      }
      return;
    case CM_DIALOGCHAR:
      if (IsAccelerator(Message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(true);
        Message.Result = 1;
      }
      return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      // The button shows its own Color behind the caption (the parent's by default).
      AnswerCtlColor(Message);
      return;
  }
  TButtonControl::WndProc(Message);
}
