// libFuzzer entry: any input must decode or raise EBmpError; a decoded picture must also encode.
#include <cstddef>
#include <cstdint>

#include "framework/bmp/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bmp::DecodeOptions options;
  options.maxPixelBytes = 4u << 20;  // keeps each run fast; the limit logic is the same
  try {
    const bmp::Image image = bmp::Decode({data, size}, options);
    const auto file = bmp::Encode(image);
    const bmp::Image again = bmp::Decode(file, options);
    if (again.pixels.size() != image.pixels.size()) __builtin_trap();
    if (image.bitCount > 8 && image.pixels.size() <= (256u << 10)) {
      const bmp::Image indexed = bmp::ConvertBitCount(image, 8);
      (void)indexed;
    }
  } catch (const bmp::EBmpError&) {
  }
  return 0;
}
