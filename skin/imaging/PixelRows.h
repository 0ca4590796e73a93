// Whole-pixel moves on raw rows of 3- or 4-byte pixels (blue, green, red[, spare]): the mirrors and
// turns of the bitmap utilities, the grey conversion and the key-colour swap, with no GDI involved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

// Rows of a picture in memory; Row(y + 1) lies Stride bytes after Row(y).
struct TPixelRows {
  std::uint8_t* Bits = nullptr;
  int Width = 0, Height = 0;
  std::ptrdiff_t Stride = 0;
  int BytesPerPixel = 3;  // 3 or 4
  std::uint8_t* Row(int Y) const { return Bits + static_cast<std::ptrdiff_t>(Y) * Stride; }
  std::uint8_t* At(int X, int Y) const { return Row(Y) + static_cast<std::ptrdiff_t>(X) * BytesPerPixel; }
};

// new(x, y) = old(w - 1 - x, y)
void MirrorRowsHorizontal(const TPixelRows& P);
// new row y = old row h - 1 - y
void MirrorRowsVertical(const TPixelRows& P);
// new(x, y) = old(w - 1 - x, h - 1 - y)
void TurnRows180(const TPixelRows& P);

// A packed copy of the pixels (Width * BytesPerPixel bytes per row, no padding).
std::vector<std::uint8_t> PackRows(const TPixelRows& P);

// Quarter turns from a packed W by H copy into Dest, which is H wide and W high. Clockwise:
// new(x, y) = old(y, h - 1 - x); counter-clockwise: new(x, y) = old(w - 1 - y, x).
void TurnPackedClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest);
void TurnPackedCounterClockwise(const std::uint8_t* Packed, int W, int H, const TPixelRows& Dest);

// Grey of the plain average (truncating), written to all three colour bytes.
void GrayRows(const TPixelRows& P);
// Every pixel that is exactly (Red, Green, Blue) = KeyRed, KeyGreen, KeyBlue becomes the new colour.
void ReplaceColorRows(const TPixelRows& P, std::uint8_t KeyRed, std::uint8_t KeyGreen, std::uint8_t KeyBlue,
                      std::uint8_t Red, std::uint8_t Green, std::uint8_t Blue);

}  // namespace skin
