// Loading, saving and the section table of the INI store.

#include "skin/package/QuickIni.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/LzhStreams.h"

namespace {

// The section table keeps each header's line index as the entry's associated object.
TObject* LineAsObject(int32_t Line) {
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(Line));
}

bool IsHeaderText(std::string_view Text) {
  return !Text.empty() && Text.front() == '[' && Text.back() == ']';
}

}  // namespace

TQuickIni::TQuickIni()
    : FLines(std::make_unique<TStringList>()), FSections(std::make_unique<TStringList>()) {}

TQuickIni::~TQuickIni() = default;

int32_t TQuickIni::SectionLine(int Index) const {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(FSections->Objects(Index)));
}

void TQuickIni::AddSection(const String& Header, int32_t Line) {
  Forget();
  FSections->AddObject(Header, LineAsObject(Line));
}

void TQuickIni::Clear() {
  Forget();
  FLines->Clear();
  FSections->Clear();
}

void TQuickIni::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  const int64_t left = Stream->Size() - Stream->Position();
  String text(static_cast<size_t>(left > 0 ? left : 0), '\0');
  if (!text.empty()) text.resize(static_cast<size_t>(Stream->Read(text.data(), left)));

  FLines->BeginUpdate();
  FSections->BeginUpdate();
  Clear();
  // A line ends at CR, LF or the end; then one CR and one LF are skipped. A NUL ends the text.
  size_t p = 0;
  while (p < text.size() && text[p] != '\0') {
    const size_t start = p;
    while (p < text.size() && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') ++p;
    const String line = Trim(std::string_view(text).substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
    if (line.empty() || line.front() == ';') continue;
    const int index = FLines->Add(line);
    if (IsHeaderText(line)) AddSection(line, index);
  }
  FSections->EndUpdate();
  FLines->EndUpdate();
  Forget();
}

void TQuickIni::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TQuickIni::LoadFromZip(const String& FileName) {
  TMemoryStream packed;
  packed.LoadFromFile(FileName);
  TMemoryStream text;
  Decompress(packed, text);
  text.SetPosition(0);
  LoadFromStream(&text);
}

void TQuickIni::SetIniFile(const TStrings* Lines) {
  Forget();
  FLines->Clear();
  if (Lines) FLines->AddStrings(*Lines);
  RebuildSections();
}

void TQuickIni::RebuildSections() {
  FSections->BeginUpdate();
  FSections->Clear();
  for (int i = 0, n = FLines->Count(); i < n; ++i) {
    const String line = FLines->Get(i);
    if (IsHeaderText(line)) AddSection(Trim(line), i);
  }
  FSections->EndUpdate();
  Forget();
}

void TQuickIni::SaveToStream(TStream* Stream) const {
  if (!Stream) return;
  String text;
  for (int i = 0, n = FLines->Count(); i < n; ++i) text += FLines->Get(i) + "\r\n";
  if (!text.empty()) Stream->WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TQuickIni::SaveToFile(const String& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TQuickIni::SavetoZip(const String& FileName) const {
  TMemoryStream text;
  SaveToStream(&text);
  TMemoryStream packed;
  Compress(text, packed);
  packed.SaveToFile(FileName);
}

void TQuickIni::Compress(TStream& Source, TStream& Destination) {
  LzhCompress(Source, Destination);
}

void TQuickIni::Decompress(TStream& Source, TStream& Destination) {
  LzhDecompress(Source, Destination);
}
