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

void TLZH::update(int C) {
  lzh::Update(HuffView(), C);
}

void TLZH::EncodeChar(unsigned C, const TWriteProc& WriteProc) {
  // Walk leaf to root. Codes of up to 16 bits are assembled in one word as the format describes;
  // a longer one (only after very skewed statistics) is kept bit by bit and sent in 16-bit pieces,
  // root end first, which is the same bit sequence.
  uint8_t Bits[T];
  int Depth = 0;
  int K = prnt[C + T];
  do {
    Bits[Depth++] = static_cast<uint8_t>(K & 1);
    K = prnt[K];
  } while (K != R);

  int Left = Depth;
  while (Left > 0) {
    const int L = std::min(Left, 16);
    uint16_t Code = 0;
    for (int B = 0; B < L; ++B) Code = static_cast<uint16_t>(Code | (Bits[Left - 1 - B] << (15 - B)));
    Putcode(L, Code, WriteProc);
    Left -= L;
  }
  update(static_cast<int>(C));
}

int TLZH::DecodeChar(const TReadProc& ReadProc) {
  int C = son[R];
  while (C < T) {
    C += GetBit(ReadProc);
    C = son[C];
  }
  C -= T;
  update(C);
  return C;
}
