// Where a scroll bar's request moves it: the arithmetic that every window scrolling its own client
// area (forms, scroll boxes) shares.
#pragma once

#include <windows.h>

#include <optional>

// The position a request to the bar described by Info asks for (a line of 8 pixels or a page up or
// down, the thumb's place, the top or bottom), kept where the last page still fills the view; none
// for a code that does not move the bar (SB_ENDSCROLL and the like).
std::optional<int> ScrollRequestPosition(const SCROLLINFO& Info, int Code);
// The same for the bar Bar (SB_HORZ, SB_VERT) of window Wnd, as it stands; none when it cannot be read.
std::optional<int> ScrollRequestPosition(HWND Wnd, int Bar, int Code);
