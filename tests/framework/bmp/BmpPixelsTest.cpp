// Depth conversion: the pictures a bitmap keeps when its pixel format changes.
#include <gtest/gtest.h>

#include "framework/bmp/Bmp.h"
#include "tests/framework/bmp/BmpTestFiles.h"

namespace {

using bmp::Image;

Image TwoColourPicture(uint16_t Bits) {
  Image Picture;
  Picture.Allocate(9, 3, Bits);
  for (int32_t Y = 0; Y < 3; ++Y)
    for (int32_t X = 0; X < 9; ++X) bmp::SetPixel(Picture, X, Y, (X + Y) % 2 ? 0xFF00FF : 0x102030);
  return Picture;
}

TEST(BmpPixels, ConversionsThatCanHoldEveryColourAreExact) {
  const Image Source = bmptest::Pattern(11, 6, 8);
  for (uint16_t Bits : {24, 32, 8}) {
    const Image Converted = bmp::ConvertBitCount(Source, Bits);
    ASSERT_EQ(Converted.bitCount, Bits);
    for (int32_t Y = 0; Y < Source.height; ++Y)
      for (int32_t X = 0; X < Source.width; ++X)
        ASSERT_EQ(bmp::GetPixel(Converted, X, Y), bmp::GetPixel(Source, X, Y)) << Bits;
  }
  // Two colours survive the way down to 1 bit, whatever they are, and back up.
  const Image TwoColours = TwoColourPicture(24);
  const Image Mono = bmp::ConvertBitCount(TwoColours, 1);
  EXPECT_EQ(Mono.palette.size(), 2u);
  const Image Back = bmp::ConvertBitCount(Mono, 24);
  EXPECT_EQ(Back.pixels, TwoColours.pixels);
}

TEST(BmpPixels, SixteenBitKeepsTheTopBitsOfEachChannel) {
  Image Source;
  Source.Allocate(1, 1, 24);
  bmp::SetPixel(Source, 0, 0, bmp::MakeRgb(0xFF, 0x84, 0x08));
  const Image C565 = bmp::ConvertBitCount(Source, 16);
  EXPECT_EQ(C565.masks, bmp::kMasks565);
  EXPECT_EQ(bmp::GetPixel(C565, 0, 0), bmp::MakeRgb(0xFF, 0x86, 0x08));  // widened 6-bit green
  Image S555;
  S555.masks = bmp::kMasks555;
  S555.Allocate(1, 1, 16);
  bmp::SetPixel(S555, 0, 0, 0xFFFFFF);
  EXPECT_EQ(bmp::GetPixel(S555, 0, 0), 0xFFFFFFu);
}

TEST(BmpPixels, TooManyColoursFallBackToTheNearestDefaultColour) {
  const Image Rich = bmptest::Pattern(40, 40, 24);
  const Image Vga = bmp::ConvertBitCount(Rich, 4);
  EXPECT_EQ(Vga.palette, bmp::DefaultPalette(4));
  const Image Grey = [] {
    Image G;
    G.Allocate(300, 1, 24);
    for (int32_t X = 0; X < 300; ++X)
      bmp::SetPixel(G, X, 0, bmp::MakeRgb(uint8_t(X), uint8_t(X), uint8_t(X)));
    return G;
  }();
  const Image Eight = bmp::ConvertBitCount(Grey, 8);
  for (int32_t X = 0; X < 256; X += 17) {
    const bmp::Rgb C = bmp::GetPixel(Eight, X, 0);
    EXPECT_NEAR(bmp::RedOf(C), X & 0xFF, 4);
    EXPECT_EQ(bmp::RedOf(C), bmp::BlueOf(C));
  }
}

TEST(BmpPixels, DefaultAndCompletedPalettesHoldDistinctColours) {
  for (uint16_t Bits : {1, 4, 8}) {
    const auto Palette = bmp::DefaultPalette(Bits);
    ASSERT_EQ(Palette.size(), size_t(1) << Bits);
    for (size_t I = 0; I < Palette.size(); ++I)
      for (size_t J = I + 1; J < Palette.size(); ++J) ASSERT_FALSE(Palette[I] == Palette[J]) << Bits;
  }
  std::vector<bmp::RgbQuad> Two = {bmp::RgbQuad{0x80, 0x80, 0, 0}, bmp::RgbQuad{0, 0, 0, 0}};  // teal, black
  bmp::CompletePalette(Two, 4);
  ASSERT_EQ(Two.size(), 16u);
  EXPECT_EQ(Two[0], (bmp::RgbQuad{0x80, 0x80, 0, 0}));
  EXPECT_EQ(bmp::GetPixel(
                [&] {
                  bmp::Image i;
                  i.palette = Two;
                  i.Allocate(1, 1, 4);
                  bmp::SetPixel(i, 0, 0, 0x0000FF);
                  return i;
                }(),
                0, 0),
            0x0000FFu);  // blue was added
}

TEST(BmpPixels, AlphaSurvives32To32AndIndexOutsideThePaletteReadsBlack) {
  Image Source;
  Source.masks = bmp::kMasks8888;
  Source.Allocate(2, 1, 32);
  Source.Row(0)[3] = 0x7F;
  const Image Copy = bmp::ConvertBitCount(Source, 32);
  EXPECT_EQ(Copy.masks, bmp::kMasks8888);
  EXPECT_EQ(Copy.Row(0)[3], 0x7F);

  Image Indexed;
  Indexed.palette = {bmp::RgbQuad{1, 2, 3, 0}};
  Indexed.Allocate(2, 1, 8);
  Indexed.Row(0)[1] = 200;
  EXPECT_EQ(bmp::GetPixel(Indexed, 0, 0), bmp::MakeRgb(3, 2, 1));
  EXPECT_EQ(bmp::GetPixel(Indexed, 1, 0), 0u);
}

}  // namespace
