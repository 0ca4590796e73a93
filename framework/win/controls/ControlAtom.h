// Every framework window carries a pointer to its control object as a window property. The property's
// name is a global atom for "ControlOfs%.8X%.8X" (module instance, thread that set up the framework),
// so that code in this module, and code that rebuilds the same name, finds the object of any handle.
#pragma once

#include <windows.h>

#include <string>

class TControl;

// "ControlOfs" + module instance + thread id, both as at least 8 upper-case hexadecimal digits (a
// 64-bit instance keeps all its digits so that two modules never share a name).
std::wstring ControlPropName(HINSTANCE Instance, DWORD ThreadId);

// The name and atom of this module, fixed by the first call (made on the GUI thread when the first
// window class is registered). The atom lives until the module is unloaded.
const std::wstring& ControlPropName();
ATOM ControlAtom();

// Stores or removes the control pointer of a window.
void AttachControl(HWND Wnd, TControl* Control);
void DetachControl(HWND Wnd);

// The framework control of a window; null for a null handle or a window without one.
TControl* FindControlx(HWND Wnd);
