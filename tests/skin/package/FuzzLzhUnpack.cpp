// Fuzz target: arbitrary bytes as a compressed stream (4-byte length, then code).

#include <cstdint>
#include <cstdlib>

#include "framework/core/Streams.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream Source;
  Source.WriteBuffer(Data, static_cast<int64_t>(Size));
  TMemoryStream Out;
  try {
    LzhDecompress(Source, Out);
  } catch (const ElzhException&) {
    return 0;  // implausible length: refused before unpacking
  } catch (const EReadError&) {
    if (Size >= 4) abort();  // only a missing length field may fail to read
    return 0;
  }
  const int32_t Length = static_cast<int32_t>(Data[0] | (Data[1] << 8) | (Data[2] << 16) |
                                              (static_cast<uint32_t>(Data[3]) << 24));
  const int64_t Expected = Length > 0 ? Length : 0;
  // The stated length, plus at most the rest of one final match.
  if (Out.Size() < Expected || Out.Size() > Expected + (Length > 0 ? 59 : 0)) abort();
  return 0;
}
