// The clipboard half of the generator: CF_TEXT in a GMEM_DDESHARE block, and CF_UNICODETEXT so that
// characters the ANSI code page cannot hold survive the copy.
#include <cstring>

#include "app/Generator.h"

namespace gradient {
namespace {

// A global memory block that is freed unless the clipboard has taken it.
class GlobalBlock {
 public:
  GlobalBlock(const void* Data, std::size_t Size) : FHandle(GlobalAlloc(GMEM_DDESHARE, Size)) {
    if (!FHandle) return;
    void* Target = GlobalLock(FHandle);
    if (!Target) {
      GlobalFree(FHandle);
      FHandle = nullptr;
      return;
    }
    std::memcpy(Target, Data, Size);
    GlobalUnlock(FHandle);
  }
  ~GlobalBlock() {
    if (FHandle) GlobalFree(FHandle);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  explicit operator bool() const { return FHandle != nullptr; }
  // Hands the block to the clipboard; it is the clipboard's only when that succeeds.
  bool GiveTo(UINT Format) {
    if (!FHandle || !SetClipboardData(Format, FHandle)) return false;
    FHandle = nullptr;
    return true;
  }

 private:
  HGLOBAL FHandle;
};

class OpenedClipboard {
 public:
  OpenedClipboard() : FOpen(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (FOpen) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return FOpen; }

 private:
  bool FOpen;
};

}  // namespace

bool CopyToClipboard(const Markup& Content) {
  // The blocks are made before the clipboard is opened: without memory the old contents stay.
  GlobalBlock AnsiBlock(Content.Ansi.c_str(), Content.Ansi.size() + 1);
  if (!AnsiBlock) return false;
  GlobalBlock WideBlock(Content.Wide.c_str(), (Content.Wide.size() + 1) * sizeof(char16_t));

  OpenedClipboard Clipboard;
  if (!Clipboard) return false;
  EmptyClipboard();
  const bool Copied = AnsiBlock.GiveTo(CF_TEXT);
  if (Copied) WideBlock.GiveTo(CF_UNICODETEXT);
  return Copied;
}

}  // namespace gradient
