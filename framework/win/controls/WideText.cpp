#include "framework/win/controls/WideText.h"

#include <windows.h>

#include <algorithm>

std::wstring Utf8ToWide(std::string_view Text) {
  if (Text.empty()) return {};
  const int Size = static_cast<int>(Text.size());
  const int Length = MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, nullptr, 0);
  std::wstring Wide(static_cast<size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, Wide.data(), Length);
  return Wide;
}

std::string WideToUtf8(std::wstring_view Text) {
  if (Text.empty()) return {};
  const int Size = static_cast<int>(Text.size());
  const int Length = WideCharToMultiByte(CP_UTF8, 0, Text.data(), Size, nullptr, 0, nullptr, nullptr);
  std::string Narrow(static_cast<size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), Size, Narrow.data(), Length, nullptr, nullptr);
  return Narrow;
}

std::string WindowText(void* Handle) {
  HWND Wnd = static_cast<HWND>(Handle);
  const int Length = GetWindowTextLengthW(Wnd);
  if (Length <= 0) return {};
  std::wstring Wide(static_cast<size_t>(Length) + 1, L'\0');
  const int Got = GetWindowTextW(Wnd, Wide.data(), Length + 1);
  Wide.resize(static_cast<size_t>(Got > 0 ? Got : 0));
  return WideToUtf8(Wide);
}

void LendText(std::string_view Text, wchar_t* Buffer, int Size) {
  if (!Buffer || Size <= 0) return;
  const std::wstring Wide = Utf8ToWide(Text);
  const size_t Count = std::min(Wide.size(), static_cast<size_t>(Size - 1));
  std::copy_n(Wide.data(), Count, Buffer);
  Buffer[Count] = L'\0';
}
