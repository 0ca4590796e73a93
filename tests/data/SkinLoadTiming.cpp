// Timed loop, outside the test suite: how long a full skin takes to load from its SkinStream bytes
// (decompression, archive, skin description, model). Run under Wine:
//   build/<tree>/wine-run build/<tree>/tests/data/skin_data_load_timing.exe [iterations]
// With "--describe FOLDER" it prints instead the form-description block of an active component
// "skndt1" carrying the skin packed from FOLDER (what a main form description embeds).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/core/Description.h"

#include "skin/data/SkinData.h"
#include "tests/data/TestSkins.h"

namespace {

int Describe(const char* Folder) {
  TComponent root(nullptr);
  auto* data = new TSkinData(&root);
  data->SetName("skndt1");
  PackSkinFolder(*data->FSkinStream, Folder);
  data->SetActive(true);
  std::fputs(WriteComponentToText(data).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--describe") == 0) return Describe(argv[2]);
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  TSkinData data(nullptr);
  PackSkinFolder(*data.FSkinStream, DefaultSkinFolder());
  if (!data.LoadSkin()) {
    std::fprintf(stderr, "the default skin did not load\n");
    return 1;
  }
  // Fastest and median of single loads: the machine is shared, so the mean says more about the
  // neighbours than about the load.
  using Clock = std::chrono::steady_clock;
  std::vector<double> times;
  for (int i = 0; i < iterations; ++i) {
    const auto start = Clock::now();
    data.LoadSkin();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("skin load from %lld SkinStream bytes: fastest %.3f ms, median %.3f ms (%d loads)\n",
              static_cast<long long>(data.FSkinStream->Size()), times.front(), times[times.size() / 2],
              iterations);
  return 0;
}
