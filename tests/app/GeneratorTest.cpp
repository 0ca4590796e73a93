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

std::string Piece(const char* Rgb, const std::string& Character) {
  return std::string("[color=#") + Rgb + "]" + Character + "[/color]";
}

std::u16string WidePiece(const char16_t* Rgb, const std::u16string& Character) {
  return std::u16string(u"[color=#") + Rgb + u"]" + Character + u"[/color]";
}

TEST(GeneratorSteps, IntegerDivisionTruncatedTowardsZeroKeptAsFloat) {
  const gradient::Steps Two = gradient::ComputeSteps(kRed, kBlue, 2);
  EXPECT_EQ(Two.Red, -255.0f);
  EXPECT_EQ(Two.Green, 0.0f);
  EXPECT_EQ(Two.Blue, 255.0f);

  const gradient::Steps Three = gradient::ComputeSteps(kRed, kBlue, 3);
  EXPECT_EQ(Three.Red, -127.0f);
  EXPECT_EQ(Three.Blue, 127.0f);

  // -10 / 3 is -3, not the floor -4.
  const gradient::Steps Down = gradient::ComputeSteps(0x000A0A, 0x000000, 4);
  EXPECT_EQ(Down.Red, -3.0f);
  EXPECT_EQ(Down.Green, -3.0f);
  EXPECT_EQ(Down.Blue, 0.0f);
}

TEST(GeneratorSteps, ColoursAreStartPlusWholeSteps) {
  // Extreme colours over many lengths: every channel is exactly start + i * q, inside 0 to 255.
  const Colour Start = 0x00FF00, End = 0xFF00FF;
  for (int Count = 2; Count < 600; Count += 7) {
    const gradient::Steps ChannelSteps = gradient::ComputeSteps(Start, End, Count);
    const int Q[3] = {255 / (Count - 1), -255 / (Count - 1), 255 / (Count - 1)};
    for (int I = 0; I < Count; ++I) {
      const Colour C = gradient::ColourAt(Start, ChannelSteps, I);
      for (int Channel = 0; Channel < 3; ++Channel) {
        const int First = static_cast<int>((Start >> (8 * Channel)) & 0xFF);
        ASSERT_EQ(static_cast<int>((C >> (8 * Channel)) & 0xFF), First + I * Q[Channel]) << Count << " " << I;
      }
    }
  }
}

TEST(GeneratorMarkup, TwoCharactersRunFromStartToEnd) {
  const auto Markup = BuildMarkup(u"ab", kRed, kBlue, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi, "[color=#FF0000]a[/color][color=#0000FF]b[/color]");
  EXPECT_EQ(Markup->Wide, u"[color=#FF0000]a[/color][color=#0000FF]b[/color]");
}

TEST(GeneratorMarkup, ThreeCharactersStopShortOfPureBlue) {
  const auto Markup = BuildMarkup(u"abc", kRed, kBlue, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi, Piece("FF0000", "a") + Piece("80007F", "b") + Piece("0100FE", "c"));
  EXPECT_EQ(Markup->ChannelSteps.Red, -127.0f);
  EXPECT_EQ(Markup->ChannelSteps.Blue, 127.0f);
}

TEST(GeneratorMarkup, EqualColoursGiveOneColourAndSpacesGetTheirOwnPiece) {
  const auto Markup = BuildMarkup(u"a b!", 0x3C2B1A, 0x3C2B1A, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi,
            Piece("1A2B3C", "a") + Piece("1A2B3C", " ") + Piece("1A2B3C", "b") + Piece("1A2B3C", "!"));
}

TEST(GeneratorMarkup, HexadecimalIsUpperCaseWithTwoDigits) {
  const auto Markup = BuildMarkup(u"xy", 0x0A0B0C, 0x0A0B0C, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi, Piece("0C0B0A", "x") + Piece("0C0B0A", "y"));
}

TEST(GeneratorMarkup, FewerThanTwoCharactersGiveNothing) {
  EXPECT_FALSE(BuildMarkup(u"", kRed, kBlue, kWestern));
  EXPECT_FALSE(BuildMarkup(u"a", kRed, kBlue, kWestern));
  EXPECT_FALSE(BuildMarkup(u"\u6e10", kRed, kBlue, kChinese));
}

TEST(GeneratorMarkup, DoubleByteCharacterIsOnePieceWithItsTwoBytes) {
  const auto Markup = BuildMarkup(u"\u6e10\u53d8", kRed, kBlue, kChinese);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi, Piece("FF0000", "\xBD\xA5") + Piece("0000FF", "\xB1\xE4"));
  EXPECT_EQ(Markup->Wide, WidePiece(u"FF0000", u"\u6e10") + WidePiece(u"0000FF", u"\u53d8"));
}

TEST(GeneratorMarkup, UnrepresentableCharacterBecomesTheSubstitute) {
  const auto Markup = BuildMarkup(u"a\u6e10", kRed, kBlue, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Ansi, Piece("FF0000", "a") + Piece("0000FF", "?"));
  // The wide mark-up keeps what was typed.
  EXPECT_EQ(Markup->Wide, WidePiece(u"FF0000", u"a") + WidePiece(u"0000FF", u"\u6e10"));
}

TEST(GeneratorMarkup, SurrogatePairIsOneCharacterOfTheWideMarkup) {
  const std::u16string Face = u"\U0001F600";
  const auto Markup = BuildMarkup(u"a" + Face + u"b", kRed, kBlue, kChinese);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Wide,
            WidePiece(u"FF0000", u"a") + WidePiece(u"80007F", Face) + WidePiece(u"0100FE", u"b"));
}

TEST(GeneratorMarkup, BrokenSurrogatesAreSingleCharacters) {
  const std::u16string Text{u'\xDC00', u'a', u'\xD800'};
  const auto Markup = BuildMarkup(Text, kRed, kBlue, kWestern);
  ASSERT_TRUE(Markup);
  EXPECT_EQ(Markup->Wide,
            WidePiece(u"FF0000", u"\xDC00") + WidePiece(u"80007F", u"a") + WidePiece(u"0100FE", u"\xD800"));
}

// The system's own ANSI code page. Run once more with LC_ALL=zh_CN.UTF-8 and GRADIENT_EXPECT_ACP=936,
// where Wine's code page must then be 936.
TEST(SystemCodePage, FollowsTheLocale) {
  const char* Expected = std::getenv("GRADIENT_EXPECT_ACP");
  if (Expected) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(Expected)));
  }
  const auto Ascii = BuildMarkup(u"ab", kRed, kBlue);
  ASSERT_TRUE(Ascii);
  EXPECT_EQ(Ascii->Ansi, Piece("FF0000", "a") + Piece("0000FF", "b"));

  if (GetACP() != kChinese) GTEST_SKIP() << "ANSI code page is " << GetACP();
  const auto Chinese = BuildMarkup(u"\u6e10a\u53d8", kRed, kBlue);
  ASSERT_TRUE(Chinese);
  EXPECT_EQ(Chinese->Ansi, Piece("FF0000", "\xBD\xA5") + Piece("80007F", "a") + Piece("0100FE", "\xB1\xE4"));
  EXPECT_FALSE(BuildMarkup(u"\u6e10", kRed, kBlue));
}

}  // namespace
