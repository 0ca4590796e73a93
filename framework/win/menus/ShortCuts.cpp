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

String KeyName(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
  for (const TKeyName& k : kKeyNames)
    if (k.Key == key) return k.Name;
  return {};
}

}  // namespace

String ShortCutToText(TShortCut Value) {
  const String name = KeyName(Value & 0xFF);
  if (name.empty()) return {};
  String text;
  if (Value & scCtrl) text += "Ctrl+";
  if (Value & scShift) text += "Shift+";
  if (Value & scAlt) text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(const String& Text) {
  std::string_view rest = Text;
  TShortCut modifiers = scNone;
  // Modifier prefixes in any order; a trailing "+" alone is the key name of "Num +".
  for (bool found = true; found;) {
    found = false;
    for (auto [prefix, flag] :
         {std::pair{"Ctrl+", scCtrl}, std::pair{"Shift+", scShift}, std::pair{"Alt+", scAlt}}) {
      const std::string_view p(prefix);
      if (rest.size() > p.size() && SameText(rest.substr(0, p.size()), p)) {
        modifiers |= flag;
        rest.remove_prefix(p.size());
        found = true;
      }
    }
  }
  if (rest.empty()) return scNone;
  for (WORD key = 1; key < 0xFF; ++key) {
    const String name = KeyName(key);
    if (!name.empty() && SameText(name, rest)) return ShortCut(key, modifiers);
  }
  return scNone;
}
