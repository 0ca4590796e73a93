// Geometry of skin element painting, free of any drawing: which frame of a strip is read, how a
// frame is cut by its margins and where each slice lands. The painters turn these plans into GDI
// copies; keeping the arithmetic here lets it be checked without a device context.
#pragma once

#include <array>

namespace skin {

// Edges as coordinates (Left/Top inclusive, Right/Bottom exclusive). Margins reuse the type with
// the four members read as widths.
struct TSkinRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool IsInverted() const { return Right < Left || Bottom < Top; }
  friend constexpr bool operator==(const TSkinRect&, const TSkinRect&) = default;
};

// One frame of an element strip inside its bitmap.
struct TFrame {
  int X = 0, Y = 0, Width = 0, Height = 0;
  friend constexpr bool operator==(const TFrame&, const TFrame&) = default;
};

// Frames are numbered from 1 and lie side by side, or stacked when Vertical is set. A skin that
// declares no frames (FrameCount below 1) is read as one frame, and an index outside
// 1..FrameCount is clamped to the nearest frame, so that a bad skin never divides by zero or reads
// past its bitmap.
TFrame SelectFrame(int BitmapWidth, int BitmapHeight, int FrameIndex, int FrameCount, bool Vertical);

// One copy of a painting plan: Source (bitmap coordinates) to Dest (target coordinates).
// Tiled copies repeat the source over Dest instead of stretching it.
struct TSliceCopy {
  TSkinRect Dest;
  TSkinRect Source;
  bool Tiled = false;
  friend constexpr bool operator==(const TSliceCopy&, const TSliceCopy&) = default;
};

// A short ordered list of copies; the order matters where tiles overrun and later slices cover them.
struct TSlicePlan {
  std::array<TSliceCopy, 9> Items{};
  int Count = 0;
  void Add(const TSliceCopy& Copy);
  const TSliceCopy* begin() const { return Items.data(); }
  const TSliceCopy* end() const { return Items.data() + Count; }
};

// The nine-slice rendering of a frame into a W by H target at (0, 0), in the fixed order: corners
// top-left, bottom-left, top-right, left edge, top edge, centre, bottom-right corner, right edge,
// bottom edge. Margins that do not fit the target collapse to 0 per axis (negative margins count
// as 0); a corner needs both its margins, an edge its own. Without the centre it is the border alone. Source
// rectangles are kept inside the frame; a slice whose source is empty there is dropped.
TSlicePlan NineSlicePlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H, bool Tile,
                         bool WithCentre);

// Three slices along X with the middle repeated: left slice, then tiles of the middle from x = L
// while x < W - Rt, then the right slice over any overrun. A frame whose margins leave no middle
// (fw - L - Rt <= 0) is stretched whole over the target instead (Degenerate).
struct TTileStrip {
  bool Degenerate = false;
  TSliceCopy Whole;      // Degenerate only
  TSliceCopy LeftSlice;  // Source may be empty (L = 0)
  TSkinRect MiddleSource;
  int FirstX = 0, Step = 0, Limit = 0;  // tiles at FirstX, FirstX + Step, ... while x < Limit
  TSliceCopy RightSlice;
  int TileCount() const;
};
TTileStrip TileStripPlan(const TFrame& Frame, int L, int Rt, int W, int H);

// Three slices stretched straight into R: along X (Margins.Left, Margins.Right) or along Y
// (Margins.Top, Margins.Bottom). A target narrower (lower) than the frame gets the whole frame.
TSlicePlan ThreeSliceHPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R);
TSlicePlan ThreeSliceVPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R);

// Scroll thumb: three slices along Y into a W by H target, source columns of the whole frame.
TSlicePlan ThumbPlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H);

// Top-left corner of a FrameW by FrameH picture centred in R; division truncates toward zero, so a
// picture larger than R overhangs it on both sides.
struct TPoint2 {
  int X = 0, Y = 0;
  friend constexpr bool operator==(const TPoint2&, const TPoint2&) = default;
};
TPoint2 CentredOrigin(const TSkinRect& R, int FrameW, int FrameH);

// Tiles of TileW by TileH laid from Target's top-left, not clipped to it. Only tiles that meet
// Visible are listed by the range (the rest would draw nothing), which bounds the work by what the
// device can show. Empty when the tile has no area.
struct TTileGrid {
  int FirstX = 0, FirstY = 0, StepX = 0, StepY = 0, CountX = 0, CountY = 0;
  long long Count() const { return static_cast<long long>(CountX) * CountY; }
};
TTileGrid TileGrid(const TSkinRect& Target, int TileW, int TileH, const TSkinRect& Visible);

// Source clipped to the frame; stays put when it already lies inside.
TSkinRect ClampToFrame(const TSkinRect& Source, const TFrame& Frame);

}  // namespace skin
