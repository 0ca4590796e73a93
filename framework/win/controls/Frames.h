// TFrame: a container that groups controls into one reusable piece placed on a form.
#pragma once

#include "framework/win/controls/Controls.h"

class TCustomFrame : public TWinControl {
  DECLARE_CLASS(TCustomFrame, TWinControl)

 public:
  explicit TCustomFrame(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
};

class TFrame : public TCustomFrame {
  DECLARE_CLASS(TFrame, TCustomFrame)

 public:
  explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};
