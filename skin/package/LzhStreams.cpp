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
  const int64_t at = Source.Position();
  const int64_t left = Source.Size() - at;
  if (left <= 0) return {};
  if (auto* memory = dynamic_cast<TMemoryStream*>(&Source))
    return std::span<const uint8_t>(memory->Memory() + at, static_cast<size_t>(left));
  Copy.resize(static_cast<size_t>(left));
  Copy.resize(static_cast<size_t>(Source.Read(Copy.data(), left)));
  Source.SetPosition(at);
  return Copy;
}

}  // namespace

void LzhCompress(TStream& Source, TStream& Destination) {
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int64_t size = Source.Size();
  if (size > std::numeric_limits<int32_t>::max())
    throw ElzhException("LZH : Input is too large for a 32-bit length");
  Destination.WriteInt32(static_cast<int32_t>(size));
  std::vector<uint8_t> copy, code;
  const std::span<const uint8_t> input = RestOf(Source, copy);
  code.reserve(input.size() / 2 + 16);
  LzhPackBuffer(input, code);
  Source.SetPosition(Source.Position() + static_cast<int64_t>(input.size()));
  if (!code.empty()) Destination.WriteBuffer(code.data(), static_cast<int64_t>(code.size()));
}

void LzhDecompress(TStream& Source, TStream& Destination) {
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int32_t length = Source.ReadInt32();
  const int64_t codeAt = Source.Position();
  LzhCheckStoredLength(length, Source.Size() - codeAt);
  if (length <= 0) return;
  std::vector<uint8_t> copy;
  const std::span<const uint8_t> code = RestOf(Source, copy);
  TLzhUnpackResult result;
  if (auto* memory = dynamic_cast<TMemoryStream*>(&Destination)) {
    // Straight into the stream's memory, which ends up holding what the writes would have left.
    const int64_t before = memory->Size();
    memory->SetSize(std::max<int64_t>(before, int64_t{length} + kLzhUnpackSlack));
    result = LzhUnpackBuffer(code, length, memory->Memory());
    memory->SetSize(std::max(before, result.Written));
    memory->SetPosition(result.Written);
  } else {
    std::vector<uint8_t> out(static_cast<size_t>(length) + kLzhUnpackSlack);
    result = LzhUnpackBuffer(code, length, out.data());
    Destination.WriteBuffer(out.data(), result.Written);
  }
  // Where the callback codec would have left the source: just past the last code byte it fetched.
  Source.SetPosition(codeAt + result.BytesRead);
}
