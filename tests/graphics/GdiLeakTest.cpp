// Creating and destroying many graphics objects gives every GDI object back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/Bitmaps.h"

namespace {

// One round of the work a form with a few skinned controls does with graphics.
void Churn(std::vector<HGDIOBJ>* Created) {
  TBitmap bitmap(40, 20, pf24bit);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetName("Arial");
  canvas->TextOut(1, 1, "x");
  canvas->Font()->SetStyle({fsBold});  // font replaced while selected
  canvas->TextOut(1, 1, "y");
  canvas->Pen()->SetWidth(2);
  canvas->Rectangle(0, 0, 10, 10);
  canvas->Brush()->SetStyle(bsCross);
  canvas->FillRect(RECT{0, 0, 5, 5});
  bitmap.SetPixelFormat(pf8bit);  // section replaced while the DC holds it
  bitmap.SetSize(30, 30);
  bitmap.Palette();

  TBitmap copy;
  copy.Assign(&bitmap);
  copy.SetTransparent(true);
  canvas->Draw(0, 0, &copy);
  TBitmap pattern(8, 8, pf24bit);
  canvas->Brush()->SetBitmap(&pattern);
  canvas->FillRect(RECT{0, 0, 8, 8});

  TImageList images(nullptr, 10, 10);
  images.AddMasked(&bitmap, clFuchsia);
  images.Draw(canvas, 0, 0, 0);
  TImageList images2(nullptr);
  images2.Assign(&images);

  TFont font;
  TPen pen;
  TBrush brush;
  if (Created) {
    Created->push_back(canvas->Handle());
    Created->push_back(bitmap.Handle());
    Created->push_back(copy.Handle());
    Created->push_back(bitmap.Palette());
    Created->push_back(canvas->Font()->Handle());
    Created->push_back(canvas->Brush()->Handle());
    Created->push_back(font.Handle());
    Created->push_back(pen.Handle());
    Created->push_back(brush.Handle());
  }
  HBITMAP released = copy.ReleaseHandle();
  DeleteObject(released);
}

void WriteOnce() {
  TBitmap bitmap(2, 2, pf24bit);
  bitmap.Canvas()->TextOut(0, 0, "a");
}

TEST(GdiLeak, TheCountSeesObjectsComeAndGo) {
  WriteOnce();  // the first text output leaves lasting font caches behind
  const DWORD before = gfxtest::GdiObjects();
  HBRUSH brushes[10];
  for (HBRUSH& b : brushes) b = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(gfxtest::GdiObjects(), before + 10);
  for (HBRUSH b : brushes) DeleteObject(b);
  EXPECT_EQ(gfxtest::GdiObjects(), before);
  {
    TBitmap bitmap(2, 2, pf24bit);
    bitmap.Canvas()->TextOut(0, 0, "a");
    EXPECT_GE(gfxtest::GdiObjects(), before + 3);  // section, DC, font, brush
  }
  EXPECT_EQ(gfxtest::GdiObjects(), before);
}

TEST(GdiLeak, ManyBitmapsCanvasesAndFontsLeaveNoObjectBehind) {
  Churn(nullptr);  // first use creates lasting stock objects and caches
  const DWORD before = gfxtest::GdiObjects();
  std::vector<HGDIOBJ> created;
  for (int i = 0; i < 200; ++i) Churn(i % 50 == 0 ? &created : nullptr);
  const DWORD after = gfxtest::GdiObjects();
  EXPECT_LE(after, before) << "GDI objects before " << before << ", after " << after;
  // Each handle of a finished round is gone (works also where the count above is not kept).
  for (HGDIOBJ h : created) EXPECT_EQ(GetObjectType(h), 0u) << h;
  EXPECT_EQ(created.size(), 4u * 9);
}

// Each owner of a device context gives it back, with what was selected into it, on every path.
struct TOwnerCase {
  const char* Name;
  std::function<void(HWND)> Use;
};

class GdiOwners : public ::testing::TestWithParam<TOwnerCase> {};

TEST_P(GdiOwners, GiveBackWhatTheyHold) {
  HWND Window =
      CreateWindowW(L"STATIC", L"", WS_POPUP | WS_CAPTION, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(Window);
  GetParam().Use(Window);  // first use may create lasting objects
  const DWORD Before = gfxtest::GdiObjects();
  for (int I = 0; I < 1000; ++I) GetParam().Use(Window);
  EXPECT_EQ(gfxtest::GdiObjects(), Before);
  DestroyWindow(Window);
}

void DrawWithBrush(HDC DC) {
  TGdiBrush Brush(CreateSolidBrush(RGB(1, 2, 3)));
  TSelectObject Selected(DC, Brush.Get());
  PatBlt(DC, 0, 0, 4, 4, PATCOPY);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GdiOwners,
    ::testing::Values(TOwnerCase{"ClientDC",
                                 [](HWND W) {
                                   TClientDC DC(W);
                                   DrawWithBrush(DC.Get());
                                 }},
                      TOwnerCase{"ScreenDC",
                                 [](HWND) {
                                   TScreenDC DC;
                                   DrawWithBrush(DC.Get());
                                 }},
                      TOwnerCase{"WholeWindowDC",
                                 [](HWND W) {
                                   TWholeWindowDC DC(W);
                                   DrawWithBrush(DC.Get());
                                 }},
                      TOwnerCase{"WholeWindowDCOfNoWindow",
                                 [](HWND) {
                                   TWholeWindowDC DC(nullptr);
                                   EXPECT_FALSE(DC);
                                 }},
                      TOwnerCase{"BitmapDC",
                                 [](HWND) {
                                   TBitmapDC DC(nullptr, CreateBitmap(8, 8, 1, 1, nullptr));
                                   EXPECT_TRUE(DC);
                                   DrawWithBrush(DC.Get());
                                 }},
                      TOwnerCase{"BitmapDCMovedAndReplaced",
                                 [](HWND) {
                                   TBitmapDC First(nullptr, CreateBitmap(8, 8, 1, 1, nullptr));
                                   TBitmapDC Second(std::move(First));
                                   Second = TBitmapDC(nullptr, CreateBitmap(4, 4, 1, 1, nullptr));
                                   EXPECT_FALSE(First);
                                   EXPECT_TRUE(Second);
                                 }},
                      TOwnerCase{"BitmapDCWithoutBitmap",
                                 [](HWND) { EXPECT_FALSE(TBitmapDC(nullptr, nullptr)); }}),
    [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
