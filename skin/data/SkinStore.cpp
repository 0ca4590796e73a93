#include "skin/data/SkinStore.h"

#include "framework/core/SysUtils.h"

TSkinCollectionItem::TSkinCollectionItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FName("SkinItem" + IntToStr(ID())),
      FData(std::make_unique<TMemoryStream>()) {}

TSkinCollectionItem::~TSkinCollectionItem() = default;

void TSkinCollectionItem::SetName(const String& Value) {
  if (Value == FName) return;
  if (TCollection* Owner = Collection()) {
    for (int I = 0, N = Owner->Count(); I < N; ++I) {
      auto* Other = dynamic_cast<TSkinCollectionItem*>(Owner->Items(I));
      if (Other && Other != this && Other->FName == Value)
        throw Exception("The name " + Value + " is already used.");
    }
  }
  FName = Value;
}

void TSkinCollectionItem::Assign(TPersistent* Source) {
  if (auto* Item = dynamic_cast<TSkinCollectionItem*>(Source)) {
    if (Item == this) return;  // copying onto itself would empty the bytes before reading them
    FName = Item->FName;
    FData->Clear();
    Item->CopyData(*FData);
    return;
  }
  TCollectionItem::Assign(Source);
}

void TSkinCollectionItem::CopyData(TMemoryStream& Target) const {
  const std::int64_t ByteCount = FData->Size();
  const std::int64_t OldPosition = FData->Position();
  try {
    FData->SetPosition(0);
    if (ByteCount > 0) Target.CopyFrom(*FData, ByteCount);
  } catch (...) {
    FData->SetPosition(OldPosition);
    throw;
  }
  FData->SetPosition(OldPosition);
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
  const std::int64_t N = Stream.Size() - Stream.Position();
  if (N > 0) FData->CopyFrom(Stream, N);
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
