// The buffer codec: code bits read through a 64-bit word, the first levels of the Huffman tree
// decoded through a table and the rest walked without bounds checks, matches copied in whole pieces
// from the output itself, and code written from a 64-bit word.
// The models (LzhModel.h) are the callback codec's, so both give the same bytes.

#include "skin/package/LzhFast.h"

#include <algorithm>
#include <bit>
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
  int16_t Prnt[T + N_CHAR + 1];
  int16_t Son[T];
  int16_t RunEnd[kRunEndSlots];
  THuffView View() { return {Freq, Prnt, Son, RunEnd}; }
};

struct TPackTables {
  THuffTables Huff;
  uint8_t Text[kRingBytes + kRingSlack];
  int16_t Lson[N + 1];
  int16_t Dad[N + 1];
  int16_t Rson[N + 257];
  TTreeView Tree() { return {Text, Lson, Dad, Rson}; }
};

// The first levels of the tree as one table, for the decoder: the next kTopBits code bits give the
// node the walk reaches (a leaf, or the node it goes on from) and how many bits that took. Every
// node within kTopBits of the root is marked in Watched (nodes that have since moved deeper may
// stay marked); when marked nodes change places, the entries below them are filled again. A deeper
// table ends more walks at once but costs more to keep current: it pays only while the tree
// changes little (the decoder chooses, see DecodeSymbols).
constexpr int kPathRow = 8;  // a row of the table's paths: kTopBits nodes, padded to 16 bytes

template <int kTopBits>
class TTopTable {
  static_assert(kTopBits <= kPathRow);

 public:
  TTopTable(const int16_t* Son, const int16_t* Prnt) : FSon(Son), FPrnt(Prnt) {}

  static unsigned Index(uint64_t Bits) { return static_cast<unsigned>(Bits >> (64 - kTopBits)); }
  uint32_t Lookup(unsigned Index) const { return FEntry[Index]; }
  // The nodes the walk passes for that entry, root end first (kPathRow entries, those past the
  // bits taken meaningless).
  const int16_t* Path(unsigned Index) const { return FPath[Index]; }
  static int Node(uint32_t Entry) { return static_cast<int>(Entry & 0xFFFF); }
  static int Taken(uint32_t Entry) { return static_cast<int>(Entry >> 16); }

  void Rebuilt() {
    std::memset(FWatched, 0, sizeof(FWatched));
    FWatched[R] = 1;
    int16_t Path[kTopBits] = {};
    Fill(FSon[R], 0, 0, Path);
  }
  // Exchanges of two nodes so far.
  int64_t Swaps() const { return FSwaps; }
  void Swapped(int A, int B) {
    ++FSwaps;
    if (FWatched[A]) Refresh(A);
    if (FWatched[B]) Refresh(B);
  }

 private:
  // The entries below node P, if it is still within reach of the table.
  void Refresh(int P) {
    // Walked leaf end first: each step's bit (first children sit at even nodes) goes above the
    // ones before and each node in front of them, so that both end up root end first, as the
    // table is indexed and its paths are kept.
    int16_t Nodes[2 * kTopBits] = {};
    unsigned Code = 0;
    int Depth = 0;
    for (int X = P; X != R; X = FPrnt[X]) {
      if (Depth == kTopBits) {
        FWatched[P] = 0;  // moved out of reach; marked again if it comes back
        return;
      }
      Nodes[kTopBits - 1 - Depth] = static_cast<int16_t>(X);
      Code |= static_cast<unsigned>(X & 1) << Depth++;
    }
    Fill(FSon[P], Depth, Code, Nodes + kTopBits - Depth);
  }

  // C: the children's index reached after Depth bits of code Prefix (or a leaf), through the nodes
  // in Path.
  void Fill(int C, int Depth, unsigned Prefix, int16_t* Path) {
    if (C >= T || Depth == kTopBits) {
      const unsigned First = Prefix << (kTopBits - Depth);
      const unsigned Count = 1u << (kTopBits - Depth);
      const uint32_t Value = static_cast<uint32_t>(C) | static_cast<uint32_t>(Depth) << 16;
      for (unsigned K = 0; K < Count; ++K) {
        FEntry[First + K] = Value;
        std::memcpy(FPath[First + K], Path, sizeof(Path[0]) * kTopBits);
      }
      return;
    }
    FWatched[C] = FWatched[C + 1] = 1;
    Path[Depth] = static_cast<int16_t>(C);
    Fill(FSon[C], Depth + 1, Prefix * 2, Path);
    Path[Depth] = static_cast<int16_t>(C + 1);
    Fill(FSon[C + 1], Depth + 1, Prefix * 2 + 1, Path);
  }

  const int16_t* FSon;
  const int16_t* FPrnt;
  uint32_t FEntry[1 << kTopBits] = {};
  int16_t FPath[1 << kTopBits][kPathRow] = {};
  uint8_t FWatched[T] = {};
  int64_t FSwaps = 0;
};

struct TDecodeTables {
  THuffTables Huff;
  TTopTable<5> Shallow{Huff.Son, Huff.Prnt};
  TTopTable<7> Deep{Huff.Son, Huff.Prnt};
};

void StoreLittleEndian(uint8_t* To, uint64_t Word) {
  if constexpr (std::endian::native == std::endian::big) Word = __builtin_bswap64(Word);
  std::memcpy(To, &Word, 8);
}

template <class Tables>
std::unique_ptr<Tables> MakeTables() {
  std::unique_ptr<Tables> T(new (std::nothrow) Tables());  // zeroed, as the callback codec's
  if (!T) throw ElzhException(kLzhNoMemoryMessage);
  return T;
}

// Code bits from the top of a 64-bit word; past the end of the code every bit is zero.
class TBitReader {
 public:
  explicit TBitReader(std::span<const uint8_t> Code)
      : FBegin(Code.data()), FPos(Code.data()), FEnd(Code.data() + Code.size()) {}

  // At least 56 valid bits afterwards.
  void Refill() {
    if (FCount < 0) FCount = 0;  // never on a real tree; keeps the shifts defined whatever happens
    if (FEnd - FPos >= 8) [[likely]] {
      uint64_t W;
      std::memcpy(&W, FPos, 8);
      W = __builtin_bswap64(W);
      // Bits of the byte after the last whole one land where that byte will go: the same bits.
      FBuf |= W >> FCount;
      FPos += (63 - FCount) >> 3;
      FCount |= 56;  // plus the whole bytes just taken
    } else {
      while (FCount <= 56) {
        uint64_t B = 0;
        if (FPos < FEnd)
          B = *FPos++;
        else
          ++FPastEnd;
        FBuf |= B << (56 - FCount);
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
    const int Bit = static_cast<int>(FBuf >> 63);
    FBuf <<= 1;
    --FCount;
    return Bit;
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
  int16_t* const ParentOf = H.Prnt;
  uint64_t Code = 0;
  int Depth = 0;
  int K = ParentOf[C + T];
  do {
    if (Depth == 48) {
      // A path this deep (only after very skewed statistics): sent in two pieces, root end first.
      uint8_t Rest[T];
      int More = 0;
      for (; K != R; K = ParentOf[K]) Rest[More++] = static_cast<uint8_t>(K & 1);
      for (int B = More - 1; B >= 0; --B) Bits.Put(1, Rest[B]);
      break;
    }
    Code |= static_cast<uint64_t>(K & 1) << Depth;
    ++Depth;
    K = ParentOf[K];
  } while (K != R);
  Bits.Put(Depth, Code);
  Update(H.View(), C);
}

void EncodePosition(TBitWriter& Bits, unsigned C) {
  const unsigned U = C >> 6;
  Bits.Put(p_len[U] + 6, (static_cast<uint64_t>(p_code[U]) >> (8 - p_len[U]) << 6) | (C & 0x3F));
}

}  // namespace

int32_t LzhPackBuffer(std::span<const uint8_t> Input, std::vector<uint8_t>& Out) {
  const auto Tables = MakeTables<TPackTables>();
  THuffTables& Huffman = Tables->Huff;
  StartHuff(Huffman.View());
  const TTreeView Trees = Tables->Tree();
  InitTree(Trees);
  uint8_t* const Ring = Tables->Text;
  TBitWriter Bits(Out);

  size_t In = 0;
  int S = 0;
  int R = RING_FILL;
  std::memset(Ring, ' ', RING_FILL);
  int Len = 0;
  while (Len < F && In < Input.size()) Ring[R + Len++] = Input[In++];
  int32_t TextSize = Len;
  int MatchPosition = 0, MatchLength = 0;
  for (int I = 1; I <= F; ++I) InsertNode(Trees, R - I, MatchPosition, MatchLength);
  InsertNode(Trees, R, MatchPosition, MatchLength);

  do {
    if (MatchLength > Len) MatchLength = Len;
    if (MatchLength <= THRESHOLD) {
      MatchLength = 1;
      EncodeChar(Huffman, Bits, Ring[R]);
    } else {
      EncodeChar(Huffman, Bits, 255 - THRESHOLD + MatchLength);
      EncodePosition(Bits, static_cast<unsigned>(MatchPosition));
    }
    const int LastMatchLength = MatchLength;
    int I = 0;
    for (; I < LastMatchLength && In < Input.size(); ++I) {
      const uint8_t C = Input[In++];
      DeleteNode(Trees, S);
      Ring[S] = C;
      if (S < F - 1) Ring[S + N] = C;
      S = (S + 1) & (N - 1);
      R = (R + 1) & (N - 1);
      InsertNode(Trees, R, MatchPosition, MatchLength);
    }
    TextSize += I;
    // Input exhausted: slide the window over what is left of the look-ahead.
    while (I++ < LastMatchLength) {
      DeleteNode(Trees, S);
      S = (S + 1) & (N - 1);
      R = (R + 1) & (N - 1);
      if (--Len != 0) InsertNode(Trees, R, MatchPosition, MatchLength);
    }
  } while (Len > 0);
  Bits.End();
  return TextSize;
}

namespace {

// The less common ways of an update, kept out of the decoding loop so that its registers stay with
// the common one: a node changing places on the path just walked (the counts go on up from there),
// and the rebuild of the whole tree.
template <class Table>
[[gnu::noinline]] void PromoteAndGoOn(const THuffView& H, int Node, unsigned K, Table& Top) {
  UpdateFrom(H, H.Prnt[Promote(H, Node, K, Top)], Top);
}

template <class Table>
[[gnu::noinline]] void RebuildAndUpdate(const THuffView& H, int C, Table& Top) {
  Update(H, C, Top);
}

// The decoder between calls of DecodeSymbols.
struct TDecodeState {
  TDecodeTables& Tables;
  TBitReader Bits;
  uint8_t* Out;
  int64_t Written = 0;
};

// Decodes symbols until Stop bytes are written, walking the tree from the table Top, which must be
// current.
template <class Table>
void DecodeSymbols(TDecodeState& S, Table& Top, int64_t Stop) {
  const THuffView HuffView = S.Tables.Huff.View();
  const int16_t* const ChildOf = S.Tables.Huff.Son;
  uint16_t* const WeightOf = S.Tables.Huff.Freq;
  int16_t Path[T];
  TBitReader Reader = S.Bits;
  int64_t N = S.Written;
  uint8_t* const Out = S.Out;
  while (N < Stop) {
    // No code is longer than about 23 bits (weights stay below 0x8000 in a sibling-ordered tree),
    // so one refill per symbol covers the walk and, nearly always, the position after it.
    Reader.Refill();
    const unsigned Index = Table::Index(Reader.Peek());
    const uint32_t Entry = Top.Lookup(Index);
    int Depth = Table::Taken(Entry);
    Reader.Skip(Depth);
    std::memcpy(Path, Top.Path(Index), sizeof(Path[0]) * kPathRow);
    int C = Table::Node(Entry);
    while (C < T) {
      const int Node = C + Reader.TopBit();
      Path[Depth++] = static_cast<int16_t>(Node);  // a walk passes each node once: Depth < T
      C = ChildOf[Node];
    }
    C -= T;
    // The counts along the path just walked: its nodes are known, so they need no look-up of
    // parents, until a node changes places (the path above it changes) or the tree is rebuilt.
    if (WeightOf[R] == MAX_FREQ) {
      RebuildAndUpdate(HuffView, C, Top);
    } else {
      int I = Depth - 1;
      for (; I >= 0; --I) {
        const int Node = Path[I];
        const unsigned K = ++WeightOf[Node];
        if (K > WeightOf[Node + 1]) {
          PromoteAndGoOn(HuffView, Node, K, Top);
          break;
        }
      }
      if (I < 0) ++WeightOf[R];
    }
    if (C < 256) {
      Out[N++] = static_cast<uint8_t>(C);
      continue;
    }
    // Match: position code, then the bytes copied from the output itself (the ring's contents).
    if (Reader.Count() < 16) Reader.Refill();
    const uint64_t Ahead = Reader.Peek();
    const unsigned Lead = static_cast<unsigned>(Ahead >> 56);
    const int CodeLen = d_len[Lead];
    const int Position = (d_code[Lead] << 6) | static_cast<int>((Ahead >> (64 - CodeLen - 6)) & 0x3F);
    Reader.Skip(CodeLen + 6);
    const int64_t Distance = Position + 1;
    const int Length = C - 255 + THRESHOLD;
    uint8_t* Dest = Out + N;
    if (N >= Distance) {
      // Whole pieces, each read from bytes already written; what runs past the match lands in
      // the slack and is overwritten later. No piece is read back from a store of the same match
      // that it only partly covers (the processor would have to wait for that store to finish).
      const uint8_t* From = Dest - Distance;
      if (Distance >= Length) {
        // Apart: everything read before anything is written.
        uint8_t Piece[64];
        std::memcpy(Piece, From, 64);
        std::memcpy(Dest, Piece, 64);
      } else if (Distance >= 8) {
        for (int K = 0; K < 64; K += 8) std::memcpy(Dest + K, From + K, 8);
      } else {
        // A short period d: one word holding the period over and over, stored every kPeriodRun[d]
        // bytes (the largest multiple of d up to 8), so each store starts where a period does.
        static constexpr int8_t kPeriodRun[8] = {0, 8, 8, 6, 8, 5, 6, 7};
        static constexpr uint64_t kPeriodCopies[8] = {0,
                                                      0x0101010101010101,
                                                      0x0001000100010001,
                                                      0x0001000001000001,
                                                      0x0000000100000001,
                                                      0x0000010000000001,
                                                      0x0001000000000001,
                                                      0x0100000000000001};
        uint64_t Word = 0;
        for (int K = 0; K < Distance; ++K) Word |= static_cast<uint64_t>(From[K]) << (8 * K);
        Word *= kPeriodCopies[Distance];  // the copies fall on separate bytes: no carries
        const int Run = kPeriodRun[Distance];
        for (int K = 0; K < Length; K += Run) StoreLittleEndian(Dest + K, Word);
      }
    } else {
      // Reaches back before the first byte: the ring's initial contents, spaces below its fill
      // point and zeros above it.
      for (int Offset = 0; Offset < Length; ++Offset) {
        const int64_t At = N - Distance + Offset;
        Dest[Offset] = At >= 0 ? Out[At] : (At >= -RING_FILL ? ' ' : 0);
      }
    }
    N += Length;
  }
  S.Bits = Reader;
  S.Written = N;
}

}  // namespace

TLzhUnpackResult LzhUnpackBuffer(std::span<const uint8_t> Code, int32_t Length, uint8_t* Out) {
  TLzhUnpackResult Result;
  if (Length <= 0) return Result;
  const auto Tables = MakeTables<TDecodeTables>();
  StartHuff(Tables->Huff.View());
  Tables->Shallow.Rebuilt();
  TDecodeState State{*Tables, TBitReader(Code), Out};
  // The output is decoded in windows; after each, the table for the next is chosen by how often
  // nodes changed places per byte of code: a tree that keeps changing (more than two exchanges in
  // five bytes) is walked from the shallow table, a settled one (fewer than one in five) from the
  // deep table. Text settles to a few hundredths; pictures keep well above one half.
  constexpr int64_t kWindow = 16384;
  TTopTable<5>& ShallowTable = Tables->Shallow;
  TTopTable<7>& DeepTable = Tables->Deep;
  bool Deep = false;
  while (State.Written < Length) {
    const int64_t Stop = std::min<int64_t>(Length, State.Written + kWindow);
    const int64_t SwapsBefore = ShallowTable.Swaps() + DeepTable.Swaps();
    const int64_t BitsBefore = State.Bits.Consumed();
    if (Deep)
      DecodeSymbols(State, DeepTable, Stop);
    else
      DecodeSymbols(State, ShallowTable, Stop);
    const int64_t Swaps = ShallowTable.Swaps() + DeepTable.Swaps() - SwapsBefore;
    const int64_t CodeBytes = (State.Bits.Consumed() - BitsBefore) / 8;
    if (!Deep && Swaps * 5 < CodeBytes) {
      Deep = true;
      DeepTable.Rebuilt();
    } else if (Deep && Swaps * 5 > CodeBytes * 2) {
      Deep = false;
      ShallowTable.Rebuilt();
    }
  }
  const int64_t N = State.Written;
  const TBitReader& Reader = State.Bits;
  Result.Written = N;
  // The callback codec fetches while it holds 8 bits or fewer, before each read; its last read is
  // always of one bit.
  const int64_t BitsConsumed = Reader.Consumed();
  Result.BytesRead = std::min<int64_t>(1 + (BitsConsumed + 7) / 8, static_cast<int64_t>(Code.size()));
  return Result;
}
