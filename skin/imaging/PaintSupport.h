// Internal building blocks of the painters: turning slice plans into GDI copies, tiling, keyed
// (transparent) copies and the short-lived scratch surfaces. Not part of the imaging interface.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/win/graphics/Graphics.h"
#include "skin/imaging/SkinGeometry.h"

namespace skin::paint {

inline TSkinRect ToSkin(const RECT& R) {
  return TSkinRect{R.left, R.top, R.right, R.bottom};
}
inline RECT ToRect(const TSkinRect& R) {
  return RECT{R.Left, R.Top, R.Right, R.Bottom};
}

// R moved by (Dx, Dy), saturating instead of overflowing.
TSkinRect Offset(const TSkinRect& R, int Dx, int Dy);

// The frame of Source a painter reads (an empty frame for a missing or empty bitmap).
TFrame FrameOf(TBitmap* Source, int FrameIndex, int FrameCount, bool Vertical);

// The device context through which Source is read; nullptr for a missing or empty bitmap.
HDC SourceDC(TBitmap* Source);

// The target's width and height, false when R is inverted or too large to be a real surface.
bool TargetExtent(const RECT& R, int& W, int& H);

// One copy of a plan, shifted by (Dx, Dy): stretched (a plain copy when the sizes agree) or, for a
// tiled copy, the source repeated over the destination.
void CopySlice(HDC Dest, int Dx, int Dy, HDC Source, const TSliceCopy& Copy);
void CopyPlan(HDC Dest, int Dx, int Dy, HDC Source, const TSlicePlan& Plan);

// Source rectangle repeated from Target's top-left, tiles not clipped to Target; tiles outside the
// destination's clip box are skipped.
void TileCopy(HDC Dest, const TSkinRect& Target, HDC Source, const TSkinRect& SourceRect);

// How a keyed copy is made: on the source's rows (a 24- or 32-bit DIB section into a true-colour
// memory surface; otherwise as below), through a monochrome mask with a masked blit, or with the
// three-pass XOR/AND/XOR form (platforms without masked blits). All give the same pixels.
enum class TKeyMethod { Rows, MaskBlt, Xor };
// The method the painters use (Rows unless a test forces another).
TKeyMethod KeyMethod();
void ForceKeyMethod(std::optional<TKeyMethod> Method);

// Copies W by H pixels from (Sx, Sy) of Source to (X, Y) of Dest, leaving Dest untouched where the
// source has the key colour. Surfaces are the kept ones, lent for this call.
void KeyedCopy(HDC Dest, int X, int Y, int W, int H, HDC Source, int Sx, int Sy, COLORREF Key,
               TKeyMethod Method);
// Whether this platform's masked blit is used (NT-class systems).
bool PlatformHasMaskBlt();

// A W by H colour surface with its own memory DC for one painter call, cleared to black. It lends
// the surface kept between calls when that one is free (fresh bitmaps cost far more than the pixel
// work of a repaint, most of it the first touch of their memory) and makes its own otherwise.
class TScratchSurface {
 public:
  TScratchSurface(HDC Compatible, int W, int H);
  TScratchSurface(const TScratchSurface&) = delete;
  TScratchSurface& operator=(const TScratchSurface&) = delete;
  ~TScratchSurface();
  explicit operator bool() const { return FDC != nullptr; }
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  bool FLent = false;
  TBitmapDC FOwn;
};

// Frees the surfaces kept between calls (the unit's end does it; they come back on demand).
void ReleaseKeptSurfaces();

}  // namespace skin::paint
