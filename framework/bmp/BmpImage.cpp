#include "framework/bmp/BmpImage.h"

#include <cstdint>
#include <limits>
#include <string>

#include "framework/bmp/BmpError.h"

namespace bmp {

bool IsSupportedBitCount(uint32_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

size_t Image::Stride(int32_t width, uint16_t bitCount) {
  if (width <= 0) return 0;
  const uint64_t bits = uint64_t(uint32_t(width)) * bitCount;
  const uint64_t bytes = (bits + 31) / 32 * 4;
  return bytes > uint64_t(std::numeric_limits<int32_t>::max()) ? 0 : size_t(bytes);
}

void Image::Allocate(int32_t newWidth, int32_t newHeight, uint16_t newBitCount) {
  if (!IsSupportedBitCount(newBitCount))
    throw EBmpError("Bitmap depth of " + std::to_string(newBitCount) + " bits is not supported");
  if (newWidth < 0 || newHeight < 0) throw EBmpError("Bitmap size cannot be negative");
  const size_t rowBytes = Stride(newWidth, newBitCount);
  if (newWidth > 0 && rowBytes == 0) throw EBmpError("Bitmap is too wide");
  const uint64_t total = uint64_t(rowBytes) * uint32_t(newHeight);
  if (total > uint64_t(std::numeric_limits<int32_t>::max())) throw EBmpError("Bitmap is too large");
  width = newWidth;
  height = newHeight;
  bitCount = newBitCount;
  if (bitCount == 16 && masks != kMasks555 && masks != kMasks565) masks = kMasks565;
  if (bitCount == 32 && masks != kMasks888 && masks != kMasks8888) masks = kMasks888;
  if (bitCount != 16 && bitCount != 32) masks = {};
  pixels.assign(size_t(total), 0);
}

}  // namespace bmp
