#include "app/AnsiText.h"

#include <climits>

namespace gradient {
namespace {

// The conversion functions take int lengths; a longer text than that is not a line anybody types.
int ClampedLength(std::size_t Size) {
  return Size > INT_MAX / 4 ? INT_MAX / 4 : static_cast<int>(Size);
}

const wchar_t* AsWide(std::u16string_view Text) {
  return reinterpret_cast<const wchar_t*>(Text.data());
}

}  // namespace

std::string WideToAnsi(std::u16string_view Text, UINT CodePage) {
  const int Length = ClampedLength(Text.size());
  if (Length == 0) return {};
  const int Needed = WideCharToMultiByte(CodePage, 0, AsWide(Text), Length, nullptr, 0, nullptr, nullptr);
  if (Needed <= 0) return {};
  std::string Out(static_cast<std::size_t>(Needed), '\0');
  const int Written =
      WideCharToMultiByte(CodePage, 0, AsWide(Text), Length, Out.data(), Needed, nullptr, nullptr);
  Out.resize(Written > 0 ? static_cast<std::size_t>(Written) : 0);
  return Out;
}

std::u16string AnsiToWide(std::string_view Text, UINT CodePage) {
  const int Length = ClampedLength(Text.size());
  if (Length == 0) return {};
  const int Needed = MultiByteToWideChar(CodePage, 0, Text.data(), Length, nullptr, 0);
  if (Needed <= 0) return {};
  std::u16string Out(static_cast<std::size_t>(Needed), u'\0');
  const int Written =
      MultiByteToWideChar(CodePage, 0, Text.data(), Length, reinterpret_cast<wchar_t*>(Out.data()), Needed);
  Out.resize(Written > 0 ? static_cast<std::size_t>(Written) : 0);
  return Out;
}

}  // namespace gradient
