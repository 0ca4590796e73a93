// Table lifetime, bit input and output, and the pack and unpack loops of the codec.

#include "skin/package/Lzh.h"

#include <new>

#include "skin/package/LzhTables.h"

namespace {

template <class E>
std::unique_ptr<E[]> AllocTable(size_t n) {
  // Zero-filled so that packing empty input codes a defined byte.
  std::unique_ptr<E[]> p(new (std::nothrow) E[n]());
  if (!p) throw ElzhException(kLzhNoMemoryMessage);
  return p;
}

// Frees the work tables on every way out of a pack or unpack call.
class TTablesGuard {
 public:
  explicit TTablesGuard(TLZH& lzh) : FLzh(lzh) {}
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

bool TLZH::ReadByte(uint8_t& b, const TReadProc& ReadProc) {
  uint16_t got = 0;
  b = 0;
  ReadProc(&b, 1, got);
  return got != 0;
}

void TLZH::WriteByte(uint8_t b, const TWriteProc& WriteProc) {
  // Output failures surface as the sink's own exception; the count is not inspected.
  uint16_t put = 0;
  WriteProc(&b, 1, put);
}

int TLZH::GetBit(const TReadProc& ReadProc) {
  while (getlen <= 8) {
    uint8_t b;
    if (!ReadByte(b, ReadProc)) b = 0;  // past the end the code reads as zero bits
    getbuf = static_cast<uint16_t>(getbuf | (b << (8 - getlen)));
    getlen = static_cast<uint8_t>(getlen + 8);
  }
  const int bit = getbuf >> 15;
  getbuf = static_cast<uint16_t>(getbuf << 1);
  --getlen;
  return bit;
}

int TLZH::GetByte(const TReadProc& ReadProc) {
  while (getlen <= 8) {
    uint8_t b;
    if (!ReadByte(b, ReadProc)) b = 0;
    getbuf = static_cast<uint16_t>(getbuf | (b << (8 - getlen)));
    getlen = static_cast<uint8_t>(getlen + 8);
  }
  const int byte = getbuf >> 8;
  getbuf = static_cast<uint16_t>(getbuf << 8);
  getlen = static_cast<uint8_t>(getlen - 8);
  return byte;
}

void TLZH::Putcode(int l, uint16_t c, const TWriteProc& WriteProc) {
  putbuf = static_cast<uint16_t>(putbuf | (c >> putlen));
  putlen = static_cast<uint8_t>(putlen + l);
  if (putlen >= 8) {
    WriteByte(static_cast<uint8_t>(putbuf >> 8), WriteProc);
    putlen = static_cast<uint8_t>(putlen - 8);
    if (putlen >= 8) {
      WriteByte(static_cast<uint8_t>(putbuf), WriteProc);
      putlen = static_cast<uint8_t>(putlen - 8);
      putbuf = static_cast<uint16_t>(static_cast<uint32_t>(c) << (l - putlen));
    } else {
      putbuf = static_cast<uint16_t>(putbuf << 8);
    }
  }
}

void TLZH::EncodePosition(unsigned c, const TWriteProc& WriteProc) {
  const unsigned u = c >> 6;
  Putcode(p_len[u], static_cast<uint16_t>(p_code[u] << 8), WriteProc);
  Putcode(6, static_cast<uint16_t>((c & 0x3F) << 10), WriteProc);
}

void TLZH::EncodeEnd(const TWriteProc& WriteProc) {
  if (putlen != 0) WriteByte(static_cast<uint8_t>(putbuf >> 8), WriteProc);
}

int TLZH::DecodePosition(const TReadProc& ReadProc) {
  unsigned i = static_cast<unsigned>(GetByte(ReadProc));
  const unsigned upper = static_cast<unsigned>(d_code[i]) << 6;
  for (int j = d_len[i] - 2; j > 0; --j) i = (i << 1) + static_cast<unsigned>(GetBit(ReadProc));
  return static_cast<int>(upper | (i & 0x3F));
}

void TLZH::LZHPack(int32_t& Bytes_Written, const TReadProc& ReadProc, const TWriteProc& WriteProc) {
  InitLZH();
  TTablesGuard guard(*this);
  StartHuff();
  InitTree();
  textsize = 0;

  int s = 0;
  int r = RING_FILL;
  for (int i = 0; i < r; ++i) text_buf[i] = ' ';
  int len = 0;
  uint8_t c;
  while (len < F && ReadByte(c, ReadProc)) text_buf[r + len++] = c;
  textsize = len;
  for (int i = 1; i <= F; ++i) InsertNode(static_cast<int16_t>(r - i));
  InsertNode(static_cast<int16_t>(r));

  do {
    if (match_length > len) match_length = static_cast<int16_t>(len);
    if (match_length <= THRESHOLD) {
      match_length = 1;
      EncodeChar(text_buf[r], WriteProc);
    } else {
      EncodeChar(static_cast<unsigned>(255 - THRESHOLD + match_length), WriteProc);
      EncodePosition(static_cast<unsigned>(match_position), WriteProc);
    }
    const int last_match_length = match_length;
    int i = 0;
    for (; i < last_match_length && ReadByte(c, ReadProc); ++i) {
      DeleteNode(static_cast<int16_t>(s));
      text_buf[s] = c;
      if (s < F - 1) text_buf[s + N] = c;
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      InsertNode(static_cast<int16_t>(r));
    }
    textsize += i;
    // Input exhausted: slide the window over what is left of the look-ahead.
    while (i++ < last_match_length) {
      DeleteNode(static_cast<int16_t>(s));
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len != 0) InsertNode(static_cast<int16_t>(r));
    }
  } while (len > 0);

  EncodeEnd(WriteProc);
  Bytes_Written = textsize;
}

void TLZH::LZHUnpack(int32_t TextSize, const TReadProc& ReadProc, const TWriteProc& WriteProc) {
  InitLZH();
  TTablesGuard guard(*this);
  StartHuff();
  for (int i = 0; i < RING_FILL; ++i) text_buf[i] = ' ';
  int r = RING_FILL;
  for (int32_t count = 0; count < TextSize;) {
    const int c = DecodeChar(ReadProc);
    if (c < 256) {
      const auto b = static_cast<uint8_t>(c);
      WriteByte(b, WriteProc);
      text_buf[r] = b;
      r = (r + 1) & (N - 1);
      ++count;
    } else {
      // A match is copied whole, byte by byte, so a source overlapping the output repeats a run.
      const int i = (r - DecodePosition(ReadProc) - 1) & (N - 1);
      const int j = c - 255 + THRESHOLD;
      for (int k = 0; k < j; ++k) {
        const uint8_t b = text_buf[(i + k) & (N - 1)];
        WriteByte(b, WriteProc);
        text_buf[r] = b;
        r = (r + 1) & (N - 1);
        ++count;
      }
    }
  }
}
