#include "framework/bmp/BmpRle.h"

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpPixels.h"

namespace bmp {
namespace {

[[noreturn]] void Truncated() {
  throw EBmpError("Truncated bitmap: the compressed pixel data ends before its end-of-bitmap mark");
}

// Write position of the decoder: x across, y counted from the bottom row as the stream runs.
struct Cursor {
  Image& image;
  uint64_t x = 0;
  uint64_t y = 0;
  void Put(uint32_t index) {
    if (x < uint64_t(image.width) && y < uint64_t(image.height))
      SetPixelIndex(image, int32_t(x), image.height - 1 - int32_t(y), index);
    ++x;
  }
};

}  // namespace

void DecodeRle(std::span<const uint8_t> stream, Image& image) {
  const bool four = image.bitCount == 4;
  Cursor at{image};
  size_t pos = 0;
  auto need = [&](size_t n) {
    if (stream.size() - pos < n) Truncated();
  };
  for (;;) {
    need(2);
    const uint8_t count = stream[pos], value = stream[pos + 1];
    pos += 2;
    if (count != 0) {  // encoded run
      for (uint32_t i = 0; i < count; ++i) at.Put(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        at.x = 0;
        ++at.y;
        break;
      case 1:
        return;  // end of bitmap
      case 2:    // move right and up
        need(2);
        at.x += stream[pos];
        at.y += stream[pos + 1];
        pos += 2;
        break;
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const size_t bytes = four ? (value + 1u) / 2 : value;
        const size_t padded = (bytes + 1) & ~size_t(1);
        need(padded);
        for (uint32_t i = 0; i < value; ++i) {
          const uint8_t b = stream[pos + (four ? i / 2 : i)];
          at.Put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
        }
        pos += padded;
      }
    }
  }
}

std::vector<uint8_t> EncodeRle(const Image& image) {
  if (image.bitCount != 8 && image.bitCount != 4) throw EBmpError("RLE needs an 8- or 4-bit picture");
  const bool four = image.bitCount == 4;
  std::vector<uint8_t> out;
  std::vector<uint8_t> px(size_t(image.width));
  for (int32_t yb = 0; yb < image.height; ++yb) {
    const int32_t y = image.height - 1 - yb;
    for (int32_t x = 0; x < image.width; ++x) px[size_t(x)] = uint8_t(GetPixelIndex(image, x, y));
    const size_t w = px.size();
    size_t i = 0;
    while (i < w) {
      size_t run = 1;
      while (i + run < w && run < 255 && px[i + run] == px[i]) ++run;
      if (run >= 2) {
        out.push_back(uint8_t(run));
        out.push_back(four ? uint8_t(px[i] << 4 | px[i]) : px[i]);
        i += run;
        continue;
      }
      // Gather differing pixels until a run of three starts: shorter runs cost more on their own.
      size_t j = i;
      while (j < w && j - i < 255) {
        if (j + 2 < w && px[j] == px[j + 1] && px[j + 1] == px[j + 2]) break;
        ++j;
      }
      const size_t n = j - i;
      if (n < 3) {  // absolute mode needs three pixels at least
        for (size_t k = i; k < j; ++k) {
          out.push_back(1);
          out.push_back(four ? uint8_t(px[k] << 4) : px[k]);
        }
      } else {
        out.push_back(0);
        out.push_back(uint8_t(n));
        size_t bytes = 0;
        if (four) {
          for (size_t k = 0; k < n; k += 2) {
            out.push_back(uint8_t(px[i + k] << 4 | (k + 1 < n ? px[i + k + 1] : 0)));
            ++bytes;
          }
        } else {
          out.insert(out.end(), px.begin() + ptrdiff_t(i), px.begin() + ptrdiff_t(j));
          bytes = n;
        }
        if (bytes & 1) out.push_back(0);
      }
      i = j;
    }
    out.push_back(0);
    out.push_back(yb + 1 == image.height ? 1 : 0);
  }
  if (image.height == 0) {
    out.push_back(0);
    out.push_back(1);
  }
  return out;
}

}  // namespace bmp
