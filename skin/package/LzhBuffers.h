#pragma once
// The codec on plain byte buffers, and the plausibility rule for stored lengths that both the
// buffer and the stream wrappers apply before unpacking.

#include <cstdint>
#include <span>
#include <vector>

// Bare code of Input (no length prefix); Consumed receives the packer's text size.
std::vector<uint8_t> LzhPackBytes(std::span<const uint8_t> Input, int32_t* Consumed = nullptr);
// Decodes Length bytes from Code exactly as the codec does (missing code reads as zero bits).
std::vector<uint8_t> LzhUnpackBytes(std::span<const uint8_t> Code, int32_t Length);

// Compressed-stream form: 4-byte little-endian length, then the code.
std::vector<uint8_t> LzhCompressBytes(std::span<const uint8_t> Input);
std::vector<uint8_t> LzhDecompressBytes(std::span<const uint8_t> Compressed);

// Every symbol costs at least one bit and yields at most 60 bytes, so CodeBytes of code can never
// describe more than 480 bytes each. Raises ElzhException for a length beyond that.
void LzhCheckStoredLength(int32_t Length, int64_t CodeBytes);
inline constexpr int64_t kLzhMaxBytesPerCodeByte = 8 * 60;
inline constexpr const char* kLzhImplausibleLengthMessage =
    "LZH : Stored length is larger than the compressed data can hold";
