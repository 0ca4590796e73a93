#include "tests/app/ClipboardText.h"

#include <windows.h>

#include <cstring>

std::optional<std::string> ReadClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = std::string(p, strnlen(p, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::optional<std::u16string> ReadClipboardWide() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const char16_t*>(GlobalLock(data))) {
      text = std::u16string(p, wcsnlen(reinterpret_cast<const wchar_t*>(p), GlobalSize(data) / 2));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (void* p = GlobalLock(block)) {
      std::memcpy(p, text.c_str(), text.size() + 1);
      GlobalUnlock(block);
    }
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  }
  CloseClipboard();
}
