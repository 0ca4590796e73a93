#include "skin/package/LzhStreams.h"

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/package/LzhBuffers.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhFast.h"

namespace {

// Source's bytes from its position to its end, without a copy when it is a memory stream.
std::span<const uint8_t> RestOf(TStream& Source, std::vector<uint8_t>& Copy) {
  const int64_t At = Source.Position();
  const int64_t Left = Source.Size() - At;
  if (Left <= 0) return {};
  if (auto* InMemory = dynamic_cast<TMemoryStream*>(&Source))
    return std::span<const uint8_t>(InMemory->Memory() + At, static_cast<size_t>(Left));
  Copy.resize(static_cast<size_t>(Left));
  Copy.resize(static_cast<size_t>(Source.Read(Copy.data(), Left)));
  Source.SetPosition(At);
  return Copy;
}

}  // namespace

void LzhCompress(TStream& Source, TStream& Destination) {
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int64_t SourceSize = Source.Size();
  if (SourceSize > std::numeric_limits<int32_t>::max())
    throw ElzhException("LZH : Input is too large for a 32-bit length");
  Destination.WriteInt32(static_cast<int32_t>(SourceSize));
  std::vector<uint8_t> Copy, Code;
  const std::span<const uint8_t> Plain = RestOf(Source, Copy);
  Code.reserve(Plain.size() / 2 + 16);
  LzhPackBuffer(Plain, Code);
  Source.SetPosition(Source.Position() + static_cast<int64_t>(Plain.size()));
  if (!Code.empty()) Destination.WriteBuffer(Code.data(), static_cast<int64_t>(Code.size()));
}

void LzhDecompress(TStream& Source, TStream& Destination) {
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int32_t Length = Source.ReadInt32();
  const int64_t CodeAt = Source.Position();
  LzhCheckStoredLength(Length, Source.Size() - CodeAt);
  if (Length <= 0) return;
  std::vector<uint8_t> Copy;
  const std::span<const uint8_t> Code = RestOf(Source, Copy);
  TLzhUnpackResult Result;
  if (auto* OutMemory = dynamic_cast<TMemoryStream*>(&Destination)) {
    // Straight into the stream's memory, which ends up holding what the writes would have left.
    const int64_t Before = OutMemory->Size();
    OutMemory->SetSize(std::max<int64_t>(Before, int64_t{Length} + kLzhUnpackSlack));
    Result = LzhUnpackBuffer(Code, Length, OutMemory->Memory());
    OutMemory->SetSize(std::max(Before, Result.Written));
    OutMemory->SetPosition(Result.Written);
  } else {
    std::vector<uint8_t> Out(static_cast<size_t>(Length) + kLzhUnpackSlack);
    Result = LzhUnpackBuffer(Code, Length, Out.data());
    Destination.WriteBuffer(Out.data(), Result.Written);
  }
  // Where the callback codec would have left the source: just past the last code byte it fetched.
  Source.SetPosition(CodeAt + Result.BytesRead);
}
