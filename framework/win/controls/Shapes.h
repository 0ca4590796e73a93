// TBevel: a 3-D box, frame or line, lowered or raised. TShape: a rectangle, square, rounded one,
// ellipse or circle drawn with its own pen and brush.
#pragma once

#include <memory>

#include "framework/win/controls/GraphicControl.h"

PUBLISHED_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
PUBLISHED_ENUM(TBevelStyle, bsLowered, bsRaised)

class TBevel : public TGraphicControl {
  DECLARE_CLASS(TBevel, TGraphicControl)

 public:
  explicit TBevel(TComponent* Owner);
  static void Publish(TPublisher<TBevel>& P);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

PUBLISHED_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

class TShape : public TGraphicControl {
  DECLARE_CLASS(TShape, TGraphicControl)

 public:
  explicit TShape(TComponent* Owner);
  ~TShape() override;
  static void Publish(TPublisher<TShape>& P);

  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType Value);
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

 protected:
  void Paint() override;

 private:
  void StyleChanged(TObject* Sender) { Invalidate(); }

  TShapeType FShape = stRectangle;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
};
