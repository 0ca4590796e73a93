// Nine-slice painting of a 1000 by 30 caption from a 2-frame strip, against one plain StretchBlt of
// the same frame to the same size, in one run. Prints microseconds per call and the ratios.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "framework/win/graphics/Graphics.h"
#include "skin/imaging/SkinPaint.h"

namespace {

double MicrosPerCall(int Iterations, const std::function<void()>& Paint, HDC Target) {
  Paint();  // warm-up: the source's canvas and caches
  GdiFlush();
  LARGE_INTEGER freq, start, stop;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < Iterations; ++i) Paint();
  GdiFlush();
  QueryPerformanceCounter(&stop);
  (void)Target;
  return double(stop.QuadPart - start.QuadPart) * 1e6 / double(freq.QuadPart) / Iterations;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
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

  const double plain = MicrosPerCall(
      iterations,
      [&] {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, kW, kH, src, kFrameW, 0, kFrameW, kFrameH, SRCCOPY);
      },
      dc);
  const double nine = MicrosPerCall(
      iterations, [&] { DrawRect2(dc, r, &strip, margins, 2, 2, 0, 0, 0); }, dc);
  const double keyed = MicrosPerCall(
      iterations, [&] { DrawRect2(dc, r, &strip, margins, 2, 2, 1, 0, 0); }, dc);
  const double tiled = MicrosPerCall(
      iterations, [&] { DrawRect2(dc, r, &strip, margins, 2, 2, 0, 1, 0); }, dc);
  const double border = MicrosPerCall(
      iterations, [&] { DrawBorder(dc, r, &strip, margins, 2, 2); }, dc);

  const double scratch = MicrosPerCall(
      iterations,
      [&] {
        HDC m = CreateCompatibleDC(dc);
        HBITMAP b = CreateCompatibleBitmap(dc, kW, kH);
        HGDIOBJ o = SelectObject(m, b);
        SelectObject(m, o);
        DeleteObject(b);
        DeleteDC(m);
      },
      dc);
  const double scratchDib = MicrosPerCall(
      iterations,
      [&] {
        HDC m = CreateCompatibleDC(dc);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = kW;
        bi.bmiHeader.biHeight = -kH;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP b = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ o = SelectObject(m, b);
        BitBlt(dc, 0, 0, kW, kH, m, 0, 0, SRCCOPY);
        SelectObject(m, o);
        DeleteObject(b);
        DeleteDC(m);
      },
      dc);
  TBitmap rendered(kW, kH);
  DrawRect2(rendered.Canvas()->Handle(), r, &strip, margins, 2, 2, 0, 0, 0);
  const double masked = MicrosPerCall(
      iterations, [&] { DrawTranmapWith(dc, r, &rendered, clFuchsia, true); }, dc);
  const double xored = MicrosPerCall(
      iterations, [&] { DrawTranmapWith(dc, r, &rendered, clFuchsia, false); }, dc);
  const double tblt = MicrosPerCall(
      iterations,
      [&] { TransparentBlt(dc, 0, 0, kW, kH, rendered.Canvas()->Handle(), 0, 0, kW, kH, RGB(255, 0, 255)); },
      dc);
  std::printf("keyed copy: MaskBlt %.1f us, XOR/AND/XOR %.1f us, TransparentBlt %.1f us\n", masked, xored,
              tblt);
  std::printf("caption %dx%d from a 2-frame %dx%d strip, %d iterations\n", kW, kH, kFrameW * 2, kFrameH,
              iterations);
  std::printf("plain StretchBlt        %8.1f us\n", plain);
  std::printf("DrawRect2 nine-slice    %8.1f us  ratio %.2f\n", nine, nine / plain);
  std::printf("DrawRect2 keyed         %8.1f us  ratio %.2f\n", keyed, keyed / plain);
  std::printf("DrawRect2 tiled centre  %8.1f us  ratio %.2f\n", tiled, tiled / plain);
  std::printf("DrawBorder              %8.1f us  ratio %.2f\n", border, border / plain);
  // What a keyed repaint pays for its per-call surfaces (scratch and mask) before any pixel work.
  std::printf("new %dx%d DDB + DC      %8.1f us\n", kW, kH, scratch);
  std::printf("new DIB + DC + 1 copy   %8.1f us\n", scratchDib);
  return 0;
}
