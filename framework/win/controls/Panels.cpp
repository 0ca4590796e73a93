#include "framework/win/controls/Panels.h"

#include <algorithm>

#include "framework/win/controls/ControlPaint.h"

TCustomPanel::TCustomPanel(TComponent* Owner) : TCustomControl(Owner) {
  FWidth = 185;
  FHeight = 41;
  FColor = clBtnFace;
  FControlStyle.Include(csOpaque);
}

void TCustomPanel::Publish(TPublisher<TCustomPanel>& P) {
  P.Enum("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
  P.Enum("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
  P.Enum("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
  P.Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
  P.Int("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
  P.Enum("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
  Value = std::clamp(Value, 1, 1000);
  if (FBevelWidth == Value) return;
  FBevelWidth = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
  Value = std::clamp(Value, 0, 1000);
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

int TCustomPanel::EdgeWidth() const {
  int Width = FBorderWidth;
  if (FBevelOuter != bvNone) Width += FBevelWidth;
  if (FBevelInner != bvNone) Width += FBevelWidth;
  return Width;
}

void TCustomPanel::AdjustClientRect(RECT& Rect) const {
  const int Edge = EdgeWidth();
  InflateRect(&Rect, -Edge, -Edge);
}

namespace {

void DrawBevel(TCanvas* Canvas, RECT& Rect, TBevelCut Cut, int Width, TColor Face) {
  switch (Cut) {
    case bvNone:
      break;
    case bvLowered:
      Frame3D(Canvas, Rect, clBtnShadow, clBtnHighlight, Width);
      break;
    case bvRaised:
      Frame3D(Canvas, Rect, clBtnHighlight, clBtnShadow, Width);
      break;
    case bvSpace:
      Frame3D(Canvas, Rect, Face, Face, Width);
      break;
  }
}

}  // namespace

void TCustomPanel::Paint() {
  TCanvas* C = Canvas();
  RECT Rect = ClientRect();
  DrawBevel(C, Rect, FBevelOuter, FBevelWidth, FColor);
  Frame3D(C, Rect, FColor, FColor, FBorderWidth);
  DrawBevel(C, Rect, FBevelInner, FBevelWidth, FColor);
  C->Brush()->SetColor(FColor);
  C->FillRect(Rect);
  const String Text = Caption();
  if (Text.empty()) return;
  UINT Flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
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
  DrawStateText(C, Text, Rect, Flags, FEnabled);
}
