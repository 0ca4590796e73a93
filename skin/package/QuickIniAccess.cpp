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
  auto H = static_cast<std::size_t>(1469598103934665603ull);
  for (char C : S)
    H = (H ^ static_cast<unsigned char>(AsciiLower(C))) * static_cast<std::size_t>(1099511628211ull);
  return H;
}

bool TQuickIni::TLookup::TNoCaseEqual::operator()(std::string_view A, std::string_view B) const {
  return SameText(A, B);
}

void TQuickIni::Forget() {
  FLookup.reset();
}

const TQuickIni::TLookup& TQuickIni::Lookup() const {
  if (FLookup) return *FLookup;
  auto L = std::make_unique<TLookup>();
  const int N = FLines->Count();
  L->Lines.resize(static_cast<std::size_t>(N));
  for (int I = 0; I < N; ++I) {
    const String Line = FLines->Get(I);
    TLookup::TLine& E = L->Lines[static_cast<std::size_t>(I)];
    const std::string_view T = TrimView(Line);
    E.Section = !T.empty() && T.front() == '[' && T.back() == ']';
    const auto Eq = Line.find('=');
    if (Eq == String::npos) continue;
    const std::string_view Name = TrimView(std::string_view(Line).substr(0, Eq));
    const std::string_view Value = TrimView(std::string_view(Line).substr(Eq + 1));
    E.NameAt = static_cast<std::uint32_t>(L->Text.size());
    E.NameSize = static_cast<std::uint32_t>(Name.size());
    for (char C : Name) L->Text.push_back(AsciiLower(C));
    E.ValueAt = static_cast<std::uint32_t>(L->Text.size());
    E.ValueSize = static_cast<std::uint32_t>(Value.size());
    L->Text.append(Value);
  }
  // As the section table is searched: its first entry of a name wins.
  for (int I = 0, K = FSections->Count(); I < K; ++I) {
    const String Header = FSections->Get(I);
    if (Header.size() < 2) continue;  // every entry is "[...]"; anything else matches no name
    L->Headers.emplace(Header.substr(1, Header.size() - 2), SectionLine(I));
  }
  FLookup = std::move(L);
  return *FLookup;
}

int32_t TQuickIni::GetSectionIndex(const String& Section) const {
  const TLookup& L = Lookup();
  const auto Found = L.Headers.find(std::string_view(Section));
  return Found == L.Headers.end() ? -1 : Found->second;
}

bool TQuickIni::IsSection(const String& Line) const {
  if (Line.empty()) return false;
  const String T = Trim(Line);
  return !T.empty() && T.front() == '[' && T.back() == ']';
}

String TQuickIni::GetName(const String& Line) const {
  const auto Eq = Line.find('=');
  return Eq == String::npos ? String() : LowerCase(Trim(std::string_view(Line).substr(0, Eq)));
}

String TQuickIni::GetValue(const String& Line, const String& Name) const {
  if (Line.empty() || Name.empty()) return {};
  const auto Eq = Line.find('=');
  if (Eq == String::npos || GetName(Line) != Name) return {};
  return Trim(std::string_view(Line).substr(Eq + 1));
}

int32_t TQuickIni::ScanSection(const String& Section, const String& LowerKey, int32_t& Header) const {
  Header = GetSectionIndex(Section);
  if (Header < 0) return -1;
  const int32_t N = FLines->Count();
  int32_t J = Header + 1;
  while (J < N) {
    const String Line = FLines->Get(J);
    if (IsSection(Line) || GetName(Line) == LowerKey) break;
    ++J;
  }
  return J;
}

String TQuickIni::ReadString(const String& Section, const String& Key, const String& Default) const {
  // An empty key names nothing (a line without '=' is no key of that name).
  if (FLines->Count() == 0 || Key.empty()) return Default;
  const int32_t Header = GetSectionIndex(Section);
  if (Header < 0) return Default;
  const TLookup& L = Lookup();
  const std::string_view AllText(L.Text);
  for (std::size_t J = static_cast<std::size_t>(Header) + 1; J < L.Lines.size(); ++J) {
    const TLookup::TLine& E = L.Lines[J];
    if (E.Section) return Default;
    if (E.NameSize != Key.size()) continue;
    const std::string_view Name = AllText.substr(E.NameAt, E.NameSize);
    bool Same = true;
    for (std::size_t C = 0; C < Name.size() && Same; ++C) Same = Name[C] == AsciiLower(Key[C]);
    if (!Same) continue;
    return E.ValueSize == 0 ? Default : String(AllText.substr(E.ValueAt, E.ValueSize));
  }
  return Default;
}

int32_t TQuickIni::ReadInteger(const String& Section, const String& Key, int32_t Default) const {
  String Text = ReadString(Section, Key, "");
  if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')) Text.replace(0, 2, "$");
  return StrToIntDef(Text, Default);
}

bool TQuickIni::ReadBool(const String& Section, const String& Key, bool Default) const {
  return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TQuickIni::ReadSection(const String& Section, TStrings& Strings) const {
  Strings.Clear();
  const int32_t Header = GetSectionIndex(Section);
  if (Header < 0) return;
  for (int32_t J = Header + 1, N = FLines->Count(); J < N; ++J) {
    const String Line = FLines->Get(J);
    if (IsSection(Line)) break;
    const String Name = GetName(Line);
    if (!Name.empty()) Strings.Add(Name);
  }
}

void TQuickIni::ReadSectionValues(const String& Section, TStrings& Strings) const {
  Strings.Clear();
  const int32_t Header = GetSectionIndex(Section);
  if (Header < 0) return;
  for (int32_t J = Header + 1, N = FLines->Count(); J < N; ++J) {
    const String Line = FLines->Get(J);
    if (IsSection(Line)) break;
    Strings.Add(Line);
  }
}

void TQuickIni::ReadSections(TStrings& Strings) const {
  Strings.Clear();
  for (int I = 0, N = FSections->Count(); I < N; ++I) {
    const String T = Trim(FSections->Get(I));
    Strings.Add(T.size() >= 2 ? Trim(std::string_view(T).substr(1, T.size() - 2)) : String());
  }
}

void TQuickIni::WriteString(const String& Section, const String& Key, const String& Value) {
  const String Line = Key + "=" + Value;
  int32_t Header;
  const int32_t J = ScanSection(Section, LowerCase(Key), Header);
  Forget();
  if (J < 0) {
    // A new section goes at the end of the text, without a blank line before it.
    const String Head = "[" + Section + "]";
    AddSection(Head, FLines->Add(Head));
    if (!Key.empty()) FLines->Add(Line);
    return;
  }
  if (Key.empty()) return;
  if (J >= FLines->Count()) {
    FLines->Add(Line);
  } else if (!IsSection(FLines->Get(J))) {
    FLines->Put(J, Line);
  } else {
    FLines->Insert(J, Line);
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
  int32_t Header;
  const int32_t J = ScanSection(Section, LowerCase(Key), Header);
  Forget();
  if (J < 0) return;
  if (J < FLines->Count() && !IsSection(FLines->Get(J))) FLines->Delete(J);
  RebuildSections();
}

void TQuickIni::EraseSection(const String& Section) {
  const int32_t Header = GetSectionIndex(Section);
  Forget();
  if (Header < 0) return;
  FLines->Delete(Header);
  while (Header < FLines->Count() && !IsSection(FLines->Get(Header))) FLines->Delete(Header);
  // Where a section stood after others, one blank line keeps the saved text readable.
  if (Header != 0) FLines->Insert(Header, "");
  RebuildSections();
}
