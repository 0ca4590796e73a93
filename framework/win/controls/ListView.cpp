#include "framework/win/controls/ListView.h"

#include <algorithm>

#include "framework/win/controls/RedrawOff.h"
#include "framework/win/controls/WideText.h"

namespace {

int ColumnFormat(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify:
      return LVCFMT_RIGHT;
    case taCenter:
      return LVCFMT_CENTER;
    default:
      return LVCFMT_LEFT;
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TListColumn

TListColumn::TListColumn(TCollection* Collection) {
  SetCollection(Collection);  // complete before the collection reports the change
}

void TListColumn::Publish(TPublisher<TListColumn>& P) {
  P.Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
  P.Int("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
  P.Enum("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify);
  P.Int("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex).Default(-1);
}

void TListColumn::SetWidth(int Value) {
  FWidth = std::max(Value, 0);
  Changed(false);
}

// ---------------------------------------------------------------------------------------------------
// TListColumns

void TListColumns::Update(TCollectionItem*) {
  FControl->UpdateColumns();
}

// ---------------------------------------------------------------------------------------------------
// TListItem

TListItem::TListItem(TCollection* Collection)
    : TCollectionItem(nullptr), FSubItems(std::make_unique<TStringList>()) {
  FSubItems->OnChange = TNotifyEvent::Bind<&TListItem::SubItemsChange>(this);
  // Joins only now, so that the collection's change report finds the item complete.
  SetCollection(Collection);
}

TListItem::~TListItem() {
  FSubItems->OnChange.Clear();
  // Leaves the collection (and the window) while the sub-items still exist.
  SetCollection(nullptr);
}

void TListItem::Publish(TPublisher<TListItem>& P) {
  P.Str("Caption", &TListItem::Caption, &TListItem::SetCaption);
  P.Int("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex).Default(-1);
  P.Obj("SubItems", &TListItem::SubItems, &TListItem::SetSubItems);
}

void TListItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TListItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCaption = Item->FCaption;
  FImageIndex = Item->FImageIndex;
  FSubItems->Assign(Item->FSubItems.get());
  Data = Item->Data;
  Changed(false);
}

TCustomListView* TListItem::ListView() const {
  auto* Items = dynamic_cast<TListItems*>(Collection());
  return Items ? Items->Control() : nullptr;
}

void TListItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed(false);
}

void TListItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed(false);
}

bool TListItem::Selected() const {
  TCustomListView* Owner = ListView();
  if (!Owner || !Owner->HandleAllocated()) return false;
  return SendMessageW(Owner->WindowHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) !=
         0;
}

void TListItem::SetSelected(bool Value) {
  TCustomListView* Owner = ListView();
  if (!Owner || !Owner->HandleAllocated()) return;
  LVITEMW State{};
  State.stateMask = LVIS_SELECTED | (Value ? LVIS_FOCUSED : 0);
  State.state = Value ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  SendMessageW(Owner->WindowHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()),
               reinterpret_cast<LPARAM>(&State));
}

// ---------------------------------------------------------------------------------------------------
// TListItems

void TListItems::Update(TCollectionItem* Item) {
  if (Item)
    FControl->UpdateItem(Item->Index());
  else
    FControl->UpdateItems();
}

// ---------------------------------------------------------------------------------------------------
// TCustomListView

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner),
      FColumns(std::make_unique<TListColumns>(this)),
      FItems(std::make_unique<TListItems>(this)) {
  FWidth = 250;
  FHeight = 150;
  FTabStop = true;
  FColor = clWindow;
}

TCustomListView::~TCustomListView() {
  // The window asks for texts until it is gone; the items go after it.
  DestroyHandle();
  SetReference(FSmallImages, nullptr, {FLargeImages});
  SetReference(FLargeImages, nullptr);
}

void TCustomListView::Publish(TPublisher<TCustomListView>& P) {
  P.Enum("BorderStyle", &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle).Default(bsSingle);
  P.Enum("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle).Default(vsIcon);
  P.Obj("Columns", &TCustomListView::Columns, &TCustomListView::SetColumns);
  P.Obj("Items", &TCustomListView::Items, &TCustomListView::SetItems);
  P.Obj("SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages);
  P.Obj("LargeImages", &TCustomListView::LargeImages, &TCustomListView::SetLargeImages);
  P.Bool("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect).Default(0);
  P.Bool("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines).Default(0);
  P.Bool("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly).Default(0);
  P.Bool("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect).Default(0);
  P.Bool("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection).Default(1);
  P.Bool("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders)
      .Default(1);
  P.Event("OnSelectItem", &TCustomListView::OnSelectItem);
  P.Event("OnColumnClick", &TCustomListView::OnColumnClick);
}

void TCustomListView::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_LISTVIEWW;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  // The image lists belong to their components, never to the window.
  Params.Style |= LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  Params.Style |= kViews[FViewStyle];
  if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
  if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
  if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
  if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateExtendedStyle();
  ImagesChanged();
  UpdateColumns();
  UpdateItems();
}

void TCustomListView::UpdateExtendedStyle() {
  if (!FHandle) return;
  const DWORD Mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  DWORD Style = 0;
  if (FRowSelect) Style |= LVS_EX_FULLROWSELECT;
  if (FGridLines) Style |= LVS_EX_GRIDLINES;
  SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, Mask, Style);
}

void TCustomListView::ImagesChanged() {
  if (!FHandle) return;
  SendMessageW(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(FSmallImages ? FSmallImages->Handle() : nullptr));
  SendMessageW(FHandle, LVM_SETIMAGELIST, LVSIL_NORMAL,
               reinterpret_cast<LPARAM>(FLargeImages ? FLargeImages->Handle() : nullptr));
}

void TCustomListView::UpdateColumns() {
  if (!FHandle) return;
  while (SendMessageW(FHandle, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int I = 0; I < FColumns->Count(); ++I) {
    const TListColumn* Column = FColumns->Items(I);
    std::wstring Text = Utf8ToWide(Column->Caption());
    LVCOLUMNW Native{};
    Native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    Native.fmt = ColumnFormat(Column->Alignment());
    Native.cx = Column->Width();
    Native.pszText = Text.data();
    Native.iSubItem = I;
    if (Column->ImageIndex() >= 0 && FSmallImages) {
      Native.mask |= LVCF_IMAGE;
      Native.fmt |= LVCFMT_IMAGE;
      Native.iImage = Column->ImageIndex();
    }
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Native));
  }
}

void TCustomListView::UpdateItems() {
  if (!FHandle) return;
  {
    const TRedrawOff Filling(FHandle);
    SendMessageW(FHandle, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(FHandle, LVM_SETITEMCOUNT, static_cast<WPARAM>(FItems->Count()), 0);
    for (int I = 0; I < FItems->Count(); ++I) {
      // Texts and images are asked for as the window draws (LVN_GETDISPINFO).
      LVITEMW Native{};
      Native.mask = LVIF_TEXT | LVIF_IMAGE;
      Native.iItem = I;
      Native.pszText = LPSTR_TEXTCALLBACKW;
      Native.iImage = I_IMAGECALLBACK;
      SendMessageW(FHandle, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Native));
    }
  }
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomListView::UpdateItem(int Index) {
  if (!FHandle) return;
  SendMessageW(FHandle, LVM_REDRAWITEMS, static_cast<WPARAM>(Index), Index);
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove || (AComponent != FSmallImages && AComponent != FLargeImages)) return;
  if (AComponent == FSmallImages) FSmallImages = nullptr;
  if (AComponent == FLargeImages) FLargeImages = nullptr;
  // The window must not keep a list that is going away.
  ImagesChanged();
}

void TCustomListView::SetViewStyle(TViewStyle Value) {
  if (FViewStyle == Value) return;
  FViewStyle = Value;
  RecreateWnd();
}

void TCustomListView::SetSmallImages(TImageList* Value) {
  if (SetReference(FSmallImages, Value, {FLargeImages})) ImagesChanged();
}

void TCustomListView::SetLargeImages(TImageList* Value) {
  if (SetReference(FLargeImages, Value, {FSmallImages})) ImagesChanged();
}

void TCustomListView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  UpdateExtendedStyle();
}

void TCustomListView::SetGridLines(bool Value) {
  FGridLines = Value;
  UpdateExtendedStyle();
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListView::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  RecreateWnd();
}

void TCustomListView::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListView::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomListView::SetShowColumnHeaders(bool Value) {
  if (FShowColumnHeaders == Value) return;
  FShowColumnHeaders = Value;
  RecreateWnd();
}

TListItem* TCustomListView::Selected() const {
  const int Index = ItemIndex();
  return Index >= 0 && Index < FItems->Count() ? FItems->Items(Index) : nullptr;
}

int TCustomListView::ItemIndex() const {
  if (!FHandle) return -1;
  return static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int Value) {
  if (!FHandle) return;
  for (int I = 0; I < FItems->Count(); ++I) FItems->Items(I)->SetSelected(I == Value);
  if (Value >= 0 && Value < FItems->Count())
    SendMessageW(FHandle, LVM_ENSUREVISIBLE, static_cast<WPARAM>(Value), FALSE);
}

HWND TCustomListView::HeaderHandle() const {
  return FHandle ? reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0)) : nullptr;
}

void TCustomListView::WndProc(TMessage& Message) {
  if (Message.Msg == WM_NOTIFY && Message.LParam) {
    // The column header reports to this window: widths the user drags are kept.
    const auto* Notify = reinterpret_cast<const NMHEADERW*>(Message.LParam);
    if (Notify->hdr.hwndFrom == HeaderHandle() &&
        (Notify->hdr.code == HDN_ITEMCHANGEDW || Notify->hdr.code == HDN_ITEMCHANGEDA) && Notify->pitem &&
        (Notify->pitem->mask & HDI_WIDTH) && Notify->iItem >= 0 && Notify->iItem < FColumns->Count())
      FColumns->Items(Notify->iItem)->FWidth = Notify->pitem->cxy;
  }
  if (Message.Msg == CN_NOTIFY) {
    Message.Result = 0;
    const NMHDR* Header = NotifyHeader(Message);
    if (!Header) return;
    switch (Header->code) {
      case LVN_GETDISPINFOW: {
        auto* Info = reinterpret_cast<NMLVDISPINFOW*>(Message.LParam);
        LVITEMW& Native = Info->item;
        if (Native.iItem < 0 || Native.iItem >= FItems->Count()) return;
        const TListItem* Item = FItems->Items(Native.iItem);
        if (Native.mask & LVIF_TEXT) {
          String Text;
          if (Native.iSubItem == 0)
            Text = Item->Caption();
          else if (Native.iSubItem - 1 < Item->SubItems()->Count())
            Text = Item->SubItems()->Get(Native.iSubItem - 1);
          LendText(Text, Native.pszText, Native.cchTextMax);
        }
        if (Native.mask & LVIF_IMAGE) Native.iImage = Native.iSubItem == 0 ? Item->ImageIndex() : -1;
        return;
      }
      case LVN_ENDLABELEDITW: {
        const auto* Info = reinterpret_cast<const NMLVDISPINFOW*>(Message.LParam);
        const int Index = Info->item.iItem;
        if (Info->item.pszText && Index >= 0 && Index < FItems->Count()) {
          FItems->Items(Index)->SetCaption(WideToUtf8(Info->item.pszText));
          Message.Result = TRUE;
        }
        return;
      }
      case LVN_ITEMCHANGED: {
        const auto* Change = reinterpret_cast<const NMLISTVIEW*>(Message.LParam);
        const bool WasSelected = (Change->uOldState & LVIS_SELECTED) != 0;
        const bool IsSelected = (Change->uNewState & LVIS_SELECTED) != 0;
        if ((Change->uChanged & LVIF_STATE) && WasSelected != IsSelected && Change->iItem >= 0 &&
            Change->iItem < FItems->Count() && OnSelectItem)
          OnSelectItem(this, FItems->Items(Change->iItem), IsSelected);
        return;
      }
      case LVN_COLUMNCLICK: {
        const auto* Click = reinterpret_cast<const NMLISTVIEW*>(Message.LParam);
        if (Click->iSubItem >= 0 && Click->iSubItem < FColumns->Count() && OnColumnClick)
          OnColumnClick(this, FColumns->Items(Click->iSubItem));
        return;
      }
      case NM_CLICK:
        Click();
        return;
    }
    return;
  }
  TWinControl::WndProc(Message);
}
