// An owned image list of equally sized images (the menu glyphs). The framework has no image list
// class yet; this is the one owner of its HIMAGELIST.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/core/Types.h"

class TSkinImageList {
 public:
  TSkinImageList() = default;
  TSkinImageList(const TSkinImageList&) = delete;
  TSkinImageList& operator=(const TSkinImageList&) = delete;
  ~TSkinImageList() { Clear(); }

  // Replaces the images by the bitmap resource ResName of Instance, cut into Width-pixel images,
  // with MaskColor transparent. False (and empty) when the resource is missing.
  bool LoadFromResourceName(HINSTANCE Instance, const wchar_t* ResName, int Width, COLORREF MaskColor);
  void Clear();

  HIMAGELIST Handle() const { return FHandle; }
  int Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }
  int Width() const;
  int Height() const;
  bool Draw(HDC DC, int X, int Y, int Index, UINT Style = ILD_TRANSPARENT) const;

 private:
  HIMAGELIST FHandle = nullptr;
};
