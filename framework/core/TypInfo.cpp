#include "framework/core/TypInfo.h"

namespace {

[[noreturn]] void Fail(const TPropInfo& Prop, const char* What) {
  throw EPropertyError(String(What) + ": " + Prop.Name);
}

const TPropInfo& Need(const TObject* Obj, std::string_view Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  if (!p) throw EPropertyError("Unknown property: " + String(Name));
  return *p;
}

String SetToString(const TEnumInfo& Enum, std::uint64_t Bits) {
  String out = "[";
  bool first = true;
  for (int i = 0; i < Enum.Count() && i < 64; ++i)
    if (Bits & (std::uint64_t{1} << i)) {
      if (!first) out += ',';
      out += Enum.NameOf(i);
      first = false;
    }
  return out + "]";
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* Obj, std::string_view Name) {
  return Obj ? Obj->ClassType().FindProp(Name) : nullptr;
}

bool IsPublishedProp(const TObject* Obj, std::string_view Name) {
  return GetPropInfo(Obj, Name) != nullptr;
}

std::vector<const TPropInfo*> GetPropList(const TObject* Obj) {
  return Obj ? Obj->ClassType().PropList() : std::vector<const TPropInfo*>();
}

std::int64_t GetOrdProp(TObject* Obj, const TPropInfo& Prop) {
  if (!Prop.IsOrdinal()) Fail(Prop, "Not an ordinal property");
  return Prop.GetOrd(*Obj);
}

void SetOrdProp(TObject* Obj, const TPropInfo& Prop, std::int64_t Value) {
  if (!Prop.IsOrdinal()) Fail(Prop, "Not an ordinal property");
  if (!Prop.SetOrd) Fail(Prop, "Property is read-only");
  if (Value < Prop.MinValue || Value > Prop.MaxValue) Fail(Prop, "Invalid property value");
  Prop.SetOrd(*Obj, Value);
}

String GetEnumProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind != tkEnumeration && Prop.Kind != tkBoolean) Fail(Prop, "Not an enumeration property");
  return Prop.Enum->NameOf(Prop.GetOrd(*Obj));
}

void SetEnumProp(TObject* Obj, const TPropInfo& Prop, std::string_view Value) {
  if (Prop.Kind != tkEnumeration && Prop.Kind != tkBoolean) Fail(Prop, "Not an enumeration property");
  const int v = Prop.Enum->ValueOf(Value);
  if (v < 0) Fail(Prop, "Invalid property value");
  SetOrdProp(Obj, Prop, v);
}

String GetSetProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind != tkSet) Fail(Prop, "Not a set property");
  return SetToString(*Prop.Enum, static_cast<std::uint64_t>(Prop.GetOrd(*Obj)));
}

void SetSetProp(TObject* Obj, const TPropInfo& Prop, std::string_view Value) {
  if (Prop.Kind != tkSet) Fail(Prop, "Not a set property");
  String text = Trim(Value);
  if (!text.empty() && text.front() == '[') {
    if (text.back() != ']') Fail(Prop, "Invalid property value");
    text = text.substr(1, text.size() - 2);
  }
  std::uint64_t bits = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == String::npos) end = text.size();
    const String name = Trim(std::string_view(text).substr(start, end - start));
    if (!name.empty()) {
      const int v = Prop.Enum->ValueOf(name);
      if (v < 0 || v >= 64) Fail(Prop, "Invalid property value");
      bits |= std::uint64_t{1} << v;
    } else if (end < text.size()) {
      Fail(Prop, "Invalid property value");
    }
    start = end + 1;
  }
  if (!Prop.SetOrd) Fail(Prop, "Property is read-only");
  Prop.SetOrd(*Obj, static_cast<std::int64_t>(bits));
}

String GetStrProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind == tkString) return Prop.GetStr(*Obj);
  if (Prop.Kind == tkWString) return Utf16ToUtf8(Prop.GetWStr(*Obj));
  Fail(Prop, "Not a string property");
}

void SetStrProp(TObject* Obj, const TPropInfo& Prop, const String& Value) {
  if (Prop.Kind == tkString) {
    if (!Prop.SetStr) Fail(Prop, "Property is read-only");
    Prop.SetStr(*Obj, Value);
  } else if (Prop.Kind == tkWString) {
    if (!Prop.SetWStr) Fail(Prop, "Property is read-only");
    Prop.SetWStr(*Obj, Utf8ToUtf16(Value));
  } else {
    Fail(Prop, "Not a string property");
  }
}

WideString GetWideStrProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind == tkWString) return Prop.GetWStr(*Obj);
  if (Prop.Kind == tkString) return Utf8ToUtf16(Prop.GetStr(*Obj));
  Fail(Prop, "Not a string property");
}

void SetWideStrProp(TObject* Obj, const TPropInfo& Prop, const WideString& Value) {
  if (Prop.Kind == tkWString) {
    if (!Prop.SetWStr) Fail(Prop, "Property is read-only");
    Prop.SetWStr(*Obj, Value);
  } else {
    SetStrProp(Obj, Prop, Utf16ToUtf8(Value));
  }
}

TObject* GetObjectProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind != tkClass) Fail(Prop, "Not an object property");
  return Prop.GetObj(*Obj);
}

void SetObjectProp(TObject* Obj, const TPropInfo& Prop, TObject* Value) {
  if (Prop.Kind != tkClass) Fail(Prop, "Not an object property");
  if (!Prop.SetObj) Fail(Prop, "Property is read-only");
  Prop.SetObj(*Obj, Value);
}

TMethod GetMethodProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind != tkMethod) Fail(Prop, "Not an event property");
  return Prop.GetMethod(*Obj);
}

void SetMethodProp(TObject* Obj, const TPropInfo& Prop, const TMethod& Value) {
  if (Prop.Kind != tkMethod) Fail(Prop, "Not an event property");
  if (Value.Code && *Value.Code->Signature != *Prop.Signature)
    Fail(Prop, "Method does not match the event's parameters");
  Prop.SetMethod(*Obj, Value);
}

std::int64_t GetOrdProp(TObject* Obj, std::string_view Name) {
  return GetOrdProp(Obj, Need(Obj, Name));
}
void SetOrdProp(TObject* Obj, std::string_view Name, std::int64_t Value) {
  SetOrdProp(Obj, Need(Obj, Name), Value);
}
String GetEnumProp(TObject* Obj, std::string_view Name) {
  return GetEnumProp(Obj, Need(Obj, Name));
}
void SetEnumProp(TObject* Obj, std::string_view Name, std::string_view Value) {
  SetEnumProp(Obj, Need(Obj, Name), Value);
}
String GetStrProp(TObject* Obj, std::string_view Name) {
  return GetStrProp(Obj, Need(Obj, Name));
}
void SetStrProp(TObject* Obj, std::string_view Name, const String& Value) {
  SetStrProp(Obj, Need(Obj, Name), Value);
}
WideString GetWideStrProp(TObject* Obj, std::string_view Name) {
  return GetWideStrProp(Obj, Need(Obj, Name));
}
void SetWideStrProp(TObject* Obj, std::string_view Name, const WideString& Value) {
  SetWideStrProp(Obj, Need(Obj, Name), Value);
}
TObject* GetObjectProp(TObject* Obj, std::string_view Name) {
  return GetObjectProp(Obj, Need(Obj, Name));
}
void SetObjectProp(TObject* Obj, std::string_view Name, TObject* Value) {
  SetObjectProp(Obj, Need(Obj, Name), Value);
}
TMethod GetMethodProp(TObject* Obj, std::string_view Name) {
  return GetMethodProp(Obj, Need(Obj, Name));
}
void SetMethodProp(TObject* Obj, std::string_view Name, const TMethod& Value) {
  SetMethodProp(Obj, Need(Obj, Name), Value);
}

TMethod FindMethod(TObject* Obj, std::string_view Name) {
  if (!Obj) return TMethod();
  const TMethodEntry* m = Obj->ClassType().FindMethod(Name);
  return m ? TMethod{m->Code, Obj} : TMethod();
}

String MethodName(const TMethod& Method) {
  if (!Method.Code || !Method.Data) return String();
  const TMethodEntry* m = Method.Data->ClassType().FindMethodByCode(Method.Code);
  return m ? m->Name : String();
}
