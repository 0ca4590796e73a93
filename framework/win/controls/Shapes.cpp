#include "framework/win/controls/Shapes.h"

#include <algorithm>

// ---- TBevel -------------------------------------------------------------------------------------

TBevel::TBevel(TComponent* Owner) : TGraphicControl(Owner) {
  FWidth = 50;
  FHeight = 50;
  FControlStyle.Exclude(csClickEvents);
}

void TBevel::Publish(TPublisher<TBevel>& P) {
  P.Enum("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
  P.Enum("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}

void TBevel::SetShape(TBevelShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  InvalidateArea();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* C = Canvas();
  const int W = FWidth, H = FHeight;
  TColor First = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor Second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
  auto Line = [C](TColor Color, int X1, int Y1, int X2, int Y2) {
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(1);
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
  };
  // Top and left in the first colour, bottom and right in the second.
  auto Box = [&](int L, int T, int R, int B, TColor TopLeft, TColor BottomRight) {
    Line(TopLeft, L, B, L, T);
    Line(TopLeft, L, T, R, T);
    Line(BottomRight, R, T, R, B);
    Line(BottomRight, R, B, L - 1, B);
  };
  switch (FShape) {
    case bsBox:
      Box(0, 0, W - 1, H - 1, First, Second);
      break;
    case bsFrame:
      // Two boxes one pixel apart, the outer in the first colour all round: an etched frame.
      Box(1, 1, W - 1, H - 1, Second, Second);
      Box(0, 0, W - 2, H - 2, First, First);
      break;
    case bsTopLine:
      Line(First, 0, 0, W, 0);
      Line(Second, 0, 1, W, 1);
      break;
    case bsBottomLine:
      Line(First, 0, H - 2, W, H - 2);
      Line(Second, 0, H - 1, W, H - 1);
      break;
    case bsLeftLine:
      Line(First, 0, 0, 0, H);
      Line(Second, 1, 0, 1, H);
      break;
    case bsRightLine:
      Line(First, W - 2, 0, W - 2, H);
      Line(Second, W - 1, 0, W - 1, H);
      break;
    case bsSpacer:
      break;
  }
}

// ---- TShape -------------------------------------------------------------------------------------

TShape::TShape(TComponent* Owner)
    : TGraphicControl(Owner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FWidth = 65;
  FHeight = 65;
  FPen->OnChange = TNotifyEvent::Bind<&TShape::StyleChanged>(this);
  FBrush->OnChange = TNotifyEvent::Bind<&TShape::StyleChanged>(this);
}

TShape::~TShape() {
  FPen->OnChange.Clear();
  FBrush->OnChange.Clear();
}

void TShape::Publish(TPublisher<TShape>& P) {
  P.Obj("Brush", &TShape::Brush, &TShape::SetBrush);
  P.Obj("Pen", &TShape::Pen, &TShape::SetPen);
  P.Enum("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
}

void TShape::SetShape(TShapeType Value) {
  if (FShape == Value) return;
  FShape = Value;
  InvalidateArea();
}

void TShape::Paint() {
  TCanvas* C = Canvas();
  C->SetPen(FPen.get());
  C->SetBrush(FBrush.get());
  // The pen's width stays inside the control.
  const int PenWidth = std::max(FPen->Width(), 1);
  int X = PenWidth / 2, Y = X;
  int W = FWidth - PenWidth + 1, H = FHeight - PenWidth + 1;
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    const int Side = std::min(W, H);
    X += (W - Side) / 2;
    Y += (H - Side) / 2;
    W = H = Side;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare:
      C->Rectangle(X, Y, X + W, Y + H);
      break;
    case stRoundRect:
    case stRoundSquare: {
      const int Corner = std::min(W, H) / 4;
      C->RoundRect(X, Y, X + W, Y + H, Corner, Corner);
      break;
    }
    case stEllipse:
    case stCircle:
      C->Ellipse(X, Y, X + W, Y + H);
      break;
  }
}
