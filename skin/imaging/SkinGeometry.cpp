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
  const TSkinRect Clamped = ClampToFrame(Source, Frame);
  if (Clamped.IsEmpty()) return;
  Plan.Add(TSliceCopy{Dest, Clamped, Tiled});
}

int NonNegative(int V) {
  return std::max(V, 0);
}

}  // namespace

void TSlicePlan::Add(const TSliceCopy& Copy) {
  if (Count < static_cast<int>(Items.size())) Items[static_cast<size_t>(Count++)] = Copy;
}

TFrame SelectFrame(int BitmapWidth, int BitmapHeight, int FrameIndex, int FrameCount, bool Vertical) {
  const int FullW = NonNegative(BitmapWidth), FullH = NonNegative(BitmapHeight);
  const int Count = std::max(FrameCount, 1);
  const int Index = std::clamp(FrameIndex, 1, Count);
  TFrame F;
  if (Vertical) {
    F.Width = FullW;
    F.Height = FullH / Count;
    F.Y = (Index - 1) * F.Height;
  } else {
    F.Width = FullW / Count;
    F.Height = FullH;
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
  i64 L = NonNegative(Margins.Left), T = NonNegative(Margins.Top);
  i64 R = NonNegative(Margins.Right), B = NonNegative(Margins.Bottom);
  if (W < L + R) L = R = 0;  // each axis collapses on its own
  if (H < T + B) T = B = 0;
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;

  TSlicePlan Plan;
  auto Add = [&](bool When, TSkinRect Dest, TSkinRect Source, bool Tiled = false) {
    if (When) AddClamped(Plan, Frame, Dest, Source, Tiled);
  };
  Add(L * T > 0, Rect(0, 0, L, T), Rect(Sx, Sy, Sx + L, Sy + T));
  Add(L * B > 0, Rect(0, H - B, L, H), Rect(Sx, Sy + Fh - B, Sx + L, Sy + Fh));
  Add(R * T > 0, Rect(W - R, 0, W, T), Rect(Sx + Fw - R, Sy, Sx + Fw, Sy + T));
  Add(L > 0, Rect(0, T, L, H - B), Rect(Sx, Sy + T, Sx + L, Sy + Fh - B));
  Add(T > 0, Rect(L, 0, W - R, T), Rect(Sx + L, Sy, Sx + Fw - R, Sy + T));
  Add(WithCentre, Rect(L, T, W - R, H - B), Rect(Sx + L, Sy + T, Sx + Fw - R, Sy + Fh - B), Tile);
  Add(R * B > 0, Rect(W - R, H - B, W, H), Rect(Sx + Fw - R, Sy + Fh - B, Sx + Fw, Sy + Fh));
  Add(R > 0, Rect(W - R, T, W, H - B), Rect(Sx + Fw - R, Sy + T, Sx + Fw, Sy + Fh - B));
  Add(B > 0, Rect(L, H - B, W - R, H), Rect(Sx + L, Sy + Fh - B, Sx + Fw - R, Sy + Fh));
  return Plan;
}

int TTileStrip::TileCount() const {
  if (Degenerate || Step <= 0 || FirstX >= Limit) return 0;
  return static_cast<int>((i64(Limit) - FirstX + Step - 1) / Step);
}

TTileStrip TileStripPlan(const TFrame& Frame, int L, int Rt, int W, int H) {
  const i64 LeftW = NonNegative(L), RightW = NonNegative(Rt);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  TTileStrip S;
  const i64 M = Fw - LeftW - RightW;
  if (M <= 0) {
    S.Degenerate = true;
    S.Whole = TSliceCopy{Rect(0, 0, W, H), Rect(Sx, Sy, Sx + Fw, Sy + Fh)};
    return S;
  }
  S.LeftSlice = TSliceCopy{Rect(0, 0, LeftW, H), Rect(Sx, Sy, Sx + LeftW, Sy + Fh)};
  S.MiddleSource = Rect(Sx + LeftW, Sy, Sx + LeftW + M, Sy + Fh);
  S.FirstX = Sat(LeftW);
  S.Step = Sat(M);
  S.Limit = Sat(i64(W) - RightW);
  S.RightSlice = TSliceCopy{Rect(i64(W) - RightW, 0, W, H), Rect(Sx + Fw - RightW, Sy, Sx + Fw, Sy + Fh)};
  return S;
}

TSlicePlan ThreeSliceHPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 L = NonNegative(Margins.Left), Rt = NonNegative(Margins.Right);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  const i64 W = i64(R.Right) - R.Left;
  TSlicePlan Plan;
  if (W < Fw) {
    AddClamped(Plan, Frame, R, Rect(Sx, Sy, Sx + Fw, Sy + Fh));
    return Plan;
  }
  AddClamped(Plan, Frame, Rect(R.Left, R.Top, i64(R.Left) + L, R.Bottom), Rect(Sx, Sy, Sx + L, Sy + Fh));
  AddClamped(Plan, Frame, Rect(i64(R.Left) + L, R.Top, i64(R.Right) - Rt, R.Bottom),
             Rect(Sx + L, Sy, Sx + Fw - Rt, Sy + Fh));
  AddClamped(Plan, Frame, Rect(i64(R.Right) - Rt, R.Top, R.Right, R.Bottom),
             Rect(Sx + Fw - Rt, Sy, Sx + Fw, Sy + Fh));
  return Plan;
}

TSlicePlan ThreeSliceVPlan(const TFrame& Frame, const TSkinRect& Margins, const TSkinRect& R) {
  const i64 T = NonNegative(Margins.Top), B = NonNegative(Margins.Bottom);
  const i64 Sx = Frame.X, Sy = Frame.Y, Fw = Frame.Width, Fh = Frame.Height;
  const i64 H = i64(R.Bottom) - R.Top;
  TSlicePlan Plan;
  if (H < Fh) {
    AddClamped(Plan, Frame, R, Rect(Sx, Sy, Sx + Fw, Sy + Fh));
    return Plan;
  }
  AddClamped(Plan, Frame, Rect(R.Left, R.Top, R.Right, i64(R.Top) + T), Rect(Sx, Sy, Sx + Fw, Sy + T));
  AddClamped(Plan, Frame, Rect(R.Left, i64(R.Top) + T, R.Right, i64(R.Bottom) - B),
             Rect(Sx, Sy + T, Sx + Fw, Sy + Fh - B));
  AddClamped(Plan, Frame, Rect(R.Left, i64(R.Bottom) - B, R.Right, R.Bottom),
             Rect(Sx, Sy + Fh - B, Sx + Fw, Sy + Fh));
  return Plan;
}

TSlicePlan ThumbPlan(const TFrame& Frame, const TSkinRect& Margins, int W, int H) {
  const i64 T = NonNegative(Margins.Top), B = NonNegative(Margins.Bottom);
  const i64 Sx = Frame.X, Fw = Frame.Width, Fh = Frame.Height;
  TSlicePlan Plan;
  if (T > 0) AddClamped(Plan, Frame, Rect(0, 0, W, T), Rect(Sx, 0, Sx + Fw, T));
  AddClamped(Plan, Frame, Rect(0, T, W, i64(H) - B), Rect(Sx, T, Sx + Fw, Fh - B));
  if (B > 0) AddClamped(Plan, Frame, Rect(0, i64(H) - B, W, H), Rect(Sx, Fh - B, Sx + Fw, Fh));
  return Plan;
}

TPoint2 CentredOrigin(const TSkinRect& R, int FrameW, int FrameH) {
  // C++ division truncates toward zero, as the placement rule asks.
  const i64 X = R.Left + (i64(R.Right) - R.Left - FrameW) / 2;
  const i64 Y = R.Top + (i64(R.Bottom) - R.Top - FrameH) / 2;
  return TPoint2{Sat(X), Sat(Y)};
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
