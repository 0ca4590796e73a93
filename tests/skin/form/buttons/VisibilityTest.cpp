// The caption buttons' rules as the form skin object applies them to its window, placement by every
// alignment, frame choice for short strips and disabled buttons, and the buttons that are never hit.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 200, 0), kBlue = RGB(0, 0, 200),
                   kYellow = RGB(200, 200, 0);

class ButtonRules : public TSkinnedWindowTest {
 protected:
  void SetUp() override {
    TSkinnedWindowTest::SetUp();
    Open();
    Data.SysButtons.clear();
  }
  // A record drawn from a solid strip, 16 x 14 per frame.
  TDataSkinSysButton& Add(int Action, int Visibility, int Visibility1, int Align = 0, int X = 0, int Y = 4,
                          const std::vector<COLORREF>& Frames = {kRed, kGreen, kBlue, kYellow}) {
    auto R = std::make_unique<TDataSkinSysButton>("BUTTONT");
    R->Action = Action;
    R->Visibility = Visibility;
    R->Visibility1 = Visibility1;
    R->Align = Align;
    R->XCoord = X;
    R->YCoord = Y;
    R->FrameCount = static_cast<int>(Frames.size());
    R->Bitmap = SolidStrip(16, 14, Frames);
    Data.SysButtons.push_back(std::move(R));
    return *Data.SysButtons.back();
  }
  void Rebuild() {
    Form->CreateSysButtons();
    SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  }
  bool Visible(int Visibility, int Visibility1, int Action = 5) {
    Data.SysButtons.clear();
    Add(Action, Visibility, Visibility1);
    Form->CreateSysButtons();
    return Form->SysBtnVisible(0);
  }
  COLORREF Shown(int Index) {
    const RECT& R = Form->FSysButtons[static_cast<std::size_t>(Index)]->FRect;
    return WindowPixel(Wnd, Centre(R));
  }
};

// The rules themselves are checked without a window (tests/skin/imaging/CaptionButtonRulesTest.cpp); here
// the form skin object gives them its own state, styles and class, and asks its window.
struct TFormCase {
  const char* Name;
  TSkinFormIcons Icons;
  TSkinWindowState State;
  TSkinFormBorder Border;
  const char* ClassName;
  int Visibility, Visibility1, Action;
  bool Visible;
  std::uint8_t Enabled = 1;
};

class FormButtonRules : public ButtonRules, public ::testing::WithParamInterface<TFormCase> {};

TEST_P(FormButtonRules, ComeFromTheWindowsStateAndStyles) {
  const TFormCase& C = GetParam();
  Form->FBorderIcons = C.Icons;
  Form->FWindowState = C.State;
  Form->FBorderStyle = C.Border;
  Form->FClassName = C.ClassName;
  Form->FActive = 1;
  EXPECT_EQ(Visible(C.Visibility, C.Visibility1, C.Action), C.Visible);
  EXPECT_EQ(Form->FSysButtons[0]->FEnabled, C.Enabled);
}

const TSkinFormIcons kAllBoxes{sbiMax, sbiMin, sbisystem};
constexpr int kUser = 5;

INSTANTIATE_TEST_SUITE_P(
    Rows, FormButtonRules,
    ::testing::Values(TFormCase{"Maximised", kAllBoxes, swsMax, sbsSizeable, "Something", 1, 0, kUser, true},
                      TFormCase{"NotMaximised", kAllBoxes, swsNormal, sbsSizeable, "Something", 1, 0, kUser,
                                false},
                      TFormCase{"Active", kAllBoxes, swsNormal, sbsSizeable, "Something", 3, 0, kUser, true},
                      TFormCase{"WindowAnswersYes", kAllBoxes, swsNormal, sbsSizeable, "Something",
                                kAnsweredVisibility, 0, kUser, true},
                      TFormCase{"WindowAnswersNo", kAllBoxes, swsNormal, sbsSizeable, "Something",
                                kAnsweredVisibility + 1, 0, kUser, false},
                      TFormCase{"DialogFrame", TSkinFormIcons{sbiHelp, sbisystem}, swsNormal, sbsDialog,
                                "Something", 200, 0, kUser, true},
                      TFormCase{"SystemDialog", TSkinFormIcons{sbiHelp, sbisystem}, swsNormal, sbsDialog,
                                "#32770", 200, 0, kUser, false},
                      TFormCase{"HelpOnly", TSkinFormIcons{sbiHelp}, swsNormal, sbsSizeable, "Something", 0,
                                10, kUser, true},
                      TFormCase{"CloseWithoutSystemMenu", TSkinFormIcons{sbiMax, sbiMin}, swsNormal,
                                sbsSizeable, "Something", 0, 0, 0, false},
                      TFormCase{"MaximiseWithoutItsBox", TSkinFormIcons{sbiMin, sbisystem}, swsNormal,
                                sbsSizeable, "Something", 0, 0, 1, true, 0},
                      TFormCase{"MinimiseWithItsBox", TSkinFormIcons{sbiMin, sbisystem}, swsNormal,
                                sbsSizeable, "Something", 0, 0, 2, true, 1},
                      TFormCase{"NoIconOnADialog", TSkinFormIcons{sbiMin, sbisystem}, swsNormal, sbsDialog,
                                "Something", 0, 0, 3, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ButtonRules, EveryAlignment) {
  Add(20, 0, 0, 0, 30, 4);
  Add(21, 0, 0, 1, 40, 5);
  Add(24, 0, 0, 2, 6, 6);
  Add(25, 0, 0, 3, 7, 7);
  Add(26, 0, 0, 8, 6, 6);
  Add(27, 0, 0, 9, 7, 7);
  Add(28, 0, 0, 5, 70, 70);
  Rebuild();
  const auto& B = Form->FSysButtons;
  const int W = WindowSize(Wnd).cx;
  const RECT Text = Form->FTextRect;
  EXPECT_EQ(B[0]->FRect.left, 30);
  EXPECT_EQ(B[0]->FRect.top, 4);
  EXPECT_EQ(B[1]->FRect.left, W - 40);
  EXPECT_EQ(B[2]->FRect.left, Text.left - 16 - 6);
  EXPECT_EQ(B[3]->FRect.left, Text.right + 7);
  EXPECT_EQ(B[4]->FRect.left, Text.left - 16 - 6);
  EXPECT_EQ(B[5]->FRect.left, Text.right + 7);
  EXPECT_EQ(B[6]->FRect.left, 0);  // unknown alignment: top-left corner
  EXPECT_EQ(B[6]->FRect.top, 0);
  EXPECT_EQ(B[0]->FRect.right - B[0]->FRect.left, 16);
  EXPECT_EQ(B[0]->FRect.bottom - B[0]->FRect.top, 14);
}

TEST_F(ButtonRules, StripsOfFewerThanFourFramesNeverShowTheDisabledFrame) {
  Form->FBorderIcons = TSkinFormIcons{sbiMin, sbisystem};  // maximise disabled
  Add(2, 0, 0, 0, 30, 4, {kRed, kGreen, kBlue});
  Add(2, 0, 0, 0, 60, 4);
  Add(1, 0, 0, 0, 90, 4, {kRed, kGreen, kBlue});
  Add(1, 0, 0, 0, 120, 4);
  Rebuild();
  EXPECT_EQ(Shown(0), kRed);
  EXPECT_EQ(Shown(1), kRed);
  EXPECT_EQ(Shown(2), kRed);     // disabled, but only three frames
  EXPECT_EQ(Shown(3), kYellow);  // disabled

  Form->FActive = 0;
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  EXPECT_EQ(Shown(0), kRed);  // inactive, three frames
  EXPECT_EQ(Shown(1), kYellow);
  Form->FActive = 1;
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);

  // Hover and press of a three-frame strip; a disabled button keeps its frame and does nothing.
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Form->FSysButtons[0]->FRect));
  EXPECT_EQ(Shown(0), kBlue);
  SendNC(Wnd, WM_NCLBUTTONDOWN, Centre(Form->FSysButtons[0]->FRect));
  EXPECT_EQ(Shown(0), kGreen);
  Window->Clear();
  Click(Wnd, Centre(Form->FSysButtons[3]->FRect));
  Pump(50);
  EXPECT_EQ(Shown(3), kYellow);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_MAXIMIZE), 0);
  EXPECT_FALSE(IsZoomed(Wnd));
}

TEST_F(ButtonRules, NegativeActionIsShownButNeverHit) {
  Add(-1, 0, 0, 0, 30, 4);
  Rebuild();
  TWinSysButton* B = Form->FSysButtons[0].get();
  EXPECT_TRUE(B->FVisible);
  EXPECT_EQ(Shown(0), kRed);
  EXPECT_EQ(Form->FindBtn(Centre(B->FRect)), nullptr);
  // The mouse over it is the platform's business (a press there would start dragging the caption).
  Window->Clear();
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(B->FRect));
  EXPECT_EQ(Form->FHotObject, nullptr);
  EXPECT_EQ(Window->Count(WM_NCMOUSEMOVE, HTCAPTION), 1);
  EXPECT_EQ(Shown(0), kRed);
}

TEST_F(ButtonRules, HiddenButtonsAreNeverHit) {
  Add(0, 1, 0, 0, 30, 4);  // only while maximised
  Rebuild();
  EXPECT_FALSE(Form->FSysButtons[0]->FVisible);
  EXPECT_EQ(Form->FindBtn(POINT{38, 10}), nullptr);
}

TEST_F(ButtonRules, ApplicationDefinedActionsPostTheirCode) {
  Add(42, 0, 0, 0, 30, 4);
  Rebuild();
  Window->Clear();
  Click(Wnd, Centre(Form->FSysButtons[0]->FRect));
  Pump(30);
  EXPECT_EQ(Window->Count(WM_SKIN_SYSBTNCLICK, 42), 1);
  Add(4, 0, 0, 0, 60, 4);
  Rebuild();
  Click(Wnd, Centre(Form->FSysButtons[1]->FRect));
  Pump(30);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_CONTEXTHELP), 1);
}

TEST_F(ButtonRules, FreedButtonsLeaveNoHotObject) {
  Add(42, 0, 0, 0, 30, 4);
  Rebuild();
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Form->FSysButtons[0]->FRect));
  ASSERT_NE(Form->FHotObject, nullptr);
  Form->FreeSysButtons();
  EXPECT_EQ(Form->FHotObject, nullptr);
  Form->OnTimer(nullptr);  // nothing left to reach
}

}  // namespace
