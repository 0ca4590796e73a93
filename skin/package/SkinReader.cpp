#include "skin/package/SkinReader.h"

#include <algorithm>
#include <cstring>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhStreams.h"
#include "skin/package/SkinNotify.h"

namespace {

int32_t LoadInt32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

// [Offset, Offset + Length) cut to [0, Size): what a stream read there would deliver.
int64_t Available(int64_t Offset, int64_t Length, int64_t Size) {
  if (Length <= 0 || Offset >= Size) return 0;
  return std::min(Length, Size - Offset);
}

}  // namespace

TSkinReader::TSkinReader()
    : FList(std::make_unique<TStringList>()), FData(std::make_unique<TMemoryStream>()) {}

TSkinReader::~TSkinReader() = default;

void TSkinReader::Decompress(TStream& Source, TStream& Destination) {
  LzhDecompress(Source, Destination);
}

bool TSkinReader::Loadfromstream(TMemoryStream& Stream) {
  TMemoryStream container;
  try {
    Decompress(Stream, container);
  } catch (const ElzhException&) {
    return false;  // a length the code cannot back: not an archive
  } catch (const EReadError&) {
    return false;  // not even a length field
  }
  return LoadContainer(container.Memory(), container.Size());
}

bool TSkinReader::loadfromfile(const String& FileName) {
  if (!FileExists(FileName)) return false;
  TMemoryStream file;
  try {
    file.LoadFromFile(FileName);
  } catch (const EStreamError&) {
    return false;
  }
  return Loadfromstream(file);
}

bool TSkinReader::LoadContainer(const uint8_t* Data, int64_t Size) {
  if (Data == nullptr || Size < kSkinHeaderSize) return false;
  const auto version = static_cast<uint32_t>(LoadInt32(Data));
  const int32_t extra = SkinExtraBlockLength(version);
  if (extra < 0) {
    ShowSkinMessage(kSkinOlderFileMessage);
    return false;
  }
  const int32_t namesLength = LoadInt32(Data + 4);

  // Parse into locals first so that the reader changes only as a whole.
  const int64_t namesAt = kSkinHeaderSize + int64_t{extra};
  const int64_t namesGot = Available(namesAt, namesLength, Size);
  auto list = std::make_unique<TStringList>();
  list->SetText(LowerCase(
      std::string_view(reinterpret_cast<const char*>(Data) + namesAt, static_cast<size_t>(namesGot))));
  const int n = list->Count();

  // The table holds 1001 sizes; names beyond it cannot be read and are dropped from the list,
  // while the data area still starts behind all n stored sizes.
  while (list->Count() > kSkinMaxFiles) list->Delete(list->Count() - 1);
  std::array<int32_t, kSkinMaxFiles> sizes{};
  const int64_t sizesAt = namesAt + std::max<int64_t>(namesLength, 0);
  for (int i = 0; i < list->Count(); ++i) {
    const int64_t at = sizesAt + 4 * int64_t{i};
    if (Available(at, 4, Size) == 4) sizes[i] = LoadInt32(Data + at);  // missing sizes read as 0
  }
  const int64_t dataAt = sizesAt + 4 * int64_t{n};

  auto data = std::make_unique<TMemoryStream>();
  if (dataAt < Size) data->WriteBuffer(Data + dataAt, Size - dataAt);
  data->SetPosition(0);

  FList = std::move(list);
  FCount = FList->Count();
  FSizes = sizes;
  FData = std::move(data);
  std::memcpy(FHeader.data(), Data, kSkinHeaderSize);
  return true;
}

int32_t TSkinReader::FileSize(int Index) const {
  return Index >= 0 && Index < FCount ? FSizes[static_cast<size_t>(Index)] : 0;
}

uint32_t TSkinReader::Version() const {
  return static_cast<uint32_t>(LoadInt32(FHeader.data()));
}

int32_t TSkinReader::NamesLength() const {
  return LoadInt32(FHeader.data() + 4);
}

// A negative size counts as empty and does not move the running offset; a file that runs past
// the data area yields only the part inside it.
int64_t TSkinReader::FileOffset(int Index) const {
  int64_t offset = 0;
  for (int i = 0; i < Index; ++i) offset += std::max(FSizes[static_cast<size_t>(i)], 0);
  return offset;
}

int64_t TSkinReader::AvailableSize(int Index) const {
  if (Index < 0 || Index >= FCount) return 0;
  return Available(FileOffset(Index), FSizes[static_cast<size_t>(Index)], DataSize());
}

void TSkinReader::CopyFile(int Index, TMemoryStream& Destination) const {
  const int64_t got = AvailableSize(Index);
  if (got > 0) Destination.WriteBuffer(FData->Bytes().data() + FileOffset(Index), got);
  Destination.SetPosition(0);
}

void TSkinReader::ReadByIndex(int Index, TMemoryStream& Destination) const {
  Destination.Clear();
  if (Index >= 0 && Index < FCount) CopyFile(Index, Destination);
}

void TSkinReader::readfile(const String& Name, TMemoryStream& Destination) {
  Destination.Clear();
  const String key = LowerCase(Name);
  for (int i = 0; i < FCount; ++i) {
    if (FList->Get(i) == key) {
      CopyFile(i, Destination);
      return;
    }
  }
}

void TSkinReader::readIni(const String& SubStr, TMemoryStream& Destination, String& Name) {
  Destination.Clear();
  for (int i = 0; i < FCount; ++i) {
    const String entry = FList->Get(i);
    if (entry.find(SubStr) != String::npos) {
      CopyFile(i, Destination);
      Name = entry;
      return;
    }
  }
}

int64_t TSkinReader::DataSize() const {
  return static_cast<int64_t>(FData->Bytes().size());
}
