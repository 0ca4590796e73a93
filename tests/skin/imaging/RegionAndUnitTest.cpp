// Window regions from bitmaps, the parent-image painter and the unit's shared scratch bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {
const TColor kKey = RGB(255, 0, 255);

std::vector<RECT> RegionRects(HRGN Region) {
  const DWORD Size = GetRegionData(Region, 0, nullptr);
  std::vector<std::uint8_t> Bytes(Size);
  auto* Data = reinterpret_cast<RGNDATA*>(Bytes.data());
  if (!Size || !GetRegionData(Region, Size, Data)) return {};
  const auto* R = reinterpret_cast<const RECT*>(Data->Buffer);
  return std::vector<RECT>(R, R + Data->rdh.nCount);
}
}  // namespace

// Found by argument-dependent look-up only at global scope, where RECT lives.
static bool operator==(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

TEST(BitmapToRegion, AKnownShapeGivesItsExactRectangles) {
  // A plus sign on a magenta ground, 5 by 3.
  const char* Rows[] = {"M.MMM", "...MM", "M.MM."};
  auto B = MakeBitmap(5, 3, [&](int X, int Y) { return Rows[Y][X] == 'M' ? kKey : RGB(0, 0, 0); });
  TGdiRegion Rgn(BitmapToRegion(B.get(), 10, 20, clFuchsia, 0, 0, 0));
  const std::vector<RECT> Want = {{11, 20, 12, 21}, {10, 21, 13, 22}, {11, 22, 12, 23}, {14, 22, 15, 23}};
  EXPECT_EQ(RegionRects(Rgn.Get()), Want);
  EXPECT_EQ(B->BitCount(), 24);  // the caller's bitmap keeps its format
}

TEST(BitmapToRegion, NoOpaquePixelGivesAnEmptyRegion) {
  auto B = Solid(30, 20, kKey, pf32bit);
  HRGN Rgn = BitmapToRegion(B.get(), 0, 0, clFuchsia, 0, 0, 0);
  ASSERT_NE(Rgn, nullptr);
  RECT Box;
  EXPECT_EQ(GetRgnBox(Rgn, &Box), NULLREGION);
  DeleteObject(Rgn);
  Rgn = BitmapToRegion(nullptr, 0, 0, clFuchsia, 0, 0, 0);
  EXPECT_EQ(GetRgnBox(Rgn, &Box), NULLREGION);
  DeleteObject(Rgn);
}

TEST(BitmapToRegion, TolerancesWidenTheKeyUpTo255) {
  auto B = MakeBitmap(4, 1, [](int X, int) {
    const TColor C[] = {RGB(250, 0, 250), RGB(255, 0, 255), RGB(245, 5, 255), RGB(249, 0, 250)};
    return C[X];
  });
  TGdiRegion Exact(BitmapToRegion(B.get(), 0, 0, RGB(250, 0, 250), 0, 0, 0));
  EXPECT_EQ(RegionRects(Exact.Get()), (std::vector<RECT>{{1, 0, 4, 1}}));
  // Red 250..255 (capped), green 0..0, blue 250..255: pixel 2 (green 5) and 3 (red 249) stay.
  TGdiRegion Wide(BitmapToRegion(B.get(), 0, 0, RGB(250, 0, 250), 200, 0, 200));
  EXPECT_EQ(RegionRects(Wide.Get()), (std::vector<RECT>{{2, 0, 4, 1}}));
}

TEST(BitmapToRegion, ALargeShapeIsBuiltOverSeveralBatches) {
  // 700 by 20, opaque where (x / 2 + y) is even: 175 runs a row, 3500 rectangles in all.
  auto B = MakeBitmap(
      700, 20, [](int X, int Y) { return (X / 2 + Y) % 2 ? kKey : RGB(9, 9, 9); }, pf32bit);
  TGdiRegion Rgn(BitmapToRegion(B.get(), -5, 7, clFuchsia, 0, 0, 0));
  const std::vector<RECT> Rects = RegionRects(Rgn.Get());
  EXPECT_EQ(Rects.size(), 3500u);
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 700; X += 3)
      ASSERT_EQ(PtInRegion(Rgn.Get(), X - 5, Y + 7) != 0, (X / 2 + Y) % 2 == 0) << X << "," << Y;
  RECT Box;
  GetRgnBox(Rgn.Get(), &Box);
  EXPECT_EQ(Box, (RECT{-5, 7, 695, 27}));
}

TEST(SkinUnit, ScratchBitmapIsCreatedOnceAndFreedOnce) {
  ASSERT_EQ(SkinUnitStarts(), 0);
  EXPECT_EQ(BG, nullptr);
  {
    TSkinUnitScope First;
    ASSERT_NE(BG, nullptr);
    TBitmap* Created = BG;
    EXPECT_EQ(BG->Canvas()->StretchMode(), COLORONCOLOR);
    EXPECT_EQ(GetStretchBltMode(BG->Canvas()->Handle()), COLORONCOLOR);
    {
      TSkinUnitScope Second;
      EXPECT_EQ(BG, Created);
    }
    EXPECT_EQ(BG, Created);
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
    const HDC Dc = reinterpret_cast<HDC>(W);
    RECT R{0, 0, 200, 200};
    if (Msg == WM_PAINT) R = RECT{20, 10, 30, 20};
    TGdiBrush Brush(CreateSolidBrush(Msg == WM_PAINT ? RGB(0, 0, 255) : RGB(255, 0, 0)));
    FillRect(Dc, &R, Brush.Get());
    return Msg == WM_ERASEBKGND;
  }
  return DefWindowProcW(Wnd, Msg, W, L);
}
}  // namespace

TEST(DrawParentImage, TheParentPaintsBehindTheControlShiftedAndClipped) {
  WNDCLASSW Wc{};
  Wc.lpfnWndProc = ParentProc;
  Wc.hInstance = GetModuleHandleW(nullptr);
  Wc.lpszClassName = L"ImagingParentTest";
  RegisterClassW(&Wc);
  HWND Parent = CreateWindowW(L"ImagingParentTest", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              Wc.hInstance, nullptr);
  ASSERT_NE(Parent, nullptr);
  // A control at (15, 5) in the parent, 10 by 8: it sees the parent's square from (5, 5) on.
  auto T = Solid(16, 12, RGB(7, 7, 7));
  HDC Dc = T->Canvas()->Handle();
  DrawParentImage(Parent, 15, 5, RECT{0, 0, 10, 8}, Dc);
  for (int Y = 0; Y < 12; ++Y)
    for (int X = 0; X < 16; ++X) {
      TColor Want = RGB(7, 7, 7);
      if (X < 10 && Y < 8) Want = X >= 5 && Y >= 5 ? RGB(0, 0, 255) : RGB(255, 0, 0);
      ASSERT_EQ(Px(*T, X, Y), Want) << X << "," << Y;
    }
  POINT Origin{1, 1};
  GetViewportOrgEx(Dc, &Origin);
  EXPECT_EQ(Origin.x, 0);
  EXPECT_EQ(Origin.y, 0);
  DrawParentImage(static_cast<TControl*>(nullptr), Dc);
  DrawParentImage(static_cast<HWND>(nullptr), 0, 0, RECT{0, 0, 5, 5}, Dc);
  DestroyWindow(Parent);
  UnregisterClassW(L"ImagingParentTest", Wc.hInstance);
}
