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
  const TDataSkinObject& Element = *FSkinData->MenuBackground;
  std::unique_ptr<TBitmap> Rendered =
      GetHMap(RECT{0, 0, Width, Height}, Element.Bitmap.get(), Element.Margins, 1, 1, Element.Tile, 0);
  if (!Rendered || Rendered->Empty()) return false;
  // Copied rather than swapped, so the bitmap the item painters were handed stays the same object.
  FBackground->SetSize(Width, Height);
  BitBlt(FBackground->Canvas()->Handle(), 0, 0, Width, Height, Rendered->Canvas()->Handle(), 0, 0, SRCCOPY);
  return true;
}

void TRuzIzivPopMenu::NcPaint(TMessage& Message) {
  if (!Skinned() || Message.WParam != 1) {
    Default(Message);
    return;
  }
  RECT R;
  if (!GetWindowRect(FHandle, &R)) {
    Default(Message);
    return;
  }
  const int W = R.right - R.left, H = R.bottom - R.top;
  // wParam 1 is the whole window: its window DC covers exactly that.
  TClientDC Dc(FHandle);
  if (!Dc || !RenderBackground(W, H)) {
    Default(Message);
    return;
  }
  HDC Src = FBackground->Canvas()->Handle();
  const int B = kPopMenuBorder;
  BitBlt(Dc.Get(), 0, 0, W, B, Src, 0, 0, SRCCOPY);
  BitBlt(Dc.Get(), 0, H - B, W, B, Src, 0, H - B, SRCCOPY);
  BitBlt(Dc.Get(), 0, 0, B, H, Src, 0, 0, SRCCOPY);
  BitBlt(Dc.Get(), W - B, 0, B, H, Src, W - B, 0, SRCCOPY);
  BitBlt(Dc.Get(), 0, 0, W, H, Src, 0, 0, SRCCOPY);
  // The system's own frame is never drawn; the items are painted by their owner afterwards.
  Message.Result = 0;
}

void TRuzIzivPopMenu::WMPrint(TMessage& Message) {
  HDC Target = reinterpret_cast<HDC>(Message.WParam);
  RECT R;
  if (!Skinned() || !Target || !GetWindowRect(FHandle, &R)) {
    Default(Message);
    return;
  }
  const int W = R.right - R.left, H = R.bottom - R.top;
  if (!RenderBackground(W, H)) {
    Default(Message);
    return;
  }
  TGdiRegion Inner(CreateRectRgn(kPopMenuBorder, kPopMenuBorder, W - kPopMenuBorder, H - kPopMenuBorder));
  BitBlt(Target, 0, 0, W, H, FBackground->Canvas()->Handle(), 0, 0, SRCCOPY);
  {
    // The system draws the items (and what it likes) only inside the skinned frame.
    TSaveDC Saved(Target);
    SetBkMode(Target, TRANSPARENT);
    SelectClipRgn(Target, Inner.Get());
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
