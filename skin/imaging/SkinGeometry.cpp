#include "skin/imaging/SkinGeometry.h"

#include <algorithm>
#include <climits>

namespace skin {

namespace {

// Coordinates come from callers and skins; sums are formed in 64 bits and saturated back, so that
// absurd values give absurd but defined rectangles instead of overflow.
using i64 = long long;

int Sat(i64 V) {
  return static_cast<int>(std::clamp<i64>(V, INT_MIN, INT_MAX));
}

TSkinRect Rect(i64 L, i64 T, i64 R, i64 B) {
  return TSkinRect{Sat(L), Sat(T), Sat(R), Sat(B)};
}

// Adds a copy when both rectangles still have area once the source is kept inside the frame.
void AddClamped(TSlicePlan& Plan, const TFrame& Frame, const TSkinRect& Dest, const TSkinRect& Source,
                bool Tiled = false) {
  if (Dest.IsEmpty()) return;
  const TSkinRect source = ClampToFrame(Source, Frame);
  if (source.IsEmpty()) return;
  Plan.Add(TSliceCopy{Dest, source, Tiled});
}

int NonNegative(int V) {
  return std::max(V, 0);
}

}  // namespace

void TSlicePlan::Add(const TSliceCopy& Copy) {
  if (Count < static_cast<int>(Items.size())) Items[static_cast<size_t>(Count++)] = Copy;
}

TFrame SelectFrame(int BitmapWidth, int BitmapHeight, int FrameIndex, int FrameCount, bool Vertical) {
  const int width = NonNegative(BitmapWidth), height = NonNegative(BitmapHeight);
  const int count = std::max(FrameCount, 1);
  const int index = std::clamp(FrameIndex, 1, count);
  TFrame f;
  if (Vertical) {
    f.Width = width;
    f.Height = height / count;
    f.Y = (index - 1) * f.Height;
  } else {
    f.Width = width / count;
    f.Height = height;
    f.X = (index - 1) * f.Width;
  }
  return f;
}

TSkinRect ClampToFrame(const TSkinRect& Source, const TFrame& Frame) {
  const i64 fl = Frame.X, ft = Frame.Y, fr = i64(Frame.X) + Frame.Width, fb = i64(Frame.Y) + Frame.Height;
  return Rect(std::clamp<i64>(Source.Left, fl, fr), std::clamp<i64>(Source.Top, ft, fb),
              std::clamp<i64>(Source.Right, fl, fr), std::clamp<i64>(Source.Bottom, ft, fb));
}

TSlicePlan NineSlicePlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H, bool Tile,
                         bool WithCentre) {
  i64 l = NonNegative(Margins.Left), t = NonNegative(Margins.Top);
  i64 r = NonNegative(Margins.Right), b = NonNegative(Margins.Bottom);
  if (W < l + r) l = r = 0;  // each axis collapses on its own
  if (H < t + b) t = b = 0;
  const i64 sx = Frame.X, sy = Frame.Y, fw = Frame.Width, fh = Frame.Height;

  TSlicePlan plan;
  auto add = [&](bool When, TSkinRect Dest, TSkinRect Source, bool Tiled = false) {
    if (When) AddClamped(plan, Frame, Dest, Source, Tiled);
  };
  add(l * t > 0, Rect(0, 0, l, t), Rect(sx, sy, sx + l, sy + t));
  add(l * b > 0, Rect(0, H - b, l, H), Rect(sx, sy + fh - b, sx + l, sy + fh));
  add(r * t > 0, Rect(W - r, 0, W, t), Rect(sx + fw - r, sy, sx + fw, sy + t));
  add(l > 0, Rect(0, t, l, H - b), Rect(sx, sy + t, sx + l, sy + fh - b));
  add(t > 0, Rect(l, 0, W - r, t), Rect(sx + l, sy, sx + fw - r, sy + t));
  add(WithCentre, Rect(l, t, W - r, H - b), Rect(sx + l, sy + t, sx + fw - r, sy + fh - b), Tile);
  add(r * b > 0, Rect(W - r, H - b, W, H), Rect(sx + fw - r, sy + fh - b, sx + fw, sy + fh));
  add(r > 0, Rect(W - r, t, W, H - b), Rect(sx + fw - r, sy + t, sx + fw, sy + fh - b));
  add(b > 0, Rect(l, H - b, W - r, H), Rect(sx + l, sy + fh - b, sx + fw - r, sy + fh));
  return plan;
}

int TTileStrip::TileCount() const {
  if (Degenerate || Step <= 0 || FirstX >= Limit) return 0;
  return static_cast<int>((i64(Limit) - FirstX + Step - 1) / Step);
}

TTileStrip TileStripPlan(const TFrame& Frame, int L, int Rt, int W, int H) {
  const i64 l = NonNegative(L), rt = NonNegative(Rt);
  const i64 sx = Frame.X, sy = Frame.Y, fw = Frame.Width, fh = Frame.Height;
  TTileStrip s;
  const i64 m = fw - l - rt;
  if (m <= 0) {
    s.Degenerate = true;
    s.Whole = TSliceCopy{Rect(0, 0, W, H), Rect(sx, sy, sx + fw, sy + fh)};
    return s;
  }
  s.LeftSlice = TSliceCopy{Rect(0, 0, l, H), Rect(sx, sy, sx + l, sy + fh)};
  s.MiddleSource = Rect(sx + l, sy, sx + l + m, sy + fh);
  s.FirstX = Sat(l);
  s.Step = Sat(m);
  s.Limit = Sat(i64(W) - rt);
  s.RightSlice = TSliceCopy{Rect(i64(W) - rt, 0, W, H), Rect(sx + fw - rt, sy, sx + fw, sy + fh)};
  return s;
}

TSlicePlan ThreeSliceHPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 l = NonNegative(Margins.Left), rt = NonNegative(Margins.Right);
  const i64 sx = Frame.X, sy = Frame.Y, fw = Frame.Width, fh = Frame.Height;
  const i64 w = i64(R.Right) - R.Left;
  TSlicePlan plan;
  if (w < fw) {
    AddClamped(plan, Frame, R, Rect(sx, sy, sx + fw, sy + fh));
    return plan;
  }
  AddClamped(plan, Frame, Rect(R.Left, R.Top, i64(R.Left) + l, R.Bottom), Rect(sx, sy, sx + l, sy + fh));
  AddClamped(plan, Frame, Rect(i64(R.Left) + l, R.Top, i64(R.Right) - rt, R.Bottom),
             Rect(sx + l, sy, sx + fw - rt, sy + fh));
  AddClamped(plan, Frame, Rect(i64(R.Right) - rt, R.Top, R.Right, R.Bottom),
             Rect(sx + fw - rt, sy, sx + fw, sy + fh));
  return plan;
}

TSlicePlan ThreeSliceVPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 t = NonNegative(Margins.Top), b = NonNegative(Margins.Bottom);
  const i64 sx = Frame.X, sy = Frame.Y, fw = Frame.Width, fh = Frame.Height;
  const i64 h = i64(R.Bottom) - R.Top;
  TSlicePlan plan;
  if (h < fh) {
    AddClamped(plan, Frame, R, Rect(sx, sy, sx + fw, sy + fh));
    return plan;
  }
  AddClamped(plan, Frame, Rect(R.Left, R.Top, R.Right, i64(R.Top) + t), Rect(sx, sy, sx + fw, sy + t));
  AddClamped(plan, Frame, Rect(R.Left, i64(R.Top) + t, R.Right, i64(R.Bottom) - b),
             Rect(sx, sy + t, sx + fw, sy + fh - b));
  AddClamped(plan, Frame, Rect(R.Left, i64(R.Bottom) - b, R.Right, R.Bottom),
             Rect(sx, sy + fh - b, sx + fw, sy + fh));
  return plan;
}

TSlicePlan ThumbPlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H) {
  const i64 t = NonNegative(Margins.Top), b = NonNegative(Margins.Bottom);
  const i64 sx = Frame.X, fw = Frame.Width, fh = Frame.Height;
  TSlicePlan plan;
  if (t > 0) AddClamped(plan, Frame, Rect(0, 0, W, t), Rect(sx, 0, sx + fw, t));
  AddClamped(plan, Frame, Rect(0, t, W, i64(H) - b), Rect(sx, t, sx + fw, fh - b));
  if (b > 0) AddClamped(plan, Frame, Rect(0, i64(H) - b, W, H), Rect(sx, fh - b, sx + fw, fh));
  return plan;
}

TPoint2 CentredOrigin(const TSkinRect& R, int FrameW, int FrameH) {
  // C++ division truncates toward zero, as the placement rule asks.
  const i64 x = R.Left + (i64(R.Right) - R.Left - FrameW) / 2;
  const i64 y = R.Top + (i64(R.Bottom) - R.Top - FrameH) / 2;
  return TPoint2{Sat(x), Sat(y)};
}

TTileGrid TileGrid(const TSkinRect& Target, int TileW, int TileH, const TSkinRect& Visible) {
  TTileGrid g;
  if (TileW <= 0 || TileH <= 0 || Target.IsEmpty()) return g;
  // Tile k along an axis covers [start + k*step, start + (k+1)*step); keep those that reach into
  // the visible span and start before the target's end.
  auto axis = [](i64 Start, i64 End, i64 Step, i64 VisFrom, i64 VisTo, int& First, int& Count) {
    const i64 total = (End - Start + Step - 1) / Step;
    i64 k0 = VisFrom > Start ? (VisFrom - Start) / Step : 0;
    i64 k1 = VisTo > Start ? (VisTo - Start + Step - 1) / Step : 0;  // one past the last visible
    k1 = std::min(k1, total);
    if (k1 <= k0) {
      First = Sat(Start);
      Count = 0;
      return;
    }
    First = Sat(Start + k0 * Step);
    Count = Sat(k1 - k0);
  };
  g.StepX = TileW;
  g.StepY = TileH;
  axis(Target.Left, Target.Right, TileW, Visible.Left, Visible.Right, g.FirstX, g.CountX);
  axis(Target.Top, Target.Bottom, TileH, Visible.Top, Visible.Bottom, g.FirstY, g.CountY);
  return g;
}

}  // namespace skin
