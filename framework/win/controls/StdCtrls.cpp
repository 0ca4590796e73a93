#include "framework/win/controls/StdCtrls.h"

#include <cwctype>

#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"

TButtonControl::TButtonControl(TComponent* Owner) : TWinControl(Owner) {
  FTabStop = true;
  FColor = clBtnFace;
}

wchar_t TButtonControl::Accelerator() const {
  const std::wstring Text = Utf8ToWide(GetText());
  for (size_t I = 0; I + 1 < Text.size(); ++I) {
    if (Text[I] != L'&') continue;
    if (Text[I + 1] != L'&') return static_cast<wchar_t>(std::towlower(Text[I + 1]));
    ++I;  // "&&" is a literal ampersand
  }
  return 0;
}

void TButtonControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CM_DIALOGCHAR: {
      const wchar_t Key = Accelerator();
      if (Key && Key == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(Message.WParam))) &&
          CanFocus()) {
        Click();
        Message.Result = 1;
      }
      return;
    }
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
      // Behind a push button only the corners show; paint them in the parent's colour.
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      SetBkColor(DC, ColorToRGB(FParent ? FParent->Color() : FColor));
      Message.Result = reinterpret_cast<LRESULT>(FParent ? FParent->ColorBrush() : ColorBrush());
      return;
    }
  }
  TWinControl::WndProc(Message);
}

TButton::TButton(TComponent* Owner) : TButtonControl(Owner) {
  FWidth = 75;
  FHeight = 25;
}

void TButton::SetDefault(bool V) {
  FDefault = V;
  // Until the focus moves, the default button is the one that Enter presses.
  TButton* Focused = dynamic_cast<TButton*>(FindControlx(GetFocus()));
  SetActive(Focused == this || (V && (!Focused || GetParentForm(Focused) != GetParentForm(this))));
}

void TButton::SetActive(bool Value) {
  FActive = Value;
  if (!FHandle) return;
  // A system-drawn push button shows it by its style; one that draws itself repaints.
  const LONG_PTR Type = GetWindowLongPtrW(FHandle, GWL_STYLE) & BS_TYPEMASK;
  if (Type == BS_PUSHBUTTON || Type == BS_DEFPUSHBUTTON)
    SendMessageW(FHandle, BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  else
    Invalidate();
}

void TButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.BaseClassName = L"BUTTON";
  Params.Style |= FDefault || FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (ModalResult != mrNone)
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(ModalResult);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_FOCUSCHANGED: {
      auto* Focused = reinterpret_cast<TControl*>(Message.LParam);
      const bool Active = dynamic_cast<TButton*>(Focused) ? Focused == this : FDefault;
      if (Active != FActive) SetActive(Active);
      return;
    }
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel)) &&
          CanFocusNow()) {
        Click();
        Message.Result = 1;
      }
      return;
  }
  TButtonControl::WndProc(Message);
}

TCustomEdit::TCustomEdit(TComponent* Owner) : TWinControl(Owner) {
  FTabStop = true;
  FColor = clWindow;
  FWidth = 121;
  FHeight = 21;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = L"EDIT";
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMaxLength > 0) SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool V) {
  FReadOnly = V;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, V, 0);
}

void TCustomEdit::SetMaxLength(int V) {
  FMaxLength = V < 0 ? 0 : V;
  if (FHandle) SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomEdit::SelectAll() {
  if (FHandle) SendMessageW(FHandle, EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const {
  DWORD Start = 0, End = 0;
  if (FHandle)
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return static_cast<int>(Start);
}

int TCustomEdit::SelLength() const {
  DWORD Start = 0, End = 0;
  if (FHandle)
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return static_cast<int>(End - Start);
}

void TCustomEdit::SetSelStart(int Value) {
  if (FHandle) SendMessageW(FHandle, EM_SETSEL, static_cast<WPARAM>(Value), Value);
}

void TCustomEdit::SetSelLength(int Value) {
  if (FHandle) {
    const int Start = SelStart();
    SendMessageW(FHandle, EM_SETSEL, static_cast<WPARAM>(Start), Start + Value);
  }
}

void TCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == EN_CHANGE) {
        Perform(CM_TEXTCHANGED);
        if (OnChange) OnChange(this);
      }
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      AnswerCtlColor(Message);
      return;
  }
  TWinControl::WndProc(Message);
}
