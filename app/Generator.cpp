#include "app/Generator.h"

#include <cmath>
#include <cstdio>

#include "app/AnsiText.h"

namespace gradient {
namespace {

int Channel(Colour colour, int Shift) {
  return static_cast<int>((colour >> Shift) & 0xFF);
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
  const Steps steps = Count >= 2 ? ComputeSteps(Start, End, Count) : Steps{};
  std::u16string Out;
  std::size_t Index = 0;
  for (std::size_t I = 0; I < Text.size(); ++Index) {
    const std::size_t Length = CharacterLength(Text, I);
    AppendPiece(Out, ColourAt(Start, steps, Index), Text.substr(I, Length));
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

Colour ColourAt(Colour Start, const Steps& steps, std::size_t Index) {
  const auto red = static_cast<Colour>(ChannelAt(Start, 0, steps.Red, Index) & 0xFF);
  const auto green = static_cast<Colour>(ChannelAt(Start, 8, steps.Green, Index) & 0xFF);
  const auto blue = static_cast<Colour>(ChannelAt(Start, 16, steps.Blue, Index) & 0xFF);
  return red | green << 8 | blue << 16;
}

std::optional<Markup> BuildMarkup(std::u16string_view Text, Colour Start, Colour End, UINT CodePage) {
  // The line as 8-bit text and back: a double-byte character is one element, and what the code page
  // cannot hold is what its conversion substitutes.
  const std::u16string wide = AnsiToWide(WideToAnsi(Text, CodePage), CodePage);
  const std::size_t Count = wide.size();
  if (Count < 2) return std::nullopt;

  Markup markup;
  markup.ChannelSteps = ComputeSteps(Start, End, Count);
  for (std::size_t I = 0; I < Count; ++I) {
    const std::string Character = WideToAnsi(std::u16string_view(wide).substr(I, 1), CodePage);
    AppendPiece<char>(markup.Ansi, ColourAt(Start, markup.ChannelSteps, I), Character);
  }
  markup.Wide = WideMarkup(Text, Start, End);
  return markup;
}

bool GenerateToClipboard(std::u16string_view Text, Colour Start, Colour End, Steps& steps) {
  const std::optional<Markup> markup = BuildMarkup(Text, Start, End);
  if (!markup) return false;
  steps = markup->ChannelSteps;
  return CopyToClipboard(*markup);
}

}  // namespace gradient
