// Unit globals: the optional user32 entry points, the platform flags and the text helpers.

#include <vector>

#include "skin/data/SkinData.h"

namespace {

// user32 stays loaded for the whole run; the library reference is given back at shut-down.
struct TUser32Entries {
  HMODULE Module = LoadLibraryW(L"user32.dll");
  ~TUser32Entries() {
    if (Module) FreeLibrary(Module);
  }
  template <class P>
  P Find(const char* Name) const {
    return Module ? reinterpret_cast<P>(reinterpret_cast<void*>(GetProcAddress(Module, Name))) : nullptr;
  }
};

const TUser32Entries& User32() {
  static const TUser32Entries entries;
  return entries;
}

UINT NarrowCodePage() {
  return DefaultUserCodePage ? DefaultUserCodePage : CP_UTF8;
}

}  // namespace

TGetScrollBarInfoProc pGetScrollBarInfo = User32().Find<TGetScrollBarInfoProc>("GetScrollBarInfo");
TTrackMouseEventProc pTrackMouseEvent = User32().Find<TTrackMouseEventProc>("TrackMouseEvent");
TGetComboBoxInfoProc pGetComboBoxInfo = User32().Find<TGetComboBoxInfoProc>("GetComboBoxInfo");
TDisableProcessWindowsGhostingProc pDisableProcessWindowsGhosting =
    User32().Find<TDisableProcessWindowsGhostingProc>("DisableProcessWindowsGhosting");

bool Win32PlatformIsUnicode = true;
bool IsVista = false;
UINT DefaultUserCodePage = 0;

void DoTrackMouse(HWND Wnd) {
  if (!pTrackMouseEvent) return;
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof(tme);  // the platform's own size (16 bytes on 32-bit, 24 on 64-bit)
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = Wnd;
  pTrackMouseEvent(&tme);
}

WideString StrToWideStr(const String& Text) {
  if (Text.empty()) return {};
  const UINT cp = NarrowCodePage();
  const int n = MultiByteToWideChar(cp, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, Text.data(), static_cast<int>(Text.size()), out.data(), n);
  return WideString(out.begin(), out.end());
}

namespace {

String WideToCodePage(const WideString& WideText, UINT CodePage) {
  if (WideText.empty()) return {};
  const std::wstring w(WideText.begin(), WideText.end());
  const int n =
      WideCharToMultiByte(CodePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  String out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CodePage, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

String WideStringToStringEx(const WideString& WideText) {
  return WideToCodePage(WideText, NarrowCodePage());
}

WideString _WStr(const wchar_t* Buffer, int Length) {
  if (!Buffer) return {};
  std::size_t n = 0;
  while (Buffer[n] && (Length < 0 || n < static_cast<std::size_t>(Length))) ++n;
  return WideString(Buffer, Buffer + n);
}

int Tnt_DrawTextW(HDC DC, const WideString& Text, RECT& Rect, UINT Format) {
  if (Win32PlatformIsUnicode) {
    const std::wstring w(Text.begin(), Text.end());
    return DrawTextW(DC, w.c_str(), static_cast<int>(w.size()), &Rect, Format);
  }
  // The narrow drawing function speaks the system's ANSI code page.
  const String ansi = WideToCodePage(Text, CP_ACP);
  return DrawTextA(DC, ansi.c_str(), -1, &Rect, Format);
}
