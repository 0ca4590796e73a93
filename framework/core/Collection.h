// Collections: ordered lists of items of one class, written in descriptions as "Prop = < item ... end >".
#pragma once

#include <vector>

#include "framework/core/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  DECLARE_CLASS(TCollectionItem, TPersistent)

 public:
  // Joins Collection (if given) and takes the next item ID from it.
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;  // leaves its collection

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* Value);
  // The running identifier: unique within the collection and never reused, even after deletions.
  int ID() const { return FID; }
  int Index() const;
  virtual void SetIndex(int Value);
  virtual String GetDisplayName() const { return ClassName(); }
  String DisplayName() const { return GetDisplayName(); }
  TPersistent* GetOwner() const override;

 protected:
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

// The class of a collection's items and how to create one.
struct TItemClass {
  const TClassInfo* Class;
  TCollectionItem* (*Create)(TCollection* Collection);
  template <class T>
  static TItemClass Of() {
    return TItemClass{&T::StaticClass(), [](TCollection* C) -> TCollectionItem* { return new T(C); }};
  }
};

PUBLISHED_ENUM(TCollectionNotification, cnAdded, cnExtracting, cnDeleting)

class TCollection : public TPersistent {
  DECLARE_CLASS(TCollection, TPersistent)

 public:
  explicit TCollection(TItemClass ItemClass);
  ~TCollection() override;  // frees the items

  const TItemClass& ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;  // raises EListError out of range
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  int NextID() const { return FNextID; }

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // From another collection: the items are replaced by copies (each new item Assigns its source).
  void Assign(TPersistent* Source) override;

 protected:
  // Item changed (null: the whole collection); not called while updating.
  virtual void Update(TCollectionItem* Item) {}
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  TItemClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

// A collection that names its owner (so the owner's properties can reach it back).
class TOwnedCollection : public TCollection {
  DECLARE_CLASS(TOwnedCollection, TCollection)

 public:
  TOwnedCollection(TPersistent* Owner, TItemClass ItemClass) : TCollection(ItemClass), FOwner(Owner) {}
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};
