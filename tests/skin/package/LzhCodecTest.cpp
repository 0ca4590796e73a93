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

std::vector<uint8_t> Bytes(const std::string& S) {
  return {S.begin(), S.end()};
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& In) {
  int32_t Consumed = -1;
  const auto Code = LzhPackBytes(In, &Consumed);
  EXPECT_EQ(Consumed, static_cast<int32_t>(In.size()));
  return LzhUnpackBytes(Code, static_cast<int32_t>(In.size()));
}

TEST(LzhLengths, ZeroOrNegativeLengthUnpacksToNothingWithoutReading) {
  for (int32_t Len : {0, -1, -100000}) {
    int Reads = 0;
    std::vector<uint8_t> Out;
    TLZH Lzh;
    Lzh.LZHUnpack(
        Len, [&](void*, uint16_t, uint16_t& Got) { ++Reads, Got = 0; },
        [&](void* D, uint16_t N, uint16_t& Put) { Out.push_back(*static_cast<uint8_t*>(D)), Put = N; });
    EXPECT_EQ(Reads, 0) << Len;
    EXPECT_TRUE(Out.empty()) << Len;
  }
}

TEST(LzhLengths, EmptyInputReportsZeroAndStillCodesOneSymbol) {
  int32_t Consumed = -1;
  const auto Code = LzhPackBytes({}, &Consumed);
  EXPECT_EQ(Consumed, 0);
  EXPECT_FALSE(Code.empty());
  EXPECT_LE(Code.size(), 2u);  // one literal of the initial tree (9 bits at most) plus padding
  EXPECT_TRUE(LzhDecompressBytes(LzhCompressBytes({})).empty());
}

TEST(LzhSymbols, RunOfOneByteIsLiteralThenFullMatchesOfThePreviousByte) {
  const std::vector<uint8_t> Run(1 + 60 * 10, 'x');
  const auto Code = LzhPackBytes(Run);
  const auto Symbols = TLzhProbe().Trace(Code, static_cast<int32_t>(Run.size()));
  ASSERT_EQ(Symbols.size(), 11u);
  EXPECT_EQ(Symbols[0].Sym, 'x');
  for (size_t I = 1; I < Symbols.size(); ++I) {
    EXPECT_EQ(Symbols[I].Sym, 253 + 60);
    EXPECT_EQ(Symbols[I].Position, 0);
  }
  EXPECT_EQ(LzhUnpackBytes(Code, static_cast<int32_t>(Run.size())), Run);
}

TEST(LzhSymbols, LeadingSpacesMatchThePrefilledRing) {
  const auto Text = Bytes("          hello");
  const auto Code = LzhPackBytes(Text);
  const auto Symbols = TLzhProbe().Trace(Code, static_cast<int32_t>(Text.size()));
  ASSERT_FALSE(Symbols.empty());
  EXPECT_EQ(Symbols[0].Sym, 253 + 10);
  EXPECT_EQ(Symbols[0].Position, 0);  // the nearest of the equally long matches
  EXPECT_EQ(LzhUnpackBytes(Code, static_cast<int32_t>(Text.size())), Text);
}

TEST(LzhSymbols, ThreeByteMatchIsCodedTwoByteMatchIsNot) {
  {
    const auto Text = Bytes(
        "abcdefgh"
        "abc#");
    const auto Symbols = TLzhProbe().Trace(LzhPackBytes(Text), static_cast<int32_t>(Text.size()));
    ASSERT_EQ(Symbols.size(), 8u + 1 + 1);
    EXPECT_EQ(Symbols[8].Sym, 253 + 3);
    EXPECT_EQ(Symbols[8].Position, 7);  // eight bytes back
    EXPECT_EQ(Symbols[9].Sym, '#');
  }
  {
    const auto Text = Bytes(
        "abdefgh"
        "ab#");
    const auto Symbols = TLzhProbe().Trace(LzhPackBytes(Text), static_cast<int32_t>(Text.size()));
    ASSERT_EQ(Symbols.size(), Text.size());
    for (size_t I = 0; I < Text.size(); ++I) EXPECT_EQ(Symbols[I].Sym, Text[I]) << I;
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

std::vector<uint8_t> MakeInput(int Kind, size_t N, std::mt19937& Rng) {
  std::vector<uint8_t> V(N);
  for (size_t I = 0; I < N; ++I) {
    switch (Kind) {
      case 0:
        V[I] = static_cast<uint8_t>(Rng());
        break;  // incompressible
      case 1:
        V[I] = static_cast<uint8_t>("the quick brown fox "[Rng() % 20]);
        break;
      case 2:
        V[I] = static_cast<uint8_t>(I % 251);
        break;  // long period
      case 3:
        V[I] = (Rng() % 16 == 0) ? static_cast<uint8_t>(Rng()) : 0;
        break;  // sparse
      default:
        V[I] = static_cast<uint8_t>((I / 37) % 3 == 0 ? ' ' : 'A' + (I % 7));
        break;
    }
  }
  return V;
}

TEST(LzhRoundTrip, RandomAndStructuredInputsOfManySizes) {
  std::mt19937 Rng(12345);
  for (size_t N : {1u, 2u, 3u, 59u, 60u, 61u, 119u, 4035u, 4096u, 4097u, 4157u, 20000u}) {
    for (int Kind = 0; Kind < 5; ++Kind) {
      const auto In = MakeInput(Kind, N, Rng);
      ASSERT_EQ(RoundTrip(In), In) << "size " << N << " kind " << Kind;
    }
  }
}

TEST(LzhRoundTrip, LongInputsRebuildTheTreeManyTimes) {
  // Far more than 0x8000 symbols, so the halving rebuild runs repeatedly.
  std::mt19937 Rng(7);
  for (int Kind : {0, 1, 3}) {
    const auto In = MakeInput(Kind, 300000, Rng);
    ASSERT_EQ(RoundTrip(In), In) << "kind " << Kind;
  }
}

TEST(LzhDamagedInput, TruncatedCodeStillWritesTheStatedLength) {
  std::mt19937 Rng(3);
  const auto Text = MakeInput(1, 30000, Rng);
  const auto Code = LzhPackBytes(Text);
  for (size_t Keep : {size_t{0}, size_t{1}, Code.size() / 3, Code.size() - 1}) {
    const auto Out = LzhUnpackBytes(std::span(Code).first(Keep), static_cast<int32_t>(Text.size()));
    ASSERT_GE(Out.size(), Text.size());
    ASSERT_LE(Out.size(), Text.size() + 59);
    // What was decoded before the cut is still right.
    const size_t Sure = Keep * 3 / 2;  // a code byte never carries less than one text byte
    EXPECT_TRUE(std::equal(Text.begin(), Text.begin() + std::min(Sure, Text.size()) / 2, Out.begin()));
  }
}

TEST(LzhDamagedInput, CorruptedCodeGivesStatedLengthPlusAtMostOneMatch) {
  std::mt19937 Rng(4);
  const auto Text = MakeInput(4, 20000, Rng);
  const auto Code = LzhPackBytes(Text);
  for (int Round = 0; Round < 200; ++Round) {
    auto Bad = Code;
    for (int K = 0; K < 1 + Round % 5; ++K) Bad[Rng() % Bad.size()] ^= static_cast<uint8_t>(1 + Rng() % 255);
    const auto Out = LzhUnpackBytes(Bad, static_cast<int32_t>(Text.size()));
    ASSERT_GE(Out.size(), Text.size());
    ASSERT_LE(Out.size(), Text.size() + 59);
  }
}

TEST(LzhDamagedInput, ImplausibleStoredLengthIsRejectedBeforeUnpacking) {
  std::vector<uint8_t> Data = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
  EXPECT_THROW(LzhDecompressBytes(Data), ElzhException);
  Data = {0x01, 0, 0, 0};  // one byte promised, no code at all
  EXPECT_THROW(LzhDecompressBytes(Data), ElzhException);
  Data = {0x00, 0, 0, 0};
  EXPECT_TRUE(LzhDecompressBytes(Data).empty());
  Data = {0xE0, 0x01, 0, 0, 0x00};  // 480 bytes from one code byte is still possible
  const size_t Got = LzhDecompressBytes(Data).size();
  EXPECT_GE(Got, 480u);
  EXPECT_LE(Got, 480u + 59);
  EXPECT_THROW(LzhDecompressBytes(std::vector<uint8_t>{1, 2}), ElzhException);
  EXPECT_NO_THROW(LzhCheckStoredLength(-5, 0));
}

TEST(LzhTables, ExistOnlyDuringACallAndAreFreedWhenTheSinkFails) {
  TLzhProbe Lzh;
  const auto Text = Bytes("some text some text some text");
  size_t ReadAt = 0;
  const TReadProc Read = [&](void* D, uint16_t, uint16_t& Got) {
    Got = ReadAt < Text.size() ? 1 : 0;
    if (Got) *static_cast<uint8_t*>(D) = Text[ReadAt++];
  };
  int32_t Consumed = 0;
  EXPECT_THROW(Lzh.LZHPack(Consumed, Read, [](void*, uint16_t, uint16_t&) { throw EWriteError("full"); }),
               EWriteError);
  EXPECT_EQ(Lzh.text_buf, nullptr);
  ReadAt = 0;
  std::vector<uint8_t> Code;
  Lzh.LZHPack(Consumed, Read, [&](void* D, uint16_t N, uint16_t& Put) {
    Code.push_back(*static_cast<uint8_t*>(D)), Put = N;
  });
  EXPECT_EQ(Lzh.text_buf, nullptr);
  EXPECT_EQ(Consumed, static_cast<int32_t>(Text.size()));
  // The same object packs again from a fresh state.
  ReadAt = 0;
  std::vector<uint8_t> Again;
  Lzh.LZHPack(Consumed, Read, [&](void* D, uint16_t N, uint16_t& Put) {
    Again.push_back(*static_cast<uint8_t*>(D)), Put = N;
  });
  EXPECT_EQ(Again, Code);
}

// Weights that grow like a Fibonacci series (each just above the sum two steps back) make the
// adaptive tree a chain of nine levels over the ~300 symbols never sent, which sit at the bottom,
// deeper than one 16-bit word. Interleaved, as a real stream would send them.
std::vector<int> DeepTreeSymbols() {
  const int LeafWeights[] = {306, 306, 612, 918, 1530, 2448, 3978, 6426, 10404};
  int Left[9];
  for (int S = 0; S < 9; ++S) Left[S] = LeafWeights[S] - 1;  // every leaf starts at weight 1
  std::vector<int> Seq;
  for (bool Any = true; Any;) {
    Any = false;
    for (int S = 0; S < 9; ++S)
      if (Left[S] > 0) Seq.push_back(305 + S), --Left[S], Any = true;
  }
  for (int S = 0; S < 40; ++S) Seq.push_back(S);  // rare symbols, coded while deep
  return Seq;
}

TEST(LzhHuffman, CodesLongerThanSixteenBitsAreSentAndDecodedExactly) {
  const auto Seq = DeepTreeSymbols();
  std::vector<uint8_t> Code;
  const TWriteProc Write = [&](void* D, uint16_t N, uint16_t& Put) {
    Code.push_back(*static_cast<uint8_t*>(D)), Put = N;
  };
  TLzhProbe Enc;
  Enc.InitLZH();
  Enc.StartHuff();
  int Deepest = 0;
  for (int S : Seq) {
    Deepest = std::max(Deepest, Enc.Depth(S));
    Enc.EncodeChar(static_cast<unsigned>(S), Write);
  }
  Enc.EncodeEnd(Write);
  Enc.EndLZH();
  EXPECT_GT(Deepest, 16);

  size_t ReadAt = 0;
  const TReadProc Read = [&](void* D, uint16_t, uint16_t& Got) {
    Got = ReadAt < Code.size() ? 1 : 0;
    if (Got) *static_cast<uint8_t*>(D) = Code[ReadAt++];
  };
  TLzhProbe Dec;
  Dec.InitLZH();
  Dec.StartHuff();
  for (size_t I = 0; I < Seq.size(); ++I) ASSERT_EQ(Dec.DecodeChar(Read), Seq[I]) << I;
  Dec.EndLZH();
}

}  // namespace
