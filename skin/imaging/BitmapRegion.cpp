// BitmapToRegion: a window region from a bitmap's opaque pixels.
#include "skin/imaging/RegionRuns.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;

namespace {

// Adds one batch of rectangles to the result (which is created by the first batch).
void FlushBatch(TRegionRects& Rects, TGdiRegion& Result) {
  if (Rects.Count() == 0 && Result) return;
  TGdiRegion Part(ExtCreateRegion(nullptr, static_cast<DWORD>(Rects.Size()),
                                  reinterpret_cast<const RGNDATA*>(Rects.Data())));
  Rects.Reset();
  if (!Part) return;
  if (!Result)
    Result = std::move(Part);
  else
    CombineRgn(Result.Get(), Result.Get(), Part.Get(), RGN_OR);
}

}  // namespace

HRGN BitmapToRegion(TBitmap* Bitmap, int XOffset, int YOffset, TColor Key, std::uint8_t RedTolerance,
                    std::uint8_t GreenTolerance, std::uint8_t BlueTolerance) {
  TGdiRegion Result;
  if (Bitmap && !Bitmap->Empty()) {
    // Read 32-bit pixels; a bitmap of another depth is read through a converted copy so that the
    // caller's picture keeps its format.
    TBitmap Copy;
    TBitmap* Pixels = Bitmap;
    if (Bitmap->BitCount() != 32) {
      Copy.Assign(Bitmap);
      Copy.SetPixelFormat(pf32bit);
      Pixels = &Copy;
    }
    const auto* Bits = static_cast<const std::uint8_t*>(Pixels->ScanLine(0));
    TRegionRects Rects;  // freed on every path
    ScanOpaqueRuns(Bits, Pixels->Width(), Pixels->Height(), Pixels->ScanLineStride(),
                   KeyBounds(ColorToRGB(Key), RedTolerance, GreenTolerance, BlueTolerance), XOffset, YOffset,
                   Rects, [&] { FlushBatch(Rects, Result); });
    FlushBatch(Rects, Result);
  }
  if (!Result) Result.Reset(CreateRectRgn(0, 0, 0, 0));
  return Result.Release();
}
