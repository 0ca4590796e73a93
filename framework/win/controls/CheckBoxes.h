// Check boxes and radio buttons on the system BUTTON class. The framework keeps the state (a check
// box may be grayed) and the window shows it; a click changes it and reports OnClick.
#pragma once

#include "framework/win/controls/StdCtrls.h"

PUBLISHED_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCustomCheckBox : public TButtonControl {
  DECLARE_CLASS(TCustomCheckBox, TButtonControl)

 public:
  explicit TCustomCheckBox(TComponent* Owner);
  static void Publish(TPublisher<TCustomCheckBox>& P);

  // Where the caption sits: taRightJustify (the default) puts it right of the box.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TCheckBoxState State() const { return FState; }
  // A change reaches the window, tells painters (CM_CHECKSTATECHANGED) and, unless loading, OnClick.
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  // The next state a click gives: unchecked, (grayed,) checked.
  virtual void Toggle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

  TAlignment FAlignment = taRightJustify;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  DECLARE_CLASS(TCheckBox, TCustomCheckBox)

 public:
  explicit TCheckBox(TComponent* Owner) : TCustomCheckBox(Owner) {}
};

class TRadioButton : public TButtonControl {
  DECLARE_CLASS(TRadioButton, TButtonControl)

 public:
  explicit TRadioButton(TComponent* Owner);
  static void Publish(TPublisher<TRadioButton>& P);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Checked() const { return FChecked; }
  // Checking one unchecks the other radio buttons of the same parent and reports OnClick.
  void SetChecked(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

  TAlignment FAlignment = taRightJustify;
  bool FChecked = false;
};
