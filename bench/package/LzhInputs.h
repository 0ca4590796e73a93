// The inputs of the codec benchmarks, shared with the test that checks the codec against its
// baseline byte for byte on each of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TLzhBenchInput {
  std::string Name;
  std::vector<uint8_t> Bytes;  // uncompressed
};

// The default skin's archive (what the utility embeds, the container the codec unpacks at every
// start), 1 MB of English text (25 copies of the hamlet vector) and 1 MB of mixed description text
// and bitmap-like rows.
const std::vector<TLzhBenchInput>& LzhBenchInputs();

// The default skin as stored: 4-byte length, then the code.
const std::vector<uint8_t>& DefaultSkinStream();
