// The baseline codec (see BaselineLzh.h): table lifetime, bit input and output, pack and unpack
// loops, adaptive Huffman tree and the packer's match trees, unchanged.
#include "bench/package/baseline/BaselineLzh.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "skin/package/LzhTables.h"

namespace baseline {

// Table lifetime, bit input and output, and the pack and unpack loops of the codec.

namespace {

template <class E>
std::unique_ptr<E[]> AllocTable(size_t N) {
  // Zero-filled so that packing empty input codes a defined byte.
  std::unique_ptr<E[]> P(new (std::nothrow) E[N]());
  if (!P) throw std::bad_alloc();
  return P;
}

// Frees the work tables on every way out of a pack or unpack call.
class TTablesGuard {
 public:
  explicit TTablesGuard(TLZH& Lzh) : FLzh(Lzh) {}
  ~TTablesGuard() { FLzh.EndLZH(); }
  TTablesGuard(const TTablesGuard&) = delete;
  TTablesGuard& operator=(const TTablesGuard&) = delete;

 private:
  TLZH& FLzh;
};

}  // namespace

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitLZH() {
  getbuf = 0;
  getlen = 0;
  putlen = 0;
  putbuf = 0;
  textsize = 0;
  match_position = 0;
  match_length = 0;
  try {
    text_buf = AllocTable<uint8_t>(N + F - 1);
    lson = AllocTable<int16_t>(N + 1);
    dad = AllocTable<int16_t>(N + 1);
    rson = AllocTable<int16_t>(N + 257);
    freq = AllocTable<uint16_t>(T + 1);
    prnt = AllocTable<int16_t>(T + N_CHAR);
    son = AllocTable<int16_t>(T);
  } catch (...) {
    EndLZH();
    throw;
  }
}

// Releasing memory cannot fail here, so the "Error freeing" message is never raised.
void TLZH::EndLZH() {
  text_buf.reset();
  lson.reset();
  dad.reset();
  rson.reset();
  freq.reset();
  prnt.reset();
  son.reset();
}

bool TLZH::ReadByte(uint8_t& B, const TReadProc& ReadProc) {
  uint16_t Got = 0;
  B = 0;
  ReadProc(&B, 1, Got);
  return Got != 0;
}

void TLZH::WriteByte(uint8_t B, const TWriteProc& WriteProc) {
  // Output failures surface as the sink's own exception; the count is not inspected.
  uint16_t Put = 0;
  WriteProc(&B, 1, Put);
}

int TLZH::GetBit(const TReadProc& ReadProc) {
  while (getlen <= 8) {
    uint8_t B;
    if (!ReadByte(B, ReadProc)) B = 0;  // past the end the code reads as zero bits
    getbuf = static_cast<uint16_t>(getbuf | (B << (8 - getlen)));
    getlen = static_cast<uint8_t>(getlen + 8);
  }
  const int Bit = getbuf >> 15;
  getbuf = static_cast<uint16_t>(getbuf << 1);
  --getlen;
  return Bit;
}

int TLZH::GetByte(const TReadProc& ReadProc) {
  while (getlen <= 8) {
    uint8_t B;
    if (!ReadByte(B, ReadProc)) B = 0;
    getbuf = static_cast<uint16_t>(getbuf | (B << (8 - getlen)));
    getlen = static_cast<uint8_t>(getlen + 8);
  }
  const int Byte = getbuf >> 8;
  getbuf = static_cast<uint16_t>(getbuf << 8);
  getlen = static_cast<uint8_t>(getlen - 8);
  return Byte;
}

void TLZH::Putcode(int L, uint16_t C, const TWriteProc& WriteProc) {
  putbuf = static_cast<uint16_t>(putbuf | (C >> putlen));
  putlen = static_cast<uint8_t>(putlen + L);
  if (putlen >= 8) {
    WriteByte(static_cast<uint8_t>(putbuf >> 8), WriteProc);
    putlen = static_cast<uint8_t>(putlen - 8);
    if (putlen >= 8) {
      WriteByte(static_cast<uint8_t>(putbuf), WriteProc);
      putlen = static_cast<uint8_t>(putlen - 8);
      putbuf = static_cast<uint16_t>(static_cast<uint32_t>(C) << (L - putlen));
    } else {
      putbuf = static_cast<uint16_t>(putbuf << 8);
    }
  }
}

void TLZH::EncodePosition(unsigned C, const TWriteProc& WriteProc) {
  const unsigned U = C >> 6;
  Putcode(p_len[U], static_cast<uint16_t>(p_code[U] << 8), WriteProc);
  Putcode(6, static_cast<uint16_t>((C & 0x3F) << 10), WriteProc);
}

void TLZH::EncodeEnd(const TWriteProc& WriteProc) {
  if (putlen != 0) WriteByte(static_cast<uint8_t>(putbuf >> 8), WriteProc);
}

int TLZH::DecodePosition(const TReadProc& ReadProc) {
  unsigned I = static_cast<unsigned>(GetByte(ReadProc));
  const unsigned Upper = static_cast<unsigned>(d_code[I]) << 6;
  for (int J = d_len[I] - 2; J > 0; --J) I = (I << 1) + static_cast<unsigned>(GetBit(ReadProc));
  return static_cast<int>(Upper | (I & 0x3F));
}

void TLZH::LZHPack(int32_t& BytesWritten, const TReadProc& ReadProc, const TWriteProc& WriteProc) {
  InitLZH();
  TTablesGuard Guard(*this);
  StartHuff();
  InitTree();
  textsize = 0;

  int S = 0;
  int R = RING_FILL;
  for (int I = 0; I < R; ++I) text_buf[I] = ' ';
  int Len = 0;
  uint8_t C;
  while (Len < F && ReadByte(C, ReadProc)) text_buf[R + Len++] = C;
  textsize = Len;
  for (int I = 1; I <= F; ++I) InsertNode(static_cast<int16_t>(R - I));
  InsertNode(static_cast<int16_t>(R));

  do {
    if (match_length > Len) match_length = static_cast<int16_t>(Len);
    if (match_length <= THRESHOLD) {
      match_length = 1;
      EncodeChar(text_buf[R], WriteProc);
    } else {
      EncodeChar(static_cast<unsigned>(255 - THRESHOLD + match_length), WriteProc);
      EncodePosition(static_cast<unsigned>(match_position), WriteProc);
    }
    const int LastMatchLength = match_length;
    int I = 0;
    for (; I < LastMatchLength && ReadByte(C, ReadProc); ++I) {
      DeleteNode(static_cast<int16_t>(S));
      text_buf[S] = C;
      if (S < F - 1) text_buf[S + N] = C;
      S = (S + 1) & (N - 1);
      R = (R + 1) & (N - 1);
      InsertNode(static_cast<int16_t>(R));
    }
    textsize += I;
    // Input exhausted: slide the window over what is left of the look-ahead.
    while (I++ < LastMatchLength) {
      DeleteNode(static_cast<int16_t>(S));
      S = (S + 1) & (N - 1);
      R = (R + 1) & (N - 1);
      if (--Len != 0) InsertNode(static_cast<int16_t>(R));
    }
  } while (Len > 0);

  EncodeEnd(WriteProc);
  BytesWritten = textsize;
}

void TLZH::LZHUnpack(int32_t TextSize, const TReadProc& ReadProc, const TWriteProc& WriteProc) {
  InitLZH();
  TTablesGuard Guard(*this);
  StartHuff();
  for (int I = 0; I < RING_FILL; ++I) text_buf[I] = ' ';
  int R = RING_FILL;
  for (int32_t Count = 0; Count < TextSize;) {
    const int C = DecodeChar(ReadProc);
    if (C < 256) {
      const auto B = static_cast<uint8_t>(C);
      WriteByte(B, WriteProc);
      text_buf[R] = B;
      R = (R + 1) & (N - 1);
      ++Count;
    } else {
      // A match is copied whole, byte by byte, so a source overlapping the output repeats a run.
      const int I = (R - DecodePosition(ReadProc) - 1) & (N - 1);
      const int J = C - 255 + THRESHOLD;
      for (int K = 0; K < J; ++K) {
        const uint8_t B = text_buf[(I + K) & (N - 1)];
        WriteByte(B, WriteProc);
        text_buf[R] = B;
        R = (R + 1) & (N - 1);
        ++Count;
      }
    }
  }
}

// Adaptive Huffman coding of the 314 symbols (bytes and match lengths). The node table is kept in
// ascending frequency order (the sibling property), so incrementing a weight only ever swaps a node
// with the last node of equal weight.

void TLZH::StartHuff() {
  for (int I = 0; I < N_CHAR; ++I) {
    freq[I] = 1;
    son[I] = static_cast<int16_t>(I + T);
    prnt[I + T] = static_cast<int16_t>(I);
  }
  for (int I = 0, J = N_CHAR; J <= R; I += 2, ++J) {
    freq[J] = static_cast<uint16_t>(freq[I] + freq[I + 1]);
    son[J] = static_cast<int16_t>(I);
    prnt[I] = prnt[I + 1] = static_cast<int16_t>(J);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

void TLZH::reconst() {
  // Leaves first, in node order, with halved weights.
  int J = 0;
  for (int I = 0; I < T; ++I) {
    if (son[I] >= T) {
      freq[J] = static_cast<uint16_t>((freq[I] + 1) / 2);
      son[J] = son[I];
      ++J;
    }
  }
  // Pair them up again, keeping the table sorted by weight.
  for (int I = 0, Jn = N_CHAR; Jn < T; I += 2, ++Jn) {
    const unsigned F = freq[I] + freq[I + 1];
    int K = Jn - 1;
    while (K >= 0 && F < freq[K]) --K;
    ++K;
    const size_t Moved = static_cast<size_t>(Jn - K);
    std::memmove(&freq[K + 1], &freq[K], Moved * sizeof(freq[0]));
    std::memmove(&son[K + 1], &son[K], Moved * sizeof(son[0]));
    freq[K] = static_cast<uint16_t>(F);
    son[K] = static_cast<int16_t>(I);
  }
  for (int I = 0; I < T; ++I) {
    const int K = son[I];
    if (K >= T) {
      prnt[K] = static_cast<int16_t>(I);
    } else {
      prnt[K] = prnt[K + 1] = static_cast<int16_t>(I);
    }
  }
}

void TLZH::update(int C) {
  if (freq[R] == MAX_FREQ) reconst();
  C = prnt[C + T];
  do {
    const unsigned K = ++freq[C];
    int L = C + 1;
    if (K > freq[L]) {
      // The sentinel freq[T] stops this walk.
      while (K > freq[++L]) {
      }
      --L;
      freq[C] = freq[L];
      freq[L] = static_cast<uint16_t>(K);

      const int I = son[C];
      prnt[I] = static_cast<int16_t>(L);
      if (I < T) prnt[I + 1] = static_cast<int16_t>(L);

      const int Jj = son[L];
      son[L] = static_cast<int16_t>(I);
      prnt[Jj] = static_cast<int16_t>(C);
      if (Jj < T) prnt[Jj + 1] = static_cast<int16_t>(C);
      son[C] = static_cast<int16_t>(Jj);

      C = L;
    }
    C = prnt[C];
  } while (C != 0);
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

// Match finder of the packer: one binary search tree per first byte over the strings that start
// at each ring position, so that an insertion walks a tree instead of scanning the window.

void TLZH::InitTree() {
  for (int I = N + 1; I <= N + 256; ++I) rson[I] = NIL;
  for (int I = 0; I <= N; ++I) dad[I] = NIL;
}

void TLZH::InsertNode(int16_t R) {
  const uint8_t* Key = &text_buf[R];
  int P = N + 1 + Key[0];
  int Cmp = 1;
  rson[R] = lson[R] = NIL;
  match_length = 0;
  for (;;) {
    if (Cmp >= 0) {
      if (rson[P] == NIL) {
        rson[P] = R;
        dad[R] = static_cast<int16_t>(P);
        return;
      }
      P = rson[P];
    } else {
      if (lson[P] == NIL) {
        lson[P] = R;
        dad[R] = static_cast<int16_t>(P);
        return;
      }
      P = lson[P];
    }
    int I = 1;
    for (; I < F; ++I) {
      Cmp = Key[I] - text_buf[P + I];
      if (Cmp != 0) break;
    }
    if (I > THRESHOLD) {
      const int D = ((R - P) & (N - 1)) - 1;
      if (I > match_length) {
        match_position = static_cast<int16_t>(D);
        match_length = static_cast<int16_t>(I);
        if (match_length >= F) break;
      }
      // Among equally long matches the nearest earlier occurrence wins.
      if (I == match_length && D < match_position) match_position = static_cast<int16_t>(D);
    }
  }
  // A full-length match: r takes the place of the older, identical string p.
  dad[R] = dad[P];
  lson[R] = lson[P];
  rson[R] = rson[P];
  dad[lson[P]] = R;
  dad[rson[P]] = R;
  if (rson[dad[P]] == P)
    rson[dad[P]] = R;
  else
    lson[dad[P]] = R;
  dad[P] = NIL;
}

void TLZH::DeleteNode(int16_t P) {
  if (dad[P] == NIL) return;  // not in a tree
  int Q;
  if (rson[P] == NIL) {
    Q = lson[P];
  } else if (lson[P] == NIL) {
    Q = rson[P];
  } else {
    // Two children: the rightmost node of the left subtree takes p's place.
    Q = lson[P];
    if (rson[Q] != NIL) {
      do {
        Q = rson[Q];
      } while (rson[Q] != NIL);
      rson[dad[Q]] = lson[Q];
      dad[lson[Q]] = dad[Q];
      lson[Q] = lson[P];
      dad[lson[P]] = static_cast<int16_t>(Q);
    }
    rson[Q] = rson[P];
    dad[rson[P]] = static_cast<int16_t>(Q);
  }
  dad[Q] = dad[P];
  if (rson[dad[P]] == P)
    rson[dad[P]] = static_cast<int16_t>(Q);
  else
    lson[dad[P]] = static_cast<int16_t>(Q);
  dad[P] = NIL;
}

std::vector<uint8_t> PackBytes(std::span<const uint8_t> Input) {
  std::vector<uint8_t> Out;
  Out.reserve(Input.size() / 2 + 16);
  size_t Pos = 0;
  TLZH Lzh;
  int32_t Done = 0;
  Lzh.LZHPack(
      Done,
      [&](void* Dta, uint16_t N, uint16_t& Got) {
        Got = static_cast<uint16_t>(std::min<size_t>(N, Input.size() - Pos));
        if (Got) std::memcpy(Dta, Input.data() + Pos, Got);
        Pos += Got;
      },
      [&](void* Dta, uint16_t N, uint16_t& Put) {
        const auto* P = static_cast<const uint8_t*>(Dta);
        Out.insert(Out.end(), P, P + N);
        Put = N;
      });
  return Out;
}

std::vector<uint8_t> UnpackBytes(std::span<const uint8_t> Code, int32_t Length) {
  std::vector<uint8_t> Out;
  if (Length > 0) Out.reserve(static_cast<size_t>(Length));
  size_t Pos = 0;
  TLZH Lzh;
  Lzh.LZHUnpack(
      Length,
      [&](void* Dta, uint16_t N, uint16_t& Got) {
        Got = static_cast<uint16_t>(std::min<size_t>(N, Code.size() - Pos));
        if (Got) std::memcpy(Dta, Code.data() + Pos, Got);
        Pos += Got;
      },
      [&](void* Dta, uint16_t N, uint16_t& Put) {
        const auto* P = static_cast<const uint8_t*>(Dta);
        Out.insert(Out.end(), P, P + N);
        Put = N;
      });
  return Out;
}

}  // namespace baseline
