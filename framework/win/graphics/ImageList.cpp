#include "framework/win/graphics/ImageList.h"

#include "framework/core/SysUtils.h"

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::TImageList(TComponent* AOwner, int AWidth, int AHeight) : TComponent(AOwner) {
  FWidth = AWidth > 0 ? AWidth : 16;
  FHeight = AHeight > 0 ? AHeight : 16;
}

TImageList::~TImageList() {
  FreeHandle();
}

void TImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageList::Recreate() {
  FreeHandle();
  FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | (FMasked ? ILC_MASK : 0), FAllocBy, FAllocBy);
  if (!FHandle) throw EOutOfResources("Out of system resources: cannot create an image list");
  ImageList_SetBkColor(FHandle, FBkColor == clNone ? CLR_NONE : ColorToRGB(FBkColor));
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle) Recreate();
  return FHandle;
}

void TImageList::SetHandle(HIMAGELIST Value) {
  FreeHandle();
  FHandle = Value;
  if (FHandle) {
    int Cx = 0, Cy = 0;
    ImageList_GetIconSize(FHandle, &Cx, &Cy);
    FWidth = Cx;
    FHeight = Cy;
  }
  Change();
}

void TImageList::SetWidth(int Value) {
  if (Value <= 0 || Value == FWidth) return;
  FWidth = Value;
  if (FHandle) Recreate();
  Change();
}

void TImageList::SetHeight(int Value) {
  if (Value <= 0 || Value == FHeight) return;
  FHeight = Value;
  if (FHandle) Recreate();
  Change();
}

void TImageList::SetMasked(bool Value) {
  if (Value == FMasked) return;
  FMasked = Value;
  if (FHandle) Recreate();
  Change();
}

void TImageList::SetBkColor(TColor Value) {
  if (Value == FBkColor) return;
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, Value == clNone ? CLR_NONE : ColorToRGB(Value));
  Change();
}

int TImageList::Count() {
  return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

bool TImageList::LoadFromResourceName(HINSTANCE Instance, const String& ResName, int Width,
                                      TColor MaskColor) {
  if (Width <= 0) return false;
  const std::wstring Name = Utf8ToWString(ResName);
  // Looked up first so that a program without the resource gets no system beep.
  if (!FindResourceW(Instance, Name.c_str(), MAKEINTRESOURCEW(2))) return false;  // a bitmap
  HIMAGELIST Loaded = ImageList_LoadImageW(Instance, Name.c_str(), Width, FAllocBy, ColorToRGB(MaskColor),
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION);
  if (!Loaded) return false;
  FreeHandle();  // while ShareImages still says whose the old list is
  FShareImages = false;
  FMasked = true;
  SetHandle(Loaded);
  ImageList_SetBkColor(FHandle, FBkColor == clNone ? CLR_NONE : ColorToRGB(FBkColor));
  return true;
}

int TImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) return -1;
  // The image list selects the bitmaps into DCs of its own: they must not sit in their canvases.
  Image->Dormant();
  if (Mask) Mask->Dormant();
  const int Index =
      ImageList_Add(Handle(), Image->Handle(), Mask && !Mask->Empty() ? Mask->Handle() : nullptr);
  Change();
  return Index;
}

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) return -1;
  // ImageList_AddMasked blackens the masked pixels of the bitmap it is given: give it a copy.
  TBitmap Copy;
  Copy.Assign(Image);
  const int Index = ImageList_AddMasked(Handle(), Copy.Handle(), ColorToRGB(MaskColor));
  Change();
  return Index;
}

void TImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  if (!Image || Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  Image->Dormant();
  if (Mask) Mask->Dormant();
  ImageList_Replace(FHandle, Index, Image->Handle(), Mask ? Mask->Handle() : nullptr);
  Change();
}

void TImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  ImageList_Remove(FHandle, Index);
  Change();
}

void TImageList::Clear() {
  if (FHandle) ImageList_RemoveAll(FHandle);
  Change();
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  const UINT Style = (FMasked ? ILD_TRANSPARENT : ILD_NORMAL) | (Enabled ? 0 : ILD_BLEND50);
  ImageList_DrawEx(FHandle, Index, Canvas->Handle(), X, Y, 0, 0, CLR_DEFAULT,
                   Enabled ? CLR_DEFAULT : ColorToRGB(clBtnFace), Style);
}

bool TImageList::GetBitmap(int Index, TBitmap* Image) {
  if (!Image || Index < 0 || Index >= Count()) return false;
  Image->SetSize(FWidth, FHeight);
  Image->Canvas()->Brush()->SetColor(FBkColor == clNone ? clBlack : FBkColor);
  Image->Canvas()->FillRect(RECT{0, 0, FWidth, FHeight});
  Draw(Image->Canvas(), 0, 0, Index);
  return true;
}

void TImageList::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TImageList*>(Source);
  if (!Other) return TComponent::Assign(Source);
  if (Other == this) return;
  FreeHandle();
  FWidth = Other->FWidth;
  FHeight = Other->FHeight;
  FMasked = Other->FMasked;
  FBkColor = Other->FBkColor;
  FAllocBy = Other->FAllocBy;
  if (Other->FHandle) {
    FHandle = ImageList_Duplicate(Other->FHandle);
    if (!FHandle) throw EOutOfResources("Out of system resources: cannot copy an image list");
  }
  Change();
}

void TImageList::Change() {
  OnChange(this);
}

void TImageList::Publish(TPublisher<TImageList>& P) {
  P.Int("AllocBy", &TImageList::AllocBy, &TImageList::SetAllocBy).Default(4);
  P.Color("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone);
  P.Int("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
  P.Bool("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
  P.Int("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  P.Event("OnChange", &TImageList::OnChange);
}
