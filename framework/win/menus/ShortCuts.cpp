#include "framework/win/menus/ShortCuts.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "framework/core/SysUtils.h"

namespace {

struct TKeyName {
  WORD Key;
  const char* Name;
};

// Keys named by text rather than by their character.
constexpr std::array<TKeyName, 21> kKeyNames{{
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},        {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},    {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},      {VK_LEFT, "Left"},      {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},      {VK_INSERT, "Ins"},     {VK_DELETE, "Del"},   {VK_ADD, "Num +"},
    {VK_SUBTRACT, "Num -"}, {VK_MULTIPLY, "Num *"}, {VK_DIVIDE, "Num /"}, {VK_DECIMAL, "Num ."},
    {VK_APPS, "Menu"},
}};

String KeyName(WORD Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, static_cast<char>(Key));
  if (Key >= VK_F1 && Key <= VK_F24) return "F" + std::to_string(Key - VK_F1 + 1);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return "Num " + std::to_string(Key - VK_NUMPAD0);
  for (const TKeyName& K : kKeyNames)
    if (K.Key == Key) return K.Name;
  return {};
}

}  // namespace

String ShortCutToText(TShortCut Value) {
  const String Name = KeyName(Value & 0xFF);
  if (Name.empty()) return {};
  String Text;
  if (Value & scCtrl) Text += "Ctrl+";
  if (Value & scShift) Text += "Shift+";
  if (Value & scAlt) Text += "Alt+";
  return Text + Name;
}

TShortCut TextToShortCut(const String& Text) {
  std::string_view Rest = Text;
  TShortCut Modifiers = scNone;
  // Modifier prefixes in any order; a trailing "+" alone is the key name of "Num +".
  for (bool Found = true; Found;) {
    Found = false;
    for (auto [prefix, flag] :
         {std::pair{"Ctrl+", scCtrl}, std::pair{"Shift+", scShift}, std::pair{"Alt+", scAlt}}) {
      const std::string_view P(prefix);
      if (Rest.size() > P.size() && SameText(Rest.substr(0, P.size()), P)) {
        Modifiers |= flag;
        Rest.remove_prefix(P.size());
        Found = true;
      }
    }
  }
  if (Rest.empty()) return scNone;
  for (WORD Key = 1; Key < 0xFF; ++Key) {
    const String Name = KeyName(Key);
    if (!Name.empty() && SameText(Name, Rest)) return ShortCut(Key, Modifiers);
  }
  return scNone;
}
