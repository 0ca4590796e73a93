#include "framework/win/controls/StdCtrls.h"

#include <cwctype>

#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  FTabStop = true;
  FColor = clBtnFace;
}

wchar_t TButtonControl::Accelerator() const {
  const std::wstring text = Utf8ToWide(GetText());
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towlower(text[i + 1]));
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CM_DIALOGCHAR: {
      const wchar_t key = Accelerator();
      if (key && key == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(message.WParam))) &&
          CanFocus()) {
        Click();
        message.Result = 1;
      }
      return;
    }
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
      // Behind a push button only the corners show; paint them in the parent's colour.
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetBkColor(dc, ColorToRGB(FParent ? FParent->Color() : FColor));
      message.Result = reinterpret_cast<LRESULT>(FParent ? FParent->ColorBrush() : ColorBrush());
      return;
    }
  }
  TWinControl::WndProc(message);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  FWidth = 75;
  FHeight = 25;
}

void TButton::SetDefault(bool v) {
  FDefault = v;
  // Until the focus moves, the default button is the one that Enter presses.
  TButton* Focused = dynamic_cast<TButton*>(FindControlx(GetFocus()));
  SetActive(Focused == this || (v && (!Focused || GetParentForm(Focused) != GetParentForm(this))));
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

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= FDefault || FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (ModalResult != mrNone)
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(ModalResult);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FOCUSCHANGED: {
      auto* Focused = reinterpret_cast<TControl*>(message.LParam);
      const bool Active = dynamic_cast<TButton*>(Focused) ? Focused == this : FDefault;
      if (Active != FActive) SetActive(Active);
      return;
    }
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && FActive) || (message.WParam == VK_ESCAPE && FCancel)) &&
          CanFocusNow()) {
        Click();
        message.Result = 1;
      }
      return;
  }
  TButtonControl::WndProc(message);
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  FTabStop = true;
  FColor = clWindow;
  FWidth = 121;
  FHeight = 21;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMaxLength > 0) SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int v) {
  FMaxLength = v < 0 ? 0 : v;
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

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE) {
        Perform(CM_TEXTCHANGED);
        if (OnChange) OnChange(this);
      }
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetBkColor(dc, ColorToRGB(FColor));
      SetTextColor(dc, ColorToRGB(FFont->Color()));
      message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
  }
  TWinControl::WndProc(message);
}
