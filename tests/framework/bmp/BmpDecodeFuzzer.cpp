// libFuzzer entry: any input must decode or raise EBmpError; a decoded picture must also encode.
#include <cstddef>
#include <cstdint>

#include "framework/bmp/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  bmp::DecodeOptions Options;
  Options.maxPixelBytes = 4u << 20;  // keeps each run fast; the limit logic is the same
  try {
    const bmp::Image Picture = bmp::Decode({Data, Size}, Options);
    const auto File = bmp::Encode(Picture);
    const bmp::Image Again = bmp::Decode(File, Options);
    if (Again.pixels.size() != Picture.pixels.size()) __builtin_trap();
    if (Picture.bitCount > 8 && Picture.pixels.size() <= (256u << 10)) {
      const bmp::Image Indexed = bmp::ConvertBitCount(Picture, 8);
      (void)Indexed;
    }
  } catch (const bmp::EBmpError&) {
  }
  return 0;
}
