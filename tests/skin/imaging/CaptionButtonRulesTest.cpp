// Which caption buttons a window shows and enables, and where they sit, from the record's codes and
// the window's state and styles.
#include <gtest/gtest.h>

#include <string>

#include "skin/imaging/CaptionButtonRules.h"

namespace {

using namespace skin;

// Windows the rows speak of.
enum TWindowKind {
  kSizeable,          // minimise, maximise and system menu; normal, active
  kSizeableMax,       // the same, maximised and inactive
  kHelpOnly,          // help box and system menu, maximised and inactive
  kMinOnly,           // minimise box alone, no system menu
  kHelpAndMin,        // help and minimise boxes, no system menu
  kMinMaxNoMenu,      // minimise and maximise boxes, no system menu
  kMinAndMenu,        // minimise box and system menu
  kDialog,            // a dialog frame of an application class, help and system menu
  kSystemDialog,      // the same, of a system dialog class
  kDialogMinAndMenu,  // a dialog frame with minimise box and system menu
  kMdiParent,         // an MDI parent whose maximised child's buttons are in the menu bar
};

TCaptionWindow WindowOf(TWindowKind Kind) {
  TCaptionWindow W;
  // Code 1500 is answered "shown", every other asked code "hidden".
  W.Ask = [](int Code, int) { return Code == 1500; };
  switch (Kind) {
    case kSizeable:
      W.MinBox = W.MaxBox = W.SystemMenu = W.Active = true;
      break;
    case kSizeableMax:
      W.MinBox = W.MaxBox = W.SystemMenu = W.Maximised = true;
      break;
    case kHelpOnly:
      W.HelpBox = W.SystemMenu = W.Maximised = true;
      break;
    case kMinOnly:
      W.MinBox = true;
      break;
    case kHelpAndMin:
      W.HelpBox = W.MinBox = true;
      break;
    case kMinMaxNoMenu:
      W.MinBox = W.MaxBox = true;
      break;
    case kMinAndMenu:
      W.MinBox = W.SystemMenu = true;
      break;
    case kDialog:
      W.HelpBox = W.SystemMenu = W.Maximised = W.DialogBorder = true;
      break;
    case kSystemDialog:
      W.HelpBox = W.SystemMenu = W.Maximised = W.DialogBorder = W.SystemDialogClass = true;
      break;
    case kDialogMinAndMenu:
      W.MinBox = W.SystemMenu = W.DialogBorder = true;
      break;
    case kMdiParent:
      W.MinBox = W.MaxBox = W.SystemMenu = W.MenuBarButtons = true;
      break;
  }
  return W;
}

struct TShowCase {
  TWindowKind Window;
  int Visibility, Visibility1, Action;
  bool Visible;
  bool Enabled = true;
};

class CaptionButtonShown : public ::testing::TestWithParam<TShowCase> {};

TEST_P(CaptionButtonShown, ByBothCodesAndTheAction) {
  const TShowCase& C = GetParam();
  const TCaptionButtonState State =
      CaptionButtonState(WindowOf(C.Window), C.Action, C.Visibility, C.Visibility1);
  EXPECT_EQ(State.Visible, C.Visible);
  EXPECT_EQ(State.Enabled, C.Enabled);
}

constexpr int kUser = 5;  // an application-defined action

INSTANTIATE_TEST_SUITE_P(
    FirstCode, CaptionButtonShown,
    ::testing::Values(TShowCase{kSizeable, 0, 0, kUser, true}, TShowCase{kSizeable, 1, 0, kUser, false},
                      TShowCase{kSizeable, 2, 0, kUser, true}, TShowCase{kSizeable, 3, 0, kUser, true},
                      TShowCase{kSizeable, 4, 0, kUser, false}, TShowCase{kSizeable, 6, 0, kUser, true},
                      TShowCase{kSizeable, 8, 0, kUser, true}, TShowCase{kSizeable, 7, 0, kUser, false},
                      TShowCase{kSizeable, 9, 0, kUser, false}, TShowCase{kSizeable, 10, 0, kUser, false},
                      TShowCase{kSizeable, 100, 0, kUser, false},  // no maximised MDI child
                      TShowCase{kSizeable, 200, 0, kUser, false},  // not dialog-bordered
                      TShowCase{kSizeable, 201, 0, kUser, true}, TShowCase{kSizeable, 999, 0, kUser, true},
                      TShowCase{kSizeable, 1500, 0, kUser, true},   // the window answers yes
                      TShowCase{kSizeable, 1501, 0, kUser, false},  // and no
                      TShowCase{kSizeable, 5, 0, kUser, false}, TShowCase{kSizeable, -1, 0, kUser, false},
                      TShowCase{kSizeable, 2001, 0, kUser, false}, TShowCase{kSizeableMax, 1, 0, kUser, true},
                      TShowCase{kSizeableMax, 2, 0, kUser, false},
                      TShowCase{kSizeableMax, 3, 0, kUser, false}, TShowCase{kSizeableMax, 4, 0, kUser, true},
                      TShowCase{kHelpOnly, 7, 0, kUser, true}, TShowCase{kHelpOnly, 9, 0, kUser, true},
                      TShowCase{kHelpOnly, 10, 0, kUser, true}, TShowCase{kHelpOnly, 6, 0, kUser, false},
                      TShowCase{kDialog, 200, 0, kUser, true},
                      TShowCase{kSystemDialog, 200, 0, kUser, false},  // system dialogs are not meant
                      TShowCase{kMdiParent, 100, 0, kUser, true},
                      TShowCase{kMdiParent, 100, 100, kUser, true}));

INSTANTIATE_TEST_SUITE_P(
    SecondCodeIsLooserForTheBorderIcons, CaptionButtonShown,
    ::testing::Values(TShowCase{kMinOnly, 6, 0, kUser, false},  // the first test wants the system menu
                      TShowCase{kMinOnly, 0, 6, kUser, true}, TShowCase{kMinOnly, 0, 8, kUser, true},
                      TShowCase{kMinOnly, 0, 10, kUser, false},
                      TShowCase{kHelpAndMin, 0, 10, kUser, true},  // help is enough here
                      TShowCase{kHelpAndMin, 0, 1, kUser, false}, TShowCase{kHelpAndMin, 0, 2, kUser, true},
                      TShowCase{kHelpAndMin, 0, 5, kUser, false}, TShowCase{kHelpAndMin, 0, -1, kUser, false},
                      TShowCase{kHelpAndMin, 0, 100, kUser, true},  // repeats the first test
                      TShowCase{kHelpAndMin, 100, 100, kUser, false},
                      TShowCase{kHelpAndMin, 201, 201, kUser, true},
                      TShowCase{kSizeable, 0, 1500, kUser, true}, TShowCase{kSizeable, 0, 1501, kUser, false},
                      TShowCase{kSizeable, 0, 2001, kUser, false}));

INSTANTIATE_TEST_SUITE_P(
    ByAction, CaptionButtonShown,
    ::testing::Values(TShowCase{kMinMaxNoMenu, 0, 0, action::kClose, false},  // close wants the system menu
                      TShowCase{kMinAndMenu, 0, 0, action::kClose, true},
                      TShowCase{kMinAndMenu, 0, 0, action::kMaximise, true,
                                false},  // no box: shown, disabled
                      TShowCase{kMinAndMenu, 0, 0, action::kMinimise, true, true},
                      TShowCase{kMinOnly, 0, 0, action::kMinimise, true, false},  // no system menu
                      TShowCase{kSizeable, 0, 0, action::kMaximise, true, true},
                      TShowCase{kDialogMinAndMenu, 0, 0, action::kSystemMenu, false},  // dialogs show no icon
                      TShowCase{kDialogMinAndMenu, 0, 0, action::kSystemMenuToo, false},
                      TShowCase{kDialogMinAndMenu, 0, 0, action::kSystemMenuAlso, false},
                      TShowCase{kMinAndMenu, 0, 0, action::kSystemMenuAlso, true}));

TEST(CaptionButtonShown, AnAskingCodeWithoutAWindowToAskIsHidden) {
  TCaptionWindow Window;
  EXPECT_FALSE(CaptionButtonState(Window, kUser, 1500, 0).Visible);
}

struct TPlaceCase {
  const char* Name;
  int Align, XCoord, YCoord;
  TCaptionPoint Expected;
};

class CaptionButtonPlace : public ::testing::TestWithParam<TPlaceCase> {};

// A 16 x 14 button on a 400-pixel window whose title text spans 100..250, below a 30-pixel caption a
// 20-pixel menu bar, a right border of 4 and a menu bar element with a left margin of 3.
TEST_P(CaptionButtonPlace, ByItsAlignment) {
  TCaptionLayout Layout;
  Layout.WindowWidth = 400;
  Layout.TitleTextLeft = 100;
  Layout.TitleTextRight = 250;
  Layout.RightBorder = 4;
  Layout.TitleHeight = 30;
  Layout.MenuHeight = 20;
  Layout.MenuBarLeftMargin = 3;
  const TPlaceCase& C = GetParam();
  EXPECT_EQ(CaptionButtonOrigin(C.Align, C.XCoord, C.YCoord, 16, 14, Layout), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CaptionButtonPlace,
                         ::testing::Values(TPlaceCase{"Left", align::kLeft, 30, 4, {30, 4}},
                                           TPlaceCase{"Right", align::kRight, 40, 5, {360, 5}},
                                           TPlaceCase{"BeforeTitle", align::kBeforeTitle, 6, 6, {78, 6}},
                                           TPlaceCase{"AfterTitle", align::kAfterTitle, 7, 7, {257, 7}},
                                           TPlaceCase{
                                               "BeforeTitleToo", align::kBeforeTitleToo, 6, 6, {78, 6}},
                                           TPlaceCase{"AfterTitleToo", align::kAfterTitleToo, 7, 7, {257, 7}},
                                           TPlaceCase{"MenuBar", align::kMenuBar, 50, 99, {343, 33}},
                                           TPlaceCase{"UnknownAtTheCorner", 5, 70, 70, {0, 0}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
