#include "framework/win/controls/CustomControl.h"

#include "framework/win/controls/GraphicControl.h"

TCustomControl::TCustomControl(TComponent* Owner)
    : TWinControl(Owner), FCanvas(std::make_unique<TControlCanvas>(this)) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
}

TCustomControl::~TCustomControl() {
  // The window goes before the canvas that may still hold one of its DCs.
  FCanvas->FreeHandle();
}

void TCustomControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  // The whole picture depends on the size (centred captions, bevels at the edges).
  Params.ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  Params.Style |= WS_CLIPCHILDREN;
}

void TCustomControl::FontChanged() {
  SyncCanvasFont(FCanvas.get(), FFont.get());
  TWinControl::FontChanged();
}

void TCustomControl::PaintWindow(HDC DC) {
  const TPaintCycleCanvas Cycle(FCanvas.get(), DC);
  SyncCanvasFont(FCanvas.get(), FFont.get());
  Paint();
}

void TCustomControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // An opaque control paints every pixel itself.
      if (FControlStyle.Contains(csOpaque))
        Message.Result = 1;
      else
        EraseWithColor(Message);
      return;
    case WM_DESTROY:
      FCanvas->FreeHandle();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
  }
  TWinControl::WndProc(Message);
}
