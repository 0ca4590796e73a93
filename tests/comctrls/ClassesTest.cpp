// Every common control read from a description is a window built on its system class, with the
// styles its properties ask for.
#include <gtest/gtest.h>

#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/controls/WindowClass.h"
#include "tests/comctrls/ComCtrlsTestUtil.h"

namespace {

constexpr std::string_view kForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 700
  Height = 500
  Caption = 'Common controls'
  object TrackH: TTrackBar
    Left = 8
    Top = 8
    Max = 20
    Position = 5
  end
  object TrackV: TTrackBar
    Left = 160
    Top = 8
    Width = 45
    Height = 120
    Orientation = trVertical
    TickMarks = tmBoth
    TickStyle = tsNone
  end
  object ProgressH: TProgressBar
    Left = 8
    Top = 60
    Position = 30
  end
  object ProgressV: TProgressBar
    Left = 210
    Top = 8
    Width = 16
    Height = 120
    Orientation = pbVertical
    Smooth = True
  end
  object Edit1: TEdit
    Left = 8
    Top = 90
    Text = '3'
  end
  object UpDown1: TUpDown
    Left = 129
    Top = 90
    Associate = Edit1
    Min = 1
    Max = 9
    Position = 3
  end
  object UpDownH: TUpDown
    Left = 240
    Top = 8
    Width = 34
    Height = 17
    Orientation = udHorizontal
    Wrap = True
  end
  object TabsBottom: TTabControl
    Left = 8
    Top = 130
    Width = 200
    Height = 100
    TabPosition = tpBottom
    Tabs.Strings = ('First' 'Second')
    TabIndex = 1
  end
  object TabsLeft: TTabControl
    Left = 220
    Top = 130
    Width = 200
    Height = 100
    TabPosition = tpLeft
    Style = tsButtons
    Tabs.Strings = ('A' 'B' 'C')
  end
  object Pages: TPageControl
    Left = 430
    Top = 130
    Width = 250
    Height = 150
    ActivePage = Sheet2
    Style = tsFlatButtons
    MultiLine = True
    object Sheet1: TTabSheet
      Caption = 'One'
    end
    object Sheet2: TTabSheet
      Caption = 'Two'
    end
  end
  object Status: TStatusBar
    Left = 0
    Top = 440
    Width = 692
    Height = 19
    Panels = <
      item
        Text = 'Lowered'
        Width = 120
      end
      item
        Style = psOwnerDraw
        Bevel = pbRaised
        Width = 120
      end
      item
        Bevel = pbNone
        Alignment = taRightJustify
        Text = 'None'
        Width = 100
      end>
  end
end
)";

struct TClassCase {
  const char* Name;
  const wchar_t* SystemClass;
  DWORD StylesSet;
  DWORD StylesClear;
};

const TClassCase kClassCases[] = {
    {"TrackH", TRACKBAR_CLASSW, TBS_AUTOTICKS, TBS_VERT | TBS_BOTH | TBS_NOTICKS},
    {"TrackV", TRACKBAR_CLASSW, TBS_VERT | TBS_BOTH | TBS_NOTICKS, TBS_AUTOTICKS},
    {"ProgressH", PROGRESS_CLASSW, 0, PBS_VERTICAL | PBS_SMOOTH},
    {"ProgressV", PROGRESS_CLASSW, PBS_VERTICAL | PBS_SMOOTH, 0},
    {"UpDown1", UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, UDS_HORZ | UDS_WRAP},
    {"UpDownH", UPDOWN_CLASSW, UDS_HORZ | UDS_WRAP, UDS_ALIGNRIGHT | UDS_ALIGNLEFT},
    {"TabsBottom", WC_TABCONTROLW, TCS_BOTTOM, TCS_VERTICAL | TCS_BUTTONS | TCS_MULTILINE},
    {"TabsLeft", WC_TABCONTROLW, TCS_VERTICAL | TCS_BUTTONS | TCS_MULTILINE, TCS_RIGHT | TCS_FLATBUTTONS},
    {"Pages", WC_TABCONTROLW, TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE, TCS_VERTICAL | TCS_BOTTOM},
    {"Status", STATUSCLASSNAMEW, SBARS_SIZEGRIP, 0},
};

class ClassesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { Form = ReadForm(kForm).release(); }
  static void TearDownTestSuite() {
    HoldForLook();
    delete Form;
    Form = nullptr;
  }
  static TForm* Form;
};
TForm* ClassesTest::Form = nullptr;

TEST_F(ClassesTest, EachControlIsAVisibleWindowOnItsSystemClassWithItsStyles) {
  for (const TClassCase& Case : kClassCases) {
    SCOPED_TRACE(Case.Name);
    auto* Control = Find<TWinControl>(*Form, Case.Name);
    ASSERT_NE(Control, nullptr);
    HWND Wnd = Control->WindowHandle();
    ASSERT_TRUE(IsWindow(Wnd));
    EXPECT_TRUE(IsWindowVisible(Wnd));
    ASSERT_NE(SystemClassProc(Case.SystemClass), nullptr);
    EXPECT_EQ(DefaultProcOf(Wnd), SystemClassProc(Case.SystemClass));
    const DWORD Style = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_STYLE));
    EXPECT_EQ(Style & Case.StylesSet, Case.StylesSet);
    EXPECT_EQ(Style & Case.StylesClear, 0u);
  }
}

TEST_F(ClassesTest, StateReadFromTheDescriptionReachesTheWindows) {
  EXPECT_EQ(SendMessageW(Find<TTrackBar>(*Form, "TrackH")->WindowHandle(), TBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageW(Find<TTrackBar>(*Form, "TrackH")->WindowHandle(), TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageW(Find<TProgressBar>(*Form, "ProgressH")->WindowHandle(), PBM_GETPOS, 0, 0), 30);
  auto* UpDown = Find<TUpDown>(*Form, "UpDown1");
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(UpDown->WindowHandle(), UDM_GETBUDDY, 0, 0)),
            Find<TEdit>(*Form, "Edit1")->WindowHandle());
  EXPECT_EQ(Find<TEdit>(*Form, "Edit1")->Text(), "3");
  HWND TabsBottom = Find<TTabControl>(*Form, "TabsBottom")->WindowHandle();
  EXPECT_EQ(SendMessageW(TabsBottom, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(TabsBottom, TCM_GETCURSEL, 0, 0), 1);

  auto* Pages = Find<TPageControl>(*Form, "Pages");
  EXPECT_EQ(Pages->PageCount(), 2);
  EXPECT_EQ(Pages->ActivePage(), Find<TTabSheet>(*Form, "Sheet2"));
  EXPECT_EQ(SendMessageW(Pages->WindowHandle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>(*Form, "Sheet2")->WindowHandle()));
  EXPECT_FALSE(IsWindowVisible(Find<TTabSheet>(*Form, "Sheet1")->WindowHandle()));

  HWND Status = Find<TStatusBar>(*Form, "Status")->WindowHandle();
  EXPECT_EQ(SendMessageW(Status, SB_GETPARTS, 0, 0), 3);
  EXPECT_EQ(HIWORD(SendMessageW(Status, SB_GETTEXTLENGTHW, 1, 0)) & SBT_OWNERDRAW, SBT_OWNERDRAW);
  EXPECT_EQ(HIWORD(SendMessageW(Status, SB_GETTEXTLENGTHW, 1, 0)) & SBT_POPOUT, SBT_POPOUT);
  EXPECT_EQ(HIWORD(SendMessageW(Status, SB_GETTEXTLENGTHW, 2, 0)) & SBT_NOBORDERS, SBT_NOBORDERS);
}

}  // namespace
