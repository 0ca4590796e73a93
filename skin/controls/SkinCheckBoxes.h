// Check boxes, radio buttons and check-list items with their marks from the "Buttons" element's check
// and radio strips. A framework control is painted whole; a bare window paints itself and gets only
// the skinned mark over it (the base field FNoMouseDown is the full-paint switch here).
#pragma once

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinScrollbars.h"

// The frame of a check strip of FrameCount frames for a check box: Frame (1 unchecked, 2 checked,
// 4 grayed) as read from the control, Disabled from the window, Indeterminate from the button state.
int CheckBoxFrame(int Frame, bool Disabled, bool Indeterminate, int FrameCount);
// The frame of a radio strip of FrameCount frames.
int RadioFrame(bool Checked, bool Disabled, int FrameCount);
// The frame of a check-list item: 0 unchecked, 1 checked, 2 grayed.
int CheckListFrame(int CheckState, int FrameCount);

class TSkinCheckBox : public TSkinControl {
  DECLARE_CLASS(TSkinCheckBox, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  int FCheckValue = 0;        // last set-check value + 1 (data-aware check boxes)
  bool FTransparent = false;  // Tag 5555 or skin option xoTransparent

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  // The frame for the control's state (before the strip's own remapping).
  int StateFrame();
};

class TSkinRadioButton : public TSkinControl {
  DECLARE_CLASS(TSkinRadioButton, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool FTransparent = false;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  bool IsChecked();
};

// Check-list boxes: each item's mark from the check strip beside its text, drawn for the list's
// reflected draw-item notification; the list's scroll bars are skinned as any framework list's.
class TSkinCheckList : public TSkinScrollbar {
  DECLARE_CLASS(TSkinCheckList, TSkinScrollbar)

 public:
  using TSkinScrollbar::TSkinScrollbar;

  bool BeforeProc(TMessage& Message) override;
  void CNDrawItem(TMessage& Message);
  // Item Index in Rect of DC (the lent canvas bound to it); State holds the ODS_ bits.
  void DrawItem(HDC DC, int Index, UINT State, const RECT& Rect);
};
