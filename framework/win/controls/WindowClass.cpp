#include "framework/win/controls/WindowClass.h"

#include <map>
#include <stdexcept>

#include "framework/win/controls/Controls.h"

namespace {

// Class name -> default procedure; touched only from the GUI thread. Never destroyed: windows that
// static objects free at exit still find their default procedure.
std::map<std::wstring, WNDPROC>& DefaultProcs() {
  static auto* procs = new std::map<std::wstring, WNDPROC>;
  return *procs;
}

}  // namespace

WNDPROC RegisterControlClass(const TCreateParams& params) {
  auto found = DefaultProcs().find(params.WinClassName);
  if (found != DefaultProcs().end()) return found->second;

  WNDCLASSEXW wc{};
  WNDPROC defaultProc = DefWindowProcW;
  if (!params.BaseClassName.empty()) {
    // Built on a system class: take its look and keep its procedure as the default.
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
      throw std::runtime_error("Window class not found");
    defaultProc = wc.lpfnWndProc;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = params.Background;
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TWinControl::StdWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = params.WinClassName.c_str();
  wc.lpszMenuName = nullptr;
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  if (!RegisterClassExW(&wc)) throw std::runtime_error("Window class could not be registered");
  DefaultProcs()[params.WinClassName] = defaultProc;
  return defaultProc;
}

WNDPROC DefaultProcOf(HWND wnd) {
  wchar_t name[256] = {};
  if (!GetClassNameW(wnd, name, 256)) return DefWindowProcW;
  auto found = DefaultProcs().find(name);
  return found != DefaultProcs().end() ? found->second : DefWindowProcW;
}
