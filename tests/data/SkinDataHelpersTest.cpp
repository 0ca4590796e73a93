#include "skin/data/SkinDataHelpers.h"

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tests/data/SkinIniText.h"

TEST(SkinDataHelpers, GetSectionNumCountsFromZeroWithoutGaps) {
  auto ini =
      IniFromText("[Button0]\nImage=a.bmp\n[Button1]\nImage=b.bmp\n[Button2]\nImage=\n[Button3]\nImage=c\n");
  EXPECT_EQ(GetSectionNum(*ini, "Button", "Image"), 2);
  EXPECT_EQ(GetSectionNum(*ini, "button", "IMAGE"), 2);
  auto gap = IniFromText("[Button1]\nImage=b.bmp\n");
  EXPECT_EQ(GetSectionNum(*gap, "Button", "Image"), 0);
  auto empty = IniFromText("");
  EXPECT_EQ(GetSectionNum(*empty, "Button", "Image"), 0);
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
void StreamOf(TMemoryStream& s, std::int32_t Length, std::string_view Bytes) {
  s.Clear();
  s.WriteInt32(Length);
  s.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  s.SetPosition(0);
}
}  // namespace

TEST(SkinStreamProperty, RoundTripAndEmpty) {
  TMemoryStream data;
  data.WriteBuffer("abc", 3);
  TMemoryStream out;
  WriteSkinStream(out, data);
  ASSERT_EQ(out.Size(), 7);
  EXPECT_EQ(out.Bytes()[0], 3);
  out.SetPosition(0);
  TMemoryStream back;
  EXPECT_TRUE(ReadSkinStream(out, back));
  EXPECT_EQ(back.Bytes(), data.Bytes());
  EXPECT_EQ(back.Position(), 0);

  TMemoryStream none, written;
  WriteSkinStream(written, none);
  EXPECT_EQ(written.Size(), 4);
}

TEST(SkinStreamProperty, NonPositiveOrTruncatedLengthsLeaveTheStream) {
  TMemoryStream data;
  data.WriteBuffer("keep", 4);
  for (std::int32_t n : {0, -1, -2147483647 - 1}) {
    TMemoryStream in;
    StreamOf(in, n, "xyz");
    EXPECT_FALSE(ReadSkinStream(in, data));
    EXPECT_EQ(data.Size(), 4);
  }
  TMemoryStream shortIn;
  StreamOf(shortIn, 10, "xyz");
  EXPECT_THROW(ReadSkinStream(shortIn, data), EReadError);
  TMemoryStream hugeIn;
  StreamOf(hugeIn, 0x7FFFFFFF, "xyz");
  EXPECT_THROW(ReadSkinStream(hugeIn, data), EReadError);
  EXPECT_EQ(String(data.Bytes().begin(), data.Bytes().end()), "keep");
}
