// The image list a control shows, for painting it: the control's framework "Images", else the list
// its window holds, lent in a wrapper that never destroys it.
#pragma once

#include <windows.h>

#include <memory>

class TControl;
class TImageList;

class TLentImages {
 public:
  // GetMessage asks the window for its list (HDM_GETIMAGELIST, TCM_GETIMAGELIST and the like).
  TLentImages(TControl* Control, HWND Wnd, UINT GetMessage);
  ~TLentImages();
  TLentImages(const TLentImages&) = delete;
  TLentImages& operator=(const TLentImages&) = delete;

  // Null when the control shows no images.
  TImageList* List = nullptr;

 private:
  std::unique_ptr<TImageList> FWrapper;
};
