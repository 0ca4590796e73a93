// The skin store: item names, the item properties, copying and persistence in form descriptions.

#include "skin/data/SkinStore.h"

#include <gtest/gtest.h>

#include "framework/core/Description.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

namespace {

class TStoreRoot : public TComponent {
  DECLARE_CLASS(TStoreRoot, TComponent)

 public:
  using TComponent::TComponent;
  TSkinStore* Skins = nullptr;
  static void Publish(TPublisher<TStoreRoot>& P) { P.Field("Skins", &TStoreRoot::Skins); }
};

struct TRegisterStoreClasses {
  TRegisterStoreClasses() { RegisterComponentClasses<TStoreRoot, TSkinStore>(); }
} registerStoreClasses;

void Fill(TSkinCollectionItem& Item, const String& Bytes) {
  Item.Data().Clear();
  Item.Data().WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
}

String BytesOf(const TSkinCollectionItem& Item) {
  const auto& B = Item.Data().Bytes();
  return String(B.begin(), B.end());
}

}  // namespace

TEST(SkinStore, ItemNamesFromRunningIdentifiers) {
  TSkinStore Holder(nullptr);
  TSkinCollection& C = *Holder.Store();
  EXPECT_EQ(C.GetOwner(), &Holder);
  for (int I = 0; I < 3; ++I) C.Add();
  EXPECT_EQ(C.Items(0)->Name(), "SkinItem0");
  EXPECT_EQ(C.Items(2)->Name(), "SkinItem2");
  EXPECT_EQ(C.Items(1)->DisplayName(), "SkinItem1");
  C.Delete(2);
  EXPECT_EQ(C.Add()->Name(), "SkinItem3");  // identifiers are not reused

  TSkinCollectionItem& Second = *C.Items(1);
  try {
    Second.SetName("SkinItem0");
    FAIL() << "a second SkinItem0";
  } catch (const Exception& E) {
    EXPECT_STREQ(E.what(), "The name SkinItem0 is already used.");
  }
  EXPECT_EQ(Second.Name(), "SkinItem1");
  Second.SetName("SkinItem1");  // its own name
  Second.SetName("skinitem0");  // names differ in case
  EXPECT_EQ(Second.Name(), "skinitem0");
  TSkinCollectionItem Loose(nullptr);  // outside a collection nothing can clash
  Loose.SetName("SkinItem0");
  EXPECT_EQ(Loose.Name(), "SkinItem0");
}

TEST(SkinStore, ItemPropertiesInOrder) {
  TSkinStore Holder(nullptr);
  TSkinCollectionItem& Item = *Holder.Store()->Add();
  std::vector<String> Names;
  for (const TPropInfo* P : Item.ClassType().PropList()) Names.push_back(P->Name);
  EXPECT_EQ(Names, (std::vector<String>{"Name", "SkinData", "DataSize"}));
  EXPECT_EQ(GetStrProp(&Item, "SkinData"), "Load Skin");
  SetStrProp(&Item, "SkinData", "other.skn");
  EXPECT_EQ(GetStrProp(&Item, "SkinData"), "Load Skin");
  EXPECT_FALSE(GetPropInfo(&Item, "SkinData")->IsStored);
  EXPECT_EQ(GetOrdProp(&Item, "DataSize"), 0);
  Fill(Item, "archive");
  EXPECT_EQ(GetOrdProp(&Item, "DataSize"), 7);
  EXPECT_FALSE(GetPropInfo(&Item, "DataSize")->SetOrd);  // read only
}

TEST(SkinStore, CopyingItemsAndCollections) {
  TSkinStore Holder(nullptr);
  TSkinCollectionItem& A = *Holder.Store()->Add();
  TSkinCollectionItem& B = *Holder.Store()->Add();
  Fill(A, "first");
  A.Data().SetPosition(2);

  TMemoryStream Target;
  Target.WriteBuffer(">", 1);
  A.CopyData(Target);
  EXPECT_EQ(String(Target.Bytes().begin(), Target.Bytes().end()), ">first");
  EXPECT_EQ(A.Data().Position(), 2);  // restored

  Fill(B, "old bytes");
  B.Assign(&A);  // the name is copied without the uniqueness check
  EXPECT_EQ(B.Name(), "SkinItem0");
  EXPECT_EQ(BytesOf(B), "first");
  EXPECT_EQ(A.Data().Position(), 2);
  B.Assign(&B);
  EXPECT_EQ(BytesOf(B), "first");
  EXPECT_THROW(B.Assign(&Holder), EAssignError);

  TSkinStore Other(nullptr);
  Other.Store()->Add();
  Other.SetStore(Holder.Store());
  ASSERT_EQ(Other.Store()->Count(), 2);
  EXPECT_EQ(BytesOf(*Other.Store()->Items(1)), "first");
  Other.SetStore(nullptr);  // ignored
  EXPECT_EQ(Other.Store()->Count(), 2);
}

TEST(SkinStore, LoadFromFileEmptiesFirst) {
  TSkinCollectionItem Item(nullptr);
  Fill(Item, "kept?");
  EXPECT_THROW(Item.LoadFromFile(String(PROJECT_SOURCE_DIR) + "/no/such/skin.skn"), EStreamError);
  EXPECT_EQ(Item.GetDataSize(), 0);
  Item.LoadFromFile(String(PROJECT_SOURCE_DIR) + "/skins/default/skin.ini");
  EXPECT_GT(Item.GetDataSize(), 100);
}

TEST(SkinStore, PersistedInTheFormDescription) {
  TStoreRoot Root(nullptr);
  auto* Component = new TSkinStore(&Root);
  Component->SetName("Skins");
  Fill(*Component->Store()->Add(), "abc");
  Component->Store()->Add()->SetName("Empty one");
  const String Text = WriteComponentToText(&Root);
  EXPECT_NE(Text.find("DataStream = {\n          616263}"), String::npos) << Text;  // no length prefix
  EXPECT_NE(Text.find("DataStream = {}"), String::npos) << Text;
  EXPECT_EQ(Text.find("SkinData"), String::npos);
  EXPECT_EQ(Text.find("DataSize"), String::npos);

  TStoreRoot Copy(nullptr);
  ReadComponentFromText(Text, &Copy);
  ASSERT_NE(Copy.Skins, nullptr);
  TSkinCollection& C = *Copy.Skins->Store();
  ASSERT_EQ(C.Count(), 2);
  EXPECT_EQ(C.Items(0)->Name(), "SkinItem0");
  EXPECT_EQ(BytesOf(*C.Items(0)), "abc");
  EXPECT_EQ(C.Items(1)->Name(), "Empty one");
  EXPECT_EQ(C.Items(1)->GetDataSize(), 0);
  EXPECT_EQ(WriteComponentToText(&Copy), Text);
}
