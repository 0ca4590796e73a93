#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

String TempFile(const char* Name) {
  return testing::TempDir() + "core_streams_" + Name;
}

TEST(MemoryStream, ReadWriteSeekAndGrowth) {
  TMemoryStream s;
  EXPECT_EQ(s.Memory(), nullptr);
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Size(), 6);
  EXPECT_EQ(s.Position(), 6);
  s.SetPosition(2);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 4);  // short read at the end
  EXPECT_STREQ(buf, "cdef");
  EXPECT_EQ(s.Read(buf, 8), 0);
  // Writing past the end fills the gap with zeros.
  s.Seek(2, soEnd);
  s.WriteBuffer("z", 1);
  ASSERT_EQ(s.Size(), 9);
  EXPECT_EQ(std::memcmp(s.Memory(), "abcdef\0\0z", 9), 0);
  EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
  EXPECT_THROW(s.Seek(-10, soEnd), EStreamError);
  EXPECT_THROW(s.Seek(INT64_MAX, soEnd), EStreamError);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3);  // clamped to the new end
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, ReadBufferIsAllOrNothing) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(0);
  char buf[4];
  EXPECT_THROW(s.ReadBuffer(buf, 4), EReadError);
  try {
    s.SetPosition(3);
    s.ReadBuffer(buf, 1);
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  EXPECT_THROW(s.WriteBuffer(buf, -1), EWriteError);
}

TEST(MemoryStream, LittleEndianIntegersAndCopyFrom) {
  TMemoryStream a;
  a.WriteInt32(-2);
  a.WriteInt32(0x01020304);
  EXPECT_EQ(std::memcmp(a.Memory(), "\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8), 0);
  a.SetPosition(0);
  EXPECT_EQ(a.ReadInt32(), -2);
  EXPECT_EQ(a.ReadInt32(), 0x01020304);
  EXPECT_THROW(a.ReadInt32(), EReadError);

  TMemoryStream b;
  EXPECT_EQ(b.CopyFrom(a, 0), 8);  // 0 copies the whole source from its start
  EXPECT_EQ(b.Bytes(), a.Bytes());
  a.SetPosition(4);
  TMemoryStream c;
  c.CopyFrom(a, 4);
  EXPECT_EQ(std::memcmp(c.Memory(), "\x04\x03\x02\x01", 4), 0);
  a.SetPosition(6);
  EXPECT_THROW(c.CopyFrom(a, 4), EReadError);
  EXPECT_THROW(c.CopyFrom(a, -1), EReadError);  // a negative count is refused, not allocated

  TMemoryStream d;
  d.WriteBuffer("xyz", 3);  // LoadFromStream replaces and rewinds
  d.LoadFromStream(c);
  EXPECT_EQ(d.Size(), c.Size());
  EXPECT_EQ(d.Position(), 0);
}

TEST(FileStream, CreateWriteReadBack) {
  const String name = TempFile("roundtrip.bin");
  {
    TMemoryStream m;
    m.WriteBuffer("hello", 5);
    m.SaveToFile(name);
  }
  TMemoryStream back;
  back.LoadFromFile(name);
  ASSERT_EQ(back.Size(), 5);
  EXPECT_EQ(std::memcmp(back.Memory(), "hello", 5), 0);
  {
    TFileStream f(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_EQ(f.Size(), 5);
    f.Seek(0, soEnd);
    f.WriteBuffer("!", 1);
    f.SetSize(3);
    EXPECT_EQ(f.Size(), 3);
  }
  back.LoadFromFile(name);
  EXPECT_EQ(back.Size(), 3);
  std::remove(name.c_str());
}

TEST(FileStream, MissingFileAndSharing) {
  EXPECT_THROW(TFileStream(TempFile("does-not-exist"), fmOpenRead), EFOpenError);
  try {
    TFileStream f(TempFile("nope"), fmOpenRead | fmShareDenyWrite);
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find("Cannot open file \""), String::npos);
  }
  const String name = TempFile("shared.bin");
  { TFileStream(name, fmCreate).WriteBuffer("x", 1); }
  {
    TFileStream reader(name, fmOpenRead | fmShareDenyWrite);
    TFileStream second(name, fmOpenRead | fmShareDenyWrite);  // readers coexist
    EXPECT_THROW(TFileStream(name, fmOpenWrite | fmShareDenyNone), EFOpenError);
    EXPECT_THROW(TFileStream(name, fmCreate), EFCreateError);
  }
  { TFileStream writer(name, fmOpenWrite | fmShareDenyWrite); }  // free again once the readers are gone
  std::remove(name.c_str());
}

}  // namespace
