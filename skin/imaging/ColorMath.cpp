#include "skin/imaging/ColorMath.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace skin {

TRgbValue BlendRgb(TRgbValue C1, TRgbValue C2, std::int32_t P) {
  // 64-bit sums: any 32-bit weight is defined; the low 8 bits of the truncated quotient are kept.
  const long long D = P < 100 ? 100 : 1000;
  auto Mix = [&](int A, int B) {
    const long long V = (static_cast<long long>(A) * P + static_cast<long long>(B) * (D - P) + D / 2) / D;
    return static_cast<int>(V & 0xFF);
  };
  return MakeRgb(Mix(RedOf(C1), RedOf(C2)), Mix(GreenOf(C1), GreenOf(C2)), Mix(BlueOf(C1), BlueOf(C2)));
}

std::int32_t SaturationValue(std::uint32_t C) {
  const int R = RedOf(C), G = GreenOf(C), B = BlueOf(C);
  if (R < 160 && G < 160 && B < 160) return 200;
  const int Hi = std::max({R, G, B}), Lo = std::min({R, G, B});
  const double S = Hi == 0 ? 0.0 : static_cast<double>(Hi - Lo) / Hi;
  return static_cast<std::int32_t>(std::nearbyint(S * 255.0));  // default rounding: half to even
}

TRgbValue GradientEntry(long long N, TRgbValue C1, TRgbValue C2, long long I) {
  const int Dr = RedOf(C2) - RedOf(C1), Dg = GreenOf(C2) - GreenOf(C1), Db = BlueOf(C2) - BlueOf(C1);
  if (N <= 1) return MakeRgb(RedOf(C1) + Dr / 2, GreenOf(C1) + Dg / 2, BlueOf(C1) + Db / 2);
  const long long D = N - 1;
  auto Step = [D, I](int Base, int Delta) {
    return Base + static_cast<int>((I * static_cast<long long>(Delta) + D / 2) / D);  // truncates toward zero
  };
  return MakeRgb(Step(RedOf(C1), Dr), Step(GreenOf(C1), Dg), Step(BlueOf(C1), Db));
}

std::vector<TRgbValue> BuildGradient(int N, TRgbValue C1, TRgbValue C2) {
  std::vector<TRgbValue> Colors;
  if (N <= 0) return Colors;
  Colors.resize(static_cast<size_t>(N));
  for (int I = 0; I < N; ++I) Colors[static_cast<size_t>(I)] = GradientEntry(N, C1, C2, I);
  return Colors;
}

const std::vector<TRgbValue>& TGradientCache::Table(int N, TRgbValue C1, TRgbValue C2) {
  if (N <= 0) return FEmpty;
  for (int I = SlotCount - 1; I >= 0; --I) {
    const TSlot& S = FSlots[static_cast<size_t>(I)];
    if (S.N == N && S.C1 == C1 && S.C2 == C2 && !S.Colors.empty()) return S.Colors;
  }
  TSlot& Slot = FSlots[static_cast<size_t>(FNext)];
  FNext = (FNext + 1) % SlotCount;
  Slot.Colors = BuildGradient(N, C1, C2);
  Slot.N = N;
  Slot.C1 = C1;
  Slot.C2 = C2;
  ++FBuilds;
  return Slot.Colors;
}

void TGradientCache::Clear() {
  for (TSlot& S : FSlots) S = TSlot{};
  FNext = 0;
}

TGradientCache& TGradientCache::Shared() {
  static TGradientCache Cache;  // freed with the module
  return Cache;
}

TBandRange VisibleBands(int Start, int End, int ClipStart, int ClipEnd) {
  const long long N = static_cast<long long>(End) - Start;
  if (N <= 0) return {};
  long long First = 0, Last = N - 1;
  if (ClipStart > Start) First += static_cast<long long>(ClipStart) - Start;
  if (ClipEnd < End) Last -= static_cast<long long>(End) - ClipEnd;
  if (First > Last) return {};
  return TBandRange{First, Last};
}

}  // namespace skin
