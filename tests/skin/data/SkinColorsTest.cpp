#include "skin/data/SkinColors.h"

#include <gtest/gtest.h>

#include "framework/core/Strings.h"
#include "tests/skin/data/SkinIniText.h"

TEST(StrColor, ThreeNumbersWithAnySeparators) {
  EXPECT_EQ(strcolor("240 240 240"), 0xF0F0F0u);
  EXPECT_EQ(strcolor("1,2,3"), 0x030201u);
  EXPECT_EQ(strcolor("rgb(10; 20; 30)"), RGBToColor(10, 20, 30));
  EXPECT_EQ(strcolor("1-2-3"), 0x030201u);  // a minus sign only separates
  EXPECT_EQ(strcolor("  7 8 9  "), RGBToColor(7, 8, 9));
}

TEST(StrColor, EdgeCasesOfTheSyntax) {
  EXPECT_EQ(strcolor(""), 0u);
  EXPECT_EQ(strcolor("   "), 0u);
  EXPECT_EQ(strcolor("#F0F0F0"), 0u);             // hexadecimal is not a colour
  EXPECT_EQ(strcolor("1 2"), 0x000001u);          // a trailing run needs two numbers before it
  EXPECT_EQ(strcolor("1,2,"), 0x000201u);         // the comma stores the 2
  EXPECT_EQ(strcolor("1,2 "), 0x000001u);         // a trailing blank is trimmed, not a separator
  EXPECT_EQ(strcolor("300 0 0"), 44u);            // low 8 bits
  EXPECT_EQ(strcolor("1 2 3 4 5 6"), 0x030201u);  // later numbers ignored
  EXPECT_EQ(strcolor("5"), 0u);                   // a lone pending run is not the red part
  EXPECT_EQ(strcolor("5 "), 0u);                  // trimmed: still pending at the end
  EXPECT_EQ(strcolor("5,"), 5u);
}

TEST(StrColor, OverlongRunBlocksEveryLaterNumber) {
  // 2147483647 fits; one more digit does not and swallows the digits after it.
  EXPECT_EQ(strcolor("2147483647 1 1"), RGBToColor(0xFF, 1, 1));
  EXPECT_EQ(strcolor("9 99999999999 2 3"), 9u);
  EXPECT_EQ(strcolor("9 8 99999999999"), RGBToColor(9, 8, 0));
}

TEST(SkinColorScheme, GivenColoursAndSystemDefaults) {
  auto Ini = IniFromText("[Colours]\nButtonFace=240 240 240\nWindowText=\nHilight=1 2 3\n");
  TSkinColorScheme S;
  TStringList Sections;
  S.ReadColors(*Ini, Sections);
  EXPECT_EQ(S.Colors[csButtonFace], 0xF0F0F0u);
  EXPECT_TRUE(S.ColorGiven[csButtonFace]);
  EXPECT_EQ(S.Colors[csMenuBar], 0xF0F0F0u);  // falls back to the face colour just read
  EXPECT_FALSE(S.ColorGiven[csMenuBar]);
  EXPECT_EQ(S.Colors[csText], 0x80000008u);  // empty value = missing
  EXPECT_FALSE(S.ColorGiven[csText]);
  EXPECT_EQ(S.Colors[csHilight], 0x030201u);
  const std::pair<TShemeColor, TColor> Defaults[] = {
      {csScrollbar, 0x80000000},   {csHilightText, 0x8000000E},     {csMenubg, 0x80000004},
      {csMenuText, 0x80000007},    {csButtonText, 0x80000012},      {csButtonHilight, 0x80000014},
      {csButtonlight, 0x80000014}, {csButtonShadow, 0x80000010},    {csButtonDkshadow, 0x80000015},
      {csMenuBarText, 0x80000007}, {csTitleTextActive, 0x80000009}, {csTitleTextNoActive, 0x80000013}};
  for (auto [index, color] : Defaults) EXPECT_EQ(S.Colors[index], color) << EnumInfo(index).NameOf(index);
}

TEST(SkinColorScheme, MenuBarWithoutAnyKeyIsTheSystemFace) {
  auto Ini = IniFromText("[Personality]\nx=1\n");
  TSkinColorScheme S;
  TStringList Sections;
  S.ReadColors(*Ini, Sections);
  EXPECT_EQ(S.Colors[csMenuBar], 0x8000000Fu);
  EXPECT_EQ(S.Colors[csButtonFace], 0x8000000Fu);
}

TEST(SkinColorScheme, ReloadReplacesFlagsOfThePreviousSkin) {
  TSkinColorScheme S;
  TStringList Sections;
  S.ReadColors(*IniFromText("[Colours]\nWindowText=1 1 1\n"), Sections);
  EXPECT_TRUE(S.ColorGiven[csText]);
  S.ReadColors(*IniFromText("[Colours]\nButtonFace=1 1 1\n"), Sections);
  EXPECT_FALSE(S.ColorGiven[csText]);
  EXPECT_EQ(S.Colors[csText], 0x80000008u);
}

TEST(SkinColorScheme, NumberedColourSectionsInListOrder) {
  auto Ini = IniFromText(
      "[Colours]\nButtonFace=1 1 1\n[Colour1]\ncolor=255 0 0\n[Other]\ncolor=1 1 1\n"
      "[colour2]\nx=1\n[COLOURX]\nColor=0 0 255\n");
  TSkinColorScheme S;
  TStringList Sections;
  S.ReadColors(*Ini, Sections);
  ASSERT_EQ(S.PreColors.size(), 3u);
  EXPECT_EQ(S.PreColors[0], 0x0000FFu);
  EXPECT_EQ(S.PreColors[1], 0x80000008u);
  EXPECT_EQ(S.PreColors[2], 0xFF0000u);
  TColor C = 7;
  EXPECT_TRUE(S.GetPrecolor(C, 2));
  EXPECT_EQ(C, 0xFF0000u);
  C = 7;
  EXPECT_FALSE(S.GetPrecolor(C, 3));
  EXPECT_FALSE(S.GetPrecolor(C, -1));
  EXPECT_EQ(C, 7u);
}

TEST(SkinColorScheme, CustomColours) {
  TSkinColorScheme S;
  TStringList Sections;
  S.ReadColors(*IniFromText("[Colours]\n"), Sections);
  for (TColor C : S.CustomColors) EXPECT_EQ(C, 0xFFFFFFu);
  S.ReadColors(*IniFromText("[Customcolors]\nColor0=1 2 3\nColor9=4,5,6\nColor10=7 7 7\n"), Sections);
  EXPECT_EQ(S.CustomColors[0], 0x030201u);
  EXPECT_EQ(S.CustomColors[1], 0xFFFFFFu);
  EXPECT_EQ(S.CustomColors[9], 0x060504u);
}

TEST(SkinColorScheme, GetColorKeepsDefaultOnlyForEmptyText) {
  EXPECT_EQ(TSkinColorScheme::GetColor("", 0x123456), 0x123456u);
  EXPECT_EQ(TSkinColorScheme::GetColor("x", 0x123456), 0u);
}
