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
    std::vector<uint8_t> V;
    auto Put32 = [&](uint32_t X) {
      for (int I = 0; I < 4; ++I) V.push_back(static_cast<uint8_t>(X >> (8 * I)));
    };
    Put32(Version);
    Put32(static_cast<uint32_t>(NamesLength >= 0 ? NamesLength : static_cast<int32_t>(Names.size())));
    int32_t Extra = ExtraBlock;
    if (Extra < 0) {
      const int32_t Known[][2] = {{20000, 0},  {30000, 256}, {40000, 80},
                                  {50000, 48}, {60000, 117}, {70000, 69}};
      Extra = 0;
      for (const auto& K : Known)
        if (static_cast<uint32_t>(K[0]) == Version) Extra = K[1];
    }
    V.insert(V.end(), 8 + static_cast<size_t>(Extra), Filler);
    V.insert(V.end(), Names.begin(), Names.end());
    for (int32_t S : Sizes) Put32(static_cast<uint32_t>(S));
    V.insert(V.end(), Data.begin(), Data.end());
    return V;
  }

  // Compressed, in a memory stream, as Loadfromstream takes it.
  void Compressed(TMemoryStream& Out) const {
    const auto Packed = LzhCompressBytes(Bytes());
    Out.Clear();
    Out.WriteBuffer(Packed.data(), static_cast<int64_t>(Packed.size()));
  }
};

inline std::vector<uint8_t> StreamBytes(const TMemoryStream& S) {
  return S.Bytes();
}
inline std::vector<uint8_t> Text(const std::string& S) {
  return {S.begin(), S.end()};
}
