// The tuned codec against the codec as it was before tuning (kept under bench/ as the benchmarks'
// baseline), byte for byte, on every input the benchmarks run on: the code the packer writes, the
// bytes the unpacker gives back, and the callback codec's code, which shares the models.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "bench/package/LzhInputs.h"
#include "bench/package/baseline/BaselineLzh.h"
#include "skin/package/Lzh.h"
#include "skin/package/LzhBuffers.h"

namespace {

class LzhAgainstBaseline : public ::testing::TestWithParam<size_t> {
 protected:
  const TLzhBenchInput& Input() const { return LzhBenchInputs().at(GetParam()); }
};

TEST_P(LzhAgainstBaseline, PackUnpackAndCallbackCodecGiveTheBaselineBytes) {
  const std::vector<uint8_t>& In = Input().Bytes;
  ASSERT_GT(In.size(), 100000u) << Input().Name;
  const std::vector<uint8_t> Expected = baseline::PackBytes(In);

  int32_t Consumed = 0;
  EXPECT_EQ(LzhPackBytes(In, &Consumed), Expected);
  EXPECT_EQ(Consumed, static_cast<int32_t>(In.size()));
  EXPECT_EQ(LzhUnpackBytes(Expected, static_cast<int32_t>(In.size())), In);

  if (In.size() > 200000) return;  // the callback codec is slow; the skin archive is enough for it
  std::vector<uint8_t> Callback;
  size_t At = 0;
  TLZH Codec;
  Codec.LZHPack(
      Consumed,
      [&](void* Data, uint16_t, uint16_t& Got) {
        Got = At < In.size() ? 1 : 0;
        if (Got) *static_cast<uint8_t*>(Data) = In[At++];
      },
      [&](void* Data, uint16_t, uint16_t& Put) {
        Callback.push_back(*static_cast<uint8_t*>(Data));
        Put = 1;
      });
  EXPECT_EQ(Callback, Expected);
}

// A stream cut short, and one whose bytes are damaged, decode to the same (wrong) bytes as before:
// missing code reads as zero bits, a final match may run past the stated length.
TEST_P(LzhAgainstBaseline, DamagedCodeDecodesAsTheBaselineDoes) {
  const std::vector<uint8_t>& In = Input().Bytes;
  const std::vector<uint8_t> Code = baseline::PackBytes(In);
  const auto Length = static_cast<int32_t>(In.size());
  const std::span<const uint8_t> Cut(Code.data(), Code.size() / 3);
  EXPECT_EQ(LzhUnpackBytes(Cut, Length), baseline::UnpackBytes(Cut, Length));
  std::vector<uint8_t> Damaged = Code;
  for (size_t I = 7; I < Damaged.size(); I += 997) Damaged[I] ^= 0x5A;
  EXPECT_EQ(LzhUnpackBytes(Damaged, Length), baseline::UnpackBytes(Damaged, Length));
}

// Code that no packer wrote: random bytes drive the adaptive tree through skewed shapes, deep codes
// and rebuilds, and must still decode exactly as the baseline decodes them.
struct TRandomCode {
  uint32_t Seed;
  size_t CodeBytes;
  int32_t Length;
};

class LzhRandomCode : public ::testing::TestWithParam<TRandomCode> {};

TEST_P(LzhRandomCode, DecodesAsTheBaselineDoes) {
  std::mt19937 Rng(GetParam().Seed);
  std::vector<uint8_t> Code(GetParam().CodeBytes);
  for (uint8_t& Byte : Code) Byte = static_cast<uint8_t>(Rng());
  EXPECT_EQ(LzhUnpackBytes(Code, GetParam().Length), baseline::UnpackBytes(Code, GetParam().Length));
}

INSTANTIATE_TEST_SUITE_P(Streams, LzhRandomCode,
                         ::testing::Values(TRandomCode{1, 16, 4000},        // code runs out early
                                           TRandomCode{2, 5000, 60000},     // a young tree
                                           TRandomCode{3, 400000, 900000},  // through several rebuilds
                                           TRandomCode{4, 3000, 1}));

// Named here rather than by the inputs themselves, which are read only when a test runs.
const char* const kInputNames[] = {"skin", "text", "mixed"};
INSTANTIATE_TEST_SUITE_P(BenchInputs, LzhAgainstBaseline, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<size_t>& Info) {
                           return std::string(kInputNames[Info.param]);
                         });

}  // namespace
