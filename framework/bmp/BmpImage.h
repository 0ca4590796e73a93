// A decoded bitmap in memory: rows top-down, each padded to 32 bits as in a DIB, in the bit depth of
// the file (1, 4, 8, 16, 24 or 32 bits per pixel), with its colour table for the indexed depths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bmp {

struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  bool operator==(const RgbQuad&) const = default;
};

// Channel masks of the 16- and 32-bit layouts. The decoder only ever hands out the layouts that a
// DIB section can hold directly: 16 bits as 5-5-5 or 5-6-5, 32 bits as 8-8-8 with an optional
// alpha byte on top; anything else is converted to 32 bits.
struct BitMasks {
  uint32_t red = 0;
  uint32_t green = 0;
  uint32_t blue = 0;
  uint32_t alpha = 0;
  bool operator==(const BitMasks&) const = default;
};

inline constexpr BitMasks kMasks555{0x7C00, 0x03E0, 0x001F, 0};
inline constexpr BitMasks kMasks565{0xF800, 0x07E0, 0x001F, 0};
inline constexpr BitMasks kMasks888{0x00FF0000, 0x0000FF00, 0x000000FF, 0};
inline constexpr BitMasks kMasks8888{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};

// A colour as 0x00RRGGBB, the order used by the pixel helpers.
using Rgb = uint32_t;

inline constexpr Rgb MakeRgb(uint8_t R, uint8_t G, uint8_t B) {
  return (uint32_t(R) << 16) | (uint32_t(G) << 8) | B;
}
inline constexpr uint8_t RedOf(Rgb C) {
  return uint8_t(C >> 16);
}
inline constexpr uint8_t GreenOf(Rgb C) {
  return uint8_t(C >> 8);
}
inline constexpr uint8_t BlueOf(Rgb C) {
  return uint8_t(C);
}

struct Image {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 0;
  BitMasks masks;                // 16 and 32 bits only
  std::vector<RgbQuad> palette;  // 1, 4 and 8 bits; may hold fewer entries than the depth allows
  std::vector<uint8_t> pixels;   // stride() * height bytes, first row is the top one

  // Bytes per row of a DIB of this width and depth; 0 when the row would not fit in 31 bits.
  static size_t Stride(int32_t Width, uint16_t BitCount);
  size_t stride() const { return Stride(width, bitCount); }

  // Sets size and depth and zero-fills the pixels; keeps the palette. Throws EBmpError for a size
  // that cannot be represented.
  void Allocate(int32_t NewWidth, int32_t NewHeight, uint16_t NewBitCount);

  uint8_t* Row(int32_t Y) { return pixels.data() + size_t(Y) * stride(); }
  const uint8_t* Row(int32_t Y) const { return pixels.data() + size_t(Y) * stride(); }

  bool IsIndexed() const { return bitCount <= 8; }
  // The palette colour of an index; indices past the end of the palette read as black, as GDI does.
  RgbQuad PaletteEntry(uint32_t Index) const { return Index < palette.size() ? palette[Index] : RgbQuad{}; }
};

// True for the depths a BMP may carry: 1, 4, 8, 16, 24, 32.
bool IsSupportedBitCount(uint32_t BitCount);

}  // namespace bmp
