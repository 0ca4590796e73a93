// Small drawing helpers shared by the control skin objects of this folder.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Graphics.h"
#include "skin/data/SkinElements.h"

namespace skinctl {

// A one-pixel frame of Color on R.
inline void FrameColor(HDC DC, const RECT& R, TColor Color) {
  TGdiBrush Brush(CreateSolidBrush(ColorToRGB(Color)));
  FrameRect(DC, &R, Brush.Get());
}

// The element exists and has a picture to draw.
inline bool HasImage(const TDataSkinObject* Element) {
  return Element && Element->Bitmap && !Element->Bitmap->Empty();
}

// The window's style bits.
inline LONG_PTR StyleOf(HWND Wnd) {
  return Wnd ? GetWindowLongPtrW(Wnd, GWL_STYLE) : 0;
}
inline LONG_PTR ExStyleOf(HWND Wnd) {
  return Wnd ? GetWindowLongPtrW(Wnd, GWL_EXSTYLE) : 0;
}

}  // namespace skinctl
