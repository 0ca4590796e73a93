// Look-ups, reads and writes of the INI store. Every write that inserts or removes lines rebuilds
// the section table before it returns, so each entry always names its own header line.

#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

namespace {

char AsciiLower(char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C;
}

bool IsBlank(char C) {
  return static_cast<unsigned char>(C) <= ' ';
}

std::string_view TrimView(std::string_view S) {
  while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
  while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
  return S;
}

}  // namespace

std::size_t TQuickIni::TLookup::TNoCaseHash::operator()(std::string_view S) const {
  auto h = static_cast<std::size_t>(1469598103934665603ull);
  for (char c : S)
    h = (h ^ static_cast<unsigned char>(AsciiLower(c))) * static_cast<std::size_t>(1099511628211ull);
  return h;
}

bool TQuickIni::TLookup::TNoCaseEqual::operator()(std::string_view A, std::string_view B) const {
  return SameText(A, B);
}

void TQuickIni::Forget() {
  FLookup.reset();
}

const TQuickIni::TLookup& TQuickIni::Lookup() const {
  if (FLookup) return *FLookup;
  auto l = std::make_unique<TLookup>();
  const int n = FLines->Count();
  l->Lines.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const String line = FLines->Get(i);
    TLookup::TLine& e = l->Lines[static_cast<std::size_t>(i)];
    const std::string_view t = TrimView(line);
    e.Section = !t.empty() && t.front() == '[' && t.back() == ']';
    const auto eq = line.find('=');
    if (eq == String::npos) continue;
    const std::string_view name = TrimView(std::string_view(line).substr(0, eq));
    const std::string_view value = TrimView(std::string_view(line).substr(eq + 1));
    e.NameAt = static_cast<std::uint32_t>(l->Text.size());
    e.NameSize = static_cast<std::uint32_t>(name.size());
    for (char c : name) l->Text.push_back(AsciiLower(c));
    e.ValueAt = static_cast<std::uint32_t>(l->Text.size());
    e.ValueSize = static_cast<std::uint32_t>(value.size());
    l->Text.append(value);
  }
  // As the section table is searched: its first entry of a name wins.
  for (int i = 0, k = FSections->Count(); i < k; ++i) {
    const String header = FSections->Get(i);
    if (header.size() < 2) continue;  // every entry is "[...]"; anything else matches no name
    l->Headers.emplace(header.substr(1, header.size() - 2), SectionLine(i));
  }
  FLookup = std::move(l);
  return *FLookup;
}

int32_t TQuickIni::GetSectionIndex(const String& Section) const {
  const TLookup& l = Lookup();
  const auto found = l.Headers.find(std::string_view(Section));
  return found == l.Headers.end() ? -1 : found->second;
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
  // An empty key names nothing (a line without '=' is no key of that name).
  if (FLines->Count() == 0 || Key.empty()) return Default;
  const int32_t header = GetSectionIndex(Section);
  if (header < 0) return Default;
  const TLookup& l = Lookup();
  const std::string_view text(l.Text);
  for (std::size_t j = static_cast<std::size_t>(header) + 1; j < l.Lines.size(); ++j) {
    const TLookup::TLine& e = l.Lines[j];
    if (e.Section) return Default;
    if (e.NameSize != Key.size()) continue;
    const std::string_view name = text.substr(e.NameAt, e.NameSize);
    bool same = true;
    for (std::size_t c = 0; c < name.size() && same; ++c) same = name[c] == AsciiLower(Key[c]);
    if (!same) continue;
    return e.ValueSize == 0 ? Default : String(text.substr(e.ValueAt, e.ValueSize));
  }
  return Default;
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
  Forget();
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
  Forget();
  if (j < 0) return;
  if (j < FLines->Count() && !IsSection(FLines->Get(j))) FLines->Delete(j);
  RebuildSections();
}

void TQuickIni::EraseSection(const String& Section) {
  const int32_t header = GetSectionIndex(Section);
  Forget();
  if (header < 0) return;
  FLines->Delete(header);
  while (header < FLines->Count() && !IsSection(FLines->Get(header))) FLines->Delete(header);
  // Where a section stood after others, one blank line keeps the saved text readable.
  if (header != 0) FLines->Insert(header, "");
  RebuildSections();
}
