#pragma once
// In-memory INI store for skin descriptions. Keeps the meaningful lines (trimmed, without comments
// and blank lines) plus a table of section headers with the line each starts on, so a look-up
// jumps to its section and scans only that section. Sections match without regard to ASCII case,
// keys after ASCII lower-casing; missing keys give the caller's default.

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/Strings.h"

class TStream;

class TQuickIni : public TObject {
  DECLARE_CLASS(TQuickIni, TObject)

 public:
  TQuickIni();
  ~TQuickIni() override;

  void SetFileName(const String& FileName) { FFileName = FileName; }
  const String& FileName() const { return FFileName; }

  // Loading replaces everything. A null stream leaves the store as it is.
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);
  void LoadFromZip(const String& FileName);  // an LZH compressed stream, not a ZIP archive
  void SetIniFile(const TStrings* Lines);    // copied as they are, then the sections rebuilt
  void Clear();

  // Line index of the header "[" + Section + "]" (case-insensitive, not trimmed), or -1.
  int32_t GetSectionIndex(const String& Section) const;
  bool IsSection(const String& Line) const;
  String GetName(const String& Line) const;
  String GetValue(const String& Line, const String& Name) const;

  String ReadString(const String& Section, const String& Key, const String& Default) const;
  int32_t ReadInteger(const String& Section, const String& Key, int32_t Default) const;
  bool ReadBool(const String& Section, const String& Key, bool Default) const;
  void ReadSection(const String& Section, TStrings& Strings) const;
  void ReadSectionValues(const String& Section, TStrings& Strings) const;
  void ReadSections(TStrings& Strings) const;

  void WriteString(const String& Section, const String& Key, const String& Value);
  void WriteInteger(const String& Section, const String& Key, int32_t Value);
  void WriteBool(const String& Section, const String& Key, bool Value);
  void DeleteKey(const String& Section, const String& Key);
  void EraseSection(const String& Section);
  void RebuildSections();

  void SaveToStream(TStream* Stream) const;  // each line followed by CR LF; null is ignored
  void SaveToFile(const String& FileName) const;
  void SavetoZip(const String& FileName) const;

  // The codec's compressed-stream wrappers (4-byte length, then the LZH code).
  static void Compress(TStream& Source, TStream& Destination);
  static void Decompress(TStream& Source, TStream& Destination);

  const TStringList& Lines() const { return *FLines; }
  const TStringList& Sections() const { return *FSections; }
  // Header line index stored with section-table entry Index.
  int32_t SectionLine(int Index) const;

 private:
  // First line of Section that is a header or whose name is Key (lower case), or the line count;
  // -1 when the section is absent.
  int32_t ScanSection(const String& Section, const String& LowerKey, int32_t& Header) const;
  void AddSection(const String& Header, int32_t Line);

  // Reads go through tables made from the lines on the first read after a change (a skin load
  // reads hundreds of keys); every change drops them.
  struct TLookup {
    struct TLine {
      std::uint32_t NameAt = 0, NameSize = 0;  // the name lower-cased, in Text; empty without '='
      std::uint32_t ValueAt = 0, ValueSize = 0;
      bool Section = false;
    };
    struct TNoCaseHash {
      using is_transparent = void;
      std::size_t operator()(std::string_view S) const;
    };
    struct TNoCaseEqual {
      using is_transparent = void;
      bool operator()(std::string_view A, std::string_view B) const;
    };
    String Text;  // names and values, back to back
    std::vector<TLine> Lines;
    // Section name (between the brackets) -> header line of its first entry in the section table.
    std::unordered_map<String, int32_t, TNoCaseHash, TNoCaseEqual> Headers;
  };
  const TLookup& Lookup() const;
  void Forget();

  String FFileName;
  std::unique_ptr<TStringList> FLines;
  std::unique_ptr<TStringList> FSections;
  mutable std::unique_ptr<TLookup> FLookup;
};
