// skinpack pack / unpack / list: skin archives from and to folders.

#include <algorithm>
#include <map>
#include <system_error>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/SkinNotify.h"
#include "skin/package/SkinReader.h"
#include "skin/package/SkinWriter.h"
#include "tools/skinpack/SkinpackCommands.h"
#include "tools/skinpack/SkinpackFiles.h"

namespace fs = std::filesystem;

namespace {

// The reader's one message goes to stderr, never into a message box of a console tool.
class TMessagesToErr {
 public:
  explicit TMessagesToErr(std::ostream& Err)
      : FPrevious(SetSkinMessageNotifier([&Err](const String& t) {
          String line = t;
          std::replace(line.begin(), line.end(), '\r', ' ');
          Err << "skinpack: " << line << "\n";
        })) {}
  ~TMessagesToErr() { SetSkinMessageNotifier(FPrevious); }
  TMessagesToErr(const TMessagesToErr&) = delete;
  TMessagesToErr& operator=(const TMessagesToErr&) = delete;

 private:
  TSkinMessageNotifier FPrevious;
};

}  // namespace

bool OpenArchive(const String& Cmd, const String& Archive, TSkinReader& Reader, std::ostream& Err) {
  if (!FileExists(Archive)) {
    Err << "skinpack " << Cmd << ": cannot open \"" << Archive << "\": no such file\n";
    return false;
  }
  TMessagesToErr redirect(Err);
  if (!Reader.loadfromfile(Archive)) {
    Err << "skinpack " << Cmd << ": \"" << Archive
        << "\" is not a skin archive (it does not decompress, is too short or has an unknown version)\n";
    return false;
  }
  return true;
}

int CmdPack(const String& Dir, const String& OutFile, uint32_t Version, std::ostream& Out,
            std::ostream& Err) {
  std::error_code ec;
  const fs::path dir = PathFromUtf8(Dir);
  if (!fs::is_directory(dir, ec)) {
    Err << "skinpack pack: \"" << Dir << "\" is not a folder\n";
    return 1;
  }
  // The INI first (the reader takes the first name containing ".ini"), then the bitmaps, by name.
  std::vector<String> inis, bitmaps;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    if (!entry.is_regular_file(ec)) continue;
    const String name = Utf8FromPath(entry.path().filename());
    const String ext = LowerCase(ExtractFileExt(name));
    if (ext == ".ini")
      inis.push_back(name);
    else if (ext == ".bmp")
      bitmaps.push_back(name);
    else
      Err << "skinpack pack: note: \"" << name << "\" is neither an INI nor a bitmap; left out\n";
  }
  if (ec) {
    Err << "skinpack pack: cannot list \"" << Dir << "\": " << ec.message() << "\n";
    return 1;
  }
  if (inis.empty()) {
    Err << "skinpack pack: \"" << Dir << "\" holds no .ini file (a skin needs its description)\n";
    return 1;
  }
  std::sort(inis.begin(), inis.end());
  std::sort(bitmaps.begin(), bitmaps.end());
  if (inis.size() > 1)
    Err << "skinpack pack: note: several INI files; the skin loader reads \"" << LowerCase(inis[0]) << "\"\n";

  TSkinWriter writer;
  int64_t total = 0;
  try {
    for (const auto* group : {&inis, &bitmaps}) {
      for (const String& name : *group) {
        TMemoryStream file;
        file.LoadFromFile(Utf8FromPath(dir / PathFromUtf8(name)));
        writer.AddFile(name, file);
        total += file.Size();
      }
    }
    writer.SaveToFile(OutFile, Version);
  } catch (const Exception& e) {
    Err << "skinpack pack: " << e.Message() << "\n";
    return 1;
  }
  Out << "packed " << writer.Count() << " files (" << total << " bytes) into " << OutFile << ", version "
      << Version << ", " << fs::file_size(PathFromUtf8(OutFile), ec) << " bytes\n";
  return 0;
}

int CmdList(const String& Archive, std::ostream& Out, std::ostream& Err) {
  TSkinReader reader;
  if (!OpenArchive("list", Archive, reader, Err)) return 1;
  Out << "version " << reader.Version() << ", " << reader.FileCount() << " files, data area "
      << reader.DataSize() << " bytes\n";
  int64_t sum = 0;
  for (int i = 0; i < reader.FileCount(); ++i) {
    const int32_t size = reader.FileSize(i);
    sum += std::max(size, 0);
    Out << "  " << size << "\t" << reader.Names().Get(i);
    if (reader.AvailableSize(i) < size) Out << "\t(only " << reader.AvailableSize(i) << " bytes present)";
    Out << "\n";
  }
  if (sum != reader.DataSize()) Out << "note: the sizes add up to " << sum << " bytes\n";
  return 0;
}

int CmdUnpack(const String& Archive, const String& Dir, std::ostream& Out, std::ostream& Err) {
  TSkinReader reader;
  if (!OpenArchive("unpack", Archive, reader, Err)) return 1;
  std::error_code ec;
  const fs::path dir = PathFromUtf8(Dir);
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    Err << "skinpack unpack: cannot create folder \"" << Dir << "\"\n";
    return 1;
  }
  int status = 0, written = 0;
  std::map<String, int> seen;  // names as the reader gives them (lower case)
  for (int i = 0; i < reader.FileCount(); ++i) {
    const String name = reader.Names().Get(i);
    if (!IsSafeEntryName(name)) {
      Err << "skinpack unpack: entry " << i << " \"" << name << "\" is not a plain file name; skipped\n";
      status = 1;
      continue;
    }
    if (seen.count(name)) {
      Err << "skinpack unpack: entry " << i << " \"" << name << "\" repeats entry " << seen[name]
          << " (the reader only ever finds the first); skipped\n";
      status = 1;
      continue;
    }
    seen[name] = i;
    if (reader.AvailableSize(i) < reader.FileSize(i)) {
      Err << "skinpack unpack: \"" << name << "\" is cut short: " << reader.FileSize(i) << " bytes stored, "
          << reader.AvailableSize(i) << " present\n";
      status = 1;
    }
    TMemoryStream file;
    reader.ReadByIndex(i, file);
    try {
      file.SaveToFile(Utf8FromPath(dir / PathFromUtf8(name)));
      ++written;
    } catch (const Exception& e) {
      Err << "skinpack unpack: " << e.Message() << "\n";
      status = 1;
    }
  }
  Out << "unpacked " << written << " of " << reader.FileCount() << " files into " << Dir << "\n";
  return status;
}
