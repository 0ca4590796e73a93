#include "tests/support/StatusFile.h"

#include <windows.h>

#include <cstdio>

namespace testsupport {

void TStatusLines::Put(std::string_view Key, long long Value) {
  FText.append(Key);
  FText += '=';
  FText += std::to_string(Value);
  FText += '\n';
}

bool WriteStatusFile(const std::string& Path, const std::string& Text) {
  const std::string Temp = Path + ".tmp";
  FILE* File = std::fopen(Temp.c_str(), "wb");
  if (!File) return false;
  const bool Written = std::fwrite(Text.data(), 1, Text.size(), File) == Text.size();
  if (std::fclose(File) != 0 || !Written) return false;
  return MoveFileExA(Temp.c_str(), Path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace testsupport
