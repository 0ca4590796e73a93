// Small helpers of the manager.

#include "skin/manager/SkinManageText.h"

#include "framework/win/controls/WideText.h"

String WindowClassName(HWND Wnd) {
  if (!Wnd) return {};
  wchar_t Buffer[256] = {};
  const int N = GetClassNameW(Wnd, Buffer, static_cast<int>(std::size(Buffer)));
  return N > 0 ? WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(N))) : String();
}
