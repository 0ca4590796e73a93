// The owner-drawn menu item painters of the form skin object, drawing into bitmaps whose pixels are
// read back: the MenuItem strip's frames, the popup background under the items, the flat look
// without a MenuItem element, glyphs, check marks, texts, shortcuts, right-to-left rows, measuring.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/menus/MenuTestSkin.h"
#include "tests/support/Bitmaps.h"

using namespace menutest;
using gfxtest::PixelAt;

namespace {

class ItemPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildSkin(data, true, false);
    form.FSkinData = &data;
    popup.SetOwnerDraw(true);
    item = Add("Open");
    line = Add("-");
    popup.Handle();  // shown menus have their native menu
  }
  TMenuItem* Add(const char* Caption) {
    auto* I = new TMenuItem(&popup);
    I->SetCaption(Caption);
    popup.Items()->Add(I);
    return I;
  }
  // A row painted by DrawMenuItem into a fresh 24-bit target of W by H.
  std::unique_ptr<TBitmap> Paint(TMenuItem* I, bool Selected, int W = 120, int H = 20,
                                 void (TRuzIzivForm::*Painter)(TObject*, TCanvas*, const RECT&,
                                                               bool) = &TRuzIzivForm::DrawMenuItem) {
    auto Target = Solid(W, H, clWhite);
    (form.*Painter)(I, Target->Canvas(), RECT{0, 0, W, H}, Selected);
    return Target;
  }
  int Count(TBitmap& B, RECT R, TColor C) {
    int N = 0;
    for (int Y = R.top; Y < R.bottom; ++Y)
      for (int X = R.left; X < R.right; ++X) N += PixelAt(B, X, Y) == C;
    return N;
  }

  ScopedManager scoped;
  TSkinData data{nullptr};
  TRuzIzivForm form{nullptr};
  TPopupMenu popup{nullptr};
  TMenuItem* item = nullptr;
  TMenuItem* line = nullptr;
};

TEST_F(ItemPaint, ItemsComeFromFrames1And4AndTellTheManager) {
  auto Normal = Paint(item, false);
  EXPECT_EQ(PixelAt(*Normal, 115, 10), kNormal);
  EXPECT_EQ(PixelAt(*Normal, 0, 0), kNormal);
  EXPECT_GT(Count(*Normal, RECT{20, 0, 80, 20}, kMenuText), 5);  // the caption in csMenuText
  auto Selected = Paint(item, true);
  EXPECT_EQ(PixelAt(*Selected, 115, 10), kSelected);
  EXPECT_GT(Count(*Selected, RECT{20, 0, 80, 20}, kHilightText), 5);
  EXPECT_EQ(Count(*Selected, RECT{20, 0, 80, 20}, kMenuText), 0);
  // The manager hears of the popup and of the menu the item belongs to.
  EXPECT_EQ(scoped.manager.popMenuCalls, 2);
  ASSERT_FALSE(scoped.manager.boundMenus.empty());
  EXPECT_EQ(scoped.manager.boundMenus.back(), popup.Handle());
}

TEST_F(ItemPaint, SeparatorIsFrame2OverTheBackgroundCutAtTheItemsPlace) {
  // The popup's background: light yellow with a black mark at (3..5, 23..25), i.e. at (0..2, 0..2)
  // of an item placed at y = 20 behind the 3-pixel frame.
  auto Background = Solid(120, 60, kBgInside);
  Background->Canvas()->Brush()->SetColor(clBlack);
  Background->Canvas()->FillRect(RECT{3, 23, 6, 26});
  scoped.manager.fixedBackground = Background.get();
  auto Target = Solid(120, 28, clWhite);
  form.DrawMenuItem(line, Target->Canvas(), RECT{0, 20, 120, 28}, false);
  // Row height 8 takes the last 8 rows of the 20-row frame: the line (frame rows 16-17) lands on
  // rows 4-5; the magenta rows show the background.
  EXPECT_EQ(PixelAt(*Target, 1, 20), clBlack);
  EXPECT_EQ(PixelAt(*Target, 60, 20), kBgInside);
  EXPECT_EQ(PixelAt(*Target, 60, 24), kSepLine);
  EXPECT_EQ(PixelAt(*Target, 60, 27), kBgInside);
  // The margins keep their width 1:1, the middle is stretched between them.
  EXPECT_EQ(PixelAt(*Target, 2, 24), kSepLeft);
  EXPECT_EQ(PixelAt(*Target, 3, 24), kSepLine);
  EXPECT_EQ(PixelAt(*Target, 116, 24), kSepRight);
  EXPECT_EQ(PixelAt(*Target, 115, 25), kSepLine);
  EXPECT_EQ(PixelAt(*Target, 60, 19), clWhite);  // nothing outside the row
  // A background smaller than the menu is only read where it exists.
  auto Tiny = Solid(4, 4, clBlack);
  scoped.manager.fixedBackground = Tiny.get();
  auto Painted = Paint(line, false, 50, 8);
  EXPECT_EQ(PixelAt(*Painted, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(*Painted, 30, 0), kMenuBg);  // csMenubg where there is no background
}

TEST_F(ItemPaint, WithoutAMenuItemElementRowsAreFlatAndTheSeparatorIsEtched) {
  data.MenuItem.reset();
  auto Normal = Paint(item, false);
  EXPECT_EQ(PixelAt(*Normal, 115, 10), kMenuBg);
  auto Selected = Paint(item, true);
  EXPECT_EQ(PixelAt(*Selected, 115, 10), kHilight);
  auto Separator = Paint(line, false, 120, 10);
  EXPECT_EQ(PixelAt(*Separator, 60, 2), kMenuBg);
  EXPECT_EQ(PixelAt(*Separator, 60, 4), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(PixelAt(*Separator, 60, 5), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));
  // DefaultMenuItem is the same painter called directly.
  auto Direct = Paint(item, true, 120, 20, &TRuzIzivForm::DefaultMenuItem);
  EXPECT_EQ(PixelAt(*Direct, 115, 10), kHilight);
}

TEST_F(ItemPaint, CheckedItemsShowTheImageOnACheckerInASunkenEdgeOrTheCheckMark) {
  data.MenuItem.reset();
  TImageList Images(nullptr, 16, 16);
  auto Glyph = Solid(16, 16, clPurple);
  Images.Add(Glyph.get());
  popup.SetImages(&Images);
  item->SetImageIndex(0);
  item->SetChecked(true);
  auto Row = Paint(item, false, 120, 24);
  // The checker fills the glyph box at the top (rows 1-16); the image moves to the centred box
  // (rows 4-19) with the sunken edge just around it.
  const TColor Face = ColorToRGB(clBtnFace), Hilight = ColorToRGB(clBtnHighlight);
  EXPECT_TRUE((PixelAt(*Row, 5, 1) == Face && PixelAt(*Row, 6, 1) == Hilight) ||
              (PixelAt(*Row, 5, 1) == Hilight && PixelAt(*Row, 6, 1) == Face));
  EXPECT_EQ(PixelAt(*Row, 8, 3), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(PixelAt(*Row, 8, 12), clPurple);
  EXPECT_EQ(PixelAt(*Row, 8, 20), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));

  // Unchecked: the image alone, centred, no checker.
  item->SetChecked(false);
  Row = Paint(item, false, 120, 24);
  EXPECT_EQ(PixelAt(*Row, 8, 12), clPurple);
  EXPECT_EQ(PixelAt(*Row, 5, 1), kMenuBg);

  // Without an image the platform check mark is drawn in the button-text colour.
  item->SetImageIndex(-1);
  popup.SetImages(nullptr);
  item->SetChecked(true);
  Row = Paint(item, false, 120, 24);
  const TColor Text = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(Count(*Row, RECT{1, 0, 18, 24}, Text), 6);
  item->SetChecked(false);
  Row = Paint(item, false, 120, 24);
  EXPECT_EQ(Count(*Row, RECT{1, 0, 18, 24}, Text), 0);
  // An image index outside the list counts as no image.
  popup.SetImages(&Images);
  item->SetImageIndex(5);
  item->SetChecked(true);
  Row = Paint(item, false, 120, 24);
  EXPECT_GT(Count(*Row, RECT{1, 0, 18, 24}, Text), 6);
  EXPECT_EQ(Count(*Row, RECT{1, 0, 18, 24}, clPurple), 0);
}

TEST_F(ItemPaint, DisabledTextShortcutsAndRightToLeftRows) {
  data.MenuItem.reset();
  item->SetShortCut(ShortCut('O', scCtrl));
  auto Row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*Row, RECT{110, 0, 149, 20}, kMenuText), 5);  // shortcut ends 11 pixels from the right
  EXPECT_EQ(Count(*Row, RECT{149, 0, 160, 20}, kMenuText), 0);

  item->SetEnabled(false);
  Row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*Row, RECT{0, 0, 160, 20}, kShadow), 5);
  EXPECT_EQ(Count(*Row, RECT{0, 0, 160, 20}, kMenuText), 0);
  // A shadow colour equal to the text colour falls back to the system's.
  data.Colors[csButtonShadow] = kMenuText;
  Row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*Row, RECT{0, 0, 160, 20}, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))), 5);

  item->SetEnabled(true);
  item->SetShortCut(scNone);
  item->SetChecked(true);
  popup.SetBiDiMode(bdRightToLeft);
  Row = Paint(item, false, 160, 20);
  const TColor Mark = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(Count(*Row, RECT{142, 0, 160, 20}, Mark), 6);  // check mark in the box at the right
  EXPECT_EQ(Count(*Row, RECT{0, 0, 40, 20}, Mark), 0);
  EXPECT_GT(Count(*Row, RECT{80, 0, 141, 20}, kMenuText), 5);  // caption right-aligned next to it
}

TEST_F(ItemPaint, MeasuringAddsTheElementMarginAndTheGlyphColumn) {
  TBitmap Scratch(10, 10);
  TCanvas* ScratchCanvas = Scratch.Canvas();
  int Fw = 0, Fh = 0;
  item->MeasureItem(ScratchCanvas, Fw, Fh);  // the framework alone
  int W = 0, H = 0;
  item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(&form);
  item->MeasureItem(ScratchCanvas, W, H);
  EXPECT_EQ(W, Fw + 3 + 10 + 25);
  EXPECT_EQ(H, Fh);
  item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&form);
  item->MeasureItem(ScratchCanvas, W, H);
  EXPECT_EQ(W, Fw + 3 + 12 + 23);
  TImageList Images(nullptr, 16, 16);
  popup.SetImages(&Images);
  item->MeasureItem(ScratchCanvas, W, H);
  EXPECT_EQ(W, Fw + 3 + 12);
  data.MenuItem.reset();
  item->MeasureItem(ScratchCanvas, W, H);
  EXPECT_EQ(W, Fw + 12);
  form.FSkinData = nullptr;  // a skin data that is gone is not read
  item->MeasureItem(ScratchCanvas, W, H);
  EXPECT_EQ(W, Fw + 12);
}

TEST_F(ItemPaint, AnEmptyCaptionIsMeasuredLikeASpace) {
  TBitmap Scratch(10, 10);
  auto Measure = [&](const char16_t* Text) {
    RECT R{0, 0, 0, 0};
    form.DoDrawText(item, Scratch.Canvas(), Text, R, false, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    return R;
  };
  const RECT Space = Measure(u" "), Empty = Measure(u""), Amp = Measure(u"&");
  EXPECT_GT(Space.bottom, 0);
  EXPECT_GT(Space.right, 0);
  EXPECT_EQ(Empty.right, Space.right);
  EXPECT_EQ(Empty.bottom, Space.bottom);
  EXPECT_EQ(Amp.bottom, Space.bottom);
  // The measured row of an empty item still has a text height; painting it draws nothing.
  item->SetCaption("");
  auto Row = Paint(item, false);
  EXPECT_EQ(Count(*Row, RECT{0, 0, 120, 20}, kMenuText), 0);
}

TEST_F(ItemPaint, PaintingLeavesNoGdiObjectsBehindAndSurvivesOddInput) {
  auto Target = Solid(120, 20, clWhite);
  // One pass first: the fonts and the check mark's first use may keep cached objects.
  form.DrawMenuItem(item, Target->Canvas(), RECT{0, 0, 120, 20}, true);
  form.DrawMenuItem(line, Target->Canvas(), RECT{0, 0, 120, 20}, true);
  const DWORD Before = gfxtest::GdiObjects();
  for (int I = 0; I < 40; ++I) {
    form.DrawMenuItem(I % 2 ? item : line, Target->Canvas(), RECT{0, 0, 120, 20}, I % 3 == 0);
    data.MenuItem.reset();
    form.DrawMenuItem(item, Target->Canvas(), RECT{0, 0, 120, 20}, true);
    BuildSkin(data, true, false);
  }
  EXPECT_LE(gfxtest::GdiObjects(), Before);  // a leak of one object per row would show as 40+
  Target = Solid(120, 20, clWhite);
  // Empty or inverted rows, foreign objects and missing canvases draw nothing and do not fail.
  form.DrawMenuItem(item, Target->Canvas(), RECT{10, 10, 10, 30}, false);
  form.DrawMenuItem(line, Target->Canvas(), RECT{50, 10, 20, 5}, false);
  form.DrawMenuItem(&popup, Target->Canvas(), RECT{0, 0, 120, 20}, false);
  form.DrawMenuItem(item, nullptr, RECT{0, 0, 120, 20}, false);
  form.DrawMenuCaption(Target->Canvas(), RECT{0, 0, 1, 1});
  data.MenuItem->Bitmap = Solid(3, 20, clBlack);  // narrower than five frames
  form.DrawMenuCaption(Target->Canvas(), RECT{0, 0, 120, 8});
  EXPECT_EQ(PixelAt(*Target, 60, 4), clWhite);
}

}  // namespace
