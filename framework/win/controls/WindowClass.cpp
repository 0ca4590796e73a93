#include "framework/win/controls/WindowClass.h"

#include <map>
#include <stdexcept>

#include "framework/win/controls/Controls.h"

namespace {

// Class name -> default procedure; touched only from the GUI thread. Never destroyed: windows that
// static objects free at exit still find their default procedure.
std::map<std::wstring, WNDPROC>& DefaultProcs() {
  static auto* Procs = new std::map<std::wstring, WNDPROC>;
  return *Procs;
}

}  // namespace

WNDPROC RegisterControlClass(const TCreateParams& Params) {
  auto Found = DefaultProcs().find(Params.WinClassName);
  if (Found != DefaultProcs().end()) return Found->second;

  WNDCLASSEXW Wc{};
  WNDPROC DefaultProc = DefWindowProcW;
  if (!Params.BaseClassName.empty()) {
    // Built on a system class: take its look and keep its procedure as the default.
    Wc.cbSize = sizeof Wc;
    if (!GetClassInfoExW(nullptr, Params.BaseClassName.c_str(), &Wc))
      throw std::runtime_error("Window class not found");
    DefaultProc = Wc.lpfnWndProc;
  } else {
    Wc.style = Params.ClassStyle;
    Wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    Wc.hbrBackground = Params.Background;
  }
  Wc.cbSize = sizeof Wc;
  Wc.lpfnWndProc = &TWinControl::StdWndProc;
  Wc.hInstance = GetModuleHandleW(nullptr);
  Wc.lpszClassName = Params.WinClassName.c_str();
  Wc.lpszMenuName = nullptr;
  Wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  if (!RegisterClassExW(&Wc)) throw std::runtime_error("Window class could not be registered");
  DefaultProcs()[Params.WinClassName] = DefaultProc;
  return DefaultProc;
}

WNDPROC DefaultProcOf(HWND Wnd) {
  wchar_t Name[256] = {};
  if (!GetClassNameW(Wnd, Name, 256)) return DefWindowProcW;
  auto Found = DefaultProcs().find(Name);
  return Found != DefaultProcs().end() ? Found->second : DefWindowProcW;
}
