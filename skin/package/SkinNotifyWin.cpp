// The Windows default for the reader's message: a modal box owned by the active window.

#include <windows.h>

#include "framework/core/SysUtils.h"
#include "skin/package/SkinNotify.h"

void DefaultSkinMessage(const String& Text) {
  // A lone CR between the lines; the box breaks lines reliably on CR LF.
  String shown;
  for (size_t i = 0; i < Text.size(); ++i) {
    shown += Text[i];
    if (Text[i] == '\r' && (i + 1 >= Text.size() || Text[i + 1] != '\n')) shown += '\n';
  }
  wchar_t exe[MAX_PATH] = L"";
  const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring caption(exe, n < MAX_PATH ? n : 0);
  if (const auto slash = caption.find_last_of(L"\\/"); slash != std::wstring::npos)
    caption.erase(0, slash + 1);
  if (const auto dot = caption.rfind(L'.'); dot != std::wstring::npos) caption.erase(dot);
  const HWND owner = GetActiveWindow();
  MessageBoxW(owner, Utf8ToWString(shown).c_str(), caption.c_str(), MB_OK | (owner ? 0u : MB_TASKMODAL));
}
