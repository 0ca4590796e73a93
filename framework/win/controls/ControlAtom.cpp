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
  static AtomHolder Instance;
  return Instance;
}

}  // namespace

std::wstring ControlPropName(HINSTANCE Instance, DWORD ThreadId) {
  wchar_t Buffer[64];
  std::swprintf(Buffer, std::size(Buffer), L"ControlOfs%.8llX%.8lX",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(Instance)),
                static_cast<unsigned long>(ThreadId));
  return Buffer;
}

const std::wstring& ControlPropName() {
  return Holder().name;
}
ATOM ControlAtom() {
  return Holder().atom;
}

void AttachControl(HWND Wnd, TControl* Control) {
  if (Wnd) SetPropW(Wnd, MAKEINTATOM(ControlAtom()), Control);
}

void DetachControl(HWND Wnd) {
  if (Wnd) RemovePropW(Wnd, MAKEINTATOM(ControlAtom()));
}

TControl* FindControlx(HWND Wnd) {
  if (!Wnd) return nullptr;
  // A window of another process may carry a property of the same name; its pointer means nothing here.
  DWORD Process = 0;
  if (!GetWindowThreadProcessId(Wnd, &Process) || Process != GetCurrentProcessId()) return nullptr;
  return static_cast<TControl*>(GetPropW(Wnd, MAKEINTATOM(ControlAtom())));
}
