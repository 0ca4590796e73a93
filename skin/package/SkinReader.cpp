#include "skin/package/SkinReader.h"

#include <algorithm>
#include <cstring>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhStreams.h"
#include "skin/package/SkinNotify.h"

namespace {

int32_t LoadInt32(const uint8_t* P) {
  return static_cast<int32_t>(static_cast<uint32_t>(P[0]) | (static_cast<uint32_t>(P[1]) << 8) |
                              (static_cast<uint32_t>(P[2]) << 16) | (static_cast<uint32_t>(P[3]) << 24));
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
  auto Container = std::make_unique<TMemoryStream>();
  try {
    Decompress(Stream, *Container);
  } catch (const ElzhException&) {
    return false;  // a length the code cannot back: not an archive
  } catch (const EReadError&) {
    return false;  // not even a length field
  }
  return Parse(Container->Memory(), Container->Size(), &Container);
}

bool TSkinReader::loadfromfile(const String& FileName) {
  if (!FileExists(FileName)) return false;
  TMemoryStream File;
  try {
    File.LoadFromFile(FileName);
  } catch (const EStreamError&) {
    return false;
  }
  return Loadfromstream(File);
}

bool TSkinReader::LoadContainer(const uint8_t* Data, int64_t Size) {
  return Parse(Data, Size, nullptr);
}

bool TSkinReader::Parse(const uint8_t* Data, int64_t Size, std::unique_ptr<TMemoryStream>* Owned) {
  if (Data == nullptr || Size < kSkinHeaderSize) return false;
  const auto Version = static_cast<uint32_t>(LoadInt32(Data));
  const int32_t Extra = SkinExtraBlockLength(Version);
  if (Extra < 0) {
    ShowSkinMessage(kSkinOlderFileMessage);
    return false;
  }
  const int32_t NamesLength = LoadInt32(Data + 4);

  // Parse into locals first so that the reader changes only as a whole.
  const int64_t NamesAt = kSkinHeaderSize + int64_t{Extra};
  const int64_t NamesGot = Available(NamesAt, NamesLength, Size);
  auto List = std::make_unique<TStringList>();
  List->SetText(LowerCase(
      std::string_view(reinterpret_cast<const char*>(Data) + NamesAt, static_cast<size_t>(NamesGot))));
  const int N = List->Count();

  // The table holds 1001 sizes; names beyond it cannot be read and are dropped from the list,
  // while the data area still starts behind all n stored sizes.
  while (List->Count() > kSkinMaxFiles) List->Delete(List->Count() - 1);
  std::array<int32_t, kSkinMaxFiles> Sizes{};
  const int64_t SizesAt = NamesAt + std::max<int64_t>(NamesLength, 0);
  for (int I = 0; I < List->Count(); ++I) {
    const int64_t At = SizesAt + 4 * int64_t{I};
    if (Available(At, 4, Size) == 4) Sizes[I] = LoadInt32(Data + At);  // missing sizes read as 0
  }
  const int64_t DataAt = SizesAt + 4 * int64_t{N};

  // A container the reader may keep is kept whole, the files read where they lie in it.
  std::unique_ptr<TMemoryStream> Files;
  int64_t Kept = 0;
  if (Owned && *Owned && DataAt < Size) {
    Files = std::move(*Owned);
    Kept = DataAt;
  } else {
    Files = std::make_unique<TMemoryStream>();
    if (DataAt < Size) Files->WriteBuffer(Data + DataAt, Size - DataAt);
  }
  Files->SetPosition(0);

  std::memcpy(FHeader.data(), Data, kSkinHeaderSize);
  FList = std::move(List);
  FCount = FList->Count();
  FSizes = Sizes;
  FData = std::move(Files);
  FDataAt = Kept;
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
  int64_t Offset = 0;
  for (int I = 0; I < Index; ++I) Offset += std::max(FSizes[static_cast<size_t>(I)], 0);
  return Offset;
}

int64_t TSkinReader::AvailableSize(int Index) const {
  if (Index < 0 || Index >= FCount) return 0;
  return Available(FileOffset(Index), FSizes[static_cast<size_t>(Index)], DataSize());
}

void TSkinReader::CopyFile(int Index, TMemoryStream& Destination) const {
  const int64_t Got = AvailableSize(Index);
  if (Got > 0) Destination.WriteBuffer(FData->Bytes().data() + FDataAt + FileOffset(Index), Got);
  Destination.SetPosition(0);
}

void TSkinReader::ReadByIndex(int Index, TMemoryStream& Destination) const {
  Destination.Clear();
  if (Index >= 0 && Index < FCount) CopyFile(Index, Destination);
}

void TSkinReader::readfile(const String& Name, TMemoryStream& Destination) {
  Destination.Clear();
  const String Key = LowerCase(Name);
  for (int I = 0; I < FCount; ++I) {
    if (FList->Get(I) == Key) {
      CopyFile(I, Destination);
      return;
    }
  }
}

std::span<const uint8_t> TSkinReader::FileBytes(const String& Name) const {
  const String Key = LowerCase(Name);
  for (int I = 0; I < FCount; ++I) {
    if (FList->Get(I) != Key) continue;
    const int64_t Got = AvailableSize(I);
    if (Got <= 0) return {};
    return {FData->Bytes().data() + FDataAt + FileOffset(I), static_cast<size_t>(Got)};
  }
  return {};
}

void TSkinReader::readIni(const String& SubStr, TMemoryStream& Destination, String& Name) {
  Destination.Clear();
  for (int I = 0; I < FCount; ++I) {
    const String Entry = FList->Get(I);
    if (Entry.find(SubStr) != String::npos) {
      CopyFile(I, Destination);
      Name = Entry;
      return;
    }
  }
}

int64_t TSkinReader::DataSize() const {
  return static_cast<int64_t>(FData->Bytes().size()) - FDataAt;
}
