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
  const TRgbValue from = ColorToRGB(C1), to = ColorToRGB(C2);
  RECT clip = R;
  if (GetClipBox(DC, &clip) == ERROR) clip = R;

  const bool across = Kind == 0;  // kind 0 runs left to right, any other top to bottom
  const int start = across ? R.left : R.top, end = across ? R.right : R.bottom;
  const long long n = static_cast<long long>(end) - start;
  if (n <= 0) return;
  const TBandRange bands =
      VisibleBands(start, end, across ? clip.left : clip.top, across ? clip.right : clip.bottom);
  if (bands.First > bands.Last) return;

  const std::vector<TRgbValue>* table =
      n <= kMaxCachedBands ? &TGradientCache::Shared().Table(static_cast<int>(n), from, to) : nullptr;
  auto colour = [&](long long I) {
    return table ? (*table)[static_cast<size_t>(I)] : GradientEntry(n, from, to, I);
  };
  // Neighbouring bands of one colour share a brush: the same pixels with fewer GDI calls.
  for (long long i = bands.First; i <= bands.Last;) {
    const TRgbValue c = colour(i);
    long long j = i + 1;
    while (j <= bands.Last && colour(j) == c) ++j;
    RECT band = R;
    if (across) {
      band.left = static_cast<LONG>(start + i);
      band.right = static_cast<LONG>(start + j);
    } else {
      band.top = static_cast<LONG>(start + i);
      band.bottom = static_cast<LONG>(start + j);
    }
    TGdiBrush brush(CreateSolidBrush(c));
    if (brush) FillRect(DC, &band, brush.Get());
    i = j;
  }
}
