// Behaviour of the codec at its edges: lengths, the prefilled ring, the match threshold, runs,
// round trips, damaged input, table lifetime and codes longer than one 16-bit word.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

#include "skin/package/LzhBuffers.h"
#include "tests/skin/package/LzhProbe.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& in) {
  int32_t consumed = -1;
  const auto code = LzhPackBytes(in, &consumed);
  EXPECT_EQ(consumed, static_cast<int32_t>(in.size()));
  return LzhUnpackBytes(code, static_cast<int32_t>(in.size()));
}

TEST(LzhLengths, ZeroOrNegativeLengthUnpacksToNothingWithoutReading) {
  for (int32_t len : {0, -1, -100000}) {
    int reads = 0;
    std::vector<uint8_t> out;
    TLZH lzh;
    lzh.LZHUnpack(
        len, [&](void*, uint16_t, uint16_t& got) { ++reads, got = 0; },
        [&](void* d, uint16_t n, uint16_t& put) { out.push_back(*static_cast<uint8_t*>(d)), put = n; });
    EXPECT_EQ(reads, 0) << len;
    EXPECT_TRUE(out.empty()) << len;
  }
}

TEST(LzhLengths, EmptyInputReportsZeroAndStillCodesOneSymbol) {
  int32_t consumed = -1;
  const auto code = LzhPackBytes({}, &consumed);
  EXPECT_EQ(consumed, 0);
  EXPECT_FALSE(code.empty());
  EXPECT_LE(code.size(), 2u);  // one literal of the initial tree (9 bits at most) plus padding
  EXPECT_TRUE(LzhDecompressBytes(LzhCompressBytes({})).empty());
}

TEST(LzhSymbols, RunOfOneByteIsLiteralThenFullMatchesOfThePreviousByte) {
  const std::vector<uint8_t> run(1 + 60 * 10, 'x');
  const auto code = LzhPackBytes(run);
  const auto trace = TLzhProbe().Trace(code, static_cast<int32_t>(run.size()));
  ASSERT_EQ(trace.size(), 11u);
  EXPECT_EQ(trace[0].Sym, 'x');
  for (size_t i = 1; i < trace.size(); ++i) {
    EXPECT_EQ(trace[i].Sym, 253 + 60);
    EXPECT_EQ(trace[i].Position, 0);
  }
  EXPECT_EQ(LzhUnpackBytes(code, static_cast<int32_t>(run.size())), run);
}

TEST(LzhSymbols, LeadingSpacesMatchThePrefilledRing) {
  const auto text = Bytes("          hello");
  const auto code = LzhPackBytes(text);
  const auto trace = TLzhProbe().Trace(code, static_cast<int32_t>(text.size()));
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace[0].Sym, 253 + 10);
  EXPECT_EQ(trace[0].Position, 0);  // the nearest of the equally long matches
  EXPECT_EQ(LzhUnpackBytes(code, static_cast<int32_t>(text.size())), text);
}

TEST(LzhSymbols, ThreeByteMatchIsCodedTwoByteMatchIsNot) {
  {
    const auto text = Bytes(
        "abcdefgh"
        "abc#");
    const auto trace = TLzhProbe().Trace(LzhPackBytes(text), static_cast<int32_t>(text.size()));
    ASSERT_EQ(trace.size(), 8u + 1 + 1);
    EXPECT_EQ(trace[8].Sym, 253 + 3);
    EXPECT_EQ(trace[8].Position, 7);  // eight bytes back
    EXPECT_EQ(trace[9].Sym, '#');
  }
  {
    const auto text = Bytes(
        "abdefgh"
        "ab#");
    const auto trace = TLzhProbe().Trace(LzhPackBytes(text), static_cast<int32_t>(text.size()));
    ASSERT_EQ(trace.size(), text.size());
    for (size_t i = 0; i < text.size(); ++i) EXPECT_EQ(trace[i].Sym, text[i]) << i;
  }
}

// One period of Period distinct bytes, then Length more of the same period: one match of that
// length at that distance (copied in whole words by the decoder, each kind of period its own way).
class LzhPeriodicMatch : public ::testing::TestWithParam<int> {};

TEST_P(LzhPeriodicMatch, EveryLengthDecodesToTheInput) {
  const int Period = GetParam();
  for (int Length = 3; Length <= 60; ++Length) {
    std::vector<uint8_t> In;
    for (int I = 0; I < Period + Length; ++I) In.push_back(static_cast<uint8_t>('a' + I % Period));
    In.push_back('#');
    const auto Trace = TLzhProbe().Trace(LzhPackBytes(In), static_cast<int32_t>(In.size()));
    ASSERT_EQ(Trace.size(), static_cast<size_t>(Period) + 2) << Period << " " << Length;
    EXPECT_EQ(Trace[Period].Sym, 253 + Length);
    EXPECT_EQ(Trace[Period].Position, Period - 1);
    ASSERT_EQ(RoundTrip(In), In) << "period " << Period << " length " << Length;
  }
}

INSTANTIATE_TEST_SUITE_P(Periods, LzhPeriodicMatch, ::testing::Range(1, 18));

std::vector<uint8_t> MakeInput(int kind, size_t n, std::mt19937& rng) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) {
    switch (kind) {
      case 0:
        v[i] = static_cast<uint8_t>(rng());
        break;  // incompressible
      case 1:
        v[i] = static_cast<uint8_t>("the quick brown fox "[rng() % 20]);
        break;
      case 2:
        v[i] = static_cast<uint8_t>(i % 251);
        break;  // long period
      case 3:
        v[i] = (rng() % 16 == 0) ? static_cast<uint8_t>(rng()) : 0;
        break;  // sparse
      default:
        v[i] = static_cast<uint8_t>((i / 37) % 3 == 0 ? ' ' : 'A' + (i % 7));
        break;
    }
  }
  return v;
}

TEST(LzhRoundTrip, RandomAndStructuredInputsOfManySizes) {
  std::mt19937 rng(12345);
  for (size_t n : {1u, 2u, 3u, 59u, 60u, 61u, 119u, 4035u, 4096u, 4097u, 4157u, 20000u}) {
    for (int kind = 0; kind < 5; ++kind) {
      const auto in = MakeInput(kind, n, rng);
      ASSERT_EQ(RoundTrip(in), in) << "size " << n << " kind " << kind;
    }
  }
}

TEST(LzhRoundTrip, LongInputsRebuildTheTreeManyTimes) {
  // Far more than 0x8000 symbols, so the halving rebuild runs repeatedly.
  std::mt19937 rng(7);
  for (int kind : {0, 1, 3}) {
    const auto in = MakeInput(kind, 300000, rng);
    ASSERT_EQ(RoundTrip(in), in) << "kind " << kind;
  }
}

TEST(LzhDamagedInput, TruncatedCodeStillWritesTheStatedLength) {
  std::mt19937 rng(3);
  const auto text = MakeInput(1, 30000, rng);
  const auto code = LzhPackBytes(text);
  for (size_t keep : {size_t{0}, size_t{1}, code.size() / 3, code.size() - 1}) {
    const auto out = LzhUnpackBytes(std::span(code).first(keep), static_cast<int32_t>(text.size()));
    ASSERT_GE(out.size(), text.size());
    ASSERT_LE(out.size(), text.size() + 59);
    // What was decoded before the cut is still right.
    const size_t sure = keep * 3 / 2;  // a code byte never carries less than one text byte
    EXPECT_TRUE(std::equal(text.begin(), text.begin() + std::min(sure, text.size()) / 2, out.begin()));
  }
}

TEST(LzhDamagedInput, CorruptedCodeGivesStatedLengthPlusAtMostOneMatch) {
  std::mt19937 rng(4);
  const auto text = MakeInput(4, 20000, rng);
  const auto code = LzhPackBytes(text);
  for (int round = 0; round < 200; ++round) {
    auto bad = code;
    for (int k = 0; k < 1 + round % 5; ++k) bad[rng() % bad.size()] ^= static_cast<uint8_t>(1 + rng() % 255);
    const auto out = LzhUnpackBytes(bad, static_cast<int32_t>(text.size()));
    ASSERT_GE(out.size(), text.size());
    ASSERT_LE(out.size(), text.size() + 59);
  }
}

TEST(LzhDamagedInput, ImplausibleStoredLengthIsRejectedBeforeUnpacking) {
  std::vector<uint8_t> data = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
  EXPECT_THROW(LzhDecompressBytes(data), ElzhException);
  data = {0x01, 0, 0, 0};  // one byte promised, no code at all
  EXPECT_THROW(LzhDecompressBytes(data), ElzhException);
  data = {0x00, 0, 0, 0};
  EXPECT_TRUE(LzhDecompressBytes(data).empty());
  data = {0xE0, 0x01, 0, 0, 0x00};  // 480 bytes from one code byte is still possible
  const size_t got = LzhDecompressBytes(data).size();
  EXPECT_GE(got, 480u);
  EXPECT_LE(got, 480u + 59);
  EXPECT_THROW(LzhDecompressBytes(std::vector<uint8_t>{1, 2}), ElzhException);
  EXPECT_NO_THROW(LzhCheckStoredLength(-5, 0));
}

TEST(LzhTables, ExistOnlyDuringACallAndAreFreedWhenTheSinkFails) {
  TLzhProbe lzh;
  const auto text = Bytes("some text some text some text");
  size_t pos = 0;
  const TReadProc read = [&](void* d, uint16_t, uint16_t& got) {
    got = pos < text.size() ? 1 : 0;
    if (got) *static_cast<uint8_t*>(d) = text[pos++];
  };
  int32_t consumed = 0;
  EXPECT_THROW(lzh.LZHPack(consumed, read, [](void*, uint16_t, uint16_t&) { throw EWriteError("full"); }),
               EWriteError);
  EXPECT_EQ(lzh.text_buf, nullptr);
  pos = 0;
  std::vector<uint8_t> code;
  lzh.LZHPack(consumed, read, [&](void* d, uint16_t n, uint16_t& put) {
    code.push_back(*static_cast<uint8_t*>(d)), put = n;
  });
  EXPECT_EQ(lzh.text_buf, nullptr);
  EXPECT_EQ(consumed, static_cast<int32_t>(text.size()));
  // The same object packs again from a fresh state.
  pos = 0;
  std::vector<uint8_t> again;
  lzh.LZHPack(consumed, read, [&](void* d, uint16_t n, uint16_t& put) {
    again.push_back(*static_cast<uint8_t*>(d)), put = n;
  });
  EXPECT_EQ(again, code);
}

// Weights that grow like a Fibonacci series (each just above the sum two steps back) make the
// adaptive tree a chain of nine levels over the ~300 symbols never sent, which sit at the bottom,
// deeper than one 16-bit word. Interleaved, as a real stream would send them.
std::vector<int> DeepTreeSymbols() {
  const int weights[] = {306, 306, 612, 918, 1530, 2448, 3978, 6426, 10404};
  int left[9];
  for (int s = 0; s < 9; ++s) left[s] = weights[s] - 1;  // every leaf starts at weight 1
  std::vector<int> seq;
  for (bool any = true; any;) {
    any = false;
    for (int s = 0; s < 9; ++s)
      if (left[s] > 0) seq.push_back(305 + s), --left[s], any = true;
  }
  for (int s = 0; s < 40; ++s) seq.push_back(s);  // rare symbols, coded while deep
  return seq;
}

TEST(LzhHuffman, CodesLongerThanSixteenBitsAreSentAndDecodedExactly) {
  const auto seq = DeepTreeSymbols();
  std::vector<uint8_t> code;
  const TWriteProc write = [&](void* d, uint16_t n, uint16_t& put) {
    code.push_back(*static_cast<uint8_t*>(d)), put = n;
  };
  TLzhProbe enc;
  enc.InitLZH();
  enc.StartHuff();
  int deepest = 0;
  for (int s : seq) {
    deepest = std::max(deepest, enc.Depth(s));
    enc.EncodeChar(static_cast<unsigned>(s), write);
  }
  enc.EncodeEnd(write);
  enc.EndLZH();
  EXPECT_GT(deepest, 16);

  size_t pos = 0;
  const TReadProc read = [&](void* d, uint16_t, uint16_t& got) {
    got = pos < code.size() ? 1 : 0;
    if (got) *static_cast<uint8_t*>(d) = code[pos++];
  };
  TLzhProbe dec;
  dec.InitLZH();
  dec.StartHuff();
  for (size_t i = 0; i < seq.size(); ++i) ASSERT_EQ(dec.DecodeChar(read), seq[i]) << i;
  dec.EndLZH();
}

}  // namespace
