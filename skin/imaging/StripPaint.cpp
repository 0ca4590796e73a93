// Three-slice painters: DrawRectTile, DrawRectH, DrawRectV and GetThumbMap.
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawRectTile(TCanvas* Canvas, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                  int FrameCount, int Transparent, int Vertical) {
  int w = 0, h = 0;
  const HDC source = SourceDC(Source);
  if (!Canvas || !source || !TargetExtent(R, w, h) || w == 0 || h == 0) return;
  const HDC dc = Canvas->Handle();
  TScratchSurface scratch(dc, w, h);
  if (!scratch) return;
  SetStretchBltMode(scratch.DC(), COLORONCOLOR);

  const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  const TTileStrip strip = TileStripPlan(frame, Margins.left, Margins.right, w, h);
  auto copy = [&](const TSliceCopy& C) {
    const TSkinRect s = ClampToFrame(C.Source, frame);
    if (!s.IsEmpty() && !C.Dest.IsEmpty()) CopySlice(scratch.DC(), 0, 0, source, TSliceCopy{C.Dest, s});
  };
  if (strip.Degenerate) {
    copy(strip.Whole);
  } else {
    copy(strip.LeftSlice);
    for (int i = 0, x = strip.FirstX; i < strip.TileCount(); ++i, x += strip.Step)
      copy(TSliceCopy{TSkinRect{x, 0, x + strip.Step, h}, strip.MiddleSource});
    copy(strip.RightSlice);  // covers the last tile's overrun
  }

  if (Transparent)
    KeyedCopy(dc, R.left, R.top, w, h, scratch.DC(), 0, 0, ColorToRGB(clFuchsia), KeyMethod());
  else
    BitBlt(dc, R.left, R.top, w, h, scratch.DC(), 0, 0, SRCCOPY);
}

void DrawRectH(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int /*Spare*/, int Vertical) {
  const HDC source = SourceDC(Source);
  if (!DC || !source) return;
  const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(DC, 0, 0, source, ThreeSliceHPlan(frame, ToSkin(Margins), ToSkin(R)));
}

void DrawRectV(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int /*Spare*/, int Vertical) {
  const HDC source = SourceDC(Source);
  if (!DC || !source) return;
  const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, Vertical != 0);
  CopyPlan(DC, 0, 0, source, ThreeSliceVPlan(frame, ToSkin(Margins), ToSkin(R)));
}

std::unique_ptr<TBitmap> GetThumbMap(const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                                     int FrameCount, int /*Spare*/, int Vertical) {
  int w = 0, h = 0;
  if (!TargetExtent(R, w, h)) w = h = 0;
  auto result = std::make_unique<TBitmap>(w, h);
  const HDC source = SourceDC(Source);
  if (w > 0 && h > 0) {
    TCanvas* canvas = result->Canvas();
    canvas->SetStretchMode(COLORONCOLOR);
    if (Vertical == 0 && source) {
      const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, false);
      CopyPlan(canvas->Handle(), 0, 0, source, ThumbPlan(frame, ToSkin(Margins), w, h));
    }
  }
  return result;
}
