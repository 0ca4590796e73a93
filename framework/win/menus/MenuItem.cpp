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
    TMenuItem* Item = FItems.back();
    FItems.pop_back();
    Item->FParent = nullptr;
    delete Item;
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
    for (TMenuItem* Item : FParent->FItems)
      if (Item != this && Item->FRadioItem && Item->FGroupIndex == FGroupIndex && Item->FChecked) {
        Item->FChecked = false;
        Item->Changed();
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
  for (TMenuItem* P = this; P; P = P->FParent)
    if (P == Item) throw std::invalid_argument("Menu item cannot be inserted into its own sub-items");
  if (Item->FParent) Item->FParent->Remove(Item);
  if (Index < 0 || Index > Count()) Index = Count();
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  RebuildHandle();
  if (Count() == 1) Changed();  // the native item of this one gets its sub-menu
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  if (It == FItems.end()) return;
  FItems.erase(It);
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
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* Parent = FParent;
  const int SiblingCount = Parent->Count();
  Value = std::clamp(Value, 0, SiblingCount - 1);
  if (Value == MenuIndex()) return;
  Parent->Remove(this);
  Parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* Item = this;
  while (Item->FParent) Item = Item->FParent;
  return Item->FMenu;
}

TImageList* TMenuItem::GetImageList() const {
  TMenu* Menu = GetParentMenu();
  return Menu ? Menu->Images() : nullptr;
}

bool TMenuItem::IsOwnerDraw() const {
  TMenu* Menu = GetParentMenu();
  if (!Menu || !Menu->OwnerDraw()) return false;
  // The items of a bar are measured by the system; only what drops down is owner-drawn.
  return !(Menu->IsMenuBar() && FParent == Menu->Items());
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    TMenu* OwnerMenu = FMenu;
    FHandle = OwnerMenu && OwnerMenu->IsMenuBar() ? CreateMenu() : CreatePopupMenu();
    if (!FHandle) throw std::runtime_error("Menu cannot be created");
    RebuildHandle();
  }
  return FHandle;
}

void TMenuItem::DetachNativeItems() {
  if (!FHandle) return;
  for (int N = GetMenuItemCount(FHandle); N > 0; --N) RemoveMenu(FHandle, 0, MF_BYPOSITION);
}

void TMenuItem::RebuildHandle() {
  if (!FHandle || FDestroying) return;
  DetachNativeItems();
  TMenu* Menu = GetParentMenu();
  const bool Rtl = Menu && Menu->IsRightToLeft();
  UINT Position = 0;
  for (TMenuItem* Item : FItems) {
    if (!Item->FVisible) continue;
    const bool OwnerDraw = Item->IsOwnerDraw();
    std::wstring Text = Utf8ToWide(Item->FCaption);
    if (!OwnerDraw && Item->FShortCut != scNone) Text += L"\t" + Utf8ToWide(ShortCutToText(Item->FShortCut));
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    if (Item->IsLine()) Info.fType |= MFT_SEPARATOR;
    if (OwnerDraw) Info.fType |= MFT_OWNERDRAW;
    if (Item->FRadioItem) Info.fType |= MFT_RADIOCHECK;
    if (Rtl) Info.fType |= MFT_RIGHTORDER;
    if (Item->FChecked) Info.fState |= MFS_CHECKED;
    if (!Item->FEnabled) Info.fState |= MFS_GRAYED;
    if (Item->FDefault) Info.fState |= MFS_DEFAULT;
    Info.wID = Item->FCommand;
    Info.dwItemData = Item->FCommand;
    Info.dwTypeData = Text.data();
    Info.cch = static_cast<UINT>(Text.size());
    if (!Item->FItems.empty()) {
      Info.fMask |= MIIM_SUBMENU;
      Info.hSubMenu = Item->Handle();
    }
    InsertMenuItemW(FHandle, Position++, TRUE, &Info);
  }
  if (Menu) Menu->MenuChanged();
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
  if (auto* Menu = dynamic_cast<TMenu*>(Value))
    Menu->Items()->Add(this);
  else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
    Item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  for (TMenuItem* Item : FItems)
    if (Item->Owner() == Root) Proc(Item);
}
