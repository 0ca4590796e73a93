// The object model: TObject with run-time class information, and the declaration of published
// properties. See Classes.h for a complete example of a class that publishes properties.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "framework/core/Events.h"
#include "framework/core/SysUtils.h"
#include "framework/core/Types.h"

class TObject;
class TClassInfo;
template <class T>
class TPublisher;

// Kinds of published property. Boolean, enumeration, set, integer and colour are the ordinal kinds.
enum TTypeKind {
  tkInteger,
  tkBoolean,
  tkEnumeration,
  tkSet,
  tkColor,
  tkString,
  tkWString,
  tkClass,
  tkMethod
};
PUBLISHED_ENUM_NAMES(TTypeKind, tkInteger, tkBoolean, tkEnumeration, tkSet, tkColor, tkString, tkWString,
                     tkClass, tkMethod)

// Boolean values are named False and True, as in form descriptions.
const TEnumInfo& BooleanInfo();

// One published property. Accessors not used by its kind are empty; a read-only property has no setter.
struct TPropInfo {
  String Name;
  TTypeKind Kind = tkInteger;
  const TEnumInfo* Enum = nullptr;            // enumeration, Boolean and set members
  const TClassInfo& (*ObjClass)() = nullptr;  // declared class of an object property
  const std::type_info* Signature = nullptr;  // function type of an event
  std::int64_t MinValue = std::numeric_limits<std::int64_t>::min();
  std::int64_t MaxValue = std::numeric_limits<std::int64_t>::max();
  bool HasDefault = false;  // the writer leaves out an ordinal equal to its default
  std::int64_t DefaultValue = 0;
  bool IsStored = true;  // false: never written to a form description

  std::function<std::int64_t(TObject&)> GetOrd;
  std::function<void(TObject&, std::int64_t)> SetOrd;
  std::function<String(TObject&)> GetStr;
  std::function<void(TObject&, const String&)> SetStr;
  std::function<WideString(TObject&)> GetWStr;
  std::function<void(TObject&, const WideString&)> SetWStr;
  std::function<TObject*(TObject&)> GetObj;
  std::function<void(TObject&, TObject*)> SetObj;
  std::function<TMethod(TObject&)> GetMethod;
  std::function<void(TObject&, const TMethod&)> SetMethod;

  bool IsOrdinal() const { return Kind <= tkColor; }
  bool IsWritable() const { return SetOrd || SetStr || SetWStr || SetObj || SetMethod; }
};

// A handler a class offers for binding by name (form descriptions say "OnClick = btn4Click").
struct TMethodEntry {
  String Name;
  const TMethodCode* Code;
};

// A published component field ("btn1" of TForm1) that reading a description fills in.
struct TFieldEntry {
  String Name;
  std::function<bool(TObject& Self, TObject* Value)> Set;  // false when Value has the wrong class
  std::function<TObject*(TObject& Self)> Get;
};

class TClassInfo {
 public:
  TClassInfo(const char* Name, const TClassInfo* Parent) : FName(Name), FParent(Parent) {}

  const String& ClassName() const { return FName; }
  const TClassInfo* ClassParent() const { return FParent; }
  bool InheritsFrom(const TClassInfo& Other) const;
  bool InheritsFrom(std::string_view ClassName) const;  // case-insensitive

  // Look-ups walk from this class towards TObject; names are case-insensitive.
  const TPropInfo* FindProp(std::string_view Name) const;
  const TMethodEntry* FindMethod(std::string_view Name) const;
  const TMethodEntry* FindMethodByCode(const TMethodCode* Code) const;
  const TFieldEntry* FindField(std::string_view Name) const;
  // Every property, base classes first; a redeclared property takes its ancestor's place.
  std::vector<const TPropInfo*> PropList() const;
  std::vector<const TFieldEntry*> FieldList() const;

  const std::vector<TPropInfo>& OwnProps() const { return FProps; }

  template <class Self, class Parent>
  static TClassInfo Make(const char* Name);

 private:
  template <class T>
  friend class TPublisher;
  String FName;
  const TClassInfo* FParent;
  std::vector<TPropInfo> FProps;
  std::vector<TMethodEntry> FMethods;
  std::vector<TFieldEntry> FFields;
};

// Base of every framework class. Not copyable: objects are shared by pointer and copied with Assign.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  static void Publish(TPublisher<TObject>&) {}

  const String& ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(std::string_view ClassName) const { return ClassType().InheritsFrom(ClassName); }
  bool InheritsFrom(const TClassInfo& Class) const { return ClassType().InheritsFrom(Class); }
  template <class T>
  bool InheritsFrom() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }
};

// Gives a class its run-time class information. Put it first in the class body; it leaves the
// access at private. A class that publishes properties also declares
//   static void Publish(TPublisher<Self>& P) { ... }
#define DECLARE_CLASS(Self, Parent)                                       \
 public:                                                                  \
  using inherited = Parent;                                               \
  static const TClassInfo& StaticClass() {                                \
    static const TClassInfo info = TClassInfo::Make<Self, Parent>(#Self); \
    return info;                                                          \
  }                                                                       \
  const TClassInfo& ClassType() const override {                          \
    return StaticClass();                                                 \
  }                                                                       \
                                                                          \
 private:

// Chained options of one property declaration: P.Int("Tag", ...).Default(0);
class TPropDecl {
 public:
  explicit TPropDecl(TPropInfo& Info) : FInfo(Info) {}
  TPropDecl& Default(std::int64_t Value) {
    FInfo.HasDefault = true;
    FInfo.DefaultValue = Value;
    return *this;
  }
  TPropDecl& Stored(bool Value) {
    FInfo.IsStored = Value;
    return *this;
  }

 private:
  TPropInfo& FInfo;
};

namespace publish_detail {
template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {
  using Element = E;
};
template <class T>
struct IsEvent : std::false_type {};
template <class Sig>
struct IsEvent<TEvent<Sig>> : std::true_type {
  using Signature = Sig;
};
[[noreturn]] void ThrowWrongClass(const String& PropName, TObject* Value);

// Getters are member functions, member fields or callables taking T&.
template <class T, class G>
decltype(auto) Get(G& Getter, TObject& Obj) {
  return std::invoke(Getter, static_cast<T&>(Obj));
}
template <class T, class S, class V>
void Set(S& Setter, TObject& Obj, V&& Value) {
  if constexpr (std::is_member_object_pointer_v<S>)
    static_cast<T&>(Obj).*Setter = std::forward<V>(Value);
  else
    std::invoke(Setter, static_cast<T&>(Obj), std::forward<V>(Value));
}
}  // namespace publish_detail

// Builds the class information of T; each call declares one published property or handler.
// Getter and setter are member functions, data members or callables; a data member given alone is
// both, and a getter function given alone makes the property read-only.
template <class T>
class TPublisher {
 public:
  explicit TPublisher(TClassInfo& Info) : FInfo(Info) {}

  template <class G, class S = std::nullptr_t>
  TPropDecl Int(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using V = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "Int needs an integer type");
    TPropInfo& Prop = Add(Name, tkInteger);
    Prop.MinValue = static_cast<std::int64_t>(std::numeric_limits<V>::min());
    if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(std::int64_t))
      Prop.MaxValue = std::numeric_limits<std::int64_t>::max();
    else
      Prop.MaxValue = static_cast<std::int64_t>(std::numeric_limits<V>::max());
    OrdinalAccess<V>(Prop, Get, Set);
    return TPropDecl(Prop);
  }

  template <class G, class S = std::nullptr_t>
  TPropDecl Bool(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using V = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(std::is_same_v<V, bool>, "Bool needs a bool");
    TPropInfo& Prop = Add(Name, tkBoolean);
    Prop.Enum = &BooleanInfo();
    Prop.MinValue = 0;
    Prop.MaxValue = 1;
    OrdinalAccess<V>(Prop, Get, Set);
    return TPropDecl(Prop);
  }

  // The enumeration needs its names: declare it with PUBLISHED_ENUM.
  template <class G, class S = std::nullptr_t>
  TPropDecl Enum(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using V = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(std::is_enum_v<V>, "Enum needs an enumeration");
    TPropInfo& Prop = Add(Name, tkEnumeration);
    Prop.Enum = &EnumInfo(V{});
    Prop.MinValue = 0;
    Prop.MaxValue = Prop.Enum->Count() - 1;
    OrdinalAccess<V>(Prop, Get, Set);
    return TPropDecl(Prop);
  }

  template <class G, class S = std::nullptr_t>
  TPropDecl Set(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using SS = decltype(Set);
    using V = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(publish_detail::IsSet<V>::value, "Set needs a TSet");
    using E = typename publish_detail::IsSet<V>::Element;
    TPropInfo& Prop = Add(Name, tkSet);
    Prop.Enum = &EnumInfo(E{});
    const int N = Prop.Enum->Count();
    Prop.MinValue = 0;
    Prop.MaxValue = N >= 63 ? std::numeric_limits<std::int64_t>::max() : (std::int64_t{1} << N) - 1;
    Prop.GetOrd = [Get](TObject& O) {
      return static_cast<std::int64_t>(V(publish_detail::Get<T>(Get, O)).Bits());
    };
    if constexpr (!std::is_null_pointer_v<SS>)
      Prop.SetOrd = [Set](TObject& O, std::int64_t Value) {
        publish_detail::Set<T>(Set, O, V::FromBits(static_cast<std::uint64_t>(Value)));
      };
    return TPropDecl(Prop);
  }

  template <class G, class S = std::nullptr_t>
  TPropDecl Color(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using SS = decltype(Set);
    TPropInfo& Prop = Add(Name, tkColor);
    Prop.MinValue = std::numeric_limits<std::int32_t>::min();
    Prop.MaxValue = std::numeric_limits<std::uint32_t>::max();
    Prop.GetOrd = [Get](TObject& O) {
      return static_cast<std::int64_t>(static_cast<TColor>(publish_detail::Get<T>(Get, O)));
    };
    if constexpr (!std::is_null_pointer_v<SS>)
      Prop.SetOrd = [Set](TObject& O, std::int64_t Value) {
        publish_detail::Set<T>(Set, O, static_cast<TColor>(Value));
      };
    return TPropDecl(Prop);
  }

  template <class G, class S = std::nullptr_t>
  TPropDecl Str(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using SS = decltype(Set);
    TPropInfo& Prop = Add(Name, tkString);
    Prop.GetStr = [Get](TObject& O) { return String(publish_detail::Get<T>(Get, O)); };
    if constexpr (!std::is_null_pointer_v<SS>)
      Prop.SetStr = [Set](TObject& O, const String& Value) { publish_detail::Set<T>(Set, O, Value); };
    return TPropDecl(Prop);
  }

  template <class G, class S = std::nullptr_t>
  TPropDecl WStr(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using SS = decltype(Set);
    TPropInfo& Prop = Add(Name, tkWString);
    Prop.GetWStr = [Get](TObject& O) { return WideString(publish_detail::Get<T>(Get, O)); };
    if constexpr (!std::is_null_pointer_v<SS>)
      Prop.SetWStr = [Set](TObject& O, const WideString& Value) { publish_detail::Set<T>(Set, O, Value); };
    return TPropDecl(Prop);
  }

  // An object property: a sub-object the class owns (Font, a string list, a collection), whose own
  // properties are then set through it, or a reference to another component.
  template <class G, class S = std::nullptr_t>
  TPropDecl Obj(const char* Name, G Get, S SetArg = nullptr) {
    auto Set = SetterOf(Get, SetArg);
    using SS = decltype(Set);
    using P = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(std::is_pointer_v<P>, "Obj needs a pointer to a framework class");
    using C = std::remove_cv_t<std::remove_pointer_t<P>>;
    TPropInfo& Prop = Add(Name, tkClass);
    Prop.ObjClass = &C::StaticClass;
    Prop.GetObj = [Get](TObject& O) -> TObject* {
      return const_cast<C*>(static_cast<const C*>(publish_detail::Get<T>(Get, O)));
    };
    if constexpr (!std::is_null_pointer_v<SS>)
      Prop.SetObj = [Set, PropName = String(Name)](TObject& O, TObject* Value) {
        C* Typed = dynamic_cast<C*>(Value);
        if (Value && !Typed) publish_detail::ThrowWrongClass(PropName, Value);
        publish_detail::Set<T>(Set, O, Typed);
      };
    return TPropDecl(Prop);
  }

  // An event held as a TEvent<...> member (or through getter and setter).
  template <class G, class S>
  TPropDecl Event(const char* Name, G Get, S Set) {
    using V = std::decay_t<std::invoke_result_t<G, T&>>;
    static_assert(publish_detail::IsEvent<V>::value, "Event needs a TEvent");
    TPropInfo& Prop = Add(Name, tkMethod);
    Prop.Signature = &typeid(typename publish_detail::IsEvent<V>::Signature);
    Prop.GetMethod = [Get](TObject& O) { return V(publish_detail::Get<T>(Get, O)).Method(); };
    Prop.SetMethod = [Set](TObject& O, const TMethod& Handler) {
      publish_detail::Set<T>(Set, O, V::FromMethod(Handler));
    };
    return TPropDecl(Prop);
  }
  template <class G>
  TPropDecl Event(const char* Name, G Field) {
    return Event(Name, Field, Field);
  }

  // A handler that descriptions bind by name: P.Method<&TForm1::btn4Click>("btn4Click");
  template <auto M>
  void Method(const char* Name) {
    using Sig = typename events_detail::SignatureOf<decltype(M)>::type;
    FInfo.FMethods.push_back(TMethodEntry{Name, &TEvent<Sig>::template CodeOf<M>()});
  }

  // A component field that reading a description sets: P.Field("btn1", &TForm1::btn1);
  template <class C>
  void Field(const char* Name, C* T::*Member) {
    FInfo.FFields.push_back(
        TFieldEntry{Name,
                    [Member](TObject& Self, TObject* Value) {
                      C* Typed = dynamic_cast<C*>(Value);
                      if (Value && !Typed) return false;
                      static_cast<T&>(Self).*Member = Typed;
                      return true;
                    },
                    [Member](TObject& Self) -> TObject* { return static_cast<T&>(Self).*Member; }});
  }

 private:
  TPropInfo& Add(const char* Name, TTypeKind Kind) {
    FInfo.FProps.emplace_back();
    TPropInfo& Prop = FInfo.FProps.back();
    Prop.Name = Name;
    Prop.Kind = Kind;
    return Prop;
  }

  // A data member alone serves as getter and setter.
  template <class G, class S>
  static auto SetterOf(G Get, S Set) {
    if constexpr (std::is_null_pointer_v<S> && std::is_member_object_pointer_v<G>)
      return Get;
    else
      return Set;
  }

  template <class V, class G, class S>
  void OrdinalAccess(TPropInfo& Prop, G& Get, S& Set) {
    Prop.GetOrd = [Get](TObject& O) { return static_cast<std::int64_t>(V(publish_detail::Get<T>(Get, O))); };
    if constexpr (!std::is_null_pointer_v<S>)
      Prop.SetOrd = [Set](TObject& O, std::int64_t Value) {
        publish_detail::Set<T>(Set, O, static_cast<V>(Value));
      };
  }

  TClassInfo& FInfo;
};

template <class Self, class Parent>
TClassInfo TClassInfo::Make(const char* Name) {
  TClassInfo Info(Name, &Parent::StaticClass());
  // Only a class that declares its own Publish adds properties; an inherited one ran for the parent.
  if constexpr (std::is_same_v<decltype(&Self::Publish), void (*)(TPublisher<Self>&)>) {
    TPublisher<Self> P(Info);
    Self::Publish(P);
  }
  return Info;
}
