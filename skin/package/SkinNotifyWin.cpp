// The Windows default for the reader's message: a modal box owned by the active window.

#include <windows.h>

#include "framework/core/SysUtils.h"
#include "skin/package/SkinNotify.h"

void DefaultSkinMessage(const String& Text) {
  // A lone CR between the lines; the box breaks lines reliably on CR LF.
  String Shown;
  for (size_t I = 0; I < Text.size(); ++I) {
    Shown += Text[I];
    if (Text[I] == '\r' && (I + 1 >= Text.size() || Text[I + 1] != '\n')) Shown += '\n';
  }
  wchar_t Exe[MAX_PATH] = L"";
  const DWORD N = GetModuleFileNameW(nullptr, Exe, MAX_PATH);
  std::wstring Caption(Exe, N < MAX_PATH ? N : 0);
  if (const auto Slash = Caption.find_last_of(L"\\/"); Slash != std::wstring::npos)
    Caption.erase(0, Slash + 1);
  if (const auto Dot = Caption.rfind(L'.'); Dot != std::wstring::npos) Caption.erase(Dot);
  const HWND Owner = GetActiveWindow();
  MessageBoxW(Owner, Utf8ToWString(Shown).c_str(), Caption.c_str(), MB_OK | (Owner ? 0u : MB_TASKMODAL));
}
