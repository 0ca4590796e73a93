// The caption text of any window, as the frame painter and the menus read it.
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

namespace {

constexpr int kAnsiCaptionLimit = 1000;

WideString WidenAnsi(const String& Ansi) {
  if (Ansi.empty()) return {};
  const int Length = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), nullptr, 0);
  if (Length <= 0) return {};
  std::vector<wchar_t> Buffer(static_cast<std::size_t>(Length));
  MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), Buffer.data(), Length);
  return WideString(Buffer.begin(), Buffer.end());
}

}  // namespace

WideString GetFormCaption(HWND Wnd) {
  if (!Wnd) return {};
  if (!Win32PlatformIsUnicode) return WidenAnsi(GetFormCaptionA(Wnd));
  const int Length = GetWindowTextLengthW(Wnd);
  if (Length <= 0) return {};
  std::vector<wchar_t> Buffer(static_cast<std::size_t>(Length) + 1);
  const int Got = GetWindowTextW(Wnd, Buffer.data(), Length + 1);
  return WideString(Buffer.begin(), Buffer.begin() + std::max(0, std::min(Got, Length)));
}

// The 8-bit text in the system's ANSI code page, as WM_GETTEXT gives it.
String GetFormCaptionA(HWND Wnd) {
  if (!Wnd) return {};
  char Buffer[kAnsiCaptionLimit] = {};
  const LRESULT Got = SendMessageA(Wnd, WM_GETTEXT, kAnsiCaptionLimit, reinterpret_cast<LPARAM>(Buffer));
  const std::size_t Length = Got > 0 && Got < kAnsiCaptionLimit ? static_cast<std::size_t>(Got) : 0;
  return String(Buffer, Length);
}

String GetFormText(HWND Wnd) {
  return WideStringToStringEx(GetFormCaption(Wnd));
}
