// Keyboard shortcuts of menu items: a virtual-key code in the low byte and the modifier keys as
// flags above it, turned into the text shown beside an item ("Ctrl+S") and back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/Types.h"

using TShortCut = std::uint16_t;

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(WORD Key, TShortCut Modifiers = scNone) {
  return static_cast<TShortCut>((Key & 0xFF) | (Modifiers & (scShift | scCtrl | scAlt)));
}

// "Ctrl+Shift+F5", "Alt+BkSp", "Ctrl+A"; empty for scNone or a key without a name.
String ShortCutToText(TShortCut Value);
// The inverse, case-insensitive ("ctrl+s"); scNone for text that names no shortcut.
TShortCut TextToShortCut(const String& Text);
