#include "skin/imaging/ColorMath.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace skin {

TRgbValue BlendRgb(TRgbValue C1, TRgbValue C2, std::int32_t P) {
  // 64-bit sums: any 32-bit weight is defined; the low 8 bits of the truncated quotient are kept.
  const long long d = P < 100 ? 100 : 1000;
  auto mix = [&](int A, int B) {
    const long long v = (static_cast<long long>(A) * P + static_cast<long long>(B) * (d - P) + d / 2) / d;
    return static_cast<int>(v & 0xFF);
  };
  return MakeRgb(mix(RedOf(C1), RedOf(C2)), mix(GreenOf(C1), GreenOf(C2)), mix(BlueOf(C1), BlueOf(C2)));
}

std::int32_t SaturationValue(std::uint32_t C) {
  const int r = RedOf(C), g = GreenOf(C), b = BlueOf(C);
  if (r < 160 && g < 160 && b < 160) return 200;
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  const double s = hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi;
  return static_cast<std::int32_t>(std::nearbyint(s * 255.0));  // default rounding: half to even
}

TRgbValue GradientEntry(long long N, TRgbValue C1, TRgbValue C2, long long I) {
  const int dr = RedOf(C2) - RedOf(C1), dg = GreenOf(C2) - GreenOf(C1), db = BlueOf(C2) - BlueOf(C1);
  if (N <= 1) return MakeRgb(RedOf(C1) + dr / 2, GreenOf(C1) + dg / 2, BlueOf(C1) + db / 2);
  const long long d = N - 1;
  auto step = [d, I](int Base, int Delta) {
    return Base + static_cast<int>((I * static_cast<long long>(Delta) + d / 2) / d);  // truncates toward zero
  };
  return MakeRgb(step(RedOf(C1), dr), step(GreenOf(C1), dg), step(BlueOf(C1), db));
}

std::vector<TRgbValue> BuildGradient(int N, TRgbValue C1, TRgbValue C2) {
  std::vector<TRgbValue> colors;
  if (N <= 0) return colors;
  colors.resize(static_cast<size_t>(N));
  for (int i = 0; i < N; ++i) colors[static_cast<size_t>(i)] = GradientEntry(N, C1, C2, i);
  return colors;
}

const std::vector<TRgbValue>& TGradientCache::Table(int N, TRgbValue C1, TRgbValue C2) {
  if (N <= 0) return FEmpty;
  for (int i = SlotCount - 1; i >= 0; --i) {
    const TSlot& s = FSlots[static_cast<size_t>(i)];
    if (s.N == N && s.C1 == C1 && s.C2 == C2 && !s.Colors.empty()) return s.Colors;
  }
  TSlot& slot = FSlots[static_cast<size_t>(FNext)];
  FNext = (FNext + 1) % SlotCount;
  slot.Colors = BuildGradient(N, C1, C2);
  slot.N = N;
  slot.C1 = C1;
  slot.C2 = C2;
  ++FBuilds;
  return slot.Colors;
}

void TGradientCache::Clear() {
  for (TSlot& s : FSlots) s = TSlot{};
  FNext = 0;
}

TGradientCache& TGradientCache::Shared() {
  static TGradientCache cache;  // freed with the module
  return cache;
}

TBandRange VisibleBands(int Start, int End, int ClipStart, int ClipEnd) {
  const long long n = static_cast<long long>(End) - Start;
  if (n <= 0) return {};
  long long first = 0, last = n - 1;
  if (ClipStart > Start) first += static_cast<long long>(ClipStart) - Start;
  if (ClipEnd < End) last -= static_cast<long long>(End) - ClipEnd;
  if (first > last) return {};
  return TBandRange{first, last};
}

}  // namespace skin
