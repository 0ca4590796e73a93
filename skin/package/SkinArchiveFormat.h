#pragma once
// Layout of a skin archive container (what an archive holds once decompressed):
//   0  version (uint32)   4  names length L (int32)   8  eight bytes not interpreted
//   16 extra block of B bytes (B by version)          16 + B  name list, L bytes of text lines
//   then one int32 size per name, then the files' bytes concatenated in list order.

#include <array>
#include <cstdint>

inline constexpr int kSkinHeaderSize = 16;
inline constexpr int kSkinMaxFiles = 1001;  // room in the reader's size table

struct TSkinVersionInfo {
  uint32_t Version;
  int32_t ExtraBlock;
};

inline constexpr std::array<TSkinVersionInfo, 6> kSkinVersions = {{
    {20000, 0},
    {30000, 256},
    {40000, 80},
    {50000, 48},
    {60000, 117},
    {70000, 69},
}};

// Extra block length for Version, or -1 for a version the reader does not know.
constexpr int32_t SkinExtraBlockLength(uint32_t Version) {
  for (const auto& V : kSkinVersions)
    if (V.Version == Version) return V.ExtraBlock;
  return -1;
}

inline constexpr uint32_t kSkinDefaultVersion = 70000;
inline constexpr const char* kSkinOlderFileMessage =
    "This is Older Skin File\rPlease update to new version !";
