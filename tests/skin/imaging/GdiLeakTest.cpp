// Every painter and utility gives back each GDI object it creates: 10,000 calls of each leave the
// process's object count where it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

TEST(GdiLeak, TenThousandCallsOfEachPainterLeaveNoObjectBehind) {
  auto Strip = MakeBitmap(
      40, 12, [](int X, int Y) { return (X + Y) % 5 ? RGB(X * 6, Y * 20, 80) : RGB(255, 0, 255); });
  auto Paletted = MakeBitmap(8, 8, [](int X, int) { return X < 4 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
  Paletted->SetPixelFormat(pf8bit);
  auto Target = Solid(60, 40, RGB(7, 7, 7));
  TCanvas* TargetCanvas = Target->Canvas();
  HDC TargetDC = TargetCanvas->Handle();
  const RECT Area{2, 3, 50, 33}, Margins{3, 2, 4, 3};
  HWND ParentWnd = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);

  const std::vector<std::pair<std::string, std::function<void()>>> Painters = {
      {"GetHMap", [&] { GetHMap(Area, Strip.get(), Margins, 2, 2, 1, 0); }},
      {"DrawRect2", [&] { DrawRect2(TargetDC, Area, Strip.get(), Margins, 1, 2, 0, 0, 0); }},
      {"DrawRect2 keyed", [&] { DrawRect2(TargetDC, Area, Strip.get(), Margins, 1, 2, 1, 1, 0); }},
      {"DrawBorder", [&] { DrawBorder(TargetDC, Area, Strip.get(), Margins, 2, 2); }},
      {"DrawRectTile", [&] { DrawRectTile(TargetCanvas, Area, Strip.get(), Margins, 1, 2, 0, 0); }},
      {"DrawRectTile keyed", [&] { DrawRectTile(TargetCanvas, Area, Strip.get(), Margins, 1, 2, 1, 0); }},
      {"DrawRectH", [&] { DrawRectH(TargetDC, Area, Strip.get(), Margins, 1, 2); }},
      {"DrawRectV", [&] { DrawRectV(TargetDC, Area, Strip.get(), Margins, 1, 2); }},
      {"GetThumbMap", [&] { GetThumbMap(Area, Strip.get(), Margins, 1, 2); }},
      {"DrawRect1", [&] { DrawRect1(TargetDC, Area, Strip.get(), 2, 2, 1); }},
      {"DrawRect3", [&] { DrawRect3(TargetDC, Area, Strip.get(), 2, 2, 1); }},
      {"DrawBGbmp",
       [&] {
         DrawBGbmp(TargetCanvas, Area, Strip.get(), RECT{1, 1, 9, 7});
       }},
      {"DrawTranmap", [&] { DrawTranmap(TargetDC, Area, Strip.get(), clFuchsia); }},
      {"DrawTranmap xor", [&] { DrawTranmapWith(TargetDC, Area, Strip.get(), clFuchsia, false); }},
      {"Bitmapdraw", [&] { Bitmapdraw(TargetDC, Area, Paletted.get()); }},
      {"DrawParentImage",
       [&] {
         DrawParentImage(ParentWnd, 5, 5, RECT{0, 0, 20, 20}, TargetDC);
       }},
      {"BitmapToRegion", [&] { DeleteObject(BitmapToRegion(Strip.get(), 0, 0, clFuchsia, 0, 0, 0)); }},
      {"GradFill", [&] { GradFill(TargetDC, Area, RGB(0, 0, 0), RGB(255, 255, 255), 1); }},
      {"Rotate90", [&] { Rotate90(Strip.get()); }},
      {"SkinUnit", [&] { TSkinUnitScope Unit; }},
      {"scratch surfaces of their own",  // the kept one lent: the others make and free their own
       [&] {
         skin::paint::TScratchSurface Lent(TargetDC, 8, 8);
         skin::paint::TScratchSurface Own(TargetDC, 8, 8);
         skin::paint::TScratchSurface OwnOfScreen(nullptr, 8, 8);
         EXPECT_TRUE(Lent && Own && OwnOfScreen);
       }},
  };
  {  // the count itself follows objects as they come and go
    const DWORD Before = GdiObjects();
    TGdiBrush Brush(CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_EQ(GdiObjects(), Before + 1);
  }
  for (const auto& [name, paint] : Painters) {
    paint();  // first use may create lasting objects (the source's canvas, palettes)
    const DWORD Before = GdiObjects();
    for (int I = 0; I < 10000; ++I) paint();
    EXPECT_EQ(GdiObjects(), Before) << name;
  }
  // The utilities that work in place on scan lines create nothing.
  auto B = MakeBitmap(16, 8, [](int X, int Y) { return RGB(X, Y, 1); });
  B->Canvas()->Handle();
  const DWORD Before = GdiObjects();
  for (int I = 0; I < 1000; ++I) {
    SpiegelnHorizontal(B.get());
    SpiegelnVertikal(B.get());
    Drehen90Grad(B.get());
    Drehen270Grad(B.get());
    Drehen180Grad(B.get());
    ChangeTrans(B.get(), clRed);
    ConvertBitmapToGrayscale(B.get());
  }
  EXPECT_EQ(GdiObjects(), Before);
  DestroyWindow(ParentWnd);
}
