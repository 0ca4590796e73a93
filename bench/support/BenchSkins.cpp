#include "bench/support/BenchSkins.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "framework/core/Streams.h"
#include "skin/package/SkinWriter.h"

namespace bench {

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + Path.string());
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> PackFolder(const std::filesystem::path& Folder) {
  std::vector<std::filesystem::path> Files;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder))
    if (Entry.is_regular_file()) Files.push_back(Entry.path());
  std::sort(Files.begin(), Files.end());
  TSkinWriter Writer;
  for (const auto& Path : Files) {
    const auto Bytes = ReadFile(Path);
    Writer.AddFile(Path.filename().string(), Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  }
  TMemoryStream Out;
  Writer.SaveToStream(Out);
  return Out.Bytes();
}

}  // namespace

std::vector<std::uint8_t> SkinArchive(const std::string& Name) {
  const std::filesystem::path Packed = std::filesystem::path(BENCH_SKINS_DIR) / (Name + ".skn");
  if (std::filesystem::exists(Packed)) return ReadFile(Packed);
  return PackFolder(std::filesystem::path(PROJECT_SOURCE_DIR) / "skins" / Name);
}

}  // namespace bench
