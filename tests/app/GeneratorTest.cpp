// The generator's mark-up: steps, colours, pieces and the 8-bit code page round trip.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "app/Generator.h"

namespace {

using gradient::BuildMarkup;
using gradient::Colour;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr UINT kWestern = 1252;
constexpr UINT kChinese = 936;

std::string Piece(const char* rgb, const std::string& character) {
  return std::string("[color=#") + rgb + "]" + character + "[/color]";
}

std::u16string WidePiece(const char16_t* rgb, const std::u16string& character) {
  return std::u16string(u"[color=#") + rgb + u"]" + character + u"[/color]";
}

TEST(GeneratorSteps, IntegerDivisionTruncatedTowardsZeroKeptAsFloat) {
  const gradient::Steps two = gradient::ComputeSteps(kRed, kBlue, 2);
  EXPECT_EQ(two.Red, -255.0f);
  EXPECT_EQ(two.Green, 0.0f);
  EXPECT_EQ(two.Blue, 255.0f);

  const gradient::Steps three = gradient::ComputeSteps(kRed, kBlue, 3);
  EXPECT_EQ(three.Red, -127.0f);
  EXPECT_EQ(three.Blue, 127.0f);

  // -10 / 3 is -3, not the floor -4.
  const gradient::Steps down = gradient::ComputeSteps(0x000A0A, 0x000000, 4);
  EXPECT_EQ(down.Red, -3.0f);
  EXPECT_EQ(down.Green, -3.0f);
  EXPECT_EQ(down.Blue, 0.0f);
}

TEST(GeneratorSteps, ColoursAreStartPlusWholeSteps) {
  // Extreme colours over many lengths: every channel is exactly start + i * q, inside 0 to 255.
  const Colour start = 0x00FF00, end = 0xFF00FF;
  for (int count = 2; count < 600; count += 7) {
    const gradient::Steps steps = gradient::ComputeSteps(start, end, count);
    const int q[3] = {255 / (count - 1), -255 / (count - 1), 255 / (count - 1)};
    for (int i = 0; i < count; ++i) {
      const Colour c = gradient::ColourAt(start, steps, i);
      for (int channel = 0; channel < 3; ++channel) {
        const int first = static_cast<int>((start >> (8 * channel)) & 0xFF);
        ASSERT_EQ(static_cast<int>((c >> (8 * channel)) & 0xFF), first + i * q[channel]) << count << " " << i;
      }
    }
  }
}

TEST(GeneratorMarkup, TwoCharactersRunFromStartToEnd) {
  const auto markup = BuildMarkup(u"ab", kRed, kBlue, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi, "[color=#FF0000]a[/color][color=#0000FF]b[/color]");
  EXPECT_EQ(markup->Wide, u"[color=#FF0000]a[/color][color=#0000FF]b[/color]");
}

TEST(GeneratorMarkup, ThreeCharactersStopShortOfPureBlue) {
  const auto markup = BuildMarkup(u"abc", kRed, kBlue, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi, Piece("FF0000", "a") + Piece("80007F", "b") + Piece("0100FE", "c"));
  EXPECT_EQ(markup->ChannelSteps.Red, -127.0f);
  EXPECT_EQ(markup->ChannelSteps.Blue, 127.0f);
}

TEST(GeneratorMarkup, EqualColoursGiveOneColourAndSpacesGetTheirOwnPiece) {
  const auto markup = BuildMarkup(u"a b!", 0x3C2B1A, 0x3C2B1A, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi,
            Piece("1A2B3C", "a") + Piece("1A2B3C", " ") + Piece("1A2B3C", "b") + Piece("1A2B3C", "!"));
}

TEST(GeneratorMarkup, HexadecimalIsUpperCaseWithTwoDigits) {
  const auto markup = BuildMarkup(u"xy", 0x0A0B0C, 0x0A0B0C, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi, Piece("0C0B0A", "x") + Piece("0C0B0A", "y"));
}

TEST(GeneratorMarkup, FewerThanTwoCharactersGiveNothing) {
  EXPECT_FALSE(BuildMarkup(u"", kRed, kBlue, kWestern));
  EXPECT_FALSE(BuildMarkup(u"a", kRed, kBlue, kWestern));
  EXPECT_FALSE(BuildMarkup(u"\u6e10", kRed, kBlue, kChinese));
}

TEST(GeneratorMarkup, DoubleByteCharacterIsOnePieceWithItsTwoBytes) {
  const auto markup = BuildMarkup(u"\u6e10\u53d8", kRed, kBlue, kChinese);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi, Piece("FF0000", "\xBD\xA5") + Piece("0000FF", "\xB1\xE4"));
  EXPECT_EQ(markup->Wide, WidePiece(u"FF0000", u"\u6e10") + WidePiece(u"0000FF", u"\u53d8"));
}

TEST(GeneratorMarkup, UnrepresentableCharacterBecomesTheSubstitute) {
  const auto markup = BuildMarkup(u"a\u6e10", kRed, kBlue, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Ansi, Piece("FF0000", "a") + Piece("0000FF", "?"));
  // The wide mark-up keeps what was typed.
  EXPECT_EQ(markup->Wide, WidePiece(u"FF0000", u"a") + WidePiece(u"0000FF", u"\u6e10"));
}

TEST(GeneratorMarkup, SurrogatePairIsOneCharacterOfTheWideMarkup) {
  const std::u16string face = u"\U0001F600";
  const auto markup = BuildMarkup(u"a" + face + u"b", kRed, kBlue, kChinese);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Wide,
            WidePiece(u"FF0000", u"a") + WidePiece(u"80007F", face) + WidePiece(u"0100FE", u"b"));
}

TEST(GeneratorMarkup, BrokenSurrogatesAreSingleCharacters) {
  const std::u16string text{u'\xDC00', u'a', u'\xD800'};
  const auto markup = BuildMarkup(text, kRed, kBlue, kWestern);
  ASSERT_TRUE(markup);
  EXPECT_EQ(markup->Wide,
            WidePiece(u"FF0000", u"\xDC00") + WidePiece(u"80007F", u"a") + WidePiece(u"0100FE", u"\xD800"));
}

// The system's own ANSI code page. Run once more with LC_ALL=zh_CN.UTF-8 and GRADIENT_EXPECT_ACP=936,
// where Wine's code page must then be 936.
TEST(SystemCodePage, FollowsTheLocale) {
  const char* expected = std::getenv("GRADIENT_EXPECT_ACP");
  if (expected) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
  }
  const auto ascii = BuildMarkup(u"ab", kRed, kBlue);
  ASSERT_TRUE(ascii);
  EXPECT_EQ(ascii->Ansi, Piece("FF0000", "a") + Piece("0000FF", "b"));

  if (GetACP() != kChinese) GTEST_SKIP() << "ANSI code page is " << GetACP();
  const auto chinese = BuildMarkup(u"\u6e10a\u53d8", kRed, kBlue);
  ASSERT_TRUE(chinese);
  EXPECT_EQ(chinese->Ansi, Piece("FF0000", "\xBD\xA5") + Piece("80007F", "a") + Piece("0100FE", "\xB1\xE4"));
  EXPECT_FALSE(BuildMarkup(u"\u6e10", kRed, kBlue));
}

}  // namespace
