// Fuzz target: the INI loader, then every read, a write, a delete and an erase on what it found,
// checking after each change that the section table still names its header lines.

#include <cstdint>
#include <cstdlib>

#include "framework/core/Streams.h"
#include "skin/package/QuickIni.h"

namespace {

void CheckTable(const TQuickIni& ini) {
  for (int i = 0; i < ini.Sections().Count(); ++i) {
    const int line = ini.SectionLine(i);
    if (line < 0 || line >= ini.Lines().Count() || ini.Lines().Get(line) != ini.Sections().Get(i)) abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream s;
  s.WriteBuffer(Data, static_cast<int64_t>(Size));
  s.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&s);
  CheckTable(ini);

  TStringList sections, names, values;
  ini.ReadSections(sections);
  for (int i = 0; i < sections.Count() && i < 16; ++i) {
    const String sec = sections.Get(i);
    ini.ReadSection(sec, names);
    ini.ReadSectionValues(sec, values);
    for (int k = 0; k < names.Count() && k < 16; ++k) {
      ini.ReadString(sec, names.Get(k), "");
      ini.ReadInteger(sec, names.Get(k), 0);
      ini.ReadBool(sec, names.Get(k), false);
    }
  }
  if (sections.Count() > 0) {
    const String first = sections.Get(0);
    ini.WriteString(first, "fuzzkey", "v");
    CheckTable(ini);
    if (ini.ReadString(first, "FuzzKey", "") != "v" && ini.GetSectionIndex(first) >= 0) {
      // The first section in the table may be shadowed only if an earlier header has the same name.
      if (ini.Sections().IndexOf("[" + first + "]") == 0) abort();
    }
    ini.DeleteKey(first, "fuzzkey");
    CheckTable(ini);
    ini.EraseSection(sections.Get(sections.Count() / 2));
    CheckTable(ini);
  }
  ini.WriteInteger("New Section", "n", 42);
  CheckTable(ini);

  // What the store saves, it loads back to the same lines.
  TMemoryStream saved;
  ini.SaveToStream(&saved);
  saved.SetPosition(0);
  TQuickIni again;
  again.LoadFromStream(&saved);
  CheckTable(again);
  return 0;
}
