#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinUnit.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

namespace skin::paint {

namespace {
// Larger targets are not real surfaces; refusing them keeps temporaries within reason.
constexpr long long kMaxExtent = 1 << 15;
// Keep the destination where the mask is set: the raster operation D (no source involved).
constexpr DWORD kKeepDest = 0x00AA0029;
}  // namespace

TSkinRect Offset(const TSkinRect& R, int Dx, int Dy) {
  auto Add = [](int A, int B) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(A) + B, INT_MIN, INT_MAX));
  };
  return TSkinRect{Add(R.Left, Dx), Add(R.Top, Dy), Add(R.Right, Dx), Add(R.Bottom, Dy)};
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
  const long long Width = static_cast<long long>(R.right) - R.left,
                  Height = static_cast<long long>(R.bottom) - R.top;
  if (Width < 0 || Height < 0 || Width > kMaxExtent || Height > kMaxExtent) return false;
  W = static_cast<int>(Width);
  H = static_cast<int>(Height);
  return true;
}

void CopySlice(HDC Dest, int Dx, int Dy, HDC Source, const TSliceCopy& Copy) {
  const TSkinRect D = Offset(Copy.Dest, Dx, Dy);
  const TSkinRect& S = Copy.Source;
  if (Copy.Tiled) {
    TileCopy(Dest, D, Source, S);
  } else if (D.Width() == S.Width() && D.Height() == S.Height()) {
    BitBlt(Dest, D.Left, D.Top, D.Width(), D.Height(), Source, S.Left, S.Top, SRCCOPY);
  } else {
    StretchBlt(Dest, D.Left, D.Top, D.Width(), D.Height(), Source, S.Left, S.Top, S.Width(), S.Height(),
               SRCCOPY);
  }
}

void CopyPlan(HDC Dest, int Dx, int Dy, HDC Source, const TSlicePlan& Plan) {
  for (const TSliceCopy& C : Plan) CopySlice(Dest, Dx, Dy, Source, C);
}

void TileCopy(HDC Dest, const TSkinRect& Target, HDC Source, const TSkinRect& SourceRect) {
  const int Tw = SourceRect.Width(), Th = SourceRect.Height();
  if (Tw <= 0 || Th <= 0) return;
  RECT Clip{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
  if (GetClipBox(Dest, &Clip) == ERROR) return;
  const TTileGrid G = TileGrid(Target, Tw, Th, ToSkin(Clip));
  for (int I = 0; I < G.CountX; ++I)
    for (int J = 0; J < G.CountY; ++J)
      BitBlt(Dest, G.FirstX + I * G.StepX, G.FirstY + J * G.StepY, Tw, Th, Source, SourceRect.Left,
             SourceRect.Top, SRCCOPY);
}

namespace {

// One surface kept between calls, grown to the largest size asked for; lent to one user at a time.
struct TKeptSurface {
  explicit TKeptSurface(bool IsMono = false) : Mono(IsMono) {}
  bool Mono;
  TBitmapDC Surface;
  std::uint32_t* Bits = nullptr;  // colour surfaces: top-down 32-bit rows of W pixels
  int W = 0, H = 0;
  bool InUse = false;

  void Free() {
    Surface.Reset();
    Bits = nullptr;
    W = H = 0;
  }
  // A DC holding a bitmap of at least NeedW by NeedH, or nullptr when it cannot be had.
  HDC Lease(int NeedW, int NeedH) {
    if (InUse) return nullptr;
    if (NeedW > W || NeedH > H) {
      Free();
      const int NewW = std::max(NeedW, 64), NewH = std::max(NeedH, 32);
      void* NewBits = nullptr;
      if (Mono) {
        Surface = TBitmapDC(nullptr, CreateBitmap(NewW, NewH, 1, 1, nullptr));
      } else {
        // 32 bits hold every colour of any target exactly.
        BITMAPINFO Info{};
        Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        Info.bmiHeader.biWidth = NewW;
        Info.bmiHeader.biHeight = -NewH;
        Info.bmiHeader.biPlanes = 1;
        Info.bmiHeader.biBitCount = 32;
        Surface = TBitmapDC(nullptr, CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &NewBits, nullptr, 0));
      }
      if (!Surface) {
        Free();
        return nullptr;
      }
      Bits = static_cast<std::uint32_t*>(NewBits);
      W = NewW;
      H = NewH;
    }
    InUse = true;
    return Surface.Get();
  }
};

TKeptSurface gColour;
TKeptSurface gMask(true);
TKeptSurface gBehind;   // what a keyed copy leaves of the target, read back and merged
TKeptSurface gSource;   // a keyed copy's source rows, when they are not the scratch surface's
TKeptSurface gCompose;  // frame repaints

// The mask of one keyed copy, lent from the kept one when possible.
class TMaskSurface {
 public:
  TMaskSurface(HDC Compatible, int W, int H) {
    FDC = gMask.Lease(W, H);
    if (FDC) {
      FLent = true;
      return;
    }
    FOwn = TBitmapDC(Compatible, CreateBitmap(W, H, 1, 1, nullptr));
    FDC = FOwn.Get();
  }
  TMaskSurface(const TMaskSurface&) = delete;
  TMaskSurface& operator=(const TMaskSurface&) = delete;
  ~TMaskSurface() {
    if (FLent) gMask.InUse = false;
  }
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  bool FLent = false;
  TBitmapDC FOwn;
};

}  // namespace

bool PlatformHasMaskBlt() {
  return GetVersion() < 0x80000000u;
}

namespace {

std::optional<TKeyMethod> gForcedMethod;

// Whether DC is a memory surface of true colours (no palette). Screen targets keep the platform's
// copy, since reading them back costs a round trip to the display; so do sources with a palette,
// where the platform matches the key against the palette's nearest entry.
bool TrueColourMemory(HDC DC) {
  if (GetObjectType(DC) != OBJ_MEMDC) return false;
  BITMAP Bm{};
  const auto Bitmap = static_cast<HBITMAP>(GetCurrentObject(DC, OBJ_BITMAP));
  return Bitmap && GetObjectW(Bitmap, sizeof(Bm), &Bm) && Bm.bmBitsPixel >= 15;
}

// The keyed copy on 32-bit rows: the source is copied whole, and only the box around its key
// pixels is read back from the target beforehand, merged and put back afterwards. The same pixels
// as a masked blit, without building a mask. The rows are those of the painters' scratch surface
// when that is the source, else a copy of the source rectangle on a kept surface (whose row order
// is known, which a DIB section's own description does not say on every platform). False when
// the surfaces do not allow it.
bool KeyedCopyRows(HDC Dest, int X, int Y, int W, int H, HDC Source, int Sx, int Sy, COLORREF Key) {
  if (!TrueColourMemory(Dest)) return false;
  const std::uint32_t* Pixels = nullptr;
  std::ptrdiff_t Stride = 0;
  bool UsesCopy = false;
  if (Source == gColour.Surface.Get() && gColour.Bits && Sx >= 0 && Sy >= 0 && Sx + W <= gColour.W &&
      Sy + H <= gColour.H) {
    Pixels = gColour.Bits + static_cast<std::ptrdiff_t>(Sy) * gColour.W + Sx;
    Stride = gColour.W;
  } else {
    if (!TrueColourMemory(Source)) return false;
    const HDC Copy = gSource.Lease(W, H);
    if (!Copy) return false;
    UsesCopy = true;
    BitBlt(Copy, 0, 0, W, H, Source, Sx, Sy, SRCCOPY);
    Pixels = gSource.Bits;
    Stride = gSource.W;
  }
  struct TRelease {
    bool Copied;
    ~TRelease() {
      if (Copied) gSource.InUse = false;
    }
  } Release{UsesCopy};
  GdiFlush();  // the rows are read directly
  const std::uint32_t KeyPixel = (static_cast<std::uint32_t>(GetRValue(Key)) << 16) |
                                 (static_cast<std::uint32_t>(GetGValue(Key)) << 8) | GetBValue(Key);
  int Left = W, Right = -1, Top = H, Bottom = -1;
  for (int Line = 0; Line < H; ++Line) {
    const std::uint32_t* Row = Pixels + Stride * Line;
    int First = -1, Last = -1;
    for (int Column = 0; Column < W; ++Column)
      if ((Row[Column] & 0xFFFFFFu) == KeyPixel) {
        if (First < 0) First = Column;
        Last = Column;
      }
    if (First < 0) continue;
    Left = std::min(Left, First);
    Right = std::max(Right, Last);
    Top = std::min(Top, Line);
    Bottom = Line;
  }
  if (Right < 0) {
    BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCCOPY);  // nothing keyed
    return true;
  }
  const int Bw = Right - Left + 1, Bh = Bottom - Top + 1;
  const HDC Behind = gBehind.Lease(Bw, Bh);
  if (!Behind) return false;
  BitBlt(Behind, 0, 0, Bw, Bh, Dest, X + Left, Y + Top, SRCCOPY);
  GdiFlush();
  for (int Line = 0; Line < Bh; ++Line) {
    const std::uint32_t* Row = Pixels + Stride * (Top + Line) + Left;
    std::uint32_t* Out = gBehind.Bits + static_cast<std::ptrdiff_t>(Line) * gBehind.W;
    for (int Column = 0; Column < Bw; ++Column)
      if ((Row[Column] & 0xFFFFFFu) != KeyPixel) Out[Column] = Row[Column];
  }
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCCOPY);
  BitBlt(Dest, X + Left, Y + Top, Bw, Bh, Behind, 0, 0, SRCCOPY);
  gBehind.InUse = false;
  return true;
}

}  // namespace

TKeyMethod KeyMethod() {
  if (gForcedMethod) return *gForcedMethod;
  return TKeyMethod::Rows;
}

void ForceKeyMethod(std::optional<TKeyMethod> Method) {
  gForcedMethod = Method;
}

void KeyedCopy(HDC Dest, int X, int Y, int W, int H, HDC Source, int Sx, int Sy, COLORREF Key,
               TKeyMethod Method) {
  if (W <= 0 || H <= 0 || !Dest || !Source) return;
  if (Method == TKeyMethod::Rows) {
    if (KeyedCopyRows(Dest, X, Y, W, H, Source, Sx, Sy, Key)) return;
    Method = PlatformHasMaskBlt() ? TKeyMethod::MaskBlt : TKeyMethod::Xor;
  }
  // Key pixels become 1 in the mask: a colour-to-monochrome copy sets the pixels that match the
  // source's background colour.
  TMaskSurface Mask(Dest, W, H);
  if (!Mask.DC()) return;
  const COLORREF SourceBk = SetBkColor(Source, Key);
  BitBlt(Mask.DC(), 0, 0, W, H, Source, Sx, Sy, SRCCOPY);
  SetBkColor(Source, SourceBk);

  if (Method == TKeyMethod::MaskBlt) {
    MaskBlt(Dest, X, Y, W, H, Source, Sx, Sy, static_cast<HBITMAP>(GetCurrentObject(Mask.DC(), OBJ_BITMAP)),
            0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then cleared where opaque, then ^ src again: the destination survives under key
  // pixels and the source replaces it everywhere else.
  const COLORREF Bk = SetBkColor(Dest, RGB(255, 255, 255));
  const COLORREF Text = SetTextColor(Dest, RGB(0, 0, 0));
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  BitBlt(Dest, X, Y, W, H, Mask.DC(), 0, 0, SRCAND);
  BitBlt(Dest, X, Y, W, H, Source, Sx, Sy, SRCINVERT);
  SetBkColor(Dest, Bk);
  SetTextColor(Dest, Text);
}

void ReleaseKeptSurfaces() {
  if (!gColour.InUse) gColour.Free();
  if (!gMask.InUse) gMask.Free();
  if (!gBehind.InUse) gBehind.Free();
  if (!gSource.InUse) gSource.Free();
  if (!gCompose.InUse) gCompose.Free();
}

TScratchSurface::TScratchSurface(HDC Compatible, int W, int H) {
  if (W <= 0 || H <= 0) return;
  FDC = gColour.Lease(W, H);
  if (FDC) {
    FLent = true;
  } else {
    // A memory DC as reference gives a bitmap of the format selected into it, a window DC the
    // screen's. (The new DC itself would give 1 bit.)
    if (Compatible) {
      FOwn = TBitmapDC(Compatible, CreateCompatibleBitmap(Compatible, W, H));
    } else {
      TScreenDC Screen;
      FOwn = TBitmapDC(nullptr, CreateCompatibleBitmap(Screen.Get(), W, H));
    }
    if (!FOwn) return;
    FDC = FOwn.Get();
  }
  // A lent surface still holds the last picture and stretch mode; painters expect a new one.
  SetStretchBltMode(FDC, BLACKONWHITE);
  PatBlt(FDC, 0, 0, W, H, BLACKNESS);
}

TScratchSurface::~TScratchSurface() {
  if (FLent) gColour.InUse = false;
}

}  // namespace skin::paint

TComposeSurface::TComposeSurface(int W, int H) {
  if (W > 0 && H > 0) FDC = skin::paint::gCompose.Lease(W, H);
}

TComposeSurface::~TComposeSurface() {
  if (FDC) skin::paint::gCompose.InUse = false;
}
