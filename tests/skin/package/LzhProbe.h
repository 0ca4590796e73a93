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
  int Depth(int C) const {
    int D = 0;
    for (int K = prnt[C + T]; K != R; K = prnt[K]) ++D;
    return D + 1;
  }
  int MaxDepth() const {
    int M = 0;
    for (int C = 0; C < N_CHAR; ++C) M = std::max(M, Depth(C));
    return M;
  }

  // Decodes symbols (without producing bytes) until Length bytes are accounted for.
  std::vector<TLzhSymbol> Trace(std::span<const uint8_t> Code, int32_t Length) {
    std::vector<TLzhSymbol> Out;
    size_t Pos = 0;
    const TReadProc Read = [&](void* D, uint16_t, uint16_t& Got) {
      Got = Pos < Code.size() ? 1 : 0;
      if (Got) *static_cast<uint8_t*>(D) = Code[Pos++];
    };
    InitLZH();
    StartHuff();
    for (int32_t Count = 0; Count < Length;) {
      const int C = DecodeChar(Read);
      if (C < 256) {
        Out.push_back({C, -1});
        ++Count;
      } else {
        Out.push_back({C, DecodePosition(Read)});
        Count += C - 253;
      }
    }
    EndLZH();
    return Out;
  }
};
