#include "bench/package/LzhInputs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "bench/package/baseline/BaselineLzh.h"
#include "bench/support/BenchSkins.h"

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + Path.string());
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Unstored(const std::vector<uint8_t>& Stored) {
  const auto Length = static_cast<int32_t>(Stored[0] | (Stored[1] << 8) | (Stored[2] << 16) |
                                           (static_cast<uint32_t>(Stored[3]) << 24));
  auto Out = baseline::UnpackBytes(std::span(Stored).subspan(4), Length);
  Out.resize(static_cast<size_t>(Length));
  return Out;
}

std::vector<uint8_t> HamletText() {
  const auto One = ReadFile(PROJECT_SHARED_DIR "/testdata/lzhuf/hamlet.txt");
  std::vector<uint8_t> Out;
  for (int I = 0; I < 25; ++I) Out.insert(Out.end(), One.begin(), One.end());
  return Out;
}

// Half description-like words, half bitmap-like rows with gradients and noise.
std::vector<uint8_t> MixedData() {
  std::vector<uint8_t> V;
  std::mt19937 Rng(2024);
  const char* Words[] = {"Buttons", "Image=", "button.bmp", "Margins",   "FrameCount",
                         "Trans=1", "the",    "skin",       "[Colours]", "Caption",
                         "0x1F",    "Tile=0", "\r\n",       "hover",     "state"};
  while (V.size() < 512 * 1024) {
    const std::string W = Words[Rng() % 15];
    V.insert(V.end(), W.begin(), W.end());
    V.push_back(Rng() % 4 == 0 ? '\n' : ' ');
  }
  for (int I = 0; V.size() < 1024 * 1024; ++I) {
    const int X = I % 256, Y = I / 256;
    V.push_back(static_cast<uint8_t>(X + Y));
    V.push_back(static_cast<uint8_t>(Y * 3));
    V.push_back(static_cast<uint8_t>(Rng() % 8 == 0 ? Rng() : 0xFF));
  }
  return V;
}

}  // namespace

const std::vector<uint8_t>& DefaultSkinStream() {
  static const std::vector<uint8_t> Stored = bench::SkinArchive("default");
  return Stored;
}

const std::vector<TLzhBenchInput>& LzhBenchInputs() {
  static const std::vector<TLzhBenchInput> Inputs = {
      {"skin", Unstored(DefaultSkinStream())},
      {"text", HamletText()},
      {"mixed", MixedData()},
  };
  return Inputs;
}
