// The default skin's caption buttons on a real window: where they sit, which frame they show as the
// mouse hovers and presses, and what a click does.
#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ExtCtrls.h"
#include "tests/skin/data/TestSkins.h"
#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

namespace {

class CaptionButtons : public TSkinnedWindowTest {
 protected:
  void SetUp() override {
    TSkinnedWindowTest::SetUp();
    Open();
    Close = ButtonOf(*Form, 0);
    Max = ButtonOf(*Form, 1, 2);
    Restore = ButtonOf(*Form, 1, 1);
    Min = ButtonOf(*Form, 2);
    ASSERT_TRUE(Close && Max && Restore && Min);
  }
  void Repaint() { SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0); }
  // The button shows frame Frame: every opaque pixel of that frame is on the window.
  void ExpectFrame(TWinSysButton* B, int Frame) {
    EXPECT_EQ(FrameMismatches(Wnd, *B, Frame), 0) << "frame " << Frame;
  }

  TWinSysButton *Close = nullptr, *Max = nullptr, *Restore = nullptr, *Min = nullptr;
};

TEST_F(CaptionButtons, SitAtTheirAlignPlacesAndShowTheNormalFrame) {
  const SIZE Size = WindowSize(Wnd);
  // Align 1 counts Xcoord from the window's right edge.
  EXPECT_EQ(Close->FRect.left, Size.cx - 33);
  EXPECT_EQ(Max->FRect.left, Size.cx - 61);
  EXPECT_EQ(Min->FRect.left, Size.cx - 89);
  EXPECT_EQ(Close->FRect.top, 5);
  EXPECT_EQ(Close->FRect.right - Close->FRect.left, Close->FData->Bitmap->Width() / 4);
  EXPECT_EQ(Close->FRect.bottom - Close->FRect.top, Close->FData->Bitmap->Height());
  EXPECT_TRUE(Close->FVisible && Max->FVisible && Min->FVisible);
  EXPECT_FALSE(Restore->FVisible);  // only while maximised
  TWinSysButton* Help = ButtonOf(*Form, 4);
  ASSERT_NE(Help, nullptr);
  EXPECT_FALSE(Help->FVisible);  // the window has minimise and maximise boxes
  // The icon button (Align 0) at its own coordinates, the small-icon size.
  TWinSysButton* Icon = ButtonOf(*Form, 3);
  ASSERT_NE(Icon, nullptr);
  EXPECT_EQ(Icon->FRect.left, 8);
  EXPECT_EQ(Icon->FRect.top, 7);
  EXPECT_EQ(Icon->FRect.right - Icon->FRect.left, GetSystemMetrics(SM_CXSMICON));
  // The MDI buttons only live in an MDI parent's menu bar.
  EXPECT_EQ(ButtonOf(*Form, 9, 100)->FVisible, 0);

  Repaint();
  ExpectFrame(Close, 1);
  ExpectFrame(Max, 1);
  ExpectFrame(Min, 1);
  EXPECT_GT(FrameMismatches(Wnd, *Close, 3), 0);  // the frames tell apart
  EXPECT_GT(FrameMismatches(Wnd, *Close, 2), 0);
}

TEST_F(CaptionButtons, HoverAndPressShowTheirFramesAndCloseAsksToClose) {
  const POINT At = Centre(Close->FRect);
  EXPECT_EQ(SendNC(Wnd, WM_NCMOUSEMOVE, At), 0);
  EXPECT_EQ(Form->FHotObject, Close);
  EXPECT_EQ(Close->FState, 3);
  ExpectFrame(Close, 3);

  Window->Clear();
  SendNC(Wnd, WM_NCLBUTTONDOWN, At);
  EXPECT_EQ(Close->FState, 2);
  ExpectFrame(Close, 2);
  SendNC(Wnd, WM_NCLBUTTONUP, At);
  Pump(30);
  // The press and release never reach the window's own procedure (nor the platform); the close
  // request does, once.
  EXPECT_TRUE(SequenceIs(Window->FSeen, {{WM_SYSCOMMAND, TMessageRow::kWParam, SC_CLOSE}},
                         {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}));
  ExpectFrame(Close, 3);

  // Moving onto another button lets go of the first one.
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Min->FRect));
  EXPECT_EQ(Form->FHotObject, Min);
  EXPECT_EQ(Close->FState, 1);
  ExpectFrame(Close, 1);
  ExpectFrame(Min, 3);
  // And off every button: nothing is hot.
  SendNC(Wnd, WM_NCMOUSEMOVE, POINT{WindowSize(Wnd).cx / 2, 12});
  EXPECT_EQ(Form->FHotObject, nullptr);
  ExpectFrame(Min, 1);
}

TEST_F(CaptionButtons, ReleaseWithoutPressDoesNothing) {
  SendNC(Wnd, WM_NCLBUTTONUP, Centre(Close->FRect));
  Pump(30);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_CLOSE), 0);
}

TEST_F(CaptionButtons, MaximiseAndRestoreSwapTheTwoActionOneButtons) {
  Click(Wnd, Centre(Max->FRect));
  Pump(100);
  ASSERT_TRUE(IsZoomed(Wnd));
  EXPECT_EQ(Form->FWindowState, swsMax);
  Repaint();
  EXPECT_FALSE(Max->FVisible);
  EXPECT_TRUE(Restore->FVisible);
  EXPECT_EQ(Restore->FRect.left, WindowSize(Wnd).cx - 61);
  ExpectFrame(Restore, 1);

  Click(Wnd, Centre(Restore->FRect));
  Pump(100);
  EXPECT_FALSE(IsZoomed(Wnd));
  EXPECT_EQ(Form->FWindowState, swsNormal);
  Repaint();
  EXPECT_TRUE(Max->FVisible);
  EXPECT_FALSE(Restore->FVisible);
  ExpectFrame(Max, 1);
}

TEST_F(CaptionButtons, MinimiseButtonMinimises) {
  Click(Wnd, Centre(Min->FRect));
  Pump(100);
  EXPECT_TRUE(IsIconic(Wnd));
  EXPECT_EQ(Form->FWindowState, swsMin);
  SendMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump(50);
  EXPECT_FALSE(IsIconic(Wnd));
  EXPECT_EQ(Form->FWindowState, swsNormal);
}

TEST_F(CaptionButtons, InactiveWindowShowsTheDisabledFrameOfFourFrameStrips) {
  Form->FActive = 0;
  Repaint();
  ExpectFrame(Close, 4);
  Form->FActive = 1;
  Repaint();
  ExpectFrame(Close, 1);
}

TEST_F(CaptionButtons, HoverTimerLetsGoOfALeftButtonAndShowsItsHint) {
  RECT Window{};
  GetWindowRect(Wnd, &Window);
  const POINT OnClose = Centre(Close->FRect);
  SetCursorPos(Window.left + OnClose.x, Window.top + OnClose.y);
  POINT Cursor{};
  GetCursorPos(&Cursor);
  if (Cursor.x != Window.left + OnClose.x || Cursor.y != Window.top + OnClose.y)
    GTEST_SKIP() << "the cursor cannot be placed on this display";

  SendNC(Wnd, WM_NCMOUSEMOVE, OnClose);
  ASSERT_EQ(Form->FHotObject, Close);
  Form->FTimer->SetInterval(250);
  // The hint waits twice the hint pause, counted in timer intervals.
  const int Pause = 2 * (Application ? Application->HintPause : 500);
  const int Ticks = (Pause + 249) / 250;
  for (int I = 0; I < Ticks - 1; ++I) Form->OnTimer(nullptr);
  EXPECT_FALSE(Data.IsHint());
  Form->OnTimer(nullptr);
  EXPECT_TRUE(Data.IsHint());
  ASSERT_NE(Data.FHintWindow, nullptr);
  RECT Hint{};
  GetWindowRect(Data.FHintWindow->Handle(), &Hint);
  EXPECT_EQ(Hint.left, Window.left + Close->FRect.left);
  EXPECT_EQ(Hint.top, Cursor.y + 24);
  EXPECT_EQ(Form->FHotObject, Close);

  // While a menu of the bar is tracked the timer stays out of the way.
  SetCursorPos(Window.left + 40, Window.bottom - 40);
  Form->FMenuLoop = true;
  Form->OnTimer(nullptr);
  EXPECT_EQ(Form->FHotObject, Close);
  Form->FMenuLoop = false;
  // The cursor left the button: it goes back to normal and the hint goes away.
  Form->OnTimer(nullptr);
  EXPECT_EQ(Form->FHotObject, nullptr);
  EXPECT_EQ(Close->FState, 1);
  EXPECT_FALSE(Data.IsHint());
  EXPECT_EQ(Data.FHintCounter, 0);
  ExpectFrame(Close, 1);
}

}  // namespace

namespace {

TEST_F(CaptionButtons, RepeatedUseReleasesEveryGdiObject) {
  auto Cycle = [&] {
    SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Min->FRect));
    SendNC(Wnd, WM_NCLBUTTONDOWN, Centre(Close->FRect));
    SendNC(Wnd, WM_NCLBUTTONUP, Centre(Close->FRect));
    SendNC(Wnd, WM_NCMOUSEMOVE, POINT{WindowSize(Wnd).cx / 2, 12});
    Form->FActive = 0;
    Repaint();
    Form->FActive = 1;
    Repaint();
    Form->GetIcon();
    Form->CreateSysmenu2();
    Form->FreeSysPopup();
    Form->ResizeForm(1);
    Pump(10);
  };
  Cycle();
  const DWORD Before = testsupport::GdiObjects();
  for (int I = 0; I < 20; ++I) Cycle();
  EXPECT_LE(testsupport::GdiObjects(), Before);
}

}  // namespace

namespace {

// Every pixel of a window rectangle, row by row.
std::vector<COLORREF> Pixels(HWND Wnd, const RECT& R) {
  std::vector<COLORREF> Out;
  HDC DC = GetWindowDC(Wnd);
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X) Out.push_back(GetPixel(DC, X, Y));
  ReleaseDC(Wnd, DC);
  return Out;
}

// Hover and leave, press and leave: every caption button of both shipped skins looks afterwards
// exactly as before, transparent pixels included (the hot frame must not show through the normal one).
class CaptionButtonLeave : public ::testing::TestWithParam<const char*> {};

TEST_P(CaptionButtonLeave, LeavesTheButtonAsItWas) {
  TSkinData Data{nullptr};
  PackSkinFolder(*Data.FSkinStream, String(PROJECT_SOURCE_DIR "/skins/") + GetParam());
  ASSERT_TRUE(Data.LoadSkin());
  TKeptWindow Window;
  HWND Wnd = Window.Handle();
  auto Form = Attach(Wnd, Data, TAttach::Driven);
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  const POINT Away{WindowSize(Wnd).cx / 2, 12};
  int Checked = 0;
  for (auto& Button : Form->FSysButtons) {
    if (!Button->FVisible || Button->Empty() || Button->FData->Visibility == 100) continue;
    const std::vector<COLORREF> Before = Pixels(Wnd, Button->FRect);
    for (UINT Step : {WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN}) {
      SendNC(Wnd, Step, Centre(Button->FRect));
      if (Step == WM_NCLBUTTONDOWN) ReleaseCapture();
      ASSERT_EQ(Form->FHotObject, Button.get());
      // Leaving by the pointer moving over the caption, or by the hover timer.
      if (Step == WM_NCMOUSEMOVE)
        SendNC(Wnd, WM_NCMOUSEMOVE, Away);
      else
        Form->FHotObject->MouseLeave();
      EXPECT_EQ(Pixels(Wnd, Button->FRect), Before) << GetParam() << " action " << Button->Action();
    }
    ++Checked;
  }
  EXPECT_GE(Checked, 3);
  DestroyWindow(Wnd);
  Pump(10);
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, CaptionButtonLeave, ::testing::Values("default", "dark"));

// An icon button at the right end of the caption limits the title like any other button there, also
// without a bitmap of its own (it shows the window's icon at the small-icon size).
TEST_F(CaptionButtons, TitleStopsBeforeARightAlignedIconButton) {
  TWinSysButton* Icon = ButtonOf(*Form, 3);
  ASSERT_NE(Icon, nullptr);
  Icon->FData->Bitmap->SetSize(0, 0);
  Icon->FData->Align = 1;
  Icon->FData->XCoord = 140;
  SetWindowLongPtrW(Wnd, GWL_STYLE, GetWindowLongPtrW(Wnd, GWL_STYLE) | WS_POPUP);
  SetWindowTextW(Wnd, L"A caption long enough to run under every button at the right end of this window");
  Form->FStyle |= WS_POPUP;
  Repaint();
  ASSERT_TRUE(Icon->FVisible);
  EXPECT_EQ(Icon->FRect.left, WindowSize(Wnd).cx - 140);
  EXPECT_LE(Form->FTextRect.right, Icon->FRect.left);
}

}  // namespace
