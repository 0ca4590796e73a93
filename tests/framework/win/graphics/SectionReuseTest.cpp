// Bitmaps inside a section-reuse scope: which DIB section a new picture lands in, that it shows
// only its own pixels there, and that no section outlives the scope.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/graphics/SectionReuse.h"
#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::PixelAt;

// A picture of one grey: every byte Shade (at 8 bits an index into a grey ramp).
bmp::Image Picture(int Width, int Height, std::uint16_t Bits, std::uint8_t Shade) {
  bmp::Image Image;
  if (Bits == 8) {
    for (int I = 0; I < 256; ++I) {
      const auto Grey = static_cast<std::uint8_t>(I);
      Image.palette.push_back(bmp::RgbQuad{Grey, Grey, Grey, 0});
    }
  }
  Image.Allocate(Width, Height, Bits);
  if (Bits == 32) Image.masks = bmp::kMasks888;
  std::fill(Image.pixels.begin(), Image.pixels.end(), Shade);
  return Image;
}

// The first picture is made, then let go of as the row says; the second is then given to a bitmap
// as the row says. Reused: whether the second lands in the first's section.
struct TReuseCase {
  const char* Name;
  bmp::Image First;
  bmp::Image Second;
  bool SameBitmap;  // the second picture replaces the first in the same bitmap, else a new bitmap
  bool Reused;
};

class SectionReuse : public ::testing::TestWithParam<TReuseCase> {};

TEST_P(SectionReuse, ANewPictureTakesTheSectionOfItsShapeAndShowsOnlyItsOwnPixels) {
  const TReuseCase& Case = GetParam();
  TSectionReuse Scope;
  auto First = std::make_unique<TBitmap>();
  First->FromImage(Case.First);
  First->Canvas()->Pixel(0, 0);  // selected into a DC, as drawn pictures are
  const HBITMAP FirstSection = First->Handle();
  TBitmap Other;
  TBitmap& Target = Case.SameBitmap ? *First : Other;
  if (!Case.SameBitmap) First.reset();
  Target.FromImage(Case.Second);
  EXPECT_EQ(Target.Handle() == FirstSection, Case.Reused);
  ASSERT_EQ(Target.Width(), Case.Second.width);
  ASSERT_EQ(Target.BitCount(), Case.Second.bitCount);
  const std::uint8_t Shade = Case.Second.pixels.front();
  for (int Y = 0; Y < Target.Height(); ++Y)
    for (int X = 0; X < Target.Width(); ++X)
      ASSERT_EQ(PixelAt(Target, X, Y), RGB(Shade, Shade, Shade)) << X << "," << Y;
  // Drawn through its DC, the new section shows the same.
  EXPECT_EQ(Target.Canvas()->Pixel(Target.Width() - 1, Target.Height() - 1), RGB(Shade, Shade, Shade));
}

bmp::Image OtherColourTable(bmp::Image Image) {
  Image.palette[2] = bmp::RgbQuad{9, 9, 9, 0};
  return Image;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionReuse,
    ::testing::Values(
        TReuseCase{"FreedPictureToANewBitmap", Picture(10, 5, 24, 40), Picture(10, 5, 24, 200), false, true},
        TReuseCase{"SameShapeInTheSameBitmap", Picture(10, 5, 24, 40), Picture(10, 5, 24, 200), true, true},
        TReuseCase{"ThirtyTwoBits", Picture(7, 3, 32, 40), Picture(7, 3, 32, 90), false, true},
        TReuseCase{"SameColourTable", Picture(6, 6, 8, 40), Picture(6, 6, 8, 70), false, true},
        TReuseCase{"OtherWidth", Picture(10, 5, 24, 40), Picture(11, 5, 24, 200), false, false},
        TReuseCase{"OtherHeight", Picture(10, 5, 24, 40), Picture(10, 4, 24, 200), true, false},
        TReuseCase{"OtherDepth", Picture(10, 5, 24, 40), Picture(10, 5, 32, 200), false, false},
        TReuseCase{"OtherColourTable", Picture(6, 6, 8, 40), OtherColourTable(Picture(6, 6, 8, 40)), true,
                   false}),
    [](const ::testing::TestParamInfo<TReuseCase>& Info) { return std::string(Info.param.Name); });

// A picture without pixels of its own (a size set) is black, whatever its section held.
TEST(SectionReuseScope, ASizeSetOverAKeptSectionIsBlack) {
  TSectionReuse Scope;
  {
    TBitmap Filled;
    Filled.FromImage(Picture(8, 4, 24, 255));
  }
  ASSERT_EQ(Scope.KeptCount(), 1u);
  TBitmap Sized(8, 4, pf24bit);
  EXPECT_EQ(Scope.KeptCount(), 0u);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 8; ++X) ASSERT_EQ(PixelAt(Sized, X, Y), RGB(0, 0, 0));
}

// Sections left with a scope are deleted when it closes; an inner scope keeps what is freed inside
// it, and without a scope a freed section is deleted at once.
TEST(SectionReuseScope, NoSectionOutlivesItsScope) {
  gfxtest::Fill(*std::make_unique<TBitmap>(2, 2, pf24bit), clRed);  // lasting stock objects first
  const DWORD Before = gfxtest::GdiObjects();
  std::vector<HBITMAP> Freed;
  {
    TSectionReuse Outer;
    for (int I = 0; I < 5; ++I) {
      TBitmap Bitmap(3 + I, 2, pf24bit);
      Freed.push_back(Bitmap.Handle());
    }
    EXPECT_EQ(Outer.KeptCount(), 5u);
    {
      TSectionReuse Inner;
      EXPECT_EQ(TSectionReuse::Current(), &Inner);
      { TBitmap Bitmap(3, 2, pf24bit); }  // a new section: the outer scope's is not looked at
      EXPECT_EQ(Inner.KeptCount(), 1u);
      EXPECT_EQ(Outer.KeptCount(), 5u);
    }
    EXPECT_EQ(TSectionReuse::Current(), &Outer);
    for (HBITMAP Section : Freed) EXPECT_NE(GetObjectType(Section), 0u);
  }
  EXPECT_EQ(TSectionReuse::Current(), nullptr);
  for (HBITMAP Section : Freed) EXPECT_EQ(GetObjectType(Section), 0u);
  HBITMAP Unscoped = nullptr;
  {
    TBitmap Bitmap(3, 2, pf24bit);
    Unscoped = Bitmap.Handle();
  }
  EXPECT_EQ(GetObjectType(Unscoped), 0u);
  EXPECT_EQ(gfxtest::GdiObjects(), Before);
}

}  // namespace
