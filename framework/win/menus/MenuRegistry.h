// The process-wide table of live menu items by command identifier (menus live on the GUI thread).
#pragma once

#include <windows.h>

class TMenuItem;

namespace menus_detail {
// A free identifier from 1 below kMenuCommandLimit, registered for Item.
UINT AllocCommand(TMenuItem* Item);
void ReleaseCommand(UINT Command);
}  // namespace menus_detail
