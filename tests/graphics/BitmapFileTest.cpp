// TBitmap and BMP data: streams, files, resources, description data and bad input.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/bmp/Bmp.h"
#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

const String kTestBitmap = PROJECT_SOURCE_DIR "/tests/graphics/TestBitmap.bmp";

// The 4 x 3 picture in TestBitmap.bmp (and in the test program's resources), row by row.
void ExpectTestPicture(TBitmap& bitmap) {
  ASSERT_EQ(bitmap.Width(), 4);
  ASSERT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.PixelFormat(), pf8bit);
  const TColor expected[3][4] = {{clRed, clRed, clLime, clBlue},
                                 {clFuchsia, clFuchsia, clFuchsia, clFuchsia},
                                 {clBlue, clLime, clRed, clFuchsia}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(bitmap, x, y), expected[y][x]) << x << "," << y;
}

String ErrorOf(const std::vector<uint8_t>& data) {
  TMemoryStream stream;
  if (!data.empty()) stream.WriteBuffer(data.data(), int64_t(data.size()));
  stream.SetPosition(0);
  TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "(loaded)";
}

TEST(BitmapFile, EveryFormatSurvivesAStream) {
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
    TBitmap bitmap(11, 5, pf24bit);
    Fill(bitmap, clWhite);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(RECT{2, 1, 7, 4});
    bitmap.SetPixelFormat(format);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.PixelFormat(), format);
    const TColor inside = format == pf1bit ? PixelAt(bitmap, 3, 2) : clRed;
    EXPECT_EQ(PixelAt(loaded, 3, 2), inside) << format;
    EXPECT_EQ(PixelAt(loaded, 0, 0), clWhite) << format;
    EXPECT_EQ(PixelAt(loaded, 10, 4), clWhite) << format;
  }
}

TEST(BitmapFile, ReadsTheFileItsResourceAndTwoPicturesFromOneStream) {
  TBitmap bitmap;
  bitmap.LoadFromFile(kTestBitmap);
  ExpectTestPicture(bitmap);
  TBitmap byName, byId;
  byName.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  ExpectTestPicture(byName);
  byId.LoadFromResourceID(GetModuleHandleW(nullptr), 101);
  ExpectTestPicture(byId);
  EXPECT_THROW(byId.LoadFromResourceName(GetModuleHandleW(nullptr), "NOSUCH"), EInvalidGraphic);

  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  TBitmap other(2, 2, pf24bit);
  Fill(other, clGray);
  other.SaveToStream(stream);
  stream.SetPosition(0);
  TBitmap first, second;
  first.LoadFromStream(stream);
  second.LoadFromStream(stream);
  ExpectTestPicture(first);
  EXPECT_EQ(PixelAt(second, 1, 1), clGray);
}

TEST(BitmapFile, SaveToFileAndBackKeepsRleSkinsReadable) {
  char path[MAX_PATH], dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  GetTempFileNameA(dir, "bmp", 0, path);
  TBitmap bitmap;
  bitmap.LoadFromFile(kTestBitmap);
  bitmap.SaveToFile(path);
  TBitmap again;
  again.LoadFromFile(path);
  ExpectTestPicture(again);

  // An RLE8 file, as older skin tools write them, loads as a plain 8-bit bitmap.
  bmp::Image image = bitmap.ToImage();
  const auto rle = bmp::Encode(image, {bmp::kCompressionRle8});
  FILE* f = std::fopen(path, "wb");
  std::fwrite(rle.data(), 1, rle.size(), f);
  std::fclose(f);
  TBitmap fromRle;
  fromRle.LoadFromFile(path);
  ExpectTestPicture(fromRle);
  DeleteFileA(path);
  EXPECT_THROW(fromRle.LoadFromFile(path), EFOpenError);
}

TEST(BitmapFile, CorruptAndTruncatedDataRaiseAClearError) {
  TMemoryStream good;
  TBitmap source;
  source.LoadFromFile(kTestBitmap);
  source.SaveToStream(good);
  const std::vector<uint8_t> bytes = good.Bytes();

  EXPECT_NE(ErrorOf({}).find("no data"), String::npos);
  for (size_t cut : {size_t(1), size_t(13), size_t(30), size_t(60), bytes.size() - 1}) {
    const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + ptrdiff_t(cut));
    EXPECT_NE(ErrorOf(part).find("Truncated"), String::npos) << cut << ": " << ErrorOf(part);
  }
  std::vector<uint8_t> bad = bytes;
  bad[0] = 'X';
  EXPECT_NE(ErrorOf(bad).find("\"BM\""), String::npos);
  bad = bytes;
  bad[28] = 7;  // bit count
  EXPECT_NE(ErrorOf(bad).find("bit count 7"), String::npos);
  bad = bytes;
  bad[18] = 0xFF, bad[19] = 0xFF, bad[20] = 0xFF, bad[21] = 0x7F;  // width 2^31 - 1
  EXPECT_NE(ErrorOf(bad), "(loaded)");

  // A failed load leaves the bitmap as it was.
  TMemoryStream broken;
  broken.WriteBuffer("BM", 2);
  broken.SetPosition(0);
  TBitmap kept(3, 3, pf24bit);
  EXPECT_THROW(kept.LoadFromStream(broken), EInvalidGraphic);
  EXPECT_EQ(kept.Width(), 3);
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
  TBitmap bitmap;
  bitmap.LoadFromFile(kTestBitmap);
  TCaptureFiler filer;
  bitmap.DefineProperties(filer);
  EXPECT_EQ(filer.Name, "Data");
  ASSERT_TRUE(filer.HasData);
  TMemoryStream data;
  filer.Write(data);
  EXPECT_EQ(data.Bytes()[4], 'B');
  EXPECT_EQ(int64_t(data.Bytes()[0] | data.Bytes()[1] << 8), data.Size() - 4);

  TBitmap loaded;
  TCaptureFiler reader;
  loaded.DefineProperties(reader);
  EXPECT_FALSE(reader.HasData);
  data.SetPosition(0);
  reader.Read(data);
  ExpectTestPicture(loaded);
}

}  // namespace

// A 32-bit file whose unused fourth byte is 0xFF (as some paint programs write it): the key colour
// must still be found by a colour-to-mono copy, which is how keyed drawing builds its mask.
TEST(BitmapFile, UnusedFourthByteOfA32BitFileDoesNotHideTheKeyColour) {
  std::vector<uint8_t> file(54 + 8, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, uint32_t(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);  // width
  put32(22, 1);  // height
  file[26] = 1;
  file[28] = 32;
  put32(54, 0xFFFF00FF);  // magenta, fourth byte set
  put32(58, 0xFF00FF00);  // green
  TMemoryStream stream;
  stream.WriteBuffer(file.data(), int64_t(file.size()));
  stream.SetPosition(0);
  TBitmap bitmap;
  bitmap.LoadFromStream(stream);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), clFuchsia);

  HDC monoDC = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateBitmap(2, 1, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(monoDC, mono);
  HDC source = bitmap.Canvas()->Handle();
  const COLORREF bk = SetBkColor(source, RGB(255, 0, 255));
  BitBlt(monoDC, 0, 0, 2, 1, source, 0, 0, SRCCOPY);
  SetBkColor(source, bk);
  EXPECT_EQ(GetPixel(monoDC, 0, 0) & 0xFFFFFF, 0xFFFFFFu);  // key pixel: set in the mask
  EXPECT_EQ(GetPixel(monoDC, 1, 0) & 0xFFFFFF, 0u);
  SelectObject(monoDC, old);
  DeleteObject(mono);
  DeleteDC(monoDC);
}
