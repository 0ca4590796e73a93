// Depth conversion: the pictures a bitmap keeps when its pixel format changes.
#include <gtest/gtest.h>

#include "framework/bmp/Bmp.h"
#include "tests/bmp/BmpTestFiles.h"

namespace {

using bmp::Image;

Image TwoColourPicture(uint16_t bits) {
  Image image;
  image.Allocate(9, 3, bits);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 9; ++x) bmp::SetPixel(image, x, y, (x + y) % 2 ? 0xFF00FF : 0x102030);
  return image;
}

TEST(BmpPixels, ConversionsThatCanHoldEveryColourAreExact) {
  const Image source = bmptest::Pattern(11, 6, 8);
  for (uint16_t bits : {24, 32, 8}) {
    const Image converted = bmp::ConvertBitCount(source, bits);
    ASSERT_EQ(converted.bitCount, bits);
    for (int32_t y = 0; y < source.height; ++y)
      for (int32_t x = 0; x < source.width; ++x)
        ASSERT_EQ(bmp::GetPixel(converted, x, y), bmp::GetPixel(source, x, y)) << bits;
  }
  // Two colours survive the way down to 1 bit, whatever they are, and back up.
  const Image two = TwoColourPicture(24);
  const Image mono = bmp::ConvertBitCount(two, 1);
  EXPECT_EQ(mono.palette.size(), 2u);
  const Image back = bmp::ConvertBitCount(mono, 24);
  EXPECT_EQ(back.pixels, two.pixels);
}

TEST(BmpPixels, SixteenBitKeepsTheTopBitsOfEachChannel) {
  Image source;
  source.Allocate(1, 1, 24);
  bmp::SetPixel(source, 0, 0, bmp::MakeRgb(0xFF, 0x84, 0x08));
  const Image c565 = bmp::ConvertBitCount(source, 16);
  EXPECT_EQ(c565.masks, bmp::kMasks565);
  EXPECT_EQ(bmp::GetPixel(c565, 0, 0), bmp::MakeRgb(0xFF, 0x86, 0x08));  // widened 6-bit green
  Image s555;
  s555.masks = bmp::kMasks555;
  s555.Allocate(1, 1, 16);
  bmp::SetPixel(s555, 0, 0, 0xFFFFFF);
  EXPECT_EQ(bmp::GetPixel(s555, 0, 0), 0xFFFFFFu);
}

TEST(BmpPixels, TooManyColoursFallBackToTheNearestDefaultColour) {
  const Image rich = bmptest::Pattern(40, 40, 24);
  const Image vga = bmp::ConvertBitCount(rich, 4);
  EXPECT_EQ(vga.palette, bmp::DefaultPalette(4));
  const Image grey = [] {
    Image g;
    g.Allocate(300, 1, 24);
    for (int32_t x = 0; x < 300; ++x)
      bmp::SetPixel(g, x, 0, bmp::MakeRgb(uint8_t(x), uint8_t(x), uint8_t(x)));
    return g;
  }();
  const Image eight = bmp::ConvertBitCount(grey, 8);
  for (int32_t x = 0; x < 256; x += 17) {
    const bmp::Rgb c = bmp::GetPixel(eight, x, 0);
    EXPECT_NEAR(bmp::RedOf(c), x & 0xFF, 4);
    EXPECT_EQ(bmp::RedOf(c), bmp::BlueOf(c));
  }
}

TEST(BmpPixels, DefaultAndCompletedPalettesHoldDistinctColours) {
  for (uint16_t bits : {1, 4, 8}) {
    const auto palette = bmp::DefaultPalette(bits);
    ASSERT_EQ(palette.size(), size_t(1) << bits);
    for (size_t i = 0; i < palette.size(); ++i)
      for (size_t j = i + 1; j < palette.size(); ++j) ASSERT_FALSE(palette[i] == palette[j]) << bits;
  }
  std::vector<bmp::RgbQuad> two = {bmp::RgbQuad{0x80, 0x80, 0, 0}, bmp::RgbQuad{0, 0, 0, 0}};  // teal, black
  bmp::CompletePalette(two, 4);
  ASSERT_EQ(two.size(), 16u);
  EXPECT_EQ(two[0], (bmp::RgbQuad{0x80, 0x80, 0, 0}));
  EXPECT_EQ(bmp::GetPixel(
                [&] {
                  bmp::Image i;
                  i.palette = two;
                  i.Allocate(1, 1, 4);
                  bmp::SetPixel(i, 0, 0, 0x0000FF);
                  return i;
                }(),
                0, 0),
            0x0000FFu);  // blue was added
}

TEST(BmpPixels, AlphaSurvives32To32AndIndexOutsideThePaletteReadsBlack) {
  Image source;
  source.masks = bmp::kMasks8888;
  source.Allocate(2, 1, 32);
  source.Row(0)[3] = 0x7F;
  const Image copy = bmp::ConvertBitCount(source, 32);
  EXPECT_EQ(copy.masks, bmp::kMasks8888);
  EXPECT_EQ(copy.Row(0)[3], 0x7F);

  Image indexed;
  indexed.palette = {bmp::RgbQuad{1, 2, 3, 0}};
  indexed.Allocate(2, 1, 8);
  indexed.Row(0)[1] = 200;
  EXPECT_EQ(bmp::GetPixel(indexed, 0, 0), bmp::MakeRgb(3, 2, 1));
  EXPECT_EQ(bmp::GetPixel(indexed, 1, 0), 0u);
}

}  // namespace
