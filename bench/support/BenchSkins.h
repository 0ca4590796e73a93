// The shipped skins as the benchmarks load them: the archives the build packs (what the utility
// embeds), or the skin folders packed on the spot when the build packs none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// "default" or "dark": the stored archive (4-byte length, then the code).
std::vector<std::uint8_t> SkinArchive(const std::string& Name);

}  // namespace bench
