// Creating and destroying many graphics objects gives every GDI object back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/Bitmaps.h"

namespace {

// One round of the work a form with a few skinned controls does with graphics.
void Churn(std::vector<HGDIOBJ>* Created) {
  TBitmap Bitmap(40, 20, pf24bit);
  TCanvas* Canvas = Bitmap.Canvas();
  Canvas->Font()->SetName("Arial");
  Canvas->TextOut(1, 1, "x");
  Canvas->Font()->SetStyle({fsBold});  // font replaced while selected
  Canvas->TextOut(1, 1, "y");
  Canvas->Pen()->SetWidth(2);
  Canvas->Rectangle(0, 0, 10, 10);
  Canvas->Brush()->SetStyle(bsCross);
  Canvas->FillRect(RECT{0, 0, 5, 5});
  Bitmap.SetPixelFormat(pf8bit);  // section replaced while the DC holds it
  Bitmap.SetSize(30, 30);
  Bitmap.Palette();

  TBitmap Copy;
  Copy.Assign(&Bitmap);
  Copy.SetTransparent(true);
  Canvas->Draw(0, 0, &Copy);
  TBitmap Pattern(8, 8, pf24bit);
  Canvas->Brush()->SetBitmap(&Pattern);
  Canvas->FillRect(RECT{0, 0, 8, 8});

  TImageList Images(nullptr, 10, 10);
  Images.AddMasked(&Bitmap, clFuchsia);
  Images.Draw(Canvas, 0, 0, 0);
  TImageList Images2(nullptr);
  Images2.Assign(&Images);

  TFont Font;
  TPen Pen;
  TBrush Brush;
  if (Created) {
    Created->push_back(Canvas->Handle());
    Created->push_back(Bitmap.Handle());
    Created->push_back(Copy.Handle());
    Created->push_back(Bitmap.Palette());
    Created->push_back(Canvas->Font()->Handle());
    Created->push_back(Canvas->Brush()->Handle());
    Created->push_back(Font.Handle());
    Created->push_back(Pen.Handle());
    Created->push_back(Brush.Handle());
  }
  HBITMAP Released = Copy.ReleaseHandle();
  DeleteObject(Released);
}

void WriteOnce() {
  TBitmap Bitmap(2, 2, pf24bit);
  Bitmap.Canvas()->TextOut(0, 0, "a");
}

TEST(GdiLeak, TheCountSeesObjectsComeAndGo) {
  WriteOnce();  // the first text output leaves lasting font caches behind
  const DWORD Before = gfxtest::GdiObjects();
  HBRUSH Brushes[10];
  for (HBRUSH& B : Brushes) B = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(gfxtest::GdiObjects(), Before + 10);
  for (HBRUSH B : Brushes) DeleteObject(B);
  EXPECT_EQ(gfxtest::GdiObjects(), Before);
  {
    TBitmap Bitmap(2, 2, pf24bit);
    Bitmap.Canvas()->TextOut(0, 0, "a");
    EXPECT_GE(gfxtest::GdiObjects(), Before + 3);  // section, DC, font, brush
  }
  EXPECT_EQ(gfxtest::GdiObjects(), Before);
}

TEST(GdiLeak, ManyBitmapsCanvasesAndFontsLeaveNoObjectBehind) {
  Churn(nullptr);  // first use creates lasting stock objects and caches
  const DWORD Before = gfxtest::GdiObjects();
  std::vector<HGDIOBJ> Created;
  for (int I = 0; I < 200; ++I) Churn(I % 50 == 0 ? &Created : nullptr);
  const DWORD After = gfxtest::GdiObjects();
  EXPECT_LE(After, Before) << "GDI objects before " << Before << ", after " << After;
  // Each handle of a finished round is gone (works also where the count above is not kept).
  for (HGDIOBJ H : Created) EXPECT_EQ(GetObjectType(H), 0u) << H;
  EXPECT_EQ(Created.size(), 4u * 9);
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
                      TOwnerCase{"ClientDCMovedAndReplaced",
                                 [](HWND W) {
                                   TClientDC First(W);
                                   TClientDC Second(std::move(First));
                                   Second = TClientDC(W);
                                   EXPECT_FALSE(First);
                                   EXPECT_TRUE(Second);
                                   DrawWithBrush(Second.Get());
                                 }},
                      TOwnerCase{"BorrowedDCsOfEveryKindMovedIntoOne",
                                 [](HWND W) {
                                   TBorrowedDC Held = TScreenDC();
                                   Held = TWholeWindowDC(W);
                                   EXPECT_TRUE(Held);
                                   DrawWithBrush(Held.Get());
                                   Held = TClientDC(W);
                                   DrawWithBrush(Held.Get());
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
