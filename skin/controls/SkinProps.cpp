// Published-property access by name for the control skin objects: they read "Caption", "Font",
// "Checked", "State", "Glyph" and the like from any control class, including classes of other
// component sets that the engine does not know. A missing property or a value of another kind gives
// the empty answer; nothing here raises.
#include "framework/core/TypInfo.h"
#include "skin/controls/SkinControl.h"

String GetProperty(TObject* Object, std::string_view Name) {
  if (!Object) return {};
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop) return {};
    switch (Prop->Kind) {
      case tkBoolean:
      case tkEnumeration:
        return GetEnumProp(Object, *Prop);
      case tkSet:
        return GetSetProp(Object, *Prop);
      case tkInteger:
      case tkColor:
        return IntToStr(GetOrdProp(Object, *Prop));
      default:
        return {};
    }
  } catch (...) {
    return {};
  }
}

int GetIntProperty(TObject* Object, std::string_view Name) {
  if (!Object) return -1;
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || !Prop->IsOrdinal()) return -1;
    return static_cast<int>(GetOrdProp(Object, *Prop));
  } catch (...) {
    return -1;
  }
}

String GetEnumProperty(TObject* Object, std::string_view Name) {
  if (!Object) return {};
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || (Prop->Kind != tkEnumeration && Prop->Kind != tkBoolean)) return {};
    return GetEnumProp(Object, *Prop);
  } catch (...) {
    return {};
  }
}

WideString GetStringProp(TObject* Object, std::string_view Name) {
  if (!Object) return {};
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || (Prop->Kind != tkString && Prop->Kind != tkWString)) return {};
    return GetWideStrProp(Object, *Prop);
  } catch (...) {
    return {};
  }
}

TMethod GetObjMethod(TObject* Object, std::string_view Name) {
  if (!Object) return {};
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || Prop->Kind != tkMethod) return {};
    return GetMethodProp(Object, *Prop);
  } catch (...) {
    return {};
  }
}

TObject* GetObjProp(TObject* Object, std::string_view Name, const TClassInfo& Class) {
  if (!Object) return nullptr;
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || Prop->Kind != tkClass) return nullptr;
    TObject* Value = GetObjectProp(Object, *Prop);
    return Value && Value->InheritsFrom(Class) ? Value : nullptr;
  } catch (...) {
    return nullptr;
  }
}

void SetProperty(TObject* Object, std::string_view Name, const String& Value) {
  if (!Object) return;
  try {
    const TPropInfo* Prop = GetPropInfo(Object, Name);
    if (!Prop || !Prop->IsWritable()) return;
    switch (Prop->Kind) {
      case tkBoolean:
      case tkEnumeration:
        SetEnumProp(Object, *Prop, Value);
        break;
      case tkSet:
        SetSetProp(Object, *Prop, Value);
        break;
      case tkInteger:
      case tkColor: {
        std::int64_t Number = 0;
        if (TryStrToInt64(Value, Number)) SetOrdProp(Object, *Prop, Number);
        break;
      }
      case tkString:
      case tkWString:
        SetStrProp(Object, *Prop, Value);
        break;
      default:
        break;
    }
  } catch (...) {
    // A value the property does not take leaves it as it was.
  }
}
