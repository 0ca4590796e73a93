#include <algorithm>
#include <memory>
#include <span>

#include "framework/core/Collection.h"
#include "framework/core/Colors.h"
#include "framework/core/Description.h"
#include "framework/core/DescriptionTree.h"
#include "framework/core/Streams.h"
#include "framework/core/TypInfo.h"
#include "framework/core/WithinUpdate.h"

namespace {

using description::TItem;
using description::TObjectNode;
using description::TProperty;
using description::TValue;

// Applies a parsed tree to components. Also the TReader that DefineProperties' procedures read from.
class TTreeReader : public TReader {
 public:
  explicit TTreeReader(TComponent* Root) : FRoot(Root) {}

  void ReadRoot(const TObjectNode& Node) {
    try {
      FLine = Node.Line;
      if (!FRoot->InheritsFrom(Node.ClassName))
        Fail("Cannot read a " + Node.ClassName + " into a " + FRoot->ClassName());
      Begin(FRoot);
      if (FRoot->Name().empty() && !Node.Name.empty()) FRoot->SetName(Node.Name);
      ReadBody(Node, FRoot);
      ResolveReferences();
      for (TComponent* Component : FLoaded) Component->SetReading(false);
      for (TComponent* Component : FLoaded) Component->Loaded();
    } catch (...) {
      Undo();
      Rethrow();
    }
  }

  // ---- TFiler: a custom property matches when its name is the one being read.
  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc&, bool) override {
    if (!FPending || FPendingDone || !SameText(Name, FPendingName)) return;
    FPendingDone = true;
    FFrames.assign(1, TFrame{std::span<const TValue>(FPending, 1), 0});
    ReadData(*this);
    if (FFrames.size() != 1 || FFrames[0].Index != 1) Fail("Invalid property value");
  }

  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc&,
                            bool) override {
    if (!FPending || FPendingDone || !SameText(Name, FPendingName)) return;
    FPendingDone = true;
    if (FPending->Kind != TValue::vkBinary) Fail("Binary data expected for " + Name);
    TMemoryStream Stream;
    Stream.WriteBuffer(FPending->Bytes.data(), static_cast<std::int64_t>(FPending->Bytes.size()));
    Stream.SetPosition(0);
    ReadData(Stream);
  }

  // ---- TReader: values of the custom property being read.
  std::int64_t ReadInteger() override { return Take(TValue::vkInteger, "Integer").Integer; }
  bool ReadBoolean() override {
    const String Word = Take(TValue::vkIdent, "Boolean").Ident;
    const int Ordinal = BooleanInfo().ValueOf(Word);
    if (Ordinal < 0) Fail("Boolean expected");
    return Ordinal == 1;
  }
  String ReadIdent() override { return Take(TValue::vkIdent, "Identifier").Ident; }
  String ReadString() override { return Utf16ToUtf8(Take(TValue::vkString, "String").Text); }
  WideString ReadWideString() override { return Take(TValue::vkString, "String").Text; }
  void ReadListBegin() override {
    const TValue& ListValue = Take(TValue::vkList, "List");
    FFrames.push_back(TFrame{std::span<const TValue>(ListValue.List), 0});
  }
  bool NextIsList() override {
    if (FFrames.size() < 2) return false;
    const TFrame& Frame = FFrames.back();
    return Frame.Index < Frame.Values.size() && Frame.Values[Frame.Index].Kind == TValue::vkList;
  }
  bool EndOfList() override {
    return FFrames.size() < 2 || FFrames.back().Index >= FFrames.back().Values.size();
  }
  void ReadListEnd() override {
    if (FFrames.size() < 2 || !EndOfList()) Fail("End of list expected");
    FFrames.pop_back();
  }

 private:
  struct TFrame {
    std::span<const TValue> Values;
    std::size_t Index;
  };
  struct TFixup {
    TObject* Instance;
    const TPropInfo* Prop;
    String Name;
    int Line;
  };

  [[noreturn]] void Fail(const String& Message) const { throw EParserError(FLine, Message); }

  // Turns any framework error into one that names the line being read.
  [[noreturn]] void Rethrow() const {
    try {
      throw;
    } catch (const EParserError&) {
      throw;
    } catch (const Exception& E) {
      throw EParserError(FLine, E.Message());
    }
  }

  void Begin(TComponent* C) {
    C->SetLoading(true);
    C->SetReading(true);
    FLoaded.push_back(C);
  }

  // Frees what this read created (newest first) and takes the loading state off the rest.
  void Undo() {
    std::vector<TComponent*> Survivors;
    for (TComponent* Component : FLoaded)
      if (std::find(FCreated.begin(), FCreated.end(), Component) == FCreated.end())
        Survivors.push_back(Component);
    for (auto It = FCreated.rbegin(); It != FCreated.rend(); ++It) delete *It;
    FCreated.clear();
    for (TComponent* Component : Survivors) {
      Component->SetReading(false);
      Component->SetLoading(false);
    }
  }

  void ReadBody(const TObjectNode& Node, TComponent* Instance) {
    for (const TProperty& Prop : Node.Props) ReadProperty(Instance, Prop);
    for (const TObjectNode& Child : Node.Children) ReadChild(Child, Instance);
  }

  void ReadChild(const TObjectNode& Node, TComponent* Parent) {
    FLine = Node.Line;
    TComponent* Component = Node.Name.empty() ? nullptr : FRoot->FindComponent(Node.Name);
    if (Component) {
      if (!SameText(Component->ClassName(), Node.ClassName))
        Fail("A component named " + Node.Name + " already exists");
      for (TComponent* Earlier : FLoaded)
        if (Earlier == Component) Fail("A component named " + Node.Name + " already exists");
    } else {
      if (!FindComponentClass(Node.ClassName)) Fail("Class " + Node.ClassName + " not found");
      Component = CreateComponentByClassName(Node.ClassName, FRoot);
      FCreated.push_back(Component);
      Component->SetName(Node.Name);
      if (const TFieldEntry* FieldEntry = FRoot->ClassType().FindField(Node.Name))
        if (!FieldEntry->Set(*FRoot, Component))
          Fail("Field " + Node.Name + " of " + FRoot->ClassName() + " does not fit a " + Node.ClassName);
    }
    Begin(Component);
    // Only a class that has a parent gets the enclosing block's component as one: the writer lists
    // the others with their owner, and a parent as well would write them twice.
    if (Component->HasParent()) Component->SetParentComponent(Parent);
    ReadBody(Node, Component);
  }

  // Walks a dotted name to the object that holds the last part.
  void ReadProperty(TObject* Instance, const TProperty& P) {
    FLine = P.Line;
    TObject* Holder = Instance;
    std::string_view Path = P.Name;
    for (std::size_t Dot; (Dot = Path.find('.')) != std::string_view::npos; Path.remove_prefix(Dot + 1)) {
      const std::string_view Part = Path.substr(0, Dot);
      const TPropInfo* Info = GetPropInfo(Holder, Part);
      if (!Info) Fail(UnknownProperty(Holder, Part));
      if (Info->Kind != tkClass) Fail("Property " + String(Part) + " has no sub-properties");
      TObject* Sub = Info->GetObj(*Holder);
      if (!Sub) Fail("Property " + String(Part) + " is nil");
      Holder = Sub;
    }
    if (const TPropInfo* Info = GetPropInfo(Holder, Path)) {
      SetValue(Holder, *Info, P.Value);
      return;
    }
    auto* Persistent = dynamic_cast<TPersistent*>(Holder);
    if (Persistent) {
      FPending = &P.Value;
      FPendingName = String(Path);
      FPendingDone = false;
      try {
        Persistent->DefineProperties(*this);
      } catch (...) {
        FPending = nullptr;
        throw;
      }
      FPending = nullptr;
      if (FPendingDone) return;
    }
    Fail(UnknownProperty(Holder, Path));
  }

  static String UnknownProperty(TObject* Target, std::string_view Name) {
    return "Unknown property " + String(Name) + " of " + Target->ClassName();
  }

  void SetValue(TObject* Target, const TPropInfo& Prop, const TValue& V) {
    FLine = V.Line;
    switch (Prop.Kind) {
      case tkInteger:
        if (V.Kind != TValue::vkInteger) Fail("Integer expected for " + Prop.Name);
        SetOrdProp(Target, Prop, V.Integer);
        break;
      case tkBoolean:
      case tkEnumeration:
        if (V.Kind != TValue::vkIdent) Fail("Name of a value expected for " + Prop.Name);
        SetEnumProp(Target, Prop, V.Ident);
        break;
      case tkSet: {
        if (V.Kind != TValue::vkSet) Fail("Set expected for " + Prop.Name);
        std::uint64_t Bits = 0;
        for (const String& M : V.Set) {
          const int E = Prop.Enum->ValueOf(M);
          if (E < 0 || E >= 64) Fail("Invalid set member " + M + " for " + Prop.Name);
          Bits |= std::uint64_t{1} << E;
        }
        SetOrdProp(Target, Prop, static_cast<std::int64_t>(Bits));
        break;
      }
      case tkColor: {
        TColor Color;
        if (V.Kind == TValue::vkInteger) {
          SetOrdProp(Target, Prop, V.Integer);
        } else if (V.Kind == TValue::vkIdent && IdentToColor(V.Ident, Color)) {
          SetOrdProp(Target, Prop, Color);
        } else {
          Fail("Colour expected for " + Prop.Name);
        }
        break;
      }
      case tkString:
      case tkWString:
        if (V.Kind != TValue::vkString) Fail("String expected for " + Prop.Name);
        SetWideStrProp(Target, Prop, V.Text);
        break;
      case tkClass:
        SetObjectValue(Target, Prop, V);
        break;
      case tkMethod: {
        if (V.Kind != TValue::vkIdent) Fail("Handler name expected for " + Prop.Name);
        const TMethod M = FindMethod(FRoot, V.Ident);
        if (!M.Assigned()) Fail("Unknown handler " + V.Ident + " in " + FRoot->ClassName());
        if (!Prop.SetMethod) Fail("Property " + Prop.Name + " is read-only");
        SetMethodProp(Target, Prop, M);
        break;
      }
    }
  }

  void SetObjectValue(TObject* Target, const TPropInfo& Prop, const TValue& V) {
    if (V.Kind == TValue::vkIdent) {
      if (!Prop.SetObj) Fail("Property " + Prop.Name + " is read-only");
      if (SameText(V.Ident, "nil"))
        SetObjectProp(Target, Prop, nullptr);
      else
        FFixups.push_back(TFixup{Target, &Prop, V.Ident, V.Line});  // the component may come later
      return;
    }
    if (V.Kind != TValue::vkCollection) Fail("Invalid property value for " + Prop.Name);
    auto* Collection = dynamic_cast<TCollection*>(Prop.GetObj(*Target));
    if (!Collection) Fail("Property " + Prop.Name + " is not a collection");
    WithinUpdate(*Collection, [&] {
      Collection->Clear();
      for (const TItem& Item : V.Items) {
        FLine = Item.Line;
        TCollectionItem* Added = Collection->Add();
        for (const TProperty& ItemProp : Item.Props) ReadProperty(Added, ItemProp);
      }
    });
  }

  void ResolveReferences() {
    for (const TFixup& F : FFixups) {
      FLine = F.Line;
      TComponent* Referenced = SameText(F.Name, FRoot->Name()) ? FRoot : FRoot->FindComponent(F.Name);
      if (!Referenced) Fail("Unknown component " + F.Name);
      SetObjectProp(F.Instance, *F.Prop, Referenced);
    }
  }

  const TValue& Take(TValue::TKind Kind, const char* What) {
    if (FFrames.empty()) Fail("Invalid property value");
    TFrame& Current = FFrames.back();
    if (Current.Index >= Current.Values.size()) Fail(String(What) + " expected");
    const TValue& Next = Current.Values[Current.Index++];
    if (Next.Kind != Kind) Fail(String(What) + " expected");
    return Next;
  }

  TComponent* FRoot;
  int FLine = 1;
  std::vector<TComponent*> FLoaded;   // every component read, root first
  std::vector<TComponent*> FCreated;  // created by this read: freed on failure
  std::vector<TFixup> FFixups;
  const TValue* FPending = nullptr;  // the custom property being offered to DefineProperties
  String FPendingName;
  bool FPendingDone = false;
  std::vector<TFrame> FFrames;
};

}  // namespace

void ReadComponentFromText(std::string_view Text, TComponent* Root) {
  const TObjectNode Tree = description::Parse(Text);
  TTreeReader(Root).ReadRoot(Tree);
}

TComponent* CreateComponentFromText(std::string_view Text, TComponent* Owner) {
  const TObjectNode Tree = description::Parse(Text);
  if (!FindComponentClass(Tree.ClassName))
    throw EParserError(Tree.Line, "Class " + Tree.ClassName + " not found");
  std::unique_ptr<TComponent> Root(CreateComponentByClassName(Tree.ClassName, Owner));
  TTreeReader(Root.get()).ReadRoot(Tree);
  return Root.release();
}

void ReadComponentFromStream(TStream& Stream, TComponent* Root) {
  const std::int64_t Available = Stream.Size() - Stream.Position();
  String Text(static_cast<std::size_t>(Available > 0 ? Available : 0), '\0');
  Stream.ReadBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
  ReadComponentFromText(Text, Root);
}
