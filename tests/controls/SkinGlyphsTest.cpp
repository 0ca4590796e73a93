// Glyph adapters: the strips of 9 and 6 glyphs built from 4- and 5-frame sources, and how they reach
// controls that take custom glyphs through published properties.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/SkinGlyphs.h"
#include "tests/controls/ControlsTestUtil.h"
#include "tests/controls/TestGlyphControls.h"

using namespace ctltest;

namespace {

constexpr COLORREF kEmpty = RGB(0, 0, 0);

// The colour of each glyph of a strip of Frames glyphs of Size x Size, read at its centre.
std::vector<COLORREF> GlyphColors(TBitmap& Strip, int Frames, int Size) {
  std::vector<COLORREF> Colors;
  for (int F = 0; F < Frames; ++F)
    Colors.push_back(GetPixel(Strip.Canvas()->Handle(), F * Size + Size / 2, Size / 2));
  return Colors;
}

}  // namespace

struct TStripCase {
  const char* Name;
  int Kind;
  int SourceFrames;
  std::vector<int> Sources;  // the source frame of each new glyph, 0 for an empty one
};

class GlyphStrips : public ::testing::TestWithParam<TStripCase> {};

TEST_P(GlyphStrips, CopyTheSourceFramesInTheExpectedOrder) {
  const TStripCase& C = GetParam();
  TSkinData Data(nullptr);
  TCodedSkin Options;
  Options.CheckFrames = C.SourceFrames;
  Options.RadioFrames = C.SourceFrames;
  ASSERT_TRUE(LoadCodedSkin(Data, Options));
  const bool Radio = C.Kind == kObjImageRadio;
  auto Strip =
      BuildGlyphStrip(C.Kind, Radio ? Data.Button->RadioBitmap.get() : Data.Button->CheckBitmap.get(),
                      Radio ? Data.Button->RadioFrame : Data.Button->CheckFrame);
  ASSERT_TRUE(Strip);
  const int Size = Options.MarkSize;
  EXPECT_EQ(Strip->Width(), Size * static_cast<int>(C.Sources.size()));
  EXPECT_EQ(Strip->Height(), Size);
  std::vector<COLORREF> Expected;
  for (int Source : C.Sources)
    Expected.push_back(Source ? FrameColor(Radio ? kRadioStrip : kCheckStrip, Source) : kEmpty);
  EXPECT_EQ(GlyphColors(*Strip, static_cast<int>(C.Sources.size()), Size), Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GlyphStrips,
    ::testing::Values(TStripCase{"CheckFrom4", kObjImageCheck, 4, {1, 2, 0, 1, 2, 0, 3, 4, 0}},
                      TStripCase{"CheckFrom5", kObjImageCheck, 5, {1, 2, 5, 1, 2, 5, 3, 4, 5}},
                      TStripCase{"RadioFrom4", kObjImageRadio, 4, {1, 2, 1, 2, 3, 4}},
                      TStripCase{"RadioFrom5", kObjImageRadio, 5, {1, 2, 1, 2, 3, 4}},
                      TStripCase{"DevCheckFrom4", kObjImageDevCheck, 4, {1, 2, 0, 1, 2, 0}},
                      TStripCase{"DevCheckFrom5", kObjImageDevCheck, 5, {1, 2, 5, 1, 2, 5}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GlyphStrips, NothingFromAnEmptySource) {
  TBitmap Empty;
  EXPECT_FALSE(BuildGlyphStrip(kObjImageCheck, &Empty, 4));
  EXPECT_FALSE(BuildGlyphStrip(kObjImageCheck, nullptr, 4));
  EXPECT_FALSE(BuildGlyphStrip(7, &Empty, 4));
}

TEST(GlyphAdapters, CustomGlyphControlsTakeTheStripAndGiveItBack) {
  TCodedSkin Options;
  Options.CheckFrames = 4;
  Options.RadioFrames = 4;
  TSkinnedForm Fixture(Options);
  struct TRow {
    TCustomGlyphCheck* Control;
    int Kind;
    int Glyphs;
  };
  for (const TRow Row : {TRow{new TRzCheckBox(Fixture.Form()), kObjImageCheck, 9},
                         TRow{new TRzRadioButton(Fixture.Form()), kObjImageRadio, 6}}) {
    Row.Control->SetParent(Fixture.Form());
    auto* Skin = new TSkinObjImage(Row.Control);
    Skin->FKind = Row.Kind;
    const LONG_PTR Proc = GetWindowLongPtrW(Row.Control->Handle(), GWLP_WNDPROC);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    EXPECT_EQ(Row.Control->CustomGlyphs()->Width(), 13 * Row.Glyphs);
    EXPECT_EQ(Row.Control->TransparentColor, 0xFF00FFu);
    EXPECT_TRUE(Row.Control->UseCustomGlyphs());
    EXPECT_EQ(Row.Control->Switches, 1);
    // Nothing of the message handling is taken.
    EXPECT_EQ(GetWindowLongPtrW(Row.Control->Handle(), GWLP_WNDPROC), Proc);
    EXPECT_EQ(SendMessageW(Row.Control->Handle(), 0x3523, 0, 0), 0);
    Skin->SkinChange();
    EXPECT_EQ(Row.Control->Switches, 2);
    Skin->Unsubclass();
    EXPECT_FALSE(Row.Control->UseCustomGlyphs());
  }
}

TEST(GlyphAdapters, APropertiesGlyphTakesTheStripOpaqueWithMagentaAsItsColour) {
  TCodedSkin Options;
  Options.CheckFrames = 5;
  TSkinnedForm Fixture(Options);
  auto* Check = new TcxCheckBox(Fixture.Form());
  Check->SetParent(Fixture.Form());
  Check->Properties()->Glyph()->SetTransparent(true);
  auto* Skin = new TSkinObjImage(Check);
  Skin->FKind = kObjImageDevCheck;
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  TBitmap* Glyph = Check->Properties()->Glyph();
  EXPECT_EQ(Glyph->Width(), 13 * 6);
  EXPECT_EQ(Glyph->TransparentColor(), 0xFF00FFu);
  EXPECT_FALSE(Glyph->Transparent());
  EXPECT_EQ(GetPixel(Glyph->Canvas()->Handle(), 2 * 13 + 6, 6), FrameColor(kCheckStrip, 5));
  Fixture.Unskin();  // unskinning empties it
  EXPECT_TRUE(Check->Properties()->Glyph()->Empty());
}
