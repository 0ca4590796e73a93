// Image list ownership on comctl32.

#include "skin/data/SkinImageList.h"

bool TSkinImageList::LoadFromResourceName(HINSTANCE Instance, const wchar_t* ResName, int Width,
                                          COLORREF MaskColor) {
  Clear();
  // Looked up first so that a program without the resource gets an empty list and no system beep.
  if (!FindResourceW(Instance, ResName, MAKEINTRESOURCEW(2))) return false;
  FHandle = ImageList_LoadImageW(Instance, ResName, Width, 0, MaskColor, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  return FHandle != nullptr;
}

void TSkinImageList::Clear() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

int TSkinImageList::Width() const {
  int cx = 0, cy = 0;
  if (FHandle) ImageList_GetIconSize(FHandle, &cx, &cy);
  return cx;
}

int TSkinImageList::Height() const {
  int cx = 0, cy = 0;
  if (FHandle) ImageList_GetIconSize(FHandle, &cx, &cy);
  return cy;
}

bool TSkinImageList::Draw(HDC DC, int X, int Y, int Index, UINT Style) const {
  return FHandle && ImageList_Draw(FHandle, Index, DC, X, Y, Style);
}
