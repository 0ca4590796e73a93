// The skin archive reader: every version, the name list's line rules, look-ups, the unknown
// version message and containers whose tables do not fit.

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "skin/package/SkinNotify.h"
#include "skin/package/SkinReader.h"
#include "skin/package/SkinWriter.h"
#include "tests/package/SkinArchiveTestUtil.h"

namespace {

// Captures the reader's messages instead of showing them.
class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FPrevious = SetSkinMessageNotifier([this](const String& t) { Messages.push_back(t); });
  }
  void TearDown() override { SetSkinMessageNotifier(FPrevious); }

  bool Load(TSkinReader& r, const TRawContainer& c) {
    TMemoryStream s;
    c.Compressed(s);
    return r.Loadfromstream(s);
  }
  static std::vector<uint8_t> File(TSkinReader& r, const String& name) {
    TMemoryStream m;
    r.readfile(name, m);
    EXPECT_EQ(m.Position(), 0);
    return m.Bytes();
  }

  std::vector<String> Messages;

 private:
  TSkinMessageNotifier FPrevious;
};

TEST_F(SkinReaderTest, EveryVersionRoundTripsThroughTheWriter) {
  const auto ini = Text("[Buttons]\r\nImage=button.bmp\r\n");
  std::vector<uint8_t> bmp(3000);
  for (size_t i = 0; i < bmp.size(); ++i) bmp[i] = static_cast<uint8_t>(i * 7);
  for (uint32_t version : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
    TSkinWriter w;
    w.AddFile("Skin.ini", ini.data(), static_cast<int64_t>(ini.size()));
    w.AddFile("Button.BMP", bmp.data(), static_cast<int64_t>(bmp.size()));
    w.AddFile("empty.bmp", nullptr, 0);
    TMemoryStream archive;
    w.SaveToStream(archive, version);

    TSkinReader r;
    ASSERT_TRUE(r.Loadfromstream(archive)) << version;
    EXPECT_EQ(r.Version(), version);
    ASSERT_EQ(r.FileCount(), 3);
    EXPECT_EQ(r.Names().Get(0), "skin.ini");
    EXPECT_EQ(r.Names().Get(1), "button.bmp");
    EXPECT_EQ(File(r, "BUTTON.bmp"), bmp);
    EXPECT_TRUE(File(r, "empty.bmp").empty());
    TMemoryStream m;
    String name = "unchanged";
    r.readIni(".ini", m, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(m.Bytes(), ini);
  }
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SkinReaderTest, ExtraBlockAndSpareHeaderBytesAreNotInterpreted) {
  TRawContainer c;
  c.Names = "a.bmp\r\nb.bmp\r\n";
  c.Sizes = {2, 3};
  c.Data = Text("AABBB");
  c.Filler = 0xA5;
  for (uint32_t version : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
    c.Version = version;
    TSkinReader r;
    ASSERT_TRUE(Load(r, c)) << version;
    EXPECT_EQ(File(r, "b.bmp"), Text("BBB")) << version;
  }
}

TEST_F(SkinReaderTest, NameListLineEndsAndEmptyLines) {
  TRawContainer c;
  c.Version = 20000;
  c.Names = "One.BMP\rtwo.bmp\n\r\nthree.ini\r\n";  // lone CR, lone LF, an empty line, final CR LF
  c.Sizes = {1, 2, 3, 4};
  c.Data = Text("1223334444");
  TSkinReader r;
  ASSERT_TRUE(Load(r, c));
  ASSERT_EQ(r.FileCount(), 4);
  EXPECT_EQ(r.Names().Get(2), "");
  EXPECT_EQ(File(r, "one.bmp"), Text("1"));
  EXPECT_EQ(File(r, "TWO.BMP"), Text("22"));
  EXPECT_EQ(File(r, ""), Text("333"));  // the empty entry has its own size slot
  EXPECT_EQ(File(r, "three.ini"), Text("4444"));
  EXPECT_TRUE(File(r, "four.bmp").empty());

  c.Names = "a\r\nb";  // no final break: still two entries
  c.Sizes = {1, 1};
  c.Data = Text("ab");
  ASSERT_TRUE(Load(r, c));
  EXPECT_EQ(r.FileCount(), 2);
  EXPECT_EQ(File(r, "b"), Text("b"));
}

TEST_F(SkinReaderTest, ReadIniTakesTheFirstMatchInListOrder) {
  TRawContainer c;
  c.Names = "x.bmp\r\nsecond.ini\r\nfirst.ini\r\n";
  c.Sizes = {1, 1, 1};
  c.Data = Text("X21");
  TSkinReader r;
  ASSERT_TRUE(Load(r, c));
  TMemoryStream m;
  String name;
  r.readIni(".ini", m, name);
  EXPECT_EQ(name, "second.ini");
  EXPECT_EQ(m.Bytes(), Text("2"));
  name = "kept";
  r.readIni(".INI", m, name);  // the search is case-sensitive on lower-case entries
  EXPECT_EQ(name, "kept");
  EXPECT_EQ(m.Size(), 0);
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheMessageAndKeepsTheReader) {
  TRawContainer good;
  good.Names = "a.bmp\r\n";
  good.Sizes = {1};
  good.Data = Text("A");
  TSkinReader r;
  ASSERT_TRUE(Load(r, good));

  for (uint32_t version : {0u, 10000u, 19999u, 80000u, 0xFFFFFFFFu}) {
    TRawContainer old = good;
    old.Version = version;
    old.ExtraBlock = 0;
    old.Names = "b.bmp\r\n";
    EXPECT_FALSE(Load(r, old)) << version;
  }
  ASSERT_EQ(Messages.size(), 5u);
  EXPECT_EQ(Messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(r.FileCount(), 1);
  EXPECT_EQ(File(r, "a.bmp"), Text("A"));
}

TEST_F(SkinReaderTest, UndecodableInputReturnsFalseSilently) {
  TSkinReader r;
  TMemoryStream s;
  EXPECT_FALSE(r.Loadfromstream(s));  // no length field
  s.WriteInt32(1000000);
  s.WriteBuffer("\x01", 1);  // far more than one code byte can hold
  EXPECT_FALSE(r.Loadfromstream(s));
  TMemoryStream tiny;  // decodes, but shorter than a header
  const auto packed = LzhCompressBytes(Text("short"));
  tiny.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  EXPECT_FALSE(r.Loadfromstream(tiny));
  EXPECT_FALSE(r.loadfromfile("no/such/skin.skn"));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SkinReaderTest, MoreNamesThanTheTableHoldsKeepsTheFirst1001) {
  TRawContainer c;
  for (int i = 0; i < 1005; ++i) {
    c.Names += "f" + std::to_string(i) + "\r\n";
    c.Sizes.push_back(2);
    c.Data.push_back(static_cast<uint8_t>(i));
    c.Data.push_back(static_cast<uint8_t>(i >> 8));
  }
  TSkinReader r;
  ASSERT_TRUE(Load(r, c));
  EXPECT_EQ(r.FileCount(), 1001);
  EXPECT_EQ(File(r, "f1000"), (std::vector<uint8_t>{1000 & 0xFF, 1000 >> 8}));
  EXPECT_TRUE(File(r, "f1001").empty());
  // The data area still starts behind all 1005 stored sizes.
  EXPECT_EQ(r.DataSize(), 2 * 1005);
}

TEST_F(SkinReaderTest, TablesThatRunPastTheContainerStayInside) {
  TSkinReader r;
  {
    // Size table cut short: missing sizes read as 0, no data area.
    TRawContainer c;
    c.Names = "a\r\nb\r\nc\r\n";
    c.Sizes = {5};
    ASSERT_TRUE(Load(r, c));
    EXPECT_EQ(r.FileCount(), 3);
    EXPECT_EQ(r.FileSize(1), 0);
    EXPECT_EQ(r.DataSize(), 0);
    EXPECT_TRUE(File(r, "a").empty());
  }
  {
    // Sizes beyond the data area give only what is there; negative ones count as empty.
    TRawContainer c;
    c.Names = "a\r\nneg\r\nb\r\nc\r\n";
    c.Sizes = {3, -1000, 0x7FFFFFFF, 4};
    c.Data = Text("AAABBBB");
    ASSERT_TRUE(Load(r, c));
    EXPECT_EQ(File(r, "a"), Text("AAA"));
    EXPECT_TRUE(File(r, "neg").empty());
    EXPECT_EQ(File(r, "b"), Text("BBBB"));
    EXPECT_TRUE(File(r, "c").empty());  // starts past the end
  }
  {
    // A names length past the container, and a negative one.
    TRawContainer c;
    c.Names = "a\r\nb";
    c.NamesLength = 1 << 30;
    ASSERT_TRUE(Load(r, c));
    EXPECT_EQ(r.FileCount(), 2);
    EXPECT_EQ(r.DataSize(), 0);
    c.NamesLength = -5;
    c.Names = "";
    c.Data = Text("xyz");
    ASSERT_TRUE(Load(r, c));
    EXPECT_EQ(r.FileCount(), 0);
    EXPECT_EQ(r.DataSize(), 3);
  }
}

TEST_F(SkinReaderTest, WriterRefusesWhatTheReaderCouldNotGiveBack) {
  TSkinWriter w;
  w.AddFile("a.bmp", nullptr, 0);
  EXPECT_THROW(w.AddFile("A.BMP", nullptr, 0), EConvertError);
  EXPECT_THROW(w.AddFile("two\nlines", nullptr, 0), EConvertError);
  TMemoryStream s;
  EXPECT_THROW(w.SaveToStream(s, 12345), EConvertError);
  for (int i = 1; i < kSkinMaxFiles; ++i) w.AddFile("f" + std::to_string(i), nullptr, 0);
  EXPECT_THROW(w.AddFile("one.too.many", nullptr, 0), EConvertError);
}

TEST_F(SkinReaderTest, LoadsFromAFile) {
  TSkinWriter w;
  const auto bytes = Text("hello");
  w.AddFile("h.ini", bytes.data(), 5);
  const String path = String(::testing::TempDir()) + "skinreader_test.skn";
  w.SaveToFile(path, 50000);
  TSkinReader r;
  ASSERT_TRUE(r.loadfromfile(path));
  EXPECT_EQ(File(r, "h.ini"), bytes);
  EXPECT_EQ(r.Version(), 50000u);
}

}  // namespace
