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
  TBitmap strip(kFrameW * 2, kFrameH, pf24bit);
  for (int y = 0; y < kFrameH; ++y) {
    auto* row = static_cast<unsigned char*>(strip.ScanLine(y));
    for (int x = 0; x < kFrameW * 2; ++x) {
      const int fx = x % kFrameW;
      const bool corner = (fx < 3 || fx >= kFrameW - 3) && (y < 3);
      row[3 * x] = corner ? 255 : static_cast<unsigned char>(x * 7 + y);
      row[3 * x + 1] = corner ? 0 : static_cast<unsigned char>(y * 5);
      row[3 * x + 2] = corner ? 255 : static_cast<unsigned char>(128 + fx);
    }
  }
  TBitmap target(kW, kH);  // the screen's format, as a window's back buffer would be
  const HDC dc = target.Canvas()->Handle();
  const HDC src = strip.Canvas()->Handle();
  const RECT r{0, 0, kW, kH}, margins{40, 6, 40, 6};

  auto Flushed = [](auto&& Paint) {
    return [Paint] {
      Paint();
      GdiFlush();
    };
  };
  const auto Plain = Flushed([&] {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, kW, kH, src, kFrameW, 0, kFrameW, kFrameH, SRCCOPY);
  });
  const auto Opaque = Flushed([&] { DrawRect2(dc, r, &strip, margins, 2, 2, 0, 0, 0); });
  const auto Keyed = Flushed([&] { DrawRect2(dc, r, &strip, margins, 2, 2, 1, 0, 0); });
  const auto Tiled = Flushed([&] { DrawRect2(dc, r, &strip, margins, 2, 2, 0, 1, 0); });
  bench::Row("keyed caption 1000x30, DrawRect2",
             bench::TimePair(Size.Batches, Size.Iterations, Keyed, Opaque), "opaque DrawRect2", "<= 2x");
  bench::Row("opaque caption 1000x30, DrawRect2",
             bench::TimePair(Size.Batches, Size.Iterations, Opaque, Plain), "one plain StretchBlt", "");
  bench::Row("tiled caption 1000x30, DrawRect2", bench::TimePair(Size.Batches, Size.Iterations, Tiled, Plain),
             "one plain StretchBlt", "");
  return 0;
}
