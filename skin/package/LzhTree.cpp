// Match finder of the packer: one binary search tree per first byte over the strings that start
// at each ring position, so that an insertion walks a tree instead of scanning the window.

#include "skin/package/Lzh.h"

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
