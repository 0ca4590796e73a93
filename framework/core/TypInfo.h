// Published properties by name, on any object whose class publishes them (including classes the
// caller does not know). Names are case-insensitive; look-up walks the class chain.
#pragma once

#include <vector>

#include "framework/core/Object.h"

const TPropInfo* GetPropInfo(const TObject* Obj, std::string_view Name);  // null when absent
bool IsPublishedProp(const TObject* Obj, std::string_view Name);
std::vector<const TPropInfo*> GetPropList(const TObject* Obj);

// The typed accessors raise EPropertyError when the property is of another kind, read-only on a
// write, or given a value outside its type (unknown enumeration name, integer out of range).
std::int64_t GetOrdProp(TObject* Obj, const TPropInfo& Prop);  // integer, Boolean, enumeration, set, colour
void SetOrdProp(TObject* Obj, const TPropInfo& Prop, std::int64_t Value);
String GetEnumProp(TObject* Obj, const TPropInfo& Prop);  // value name ("True", "taCenter")
void SetEnumProp(TObject* Obj, const TPropInfo& Prop, std::string_view Value);
String GetSetProp(TObject* Obj, const TPropInfo& Prop);                        // "[a,b]"
void SetSetProp(TObject* Obj, const TPropInfo& Prop, std::string_view Value);  // "[a, b]" or "a,b"
String GetStrProp(TObject* Obj, const TPropInfo& Prop);  // string or wide string, as UTF-8
void SetStrProp(TObject* Obj, const TPropInfo& Prop, const String& Value);
WideString GetWideStrProp(TObject* Obj, const TPropInfo& Prop);  // string or wide string, as UTF-16
void SetWideStrProp(TObject* Obj, const TPropInfo& Prop, const WideString& Value);
TObject* GetObjectProp(TObject* Obj, const TPropInfo& Prop);
void SetObjectProp(TObject* Obj, const TPropInfo& Prop, TObject* Value);
TMethod GetMethodProp(TObject* Obj, const TPropInfo& Prop);
void SetMethodProp(TObject* Obj, const TPropInfo& Prop, const TMethod& Value);

// The same by name; EPropertyError "Unknown property: Name" when the class has no such property.
std::int64_t GetOrdProp(TObject* Obj, std::string_view Name);
void SetOrdProp(TObject* Obj, std::string_view Name, std::int64_t Value);
String GetEnumProp(TObject* Obj, std::string_view Name);
void SetEnumProp(TObject* Obj, std::string_view Name, std::string_view Value);
String GetStrProp(TObject* Obj, std::string_view Name);
void SetStrProp(TObject* Obj, std::string_view Name, const String& Value);
WideString GetWideStrProp(TObject* Obj, std::string_view Name);
void SetWideStrProp(TObject* Obj, std::string_view Name, const WideString& Value);
TObject* GetObjectProp(TObject* Obj, std::string_view Name);
void SetObjectProp(TObject* Obj, std::string_view Name, TObject* Value);
TMethod GetMethodProp(TObject* Obj, std::string_view Name);
void SetMethodProp(TObject* Obj, std::string_view Name, const TMethod& Value);

// Handlers published with P.Method<...>("Name"): the method bound to Obj, unassigned when absent.
TMethod FindMethod(TObject* Obj, std::string_view Name);
// The published name of a method's code in its object's class; empty when it has none.
String MethodName(const TMethod& Method);
