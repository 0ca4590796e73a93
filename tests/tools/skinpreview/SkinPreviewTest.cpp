// The preview shows what the skin holds: pixels of each part come from the matching element, both
// states of the frame differ, and a file that is no skin gives an error and no picture.

#include <gtest/gtest.h>

#include <sstream>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Colors.h"
#include "skin/data/SkinData.h"
#include "skin/package/SkinNotify.h"
#include "tools/skinpreview/SkinPreview.h"

namespace {

struct Loaded {
  TSkinData Data{nullptr};
  TSkinPreviewLayout Layout;
  std::unique_ptr<TBitmap> Picture;

  explicit Loaded(const char* Archive) {
    Data.FSkinStream->LoadFromFile(Archive);
    EXPECT_TRUE(Data.LoadSkin()) << Archive;
    Picture = RenderSkinPreview(Data, Layout);
  }
  COLORREF At(int X, int Y) { return ColorToRGB(Picture->Canvas()->Pixel(X, Y)); }
};

String TempPath(const char* Name) {
  wchar_t Dir[MAX_PATH];
  GetTempPathW(MAX_PATH, Dir);
  return WStringToUtf8(Dir) + Name;
}

TEST(SkinPreview, FrameStatesButtonsAndSwatchesComeFromTheSkin) {
  Loaded P(DEFAULT_SKIN_ARCHIVE);
  ASSERT_EQ(P.Picture->Width(), TSkinPreviewLayout::Width);
  ASSERT_EQ(P.Picture->Height(), TSkinPreviewLayout::Height);
  ASSERT_TRUE(P.Data.Borders[sbTop] && P.Data.Borders[sbTop]->Bitmap);

  // The caption between title and buttons: active and inactive frames are different artwork.
  const RECT& A = P.Layout.ActiveWindow;
  const RECT& I = P.Layout.InactiveWindow;
  const int Y = 4, X = (A.right - A.left) / 2 + 40;
  EXPECT_NE(P.At(A.left + X, A.top + Y), P.At(I.left + X, I.top + Y));
  // The rounded top-left corner is cut away: the background shows through.
  EXPECT_EQ(P.At(A.left, A.top), P.At(2, 2));
  // Client area is the button face.
  const COLORREF Face = ColorToRGB(P.Data.Colors[csButtonFace]);
  EXPECT_EQ(P.At(A.left + 150, A.bottom - 20), Face);

  // Push buttons: normal and pressed differ; the hot one differs from both.
  const int BY = P.Layout.PushButtonsTop + TSkinPreviewLayout::PushButtonHeight / 2;
  const int Step = TSkinPreviewLayout::PushButtonWidth + 8;
  const COLORREF Normal = P.At(10 + 4, BY), Pressed = P.At(10 + Step + 4, BY),
                 Hot = P.At(10 + 3 * Step + 4, BY);
  EXPECT_NE(Normal, Pressed);
  EXPECT_NE(Normal, Hot);

  // Swatches: one per scheme colour, in table order.
  constexpr int S = TSkinPreviewLayout::SwatchSize;
  for (int C = 0; C < kShemeColorCount; ++C) {
    EXPECT_EQ(P.At(10 + C * (S + 8) + S / 2, P.Layout.SwatchesTop + S / 2), ColorToRGB(P.Data.Colors[C]))
        << C;
  }
}

TEST(SkinPreview, SecondSkinLooksDifferent) {
  Loaded Light(DEFAULT_SKIN_ARCHIVE), Dark(DARK_SKIN_ARCHIVE);
  const RECT& A = Light.Layout.ActiveWindow;
  EXPECT_NE(Light.At(A.left + 200, A.top + 6), Dark.At(A.left + 200, A.top + 6));
  EXPECT_NE(Light.At(A.left + 150, A.bottom - 20), Dark.At(A.left + 150, A.bottom - 20));
}

TEST(SkinPreview, CommandLineWritesABitmapOrFailsCleanly) {
  const String Out = TempPath("skinpreview-test.bmp");
  DeleteFileW(Utf8ToWString(Out).c_str());
  std::ostringstream Err;
  ASSERT_EQ(RunSkinPreview(DEFAULT_SKIN_ARCHIVE, Out, Err), 0) << Err.str();
  TBitmap Back;
  {
    TFileStream In(Out, fmOpenRead);
    Back.LoadFromStream(In);
  }
  EXPECT_EQ(Back.Width(), TSkinPreviewLayout::Width);
  EXPECT_EQ(Back.Height(), TSkinPreviewLayout::Height);
  DeleteFileW(Utf8ToWString(Out).c_str());

  std::ostringstream Missing;
  EXPECT_EQ(RunSkinPreview(TempPath("no-such-skin.skn"), Out, Missing), 1);
  EXPECT_NE(Missing.str().find("cannot open"), std::string::npos);

  // Bytes that are no archive: an error, no picture.
  const String Junk = TempPath("skinpreview-junk.skn");
  {
    TFileStream J(Junk, fmCreate);
    const char Bytes[] = "\x10\x00\x00\x00not an archive at all";
    J.WriteBuffer(Bytes, sizeof Bytes);
  }
  std::ostringstream Bad;
  EXPECT_EQ(RunSkinPreview(Junk, Out, Bad), 1);
  EXPECT_NE(Bad.str().find("not a usable skin archive"), std::string::npos);
  EXPECT_EQ(GetFileAttributesW(Utf8ToWString(Out).c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(Utf8ToWString(Junk).c_str());
}

// The caption-button strips sit on the skin's own caption: where a frame is transparent, the caption
// shows, never the light page (on which a dark skin's light glyphs would all but vanish).
class SkinPreviewButtons : public testing::TestWithParam<const char*> {};

TEST_P(SkinPreviewButtons, StripsSitOnTheSkinsCaption) {
  Loaded P(GetParam());
  ASSERT_GE(P.Layout.CaptionButtonFrames.size(), 4u);
  const COLORREF Page = P.At(2, 2);
  int Transparent = 0;
  for (const RECT& R : P.Layout.CaptionButtonFrames)
    for (int Y = R.top; Y < R.bottom; ++Y)
      for (int X = R.left; X < R.right; ++X) {
        const COLORREF C = P.At(X, Y);
        EXPECT_NE(C, RGB(255, 0, 255)) << X << "," << Y;
        if (C == Page) ++Transparent;
      }
  EXPECT_EQ(Transparent, 0) << "pixels of the page background inside caption-button frames";
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, SkinPreviewButtons,
                         testing::Values(DEFAULT_SKIN_ARCHIVE, DARK_SKIN_ARCHIVE));

}  // namespace
