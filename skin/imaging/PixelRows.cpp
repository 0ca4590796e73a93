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
  for (int Y = 0; Y < P.Height; ++Y) ReverseRow(P, Y);
}

void MirrorRowsVertical(const TPixelRows& P) {
  const size_t Bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> Spare(Bytes);
  for (int T = 0, B = P.Height - 1; T < B; ++T, --B) {
    std::memcpy(Spare.data(), P.Row(T), Bytes);
    std::memcpy(P.Row(T), P.Row(B), Bytes);
    std::memcpy(P.Row(B), Spare.data(), Bytes);
  }
}

void TurnRows180(const TPixelRows& P) {
  MirrorRowsVertical(P);
  MirrorRowsHorizontal(P);
}

std::vector<std::uint8_t> PackRows(const TPixelRows& P) {
  const size_t Bytes = static_cast<size_t>(P.Width) * P.BytesPerPixel;
  std::vector<std::uint8_t> Packed(Bytes * static_cast<size_t>(P.Height));
  for (int Y = 0; Y < P.Height; ++Y)
    std::memcpy(Packed.data() + Bytes * static_cast<size_t>(Y), P.Row(Y), Bytes);
  return Packed;
}

void TurnPackedClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int Bpp = Dest.BytesPerPixel;
  // Destination row x is source column x read from the bottom row upwards.
  for (int X = 0; X < W; ++X) {
    std::uint8_t* Out = Dest.Row(X);
    for (int Y = H - 1; Y >= 0; --Y, Out += Bpp)
      std::memcpy(Out, Packed + (static_cast<size_t>(Y) * W + static_cast<size_t>(X)) * Bpp,
                  static_cast<size_t>(Bpp));
  }
}

void TurnPackedCounterClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest) {
  const int Bpp = Dest.BytesPerPixel;
  // Destination row w - 1 - x is source column x, top row at the left.
  for (int X = 0; X < W; ++X) {
    std::uint8_t* Out = Dest.Row(W - 1 - X);
    for (int Y = 0; Y < H; ++Y, Out += Bpp)
      std::memcpy(Out, Packed + (static_cast<size_t>(Y) * W + static_cast<size_t>(X)) * Bpp,
                  static_cast<size_t>(Bpp));
  }
}

void GrayRows(const TPixelRows& P) {
  for (int Y = 0; Y < P.Height; ++Y)
    for (int X = 0; X < P.Width; ++X) {
      std::uint8_t* Pixel = P.At(X, Y);
      const auto V = static_cast<std::uint8_t>((Pixel[0] + Pixel[1] + Pixel[2]) / 3);
      Pixel[0] = Pixel[1] = Pixel[2] = V;
    }
}

void ReplaceColorRows(const TPixelRows& P, std::uint8_t KeyRed, std::uint8_t KeyGreen, std::uint8_t KeyBlue,
                      std::uint8_t Red, std::uint8_t Green, std::uint8_t Blue) {
  for (int Y = 0; Y < P.Height; ++Y)
    for (int X = 0; X < P.Width; ++X) {
      std::uint8_t* Pixel = P.At(X, Y);
      if (Pixel[0] == KeyBlue && Pixel[1] == KeyGreen && Pixel[2] == KeyRed) {
        Pixel[0] = Blue;
        Pixel[1] = Green;
        Pixel[2] = Red;
      }
    }
}

}  // namespace skin
