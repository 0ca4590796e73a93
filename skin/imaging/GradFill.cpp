// GradFill: one-pixel bands of a gradient table, only those inside the clip box.
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"

using namespace skin;

namespace {
// Longer gradients are computed band by band instead of being cached: their tables would be large
// and the clip box limits the bands drawn anyway.
constexpr long long kMaxCachedBands = 1 << 16;
}  // namespace

void GradFill(HDC DC, const RECT& R, TColor C1, TColor C2, std::int32_t Kind) {
  if (!DC || !RectVisible(DC, &R)) return;
  const TRgbValue FromRgb = ColorToRGB(C1), ToRgb = ColorToRGB(C2);
  RECT Clip = R;
  if (GetClipBox(DC, &Clip) == ERROR) Clip = R;

  const bool Across = Kind == 0;  // kind 0 runs left to right, any other top to bottom
  const int Start = Across ? R.left : R.top, End = Across ? R.right : R.bottom;
  const long long BandCount = static_cast<long long>(End) - Start;
  if (BandCount <= 0) return;
  const TBandRange Bands =
      VisibleBands(Start, End, Across ? Clip.left : Clip.top, Across ? Clip.right : Clip.bottom);
  if (Bands.First > Bands.Last) return;

  const std::vector<TRgbValue>* Cached =
      BandCount <= kMaxCachedBands
          ? &TGradientCache::Shared().Table(static_cast<int>(BandCount), FromRgb, ToRgb)
          : nullptr;
  auto Colour = [&](long long I) {
    return Cached ? (*Cached)[static_cast<size_t>(I)] : GradientEntry(BandCount, FromRgb, ToRgb, I);
  };
  // Neighbouring bands of one colour share a brush: the same pixels with fewer GDI calls.
  for (long long Index = Bands.First; Index <= Bands.Last;) {
    const TRgbValue C = Colour(Index);
    long long J = Index + 1;
    while (J <= Bands.Last && Colour(J) == C) ++J;
    RECT Band = R;
    if (Across) {
      Band.left = static_cast<LONG>(Start + Index);
      Band.right = static_cast<LONG>(Start + J);
    } else {
      Band.top = static_cast<LONG>(Start + Index);
      Band.bottom = static_cast<LONG>(Start + J);
    }
    TGdiBrush Brush(CreateSolidBrush(C));
    if (Brush) FillRect(DC, &Band, Brush.Get());
    Index = J;
  }
}
