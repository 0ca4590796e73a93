// Pixel access independent of the depth, and conversion between depths. Used by the bitmap class to
// change the pixel format of a bitmap without losing its picture.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/bmp/BmpImage.h"

namespace bmp {

// The colour of a pixel, palette resolved and 5/6-bit channels widened to 8 bits.
Rgb GetPixel(const Image& image, int32_t x, int32_t y);
// Raw palette index of an indexed pixel (0 for other depths).
uint32_t GetPixelIndex(const Image& image, int32_t x, int32_t y);
// Writes a colour; an indexed image takes the nearest colour of its palette.
void SetPixel(Image& image, int32_t x, int32_t y, Rgb color);
void SetPixelIndex(Image& image, int32_t x, int32_t y, uint32_t index);

// The index of the palette colour closest to `color` (squared distance); 0 for an empty palette.
uint32_t NearestIndex(const std::vector<RgbQuad>& palette, Rgb color);

// The palette GDI-like code uses when an image must lose colours: black and white, the 16 VGA
// colours, or a 6x6x6 colour cube followed by a grey ramp.
std::vector<RgbQuad> DefaultPalette(uint16_t bitCount);

// A copy of `source` in another depth. Exact whenever the target can hold every colour: indexed
// targets reuse the source palette or collect the distinct colours, and fall back to the nearest
// colour of DefaultPalette() only when there are too many.
Image ConvertBitCount(const Image& source, uint16_t bitCount);

}  // namespace bmp
