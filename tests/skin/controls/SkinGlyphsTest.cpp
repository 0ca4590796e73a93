// Glyph adapters: the strips of 9 and 6 glyphs built from 4- and 5-frame sources, and how they reach
// controls that take custom glyphs through published properties; the media player's skinned panel.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/win/controls/MediaPlayer.h"
#include "skin/controls/SkinGlyphs.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestGlyphControls.h"

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

// ---------------------------------------------------------------------------------------------------
// The media player's panel

namespace {

// A media player of W x 30 at (20, 20) with its panel; clicks are recorded, not run.
struct TPlayerCase : TObject {
  TSkinnedForm Fixture;
  TMediaPlayer* Player;
  TSkinMP* Skin;
  std::vector<int> Clicks;
  TPlayerCase(TButtonSet Visible, TButtonSet Enabled, int W = 180) {
    Player = new TMediaPlayer(Fixture.Form());
    Player->SetAutoEnable(false);
    Player->SetParent(Fixture.Form());
    Player->SetBounds(20, 20, W, 30);
    Player->SetVisibleButtons(Visible);
    Player->SetEnabledButtons(Enabled);
    Player->OnClick = TMPClickEvent::Bind<&TPlayerCase::Clicked>(this);
    Skin = new TSkinMP(Player);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    Pump();
  }
  void Clicked(TObject*, TMPBtnType Button, bool& DoDefault) {
    Clicks.push_back(static_cast<int>(Button));
    DoDefault = false;
  }
  HWND Panel() const { return Skin->FPlayer ? Skin->FPlayer->WindowHandle() : nullptr; }
  void Repaint() const { RedrawWindow(Panel(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
};

const TButtonSet kThree{btPlay, btStop, btEject};

}  // namespace

struct TPlayerFaceCase {
  const char* Name;
  TButtonSet Visible;
  TButtonSet Enabled;
  std::vector<int> Frames;  // of the visible buttons, left to right
};

class PlayerPanel : public ::testing::TestWithParam<TPlayerFaceCase> {};

TEST_P(PlayerPanel, DrawsTheVisibleButtonsWithTheSkinsFaces) {
  const TPlayerFaceCase& Case = GetParam();
  TPlayerCase P(Case.Visible, Case.Enabled);
  ASSERT_TRUE(P.Panel());
  P.Repaint();
  const int Count = static_cast<int>(Case.Frames.size());
  if (Count == 0) {
    // Nothing visible: an empty panel in the face colour.
    EXPECT_EQ(CountColor(P.Panel(), RECT{0, 0, 180, 30}, kFace), 180 * 30);
    return;
  }
  const int Width = 180 / Count;
  for (int I = 0; I < Count; ++I)
    EXPECT_EQ(Pixel(P.Panel(), I * Width + 2, 2),
              FrameColor(kButtonStrip, Case.Frames[static_cast<size_t>(I)]))
        << "button " << I;
  // Each button shows its glyph in the middle (olive left out, so something else than the face).
  EXPECT_NE(CountColor(P.Panel(), RECT{0, 8, Width, 22}, FrameColor(kButtonStrip, Case.Frames[0])),
            Width * 14);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlayerPanel,
    ::testing::Values(TPlayerFaceCase{"NoneVisible", TButtonSet(), kAllMPButtons, {}},
                      TPlayerFaceCase{"All", kAllMPButtons, kAllMPButtons, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
                      TPlayerFaceCase{"OneDisabled", kThree, TButtonSet{btPlay, btEject}, {1, 3, 1}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PlayerPanel, FindsTheButtonUnderAPointBothEdgesIncluded) {
  TPlayerCase P(kThree, kThree, 90);
  struct TRow {
    int X, Button;
  };
  for (const TRow R : {TRow{0, 0}, TRow{30, 0}, TRow{31, 2}, TRow{60, 2}, TRow{61, 8}, TRow{90, 8},
                       TRow{91, TWMediaPlayer::kNoButton}, TRow{-1, TWMediaPlayer::kNoButton}})
    EXPECT_EQ(P.Skin->FPlayer->FindButton(R.X), R.Button) << R.X;
}

struct TPlayerPressCase {
  const char* Name;
  int DownX, UpX;
  std::vector<int> Clicks;
};

class PlayerInput : public ::testing::TestWithParam<TPlayerPressCase> {};

TEST_P(PlayerInput, OnlyAReleaseOverThePressedButtonReachesThePlayer) {
  const TPlayerPressCase& Case = GetParam();
  TPlayerCase P(kThree, kThree);
  const int Pressed = Case.DownX / 60;
  SendMessageW(P.Panel(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Case.DownX, 10));
  P.Repaint();
  EXPECT_EQ(Pixel(P.Panel(), Pressed * 60 + 2, 2), FrameColor(kButtonStrip, 2));
  EXPECT_EQ(GetCapture(), P.Panel());
  SendMessageW(P.Panel(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(Case.UpX), 10));
  P.Repaint();
  EXPECT_EQ(Pixel(P.Panel(), Pressed * 60 + 2, 2), FrameColor(kButtonStrip, 1));
  EXPECT_EQ(P.Clicks, Case.Clicks);
  EXPECT_NE(GetCapture(), P.Panel());
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerInput,
                         ::testing::Values(TPlayerPressCase{"SameButton", 10, 20, {btPlay}},
                                           TPlayerPressCase{"OtherButton", 10, 70, {}},
                                           TPlayerPressCase{"LastButton", 150, 170, {btEject}},
                                           TPlayerPressCase{"OffThePanel", 70, 400, {}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PlayerPanel, FollowsThePlayerAndGoesWithIt) {
  TPlayerCase P(kAllMPButtons, kAllMPButtons);
  EXPECT_EQ(SendMessageW(P.Player->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  EXPECT_EQ(P.Skin->FPlayer->Tag(), P.Fixture.Data().DisableTag);
  P.Player->SetBounds(40, 50, 200, 36);
  Pump();
  RECT R;
  GetWindowRect(P.Panel(), &R);
  MapWindowPoints(HWND_DESKTOP, P.Fixture.Form()->Handle(), reinterpret_cast<POINT*>(&R), 2);
  EXPECT_EQ(R.left, 40);
  EXPECT_EQ(R.top, 50);
  EXPECT_EQ(R.right - R.left, 200);
  EXPECT_EQ(R.bottom - R.top, 36);
  P.Player->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(P.Panel()));
  P.Player->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(P.Panel()));
  // Above the player, so that the player's own painting never shows through.
  EXPECT_EQ(ChildWindowFromPointEx(P.Fixture.Form()->Handle(), POINT{45, 55}, CWP_SKIPINVISIBLE), P.Panel());

  // The skin object freed first: the panel goes, the player is native again.
  HWND Panel = P.Panel();
  const int Components = P.Fixture.Skin().ComponentCount();
  delete P.Skin;
  EXPECT_FALSE(IsWindow(Panel));
  EXPECT_EQ(P.Fixture.Skin().ComponentCount(), Components - 1);
  EXPECT_EQ(SendMessageW(P.Player->Handle(), WM_SKIN_QUERY, 0, 0), 0);

  // The player freed first: its panel goes with it.
  auto* Skin = new TSkinMP(P.Player);
  Skin->Init(&P.Fixture.Skin(), &P.Fixture.Data(), P.Fixture.Canvas(), false);
  Panel = Skin->FPlayer->WindowHandle();
  delete P.Player;
  EXPECT_FALSE(IsWindow(Panel));
  EXPECT_EQ(P.Fixture.Skin().ComponentCount(), Components - 1);
  Pump();
}
