// The parts of the codec's models that run once per call or once per rebuild.
#include "skin/package/LzhModel.h"

#include <algorithm>

namespace lzh {

void StartHuff(const THuffView& H) {
  for (int i = 0; i < N_CHAR; ++i) {
    H.Freq[i] = 1;
    H.Son[i] = static_cast<int16_t>(i + T);
    H.Prnt[i + T] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    H.Freq[j] = static_cast<uint16_t>(H.Freq[i] + H.Freq[i + 1]);
    H.Son[j] = static_cast<int16_t>(i);
    H.Prnt[i] = H.Prnt[i + 1] = static_cast<int16_t>(j);
  }
  H.Freq[T] = 0xFFFF;
  H.Prnt[R] = 0;
}

void Reconst(const THuffView& H) {
  uint16_t* const freq = H.Freq;
  int16_t* const son = H.Son;
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
    // After the last node not heavier than f: the nodes placed so far are sorted by weight.
    const int k = static_cast<int>(std::upper_bound(freq, freq + jn, f) - freq);
    const size_t moved = static_cast<size_t>(jn - k);
    std::memmove(&freq[k + 1], &freq[k], moved * sizeof(freq[0]));
    std::memmove(&son[k + 1], &son[k], moved * sizeof(son[0]));
    freq[k] = static_cast<uint16_t>(f);
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T) {
      H.Prnt[k] = static_cast<int16_t>(i);
    } else {
      H.Prnt[k] = H.Prnt[k + 1] = static_cast<int16_t>(i);
    }
  }
}

void InitTree(const TTreeView& D) {
  for (int i = N + 1; i <= N + 256; ++i) D.Rson[i] = NIL;
  for (int i = 0; i <= N; ++i) D.Dad[i] = NIL;
}

}  // namespace lzh
