#include "skin/data/SkinStore.h"

#include "framework/core/SysUtils.h"

TSkinCollectionItem::TSkinCollectionItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FName("SkinItem" + IntToStr(ID())),
      FData(std::make_unique<TMemoryStream>()) {}

TSkinCollectionItem::~TSkinCollectionItem() = default;

void TSkinCollectionItem::SetName(const String& Value) {
  if (Value == FName) return;
  if (TCollection* owner = Collection()) {
    for (int i = 0, n = owner->Count(); i < n; ++i) {
      auto* other = dynamic_cast<TSkinCollectionItem*>(owner->Items(i));
      if (other && other != this && other->FName == Value)
        throw Exception("The name " + Value + " is already used.");
    }
  }
  FName = Value;
}

void TSkinCollectionItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TSkinCollectionItem*>(Source)) {
    if (item == this) return;  // copying onto itself would empty the bytes before reading them
    FName = item->FName;
    FData->Clear();
    item->CopyData(*FData);
    return;
  }
  TCollectionItem::Assign(Source);
}

void TSkinCollectionItem::CopyData(TMemoryStream& Target) const {
  const std::int64_t size = FData->Size();
  const std::int64_t position = FData->Position();
  try {
    FData->SetPosition(0);
    if (size > 0) Target.CopyFrom(*FData, size);
  } catch (...) {
    FData->SetPosition(position);
    throw;
  }
  FData->SetPosition(position);
}

void TSkinCollectionItem::LoadFromFile(const String& FileName) {
  FData->Clear();
  FData->LoadFromFile(FileName);
}

void TSkinCollectionItem::DefineProperties(TFiler& Filer) {
  TCollectionItem::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "DataStream", [this](TStream& S) { ReadData(S); }, [this](TStream& S) { WriteData(S); }, true);
}

void TSkinCollectionItem::ReadData(TStream& Stream) {
  FData->Clear();
  const std::int64_t n = Stream.Size() - Stream.Position();
  if (n > 0) FData->CopyFrom(Stream, n);
  FData->SetPosition(0);
}

void TSkinCollectionItem::WriteData(TStream& Stream) {
  FData->SetPosition(0);
  if (FData->Size() > 0) Stream.CopyFrom(*FData, FData->Size());
}

TSkinCollection::TSkinCollection(TPersistent* Owner)
    : TOwnedCollection(Owner, TItemClass::Of<TSkinCollectionItem>()) {}

TSkinStore::TSkinStore(TComponent* AOwner)
    : TComponent(AOwner), FStore(std::make_unique<TSkinCollection>(this)) {}

TSkinStore::~TSkinStore() = default;

void TSkinStore::SetStore(TSkinCollection* Value) {
  if (Value) FStore->Assign(Value);
}
