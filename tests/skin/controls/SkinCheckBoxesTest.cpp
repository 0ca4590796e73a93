// Check boxes and radio buttons: the frame remaps of 4-, 8- and 12-frame strips, the marks read back
// from framework controls (painted whole) and bare windows (mark over the system's drawing), the
// left-text placement, and a bare check box that keeps the system's text.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/controls/CheckLists.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestControls.h"

using namespace ctltest;

// ---------------------------------------------------------------------------------------------------
// Remaps

struct TCheckRemap {
  int Frame;
  bool Disabled, Indeterminate;
  int Count, Expected;
};
class CheckRemaps : public ::testing::TestWithParam<TCheckRemap> {};
TEST_P(CheckRemaps, CheckBox) {
  const TCheckRemap C = GetParam();
  EXPECT_EQ(CheckBoxFrame(C.Frame, C.Disabled, C.Indeterminate, C.Count), C.Expected);
}
INSTANTIATE_TEST_SUITE_P(
    Table, CheckRemaps,
    ::testing::Values(TCheckRemap{1, false, false, 4, 1}, TCheckRemap{2, false, false, 4, 2},
                      TCheckRemap{1, true, false, 4, 3}, TCheckRemap{2, true, false, 4, 4},
                      TCheckRemap{1, false, true, 4, 4}, TCheckRemap{1, true, true, 4, 4},
                      TCheckRemap{1, false, false, 12, 1}, TCheckRemap{2, false, false, 12, 5},
                      TCheckRemap{1, true, false, 12, 4}, TCheckRemap{2, true, false, 12, 8},
                      TCheckRemap{1, false, true, 12, 9}, TCheckRemap{2, true, true, 12, 12},
                      TCheckRemap{4, false, false, 12, 8}, TCheckRemap{2, true, false, 8, 4}));

struct TRadioRemap {
  bool Checked, Disabled;
  int Count, Expected;
};
class RadioRemaps : public ::testing::TestWithParam<TRadioRemap> {};
TEST_P(RadioRemaps, RadioButton) {
  const TRadioRemap C = GetParam();
  EXPECT_EQ(RadioFrame(C.Checked, C.Disabled, C.Count), C.Expected);
}
INSTANTIATE_TEST_SUITE_P(Table, RadioRemaps,
                         ::testing::Values(TRadioRemap{false, false, 4, 1}, TRadioRemap{true, false, 4, 2},
                                           TRadioRemap{false, true, 4, 3}, TRadioRemap{true, true, 4, 4},
                                           TRadioRemap{false, false, 8, 1}, TRadioRemap{true, false, 8, 5},
                                           TRadioRemap{false, true, 8, 4}, TRadioRemap{true, true, 8, 8},
                                           TRadioRemap{true, false, 12, 2}));

TEST(CheckRemaps, CheckListItems) {
  struct TRow {
    int State, Count, Expected;
  };
  for (const TRow R :
       {TRow{0, 4, 1}, TRow{1, 4, 2}, TRow{2, 4, 4}, TRow{0, 12, 1}, TRow{1, 12, 5}, TRow{2, 12, 8}})
    EXPECT_EQ(CheckListFrame(R.State, R.Count), R.Expected) << R.State << "/" << R.Count;
}

// ---------------------------------------------------------------------------------------------------
// Marks on real windows

struct TMarkCase {
  const char* Name;
  bool Framework;
  bool Radio;
  int Strip;  // frames in the strip
  int State;  // 0 unchecked, 1 checked, 2 indeterminate
  bool Disabled;
  int Frame;
};

class CheckMarks : public ::testing::TestWithParam<TMarkCase> {};

TEST_P(CheckMarks, ShowTheRemappedFrame) {
  const TMarkCase C = GetParam();
  TCodedSkin Options;
  Options.CheckFrames = C.Radio ? 12 : C.Strip;
  Options.RadioFrames = C.Radio ? C.Strip : 8;
  TSkinnedForm Fixture(Options);
  HWND Wnd = nullptr;
  TSkinControl* Skin = nullptr;
  if (C.Framework) {
    auto* Check = new TTestCheck(Fixture.Form(), C.Radio);
    Check->SetParent(Fixture.Form());
    Check->SetBounds(20, 20, 120, 24);
    Check->SetCaption("Mark");
    Wnd = Check->Handle();
    Check->SetState(static_cast<TTestCheckState>(C.State));
    Check->SetEnabled(!C.Disabled);
    Skin = C.Radio ? static_cast<TSkinControl*>(new TSkinRadioButton(Check)) : new TSkinCheckBox(Check);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    EXPECT_EQ(Skin->FNoMouseDown, 1);  // painted whole
  } else {
    Wnd = CreateWindowExW(0, L"BUTTON", L"Mark",
                          WS_CHILD | WS_VISIBLE | (C.Radio ? BS_RADIOBUTTON : BS_3STATE), 20, 20, 120, 24,
                          Fixture.Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(Wnd, BM_SETCHECK, static_cast<WPARAM>(C.State), 0);
    EnableWindow(Wnd, !C.Disabled);
    Skin = C.Radio ? static_cast<TSkinControl*>(new TSkinRadioButton(&Fixture.Skin()))
                   : new TSkinCheckBox(&Fixture.Skin());
    Skin->Inithwnd(Wnd, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
    EXPECT_EQ(Skin->FNoMouseDown, 0);  // mark only
  }
  Pump();
  InvalidateRect(Wnd, nullptr, TRUE);
  UpdateWindow(Wnd);
  EXPECT_EQ(Pixel(Wnd, 6, 12), FrameColor(C.Radio ? kRadioStrip : kCheckStrip, C.Frame));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckMarks,
    ::testing::Values(TMarkCase{"Check4Unchecked", true, false, 4, 0, false, 1},
                      TMarkCase{"Check4DisabledChecked", true, false, 4, 1, true, 4},
                      TMarkCase{"Check4Indeterminate", true, false, 4, 2, false, 4},
                      TMarkCase{"Check12Checked", true, false, 12, 1, false, 5},
                      TMarkCase{"Check12DisabledChecked", true, false, 12, 1, true, 8},
                      TMarkCase{"Check12Indeterminate", true, false, 12, 2, false, 9},
                      TMarkCase{"Check12DisabledIndeterminate", true, false, 12, 2, true, 12},
                      TMarkCase{"Radio4Checked", true, true, 4, 1, false, 2},
                      TMarkCase{"Radio8Checked", true, true, 8, 1, false, 5},
                      TMarkCase{"Radio8DisabledChecked", true, true, 8, 1, true, 8},
                      TMarkCase{"Radio8Disabled", true, true, 8, 0, true, 4},
                      TMarkCase{"BareCheck12Checked", false, false, 12, 1, false, 5},
                      TMarkCase{"BareCheck12DisabledIndeterminate", false, false, 12, 2, true, 12},
                      TMarkCase{"BareCheck4Indeterminate", false, false, 4, 2, false, 4},
                      TMarkCase{"BareRadio8Checked", false, true, 8, 1, false, 5},
                      TMarkCase{"BareRadio4Disabled", false, true, 4, 0, true, 3}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(CheckMarks, LeftTextPutsTheRadioMarkOnePixelFurtherFromTheEdge) {
  TSkinnedForm Fixture;
  struct TRow {
    bool Radio;
    int MarkRight;  // last column of the mark
  };
  for (const TRow Row : {TRow{false, 119}, TRow{true, 118}}) {
    auto* Check = new TTestCheck(Fixture.Form(), Row.Radio, true);
    Check->SetParent(Fixture.Form());
    Check->SetBounds(20, 20, 120, 24);
    Check->SetCaption("Left text");
    TSkinControl* Skin =
        Row.Radio ? static_cast<TSkinControl*>(new TSkinRadioButton(Check)) : new TSkinCheckBox(Check);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    Pump();
    const COLORREF Mark = FrameColor(Row.Radio ? kRadioStrip : kCheckStrip, 1);
    EXPECT_EQ(Pixel(Check->Handle(), Row.MarkRight, 12), Mark) << Row.Radio;
    EXPECT_EQ(Pixel(Check->Handle(), Row.MarkRight - 12, 12), Mark) << Row.Radio;
    EXPECT_NE(Pixel(Check->Handle(), Row.MarkRight - 13, 12), Mark) << Row.Radio;
    if (Row.Radio) {
      EXPECT_NE(Pixel(Check->Handle(), 119, 12), Mark);
    }
    delete Check;
  }
}

TEST(CheckMarks, ABareCheckBoxKeepsTheSystemsText) {
  TSkinnedForm Fixture;
  auto Make = [&](int Y) {
    return CreateWindowExW(0, L"BUTTON", L"Keep text", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, Y, 140,
                           24, Fixture.Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  };
  HWND Native = Make(20);
  HWND Skinned = Make(60);
  auto* Skin = new TSkinCheckBox(&Fixture.Skin());
  Skin->Inithwnd(Skinned, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  SendMessageW(Skinned, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(Native, BM_SETCHECK, BST_CHECKED, 0);
  Pump();
  EXPECT_EQ(Pixel(Skinned, 6, 12), FrameColor(kCheckStrip, 5));
  int Ink = 0;
  for (int Y = 0; Y < 24; ++Y)
    for (int X = 18; X < 140; ++X) {
      const COLORREF A = Pixel(Native, X, Y);
      ASSERT_EQ(Pixel(Skinned, X, Y), A) << X << "," << Y;
      if (A != Pixel(Native, 139, 0)) ++Ink;
    }
  EXPECT_GT(Ink, 20);  // there is text, and it is the system's
}

// ---------------------------------------------------------------------------------------------------
// Check-list items

namespace {

// A pixel of a window, (X, Y) in its client coordinates.
COLORREF ClientPixel(HWND Wnd, int X, int Y) {
  POINT At{X, Y};
  ClientToScreen(Wnd, &At);
  RECT Window;
  GetWindowRect(Wnd, &Window);
  return Pixel(Wnd, At.x - Window.left, At.y - Window.top);
}

}  // namespace

struct TCheckListCase {
  int Strip;
  int Frames[4];  // unchecked, checked, grayed, checked but disabled
};

class CheckListItems : public ::testing::TestWithParam<TCheckListCase> {};

TEST_P(CheckListItems, MarksTextSelectionAndHeaders) {
  TCodedSkin Options;
  Options.CheckFrames = GetParam().Strip;
  TSkinnedForm Fixture(Options);
  auto* List = new TCheckListBox(Fixture.Form());
  List->SetParent(Fixture.Form());
  List->SetBounds(20, 20, 220, 130);
  List->SetItemHeight(20);
  for (const char* Line : {"Off", "On", "Grey", "Locked", "Header"}) List->Items()->Add(Line);
  List->SetState(1, ::cbChecked);
  List->SetState(2, ::cbGrayed);
  List->SetState(3, ::cbChecked);
  List->SetItemEnabled(3, false);
  List->SetHeader(4, true);
  List->SetHeaderBackgroundColor(clAqua);
  List->SetItemIndex(1);
  auto* Skin = new TSkinCheckList(List);
  Skin->InitScrollbar(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  RedrawWindow(List->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HWND Wnd = List->Handle();
  for (int I = 0; I < 4; ++I) {
    const RECT R = List->ItemRect(I);
    // The mark: 2 pixels from the left edge, centred vertically.
    EXPECT_EQ(ClientPixel(Wnd, R.left + 2 + 6, (R.top + R.bottom) / 2),
              FrameColor(kCheckStrip, GetParam().Frames[I]))
        << "line " << I;
    EXPECT_EQ(ClientPixel(Wnd, R.left + 1, (R.top + R.bottom) / 2), GetSysColor(COLOR_WINDOW))
        << "line " << I;
  }
  // The chosen line's text area in the highlight colour, the others in the list's.
  const RECT Chosen = List->ItemRect(1);
  EXPECT_EQ(ClientPixel(Wnd, Chosen.right - 3, Chosen.top + 1), GetSysColor(COLOR_HIGHLIGHT));
  const RECT Plain = List->ItemRect(0);
  EXPECT_EQ(ClientPixel(Wnd, Plain.right - 3, Plain.top + 1), GetSysColor(COLOR_WINDOW));
  // A disabled line writes its text in the grey-text colour.
  const RECT Locked = List->ItemRect(3);
  HDC DC = GetDC(Wnd);
  int Grey = 0;
  for (int Y = Locked.top; Y < Locked.bottom; ++Y)
    for (int X = Locked.left + 17; X < Locked.left + 80; ++X)
      Grey += GetPixel(DC, X, Y) == GetSysColor(COLOR_GRAYTEXT);
  ReleaseDC(Wnd, DC);
  EXPECT_GT(Grey, 0);
  // A header: its background colour over the whole line (the mark's place too) and no mark.
  const RECT Header = List->ItemRect(4);
  EXPECT_EQ(ClientPixel(Wnd, Header.right - 3, Header.top + 1), RGB(0, 255, 255));
  EXPECT_EQ(ClientPixel(Wnd, Header.left + 1, Header.top + 1), RGB(0, 255, 255));
  EXPECT_EQ(CountColor(Wnd, RECT{0, 0, 240, 150}, FrameColor(kCheckStrip, 1)), 13 * 13);  // line 0 only
  EXPECT_EQ(SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, CheckListItems,
                         ::testing::Values(TCheckListCase{4, {1, 2, 4, 2}},
                                           TCheckListCase{12, {1, 5, 8, 5}}));

TEST(CheckListItems, WithoutACheckStripTheListDrawsItsOwnLines) {
  TSkinnedForm Fixture;
  Fixture.Data().Button->CheckBitmap = std::make_unique<TBitmap>();
  auto* List = new TCheckListBox(Fixture.Form());
  List->SetParent(Fixture.Form());
  List->SetBounds(20, 20, 220, 130);
  List->Items()->Add("Line");
  auto* Skin = new TSkinCheckList(List);
  Skin->InitScrollbar(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  RedrawWindow(List->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT Line = List->ItemRect(0);
  HDC DC = GetDC(List->Handle());
  int Ink = 0;
  for (int Y = Line.top; Y < Line.bottom; ++Y)
    for (int X = Line.left; X < Line.left + 60; ++X) Ink += GetPixel(DC, X, Y) != GetSysColor(COLOR_WINDOW);
  ReleaseDC(List->Handle(), DC);
  EXPECT_GT(Ink, 20);  // the system's check box and the text
}
