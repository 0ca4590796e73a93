#include "framework/win/controls/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* Owner)
    : TControl(Owner), FCanvas(std::make_unique<TControlCanvas>(this)) {
  FControlStyle = {csCaptureMouse, csClickEvents};
}

TGraphicControl::~TGraphicControl() {
  // Out of the parent (and its paint list) while this object is still a graphic control.
  if (FParent) {
    TWinControl* Parent = FParent;
    Parent->RemoveControl(this);
  }
}

void TGraphicControl::SetParent(TWinControl* Parent) {
  if (Parent == FParent) return;
  FCanvas->FreeHandle();  // a borrowed DC belongs to the old parent's window
  TControl::SetParent(Parent);
}

void TGraphicControl::InvalidateArea(bool Erase) {
  if (!FParent || !FParent->HandleAllocated()) return;
  const RECT Area = BoundsRect();
  InvalidateRect(FParent->WindowHandle(), &Area, Erase);
}

void TGraphicControl::Invalidate() {
  if (FVisible) InvalidateArea(!FControlStyle.Contains(csOpaque));
}

void TGraphicControl::Update() {
  if (FParent) FParent->Update();
}

void TGraphicControl::SetBounds(int Left, int Top, int Width, int Height) {
  if (Left == FLeft && Top == FTop && Width == FWidth && Height == FHeight) return;
  if (FVisible) InvalidateArea();
  FCanvas->FreeHandle();  // its origin and clip were the old rectangle's
  TControl::SetBounds(Left, Top, Width, Height);
  if (FVisible) InvalidateArea();
}

void TGraphicControl::FontChanged() {
  SyncCanvasFont(FCanvas.get(), FFont.get());
  TControl::FontChanged();
}

void TGraphicControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      Message.Result = 0;
      if (!DC) return;
      const TPaintCycleCanvas Cycle(FCanvas.get(), DC);
      SyncCanvasFont(FCanvas.get(), FFont.get());
      Paint();
      return;
    }
    case CM_VISIBLECHANGED:
      InvalidateArea();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
  }
  TControl::WndProc(Message);
}
