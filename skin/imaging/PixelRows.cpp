#include "skin/imaging/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {
void SwapPixels(std::uint8_t* A, std::uint8_t* B, int Bpp) {
  for (int I = 0; I < Bpp; ++I) std::swap(A[I], B[I]);
}

void ReverseRow(const TPixelRows& P, int Y) {
  for (int L = 0, R = P.Width - 1; L < R; ++L, --R) SwapPixels(P.At(L, Y), P.At(R, Y), P.BytesPerPixel);
}
}  // namespace

void MirrorRowsHorizontal(const TPixelRows& P) {
  for (int y = 0; y < P.Height; ++y) ReverseRow(P, y);
}

void MirrorRowsVertical(const TPixelRows& P) {
  const size_t Bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> Spare(Bytes);
  for (int T = 0, b = P.Height - 1; T < b; ++T, --b) {
    std::memcpy(Spare.data(), P.Row(T), Bytes);
    std::memcpy(P.Row(T), P.Row(b), Bytes);
    std::memcpy(P.Row(b), Spare.data(), Bytes);
  }
}

void TurnRows180(const TPixelRows& P) {
  MirrorRowsVertical(P);
  MirrorRowsHorizontal(P);
}

std::vector<std::uint8_t> PackRows(const TPixelRows& P) {
  const size_t Bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> packed(Bytes * static_cast<size_t>(P.Height));
  for (int y = 0; y < P.Height; ++y)
    std::memcpy(packed.data() + Bytes * static_cast<size_t>(y), P.Row(y), Bytes);
  return packed;
}

void TurnPackedClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int bpp = Dest.BytesPerPixel;
  // Destination row x is source column x read from the bottom row upwards.
  for (int X = 0; X < W; ++X) {
    std::uint8_t* Out = Dest.Row(X);
    for (int y = H - 1; y >= 0; --y, Out += bpp)
      std::memcpy(Out, Packed + (static_cast<size_t>(y) * W + static_cast<size_t>(X)) * bpp,
                  static_cast<size_t>(bpp));
  }
}

void TurnPackedCounterClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int bpp = Dest.BytesPerPixel;
  // Destination row w - 1 - x is source column x, top row at the left.
  for (int X = 0; X < W; ++X) {
    std::uint8_t* Out = Dest.Row(W - 1 - X);
    for (int y = 0; y < H; ++y, Out += bpp)
      std::memcpy(Out, Packed + (static_cast<size_t>(y) * W + static_cast<size_t>(X)) * bpp,
                  static_cast<size_t>(bpp));
  }
}

void GrayRows(const TPixelRows& P) {
  for (int y = 0; y < P.Height; ++y)
    for (int X = 0; X < P.Width; ++X) {
      std::uint8_t* p = P.At(X, y);
      const auto V = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = V;
    }
}

void ReplaceColorRows(const TPixelRows& P, std::uint8_t KeyRed, std::uint8_t KeyGreen, std::uint8_t KeyBlue,
                      std::uint8_t Red, std::uint8_t Green, std::uint8_t Blue) {
  for (int y = 0; y < P.Height; ++y)
    for (int X = 0; X < P.Width; ++X) {
      std::uint8_t* p = P.At(X, y);
      if (p[0] == KeyBlue && p[1] == KeyGreen && p[2] == KeyRed) {
        p[0] = Blue;
        p[1] = Green;
        p[2] = Red;
      }
    }
}

}  // namespace skin
