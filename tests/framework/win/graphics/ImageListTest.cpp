// TImageList: adding strips, masks and drawing by index.
#include <gtest/gtest.h>

#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

// Two 4 x 4 images side by side: a red square on magenta, and a blue one.
void MakeStrip(TBitmap& Strip) {
  Strip.SetPixelFormat(pf24bit);
  Strip.SetSize(8, 4);
  Fill(Strip, clFuchsia);
  Strip.Canvas()->Brush()->SetColor(clRed);
  Strip.Canvas()->FillRect(RECT{1, 1, 3, 3});
  Strip.Canvas()->Brush()->SetColor(clBlue);
  Strip.Canvas()->FillRect(RECT{4, 0, 8, 4});
}

TEST(ImageList, MaskedStripsDrawTransparentlyByIndex) {
  TImageList Images(nullptr, 4, 4);
  TBitmap Strip;
  MakeStrip(Strip);
  EXPECT_EQ(Images.AddMasked(&Strip, clFuchsia), 0);
  EXPECT_EQ(Images.Count(), 2);
  EXPECT_EQ(PixelAt(Strip, 0, 0), clFuchsia);  // the caller's bitmap is untouched

  TBitmap Target(10, 10, pf32bit);
  Fill(Target, clYellow);
  Images.Draw(Target.Canvas(), 2, 2, 0);
  EXPECT_EQ(PixelAt(Target, 2, 2), clYellow);
  EXPECT_EQ(PixelAt(Target, 3, 3), clRed);
  Images.Draw(Target.Canvas(), 6, 6, 1);
  EXPECT_EQ(PixelAt(Target, 9, 9), clBlue);
  Images.Draw(Target.Canvas(), 0, 0, 7);  // no such image: nothing happens

  TBitmap Single;
  ASSERT_TRUE(Images.GetBitmap(1, &Single));
  EXPECT_EQ(Single.Width(), 4);
  EXPECT_EQ(PixelAt(Single, 0, 0), clBlue);
  EXPECT_FALSE(Images.GetBitmap(2, &Single));
}

TEST(ImageList, ListOperationsAndSizeChanges) {
  TImageList Images(nullptr, 4, 4);
  TBitmap Strip;
  MakeStrip(Strip);
  TBitmap Mask(8, 4, pf1bit);
  EXPECT_EQ(Images.Add(&Strip, &Mask), 0);
  EXPECT_EQ(Images.Add(&Strip), 2);
  EXPECT_EQ(Images.Count(), 4);
  Strip.Canvas()->TextWidth("still usable");  // its canvas comes back after the list borrowed it
  Images.Delete(0);
  EXPECT_EQ(Images.Count(), 3);
  EXPECT_THROW(Images.Delete(3), EListError);

  TImageList Copy(nullptr);
  Copy.Assign(&Images);
  EXPECT_EQ(Copy.Count(), 3);
  EXPECT_EQ(Copy.Width(), 4);
  EXPECT_NE(Copy.Handle(), Images.Handle());

  Images.SetWidth(8);  // a new size starts an empty list
  EXPECT_EQ(Images.Count(), 0);
  Images.Clear();
  EXPECT_EQ(Copy.Count(), 3);
  const TClassInfo& Info = Images.ClassType();
  Info.FindProp("Height")->SetOrd(Images, 12);
  EXPECT_EQ(Images.Height(), 12);
}

}  // namespace
