// The window's shape: the client part plus one region per border, cut along the border bitmaps'
// transparent (fuchsia) pixels. Rebuilt only when the window's size or the skin changes.
#include "framework/win/graphics/GdiHandles.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"

namespace {

// Rendered border of a Width by Height side, turned into a region at (X, Y); a plain rectangle when
// the side is not shaped.
TGdiRegion SideRegion(TRuzIzivForm& Form, int Kind, bool Shaped, int RenderWidth, int RenderHeight,
                      const RECT& Plain) {
  if (Shaped && RenderWidth > 0 && RenderHeight > 0) {
    TBitmap Scratch(RenderWidth, RenderHeight, pf32bit);
    Form.Drawborder(Kind, RECT{0, 0, RenderWidth, RenderHeight}, Scratch.Canvas()->Handle());
    if (HRGN Region = BitmapToRegion(&Scratch, Plain.left, Plain.top, clFuchsia, 1, 1, 1))
      return TGdiRegion(Region);
  }
  return TGdiRegion(CreateRectRgn(Plain.left, Plain.top, Plain.right, Plain.bottom));
}

int TransOf(const TSkinData* Data, int Index) {
  const TDataSkinBorder* Border = Data->Borders[Index].get();
  return Border ? Border->Trans : 0;
}

}  // namespace

void TRuzIzivForm::Cropwindow() {
  if (FSkinState == kSkinDestroyed || !FSkinFrame || !FSkinData || !FHandle) return;
  RECT Window{};
  if (!GetWindowRect(FHandle, &Window)) return;
  const int W = Window.right - Window.left, H = Window.bottom - Window.top;
  if (W <= 0 || H <= 0) return;
  if (FFormStyle == sfsMDIChild && FWindowState != swsNormal) return;
  if (W == FRegionWidth && H == FRegionHeight && FFormStyle != sfsMDIChild && FSkinState != kSkinChanging)
    return;

  // The region handed to the window before belongs to the window: SetWindowRgn below frees it.
  FRegion = nullptr;
  const bool AnyTrans = TransOf(FSkinData, sbLeft) || TransOf(FSkinData, sbRight) ||
                        TransOf(FSkinData, sbTop) || TransOf(FSkinData, sbBottom);
  TGdiRegion Region;
  if (AnyTrans) {
    FRegionWidth = W;
    FRegionHeight = H;
    Region.Reset(CreateRectRgn(FLeftWidth, FTitleHeight, W - FRightWidth, H - FBottomHeight));
    if (FBorderStyle != sbsNone) {
      const int Inner = W - FLeftWidth - FRightWidth;
      const TGdiRegion Left = SideRegion(*this, kBorderLeft, TransOf(FSkinData, sbLeft) == 1 && H > 1,
                                         FLeftWidth, H, RECT{0, 0, FLeftWidth, H});
      const TGdiRegion Right = SideRegion(*this, kBorderRight, TransOf(FSkinData, sbRight) == 1 && H > 1,
                                          FRightWidth, H, RECT{W - FRightWidth, 0, W, H});
      const bool BottomRendered = TransOf(FSkinData, sbBottom) == 1;
      const TGdiRegion Bottom =
          SideRegion(*this, kBorderBottom, BottomRendered && FBottomHeight > 1, Inner, FBottomHeight,
                     RECT{FLeftWidth, H - FBottomHeight, W - FRightWidth, H});
      const TGdiRegion Top =
          SideRegion(*this, kBorderTop, TransOf(FSkinData, sbTop) == 1 && FTitleHeight > 1 && Inner > 0,
                     Inner, FTitleHeight, RECT{FLeftWidth, 0, W - FRightWidth, FTitleHeight});
      CombineRgn(Left.Get(), Left.Get(), Right.Get(), RGN_OR);
      CombineRgn(Top.Get(), Top.Get(), Bottom.Get(), RGN_OR);
      CombineRgn(Top.Get(), Top.Get(), Left.Get(), RGN_OR);
      CombineRgn(Region.Get(), Region.Get(), Top.Get(), RGN_OR);
    }
  } else {
    Region.Reset(CreateRectRgn(0, 0, W, H));
  }
  if (!Region) return;
  if (SetWindowRgn(FHandle, Region.Get(), TRUE)) {
    FRegion = Region.Release();  // the window's now
    FOwnsRegion = true;
  } else {
    FOwnsRegion = false;  // refused: still ours, and freed with its owner
  }
}

void TRuzIzivForm::Uncropwindow() {
  if (!FOwnsRegion) return;
  // Removing the window's region frees it.
  SetWindowRgn(FHandle, nullptr, FFormStyle == sfsMDIChild ? TRUE : FALSE);
  FRegion = nullptr;
  FOwnsRegion = false;
  FRegionWidth = FRegionHeight = 0;
}
