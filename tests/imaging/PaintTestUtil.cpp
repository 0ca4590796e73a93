#include "tests/imaging/PaintTestUtil.h"

#include <intrin.h>

#include <cstdint>
#include <string>

namespace imgtest {

namespace {
std::uint8_t* PixelPtr(TBitmap& B, int X, int Y) {
  return static_cast<std::uint8_t*>(B.ScanLine(Y)) + X * (B.BitCount() / 8);
}
}  // namespace

std::unique_ptr<TBitmap> MakeBitmap(int W, int H, const std::function<TColor(int, int)>& Color,
                                    TPixelFormat Format) {
  auto b = std::make_unique<TBitmap>(W, H, Format);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) SetPx(*b, x, y, Color(x, y));
  return b;
}

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color, TPixelFormat Format) {
  return MakeBitmap(
      W, H, [Color](int, int) { return Color; }, Format);
}

TColor Px(TBitmap& B, int X, int Y) {
  const std::uint8_t* p = PixelPtr(B, X, Y);
  return RGB(p[2], p[1], p[0]);
}

void SetPx(TBitmap& B, int X, int Y, TColor Color) {
  std::uint8_t* p = PixelPtr(B, X, Y);
  p[0] = GetBValue(Color);
  p[1] = GetGValue(Color);
  p[2] = GetRValue(Color);
}

bool SamePixels(TBitmap& A, TBitmap& B, std::string* Where) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) {
    if (Where) *Where = "sizes differ";
    return false;
  }
  for (int y = 0; y < A.Height(); ++y)
    for (int x = 0; x < A.Width(); ++x)
      if (Px(A, x, y) != Px(B, x, y)) {
        if (Where) *Where = "first difference at " + std::to_string(x) + "," + std::to_string(y);
        return false;
      }
  return true;
}

bool AllOf(TBitmap& B, const RECT& R, TColor Color, std::string* Where) {
  for (int y = R.top; y < R.bottom; ++y)
    for (int x = R.left; x < R.right; ++x)
      if (Px(B, x, y) != Color) {
        if (Where)
          *Where =
              "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " + std::to_string(Px(B, x, y));
        return false;
      }
  return true;
}

TColor NineColour(int Frame, int Col, int Row) {
  return RGB(20 + Col * 50, 20 + Row * 50, 40 + Frame * 60);
}

std::unique_ptr<TBitmap> NineRegionStrip(int Frames, int FrameW, int FrameH, const RECT& Margins,
                                         bool VerticalStrip) {
  auto region = [&](int V, int Size, LONG Lo, LONG Hi) { return V < Lo ? 0 : V >= Size - Hi ? 2 : 1; };
  const int w = VerticalStrip ? FrameW : FrameW * Frames, h = VerticalStrip ? FrameH * Frames : FrameH;
  return MakeBitmap(w, h, [&](int x, int y) {
    const int frame = VerticalStrip ? y / FrameH : x / FrameW;
    return NineColour(frame, region(x % FrameW, FrameW, Margins.left, Margins.right),
                      region(y % FrameH, FrameH, Margins.top, Margins.bottom));
  });
}

}  // namespace imgtest
