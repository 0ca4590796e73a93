// Malformed, truncated and hostile files: each must end in EBmpError with a message that says what
// is wrong, and never in a read outside the buffer (the sanitizers watch the native run).
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "framework/bmp/Bmp.h"
#include "tests/bmp/BmpTestFiles.h"

namespace {

using bmptest::Build;
using bmptest::RawFile;

std::string DecodeError(const std::vector<uint8_t>& file, const bmp::DecodeOptions& options = {}) {
  try {
    bmp::Decode(file, options);
  } catch (const bmp::EBmpError& e) {
    return e.what();
  }
  return "(decoded)";
}

struct Case {
  const char* name;
  std::function<void(RawFile&)> corrupt;
  const char* message;
};

TEST(BmpCorrupt, EveryBadHeaderFieldIsNamed) {
  const Case cases[] = {
      {"signature", [](RawFile& f) { f.signature = 0x5A4D; }, "\"BM\""},
      {"header size", [](RawFile& f) { f.headerSize = 64; }, "header size 64"},
      {"planes", [](RawFile& f) { f.planes = 2; }, "plane count"},
      {"zero width", [](RawFile& f) { f.width = 0; }, "width"},
      {"negative width", [](RawFile& f) { f.width = -5; }, "width"},
      {"zero height", [](RawFile& f) { f.height = 0; }, "height"},
      {"most negative height", [](RawFile& f) { f.height = INT32_MIN; }, "height"},
      {"bit count", [](RawFile& f) { f.bitCount = 3; }, "bit count 3"},
      {"unknown compression", [](RawFile& f) { f.compression = 9; }, "compression 9"},
      {"png inside", [](RawFile& f) { f.compression = 5; }, "PNG"},
      {"rle8 on 4 bits",
       [](RawFile& f) {
         f.compression = 1;
         f.bitCount = 4;
       },
       "RLE8"},
      {"rle4 on 8 bits", [](RawFile& f) { f.compression = 2; }, "RLE4"},
      {"top-down rle",
       [](RawFile& f) {
         f.compression = 1;
         f.height = -3;
       },
       "top-down"},
      {"bitfields on 8 bits",
       [](RawFile& f) {
         f.compression = 3;
         f.masks = {4, 2, 1};
       },
       "16 or 32"},
      {"palette too big", [](RawFile& f) { f.colorsUsed = 257; }, "palette of 257"},
      {"palette over pixels", [](RawFile& f) { f.pixelOffset = 14 + 40 + 8; }, "overlaps"},
      {"offset in header", [](RawFile& f) { f.pixelOffset = 20; }, "inside the headers"},
      {"offset past end", [](RawFile& f) { f.pixelOffset = 100000; }, "past the end"},
      {"file size field", [](RawFile& f) { f.fileSize = 30; }, "file size"},
      {"pixels cut", [](RawFile& f) { f.pixels.resize(20); }, "pixel data is incomplete"},
      {"huge",
       [](RawFile& f) {
         f.width = 0x7FFFFFFF;
         f.height = 0x7FFFFFFF;
       },
       "too"},
  };
  for (const Case& c : cases) {
    RawFile f = bmptest::Small8Bit();
    c.corrupt(f);
    const std::string message = DecodeError(Build(f));
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
  }
}

TEST(BmpCorrupt, BadMasksAreRefused) {
  const std::vector<uint32_t> bad[] = {
      {0xF800, 0x07E0, 0},         // empty
      {0xF800, 0x0FE0, 0x001F},    // overlapping
      {0xF0F0, 0x0700, 0x000F},    // not contiguous
      {0x1F0000, 0x07E0, 0x001F},  // outside 16 bits
  };
  for (const auto& masks : bad) {
    RawFile f;
    f.width = 2;
    f.height = 2;
    f.bitCount = 16;
    f.compression = bmp::kCompressionBitfields;
    f.masks = masks;
    f.pixels.assign(8, 0);
    EXPECT_NE(DecodeError(Build(f)).find("mask"), std::string::npos) << DecodeError(Build(f));
  }
}

TEST(BmpCorrupt, DecodedSizeLimitStopsTinyFilesThatClaimHugePictures) {
  RawFile f;
  f.width = 60000;
  f.height = 60000;
  f.compression = bmp::kCompressionRle8;
  f.colorsUsed = 1;
  f.palette = {1, 2, 3, 0};
  f.pixels = {0, 1};
  EXPECT_NE(DecodeError(Build(f)).find("too large"), std::string::npos);
  bmp::DecodeOptions generous;
  generous.maxPixelBytes = uint64_t(1) << 40;
  f.width = 30;
  f.height = 20;
  EXPECT_EQ(DecodeError(Build(f), generous), "(decoded)");
}

TEST(BmpCorrupt, EveryTruncationOfValidFilesIsReported) {
  std::vector<std::vector<uint8_t>> files = {
      Build(bmptest::Small8Bit()),
      bmp::Encode(bmptest::Pattern(9, 4, 4), {bmp::kCompressionRle4}),
      bmp::Encode(bmptest::Pattern(9, 4, 8), {bmp::kCompressionRle8}),
      bmp::Encode(bmptest::Pattern(3, 3, 24)),
  };
  RawFile core;
  core.headerSize = 12;
  core.bitCount = 1;
  core.width = 8;
  core.height = 1;
  core.palette = {0, 0, 0, 255, 255, 255};
  core.pixels = {0x55, 0, 0, 0};
  files.push_back(Build(core));
  for (const auto& file : files) {
    ASSERT_EQ(DecodeError(file), "(decoded)");
    for (size_t cut = 0; cut < file.size(); ++cut) {
      // A copy of exactly `cut` bytes, so that the sanitizer sees any read past its end.
      const std::vector<uint8_t> part(file.begin(), file.begin() + ptrdiff_t(cut));
      const std::string message = DecodeError(part);
      EXPECT_NE(message, "(decoded)") << "cut at " << cut << " of " << file.size();
    }
  }
}

TEST(BmpCorrupt, RandomDamageDecodesOrFailsCleanly) {
  std::mt19937 random(4711);
  const std::vector<std::vector<uint8_t>> seeds = {
      Build(bmptest::Small8Bit()),
      bmp::Encode(bmptest::Pattern(13, 7, 4), {bmp::kCompressionRle4}),
      bmp::Encode(bmptest::Pattern(13, 7, 8), {bmp::kCompressionRle8}),
      bmp::Encode(bmptest::Pattern(5, 3, 16)),
      bmp::Encode(bmptest::Pattern(5, 3, 32)),
  };
  bmp::DecodeOptions options;
  options.maxPixelBytes = 1 << 20;  // damaged sizes would otherwise make most rounds allocate a lot
  int failures = 0;
  for (int round = 0; round < 4000; ++round) {
    std::vector<uint8_t> file = seeds[size_t(round) % seeds.size()];
    const int flips = 1 + int(random() % 4);
    for (int i = 0; i < flips; ++i) file[random() % file.size()] = uint8_t(random());
    try {
      const bmp::Image image = bmp::Decode(file, options);
      ASSERT_EQ(image.pixels.size(), image.stride() * size_t(image.height));
    } catch (const bmp::EBmpError&) {
      ++failures;
    }
  }
  EXPECT_GT(failures, 0);
}

}  // namespace
