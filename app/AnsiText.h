// Conversions between UTF-16 and an 8-bit Windows code page, with the system's substitutions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace gradient {

std::string WideToAnsi(std::u16string_view Text, UINT CodePage);
std::u16string AnsiToWide(std::string_view Text, UINT CodePage);

}  // namespace gradient
