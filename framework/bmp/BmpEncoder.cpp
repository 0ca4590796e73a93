#include "framework/bmp/BmpEncoder.h"

#include <limits>
#include <string>

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpPixels.h"
#include "framework/bmp/BmpRle.h"

namespace bmp {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Patch32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

void Validate(const Image& image, const EncodeOptions& options) {
  if (!IsSupportedBitCount(image.bitCount))
    throw EBmpError("Cannot save a bitmap of " + std::to_string(image.bitCount) + " bits per pixel");
  if (image.width <= 0 || image.height <= 0) throw EBmpError("Cannot save an empty bitmap");
  const size_t stride = image.stride();
  if (stride == 0 || image.pixels.size() != stride * size_t(image.height))
    throw EBmpError("Bitmap pixel buffer does not match its size");
  if (image.IsIndexed() && image.palette.size() > (size_t(1) << image.bitCount))
    throw EBmpError("Bitmap palette has more colours than its depth allows");
  if (image.bitCount == 16 && image.masks != kMasks555 && image.masks != kMasks565)
    throw EBmpError("16-bit bitmaps are saved as 5-5-5 or 5-6-5 only");
  const bool rle = options.compression == kCompressionRle8 || options.compression == kCompressionRle4;
  if (options.compression == kCompressionRle8 && image.bitCount != 8)
    throw EBmpError("RLE8 needs an 8-bit bitmap");
  if (options.compression == kCompressionRle4 && image.bitCount != 4)
    throw EBmpError("RLE4 needs a 4-bit bitmap");
  if (!rle && options.compression != kCompressionRgb) throw EBmpError("Unsupported compression for saving");
  if (rle && options.topDown) throw EBmpError("RLE bitmaps cannot be stored top-down");
}

}  // namespace

std::vector<uint8_t> Encode(const Image& image, const EncodeOptions& options) {
  Validate(image, options);
  const bool masks565 = image.bitCount == 16 && image.masks == kMasks565;
  const uint32_t compression = masks565 ? uint32_t(kCompressionBitfields) : uint32_t(options.compression);
  std::vector<RgbQuad> palette;
  if (image.IsIndexed()) palette = image.palette.empty() ? DefaultPalette(image.bitCount) : image.palette;

  std::vector<uint8_t> pixels;
  const size_t stride = image.stride();
  if (options.compression == kCompressionRgb) {
    pixels.reserve(image.pixels.size());
    for (int32_t i = 0; i < image.height; ++i) {
      const uint8_t* row = image.Row(options.topDown ? i : image.height - 1 - i);
      pixels.insert(pixels.end(), row, row + stride);
    }
  } else {
    pixels = EncodeRle(image);
  }

  const uint64_t offset = kFileHeaderSize + kInfoHeaderSize + (masks565 ? 12 : 0) + palette.size() * 4;
  const uint64_t total = offset + pixels.size();
  if (total > std::numeric_limits<uint32_t>::max()) throw EBmpError("Bitmap is too large to save");

  std::vector<uint8_t> out;
  out.reserve(size_t(total));
  Put16(out, 0x4D42);
  Put32(out, uint32_t(total));
  Put32(out, 0);
  Put32(out, uint32_t(offset));
  Put32(out, kInfoHeaderSize);
  Put32(out, uint32_t(image.width));
  Put32(out, options.topDown ? uint32_t(-image.height) : uint32_t(image.height));
  Put16(out, 1);
  Put16(out, image.bitCount);
  Put32(out, compression);
  Put32(out, uint32_t(pixels.size()));
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  const bool fullPalette = palette.size() == (size_t(1) << image.bitCount);
  Put32(out, image.IsIndexed() && !fullPalette ? uint32_t(palette.size()) : 0);
  Put32(out, 0);
  if (masks565) {
    Put32(out, kMasks565.red);
    Put32(out, kMasks565.green);
    Put32(out, kMasks565.blue);
  }
  for (const RgbQuad& q : palette) {
    out.push_back(q.blue);
    out.push_back(q.green);
    out.push_back(q.red);
    out.push_back(0);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  Patch32(out, 2, uint32_t(out.size()));
  return out;
}

}  // namespace bmp
