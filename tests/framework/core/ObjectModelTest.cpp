#include <gtest/gtest.h>

#include "framework/core/Classes.h"
#include "tests/framework/core/TestClasses.h"

namespace {

class ObjectModel : public testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

TEST_F(ObjectModel, ClassNamesAndInheritance) {
  TTestForm Form(nullptr);
  TObject* Obj = &Form;
  EXPECT_EQ(Obj->ClassName(), "TTestForm");
  EXPECT_TRUE(Obj->InheritsFrom("TTESTCONTROL"));  // names match without regard to case
  EXPECT_TRUE(Obj->InheritsFrom("tcomponent"));
  EXPECT_TRUE(Obj->InheritsFrom("TObject"));
  EXPECT_FALSE(Obj->InheritsFrom("TTestData"));
  EXPECT_TRUE(Obj->InheritsFrom<TComponent>());
  EXPECT_FALSE(Obj->InheritsFrom<TCollection>());
  EXPECT_TRUE(Obj->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_EQ(Form.ClassType().ClassParent(), &TTestControl::StaticClass());
  TStringList List;
  EXPECT_EQ(List.ClassName(), "TStringList");
  EXPECT_TRUE(List.InheritsFrom("TStrings"));
}

// The component is created by name and handled only through its published properties.
TEST_F(ObjectModel, PropertiesOfAClassKnownOnlyByName) {
  std::unique_ptr<TComponent> C(CreateComponentByClassName("ttestcontrol", nullptr));
  TObject* Obj = C.get();
  SetOrdProp(Obj, "left", 12);
  EXPECT_EQ(GetOrdProp(Obj, "Left"), 12);
  EXPECT_EQ(GetEnumProp(Obj, "Visible"), "True");
  SetEnumProp(Obj, "VISIBLE", "false");
  EXPECT_EQ(GetOrdProp(Obj, "Visible"), 0);
  SetEnumProp(Obj, "Alignment", "TACENTER");
  EXPECT_EQ(GetEnumProp(Obj, "Alignment"), "taCenter");
  SetStrProp(Obj, "Caption", "头 and 尾");  // a wide property takes UTF-8 text
  EXPECT_EQ(GetWideStrProp(Obj, "Caption"), u"头 and 尾");
  SetWideStrProp(Obj, "Hint", u"渐变");  // a narrow one holds UTF-8
  EXPECT_EQ(GetStrProp(Obj, "Hint"), "渐变");
  EXPECT_EQ(GetOrdProp(Obj, "Color"), 0x8000000F);

  TObject* Font = GetObjectProp(Obj, "Font");
  ASSERT_NE(Font, nullptr);
  EXPECT_EQ(Font->ClassName(), "TTestFont");
  SetOrdProp(Font, "Height", -13);
  SetSetProp(Font, *GetPropInfo(Font, "Style"), "[fsBold, fsUnderline]");
  EXPECT_EQ(GetSetProp(Font, *GetPropInfo(Font, "Style")), "[fsBold,fsUnderline]");
  EXPECT_EQ(static_cast<TTestControl*>(Obj)->Font()->Height, -13);

  // Inherited properties are found through the class chain.
  SetOrdProp(Obj, "Tag", 99);
  SetStrProp(Obj, "Name", "btn1");
  EXPECT_EQ(C->Tag(), 99);
  EXPECT_EQ(C->Name(), "btn1");
  EXPECT_FALSE(IsPublishedProp(Obj, "NoSuch"));
  EXPECT_EQ(GetPropInfo(Obj, "Font")->Kind, tkClass);
}

TEST_F(ObjectModel, BadPropertyAccessIsRefused) {
  TTestControl C(nullptr);
  EXPECT_THROW(GetOrdProp(&C, "NoSuch"), EPropertyError);
  EXPECT_THROW(GetOrdProp(&C, "Caption"), EPropertyError);  // wrong kind
  EXPECT_THROW(SetEnumProp(&C, "Alignment", "taNowhere"), EPropertyError);
  EXPECT_THROW(SetOrdProp(&C, "Alignment", 3), EPropertyError);  // past the last value
  EXPECT_THROW(SetOrdProp(&C, "Left", std::int64_t{1} << 40), EPropertyError);
  EXPECT_THROW(SetOrdProp(&C, "ReadOnlyCount", 1), EPropertyError);
  EXPECT_EQ(GetOrdProp(&C, "ReadOnlyCount"), 7);
  EXPECT_THROW(SetSetProp(C.Font(), *GetPropInfo(C.Font(), "Style"), "[fsBold, fsWide]"), EPropertyError);
  TTestData NotAFont(nullptr);
  EXPECT_THROW(SetObjectProp(&C, "Font", &NotAFont), EPropertyError);
  EXPECT_EQ(C.Font()->Height, -11);
}

TEST_F(ObjectModel, EventsAreComparableCopyableAndSafeWhenUnassigned) {
  TTestForm Form(nullptr);
  TNotifyEvent E;
  EXPECT_FALSE(E.Assigned());
  E(&Form);  // does nothing
  E = TNotifyEvent::Bind<&TTestForm::Button1Click>(&Form);
  TNotifyEvent Copy = E;
  EXPECT_TRUE(Copy == E);
  EXPECT_FALSE(E == TNotifyEvent::Bind<&TTestForm::FormClick>(&Form));
  TTestForm Other(nullptr);
  EXPECT_FALSE(E == TNotifyEvent::Bind<&TTestForm::Button1Click>(&Other));
  Copy(nullptr);
  EXPECT_EQ(Form.Clicks, std::vector<String>{"Button1Click"});

  // Published handlers are found by name and set through the event property.
  TTestControl Button(nullptr);
  TMethod M = FindMethod(&Form, "formclick");
  ASSERT_TRUE(M.Assigned());
  EXPECT_EQ(MethodName(M), "FormClick");
  SetMethodProp(&Button, "OnClick", M);
  Button.OnClick(&Button);
  EXPECT_EQ(Form.Clicks.back(), "FormClick");
  EXPECT_EQ(GetMethodProp(&Button, "OnClick"), M);
  EXPECT_THROW(SetMethodProp(&Button, "OnClick", FindMethod(&Form, "WrongShape")), EPropertyError);
  EXPECT_FALSE(FindMethod(&Form, "Missing").Assigned());
  SetMethodProp(&Button, "OnClick", TMethod());
  EXPECT_FALSE(Button.OnClick.Assigned());
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
  auto Owner = std::make_unique<TComponent>(nullptr);
  auto* Watcher = new TWatcher(Owner.get());
  auto* A = new TTestControl(Owner.get());
  A->SetName("A");
  EXPECT_EQ(Watcher->Seen.back(), std::make_pair(static_cast<TComponent*>(A), opInsert));
  EXPECT_EQ(Owner->ComponentCount(), 2);
  EXPECT_EQ(Owner->FindComponent("a"), A);
  EXPECT_EQ(A->ComponentIndex(), 1);

  delete A;  // an owned component leaves its owner, and the owner's components hear of it
  EXPECT_EQ(Owner->ComponentCount(), 1);
  EXPECT_EQ(Watcher->Seen.back(), std::make_pair(static_cast<TComponent*>(A), opRemove));
  EXPECT_EQ(Owner->FindComponent("A"), nullptr);
  EXPECT_THROW(Owner->Components(1), EListError);

  new TTestControl(Watcher);  // grand-child, freed through its owner
  Owner.reset();              // the leak checker confirms everything went
}

TEST_F(ObjectModel, FreeNotificationClearsReferencesBothWays) {
  TComponent Root(nullptr);
  auto* Edit = new TTestControl(&Root);
  auto* Label = new TTestControl(nullptr);  // not in the same tree: needs FreeNotification
  Edit->SetBuddy(Label);
  delete Label;
  EXPECT_EQ(Edit->Buddy(), nullptr);

  auto* Buddy = new TTestControl(nullptr);
  Edit->SetBuddy(Buddy);
  delete Edit;  // the link goes away with the watcher too: deleting buddy later must not call back
  delete Buddy;
}

TEST_F(ObjectModel, NamesAreValidatedAndUniquePerOwner) {
  TComponent Owner(nullptr);
  auto* A = new TComponent(&Owner);
  auto* B = new TComponent(&Owner);
  A->SetName("Button1");
  EXPECT_THROW(B->SetName("BUTTON1"), EComponentError);
  try {
    B->SetName("1abc");
  } catch (const EComponentError& E) {
    EXPECT_EQ(E.Message(), "'1abc' is not a valid component name");
  }
  B->SetName("Button2");
  A->SetName("button1");  // a case change of one's own name is allowed
  EXPECT_EQ(A->Name(), "button1");
  EXPECT_FALSE(IsValidIdent("a b"));
  EXPECT_TRUE(IsValidIdent("_x9"));
}

TEST_F(ObjectModel, PublishedFieldsAreClearedWhenTheirComponentGoes) {
  TTestForm Form(nullptr);
  Form.Button1 = new TTestControl(&Form);
  delete Form.Button1;
  EXPECT_EQ(Form.Button1, nullptr);
}

TEST_F(ObjectModel, DesigningSpreadsToOwnedComponents) {
  TComponent Owner(nullptr);
  Owner.SetDesigning(true);
  auto* C = new TComponent(&Owner);
  EXPECT_TRUE(C->ComponentState().Contains(csDesigning));
  Owner.SetDesigning(false);
  EXPECT_FALSE(C->ComponentState().Contains(csDesigning));
}

TEST_F(ObjectModel, AssignReportsClassesThatDoNotFit) {
  TTestFont Font;
  TStringList List;
  try {
    Font.Assign(&List);
    FAIL();
  } catch (const EAssignError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TStringList to a TTestFont");
  }
  try {
    Font.Assign(nullptr);
    FAIL();
  } catch (const EAssignError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a nil to a TTestFont");
  }
}

TEST_F(ObjectModel, CollectionsKeepRunningIdsAndCopyItems) {
  TTestData Owner(nullptr);
  TOwnedCollection& Store = *Owner.Store();
  EXPECT_EQ(Store.GetOwner(), &Owner);
  for (int I = 0; I < 3; ++I) Store.Add();
  EXPECT_EQ(static_cast<TTestItem*>(Store.Items(2))->Name, "Item2");
  Store.Delete(1);
  auto* Added = static_cast<TTestItem*>(Store.Add());
  EXPECT_EQ(Added->ID(), 3);  // identifiers are not reused
  EXPECT_EQ(Added->Name, "Item3");
  EXPECT_EQ(Store.FindItemID(1), nullptr);
  EXPECT_EQ(Added->GetOwner(), &Store);
  Added->SetIndex(0);
  EXPECT_EQ(Store.Items(0), Added);

  TOwnedCollection Copy(nullptr, TItemClass::Of<TTestItem>());
  Copy.Assign(&Store);
  ASSERT_EQ(Copy.Count(), 3);
  EXPECT_EQ(static_cast<TTestItem*>(Copy.Items(0))->Name, "Item3");
  EXPECT_THROW(Copy.Assign(&Owner), EAssignError);
  delete Copy.Items(1);  // an item deleted directly leaves its collection
  EXPECT_EQ(Copy.Count(), 2);
  Copy.Clear();
  EXPECT_EQ(Copy.Count(), 0);
  EXPECT_EQ(Copy.NextID(), 3);
}

TEST_F(ObjectModel, RegistryCreatesByNameOnly) {
  EXPECT_EQ(FindComponentClass("TTESTDATA"), &TTestData::StaticClass());
  EXPECT_EQ(FindComponentClass("TUnknown"), nullptr);
  TComponent Owner(nullptr);
  TComponent* C = CreateComponentByClassName("TTestData", &Owner);
  EXPECT_EQ(C->Owner(), &Owner);
  try {
    CreateComponentByClassName("TUnknown", &Owner);
    FAIL();
  } catch (const EClassNotFound& E) {
    EXPECT_EQ(E.Message(), "Class TUnknown not found");
  }
}

}  // namespace
