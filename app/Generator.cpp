#include "app/Generator.h"

#include <cmath>
#include <cstdio>

#include "app/AnsiText.h"

namespace gradient {
namespace {

int Channel(Colour colour, int shift) {
  return static_cast<int>((colour >> shift) & 0xFF);
}

float ChannelStep(Colour start, Colour end, int shift, std::size_t count) {
  // The division truncates towards zero, so the last character may stop short of the end colour.
  const long long difference = Channel(end, shift) - Channel(start, shift);
  return static_cast<float>(difference / static_cast<long long>(count - 1));
}

int ChannelAt(Colour start, int shift, float step, std::size_t index) {
  // Formed in floating point from the stored float; exact because the step is a whole number.
  const double offset = std::trunc(static_cast<double>(index) * static_cast<double>(step));
  return Channel(start, shift) + static_cast<int>(offset);
}

// "[color=#RRGGBB]" in upper-case hexadecimal.
std::string OpeningTag(Colour rgb) {
  char text[24];
  std::snprintf(text, sizeof text, "[color=#%.2X%.2X%.2X]", Channel(rgb, 0), Channel(rgb, 8),
                Channel(rgb, 16));
  return text;
}

constexpr std::string_view kClosingTag = "[/color]";

template <class Char>
void AppendPiece(std::basic_string<Char>& out, Colour rgb, std::basic_string_view<Char> character) {
  for (char c : OpeningTag(rgb)) out.push_back(static_cast<Char>(c));
  out.append(character);
  for (char c : kClosingTag) out.push_back(static_cast<Char>(c));
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of the character at position i: a surrogate pair is one character, anything else one unit.
std::size_t CharacterLength(std::u16string_view text, std::size_t i) {
  return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

std::u16string WideMarkup(std::u16string_view text, Colour start, Colour end) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
  const Steps steps = count >= 2 ? ComputeSteps(start, end, count) : Steps{};
  std::u16string out;
  std::size_t index = 0;
  for (std::size_t i = 0; i < text.size(); ++index) {
    const std::size_t length = CharacterLength(text, i);
    AppendPiece(out, ColourAt(start, steps, index), text.substr(i, length));
    i += length;
  }
  return out;
}

}  // namespace

Steps ComputeSteps(Colour start, Colour end, std::size_t count) {
  if (count < 2) return {};
  return {ChannelStep(start, end, 0, count), ChannelStep(start, end, 8, count),
          ChannelStep(start, end, 16, count)};
}

Colour ColourAt(Colour start, const Steps& steps, std::size_t index) {
  const auto red = static_cast<Colour>(ChannelAt(start, 0, steps.Red, index) & 0xFF);
  const auto green = static_cast<Colour>(ChannelAt(start, 8, steps.Green, index) & 0xFF);
  const auto blue = static_cast<Colour>(ChannelAt(start, 16, steps.Blue, index) & 0xFF);
  return red | green << 8 | blue << 16;
}

std::optional<Markup> BuildMarkup(std::u16string_view text, Colour start, Colour end, UINT codePage) {
  // The line as 8-bit text and back: a double-byte character is one element, and what the code page
  // cannot hold is what its conversion substitutes.
  const std::u16string wide = AnsiToWide(WideToAnsi(text, codePage), codePage);
  const std::size_t count = wide.size();
  if (count < 2) return std::nullopt;

  Markup markup;
  markup.ChannelSteps = ComputeSteps(start, end, count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string character = WideToAnsi(std::u16string_view(wide).substr(i, 1), codePage);
    AppendPiece<char>(markup.Ansi, ColourAt(start, markup.ChannelSteps, i), character);
  }
  markup.Wide = WideMarkup(text, start, end);
  return markup;
}

bool GenerateToClipboard(std::u16string_view text, Colour start, Colour end, Steps& steps) {
  const std::optional<Markup> markup = BuildMarkup(text, start, end);
  if (!markup) return false;
  steps = markup->ChannelSteps;
  return CopyToClipboard(*markup);
}

}  // namespace gradient
