// Three-slice painters: DrawRectTile, DrawRectH, DrawRectV and GetThumbMap.
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawRectTile(TCanvas* Canvas, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                  int FrameCount, int Transparent, int Vertical) {
  int W = 0, H = 0;
  const HDC SourceContext = SourceDC(Source);
  if (!Canvas || !SourceContext || !TargetExtent(R, W, H) || W == 0 || H == 0) return;
  const HDC Dc = Canvas->Handle();
  TScratchSurface Scratch(Dc, W, H);
  if (!Scratch) return;
  SetStretchBltMode(Scratch.DC(), COLORONCOLOR);

  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  const TTileStrip Strip = TileStripPlan(Frame, Margins.left, Margins.right, W, H);
  auto Copy = [&](const TSliceCopy& C) {
    const TSkinRect S = ClampToFrame(C.Source, Frame);
    if (!S.IsEmpty() && !C.Dest.IsEmpty()) CopySlice(Scratch.DC(), 0, 0, SourceContext, TSliceCopy{C.Dest, S});
  };
  if (Strip.Degenerate) {
    Copy(Strip.Whole);
  } else {
    Copy(Strip.LeftSlice);
    for (int I = 0, X = Strip.FirstX; I < Strip.TileCount(); ++I, X += Strip.Step)
      Copy(TSliceCopy{TSkinRect{X, 0, X + Strip.Step, H}, Strip.MiddleSource});
    Copy(Strip.RightSlice);  // covers the last tile's overrun
  }

  if (Transparent)
    KeyedCopy(Dc, R.left, R.top, W, H, Scratch.DC(), 0, 0, ColorToRGB(clFuchsia), KeyMethod());
  else
    BitBlt(Dc, R.left, R.top, W, H, Scratch.DC(), 0, 0, SRCCOPY);
}

void DrawRectH(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int /*Spare*/, int Vertical) {
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext) return;
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(DC, 0, 0, SourceContext, ThreeSliceHPlan(Frame, ToSkin(Margins), ToSkin(R)));
}

void DrawRectV(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int /*Spare*/, int Vertical) {
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext) return;
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(DC, 0, 0, SourceContext, ThreeSliceVPlan(Frame, ToSkin(Margins), ToSkin(R)));
}

std::unique_ptr<TBitmap> GetThumbMap(const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                                     int FrameCount, int /*Spare*/, int Vertical) {
  int W = 0, H = 0;
  if (!TargetExtent(R, W, H)) W = H = 0;
  auto Result = std::make_unique<TBitmap>(W, H);
  const HDC SourceContext = SourceDC(Source);
  if (W > 0 && H > 0) {
    TCanvas* Target = Result->Canvas();
    Target->SetStretchMode(COLORONCOLOR);
    if (Vertical == 0 && SourceContext) {
      const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, false);
      CopyPlan(Target->Handle(), 0, 0, SourceContext, ThumbPlan(Frame, ToSkin(Margins), W, H));
    }
  }
  return Result;
}
