// The syntax tree of a form description. Parsing builds it completely before anything is created,
// so a syntax error never leaves components behind.
//
//   object Form1: TForm1                 components nest; "object TClass" is an unnamed one
//     Caption = 'Title'#13#10'next' + 'more'   strings: quoted UTF-8, #N code points, '+' joins
//     Font.Height = -11                  dotted names reach sub-objects; numbers may be $hex
//     Visible = True                     names: enumeration values, colours, components, handlers
//     Style = [fsBold, fsItalic]         sets
//     Items.Strings = ('a' 'b')          lists (custom properties)
//     Store = < item Name = 'x' end >    collections
//     SkinStream = { 0A1B2C }            binary data in hex
//     object Button1: TButton ... end
//   end
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Types.h"

namespace description {

struct TProperty;

struct TItem {
  int Line = 0;
  std::vector<TProperty> Props;
};

struct TValue {
  enum TKind { vkInteger, vkIdent, vkString, vkSet, vkList, vkCollection, vkBinary };
  TKind Kind = vkInteger;
  int Line = 0;
  std::int64_t Integer = 0;
  String Ident;
  WideString Text;
  std::vector<String> Set;
  std::vector<TValue> List;
  std::vector<TItem> Items;
  std::vector<std::uint8_t> Bytes;
};

struct TProperty {
  int Line = 0;
  String Name;  // may be dotted: "Font.Height"
  TValue Value;
};

struct TObjectNode {
  int Line = 0;
  String Name;  // empty for an unnamed component
  String ClassName;
  std::vector<TProperty> Props;
  std::vector<TObjectNode> Children;
};

// Raises EParserError naming the line of the first error. Nesting is limited so hostile input
// cannot exhaust the stack.
TObjectNode Parse(std::string_view Text);

inline constexpr int kMaxNesting = 64;

}  // namespace description
