// A readable line for a window message, for diagnostic output.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"

// "WM_NCPAINT wParam=1 lParam=0"; unnamed messages show their number ("msg 0x3523 ...").
String MenuMessageText(UINT Msg, WPARAM WParam, LPARAM LParam);
