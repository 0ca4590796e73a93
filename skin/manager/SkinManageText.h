// Small helpers of the manager: window class names and case folding.
#pragma once

#include <windows.h>

#include "framework/core/SysUtils.h"

class TRuzIzivPopMenu;

// The window's class name in the framework's narrow text (at most 255 characters); empty for none.
String WindowClassName(HWND Wnd);
// Gives the popup menu window its procedure back and frees the object.
void FreePopMenu(TRuzIzivPopMenu* Menu);
