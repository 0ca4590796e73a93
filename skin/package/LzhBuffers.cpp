#include "skin/package/LzhBuffers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/package/LzhException.h"
#include "skin/package/LzhFast.h"

std::vector<uint8_t> LzhPackBytes(std::span<const uint8_t> Input, int32_t* Consumed) {
  std::vector<uint8_t> out;
  out.reserve(Input.size() / 2 + 16);
  const int32_t done = LzhPackBuffer(Input, out);
  if (Consumed) *Consumed = done;
  return out;
}

std::vector<uint8_t> LzhUnpackBytes(std::span<const uint8_t> Code, int32_t Length) {
  std::vector<uint8_t> out;
  if (Length <= 0) return out;
  out.resize(static_cast<size_t>(Length) + kLzhUnpackSlack);
  const TLzhUnpackResult result = LzhUnpackBuffer(Code, Length, out.data());
  out.resize(static_cast<size_t>(result.Written));
  return out;
}

std::vector<uint8_t> LzhCompressBytes(std::span<const uint8_t> Input) {
  const auto size = static_cast<uint32_t>(Input.size());
  std::vector<uint8_t> out = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                              static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  const std::vector<uint8_t> code = LzhPackBytes(Input);
  out.insert(out.end(), code.begin(), code.end());
  return out;
}

std::vector<uint8_t> LzhDecompressBytes(std::span<const uint8_t> Compressed) {
  if (Compressed.size() < 4) throw ElzhException("LZH : Compressed data is shorter than its length field");
  const auto length = static_cast<int32_t>(
      static_cast<uint32_t>(Compressed[0]) | (static_cast<uint32_t>(Compressed[1]) << 8) |
      (static_cast<uint32_t>(Compressed[2]) << 16) | (static_cast<uint32_t>(Compressed[3]) << 24));
  const auto code = Compressed.subspan(4);
  LzhCheckStoredLength(length, static_cast<int64_t>(code.size()));
  return LzhUnpackBytes(code, length);
}

void LzhCheckStoredLength(int32_t Length, int64_t CodeBytes) {
  if (Length > 0 && Length > CodeBytes * kLzhMaxBytesPerCodeByte)
    throw ElzhException(std::string(kLzhImplausibleLengthMessage) + " (" + std::to_string(Length) +
                        " bytes from " + std::to_string(CodeBytes) + " code bytes)");
}
