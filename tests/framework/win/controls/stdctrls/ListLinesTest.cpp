// The lines of list boxes and combo boxes: kept by the control, mirrored by its window line for line,
// and the chosen line follows its text through changes, sorting and exchanges.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/ListBoxes.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"
#include "tests/support/MessageSpy.h"

namespace {

struct TLinesRow {
  const char* Name;
  bool Sorted;
  // The lines before (one a character), the line chosen before, what is done, and the lines and
  // the chosen line after.
  const char* Before;
  int Chosen;
  void (*Change)(TCustomListControl& Control);
  const char* After;
  int ChosenAfter;
};

std::ostream& operator<<(std::ostream& Out, const TLinesRow& Row) {
  return Out << Row.Name;
}

const TLinesRow kRows[] = {
    {"a sorted control puts an added line in its place", true, "bd", 1,
     [](TCustomListControl& C) { C.Items()->Add("c"); }, "bcd", 2},
    {"a line replaced stays chosen", false, "abc", 1, [](TCustomListControl& C) { C.Items()->Put(1, "x"); },
     "axc", 1},
    {"a sorted control moves a replaced line to its place", true, "abc", 2,
     [](TCustomListControl& C) { C.Items()->Put(0, "z"); }, "bcz", 1},
    {"an exchange takes the chosen line along", false, "abc", 0,
     [](TCustomListControl& C) { C.Items()->Exchange(0, 2); }, "cba", 2},
    {"a line deleted before the chosen one moves it up", false, "abc", 2,
     [](TCustomListControl& C) { C.Items()->Delete(0); }, "bc", 1},
    {"deleting the chosen line chooses none", false, "abc", 1,
     [](TCustomListControl& C) { C.Items()->Delete(1); }, "ac", -1},
    {"emptying the lines chooses none", false, "ab", 0, [](TCustomListControl& C) { C.Items()->Clear(); }, "",
     -1},
    {"sorting later keeps the chosen line chosen", false, "cab", 0,
     [](TCustomListControl& C) { C.SetSorted(true); }, "abc", 2},
};

// The lines of the control (or of its window), one character each.
std::string Lines(TCustomListControl& Control) {
  std::string Joined;
  for (int I = 0; I < Control.Items()->Count(); ++I) Joined += Control.Items()->Get(I);
  return Joined;
}

std::string WindowLines(HWND Wnd, bool Combo) {
  std::string Joined;
  const LRESULT Count = SendMessageW(Wnd, Combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  for (LRESULT I = 0; I < Count; ++I) {
    wchar_t Text[8] = {};
    SendMessageW(Wnd, Combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(I),
                 reinterpret_cast<LPARAM>(Text));
    Joined += static_cast<char>(Text[0]);
  }
  return Joined;
}

// Each row in a list box and in a combo box (the drop-down list kind).
class ListLines : public ::testing::TestWithParam<std::tuple<TLinesRow, bool>> {};

TEST_P(ListLines, AreTheWindowsLinesAndTheChosenOneFollowsItsText) {
  const auto& [Row, Combo] = GetParam();
  auto Form = MakeHostForm();
  TCustomListControl* Control = nullptr;
  if (Combo) {
    auto* Box = new TComboBox(Form.get());
    Box->SetStyle(csDropDownList);
    Control = Box;
  } else {
    Control = new TListBox(Form.get());
  }
  Control->SetParent(Form.get());
  Control->SetSorted(Row.Sorted);
  for (const char* C = Row.Before; *C; ++C) Control->Items()->Add(String(1, *C));
  Control->SetItemIndex(Row.Chosen);
  Row.Change(*Control);
  EXPECT_EQ(Lines(*Control), Row.After);
  EXPECT_EQ(WindowLines(Control->Handle(), Combo), Row.After);
  EXPECT_EQ(Control->ItemIndex(), Row.ChosenAfter);
}

INSTANTIATE_TEST_SUITE_P(StdControls, ListLines,
                         ::testing::Combine(::testing::ValuesIn(kRows), ::testing::Bool()));

// A list box of lines of their own heights whose measuring fails while the control refills its
// window: the window is left drawing.
struct TFailedRefillRow {
  const char* Name;
  void (*Change)(TListBox& Box);
};

std::ostream& operator<<(std::ostream& Out, const TFailedRefillRow& Row) {
  return Out << Row.Name;
}

class TFailingMeasure : public TObject {
 public:
  bool Armed = false;
  void Measure(TWinControl*, int, int&) {
    if (Armed) throw std::runtime_error("measuring failed");
  }
};

class ListBoxRefills : public ::testing::TestWithParam<TFailedRefillRow> {};

TEST_P(ListBoxRefills, AMeasureFailingPartWayLeavesTheWindowDrawing) {
  const TFailedRefillRow& Row = GetParam();
  auto Form = MakeHostForm();
  auto* Box = new TListBox(Form.get());
  Box->SetParent(Form.get());
  Box->SetStyle(lbOwnerDrawVariable);
  TFailingMeasure Measure;
  Box->OnMeasureItem = TMeasureItemEvent::Bind<&TFailingMeasure::Measure>(&Measure);
  for (const char* Line : {"c", "a", "b"}) Box->Items()->Add(Line);
  Box->HandleNeeded();
  testsupport::TMessageSpy Spy(Box);

  Measure.Armed = true;
  EXPECT_THROW(Row.Change(*Box), std::runtime_error);
  Measure.Armed = false;

  const std::vector<WPARAM> Switches = Spy.WParamsOf(WM_SETREDRAW);
  ASSERT_FALSE(Switches.empty());
  EXPECT_EQ(Switches.back(), static_cast<WPARAM>(TRUE)) << "the window was left not drawing";
}

INSTANTIATE_TEST_SUITE_P(
    StdControls, ListBoxRefills,
    ::testing::Values(TFailedRefillRow{"an exchange", [](TListBox& Box) { Box.Items()->Exchange(0, 2); }},
                      TFailedRefillRow{"sorting", [](TListBox& Box) { Box.SetSorted(true); }}));

}  // namespace
