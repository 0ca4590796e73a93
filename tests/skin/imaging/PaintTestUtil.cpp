#include "tests/skin/imaging/PaintTestUtil.h"

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
  auto B = std::make_unique<TBitmap>(W, H, Format);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) SetPx(*B, X, Y, Color(X, Y));
  return B;
}

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color, TPixelFormat Format) {
  return MakeBitmap(
      W, H, [Color](int, int) { return Color; }, Format);
}

TColor Px(TBitmap& B, int X, int Y) {
  const std::uint8_t* P = PixelPtr(B, X, Y);
  return RGB(P[2], P[1], P[0]);
}

void SetPx(TBitmap& B, int X, int Y, TColor Color) {
  std::uint8_t* P = PixelPtr(B, X, Y);
  P[0] = GetBValue(Color);
  P[1] = GetGValue(Color);
  P[2] = GetRValue(Color);
}

bool SamePixels(TBitmap& A, TBitmap& B, std::string* Where) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) {
    if (Where) *Where = "sizes differ";
    return false;
  }
  for (int Y = 0; Y < A.Height(); ++Y)
    for (int X = 0; X < A.Width(); ++X)
      if (Px(A, X, Y) != Px(B, X, Y)) {
        if (Where) *Where = "first difference at " + std::to_string(X) + "," + std::to_string(Y);
        return false;
      }
  return true;
}

bool AllOf(TBitmap& B, const RECT& R, TColor Color, std::string* Where) {
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X)
      if (Px(B, X, Y) != Color) {
        if (Where)
          *Where =
              "pixel " + std::to_string(X) + "," + std::to_string(Y) + " is " + std::to_string(Px(B, X, Y));
        return false;
      }
  return true;
}

TColor NineColour(int Frame, int Col, int Row) {
  return RGB(20 + Col * 50, 20 + Row * 50, 40 + Frame * 60);
}

std::unique_ptr<TBitmap> NineRegionStrip(int Frames, int FrameW, int FrameH, const RECT& Margins,
                                         bool VerticalStrip) {
  auto Region = [&](int V, int Size, LONG Lo, LONG Hi) { return V < Lo ? 0 : V >= Size - Hi ? 2 : 1; };
  const int W = VerticalStrip ? FrameW : FrameW * Frames, H = VerticalStrip ? FrameH * Frames : FrameH;
  return MakeBitmap(W, H, [&](int X, int Y) {
    const int Frame = VerticalStrip ? Y / FrameH : X / FrameW;
    return NineColour(Frame, Region(X % FrameW, FrameW, Margins.left, Margins.right),
                      Region(Y % FrameH, FrameH, Margins.top, Margins.bottom));
  });
}

}  // namespace imgtest
