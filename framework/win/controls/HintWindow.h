// THintWindow: the small pop-up that shows a hint text near the mouse, in the system's hint font and
// colours. Its window is made on first use.
#pragma once

#include "framework/win/controls/Controls.h"

class THintWindow : public TWinControl {
  DECLARE_CLASS(THintWindow, TWinControl)

 public:
  explicit THintWindow(TComponent* Owner);

  // The window rectangle (at 0,0) that fits Hint within MaxWidth pixels.
  virtual RECT CalcHintRect(int MaxWidth, const String& Hint);
  // Shows Hint in Rect (screen coordinates, moved onto the screen) without taking the focus; Hide()
  // hides it and keeps the window for the next hint.
  virtual void ActivateHint(RECT Rect, const String& Hint);
  // Hides the hint and lets its window go.
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint(HDC DC);
};
