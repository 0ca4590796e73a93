// Adaptive Huffman coding of the 314 symbols (bytes and match lengths) through the callbacks. The
// tree itself lives in LzhModel.h, shared with the buffer codec.

#include <algorithm>

#include "skin/package/Lzh.h"

void TLZH::StartHuff() {
  lzh::StartHuff(HuffView());
}

void TLZH::reconst() {
  lzh::Reconst(HuffView());
}

void TLZH::update(int c) {
  lzh::Update(HuffView(), c);
}

void TLZH::EncodeChar(unsigned c, const TWriteProc& WriteProc) {
  // Walk leaf to root. Codes of up to 16 bits are assembled in one word as the format describes;
  // a longer one (only after very skewed statistics) is kept bit by bit and sent in 16-bit pieces,
  // root end first, which is the same bit sequence.
  uint8_t bits[T];
  int depth = 0;
  int k = prnt[c + T];
  do {
    bits[depth++] = static_cast<uint8_t>(k & 1);
    k = prnt[k];
  } while (k != R);

  int left = depth;
  while (left > 0) {
    const int l = std::min(left, 16);
    uint16_t code = 0;
    for (int b = 0; b < l; ++b) code = static_cast<uint16_t>(code | (bits[left - 1 - b] << (15 - b)));
    Putcode(l, code, WriteProc);
    left -= l;
  }
  update(static_cast<int>(c));
}

int TLZH::DecodeChar(const TReadProc& ReadProc) {
  int c = son[R];
  while (c < T) {
    c += GetBit(ReadProc);
    c = son[c];
  }
  c -= T;
  update(c);
  return c;
}
