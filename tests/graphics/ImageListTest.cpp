// TImageList: adding strips, masks and drawing by index.
#include <gtest/gtest.h>

#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

// Two 4 x 4 images side by side: a red square on magenta, and a blue one.
void MakeStrip(TBitmap& strip) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(8, 4);
  Fill(strip, clFuchsia);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(RECT{1, 1, 3, 3});
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(RECT{4, 0, 8, 4});
}

TEST(ImageList, MaskedStripsDrawTransparentlyByIndex) {
  TImageList images(nullptr, 4, 4);
  TBitmap strip;
  MakeStrip(strip);
  EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(PixelAt(strip, 0, 0), clFuchsia);  // the caller's bitmap is untouched

  TBitmap target(10, 10, pf32bit);
  Fill(target, clYellow);
  images.Draw(target.Canvas(), 2, 2, 0);
  EXPECT_EQ(PixelAt(target, 2, 2), clYellow);
  EXPECT_EQ(PixelAt(target, 3, 3), clRed);
  images.Draw(target.Canvas(), 6, 6, 1);
  EXPECT_EQ(PixelAt(target, 9, 9), clBlue);
  images.Draw(target.Canvas(), 0, 0, 7);  // no such image: nothing happens

  TBitmap single;
  ASSERT_TRUE(images.GetBitmap(1, &single));
  EXPECT_EQ(single.Width(), 4);
  EXPECT_EQ(PixelAt(single, 0, 0), clBlue);
  EXPECT_FALSE(images.GetBitmap(2, &single));
}

TEST(ImageList, ListOperationsAndSizeChanges) {
  TImageList images(nullptr, 4, 4);
  TBitmap strip;
  MakeStrip(strip);
  TBitmap mask(8, 4, pf1bit);
  EXPECT_EQ(images.Add(&strip, &mask), 0);
  EXPECT_EQ(images.Add(&strip), 2);
  EXPECT_EQ(images.Count(), 4);
  strip.Canvas()->TextWidth("still usable");  // its canvas comes back after the list borrowed it
  images.Delete(0);
  EXPECT_EQ(images.Count(), 3);
  EXPECT_THROW(images.Delete(3), EListError);

  TImageList copy(nullptr);
  copy.Assign(&images);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_NE(copy.Handle(), images.Handle());

  images.SetWidth(8);  // a new size starts an empty list
  EXPECT_EQ(images.Count(), 0);
  images.Clear();
  EXPECT_EQ(copy.Count(), 3);
  const TClassInfo& info = images.ClassType();
  info.FindProp("Height")->SetOrd(images, 12);
  EXPECT_EQ(images.Height(), 12);
}

}  // namespace
