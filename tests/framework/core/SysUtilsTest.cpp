#include "framework/core/SysUtils.h"

#include <gtest/gtest.h>

TEST(SysUtils, StrToIntDefAcceptsSignsAndDollarHex) {
  EXPECT_EQ(StrToIntDef("42", 0), 42);
  EXPECT_EQ(StrToIntDef("-42", 0), -42);
  EXPECT_EQ(StrToIntDef("+7", 0), 7);
  EXPECT_EQ(StrToIntDef("  12", 0), 12);
  EXPECT_EQ(StrToIntDef("$FF", 0), 255);
  EXPECT_EQ(StrToIntDef("$ff00ff", 0), 0xFF00FF);
  EXPECT_EQ(StrToIntDef("0x10", 0), 16);
  EXPECT_EQ(StrToIntDef("-$10", 0), -16);
  EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);  // a 32-bit pattern, as colours are written
  EXPECT_EQ(StrToIntDef("2147483647", 0), 2147483647);
  EXPECT_EQ(StrToIntDef("-2147483648", 0), -2147483647 - 1);
}

TEST(SysUtils, StrToIntDefRejectsMalformedAndOutOfRange) {
  for (const char* Bad : {"", "-", "$", "12a", "1 2", "2147483648", "-2147483649", "$100000000", "0x", "1.5",
                          "99999999999999999999999"})
    EXPECT_EQ(StrToIntDef(Bad, -99), -99) << Bad;
  EXPECT_THROW(StrToInt("x"), EConvertError);
  try {
    StrToInt("abc");
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "'abc' is not a valid integer value");
  }
  std::int64_t V;
  EXPECT_TRUE(TryStrToInt64("-9223372036854775808", V));
  EXPECT_EQ(V, INT64_MIN);
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", V));
}

TEST(SysUtils, NumberAndCaseHelpers) {
  EXPECT_EQ(IntToStr(-5), "-5");
  EXPECT_EQ(IntToHex(255, 2), "FF");
  EXPECT_EQ(IntToHex(10, 4), "000A");
  EXPECT_EQ(IntToHex(0x1234, 2), "1234");
  EXPECT_EQ(UpperCase("TTabSet ä"), "TTABSET ä");
  EXPECT_EQ(LowerCase("TaCenter"), "tacenter");
  EXPECT_EQ(CompareText("abc", "ABD"), -1);
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_EQ(CompareText("abcd", "ABC"), 1);
  EXPECT_TRUE(SameText("Personality", "PERSONALITY"));
  EXPECT_FALSE(SameText("a", "ab"));
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_EQ(Format("Menu hook:%4x %s", 0x1f, "x"), "Menu hook:  1f x");
}

TEST(SysUtils, Utf8Utf16RoundTripAndMalformedInput) {
  const String Text = "渐变字 a😀";
  const WideString Wide = Utf8ToUtf16(Text);
  EXPECT_EQ(Wide.size(), 7u);  // the emoji is a surrogate pair
  EXPECT_EQ(Utf16ToUtf8(Wide), Text);
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), WideString(u"\uFFFD\uFFFD"));  // overlong
  EXPECT_EQ(Utf8ToUtf16("\xE6\xB8"), WideString(u"\uFFFD\uFFFD"));  // truncated
  EXPECT_EQ(Utf16ToUtf8(WideString(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(WStringToUtf8(Utf8ToWString(Text)), Text);
}

TEST(SysUtils, FileNameParts) {
  EXPECT_EQ(ExtractFileName("C:\\skins\\a.b\\title.bmp"), "title.bmp");
  EXPECT_EQ(ExtractFileName("dir/file"), "file");
  EXPECT_EQ(ExtractFileExt("dir.x/file"), "");
  EXPECT_EQ(ExtractFileExt("title.BMP"), ".BMP");
  EXPECT_EQ(ExtractFilePath("a/b/c.ini"), "a/b/");
  EXPECT_EQ(ChangeFileExt("a.b/c.ini", ".skn"), "a.b/c.skn");
}

TEST(SysUtils, ParserErrorNamesTheLine) {
  EParserError E(12, "Unknown property 'Foo'");
  EXPECT_EQ(E.Line(), 12);
  EXPECT_STREQ(E.what(), "Line 12: Unknown property 'Foo'");
}
