#include "skin/data/SkinDataHelpers.h"

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tests/skin/data/SkinIniText.h"

TEST(SkinDataHelpers, GetSectionNumCountsFromZeroWithoutGaps) {
  auto Ini =
      IniFromText("[Button0]\nImage=a.bmp\n[Button1]\nImage=b.bmp\n[Button2]\nImage=\n[Button3]\nImage=c\n");
  EXPECT_EQ(GetSectionNum(*Ini, "Button", "Image"), 2);
  EXPECT_EQ(GetSectionNum(*Ini, "button", "IMAGE"), 2);
  auto Gap = IniFromText("[Button1]\nImage=b.bmp\n");
  EXPECT_EQ(GetSectionNum(*Gap, "Button", "Image"), 0);
  auto Empty = IniFromText("");
  EXPECT_EQ(GetSectionNum(*Empty, "Button", "Image"), 0);
}

TEST(SkinDataHelpers, FileNamesOfTheArchive) {
  EXPECT_EQ(GetFileName("top.bmp"), "top");
  EXPECT_EQ(GetFileName("a.b.c"), "a");
  EXPECT_EQ(GetFileName("noext"), "");
  EXPECT_EQ(SkinBitmapName("dir\\sub/top.bmp"), "top.bmp");
  EXPECT_EQ(SkinBitmapName("TOP.BMP"), "");  // case-sensitive extension
  EXPECT_EQ(SkinBitmapName("top.bmp.png"), "");
  EXPECT_EQ(SkinBitmapName("dir/"), "");
  EXPECT_EQ(SkinBitmapName(""), "");
}

namespace {
void StreamOf(TMemoryStream& S, std::int32_t Length, std::string_view Bytes) {
  S.Clear();
  S.WriteInt32(Length);
  S.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  S.SetPosition(0);
}
}  // namespace

TEST(SkinStreamProperty, RoundTripAndEmpty) {
  TMemoryStream Data;
  Data.WriteBuffer("abc", 3);
  TMemoryStream Out;
  WriteSkinStream(Out, Data);
  ASSERT_EQ(Out.Size(), 7);
  EXPECT_EQ(Out.Bytes()[0], 3);
  Out.SetPosition(0);
  TMemoryStream Back;
  EXPECT_TRUE(ReadSkinStream(Out, Back));
  EXPECT_EQ(Back.Bytes(), Data.Bytes());
  EXPECT_EQ(Back.Position(), 0);

  TMemoryStream None, Written;
  WriteSkinStream(Written, None);
  EXPECT_EQ(Written.Size(), 4);
}

TEST(SkinStreamProperty, NonPositiveOrTruncatedLengthsLeaveTheStream) {
  TMemoryStream Data;
  Data.WriteBuffer("keep", 4);
  for (std::int32_t N : {0, -1, -2147483647 - 1}) {
    TMemoryStream In;
    StreamOf(In, N, "xyz");
    EXPECT_FALSE(ReadSkinStream(In, Data));
    EXPECT_EQ(Data.Size(), 4);
  }
  TMemoryStream ShortIn;
  StreamOf(ShortIn, 10, "xyz");
  EXPECT_THROW(ReadSkinStream(ShortIn, Data), EReadError);
  TMemoryStream HugeIn;
  StreamOf(HugeIn, 0x7FFFFFFF, "xyz");
  EXPECT_THROW(ReadSkinStream(HugeIn, Data), EReadError);
  EXPECT_EQ(String(Data.Bytes().begin(), Data.Bytes().end()), "keep");
}
