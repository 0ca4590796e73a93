// skinpack verify: the archive holds its INI, and every image the INI names is a bitmap entry
// that exists and decodes.

#include <set>

#include "framework/bmp/BmpDecoder.h"
#include "framework/bmp/BmpError.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/SkinpackCommands.h"

namespace {

// Keys that hold image names in skin descriptions; a value ending in ".bmp" counts anywhere.
bool IsImageKey(const String& Section, const String& Key) {
  static const std::set<String> Anywhere = {"image",      "bitmap",      "border",     "buttonimage",
                                            "glyphimage", "checkbutton", "radiobutton"};
  static const std::set<String> Frame = {"left", "right", "top", "bottom", "menubar", "textback"};
  return Anywhere.count(Key) || (SameText(Section, "Personality") && Frame.count(Key));
}

// Numbers and colour triples ("248 249 251", "0x1F", "-1") are not file names.
bool LooksNumeric(const String& Value) {
  int N;
  if (TryStrToInt(Value, N)) return true;
  return Value.find_first_not_of("0123456789 ,+-") == String::npos;
}

bool EndsWithText(const String& S, const char* Suffix) {
  const String Tail = Suffix;
  return S.size() >= Tail.size() && SameText(S.substr(S.size() - Tail.size()), Tail);
}

}  // namespace

int CmdVerify(const String& Archive, std::ostream& Out, std::ostream& Err) {
  TSkinReader Reader;
  if (!OpenArchive("verify", Archive, Reader, Err)) return 1;
  std::vector<String> Problems;
  for (int I = 0; I < Reader.FileCount(); ++I) {
    if (Reader.AvailableSize(I) >= Reader.FileSize(I)) continue;
    // A named copy: a literal put in front of a temporary string inserts into it, which gcc 12 at
    // -O3 takes for an overlapping copy.
    const String Name = Reader.Names().Get(I);
    Problems.push_back("\"" + Name + "\" is cut short: " + IntToStr(Reader.FileSize(I)) + " bytes stored, " +
                       IntToStr(Reader.AvailableSize(I)) + " present");
  }

  TMemoryStream IniBytes;
  String IniName;
  Reader.readIni(".ini", IniBytes, IniName);
  if (IniName.empty()) Problems.push_back("no INI file in the archive");

  TQuickIni Ini;
  Ini.LoadFromStream(&IniBytes);
  int Checked = 0;
  std::set<String> Decoded;
  TStringList Sections, Lines;
  Ini.ReadSections(Sections);
  for (int S = 0; S < Sections.Count(); ++S) {
    const String Section = Sections.Get(S);
    Ini.ReadSectionValues(Section, Lines);
    for (int L = 0; L < Lines.Count(); ++L) {
      const String Key = Ini.GetName(Lines.Get(L));
      const String Value = Ini.GetValue(Lines.Get(L), Key);
      if (Key.empty() || Value.empty()) continue;
      if (!EndsWithText(Value, ".bmp") && (!IsImageKey(Section, Key) || LooksNumeric(Value))) continue;
      ++Checked;
      const String Where = "[" + Section + "] " + Lines.Get(L) + ": ";
      // The skin loader takes only names ending exactly in ".bmp", without their directory.
      if (ExtractFileExt(Value) != ".bmp") {
        Problems.push_back(Where + "the loader takes only names ending in \".bmp\"");
        continue;
      }
      const String File = ExtractFileName(Value);
      TMemoryStream Bytes;
      Reader.readfile(File, Bytes);
      if (Bytes.Size() == 0) {
        Problems.push_back(Where + "\"" + LowerCase(File) + "\" is not in the archive (or is empty)");
        continue;
      }
      if (Decoded.count(LowerCase(File))) continue;
      try {
        bmp::Decode(Bytes.Bytes());
        Decoded.insert(LowerCase(File));
      } catch (const bmp::EBmpError& E) {
        Problems.push_back(Where + "\"" + LowerCase(File) + "\" does not decode as a bitmap: " + E.what());
      }
    }
  }
  if (!Problems.empty()) {
    for (const auto& P : Problems) Err << "skinpack verify: " << P << "\n";
    Err << "skinpack verify: " << Archive << ": " << Problems.size() << " problem(s)\n";
    return 1;
  }
  Out << Archive << ": OK, version " << Reader.Version() << ", " << Reader.FileCount() << " files, INI \""
      << IniName << "\", " << Checked << " image references, " << Decoded.size() << " bitmaps decoded\n";
  return 0;
}
