// Malformed, truncated and hostile files: each must end in EBmpError with a message that says what
// is wrong, and never in a read outside the buffer (the sanitizers watch the native run).
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "framework/bmp/Bmp.h"
#include "tests/framework/bmp/BmpTestFiles.h"

namespace {

using bmptest::Build;
using bmptest::RawFile;

std::string DecodeError(const std::vector<uint8_t>& File, const bmp::DecodeOptions& Options = {}) {
  try {
    bmp::Decode(File, Options);
  } catch (const bmp::EBmpError& E) {
    return E.what();
  }
  return "(decoded)";
}

struct Case {
  const char* name;
  std::function<void(RawFile&)> corrupt;
  const char* message;
};

TEST(BmpCorrupt, EveryBadHeaderFieldIsNamed) {
  const Case Cases[] = {
      {"signature", [](RawFile& F) { F.signature = 0x5A4D; }, "\"BM\""},
      {"header size", [](RawFile& F) { F.headerSize = 64; }, "header size 64"},
      {"planes", [](RawFile& F) { F.planes = 2; }, "plane count"},
      {"zero width", [](RawFile& F) { F.width = 0; }, "width"},
      {"negative width", [](RawFile& F) { F.width = -5; }, "width"},
      {"zero height", [](RawFile& F) { F.height = 0; }, "height"},
      {"most negative height", [](RawFile& F) { F.height = INT32_MIN; }, "height"},
      {"bit count", [](RawFile& F) { F.bitCount = 3; }, "bit count 3"},
      {"unknown compression", [](RawFile& F) { F.compression = 9; }, "compression 9"},
      {"png inside", [](RawFile& F) { F.compression = 5; }, "PNG"},
      {"rle8 on 4 bits",
       [](RawFile& F) {
         F.compression = 1;
         F.bitCount = 4;
       },
       "RLE8"},
      {"rle4 on 8 bits", [](RawFile& F) { F.compression = 2; }, "RLE4"},
      {"top-down rle",
       [](RawFile& F) {
         F.compression = 1;
         F.height = -3;
       },
       "top-down"},
      {"bitfields on 8 bits",
       [](RawFile& F) {
         F.compression = 3;
         F.masks = {4, 2, 1};
       },
       "16 or 32"},
      {"palette too big", [](RawFile& F) { F.colorsUsed = 257; }, "palette of 257"},
      {"palette over pixels", [](RawFile& F) { F.pixelOffset = 14 + 40 + 8; }, "overlaps"},
      {"offset in header", [](RawFile& F) { F.pixelOffset = 20; }, "inside the headers"},
      {"offset past end", [](RawFile& F) { F.pixelOffset = 100000; }, "past the end"},
      {"file size field", [](RawFile& F) { F.fileSize = 30; }, "file size"},
      {"pixels cut", [](RawFile& F) { F.pixels.resize(20); }, "pixel data is incomplete"},
      {"huge",
       [](RawFile& F) {
         F.width = 0x7FFFFFFF;
         F.height = 0x7FFFFFFF;
       },
       "too"},
  };
  for (const Case& C : Cases) {
    RawFile F = bmptest::Small8Bit();
    C.corrupt(F);
    const std::string Message = DecodeError(Build(F));
    EXPECT_NE(Message.find(C.message), std::string::npos) << C.name << ": " << Message;
  }
}

TEST(BmpCorrupt, BadMasksAreRefused) {
  const std::vector<uint32_t> Bad[] = {
      {0xF800, 0x07E0, 0},         // empty
      {0xF800, 0x0FE0, 0x001F},    // overlapping
      {0xF0F0, 0x0700, 0x000F},    // not contiguous
      {0x1F0000, 0x07E0, 0x001F},  // outside 16 bits
  };
  for (const auto& Masks : Bad) {
    RawFile F;
    F.width = 2;
    F.height = 2;
    F.bitCount = 16;
    F.compression = bmp::kCompressionBitfields;
    F.masks = Masks;
    F.pixels.assign(8, 0);
    EXPECT_NE(DecodeError(Build(F)).find("mask"), std::string::npos) << DecodeError(Build(F));
  }
}

TEST(BmpCorrupt, DecodedSizeLimitStopsTinyFilesThatClaimHugePictures) {
  RawFile F;
  F.width = 60000;
  F.height = 60000;
  F.compression = bmp::kCompressionRle8;
  F.colorsUsed = 1;
  F.palette = {1, 2, 3, 0};
  F.pixels = {0, 1};
  EXPECT_NE(DecodeError(Build(F)).find("too large"), std::string::npos);
  bmp::DecodeOptions Generous;
  Generous.maxPixelBytes = uint64_t(1) << 40;
  F.width = 30;
  F.height = 20;
  EXPECT_EQ(DecodeError(Build(F), Generous), "(decoded)");
}

TEST(BmpCorrupt, EveryTruncationOfValidFilesIsReported) {
  std::vector<std::vector<uint8_t>> Files = {
      Build(bmptest::Small8Bit()),
      bmp::Encode(bmptest::Pattern(9, 4, 4), {bmp::kCompressionRle4}),
      bmp::Encode(bmptest::Pattern(9, 4, 8), {bmp::kCompressionRle8}),
      bmp::Encode(bmptest::Pattern(3, 3, 24)),
  };
  RawFile Core;
  Core.headerSize = 12;
  Core.bitCount = 1;
  Core.width = 8;
  Core.height = 1;
  Core.palette = {0, 0, 0, 255, 255, 255};
  Core.pixels = {0x55, 0, 0, 0};
  Files.push_back(Build(Core));
  for (const auto& File : Files) {
    ASSERT_EQ(DecodeError(File), "(decoded)");
    for (size_t Cut = 0; Cut < File.size(); ++Cut) {
      // A copy of exactly `cut` bytes, so that the sanitizer sees any read past its end.
      const std::vector<uint8_t> Part(File.begin(), File.begin() + ptrdiff_t(Cut));
      const std::string Message = DecodeError(Part);
      EXPECT_NE(Message, "(decoded)") << "cut at " << Cut << " of " << File.size();
    }
  }
}

TEST(BmpCorrupt, RandomDamageDecodesOrFailsCleanly) {
  std::mt19937 Random(4711);
  const std::vector<std::vector<uint8_t>> Seeds = {
      Build(bmptest::Small8Bit()),
      bmp::Encode(bmptest::Pattern(13, 7, 4), {bmp::kCompressionRle4}),
      bmp::Encode(bmptest::Pattern(13, 7, 8), {bmp::kCompressionRle8}),
      bmp::Encode(bmptest::Pattern(5, 3, 16)),
      bmp::Encode(bmptest::Pattern(5, 3, 32)),
  };
  bmp::DecodeOptions Options;
  Options.maxPixelBytes = 1 << 20;  // damaged sizes would otherwise make most rounds allocate a lot
  int Failures = 0;
  for (int Round = 0; Round < 4000; ++Round) {
    std::vector<uint8_t> File = Seeds[size_t(Round) % Seeds.size()];
    const int Flips = 1 + int(Random() % 4);
    for (int I = 0; I < Flips; ++I) File[Random() % File.size()] = uint8_t(Random());
    try {
      const bmp::Image Picture = bmp::Decode(File, Options);
      ASSERT_EQ(Picture.pixels.size(), Picture.stride() * size_t(Picture.height));
    } catch (const bmp::EBmpError&) {
      ++Failures;
    }
  }
  EXPECT_GT(Failures, 0);
}

}  // namespace
