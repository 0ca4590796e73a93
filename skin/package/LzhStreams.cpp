#include "skin/package/LzhStreams.h"

#include <limits>

#include "framework/core/Streams.h"
#include "skin/package/Lzh.h"
#include "skin/package/LzhBuffers.h"

void LzhCompress(TStream& Source, TStream& Destination) {
  TLZH lzh;
  lzh.InStream = &Source;
  lzh.OutStream = &Destination;
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int64_t size = Source.Size();
  if (size > std::numeric_limits<int32_t>::max())
    throw ElzhException("LZH : Input is too large for a 32-bit length");
  Destination.WriteInt32(static_cast<int32_t>(size));
  int32_t consumed = 0;
  lzh.LZHPack(consumed, lzh.StreamReader(), lzh.StreamWriter());
}

void LzhDecompress(TStream& Source, TStream& Destination) {
  TLZH lzh;
  lzh.InStream = &Source;
  lzh.OutStream = &Destination;
  Source.SetPosition(0);
  Destination.SetPosition(0);
  const int32_t length = Source.ReadInt32();
  LzhCheckStoredLength(length, Source.Size() - Source.Position());
  lzh.LZHUnpack(length, lzh.StreamReader(), lzh.StreamWriter());
}
