#include "framework/win/controls/ControlAtom.h"

#include <cwchar>

namespace {

// Owns the global atom: global atoms outlive the process otherwise.
struct AtomHolder {
  std::wstring name = ControlPropName(GetModuleHandleW(nullptr), GetCurrentThreadId());
  ATOM atom = GlobalAddAtomW(name.c_str());
  ~AtomHolder() {
    if (atom) GlobalDeleteAtom(atom);
  }
};

AtomHolder& Holder() {
  static AtomHolder holder;
  return holder;
}

}  // namespace

std::wstring ControlPropName(HINSTANCE instance, DWORD threadId) {
  wchar_t buffer[64];
  std::swprintf(buffer, std::size(buffer), L"ControlOfs%.8llX%.8lX",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(instance)),
                static_cast<unsigned long>(threadId));
  return buffer;
}

const std::wstring& ControlPropName() {
  return Holder().name;
}
ATOM ControlAtom() {
  return Holder().atom;
}

void AttachControl(HWND wnd, TControl* control) {
  if (wnd) SetPropW(wnd, MAKEINTATOM(ControlAtom()), control);
}

void DetachControl(HWND wnd) {
  if (wnd) RemovePropW(wnd, MAKEINTATOM(ControlAtom()));
}

TControl* FindControlx(HWND wnd) {
  if (!wnd) return nullptr;
  // A window of another process may carry a property of the same name; its pointer means nothing here.
  DWORD process = 0;
  if (!GetWindowThreadProcessId(wnd, &process) || process != GetCurrentProcessId()) return nullptr;
  return static_cast<TControl*>(GetPropW(wnd, MAKEINTATOM(ControlAtom())));
}
