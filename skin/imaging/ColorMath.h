// Colour arithmetic of the imaging unit on plain 0x00BBGGRR values: mixing, saturation and the
// gradient tables (with their small cache) that the gradient fill paints from.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace skin {

using TRgbValue = std::uint32_t;  // red in the low byte, then green, then blue

constexpr int RedOf(TRgbValue C) {
  return static_cast<int>(C & 0xFF);
}
constexpr int GreenOf(TRgbValue C) {
  return static_cast<int>((C >> 8) & 0xFF);
}
constexpr int BlueOf(TRgbValue C) {
  return static_cast<int>((C >> 16) & 0xFF);
}
constexpr TRgbValue MakeRgb(int R, int G, int B) {
  return static_cast<TRgbValue>(R & 0xFF) | static_cast<TRgbValue>(G & 0xFF) << 8 |
         static_cast<TRgbValue>(B & 0xFF) << 16;
}

// Mixes two resolved colours. A weight below 100 is a percentage of C1; 100 and above counts in
// thousandths (so 100 is 10 per cent of C1). Each channel is rounded and keeps its low 8 bits.
TRgbValue BlendRgb(TRgbValue C1, TRgbValue C2, std::int32_t P);

// Saturation on a 0..255 scale, rounded half to even; 200 for colours whose three channels are all
// below 160.
std::int32_t SaturationValue(std::uint32_t C);

// N colours running from C1 to C2, each channel rounded to the nearest step; one entry is the
// midpoint. Empty for N <= 0.
std::vector<TRgbValue> BuildGradient(int N, TRgbValue C1, TRgbValue C2);
// Entry I (0..N-1) of that table, computed alone (for tables too long to build).
TRgbValue GradientEntry(long long N, TRgbValue C1, TRgbValue C2, long long I);

// Sixteen gradient tables reused for repeated fills of the same size and colours, refilled
// round-robin (the oldest slot goes first). Each slot remembers what it was asked for, so a table
// whose last entry rounds away from C2 is still found again.
class TGradientCache {
 public:
  static constexpr int SlotCount = 16;

  // The table for (N, C1, C2); valid until the next call. Empty for N <= 0.
  const std::vector<TRgbValue>& Table(int N, TRgbValue C1, TRgbValue C2);

  int NextSlot() const { return FNext; }
  // How many tables have been built (misses), for checking reuse.
  long long Builds() const { return FBuilds; }
  void Clear();

  // The one the gradient fill uses.
  static TGradientCache& Shared();

 private:
  struct TSlot {
    int N = 0;
    TRgbValue C1 = 0, C2 = 0;
    std::vector<TRgbValue> Colors;
  };
  std::array<TSlot, SlotCount> FSlots{};
  int FNext = 0;
  long long FBuilds = 0;
  std::vector<TRgbValue> FEmpty;
};

// The first and last band of an n-band gradient that lie inside a clip span, from where the
// rectangle starts (Start) and ends (End) along the gradient's axis. First > Last means none.
struct TBandRange {
  long long First = 0, Last = -1;
};
TBandRange VisibleBands(int Start, int End, int ClipStart, int ClipEnd);

}  // namespace skin
