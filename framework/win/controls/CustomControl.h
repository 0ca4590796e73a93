// TCustomControl: a window of the framework's own class that paints itself on its Canvas. Its
// background is erased in Color (unless it paints every pixel itself, csOpaque), then Paint runs,
// then the windowless children are painted over it.
#pragma once

#include <memory>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/Controls.h"

class TCustomControl : public TWinControl {
  DECLARE_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* Owner);
  ~TCustomControl() override;

  TControlCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  // Draws the client area on Canvas, which has the control's font.
  virtual void Paint() {}
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  bool OwnPainting() const override { return true; }
  void WndProc(TMessage& Message) override;
  void FontChanged() override;

  std::unique_ptr<TControlCanvas> FCanvas;
};
