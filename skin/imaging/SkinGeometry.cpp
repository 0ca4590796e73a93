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
  const int Index = std::clamp(FrameIndex, 1, count);
  TFrame F;
  if (Vertical) {
    F.Width = width;
    F.Height = height / count;
    F.Y = (Index - 1) * F.Height;
  } else {
    F.Width = width / count;
    F.Height = height;
    F.X = (Index - 1) * F.Width;
  }
  return F;
}

TSkinRect ClampToFrame(const TSkinRect& Source, const TFrame& Frame) {
  const i64 Fl = Frame.X, Ft = Frame.Y, Fr = i64(Frame.X) + Frame.Width, Fb = i64(Frame.Y) + Frame.Height;
  return Rect(std::clamp<i64>(Source.Left, Fl, Fr), std::clamp<i64>(Source.Top, Ft, Fb),
              std::clamp<i64>(Source.Right, Fl, Fr), std::clamp<i64>(Source.Bottom, Ft, Fb));
}

TSlicePlan NineSlicePlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H, bool Tile,
                         bool WithCentre) {
  i64 l = NonNegative(Margins.Left), t = NonNegative(Margins.Top);
  i64 r = NonNegative(Margins.Right), b = NonNegative(Margins.Bottom);
  if (W < l + r) l = r = 0;  // each axis collapses on its own
  if (H < t + b) t = b = 0;
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;

  TSlicePlan plan;
  auto add = [&](bool When, TSkinRect Dest, TSkinRect Source, bool Tiled = false) {
    if (When) AddClamped(plan, Frame, Dest, Source, Tiled);
  };
  add(l * t > 0, Rect(0, 0, l, t), Rect(Sx, Sy, Sx + l, Sy + t));
  add(l * b > 0, Rect(0, H - b, l, H), Rect(Sx, Sy + Fh - b, Sx + l, Sy + Fh));
  add(r * t > 0, Rect(W - r, 0, W, t), Rect(Sx + Fw - r, Sy, Sx + Fw, Sy + t));
  add(l > 0, Rect(0, t, l, H - b), Rect(Sx, Sy + t, Sx + l, Sy + Fh - b));
  add(t > 0, Rect(l, 0, W - r, t), Rect(Sx + l, Sy, Sx + Fw - r, Sy + t));
  add(WithCentre, Rect(l, t, W - r, H - b), Rect(Sx + l, Sy + t, Sx + Fw - r, Sy + Fh - b), Tile);
  add(r * b > 0, Rect(W - r, H - b, W, H), Rect(Sx + Fw - r, Sy + Fh - b, Sx + Fw, Sy + Fh));
  add(r > 0, Rect(W - r, t, W, H - b), Rect(Sx + Fw - r, Sy + t, Sx + Fw, Sy + Fh - b));
  add(b > 0, Rect(l, H - b, W - r, H), Rect(Sx + l, Sy + Fh - b, Sx + Fw - r, Sy + Fh));
  return plan;
}

int TTileStrip::TileCount() const {
  if (Degenerate || Step <= 0 || FirstX >= Limit) return 0;
  return static_cast<int>((i64(Limit) - FirstX + Step - 1) / Step);
}

TTileStrip TileStripPlan(const TFrame& Frame, int L, int Rt, int W, int H) {
  const i64 l = NonNegative(L), rt = NonNegative(Rt);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  TTileStrip S;
  const i64 M = Fw - l - rt;
  if (M <= 0) {
    S.Degenerate = true;
    S.Whole = TSliceCopy{Rect(0, 0, W, H), Rect(Sx, Sy, Sx + Fw, Sy + Fh)};
    return S;
  }
  S.LeftSlice = TSliceCopy{Rect(0, 0, l, H), Rect(Sx, Sy, Sx + l, Sy + Fh)};
  S.MiddleSource = Rect(Sx + l, Sy, Sx + l + M, Sy + Fh);
  S.FirstX = Sat(l);
  S.Step = Sat(M);
  S.Limit = Sat(i64(W) - rt);
  S.RightSlice = TSliceCopy{Rect(i64(W) - rt, 0, W, H), Rect(Sx + Fw - rt, Sy, Sx + Fw, Sy + Fh)};
  return S;
}

TSlicePlan ThreeSliceHPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 l = NonNegative(Margins.Left), rt = NonNegative(Margins.Right);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  const i64 w = i64(R.Right) - R.Left;
  TSlicePlan plan;
  if (w < Fw) {
    AddClamped(plan, Frame, R, Rect(Sx, Sy, Sx + Fw, Sy + Fh));
    return plan;
  }
  AddClamped(plan, Frame, Rect(R.Left, R.Top, i64(R.Left) + l, R.Bottom), Rect(Sx, Sy, Sx + l, Sy + Fh));
  AddClamped(plan, Frame, Rect(i64(R.Left) + l, R.Top, i64(R.Right) - rt, R.Bottom),
             Rect(Sx + l, Sy, Sx + Fw - rt, Sy + Fh));
  AddClamped(plan, Frame, Rect(i64(R.Right) - rt, R.Top, R.Right, R.Bottom),
             Rect(Sx + Fw - rt, Sy, Sx + Fw, Sy + Fh));
  return plan;
}

TSlicePlan ThreeSliceVPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 t = NonNegative(Margins.Top), b = NonNegative(Margins.Bottom);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  const i64 h = i64(R.Bottom) - R.Top;
  TSlicePlan plan;
  if (h < Fh) {
    AddClamped(plan, Frame, R, Rect(Sx, Sy, Sx + Fw, Sy + Fh));
    return plan;
  }
  AddClamped(plan, Frame, Rect(R.Left, R.Top, R.Right, i64(R.Top) + t), Rect(Sx, Sy, Sx + Fw, Sy + t));
  AddClamped(plan, Frame, Rect(R.Left, i64(R.Top) + t, R.Right, i64(R.Bottom) - b),
             Rect(Sx, Sy + t, Sx + Fw, Sy + Fh - b));
  AddClamped(plan, Frame, Rect(R.Left, i64(R.Bottom) - b, R.Right, R.Bottom),
             Rect(Sx, Sy + Fh - b, Sx + Fw, Sy + Fh));
  return plan;
}

TSlicePlan ThumbPlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H) {
  const i64 t = NonNegative(Margins.Top), b = NonNegative(Margins.Bottom);
  const i64 Sx = Frame.X, Fw = Frame.Width, Fh = Frame.Height;
  TSlicePlan plan;
  if (t > 0) AddClamped(plan, Frame, Rect(0, 0, W, t), Rect(Sx, 0, Sx + Fw, t));
  AddClamped(plan, Frame, Rect(0, t, W, i64(H) - b), Rect(Sx, t, Sx + Fw, Fh - b));
  if (b > 0) AddClamped(plan, Frame, Rect(0, i64(H) - b, W, H), Rect(Sx, Fh - b, Sx + Fw, Fh));
  return plan;
}

TPoint2 CentredOrigin(const TSkinRect& R, int FrameW, int FrameH) {
  // C++ division truncates toward zero, as the placement rule asks.
  const i64 x = R.Left + (i64(R.Right) - R.Left - FrameW) / 2;
  const i64 y = R.Top + (i64(R.Bottom) - R.Top - FrameH) / 2;
  return TPoint2{Sat(x), Sat(y)};
}

TTileGrid TileGrid(const TSkinRect& Target, int TileW, int TileH, const TSkinRect& Visible) {
  TTileGrid G;
  if (TileW <= 0 || TileH <= 0 || Target.IsEmpty()) return G;
  // Tile k along an axis covers [start + k*step, start + (k+1)*step); keep those that reach into
  // the visible span and start before the target's end.
  auto Axis = [](i64 Start, i64 End, i64 Step, i64 VisFrom, i64 VisTo, int& First, int& Count) {
    const i64 Total = (End - Start + Step - 1) / Step;
    i64 K0 = VisFrom > Start ? (VisFrom - Start) / Step : 0;
    i64 K1 = VisTo > Start ? (VisTo - Start + Step - 1) / Step : 0;  // one past the last visible
    K1 = std::min(K1, Total);
    if (K1 <= K0) {
      First = Sat(Start);
      Count = 0;
      return;
    }
    First = Sat(Start + K0 * Step);
    Count = Sat(K1 - K0);
  };
  G.StepX = TileW;
  G.StepY = TileH;
  Axis(Target.Left, Target.Right, TileW, Visible.Left, Visible.Right, G.FirstX, G.CountX);
  Axis(Target.Top, Target.Bottom, TileH, Visible.Top, Visible.Bottom, G.FirstY, G.CountY);
  return G;
}

}  // namespace skin
