// The codec's callback pair over its input and output streams.

#include "framework/core/Streams.h"
#include "skin/package/Lzh.h"

void TLZH::GetBlockStream(void* DTA, uint16_t NBytes, uint16_t& BytesGot) {
  const int64_t Left = InStream->Size() - InStream->Position();
  const int64_t Want = Left < NBytes ? (Left > 0 ? Left : 0) : NBytes;
  BytesGot = static_cast<uint16_t>(Want > 0 ? InStream->Read(DTA, Want) : 0);
}

void TLZH::PutBlockStream(void* DTA, uint16_t NBytes, uint16_t& BytesPut) {
  OutStream->WriteBuffer(DTA, NBytes);  // raises the stream's own write error
  BytesPut = NBytes;
}
