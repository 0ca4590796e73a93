// The skinpack commands, run in-process on files in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/bmp/BmpEncoder.h"
#include "framework/core/Streams.h"
#include "skin/package/SkinWriter.h"
#include "tests/skin/package/SkinArchiveTestUtil.h"
#include "tools/skinpack/SkinpackCommands.h"

namespace fs = std::filesystem;

namespace {

class SkinpackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::path(::testing::TempDir()) /
           ("skinpack_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override { fs::remove_all(FDir); }

  String P(const std::string& Name) const { return (FDir / Name).string(); }
  void Write(const std::string& Name, const std::vector<uint8_t>& Bytes) const {
    fs::create_directories((FDir / Name).parent_path());
    std::ofstream(FDir / Name, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  }
  std::vector<uint8_t> Read(const std::string& Name) const {
    std::ifstream F(FDir / Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(F), std::istreambuf_iterator<char>()};
  }
  int Run(const std::vector<String>& Args) {
    Out.str("");
    Err.str("");
    return RunSkinpack(Args, Out, Err);
  }
  static std::vector<uint8_t> Bitmap(int W, int H) {
    bmp::Image Img;
    Img.width = W;
    Img.height = H;
    Img.bitCount = 24;
    Img.pixels.assign(Img.stride() * static_cast<size_t>(H), 0x5A);
    return bmp::Encode(Img);
  }
  // A skin folder: its INI names two bitmaps, one in capitals.
  void MakeSkin(const std::string& Dir) {
    Write(Dir + "/Skin.ini", Text("[Buttons]\r\nBitmap=button.bmp\r\n[Headerbar]\r\nImage=Header.bmp\r\n"
                                  "[Colours]\r\nMenubar=248 249 251\r\n"));
    Write(Dir + "/button.bmp", Bitmap(12, 4));
    Write(Dir + "/header.bmp", Bitmap(3, 3));
    Write(Dir + "/readme.txt", Text("not packed"));
  }

  std::ostringstream Out, Err;
  fs::path FDir;
};

TEST_F(SkinpackTest, CompressAndDecompressFilesAndFailClearly) {
  Write("in.bin", Text(std::string(5000, 'a') + "tail"));
  EXPECT_EQ(Run({"compress", P("in.bin"), P("c.lzh")}), 0);
  EXPECT_EQ(Run({"decompress", P("c.lzh"), P("out.bin")}), 0);
  EXPECT_EQ(Read("out.bin"), Read("in.bin"));

  EXPECT_EQ(Run({"decompress", P("missing.lzh"), P("x")}), 1);
  EXPECT_NE(Err.str().find("missing.lzh"), std::string::npos);
  Write("short.lzh", {1, 2});
  EXPECT_EQ(Run({"decompress", P("short.lzh"), P("x")}), 1);
  Write("huge.lzh", {0, 0, 0, 0x40, 9});
  EXPECT_EQ(Run({"decompress", P("huge.lzh"), P("x")}), 1);
  EXPECT_NE(Err.str().find("Stored length"), std::string::npos);
  EXPECT_FALSE(fs::exists(FDir / "x"));  // nothing half-written

  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"compress", P("in.bin")}), 2);
  EXPECT_EQ(Run({"frobnicate"}), 2);
}

TEST_F(SkinpackTest, PackListVerifyUnpack) {
  MakeSkin("skin");
  ASSERT_EQ(Run({"pack", P("skin"), P("s.skn")}), 0) << Err.str();
  EXPECT_NE(Err.str().find("readme.txt"), std::string::npos);  // noted as left out

  ASSERT_EQ(Run({"list", P("s.skn")}), 0);
  EXPECT_EQ(Out.str().rfind("version 70000, 3 files", 0), 0u) << Out.str();
  EXPECT_LT(Out.str().find("skin.ini"), Out.str().find("button.bmp"));  // the INI comes first

  EXPECT_EQ(Run({"verify", P("s.skn")}), 0) << Err.str();

  ASSERT_EQ(Run({"unpack", P("s.skn"), P("out")}), 0) << Err.str();
  EXPECT_EQ(Read("out/skin.ini"), Read("skin/Skin.ini"));
  EXPECT_EQ(Read("out/button.bmp"), Read("skin/button.bmp"));
  EXPECT_EQ(Read("out/header.bmp"), Read("skin/header.bmp"));

  for (const char* V : {"20000", "30000", "40000", "50000", "60000"}) {
    ASSERT_EQ(Run({"pack", P("skin"), P("v.skn"), "--version", V}), 0);
    ASSERT_EQ(Run({"list", P("v.skn")}), 0);
    EXPECT_EQ(Out.str().rfind(std::string("version ") + V, 0), 0u);
  }
  EXPECT_EQ(Run({"pack", P("skin"), P("v.skn"), "--version", "65000"}), 2);
  EXPECT_EQ(Run({"pack", P("nowhere"), P("v.skn")}), 1);
}

TEST_F(SkinpackTest, PackNeedsAnIni) {
  Write("bare/a.bmp", Bitmap(1, 1));
  EXPECT_EQ(Run({"pack", P("bare"), P("b.skn")}), 1);
  EXPECT_NE(Err.str().find(".ini"), std::string::npos);
  EXPECT_FALSE(fs::exists(FDir / "b.skn"));
}

TEST_F(SkinpackTest, VerifyListsEveryProblem) {
  TSkinWriter W;
  const auto Ini = Text(
      "[Buttons]\nBitmap=button.bmp\n[Tabs]\nImage=gone.bmp\nBorder=picture.png\n[Progress]\nBitmap=broken."
      "bmp\n"
      "[Personality]\nLeft=dir\\Button.bmp\nTop=5\n");
  const auto Good = Bitmap(4, 4);
  const auto Broken = Text("BM but not really a bitmap");
  W.AddFile("skin.ini", Ini.data(), static_cast<int64_t>(Ini.size()));
  W.AddFile("button.bmp", Good.data(), static_cast<int64_t>(Good.size()));
  W.AddFile("broken.bmp", Broken.data(), static_cast<int64_t>(Broken.size()));
  W.SaveToFile(P("bad.skn"));
  EXPECT_EQ(Run({"verify", P("bad.skn")}), 1);
  const std::string ErrText = Err.str();
  EXPECT_NE(ErrText.find("gone.bmp"), std::string::npos) << ErrText;
  EXPECT_NE(ErrText.find("picture.png"), std::string::npos) << ErrText;
  EXPECT_NE(ErrText.find("broken.bmp"), std::string::npos) << ErrText;
  EXPECT_NE(ErrText.find("3 problem(s)"), std::string::npos)
      << ErrText;  // the directory is stripped for Left

  TSkinWriter NoIni;
  NoIni.AddFile("button.bmp", Good.data(), static_cast<int64_t>(Good.size()));
  NoIni.SaveToFile(P("noini.skn"));
  EXPECT_EQ(Run({"verify", P("noini.skn")}), 1);
  EXPECT_NE(Err.str().find("no INI"), std::string::npos);
}

TEST_F(SkinpackTest, VerifyNamesAnEntryCutShort) {
  TRawContainer C;
  C.Names = "skin.ini\r\nlast.bmp\r\n";
  const std::string Ini = "[Buttons]\r\n";
  C.Sizes = {static_cast<int32_t>(Ini.size()), 100};
  C.Data = Text(Ini + "short");
  TMemoryStream S;
  C.Compressed(S);
  S.SaveToFile(P("cut.skn"));
  EXPECT_EQ(Run({"verify", P("cut.skn")}), 1);
  EXPECT_NE(Err.str().find("\"last.bmp\" is cut short: 100 bytes stored, 5 present"), std::string::npos)
      << Err.str();
}

TEST_F(SkinpackTest, UnpackWritesOnlyPlainNamesInsideTheFolder) {
  TRawContainer C;
  C.Names = "../evil.bmp\r\nsub/x.bmp\r\nok.bmp\r\nOK.bmp\r\n\r\n";
  C.Sizes = {1, 1, 2, 1, 1};
  C.Data = Text("ExOKdz");
  TMemoryStream S;
  C.Compressed(S);
  S.SaveToFile(P("evil.skn"));
  EXPECT_EQ(Run({"unpack", P("evil.skn"), P("out")}), 1);
  EXPECT_FALSE(fs::exists(FDir / "evil.bmp"));
  EXPECT_FALSE(fs::exists(FDir / "out" / "sub"));
  EXPECT_EQ(Read("out/ok.bmp"), Text("OK"));
  EXPECT_EQ(std::distance(fs::directory_iterator(FDir / "out"), fs::directory_iterator()), 1);
}

TEST_F(SkinpackTest, UnknownVersionAndNonArchivesFail) {
  TRawContainer C;
  C.Version = 12345;
  C.Names = "a\r\n";
  C.Sizes = {0};
  TMemoryStream S;
  C.Compressed(S);
  S.SaveToFile(P("old.skn"));
  EXPECT_EQ(Run({"list", P("old.skn")}), 1);
  EXPECT_NE(Err.str().find("This is Older Skin File"), std::string::npos);
  Write("junk.skn", Text("junk"));
  EXPECT_EQ(Run({"verify", P("junk.skn")}), 1);
  EXPECT_EQ(Run({"unpack", P("missing.skn"), P("out")}), 1);
}

}  // namespace
