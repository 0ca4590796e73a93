#pragma once
// Builds skin archives: named files in a container of a chosen version, compressed with the codec.

#include <cstdint>
#include <vector>

#include "framework/core/Object.h"
#include "skin/package/SkinArchiveFormat.h"

class TStream;

class TSkinWriter : public TObject {
  DECLARE_CLASS(TSkinWriter, TObject)

 public:
  // Raises EConvertError for a name the reader could not give back unchanged (a line break in it,
  // the same name in other letter case) or beyond the reader's 1001 files.
  void AddFile(const String& Name, const uint8_t* Bytes, int64_t Count);
  void AddFile(const String& Name, TStream& Source);  // all of Source, from its start
  void Clear() { FFiles.clear(); }
  int Count() const { return static_cast<int>(FFiles.size()); }

  // The uncompressed container; header bytes 8..15 and the extra block are zero. Raises
  // EConvertError for a version the reader does not know.
  void SaveContainer(TStream& Destination, uint32_t Version = kSkinDefaultVersion) const;
  // The compressed archive (4-byte length, then the code), as the reader takes it.
  void SaveToStream(TStream& Destination, uint32_t Version = kSkinDefaultVersion) const;
  void SaveToFile(const String& FileName, uint32_t Version = kSkinDefaultVersion) const;

 private:
  struct TEntry {
    String Name;
    std::vector<uint8_t> Bytes;
  };
  std::vector<TEntry> FFiles;
};
