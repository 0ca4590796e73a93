// The compressed-stream wrappers over framework streams.

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhStreams.h"

namespace {

void FromFile(TMemoryStream& m, const char* name) {
  m.LoadFromFile(String(PROJECT_SHARED_DIR "/testdata/lzhuf/") + name);
}

bool SameBytes(const TMemoryStream& a, const TMemoryStream& b) {
  return a.Bytes() == b.Bytes();
}

TEST(LzhStreams, WrappersRewindAndGiveTheClassicBytes) {
  TMemoryStream text, coded;
  FromFile(text, "tempest.txt");
  FromFile(coded, "tempest.lzh");
  text.Seek(0, soEnd);  // wrappers start from position 0 whatever the caller left
  TMemoryStream packed;
  LzhCompress(text, packed);
  EXPECT_TRUE(SameBytes(packed, coded));

  coded.Seek(0, soEnd);
  TMemoryStream unpacked;
  LzhDecompress(coded, unpacked);
  EXPECT_TRUE(SameBytes(unpacked, text));
}

TEST(LzhStreams, BadLengthFieldsFailClearlyAndWriteNothing) {
  TMemoryStream shortStream;
  shortStream.WriteBuffer("\x01\x00", 2);
  TMemoryStream out;
  EXPECT_THROW(LzhDecompress(shortStream, out), EReadError);

  TMemoryStream huge;
  huge.WriteInt32(0x40000000);
  huge.WriteBuffer("\x12\x34\x56", 3);
  try {
    LzhDecompress(huge, out);
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_NE(e.Message().find("Stored length"), String::npos) << e.Message();
  }
  EXPECT_EQ(out.Size(), 0);

  TMemoryStream negative;
  negative.WriteInt32(-7);
  LzhDecompress(negative, out);
  EXPECT_EQ(out.Size(), 0);
}

TEST(LzhStreams, EmptySourceCompressesToLengthZeroAndBack) {
  TMemoryStream empty, packed, back;
  LzhCompress(empty, packed);
  ASSERT_GE(packed.Size(), 5);
  packed.SetPosition(0);
  EXPECT_EQ(packed.ReadInt32(), 0);
  LzhDecompress(packed, back);
  EXPECT_EQ(back.Size(), 0);
}

}  // namespace
