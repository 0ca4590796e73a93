// TImageList: equally sized images kept in one system image list (with masks for transparency),
// drawn by index.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"

class TImageList : public TComponent {
  DECLARE_CLASS(TImageList, TComponent)

 public:
  explicit TImageList(TComponent* AOwner);
  TImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TImageList() override;

  // The image list, created on first use; destroyed with this object unless ShareImages is set.
  HIMAGELIST Handle();
  // Takes Value (its size becomes this list's); ShareImages decides who destroys it.
  void SetHandle(HIMAGELIST Value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  bool ShareImages() const { return FShareImages; }
  void SetShareImages(bool Value) { FShareImages = Value; }

  // Changing the size clears the list.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value);
  // Background of drawn images; clNone draws them transparently through their masks.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int Value) { FAllocBy = Value > 0 ? Value : 4; }

  int Count();
  // Replaces the images by the bitmap resource ResName of Instance, cut into images Width pixels wide
  // and as high as the bitmap, with the pixels of MaskColor transparent. The new list is this
  // object's to destroy. False, and the images as they were, when the resource is missing.
  bool LoadFromResourceName(HINSTANCE Instance, const String& ResName, int Width, TColor MaskColor);
  // The bitmap may hold several images side by side; returns the index of the first one, -1 on
  // failure. The bitmaps are copied; the caller keeps them.
  int Add(TBitmap* Image, TBitmap* Mask = nullptr);
  // Pixels of MaskColor become transparent.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask = nullptr);
  void Delete(int Index);
  void Clear();
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // Image Index drawn on a bitmap of the list's size (false for a bad index).
  bool GetBitmap(int Index, TBitmap* Image);

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

  static void Publish(TPublisher<TImageList>& P);

 protected:
  void Change();

 private:
  void FreeHandle();
  void Recreate();  // a new empty list with the current size and flags

  HIMAGELIST FHandle = nullptr;
  bool FShareImages = false;
  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = true;
  TColor FBkColor = clNone;
  int FAllocBy = 4;
};
