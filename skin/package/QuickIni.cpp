// Loading, saving and the section table of the INI store.

#include "skin/package/QuickIni.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/core/WithinUpdate.h"
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
  const int64_t Left = Stream->Size() - Stream->Position();
  String Text(static_cast<size_t>(Left > 0 ? Left : 0), '\0');
  if (!Text.empty()) Text.resize(static_cast<size_t>(Stream->Read(Text.data(), Left)));

  // Both lists stay in one update while they fill; a failure part-way still closes it.
  WithinUpdate(*FLines, [&] {
    WithinUpdate(*FSections, [&] {
      Clear();
      // A line ends at CR, LF or the end; then one CR and one LF are skipped. A NUL ends the text.
      size_t P = 0;
      while (P < Text.size() && Text[P] != '\0') {
        const size_t Start = P;
        while (P < Text.size() && Text[P] != '\0' && Text[P] != '\r' && Text[P] != '\n') ++P;
        const String Line = Trim(std::string_view(Text).substr(Start, P - Start));
        if (P < Text.size() && Text[P] == '\r') ++P;
        if (P < Text.size() && Text[P] == '\n') ++P;
        if (Line.empty() || Line.front() == ';') continue;
        const int Index = FLines->Add(Line);
        if (IsHeaderText(Line)) AddSection(Line, Index);
      }
    });
  });
  Forget();
}

void TQuickIni::LoadFromFile(const String& FileName) {
  TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&File);
}

void TQuickIni::LoadFromZip(const String& FileName) {
  TMemoryStream Packed;
  Packed.LoadFromFile(FileName);
  TMemoryStream Text;
  Decompress(Packed, Text);
  Text.SetPosition(0);
  LoadFromStream(&Text);
}

void TQuickIni::SetIniFile(const TStrings* Lines) {
  Forget();
  FLines->Clear();
  if (Lines) FLines->AddStrings(*Lines);
  RebuildSections();
}

void TQuickIni::RebuildSections() {
  Forget();
  WithinUpdate(*FSections, [&] {
    FSections->Clear();
    for (int I = 0, N = FLines->Count(); I < N; ++I) {
      const String Line = FLines->Get(I);
      if (IsHeaderText(Line)) AddSection(Trim(Line), I);
    }
  });
  Forget();
}

void TQuickIni::SaveToStream(TStream* Stream) const {
  if (!Stream) return;
  String Text;
  for (int I = 0, N = FLines->Count(); I < N; ++I) Text += FLines->Get(I) + "\r\n";
  if (!Text.empty()) Stream->WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

void TQuickIni::SaveToFile(const String& FileName) const {
  TFileStream File(FileName, fmCreate);
  SaveToStream(&File);
}

void TQuickIni::SavetoZip(const String& FileName) const {
  TMemoryStream Text;
  SaveToStream(&Text);
  TMemoryStream Packed;
  Compress(Text, Packed);
  Packed.SaveToFile(FileName);
}

void TQuickIni::Compress(TStream& Source, TStream& Destination) {
  LzhCompress(Source, Destination);
}

void TQuickIni::Decompress(TStream& Source, TStream& Destination) {
  LzhDecompress(Source, Destination);
}
