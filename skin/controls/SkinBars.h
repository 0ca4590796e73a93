// Track bars and progress bars. A track bar keeps drawing its own tick marks and background: the skin
// answers its custom-draw notifications and paints only the channel ("Track", or "TRACKVERT" for
// vertical bars) and the thumb ("Trackbar.ThumbHorz" / "Trackbar.ThumbVert"). A progress bar is drawn
// whole from the "Progress" element: Style 0 is a two-frame strip (empty, filled), any other Style one
// frame with the fill made of "Progress.Chunk" pictures. Vertical bars are drawn lying down on a work
// bitmap that is turned upright at the end, so they fill from the bottom.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "skin/controls/SkinControl.h"

class TSkinTrackBar : public TSkinControl {
  DECLARE_CLASS(TSkinTrackBar, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Unsubclass() override;
  bool BeforeProc(TMessage& Message) override;
  void SkinChange() override;

  // The answer to one custom-draw notification: item notifications asked for at pre-paint, the
  // channel and the thumb drawn from the skin (the system skips its own), everything else the system's.
  int CustomDraw(NMCUSTOMDRAW& Info);
  void DrawTrack(HDC DC);
  void Drawthumb(HDC DC);
};

class TSkinProgress : public TSkinControl {
  DECLARE_CLASS(TSkinProgress, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

  // How many of Width pixels are filled at Position between Low and High: (Position - Low) / (High -
  // Low) of them, nothing while High or Position is not above 0, never more than Width.
  static int FillWidth(int Width, int Position, int Low, int High);

 private:
  // The bar lying down on Work (Width x Height): Style 0 and the chunked style.
  void DrawControl0(HDC DC, int Width, int Height, int Fill);
  void DrawControl1(HDC DC, int Width, int Height, int Fill);
};
