#include "framework/core/Collection.h"

#include <algorithm>

#include "framework/core/WithinUpdate.h"

TCollectionItem::TCollectionItem(TCollection* Collection) {
  SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  auto& Items = FCollection->FItems;
  return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int Current = Index();
  if (Current < 0 || Value == Current) return;
  auto& Items = FCollection->FItems;
  if (Value < 0) Value = 0;
  if (Value >= static_cast<int>(Items.size())) Value = static_cast<int>(Items.size()) - 1;
  Items.erase(Items.begin() + Current);
  Items.insert(Items.begin() + Value, this);
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const {
  return FCollection;
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TItemClass ItemClass) : FItemClass(ItemClass) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no change reports while dying
  while (!FItems.empty()) {
    TCollectionItem* Item = FItems.back();
    FItems.pop_back();
    Item->FCollection = nullptr;
    delete Item;
  }
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  return FItems[static_cast<std::size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
  return FItemClass.Create(this);
}

TCollectionItem* TCollection::Insert(int Index) {
  TCollectionItem* Item = Add();
  Item->SetIndex(Index);
  return Item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* Item = Items(Index);
  Notify(Item, cnDeleting);
  delete Item;
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  WithinUpdate(*this, [&] {
    while (!FItems.empty()) {
      Notify(FItems.back(), cnDeleting);
      delete FItems.back();
    }
  });
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* Item : FItems)
    if (Item->FID == ID) return Item;
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Assign(TPersistent* Source) {
  auto* SourceItems = dynamic_cast<TCollection*>(Source);
  if (!SourceItems) {
    TPersistent::Assign(Source);
    return;
  }
  if (SourceItems == this) return;
  WithinUpdate(*this, [&] {
    Clear();
    for (TCollectionItem* Item : SourceItems->FItems) Add()->Assign(Item);
  });
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  if (It == FItems.end()) return;
  Notify(Item, cnExtracting);
  FItems.erase(It);
  Item->FCollection = nullptr;
  Changed();
}
