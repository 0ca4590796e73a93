// Look-ups, reads and writes of the INI store. Every write that inserts or removes lines rebuilds
// the section table before it returns, so each entry always names its own header line.

#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

int32_t TQuickIni::GetSectionIndex(const String& Section) const {
  const int i = FSections->IndexOf("[" + Section + "]");
  return i < 0 ? -1 : SectionLine(i);
}

bool TQuickIni::IsSection(const String& Line) const {
  if (Line.empty()) return false;
  const String t = Trim(Line);
  return !t.empty() && t.front() == '[' && t.back() == ']';
}

String TQuickIni::GetName(const String& Line) const {
  const auto eq = Line.find('=');
  return eq == String::npos ? String() : LowerCase(Trim(std::string_view(Line).substr(0, eq)));
}

String TQuickIni::GetValue(const String& Line, const String& Name) const {
  if (Line.empty() || Name.empty()) return {};
  const auto eq = Line.find('=');
  if (eq == String::npos || GetName(Line) != Name) return {};
  return Trim(std::string_view(Line).substr(eq + 1));
}

int32_t TQuickIni::ScanSection(const String& Section, const String& LowerKey, int32_t& Header) const {
  Header = GetSectionIndex(Section);
  if (Header < 0) return -1;
  const int32_t n = FLines->Count();
  int32_t j = Header + 1;
  while (j < n) {
    const String line = FLines->Get(j);
    if (IsSection(line) || GetName(line) == LowerKey) break;
    ++j;
  }
  return j;
}

String TQuickIni::ReadString(const String& Section, const String& Key, const String& Default) const {
  if (FLines->Count() == 0) return Default;
  const String key = LowerCase(Key);
  int32_t header;
  const int32_t j = ScanSection(Section, key, header);
  if (j < 0 || j >= FLines->Count()) return Default;
  const String line = FLines->Get(j);
  if (IsSection(line)) return Default;
  const String value = GetValue(line, key);
  return value.empty() ? Default : value;
}

int32_t TQuickIni::ReadInteger(const String& Section, const String& Key, int32_t Default) const {
  String text = ReadString(Section, Key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  return StrToIntDef(text, Default);
}

bool TQuickIni::ReadBool(const String& Section, const String& Key, bool Default) const {
  return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TQuickIni::ReadSection(const String& Section, TStrings& Strings) const {
  Strings.Clear();
  const int32_t header = GetSectionIndex(Section);
  if (header < 0) return;
  for (int32_t j = header + 1, n = FLines->Count(); j < n; ++j) {
    const String line = FLines->Get(j);
    if (IsSection(line)) break;
    const String name = GetName(line);
    if (!name.empty()) Strings.Add(name);
  }
}

void TQuickIni::ReadSectionValues(const String& Section, TStrings& Strings) const {
  Strings.Clear();
  const int32_t header = GetSectionIndex(Section);
  if (header < 0) return;
  for (int32_t j = header + 1, n = FLines->Count(); j < n; ++j) {
    const String line = FLines->Get(j);
    if (IsSection(line)) break;
    Strings.Add(line);
  }
}

void TQuickIni::ReadSections(TStrings& Strings) const {
  Strings.Clear();
  for (int i = 0, n = FSections->Count(); i < n; ++i) {
    const String t = Trim(FSections->Get(i));
    Strings.Add(t.size() >= 2 ? Trim(std::string_view(t).substr(1, t.size() - 2)) : String());
  }
}

void TQuickIni::WriteString(const String& Section, const String& Key, const String& Value) {
  const String line = Key + "=" + Value;
  int32_t header;
  const int32_t j = ScanSection(Section, LowerCase(Key), header);
  if (j < 0) {
    // A new section goes at the end of the text, without a blank line before it.
    const String head = "[" + Section + "]";
    AddSection(head, FLines->Add(head));
    if (!Key.empty()) FLines->Add(line);
    return;
  }
  if (Key.empty()) return;
  if (j >= FLines->Count()) {
    FLines->Add(line);
  } else if (!IsSection(FLines->Get(j))) {
    FLines->Put(j, line);
  } else {
    FLines->Insert(j, line);
    RebuildSections();
  }
}

void TQuickIni::WriteInteger(const String& Section, const String& Key, int32_t Value) {
  WriteString(Section, Key, IntToStr(Value));
}

void TQuickIni::WriteBool(const String& Section, const String& Key, bool Value) {
  WriteString(Section, Key, Value ? "1" : "0");
}

void TQuickIni::DeleteKey(const String& Section, const String& Key) {
  int32_t header;
  const int32_t j = ScanSection(Section, LowerCase(Key), header);
  if (j < 0) return;
  if (j < FLines->Count() && !IsSection(FLines->Get(j))) FLines->Delete(j);
  RebuildSections();
}

void TQuickIni::EraseSection(const String& Section) {
  const int32_t header = GetSectionIndex(Section);
  if (header < 0) return;
  FLines->Delete(header);
  while (header < FLines->Count() && !IsSection(FLines->Get(header))) FLines->Delete(header);
  // Where a section stood after others, one blank line keeps the saved text readable.
  if (header != 0) FLines->Insert(header, "");
  RebuildSections();
}
