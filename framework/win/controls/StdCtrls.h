// Standard controls on the system's BUTTON and EDIT classes.
#pragma once

#include "framework/win/controls/Controls.h"

class TButtonControl : public TWinControl {
  DECLARE_CLASS(TButtonControl, TWinControl)

 public:
  explicit TButtonControl(TComponent* Owner);

 protected:
  void WndProc(TMessage& Message) override;
  // The "&x" accelerator of the caption, lower-cased; 0 when there is none.
  wchar_t Accelerator() const;
};

class TButton : public TButtonControl {
  DECLARE_CLASS(TButton, TButtonControl)

 public:
  explicit TButton(TComponent* Owner);
  static void Publish(TPublisher<TButton>& P) {
    P.Bool("Default", &TButton::Default, &TButton::SetDefault);
    P.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel);
    P.Int("ModalResult", &TButton::ModalResult).Default(0);
  }

  bool Default() const { return FDefault; }
  void SetDefault(bool V);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool V) { FCancel = V; }
  // Given to the parent form on a click: a modal form closes with it.
  TModalResult ModalResult = mrNone;
  // The button that Enter presses: the focused button, else the default one while no other button
  // has the focus. It shows the default frame.
  bool Active() const { return FActive; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void SetActive(bool Value);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
};

// Text entry on the system EDIT class; TEdit publishes it, TCustomMemo (Memos.h) builds on it.
class TCustomEdit : public TWinControl {
  DECLARE_CLASS(TCustomEdit, TWinControl)

 public:
  explicit TCustomEdit(TComponent* Owner);
  static void Publish(TPublisher<TCustomEdit>& P) {
    P.Str("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
    P.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    P.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly);
    P.Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    P.Event("OnChange", &TCustomEdit::OnChange);
  }

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool V);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int V);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  void SelectAll();
  void Clear() { SetText(""); }
  // The selection in characters (UTF-16 units, as the window counts them).
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int Value);
  void SetSelLength(int Value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

  bool FReadOnly = false;
  int FMaxLength = 0;
  TBorderStyle FBorderStyle = bsSingle;
};

class TEdit : public TCustomEdit {
  DECLARE_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* Owner) : TCustomEdit(Owner) {}
};
