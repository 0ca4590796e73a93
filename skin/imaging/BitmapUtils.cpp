#include "skin/imaging/BitmapUtils.h"

#include "skin/imaging/ColorMath.h"
#include "skin/imaging/PixelRows.h"

using namespace skin;

namespace {

// The bitmap's rows as whole 3- or 4-byte pixels, converting other depths to 24 bits first.
bool WholePixelRows(TBitmap* Bitmap, TPixelRows& Rows) {
  if (!Bitmap || Bitmap->Empty()) return false;
  if (Bitmap->BitCount() != 24 && Bitmap->BitCount() != 32) Bitmap->SetPixelFormat(pf24bit);
  Rows.Bits = static_cast<std::uint8_t*>(Bitmap->ScanLine(0));
  Rows.Width = Bitmap->Width();
  Rows.Height = Bitmap->Height();
  Rows.Stride = Bitmap->ScanLineStride();
  Rows.BytesPerPixel = Bitmap->BitCount() / 8;
  return true;
}

// Rows of a 24-bit bitmap, converting it first (nothing to convert when it already is one).
bool Rows24(TBitmap* Bitmap, TPixelRows& Rows) {
  if (!Bitmap || Bitmap->Empty()) return false;
  Bitmap->SetPixelFormat(pf24bit);
  return WholePixelRows(Bitmap, Rows);
}

// Scan-line writes bypass the bitmap's own bookkeeping.
void Modified(TBitmap* Bitmap) {
  Bitmap->SetModified(true);
}

void TurnQuarter(TBitmap* Bitmap, bool Clockwise) {
  TPixelRows Rows;
  if (!WholePixelRows(Bitmap, Rows)) return;
  const std::vector<std::uint8_t> Packed = PackRows(Rows);
  const int W = Rows.Width, H = Rows.Height;
  Bitmap->SetSize(H, W);  // keeps the pixel format
  TPixelRows Turned;
  WholePixelRows(Bitmap, Turned);
  if (Clockwise)
    TurnPackedClockwise(Packed.data(), W, H, Turned);
  else
    TurnPackedCounterClockwise(Packed.data(), W, H, Turned);
  Modified(Bitmap);
}

}  // namespace

void ConvertBitmapToGrayscale(TBitmap* Bitmap) {
  TPixelRows Rows;
  if (!Rows24(Bitmap, Rows)) return;
  GrayRows(Rows);
  Modified(Bitmap);
}

void ChangeTrans(TBitmap* Bitmap, TColor Color) {
  TPixelRows Rows;
  if (!Rows24(Bitmap, Rows)) return;
  ReplaceColorRows(Rows, 255, 0, 255, static_cast<std::uint8_t>(Color), static_cast<std::uint8_t>(Color >> 8),
                   static_cast<std::uint8_t>(Color >> 16));
  Modified(Bitmap);
}

void SpiegelnHorizontal(TBitmap* Bitmap) {
  TPixelRows Rows;
  if (!WholePixelRows(Bitmap, Rows)) return;
  MirrorRowsHorizontal(Rows);
  Modified(Bitmap);
}

void SpiegelnVertikal(TBitmap* Bitmap) {
  TPixelRows Rows;
  if (!WholePixelRows(Bitmap, Rows)) return;
  MirrorRowsVertical(Rows);
  Modified(Bitmap);
}

void Drehen90Grad(TBitmap* Bitmap) {
  TurnQuarter(Bitmap, true);
}
void Drehen270Grad(TBitmap* Bitmap) {
  TurnQuarter(Bitmap, false);
}

void Drehen180Grad(TBitmap* Bitmap) {
  TPixelRows Rows;
  if (!WholePixelRows(Bitmap, Rows)) return;
  TurnRows180(Rows);
  Modified(Bitmap);
}

std::unique_ptr<TBitmap> Rotate90(TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->BitCount() != 24) return nullptr;
  if (Bitmap->Empty()) return std::make_unique<TBitmap>(0, 0, pf24bit);
  TPixelRows Rows;
  WholePixelRows(Bitmap, Rows);
  const std::vector<std::uint8_t> Packed = PackRows(Rows);
  auto Turned = std::make_unique<TBitmap>(Rows.Height, Rows.Width, pf24bit);
  TPixelRows Out;
  WholePixelRows(Turned.get(), Out);
  TurnPackedCounterClockwise(Packed.data(), Rows.Width, Rows.Height, Out);
  return Turned;
}

TColor Blend(TColor C1, TColor C2, std::int32_t P) {
  return BlendRgb(ColorToRGB(C1), ColorToRGB(C2), P);
}

std::int32_t GetHSV(TColor Color) {
  return SaturationValue(Color);
}
