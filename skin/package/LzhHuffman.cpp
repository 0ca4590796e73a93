// Adaptive Huffman coding of the 314 symbols (bytes and match lengths). The node table is kept in
// ascending frequency order (the sibling property), so incrementing a weight only ever swaps a node
// with the last node of equal weight.

#include <algorithm>
#include <cstring>

#include "skin/package/Lzh.h"

void TLZH::StartHuff() {
  for (int i = 0; i < N_CHAR; ++i) {
    freq[i] = 1;
    son[i] = static_cast<int16_t>(i + T);
    prnt[i + T] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

void TLZH::reconst() {
  // Leaves first, in node order, with halved weights.
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Pair them up again, keeping the table sorted by weight.
  for (int i = 0, jn = N_CHAR; jn < T; i += 2, ++jn) {
    const unsigned f = freq[i] + freq[i + 1];
    int k = jn - 1;
    while (k >= 0 && f < freq[k]) --k;
    ++k;
    const size_t moved = static_cast<size_t>(jn - k);
    std::memmove(&freq[k + 1], &freq[k], moved * sizeof(freq[0]));
    std::memmove(&son[k + 1], &son[k], moved * sizeof(son[0]));
    freq[k] = static_cast<uint16_t>(f);
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T) {
      prnt[k] = static_cast<int16_t>(i);
    } else {
      prnt[k] = prnt[k + 1] = static_cast<int16_t>(i);
    }
  }
}

void TLZH::update(int c) {
  if (freq[R] == MAX_FREQ) reconst();
  c = prnt[c + T];
  do {
    const unsigned k = ++freq[c];
    int l = c + 1;
    if (k > freq[l]) {
      // The sentinel freq[T] stops this walk.
      while (k > freq[++l]) {
      }
      --l;
      freq[c] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      const int i = son[c];
      prnt[i] = static_cast<int16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<int16_t>(l);

      const int jj = son[l];
      son[l] = static_cast<int16_t>(i);
      prnt[jj] = static_cast<int16_t>(c);
      if (jj < T) prnt[jj + 1] = static_cast<int16_t>(c);
      son[c] = static_cast<int16_t>(jj);

      c = l;
    }
    c = prnt[c];
  } while (c != 0);
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
