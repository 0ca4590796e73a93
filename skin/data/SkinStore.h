// TSkinStore: several skin archives kept in the form description, one per named item, for an
// application that lets its user switch skins. The store never loads a skin itself: the skin data
// component copies an item's bytes (TSkinData::LoadFromCollection).
#pragma once

#include <memory>

#include "framework/core/Classes.h"
#include "framework/core/Collection.h"

class TSkinCollectionItem : public TCollectionItem {
  DECLARE_CLASS(TSkinCollectionItem, TCollectionItem)

 public:
  // Named "SkinItem" + the collection's running identifier, so new names never repeat.
  explicit TSkinCollectionItem(TCollection* Collection);
  ~TSkinCollectionItem() override;

  static void Publish(TPublisher<TSkinCollectionItem>& P) {
    P.Str("Name", &TSkinCollectionItem::Name, &TSkinCollectionItem::SetName);
    P.Str("SkinData", &TSkinCollectionItem::GetData, &TSkinCollectionItem::SetData).Stored(false);
    P.Int("DataSize", &TSkinCollectionItem::GetDataSize);
  }

  const String& Name() const { return FName; }
  // Raises Exception "The name <Value> is already used." when another item of the collection has
  // exactly that name; names differing in case may coexist.
  void SetName(const String& Value);
  // A handle for a designer's "load" action; always "Load Skin", writing does nothing.
  String GetData() const { return "Load Skin"; }
  void SetData(const String&) {}
  std::int64_t GetDataSize() const { return FData->Size(); }
  String GetDisplayName() const override { return FName; }

  // The archive bytes.
  TMemoryStream& Data() const { return *FData; }
  // Name and bytes of another skin item (no uniqueness check); anything else raises EAssignError.
  void Assign(TPersistent* Source) override;
  // Appends the archive bytes to Target; this item's stream keeps its position.
  void CopyData(TMemoryStream& Target) const;
  // The stream is emptied first, so a file that cannot be opened leaves the item empty.
  void LoadFromFile(const String& FileName);

  // "DataStream": the archive bytes as they are, without a length of their own.
  void DefineProperties(TFiler& Filer) override;
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream);

 private:
  String FName;
  std::unique_ptr<TMemoryStream> FData;
};

class TSkinCollection : public TOwnedCollection {
  DECLARE_CLASS(TSkinCollection, TOwnedCollection)

 public:
  explicit TSkinCollection(TPersistent* Owner);
  TSkinCollectionItem* Add() { return static_cast<TSkinCollectionItem*>(TCollection::Add()); }
  TSkinCollectionItem* Items(int Index) const {
    return static_cast<TSkinCollectionItem*>(TCollection::Items(Index));
  }
};

class TSkinStore : public TComponent {
  DECLARE_CLASS(TSkinStore, TComponent)

 public:
  explicit TSkinStore(TComponent* AOwner);
  ~TSkinStore() override;

  static void Publish(TPublisher<TSkinStore>& P) {
    P.Obj("Store", &TSkinStore::Store, &TSkinStore::SetStore);
  }

  TSkinCollection* Store() const { return FStore.get(); }
  // Copies the items of Value; none is ignored.
  void SetStore(TSkinCollection* Value);

 private:
  std::unique_ptr<TSkinCollection> FStore;
};
