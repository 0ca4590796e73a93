#include "tools/skinpack/SkinpackFiles.h"

std::filesystem::path PathFromUtf8(const String& Name) {
  return std::filesystem::path(std::u8string(Name.begin(), Name.end()));
}

String Utf8FromPath(const std::filesystem::path& Path) {
  const std::u8string s = Path.u8string();
  return String(s.begin(), s.end());
}

bool IsSafeEntryName(const String& Name) {
  if (Name.empty() || Name == "." || Name == "..") return false;
  for (const char c : Name)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) return false;
  return true;
}
