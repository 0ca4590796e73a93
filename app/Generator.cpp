#include "app/Generator.h"

#include <cmath>
#include <cstdio>

#include "app/AnsiText.h"

namespace gradient {
namespace {

int Channel(Colour Rgb, int Shift) {
  return static_cast<int>((Rgb >> Shift) & 0xFF);
}

float ChannelStep(Colour Start, Colour End, int Shift, std::size_t Count) {
  // The division truncates towards zero, so the last character may stop short of the end colour.
  const long long Difference = Channel(End, Shift) - Channel(Start, Shift);
  return static_cast<float>(Difference / static_cast<long long>(Count - 1));
}

int ChannelAt(Colour Start, int Shift, float Step, std::size_t Index) {
  // Formed in floating point from the stored float; exact because the step is a whole number.
  const double Offset = std::trunc(static_cast<double>(Index) * static_cast<double>(Step));
  return Channel(Start, Shift) + static_cast<int>(Offset);
}

// "[color=#RRGGBB]" in upper-case hexadecimal.
std::string OpeningTag(Colour Rgb) {
  char Text[24];
  std::snprintf(Text, sizeof Text, "[color=#%.2X%.2X%.2X]", Channel(Rgb, 0), Channel(Rgb, 8),
                Channel(Rgb, 16));
  return Text;
}

constexpr std::string_view kClosingTag = "[/color]";

template <class Char>
void AppendPiece(std::basic_string<Char>& Out, Colour Rgb, std::basic_string_view<Char> Character) {
  for (char C : OpeningTag(Rgb)) Out.push_back(static_cast<Char>(C));
  Out.append(Character);
  for (char C : kClosingTag) Out.push_back(static_cast<Char>(C));
}

bool IsHighSurrogate(char16_t C) {
  return C >= 0xD800 && C <= 0xDBFF;
}
bool IsLowSurrogate(char16_t C) {
  return C >= 0xDC00 && C <= 0xDFFF;
}

// Length of the character at position i: a surrogate pair is one character, anything else one unit.
std::size_t CharacterLength(std::u16string_view Text, std::size_t I) {
  return IsHighSurrogate(Text[I]) && I + 1 < Text.size() && IsLowSurrogate(Text[I + 1]) ? 2 : 1;
}

std::u16string WideMarkup(std::u16string_view Text, Colour Start, Colour End) {
  std::size_t Count = 0;
  for (std::size_t I = 0; I < Text.size(); I += CharacterLength(Text, I)) ++Count;
  const Steps ChannelSteps = Count >= 2 ? ComputeSteps(Start, End, Count) : Steps{};
  std::u16string Out;
  std::size_t Index = 0;
  for (std::size_t I = 0; I < Text.size(); ++Index) {
    const std::size_t Length = CharacterLength(Text, I);
    AppendPiece(Out, ColourAt(Start, ChannelSteps, Index), Text.substr(I, Length));
    I += Length;
  }
  return Out;
}

}  // namespace

Steps ComputeSteps(Colour Start, Colour End, std::size_t Count) {
  if (Count < 2) return {};
  return {ChannelStep(Start, End, 0, Count), ChannelStep(Start, End, 8, Count),
          ChannelStep(Start, End, 16, Count)};
}

Colour ColourAt(Colour Start, const Steps& ChannelSteps, std::size_t Index) {
  const auto Red = static_cast<Colour>(ChannelAt(Start, 0, ChannelSteps.Red, Index) & 0xFF);
  const auto Green = static_cast<Colour>(ChannelAt(Start, 8, ChannelSteps.Green, Index) & 0xFF);
  const auto Blue = static_cast<Colour>(ChannelAt(Start, 16, ChannelSteps.Blue, Index) & 0xFF);
  return Red | Green << 8 | Blue << 16;
}

std::optional<Markup> BuildMarkup(std::u16string_view Text, Colour Start, Colour End, UINT CodePage) {
  // The line as 8-bit text and back: a double-byte character is one element, and what the code page
  // cannot hold is what its conversion substitutes.
  const std::u16string RoundTrip = AnsiToWide(WideToAnsi(Text, CodePage), CodePage);
  const std::size_t Count = RoundTrip.size();
  if (Count < 2) return std::nullopt;

  Markup Result;
  Result.ChannelSteps = ComputeSteps(Start, End, Count);
  for (std::size_t I = 0; I < Count; ++I) {
    const std::string Character = WideToAnsi(std::u16string_view(RoundTrip).substr(I, 1), CodePage);
    AppendPiece<char>(Result.Ansi, ColourAt(Start, Result.ChannelSteps, I), Character);
  }
  Result.Wide = WideMarkup(Text, Start, End);
  return Result;
}

bool GenerateToClipboard(std::u16string_view Text, Colour Start, Colour End, Steps& ChannelSteps) {
  const std::optional<Markup> Built = BuildMarkup(Text, Start, End);
  if (!Built) return false;
  ChannelSteps = Built->ChannelSteps;
  return CopyToClipboard(*Built);
}

}  // namespace gradient
