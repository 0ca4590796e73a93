// The colour scheme of a skin: the colour text syntax, the scheme table with its fall-backs to the
// system colours, the numbered colour sections and the custom colours.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "framework/core/Types.h"

class TQuickIni;
class TStrings;

PUBLISHED_ENUM(TShemeColor, csText, csTitleTextActive, csTitleTextNoActive, csButtonFace, csButtonText,
               csButtonHilight, csButtonlight, csButtonShadow, csButtonDkshadow, csSelectText, csSelectBg,
               csHilightText, csHilight, csMenuBar, csMenuBarText, csMenuText, csMenubg, csCaption,
               csScrollbar, csTextDisable)

inline constexpr int kShemeColorCount = csTextDisable + 1;
using TShemeColors = std::array<TColor, kShemeColorCount>;
using TShemeColorFlags = std::array<bool, kShemeColorCount>;
inline constexpr int kCustomColorCount = 10;

// System colour n as a framework colour (0x80000000 | n); resolved when drawn.
constexpr TColor SystemColor(int Index) {
  return 0x80000000u | static_cast<TColor>(Index);
}

// R in the low byte, then G, then B.
constexpr TColor RGBToColor(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  return TColor(R) | TColor(G) << 8 | TColor(B) << 16;
}

// Up to three decimal numbers (red, green, blue) separated by anything that is not a digit; see the
// definition for the rules at the end of the text and for over-long runs. Never fails: no digits
// give black.
TColor strcolor(std::string_view Text);

// The colour members that a load fills. Methods take the parsed skin description explicitly, so the
// rules can be exercised without an archive.
struct TSkinColorScheme {
  TShemeColors Colors{};
  TShemeColorFlags ColorGiven{};
  std::vector<TColor> PreColors;
  std::array<TColor, kCustomColorCount> CustomColors{};

  // Default for an empty text, else the parsed colour.
  static TColor GetColor(std::string_view Text, TColor Default);
  // False for an index outside PreColors.
  bool GetPrecolor(TColor& Color, int Index) const;

  // One scheme colour from section "Colours": given (flag set) or the default (flag cleared).
  void ReadColor2(const TQuickIni& Ini, TShemeColor Index, const String& Key, TColor Default);
  // Everything, in the fixed order; Sections is a work list that is left holding the colour sections.
  void ReadColors(const TQuickIni& Ini, TStrings& Sections);

 private:
  void ReadSchemeColors(const TQuickIni& Ini);
  void ReadPreColors(const TQuickIni& Ini, TStrings& Sections);
  void ReadCustomColors(const TQuickIni& Ini);
};
