// Building a window region from a bitmap, without GDI: runs of opaque pixels become one-pixel-high
// rectangles gathered in a buffer laid out as the system's region data (a 32-byte header followed
// by 16-byte rectangles), handed out in batches so that no single region request grows too large.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/imaging/ColorMath.h"
#include "skin/imaging/SkinGeometry.h"

namespace skin {

class TRegionRects {
 public:
  static constexpr int GrowBy = 500;    // rectangles added to the buffer when it is full
  static constexpr int FlushAt = 2000;  // rectangles per region request
  static constexpr size_t HeaderSize = 32;
  static constexpr size_t RectSize = 16;

  TRegionRects();

  // Appends (X0 + Dx, Y + Dy, X1 + Dx, Y + 1 + Dy) and widens the bounding box by it. True when
  // the batch is full: the caller turns Data() into a region, then calls Reset().
  bool Add(int X0, int Y, int X1, int Dx, int Dy);
  void Reset();

  int Count() const { return FCount; }
  int Capacity() const { return FCapacity; }
  TSkinRect Bound() const;
  TSkinRect RectAt(int I) const;
  // The region data of the current batch and its size in bytes.
  const std::uint8_t* Data() const { return FBuffer.data(); }
  size_t Size() const { return HeaderSize + static_cast<size_t>(FCount) * RectSize; }

 private:
  void PutInt(size_t Offset, std::int32_t V);
  std::int32_t GetInt(size_t Offset) const;

  std::vector<std::uint8_t> FBuffer;
  int FCount = 0;
  int FCapacity = 0;
};

// Inclusive per-channel bounds of the colours that count as transparent: from the key colour up to
// key + tolerance, capped at 255.
struct TKeyBounds {
  std::uint8_t RedLo = 0, RedHi = 0, GreenLo = 0, GreenHi = 0, BlueLo = 0, BlueHi = 0;
  bool Contains(std::uint8_t Blue, std::uint8_t Green, std::uint8_t Red) const {
    return Red >= RedLo && Red <= RedHi && Green >= GreenLo && Green <= GreenHi && Blue >= BlueLo &&
           Blue <= BlueHi;
  }
};
TKeyBounds KeyBounds(TRgbValue Key, std::uint8_t RedTol, std::uint8_t GreenTol, std::uint8_t BlueTol);

// Walks 32-bit rows (blue, green, red, spare) top to bottom and adds every run of pixels outside
// the key bounds to Rects, calling Flush() whenever a batch is full. The caller flushes the rest.
template <class FlushFn>
void ScanOpaqueRuns(const std::uint8_t* Bits, int Width, int Height, std::ptrdiff_t Stride,
                    const TKeyBounds& Key, int Dx, int Dy, TRegionRects& Rects, FlushFn&& Flush) {
  for (int Y = 0; Y < Height; ++Y) {
    const std::uint8_t* Row = Bits + static_cast<std::ptrdiff_t>(Y) * Stride;
    int X = 0;
    while (X < Width) {
      const int X0 = X;
      while (X < Width && !Key.Contains(Row[4 * X], Row[4 * X + 1], Row[4 * X + 2])) ++X;
      if (X > X0 && Rects.Add(X0, Y, X, Dx, Dy)) Flush();
      ++X;  // past the transparent pixel
    }
  }
}

}  // namespace skin
