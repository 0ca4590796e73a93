// Writes an Image as a BMP file: a 40-byte info header, the palette of the indexed depths, the 5-6-5
// masks for 16-bit pictures that use them, and the rows bottom-up unless asked otherwise.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/bmp/BmpFormat.h"
#include "framework/bmp/BmpImage.h"

namespace bmp {

struct EncodeOptions {
  // kCompressionRgb, or kCompressionRle8 / kCompressionRle4 for 8- and 4-bit pictures.
  Compression compression = kCompressionRgb;
  bool topDown = false;  // not allowed with RLE
};

// Throws EBmpError for an image that is not consistent (size, depth, palette, pixel buffer) or for
// options the depth cannot have.
std::vector<uint8_t> Encode(const Image& Picture, const EncodeOptions& Options = {});

}  // namespace bmp
