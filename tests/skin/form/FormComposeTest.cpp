// A frame repaint is composed off-screen and copied to the window part by part; its pixels must be
// those of painting each part straight onto the target, for both shipped skins, active and
// inactive, with and without the band below the caption, and the client area must stay untouched.

#include <gtest/gtest.h>

#include <string>

#include "framework/win/graphics/Graphics.h"
#include "skin/form/NCObjects.h"
#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

#if defined(DEFAULT_SKIN_ARCHIVE) && defined(DARK_SKIN_ARCHIVE)
namespace {

struct TComposeCase {
  const char* Skin;
  bool Active;
  int MenuHeight;
};

class FrameComposition : public ::testing::TestWithParam<TComposeCase> {};

TColor Pattern(int X, int Y) {
  return TColor(((X * 53) ^ (Y * 29)) & 0xFFFFFF);
}

// A colour as a 32-bit row pixel.
std::uint32_t Row(TColor C) {
  return ((C & 0xFF) << 16) | (C & 0xFF00) | ((C >> 16) & 0xFF);
}

std::unique_ptr<TBitmap> PatternBitmap(int W, int H) {
  auto B = std::make_unique<TBitmap>(W, H, pf32bit);
  for (int Y = 0; Y < H; ++Y) {
    auto* Pixels = static_cast<std::uint32_t*>(B->ScanLine(Y));
    for (int X = 0; X < W; ++X) Pixels[X] = Row(Pattern(X, Y));
  }
  return B;
}

TEST_P(FrameComposition, GivesThePixelsOfPaintingEachPartStraightOntoTheTarget) {
  const TComposeCase Case = GetParam();
  TSkinData Data(nullptr);
  Data.FSkinStream->LoadFromFile(Case.Skin);
  ASSERT_TRUE(Data.LoadSkin()) << Case.Skin;
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), Data);
  Form->FActive = Case.Active ? 1 : 0;
  Form->FMenuHeight = Case.MenuHeight;
  RECT R{};
  GetWindowRect(Window.Handle(), &R);
  const int W = R.right - R.left, H = R.bottom - R.top;

  auto Composed = PatternBitmap(W, H);
  Form->UpdateNc(Composed->Canvas()->Handle());

  auto Straight = PatternBitmap(W, H);
  const HDC DC = Straight->Canvas()->Handle();
  Form->Drawborder(1, RECT{0, 0, Form->FLeftWidth, H}, DC);
  Form->Drawborder(2, RECT{W - Form->FRightWidth, 0, W, H}, DC);
  Form->Drawborder(4, RECT{Form->FLeftWidth, H - Form->FBottomHeight, W - Form->FRightWidth, H}, DC);
  Form->DrawFLine(DC);
  const RECT Band{Form->FLeftWidth, Form->FTitleHeight, W - Form->FRightWidth,
                  Form->FTitleHeight + Form->FMenuHeight};
  if (Case.MenuHeight > 0) FillRect(DC, &Band, Data.FaceBrush.Get());

  GdiFlush();
  const int ClientTop = Form->FTitleHeight + Case.MenuHeight;
  for (int Y = 0; Y < H; ++Y) {
    const auto* Got = static_cast<const std::uint32_t*>(Composed->ScanLine(Y));
    const auto* Want = static_cast<const std::uint32_t*>(Straight->ScanLine(Y));
    for (int X = 0; X < W; ++X) {
      ASSERT_EQ(Got[X] & 0xFFFFFF, Want[X] & 0xFFFFFF) << "at " << X << "," << Y;
      const bool Client =
          X >= Form->FLeftWidth && X < W - Form->FRightWidth && Y >= ClientTop && Y < H - Form->FBottomHeight;
      if (Client) {
        ASSERT_EQ(Got[X] & 0xFFFFFF, Row(Pattern(X, Y))) << "client pixel " << X << "," << Y;
      }
    }
  }
  Form->UnSubclass();
}

// A caption button's hover repaint puts back the caption under it and draws the new state there,
// and nothing outside the button's rectangle: the rest of the window keeps whatever it shows.
TEST(CaptionButtonRepaint, TouchesOnlyThatButtonsRectangle) {
  TSkinData Data(nullptr);
  LoadDefaultSkin(Data);
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), Data);
  RECT R{};
  GetWindowRect(Window.Handle(), &R);
  const int W = R.right - R.left, H = Form->FTitleHeight;
  // The caption strip as the window shows it (inside its region), read back from its DC.
  auto Shot = [&] {
    auto B = std::make_unique<TBitmap>(W, H, pf32bit);
    const HDC DC = GetWindowDC(Window.Handle());
    BitBlt(B->Canvas()->Handle(), 0, 0, W, H, DC, 0, 0, SRCCOPY);
    ReleaseDC(Window.Handle(), DC);
    GdiFlush();
    return B;
  };
  int Tried = 0;
  for (const auto& Button : Form->FSysButtons) {
    if (!Button->FVisible || Button->Empty()) continue;
    ++Tried;
    const HDC DC = GetWindowDC(Window.Handle());
    const RECT Strip{0, 0, W, H};
    TGdiBrush Marker(CreateSolidBrush(RGB(1, 2, 3)));
    FillRect(DC, &Strip, Marker.Get());
    ReleaseDC(Window.Handle(), DC);
    const auto Before = Shot();
    Form->DrawSysbtn(Button.get(), kNCHot);
    const auto After = Shot();
    const RECT& B = Button->FRect;
    int Inside = 0, Changed = 0;
    for (int Y = 0; Y < H; ++Y) {
      const auto* Was = static_cast<const std::uint32_t*>(Before->ScanLine(Y));
      const auto* Is = static_cast<const std::uint32_t*>(After->ScanLine(Y));
      for (int X = 0; X < W; ++X) {
        const bool In = X >= B.left && X < B.right && Y >= B.top && Y < B.bottom;
        const bool Same = (Was[X] & 0xFFFFFF) == (Is[X] & 0xFFFFFF);
        if (!In) {
          ASSERT_TRUE(Same) << "pixel " << X << "," << Y << " outside the button was painted";
        }
        Inside += In;
        Changed += In && !Same;
      }
    }
    EXPECT_GT(Changed, Inside / 2) << "the button was not drawn";
    Form->DrawSysbtn(Button.get(), kNCNormal);
  }
  EXPECT_GE(Tried, 2);
  Form->UnSubclass();
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, FrameComposition,
                         ::testing::Values(TComposeCase{DEFAULT_SKIN_ARCHIVE, true, 0},
                                           TComposeCase{DEFAULT_SKIN_ARCHIVE, false, 0},
                                           TComposeCase{DEFAULT_SKIN_ARCHIVE, true, 19},
                                           TComposeCase{DARK_SKIN_ARCHIVE, true, 0},
                                           TComposeCase{DARK_SKIN_ARCHIVE, false, 19}));

}  // namespace
#endif
