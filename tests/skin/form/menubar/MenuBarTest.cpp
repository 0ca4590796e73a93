// The skinned menu bar on real windows under Wine: buttons laid out from the MenuBar element, the bar
// painted in the window's active or inactive frame, captions in their scheme colours, hover and press
// feedback, and buttons without a caption never hit.
#include <gtest/gtest.h>

#include "tests/skin/form/menubar/MenuBarTestUtil.h"
#include "tests/support/Handles.h"

using namespace bartest;
using namespace testsupport;

namespace {

class MenuBar : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDefaultSkin(Data);
    ASSERT_FALSE(Data.FNoSkin);
  }
  TSkinData Data{nullptr};
};

struct TLayoutCase {
  const char* Name;
  bool Element;
  int Left, Right;  // the element's margins
  bool RightToLeft;
  int Offset;  // expected distance of the first caption from the band's start edge
};

class MenuBarLayout : public MenuBar, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(MenuBarLayout, ButtonsFollowEachOtherFromTheStartOffset) {
  const TLayoutCase& C = GetParam();
  if (C.Element)
    Data.MenuBar = SolidMenuBar(RGB(0, 0, 200), RGB(0, 0, 100), C.Left, C.Right);
  else
    Data.MenuBar.reset();
  TBarWindow W(Data, C.RightToLeft);
  ASSERT_NE(W.Form->FSkinMenu, nullptr);
  ASSERT_EQ(W.Form->FSkinMenu->FButtons.size(), 6u);
  EXPECT_EQ(GetMenu(W.Wnd()), nullptr) << "the native bar is taken off the window";
  const RECT M = W.Band();
  int Edge = C.RightToLeft ? M.right - C.Offset : M.left + C.Offset;
  for (auto& B : W.Form->FSkinMenu->FButtons) {
    const RECT& R = B->FRect;
    EXPECT_EQ(R.top, M.top);
    EXPECT_EQ(R.bottom, M.bottom - 1);
    if (B->FCaption.empty())
      EXPECT_EQ(R.right - R.left, 0);
    else
      EXPECT_GT(R.right - R.left, 10) << "caption width plus ten";
    EXPECT_EQ(C.RightToLeft ? R.right : R.left, Edge);
    Edge = C.RightToLeft ? R.left : R.right;
  }
}

INSTANTIATE_TEST_SUITE_P(Offsets, MenuBarLayout,
                         ::testing::Values(TLayoutCase{"WithoutElement", false, 0, 0, false, 6},
                                           TLayoutCase{"ElementLeftMarginPlusFour", true, 7, 9, false, 11},
                                           TLayoutCase{"RightToLeftRightMarginPlusEight", true, 7, 9, true,
                                                       17},
                                           TLayoutCase{"RightToLeftWithoutElement", false, 0, 0, true, 6},
                                           TLayoutCase{"MarginWiderThanTheBand", true, 900, 0, false, 12}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct TPaintCase {
  const char* Name;
  bool Element;
  int Tile;
  bool Active;
  COLORREF Expected;
};

constexpr COLORREF kActive = RGB(20, 60, 200), kInactive = RGB(200, 60, 20), kPlainBar = RGB(10, 150, 10);

class MenuBarPaint : public MenuBar, public ::testing::WithParamInterface<TPaintCase> {};

TEST_P(MenuBarPaint, BandShowsTheFrameOfTheWindowState) {
  const TPaintCase& C = GetParam();
  if (C.Element)
    Data.MenuBar = SolidMenuBar(kActive, kInactive, 3, 3, C.Tile);
  else
    Data.MenuBar.reset();
  Data.Colors[csMenuBar] = kPlainBar;
  TBarWindow W(Data);
  W.Form->FActive = C.Active ? 1 : 0;
  W.Repaint();
  const RECT M = W.Band();
  // Right of the last caption, in the middle of the band.
  EXPECT_EQ(WindowPixel(W.Wnd(), POINT{M.right - 4, (M.top + M.bottom) / 2}), C.Expected);
  EXPECT_EQ(WindowPixel(W.Wnd(), POINT{M.left + 1, M.top}), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Frames, MenuBarPaint,
                         ::testing::Values(TPaintCase{"StretchedActive", true, 1, true, kActive},
                                           TPaintCase{"StretchedInactive", true, 1, false, kInactive},
                                           TPaintCase{"TiledActive", true, 0, true, kActive},
                                           TPaintCase{"TiledInactive", true, 0, false, kInactive},
                                           TPaintCase{"WithoutElementFilled", false, 1, true, kPlainBar}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Pixels of a button's rectangle close to one colour.
int PixelsNear(HWND Wnd, const RECT& R, COLORREF Color) {
  return testsupport::CountNearColor(Wnd, R, Color, 39);
}

TEST_F(MenuBar, EnabledCaptionsInMenuBarTextDisabledInButtonShadow) {
  Data.MenuBar.reset();
  Data.Colors[csMenuBar] = RGB(255, 255, 255);
  Data.Colors[csMenuBarText] = RGB(220, 0, 0);
  Data.Colors[csButtonShadow] = RGB(0, 180, 0);
  TBarWindow W(Data);
  for (const char16_t* Caption : {u"&File", u"&Edit", u"&Plain", u"&Help"}) {
    TMenuBtn* B = W.Button(Caption);
    ASSERT_NE(B, nullptr);
    EXPECT_GT(PixelsNear(W.Wnd(), B->FRect, RGB(220, 0, 0)), 5);
    EXPECT_EQ(PixelsNear(W.Wnd(), B->FRect, RGB(0, 180, 0)), 0);
  }
  TMenuBtn* Locked = W.Button(u"&Locked");
  ASSERT_NE(Locked, nullptr);
  EXPECT_FALSE(Locked->FItemEnabled);
  EXPECT_GT(PixelsNear(W.Wnd(), Locked->FRect, RGB(0, 180, 0)), 5);
  EXPECT_EQ(PixelsNear(W.Wnd(), Locked->FRect, RGB(220, 0, 0)), 0);
}

TEST_F(MenuBar, HoverAndPressFrameTheButtonInButtonHilightAndLeavingClearsIt) {
  Data.MenuBar.reset();
  Data.Colors[csMenuBar] = RGB(255, 255, 255);
  Data.Colors[csButtonHilight] = RGB(0, 0, 230);
  Data.Colors[csMenuBarText] = RGB(0, 0, 0);
  TBarWindow W(Data);
  TMenuBtn* Edit = W.Button(u"&Edit");
  ASSERT_NE(Edit, nullptr);
  const POINT Corner{Edit->FRect.left, Edit->FRect.top};
  ASSERT_EQ(WindowPixel(W.Wnd(), Corner), RGB(255, 255, 255));

  SendNC(W.Wnd(), WM_NCMOUSEMOVE, Centre(Edit->FRect));
  EXPECT_EQ(W.Form->FHotObject, Edit);
  EXPECT_EQ(Edit->FState, kNCHot);
  EXPECT_EQ(WindowPixel(W.Wnd(), Corner), RGB(0, 0, 230));
  EXPECT_GT(PixelsNear(W.Wnd(), Edit->FRect, RGB(0, 0, 0)), 5) << "the caption is drawn again";

  // Onto the caption strip: the button lets go and shows the bar's background again.
  SendNC(W.Wnd(), WM_NCMOUSEMOVE, POINT{W.Band().right / 2, W.Form->FTitleHeight / 2});
  EXPECT_EQ(W.Form->FHotObject, nullptr);
  EXPECT_EQ(Edit->FState, kNCNormal);
  EXPECT_EQ(WindowPixel(W.Wnd(), Corner), RGB(255, 255, 255));

  Edit->MouseDown();
  EXPECT_EQ(Edit->FState, kNCPressed);
  EXPECT_EQ(WindowPixel(W.Wnd(), Corner), RGB(0, 0, 230));
  Edit->MouseLeave();
  EXPECT_EQ(WindowPixel(W.Wnd(), Corner), RGB(255, 255, 255));
}

TEST_F(MenuBar, AButtonWithoutCaptionIsNeverHit) {
  TBarWindow W(Data);
  TMenuBtn* Empty = W.Form->FSkinMenu->ButtonAt(2);
  ASSERT_NE(Empty, nullptr);
  ASSERT_TRUE(Empty->FCaption.empty());
  // Even with room of its own (a bitmap item of a maximised MDI child has some).
  Empty->FRect = RECT{W.Band().right - 40, W.Band().top, W.Band().right - 2, W.Band().bottom - 1};
  EXPECT_EQ(W.Form->FSkinMenu->FindBtn(Centre(Empty->FRect)), nullptr);
  SendNC(W.Wnd(), WM_NCMOUSEMOVE, Centre(Empty->FRect));
  EXPECT_EQ(W.Form->FHotObject, nullptr);
  // Nowhere along the band does a hit name a button without caption.
  W.Repaint();
  const RECT M = W.Band();
  for (int X = M.left; X < M.right; ++X) {
    if (TMenuBtn* B = W.Form->FSkinMenu->FindBtn(POINT{X, (M.top + M.bottom) / 2})) {
      EXPECT_FALSE(B->FCaption.empty());
    }
  }
}

TEST_F(MenuBar, ABareWindowDestroyedWhileSkinnedTakesItsMenuAlong) {
  TBarWindow W(Data);
  ASSERT_TRUE(IsMenu(W.Menus.Bar));
  DestroyWindow(W.Wnd());
  Pump(10);
  EXPECT_FALSE(IsMenu(W.Menus.Bar)) << "the bar taken off the window would be left behind";
  EXPECT_FALSE(IsMenu(W.Menus.File));
}

TEST_F(MenuBar, UnskinningGivesTheWindowItsMenuBack) {
  TBarWindow W(Data);
  ASSERT_EQ(GetMenu(W.Wnd()), nullptr);
  W.Form->UnSubclass();
  EXPECT_EQ(GetMenu(W.Wnd()), W.Menus.Bar);
  EXPECT_EQ(W.Form->FSkinMenu, nullptr);
}

}  // namespace
