#include <gtest/gtest.h>

#include "framework/core/Classes.h"
#include "tests/core/TestClasses.h"

namespace {

class ObjectModel : public testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

TEST_F(ObjectModel, ClassNamesAndInheritance) {
  TTestForm form(nullptr);
  TObject* obj = &form;
  EXPECT_EQ(obj->ClassName(), "TTestForm");
  EXPECT_TRUE(obj->InheritsFrom("TTESTCONTROL"));  // names match without regard to case
  EXPECT_TRUE(obj->InheritsFrom("tcomponent"));
  EXPECT_TRUE(obj->InheritsFrom("TObject"));
  EXPECT_FALSE(obj->InheritsFrom("TTestData"));
  EXPECT_TRUE(obj->InheritsFrom<TComponent>());
  EXPECT_FALSE(obj->InheritsFrom<TCollection>());
  EXPECT_TRUE(obj->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_EQ(form.ClassType().ClassParent(), &TTestControl::StaticClass());
  TStringList list;
  EXPECT_EQ(list.ClassName(), "TStringList");
  EXPECT_TRUE(list.InheritsFrom("TStrings"));
}

// The component is created by name and handled only through its published properties.
TEST_F(ObjectModel, PropertiesOfAClassKnownOnlyByName) {
  std::unique_ptr<TComponent> c(CreateComponentByClassName("ttestcontrol", nullptr));
  TObject* obj = c.get();
  SetOrdProp(obj, "left", 12);
  EXPECT_EQ(GetOrdProp(obj, "Left"), 12);
  EXPECT_EQ(GetEnumProp(obj, "Visible"), "True");
  SetEnumProp(obj, "VISIBLE", "false");
  EXPECT_EQ(GetOrdProp(obj, "Visible"), 0);
  SetEnumProp(obj, "Alignment", "TACENTER");
  EXPECT_EQ(GetEnumProp(obj, "Alignment"), "taCenter");
  SetStrProp(obj, "Caption", "头 and 尾");  // a wide property takes UTF-8 text
  EXPECT_EQ(GetWideStrProp(obj, "Caption"), u"头 and 尾");
  SetWideStrProp(obj, "Hint", u"渐变");  // a narrow one holds UTF-8
  EXPECT_EQ(GetStrProp(obj, "Hint"), "渐变");
  EXPECT_EQ(GetOrdProp(obj, "Color"), 0x8000000F);

  TObject* font = GetObjectProp(obj, "Font");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->ClassName(), "TTestFont");
  SetOrdProp(font, "Height", -13);
  SetSetProp(font, *GetPropInfo(font, "Style"), "[fsBold, fsUnderline]");
  EXPECT_EQ(GetSetProp(font, *GetPropInfo(font, "Style")), "[fsBold,fsUnderline]");
  EXPECT_EQ(static_cast<TTestControl*>(obj)->Font()->Height, -13);

  // Inherited properties are found through the class chain.
  SetOrdProp(obj, "Tag", 99);
  SetStrProp(obj, "Name", "btn1");
  EXPECT_EQ(c->Tag(), 99);
  EXPECT_EQ(c->Name(), "btn1");
  EXPECT_FALSE(IsPublishedProp(obj, "NoSuch"));
  EXPECT_EQ(GetPropInfo(obj, "Font")->Kind, tkClass);
}

TEST_F(ObjectModel, BadPropertyAccessIsRefused) {
  TTestControl c(nullptr);
  EXPECT_THROW(GetOrdProp(&c, "NoSuch"), EPropertyError);
  EXPECT_THROW(GetOrdProp(&c, "Caption"), EPropertyError);  // wrong kind
  EXPECT_THROW(SetEnumProp(&c, "Alignment", "taNowhere"), EPropertyError);
  EXPECT_THROW(SetOrdProp(&c, "Alignment", 3), EPropertyError);  // past the last value
  EXPECT_THROW(SetOrdProp(&c, "Left", std::int64_t{1} << 40), EPropertyError);
  EXPECT_THROW(SetOrdProp(&c, "ReadOnlyCount", 1), EPropertyError);
  EXPECT_EQ(GetOrdProp(&c, "ReadOnlyCount"), 7);
  EXPECT_THROW(SetSetProp(c.Font(), *GetPropInfo(c.Font(), "Style"), "[fsBold, fsWide]"), EPropertyError);
  TTestData notAFont(nullptr);
  EXPECT_THROW(SetObjectProp(&c, "Font", &notAFont), EPropertyError);
  EXPECT_EQ(c.Font()->Height, -11);
}

TEST_F(ObjectModel, EventsAreComparableCopyableAndSafeWhenUnassigned) {
  TTestForm form(nullptr);
  TNotifyEvent e;
  EXPECT_FALSE(e.Assigned());
  e(&form);  // does nothing
  e = TNotifyEvent::Bind<&TTestForm::Button1Click>(&form);
  TNotifyEvent copy = e;
  EXPECT_TRUE(copy == e);
  EXPECT_FALSE(e == TNotifyEvent::Bind<&TTestForm::FormClick>(&form));
  TTestForm other(nullptr);
  EXPECT_FALSE(e == TNotifyEvent::Bind<&TTestForm::Button1Click>(&other));
  copy(nullptr);
  EXPECT_EQ(form.Clicks, std::vector<String>{"Button1Click"});

  // Published handlers are found by name and set through the event property.
  TTestControl button(nullptr);
  TMethod m = FindMethod(&form, "formclick");
  ASSERT_TRUE(m.Assigned());
  EXPECT_EQ(MethodName(m), "FormClick");
  SetMethodProp(&button, "OnClick", m);
  button.OnClick(&button);
  EXPECT_EQ(form.Clicks.back(), "FormClick");
  EXPECT_EQ(GetMethodProp(&button, "OnClick"), m);
  EXPECT_THROW(SetMethodProp(&button, "OnClick", FindMethod(&form, "WrongShape")), EPropertyError);
  EXPECT_FALSE(FindMethod(&form, "Missing").Assigned());
  SetMethodProp(&button, "OnClick", TMethod());
  EXPECT_FALSE(button.OnClick.Assigned());
}

// Records the notifications it receives.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    Seen.push_back({AComponent, Operation});
  }
  std::vector<std::pair<TComponent*, TOperation>> Seen;
};

TEST_F(ObjectModel, OwnershipFreesOwnedComponentsAndNotifies) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* watcher = new TWatcher(owner.get());
  auto* a = new TTestControl(owner.get());
  a->SetName("A");
  EXPECT_EQ(watcher->Seen.back(), std::make_pair(static_cast<TComponent*>(a), opInsert));
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("a"), a);
  EXPECT_EQ(a->ComponentIndex(), 1);

  delete a;  // an owned component leaves its owner, and the owner's components hear of it
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(watcher->Seen.back(), std::make_pair(static_cast<TComponent*>(a), opRemove));
  EXPECT_EQ(owner->FindComponent("A"), nullptr);
  EXPECT_THROW(owner->Components(1), EListError);

  new TTestControl(watcher);  // grand-child, freed through its owner
  owner.reset();              // the leak checker confirms everything went
}

TEST_F(ObjectModel, FreeNotificationClearsReferencesBothWays) {
  TComponent root(nullptr);
  auto* edit = new TTestControl(&root);
  auto* label = new TTestControl(nullptr);  // not in the same tree: needs FreeNotification
  edit->SetBuddy(label);
  delete label;
  EXPECT_EQ(edit->Buddy(), nullptr);

  auto* buddy = new TTestControl(nullptr);
  edit->SetBuddy(buddy);
  delete edit;  // the link goes away with the watcher too: deleting buddy later must not call back
  delete buddy;
}

TEST_F(ObjectModel, NamesAreValidatedAndUniquePerOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
  try {
    b->SetName("1abc");
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "'1abc' is not a valid component name");
  }
  b->SetName("Button2");
  a->SetName("button1");  // a case change of one's own name is allowed
  EXPECT_EQ(a->Name(), "button1");
  EXPECT_FALSE(IsValidIdent("a b"));
  EXPECT_TRUE(IsValidIdent("_x9"));
}

TEST_F(ObjectModel, PublishedFieldsAreClearedWhenTheirComponentGoes) {
  TTestForm form(nullptr);
  form.Button1 = new TTestControl(&form);
  delete form.Button1;
  EXPECT_EQ(form.Button1, nullptr);
}

TEST_F(ObjectModel, DesigningSpreadsToOwnedComponents) {
  TComponent owner(nullptr);
  owner.SetDesigning(true);
  auto* c = new TComponent(&owner);
  EXPECT_TRUE(c->ComponentState().Contains(csDesigning));
  owner.SetDesigning(false);
  EXPECT_FALSE(c->ComponentState().Contains(csDesigning));
}

TEST_F(ObjectModel, AssignReportsClassesThatDoNotFit) {
  TTestFont font;
  TStringList list;
  try {
    font.Assign(&list);
    FAIL();
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TStringList to a TTestFont");
  }
  try {
    font.Assign(nullptr);
    FAIL();
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TTestFont");
  }
}

TEST_F(ObjectModel, CollectionsKeepRunningIdsAndCopyItems) {
  TTestData owner(nullptr);
  TOwnedCollection& store = *owner.Store();
  EXPECT_EQ(store.GetOwner(), &owner);
  for (int i = 0; i < 3; ++i) store.Add();
  EXPECT_EQ(static_cast<TTestItem*>(store.Items(2))->Name, "Item2");
  store.Delete(1);
  auto* added = static_cast<TTestItem*>(store.Add());
  EXPECT_EQ(added->ID(), 3);  // identifiers are not reused
  EXPECT_EQ(added->Name, "Item3");
  EXPECT_EQ(store.FindItemID(1), nullptr);
  EXPECT_EQ(added->GetOwner(), &store);
  added->SetIndex(0);
  EXPECT_EQ(store.Items(0), added);

  TOwnedCollection copy(nullptr, TItemClass::Of<TTestItem>());
  copy.Assign(&store);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Items(0))->Name, "Item3");
  EXPECT_THROW(copy.Assign(&owner), EAssignError);
  delete copy.Items(1);  // an item deleted directly leaves its collection
  EXPECT_EQ(copy.Count(), 2);
  copy.Clear();
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.NextID(), 3);
}

TEST_F(ObjectModel, RegistryCreatesByNameOnly) {
  EXPECT_EQ(FindComponentClass("TTESTDATA"), &TTestData::StaticClass());
  EXPECT_EQ(FindComponentClass("TUnknown"), nullptr);
  TComponent owner(nullptr);
  TComponent* c = CreateComponentByClassName("TTestData", &owner);
  EXPECT_EQ(c->Owner(), &owner);
  try {
    CreateComponentByClassName("TUnknown", &owner);
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TUnknown not found");
  }
}

}  // namespace
