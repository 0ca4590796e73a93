// THintWindow: the small pop-up that shows a hint text near the mouse.
#pragma once

#include "framework/win/controls/Controls.h"

class THintWindow : public TWinControl {
  DECLARE_CLASS(THintWindow, TWinControl)

 public:
  explicit THintWindow(TComponent* owner);

  // The window rectangle (at 0,0) that fits Hint within MaxWidth pixels.
  virtual RECT CalcHintRect(int maxWidth, const String& hint);
  // Shows Hint in Rect (screen coordinates) without taking the focus.
  virtual void ActivateHint(RECT rect, const String& hint);
  // Hides the hint and lets its window go.
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Paint(HDC dc);
};
