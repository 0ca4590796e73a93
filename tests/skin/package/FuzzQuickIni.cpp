// Fuzz target: the INI loader, then every read, a write, a delete and an erase on what it found,
// checking after each change that the section table still names its header lines.

#include <cstdint>
#include <cstdlib>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

namespace {

void CheckTable(const TQuickIni& Ini) {
  for (int I = 0; I < Ini.Sections().Count(); ++I) {
    const int Line = Ini.SectionLine(I);
    if (Line < 0 || Line >= Ini.Lines().Count() || Ini.Lines().Get(Line) != Ini.Sections().Get(I)) abort();
  }
}

// The read as the lines say it: the first line of the section's first header that is a header or
// has the key's name, its value when it is not empty.
String ReadByScan(const TQuickIni& Ini, const String& Section, const String& Key, const String& Fallback) {
  const int Header = Ini.GetSectionIndex(Section);
  if (Header < 0 || Key.empty()) return Fallback;
  const String LowerKey = LowerCase(Key);
  for (int J = Header + 1; J < Ini.Lines().Count(); ++J) {
    const String Line = Ini.Lines().Get(J);
    if (Ini.IsSection(Line)) return Fallback;
    if (Ini.GetName(Line) != LowerKey) continue;
    const String Value = Ini.GetValue(Line, LowerKey);
    return Value.empty() ? Fallback : Value;
  }
  return Fallback;
}

void CheckRead(const TQuickIni& Ini, const String& Section, const String& Key) {
  if (Ini.ReadString(Section, Key, "\x01") != ReadByScan(Ini, Section, Key, "\x01")) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Data, static_cast<int64_t>(Size));
  Stream.SetPosition(0);
  TQuickIni Ini;
  Ini.LoadFromStream(&Stream);
  CheckTable(Ini);

  TStringList SectionList, NameList, ValueList;
  Ini.ReadSections(SectionList);
  for (int I = 0; I < SectionList.Count() && I < 16; ++I) {
    const String Section = SectionList.Get(I);
    Ini.ReadSection(Section, NameList);
    Ini.ReadSectionValues(Section, ValueList);
    for (int K = 0; K < NameList.Count() && K < 16; ++K) {
      CheckRead(Ini, Section, NameList.Get(K));
      CheckRead(Ini, UpperCase(Section), UpperCase(NameList.Get(K)));
      Ini.ReadInteger(Section, NameList.Get(K), 0);
      Ini.ReadBool(Section, NameList.Get(K), false);
    }
  }
  if (SectionList.Count() > 0) {
    const String First = SectionList.Get(0);
    Ini.WriteString(First, "fuzzkey", "v");
    CheckTable(Ini);
    if (Ini.ReadString(First, "FuzzKey", "") != "v" && Ini.GetSectionIndex(First) >= 0) {
      // The first section in the table may be shadowed only if an earlier header has the same name.
      if (Ini.Sections().IndexOf("[" + First + "]") == 0) abort();
    }
    CheckRead(Ini, First, "fuzzkey");
    Ini.DeleteKey(First, "fuzzkey");
    CheckRead(Ini, First, "fuzzkey");
    CheckTable(Ini);
    Ini.EraseSection(SectionList.Get(SectionList.Count() / 2));
    CheckTable(Ini);
  }
  Ini.WriteInteger("New Section", "n", 42);
  CheckTable(Ini);

  // What the store saves, it loads back to the same lines.
  TMemoryStream Saved;
  Ini.SaveToStream(&Saved);
  Saved.SetPosition(0);
  TQuickIni Again;
  Again.LoadFromStream(&Saved);
  CheckTable(Again);
  return 0;
}
