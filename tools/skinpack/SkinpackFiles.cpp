#include "tools/skinpack/SkinpackFiles.h"

std::filesystem::path PathFromUtf8(const String& Name) {
  return std::filesystem::path(std::u8string(Name.begin(), Name.end()));
}

String Utf8FromPath(const std::filesystem::path& Path) {
  const std::u8string S = Path.u8string();
  return String(S.begin(), S.end());
}

bool IsSafeEntryName(const String& Name) {
  if (Name.empty() || Name == "." || Name == "..") return false;
  for (const char C : Name)
    if (C == '/' || C == '\\' || C == ':' || static_cast<unsigned char>(C) < 32) return false;
  return true;
}
