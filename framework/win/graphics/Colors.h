// Colours on Windows: system colours (0x80000000 | COLOR_xxx) resolved through the system, and
// colour text as form descriptions and skins write it.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"

// The named colour values (clRed, clBtnFace, clNone, clDefault...) and their names live in the core.
// Two names that only read: the first name of a value is the one written.
inline constexpr TColor clLtGray = clSilver;
inline constexpr TColor clDkGray = clGray;

// The plain 0x00BBGGRR value: system colours are looked up now, other values keep their low three
// bytes (clNone and clDefault have no colour of their own and come out as their low bytes).
COLORREF ColorToRGB(TColor Color);

// A name where there is one, otherwise "$00BBGGRR"; StringToColor also takes numbers ("$FF00FF",
// "255", "-2147483633") and raises EConvertError for anything else.
String ColorToString(TColor Color);
TColor StringToColor(std::string_view S);
