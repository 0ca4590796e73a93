// Every common control read from a description is a window built on its system class, with the
// styles its properties ask for.
#include <gtest/gtest.h>

#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/controls/WindowClass.h"
#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"
#include "tests/support/Forms.h"

using testsupport::ReadForm;

namespace {

struct TClassCase {
  const char* Name;
  const wchar_t* SystemClass;
  DWORD StylesSet;
  DWORD StylesClear;
  // The sunken edge that BorderStyle bsSingle asks for, where the case checks it.
  enum { kAny, kEdge, kNoEdge } Edge = kAny;
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
    {"Header1", WC_HEADERW, HDS_BUTTONS, HDS_HOTTRACK},
    {"Report", WC_LISTVIEWW, LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_SINGLESEL, LVS_SMALLICON,
     TClassCase::kEdge},
    {"List", WC_LISTVIEWW, LVS_LIST | LVS_SHAREIMAGELISTS, 0, TClassCase::kNoEdge},
    {"Tree", WC_TREEVIEWW, TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS, TVS_EDITLABELS,
     TClassCase::kEdge},
    {"FlatTree", WC_TREEVIEWW, TVS_HASLINES, 0, TClassCase::kNoEdge},
    {"DateCombo", DATETIMEPICK_CLASSW, 0, DTS_UPDOWN | DTS_TIMEFORMAT},
    {"DateUpDown", DATETIMEPICK_CLASSW, DTS_UPDOWN, DTS_TIMEFORMAT & ~DTS_UPDOWN},
    {"TimeOnly", DATETIMEPICK_CLASSW, DTS_TIMEFORMAT, 0},
    {"Cool", REBARCLASSNAMEW, RBS_VARHEIGHT | RBS_BANDBORDERS, RBS_FIXEDORDER},
    {"Frame1", nullptr, WS_CLIPCHILDREN, 0},
    {"Tools", TOOLBARCLASSNAMEW, TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE, 0},
    {"Tabs31", nullptr, 0, 0},
    {"Player", nullptr, 0, 0},
};

class ClassesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { Form = ReadForm(kAllControlsForm, true).release(); }
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
    // The framework's own windows (no system class) answer through the default procedure.
    const WNDPROC Expected = Case.SystemClass ? SystemClassProc(Case.SystemClass) : &DefWindowProcW;
    ASSERT_NE(Expected, nullptr);
    EXPECT_EQ(DefaultProcOf(Wnd), Expected);
    const DWORD Style = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_STYLE));
    EXPECT_EQ(Style & Case.StylesSet, Case.StylesSet);
    EXPECT_EQ(Style & Case.StylesClear, 0u);
    const bool Edge = (GetWindowLongPtrW(Wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    if (Case.Edge != TClassCase::kAny) {
      EXPECT_EQ(Edge, Case.Edge == TClassCase::kEdge);
    }
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

  EXPECT_EQ(SendMessageW(Find<THeaderControl>(*Form, "Header1")->WindowHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  auto* Report = Find<TListView>(*Form, "Report");
  EXPECT_EQ(SendMessageW(Report->WindowHandle(), LVM_GETITEMCOUNT, 0, 0), 2);
  wchar_t Text[64] = {};
  LVITEMW Item{};
  Item.iSubItem = 1;
  Item.pszText = Text;
  Item.cchTextMax = 64;
  SendMessageW(Report->WindowHandle(), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&Item));
  EXPECT_STREQ(Text, L"340 KB");
  EXPECT_NE(Report->HeaderHandle(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Report->HeaderHandle()));

  auto* Tree = Find<TTreeView>(*Form, "Tree");
  EXPECT_EQ(SendMessageW(Tree->WindowHandle(), TVM_GETCOUNT, 0, 0), 5);
  ASSERT_EQ(Tree->Items()->Count(), 5);
  EXPECT_EQ(Tree->Items()->Item(2)->Text(), "To Anna");
  EXPECT_EQ(Tree->Items()->Item(2)->Level(), 2);
  EXPECT_EQ(Tree->Items()->Item(4)->Text(), "Pictures");

  EXPECT_EQ(Find<TDateTimePicker>(*Form, "DateCombo")->Date(), "2024-05-17");
  SYSTEMTIME Shown{};
  SendMessageW(Find<TDateTimePicker>(*Form, "DateUpDown")->WindowHandle(), DTM_GETSYSTEMTIME, 0,
               reinterpret_cast<LPARAM>(&Shown));
  EXPECT_EQ(Shown.wYear, 2000);
  EXPECT_EQ(Shown.wDay, 29);
  EXPECT_EQ(Find<TDateTimePicker>(*Form, "TimeOnly")->Time(), "13:45:30");

  auto* Cool = Find<TCoolBar>(*Form, "Cool");
  EXPECT_EQ(SendMessageW(Cool->WindowHandle(), RB_GETBANDCOUNT, 0, 0), 1);
  REBARBANDINFOW Band{};
  Band.cbSize = REBARBANDINFOW_V3_SIZE;
  Band.fMask = RBBIM_CHILD;
  SendMessageW(Cool->WindowHandle(), RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&Band));
  EXPECT_EQ(Band.hwndChild, Find<TEdit>(*Form, "BandEdit")->WindowHandle());
  EXPECT_EQ(GetParent(Find<TEdit>(*Form, "FrameEdit")->WindowHandle()),
            Find<TFrame>(*Form, "Frame1")->WindowHandle());

  // The tool buttons stand for the native buttons, in order, and take their places.
  auto* Tools = Find<TToolBar>(*Form, "Tools");
  ASSERT_EQ(Tools->ButtonCount(), 5);
  EXPECT_EQ(SendMessageW(Tools->WindowHandle(), TB_BUTTONCOUNT, 0, 0), 5);
  EXPECT_EQ(Tools->Buttons(1), Find<TToolButton>(*Form, "ToolBold"));
  EXPECT_TRUE(SendMessageW(Tools->WindowHandle(), TB_ISBUTTONCHECKED, 2, 0) != 0 ||
              SendMessageW(Tools->WindowHandle(), TB_GETSTATE, 2, 0) & TBSTATE_CHECKED);
  for (int I = 0; I < Tools->ButtonCount(); ++I) {
    RECT Native{};
    SendMessageW(Tools->WindowHandle(), TB_GETITEMRECT, static_cast<WPARAM>(I),
                 reinterpret_cast<LPARAM>(&Native));
    EXPECT_EQ(Tools->Buttons(I)->BoundsRect().left, Native.left);
    EXPECT_EQ(Tools->Buttons(I)->Width(), Native.right - Native.left);
  }
  TBBUTTON Native{};
  SendMessageW(Tools->WindowHandle(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&Native));
  EXPECT_EQ(Native.fsStyle & BTNS_DROPDOWN, BTNS_DROPDOWN);
  SendMessageW(Tools->WindowHandle(), TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&Native));
  EXPECT_EQ(Native.fsState & TBSTATE_ENABLED, 0);

  // The tab set's first component is its scroller, a window, shown because the tabs do not fit.
  auto* Tabs31 = Find<TTabSet>(*Form, "Tabs31");
  ASSERT_GT(Tabs31->ComponentCount(), 0);
  EXPECT_EQ(Tabs31->Components(0), Tabs31->Scroller());
  EXPECT_TRUE(IsWindowVisible(Tabs31->Scroller()->WindowHandle()));
  EXPECT_EQ(GetParent(Tabs31->Scroller()->WindowHandle()), Tabs31->WindowHandle());
  {
    // Tabs hang below a line that runs along the whole top edge.
    HDC DC = GetDC(Tabs31->WindowHandle());
    EXPECT_EQ(GetPixel(DC, 1, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(GetPixel(DC, Tabs31->Width() - 1, 0), GetSysColor(COLOR_WINDOWFRAME));
    ReleaseDC(Tabs31->WindowHandle(), DC);
  }
  EXPECT_LT(Tabs31->VisibleTabs(), 8);
  EXPECT_GT(Tabs31->VisibleTabs(), 0);

  // The media player's glyphs are the program's resources; hidden buttons take no room.
  auto* Player = Find<TMediaPlayer>(*Form, "Player");
  for (int Button = btPlay; Button <= btEject; ++Button)
    for (int Kind = mgEnabled; Kind <= mgColored; ++Kind)
      EXPECT_FALSE(Player->Glyph(static_cast<TMPBtnType>(Button), static_cast<TMPGlyph>(Kind))->Empty());
  EXPECT_EQ(Player->ButtonRect(btPlay).right - Player->ButtonRect(btPlay).left, Player->ClientWidth() / 6);
  EXPECT_EQ(Player->ButtonRect(btStep).right, Player->ButtonRect(btStep).left);
}

}  // namespace
