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
  static const std::set<String> anywhere = {"image",      "bitmap",      "border",     "buttonimage",
                                            "glyphimage", "checkbutton", "radiobutton"};
  static const std::set<String> frame = {"left", "right", "top", "bottom", "menubar", "textback"};
  return anywhere.count(Key) || (SameText(Section, "Personality") && frame.count(Key));
}

// Numbers and colour triples ("248 249 251", "0x1F", "-1") are not file names.
bool LooksNumeric(const String& Value) {
  int n;
  if (TryStrToInt(Value, n)) return true;
  return Value.find_first_not_of("0123456789 ,+-") == String::npos;
}

bool EndsWithText(const String& S, const char* Suffix) {
  const String suffix = Suffix;
  return S.size() >= suffix.size() && SameText(S.substr(S.size() - suffix.size()), suffix);
}

}  // namespace

int CmdVerify(const String& Archive, std::ostream& Out, std::ostream& Err) {
  TSkinReader reader;
  if (!OpenArchive("verify", Archive, reader, Err)) return 1;
  std::vector<String> problems;
  for (int i = 0; i < reader.FileCount(); ++i)
    if (reader.AvailableSize(i) < reader.FileSize(i))
      problems.push_back("\"" + reader.Names().Get(i) + "\" is cut short: " + IntToStr(reader.FileSize(i)) +
                         " bytes stored, " + IntToStr(reader.AvailableSize(i)) + " present");

  TMemoryStream iniBytes;
  String iniName;
  reader.readIni(".ini", iniBytes, iniName);
  if (iniName.empty()) problems.push_back("no INI file in the archive");

  TQuickIni ini;
  ini.LoadFromStream(&iniBytes);
  int checked = 0;
  std::set<String> decoded;
  TStringList sections, lines;
  ini.ReadSections(sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const String section = sections.Get(s);
    ini.ReadSectionValues(section, lines);
    for (int l = 0; l < lines.Count(); ++l) {
      const String key = ini.GetName(lines.Get(l));
      const String value = ini.GetValue(lines.Get(l), key);
      if (key.empty() || value.empty()) continue;
      if (!EndsWithText(value, ".bmp") && (!IsImageKey(section, key) || LooksNumeric(value))) continue;
      ++checked;
      const String where = "[" + section + "] " + lines.Get(l) + ": ";
      // The skin loader takes only names ending exactly in ".bmp", without their directory.
      if (ExtractFileExt(value) != ".bmp") {
        problems.push_back(where + "the loader takes only names ending in \".bmp\"");
        continue;
      }
      const String file = ExtractFileName(value);
      TMemoryStream bytes;
      reader.readfile(file, bytes);
      if (bytes.Size() == 0) {
        problems.push_back(where + "\"" + LowerCase(file) + "\" is not in the archive (or is empty)");
        continue;
      }
      if (decoded.count(LowerCase(file))) continue;
      try {
        bmp::Decode(bytes.Bytes());
        decoded.insert(LowerCase(file));
      } catch (const bmp::EBmpError& e) {
        problems.push_back(where + "\"" + LowerCase(file) + "\" does not decode as a bitmap: " + e.what());
      }
    }
  }
  if (!problems.empty()) {
    for (const auto& p : problems) Err << "skinpack verify: " << p << "\n";
    Err << "skinpack verify: " << Archive << ": " << problems.size() << " problem(s)\n";
    return 1;
  }
  Out << Archive << ": OK, version " << reader.Version() << ", " << reader.FileCount() << " files, INI \""
      << iniName << "\", " << checked << " image references, " << decoded.size() << " bitmaps decoded\n";
  return 0;
}
