#include "tests/skin/data/TestSkins.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/bmp/Bmp.h"
#include "framework/core/Streams.h"
#include "skin/package/SkinWriter.h"

std::vector<std::uint8_t> SolidBmp(int W, int H, std::uint32_t Rgb, int X, int Y, std::uint32_t Probe) {
  bmp::Image Picture;
  Picture.Allocate(W, H, 24);
  for (int Line = 0; Line < H; ++Line) {
    std::uint8_t* RowBytes = Picture.Row(Line);
    for (int Column = 0; Column < W; ++Column) {
      const std::uint32_t C = (Column == X && Line == Y) ? Probe : Rgb;
      RowBytes[3 * Column] = static_cast<std::uint8_t>(C);
      RowBytes[3 * Column + 1] = static_cast<std::uint8_t>(C >> 8);
      RowBytes[3 * Column + 2] = static_cast<std::uint8_t>(C >> 16);
    }
  }
  return bmp::Encode(Picture);
}

void BuildSkinArchive(TMemoryStream& Out, const String& Ini, const TSkinFiles& Files) {
  TSkinWriter Writer;
  Writer.AddFile("skin.ini", reinterpret_cast<const std::uint8_t*>(Ini.data()),
                 static_cast<std::int64_t>(Ini.size()));
  for (const auto& [name, bytes] : Files)
    Writer.AddFile(name, bytes.data(), static_cast<std::int64_t>(bytes.size()));
  Out.Clear();
  Writer.SaveToStream(Out);
  Out.SetPosition(0);
}

void PackSkinFolder(TMemoryStream& Out, const String& Folder) {
  std::vector<std::filesystem::path> Files;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder))
    if (Entry.is_regular_file()) Files.push_back(Entry.path());
  std::sort(Files.begin(), Files.end());
  TSkinWriter Writer;
  for (const auto& Path : Files) {
    std::ifstream In(Path, std::ios::binary);
    const std::vector<std::uint8_t> Bytes((std::istreambuf_iterator<char>(In)),
                                          std::istreambuf_iterator<char>());
    Writer.AddFile(Path.filename().string(), Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  }
  Out.Clear();
  Writer.SaveToStream(Out);
  Out.SetPosition(0);
}

String DefaultSkinFolder() {
  return String(PROJECT_SOURCE_DIR) + "/skins/default";
}
