// Nine-slice painters: GetHMap, DrawRect2 and DrawBorder.
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

namespace {

// The nine-slice rendering of a frame into a W by H surface at its origin.
void RenderNineSlice(HDC Dest, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount, int Tile,
                     int Vertical, int W, int H) {
  const HDC SourceContext = SourceDC(Source);
  if (!SourceContext) return;
  SetStretchBltMode(Dest, COLORONCOLOR);
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(Dest, 0, 0, SourceContext, NineSlicePlan(Frame, ToSkin(Margins), W, H, Tile != 0, true));
}

}  // namespace

std::unique_ptr<TBitmap> GetHMap(const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                                 int FrameCount, int Tile, int Vertical) {
  int W = 0, H = 0;
  if (!TargetExtent(R, W, H)) W = H = 0;
  auto Result = std::make_unique<TBitmap>(W, H);
  if (W > 0 && H > 0) {
    TCanvas* Target = Result->Canvas();
    Target->SetStretchMode(COLORONCOLOR);
    RenderNineSlice(Target->Handle(), Source, Margins, FrameIndex, FrameCount, Tile, Vertical, W, H);
  }
  return Result;
}

void DrawRect2(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int Transparent, int Tile, int Vertical) {
  int W = 0, H = 0;
  if (!DC || !TargetExtent(R, W, H) || W == 0 || H == 0 || !SourceDC(Source)) return;
  if (!Transparent) {
    // Opaque: straight onto the context, clipped to R so that tiles overrunning the centre stop
    // where a W by H rendering would end. Same pixels as rendering apart and copying, without a
    // temporary surface per call (the dominant cost of a caption repaint).
    TSaveDC Saved(DC);
    IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
    SetStretchBltMode(DC, COLORONCOLOR);
    const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
    CopyPlan(DC, R.left, R.top, SourceDC(Source),
             NineSlicePlan(Frame, ToSkin(Margins), W, H, Tile != 0, true));
    return;
  }
  // Keyed: rendered apart first, the key colour is judged on the result.
  TScratchSurface Scratch(DC, W, H);
  if (!Scratch) return;
  RenderNineSlice(Scratch.DC(), Source, Margins, FrameIndex, FrameCount, Tile, Vertical, W, H);
  KeyedCopy(DC, R.left, R.top, W, H, Scratch.DC(), 0, 0, ColorToRGB(clFuchsia), KeyMethod());
}

void DrawBorder(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
                int /*Spare*/, int Vertical) {
  int W = 0, H = 0;
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext || !TargetExtent(R, W, H)) return;
  SetStretchBltMode(DC, COLORONCOLOR);
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(DC, R.left, R.top, SourceContext, NineSlicePlan(Frame, ToSkin(Margins), W, H, false, false));
}
