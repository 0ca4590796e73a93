// Edits and spin buttons. An edit keeps its own text painting; the skin only lays a flat border of
// three one-pixel frames over the system's (and skins a spin button that lives inside the edit, as
// the date-time picker's time field has one). Spin buttons are drawn whole from the "UpDown.Vert"
// or "UpDown.Horz" strip (up or left frames 1-4, down or right frames 5-8: normal, pressed, disabled,
// hot), or, without the element, as two framed buttons with small arrows.
#pragma once

#include "skin/controls/SkinControl.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  DECLARE_CLASS(TSkinEdit, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinEdit() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The skin object of the spin button found inside the edit (owned by the edit's owner; freed with
  // this object, which made it).
  TSkinUpDown* FUpDown = nullptr;

  void AfterProc(TMessage& Message) override;
  // The border: csButtonShadow on the edge, then two white frames; nothing for an edit without a
  // border (client area as wide or as high as the window).
  void DrawControl(HDC DC, const RECT& Rect) override;
  // The border for printing: the DC's brush one pixel in, csButtonShadow on the edge; only when the
  // client area is more than 2 pixels smaller than the window both ways.
  void DrawControl1(HDC DC, const RECT& Rect);
  void PaintControl1(HDC DC);
  // Attaches a spin-button skin to the first child window of Handle that is one.
  void FindUPDown(HWND Handle, TSkinData* SkinData, TCanvas* Canvas);
};

class TSkinUpDown : public TSkinControl {
  DECLARE_CLASS(TSkinUpDown, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool FEmbedded = false;   // attached by an edit: keeps off the edit's 3-pixel border
  bool FForceHorz = false;  // drawn as a horizontal pair whatever its style

  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

  // The two buttons of the pair in Rect: kinds 0 up, 1 down (vertical), 2 left, 3 right.
  bool Horizontal() const;
  // The state of the button of Kind in Half (window coordinates of the drawing): 1 normal, 2 pressed,
  // 3 disabled, 4 hot.
  int ButtonState(const RECT& Half, bool Enabled) const;

 private:
  // The half under the cursor at the last hover repaint (-1: none), so a move repaints only when the
  // cursor crosses from one button to the other.
  int FHotHalf = -1;
  int HalfUnderCursor() const;
};

// The frame of an "UpDown" strip for a button of Kind in State.
inline int UpDownFrame(int State, int Kind) {
  return State + 4 * (Kind % 2);
}
