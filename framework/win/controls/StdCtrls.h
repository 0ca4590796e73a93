// Standard controls on the system's BUTTON and EDIT classes.
#pragma once

#include "framework/win/controls/Controls.h"

class TButtonControl : public TWinControl {
  DECLARE_CLASS(TButtonControl, TWinControl)

 public:
  explicit TButtonControl(TComponent* owner);

 protected:
  void WndProc(TMessage& message) override;
  // The "&x" accelerator of the caption, lower-cased; 0 when there is none.
  wchar_t Accelerator() const;
};

class TButton : public TButtonControl {
  DECLARE_CLASS(TButton, TButtonControl)

 public:
  explicit TButton(TComponent* owner);
  static void Publish(TPublisher<TButton>& P) {
    P.Bool("Default", &TButton::Default, &TButton::SetDefault);
    P.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel);
    P.Int("ModalResult", &TButton::ModalResult).Default(0);
  }

  bool Default() const { return FDefault; }
  void SetDefault(bool v);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  // Given to the parent form on a click: a modal form closes with it.
  TModalResult ModalResult = mrNone;
  // The button that Enter presses: the focused button, else the default one while no other button
  // has the focus. It shows the default frame.
  bool Active() const { return FActive; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void SetActive(bool Value);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
};

class TEdit : public TWinControl {
  DECLARE_CLASS(TEdit, TWinControl)

 public:
  explicit TEdit(TComponent* owner);
  static void Publish(TPublisher<TEdit>& P) {
    P.Str("Text", &TEdit::Text, &TEdit::SetText);
    P.Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly);
    P.Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0);
    P.Event("OnChange", &TEdit::OnChange);
  }

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  void SelectAll();
  void Clear() { SetText(""); }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

  bool FReadOnly = false;
  int FMaxLength = 0;
};
