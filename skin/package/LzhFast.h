// The codec on whole buffers: the same coder as TLZH, byte for byte, without a callback per byte.
// The buffer and stream wrappers use it; TLZH keeps the callback interface.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Packs Input, appending the code to Out. Returns the number of input bytes consumed.
int32_t LzhPackBuffer(std::span<const uint8_t> Input, std::vector<uint8_t>& Out);

// Room Out needs beyond Length: a final match may run up to 59 bytes past the stated length, and
// short matches are copied in whole words.
inline constexpr int64_t kLzhUnpackSlack = 64;

struct TLzhUnpackResult {
  int64_t Written = 0;    // bytes written to Out: Length, or up to 59 more after a last match
  int64_t BytesRead = 0;  // code bytes the callback codec would have fetched by the end
};

// Decodes Length bytes of Code into Out, which holds at least Length + kLzhUnpackSlack bytes.
// Code missing at the end reads as zero bits. Nothing is read or written for Length <= 0.
TLzhUnpackResult LzhUnpackBuffer(std::span<const uint8_t> Code, int32_t Length, uint8_t* Out);
