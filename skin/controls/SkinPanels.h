// Containers: panels take the skin's face colour and paint themselves in it; bare static and panel
// windows of dialogs (and bare tool bars) are filled with the face colour and give it to their static
// children; group boxes get a rounded one-pixel frame and their caption; sizer boxes are filled flat.
#pragma once

#include "skin/controls/SkinControl.h"

// Panels: only their colour changes; their window procedure is not hooked.
class TSkinBox : public TSkinControl {
  DECLARE_CLASS(TSkinBox, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Unsubclass() override;
  void AfterProc(TMessage& Message) override;
};

// Bare static and panel windows (a dialog inside a dialog, a tool bar of a system dialog).
class TSkinBoxH : public TSkinControl {
  DECLARE_CLASS(TSkinBoxH, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& Message) override;
};

// Group boxes. FNoMouseDown is the full-paint switch: 1 for framework controls, which are painted
// here completely; a bare group box paints itself and gets its system frame covered and the skinned
// frame drawn over it.
class TSkinGroupBox : public TSkinControl {
  DECLARE_CLASS(TSkinGroupBox, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void DefaultDraw(HDC DC, const RECT& Rect);
};

// Size boxes (scroll-bar windows without a tab stop in dialogs): filled with the face colour after
// they have painted.
class TSkinSizer : public TSkinControl {
  DECLARE_CLASS(TSkinSizer, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  void DrawControl(HDC DC, const RECT& Rect) override;
};
