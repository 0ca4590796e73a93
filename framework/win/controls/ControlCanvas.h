// TControlCanvas: the canvas of a control. While the control paints it holds the paint cycle's DC;
// asked for a DC at any other time it borrows one of the control's window (for a windowless control,
// its parent's, moved to and clipped to the control). A borrowed DC goes back when the outermost
// framework window procedure returns, at FreeHandle, or with the canvas.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
  DECLARE_CLASS(TControlCanvas, TCanvas)

 public:
  explicit TControlCanvas(TControl* Control = nullptr) : FControl(Control) {}
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value);
  // Gives a borrowed DC back; a DC given with SetHandle stays its giver's.
  void FreeHandle();
  bool HasBorrowedDC() const { return FBorrowed != nullptr; }

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl;
  HWND FWindow = nullptr;
  HDC FBorrowed = nullptr;
};

// Holds one paint cycle's DC in a control's canvas: a DC the canvas had borrowed goes back first, and
// the canvas lets go of the paint DC on every path out, also when the painting throws.
class TPaintCycleCanvas {
 public:
  TPaintCycleCanvas(TControlCanvas* Canvas, HDC DC);
  ~TPaintCycleCanvas();
  TPaintCycleCanvas(const TPaintCycleCanvas&) = delete;
  TPaintCycleCanvas& operator=(const TPaintCycleCanvas&) = delete;

 private:
  TControlCanvas* FCanvas;
};

// Makes Canvas's font match Font, without building a new GDI font when only the colour differs.
void SyncCanvasFont(TCanvas* Canvas, TFont* Font);

// Gives back every DC that control canvases of this thread borrowed.
void FreeLentCanvasDCs();
