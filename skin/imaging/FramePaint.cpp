// Whole-frame painters: DrawRect1 (stretched) and DrawRect3 (unscaled, centred).
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawRect1(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent) {
  int W = 0, H = 0;
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext || !TargetExtent(R, W, H) || W == 0 || H == 0) return;
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, false);
  if (Frame.Width == 0 || Frame.Height == 0) return;
  TScratchSurface Scratch(DC, W, H);
  if (!Scratch) return;
  // The scratch DC keeps its default stretch mode.
  CopySlice(Scratch.DC(), 0, 0, SourceContext,
            TSliceCopy{TSkinRect{0, 0, W, H}, TSkinRect{Frame.X, 0, Frame.X + Frame.Width, Frame.Height}});
  if (Transparent)
    KeyedCopy(DC, R.left, R.top, W, H, Scratch.DC(), 0, 0, ColorToRGB(clFuchsia), KeyMethod());
  else
    BitBlt(DC, R.left, R.top, W, H, Scratch.DC(), 0, 0, SRCCOPY);
}

void DrawRect3(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent) {
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext || R.right < R.left || R.bottom < R.top) return;
  const TFrame Frame = FrameOf(Source, FrameIndex, FrameCount, false);
  if (Frame.Width == 0 || Frame.Height == 0) return;
  const TPoint2 At = CentredOrigin(ToSkin(R), Frame.Width, Frame.Height);
  // Straight from the frame: the same pixels as a 1:1 copy of it would give.
  if (Transparent)
    KeyedCopy(DC, At.X, At.Y, Frame.Width, Frame.Height, SourceContext, Frame.X, Frame.Y,
              ColorToRGB(clFuchsia), KeyMethod());
  else
    BitBlt(DC, At.X, At.Y, Frame.Width, Frame.Height, SourceContext, Frame.X, Frame.Y, SRCCOPY);
}
