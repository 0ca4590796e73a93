#include "app/AnsiText.h"

#include <climits>

namespace gradient {
namespace {

// The conversion functions take int lengths; a longer text than that is not a line anybody types.
int ClampedLength(std::size_t size) {
  return size > INT_MAX / 4 ? INT_MAX / 4 : static_cast<int>(size);
}

const wchar_t* AsWide(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

}  // namespace

std::string WideToAnsi(std::u16string_view text, UINT codePage) {
  const int length = ClampedLength(text.size());
  if (length == 0) return {};
  const int needed = WideCharToMultiByte(codePage, 0, AsWide(text), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string out(static_cast<std::size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(codePage, 0, AsWide(text), length, out.data(), needed, nullptr, nullptr);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

std::u16string AnsiToWide(std::string_view text, UINT codePage) {
  const int length = ClampedLength(text.size());
  if (length == 0) return {};
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string out(static_cast<std::size_t>(needed), u'\0');
  const int written =
      MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(out.data()), needed);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

}  // namespace gradient
