// Conversions at the Win32 boundary: the framework's strings are UTF-8, the window API is UTF-16.
#pragma once

#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view Text);
std::string WideToUtf8(std::wstring_view Text);
// The whole text of a window (any length), converted.
std::string WindowText(void* Wnd);
// Copies Text into a buffer of Size characters a window lends for a callback text, cut to fit and
// always terminated; nothing for a missing or empty buffer.
void LendText(std::string_view Text, wchar_t* Buffer, int Size);
