// Constants of the BMP file layout shared by the decoder and the encoder.
#pragma once

#include <cstdint>

namespace bmp {

enum Compression : uint32_t {
  kCompressionRgb = 0,
  kCompressionRle8 = 1,
  kCompressionRle4 = 2,
  kCompressionBitfields = 3,
  kCompressionJpeg = 4,
  kCompressionPng = 5,
  kCompressionAlphaBitfields = 6,
};

inline constexpr uint32_t kFileHeaderSize = 14;
inline constexpr uint32_t kCoreHeaderSize = 12;  // the old header: 16-bit sizes, 3-byte palette entries
inline constexpr uint32_t kInfoHeaderSize = 40;
inline constexpr uint32_t kInfoV2HeaderSize = 52;  // + RGB masks
inline constexpr uint32_t kInfoV3HeaderSize = 56;  // + alpha mask
inline constexpr uint32_t kInfoV4HeaderSize = 108;
inline constexpr uint32_t kInfoV5HeaderSize = 124;

}  // namespace bmp
