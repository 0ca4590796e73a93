#include "skin/package/SkinWriter.h"

#include <limits>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/LzhStreams.h"

void TSkinWriter::AddFile(const String& Name, const uint8_t* Bytes, int64_t Count) {
  if (Name.find_first_of("\r\n") != String::npos)
    throw EConvertError("Skin archive: file name \"" + Name + "\" contains a line break");
  for (const auto& f : FFiles)
    if (SameText(f.Name, Name))
      throw EConvertError("Skin archive: \"" + Name + "\" is already in the archive");
  if (FFiles.size() >= static_cast<size_t>(kSkinMaxFiles))
    throw EConvertError("Skin archive: more than " + IntToStr(kSkinMaxFiles) + " files");
  if (Count < 0 || Count > std::numeric_limits<int32_t>::max())
    throw EConvertError("Skin archive: \"" + Name + "\" is too large");
  FFiles.push_back({Name, std::vector<uint8_t>(Bytes, Bytes + Count)});
}

void TSkinWriter::AddFile(const String& Name, TStream& Source) {
  const int64_t size = Source.Size();
  std::vector<uint8_t> bytes(static_cast<size_t>(size > 0 ? size : 0));
  Source.SetPosition(0);
  if (!bytes.empty()) Source.ReadBuffer(bytes.data(), size);
  AddFile(Name, bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TSkinWriter::SaveContainer(TStream& Destination, uint32_t Version) const {
  const int32_t extra = SkinExtraBlockLength(Version);
  if (extra < 0) throw EConvertError("Skin archive: unknown version " + IntToStr(Version));
  // Every name ends with CR LF: the reader's line splitting gives back exactly these names.
  String names;
  for (const auto& f : FFiles) names += f.Name + "\r\n";

  Destination.WriteInt32(static_cast<int32_t>(Version));
  Destination.WriteInt32(static_cast<int32_t>(names.size()));
  const std::vector<uint8_t> zeros(static_cast<size_t>(8 + extra), 0);
  Destination.WriteBuffer(zeros.data(), static_cast<int64_t>(zeros.size()));
  Destination.WriteBuffer(names.data(), static_cast<int64_t>(names.size()));
  for (const auto& f : FFiles) Destination.WriteInt32(static_cast<int32_t>(f.Bytes.size()));
  for (const auto& f : FFiles)
    if (!f.Bytes.empty()) Destination.WriteBuffer(f.Bytes.data(), static_cast<int64_t>(f.Bytes.size()));
}

void TSkinWriter::SaveToStream(TStream& Destination, uint32_t Version) const {
  TMemoryStream container;
  SaveContainer(container, Version);
  TMemoryStream packed;
  LzhCompress(container, packed);
  packed.SetPosition(0);
  Destination.CopyFrom(packed, packed.Size());
}

void TSkinWriter::SaveToFile(const String& FileName, uint32_t Version) const {
  TMemoryStream packed;
  SaveToStream(packed, Version);
  packed.SaveToFile(FileName);
}
