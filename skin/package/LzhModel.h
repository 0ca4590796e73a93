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
  uint16_t* const freq = H.Freq;
  int16_t* const prnt = H.Prnt;
  int16_t* const son = H.Son;
  const unsigned W = K - 1;
  const int L = RunEndAfter(freq, H.RunEnd, C, W);
  freq[C] = static_cast<uint16_t>(W);
  freq[L] = static_cast<uint16_t>(K);
  H.RunEnd[W & (kRunEndSlots - 1)] = static_cast<int16_t>(L - 1);

  // A leaf has no second child: its second write goes to the spare entry.
  constexpr int kSpare = T + N_CHAR;
  const int I = son[C];
  prnt[I] = static_cast<int16_t>(L);
  prnt[I < T ? I + 1 : kSpare] = static_cast<int16_t>(L);

  const int J = son[L];
  son[L] = static_cast<int16_t>(I);
  prnt[J] = static_cast<int16_t>(C);
  prnt[J < T ? J + 1 : kSpare] = static_cast<int16_t>(C);
  son[C] = static_cast<int16_t>(J);
  Watch.Swapped(C, L);
  return L;
}

// Counts node C and every node above it up by one, each node that outgrows the nodes after it
// changing places with the last of them (the table stays sorted by weight).
template <class TWatch>
inline void UpdateFrom(const THuffView& H, int C, TWatch& Watch) {
  uint16_t* const freq = H.Freq;
  // Parents read unsigned (they are never negative) into a full-width index: each step's load
  // goes straight into the next one's address, with no widening in between.
  const uint16_t* const prnt = reinterpret_cast<const uint16_t*>(H.Prnt);
  size_t Node = static_cast<size_t>(C);
  do {
    const unsigned K = ++freq[Node];
    if (K > freq[Node + 1]) Node = static_cast<size_t>(Promote(H, static_cast<int>(Node), K, Watch));
    Node = prnt[Node];
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
  for (int i = 1; i < F; i += 8) {
    uint64_t a, b;
    std::memcpy(&a, A + i, 8);
    std::memcpy(&b, B + i, 8);
    if (const uint64_t x = a ^ b) {
      int at = i;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
      at += __builtin_ctzll(x) >> 3;
#else
      while (A[at] == B[at]) ++at;
#endif
      return at < F ? at : F;
    }
  }
  return F;
}

// Inserts the string at ring position r and finds the longest match for it (MatchLength 0 when
// none of at least three bytes); among equally long ones the nearest earlier occurrence wins.
inline void InsertNode(const TTreeView& D, int r, int& MatchPosition, int& MatchLength) {
  uint8_t* const text = D.Text;
  int16_t* const lson = D.Lson;
  int16_t* const dad = D.Dad;
  int16_t* const rson = D.Rson;
  const uint8_t* key = &text[r];
  int p = N + 1 + key[0];
  int cmp = 1;
  rson[r] = lson[r] = NIL;
  MatchLength = 0;
  for (;;) {
    if (cmp >= 0) {
      if (rson[p] == NIL) {
        rson[p] = static_cast<int16_t>(r);
        dad[r] = static_cast<int16_t>(p);
        return;
      }
      p = rson[p];
    } else {
      if (lson[p] == NIL) {
        lson[p] = static_cast<int16_t>(r);
        dad[r] = static_cast<int16_t>(p);
        return;
      }
      p = lson[p];
    }
    const int i = FirstDifference(key, &text[p]);
    cmp = i < F ? key[i] - text[p + i] : 0;
    if (i > THRESHOLD) {
      const int d = ((r - p) & (N - 1)) - 1;
      if (i > MatchLength) {
        MatchPosition = d;
        MatchLength = i;
        if (MatchLength >= F) break;
      }
      if (i == MatchLength && d < MatchPosition) MatchPosition = d;
    }
  }
  // A full-length match: r takes the place of the older, identical string p.
  dad[r] = dad[p];
  lson[r] = lson[p];
  rson[r] = rson[p];
  dad[lson[p]] = static_cast<int16_t>(r);
  dad[rson[p]] = static_cast<int16_t>(r);
  if (rson[dad[p]] == p)
    rson[dad[p]] = static_cast<int16_t>(r);
  else
    lson[dad[p]] = static_cast<int16_t>(r);
  dad[p] = NIL;
}

inline void DeleteNode(const TTreeView& D, int p) {
  int16_t* const lson = D.Lson;
  int16_t* const dad = D.Dad;
  int16_t* const rson = D.Rson;
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

}  // namespace lzh
