#include "framework/bmp/BmpEncoder.h"

#include <limits>
#include <string>

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpPixels.h"
#include "framework/bmp/BmpRle.h"

namespace bmp {
namespace {

void Put16(std::vector<uint8_t>& Out, uint32_t V) {
  Out.push_back(uint8_t(V));
  Out.push_back(uint8_t(V >> 8));
}
void Put32(std::vector<uint8_t>& Out, uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}
void Patch32(std::vector<uint8_t>& Out, size_t At, uint32_t V) {
  for (int I = 0; I < 4; ++I) Out[At + size_t(I)] = uint8_t(V >> (8 * I));
}

void Validate(const Image& Picture, const EncodeOptions& Options) {
  if (!IsSupportedBitCount(Picture.bitCount))
    throw EBmpError("Cannot save a bitmap of " + std::to_string(Picture.bitCount) + " bits per pixel");
  if (Picture.width <= 0 || Picture.height <= 0) throw EBmpError("Cannot save an empty bitmap");
  const size_t Stride = Picture.stride();
  if (Stride == 0 || Picture.pixels.size() != Stride * size_t(Picture.height))
    throw EBmpError("Bitmap pixel buffer does not match its size");
  if (Picture.IsIndexed() && Picture.palette.size() > (size_t(1) << Picture.bitCount))
    throw EBmpError("Bitmap palette has more colours than its depth allows");
  if (Picture.bitCount == 16 && Picture.masks != kMasks555 && Picture.masks != kMasks565)
    throw EBmpError("16-bit bitmaps are saved as 5-5-5 or 5-6-5 only");
  const bool Rle = Options.compression == kCompressionRle8 || Options.compression == kCompressionRle4;
  if (Options.compression == kCompressionRle8 && Picture.bitCount != 8)
    throw EBmpError("RLE8 needs an 8-bit bitmap");
  if (Options.compression == kCompressionRle4 && Picture.bitCount != 4)
    throw EBmpError("RLE4 needs a 4-bit bitmap");
  if (!Rle && Options.compression != kCompressionRgb) throw EBmpError("Unsupported compression for saving");
  if (Rle && Options.topDown) throw EBmpError("RLE bitmaps cannot be stored top-down");
}

}  // namespace

std::vector<uint8_t> Encode(const Image& Picture, const EncodeOptions& Options) {
  Validate(Picture, Options);
  const bool Masks565 = Picture.bitCount == 16 && Picture.masks == kMasks565;
  const uint32_t Compression = Masks565 ? uint32_t(kCompressionBitfields) : uint32_t(Options.compression);
  std::vector<RgbQuad> Palette;
  if (Picture.IsIndexed())
    Palette = Picture.palette.empty() ? DefaultPalette(Picture.bitCount) : Picture.palette;

  std::vector<uint8_t> Pixels;
  const size_t Stride = Picture.stride();
  if (Options.compression == kCompressionRgb) {
    Pixels.reserve(Picture.pixels.size());
    for (int32_t I = 0; I < Picture.height; ++I) {
      const uint8_t* RowBytes = Picture.Row(Options.topDown ? I : Picture.height - 1 - I);
      Pixels.insert(Pixels.end(), RowBytes, RowBytes + Stride);
    }
  } else {
    Pixels = EncodeRle(Picture);
  }

  const uint64_t Offset = kFileHeaderSize + kInfoHeaderSize + (Masks565 ? 12 : 0) + Palette.size() * 4;
  const uint64_t Total = Offset + Pixels.size();
  if (Total > std::numeric_limits<uint32_t>::max()) throw EBmpError("Bitmap is too large to save");

  std::vector<uint8_t> Out;
  Out.reserve(size_t(Total));
  Put16(Out, 0x4D42);
  Put32(Out, uint32_t(Total));
  Put32(Out, 0);
  Put32(Out, uint32_t(Offset));
  Put32(Out, kInfoHeaderSize);
  Put32(Out, uint32_t(Picture.width));
  Put32(Out, Options.topDown ? uint32_t(-Picture.height) : uint32_t(Picture.height));
  Put16(Out, 1);
  Put16(Out, Picture.bitCount);
  Put32(Out, Compression);
  Put32(Out, uint32_t(Pixels.size()));
  Put32(Out, 2835);  // 72 dots per inch
  Put32(Out, 2835);
  const bool FullPalette = Palette.size() == (size_t(1) << Picture.bitCount);
  Put32(Out, Picture.IsIndexed() && !FullPalette ? uint32_t(Palette.size()) : 0);
  Put32(Out, 0);
  if (Masks565) {
    Put32(Out, kMasks565.red);
    Put32(Out, kMasks565.green);
    Put32(Out, kMasks565.blue);
  }
  for (const RgbQuad& Q : Palette) {
    Out.push_back(Q.blue);
    Out.push_back(Q.green);
    Out.push_back(Q.red);
    Out.push_back(0);
  }
  Out.insert(Out.end(), Pixels.begin(), Pixels.end());
  Patch32(Out, 2, uint32_t(Out.size()));
  return Out;
}

}  // namespace bmp
