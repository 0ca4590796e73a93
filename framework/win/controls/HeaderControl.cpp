#include "framework/win/controls/HeaderControl.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"

// ---------------------------------------------------------------------------------------------------
// THeaderSection

THeaderSection::THeaderSection(TCollection* Collection) {
  SetCollection(Collection);  // complete before the collection reports the change
}

void THeaderSection::Publish(TPublisher<THeaderSection>& P) {
  P.Str("Text", &THeaderSection::Text, &THeaderSection::SetText);
  P.Int("Width", &THeaderSection::Width, &THeaderSection::SetWidth);
  P.Int("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth).Default(0);
  P.Int("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth).Default(10000);
  P.Enum("Alignment", &THeaderSection::Alignment, &THeaderSection::SetAlignment).Default(taLeftJustify);
  P.Enum("Style", &THeaderSection::Style, &THeaderSection::SetStyle).Default(hsText);
  P.Bool("AllowClick", &THeaderSection::AllowClick, &THeaderSection::SetAllowClick).Default(1);
  P.Int("ImageIndex", &THeaderSection::ImageIndex, &THeaderSection::SetImageIndex).Default(-1);
}

void THeaderSection::Assign(TPersistent* Source) {
  if (auto* Section = dynamic_cast<THeaderSection*>(Source)) {
    FMinWidth = Section->FMinWidth;
    FMaxWidth = Section->FMaxWidth;
    FStyle = Section->FStyle;
    FAllowClick = Section->FAllowClick;
  }
  TTextItem::Assign(Source);
}

void THeaderSection::SetWidth(int Value) {
  Value = std::clamp(Value, FMinWidth, std::max(FMinWidth, FMaxWidth));
  Change(FWidth, Value);
}

void THeaderSection::SetMinWidth(int Value) {
  FMinWidth = std::max(Value, 0);
  if (FWidth < FMinWidth) SetWidth(FMinWidth);
}

void THeaderSection::SetMaxWidth(int Value) {
  FMaxWidth = std::max(Value, 0);
  if (FWidth > FMaxWidth) SetWidth(FMaxWidth);
}

int THeaderSection::Left() const {
  int X = 0;
  if (TCollection* Sections = Collection())
    for (int I = 0; I < Index(); ++I) X += static_cast<THeaderSection*>(Sections->Items(I))->FWidth;
  return X;
}

// ---------------------------------------------------------------------------------------------------
// THeaderSections

void THeaderSections::Update(TCollectionItem* Item) {
  if (Item)
    FControl->UpdateSection(Item->Index());
  else
    FControl->UpdateSections();
}

// ---------------------------------------------------------------------------------------------------
// THeaderControl

THeaderControl::THeaderControl(TComponent* AOwner)
    : TWinControl(AOwner),
      FSections(std::make_unique<THeaderSections>(this)),
      FCanvas(std::make_unique<TCanvas>()) {
  FWidth = 200;
  FHeight = 17;
}

THeaderControl::~THeaderControl() {
  DestroyHandle();
  SetReference(FImages, nullptr);
}

void THeaderControl::Publish(TPublisher<THeaderControl>& P) {
  P.Obj("Sections", &THeaderControl::Sections, &THeaderControl::SetSections);
  P.Obj("Images", &THeaderControl::Images, &THeaderControl::SetImages);
  P.Bool("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack).Default(0);
  P.Event("OnSectionClick", &THeaderControl::OnSectionClick);
  P.Event("OnSectionResize", &THeaderControl::OnSectionResize);
  P.Event("OnDrawSection", &THeaderControl::OnDrawSection);
}

void THeaderControl::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_HEADERW;
  Params.Style |= HDS_BUTTONS | HDS_FULLDRAG;
  if (FHotTrack) Params.Style |= HDS_HOTTRACK;
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages) SendMessageW(FHandle, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  UpdateSections();
}

void THeaderControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (FHandle) SendMessageW(FHandle, HDM_SETIMAGELIST, 0, 0);
  }
}

void THeaderControl::SetImages(TImageList* Value) {
  if (!SetReference(FImages, Value)) return;
  if (FHandle) {
    SendMessageW(FHandle, HDM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
    UpdateSections();
  }
}

void THeaderControl::SetHotTrack(bool Value) {
  if (FHotTrack == Value) return;
  FHotTrack = Value;
  RecreateWnd();
}

namespace {

// The native item of a section; Text holds its characters while the item is used.
HDITEMW NativeItem(const THeaderSection& Section, bool WithImages, std::wstring& Text) {
  Text = Utf8ToWide(Section.Text());
  HDITEMW Item{};
  Item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  Item.cxy = Section.Width();
  Item.pszText = Text.data();
  Item.cchTextMax = static_cast<int>(Text.size());
  Item.fmt = Section.Style() == hsOwnerDraw ? HDF_OWNERDRAW : HDF_STRING;
  if (Section.Alignment() == taCenter) Item.fmt |= HDF_CENTER;
  if (Section.Alignment() == taRightJustify) Item.fmt |= HDF_RIGHT;
  if (WithImages && Section.ImageIndex() >= 0) {
    Item.mask |= HDI_IMAGE;
    Item.fmt |= HDF_IMAGE;
    Item.iImage = Section.ImageIndex();
  }
  return Item;
}

}  // namespace

void THeaderControl::UpdateSections() {
  if (!FHandle || FTracking) return;
  while (SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(FHandle, HDM_DELETEITEM, 0, 0);
  for (int I = 0; I < FSections->Count(); ++I) {
    std::wstring Text;
    HDITEMW Item = NativeItem(*FSections->Items(I), FImages != nullptr, Text);
    SendMessageW(FHandle, HDM_INSERTITEMW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item));
  }
}

void THeaderControl::UpdateSection(int Index) {
  if (!FHandle || FTracking || Index < 0 || Index >= FSections->Count()) return;
  std::wstring Text;
  HDITEMW Item = NativeItem(*FSections->Items(Index), FImages != nullptr, Text);
  SendMessageW(FHandle, HDM_SETITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item));
}

void THeaderControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: {
      Message.Result = 0;
      const NMHDR* Header = NotifyHeader(Message);
      if (!Header) return;
      const auto* Notify = reinterpret_cast<const NMHEADERW*>(Header);
      const int Index = Notify->iItem;
      if (Index < 0 || Index >= FSections->Count()) return;
      THeaderSection* Section = FSections->Items(Index);
      switch (Header->code) {
        case HDN_ITEMCLICKW:
        case HDN_ITEMCLICKA:
          if (Section->AllowClick() && OnSectionClick) OnSectionClick(this, Section);
          return;
        case HDN_ITEMCHANGINGW:
        case HDN_ITEMCHANGINGA:
          // Widths outside the section's limits are refused.
          if (Notify->pitem && (Notify->pitem->mask & HDI_WIDTH))
            Message.Result =
                Notify->pitem->cxy < Section->MinWidth() || Notify->pitem->cxy > Section->MaxWidth();
          return;
        case HDN_ITEMCHANGEDW:
        case HDN_ITEMCHANGEDA:
          if (Notify->pitem && (Notify->pitem->mask & HDI_WIDTH) && Notify->pitem->cxy != Section->Width()) {
            FTracking = true;
            Section->FWidth = Notify->pitem->cxy;
            FTracking = false;
            if (OnSectionResize) OnSectionResize(this, Section);
          }
          return;
      }
      return;
    }
    case CN_DRAWITEM: {
      const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      Message.Result = TRUE;
      const int Index = Item ? static_cast<int>(Item->itemID) : -1;
      if (Index < 0 || Index >= FSections->Count()) return;
      TCanvasDC Lent(FCanvas.get(), Item->hDC);
      FCanvas->Font()->Assign(FFont.get());
      FCanvas->Brush()->SetColor(FColor);
      if (OnDrawSection)
        OnDrawSection(this, FSections->Items(Index), Item->rcItem, (Item->itemState & ODS_SELECTED) != 0);
      return;
    }
  }
  TWinControl::WndProc(Message);
}
