// The skin archive reader: every version, the name list's line rules, look-ups, the unknown
// version message and containers whose tables do not fit.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/package/SkinNotify.h"
#include "skin/package/SkinReader.h"
#include "skin/package/SkinWriter.h"
#include "tests/skin/package/SkinArchiveTestUtil.h"

namespace {

// Captures the reader's messages instead of showing them.
class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FPrevious = SetSkinMessageNotifier([this](const String& T) { Messages.push_back(T); });
  }
  void TearDown() override { SetSkinMessageNotifier(FPrevious); }

  bool Load(TSkinReader& R, const TRawContainer& C) {
    TMemoryStream S;
    C.Compressed(S);
    return R.Loadfromstream(S);
  }
  static std::vector<uint8_t> File(TSkinReader& R, const String& Name) {
    TMemoryStream M;
    R.readfile(Name, M);
    EXPECT_EQ(M.Position(), 0);
    return M.Bytes();
  }

  std::vector<String> Messages;

 private:
  TSkinMessageNotifier FPrevious;
};

TEST_F(SkinReaderTest, EveryVersionRoundTripsThroughTheWriter) {
  const auto Ini = Text("[Buttons]\r\nImage=button.bmp\r\n");
  std::vector<uint8_t> Bmp(3000);
  for (size_t I = 0; I < Bmp.size(); ++I) Bmp[I] = static_cast<uint8_t>(I * 7);
  for (uint32_t FormatVersion : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
    TSkinWriter W;
    W.AddFile("Skin.ini", Ini.data(), static_cast<int64_t>(Ini.size()));
    W.AddFile("Button.BMP", Bmp.data(), static_cast<int64_t>(Bmp.size()));
    W.AddFile("empty.bmp", nullptr, 0);
    TMemoryStream Archive;
    W.SaveToStream(Archive, FormatVersion);

    TSkinReader R;
    ASSERT_TRUE(R.Loadfromstream(Archive)) << FormatVersion;
    EXPECT_EQ(R.Version(), FormatVersion);
    ASSERT_EQ(R.FileCount(), 3);
    EXPECT_EQ(R.Names().Get(0), "skin.ini");
    EXPECT_EQ(R.Names().Get(1), "button.bmp");
    EXPECT_EQ(File(R, "BUTTON.bmp"), Bmp);
    EXPECT_TRUE(File(R, "empty.bmp").empty());
    TMemoryStream M;
    String Name = "unchanged";
    R.readIni(".ini", M, Name);
    EXPECT_EQ(Name, "skin.ini");
    EXPECT_EQ(M.Bytes(), Ini);
  }
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SkinReaderTest, ExtraBlockAndSpareHeaderBytesAreNotInterpreted) {
  TRawContainer C;
  C.Names = "a.bmp\r\nb.bmp\r\n";
  C.Sizes = {2, 3};
  C.Data = Text("AABBB");
  C.Filler = 0xA5;
  for (uint32_t FormatVersion : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
    C.Version = FormatVersion;
    TSkinReader R;
    ASSERT_TRUE(Load(R, C)) << FormatVersion;
    EXPECT_EQ(File(R, "b.bmp"), Text("BBB")) << FormatVersion;
  }
}

TEST_F(SkinReaderTest, NameListLineEndsAndEmptyLines) {
  TRawContainer C;
  C.Version = 20000;
  C.Names = "One.BMP\rtwo.bmp\n\r\nthree.ini\r\n";  // lone CR, lone LF, an empty line, final CR LF
  C.Sizes = {1, 2, 3, 4};
  C.Data = Text("1223334444");
  TSkinReader R;
  ASSERT_TRUE(Load(R, C));
  ASSERT_EQ(R.FileCount(), 4);
  EXPECT_EQ(R.Names().Get(2), "");
  EXPECT_EQ(File(R, "one.bmp"), Text("1"));
  EXPECT_EQ(File(R, "TWO.BMP"), Text("22"));
  EXPECT_EQ(File(R, ""), Text("333"));  // the empty entry has its own size slot
  EXPECT_EQ(File(R, "three.ini"), Text("4444"));
  EXPECT_TRUE(File(R, "four.bmp").empty());

  C.Names = "a\r\nb";  // no final break: still two entries
  C.Sizes = {1, 1};
  C.Data = Text("ab");
  ASSERT_TRUE(Load(R, C));
  EXPECT_EQ(R.FileCount(), 2);
  EXPECT_EQ(File(R, "b"), Text("b"));
}

TEST_F(SkinReaderTest, ReadIniTakesTheFirstMatchInListOrder) {
  TRawContainer C;
  C.Names = "x.bmp\r\nsecond.ini\r\nfirst.ini\r\n";
  C.Sizes = {1, 1, 1};
  C.Data = Text("X21");
  TSkinReader R;
  ASSERT_TRUE(Load(R, C));
  TMemoryStream M;
  String Name;
  R.readIni(".ini", M, Name);
  EXPECT_EQ(Name, "second.ini");
  EXPECT_EQ(M.Bytes(), Text("2"));
  Name = "kept";
  R.readIni(".INI", M, Name);  // the search is case-sensitive on lower-case entries
  EXPECT_EQ(Name, "kept");
  EXPECT_EQ(M.Size(), 0);
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheMessageAndKeepsTheReader) {
  TRawContainer Good;
  Good.Names = "a.bmp\r\n";
  Good.Sizes = {1};
  Good.Data = Text("A");
  TSkinReader R;
  ASSERT_TRUE(Load(R, Good));

  for (uint32_t FormatVersion : {0u, 10000u, 19999u, 80000u, 0xFFFFFFFFu}) {
    TRawContainer Old = Good;
    Old.Version = FormatVersion;
    Old.ExtraBlock = 0;
    Old.Names = "b.bmp\r\n";
    EXPECT_FALSE(Load(R, Old)) << FormatVersion;
  }
  ASSERT_EQ(Messages.size(), 5u);
  EXPECT_EQ(Messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(R.FileCount(), 1);
  EXPECT_EQ(File(R, "a.bmp"), Text("A"));
}

TEST_F(SkinReaderTest, UndecodableInputReturnsFalseSilently) {
  TSkinReader R;
  TMemoryStream S;
  EXPECT_FALSE(R.Loadfromstream(S));  // no length field
  S.WriteInt32(1000000);
  S.WriteBuffer("\x01", 1);  // far more than one code byte can hold
  EXPECT_FALSE(R.Loadfromstream(S));
  TMemoryStream Tiny;  // decodes, but shorter than a header
  const auto Packed = LzhCompressBytes(Text("short"));
  Tiny.WriteBuffer(Packed.data(), static_cast<int64_t>(Packed.size()));
  EXPECT_FALSE(R.Loadfromstream(Tiny));
  EXPECT_FALSE(R.loadfromfile("no/such/skin.skn"));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SkinReaderTest, MoreNamesThanTheTableHoldsKeepsTheFirst1001) {
  TRawContainer C;
  for (int I = 0; I < 1005; ++I) {
    C.Names += "f" + std::to_string(I) + "\r\n";
    C.Sizes.push_back(2);
    C.Data.push_back(static_cast<uint8_t>(I));
    C.Data.push_back(static_cast<uint8_t>(I >> 8));
  }
  TSkinReader R;
  ASSERT_TRUE(Load(R, C));
  EXPECT_EQ(R.FileCount(), 1001);
  EXPECT_EQ(File(R, "f1000"), (std::vector<uint8_t>{1000 & 0xFF, 1000 >> 8}));
  EXPECT_TRUE(File(R, "f1001").empty());
  // The data area still starts behind all 1005 stored sizes.
  EXPECT_EQ(R.DataSize(), 2 * 1005);
}

TEST_F(SkinReaderTest, TablesThatRunPastTheContainerStayInside) {
  TSkinReader R;
  {
    // Size table cut short: missing sizes read as 0, no data area.
    TRawContainer C;
    C.Names = "a\r\nb\r\nc\r\n";
    C.Sizes = {5};
    ASSERT_TRUE(Load(R, C));
    EXPECT_EQ(R.FileCount(), 3);
    EXPECT_EQ(R.FileSize(1), 0);
    EXPECT_EQ(R.DataSize(), 0);
    EXPECT_TRUE(File(R, "a").empty());
  }
  {
    // Sizes beyond the data area give only what is there; negative ones count as empty.
    TRawContainer C;
    C.Names = "a\r\nneg\r\nb\r\nc\r\n";
    C.Sizes = {3, -1000, 0x7FFFFFFF, 4};
    C.Data = Text("AAABBBB");
    ASSERT_TRUE(Load(R, C));
    EXPECT_EQ(File(R, "a"), Text("AAA"));
    EXPECT_TRUE(File(R, "neg").empty());
    EXPECT_EQ(File(R, "b"), Text("BBBB"));
    EXPECT_TRUE(File(R, "c").empty());  // starts past the end
  }
  {
    // A names length past the container, and a negative one.
    TRawContainer C;
    C.Names = "a\r\nb";
    C.NamesLength = 1 << 30;
    ASSERT_TRUE(Load(R, C));
    EXPECT_EQ(R.FileCount(), 2);
    EXPECT_EQ(R.DataSize(), 0);
    C.NamesLength = -5;
    C.Names = "";
    C.Data = Text("xyz");
    ASSERT_TRUE(Load(R, C));
    EXPECT_EQ(R.FileCount(), 0);
    EXPECT_EQ(R.DataSize(), 3);
  }
}

// A decompressed archive is kept whole and read in place; a container handed over as bytes is
// copied. Both must give every file the same bytes, copied out or read in place.
struct TPlaceCase {
  const char* Name;
  std::string Names;
  std::vector<int32_t> Sizes;
  std::string Data;
};

class SkinReaderPlaces : public SkinReaderTest, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(SkinReaderPlaces, KeptAndCopiedContainersGiveTheSameFiles) {
  const TPlaceCase& P = GetParam();
  TRawContainer C;
  C.Names = P.Names;
  C.Sizes = P.Sizes;
  C.Data = Text(P.Data);
  TSkinReader Kept, Copied;
  ASSERT_TRUE(Load(Kept, C));
  const std::vector<uint8_t> Raw = C.Bytes();
  ASSERT_TRUE(Copied.LoadContainer(Raw.data(), static_cast<int64_t>(Raw.size())));
  EXPECT_EQ(Kept.DataSize(), Copied.DataSize());
  ASSERT_EQ(Kept.FileCount(), Copied.FileCount());
  for (int I = 0; I < Kept.FileCount(); ++I) {
    const String Name = Kept.Names().Get(I);
    const std::vector<uint8_t> Want = File(Copied, Name);
    EXPECT_EQ(File(Kept, Name), Want) << Name;
    for (TSkinReader* R : {&Kept, &Copied}) {
      const std::span<const uint8_t> In = R->FileBytes(Name);
      EXPECT_EQ(std::vector<uint8_t>(In.begin(), In.end()), Want) << Name;
    }
  }
  EXPECT_TRUE(Kept.FileBytes("missing.bmp").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Containers, SkinReaderPlaces,
    ::testing::Values(TPlaceCase{"Plain", "a.bmp\r\nB.INI\r\n", {3, 2}, "xyzhi"},
                      TPlaceCase{"CutShort", "a\r\nb\r\nc\r\n", {2, 9, 4}, "aabbb"},
                      TPlaceCase{"NegativeAndEmpty", "a\r\nneg\r\nz\r\nb\r\n", {1, -7, 0, 3}, "abbb"},
                      TPlaceCase{"NoDataArea", "a\r\nb\r\n", {4}, ""}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(SkinReaderTest, WriterRefusesWhatTheReaderCouldNotGiveBack) {
  TSkinWriter W;
  W.AddFile("a.bmp", nullptr, 0);
  EXPECT_THROW(W.AddFile("A.BMP", nullptr, 0), EConvertError);
  EXPECT_THROW(W.AddFile("two\nlines", nullptr, 0), EConvertError);
  TMemoryStream S;
  EXPECT_THROW(W.SaveToStream(S, 12345), EConvertError);
  for (int I = 1; I < kSkinMaxFiles; ++I) W.AddFile("f" + std::to_string(I), nullptr, 0);
  EXPECT_THROW(W.AddFile("one.too.many", nullptr, 0), EConvertError);
}

TEST_F(SkinReaderTest, LoadsFromAFile) {
  TSkinWriter W;
  const auto Bytes = Text("hello");
  W.AddFile("h.ini", Bytes.data(), 5);
  const String Path = String(::testing::TempDir()) + "skinreader_test.skn";
  W.SaveToFile(Path, 50000);
  TSkinReader R;
  ASSERT_TRUE(R.loadfromfile(Path));
  EXPECT_EQ(File(R, "h.ini"), Bytes);
  EXPECT_EQ(R.Version(), 50000u);
}

}  // namespace
