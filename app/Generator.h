// The gradient mark-up generator: every character of a line becomes "[color=#RRGGBB]c[/color]", the
// colours running from a start colour towards an end colour in whole-number steps.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gradient {

// Colours in the framework's order: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

// Change per character of each channel: whole numbers (an integer division) kept as floats.
struct Steps {
  float Red = 0;
  float Green = 0;
  float Blue = 0;
};

struct Markup {
  std::string Ansi;     // 8-bit text in the code page it was built for
  std::u16string Wide;  // the same mark-up over the characters as typed
  Steps ChannelSteps;   // the steps of the 8-bit mark-up
};

// Steps from start to end over count characters (count >= 2).
Steps ComputeSteps(Colour Start, Colour End, std::size_t Count);
// The colour of character index: start + trunc(index * step) per channel.
Colour ColourAt(Colour Start, const Steps& ChannelSteps, std::size_t Index);

// Builds the mark-up of text, seen through the given 8-bit code page as a program with 8-bit text
// would see it. Fewer than two characters there give nothing.
std::optional<Markup> BuildMarkup(std::u16string_view Text, Colour Start, Colour End, UINT CodePage = CP_ACP);

// Puts the mark-up on the clipboard as CF_TEXT and CF_UNICODETEXT. False when nothing was put there
// (the clipboard could not be opened or no memory); the clipboard is closed on every path.
bool CopyToClipboard(const Markup& Content);

// The generate button: builds the mark-up of text and copies it. Steps are updated only when there
// was something to build. True when the clipboard got it.
bool GenerateToClipboard(std::u16string_view Text, Colour Start, Colour End, Steps& ChannelSteps);

}  // namespace gradient
