// Match finder of the packer: one binary search tree per first byte over the strings that start
// at each ring position, so that an insertion walks a tree instead of scanning the window.

#include "skin/package/Lzh.h"

void TLZH::InitTree() {
  lzh::InitTree(TreeView());
}

void TLZH::InsertNode(int16_t R) {
  int Position = match_position, Length = match_length;
  lzh::InsertNode(TreeView(), R, Position, Length);
  match_position = static_cast<int16_t>(Position);
  match_length = static_cast<int16_t>(Length);
}

void TLZH::DeleteNode(int16_t P) {
  lzh::DeleteNode(TreeView(), P);
}
