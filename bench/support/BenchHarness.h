// Timing and reporting for the benchmark programs that run under Wine (the native ones use Google
// Benchmark). Figures are medians of several batches: the machine is shared, and the median of
// batches says more about the code than a mean over neighbours' bursts.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bench {

struct TTiming {
  double Median = 0;   // microseconds per call, median of the batches
  double Fastest = 0;  // microseconds per call, fastest batch
};

// Batches of Iterations calls after a warm-up of one batch; per-call times of each batch.
template <class F>
TTiming Time(int Batches, int Iterations, F&& Call) {
  using Clock = std::chrono::steady_clock;
  for (int I = 0; I < Iterations; ++I) Call();
  std::vector<double> PerCall;
  for (int B = 0; B < std::max(1, Batches); ++B) {
    const auto Start = Clock::now();
    for (int I = 0; I < Iterations; ++I) Call();
    PerCall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - Start).count() / Iterations);
  }
  std::sort(PerCall.begin(), PerCall.end());
  return TTiming{PerCall[PerCall.size() / 2], PerCall.front()};
}

// Ours and a reference timed in alternating batches, so that both meet the same neighbours; the
// ratio is the median of the per-batch ratios.
struct TPairTiming {
  TTiming Ours;
  TTiming Reference;
  double Ratio = 0;
};

template <class A, class B>
TPairTiming TimePair(int Batches, int Iterations, A&& Ours, B&& Reference) {
  TPairTiming Result;
  std::vector<double> OursTimes, ReferenceTimes, Ratios;
  for (int I = 0; I < Iterations; ++I) Ours();
  for (int I = 0; I < Iterations; ++I) Reference();
  for (int Batch = 0; Batch < std::max(1, Batches); ++Batch) {
    const double O = Time(1, Iterations, Ours).Median;
    const double R = Time(1, Iterations, Reference).Median;
    OursTimes.push_back(O);
    ReferenceTimes.push_back(R);
    Ratios.push_back(R > 0 ? O / R : 0);
  }
  auto Median = [](std::vector<double> V) {
    std::sort(V.begin(), V.end());
    return TTiming{V[V.size() / 2], V.front()};
  };
  Result.Ours = Median(OursTimes);
  Result.Reference = Median(ReferenceTimes);
  Result.Ratio = Median(Ratios).Median;
  return Result;
}

// One call, no warm-up: for what happens once (a first load, a first paint), in microseconds.
template <class F>
double TimeOnce(F&& Call) {
  using Clock = std::chrono::steady_clock;
  const auto Start = Clock::now();
  Call();
  return std::chrono::duration<double, std::micro>(Clock::now() - Start).count();
}

// Batches and iterations from the command line ("--batches N --iterations N"), else the defaults.
struct TRunSize {
  int Batches;
  int Iterations;
};
inline TRunSize RunSize(int Argc, char** Argv, int Batches, int Iterations) {
  for (int I = 1; I + 1 < Argc; ++I) {
    if (std::strcmp(Argv[I], "--batches") == 0) Batches = std::max(1, std::atoi(Argv[I + 1]));
    if (std::strcmp(Argv[I], "--iterations") == 0) Iterations = std::max(1, std::atoi(Argv[I + 1]));
  }
  return TRunSize{Batches, Iterations};
}

// One row of scripts/bench's table, as a line it picks out of the program's output:
//   row|name|ours us|reference name|reference us|target|ratio
// A reference of 0 means none (a stage of a breakdown); Target is the goal in words; a Ratio of 0
// leaves the table to divide the two medians.
inline void Row(const std::string& Name, double Ours, const std::string& Reference, double ReferenceMicros,
                const std::string& Target, double Ratio = 0) {
  std::printf("row|%s|%.2f|%s|%.2f|%s|%.3f\n", Name.c_str(), Ours, Reference.c_str(), ReferenceMicros,
              Target.c_str(), Ratio);
  std::fflush(stdout);
}
inline void Row(const std::string& Name, const TPairTiming& Pair, const std::string& Reference,
                const std::string& Target) {
  Row(Name, Pair.Ours.Median, Reference, Pair.Reference.Median, Target, Pair.Ratio);
}

}  // namespace bench
