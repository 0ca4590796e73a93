#include "gallery/GalleryOptions.h"

#include <cwctype>

namespace {

// A whole decimal number of at most 6 digits; -1 otherwise.
int ReadNumber(const std::wstring& Text) {
  if (Text.empty() || Text.size() > 6) return -1;
  int Value = 0;
  for (wchar_t C : Text) {
    if (C < L'0' || C > L'9') return -1;
    Value = Value * 10 + (C - L'0');
  }
  return Value;
}

}  // namespace

bool ParseGalleryOptions(const std::vector<std::wstring>& Args, int PageCount, TGalleryOptions& Options,
                         std::wstring& Error) {
  Options = TGalleryOptions{};
  for (size_t Index = 0; Index < Args.size(); ++Index) {
    const std::wstring& Arg = Args[Index];
    if (Arg == L"--help" || Arg == L"-h" || Arg == L"/?") {
      Options.Help = true;
      continue;
    }
    if (Arg != L"--page" && Arg != L"--skin" && Arg != L"--dump-controls") {
      Error = L"Unknown option: " + Arg;
      return false;
    }
    if (Index + 1 >= Args.size()) {
      Error = Arg + L" needs a value";
      return false;
    }
    const std::wstring& Value = Args[++Index];
    if (Arg == L"--dump-controls") {
      if (Value.empty()) {
        Error = L"--dump-controls needs a file name";
        return false;
      }
      Options.DumpControls = Value;
    } else if (Arg == L"--page") {
      const int Page = ReadNumber(Value);
      if (Page < 1 || Page > PageCount) {
        Error = L"--page takes a number from 1 to " + std::to_wstring(PageCount) + L", not " + Value;
        return false;
      }
      Options.Page = Page - 1;
    } else {
      std::wstring Name;
      for (wchar_t C : Value) Name += static_cast<wchar_t>(std::towlower(C));
      if (Name == L"default")
        Options.Skin = 0;
      else if (Name == L"dark")
        Options.Skin = 1;
      else if (Name == L"none")
        Options.Skin = 2;
      else {
        Error = L"--skin takes default, dark or none, not " + Value;
        return false;
      }
    }
  }
  return true;
}

std::wstring GalleryUsage(int PageCount) {
  return L"gallery [--page N] [--skin default|dark|none] [--dump-controls FILE]\n\n"
         L"  --page N   opens page N (1 to " +
         std::to_wstring(PageCount) +
         L")\n"
         L"  --skin S   starts with the default skin, the dark skin (dark.skn beside the program) or none\n"
         L"  --dump-controls FILE\n"
         L"             for tests: once skinned, writes each control's name, class, answer to the skin\n"
         L"             query and rectangle on the screen to FILE\n";
}
