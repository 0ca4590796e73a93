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
std::unique_ptr<E[]> AllocTable(size_t n) {
  // Zero-filled so that packing empty input codes a defined byte.
  std::unique_ptr<E[]> p(new (std::nothrow) E[n]());
  if (!p) throw std::bad_alloc();
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

// Adaptive Huffman coding of the 314 symbols (bytes and match lengths). The node table is kept in
// ascending frequency order (the sibling property), so incrementing a weight only ever swaps a node
// with the last node of equal weight.

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

// Match finder of the packer: one binary search tree per first byte over the strings that start
// at each ring position, so that an insertion walks a tree instead of scanning the window.

void TLZH::InitTree() {
  for (int i = N + 1; i <= N + 256; ++i) rson[i] = NIL;
  for (int i = 0; i <= N; ++i) dad[i] = NIL;
}

void TLZH::InsertNode(int16_t r) {
  const uint8_t* key = &text_buf[r];
  int p = N + 1 + key[0];
  int cmp = 1;
  rson[r] = lson[r] = NIL;
  match_length = 0;
  for (;;) {
    if (cmp >= 0) {
      if (rson[p] == NIL) {
        rson[p] = r;
        dad[r] = static_cast<int16_t>(p);
        return;
      }
      p = rson[p];
    } else {
      if (lson[p] == NIL) {
        lson[p] = r;
        dad[r] = static_cast<int16_t>(p);
        return;
      }
      p = lson[p];
    }
    int i = 1;
    for (; i < F; ++i) {
      cmp = key[i] - text_buf[p + i];
      if (cmp != 0) break;
    }
    if (i > THRESHOLD) {
      const int d = ((r - p) & (N - 1)) - 1;
      if (i > match_length) {
        match_position = static_cast<int16_t>(d);
        match_length = static_cast<int16_t>(i);
        if (match_length >= F) break;
      }
      // Among equally long matches the nearest earlier occurrence wins.
      if (i == match_length && d < match_position) match_position = static_cast<int16_t>(d);
    }
  }
  // A full-length match: r takes the place of the older, identical string p.
  dad[r] = dad[p];
  lson[r] = lson[p];
  rson[r] = rson[p];
  dad[lson[p]] = r;
  dad[rson[p]] = r;
  if (rson[dad[p]] == p)
    rson[dad[p]] = r;
  else
    lson[dad[p]] = r;
  dad[p] = NIL;
}

void TLZH::DeleteNode(int16_t p) {
  if (dad[p] == NIL) return;  // not in a tree
  int q;
  if (rson[p] == NIL) {
    q = lson[p];
  } else if (lson[p] == NIL) {
    q = rson[p];
  } else {
    // Two children: the rightmost node of the left subtree takes p's place.
    q = lson[p];
    if (rson[q] != NIL) {
      do {
        q = rson[q];
      } while (rson[q] != NIL);
      rson[dad[q]] = lson[q];
      dad[lson[q]] = dad[q];
      lson[q] = lson[p];
      dad[lson[p]] = static_cast<int16_t>(q);
    }
    rson[q] = rson[p];
    dad[rson[p]] = static_cast<int16_t>(q);
  }
  dad[q] = dad[p];
  if (rson[dad[p]] == p)
    rson[dad[p]] = static_cast<int16_t>(q);
  else
    lson[dad[p]] = static_cast<int16_t>(q);
  dad[p] = NIL;
}

std::vector<uint8_t> PackBytes(std::span<const uint8_t> Input) {
  std::vector<uint8_t> out;
  out.reserve(Input.size() / 2 + 16);
  size_t pos = 0;
  TLZH lzh;
  int32_t done = 0;
  lzh.LZHPack(
      done,
      [&](void* dta, uint16_t n, uint16_t& got) {
        got = static_cast<uint16_t>(std::min<size_t>(n, Input.size() - pos));
        if (got) std::memcpy(dta, Input.data() + pos, got);
        pos += got;
      },
      [&](void* dta, uint16_t n, uint16_t& put) {
        const auto* p = static_cast<const uint8_t*>(dta);
        out.insert(out.end(), p, p + n);
        put = n;
      });
  return out;
}

std::vector<uint8_t> UnpackBytes(std::span<const uint8_t> Code, int32_t Length) {
  std::vector<uint8_t> out;
  if (Length > 0) out.reserve(static_cast<size_t>(Length));
  size_t pos = 0;
  TLZH lzh;
  lzh.LZHUnpack(
      Length,
      [&](void* dta, uint16_t n, uint16_t& got) {
        got = static_cast<uint16_t>(std::min<size_t>(n, Code.size() - pos));
        if (got) std::memcpy(dta, Code.data() + pos, got);
        pos += got;
      },
      [&](void* dta, uint16_t n, uint16_t& put) {
        const auto* p = static_cast<const uint8_t*>(dta);
        out.insert(out.end(), p, p + n);
        put = n;
      });
  return out;
}

}  // namespace baseline
