// Reading the clipboard back in tests.
#pragma once

#include <optional>
#include <string>

// The CF_TEXT and CF_UNICODETEXT contents; nothing when the clipboard cannot be opened or has none.
std::optional<std::string> ReadClipboardText();
std::optional<std::u16string> ReadClipboardWide();
// Replaces the clipboard's contents with text as CF_TEXT.
void PutClipboardText(const std::string& Text);
