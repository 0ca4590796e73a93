#pragma once
// Reads a compressed skin archive into memory and hands out its files by name.

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "framework/core/Object.h"
#include "framework/core/Strings.h"
#include "skin/package/SkinArchiveFormat.h"

class TStream;
class TMemoryStream;

class TSkinReader : public TObject {
  DECLARE_CLASS(TSkinReader, TObject)

 public:
  TSkinReader();
  ~TSkinReader() override;

  // Decompresses and parses Stream. An unknown version shows "This is Older Skin File" /
  // "Please update to new version !" and returns false; so does (silently) data that does not
  // decompress or is shorter than the header. On false the reader keeps its previous contents.
  bool Loadfromstream(TMemoryStream& Stream);
  // A missing or unreadable file returns false without a message.
  bool loadfromfile(const String& FileName);
  // Parses an already decompressed container; the same rules as Loadfromstream.
  bool LoadContainer(const uint8_t* Data, int64_t Size);

  // The decompress wrapper of the codec (4-byte length, then the code).
  void Decompress(TStream& Source, TStream& Destination);

  // Copies the file called Name (compared after ASCII lower-casing) into Destination, rewound.
  // Destination is left empty when there is no such file.
  void readfile(const String& Name, TMemoryStream& Destination);
  // The bytes of the file called Name as readfile would copy them, in place: valid until the next
  // load. Empty when there is no such file.
  std::span<const uint8_t> FileBytes(const String& Name) const;
  // Copies the first file whose (lower-case) name contains SubStr and returns that name in Name.
  void readIni(const String& SubStr, TMemoryStream& Destination, String& Name);

  // Copies file Index (in list order) into Destination, rewound; nothing for a bad index.
  void ReadByIndex(int Index, TMemoryStream& Destination) const;
  // Bytes of file Index that lie inside the data area (less than its size when cut short).
  int64_t AvailableSize(int Index) const;

  const TStringList& Names() const { return *FList; }
  int FileCount() const { return FCount; }
  // Stored size of file Index (0 for an index the table does not hold).
  int32_t FileSize(int Index) const;
  int64_t DataSize() const;
  uint32_t Version() const;
  int32_t NamesLength() const;

 private:
  // Parses Data; a container given as Owned may be taken over instead of copied.
  bool Parse(const uint8_t* Data, int64_t Size, std::unique_ptr<TMemoryStream>* Owned);
  void CopyFile(int Index, TMemoryStream& Destination) const;
  int64_t FileOffset(int Index) const;

  std::unique_ptr<TStringList> FList;
  int FCount = 0;
  std::array<int32_t, kSkinMaxFiles> FSizes{};
  std::unique_ptr<TMemoryStream> FData;  // the data area starts at FDataAt
  int64_t FDataAt = 0;
  std::array<uint8_t, kSkinHeaderSize> FHeader{};
};
