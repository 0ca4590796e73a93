// The codec's callback pair over its input and output streams.

#include "framework/core/Streams.h"
#include "skin/package/Lzh.h"

void TLZH::GetBlockStream(void* DTA, uint16_t NBytes, uint16_t& Bytes_Got) {
  const int64_t left = InStream->Size() - InStream->Position();
  const int64_t want = left < NBytes ? (left > 0 ? left : 0) : NBytes;
  Bytes_Got = static_cast<uint16_t>(want > 0 ? InStream->Read(DTA, want) : 0);
}

void TLZH::PutBlockStream(void* DTA, uint16_t NBytes, uint16_t& Bytes_Put) {
  OutStream->WriteBuffer(DTA, NBytes);  // raises the stream's own write error
  Bytes_Put = NBytes;
}
