#include "framework/win/controls/Labels.h"

#include "framework/win/controls/ControlPaint.h"
#include "framework/win/controls/WideText.h"

TCustomLabel::TCustomLabel(TComponent* Owner) : TGraphicControl(Owner) {
  FWidth = 65;
  FHeight = 17;
  FParentColor = true;
  FControlStyle.Include(csOpaque);
}

void TCustomLabel::Publish(TPublisher<TCustomLabel>& P) {
  P.Bool("ParentColor", &TCustomLabel::ParentColor, &TCustomLabel::SetParentColor).Default(1);
  P.Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
  P.Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(1);
  P.Obj("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
  P.Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
  P.Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(1);
  P.Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(0);
  P.Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(0);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  InvalidateArea();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  SetReference(FFocusControl, Value);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

UINT TCustomLabel::TextFlags() const {
  UINT Flags = DT_EXPANDTABS | AccelFlags(FShowAccelChar);
  Flags |= FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  switch (FAlignment) {
    case taLeftJustify:
      Flags |= DT_LEFT;
      break;
    case taRightJustify:
      Flags |= DT_RIGHT;
      break;
    case taCenter:
      Flags |= DT_CENTER;
      break;
  }
  if (UseRightToLeftReading()) Flags |= DT_RTLREADING;
  return Flags;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading)) return;
  String Text = Caption();
  if (Text.empty() || (FShowAccelChar && Text == "&")) Text += ' ';
  const std::wstring Wide = Utf8ToWide(Text);
  RECT Rect{0, 0, FWordWrap ? FWidth : 0, 0};
  {
    TScreenDC Screen;
    if (!Screen) return;
    TSelectObject Font(Screen.Get(), FFont->Handle());
    DrawTextW(Screen.Get(), Wide.c_str(), static_cast<int>(Wide.size()), &Rect,
              (TextFlags() & ~static_cast<UINT>(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
  }
  const int NewWidth = Rect.right - Rect.left, NewHeight = Rect.bottom - Rect.top;
  const int X = FAlignment == taRightJustify ? FLeft + FWidth - NewWidth : FLeft;
  SetBounds(X, FTop, NewWidth, NewHeight);
}

void TCustomLabel::Paint() {
  TCanvas* C = Canvas();
  const RECT Client = ClientRect();
  if (!FTransparent) {
    C->Brush()->SetColor(FColor);
    C->FillRect(Client);
  }
  const String Text = Caption();
  if (Text.empty()) return;
  RECT Rect = Client;
  const UINT Flags = TextFlags();
  if (FLayout != tlTop) {
    RECT Measure = Client;
    C->DrawText(Text, Measure, Flags | DT_CALCRECT);
    const int Free = (Client.bottom - Client.top) - (Measure.bottom - Measure.top);
    OffsetRect(&Rect, 0, FLayout == tlBottom ? Free : Free / 2);
  }
  DrawStateText(C, Text, Rect, Flags, FEnabled);
}

void TCustomLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      AdjustBounds();
      break;
    case CM_DIALOGCHAR:
      if (FShowAccelChar && FEnabled && FFocusControl && IsAccelerator(Message.WParam, Caption()) &&
          FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
      }
      return;
  }
  TGraphicControl::WndProc(Message);
}
