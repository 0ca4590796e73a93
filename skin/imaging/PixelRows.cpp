#include "skin/imaging/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {
void SwapPixels(std::uint8_t* A, std::uint8_t* B, int Bpp) {
  for (int i = 0; i < Bpp; ++i) std::swap(A[i], B[i]);
}

void ReverseRow(const TPixelRows& P, int Y) {
  for (int l = 0, r = P.Width - 1; l < r; ++l, --r) SwapPixels(P.At(l, Y), P.At(r, Y), P.BytesPerPixel);
}
}  // namespace

void MirrorRowsHorizontal(const TPixelRows& P) {
  for (int y = 0; y < P.Height; ++y) ReverseRow(P, y);
}

void MirrorRowsVertical(const TPixelRows& P) {
  const size_t bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> spare(bytes);
  for (int t = 0, b = P.Height - 1; t < b; ++t, --b) {
    std::memcpy(spare.data(), P.Row(t), bytes);
    std::memcpy(P.Row(t), P.Row(b), bytes);
    std::memcpy(P.Row(b), spare.data(), bytes);
  }
}

void TurnRows180(const TPixelRows& P) {
  MirrorRowsVertical(P);
  MirrorRowsHorizontal(P);
}

std::vector<std::uint8_t> PackRows(const TPixelRows& P) {
  const size_t bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> packed(bytes * static_cast<size_t>(P.Height));
  for (int y = 0; y < P.Height; ++y)
    std::memcpy(packed.data() + bytes * static_cast<size_t>(y), P.Row(y), bytes);
  return packed;
}

void TurnPackedClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int bpp = Dest.BytesPerPixel;
  // Destination row x is source column x read from the bottom row upwards.
  for (int x = 0; x < W; ++x) {
    std::uint8_t* out = Dest.Row(x);
    for (int y = H - 1; y >= 0; --y, out += bpp)
      std::memcpy(out, Packed + (static_cast<size_t>(y) * W + static_cast<size_t>(x)) * bpp,
                  static_cast<size_t>(bpp));
  }
}

void TurnPackedCounterClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int bpp = Dest.BytesPerPixel;
  // Destination row w - 1 - x is source column x, top row at the left.
  for (int x = 0; x < W; ++x) {
    std::uint8_t* out = Dest.Row(W - 1 - x);
    for (int y = 0; y < H; ++y, out += bpp)
      std::memcpy(out, Packed + (static_cast<size_t>(y) * W + static_cast<size_t>(x)) * bpp,
                  static_cast<size_t>(bpp));
  }
}

void GrayRows(const TPixelRows& P) {
  for (int y = 0; y < P.Height; ++y)
    for (int x = 0; x < P.Width; ++x) {
      std::uint8_t* p = P.At(x, y);
      const auto v = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = v;
    }
}

void ReplaceColorRows(const TPixelRows& P, std::uint8_t KeyRed, std::uint8_t KeyGreen, std::uint8_t KeyBlue,
                      std::uint8_t Red, std::uint8_t Green, std::uint8_t Blue) {
  for (int y = 0; y < P.Height; ++y)
    for (int x = 0; x < P.Width; ++x) {
      std::uint8_t* p = P.At(x, y);
      if (p[0] == KeyBlue && p[1] == KeyGreen && p[2] == KeyRed) {
        p[0] = Blue;
        p[1] = Green;
        p[2] = Red;
      }
    }
}

}  // namespace skin
