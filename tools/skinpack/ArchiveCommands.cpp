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
      : FPrevious(SetSkinMessageNotifier([&Err](const String& T) {
          String Line = T;
          std::replace(Line.begin(), Line.end(), '\r', ' ');
          Err << "skinpack: " << Line << "\n";
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
  TMessagesToErr Redirect(Err);
  if (!Reader.loadfromfile(Archive)) {
    Err << "skinpack " << Cmd << ": \"" << Archive
        << "\" is not a skin archive (it does not decompress, is too short or has an unknown version)\n";
    return false;
  }
  return true;
}

int CmdPack(const String& Dir, const String& OutFile, uint32_t Version, std::ostream& Out,
            std::ostream& Err) {
  std::error_code Ec;
  const fs::path Folder = PathFromUtf8(Dir);
  if (!fs::is_directory(Folder, Ec)) {
    Err << "skinpack pack: \"" << Dir << "\" is not a folder\n";
    return 1;
  }
  // The INI first (the reader takes the first name containing ".ini"), then the bitmaps, by name.
  std::vector<String> Inis, Bitmaps;
  for (const auto& Entry : fs::directory_iterator(Folder, Ec)) {
    if (!Entry.is_regular_file(Ec)) continue;
    const String Name = Utf8FromPath(Entry.path().filename());
    const String Ext = LowerCase(ExtractFileExt(Name));
    if (Ext == ".ini")
      Inis.push_back(Name);
    else if (Ext == ".bmp")
      Bitmaps.push_back(Name);
    else
      Err << "skinpack pack: note: \"" << Name << "\" is neither an INI nor a bitmap; left out\n";
  }
  if (Ec) {
    Err << "skinpack pack: cannot list \"" << Dir << "\": " << Ec.message() << "\n";
    return 1;
  }
  if (Inis.empty()) {
    Err << "skinpack pack: \"" << Dir << "\" holds no .ini file (a skin needs its description)\n";
    return 1;
  }
  std::sort(Inis.begin(), Inis.end());
  std::sort(Bitmaps.begin(), Bitmaps.end());
  if (Inis.size() > 1)
    Err << "skinpack pack: note: several INI files; the skin loader reads \"" << LowerCase(Inis[0]) << "\"\n";

  TSkinWriter Writer;
  int64_t Total = 0;
  try {
    for (const auto* Group : {&Inis, &Bitmaps}) {
      for (const String& Name : *Group) {
        TMemoryStream File;
        File.LoadFromFile(Utf8FromPath(Folder / PathFromUtf8(Name)));
        Writer.AddFile(Name, File);
        Total += File.Size();
      }
    }
    Writer.SaveToFile(OutFile, Version);
  } catch (const Exception& E) {
    Err << "skinpack pack: " << E.Message() << "\n";
    return 1;
  }
  Out << "packed " << Writer.Count() << " files (" << Total << " bytes) into " << OutFile << ", version "
      << Version << ", " << fs::file_size(PathFromUtf8(OutFile), Ec) << " bytes\n";
  return 0;
}

int CmdList(const String& Archive, std::ostream& Out, std::ostream& Err) {
  TSkinReader Reader;
  if (!OpenArchive("list", Archive, Reader, Err)) return 1;
  Out << "version " << Reader.Version() << ", " << Reader.FileCount() << " files, data area "
      << Reader.DataSize() << " bytes\n";
  int64_t Sum = 0;
  for (int I = 0; I < Reader.FileCount(); ++I) {
    const int32_t Size = Reader.FileSize(I);
    Sum += std::max(Size, 0);
    Out << "  " << Size << "\t" << Reader.Names().Get(I);
    if (Reader.AvailableSize(I) < Size) Out << "\t(only " << Reader.AvailableSize(I) << " bytes present)";
    Out << "\n";
  }
  if (Sum != Reader.DataSize()) Out << "note: the sizes add up to " << Sum << " bytes\n";
  return 0;
}

int CmdUnpack(const String& Archive, const String& Dir, std::ostream& Out, std::ostream& Err) {
  TSkinReader Reader;
  if (!OpenArchive("unpack", Archive, Reader, Err)) return 1;
  std::error_code Ec;
  const fs::path Folder = PathFromUtf8(Dir);
  fs::create_directories(Folder, Ec);
  if (!fs::is_directory(Folder, Ec)) {
    Err << "skinpack unpack: cannot create folder \"" << Dir << "\"\n";
    return 1;
  }
  int Status = 0, Written = 0;
  std::map<String, int> Seen;  // names as the reader gives them (lower case)
  for (int I = 0; I < Reader.FileCount(); ++I) {
    const String Name = Reader.Names().Get(I);
    if (!IsSafeEntryName(Name)) {
      Err << "skinpack unpack: entry " << I << " \"" << Name << "\" is not a plain file name; skipped\n";
      Status = 1;
      continue;
    }
    if (Seen.count(Name)) {
      Err << "skinpack unpack: entry " << I << " \"" << Name << "\" repeats entry " << Seen[Name]
          << " (the reader only ever finds the first); skipped\n";
      Status = 1;
      continue;
    }
    Seen[Name] = I;
    if (Reader.AvailableSize(I) < Reader.FileSize(I)) {
      Err << "skinpack unpack: \"" << Name << "\" is cut short: " << Reader.FileSize(I) << " bytes stored, "
          << Reader.AvailableSize(I) << " present\n";
      Status = 1;
    }
    TMemoryStream File;
    Reader.ReadByIndex(I, File);
    try {
      File.SaveToFile(Utf8FromPath(Folder / PathFromUtf8(Name)));
      ++Written;
    } catch (const Exception& E) {
      Err << "skinpack unpack: " << E.Message() << "\n";
      Status = 1;
    }
  }
  Out << "unpacked " << Written << " of " << Reader.FileCount() << " files into " << Dir << "\n";
  return Status;
}
