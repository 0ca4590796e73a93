// Run-length coding of 8- and 4-bit rows (BI_RLE8, BI_RLE4).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/bmp/BmpImage.h"

namespace bmp {

// Expands an RLE stream into `image` (already allocated, indexed, zero-filled). The stream is
// bottom-up. Pixels that runs or moves place outside the picture are dropped, as GDI does; a stream
// that ends before its end-of-bitmap mark raises EBmpError.
void DecodeRle(std::span<const uint8_t> Stream, Image& Picture);

// Encodes an 8- or 4-bit image; the stream ends with the end-of-bitmap mark.
std::vector<uint8_t> EncodeRle(const Image& Picture);

}  // namespace bmp
