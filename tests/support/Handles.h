// Counting the GDI and USER objects a test leaves behind, and reading window pixels and places.
#pragma once

#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

namespace testsupport {

// GDI objects of this process, as the system counts them (under Wine: from its handle table).
DWORD GdiObjects();
// USER objects of this process (under Wine, which answers 0: this thread's windows and their
// children).
DWORD UserObjects();
// Whether Cycles more runs of Life leave the GDI and USER counts as its first run left them (the
// first run makes the classes, caches and stock objects that live on).
::testing::AssertionResult LeavesNoHandles(const std::function<void()>& Life, int Cycles);

struct TObjectCounts {
  DWORD Gdi = 0;
  DWORD User = 0;
  bool operator==(const TObjectCounts&) const = default;
};
// The GDI and USER counts once they hold still: pumps (with PumpOnce, else this thread's queue)
// until the counts have not changed for half a second, for at most ten seconds. Objects freed by
// posted messages and timers are gone by then even on a loaded machine, where a fixed short pump reads
// too early.
TObjectCounts SettledObjectCounts(const std::function<void()>& PumpOnce = {});

// The colour of a window pixel, in window coordinates, read from the window's DC.
COLORREF WindowPixel(HWND Wnd, int X, int Y);
inline COLORREF WindowPixel(HWND Wnd, POINT WindowPoint) {
  return WindowPixel(Wnd, WindowPoint.x, WindowPoint.y);
}
// Whether A and B differ by at most Tolerance on each of red, green and blue.
bool NearColor(COLORREF A, COLORREF B, int Tolerance);
// How many pixels of the window's rectangle R (window coordinates) are within Tolerance of Color.
int CountNearColor(HWND Wnd, const RECT& R, COLORREF Color, int Tolerance);
// The middle of a rectangle (rounded down).
inline POINT Centre(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

}  // namespace testsupport
