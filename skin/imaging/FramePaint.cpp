// Whole-frame painters: DrawRect1 (stretched) and DrawRect3 (unscaled, centred).
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawRect1(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent) {
  int w = 0, h = 0;
  const HDC source = SourceDC(Source);
  if (!DC || !source || !TargetExtent(R, w, h) || w == 0 || h == 0) return;
  const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, false);
  if (frame.Width == 0 || frame.Height == 0) return;
  TScratchSurface scratch(DC, w, h);
  if (!scratch) return;
  // The scratch DC keeps its default stretch mode.
  CopySlice(scratch.DC(), 0, 0, source,
            TSliceCopy{TSkinRect{0, 0, w, h}, TSkinRect{frame.X, 0, frame.X + frame.Width, frame.Height}});
  if (Transparent)
    KeyedCopy(DC, R.left, R.top, w, h, scratch.DC(), 0, 0, ColorToRGB(clFuchsia), KeyMethod());
  else
    BitBlt(DC, R.left, R.top, w, h, scratch.DC(), 0, 0, SRCCOPY);
}

void DrawRect3(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent) {
  const HDC source = SourceDC(Source);
  if (!DC || !source || R.right < R.left || R.bottom < R.top) return;
  const TFrame frame = FrameOf(Source, FrameIndex, FrameCount, false);
  if (frame.Width == 0 || frame.Height == 0) return;
  const TPoint2 at = CentredOrigin(ToSkin(R), frame.Width, frame.Height);
  // Straight from the frame: the same pixels as a 1:1 copy of it would give.
  if (Transparent)
    KeyedCopy(DC, at.X, at.Y, frame.Width, frame.Height, source, frame.X, frame.Y, ColorToRGB(clFuchsia),
              KeyMethod());
  else
    BitBlt(DC, at.X, at.Y, frame.Width, frame.Height, source, frame.X, frame.Y, SRCCOPY);
}
