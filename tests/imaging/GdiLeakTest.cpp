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
#include "tests/imaging/PaintTestUtil.h"

using namespace imgtest;

TEST(GdiLeak, TenThousandCallsOfEachPainterLeaveNoObjectBehind) {
  auto strip = MakeBitmap(
      40, 12, [](int x, int y) { return (x + y) % 5 ? RGB(x * 6, y * 20, 80) : RGB(255, 0, 255); });
  auto indexed = MakeBitmap(8, 8, [](int x, int) { return x < 4 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
  indexed->SetPixelFormat(pf8bit);
  auto target = Solid(60, 40, RGB(7, 7, 7));
  TCanvas* canvas = target->Canvas();
  HDC dc = canvas->Handle();
  const RECT r{2, 3, 50, 33}, m{3, 2, 4, 3};
  HWND parent = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);

  const std::vector<std::pair<std::string, std::function<void()>>> painters = {
      {"GetHMap", [&] { GetHMap(r, strip.get(), m, 2, 2, 1, 0); }},
      {"DrawRect2", [&] { DrawRect2(dc, r, strip.get(), m, 1, 2, 0, 0, 0); }},
      {"DrawRect2 keyed", [&] { DrawRect2(dc, r, strip.get(), m, 1, 2, 1, 1, 0); }},
      {"DrawBorder", [&] { DrawBorder(dc, r, strip.get(), m, 2, 2); }},
      {"DrawRectTile", [&] { DrawRectTile(canvas, r, strip.get(), m, 1, 2, 0, 0); }},
      {"DrawRectTile keyed", [&] { DrawRectTile(canvas, r, strip.get(), m, 1, 2, 1, 0); }},
      {"DrawRectH", [&] { DrawRectH(dc, r, strip.get(), m, 1, 2); }},
      {"DrawRectV", [&] { DrawRectV(dc, r, strip.get(), m, 1, 2); }},
      {"GetThumbMap", [&] { GetThumbMap(r, strip.get(), m, 1, 2); }},
      {"DrawRect1", [&] { DrawRect1(dc, r, strip.get(), 2, 2, 1); }},
      {"DrawRect3", [&] { DrawRect3(dc, r, strip.get(), 2, 2, 1); }},
      {"DrawBGbmp",
       [&] {
         DrawBGbmp(canvas, r, strip.get(), RECT{1, 1, 9, 7});
       }},
      {"DrawTranmap", [&] { DrawTranmap(dc, r, strip.get(), clFuchsia); }},
      {"DrawTranmap xor", [&] { DrawTranmapWith(dc, r, strip.get(), clFuchsia, false); }},
      {"Bitmapdraw", [&] { Bitmapdraw(dc, r, indexed.get()); }},
      {"DrawParentImage",
       [&] {
         DrawParentImage(parent, 5, 5, RECT{0, 0, 20, 20}, dc);
       }},
      {"BitmapToRegion", [&] { DeleteObject(BitmapToRegion(strip.get(), 0, 0, clFuchsia, 0, 0, 0)); }},
      {"GradFill", [&] { GradFill(dc, r, RGB(0, 0, 0), RGB(255, 255, 255), 1); }},
      {"Rotate90", [&] { Rotate90(strip.get()); }},
      {"SkinUnit", [&] { TSkinUnitScope unit; }},
      {"scratch surfaces of their own",  // the kept one lent: the others make and free their own
       [&] {
         skin::paint::TScratchSurface Lent(dc, 8, 8);
         skin::paint::TScratchSurface Own(dc, 8, 8);
         skin::paint::TScratchSurface OwnOfScreen(nullptr, 8, 8);
         EXPECT_TRUE(Lent && Own && OwnOfScreen);
       }},
  };
  {  // the count itself follows objects as they come and go
    const DWORD before = GdiObjects();
    TGdiBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_EQ(GdiObjects(), before + 1);
  }
  for (const auto& [name, paint] : painters) {
    paint();  // first use may create lasting objects (the source's canvas, palettes)
    const DWORD before = GdiObjects();
    for (int i = 0; i < 10000; ++i) paint();
    EXPECT_EQ(GdiObjects(), before) << name;
  }
  // The utilities that work in place on scan lines create nothing.
  auto b = MakeBitmap(16, 8, [](int x, int y) { return RGB(x, y, 1); });
  b->Canvas()->Handle();
  const DWORD before = GdiObjects();
  for (int i = 0; i < 1000; ++i) {
    SpiegelnHorizontal(b.get());
    SpiegelnVertikal(b.get());
    Drehen90Grad(b.get());
    Drehen270Grad(b.get());
    Drehen180Grad(b.get());
    ChangeTrans(b.get(), clRed);
    ConvertBitmapToGrayscale(b.get());
  }
  EXPECT_EQ(GdiObjects(), before);
  DestroyWindow(parent);
}
