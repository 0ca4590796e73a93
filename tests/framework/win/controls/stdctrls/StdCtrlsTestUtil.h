// What the standard-control tests share beyond tests/support: a form to put controls on, and a
// window rendered into memory.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/forms/Forms.h"

// A form with a window, shown without taking the foreground, for controls to live on.
std::unique_ptr<TForm> MakeHostForm(int Width = 400, int Height = 300);

// A window's client area as its own WM_ERASEBKGND and WM_PAINT draw it into a memory DC (no screen,
// no overlap): pixel (X, Y) as 0x00BBGGRR.
class TRendering {
 public:
  explicit TRendering(HWND Window);
  COLORREF Pixel(int X, int Y) const;
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // How many pixels of a rectangle have Color, and how many have another.
  int Count(RECT Rect, COLORREF Color) const;
  int CountOther(RECT Rect, COLORREF Color) const;

 private:
  int FWidth = 0, FHeight = 0;
  std::vector<COLORREF> FPixels;
};
