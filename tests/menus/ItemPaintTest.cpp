// The owner-drawn menu item painters of the form skin object, drawing into bitmaps whose pixels are
// read back: the MenuItem strip's frames, the popup background under the items, the flat look
// without a MenuItem element, glyphs, check marks, texts, shortcuts, right-to-left rows, measuring.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/support/Bitmaps.h"
#include "tests/menus/MenuTestSkin.h"

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
  TMenuItem* Add(const char* caption) {
    auto* i = new TMenuItem(&popup);
    i->SetCaption(caption);
    popup.Items()->Add(i);
    return i;
  }
  // A row painted by DrawMenuItem into a fresh 24-bit target of W by H.
  std::unique_ptr<TBitmap> Paint(TMenuItem* i, bool selected, int w = 120, int h = 20,
                                 void (TRuzIzivForm::*painter)(TObject*, TCanvas*, const RECT&,
                                                               bool) = &TRuzIzivForm::DrawMenuItem) {
    auto target = Solid(w, h, clWhite);
    (form.*painter)(i, target->Canvas(), RECT{0, 0, w, h}, selected);
    return target;
  }
  int Count(TBitmap& b, RECT r, TColor c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += PixelAt(b, x, y) == c;
    return n;
  }

  ScopedManager scoped;
  TSkinData data{nullptr};
  TRuzIzivForm form{nullptr};
  TPopupMenu popup{nullptr};
  TMenuItem* item = nullptr;
  TMenuItem* line = nullptr;
};

TEST_F(ItemPaint, ItemsComeFromFrames1And4AndTellTheManager) {
  auto normal = Paint(item, false);
  EXPECT_EQ(PixelAt(*normal, 115, 10), kNormal);
  EXPECT_EQ(PixelAt(*normal, 0, 0), kNormal);
  EXPECT_GT(Count(*normal, RECT{20, 0, 80, 20}, kMenuText), 5);  // the caption in csMenuText
  auto selected = Paint(item, true);
  EXPECT_EQ(PixelAt(*selected, 115, 10), kSelected);
  EXPECT_GT(Count(*selected, RECT{20, 0, 80, 20}, kHilightText), 5);
  EXPECT_EQ(Count(*selected, RECT{20, 0, 80, 20}, kMenuText), 0);
  // The manager hears of the popup and of the menu the item belongs to.
  EXPECT_EQ(scoped.manager.popMenuCalls, 2);
  ASSERT_FALSE(scoped.manager.boundMenus.empty());
  EXPECT_EQ(scoped.manager.boundMenus.back(), popup.Handle());
}

TEST_F(ItemPaint, SeparatorIsFrame2OverTheBackgroundCutAtTheItemsPlace) {
  // The popup's background: light yellow with a black mark at (3..5, 23..25), i.e. at (0..2, 0..2)
  // of an item placed at y = 20 behind the 3-pixel frame.
  auto background = Solid(120, 60, kBgInside);
  background->Canvas()->Brush()->SetColor(clBlack);
  background->Canvas()->FillRect(RECT{3, 23, 6, 26});
  scoped.manager.fixedBackground = background.get();
  auto target = Solid(120, 28, clWhite);
  form.DrawMenuItem(line, target->Canvas(), RECT{0, 20, 120, 28}, false);
  // Row height 8 takes the last 8 rows of the 20-row frame: the line (frame rows 16-17) lands on
  // rows 4-5; the magenta rows show the background.
  EXPECT_EQ(PixelAt(*target, 1, 20), clBlack);
  EXPECT_EQ(PixelAt(*target, 60, 20), kBgInside);
  EXPECT_EQ(PixelAt(*target, 60, 24), kSepLine);
  EXPECT_EQ(PixelAt(*target, 60, 27), kBgInside);
  // The margins keep their width 1:1, the middle is stretched between them.
  EXPECT_EQ(PixelAt(*target, 2, 24), kSepLeft);
  EXPECT_EQ(PixelAt(*target, 3, 24), kSepLine);
  EXPECT_EQ(PixelAt(*target, 116, 24), kSepRight);
  EXPECT_EQ(PixelAt(*target, 115, 25), kSepLine);
  EXPECT_EQ(PixelAt(*target, 60, 19), clWhite);  // nothing outside the row
  // A background smaller than the menu is only read where it exists.
  auto tiny = Solid(4, 4, clBlack);
  scoped.manager.fixedBackground = tiny.get();
  auto row = Paint(line, false, 50, 8);
  EXPECT_EQ(PixelAt(*row, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(*row, 30, 0), kMenuBg);  // csMenubg where there is no background
}

TEST_F(ItemPaint, WithoutAMenuItemElementRowsAreFlatAndTheSeparatorIsEtched) {
  data.MenuItem.reset();
  auto normal = Paint(item, false);
  EXPECT_EQ(PixelAt(*normal, 115, 10), kMenuBg);
  auto selected = Paint(item, true);
  EXPECT_EQ(PixelAt(*selected, 115, 10), kHilight);
  auto separator = Paint(line, false, 120, 10);
  EXPECT_EQ(PixelAt(*separator, 60, 2), kMenuBg);
  EXPECT_EQ(PixelAt(*separator, 60, 4), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(PixelAt(*separator, 60, 5), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));
  // DefaultMenuItem is the same painter called directly.
  auto direct = Paint(item, true, 120, 20, &TRuzIzivForm::DefaultMenuItem);
  EXPECT_EQ(PixelAt(*direct, 115, 10), kHilight);
}

TEST_F(ItemPaint, CheckedItemsShowTheImageOnACheckerInASunkenEdgeOrTheCheckMark) {
  data.MenuItem.reset();
  TImageList images(nullptr, 16, 16);
  auto glyph = Solid(16, 16, clPurple);
  images.Add(glyph.get());
  popup.SetImages(&images);
  item->SetImageIndex(0);
  item->SetChecked(true);
  auto row = Paint(item, false, 120, 24);
  // The checker fills the glyph box at the top (rows 1-16); the image moves to the centred box
  // (rows 4-19) with the sunken edge just around it.
  const TColor face = ColorToRGB(clBtnFace), hilight = ColorToRGB(clBtnHighlight);
  EXPECT_TRUE((PixelAt(*row, 5, 1) == face && PixelAt(*row, 6, 1) == hilight) ||
              (PixelAt(*row, 5, 1) == hilight && PixelAt(*row, 6, 1) == face));
  EXPECT_EQ(PixelAt(*row, 8, 3), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(PixelAt(*row, 8, 12), clPurple);
  EXPECT_EQ(PixelAt(*row, 8, 20), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));

  // Unchecked: the image alone, centred, no checker.
  item->SetChecked(false);
  row = Paint(item, false, 120, 24);
  EXPECT_EQ(PixelAt(*row, 8, 12), clPurple);
  EXPECT_EQ(PixelAt(*row, 5, 1), kMenuBg);

  // Without an image the platform check mark is drawn in the button-text colour.
  item->SetImageIndex(-1);
  popup.SetImages(nullptr);
  item->SetChecked(true);
  row = Paint(item, false, 120, 24);
  const TColor text = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(Count(*row, RECT{1, 0, 18, 24}, text), 6);
  item->SetChecked(false);
  row = Paint(item, false, 120, 24);
  EXPECT_EQ(Count(*row, RECT{1, 0, 18, 24}, text), 0);
  // An image index outside the list counts as no image.
  popup.SetImages(&images);
  item->SetImageIndex(5);
  item->SetChecked(true);
  row = Paint(item, false, 120, 24);
  EXPECT_GT(Count(*row, RECT{1, 0, 18, 24}, text), 6);
  EXPECT_EQ(Count(*row, RECT{1, 0, 18, 24}, clPurple), 0);
}

TEST_F(ItemPaint, DisabledTextShortcutsAndRightToLeftRows) {
  data.MenuItem.reset();
  item->SetShortCut(ShortCut('O', scCtrl));
  auto row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*row, RECT{110, 0, 149, 20}, kMenuText), 5);  // shortcut ends 11 pixels from the right
  EXPECT_EQ(Count(*row, RECT{149, 0, 160, 20}, kMenuText), 0);

  item->SetEnabled(false);
  row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*row, RECT{0, 0, 160, 20}, kShadow), 5);
  EXPECT_EQ(Count(*row, RECT{0, 0, 160, 20}, kMenuText), 0);
  // A shadow colour equal to the text colour falls back to the system's.
  data.Colors[csButtonShadow] = kMenuText;
  row = Paint(item, false, 160, 20);
  EXPECT_GT(Count(*row, RECT{0, 0, 160, 20}, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))), 5);

  item->SetEnabled(true);
  item->SetShortCut(scNone);
  item->SetChecked(true);
  popup.SetBiDiMode(bdRightToLeft);
  row = Paint(item, false, 160, 20);
  const TColor mark = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(Count(*row, RECT{142, 0, 160, 20}, mark), 6);  // check mark in the box at the right
  EXPECT_EQ(Count(*row, RECT{0, 0, 40, 20}, mark), 0);
  EXPECT_GT(Count(*row, RECT{80, 0, 141, 20}, kMenuText), 5);  // caption right-aligned next to it
}

TEST_F(ItemPaint, MeasuringAddsTheElementMarginAndTheGlyphColumn) {
  TBitmap scratch(10, 10);
  TCanvas* canvas = scratch.Canvas();
  int fw = 0, fh = 0;
  item->MeasureItem(canvas, fw, fh);  // the framework alone
  int w = 0, h = 0;
  item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(&form);
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, fw + 3 + 10 + 25);
  EXPECT_EQ(h, fh);
  item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&form);
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, fw + 3 + 12 + 23);
  TImageList images(nullptr, 16, 16);
  popup.SetImages(&images);
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, fw + 3 + 12);
  data.MenuItem.reset();
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, fw + 12);
  form.FSkinData = nullptr;  // a skin data that is gone is not read
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, fw + 12);
}

TEST_F(ItemPaint, AnEmptyCaptionIsMeasuredLikeASpace) {
  TBitmap scratch(10, 10);
  auto measure = [&](const char16_t* text) {
    RECT r{0, 0, 0, 0};
    form.DoDrawText(item, scratch.Canvas(), text, r, false, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    return r;
  };
  const RECT space = measure(u" "), empty = measure(u""), amp = measure(u"&");
  EXPECT_GT(space.bottom, 0);
  EXPECT_GT(space.right, 0);
  EXPECT_EQ(empty.right, space.right);
  EXPECT_EQ(empty.bottom, space.bottom);
  EXPECT_EQ(amp.bottom, space.bottom);
  // The measured row of an empty item still has a text height; painting it draws nothing.
  item->SetCaption("");
  auto row = Paint(item, false);
  EXPECT_EQ(Count(*row, RECT{0, 0, 120, 20}, kMenuText), 0);
}

TEST_F(ItemPaint, PaintingLeavesNoGdiObjectsBehindAndSurvivesOddInput) {
  auto target = Solid(120, 20, clWhite);
  // One pass first: the fonts and the check mark's first use may keep cached objects.
  form.DrawMenuItem(item, target->Canvas(), RECT{0, 0, 120, 20}, true);
  form.DrawMenuItem(line, target->Canvas(), RECT{0, 0, 120, 20}, true);
  const DWORD before = gfxtest::GdiObjects();
  for (int i = 0; i < 40; ++i) {
    form.DrawMenuItem(i % 2 ? item : line, target->Canvas(), RECT{0, 0, 120, 20}, i % 3 == 0);
    data.MenuItem.reset();
    form.DrawMenuItem(item, target->Canvas(), RECT{0, 0, 120, 20}, true);
    BuildSkin(data, true, false);
  }
  EXPECT_LE(gfxtest::GdiObjects(), before);  // a leak of one object per row would show as 40+
  target = Solid(120, 20, clWhite);
  // Empty or inverted rows, foreign objects and missing canvases draw nothing and do not fail.
  form.DrawMenuItem(item, target->Canvas(), RECT{10, 10, 10, 30}, false);
  form.DrawMenuItem(line, target->Canvas(), RECT{50, 10, 20, 5}, false);
  form.DrawMenuItem(&popup, target->Canvas(), RECT{0, 0, 120, 20}, false);
  form.DrawMenuItem(item, nullptr, RECT{0, 0, 120, 20}, false);
  form.DrawMenuCaption(target->Canvas(), RECT{0, 0, 1, 1});
  data.MenuItem->Bitmap = Solid(3, 20, clBlack);  // narrower than five frames
  form.DrawMenuCaption(target->Canvas(), RECT{0, 0, 120, 8});
  EXPECT_EQ(PixelAt(*target, 60, 4), clWhite);
}

}  // namespace
