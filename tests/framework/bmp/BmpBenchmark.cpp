// Codec speed on skin-sized pictures: whole-file decoding and depth conversion.
#include <benchmark/benchmark.h>

#include "framework/bmp/Bmp.h"
#include "tests/framework/bmp/BmpTestFiles.h"

namespace {

void DecodeFile(benchmark::State& state, uint16_t Bits, bmp::Compression compression) {
  bmp::Image image = bmptest::Pattern(1024, 768, Bits);
  if (compression != bmp::kCompressionRgb)  // long runs, as in skin artwork
    for (int32_t Y = 0; Y < image.height; ++Y)
      for (int32_t X = 0; X < image.width; ++X)
        bmp::SetPixelIndex(image, X, Y, uint32_t(X / 64 + Y / 32) % 16);
  const auto File = bmp::Encode(image, {compression});
  for (auto _ : state) benchmark::DoNotOptimize(bmp::Decode(File));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.pixels.size()));
}

void BM_Decode24(benchmark::State& state) {
  DecodeFile(state, 24, bmp::kCompressionRgb);
}
void BM_Decode32(benchmark::State& state) {
  DecodeFile(state, 32, bmp::kCompressionRgb);
}
void BM_DecodeRle8(benchmark::State& state) {
  DecodeFile(state, 8, bmp::kCompressionRle8);
}
void BM_DecodeRle4(benchmark::State& state) {
  DecodeFile(state, 4, bmp::kCompressionRle4);
}

void BM_Convert24To8(benchmark::State& state) {
  bmp::Image image = bmp::ConvertBitCount(bmptest::Pattern(256, 256, 8), 24);
  for (auto _ : state) benchmark::DoNotOptimize(bmp::ConvertBitCount(image, 8));
}

void BM_Convert8To32(benchmark::State& state) {
  const bmp::Image image = bmptest::Pattern(256, 256, 8);
  for (auto _ : state) benchmark::DoNotOptimize(bmp::ConvertBitCount(image, 32));
}

BENCHMARK(BM_Decode24);
BENCHMARK(BM_Decode32);
BENCHMARK(BM_DecodeRle8);
BENCHMARK(BM_DecodeRle4);
BENCHMARK(BM_Convert24To8);
BENCHMARK(BM_Convert8To32);

}  // namespace

BENCHMARK_MAIN();
