// Events fired by real window messages: clicks, scroll codes, keys and typing reach the controls
// through the system classes and come out as state changes and the framework's events.
#include <windows.h>

#include <optional>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/Grids.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/ScrollBars.h"
#include "framework/win/controls/ScrollBoxes.h"
#include "framework/win/controls/ScrollRequest.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"

namespace {

// Counts the events it is bound to, and what the scroll event said.
struct TRecorder : TObject {
  int Clicks = 0, Changes = 0, Selects = 0, Checks = 0;
  std::vector<TScrollCode> Codes;
  void Click(TObject*) { ++Clicks; }
  void Change(TObject*) { ++Changes; }
  void Select(TObject*) { ++Selects; }
  void Check(TObject*) { ++Checks; }
  void Scroll(TObject*, TScrollCode Code, int&) { Codes.push_back(Code); }
  void VetoRowThree(TObject*, int, int ARow, bool& CanSelect) { CanSelect = ARow != 3; }
};

template <class T>
T* Put(TWinControl* Parent, RECT Bounds) {
  auto* Control = new T(Parent);
  Control->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top);
  Control->SetParent(Parent);
  return Control;
}

void Click(HWND Wnd, int X, int Y) {
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
}

TEST(CheckBoxEvents, AClickStepsThroughTheStatesAndReportsEachStep) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Box = Put<TCheckBox>(Form.get(), {10, 10, 150, 30});
  Box->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  struct Step {
    bool AllowGrayed;
    TCheckBoxState Expected;
    UINT Shown;
  } Steps[] = {{false, cbChecked, BST_CHECKED},
               {false, cbUnchecked, BST_UNCHECKED},
               {true, cbGrayed, BST_INDETERMINATE},
               {true, cbChecked, BST_CHECKED},
               {true, cbUnchecked, BST_UNCHECKED}};
  int Clicks = 0;
  for (const Step& S : Steps) {
    Box->SetAllowGrayed(S.AllowGrayed);
    SendMessageW(Box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Box->State(), S.Expected);
    EXPECT_EQ(SendMessageW(Box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(S.Shown));
    EXPECT_EQ(Log.Clicks, ++Clicks);
  }
  // A real mouse press and release over it does the same.
  Box->SetAllowGrayed(false);
  Click(Box->Handle(), 5, 5);
  EXPECT_TRUE(Box->Checked());
}

TEST(RadioButtonEvents, ClickingOneUnchecksItsSiblingsOnly) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* A = Put<TRadioButton>(Form.get(), {10, 10, 150, 30});
  auto* B = Put<TRadioButton>(Form.get(), {10, 40, 150, 60});
  auto* Group = Put<TGroupBox>(Form.get(), {160, 10, 350, 100});
  auto* Other = Put<TRadioButton>(Group, {10, 20, 150, 40});
  A->SetChecked(true);
  Other->SetChecked(true);
  B->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  SendMessageW(B->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(B->Checked());
  EXPECT_FALSE(A->Checked());
  EXPECT_EQ(SendMessageW(A->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(Other->Checked());  // another parent, another group
  EXPECT_EQ(Log.Clicks, 1);
  SendMessageW(B->Handle(), BM_CLICK, 0, 0);  // already checked: nothing new
  EXPECT_EQ(Log.Clicks, 1);
}

TEST(RadioGroupEvents, AClickedButtonIsTheItemIndexAndAProgramChoiceIsQuiet) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Group = Put<TRadioGroup>(Form.get(), {10, 10, 200, 150});
  Group->Items()->SetText("Red\nGreen\nBlue\nGrey");
  Group->SetColumns(2);
  Group->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  ASSERT_EQ(Group->ButtonCount(), 4);
  EXPECT_EQ(Group->Buttons(2)->Caption(), "Blue");
  EXPECT_GT(Group->Buttons(2)->Left(), Group->Buttons(1)->Left());  // second column
  EXPECT_EQ(Group->Buttons(2)->Top(), Group->Buttons(0)->Top());
  SendMessageW(Group->Buttons(1)->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(Log.Clicks, 1);
  Group->SetItemIndex(3);
  EXPECT_TRUE(Group->Buttons(3)->Checked());
  EXPECT_FALSE(Group->Buttons(1)->Checked());
  EXPECT_EQ(Log.Clicks, 1);
  Group->Items()->Delete(3);  // the chosen line goes: nothing is chosen
  EXPECT_EQ(Group->ButtonCount(), 3);
  EXPECT_EQ(Group->ItemIndex(), -1);
}

struct TScrollRow {
  int Code;
  int Start;
  int Expected;
  TScrollCode Reported;
};

class ScrollBarEvents : public ::testing::TestWithParam<TScrollRow> {};

TEST_P(ScrollBarEvents, ScrollCodesMoveThePositionWithinItsRange) {
  const TScrollRow& Row = GetParam();
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Bar = Put<TScrollBar>(Form.get(), {10, 10, 30, 200});
  Bar->SetKind(sbVertical);
  Bar->SetParams(Row.Start, 0, 100);
  Bar->SetPageSize(10);
  Bar->SetSmallChange(3);
  Bar->SetLargeChange(25);
  Bar->OnChange = TNotifyEvent::Bind<&TRecorder::Change>(&Log);
  Bar->OnScroll = TScrollEvent::Bind<&TRecorder::Scroll>(&Log);
  SendMessageW(Form->WindowHandle(), WM_VSCROLL, static_cast<WPARAM>(Row.Code),
               reinterpret_cast<LPARAM>(Bar->Handle()));
  EXPECT_EQ(Bar->Position(), Row.Expected);
  EXPECT_EQ(GetScrollPos(Bar->Handle(), SB_CTL), Row.Expected);
  EXPECT_EQ(Log.Changes, Row.Expected != Row.Start ? 1 : 0);
  ASSERT_EQ(Log.Codes.size(), 1u);
  EXPECT_EQ(Log.Codes[0], Row.Reported);
}

INSTANTIATE_TEST_SUITE_P(
    StdControls, ScrollBarEvents,
    ::testing::Values(TScrollRow{SB_LINEDOWN, 10, 13, scLineDown}, TScrollRow{SB_LINEUP, 10, 7, scLineUp},
                      TScrollRow{SB_LINEUP, 1, 0, scLineUp}, TScrollRow{SB_PAGEDOWN, 10, 35, scPageDown},
                      TScrollRow{SB_PAGEDOWN, 80, 91, scPageDown},  // last page
                      TScrollRow{SB_BOTTOM, 0, 91, scBottom}, TScrollRow{SB_TOP, 50, 0, scTop},
                      TScrollRow{SB_ENDSCROLL, 50, 50, scEndScroll}));

// A scrolling window's own bar (forms, scroll boxes): 0 to 100, a page of 10, the thumb dragged to 42.
struct TScrollRequestRow {
  int Code;
  int Start;
  std::optional<int> Expected;
};

class ScrollRequests : public ::testing::TestWithParam<TScrollRequestRow> {};

TEST_P(ScrollRequests, MoveByLinePageOrThumbAndStayWhereTheLastPageFills) {
  const TScrollRequestRow& Row = GetParam();
  SCROLLINFO Info{};
  Info.nMin = 0;
  Info.nMax = 100;
  Info.nPage = 10;
  Info.nPos = Row.Start;
  Info.nTrackPos = 42;
  EXPECT_EQ(ScrollRequestPosition(Info, Row.Code), Row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    StdControls, ScrollRequests,
    ::testing::Values(TScrollRequestRow{SB_LINEDOWN, 10, 18}, TScrollRequestRow{SB_LINEUP, 5, 0},
                      TScrollRequestRow{SB_PAGEUP, 30, 20}, TScrollRequestRow{SB_PAGEDOWN, 85, 91},
                      TScrollRequestRow{SB_THUMBTRACK, 0, 42}, TScrollRequestRow{SB_THUMBPOSITION, 90, 42},
                      TScrollRequestRow{SB_TOP, 50, 0}, TScrollRequestRow{SB_BOTTOM, 0, 91},
                      TScrollRequestRow{SB_ENDSCROLL, 50, std::nullopt}));

TEST(ListBoxEvents, AClickChoosesTheLineUnderTheMouse) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* List = Put<TListBox>(Form.get(), {10, 10, 200, 200});
  for (const char* Line : {"zebra", "apple", "mango"}) List->Items()->Add(Line);
  List->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  const RECT Second = List->ItemRect(1);
  Click(List->Handle(), Second.left + 5, (Second.top + Second.bottom) / 2);
  EXPECT_EQ(List->ItemIndex(), 1);
  EXPECT_EQ(Log.Clicks, 1);
  // Sorting keeps the chosen line chosen; the window follows the list.
  List->SetSorted(true);
  EXPECT_EQ(List->Items()->Get(0), "apple");
  EXPECT_EQ(List->ItemIndex(), 0);
  wchar_t Text[16] = {};
  SendMessageW(List->Handle(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, L"zebra");
  EXPECT_EQ(List->Items()->Add("banana"), 1);
}

TEST(CheckListBoxEvents, AClickOnTheBoxTogglesAndAHeaderIsNeverChosen) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* List = Put<TCheckListBox>(Form.get(), {10, 10, 200, 200});
  for (const char* Line : {"Fruit", "apple", "pear"}) List->Items()->Add(Line);
  List->SetHeader(0, true);
  List->SetItemEnabled(2, false);
  List->OnClickCheck = TNotifyEvent::Bind<&TRecorder::Check>(&Log);
  auto ClickBox = [&](int Index) {
    const RECT R = List->ItemRect(Index);
    Click(List->Handle(), R.left + 3, (R.top + R.bottom) / 2);
  };
  ClickBox(1);
  EXPECT_TRUE(List->Checked(1));
  EXPECT_EQ(Log.Checks, 1);
  ClickBox(2);  // disabled line
  EXPECT_FALSE(List->Checked(2));
  ClickBox(0);  // header
  EXPECT_NE(List->ItemIndex(), 0);
  EXPECT_EQ(Log.Checks, 1);
  // States move with their lines.
  List->Items()->Insert(0, "first");
  EXPECT_TRUE(List->Checked(2));
  EXPECT_TRUE(List->Header(1));
  EXPECT_THROW(List->State(9), EListError);
}

TEST(ComboBoxEvents, AKeyChoosesTheNextLineAndReportsSelectAndChange) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Combo = Put<TComboBox>(Form.get(), {10, 10, 200, 34});
  Combo->SetStyle(csDropDownList);
  for (const char* Line : {"one", "two", "three"}) Combo->Items()->Add(Line);
  Combo->SetItemIndex(0);
  Combo->OnSelect = TNotifyEvent::Bind<&TRecorder::Select>(&Log);
  Combo->OnChange = TNotifyEvent::Bind<&TRecorder::Change>(&Log);
  SendMessageW(Combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "two");
  EXPECT_EQ(Log.Selects, 1);
  EXPECT_EQ(Log.Changes, 1);
  Combo->SetText("three");  // without an edit the text chooses the line
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST(ComboBoxEvents, TypingIntoAnEditableOneReportsChange) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Combo = Put<TComboBox>(Form.get(), {10, 10, 200, 34});
  Combo->OnChange = TNotifyEvent::Bind<&TRecorder::Change>(&Log);
  HWND Edit = GetWindow(Combo->Handle(), GW_CHILD);
  ASSERT_NE(Edit, nullptr);
  for (wchar_t C : std::wstring(L"hi")) SendMessageW(Edit, WM_CHAR, C, 0);
  EXPECT_EQ(Combo->Text(), "hi");
  EXPECT_EQ(Log.Changes, 2);
}

TEST(MemoEvents, TypingChangesLinesAndReportsChange) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Memo = Put<TMemo>(Form.get(), {10, 10, 200, 100});
  Memo->Lines()->Add("first");
  Memo->OnChange = TNotifyEvent::Bind<&TRecorder::Change>(&Log);
  SendMessageW(Memo->Handle(), EM_SETSEL, 5, 5);
  for (wchar_t C : std::wstring(L"\rab")) SendMessageW(Memo->Handle(), WM_CHAR, C, 0);
  ASSERT_EQ(Memo->Lines()->Count(), 2);
  EXPECT_EQ(Memo->Lines()->Get(1), "ab");
  EXPECT_EQ(Log.Changes, 3);
  Memo->Lines()->BeginUpdate();
  for (int I = 0; I < 50; ++I) Memo->Lines()->Add("line " + IntToStr(I));
  Memo->Lines()->EndUpdate();
  EXPECT_EQ(Memo->Lines()->Count(), 52);
  EXPECT_EQ(Memo->Lines()->Get(51), "line 49");
}

TEST(SpeedButtonEvents, AGroupKeepsOneDownAndAllowAllUpLetsItGo) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* A = Put<TSpeedButton>(Form.get(), {10, 10, 40, 40});
  auto* B = Put<TSpeedButton>(Form.get(), {50, 10, 80, 40});
  auto* Plain = Put<TSpeedButton>(Form.get(), {90, 10, 120, 40});
  A->SetGroupIndex(1);
  B->SetGroupIndex(1);
  A->SetDown(true);
  B->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  Plain->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  HWND Wnd = Form->WindowHandle();
  Click(Wnd, 60, 20);  // B goes down, A comes up
  EXPECT_TRUE(B->Down());
  EXPECT_FALSE(A->Down());
  EXPECT_EQ(Log.Clicks, 1);
  Click(Wnd, 60, 20);  // the down one stays down
  EXPECT_TRUE(B->Down());
  B->SetAllowAllUp(true);
  EXPECT_TRUE(A->AllowAllUp());  // shared by the group
  Click(Wnd, 60, 20);
  EXPECT_FALSE(B->Down());
  // A plain button pops up again; a release outside is no click.
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
  EXPECT_EQ(Plain->State(), bsDown);
  SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
  EXPECT_EQ(Plain->State(), bsUp);
  EXPECT_EQ(Log.Clicks, 3);
}

TEST(BitBtnEvents, AClickReportsAndACloseButtonClosesItsForm) {
  auto Form = MakeHostForm();
  TRecorder Log;
  auto* Ok = Put<TBitBtn>(Form.get(), {10, 10, 90, 35});
  auto* Close = Put<TBitBtn>(Form.get(), {100, 10, 180, 35});
  Ok->SetKind(bkOK);
  Close->SetKind(bkClose);
  Ok->OnClick = TNotifyEvent::Bind<&TRecorder::Click>(&Log);
  Form->Show();
  SendMessageW(Ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_EQ(Ok->Caption(), "OK");
  SendMessageW(Close->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowVisible(Form->WindowHandle()));
}

TEST(GridEvents, KeysAndClicksMoveTheCurrentCellWhereSelectCellAllows) {
  auto Form = MakeHostForm(500, 300);
  TRecorder Log;
  auto* Grid = Put<TStringGrid>(Form.get(), {0, 0, 300, 150});
  Grid->SetRowCount(30);
  Grid->OnSelectCell = TSelectCellEvent::Bind<&TRecorder::VetoRowThree>(&Log);
  HWND Wnd = Grid->Handle();
  SendMessageW(Wnd, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(Grid->Col(), 2);
  SendMessageW(Wnd, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Grid->Row(), 2);
  SendMessageW(Wnd, WM_KEYDOWN, VK_DOWN, 0);  // row 3 refused
  EXPECT_EQ(Grid->Row(), 2);
  const RECT Cell = Grid->CellRect(1, 1);
  Click(Wnd, Cell.left + 3, Cell.top + 3);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Grid->Row(), 1);
  SendMessageW(Wnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Grid->Col(), 4);
  // Far down: the grid scrolls so that the current row shows.
  Grid->SetRow(29);
  EXPECT_GT(Grid->TopRow(), 1);
  EXPECT_GT(Grid->CellRect(Grid->Col(), 29).bottom, 0);
  SendMessageW(Wnd, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(Grid->TopRow(), 1);
}

TEST(ScrollBoxEvents, ChildrenBeyondTheBoxBringBarsThatScrollThem) {
  auto Form = MakeHostForm();
  auto* Box = Put<TScrollBox>(Form.get(), {10, 10, 210, 110});
  auto* Far = Put<TMemo>(Box, {10, 300, 100, 340});
  auto* Label = new TLabel(Box);
  Label->SetBounds(10, 250, 50, 15);
  Label->SetParent(Box);
  EXPECT_TRUE(GetWindowLongPtrW(Box->Handle(), GWL_STYLE) & WS_VSCROLL);
  SendMessageW(Box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Box->ScrollPos().y, 8);
  EXPECT_EQ(Far->Top(), 292);
  EXPECT_EQ(Label->Top(), 242);
  Box->ScrollInView(Far);
  EXPECT_EQ(Far->Top() + Far->Height(), Box->ClientHeight());
  // Moved up into view: the range shrinks and the children scroll back down as far as needed.
  Far->SetTop(Far->Top() - 200);
  EXPECT_EQ(Box->ScrollPos().y, Box->ContentSize().cy - Box->ClientHeight());
  // Nothing reaches beyond the box: the bar goes and the children sit where they were placed.
  Far->Hide();
  Label->Hide();
  EXPECT_EQ(Box->ScrollPos().y, 0);
  EXPECT_EQ(Label->Top(), 250);
  EXPECT_FALSE(GetWindowLongPtrW(Box->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST(LabelEvents, ItsAcceleratorFocusesItsControl) {
  auto Form = MakeHostForm();
  Form->Show();
  auto* Edit = Put<TEdit>(Form.get(), {100, 10, 200, 30});
  auto* Label = new TLabel(Form.get());
  Label->SetCaption("&Name");
  Label->SetFocusControl(Edit);
  Label->SetParent(Form.get());
  EXPECT_EQ(Label->Width(), Label->Canvas()->TextWidth("Name"));  // sized to its text
  EXPECT_NE(Form->Perform(CM_DIALOGCHAR, L'n'), 0);
  EXPECT_EQ(GetFocus(), Edit->Handle());
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'x'), 0);
  delete Edit;  // the label lets go of it
  EXPECT_EQ(Label->FocusControl(), nullptr);
}

}  // namespace
