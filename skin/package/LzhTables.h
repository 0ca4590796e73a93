#pragma once
// Fixed prefix code for the upper six bits of a match position. The code is part of the stream
// format: 1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8, assigned canonically in
// increasing order of the six-bit value.

#include <array>
#include <cstdint>

namespace lzh_tables {

struct TPositionTables {
  std::array<uint8_t, 64> Len{};     // code length per upper six bits
  std::array<uint8_t, 64> Code{};    // code, left-aligned in a byte
  std::array<uint8_t, 256> DCode{};  // upper six bits, indexed by the next eight input bits
  std::array<uint8_t, 256> DLen{};   // code length, indexed likewise
};

constexpr TPositionTables MakePositionTables() {
  constexpr int kCountPerLength[] = {1, 3, 8, 12, 24, 16};  // lengths 3..8
  TPositionTables T;
  int U = 0;
  unsigned Next = 0;  // next canonical code, as an 8-bit left-aligned value
  for (int Li = 0; Li < 6; ++Li) {
    const int CodeLen = 3 + Li;
    const unsigned Step = 1u << (8 - CodeLen);
    for (int K = 0; K < kCountPerLength[Li]; ++K, ++U) {
      T.Len[U] = static_cast<uint8_t>(CodeLen);
      T.Code[U] = static_cast<uint8_t>(Next);
      for (unsigned B = 0; B < Step; ++B) {
        T.DCode[Next + B] = static_cast<uint8_t>(U);
        T.DLen[Next + B] = static_cast<uint8_t>(CodeLen);
      }
      Next += Step;
    }
  }
  return T;
}

inline constexpr TPositionTables kPositionTables = MakePositionTables();

}  // namespace lzh_tables

// The four tables under the names the coder uses.
inline constexpr const std::array<uint8_t, 64>& p_len = lzh_tables::kPositionTables.Len;
inline constexpr const std::array<uint8_t, 64>& p_code = lzh_tables::kPositionTables.Code;
inline constexpr const std::array<uint8_t, 256>& d_code = lzh_tables::kPositionTables.DCode;
inline constexpr const std::array<uint8_t, 256>& d_len = lzh_tables::kPositionTables.DLen;

static_assert(p_code[0] == 0x00 && p_code[1] == 0x20 && p_code[4] == 0x50 && p_code[12] == 0x90 &&
              p_code[24] == 0xC0 && p_code[48] == 0xF0 && p_code[63] == 0xFF);
static_assert(d_len[0] == 3 && d_len[0x20] == 4 && d_len[0xFF] == 8 && d_code[0xFF] == 63);
