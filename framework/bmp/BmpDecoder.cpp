#include "framework/bmp/BmpDecoder.h"

#include <bit>
#include <cstring>
#include <string>

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpFormat.h"
#include "framework/bmp/BmpRle.h"

namespace bmp {
namespace {

[[noreturn]] void Fail(const std::string& What) {
  throw EBmpError("Invalid bitmap: " + What);
}
[[noreturn]] void Truncated(const std::string& What) {
  throw EBmpError("Truncated bitmap: " + What);
}

// Little-endian reads that refuse to leave the buffer.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> Data) : data_(Data) {}
  size_t size() const { return data_.size(); }
  bool Has(uint64_t Offset, uint64_t Count) const {
    return Offset <= data_.size() && Count <= data_.size() - Offset;
  }
  uint16_t U16(size_t Offset, const char* What) const {
    if (!Has(Offset, 2)) Truncated(What);
    return uint16_t(data_[Offset] | (data_[Offset + 1] << 8));
  }
  uint32_t U32(size_t Offset, const char* What) const {
    if (!Has(Offset, 4)) Truncated(What);
    return uint32_t(data_[Offset]) | (uint32_t(data_[Offset + 1]) << 8) |
           (uint32_t(data_[Offset + 2]) << 16) | (uint32_t(data_[Offset + 3]) << 24);
  }
  std::span<const uint8_t> Bytes(size_t Offset, size_t Count) const { return data_.subspan(Offset, Count); }

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

Header ReadHeader(const Reader& In) {
  Header H;
  if (In.size() < kFileHeaderSize) Truncated("the file header needs 14 bytes");
  if (In.U16(0, "signature") != 0x4D42) Fail("the file does not start with \"BM\"");
  H.fileSize = In.U32(2, "file size");
  H.pixelOffset = In.U32(10, "pixel offset");
  H.headerSize = In.U32(14, "info header size");
  switch (H.headerSize) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kInfoV2HeaderSize:
    case kInfoV3HeaderSize:
    case kInfoV4HeaderSize:
    case kInfoV5HeaderSize:
      break;
    default:
      Fail("unsupported info header size " + std::to_string(H.headerSize));
  }
  if (!In.Has(kFileHeaderSize, H.headerSize)) Truncated("the info header is incomplete");
  const size_t Base = kFileHeaderSize;
  if (H.headerSize == kCoreHeaderSize) {
    H.width = In.U16(Base + 4, "width");
    H.height = In.U16(Base + 6, "height");
    H.planes = In.U16(Base + 8, "planes");
    H.bitCount = In.U16(Base + 10, "bit count");
    H.paletteEntrySize = 3;
  } else {
    H.width = int32_t(In.U32(Base + 4, "width"));
    H.height = int32_t(In.U32(Base + 8, "height"));
    H.planes = In.U16(Base + 12, "planes");
    H.bitCount = In.U16(Base + 14, "bit count");
    H.compression = In.U32(Base + 16, "compression");
    H.imageSize = In.U32(Base + 20, "image size");
    H.colorsUsed = In.U32(Base + 32, "colours used");
  }
  H.masksEnd = Base + H.headerSize;
  const bool Bitfields =
      H.compression == kCompressionBitfields || H.compression == kCompressionAlphaBitfields;
  if (Bitfields) {
    // A plain info header is followed by the masks; the longer headers carry them inside.
    size_t At = Base + kInfoHeaderSize;
    const bool WithAlpha = H.headerSize >= kInfoV3HeaderSize ||
                           (H.headerSize == kInfoHeaderSize && H.compression == kCompressionAlphaBitfields);
    H.masks.red = In.U32(At, "red mask");
    H.masks.green = In.U32(At + 4, "green mask");
    H.masks.blue = In.U32(At + 8, "blue mask");
    if (WithAlpha) H.masks.alpha = In.U32(At + 12, "alpha mask");
    if (H.headerSize == kInfoHeaderSize) H.masksEnd += WithAlpha ? 16 : 12;
  }
  return H;
}

// A mask must be one run of set bits inside the pixel.
bool IsContiguous(uint32_t Mask) {
  if (Mask == 0) return true;
  const uint32_t Shifted = Mask >> std::countr_zero(Mask);
  return (Shifted & (Shifted + 1)) == 0;
}

void ValidateMasks(const Header& H) {
  const BitMasks& M = H.masks;
  if (M.red == 0 || M.green == 0 || M.blue == 0) Fail("a colour mask is empty");
  const uint32_t All[] = {M.red, M.green, M.blue, M.alpha};
  uint32_t Seen = 0;
  for (uint32_t Mask : All) {
    if (!IsContiguous(Mask)) Fail("a colour mask is not contiguous");
    if (Seen & Mask) Fail("colour masks overlap");
    Seen |= Mask;
  }
  if (H.bitCount == 16 && (Seen >> 16) != 0) Fail("a colour mask exceeds 16 bits");
}

void ValidateHeader(const Header& H, const Reader& In) {
  if (H.planes != 1) Fail("plane count must be 1, not " + std::to_string(H.planes));
  if (H.width <= 0) Fail("width must be positive");
  if (H.height == 0 || H.height == INT32_MIN) Fail("height is 0 or out of range");
  if (!IsSupportedBitCount(H.bitCount)) Fail("unsupported bit count " + std::to_string(H.bitCount));
  switch (H.compression) {
    case kCompressionRgb:
      break;
    case kCompressionRle8:
      if (H.bitCount != 8) Fail("RLE8 needs 8 bits per pixel");
      break;
    case kCompressionRle4:
      if (H.bitCount != 4) Fail("RLE4 needs 4 bits per pixel");
      break;
    case kCompressionBitfields:
    case kCompressionAlphaBitfields:
      if (H.bitCount != 16 && H.bitCount != 32) Fail("bit fields need 16 or 32 bits per pixel");
      ValidateMasks(H);
      break;
    case kCompressionJpeg:
    case kCompressionPng:
      Fail("embedded JPEG or PNG pictures are not supported");
    default:
      Fail("unknown compression " + std::to_string(H.compression));
  }
  const bool Rle = H.compression == kCompressionRle8 || H.compression == kCompressionRle4;
  if (Rle && H.height < 0) Fail("RLE pictures cannot be stored top-down");
  if (H.bitCount <= 8 && H.colorsUsed > (1u << H.bitCount))
    Fail("palette of " + std::to_string(H.colorsUsed) + " colours for " + std::to_string(H.bitCount) +
         " bits per pixel");
  if (H.pixelOffset > In.size()) Truncated("pixel data offset lies past the end of the file");
  if (H.pixelOffset < H.masksEnd) Fail("pixel data offset lies inside the headers");
  if (H.fileSize != 0 && H.fileSize < H.pixelOffset) Fail("file size field is smaller than the pixel offset");
}

std::vector<RgbQuad> ReadPalette(const Header& H, const Reader& In) {
  std::vector<RgbQuad> Palette;
  if (H.bitCount > 8) return Palette;  // a colour table there is only an optimisation hint
  const uint32_t Count = H.colorsUsed != 0 ? H.colorsUsed : (1u << H.bitCount);
  const uint64_t End = H.masksEnd + uint64_t(Count) * H.paletteEntrySize;
  if (End > H.pixelOffset) {
    if (End > In.size()) Truncated("the palette is incomplete");
    Fail("the palette overlaps the pixel data");
  }
  Palette.resize(Count);
  const auto Entries = In.Bytes(size_t(H.masksEnd), size_t(Count) * H.paletteEntrySize);
  for (uint32_t I = 0; I < Count; ++I) {
    const uint8_t* E = Entries.data() + size_t(I) * H.paletteEntrySize;
    Palette[I] = RgbQuad{E[0], E[1], E[2], 0};
  }
  return Palette;
}

// Masks that a DIB section holds as they are; others are widened to 32 bits.
bool IsNativeLayout(uint16_t BitCount, const BitMasks& M) {
  if (BitCount == 16) return M == kMasks555 || M == kMasks565;
  return M == kMasks888 || M == kMasks8888;
}

uint8_t Scale(uint32_t Raw, uint32_t Mask) {
  if (Mask == 0) return 0;
  const int Shift = std::countr_zero(Mask);
  const uint32_t Max = Mask >> Shift;
  const uint32_t V = (Raw & Mask) >> Shift;
  return uint8_t((uint64_t(V) * 255 + Max / 2) / Max);
}

void ConvertBitfields(const Image& Raw, const BitMasks& M, Image& Out) {
  for (int32_t Y = 0; Y < Raw.height; ++Y) {
    const uint8_t* Src = Raw.Row(Y);
    uint8_t* Dst = Out.Row(Y);
    for (int32_t X = 0; X < Raw.width; ++X) {
      uint32_t V;
      if (Raw.bitCount == 16) {
        V = Src[2 * X] | (uint32_t(Src[2 * X + 1]) << 8);
      } else {
        V = uint32_t(Src[4 * X]) | (uint32_t(Src[4 * X + 1]) << 8) | (uint32_t(Src[4 * X + 2]) << 16) |
            (uint32_t(Src[4 * X + 3]) << 24);
      }
      Dst[4 * X] = Scale(V, M.blue);
      Dst[4 * X + 1] = Scale(V, M.green);
      Dst[4 * X + 2] = Scale(V, M.red);
      Dst[4 * X + 3] = Scale(V, M.alpha);
    }
  }
}

}  // namespace

Image Decode(std::span<const uint8_t> Data, const DecodeOptions& Options) {
  const Reader In(Data);
  const Header H = ReadHeader(In);
  ValidateHeader(H, In);

  const int32_t Width = int32_t(H.width);
  const int32_t Height = int32_t(H.height < 0 ? -H.height : H.height);
  const bool TopDown = H.height < 0;
  const size_t RowStride = Image::Stride(Width, H.bitCount);
  if (RowStride == 0) Fail("the picture is too wide");
  const uint64_t RawBytes = uint64_t(RowStride) * uint32_t(Height);
  if (RawBytes > Options.maxPixelBytes) Fail("the picture is too large");

  Image Picture;
  Picture.palette = ReadPalette(H, In);
  if (H.bitCount == 16) Picture.masks = kMasks555;
  if (H.bitCount == 32) Picture.masks = kMasks888;
  const bool Bitfields =
      H.compression == kCompressionBitfields || H.compression == kCompressionAlphaBitfields;
  if (Bitfields) Picture.masks = H.masks;
  const bool Native = (H.bitCount != 16 && H.bitCount != 32) || IsNativeLayout(H.bitCount, Picture.masks);
  if (!Native && uint64_t(Width) * 4 * uint32_t(Height) > Options.maxPixelBytes)
    Fail("the picture is too large");

  // Check the data is there before allocating for it: a short file may claim a huge picture.
  const size_t Available = Data.size() - H.pixelOffset;
  const bool Rle = H.compression == kCompressionRle8 || H.compression == kCompressionRle4;
  if (Rle && H.imageSize > Available) Truncated("the compressed pixel data is incomplete");
  if (!Rle && RawBytes > Available) Truncated("the pixel data is incomplete");

  // Allocate() would replace unusual masks; fill the raw picture through a plain buffer first.
  Image Raw;
  Raw.width = Width;
  Raw.height = Height;
  Raw.bitCount = H.bitCount;
  Raw.palette = std::move(Picture.palette);
  Raw.pixels.assign(size_t(RawBytes), 0);

  if (Rle) {
    const size_t StreamSize = H.imageSize != 0 ? H.imageSize : Available;
    DecodeRle(In.Bytes(H.pixelOffset, StreamSize), Raw);
  } else {
    const uint8_t* Src = Data.data() + H.pixelOffset;
    for (int32_t Y = 0; Y < Height; ++Y) {
      const int32_t FileRow = TopDown ? Y : Height - 1 - Y;
      std::memcpy(Raw.Row(Y), Src + size_t(FileRow) * RowStride, RowStride);
    }
  }

  if (Native) {
    Raw.masks = Picture.masks;
    return Raw;
  }
  Picture.palette.clear();
  Picture.masks = Picture.masks.alpha != 0 ? kMasks8888 : kMasks888;
  Picture.Allocate(Width, Height, 32);
  ConvertBitfields(Raw, H.masks, Picture);
  return Picture;
}

}  // namespace bmp
