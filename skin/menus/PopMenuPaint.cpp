// Painting of a skinned popup menu window: the background rendered from the nine-slice menu
// background element, its frame bands at WM_NCPAINT, the whole background under the system's own
// item drawing at WM_PRINT, and the erase that must not wipe it.
#include "framework/win/graphics/GdiHandles.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/menus/RuzIzivPopMenu.h"

bool TRuzIzivPopMenu::Skinned() const {
  return FSkinData && !FSkinData->FNoSkin && FSkinData->MenuBackground && FSkinData->MenuBackground->Bitmap &&
         !FSkinData->MenuBackground->Bitmap->Empty();
}

bool TRuzIzivPopMenu::RenderBackground(int Width, int Height) {
  if (Width <= 0 || Height <= 0) return false;
  const TDataSkinObject& element = *FSkinData->MenuBackground;
  std::unique_ptr<TBitmap> rendered =
      GetHMap(RECT{0, 0, Width, Height}, element.Bitmap.get(), element.Margins, 1, 1, element.Tile, 0);
  if (!rendered || rendered->Empty()) return false;
  // Copied rather than swapped, so the bitmap the item painters were handed stays the same object.
  FBackground->SetSize(Width, Height);
  BitBlt(FBackground->Canvas()->Handle(), 0, 0, Width, Height, rendered->Canvas()->Handle(), 0, 0, SRCCOPY);
  return true;
}

void TRuzIzivPopMenu::NcPaint(TMessage& Message) {
  if (!Skinned() || Message.WParam != 1) {
    Default(Message);
    return;
  }
  RECT r;
  if (!GetWindowRect(FHandle, &r)) {
    Default(Message);
    return;
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  // wParam 1 is the whole window: its window DC covers exactly that.
  TClientDC dc(FHandle);
  if (!dc || !RenderBackground(w, h)) {
    Default(Message);
    return;
  }
  HDC src = FBackground->Canvas()->Handle();
  const int b = kPopMenuBorder;
  BitBlt(dc.Get(), 0, 0, w, b, src, 0, 0, SRCCOPY);
  BitBlt(dc.Get(), 0, h - b, w, b, src, 0, h - b, SRCCOPY);
  BitBlt(dc.Get(), 0, 0, b, h, src, 0, 0, SRCCOPY);
  BitBlt(dc.Get(), w - b, 0, b, h, src, w - b, 0, SRCCOPY);
  BitBlt(dc.Get(), 0, 0, w, h, src, 0, 0, SRCCOPY);
  // The system's own frame is never drawn; the items are painted by their owner afterwards.
  Message.Result = 0;
}

void TRuzIzivPopMenu::WMPrint(TMessage& Message) {
  HDC target = reinterpret_cast<HDC>(Message.WParam);
  RECT r;
  if (!Skinned() || !target || !GetWindowRect(FHandle, &r)) {
    Default(Message);
    return;
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (!RenderBackground(w, h)) {
    Default(Message);
    return;
  }
  TGdiRegion inner(CreateRectRgn(kPopMenuBorder, kPopMenuBorder, w - kPopMenuBorder, h - kPopMenuBorder));
  BitBlt(target, 0, 0, w, h, FBackground->Canvas()->Handle(), 0, 0, SRCCOPY);
  {
    // The system draws the items (and what it likes) only inside the skinned frame.
    TSaveDC saved(target);
    SetBkMode(target, TRANSPARENT);
    SelectClipRgn(target, inner.Get());
    Default(Message);
  }
}

void TRuzIzivPopMenu::WMERASEBKGND(TMessage& Message) {
  if (!Skinned()) {
    Default(Message);
    return;
  }
  // With xoMenuBG the background painted at WM_NCPAINT stays until the items are drawn.
  if (!FSkinData->Options.Contains(xoMenuBG)) Default(Message);
  Message.Result = 1;
}
