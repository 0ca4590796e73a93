// Small helpers of the manager.

#include "skin/manager/SkinManageText.h"

#include "framework/win/controls/WideText.h"

String WindowClassName(HWND Wnd) {
  if (!Wnd) return {};
  wchar_t buffer[256] = {};
  const int n = GetClassNameW(Wnd, buffer, static_cast<int>(std::size(buffer)));
  return n > 0 ? WideToUtf8(std::wstring_view(buffer, static_cast<std::size_t>(n))) : String();
}
