// Hand-built BMP files for the codec tests: every header field can be set to any value.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/bmp/BmpImage.h"

namespace bmptest {

struct RawFile {
  uint16_t signature = 0x4D42;
  uint32_t fileSize = 0;     // 0: computed
  int64_t pixelOffset = -1;  // -1: computed
  uint32_t headerSize = 40;
  int32_t width = 4;
  int32_t height = 2;
  uint16_t planes = 1;
  uint16_t bitCount = 8;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;   // written after a 40-byte header, or inside the longer ones
  std::vector<uint8_t> palette;  // raw bytes
  std::vector<uint8_t> pixels;   // raw bytes as stored
};

std::vector<uint8_t> Build(const RawFile& File);

// A picture whose every pixel differs from its neighbours, in any depth.
bmp::Image Pattern(int32_t Width, int32_t Height, uint16_t BitCount);

// A valid bottom-up 8-bit file with a 4-colour palette: 5 x 3 pixels.
RawFile Small8Bit();

}  // namespace bmptest
