#include "framework/bmp/BmpDecoder.h"

#include <bit>
#include <cstring>
#include <string>

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpFormat.h"
#include "framework/bmp/BmpRle.h"

namespace bmp {
namespace {

[[noreturn]] void Fail(const std::string& what) {
  throw EBmpError("Invalid bitmap: " + what);
}
[[noreturn]] void Truncated(const std::string& what) {
  throw EBmpError("Truncated bitmap: " + what);
}

// Little-endian reads that refuse to leave the buffer.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> data) : data_(data) {}
  size_t size() const { return data_.size(); }
  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  uint16_t U16(size_t offset, const char* what) const {
    if (!Has(offset, 2)) Truncated(what);
    return uint16_t(data_[offset] | (data_[offset + 1] << 8));
  }
  uint32_t U32(size_t offset, const char* what) const {
    if (!Has(offset, 4)) Truncated(what);
    return uint32_t(data_[offset]) | (uint32_t(data_[offset + 1]) << 8) |
           (uint32_t(data_[offset + 2]) << 16) | (uint32_t(data_[offset + 3]) << 24);
  }
  std::span<const uint8_t> Bytes(size_t offset, size_t count) const { return data_.subspan(offset, count); }

 private:
  std::span<const uint8_t> data_;
};

struct Header {
  uint32_t fileSize = 0;
  uint32_t pixelOffset = 0;
  uint32_t headerSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // negative: top-down
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = kCompressionRgb;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  BitMasks masks;
  uint64_t masksEnd = 0;  // where the palette starts
  uint32_t paletteEntrySize = 4;
};

Header ReadHeader(const Reader& in) {
  Header h;
  if (in.size() < kFileHeaderSize) Truncated("the file header needs 14 bytes");
  if (in.U16(0, "signature") != 0x4D42) Fail("the file does not start with \"BM\"");
  h.fileSize = in.U32(2, "file size");
  h.pixelOffset = in.U32(10, "pixel offset");
  h.headerSize = in.U32(14, "info header size");
  switch (h.headerSize) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kInfoV2HeaderSize:
    case kInfoV3HeaderSize:
    case kInfoV4HeaderSize:
    case kInfoV5HeaderSize:
      break;
    default:
      Fail("unsupported info header size " + std::to_string(h.headerSize));
  }
  if (!in.Has(kFileHeaderSize, h.headerSize)) Truncated("the info header is incomplete");
  const size_t base = kFileHeaderSize;
  if (h.headerSize == kCoreHeaderSize) {
    h.width = in.U16(base + 4, "width");
    h.height = in.U16(base + 6, "height");
    h.planes = in.U16(base + 8, "planes");
    h.bitCount = in.U16(base + 10, "bit count");
    h.paletteEntrySize = 3;
  } else {
    h.width = int32_t(in.U32(base + 4, "width"));
    h.height = int32_t(in.U32(base + 8, "height"));
    h.planes = in.U16(base + 12, "planes");
    h.bitCount = in.U16(base + 14, "bit count");
    h.compression = in.U32(base + 16, "compression");
    h.imageSize = in.U32(base + 20, "image size");
    h.colorsUsed = in.U32(base + 32, "colours used");
  }
  h.masksEnd = base + h.headerSize;
  const bool bitfields =
      h.compression == kCompressionBitfields || h.compression == kCompressionAlphaBitfields;
  if (bitfields) {
    // A plain info header is followed by the masks; the longer headers carry them inside.
    size_t at = base + kInfoHeaderSize;
    const bool withAlpha = h.headerSize >= kInfoV3HeaderSize ||
                           (h.headerSize == kInfoHeaderSize && h.compression == kCompressionAlphaBitfields);
    h.masks.red = in.U32(at, "red mask");
    h.masks.green = in.U32(at + 4, "green mask");
    h.masks.blue = in.U32(at + 8, "blue mask");
    if (withAlpha) h.masks.alpha = in.U32(at + 12, "alpha mask");
    if (h.headerSize == kInfoHeaderSize) h.masksEnd += withAlpha ? 16 : 12;
  }
  return h;
}

// A mask must be one run of set bits inside the pixel.
bool IsContiguous(uint32_t mask) {
  if (mask == 0) return true;
  const uint32_t shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;
}

void ValidateMasks(const Header& h) {
  const BitMasks& m = h.masks;
  if (m.red == 0 || m.green == 0 || m.blue == 0) Fail("a colour mask is empty");
  const uint32_t all[] = {m.red, m.green, m.blue, m.alpha};
  uint32_t seen = 0;
  for (uint32_t mask : all) {
    if (!IsContiguous(mask)) Fail("a colour mask is not contiguous");
    if (seen & mask) Fail("colour masks overlap");
    seen |= mask;
  }
  if (h.bitCount == 16 && (seen >> 16) != 0) Fail("a colour mask exceeds 16 bits");
}

void ValidateHeader(const Header& h, const Reader& in) {
  if (h.planes != 1) Fail("plane count must be 1, not " + std::to_string(h.planes));
  if (h.width <= 0) Fail("width must be positive");
  if (h.height == 0 || h.height == INT32_MIN) Fail("height is 0 or out of range");
  if (!IsSupportedBitCount(h.bitCount)) Fail("unsupported bit count " + std::to_string(h.bitCount));
  switch (h.compression) {
    case kCompressionRgb:
      break;
    case kCompressionRle8:
      if (h.bitCount != 8) Fail("RLE8 needs 8 bits per pixel");
      break;
    case kCompressionRle4:
      if (h.bitCount != 4) Fail("RLE4 needs 4 bits per pixel");
      break;
    case kCompressionBitfields:
    case kCompressionAlphaBitfields:
      if (h.bitCount != 16 && h.bitCount != 32) Fail("bit fields need 16 or 32 bits per pixel");
      ValidateMasks(h);
      break;
    case kCompressionJpeg:
    case kCompressionPng:
      Fail("embedded JPEG or PNG pictures are not supported");
    default:
      Fail("unknown compression " + std::to_string(h.compression));
  }
  const bool rle = h.compression == kCompressionRle8 || h.compression == kCompressionRle4;
  if (rle && h.height < 0) Fail("RLE pictures cannot be stored top-down");
  if (h.bitCount <= 8 && h.colorsUsed > (1u << h.bitCount))
    Fail("palette of " + std::to_string(h.colorsUsed) + " colours for " + std::to_string(h.bitCount) +
         " bits per pixel");
  if (h.pixelOffset > in.size()) Truncated("pixel data offset lies past the end of the file");
  if (h.pixelOffset < h.masksEnd) Fail("pixel data offset lies inside the headers");
  if (h.fileSize != 0 && h.fileSize < h.pixelOffset) Fail("file size field is smaller than the pixel offset");
}

std::vector<RgbQuad> ReadPalette(const Header& h, const Reader& in) {
  std::vector<RgbQuad> palette;
  if (h.bitCount > 8) return palette;  // a colour table there is only an optimisation hint
  const uint32_t count = h.colorsUsed != 0 ? h.colorsUsed : (1u << h.bitCount);
  const uint64_t end = h.masksEnd + uint64_t(count) * h.paletteEntrySize;
  if (end > h.pixelOffset) {
    if (end > in.size()) Truncated("the palette is incomplete");
    Fail("the palette overlaps the pixel data");
  }
  palette.resize(count);
  const auto bytes = in.Bytes(size_t(h.masksEnd), size_t(count) * h.paletteEntrySize);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* e = bytes.data() + size_t(i) * h.paletteEntrySize;
    palette[i] = RgbQuad{e[0], e[1], e[2], 0};
  }
  return palette;
}

// Masks that a DIB section holds as they are; others are widened to 32 bits.
bool IsNativeLayout(uint16_t bitCount, const BitMasks& m) {
  if (bitCount == 16) return m == kMasks555 || m == kMasks565;
  return m == kMasks888 || m == kMasks8888;
}

uint8_t Scale(uint32_t raw, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  const uint32_t v = (raw & mask) >> shift;
  return uint8_t((uint64_t(v) * 255 + max / 2) / max);
}

void ConvertBitfields(const Image& raw, const BitMasks& m, Image& out) {
  for (int32_t y = 0; y < raw.height; ++y) {
    const uint8_t* src = raw.Row(y);
    uint8_t* dst = out.Row(y);
    for (int32_t x = 0; x < raw.width; ++x) {
      uint32_t v;
      if (raw.bitCount == 16) {
        v = src[2 * x] | (uint32_t(src[2 * x + 1]) << 8);
      } else {
        v = uint32_t(src[4 * x]) | (uint32_t(src[4 * x + 1]) << 8) | (uint32_t(src[4 * x + 2]) << 16) |
            (uint32_t(src[4 * x + 3]) << 24);
      }
      dst[4 * x] = Scale(v, m.blue);
      dst[4 * x + 1] = Scale(v, m.green);
      dst[4 * x + 2] = Scale(v, m.red);
      dst[4 * x + 3] = Scale(v, m.alpha);
    }
  }
}

}  // namespace

Image Decode(std::span<const uint8_t> data, const DecodeOptions& options) {
  const Reader in(data);
  const Header h = ReadHeader(in);
  ValidateHeader(h, in);

  const int32_t width = int32_t(h.width);
  const int32_t height = int32_t(h.height < 0 ? -h.height : h.height);
  const bool topDown = h.height < 0;
  const size_t stride = Image::Stride(width, h.bitCount);
  if (stride == 0) Fail("the picture is too wide");
  const uint64_t rawBytes = uint64_t(stride) * uint32_t(height);
  if (rawBytes > options.maxPixelBytes) Fail("the picture is too large");

  Image image;
  image.palette = ReadPalette(h, in);
  if (h.bitCount == 16) image.masks = kMasks555;
  if (h.bitCount == 32) image.masks = kMasks888;
  const bool bitfields =
      h.compression == kCompressionBitfields || h.compression == kCompressionAlphaBitfields;
  if (bitfields) image.masks = h.masks;
  const bool native = (h.bitCount != 16 && h.bitCount != 32) || IsNativeLayout(h.bitCount, image.masks);
  if (!native && uint64_t(width) * 4 * uint32_t(height) > options.maxPixelBytes)
    Fail("the picture is too large");

  // Check the data is there before allocating for it: a short file may claim a huge picture.
  const size_t available = data.size() - h.pixelOffset;
  const bool rle = h.compression == kCompressionRle8 || h.compression == kCompressionRle4;
  if (rle && h.imageSize > available) Truncated("the compressed pixel data is incomplete");
  if (!rle && rawBytes > available) Truncated("the pixel data is incomplete");

  // Allocate() would replace unusual masks; fill the raw picture through a plain buffer first.
  Image raw;
  raw.width = width;
  raw.height = height;
  raw.bitCount = h.bitCount;
  raw.palette = std::move(image.palette);
  raw.pixels.assign(size_t(rawBytes), 0);

  if (rle) {
    const size_t streamSize = h.imageSize != 0 ? h.imageSize : available;
    DecodeRle(in.Bytes(h.pixelOffset, streamSize), raw);
  } else {
    const uint8_t* src = data.data() + h.pixelOffset;
    for (int32_t y = 0; y < height; ++y) {
      const int32_t fileRow = topDown ? y : height - 1 - y;
      std::memcpy(raw.Row(y), src + size_t(fileRow) * stride, stride);
    }
  }

  if (native) {
    raw.masks = image.masks;
    return raw;
  }
  image.palette.clear();
  image.masks = image.masks.alpha != 0 ? kMasks8888 : kMasks888;
  image.Allocate(width, height, 32);
  ConvertBitfields(raw, h.masks, image);
  return image;
}

}  // namespace bmp
