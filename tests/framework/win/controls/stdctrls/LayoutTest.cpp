// Where a button's glyph and caption go, and how the self-drawn buttons look in their states.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/Buttons.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"

namespace {

// A 16 by 16 glyph and a caption in a 100 by 40 face.
struct TLayoutRow {
  TButtonLayout Layout;
  int Margin, Spacing;
};

class ButtonLayouts : public ::testing::TestWithParam<TLayoutRow> {};

TEST_P(ButtonLayouts, PlaceGlyphAndCaptionByMarginAndSpacing) {
  const TLayoutRow& Row = GetParam();
  TScreenDC Screen;
  TCanvas Canvas;
  Canvas.SetHandle(Screen.Get());
  const String Caption = "Wide";
  const SIZE Text = Canvas.TextExtent(Caption);
  const RECT Face{0, 0, 100, 40};
  const TButtonLayoutResult Got =
      CalcButtonLayout(&Canvas, Face, {16, 16}, Caption, Row.Layout, Row.Margin, Row.Spacing, DT_SINGLELINE);
  Canvas.SetHandle(nullptr);
  // Expected positions follow from the rules with the measured text size.
  const bool Horizontal = Row.Layout == blGlyphLeft || Row.Layout == blGlyphRight;
  const int Extent = Horizontal ? 100 : 40, TextExtent = Horizontal ? Text.cx : Text.cy;
  int Margin = Row.Margin, Spacing = Row.Spacing;
  if (Margin == -1 && Spacing == -1) {
    Margin = Spacing = (Extent - 16 - TextExtent) / 3;
  } else if (Margin == -1) {
    Margin = (Extent - (16 + Spacing + TextExtent) + 1) / 2;
  } else if (Spacing == -1) {
    Spacing = (Extent - Margin - 16 - TextExtent) / 2;
  }
  switch (Row.Layout) {
    case blGlyphLeft:
      EXPECT_EQ(Got.GlyphPos.x, Margin);
      EXPECT_EQ(Got.TextBounds.left, Margin + 16 + Spacing);
      EXPECT_EQ(Got.GlyphPos.y, 12);
      break;
    case blGlyphRight:
      EXPECT_EQ(Got.GlyphPos.x, 100 - Margin - 16);
      EXPECT_EQ(Got.TextBounds.right, Got.GlyphPos.x - Spacing);
      break;
    case blGlyphTop:
      EXPECT_EQ(Got.GlyphPos.y, Margin);
      EXPECT_EQ(Got.TextBounds.top, Margin + 16 + Spacing);
      EXPECT_EQ(Got.GlyphPos.x, 42);
      break;
    case blGlyphBottom:
      EXPECT_EQ(Got.GlyphPos.y, 40 - Margin - 16);
      EXPECT_EQ(Got.TextBounds.bottom, Got.GlyphPos.y - Spacing);
      break;
  }
  EXPECT_EQ(Got.TextBounds.right - Got.TextBounds.left, Text.cx);
}

INSTANTIATE_TEST_SUITE_P(StdControls, ButtonLayouts,
                         ::testing::Values(TLayoutRow{blGlyphLeft, -1, 4}, TLayoutRow{blGlyphLeft, -1, -1},
                                           TLayoutRow{blGlyphLeft, 5, -1}, TLayoutRow{blGlyphLeft, 2, 3},
                                           TLayoutRow{blGlyphRight, -1, 4}, TLayoutRow{blGlyphRight, 4, 2},
                                           TLayoutRow{blGlyphTop, -1, 2}, TLayoutRow{blGlyphTop, 1, -1},
                                           TLayoutRow{blGlyphBottom, -1, 0},
                                           TLayoutRow{blGlyphBottom, 2, 2}));

TEST(ButtonLayouts, AMissingGlyphOrCaptionLeavesNoSpacing) {
  const TButtonLayoutResult NoText =
      CalcButtonLayout(nullptr, {0, 0, 100, 40}, {16, 16}, "", blGlyphLeft, -1, 10, DT_SINGLELINE);
  EXPECT_EQ(NoText.GlyphPos.x, 42);  // centred alone
  TScreenDC Screen;
  TCanvas Canvas;
  Canvas.SetHandle(Screen.Get());
  const int Width = Canvas.TextWidth("Caption");
  const TButtonLayoutResult NoGlyph =
      CalcButtonLayout(&Canvas, {0, 0, 100, 40}, {0, 0}, "Caption", blGlyphLeft, -1, 10, DT_SINGLELINE);
  Canvas.SetHandle(nullptr);
  EXPECT_EQ(NoGlyph.TextBounds.left, (100 - Width + 1) / 2);
}

// Pixels of a windowless button drawn by its parent: a flat one shows an edge only under the
// mouse or when down; the glyph's transparent colour never shows.
TEST(SpeedButtonLook, FlatEdgesFollowHoverAndDown) {
  auto Form = MakeHostForm();
  auto* Button = new TSpeedButton(Form.get());
  Button->SetBounds(10, 10, 40, 30);
  Button->SetFlat(true);
  Button->SetParent(Form.get());
  TBitmap Glyph(16, 16, pf24bit);
  Glyph.Canvas()->Brush()->SetColor(clFuchsia);
  Glyph.Canvas()->FillRect({0, 0, 16, 16});
  Glyph.Canvas()->Brush()->SetColor(clBlue);
  Glyph.Canvas()->FillRect({4, 4, 12, 12});
  Button->SetGlyph(&Glyph);
  auto EdgePixels = [&] {
    const TRendering R(Form->WindowHandle());
    EXPECT_EQ(R.Count({10, 10, 50, 40}, RGB(255, 0, 255)), 0);          // transparent colour left out
    EXPECT_GT(R.Count({10, 10, 50, 40}, RGB(0, 0, 255)), 40);           // the glyph itself
    return R.CountOther({10, 10, 50, 11}, GetSysColor(COLOR_BTNFACE));  // the top edge row
  };
  EXPECT_EQ(EdgePixels(), 0);
  SendMessageW(Form->WindowHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_GT(EdgePixels(), 20);
  SendMessageW(Form->WindowHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
  EXPECT_EQ(EdgePixels(), 0);
  Button->SetGroupIndex(1);
  Button->SetDown(true);
  EXPECT_GT(EdgePixels(), 20);
}

}  // namespace
