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
  static const TUser32Entries Entries;
  return Entries;
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
  TRACKMOUSEEVENT Tme{};
  Tme.cbSize = sizeof(Tme);  // the platform's own size (16 bytes on 32-bit, 24 on 64-bit)
  Tme.dwFlags = TME_LEAVE;
  Tme.hwndTrack = Wnd;
  pTrackMouseEvent(&Tme);
}

WideString StrToWideStr(const String& Text) {
  if (Text.empty()) return {};
  const UINT Cp = NarrowCodePage();
  const int N = MultiByteToWideChar(Cp, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  if (N <= 0) return {};
  std::wstring Out(static_cast<std::size_t>(N), L'\0');
  MultiByteToWideChar(Cp, 0, Text.data(), static_cast<int>(Text.size()), Out.data(), N);
  return WideString(Out.begin(), Out.end());
}

namespace {

String WideToCodePage(const WideString& WideText, UINT CodePage) {
  if (WideText.empty()) return {};
  const std::wstring W(WideText.begin(), WideText.end());
  const int N =
      WideCharToMultiByte(CodePage, 0, W.data(), static_cast<int>(W.size()), nullptr, 0, nullptr, nullptr);
  if (N <= 0) return {};
  String Out(static_cast<std::size_t>(N), '\0');
  WideCharToMultiByte(CodePage, 0, W.data(), static_cast<int>(W.size()), Out.data(), N, nullptr, nullptr);
  return Out;
}

}  // namespace

String WideStringToStringEx(const WideString& WideText) {
  return WideToCodePage(WideText, NarrowCodePage());
}

WideString _WStr(const wchar_t* Buffer, int Length) {
  if (!Buffer) return {};
  std::size_t N = 0;
  while (Buffer[N] && (Length < 0 || N < static_cast<std::size_t>(Length))) ++N;
  return WideString(Buffer, Buffer + N);
}

int Tnt_DrawTextW(HDC DC, const WideString& Text, RECT& Rect, UINT Format) {
  if (Win32PlatformIsUnicode) {
    const std::wstring W(Text.begin(), Text.end());
    return DrawTextW(DC, W.c_str(), static_cast<int>(W.size()), &Rect, Format);
  }
  // The narrow drawing function speaks the system's ANSI code page.
  const String Ansi = WideToCodePage(Text, CP_ACP);
  return DrawTextA(DC, Ansi.c_str(), -1, &Rect, Format);
}
