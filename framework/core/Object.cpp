#include "framework/core/Object.h"

TEnumInfo::TEnumInfo(const char* TypeName, const char* Names) : FTypeName(TypeName) {
  // Split the enumerator list as the preprocessor spelled it: "a, b, c".
  String Current;
  for (const char* P = Names;; ++P) {
    if (*P == ',' || *P == '\0') {
      String Name = Trim(Current);
      if (!Name.empty()) FNames.push_back(Name);
      Current.clear();
      if (*P == '\0') break;
    } else {
      Current += *P;
    }
  }
}

String TEnumInfo::NameOf(std::int64_t Ordinal) const {
  if (Ordinal < 0 || Ordinal >= Count()) return String();
  return FNames[static_cast<std::size_t>(Ordinal)];
}

int TEnumInfo::ValueOf(std::string_view Name) const {
  for (std::size_t I = 0; I < FNames.size(); ++I)
    if (SameText(FNames[I], Name)) return static_cast<int>(I);
  return -1;
}

const TEnumInfo& BooleanInfo() {
  static const TEnumInfo Info("Boolean", "False, True");
  return Info;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo Info("TObject", nullptr);
  return Info;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    if (C == &Other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view ClassName) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    if (SameText(C->FName, ClassName)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view Name) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    for (const TPropInfo& P : C->FProps)
      if (SameText(P.Name, Name)) return &P;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view Name) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    for (const TMethodEntry& M : C->FMethods)
      if (SameText(M.Name, Name)) return &M;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethodByCode(const TMethodCode* Code) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    for (const TMethodEntry& M : C->FMethods)
      if (M.Code == Code) return &M;
  return nullptr;
}

const TFieldEntry* TClassInfo::FindField(std::string_view Name) const {
  for (const TClassInfo* C = this; C; C = C->FParent)
    for (const TFieldEntry& F : C->FFields)
      if (SameText(F.Name, Name)) return &F;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::PropList() const {
  std::vector<const TClassInfo*> Chain;
  for (const TClassInfo* C = this; C; C = C->FParent) Chain.push_back(C);
  std::vector<const TPropInfo*> List;
  for (auto It = Chain.rbegin(); It != Chain.rend(); ++It) {
    for (const TPropInfo& P : (*It)->FProps) {
      bool Replaced = false;
      for (const TPropInfo*& Q : List)
        if (SameText(Q->Name, P.Name)) {
          Q = &P;
          Replaced = true;
        }
      if (!Replaced) List.push_back(&P);
    }
  }
  return List;
}

std::vector<const TFieldEntry*> TClassInfo::FieldList() const {
  std::vector<const TFieldEntry*> List;
  for (const TClassInfo* C = this; C; C = C->FParent)
    for (const TFieldEntry& F : C->FFields) List.push_back(&F);
  return List;
}

namespace publish_detail {
void ThrowWrongClass(const String& PropName, TObject* Value) {
  throw EPropertyError("Invalid property value: a " + Value->ClassName() + " does not fit property " +
                       PropName);
}
}  // namespace publish_detail

namespace events_detail {
void ThrowSignatureMismatch() {
  throw EPropertyError("Method does not match the event's parameters");
}
}  // namespace events_detail
