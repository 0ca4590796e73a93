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

namespace {

// One surface kept between calls, grown to the largest size asked for; lent to one user at a time.
struct TKeptSurface {
  explicit TKeptSurface(bool IsMono = false) : Mono(IsMono) {}
  bool Mono;
  HDC DC = nullptr;
  TGdiBitmap Bitmap;
  HGDIOBJ Old = nullptr;
  int W = 0, H = 0;
  bool InUse = false;

  ~TKeptSurface() { Free(); }
  void Free() {
    if (DC) {
      if (Old) SelectObject(DC, Old);
      DeleteDC(DC);
    }
    DC = nullptr;
    Old = nullptr;
    Bitmap.Reset();
    W = H = 0;
  }
  // A DC holding a bitmap of at least NeedW by NeedH, or nullptr when it cannot be had.
  HDC Lease(int NeedW, int NeedH) {
    if (InUse) return nullptr;
    if (NeedW > W || NeedH > H) {
      Free();
      const int w = std::max(NeedW, 64), h = std::max(NeedH, 32);
      DC = CreateCompatibleDC(nullptr);
      if (!DC) return nullptr;
      if (Mono) {
        Bitmap.Reset(CreateBitmap(w, h, 1, 1, nullptr));
      } else {
        // 32 bits hold every colour of any target exactly.
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        Bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
      }
      if (!Bitmap) {
        Free();
        return nullptr;
      }
      Old = SelectObject(DC, Bitmap.Get());
      W = w;
      H = h;
    }
    InUse = true;
    return DC;
  }
};

TKeptSurface gColour;
TKeptSurface gMask(true);

// The mask of one keyed copy, lent from the kept one when possible.
class TMaskSurface {
 public:
  TMaskSurface(HDC Compatible, int W, int H) {
    FDC = gMask.Lease(W, H);
    if (FDC) {
      FLent = true;
      return;
    }
    FBitmap.Reset(CreateBitmap(W, H, 1, 1, nullptr));
    FOwnDC = CreateCompatibleDC(Compatible);
    if (FBitmap && FOwnDC) {
      FOld = SelectObject(FOwnDC, FBitmap.Get());
      FDC = FOwnDC;
    }
  }
  TMaskSurface(const TMaskSurface&) = delete;
  TMaskSurface& operator=(const TMaskSurface&) = delete;
  ~TMaskSurface() {
    if (FLent) gMask.InUse = false;
    if (FOwnDC) {
      if (FOld) SelectObject(FOwnDC, FOld);
      DeleteDC(FOwnDC);
    }
  }
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  bool FLent = false;
  HDC FOwnDC = nullptr;
  TGdiBitmap FBitmap;
  HGDIOBJ FOld = nullptr;
};

}  // namespace

bool PlatformHasMaskBlt() {
  return GetVersion() < 0x80000000u;
}

void KeyedCopy(HDC Dest, int X, int Y, int W, int H, HDC Source, int Sx, int Sy, COLORREF Key,
               bool UseMaskBlt) {
  if (W <= 0 || H <= 0 || !Dest || !Source) return;
  // Key pixels become 1 in the mask: a colour-to-monochrome copy sets the pixels that match the
  // source's background colour.
  TMaskSurface mask(Dest, W, H);
  if (!mask.DC()) return;
  const COLORREF sourceBk = SetBkColor(Source, Key);
  BitBlt(mask.DC(), 0, 0, W, H, Source, Sx, Sy, SRCCOPY);
  SetBkColor(Source, sourceBk);

  if (UseMaskBlt) {
    MaskBlt(Dest, X, Y, W, H, Source, Sx, Sy, static_cast<HBITMAP>(GetCurrentObject(mask.DC(), OBJ_BITMAP)),
            0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then cleared where opaque, then ^ src again: the destination survives under key
  // pixels and the source replaces it everywhere else.
  const COLORREF bk = SetBkColor(Dest, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(Dest, RGB(0, 0, 0));
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  BitBlt(Dest, X, Y, W, H, mask.DC(), 0, 0, SRCAND);
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  SetBkColor(Dest, bk);
  SetTextColor(Dest, text);
}

void ReleaseKeptSurfaces() {
  if (!gColour.InUse) gColour.Free();
  if (!gMask.InUse) gMask.Free();
}

TScratchSurface::TScratchSurface(HDC Compatible, int W, int H) {
  if (W <= 0 || H <= 0) return;
  FDC = gColour.Lease(W, H);
  if (FDC) {
    FLent = true;
  } else {
    FOwnDC = CreateCompatibleDC(Compatible);
    if (!FOwnDC) return;
    // A memory DC as reference gives a bitmap of the format selected into it, a window DC the
    // screen's. (The new DC itself would give 1 bit.)
    if (Compatible) {
      FOwnBitmap.Reset(CreateCompatibleBitmap(Compatible, W, H));
    } else {
      TWindowDC screen;
      FOwnBitmap.Reset(CreateCompatibleBitmap(screen.Get(), W, H));
    }
    if (!FOwnBitmap) return;
    FOld = SelectObject(FOwnDC, FOwnBitmap.Get());
    FDC = FOwnDC;
  }
  // A lent surface still holds the last picture and stretch mode; painters expect a new one.
  SetStretchBltMode(FDC, BLACKONWHITE);
  PatBlt(FDC, 0, 0, W, H, BLACKNESS);
}

TScratchSurface::~TScratchSurface() {
  if (FLent) gColour.InUse = false;
  if (FOwnDC) {
    if (FOld) SelectObject(FOwnDC, FOld);
    DeleteDC(FOwnDC);
  }
}

}  // namespace skin::paint
