#include "tests/data/TestSkins.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/bmp/Bmp.h"
#include "framework/core/Streams.h"
#include "skin/package/SkinWriter.h"

std::vector<std::uint8_t> SolidBmp(int W, int H, std::uint32_t Rgb, int X, int Y, std::uint32_t Probe) {
  bmp::Image image;
  image.Allocate(W, H, 24);
  for (int y = 0; y < H; ++y) {
    std::uint8_t* row = image.Row(y);
    for (int x = 0; x < W; ++x) {
      const std::uint32_t c = (x == X && y == Y) ? Probe : Rgb;
      row[3 * x] = static_cast<std::uint8_t>(c);
      row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return bmp::Encode(image);
}

void BuildSkinArchive(TMemoryStream& Out, const String& Ini, const TSkinFiles& Files) {
  TSkinWriter writer;
  writer.AddFile("skin.ini", reinterpret_cast<const std::uint8_t*>(Ini.data()),
                 static_cast<std::int64_t>(Ini.size()));
  for (const auto& [name, bytes] : Files)
    writer.AddFile(name, bytes.data(), static_cast<std::int64_t>(bytes.size()));
  Out.Clear();
  writer.SaveToStream(Out);
  Out.SetPosition(0);
}

void PackSkinFolder(TMemoryStream& Out, const String& Folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(Folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  TSkinWriter writer;
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    writer.AddFile(path.filename().string(), bytes.data(), static_cast<std::int64_t>(bytes.size()));
  }
  Out.Clear();
  writer.SaveToStream(Out);
  Out.SetPosition(0);
}

String DefaultSkinFolder() {
  return String(PROJECT_SOURCE_DIR) + "/skins/default";
}
