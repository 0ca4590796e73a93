// Reads a BMP file held in memory. Every header field is checked against the data actually there;
// anything malformed, truncated or unsupported raises EBmpError, and no byte outside `data` is read.
#pragma once

#include <cstdint>
#include <span>

#include "framework/bmp/BmpImage.h"

namespace bmp {

struct DecodeOptions {
  // Refuse pictures whose decoded pixels would need more memory than this: a 60-byte RLE file can
  // claim to be 60000 x 60000.
  uint64_t maxPixelBytes = uint64_t(256) << 20;
};

// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE8, RLE4 and bit fields, stored
// bottom-up or top-down, with the core, info and V2 to V5 headers. The result is top-down and
// uncompressed; RLE pictures come out as plain indexed images of the same depth.
Image Decode(std::span<const uint8_t> Data, const DecodeOptions& Options = {});

}  // namespace bmp
