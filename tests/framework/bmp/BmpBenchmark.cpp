// Codec speed on skin-sized pictures: whole-file decoding and depth conversion.
#include <benchmark/benchmark.h>

#include "framework/bmp/Bmp.h"
#include "tests/framework/bmp/BmpTestFiles.h"

namespace {

void DecodeFile(benchmark::State& State, uint16_t Bits, bmp::Compression Compression) {
  bmp::Image Picture = bmptest::Pattern(1024, 768, Bits);
  if (Compression != bmp::kCompressionRgb)  // long runs, as in skin artwork
    for (int32_t Y = 0; Y < Picture.height; ++Y)
      for (int32_t X = 0; X < Picture.width; ++X)
        bmp::SetPixelIndex(Picture, X, Y, uint32_t(X / 64 + Y / 32) % 16);
  const auto File = bmp::Encode(Picture, {Compression});
  for (auto _ : State) benchmark::DoNotOptimize(bmp::Decode(File));
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Picture.pixels.size()));
}

void BM_Decode24(benchmark::State& State) {
  DecodeFile(State, 24, bmp::kCompressionRgb);
}
void BM_Decode32(benchmark::State& State) {
  DecodeFile(State, 32, bmp::kCompressionRgb);
}
void BM_DecodeRle8(benchmark::State& State) {
  DecodeFile(State, 8, bmp::kCompressionRle8);
}
void BM_DecodeRle4(benchmark::State& State) {
  DecodeFile(State, 4, bmp::kCompressionRle4);
}

void BM_Convert24To8(benchmark::State& State) {
  bmp::Image Picture = bmp::ConvertBitCount(bmptest::Pattern(256, 256, 8), 24);
  for (auto _ : State) benchmark::DoNotOptimize(bmp::ConvertBitCount(Picture, 8));
}

void BM_Convert8To32(benchmark::State& State) {
  const bmp::Image Picture = bmptest::Pattern(256, 256, 8);
  for (auto _ : State) benchmark::DoNotOptimize(bmp::ConvertBitCount(Picture, 32));
}

BENCHMARK(BM_Decode24);
BENCHMARK(BM_Decode32);
BENCHMARK(BM_DecodeRle8);
BENCHMARK(BM_DecodeRle4);
BENCHMARK(BM_Convert24To8);
BENCHMARK(BM_Convert8To32);

}  // namespace

BENCHMARK_MAIN();
