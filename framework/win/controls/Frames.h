// TFrame: a container that groups controls into one reusable piece placed on a form; its children
// may reach beyond it, and it scrolls them.
#pragma once

#include "framework/win/controls/ScrollBoxes.h"

class TCustomFrame : public TScrollingWinControl {
  DECLARE_CLASS(TCustomFrame, TScrollingWinControl)

 public:
  explicit TCustomFrame(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TFrame : public TCustomFrame {
  DECLARE_CLASS(TFrame, TCustomFrame)

 public:
  explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};
