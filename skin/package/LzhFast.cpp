// The buffer codec: code bits read through a 64-bit word, the Huffman tree walked without bounds
// checks, matches copied in blocks from the output itself, and code written from a 64-bit word.
// The models (LzhModel.h) are the callback codec's, so both give the same bytes.

#include "skin/package/LzhFast.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "skin/package/LzhException.h"
#include "skin/package/LzhModel.h"
#include "skin/package/LzhTables.h"

using namespace lzh;

namespace {

struct THuffTables {
  uint16_t Freq[T + 1];
  int16_t Prnt[T + N_CHAR];
  int16_t Son[T];
  THuffView View() { return {Freq, Prnt, Son}; }
};

struct TPackTables {
  THuffTables Huff;
  uint8_t Text[kRingBytes + kRingSlack];
  int16_t Lson[N + 1];
  int16_t Dad[N + 1];
  int16_t Rson[N + 257];
  TTreeView Tree() { return {Text, Lson, Dad, Rson}; }
};

template <class Tables>
std::unique_ptr<Tables> MakeTables() {
  std::unique_ptr<Tables> t(new (std::nothrow) Tables());  // zeroed, as the callback codec's
  if (!t) throw ElzhException(kLzhNoMemoryMessage);
  return t;
}

// Code bits from the top of a 64-bit word; past the end of the code every bit is zero.
class TBitReader {
 public:
  explicit TBitReader(std::span<const uint8_t> Code)
      : FBegin(Code.data()), FPos(Code.data()), FEnd(Code.data() + Code.size()) {}

  // At least 57 valid bits afterwards.
  void Refill() {
    if (FCount < 0) FCount = 0;  // never on a real tree; keeps the shifts defined whatever happens
    if (FEnd - FPos >= 8) {
      uint64_t w;
      std::memcpy(&w, FPos, 8);
      w = __builtin_bswap64(w);
      // Bits of the byte after the last whole one land where that byte will go: the same bits.
      FBuf |= w >> FCount;
      const int bytes = (63 - FCount) >> 3;
      FPos += bytes;
      FCount += bytes * 8;
    } else {
      while (FCount <= 56) {
        uint64_t b = 0;
        if (FPos < FEnd)
          b = *FPos++;
        else
          ++FPastEnd;
        FBuf |= b << (56 - FCount);
        FCount += 8;
      }
    }
  }
  int Count() const { return FCount; }
  uint64_t Peek() const { return FBuf; }
  void Skip(int Bits) {
    FBuf <<= Bits;
    FCount -= Bits;
  }
  int TopBit() {
    const int bit = static_cast<int>(FBuf >> 63);
    FBuf <<= 1;
    --FCount;
    return bit;
  }
  // Bits taken so far.
  int64_t Consumed() const { return (FPos - FBegin + FPastEnd) * 8 - FCount; }

 private:
  const uint8_t* FBegin;
  const uint8_t* FPos;
  const uint8_t* FEnd;
  int64_t FPastEnd = 0;
  uint64_t FBuf = 0;
  int FCount = 0;
};

// Code bits into the top of a 64-bit word, whole bytes out.
class TBitWriter {
 public:
  explicit TBitWriter(std::vector<uint8_t>& Out) : FOut(Out) {}
  // Len (<= 56) bits of Code, right-aligned, most significant first.
  void Put(int Len, uint64_t Code) {
    FBuf |= Code << (64 - FCount - Len);
    FCount += Len;
    while (FCount >= 8) {
      FOut.push_back(static_cast<uint8_t>(FBuf >> 56));
      FBuf <<= 8;
      FCount -= 8;
    }
  }
  // The last partial byte, padded with zero bits.
  void End() {
    if (FCount > 0) FOut.push_back(static_cast<uint8_t>(FBuf >> 56));
    FBuf = 0;
    FCount = 0;
  }

 private:
  std::vector<uint8_t>& FOut;
  uint64_t FBuf = 0;
  int FCount = 0;
};

void EncodeChar(THuffTables& H, TBitWriter& Bits, int C) {
  // Leaf to root; the root end goes out first.
  int16_t* const prnt = H.Prnt;
  uint64_t code = 0;
  int depth = 0;
  int k = prnt[C + T];
  do {
    if (depth == 48) {
      // A path this deep (only after very skewed statistics): sent in two pieces, root end first.
      uint8_t rest[T];
      int more = 0;
      for (; k != R; k = prnt[k]) rest[more++] = static_cast<uint8_t>(k & 1);
      for (int b = more - 1; b >= 0; --b) Bits.Put(1, rest[b]);
      break;
    }
    code |= static_cast<uint64_t>(k & 1) << depth;
    ++depth;
    k = prnt[k];
  } while (k != R);
  Bits.Put(depth, code);
  Update(H.View(), C);
}

void EncodePosition(TBitWriter& Bits, unsigned C) {
  const unsigned u = C >> 6;
  Bits.Put(p_len[u] + 6, (static_cast<uint64_t>(p_code[u]) >> (8 - p_len[u]) << 6) | (C & 0x3F));
}

}  // namespace

int32_t LzhPackBuffer(std::span<const uint8_t> Input, std::vector<uint8_t>& Out) {
  const auto tables = MakeTables<TPackTables>();
  THuffTables& huff = tables->Huff;
  StartHuff(huff.View());
  const TTreeView tree = tables->Tree();
  InitTree(tree);
  uint8_t* const text = tables->Text;
  TBitWriter bits(Out);

  size_t in = 0;
  int s = 0;
  int r = RING_FILL;
  std::memset(text, ' ', RING_FILL);
  int len = 0;
  while (len < F && in < Input.size()) text[r + len++] = Input[in++];
  int32_t textSize = len;
  int matchPosition = 0, matchLength = 0;
  for (int i = 1; i <= F; ++i) InsertNode(tree, r - i, matchPosition, matchLength);
  InsertNode(tree, r, matchPosition, matchLength);

  do {
    if (matchLength > len) matchLength = len;
    if (matchLength <= THRESHOLD) {
      matchLength = 1;
      EncodeChar(huff, bits, text[r]);
    } else {
      EncodeChar(huff, bits, 255 - THRESHOLD + matchLength);
      EncodePosition(bits, static_cast<unsigned>(matchPosition));
    }
    const int lastMatchLength = matchLength;
    int i = 0;
    for (; i < lastMatchLength && in < Input.size(); ++i) {
      const uint8_t c = Input[in++];
      DeleteNode(tree, s);
      text[s] = c;
      if (s < F - 1) text[s + N] = c;
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      InsertNode(tree, r, matchPosition, matchLength);
    }
    textSize += i;
    // Input exhausted: slide the window over what is left of the look-ahead.
    while (i++ < lastMatchLength) {
      DeleteNode(tree, s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len != 0) InsertNode(tree, r, matchPosition, matchLength);
    }
  } while (len > 0);
  bits.End();
  return textSize;
}

TLzhUnpackResult LzhUnpackBuffer(std::span<const uint8_t> Code, int32_t Length, uint8_t* Out) {
  TLzhUnpackResult result;
  if (Length <= 0) return result;
  const auto huff = MakeTables<THuffTables>();
  const THuffView view = huff->View();
  StartHuff(view);
  const int16_t* const son = huff->Son;
  TBitReader bits(Code);

  int64_t n = 0;
  while (n < Length) {
    // No code is longer than 32 bits: with weights below 0x8000 a sibling-ordered tree is at most
    // about 23 levels deep, so one refill per symbol covers the walk.
    if (bits.Count() < 32) bits.Refill();
    int c = son[R];
    while (c < T) c = son[c + bits.TopBit()];
    c -= T;
    Update(view, c);
    if (c < 256) {
      Out[n++] = static_cast<uint8_t>(c);
      continue;
    }
    // Match: position code, then the bytes copied from the output itself (the ring's contents).
    if (bits.Count() < 16) bits.Refill();
    const uint64_t peek = bits.Peek();
    const unsigned top = static_cast<unsigned>(peek >> 56);
    const int codeLen = d_len[top];
    const int position = (d_code[top] << 6) | static_cast<int>((peek >> (64 - codeLen - 6)) & 0x3F);
    bits.Skip(codeLen + 6);
    const int64_t distance = position + 1;
    const int length = c - 255 + THRESHOLD;
    uint8_t* dest = Out + n;
    if (n >= distance) {
      const uint8_t* from = dest - distance;
      if (distance >= 64) {
        std::memcpy(dest, from, 64);  // whole words; the slack takes what runs past the match
      } else if (distance >= length) {
        std::memcpy(dest, from, static_cast<size_t>(length));
      } else if (distance == 1) {
        std::memset(dest, *from, static_cast<size_t>(length));
      } else {
        // A run repeating its last `distance` bytes: copied once, then doubled.
        const int d = static_cast<int>(distance);
        std::memcpy(dest, from, static_cast<size_t>(d));
        for (int done = d; done < length;) {
          const int step = std::min(done, length - done);  // done is a whole number of periods
          std::memcpy(dest + done, dest, static_cast<size_t>(step));
          done += step;
        }
      }
    } else {
      // Reaches back before the first byte: the ring's initial contents, spaces below its fill
      // point and zeros above it.
      for (int k = 0; k < length; ++k) {
        const int64_t at = n - distance + k;
        dest[k] = at >= 0 ? Out[at] : (at >= -RING_FILL ? ' ' : 0);
      }
    }
    n += length;
  }
  result.Written = n;
  // The callback codec fetches while it holds 8 bits or fewer, before each read; its last read is
  // always of one bit.
  const int64_t consumed = bits.Consumed();
  result.BytesRead = std::min<int64_t>(1 + (consumed + 7) / 8, static_cast<int64_t>(Code.size()));
  return result;
}
