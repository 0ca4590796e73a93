// Each control read from a description: a window on the expected system class (or the framework's
// own) with the styles its properties call for, or no window at all for the windowless ones.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/controls/WindowClass.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"
#include "tests/support/Forms.h"

using testsupport::ReadForm;

namespace {

struct TWindowRow {
  const char* Body;     // the control's description lines
  const wchar_t* Base;  // the system class it is built on; null: the framework's own class
  DWORD StyleMask, Style;
  DWORD ExStyle;  // extended style bits that must be set
  DWORD NoStyle;  // style bits that must not be set
};

const TWindowRow kWindows[] = {
    {"TCheckBox\n State = cbGrayed\n Alignment = taLeftJustify", L"BUTTON", BS_TYPEMASK | BS_LEFTTEXT,
     BS_3STATE | BS_LEFTTEXT, 0, 0},
    {"TCheckBox", L"BUTTON", BS_TYPEMASK | BS_LEFTTEXT, BS_3STATE, 0, 0},
    {"TRadioButton\n Checked = True", L"BUTTON", BS_TYPEMASK | WS_TABSTOP, BS_RADIOBUTTON | WS_TABSTOP, 0, 0},
    {"TRadioButton", L"BUTTON", BS_TYPEMASK | WS_TABSTOP, BS_RADIOBUTTON, 0, 0},
    {"TGroupBox", L"BUTTON", BS_TYPEMASK, BS_GROUPBOX, 0, 0},
    {"TGroupBox\n BiDiMode = bdRightToLeft", L"BUTTON", BS_TYPEMASK | BS_RIGHT, BS_GROUPBOX | BS_RIGHT,
     WS_EX_RIGHT, 0},
    {"TRadioGroup\n Items.Strings = ('a' 'b')", L"BUTTON", BS_TYPEMASK, BS_GROUPBOX, 0, 0},
    {"TBitBtn\n Kind = bkOK", L"BUTTON", BS_TYPEMASK, BS_OWNERDRAW, 0, 0},
    {"TEdit", L"EDIT", ES_MULTILINE, 0, WS_EX_CLIENTEDGE, 0},
    {"TMemo\n ScrollBars = ssVertical\n WordWrap = False", L"EDIT",
     ES_MULTILINE | WS_VSCROLL | ES_AUTOHSCROLL | WS_HSCROLL, ES_MULTILINE | WS_VSCROLL | ES_AUTOHSCROLL, 0,
     0},
    {"TMemo\n ScrollBars = ssBoth\n Alignment = taCenter", L"EDIT",
     ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_CENTER, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_CENTER,
     0, 0},
    {"TMemo", L"EDIT", ES_MULTILINE | ES_AUTOHSCROLL, ES_MULTILINE, 0, 0},
    {"TListBox\n MultiSelect = True", L"LISTBOX", LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_MULTIPLESEL,
     LBS_EXTENDEDSEL | LBS_NOTIFY, WS_EX_CLIENTEDGE, 0},
    {"TListBox\n Style = lbOwnerDrawFixed\n BorderStyle = bsNone", L"LISTBOX",
     LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0},
    {"TListBox\n Columns = 2", L"LISTBOX", LBS_MULTICOLUMN, LBS_MULTICOLUMN, 0, 0},
    {"TCheckListBox", L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0,
     0},
    {"TComboBox\n Style = csSimple", L"COMBOBOX", 3, CBS_SIMPLE, 0, 0},
    {"TComboBox", L"COMBOBOX", 3, CBS_DROPDOWN, 0, 0},
    {"TComboBox\n Style = csDropDownList", L"COMBOBOX", 3 | CBS_OWNERDRAWFIXED, CBS_DROPDOWNLIST, 0, 0},
    {"TComboBox\n Style = csOwnerDrawFixed", L"COMBOBOX", 3 | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 0},
    {"TScrollBar", L"SCROLLBAR", SBS_VERT, SBS_HORZ, 0, 0},
    {"TScrollBar\n Kind = sbVertical", L"SCROLLBAR", SBS_VERT, SBS_VERT, 0, 0},
    {"TScrollBox", nullptr, WS_CHILD, WS_CHILD, WS_EX_CLIENTEDGE, 0},
    {"TPanel\n BorderStyle = bsSingle", nullptr, WS_CLIPCHILDREN, WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, 0},
    {"TPanel", nullptr, WS_CHILD, WS_CHILD, 0, 0},
    {"TStringGrid\n ScrollBars = ssVertical", nullptr, WS_VSCROLL | WS_HSCROLL, WS_VSCROLL, WS_EX_CLIENTEDGE,
     0},
    {"TDrawGrid\n BorderStyle = bsNone", nullptr, WS_CHILD, WS_CHILD, 0, 0},
};

class WindowClasses : public ::testing::TestWithParam<TWindowRow> {};

TEST_P(WindowClasses, ControlReadFromADescriptionIsAWindowOfItsClassWithItsStyles) {
  const TWindowRow& Row = GetParam();
  const String Text = String("object Form1: TForm\n Width = 400\n Height = 300\n object C1: ") + Row.Body +
                      "\n Left = 10\n Top = 10\n Width = 150\n Height = 100\n end\nend\n";
  auto Form = ReadForm(Text);
  auto* Control = dynamic_cast<TWinControl*>(Form->FindComponent("C1"));
  ASSERT_NE(Control, nullptr) << Row.Body;
  HWND Wnd = Control->Handle();
  ASSERT_TRUE(IsWindow(Wnd));
  EXPECT_EQ(GetParent(Wnd), Form->WindowHandle());
  wchar_t Name[64] = {};
  GetClassNameW(Wnd, Name, 64);
  EXPECT_EQ(WideToUtf8(Name), Control->ClassName());  // the framework's class, named after the control
  if (Row.Base) {
    WNDCLASSEXW System{};
    System.cbSize = sizeof System;
    ASSERT_TRUE(GetClassInfoExW(nullptr, Row.Base, &System));
    EXPECT_EQ(DefaultProcOf(Wnd), System.lpfnWndProc) << Row.Body;  // the system class does the work
  } else {
    EXPECT_EQ(DefaultProcOf(Wnd), &DefWindowProcW) << Row.Body;
  }
  const DWORD Style = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_STYLE));
  const DWORD ExStyle = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_EXSTYLE));
  EXPECT_EQ(Style & Row.StyleMask, Row.Style) << Row.Body << std::hex << " style " << Style;
  EXPECT_EQ(ExStyle & Row.ExStyle, Row.ExStyle) << Row.Body << std::hex << " exstyle " << ExStyle;
  EXPECT_EQ(Style & Row.NoStyle, 0u) << Row.Body;
  EXPECT_TRUE(Style & WS_VISIBLE);
}

INSTANTIATE_TEST_SUITE_P(StdControls, WindowClasses, ::testing::ValuesIn(kWindows));

TEST(WindowClasses, WindowlessControlsHaveNoWindowAndSitInTheirParentsList) {
  for (const char* Class : {"TLabel", "TImage", "TBevel", "TShape", "TSpeedButton"}) {
    const String Text = String("object Form1: TForm\n object C1: ") + Class + "\n Left = 5\n end\nend\n";
    auto Form = ReadForm(Text);
    TComponent* Control = Form->FindComponent("C1");
    ASSERT_NE(Control, nullptr) << Class;
    EXPECT_EQ(Control->ClassName(), Class);
    EXPECT_EQ(dynamic_cast<TWinControl*>(Control), nullptr) << Class;
    ASSERT_EQ(Form->ControlCount(), 1);
    EXPECT_EQ(Form->Controls(0), Control);
  }
}

TEST(WindowClasses, WindowStateComesBackAfterTheWindowIsMadeAgain) {
  auto Form = ReadForm(
      "object Form1: TForm\n"
      " object L: TListBox\n  Items.Strings = ('one' 'two' 'three')\n  ItemIndex = 2\n end\n"
      " object C: TCheckBox\n  State = cbChecked\n end\n"
      " object M: TMemo\n  Lines.Strings = ('first' 'second')\n end\n"
      "end\n");
  auto* List = static_cast<TWinControl*>(Form->FindComponent("L"));
  auto* Check = static_cast<TWinControl*>(Form->FindComponent("C"));
  auto* Memo = static_cast<TWinControl*>(Form->FindComponent("M"));
  Form->HandleNeeded();
  for (TWinControl* Control : {List, Check, Memo}) {
    HWND Old = Control->Handle();
    Control->RecreateWnd();
    EXPECT_NE(Control->Handle(), Old);
  }
  EXPECT_EQ(SendMessageW(List->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(List->Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Memo->Text(), "first\r\nsecond");
}

}  // namespace
