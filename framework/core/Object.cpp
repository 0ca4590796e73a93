#include "framework/core/Object.h"

TEnumInfo::TEnumInfo(const char* TypeName, const char* Names) : FTypeName(TypeName) {
  // Split the enumerator list as the preprocessor spelled it: "a, b, c".
  String current;
  for (const char* p = Names;; ++p) {
    if (*p == ',' || *p == '\0') {
      String name = Trim(current);
      if (!name.empty()) FNames.push_back(name);
      current.clear();
      if (*p == '\0') break;
    } else {
      current += *p;
    }
  }
}

String TEnumInfo::NameOf(std::int64_t Ordinal) const {
  if (Ordinal < 0 || Ordinal >= Count()) return String();
  return FNames[static_cast<std::size_t>(Ordinal)];
}

int TEnumInfo::ValueOf(std::string_view Name) const {
  for (std::size_t i = 0; i < FNames.size(); ++i)
    if (SameText(FNames[i], Name)) return static_cast<int>(i);
  return -1;
}

const TEnumInfo& BooleanInfo() {
  static const TEnumInfo info("Boolean", "False, True");
  return info;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (c == &Other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view ClassName) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (SameText(c->FName, ClassName)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const TPropInfo& p : c->FProps)
      if (SameText(p.Name, Name)) return &p;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const TMethodEntry& m : c->FMethods)
      if (SameText(m.Name, Name)) return &m;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethodByCode(const TMethodCode* Code) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const TMethodEntry& m : c->FMethods)
      if (m.Code == Code) return &m;
  return nullptr;
}

const TFieldEntry* TClassInfo::FindField(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const TFieldEntry& f : c->FFields)
      if (SameText(f.Name, Name)) return &f;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::PropList() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->FParent) chain.push_back(c);
  std::vector<const TPropInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const TPropInfo& p : (*it)->FProps) {
      bool replaced = false;
      for (const TPropInfo*& q : list)
        if (SameText(q->Name, p.Name)) {
          q = &p;
          replaced = true;
        }
      if (!replaced) list.push_back(&p);
    }
  }
  return list;
}

std::vector<const TFieldEntry*> TClassInfo::FieldList() const {
  std::vector<const TFieldEntry*> list;
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const TFieldEntry& f : c->FFields) list.push_back(&f);
  return list;
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
