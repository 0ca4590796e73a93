// The codec's two models on plain tables, shared by the callback codec (TLZH) and the buffer codec
// (LzhFast.cpp): the adaptive Huffman tree of the 314 symbols and the packer's binary search trees
// over the ring. Everything here is part of the stream format: a change of order or of a tie rule
// changes the code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lzh {

inline constexpr int N = 4096;                      // ring buffer size
inline constexpr int F = 60;                        // look-ahead size, longest match
inline constexpr int THRESHOLD = 2;                 // shorter matches are sent as literals
inline constexpr int NIL = N;                       // no node in the search trees
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;            // 627 Huffman tree nodes
inline constexpr int R = T - 1;                     // root node
inline constexpr unsigned MAX_FREQ = 0x8000;
inline constexpr int RING_FILL = N - F;
// The ring as the packer keeps it (the first F - 1 bytes mirrored behind N - 1), plus room for
// comparing eight bytes at a time up to the last mirrored byte.
inline constexpr int kRingBytes = N + F - 1;
inline constexpr int kRingSlack = 8;

// Slots of the cache of run ends (below): weights share a slot when they agree in the low bits.
inline constexpr int kRunEndSlots = 1024;

// The Huffman tables: frequencies (entry T is a sentinel), parents (entries T.. give each
// symbol's leaf; the entry after them takes writes that have no node) and first children (>= T
// marks a leaf). RunEnd remembers, per weight, where the last run of nodes of that weight ended;
// it is only a hint, checked against the weights before use, so any contents are safe.
struct THuffView {
  uint16_t* Freq;   // T + 1
  int16_t* Prnt;    // T + N_CHAR + 1
  int16_t* Son;     // T
  int16_t* RunEnd;  // kRunEndSlots, entries in 0 .. T - 1
};

// The dictionary: ring and trees (right children N + 1 .. N + 256 are the roots).
struct TTreeView {
  uint8_t* Text;
  int16_t* Lson;
  int16_t* Dad;
  int16_t* Rson;
};

void StartHuff(const THuffView& H);
void Reconst(const THuffView& H);

// The last node of the run of weight W that starts right after node C (which weighs more now).
// Weights after C are sorted, so the run ends where the sentinel or a heavier node begins.
inline int RunEndAfter(const uint16_t* Freq, const int16_t* RunEnd, int C, unsigned W) {
  // The most common run is one node (C + 1); a longer one probably ends where the last run of
  // that weight ended. A node after C of weight W followed by a heavier one is the end of that
  // run: exact, whatever the hint's history.
  const int Guess = Freq[C + 2] != W ? C + 1 : RunEnd[W & (kRunEndSlots - 1)];
  if (Guess > C && Freq[Guess] == W && Freq[Guess + 1] != W) [[likely]]
    return Guess;
  int L = C + 2;
  while (L + 8 <= T && Freq[L + 8] <= W) L += 8;
  while (Freq[L + 1] <= W) ++L;
  return L;
}

// Told nothing of the tree's changes (the packer and the callback codec keep no tables of it).
struct TNoTreeWatch {
  void Swapped(int, int) {}
  void Rebuilt() {}
};

// Node C, just counted up to weight K, has outgrown the run of weight K - 1 after it: it changes
// places with the last node of that run, which is returned (it now holds C's subtree and weight).
template <class TWatch>
inline int Promote(const THuffView& H, int C, unsigned K, TWatch& Watch) {
  uint16_t* const WeightOf = H.Freq;
  int16_t* const ParentOf = H.Prnt;
  int16_t* const ChildOf = H.Son;
  const unsigned W = K - 1;
  const int L = RunEndAfter(WeightOf, H.RunEnd, C, W);
  WeightOf[C] = static_cast<uint16_t>(W);
  WeightOf[L] = static_cast<uint16_t>(K);
  H.RunEnd[W & (kRunEndSlots - 1)] = static_cast<int16_t>(L - 1);

  // A leaf has no second child: its second write goes to the spare entry.
  constexpr int kSpare = T + N_CHAR;
  const int I = ChildOf[C];
  ParentOf[I] = static_cast<int16_t>(L);
  ParentOf[I < T ? I + 1 : kSpare] = static_cast<int16_t>(L);

  const int J = ChildOf[L];
  ChildOf[L] = static_cast<int16_t>(I);
  ParentOf[J] = static_cast<int16_t>(C);
  ParentOf[J < T ? J + 1 : kSpare] = static_cast<int16_t>(C);
  ChildOf[C] = static_cast<int16_t>(J);
  Watch.Swapped(C, L);
  return L;
}

// Counts node C and every node above it up by one, each node that outgrows the nodes after it
// changing places with the last of them (the table stays sorted by weight).
template <class TWatch>
inline void UpdateFrom(const THuffView& H, int C, TWatch& Watch) {
  uint16_t* const WeightOf = H.Freq;
  // Parents read unsigned (they are never negative) into a full-width index: each step's load
  // goes straight into the next one's address, with no widening in between.
  const uint16_t* const ParentOf = reinterpret_cast<const uint16_t*>(H.Prnt);
  size_t Node = static_cast<size_t>(C);
  do {
    const unsigned K = ++WeightOf[Node];
    if (K > WeightOf[Node + 1]) Node = static_cast<size_t>(Promote(H, static_cast<int>(Node), K, Watch));
    Node = ParentOf[Node];
  } while (Node != 0);
}

// One more occurrence of symbol C, after the tree is rebuilt with halved weights when the root's
// weight has reached the limit. Watch hears of every exchange of two nodes (after it) and of every
// rebuild of the tree.
template <class TWatch>
inline void Update(const THuffView& H, int C, TWatch& Watch) {
  if (H.Freq[R] == MAX_FREQ) {
    Reconst(H);
    Watch.Rebuilt();
  }
  UpdateFrom(H, H.Prnt[C + T], Watch);
}

inline void Update(const THuffView& H, int C) {
  TNoTreeWatch None;
  Update(H, C, None);
}

void InitTree(const TTreeView& D);

// Index of the first difference of the strings at A and B in 1 .. F - 1, or F when they agree
// there. Both must be readable up to offset F - 1 + kRingSlack.
inline int FirstDifference(const uint8_t* A, const uint8_t* B) {
  for (int I = 1; I < F; I += 8) {
    uint64_t WordA, WordB;
    std::memcpy(&WordA, A + I, 8);
    std::memcpy(&WordB, B + I, 8);
    if (const uint64_t X = WordA ^ WordB) {
      int At = I;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
      At += __builtin_ctzll(X) >> 3;
#else
      while (A[At] == B[At]) ++At;
#endif
      return At < F ? At : F;
    }
  }
  return F;
}

// Inserts the string at ring position R and finds the longest match for it (MatchLength 0 when
// none of at least three bytes); among equally long ones the nearest earlier occurrence wins.
inline void InsertNode(const TTreeView& D, int R, int& MatchPosition, int& MatchLength) {
  uint8_t* const Ring = D.Text;
  int16_t* const LeftOf = D.Lson;
  int16_t* const ParentOf = D.Dad;
  int16_t* const RightOf = D.Rson;
  const uint8_t* Key = &Ring[R];
  int P = N + 1 + Key[0];
  int Cmp = 1;
  RightOf[R] = LeftOf[R] = NIL;
  MatchLength = 0;
  for (;;) {
    if (Cmp >= 0) {
      if (RightOf[P] == NIL) {
        RightOf[P] = static_cast<int16_t>(R);
        ParentOf[R] = static_cast<int16_t>(P);
        return;
      }
      P = RightOf[P];
    } else {
      if (LeftOf[P] == NIL) {
        LeftOf[P] = static_cast<int16_t>(R);
        ParentOf[R] = static_cast<int16_t>(P);
        return;
      }
      P = LeftOf[P];
    }
    const int I = FirstDifference(Key, &Ring[P]);
    Cmp = I < F ? Key[I] - Ring[P + I] : 0;
    if (I > THRESHOLD) {
      const int Back = ((R - P) & (N - 1)) - 1;
      if (I > MatchLength) {
        MatchPosition = Back;
        MatchLength = I;
        if (MatchLength >= F) break;
      }
      if (I == MatchLength && Back < MatchPosition) MatchPosition = Back;
    }
  }
  // A full-length match: R takes the place of the older, identical string P.
  ParentOf[R] = ParentOf[P];
  LeftOf[R] = LeftOf[P];
  RightOf[R] = RightOf[P];
  ParentOf[LeftOf[P]] = static_cast<int16_t>(R);
  ParentOf[RightOf[P]] = static_cast<int16_t>(R);
  if (RightOf[ParentOf[P]] == P)
    RightOf[ParentOf[P]] = static_cast<int16_t>(R);
  else
    LeftOf[ParentOf[P]] = static_cast<int16_t>(R);
  ParentOf[P] = NIL;
}

inline void DeleteNode(const TTreeView& D, int P) {
  int16_t* const LeftOf = D.Lson;
  int16_t* const ParentOf = D.Dad;
  int16_t* const RightOf = D.Rson;
  if (ParentOf[P] == NIL) return;  // not in a tree
  int Q;
  if (RightOf[P] == NIL) {
    Q = LeftOf[P];
  } else if (LeftOf[P] == NIL) {
    Q = RightOf[P];
  } else {
    // Two children: the rightmost node of the left subtree takes P's place.
    Q = LeftOf[P];
    if (RightOf[Q] != NIL) {
      do {
        Q = RightOf[Q];
      } while (RightOf[Q] != NIL);
      RightOf[ParentOf[Q]] = LeftOf[Q];
      ParentOf[LeftOf[Q]] = ParentOf[Q];
      LeftOf[Q] = LeftOf[P];
      ParentOf[LeftOf[P]] = static_cast<int16_t>(Q);
    }
    RightOf[Q] = RightOf[P];
    ParentOf[RightOf[P]] = static_cast<int16_t>(Q);
  }
  ParentOf[Q] = ParentOf[P];
  if (RightOf[ParentOf[P]] == P)
    RightOf[ParentOf[P]] = static_cast<int16_t>(Q);
  else
    LeftOf[ParentOf[P]] = static_cast<int16_t>(Q);
  ParentOf[P] = NIL;
}

}  // namespace lzh
