// Basic value types of the framework: text, colours, sets and enumeration names.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Narrow text is UTF-8; wide text is UTF-16 (what the Windows API speaks).
using String = std::string;
using WideString = std::u16string;

// Red in the low byte, then green, then blue; 0x80000000 | n names system colour n.
using TColor = std::uint32_t;

// Names of an enumeration's values, in ordinal order (0, 1, 2, ...). Found by argument-dependent
// look-up of EnumInfo(E{}), which PUBLISHED_ENUM / PUBLISHED_ENUM_NAMES define.
class TEnumInfo {
 public:
  // Names is the enumerator list as written in source: "alNone, alTop, alBottom".
  TEnumInfo(const char* TypeName, const char* Names);
  const String& TypeName() const { return FTypeName; }
  int Count() const { return static_cast<int>(FNames.size()); }
  // Empty for an ordinal outside the enumeration.
  String NameOf(std::int64_t Ordinal) const;
  // Case-insensitive; -1 when no value has that name.
  int ValueOf(std::string_view Name) const;

 private:
  String FTypeName;
  std::vector<String> FNames;
};

// Declares an enumeration whose value names are known at run time (published properties need them).
// Enumerators must be plain names numbered from 0.
#define PUBLISHED_ENUM(Type, ...)                     \
  enum Type { __VA_ARGS__ };                          \
  inline const TEnumInfo& EnumInfo(Type) {            \
    static const TEnumInfo info(#Type, #__VA_ARGS__); \
    return info;                                      \
  }

// Adds value names to an enumeration declared elsewhere (same namespace as the enumeration).
#define PUBLISHED_ENUM_NAMES(Type, ...)               \
  inline const TEnumInfo& EnumInfo(Type) {            \
    static const TEnumInfo info(#Type, #__VA_ARGS__); \
    return info;                                      \
  }

// A set of up to 64 members of enumeration E, stored as a bit mask (bit n = ordinal n).
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Members) {
    for (E M : Members) Include(M);
  }
  static constexpr TSet FromBits(std::uint64_t Bits) {
    TSet S;
    S.FBits = Bits;
    return S;
  }
  constexpr std::uint64_t Bits() const { return FBits; }
  constexpr bool Contains(E M) const { return InRange(M) && (FBits & Bit(M)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E M) {
    if (InRange(M)) FBits |= Bit(M);
    return *this;
  }
  constexpr TSet& Exclude(E M) {
    if (InRange(M)) FBits &= ~Bit(M);
    return *this;
  }
  friend constexpr TSet operator+(TSet A, TSet B) { return FromBits(A.FBits | B.FBits); }
  friend constexpr TSet operator-(TSet A, TSet B) { return FromBits(A.FBits & ~B.FBits); }
  friend constexpr TSet operator*(TSet A, TSet B) { return FromBits(A.FBits & B.FBits); }
  friend constexpr TSet operator+(TSet A, E M) { return A.Include(M); }
  friend constexpr TSet operator-(TSet A, E M) { return A.Exclude(M); }
  friend constexpr bool operator==(TSet A, TSet B) = default;
  // Subset test.
  friend constexpr bool operator<=(TSet A, TSet B) { return (A.FBits & ~B.FBits) == 0; }

 private:
  static constexpr bool InRange(E M) {
    return static_cast<std::int64_t>(M) >= 0 && static_cast<std::int64_t>(M) < 64;
  }
  static constexpr std::uint64_t Bit(E M) { return std::uint64_t{1} << static_cast<unsigned>(M); }
  std::uint64_t FBits = 0;
};
