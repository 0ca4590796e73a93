// Window regions from bitmaps, the parent-image painter and the unit's shared scratch bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"
#include "tests/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {
const TColor kKey = RGB(255, 0, 255);

std::vector<RECT> RegionRects(HRGN Region) {
  const DWORD size = GetRegionData(Region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!size || !GetRegionData(Region, size, data)) return {};
  const auto* r = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(r, r + data->rdh.nCount);
}
}  // namespace

// Found by argument-dependent look-up only at global scope, where RECT lives.
static bool operator==(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

TEST(BitmapToRegion, AKnownShapeGivesItsExactRectangles) {
  // A plus sign on a magenta ground, 5 by 3.
  const char* rows[] = {"M.MMM", "...MM", "M.MM."};
  auto b = MakeBitmap(5, 3, [&](int x, int y) { return rows[y][x] == 'M' ? kKey : RGB(0, 0, 0); });
  TGdiRegion rgn(BitmapToRegion(b.get(), 10, 20, clFuchsia, 0, 0, 0));
  const std::vector<RECT> want = {{11, 20, 12, 21}, {10, 21, 13, 22}, {11, 22, 12, 23}, {14, 22, 15, 23}};
  EXPECT_EQ(RegionRects(rgn.Get()), want);
  EXPECT_EQ(b->BitCount(), 24);  // the caller's bitmap keeps its format
}

TEST(BitmapToRegion, NoOpaquePixelGivesAnEmptyRegion) {
  auto b = Solid(30, 20, kKey, pf32bit);
  HRGN rgn = BitmapToRegion(b.get(), 0, 0, clFuchsia, 0, 0, 0);
  ASSERT_NE(rgn, nullptr);
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), NULLREGION);
  DeleteObject(rgn);
  rgn = BitmapToRegion(nullptr, 0, 0, clFuchsia, 0, 0, 0);
  EXPECT_EQ(GetRgnBox(rgn, &box), NULLREGION);
  DeleteObject(rgn);
}

TEST(BitmapToRegion, TolerancesWidenTheKeyUpTo255) {
  auto b = MakeBitmap(4, 1, [](int x, int) {
    const TColor c[] = {RGB(250, 0, 250), RGB(255, 0, 255), RGB(245, 5, 255), RGB(249, 0, 250)};
    return c[x];
  });
  TGdiRegion exact(BitmapToRegion(b.get(), 0, 0, RGB(250, 0, 250), 0, 0, 0));
  EXPECT_EQ(RegionRects(exact.Get()), (std::vector<RECT>{{1, 0, 4, 1}}));
  // Red 250..255 (capped), green 0..0, blue 250..255: pixel 2 (green 5) and 3 (red 249) stay.
  TGdiRegion wide(BitmapToRegion(b.get(), 0, 0, RGB(250, 0, 250), 200, 0, 200));
  EXPECT_EQ(RegionRects(wide.Get()), (std::vector<RECT>{{2, 0, 4, 1}}));
}

TEST(BitmapToRegion, ALargeShapeIsBuiltOverSeveralBatches) {
  // 700 by 20, opaque where (x / 2 + y) is even: 175 runs a row, 3500 rectangles in all.
  auto b = MakeBitmap(
      700, 20, [](int x, int y) { return (x / 2 + y) % 2 ? kKey : RGB(9, 9, 9); }, pf32bit);
  TGdiRegion rgn(BitmapToRegion(b.get(), -5, 7, clFuchsia, 0, 0, 0));
  const std::vector<RECT> rects = RegionRects(rgn.Get());
  EXPECT_EQ(rects.size(), 3500u);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 700; x += 3)
      ASSERT_EQ(PtInRegion(rgn.Get(), x - 5, y + 7) != 0, (x / 2 + y) % 2 == 0) << x << "," << y;
  RECT box;
  GetRgnBox(rgn.Get(), &box);
  EXPECT_EQ(box, (RECT{-5, 7, 695, 27}));
}

TEST(SkinUnit, ScratchBitmapIsCreatedOnceAndFreedOnce) {
  ASSERT_EQ(SkinUnitStarts(), 0);
  EXPECT_EQ(BG, nullptr);
  {
    TSkinUnitScope first;
    ASSERT_NE(BG, nullptr);
    TBitmap* created = BG;
    EXPECT_EQ(BG->Canvas()->StretchMode(), COLORONCOLOR);
    EXPECT_EQ(GetStretchBltMode(BG->Canvas()->Handle()), COLORONCOLOR);
    {
      TSkinUnitScope second;
      EXPECT_EQ(BG, created);
    }
    EXPECT_EQ(BG, created);
  }
  EXPECT_EQ(BG, nullptr);
  SkinUnitEnd();  // one end too many frees nothing twice
  EXPECT_EQ(SkinUnitStarts(), 0);
  SkinAddLog("ignored");
}

namespace {
// A parent window that paints red in WM_ERASEBKGND and a blue square at (20, 10)-(30, 20) of its
// client area in WM_PAINT, into the DC it is given.
LRESULT CALLBACK ParentProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if ((Msg == WM_ERASEBKGND || Msg == WM_PAINT) && W) {
    const HDC dc = reinterpret_cast<HDC>(W);
    RECT r{0, 0, 200, 200};
    if (Msg == WM_PAINT) r = RECT{20, 10, 30, 20};
    TGdiBrush brush(CreateSolidBrush(Msg == WM_PAINT ? RGB(0, 0, 255) : RGB(255, 0, 0)));
    FillRect(dc, &r, brush.Get());
    return Msg == WM_ERASEBKGND;
  }
  return DefWindowProcW(Wnd, Msg, W, L);
}
}  // namespace

TEST(DrawParentImage, TheParentPaintsBehindTheControlShiftedAndClipped) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ImagingParentTest";
  RegisterClassW(&wc);
  HWND parent = CreateWindowW(L"ImagingParentTest", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              wc.hInstance, nullptr);
  ASSERT_NE(parent, nullptr);
  // A control at (15, 5) in the parent, 10 by 8: it sees the parent's square from (5, 5) on.
  auto t = Solid(16, 12, RGB(7, 7, 7));
  HDC dc = t->Canvas()->Handle();
  DrawParentImage(parent, 15, 5, RECT{0, 0, 10, 8}, dc);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      TColor want = RGB(7, 7, 7);
      if (x < 10 && y < 8) want = x >= 5 && y >= 5 ? RGB(0, 0, 255) : RGB(255, 0, 0);
      ASSERT_EQ(Px(*t, x, y), want) << x << "," << y;
    }
  POINT origin{1, 1};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  DrawParentImage(static_cast<TControl*>(nullptr), dc);
  DrawParentImage(static_cast<HWND>(nullptr), 0, 0, RECT{0, 0, 5, 5}, dc);
  DestroyWindow(parent);
  UnregisterClassW(L"ImagingParentTest", wc.hInstance);
}
