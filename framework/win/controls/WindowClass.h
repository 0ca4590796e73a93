// Registration of the framework's window classes. Each is registered once per process with
// TWinControl::StdWndProc as its procedure; a class built on a system class (BUTTON, EDIT...) keeps
// that class's procedure as the default for every message the framework leaves alone.
#pragma once

#include <windows.h>

#include <string>

struct TCreateParams;

// Registers the class of params (if not yet) and returns its default procedure.
WNDPROC RegisterControlClass(const TCreateParams& Params);
// The default procedure of a registered framework class, by the class atom of a window.
WNDPROC DefaultProcOf(HWND Wnd);
