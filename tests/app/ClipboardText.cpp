#include "tests/app/ClipboardText.h"

#include <windows.h>

#include <cstring>

std::optional<std::string> ReadClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> Text;
  if (HANDLE Data = GetClipboardData(CF_TEXT)) {
    if (const char* P = static_cast<const char*>(GlobalLock(Data))) {
      Text = std::string(P, strnlen(P, GlobalSize(Data)));
      GlobalUnlock(Data);
    }
  }
  CloseClipboard();
  return Text;
}

std::optional<std::u16string> ReadClipboardWide() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::u16string> Text;
  if (HANDLE Data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* P = static_cast<const char16_t*>(GlobalLock(Data))) {
      Text = std::u16string(P, wcsnlen(reinterpret_cast<const wchar_t*>(P), GlobalSize(Data) / 2));
      GlobalUnlock(Data);
    }
  }
  CloseClipboard();
  return Text;
}

void PutClipboardText(const std::string& Text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1)) {
    if (void* P = GlobalLock(Block)) {
      std::memcpy(P, Text.c_str(), Text.size() + 1);
      GlobalUnlock(Block);
    }
    if (!SetClipboardData(CF_TEXT, Block)) GlobalFree(Block);
  }
  CloseClipboard();
}
