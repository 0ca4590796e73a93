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
  const auto& b = Item.Data().Bytes();
  return String(b.begin(), b.end());
}

}  // namespace

TEST(SkinStore, ItemNamesFromRunningIdentifiers) {
  TSkinStore store(nullptr);
  TSkinCollection& c = *store.Store();
  EXPECT_EQ(c.GetOwner(), &store);
  for (int i = 0; i < 3; ++i) c.Add();
  EXPECT_EQ(c.Items(0)->Name(), "SkinItem0");
  EXPECT_EQ(c.Items(2)->Name(), "SkinItem2");
  EXPECT_EQ(c.Items(1)->DisplayName(), "SkinItem1");
  c.Delete(2);
  EXPECT_EQ(c.Add()->Name(), "SkinItem3");  // identifiers are not reused

  TSkinCollectionItem& second = *c.Items(1);
  try {
    second.SetName("SkinItem0");
    FAIL() << "a second SkinItem0";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "The name SkinItem0 is already used.");
  }
  EXPECT_EQ(second.Name(), "SkinItem1");
  second.SetName("SkinItem1");  // its own name
  second.SetName("skinitem0");  // names differ in case
  EXPECT_EQ(second.Name(), "skinitem0");
  TSkinCollectionItem loose(nullptr);  // outside a collection nothing can clash
  loose.SetName("SkinItem0");
  EXPECT_EQ(loose.Name(), "SkinItem0");
}

TEST(SkinStore, ItemPropertiesInOrder) {
  TSkinStore store(nullptr);
  TSkinCollectionItem& item = *store.Store()->Add();
  std::vector<String> names;
  for (const TPropInfo* p : item.ClassType().PropList()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<String>{"Name", "SkinData", "DataSize"}));
  EXPECT_EQ(GetStrProp(&item, "SkinData"), "Load Skin");
  SetStrProp(&item, "SkinData", "other.skn");
  EXPECT_EQ(GetStrProp(&item, "SkinData"), "Load Skin");
  EXPECT_FALSE(GetPropInfo(&item, "SkinData")->IsStored);
  EXPECT_EQ(GetOrdProp(&item, "DataSize"), 0);
  Fill(item, "archive");
  EXPECT_EQ(GetOrdProp(&item, "DataSize"), 7);
  EXPECT_FALSE(GetPropInfo(&item, "DataSize")->SetOrd);  // read only
}

TEST(SkinStore, CopyingItemsAndCollections) {
  TSkinStore store(nullptr);
  TSkinCollectionItem& a = *store.Store()->Add();
  TSkinCollectionItem& b = *store.Store()->Add();
  Fill(a, "first");
  a.Data().SetPosition(2);

  TMemoryStream target;
  target.WriteBuffer(">", 1);
  a.CopyData(target);
  EXPECT_EQ(String(target.Bytes().begin(), target.Bytes().end()), ">first");
  EXPECT_EQ(a.Data().Position(), 2);  // restored

  Fill(b, "old bytes");
  b.Assign(&a);  // the name is copied without the uniqueness check
  EXPECT_EQ(b.Name(), "SkinItem0");
  EXPECT_EQ(BytesOf(b), "first");
  EXPECT_EQ(a.Data().Position(), 2);
  b.Assign(&b);
  EXPECT_EQ(BytesOf(b), "first");
  EXPECT_THROW(b.Assign(&store), EAssignError);

  TSkinStore other(nullptr);
  other.Store()->Add();
  other.SetStore(store.Store());
  ASSERT_EQ(other.Store()->Count(), 2);
  EXPECT_EQ(BytesOf(*other.Store()->Items(1)), "first");
  other.SetStore(nullptr);  // ignored
  EXPECT_EQ(other.Store()->Count(), 2);
}

TEST(SkinStore, LoadFromFileEmptiesFirst) {
  TSkinCollectionItem item(nullptr);
  Fill(item, "kept?");
  EXPECT_THROW(item.LoadFromFile(String(PROJECT_SOURCE_DIR) + "/no/such/skin.skn"), EStreamError);
  EXPECT_EQ(item.GetDataSize(), 0);
  item.LoadFromFile(String(PROJECT_SOURCE_DIR) + "/skins/default/skin.ini");
  EXPECT_GT(item.GetDataSize(), 100);
}

TEST(SkinStore, PersistedInTheFormDescription) {
  TStoreRoot root(nullptr);
  auto* store = new TSkinStore(&root);
  store->SetName("Skins");
  Fill(*store->Store()->Add(), "abc");
  store->Store()->Add()->SetName("Empty one");
  const String text = WriteComponentToText(&root);
  EXPECT_NE(text.find("DataStream = {\n          616263}"), String::npos) << text;  // no length prefix
  EXPECT_NE(text.find("DataStream = {}"), String::npos) << text;
  EXPECT_EQ(text.find("SkinData"), String::npos);
  EXPECT_EQ(text.find("DataSize"), String::npos);

  TStoreRoot copy(nullptr);
  ReadComponentFromText(text, &copy);
  ASSERT_NE(copy.Skins, nullptr);
  TSkinCollection& c = *copy.Skins->Store();
  ASSERT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Items(0)->Name(), "SkinItem0");
  EXPECT_EQ(BytesOf(*c.Items(0)), "abc");
  EXPECT_EQ(c.Items(1)->Name(), "Empty one");
  EXPECT_EQ(c.Items(1)->GetDataSize(), 0);
  EXPECT_EQ(WriteComponentToText(&copy), text);
}
