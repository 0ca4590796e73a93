// Colour text parsing and the reading of the colour sections of a skin description.

#include "skin/data/SkinColors.h"

#include <charconv>

#include "framework/core/Strings.h"
#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

namespace {

const char* const kColoursSection = "Colours";

// A run of digits as a 32-bit signed number; false when it does not fit.
bool RunToInt(const String& Run, std::int32_t& Value) {
  const auto [end, ec] = std::from_chars(Run.data(), Run.data() + Run.size(), Value);
  return ec == std::errc() && end == Run.data() + Run.size();
}

}  // namespace

TColor strcolor(std::string_view Text) {
  const String Trimmed = Trim(Text);
  std::int32_t Numbers[3] = {0, 0, 0};
  int Stored = 0;
  String Digits;
  // A run that cannot be converted stays pending and keeps growing, which blocks every later number:
  // the skins in circulation rely on exactly this reading.
  auto EndRun = [&] {
    if (Digits.empty()) return;
    std::int32_t Value;
    if (!RunToInt(Digits, Value)) return;
    if (Stored < 3) Numbers[Stored++] = Value;
    Digits.clear();
  };
  for (char C : Trimmed) {
    if (C >= '0' && C <= '9')
      Digits += C;
    else
      EndRun();
  }
  // A trailing run completes a colour only as its blue part.
  std::int32_t Value;
  if (Stored == 2 && !Digits.empty() && RunToInt(Digits, Value)) Numbers[Stored++] = Value;
  return RGBToColor(static_cast<std::uint8_t>(Numbers[0]), static_cast<std::uint8_t>(Numbers[1]),
                    static_cast<std::uint8_t>(Numbers[2]));
}

TColor TSkinColorScheme::GetColor(std::string_view Text, TColor Default) {
  return Text.empty() ? Default : strcolor(Text);
}

bool TSkinColorScheme::GetPrecolor(TColor& Color, int Index) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= PreColors.size()) return false;
  Color = PreColors[static_cast<std::size_t>(Index)];
  return true;
}

void TSkinColorScheme::ReadColor2(const TQuickIni& Ini, TShemeColor Index, const String& Key,
                                  TColor Default) {
  const String Value = Ini.ReadString(kColoursSection, Key, "");
  ColorGiven[Index] = !Value.empty();
  Colors[Index] = Value.empty() ? Default : strcolor(Value);
}

void TSkinColorScheme::ReadSchemeColors(const TQuickIni& Ini) {
  // The order matters: the menu bar falls back to the face colour read just before it.
  ReadColor2(Ini, csText, "WindowText", SystemColor(8));
  ReadColor2(Ini, csButtonFace, "ButtonFace", SystemColor(15));
  ReadColor2(Ini, csScrollbar, "Scrollbar", SystemColor(0));
  ReadColor2(Ini, csHilightText, "HilightText", SystemColor(14));
  ReadColor2(Ini, csHilight, "Hilight", SystemColor(13));
  ReadColor2(Ini, csMenuBar, "Menubar", Colors[csButtonFace]);
  ReadColor2(Ini, csMenubg, "Menu", SystemColor(4));
  ReadColor2(Ini, csMenuText, "MenuText", SystemColor(7));
  ReadColor2(Ini, csButtonText, "ButtonText", SystemColor(18));
  ReadColor2(Ini, csButtonHilight, "ButtonHilight", SystemColor(20));
  ReadColor2(Ini, csButtonlight, "Buttonlight", SystemColor(20));
  ReadColor2(Ini, csButtonShadow, "ButtonShadow", SystemColor(16));
  ReadColor2(Ini, csButtonDkshadow, "ButtonDkShadow", SystemColor(21));
  ReadColor2(Ini, csMenuBarText, "MenuBarText", SystemColor(7));
  ReadColor2(Ini, csTitleTextActive, "TitleTextActive", SystemColor(9));
  ReadColor2(Ini, csTitleTextNoActive, "TitleTextNoActive", SystemColor(19));
}

void TSkinColorScheme::ReadPreColors(const TQuickIni& Ini, TStrings& Sections) {
  Ini.ReadSections(Sections);
  for (int I = Sections.Count() - 1; I >= 0; --I) {
    const String Name = UpperCase(Sections.Get(I));
    if (Name == "COLOURS" || Name.rfind("COLOUR", 0) != 0) Sections.Delete(I);
  }
  PreColors.assign(static_cast<std::size_t>(Sections.Count()), 0);
  for (int I = 0; I < Sections.Count(); ++I)
    PreColors[static_cast<std::size_t>(I)] =
        GetColor(Ini.ReadString(Sections.Get(I), "color", ""), SystemColor(8));
}

void TSkinColorScheme::ReadCustomColors(const TQuickIni& Ini) {
  for (int I = 0; I < kCustomColorCount; ++I)
    CustomColors[static_cast<std::size_t>(I)] =
        GetColor(Ini.ReadString("Customcolors", "Color" + IntToStr(I), ""), 0xFFFFFF);
}

void TSkinColorScheme::ReadColors(const TQuickIni& Ini, TStrings& Sections) {
  ReadSchemeColors(Ini);
  ReadPreColors(Ini, Sections);
  ReadCustomColors(Ini);
}
