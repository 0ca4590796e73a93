// Opening the bar's drop-downs: what CheckMenu does around the modal tracking (command posted, items
// made owner-drawn, hook and loop state, pressed button), how the loop's messages move along the bar,
// that the hook never outlives the loop (exceptions and a second window included), and the platform's
// own loop driven by queued keys.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/skin/form/menubar/MenuBarTestUtil.h"

using namespace bartest;
using namespace testsupport;

namespace {

class MenuLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDefaultSkin(Data);
    ASSERT_FALSE(Data.FNoSkin);
  }
  void TearDown() override { EXPECT_EQ(MenuLoop.Hook, nullptr) << "no hook outlives a test"; }
  TSkinData Data{nullptr};
};

struct TOpenCase {
  const char16_t* Caption;
  UINT Command;
  bool Tracked;
  bool Result;
};

class CheckMenuOpen : public MenuLoopTest, public ::testing::WithParamInterface<TOpenCase> {};

TEST_P(CheckMenuOpen, PostsTheCommandAndTracksOnlyAnEnabledDropDown) {
  const TOpenCase& C = GetParam();
  TBarWindow W(Data);
  TMenuBtn* B = W.Button(C.Caption);
  ASSERT_NE(B, nullptr);
  TFakeTracking Fake;
  bool Checked = false;
  Fake.During = [&](int) {
    Checked = true;
    EXPECT_NE(MenuLoop.Hook, nullptr);
    EXPECT_EQ(MenuLoop.Form, W.Form.get());
    EXPECT_EQ(MenuLoop.OpenIndex, B->FIndex);
    EXPECT_EQ(MenuLoop.ActivePopup, B->FSubMenu);
    EXPECT_TRUE(W.Form->FMenuLoop);
    EXPECT_EQ(FormSkinShared.MenuSource, 1);
    EXPECT_TRUE(FormSkinShared.MenuFromBar);
    EXPECT_TRUE(AllOwnerDrawn(B->FSubMenu)) << "nested sub-menus included";
    EXPECT_EQ(W.Form->FHotObject, B);
    EXPECT_EQ(B->FState, kNCPressed);
  };
  EXPECT_EQ(W.Form->CheckMenu(B), C.Result);
  EXPECT_EQ(Checked, C.Tracked);
  EXPECT_EQ(Fake.Menus.size(), C.Tracked ? 1u : 0u);
  EXPECT_FALSE(W.Form->FMenuLoop);
  EXPECT_EQ(MenuLoop.Form, nullptr);
  EXPECT_EQ(MenuLoop.OpenIndex, -1);
  Pump(20);
  EXPECT_EQ(W.Window->Count(WM_COMMAND, C.Command), 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CheckMenuOpen,
                         ::testing::Values(TOpenCase{u"&File", kFile, true, true},
                                           TOpenCase{u"&Locked", kLocked, false, true},
                                           TOpenCase{u"&Plain", kPlain, false, false}));

TEST_F(MenuLoopTest, TheButtonLetsGoWhenTheMenuClosesAwayFromIt) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  SetCursorPos(5, 1000);  // far from the window
  TMenuBtn* File = W.Button(u"&File");
  EXPECT_TRUE(W.Form->CheckMenu(File));
  EXPECT_EQ(W.Form->FHotObject, nullptr);
  EXPECT_EQ(File->FState, kNCNormal);
}

TEST_F(MenuLoopTest, HookAndLoopStateGoWhenTheTrackingThrows) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  Fake.During = [](int) { throw std::runtime_error("tracking failed"); };
  EXPECT_THROW(W.Form->CheckMenu(W.Button(u"&File")), std::runtime_error);
  EXPECT_EQ(MenuLoop.Hook, nullptr);
  EXPECT_EQ(MenuLoop.Form, nullptr);
  EXPECT_FALSE(W.Form->FMenuLoop);
  // The next menu opens as usual.
  Fake.During = nullptr;
  EXPECT_TRUE(W.Form->CheckMenu(W.Button(u"&Edit")));
  EXPECT_EQ(Fake.Menus.size(), 2u);
}

TEST_F(MenuLoopTest, ASecondWindowsBarCannotOpenOrUnhookWhileOneMenuIsTracked) {
  TBarWindow First(Data);
  TBarWindow Second(Data, false, RECT{600, 40, 1000, 300});
  TFakeTracking Fake;
  HHOOK During = nullptr;
  Fake.During = [&](int Call) {
    if (Call != 1) return;
    During = MenuLoop.Hook;
    EXPECT_FALSE(Second.Form->CheckMenu(Second.Button(u"&Edit")));
    EXPECT_FALSE(Second.Form->FMenuLoop);
    EXPECT_EQ(MenuLoop.Hook, During) << "the running loop keeps its hook";
    EXPECT_EQ(MenuLoop.Form, First.Form.get());
  };
  EXPECT_TRUE(First.Form->CheckMenu(First.Button(u"&File")));
  EXPECT_NE(During, nullptr);
  EXPECT_EQ(Fake.Menus.size(), 1u);
  EXPECT_EQ(MenuLoop.Hook, nullptr);
  // Once the first loop is over the second window opens its own.
  EXPECT_TRUE(Second.Form->CheckMenu(Second.Button(u"&Edit")));
  EXPECT_EQ(Fake.Menus.back(), Second.Menus.Edit);
}

TEST_F(MenuLoopTest, AWindowDestroyedWhileItsMenuIsOpenEndsTheLoopCleanly) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  Fake.During = [&](int) { DestroyWindow(W.Wnd()); };
  W.Form->CheckMenu(W.Button(u"&File"));
  EXPECT_EQ(MenuLoop.Form, nullptr);
  EXPECT_EQ(W.Form->FSkinMenu, nullptr);
}

// What one message of the platform's loop does while File is open, given the last highlighted item.
struct TKeyCase {
  const char* Name;
  const char16_t* Open;
  int Last;  // 0 none, 1 an item of the open drop-down, 2 an item of a nested sub-menu
  UINT LastFlags;
  UINT Message;
  WPARAM Key;
  const char16_t* Target;  // the button the loop moves to, empty when it stays
};

class MenuLoopKeys : public MenuLoopTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(MenuLoopKeys, MoveAlongTheBarOnlyFromTheTopDropDown) {
  const TKeyCase& C = GetParam();
  TBarWindow W(Data);
  TFakeTracking Fake;
  std::u16string Target = u"not run";
  Fake.During = [&](int Call) {
    if (Call != 1) return;
    MenuLoop.FirstKeySent = true;
    if (C.Last == 1) MenuLoop.LastMenu = MenuLoop.ActivePopup;
    if (C.Last == 2) MenuLoop.LastMenu = W.Menus.Recent;
    MenuLoop.LastFlags = C.LastFlags;
    MSG Msg{W.Wnd(), C.Message, C.Key, 0, 0, {0, 0}};
    W.Form->MenuLoopMessage(Msg);
    Target = TakePostedClickTarget(W);
    EXPECT_EQ(MenuLoop.Switching, !Target.empty());
  };
  W.Form->CheckMenu(W.Button(C.Open));
  EXPECT_EQ(Target, std::u16string(C.Target));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuLoopKeys,
    ::testing::Values(
        TKeyCase{"RightWithoutItem", u"&File", 0, 0, WM_KEYDOWN, VK_RIGHT, u"&Edit"},
        TKeyCase{"LeftFromTheFirstWraps", u"&File", 0, 0, WM_KEYDOWN, VK_LEFT, u"&Help"},
        TKeyCase{"RightFromTheLastWraps", u"&Help", 1, 0, WM_KEYDOWN, VK_RIGHT, u"&File"},
        TKeyCase{"RightPassesTheButtonWithoutCaption", u"&Edit", 1, 0, WM_KEYDOWN, VK_RIGHT, u"&Locked"},
        TKeyCase{"RightOnASubMenuItemOpensIt", u"&File", 1, MF_POPUP, WM_KEYDOWN, VK_RIGHT, u""},
        TKeyCase{"LeftInTheTopDropDown", u"&Edit", 1, 0, WM_KEYDOWN, VK_LEFT, u"&File"},
        TKeyCase{"LeftInANestedSubMenuOnlyClosesIt", u"&File", 2, 0, WM_KEYDOWN, VK_LEFT, u""},
        TKeyCase{"RightInANestedSubMenu", u"&File", 2, 0, WM_KEYDOWN, VK_RIGHT, u"&Edit"},
        TKeyCase{"OtherKeysStay", u"&File", 1, 0, WM_KEYDOWN, VK_DOWN, u""},
        TKeyCase{"AltEndsTheLoop", u"&File", 1, 0, WM_SYSKEYDOWN, VK_MENU, u""}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(MenuLoopTest, TheMouseOverAnotherButtonSwitchesOnlyWhenItMoved) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  std::u16string First, Again, Other;
  Fake.During = [&](int Call) {
    if (Call != 1) return;
    MenuLoop.FirstKeySent = true;
    RECT Window{};
    GetWindowRect(W.Wnd(), &Window);
    const POINT Edit = Centre(W.Button(u"&Edit")->FRect);
    MSG Move{W.Wnd(), WM_MOUSEMOVE, 0, 0, 0, {Window.left + Edit.x, Window.top + Edit.y}};
    W.Form->MenuLoopMessage(Move);
    First = TakePostedClickTarget(W);
    W.Form->MenuLoopMessage(Move);  // the same place again
    Again = TakePostedClickTarget(W);
    const POINT File = Centre(W.Button(u"&File")->FRect);
    MSG Home{W.Wnd(), WM_MOUSEMOVE, 0, 0, 0, {Window.left + File.x, Window.top + File.y}};
    W.Form->MenuLoopMessage(Home);  // the open button itself
    Other = TakePostedClickTarget(W);
  };
  W.Form->CheckMenu(W.Button(u"&File"));
  EXPECT_EQ(First, u"&Edit");
  EXPECT_EQ(Again, u"");
  EXPECT_EQ(Other, u"");
}

TEST_F(MenuLoopTest, TheClickOnAnotherButtonInsideTheLoopClosesOneMenuAndOpensTheOther) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  Fake.During = [&](int Call) {
    if (Call != 1) return;
    MenuLoop.FirstKeySent = true;
    MSG Right{W.Wnd(), WM_KEYDOWN, VK_RIGHT, 0, 0, {0, 0}};
    W.Form->MenuLoopMessage(Right);
    Pump(20);  // the platform's loop handles the posted click
    // The menu that was open reports that it closed: no cancel while switching.
    W.Form->MenuLoopSelect(MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(MenuLoop.PendingIndex, W.Button(u"&Edit")->FIndex);
  };
  EXPECT_TRUE(W.Form->CheckMenu(W.Button(u"&File")));
  ASSERT_EQ(Fake.Menus.size(), 2u);
  EXPECT_EQ(Fake.Menus[0], W.Menus.File);
  EXPECT_EQ(Fake.Menus[1], W.Menus.Edit);
  Pump(20);
  EXPECT_EQ(W.Window->Count(WM_COMMAND, kEdit), 1);
}

TEST_F(MenuLoopTest, AMenuClosingWithoutSwitchCancelsThePendingButton) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  Fake.During = [&](int Call) {
    if (Call != 1) return;
    MenuLoop.PendingIndex = W.Button(u"&Edit")->FIndex;
    W.Form->MenuLoopSelect(MAKEWPARAM(0, 0xFFFF), 0);
  };
  W.Form->CheckMenu(W.Button(u"&File"));
  EXPECT_EQ(Fake.Menus.size(), 1u);
}

// The platform's own loop, with the keys queued before it starts (the hook queues one Down of its own
// behind the first): Right moves to the neighbour, the previous one on a right-to-left bar; Left in a
// nested sub-menu closes only that, a second Left moves on. Escape ends the second menu.
struct TRealCase {
  const char* Name;
  bool RightToLeft;
  std::vector<WPARAM> Keys;
  int Second;  // 1 Edit, 5 Help
};

class MenuLoopReal : public MenuLoopTest, public ::testing::WithParamInterface<TRealCase> {};

std::vector<HMENU> RealMenus;
std::vector<WPARAM> RealKeys;
HWND RealWindow = nullptr;
BOOL WINAPI RecordAndTrack(HMENU Menu, UINT Flags, int X, int Y, int Reserved, HWND Owner, const RECT* Rect) {
  RealMenus.push_back(Menu);
  if (RealMenus.size() == 1) {
    for (WPARAM Key : RealKeys) PostMessageW(RealWindow, WM_KEYDOWN, Key, 0);
  } else {
    PostMessageW(RealWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  return TrackPopupMenu(Menu, Flags, X, Y, Reserved, Owner, Rect);
}

TEST_P(MenuLoopReal, KeysMoveAlongTheBar) {
  TBarWindow W(Data, GetParam().RightToLeft);
  RealMenus.clear();
  RealKeys = GetParam().Keys;
  RealWindow = W.Wnd();
  const auto Saved = MenuLoop.Track;
  MenuLoop.Track = &RecordAndTrack;
  SetForegroundWindow(W.Wnd());
  W.Form->CheckMenu(W.Button(u"&File"));
  MenuLoop.Track = Saved;
  ASSERT_EQ(RealMenus.size(), 2u);
  EXPECT_EQ(RealMenus[1], GetParam().Second == 5 ? W.Menus.Help : W.Menus.Edit);
}

INSTANTIATE_TEST_SUITE_P(Sequences, MenuLoopReal,
                         ::testing::Values(TRealCase{"Right", false, {VK_DOWN, VK_RIGHT}, 1},
                                           TRealCase{"RightOnARightToLeftBar", true, {VK_DOWN, VK_RIGHT}, 5},
                                           TRealCase{"LeftClosesTheSubMenuThenMoves",
                                                     false,
                                                     {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_LEFT},
                                                     5}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(MenuLoopTest, KeyboardWaysIntoTheBar) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  // Alt with an accelerator, then Alt alone (the first button that can be hit).
  SendMessageW(W.Wnd(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  SendMessageW(W.Wnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  ASSERT_EQ(Fake.Menus.size(), 2u);
  EXPECT_EQ(Fake.Menus[0], W.Menus.Edit);
  EXPECT_EQ(Fake.Menus[1], W.Menus.File);
  EXPECT_EQ(W.Form->FindButtonFromAccel('H'), W.Button(u"&Help"));
  EXPECT_EQ(W.Form->FindButtonFromAccel('l'), nullptr) << "disabled";
  EXPECT_EQ(W.Form->FindButtonFromAccel('z'), nullptr);
  // The engine's request to open the button at a screen point.
  SendMessageW(W.Wnd(), WM_SKIN_MENUSELECT, 0, ScreenParam(W.Wnd(), Centre(W.Button(u"&Help")->FRect)));
  ASSERT_EQ(Fake.Menus.size(), 3u);
  EXPECT_EQ(Fake.Menus[2], W.Menus.Help);
}

}  // namespace
