// TBitmap and BMP data: streams, files, resources, description data and bad input.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/bmp/Bmp.h"
#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

const String kTestBitmap = PROJECT_SOURCE_DIR "/tests/framework/win/graphics/TestBitmap.bmp";

// The 4 x 3 picture in TestBitmap.bmp (and in the test program's resources), row by row.
void ExpectTestPicture(TBitmap& Bitmap) {
  ASSERT_EQ(Bitmap.Width(), 4);
  ASSERT_EQ(Bitmap.Height(), 3);
  EXPECT_EQ(Bitmap.PixelFormat(), pf8bit);
  const TColor Expected[3][4] = {{clRed, clRed, clLime, clBlue},
                                 {clFuchsia, clFuchsia, clFuchsia, clFuchsia},
                                 {clBlue, clLime, clRed, clFuchsia}};
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X) EXPECT_EQ(PixelAt(Bitmap, X, Y), Expected[Y][X]) << X << "," << Y;
}

String ErrorOf(const std::vector<uint8_t>& Data) {
  TMemoryStream Stream;
  if (!Data.empty()) Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(0);
  TBitmap Bitmap;
  try {
    Bitmap.LoadFromStream(Stream);
  } catch (const EInvalidGraphic& E) {
    return E.Message();
  }
  return "(loaded)";
}

TEST(BitmapFile, EveryFormatSurvivesAStream) {
  for (TPixelFormat Format : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
    TBitmap Bitmap(11, 5, pf24bit);
    Fill(Bitmap, clWhite);
    Bitmap.Canvas()->Brush()->SetColor(clRed);
    Bitmap.Canvas()->FillRect(RECT{2, 1, 7, 4});
    Bitmap.SetPixelFormat(Format);
    TMemoryStream Stream;
    Bitmap.SaveToStream(Stream);
    Stream.SetPosition(0);
    TBitmap Loaded;
    Loaded.LoadFromStream(Stream);
    EXPECT_EQ(Loaded.PixelFormat(), Format);
    const TColor Inside = Format == pf1bit ? PixelAt(Bitmap, 3, 2) : clRed;
    EXPECT_EQ(PixelAt(Loaded, 3, 2), Inside) << Format;
    EXPECT_EQ(PixelAt(Loaded, 0, 0), clWhite) << Format;
    EXPECT_EQ(PixelAt(Loaded, 10, 4), clWhite) << Format;
  }
}

TEST(BitmapFile, ReadsTheFileItsResourceAndTwoPicturesFromOneStream) {
  TBitmap Bitmap;
  Bitmap.LoadFromFile(kTestBitmap);
  ExpectTestPicture(Bitmap);
  TBitmap ByName, ById;
  ByName.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  ExpectTestPicture(ByName);
  ById.LoadFromResourceID(GetModuleHandleW(nullptr), 101);
  ExpectTestPicture(ById);
  EXPECT_THROW(ById.LoadFromResourceName(GetModuleHandleW(nullptr), "NOSUCH"), EInvalidGraphic);

  TMemoryStream Stream;
  Bitmap.SaveToStream(Stream);
  TBitmap Other(2, 2, pf24bit);
  Fill(Other, clGray);
  Other.SaveToStream(Stream);
  Stream.SetPosition(0);
  TBitmap First, Second;
  First.LoadFromStream(Stream);
  Second.LoadFromStream(Stream);
  ExpectTestPicture(First);
  EXPECT_EQ(PixelAt(Second, 1, 1), clGray);
}

TEST(BitmapFile, SaveToFileAndBackKeepsRleSkinsReadable) {
  char Path[MAX_PATH], Dir[MAX_PATH];
  GetTempPathA(MAX_PATH, Dir);
  GetTempFileNameA(Dir, "bmp", 0, Path);
  TBitmap Bitmap;
  Bitmap.LoadFromFile(kTestBitmap);
  Bitmap.SaveToFile(Path);
  TBitmap Again;
  Again.LoadFromFile(Path);
  ExpectTestPicture(Again);

  // An RLE8 file, as older skin tools write them, loads as a plain 8-bit bitmap.
  bmp::Image Picture = Bitmap.ToImage();
  const auto Rle = bmp::Encode(Picture, {bmp::kCompressionRle8});
  FILE* F = std::fopen(Path, "wb");
  std::fwrite(Rle.data(), 1, Rle.size(), F);
  std::fclose(F);
  TBitmap FromRle;
  FromRle.LoadFromFile(Path);
  ExpectTestPicture(FromRle);
  DeleteFileA(Path);
  EXPECT_THROW(FromRle.LoadFromFile(Path), EFOpenError);
}

TEST(BitmapFile, CorruptAndTruncatedDataRaiseAClearError) {
  TMemoryStream Good;
  TBitmap Source;
  Source.LoadFromFile(kTestBitmap);
  Source.SaveToStream(Good);
  const std::vector<uint8_t> Bytes = Good.Bytes();

  EXPECT_NE(ErrorOf({}).find("no data"), String::npos);
  for (size_t Cut : {size_t(1), size_t(13), size_t(30), size_t(60), Bytes.size() - 1}) {
    const std::vector<uint8_t> Part(Bytes.begin(), Bytes.begin() + ptrdiff_t(Cut));
    EXPECT_NE(ErrorOf(Part).find("Truncated"), String::npos) << Cut << ": " << ErrorOf(Part);
  }
  std::vector<uint8_t> Bad = Bytes;
  Bad[0] = 'X';
  EXPECT_NE(ErrorOf(Bad).find("\"BM\""), String::npos);
  Bad = Bytes;
  Bad[28] = 7;  // bit count
  EXPECT_NE(ErrorOf(Bad).find("bit count 7"), String::npos);
  Bad = Bytes;
  Bad[18] = 0xFF, Bad[19] = 0xFF, Bad[20] = 0xFF, Bad[21] = 0x7F;  // width 2^31 - 1
  EXPECT_NE(ErrorOf(Bad), "(loaded)");

  // A failed load leaves the bitmap as it was.
  TMemoryStream Broken;
  Broken.WriteBuffer("BM", 2);
  Broken.SetPosition(0);
  TBitmap Kept(3, 3, pf24bit);
  EXPECT_THROW(Kept.LoadFromStream(Broken), EInvalidGraphic);
  EXPECT_EQ(Kept.Width(), 3);
}

// Stands in for a form description reader/writer: keeps the binary property's procedures.
class TCaptureFiler : public TFiler {
 public:
  void DefineProperty(const String&, const TReaderProc&, const TWriterProc&, bool) override {}
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override {
    this->Name = Name;
    Read = ReadData;
    Write = WriteData;
    this->HasData = HasData;
  }
  String Name;
  TStreamProc Read, Write;
  bool HasData = false;
};

TEST(BitmapFile, DescriptionDataIsLengthPrefixedBmp) {
  TBitmap Bitmap;
  Bitmap.LoadFromFile(kTestBitmap);
  TCaptureFiler Filer;
  Bitmap.DefineProperties(Filer);
  EXPECT_EQ(Filer.Name, "Data");
  ASSERT_TRUE(Filer.HasData);
  TMemoryStream Data;
  Filer.Write(Data);
  EXPECT_EQ(Data.Bytes()[4], 'B');
  EXPECT_EQ(int64_t(Data.Bytes()[0] | Data.Bytes()[1] << 8), Data.Size() - 4);

  TBitmap Loaded;
  TCaptureFiler Reader;
  Loaded.DefineProperties(Reader);
  EXPECT_FALSE(Reader.HasData);
  Data.SetPosition(0);
  Reader.Read(Data);
  ExpectTestPicture(Loaded);
}

}  // namespace

// A 32-bit file whose unused fourth byte is 0xFF (as some paint programs write it): the key colour
// must still be found by a colour-to-mono copy, which is how keyed drawing builds its mask.
TEST(BitmapFile, UnusedFourthByteOfA32BitFileDoesNotHideTheKeyColour) {
  std::vector<uint8_t> File(54 + 8, 0);
  auto Put32 = [&](size_t At, uint32_t V) {
    for (int I = 0; I < 4; ++I) File[At + I] = uint8_t(V >> (8 * I));
  };
  File[0] = 'B';
  File[1] = 'M';
  Put32(2, uint32_t(File.size()));
  Put32(10, 54);
  Put32(14, 40);
  Put32(18, 2);  // width
  Put32(22, 1);  // height
  File[26] = 1;
  File[28] = 32;
  Put32(54, 0xFFFF00FF);  // magenta, fourth byte set
  Put32(58, 0xFF00FF00);  // green
  TMemoryStream Stream;
  Stream.WriteBuffer(File.data(), int64_t(File.size()));
  Stream.SetPosition(0);
  TBitmap Bitmap;
  Bitmap.LoadFromStream(Stream);
  EXPECT_EQ(PixelAt(Bitmap, 0, 0), clFuchsia);

  HDC MonoDc = CreateCompatibleDC(nullptr);
  HBITMAP Mono = CreateBitmap(2, 1, 1, 1, nullptr);
  HGDIOBJ Old = SelectObject(MonoDc, Mono);
  HDC Source = Bitmap.Canvas()->Handle();
  const COLORREF Bk = SetBkColor(Source, RGB(255, 0, 255));
  BitBlt(MonoDc, 0, 0, 2, 1, Source, 0, 0, SRCCOPY);
  SetBkColor(Source, Bk);
  EXPECT_EQ(GetPixel(MonoDc, 0, 0) & 0xFFFFFF, 0xFFFFFFu);  // key pixel: set in the mask
  EXPECT_EQ(GetPixel(MonoDc, 1, 0) & 0xFFFFFF, 0u);
  SelectObject(MonoDc, Old);
  DeleteObject(Mono);
  DeleteDC(MonoDc);
}
