#pragma once
// Test access to the codec's internal steps: symbol traces of a code, and direct use of the
// adaptive Huffman tree.

#include <cstdint>
#include <span>
#include <vector>

#include "skin/package/Lzh.h"

struct TLzhSymbol {
  int Sym;       // 0..255 literal, 256..313 match of length Sym - 253
  int Position;  // match position value, -1 for a literal
};

class TLzhProbe : public TLZH {
 public:
  using TLZH::DecodeChar;
  using TLZH::EncodeChar;
  using TLZH::EncodeEnd;
  using TLZH::freq;
  using TLZH::prnt;
  using TLZH::StartHuff;
  using TLZH::text_buf;
  using TLZH::update;

  // Code length of symbol c in the current tree (leaf depth below the root).
  int Depth(int c) const {
    int d = 0;
    for (int k = prnt[c + T]; k != R; k = prnt[k]) ++d;
    return d + 1;
  }
  int MaxDepth() const {
    int m = 0;
    for (int c = 0; c < N_CHAR; ++c) m = std::max(m, Depth(c));
    return m;
  }

  // Decodes symbols (without producing bytes) until Length bytes are accounted for.
  std::vector<TLzhSymbol> Trace(std::span<const uint8_t> Code, int32_t Length) {
    std::vector<TLzhSymbol> out;
    size_t pos = 0;
    const TReadProc read = [&](void* d, uint16_t, uint16_t& got) {
      got = pos < Code.size() ? 1 : 0;
      if (got) *static_cast<uint8_t*>(d) = Code[pos++];
    };
    InitLZH();
    StartHuff();
    for (int32_t count = 0; count < Length;) {
      const int c = DecodeChar(read);
      if (c < 256) {
        out.push_back({c, -1});
        ++count;
      } else {
        out.push_back({c, DecodePosition(read)});
        count += c - 253;
      }
    }
    EndLZH();
    return out;
  }
};
