#include "framework/core/TypInfo.h"

namespace {

[[noreturn]] void Fail(const TPropInfo& Prop, const char* What) {
  throw EPropertyError(String(What) + ": " + Prop.Name);
}

const TPropInfo& Need(const TObject* Obj, std::string_view Name) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  if (!P) throw EPropertyError("Unknown property: " + String(Name));
  return *P;
}

String SetToString(const TEnumInfo& Enum, std::uint64_t Bits) {
  String Out = "[";
  bool First = true;
  for (int I = 0; I < Enum.Count() && I < 64; ++I)
    if (Bits & (std::uint64_t{1} << I)) {
      if (!First) Out += ',';
      Out += Enum.NameOf(I);
      First = false;
    }
  return Out + "]";
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
  const int V = Prop.Enum->ValueOf(Value);
  if (V < 0) Fail(Prop, "Invalid property value");
  SetOrdProp(Obj, Prop, V);
}

String GetSetProp(TObject* Obj, const TPropInfo& Prop) {
  if (Prop.Kind != tkSet) Fail(Prop, "Not a set property");
  return SetToString(*Prop.Enum, static_cast<std::uint64_t>(Prop.GetOrd(*Obj)));
}

void SetSetProp(TObject* Obj, const TPropInfo& Prop, std::string_view Value) {
  if (Prop.Kind != tkSet) Fail(Prop, "Not a set property");
  String Text = Trim(Value);
  if (!Text.empty() && Text.front() == '[') {
    if (Text.back() != ']') Fail(Prop, "Invalid property value");
    Text = Text.substr(1, Text.size() - 2);
  }
  std::uint64_t Bits = 0;
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    std::size_t End = Text.find(',', Start);
    if (End == String::npos) End = Text.size();
    const String Name = Trim(std::string_view(Text).substr(Start, End - Start));
    if (!Name.empty()) {
      const int V = Prop.Enum->ValueOf(Name);
      if (V < 0 || V >= 64) Fail(Prop, "Invalid property value");
      Bits |= std::uint64_t{1} << V;
    } else if (End < Text.size()) {
      Fail(Prop, "Invalid property value");
    }
    Start = End + 1;
  }
  if (!Prop.SetOrd) Fail(Prop, "Property is read-only");
  Prop.SetOrd(*Obj, static_cast<std::int64_t>(Bits));
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
  const TMethodEntry* M = Obj->ClassType().FindMethod(Name);
  return M ? TMethod{M->Code, Obj} : TMethod();
}

String MethodName(const TMethod& Method) {
  if (!Method.Code || !Method.Data) return String();
  const TMethodEntry* M = Method.Data->ClassType().FindMethodByCode(Method.Code);
  return M ? M->Name : String();
}
