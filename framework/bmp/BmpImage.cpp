#include "framework/bmp/BmpImage.h"

#include <cstdint>
#include <limits>
#include <string>

#include "framework/bmp/BmpError.h"

namespace bmp {

bool IsSupportedBitCount(uint32_t BitCount) {
  return BitCount == 1 || BitCount == 4 || BitCount == 8 || BitCount == 16 || BitCount == 24 ||
         BitCount == 32;
}

size_t Image::Stride(int32_t Width, uint16_t BitCount) {
  if (Width <= 0) return 0;
  const uint64_t Bits = uint64_t(uint32_t(Width)) * BitCount;
  const uint64_t Bytes = (Bits + 31) / 32 * 4;
  return Bytes > uint64_t(std::numeric_limits<int32_t>::max()) ? 0 : size_t(Bytes);
}

void Image::Allocate(int32_t NewWidth, int32_t NewHeight, uint16_t NewBitCount) {
  if (!IsSupportedBitCount(NewBitCount))
    throw EBmpError("Bitmap depth of " + std::to_string(NewBitCount) + " bits is not supported");
  if (NewWidth < 0 || NewHeight < 0) throw EBmpError("Bitmap size cannot be negative");
  const size_t RowBytes = Stride(NewWidth, NewBitCount);
  if (NewWidth > 0 && RowBytes == 0) throw EBmpError("Bitmap is too wide");
  const uint64_t Total = uint64_t(RowBytes) * uint32_t(NewHeight);
  if (Total > uint64_t(std::numeric_limits<int32_t>::max())) throw EBmpError("Bitmap is too large");
  width = NewWidth;
  height = NewHeight;
  bitCount = NewBitCount;
  if (bitCount == 16 && masks != kMasks555 && masks != kMasks565) masks = kMasks565;
  if (bitCount == 32 && masks != kMasks888 && masks != kMasks8888) masks = kMasks888;
  if (bitCount != 16 && bitCount != 32) masks = {};
  pixels.assign(size_t(Total), 0);
}

}  // namespace bmp
