#include "skin/controls/LentImages.h"

#include "framework/win/graphics/ImageList.h"
#include "skin/controls/SkinControl.h"

TLentImages::TLentImages(TControl* Control, HWND Wnd, UINT GetMessage) {
  List = static_cast<TImageList*>(GetObjProp(Control, "Images", TImageList::StaticClass()));
  if (List || !Wnd) return;
  if (auto Handle = reinterpret_cast<HIMAGELIST>(SendMessageW(Wnd, GetMessage, 0, 0))) {
    FWrapper = std::make_unique<TImageList>(nullptr);
    FWrapper->SetShareImages(true);
    FWrapper->SetHandle(Handle);
    List = FWrapper.get();
  }
}

TLentImages::~TLentImages() = default;
