#include "skin/imaging/RegionRuns.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace skin {

namespace {
// Header fields (in 32-bit words): size, type, count, buffer size, bounding box.
constexpr size_t kSize = 0, kType = 4, kCount = 8, kRgnSize = 12, kBound = 16;
constexpr std::int32_t kRectangles = 1;
constexpr std::int32_t kFar = 0x7FFFFFFF;

std::int32_t AddSat(int A, int B) {
  return static_cast<std::int32_t>(std::clamp<long long>(static_cast<long long>(A) + B, INT_MIN, INT_MAX));
}
}  // namespace

TRegionRects::TRegionRects() : FBuffer(HeaderSize + GrowBy * RectSize), FCapacity(GrowBy) {
  PutInt(kSize, static_cast<std::int32_t>(HeaderSize));
  PutInt(kType, kRectangles);
  PutInt(kRgnSize, 0);
  Reset();
}

void TRegionRects::PutInt(size_t Offset, std::int32_t V) {
  std::memcpy(FBuffer.data() + Offset, &V, 4);
}

std::int32_t TRegionRects::GetInt(size_t Offset) const {
  std::int32_t V;
  std::memcpy(&V, FBuffer.data() + Offset, 4);
  return V;
}

void TRegionRects::Reset() {
  FCount = 0;
  PutInt(kCount, 0);
  PutInt(kBound, kFar);
  PutInt(kBound + 4, kFar);
  PutInt(kBound + 8, 0);
  PutInt(kBound + 12, 0);
}

bool TRegionRects::Add(int X0, int Y, int X1, int Dx, int Dy) {
  if (FCount == FCapacity) {
    FCapacity += GrowBy;
    FBuffer.resize(HeaderSize + static_cast<size_t>(FCapacity) * RectSize);
  }
  const std::int32_t L = AddSat(X0, Dx), T = AddSat(Y, Dy), R = AddSat(X1, Dx), B = AddSat(AddSat(Y, 1), Dy);
  const size_t At = HeaderSize + static_cast<size_t>(FCount) * RectSize;
  PutInt(At, L);
  PutInt(At + 4, T);
  PutInt(At + 8, R);
  PutInt(At + 12, B);
  // The bounding box covers the rectangles as stored (offsets included), so that it never
  // understates the region.
  PutInt(kBound, std::min(GetInt(kBound), L));
  PutInt(kBound + 4, std::min(GetInt(kBound + 4), T));
  PutInt(kBound + 8, std::max(GetInt(kBound + 8), R));
  PutInt(kBound + 12, std::max(GetInt(kBound + 12), B));
  PutInt(kCount, ++FCount);
  return FCount >= FlushAt;
}

TSkinRect TRegionRects::Bound() const {
  return TSkinRect{GetInt(kBound), GetInt(kBound + 4), GetInt(kBound + 8), GetInt(kBound + 12)};
}

TSkinRect TRegionRects::RectAt(int I) const {
  const size_t At = HeaderSize + static_cast<size_t>(I) * RectSize;
  return TSkinRect{GetInt(At), GetInt(At + 4), GetInt(At + 8), GetInt(At + 12)};
}

TKeyBounds KeyBounds(TRgbValue Key, std::uint8_t RedTol, std::uint8_t GreenTol, std::uint8_t BlueTol) {
  auto Hi = [](int Lo, int Tol) { return static_cast<std::uint8_t>(std::min(255, Lo + Tol)); };
  TKeyBounds K;
  K.RedLo = static_cast<std::uint8_t>(RedOf(Key));
  K.GreenLo = static_cast<std::uint8_t>(GreenOf(Key));
  K.BlueLo = static_cast<std::uint8_t>(BlueOf(Key));
  K.RedHi = Hi(K.RedLo, RedTol);
  K.GreenHi = Hi(K.GreenLo, GreenTol);
  K.BlueHi = Hi(K.BlueLo, BlueTol);
  return K;
}

}  // namespace skin
