// Match finder of the packer: one binary search tree per first byte over the strings that start
// at each ring position, so that an insertion walks a tree instead of scanning the window.

#include "skin/package/Lzh.h"

void TLZH::InitTree() {
  lzh::InitTree(TreeView());
}

void TLZH::InsertNode(int16_t r) {
  int position = match_position, length = match_length;
  lzh::InsertNode(TreeView(), r, position, length);
  match_position = static_cast<int16_t>(position);
  match_length = static_cast<int16_t>(length);
}

void TLZH::DeleteNode(int16_t p) {
  lzh::DeleteNode(TreeView(), p);
}
