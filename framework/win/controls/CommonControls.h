// What the controls on the system's common-control classes share: loading those classes, the
// notification record a parent reflects to its child, and the custom-draw state the tool bar hands
// to its drawing events.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "framework/core/Types.h"
#include "framework/win/controls/Messages.h"
#include "framework/win/graphics/Canvas.h"

// Registers the common-control window classes of Classes (ICC_* flags) once per process; a control
// calls it before it builds its window class on one of them.
void InitCommonControlClasses(DWORD Classes);

// The NMHDR a reflected CN_NOTIFY carries, or null. The skinning engine posts the same number with
// its marker as LParam to say a window is skinned; that is never a record to read.
const NMHDR* NotifyHeader(const TMessage& Message);

PUBLISHED_ENUM(TCustomDrawStateFlag, cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault,
               cdsHot, cdsMarked, cdsIndeterminate)
using TCustomDrawState = TSet<TCustomDrawStateFlag>;
PUBLISHED_ENUM(TCustomDrawStage, cdPrePaint, cdPostPaint, cdPreErase, cdPostErase)

// The CDIS_* item state of a custom-draw notification as the framework's set.
TCustomDrawState CustomDrawStateOf(UINT ItemState);

// The window of a control of the framework that is placed on a common control by handle only (a
// band's control, an up-down's associate): created when needed, null for none.
class TWinControl;
HWND HandleOf(TWinControl* Control);

// Lends a DC to a canvas for the length of one notification (custom draw, owner draw) and takes it
// back, leaving the DC's state as it was.
class TCanvasDC {
 public:
  TCanvasDC(TCanvas* Canvas, HDC DC) : FCanvas(Canvas), FDC(DC), FSaved(DC ? SaveDC(DC) : 0) {
    FCanvas->SetHandle(DC);
  }
  TCanvasDC(const TCanvasDC&) = delete;
  TCanvasDC& operator=(const TCanvasDC&) = delete;
  ~TCanvasDC() {
    FCanvas->SetHandle(nullptr);
    if (FSaved) RestoreDC(FDC, FSaved);
  }

 private:
  TCanvas* FCanvas;
  HDC FDC;
  int FSaved;
};
