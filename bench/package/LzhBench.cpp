// Codec speed on the default skin's archive, 1 MB of text and 1 MB of mixed data: ours against the
// baseline (the codec as it was before it was tuned) in one run. Names read
// "lzh_<pack|unpack>/<input>/<ours|baseline>"; scripts/bench pairs them.

#include <benchmark/benchmark.h>

#include "bench/package/LzhInputs.h"
#include "bench/package/baseline/BaselineLzh.h"
#include "skin/package/LzhBuffers.h"

namespace {

template <class Pack>
void PackBench(benchmark::State& State, const TLzhBenchInput& Input, Pack PackFn) {
  size_t Packed = 0;
  for (auto _ : State) {
    auto Code = PackFn(Input.Bytes);
    Packed = Code.size();
    benchmark::DoNotOptimize(Code.data());
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Input.Bytes.size()));
  State.counters["ratio"] = static_cast<double>(Packed) / static_cast<double>(Input.Bytes.size());
}

template <class Unpack>
void UnpackBench(benchmark::State& State, const TLzhBenchInput& Input, Unpack UnpackFn) {
  const auto Code = baseline::PackBytes(Input.Bytes);
  const auto Length = static_cast<int32_t>(Input.Bytes.size());
  for (auto _ : State) {
    auto Out = UnpackFn(Code, Length);
    benchmark::DoNotOptimize(Out.data());
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Input.Bytes.size()));
}

void Register() {
  for (const TLzhBenchInput& Input : LzhBenchInputs()) {
    const std::string Name = Input.Name;
    benchmark::RegisterBenchmark(("lzh_unpack/" + Name + "/ours").c_str(), [&Input](benchmark::State& S) {
      UnpackBench(S, Input, [](std::span<const uint8_t> C, int32_t L) { return LzhUnpackBytes(C, L); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("lzh_unpack/" + Name + "/baseline").c_str(), [&Input](benchmark::State& S) {
      UnpackBench(S, Input,
                  [](std::span<const uint8_t> C, int32_t L) { return baseline::UnpackBytes(C, L); });
    })->Unit(benchmark::kMicrosecond);
  }
  for (const TLzhBenchInput& Input : LzhBenchInputs()) {
    const std::string Name = Input.Name;
    benchmark::RegisterBenchmark(("lzh_pack/" + Name + "/ours").c_str(), [&Input](benchmark::State& S) {
      PackBench(S, Input, [](std::span<const uint8_t> In) { return LzhPackBytes(In); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("lzh_pack/" + Name + "/baseline").c_str(), [&Input](benchmark::State& S) {
      PackBench(S, Input, [](std::span<const uint8_t> In) { return baseline::PackBytes(In); });
    })->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
