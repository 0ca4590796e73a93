#include <algorithm>
#include <stdexcept>
#include <string>

#include "framework/win/controls/WideText.h"
#include "framework/win/menus/MenuRegistry.h"
#include "framework/win/menus/Menus.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
  FCommand = menus_detail::AllocCommand(this);
}

TMenuItem::~TMenuItem() {
  FDestroying = true;
  if (FParent && !FParent->FDestroying) FParent->Remove(this);
  FParent = nullptr;
  // The native sub-menus belong to the sub-items: take them out before this menu is destroyed, which
  // would otherwise destroy them too.
  DetachNativeItems();
  while (!FItems.empty()) {
    TMenuItem* item = FItems.back();
    FItems.pop_back();
    item->FParent = nullptr;
    delete item;
  }
  if (FHandle) DestroyMenu(FHandle);
  menus_detail::ReleaseCommand(FCommand);
}

void TMenuItem::Publish(TPublisher<TMenuItem>& P) {
  P.Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  P.Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(0);
  P.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(0);
  P.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(0);
  P.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(1);
  P.Int("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  P.Str("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  P.Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
  P.Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(0);
  P.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
  P.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(1);
  P.Int("Command", &TMenuItem::Command).Stored(false);
  P.Event("OnClick", &TMenuItem::OnClick);
  P.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
  P.Event("OnDrawItem", &TMenuItem::OnDrawItem);
}

void TMenuItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  // A checked radio item unchecks the other radio items of its group.
  if (Value && FRadioItem && FParent)
    for (TMenuItem* item : FParent->FItems)
      if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex && item->FChecked) {
        item->FChecked = false;
        item->Changed();
      }
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Changed();
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  Changed();
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  Changed();
}

void TMenuItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed();
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) throw std::invalid_argument("Menu item cannot be inserted");
  for (TMenuItem* p = this; p; p = p->FParent)
    if (p == Item) throw std::invalid_argument("Menu item cannot be inserted into its own sub-items");
  if (Item->FParent) Item->FParent->Remove(Item);
  if (Index < 0 || Index > Count()) Index = Count();
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  RebuildHandle();
  if (Count() == 1) Changed();  // the native item of this one gets its sub-menu
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  Item->FParent = nullptr;
  if (FDestroying) return;
  RebuildHandle();
  if (FItems.empty()) Changed();
}

void TMenuItem::Delete(int Index) {
  delete FItems.at(Index);  // takes itself out
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  const int count = parent->Count();
  Value = std::clamp(Value, 0, count - 1);
  if (Value == MenuIndex()) return;
  parent->Remove(this);
  parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

TImageList* TMenuItem::GetImageList() const {
  TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

bool TMenuItem::IsOwnerDraw() const {
  TMenu* menu = GetParentMenu();
  if (!menu || !menu->OwnerDraw()) return false;
  // The items of a bar are measured by the system; only what drops down is owner-drawn.
  return !(menu->IsMenuBar() && FParent == menu->Items());
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    TMenu* menu = FMenu;
    FHandle = menu && menu->IsMenuBar() ? CreateMenu() : CreatePopupMenu();
    if (!FHandle) throw std::runtime_error("Menu cannot be created");
    RebuildHandle();
  }
  return FHandle;
}

void TMenuItem::DetachNativeItems() {
  if (!FHandle) return;
  for (int n = GetMenuItemCount(FHandle); n > 0; --n) RemoveMenu(FHandle, 0, MF_BYPOSITION);
}

void TMenuItem::RebuildHandle() {
  if (!FHandle || FDestroying) return;
  DetachNativeItems();
  TMenu* menu = GetParentMenu();
  const bool rtl = menu && menu->IsRightToLeft();
  UINT position = 0;
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    const bool ownerDraw = item->IsOwnerDraw();
    std::wstring text = Utf8ToWide(item->FCaption);
    if (!ownerDraw && item->FShortCut != scNone) text += L"\t" + Utf8ToWide(ShortCutToText(item->FShortCut));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    if (item->IsLine()) info.fType |= MFT_SEPARATOR;
    if (ownerDraw) info.fType |= MFT_OWNERDRAW;
    if (item->FRadioItem) info.fType |= MFT_RADIOCHECK;
    if (rtl) info.fType |= MFT_RIGHTORDER;
    if (item->FChecked) info.fState |= MFS_CHECKED;
    if (!item->FEnabled) info.fState |= MFS_GRAYED;
    if (item->FDefault) info.fState |= MFS_DEFAULT;
    info.wID = item->FCommand;
    info.dwItemData = item->FCommand;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!item->FItems.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item->Handle();
    }
    InsertMenuItemW(FHandle, position++, TRUE, &info);
  }
  if (menu) menu->MenuChanged();
}

void TMenuItem::Changed() {
  if (FParent) FParent->RebuildHandle();
}

void TMenuItem::Click() {
  if (FAutoCheck) SetChecked(FRadioItem || !FChecked);
  OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  DefaultMeasure(ACanvas, Width, Height);
  OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, const RECT& ARect, bool Selected) {
  if (OnDrawItem)
    OnDrawItem(this, ACanvas, ARect, Selected);
  else
    DefaultDraw(ACanvas, ARect, Selected);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (auto* menu = dynamic_cast<TMenu*>(Value))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  for (TMenuItem* item : FItems)
    if (item->Owner() == Root) Proc(item);
}
