// Small component classes that exercise every kind of published property; shared by the object
// model tests, the description tests and the description fuzzer.
#pragma once

#include <memory>

#include "framework/core/Classes.h"

PUBLISHED_ENUM(TTestAlign, taLeftJustify, taRightJustify, taCenter)
PUBLISHED_ENUM(TTestStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TTestStyles = TSet<TTestStyle>;

// A sub-object written as dotted properties ("Font.Height = -11").
class TTestFont : public TPersistent {
  DECLARE_CLASS(TTestFont, TPersistent)

 public:
  static void Publish(TPublisher<TTestFont>& P) {
    P.Int("Height", &TTestFont::Height);
    P.Str("Name", &TTestFont::Name);
    P.Color("Color", &TTestFont::Color);
    P.Set("Style", &TTestFont::Style).Default(0);
  }
  void Assign(TPersistent* Source) override {
    if (auto* F = dynamic_cast<TTestFont*>(Source)) {
      Height = F->Height;
      Name = F->Name;
      Color = F->Color;
      Style = F->Style;
      return;
    }
    TPersistent::Assign(Source);
  }
  int Height = -11;
  String Name = "Tahoma";
  TColor Color = 0;
  TTestStyles Style;
};

class TTestItem : public TCollectionItem {
  DECLARE_CLASS(TTestItem, TCollectionItem)

 public:
  explicit TTestItem(TCollection* Collection) : TCollectionItem(Collection) {
    Name = "Item" + IntToStr(ID());
  }
  static void Publish(TPublisher<TTestItem>& P) {
    P.Str("Name", &TTestItem::Name);
    P.Int("Size", &TTestItem::Size).Stored(false);
  }
  void Assign(TPersistent* Source) override {
    if (auto* I = dynamic_cast<TTestItem*>(Source)) {
      Name = I->Name;
      Data.Clear();
      I->Data.SaveToStream(Data);
      return;
    }
    TCollectionItem::Assign(Source);
  }
  void DefineProperties(TFiler& Filer) override {
    TCollectionItem::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "Data", [this](TStream& S) { Data.LoadFromStream(S); }, [this](TStream& S) { Data.SaveToStream(S); },
        true);
  }
  String Name;
  int Size = 0;
  TMemoryStream Data;
};

// A control-like component: parented to the component whose block encloses it when read.
class TTestControl : public TComponent {
  DECLARE_CLASS(TTestControl, TComponent)

 public:
  explicit TTestControl(TComponent* AOwner)
      : TComponent(AOwner), FFont(std::make_unique<TTestFont>()), FItems(std::make_unique<TStringList>()) {}
  ~TTestControl() override {
    DestroyComponents();
    for (TTestControl* C : Children) C->FParent = nullptr;
    SetParentComponent(nullptr);
  }
  static void Publish(TPublisher<TTestControl>& P) {
    P.Int("Left", &TTestControl::Left);
    P.Bool("Visible", &TTestControl::Visible);
    P.Enum("Alignment", &TTestControl::Alignment);
    P.WStr("Caption", &TTestControl::Caption);
    P.Str("Hint", &TTestControl::Hint);
    P.Color("Color", &TTestControl::Color).Default(0x80000000 | 15);
    P.Obj("Font", &TTestControl::Font, &TTestControl::SetFont);
    P.Obj("Items", &TTestControl::Items, &TTestControl::SetItems);
    P.Obj("Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy);
    P.Event("OnClick", &TTestControl::OnClick);
    P.Int("ReadOnlyCount", &TTestControl::ReadOnlyCount);
  }
  TTestFont* Font() const { return FFont.get(); }
  void SetFont(TTestFont* Value) { FFont->Assign(Value); }
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  TTestControl* Buddy() const { return FBuddy; }
  void SetBuddy(TTestControl* Value) {
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = Value;
    if (FBuddy) FBuddy->FreeNotification(this);
  }
  int ReadOnlyCount() const { return 7; }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
  }
  void Loaded() override {
    StateAtLoaded = ComponentState();
    BuddyAtLoaded = FBuddy;
    TComponent::Loaded();
    LoadedCalls++;
  }

  int Left = 0;
  bool Visible = true;
  TTestAlign Alignment = taLeftJustify;
  WideString Caption;
  String Hint;
  TColor Color = 0x80000000 | 15;
  TNotifyEvent OnClick;
  int LoadedCalls = 0;
  TComponentState StateAtLoaded;
  TTestControl* BuddyAtLoaded = nullptr;
  std::vector<TTestControl*> Children;

 private:
  std::unique_ptr<TTestFont> FFont;
  std::unique_ptr<TStringList> FItems;
  TTestControl* FBuddy = nullptr;
  TComponent* FParent = nullptr;
};

// A non-visual component with a custom binary property and a collection.
class TTestData : public TComponent {
  DECLARE_CLASS(TTestData, TComponent)

 public:
  explicit TTestData(TComponent* AOwner)
      : TComponent(AOwner), FStore(std::make_unique<TOwnedCollection>(this, TItemClass::Of<TTestItem>())) {}
  static void Publish(TPublisher<TTestData>& P) {
    P.Bool("Active", &TTestData::Active);
    P.Obj("Store", &TTestData::Store, &TTestData::SetStore);
    P.Event("OnChanged", &TTestData::OnChanged);
  }
  TOwnedCollection* Store() const { return FStore.get(); }
  void SetStore(TOwnedCollection* Value) { FStore->Assign(Value); }
  void DefineProperties(TFiler& Filer) override {
    TComponent::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "SkinStream",
        [this](TStream& S) {
          const std::int32_t N = S.ReadInt32();
          if (N <= 0) return;
          SkinStream.SetSize(0);
          SkinStream.CopyFrom(S, N);
        },
        [this](TStream& S) {
          S.WriteInt32(static_cast<std::int32_t>(SkinStream.Size()));
          SkinStream.SetPosition(0);
          if (SkinStream.Size() > 0) S.CopyFrom(SkinStream, SkinStream.Size());
        },
        true);
  }
  void Loaded() override {
    TComponent::Loaded();
    LoadedCalls++;
  }
  bool Active = false;
  TMemoryStream SkinStream;
  TNotifyEvent OnChanged;
  int LoadedCalls = 0;

 private:
  std::unique_ptr<TOwnedCollection> FStore;
};

// The root: publishes its component fields and the handlers its description binds.
class TTestForm : public TTestControl {
  DECLARE_CLASS(TTestForm, TTestControl)

 public:
  explicit TTestForm(TComponent* AOwner) : TTestControl(AOwner) {}
  static void Publish(TPublisher<TTestForm>& P) {
    P.Field("Button1", &TTestForm::Button1);
    P.Field("Data1", &TTestForm::Data1);
    P.Method<&TTestForm::Button1Click>("Button1Click");
    P.Method<&TTestForm::FormClick>("FormClick");
    P.Method<&TTestForm::WrongShape>("WrongShape");
  }
  bool HasParent() const override { return false; }
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Button1Click(TObject* Sender) { Clicks.push_back("Button1Click"); }
  void FormClick(TObject* Sender) { Clicks.push_back("FormClick"); }
  int WrongShape(int X) { return X; }

  TTestControl* Button1 = nullptr;
  TTestData* Data1 = nullptr;
  std::vector<String> Clicks;
};

inline void TTestControl::SetParentComponent(TComponent* Value) {
  auto* Parent = dynamic_cast<TTestControl*>(Value);
  if (Parent == FParent) return;
  if (auto* Old = dynamic_cast<TTestControl*>(FParent)) std::erase(Old->Children, this);
  FParent = Parent;
  if (Parent) Parent->Children.push_back(this);
}

inline void TTestControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  for (TTestControl* C : Children)
    if (C->Owner() == Root) Proc(C);
}

inline void TTestForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);  // non-visual components first
  TTestControl::GetChildren(Proc, Root);
}

inline void RegisterTestClasses() {
  RegisterComponentClasses<TTestControl, TTestData, TTestForm>();
}
