// The compressed-stream wrappers over framework streams.

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhStreams.h"

namespace {

void FromFile(TMemoryStream& M, const char* Name) {
  M.LoadFromFile(String(PROJECT_SHARED_DIR "/testdata/lzhuf/") + Name);
}

bool SameBytes(const TMemoryStream& A, const TMemoryStream& B) {
  return A.Bytes() == B.Bytes();
}

TEST(LzhStreams, WrappersRewindAndGiveTheClassicBytes) {
  TMemoryStream Text, Coded;
  FromFile(Text, "tempest.txt");
  FromFile(Coded, "tempest.lzh");
  Text.Seek(0, soEnd);  // wrappers start from position 0 whatever the caller left
  TMemoryStream Packed;
  LzhCompress(Text, Packed);
  EXPECT_TRUE(SameBytes(Packed, Coded));

  Coded.Seek(0, soEnd);
  TMemoryStream Unpacked;
  LzhDecompress(Coded, Unpacked);
  EXPECT_TRUE(SameBytes(Unpacked, Text));
}

TEST(LzhStreams, BadLengthFieldsFailClearlyAndWriteNothing) {
  TMemoryStream ShortStream;
  ShortStream.WriteBuffer("\x01\x00", 2);
  TMemoryStream Out;
  EXPECT_THROW(LzhDecompress(ShortStream, Out), EReadError);

  TMemoryStream Huge;
  Huge.WriteInt32(0x40000000);
  Huge.WriteBuffer("\x12\x34\x56", 3);
  try {
    LzhDecompress(Huge, Out);
    FAIL() << "no exception";
  } catch (const ElzhException& E) {
    EXPECT_NE(E.Message().find("Stored length"), String::npos) << E.Message();
  }
  EXPECT_EQ(Out.Size(), 0);

  TMemoryStream Negative;
  Negative.WriteInt32(-7);
  LzhDecompress(Negative, Out);
  EXPECT_EQ(Out.Size(), 0);
}

TEST(LzhStreams, EmptySourceCompressesToLengthZeroAndBack) {
  TMemoryStream Empty, Packed, Back;
  LzhCompress(Empty, Packed);
  ASSERT_GE(Packed.Size(), 5);
  Packed.SetPosition(0);
  EXPECT_EQ(Packed.ReadInt32(), 0);
  LzhDecompress(Packed, Back);
  EXPECT_EQ(Back.Size(), 0);
}

}  // namespace
