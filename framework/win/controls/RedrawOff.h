// A window's drawing turned off for a scope and back on however the scope ends: a refill of a list
// window may run application code (a line's measuring) that throws half-way through.
#pragma once

#include <windows.h>

class TRedrawOff {
 public:
  explicit TRedrawOff(HWND Wnd) : FWnd(Wnd) { SendMessageW(FWnd, WM_SETREDRAW, FALSE, 0); }
  ~TRedrawOff() { SendMessageW(FWnd, WM_SETREDRAW, TRUE, 0); }
  TRedrawOff(const TRedrawOff&) = delete;
  TRedrawOff& operator=(const TRedrawOff&) = delete;

 private:
  HWND FWnd;
};
