// The parts of the codec's models that run once per call or once per rebuild.
#include "skin/package/LzhModel.h"

#include <algorithm>

namespace lzh {

void StartHuff(const THuffView& H) {
  for (int I = 0; I < N_CHAR; ++I) {
    H.Freq[I] = 1;
    H.Son[I] = static_cast<int16_t>(I + T);
    H.Prnt[I + T] = static_cast<int16_t>(I);
  }
  for (int I = 0, J = N_CHAR; J <= R; I += 2, ++J) {
    H.Freq[J] = static_cast<uint16_t>(H.Freq[I] + H.Freq[I + 1]);
    H.Son[J] = static_cast<int16_t>(I);
    H.Prnt[I] = H.Prnt[I + 1] = static_cast<int16_t>(J);
  }
  H.Freq[T] = 0xFFFF;
  H.Prnt[R] = 0;
}

void Reconst(const THuffView& H) {
  uint16_t* const WeightOf = H.Freq;
  int16_t* const ChildOf = H.Son;
  // Leaves first, in node order, with halved weights.
  int J = 0;
  for (int I = 0; I < T; ++I) {
    if (ChildOf[I] >= T) {
      WeightOf[J] = static_cast<uint16_t>((WeightOf[I] + 1) / 2);
      ChildOf[J] = ChildOf[I];
      ++J;
    }
  }
  // Pair them up again, keeping the table sorted by weight.
  for (int I = 0, Jn = N_CHAR; Jn < T; I += 2, ++Jn) {
    const unsigned F = WeightOf[I] + WeightOf[I + 1];
    // After the last node not heavier than f: the nodes placed so far are sorted by weight.
    const int K = static_cast<int>(std::upper_bound(WeightOf, WeightOf + Jn, F) - WeightOf);
    const size_t Moved = static_cast<size_t>(Jn - K);
    std::memmove(&WeightOf[K + 1], &WeightOf[K], Moved * sizeof(WeightOf[0]));
    std::memmove(&ChildOf[K + 1], &ChildOf[K], Moved * sizeof(ChildOf[0]));
    WeightOf[K] = static_cast<uint16_t>(F);
    ChildOf[K] = static_cast<int16_t>(I);
  }
  for (int I = 0; I < T; ++I) {
    const int K = ChildOf[I];
    if (K >= T) {
      H.Prnt[K] = static_cast<int16_t>(I);
    } else {
      H.Prnt[K] = H.Prnt[K + 1] = static_cast<int16_t>(I);
    }
  }
}

void InitTree(const TTreeView& D) {
  for (int I = N + 1; I <= N + 256; ++I) D.Rson[I] = NIL;
  for (int I = 0; I <= N; ++I) D.Dad[I] = NIL;
}

}  // namespace lzh
