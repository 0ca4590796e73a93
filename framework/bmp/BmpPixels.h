// Pixel access independent of the depth, and conversion between depths. Used by the bitmap class to
// change the pixel format of a bitmap without losing its picture.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/bmp/BmpImage.h"

namespace bmp {

// The colour of a pixel, palette resolved and 5/6-bit channels widened to 8 bits.
Rgb GetPixel(const Image& Picture, int32_t X, int32_t Y);
// The same for a row that lives elsewhere (a DIB section), described by depth, masks and palette.
Rgb ReadPixel(const uint8_t* Row, int32_t X, uint16_t BitCount, const BitMasks& Masks,
              const std::vector<RgbQuad>& Palette);
// Raw palette index of an indexed pixel (0 for other depths).
uint32_t GetPixelIndex(const Image& Picture, int32_t X, int32_t Y);
// Writes a colour; an indexed image takes the nearest colour of its palette.
void SetPixel(Image& Picture, int32_t X, int32_t Y, Rgb Color);
void SetPixelIndex(Image& Picture, int32_t X, int32_t Y, uint32_t Index);

// The index of the palette colour closest to `color` (squared distance); 0 for an empty palette.
uint32_t NearestIndex(const std::vector<RgbQuad>& Palette, Rgb Color);

// The palette GDI-like code uses when an image must lose colours: black and white, the 16 VGA
// colours, or a 6x6x6 colour cube followed by a grey ramp.
std::vector<RgbQuad> DefaultPalette(uint16_t BitCount);

// Fills a colour table up to the full 2^bitCount entries with DefaultPalette() colours it does not
// have yet, so that later drawing finds more than the colours a picture happened to use.
void CompletePalette(std::vector<RgbQuad>& Palette, uint16_t BitCount);

// A copy of `source` in another depth. Exact whenever the target can hold every colour: indexed
// targets reuse the source palette or collect the distinct colours, and fall back to the nearest
// colour of DefaultPalette() only when there are too many. `masks` picks 5-5-5 or 5-6-5 for 16 bits
// and 8-8-8 or 8-8-8-8 for 32; left empty, the source's layout is kept where it fits.
Image ConvertBitCount(const Image& Source, uint16_t BitCount, const BitMasks& Masks = {});

}  // namespace bmp
