#pragma once
// Hand-built skin containers, so tests can state every byte including malformed ones.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/package/LzhBuffers.h"

struct TRawContainer {
  uint32_t Version = 70000;
  int32_t NamesLength = -1;  // -1: the length of Names
  std::string Names;
  std::vector<int32_t> Sizes;
  std::vector<uint8_t> Data;
  uint8_t Filler = 0;       // header bytes 8..15 and the extra block
  int32_t ExtraBlock = -1;  // -1: the version's own length

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> v;
    auto put32 = [&](uint32_t x) {
      for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    };
    put32(Version);
    put32(static_cast<uint32_t>(NamesLength >= 0 ? NamesLength : static_cast<int32_t>(Names.size())));
    int32_t extra = ExtraBlock;
    if (extra < 0) {
      const int32_t known[][2] = {{20000, 0},  {30000, 256}, {40000, 80},
                                  {50000, 48}, {60000, 117}, {70000, 69}};
      extra = 0;
      for (const auto& k : known)
        if (static_cast<uint32_t>(k[0]) == Version) extra = k[1];
    }
    v.insert(v.end(), 8 + static_cast<size_t>(extra), Filler);
    v.insert(v.end(), Names.begin(), Names.end());
    for (int32_t s : Sizes) put32(static_cast<uint32_t>(s));
    v.insert(v.end(), Data.begin(), Data.end());
    return v;
  }

  // Compressed, in a memory stream, as Loadfromstream takes it.
  void Compressed(TMemoryStream& Out) const {
    const auto packed = LzhCompressBytes(Bytes());
    Out.Clear();
    Out.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  }
};

inline std::vector<uint8_t> StreamBytes(const TMemoryStream& s) {
  return s.Bytes();
}
inline std::vector<uint8_t> Text(const std::string& s) {
  return {s.begin(), s.end()};
}
