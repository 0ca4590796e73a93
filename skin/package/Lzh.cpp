// Table lifetime, bit input and output, and the pack and unpack loops of the codec.

#include "skin/package/Lzh.h"

#include <new>

#include "skin/package/LzhTables.h"

namespace {

template <class E>
std::unique_ptr<E[]> AllocTable(size_t N) {
  // Zero-filled so that packing empty input codes a defined byte.
  std::unique_ptr<E[]> P(new (std::nothrow) E[N]());
  if (!P) throw ElzhException(kLzhNoMemoryMessage);
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
    text_buf = AllocTable<uint8_t>(lzh::kRingBytes + lzh::kRingSlack);
    lson = AllocTable<int16_t>(N + 1);
    dad = AllocTable<int16_t>(N + 1);
    rson = AllocTable<int16_t>(N + 257);
    freq = AllocTable<uint16_t>(T + 1);
    prnt = AllocTable<int16_t>(T + N_CHAR + 1);
    son = AllocTable<int16_t>(T);
    run_end = AllocTable<int16_t>(lzh::kRunEndSlots);
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
  run_end.reset();
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
