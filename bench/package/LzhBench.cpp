// Pack and unpack throughput of the LZH codec on ~1 MB of mixed text and binary data.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/package/LzhBuffers.h"
#include "skin/package/LzhStreams.h"

namespace {

// Half English-like text (an INI-ish description), half bitmap-like binary with gradients and noise.
const std::vector<uint8_t>& MixedData() {
  static const std::vector<uint8_t> data = [] {
    std::vector<uint8_t> v;
    std::mt19937 rng(2024);
    const char* words[] = {"Buttons", "Image=", "button.bmp", "Margins",   "FrameCount",
                           "Trans=1", "the",    "skin",       "[Colours]", "Caption",
                           "0x1F",    "Tile=0", "\r\n",       "hover",     "state"};
    while (v.size() < 512 * 1024) {
      const std::string w = words[rng() % 15];
      v.insert(v.end(), w.begin(), w.end());
      v.push_back(rng() % 4 == 0 ? '\n' : ' ');
    }
    for (int i = 0; v.size() < 1024 * 1024; ++i) {
      const int x = i % 256, y = i / 256;
      v.push_back(static_cast<uint8_t>(x + y));
      v.push_back(static_cast<uint8_t>(y * 3));
      v.push_back(static_cast<uint8_t>(rng() % 8 == 0 ? rng() : 0xFF));
    }
    return v;
  }();
  return data;
}

void BM_LzhPack(benchmark::State& state) {
  const auto& in = MixedData();
  size_t packed = 0;
  for (auto _ : state) {
    auto code = LzhPackBytes(in);
    packed = code.size();
    benchmark::DoNotOptimize(code.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
  state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(in.size());
}
BENCHMARK(BM_LzhPack)->Unit(benchmark::kMillisecond);

void BM_LzhUnpack(benchmark::State& state) {
  const auto& in = MixedData();
  const auto code = LzhPackBytes(in);
  for (auto _ : state) {
    auto out = LzhUnpackBytes(code, static_cast<int32_t>(in.size()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_LzhUnpack)->Unit(benchmark::kMillisecond);

// The same through the stream wrappers and TMemoryStream, as the archive reader uses them.
void BM_LzhStreamCompress(benchmark::State& state) {
  const auto& in = MixedData();
  TMemoryStream src;
  src.WriteBuffer(in.data(), static_cast<int64_t>(in.size()));
  for (auto _ : state) {
    TMemoryStream dst;
    LzhCompress(src, dst);
    benchmark::DoNotOptimize(dst.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_LzhStreamCompress)->Unit(benchmark::kMillisecond);

void BM_LzhStreamDecompress(benchmark::State& state) {
  const auto& in = MixedData();
  TMemoryStream src, packed;
  src.WriteBuffer(in.data(), static_cast<int64_t>(in.size()));
  LzhCompress(src, packed);
  for (auto _ : state) {
    TMemoryStream dst;
    LzhDecompress(packed, dst);
    benchmark::DoNotOptimize(dst.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_LzhStreamDecompress)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
