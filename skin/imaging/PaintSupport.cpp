#include "skin/imaging/PaintSupport.h"

#include <algorithm>
#include <climits>

namespace skin::paint {

namespace {
// Larger targets are not real surfaces; refusing them keeps temporaries within reason.
constexpr long long kMaxExtent = 1 << 15;
// Keep the destination where the mask is set: the raster operation D (no source involved).
constexpr DWORD kKeepDest = 0x00AA0029;
}  // namespace

TSkinRect Offset(const TSkinRect& R, int Dx, int Dy) {
  auto add = [](int A, int B) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(A) + B, INT_MIN, INT_MAX));
  };
  return TSkinRect{add(R.Left, Dx), add(R.Top, Dy), add(R.Right, Dx), add(R.Bottom, Dy)};
}

TFrame FrameOf(TBitmap* Source, int FrameIndex, int FrameCount, bool Vertical) {
  if (!Source || Source->Empty()) return TFrame{};
  return SelectFrame(Source->Width(), Source->Height(), FrameIndex, FrameCount, Vertical);
}

HDC SourceDC(TBitmap* Source) {
  if (!Source || Source->Empty()) return nullptr;
  return Source->Canvas()->Handle();
}

bool TargetExtent(const RECT& R, int& W, int& H) {
  const long long w = static_cast<long long>(R.right) - R.left, h = static_cast<long long>(R.bottom) - R.top;
  if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent) return false;
  W = static_cast<int>(w);
  H = static_cast<int>(h);
  return true;
}

void CopySlice(HDC Dest, int Dx, int Dy, HDC Source, const TSliceCopy& Copy) {
  const TSkinRect d = Offset(Copy.Dest, Dx, Dy);
  const TSkinRect& s = Copy.Source;
  if (Copy.Tiled) {
    TileCopy(Dest, d, Source, s);
  } else if (d.Width() == s.Width() && d.Height() == s.Height()) {
    BitBlt(Dest, d.Left, d.Top, d.Width(), d.Height(), Source, s.Left, s.Top, SRCCOPY);
  } else {
    StretchBlt(Dest, d.Left, d.Top, d.Width(), d.Height(), Source, s.Left, s.Top, s.Width(), s.Height(),
               SRCCOPY);
  }
}

void CopyPlan(HDC Dest, int Dx, int Dy, HDC Source, const TSlicePlan& Plan) {
  for (const TSliceCopy& c : Plan) CopySlice(Dest, Dx, Dy, Source, c);
}

void TileCopy(HDC Dest, const TSkinRect& Target, HDC Source, const TSkinRect& SourceRect) {
  const int tw = SourceRect.Width(), th = SourceRect.Height();
  if (tw <= 0 || th <= 0) return;
  RECT clip{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
  if (GetClipBox(Dest, &clip) == ERROR) return;
  const TTileGrid g = TileGrid(Target, tw, th, ToSkin(clip));
  for (int i = 0; i < g.CountX; ++i)
    for (int j = 0; j < g.CountY; ++j)
      BitBlt(Dest, g.FirstX + i * g.StepX, g.FirstY + j * g.StepY, tw, th, Source, SourceRect.Left,
             SourceRect.Top, SRCCOPY);
}

bool PlatformHasMaskBlt() {
  return GetVersion() < 0x80000000u;
}

void KeyedCopy(HDC Dest, int X, int Y, int W, int H, HDC Source, int Sx, int Sy, COLORREF Key,
               bool UseMaskBlt) {
  if (W <= 0 || H <= 0 || !Dest || !Source) return;
  // Key pixels become 1 in the mask: a colour-to-monochrome copy sets the pixels that match the
  // source's background colour.
  TGdiBitmap mask(CreateBitmap(W, H, 1, 1, nullptr));
  TMemoryDC maskDC(Dest);
  if (!mask || !maskDC) return;
  TSelectObject selected(maskDC.Get(), mask.Get());
  const COLORREF sourceBk = SetBkColor(Source, Key);
  BitBlt(maskDC.Get(), 0, 0, W, H, Source, Sx, Sy, SRCCOPY);
  SetBkColor(Source, sourceBk);

  if (UseMaskBlt) {
    MaskBlt(Dest, X, Y, W, H, Source, Sx, Sy, mask.Get(), 0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then cleared where opaque, then ^ src again: the destination survives under key
  // pixels and the source replaces it everywhere else.
  const COLORREF bk = SetBkColor(Dest, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(Dest, RGB(0, 0, 0));
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  BitBlt(Dest, X, Y, W, H, maskDC.Get(), 0, 0, SRCAND);
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  SetBkColor(Dest, bk);
  SetTextColor(Dest, text);
}

TScratchSurface::TScratchSurface(HDC Compatible, int W, int H) {
  if (W <= 0 || H <= 0) return;
  FDC = CreateCompatibleDC(Compatible);
  if (!FDC) return;
  // A memory DC as reference gives a bitmap of the format selected into it, a window DC the
  // screen's: either way the copy back is a plain one. (The new DC itself would give 1 bit.)
  if (Compatible) {
    FBitmap.Reset(CreateCompatibleBitmap(Compatible, W, H));
  } else {
    TWindowDC screen;
    FBitmap.Reset(CreateCompatibleBitmap(screen.Get(), W, H));
  }
  if (FBitmap) FOld = SelectObject(FDC, FBitmap.Get());
}

TScratchSurface::~TScratchSurface() {
  if (FDC) {
    if (FOld) SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
}

}  // namespace skin::paint
