// Whole forms of standard controls read from descriptions: values in file order, lists and
// collections, bad descriptions refused with their line and nothing left behind, and no handles
// lost over many lives of such a form.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/Grids.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Images.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/Panels.h"
#include "framework/win/controls/ScrollBars.h"
#include "framework/win/controls/ScrollBoxes.h"
#include "framework/win/controls/Shapes.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"
#include "tests/support/Forms.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

using testsupport::LeavesNoHandles;
using testsupport::Pump;
using testsupport::ReadForm;
using testsupport::UserObjects;

namespace {

// One of each control, nested the way forms nest them; properties in an order that only works when
// each is applied once the whole description is known (ItemIndex before Items, Position before Max).
const char kEveryControl[] = R"(object Form1: TForm
  Left = 10
  Top = 10
  Width = 640
  Height = 480
  Caption = 'Every control'
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 640
    Height = 40
    Align = alTop
    Caption = 'Panel'
    BevelInner = bvLowered
    object SpeedButton1: TSpeedButton
      Left = 4
      Top = 4
      Width = 30
      Height = 30
      Flat = True
      GroupIndex = 1
      Down = True
    end
    object Label1: TLabel
      Left = 40
      Top = 10
      Caption = '&Label'
      FocusControl = Edit1
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 48
    Text = 'edit'
  end
  object Memo1: TMemo
    Left = 8
    Top = 80
    ScrollBars = ssVertical
    Lines.Strings = (
      'one'
      'two')
  end
  object GroupBox1: TGroupBox
    Left = 200
    Top = 48
    Width = 180
    Height = 120
    Caption = 'Group'
    object CheckBox1: TCheckBox
      Left = 8
      Top = 20
      AllowGrayed = True
      State = cbGrayed
    end
    object RadioButton1: TRadioButton
      Left = 8
      Top = 44
      Checked = True
    end
    object Bevel1: TBevel
      Left = 8
      Top = 70
      Width = 160
      Height = 2
      Shape = bsTopLine
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 390
    Top = 48
    Width = 180
    Height = 120
    ItemIndex = 1
    Columns = 2
    Items.Strings = (
      'a'
      'b'
      'c')
  end
  object BitBtn1: TBitBtn
    Left = 8
    Top = 180
    Kind = bkCancel
    Layout = blGlyphTop
  end
  object ListBox1: TListBox
    Left = 100
    Top = 180
    ItemIndex = 2
    Items.Strings = (
      'x'
      'y'
      'z')
  end
  object CheckListBox1: TCheckListBox
    Left = 230
    Top = 180
    Items.Strings = (
      'p'
      'q')
  end
  object ComboBox1: TComboBox
    Left = 360
    Top = 180
    Style = csDropDownList
    Text = 'm2'
    Items.Strings = (
      'm1'
      'm2')
  end
  object ScrollBar1: TScrollBar
    Left = 360
    Top = 220
    Position = 150
    Max = 200
    PageSize = 20
  end
  object ScrollBox1: TScrollBox
    Left = 8
    Top = 290
    Width = 150
    Height = 80
    object Shape1: TShape
      Left = 10
      Top = 100
      Shape = stCircle
      Brush.Color = clRed
    end
  end
  object StringGrid1: TStringGrid
    Left = 170
    Top = 290
    ColCount = 4
    FixedColor = clSilver
  end
  object Image1: TImage
    Left = 500
    Top = 290
    Stretch = True
  end
end
)";

TEST(Descriptions, AFormOfEveryControlReadsInFileOrderAndResolvesLater) {
  auto Form = ReadForm(kEveryControl);
  auto Find = [&](const char* Name) { return Form->FindComponent(Name); };
  EXPECT_EQ(Form->ComponentCount(), 19);
  auto* Panel = static_cast<TPanel*>(Find("Panel1"));
  EXPECT_EQ(Panel->Width(), Form->ClientWidth());  // aligned to the top
  EXPECT_EQ(Panel->BevelInner(), bvLowered);
  EXPECT_EQ(Find("SpeedButton1")->GetParentComponent(), Panel);
  EXPECT_TRUE(static_cast<TSpeedButton*>(Find("SpeedButton1"))->Down());
  EXPECT_EQ(static_cast<TLabel*>(Find("Label1"))->FocusControl(), Find("Edit1"));  // named before it existed
  EXPECT_EQ(static_cast<TMemo*>(Find("Memo1"))->Lines()->Count(), 2);
  EXPECT_EQ(static_cast<TCheckBox*>(Find("CheckBox1"))->State(), cbGrayed);
  EXPECT_EQ(Find("CheckBox1")->GetParentComponent(), Find("GroupBox1"));
  auto* Group = static_cast<TRadioGroup*>(Find("RadioGroup1"));
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_TRUE(Group->Buttons(1)->Checked());
  EXPECT_EQ(Group->ComponentCount(), 3);  // its buttons are its own, not the form's
  auto* BitBtn = static_cast<TBitBtn*>(Find("BitBtn1"));
  EXPECT_EQ(BitBtn->Caption(), "Cancel");
  EXPECT_FALSE(BitBtn->Glyph()->Empty());
  EXPECT_EQ(BitBtn->Layout(), blGlyphTop);
  EXPECT_EQ(static_cast<TListBox*>(Find("ListBox1"))->ItemIndex(), 2);
  EXPECT_EQ(static_cast<TComboBox*>(Find("ComboBox1"))->ItemIndex(), 1);
  auto* Bar = static_cast<TScrollBar*>(Find("ScrollBar1"));
  EXPECT_EQ(Bar->Position(), 150);
  EXPECT_EQ(Bar->PageSize(), 20);
  EXPECT_EQ(static_cast<TShape*>(Find("Shape1"))->Brush()->Color(), clRed);
  EXPECT_EQ(static_cast<TStringGrid*>(Find("StringGrid1"))->FixedColor(), clSilver);
  // The windows show what was read.
  Form->HandleNeeded();
  EXPECT_EQ(SendMessageW(static_cast<TWinControl*>(Find("ListBox1"))->Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(GetScrollPos(Bar->Handle(), SB_CTL), 150);
  EXPECT_TRUE(GetWindowLongPtrW(static_cast<TWinControl*>(Find("ScrollBox1"))->Handle(), GWL_STYLE) &
              WS_VSCROLL);
}

struct TBadRow {
  const char* Text;
  int Line;
  const char* Words;  // part of the message
};

const TBadRow kBad[] = {
    {"object Form1: TForm\n object P: TPanel\n  object X: TNoSuchControl\n  end\n end\nend\n", 3,
     "TNoSuchControl"},
    {"object Form1: TForm\n object C: TCheckBox\n  State = cbMaybe\n end\nend\n", 3, "State"},
    {"object Form1: TForm\n object L: TListBox\n  Items.Colour = 3\n end\nend\n", 3, "Colour"},
    {"object Form1: TForm\n object G: TStringGrid\n  FixedRows = 9\n end\nend\n", 3, "Fixed row"},
    {"object Form1: TForm\n object B: TScrollBar\n  Min = 10\n  Max = 5\n end\nend\n", 0, "range"},
    {"object Form1: TForm\n object R: TRadioGroup\n  Items.Strings = ('a' 7)\n end\nend\n", 3, ""},
    {"object Form1: TForm\n object I: TImage\n  Picture.Data = {07544269746D617000}\n end\nend\n", 3, ""},
};

class BadDescriptions : public ::testing::TestWithParam<TBadRow> {};

TEST_P(BadDescriptions, AreRefusedWithTheirLineAndLeaveNothingBehind) {
  const TBadRow& Row = GetParam();
  const DWORD Windows = UserObjects();
  TForm Form(nullptr);
  try {
    ReadComponentFromText(Row.Text, &Form);
    FAIL() << "accepted: " << Row.Text;
  } catch (const EParserError& Error) {
    if (Row.Line) {
      EXPECT_EQ(Error.Line(), Row.Line) << Error.Message();
    }
    EXPECT_NE(Error.Message().find(Row.Words), String::npos) << Error.Message();
  }
  EXPECT_EQ(Form.ComponentCount(), 0);
  EXPECT_EQ(Form.ControlCount(), 0);
  EXPECT_EQ(UserObjects(), Windows);
}

INSTANTIATE_TEST_SUITE_P(StdControls, BadDescriptions, ::testing::ValuesIn(kBad));

// One full life of the form: read, shown, painted (windowless children too), a few windows made
// again, freed.
void FormLife() {
  auto Form = ReadForm(kEveryControl);
  Form->Show();
  static_cast<TStringGrid*>(Form->FindComponent("StringGrid1"))->SetCells(1, 1, "cell");
  static_cast<TImage*>(Form->FindComponent("Image1"))->Picture()->Bitmap()->SetSize(20, 20);
  for (const char* Name : {"ListBox1", "Memo1", "CheckBox1"})
    static_cast<TWinControl*>(Form->FindComponent(Name))->RecreateWnd();
  RedrawWindow(Form->WindowHandle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(0);
  Form.reset();
  Pump(0);
}

TEST(Leaks, HundredLivesOfAFormOfEveryControlLeaveNoHandles) {
  EXPECT_TRUE(LeavesNoHandles(&FormLife, 100));
}

}  // namespace

namespace {

// What a form of these controls writes reads back the same: pictures, lists, kinds and states.
TEST(Descriptions, AWrittenFormReadsBackTheSame) {
  auto Form = ReadForm(kEveryControl);
  auto* Image = static_cast<TImage*>(Form->FindComponent("Image1"));
  TBitmap* Bitmap = Image->Picture()->Bitmap();
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(6, 4);
  Bitmap->Canvas()->Brush()->SetColor(clNavy);
  Bitmap->Canvas()->FillRect({0, 0, 6, 4});
  Bitmap->Canvas()->SetPixel(5, 3, clYellow);
  auto* Button = static_cast<TBitBtn*>(Form->FindComponent("BitBtn1"));
  Button->SetCaption("Go away");  // a kind with a caption of its own
  const String Text = WriteComponentToText(Form.get());
  auto Copy = ReadForm(Text);
  EXPECT_EQ(Copy->ComponentCount(), Form->ComponentCount());
  TBitmap* Read = static_cast<TImage*>(Copy->FindComponent("Image1"))->Picture()->Bitmap();
  ASSERT_EQ(Read->Width(), 6);
  ASSERT_EQ(Read->Height(), 4);
  EXPECT_EQ(Read->Canvas()->Pixel(5, 3), clYellow);
  EXPECT_EQ(Read->Canvas()->Pixel(0, 0), clNavy);
  auto* ReadButton = static_cast<TBitBtn*>(Copy->FindComponent("BitBtn1"));
  EXPECT_EQ(ReadButton->Kind(), bkCancel);
  EXPECT_EQ(ReadButton->Caption(), "Go away");
  EXPECT_EQ(ReadButton->ModalResult, IDCANCEL);
  auto* Group = static_cast<TRadioGroup*>(Copy->FindComponent("RadioGroup1"));
  EXPECT_EQ(Group->Items()->Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(static_cast<TCheckBox*>(Copy->FindComponent("CheckBox1"))->State(), cbGrayed);
  EXPECT_EQ(static_cast<TScrollBar*>(Copy->FindComponent("ScrollBar1"))->Position(), 150);
  EXPECT_EQ(WriteComponentToText(Copy.get()), Text);
}

}  // namespace
