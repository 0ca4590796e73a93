#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

String TempFile(const char* Name) {
  return testing::TempDir() + "core_streams_" + Name;
}

TEST(MemoryStream, ReadWriteSeekAndGrowth) {
  TMemoryStream S;
  EXPECT_EQ(S.Memory(), nullptr);
  S.WriteBuffer("abcdef", 6);
  EXPECT_EQ(S.Size(), 6);
  EXPECT_EQ(S.Position(), 6);
  S.SetPosition(2);
  char Buf[8] = {};
  EXPECT_EQ(S.Read(Buf, 8), 4);  // short read at the end
  EXPECT_STREQ(Buf, "cdef");
  EXPECT_EQ(S.Read(Buf, 8), 0);
  // Writing past the end fills the gap with zeros.
  S.Seek(2, soEnd);
  S.WriteBuffer("z", 1);
  ASSERT_EQ(S.Size(), 9);
  EXPECT_EQ(std::memcmp(S.Memory(), "abcdef\0\0z", 9), 0);
  EXPECT_THROW(S.Seek(-1, soBeginning), EStreamError);
  EXPECT_THROW(S.Seek(-10, soEnd), EStreamError);
  EXPECT_THROW(S.Seek(INT64_MAX, soEnd), EStreamError);
  S.SetSize(3);
  EXPECT_EQ(S.Position(), 3);  // clamped to the new end
  S.Clear();
  EXPECT_EQ(S.Size(), 0);
  EXPECT_EQ(S.Position(), 0);
}

TEST(MemoryStream, ReadBufferIsAllOrNothing) {
  TMemoryStream S;
  S.WriteBuffer("abc", 3);
  S.SetPosition(0);
  char Buf[4];
  EXPECT_THROW(S.ReadBuffer(Buf, 4), EReadError);
  try {
    S.SetPosition(3);
    S.ReadBuffer(Buf, 1);
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message(), "Stream read error");
  }
  EXPECT_THROW(S.WriteBuffer(Buf, -1), EWriteError);
}

TEST(MemoryStream, LittleEndianIntegersAndCopyFrom) {
  TMemoryStream A;
  A.WriteInt32(-2);
  A.WriteInt32(0x01020304);
  EXPECT_EQ(std::memcmp(A.Memory(), "\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8), 0);
  A.SetPosition(0);
  EXPECT_EQ(A.ReadInt32(), -2);
  EXPECT_EQ(A.ReadInt32(), 0x01020304);
  EXPECT_THROW(A.ReadInt32(), EReadError);

  TMemoryStream B;
  EXPECT_EQ(B.CopyFrom(A, 0), 8);  // 0 copies the whole source from its start
  EXPECT_EQ(B.Bytes(), A.Bytes());
  A.SetPosition(4);
  TMemoryStream C;
  C.CopyFrom(A, 4);
  EXPECT_EQ(std::memcmp(C.Memory(), "\x04\x03\x02\x01", 4), 0);
  A.SetPosition(6);
  EXPECT_THROW(C.CopyFrom(A, 4), EReadError);
  EXPECT_THROW(C.CopyFrom(A, -1), EReadError);  // a negative count is refused, not allocated

  TMemoryStream D;
  D.WriteBuffer("xyz", 3);  // LoadFromStream replaces and rewinds
  D.LoadFromStream(C);
  EXPECT_EQ(D.Size(), C.Size());
  EXPECT_EQ(D.Position(), 0);
}

TEST(FileStream, CreateWriteReadBack) {
  const String Name = TempFile("roundtrip.bin");
  {
    TMemoryStream M;
    M.WriteBuffer("hello", 5);
    M.SaveToFile(Name);
  }
  TMemoryStream Back;
  Back.LoadFromFile(Name);
  ASSERT_EQ(Back.Size(), 5);
  EXPECT_EQ(std::memcmp(Back.Memory(), "hello", 5), 0);
  {
    TFileStream F(Name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_EQ(F.Size(), 5);
    F.Seek(0, soEnd);
    F.WriteBuffer("!", 1);
    F.SetSize(3);
    EXPECT_EQ(F.Size(), 3);
  }
  Back.LoadFromFile(Name);
  EXPECT_EQ(Back.Size(), 3);
  std::remove(Name.c_str());
}

TEST(FileStream, MissingFileAndSharing) {
  EXPECT_THROW(TFileStream(TempFile("does-not-exist"), fmOpenRead), EFOpenError);
  try {
    TFileStream F(TempFile("nope"), fmOpenRead | fmShareDenyWrite);
  } catch (const EFOpenError& E) {
    EXPECT_NE(E.Message().find("Cannot open file \""), String::npos);
  }
  const String Name = TempFile("shared.bin");
  { TFileStream(Name, fmCreate).WriteBuffer("x", 1); }
  {
    TFileStream Reader(Name, fmOpenRead | fmShareDenyWrite);
    TFileStream Second(Name, fmOpenRead | fmShareDenyWrite);  // readers coexist
    EXPECT_THROW(TFileStream(Name, fmOpenWrite | fmShareDenyNone), EFOpenError);
    EXPECT_THROW(TFileStream(Name, fmCreate), EFCreateError);
  }
  { TFileStream Writer(Name, fmOpenWrite | fmShareDenyWrite); }  // free again once the readers are gone
  std::remove(Name.c_str());
}

}  // namespace
