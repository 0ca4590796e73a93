// Nine-slice painting of a 1000 by 30 caption from a 2-frame strip, keyed (magenta transparent)
// against opaque, and opaque against one plain StretchBlt of the same frame. Run under Wine
// (scripts/bench does):
//   build/<tree>/wine-run build/<tree>/bench/imaging/bench_imaging_caption.exe [--batches N --iterations N]
#include <windows.h>

#include <cstdio>

#include "bench/support/BenchHarness.h"
#include "framework/win/graphics/Graphics.h"
#include "skin/imaging/SkinPaint.h"

int main(int argc, char** argv) {
  const bench::TRunSize Size = bench::RunSize(argc, argv, 9, 300);
  constexpr int kFrameW = 120, kFrameH = 30, kW = 1000, kH = 30;
  // Two frames side by side, a textured caption with magenta corners (for the keyed variant).
  TBitmap Strip(kFrameW * 2, kFrameH, pf24bit);
  for (int Y = 0; Y < kFrameH; ++Y) {
    auto* RowBytes = static_cast<unsigned char*>(Strip.ScanLine(Y));
    for (int X = 0; X < kFrameW * 2; ++X) {
      const int Fx = X % kFrameW;
      const bool Corner = (Fx < 3 || Fx >= kFrameW - 3) && (Y < 3);
      RowBytes[3 * X] = Corner ? 255 : static_cast<unsigned char>(X * 7 + Y);
      RowBytes[3 * X + 1] = Corner ? 0 : static_cast<unsigned char>(Y * 5);
      RowBytes[3 * X + 2] = Corner ? 255 : static_cast<unsigned char>(128 + Fx);
    }
  }
  TBitmap Target(kW, kH);  // the screen's format, as a window's back buffer would be
  const HDC TargetDC = Target.Canvas()->Handle();
  const HDC StripDC = Strip.Canvas()->Handle();
  const RECT Bounds{0, 0, kW, kH}, Margins{40, 6, 40, 6};

  auto Flushed = [](auto&& Paint) {
    return [Paint] {
      Paint();
      GdiFlush();
    };
  };
  const auto Plain = Flushed([&] {
    SetStretchBltMode(TargetDC, COLORONCOLOR);
    StretchBlt(TargetDC, 0, 0, kW, kH, StripDC, kFrameW, 0, kFrameW, kFrameH, SRCCOPY);
  });
  const auto Opaque = Flushed([&] { DrawRect2(TargetDC, Bounds, &Strip, Margins, 2, 2, 0, 0, 0); });
  const auto Keyed = Flushed([&] { DrawRect2(TargetDC, Bounds, &Strip, Margins, 2, 2, 1, 0, 0); });
  const auto Tiled = Flushed([&] { DrawRect2(TargetDC, Bounds, &Strip, Margins, 2, 2, 0, 1, 0); });
  bench::Row("keyed caption 1000x30, DrawRect2",
             bench::TimePair(Size.Batches, Size.Iterations, Keyed, Opaque), "opaque DrawRect2", "<= 2x");
  bench::Row("opaque caption 1000x30, DrawRect2",
             bench::TimePair(Size.Batches, Size.Iterations, Opaque, Plain), "one plain StretchBlt", "");
  bench::Row("tiled caption 1000x30, DrawRect2", bench::TimePair(Size.Batches, Size.Iterations, Tiled, Plain),
             "one plain StretchBlt", "");
  return 0;
}
