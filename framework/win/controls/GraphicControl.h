// TGraphicControl: a control without a window of its own. Its parent paints it (WM_PAINT with the
// parent's DC moved to the control's origin and clipped to it) and hands it the mouse messages over
// its rectangle, in its own coordinates.
#pragma once

#include <memory>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/Controls.h"

class TGraphicControl : public TControl {
  DECLARE_CLASS(TGraphicControl, TControl)

 public:
  explicit TGraphicControl(TComponent* Owner);
  ~TGraphicControl() override;

  // Drawing surface: the parent's paint DC during Paint, a borrowed DC of the parent otherwise.
  TControlCanvas* Canvas() const { return FCanvas.get(); }

  void SetParent(TWinControl* Parent) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  // Invalidates the control's rectangle in its parent.
  void Invalidate() override;
  void Update() override;

 protected:
  // Draws the control on Canvas, in its own coordinates; the canvas has the control's font.
  virtual void Paint() {}
  void WndProc(TMessage& Message) override;
  void FontChanged() override;
  // The rectangle in the parent needs painting, whether or not the control shows.
  void InvalidateArea(bool Erase = true);

  std::unique_ptr<TControlCanvas> FCanvas;
};
