#include "tests/bmp/BmpTestFiles.h"

#include "framework/bmp/BmpPixels.h"

namespace bmptest {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> Build(const RawFile& f) {
  std::vector<uint8_t> header;
  Put32(header, f.headerSize);
  if (f.headerSize == 12) {
    Put16(header, uint16_t(f.width));
    Put16(header, uint16_t(f.height));
    Put16(header, f.planes);
    Put16(header, f.bitCount);
  } else {
    Put32(header, uint32_t(f.width));
    Put32(header, uint32_t(f.height));
    Put16(header, f.planes);
    Put16(header, f.bitCount);
    Put32(header, f.compression);
    Put32(header, f.imageSize);
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, f.colorsUsed);
    Put32(header, 0);
    if (f.headerSize > 40) {
      for (uint32_t m : f.masks) Put32(header, m);
    }
    header.resize(f.headerSize, 0);
    if (f.headerSize == 40)
      for (uint32_t m : f.masks) Put32(header, m);
  }
  const uint32_t offset =
      f.pixelOffset >= 0 ? uint32_t(f.pixelOffset) : uint32_t(14 + header.size() + f.palette.size());
  std::vector<uint8_t> out;
  Put16(out, f.signature);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, offset);
  out.insert(out.end(), header.begin(), header.end());
  out.insert(out.end(), f.palette.begin(), f.palette.end());
  out.insert(out.end(), f.pixels.begin(), f.pixels.end());
  const uint32_t size = f.fileSize ? f.fileSize : uint32_t(out.size());
  for (int i = 0; i < 4; ++i) out[2 + size_t(i)] = uint8_t(size >> (8 * i));
  return out;
}

bmp::Image Pattern(int32_t width, int32_t height, uint16_t bitCount) {
  bmp::Image image;
  if (bitCount <= 8) {
    const uint32_t colours = 1u << bitCount;
    for (uint32_t i = 0; i < colours; ++i)
      image.palette.push_back(bmp::RgbQuad{uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 11 + 3), 0});
  }
  image.Allocate(width, height, bitCount);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      if (bitCount <= 8)
        bmp::SetPixelIndex(image, x, y, uint32_t(x * 3 + y * 5 + (x / 4)) % (1u << bitCount));
      else
        bmp::SetPixel(image, x, y,
                      bmp::MakeRgb(uint8_t(x * 40 + y), uint8_t(y * 30 + 7), uint8_t(x * y + 200)));
    }
  return image;
}

RawFile Small8Bit() {
  RawFile f;
  f.width = 5;
  f.height = 3;
  f.bitCount = 8;
  f.colorsUsed = 4;
  f.palette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // black, red, green, blue
  // Bottom row first; rows padded to 8 bytes.
  f.pixels = {0, 1, 2, 3, 0, 0, 0, 0,  //
              1, 1, 1, 1, 1, 0, 0, 0,  //
              3, 2, 1, 0, 3, 0, 0, 0};
  return f;
}

}  // namespace bmptest
