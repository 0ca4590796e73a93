// Fuzz target: the INI loader, then every read, a write, a delete and an erase on what it found,
// checking after each change that the section table still names its header lines.

#include <cstdint>
#include <cstdlib>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

namespace {

void CheckTable(const TQuickIni& ini) {
  for (int i = 0; i < ini.Sections().Count(); ++i) {
    const int line = ini.SectionLine(i);
    if (line < 0 || line >= ini.Lines().Count() || ini.Lines().Get(line) != ini.Sections().Get(i)) abort();
  }
}

// The read as the lines say it: the first line of the section's first header that is a header or
// has the key's name, its value when it is not empty.
String ReadByScan(const TQuickIni& ini, const String& section, const String& key, const String& fallback) {
  const int header = ini.GetSectionIndex(section);
  if (header < 0 || key.empty()) return fallback;
  const String lower = LowerCase(key);
  for (int j = header + 1; j < ini.Lines().Count(); ++j) {
    const String line = ini.Lines().Get(j);
    if (ini.IsSection(line)) return fallback;
    if (ini.GetName(line) != lower) continue;
    const String value = ini.GetValue(line, lower);
    return value.empty() ? fallback : value;
  }
  return fallback;
}

void CheckRead(const TQuickIni& ini, const String& section, const String& key) {
  if (ini.ReadString(section, key, "\x01") != ReadByScan(ini, section, key, "\x01")) abort();
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
      CheckRead(ini, sec, names.Get(k));
      CheckRead(ini, UpperCase(sec), UpperCase(names.Get(k)));
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
    CheckRead(ini, first, "fuzzkey");
    ini.DeleteKey(first, "fuzzkey");
    CheckRead(ini, first, "fuzzkey");
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
