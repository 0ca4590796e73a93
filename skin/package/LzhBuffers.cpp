#include "skin/package/LzhBuffers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/package/LzhException.h"
#include "skin/package/LzhFast.h"

std::vector<uint8_t> LzhPackBytes(std::span<const uint8_t> Input, int32_t* Consumed) {
  std::vector<uint8_t> Out;
  Out.reserve(Input.size() / 2 + 16);
  const int32_t Done = LzhPackBuffer(Input, Out);
  if (Consumed) *Consumed = Done;
  return Out;
}

std::vector<uint8_t> LzhUnpackBytes(std::span<const uint8_t> Code, int32_t Length) {
  std::vector<uint8_t> Out;
  if (Length <= 0) return Out;
  Out.resize(static_cast<size_t>(Length) + kLzhUnpackSlack);
  const TLzhUnpackResult Result = LzhUnpackBuffer(Code, Length, Out.data());
  Out.resize(static_cast<size_t>(Result.Written));
  return Out;
}

std::vector<uint8_t> LzhCompressBytes(std::span<const uint8_t> Input) {
  const auto Size = static_cast<uint32_t>(Input.size());
  std::vector<uint8_t> Out = {static_cast<uint8_t>(Size), static_cast<uint8_t>(Size >> 8),
                              static_cast<uint8_t>(Size >> 16), static_cast<uint8_t>(Size >> 24)};
  const std::vector<uint8_t> Code = LzhPackBytes(Input);
  Out.insert(Out.end(), Code.begin(), Code.end());
  return Out;
}

std::vector<uint8_t> LzhDecompressBytes(std::span<const uint8_t> Compressed) {
  if (Compressed.size() < 4) throw ElzhException("LZH : Compressed data is shorter than its length field");
  const auto Length = static_cast<int32_t>(
      static_cast<uint32_t>(Compressed[0]) | (static_cast<uint32_t>(Compressed[1]) << 8) |
      (static_cast<uint32_t>(Compressed[2]) << 16) | (static_cast<uint32_t>(Compressed[3]) << 24));
  const auto Code = Compressed.subspan(4);
  LzhCheckStoredLength(Length, static_cast<int64_t>(Code.size()));
  return LzhUnpackBytes(Code, Length);
}

void LzhCheckStoredLength(int32_t Length, int64_t CodeBytes) {
  if (Length > 0 && Length > CodeBytes * kLzhMaxBytesPerCodeByte)
    throw ElzhException(std::string(kLzhImplausibleLengthMessage) + " (" + std::to_string(Length) +
                        " bytes from " + std::to_string(CodeBytes) + " code bytes)");
}
