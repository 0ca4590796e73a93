#include "skin/package/SkinWriter.h"

#include <limits>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/LzhStreams.h"

void TSkinWriter::AddFile(const String& Name, const uint8_t* Bytes, int64_t Count) {
  if (Name.find_first_of("\r\n") != String::npos)
    throw EConvertError("Skin archive: file name \"" + Name + "\" contains a line break");
  for (const auto& F : FFiles)
    if (SameText(F.Name, Name))
      throw EConvertError("Skin archive: \"" + Name + "\" is already in the archive");
  if (FFiles.size() >= static_cast<size_t>(kSkinMaxFiles))
    throw EConvertError("Skin archive: more than " + IntToStr(kSkinMaxFiles) + " files");
  if (Count < 0 || Count > std::numeric_limits<int32_t>::max())
    throw EConvertError("Skin archive: \"" + Name + "\" is too large");
  FFiles.push_back({Name, std::vector<uint8_t>(Bytes, Bytes + Count)});
}

void TSkinWriter::AddFile(const String& Name, TStream& Source) {
  const int64_t SourceSize = Source.Size();
  std::vector<uint8_t> Bytes(static_cast<size_t>(SourceSize > 0 ? SourceSize : 0));
  Source.SetPosition(0);
  if (!Bytes.empty()) Source.ReadBuffer(Bytes.data(), SourceSize);
  AddFile(Name, Bytes.data(), static_cast<int64_t>(Bytes.size()));
}

void TSkinWriter::SaveContainer(TStream& Destination, uint32_t Version) const {
  const int32_t Extra = SkinExtraBlockLength(Version);
  if (Extra < 0) throw EConvertError("Skin archive: unknown version " + IntToStr(Version));
  // Every name ends with CR LF: the reader's line splitting gives back exactly these names.
  String Names;
  for (const auto& F : FFiles) Names += F.Name + "\r\n";

  Destination.WriteInt32(static_cast<int32_t>(Version));
  Destination.WriteInt32(static_cast<int32_t>(Names.size()));
  const std::vector<uint8_t> Zeros(static_cast<size_t>(8 + Extra), 0);
  Destination.WriteBuffer(Zeros.data(), static_cast<int64_t>(Zeros.size()));
  Destination.WriteBuffer(Names.data(), static_cast<int64_t>(Names.size()));
  for (const auto& F : FFiles) Destination.WriteInt32(static_cast<int32_t>(F.Bytes.size()));
  for (const auto& F : FFiles)
    if (!F.Bytes.empty()) Destination.WriteBuffer(F.Bytes.data(), static_cast<int64_t>(F.Bytes.size()));
}

void TSkinWriter::SaveToStream(TStream& Destination, uint32_t Version) const {
  TMemoryStream Container;
  SaveContainer(Container, Version);
  TMemoryStream Packed;
  LzhCompress(Container, Packed);
  Packed.SetPosition(0);
  Destination.CopyFrom(Packed, Packed.Size());
}

void TSkinWriter::SaveToFile(const String& FileName, uint32_t Version) const {
  TMemoryStream Packed;
  SaveToStream(Packed, Version);
  Packed.SaveToFile(FileName);
}
