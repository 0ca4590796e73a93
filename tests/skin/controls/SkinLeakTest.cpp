// 500 attach / paint / detach cycles over one control of each skin class leave the process's GDI and
// USER object counts where they were; a planted leak shows the check catches one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include <commctrl.h>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/MediaPlayer.h"
#include "framework/win/controls/StatusBar.h"
#include "skin/controls/SkinBars.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "skin/controls/SkinComboBoxes.h"
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinGlyphs.h"
#include "skin/controls/SkinHeaders.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/SkinStatusBars.h"
#include "skin/controls/SkinTabs.h"
#include "tests/skin/controls/BoxesTestUtil.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestControls.h"
#include "tests/skin/controls/TestGlyphControls.h"
#include "tests/skin/controls/TestListControls.h"
#include "tests/skin/controls/TestScrollControls.h"

// The framework's own page controls, tab sets and sheets, where the framework has them.
#if __has_include("framework/win/controls/TabControls.h") && __has_include("framework/win/controls/TabSet.h")
#include "framework/win/controls/TabControls.h"
#include "framework/win/controls/TabSet.h"
#define HAVE_FRAMEWORK_TABS 1
#endif

using namespace ctltest;

namespace {

// CONTROLS_LEAK_CYCLES overrides the count for a quick look.
const int kCycles = [] {
  const char* Text = std::getenv("CONTROLS_LEAK_CYCLES");
  return Text ? std::max(1, std::atoi(Text)) : 500;
}();

// A button skin object that forgets to delete a brush on every paint.
class TLeakyButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  void DrawControl(HDC DC, const RECT& Rect) override {
    CreateSolidBrush(RGB(1, 2, 3));
    TSkinButton::DrawControl(DC, Rect);
  }
};

// What one cycle attaches to: the control (made once) and a skin object made, attached, painted and
// freed each time.
struct TClassCase {
  const char* Name;
  std::function<void(TSkinnedForm&)> Cycle;
};

template <class TSkin, class TCtl>
std::function<void(TSkinnedForm&)> FrameworkCycle(std::function<TCtl*(TForm*)> Make) {
  auto Control = std::make_shared<TCtl*>(nullptr);
  return [Make, Control](TSkinnedForm& F) {
    if (!*Control) *Control = Make(F.Form());
    auto* Skin = new TSkin(*Control);
    if constexpr (requires { Skin->InitScrollbar(*Control, &F.Data(), F.Canvas(), &F.Skin()); })
      Skin->InitScrollbar(*Control, &F.Data(), F.Canvas(), &F.Skin());
    else if constexpr (requires { Skin->InitGraphicControl(&F.Skin(), &F.Data(), F.Canvas()); })
      Skin->InitGraphicControl(&F.Skin(), &F.Data(), F.Canvas());
    else
      Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), true);
    Skin->PaintControl(nullptr);
    delete Skin;
  };
}

template <class TSkin>
std::function<void(TSkinnedForm&)> BareCycle(std::function<HWND(HWND)> Make) {
  auto Wnd = std::make_shared<HWND>(nullptr);
  return [Make, Wnd](TSkinnedForm& F) {
    if (!*Wnd) *Wnd = Make(F.Form()->Handle());
    auto* Skin = new TSkin(&F.Skin());
    Skin->Inithwnd(*Wnd, &F.Data(), F.Canvas(), &F.Skin());
    Skin->PaintControl(nullptr);
    delete Skin;
  };
}

template <class T>
T* Placed(TForm* Form, T* Control) {
  Control->SetParent(Form);
  Control->SetBounds(10, 10, 160, 100);
  return Control;
}

HWND Child(HWND Parent, const wchar_t* Class, DWORD Style) {
  return CreateWindowExW(0, Class, L"text", WS_CHILD | WS_VISIBLE | Style, 200, 10, 160, 120, Parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The change in the object counts over kCycles cycles, after one cycle that fills the caches.
TObjectCounts Delta(const std::function<void(TSkinnedForm&)>& Cycle, TSkinnedForm& F) {
  Cycle(F);
  const TObjectCounts Before = testsupport::SettledObjectCounts();
  for (int I = 0; I < kCycles; ++I) Cycle(F);
  const TObjectCounts After = testsupport::SettledObjectCounts();
  return {After.Gdi - Before.Gdi, After.User - Before.User};
}

}  // namespace

class ControlLeaks : public ::testing::TestWithParam<TClassCase> {};

TEST_P(ControlLeaks, AttachPaintDetachLeavesTheCountsUnchanged) {
  TSkinnedForm Fixture;
  const TObjectCounts D = Delta(GetParam().Cycle, Fixture);
  EXPECT_EQ(D.Gdi, 0u) << GetParam().Name;
  EXPECT_EQ(D.User, 0u) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ControlLeaks,
    ::testing::Values(TClassCase{"Button", FrameworkCycle<TSkinButton, TButton>([](TForm* F) {
                                   return Placed(F, new TButton(F));
                                 })},
                      TClassCase{"BitButton", FrameworkCycle<TSkinBitButton, TGlyphButton>([](TForm* F) {
                                   auto* B = Placed(F, new TGlyphButton(F));
                                   B->Glyph()->Assign(MakeGlyph(16, 16, 1).get());
                                   B->SetEnabled(false);  // the embossed image too
                                   return B;
                                 })},
                      TClassCase{"MenuButton", FrameworkCycle<TSkinMenuButton, TButton>([](TForm* F) {
                                   return Placed(F, new TButton(F));
                                 })},
                      TClassCase{"CheckBox", FrameworkCycle<TSkinCheckBox, TTestCheck>([](TForm* F) {
                                   return Placed(F, new TTestCheck(F));
                                 })},
                      TClassCase{"RadioButton", FrameworkCycle<TSkinRadioButton, TTestCheck>([](TForm* F) {
                                   return Placed(F, new TTestCheck(F, true));
                                 })},
                      TClassCase{"TransObj", FrameworkCycle<TSkinTransObj, TButton>([](TForm* F) {
                                   return Placed(F, new TButton(F));
                                 })},
                      TClassCase{"Scrollbar", FrameworkCycle<TSkinScrollbar, TTestMemo>([](TForm* F) {
                                   return Placed(F, new TTestMemo(F));
                                 })},
                      TClassCase{"ScControl", FrameworkCycle<TSkinScControl, TTestScrollBar>([](TForm* F) {
                                   return Placed(F, new TTestScrollBar(F));
                                 })},
                      TClassCase{"SpeedButton", FrameworkCycle<TSkinSpeedButton, TSpeedButton>([](TForm* F) {
                                   auto* B = Placed(F, new TSpeedButton(F));
                                   B->Glyph()->Assign(MakeGlyph(16, 16, 1).get());
                                   B->SetEnabled(false);
                                   return B;
                                 })},
                      TClassCase{"CheckList", FrameworkCycle<TSkinCheckList, TCheckListBox>([](TForm* F) {
                                   auto* L = Placed(F, new TCheckListBox(F));
                                   for (const char* Line : {"a", "b", "c", "d", "e", "f", "g", "h", "i"})
                                     L->Items()->Add(Line);
                                   L->SetState(1, ::cbChecked);
                                   L->SetHeader(2, true);
                                   return L;
                                 })},
                      TClassCase{"MediaPlayer", FrameworkCycle<TSkinMP, TMediaPlayer>([](TForm* F) {
                                   return Placed(F, new TMediaPlayer(F));
                                 })},
                      TClassCase{"ObjImage", FrameworkCycle<TSkinObjImage, TRzCheckBox>([](TForm* F) {
                                   return Placed(F, new TRzCheckBox(F));
                                 })},
                      TClassCase{"BareButton", BareCycle<TSkinButton>([](HWND P) {
                                   return Child(P, L"BUTTON", BS_PUSHBUTTON);
                                 })},
                      TClassCase{"BareCheckBox", BareCycle<TSkinCheckBox>([](HWND P) {
                                   return Child(P, L"BUTTON", BS_AUTOCHECKBOX);
                                 })},
                      TClassCase{"ScrollbarH", BareCycle<TSkinScrollbarH>([](HWND P) {
                                   return Child(P, L"EDIT", WS_VSCROLL | WS_HSCROLL | ES_MULTILINE);
                                 })},
                      TClassCase{"ComboxScrollBar", BareCycle<TComboxScrollBar>([](HWND P) {
                                   HWND Combo = Child(P, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
                                   COMBOBOXINFO Info{};
                                   Info.cbSize = sizeof Info;
                                   GetComboBoxInfo(Combo, &Info);
                                   return Info.hwndList;
                                 })},
                      TClassCase{"TrackBar", BareCycle<TSkinTrackBar>([](HWND P) {
                                   return Child(P, TRACKBAR_CLASSW, TBS_VERT);
                                 })},
                      TClassCase{"Progress", BareCycle<TSkinProgress>([](HWND P) {
                                   HWND Bar = Child(P, PROGRESS_CLASSW, PBS_VERTICAL);
                                   SendMessageW(Bar, PBM_SETPOS, 40, 0);
                                   return Bar;
                                 })},
                      TClassCase{"Header", BareCycle<TSkinHeader>([](HWND P) {
                                   HWND Header = Child(P, WC_HEADERW, HDS_HORZ);
                                   HDITEMW Item{};
                                   Item.mask = HDI_TEXT | HDI_WIDTH;
                                   Item.pszText = const_cast<wchar_t*>(L"item");
                                   Item.cxy = 60;
                                   SendMessageW(Header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Item));
                                   return Header;
                                 })},
                      TClassCase{"Tab", BareCycle<TSkinTab>([](HWND P) {
                                   HWND Tabs = Child(P, WC_TABCONTROLW, TCS_BOTTOM);
                                   TCITEMW Item{};
                                   Item.mask = TCIF_TEXT;
                                   Item.pszText = const_cast<wchar_t*>(L"tab");
                                   SendMessageW(Tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Item));
                                   return Tabs;
                                 })},
                      TClassCase{"TabBtn", BareCycle<TSkinTabBtn>([](HWND P) {
                                   HWND Tabs = Child(P, WC_TABCONTROLW, TCS_BUTTONS);
                                   TCITEMW Item{};
                                   Item.mask = TCIF_TEXT;
                                   Item.pszText = const_cast<wchar_t*>(L"tab");
                                   SendMessageW(Tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Item));
                                   return Tabs;
                                 })},
                      TClassCase{"ListView", FrameworkCycle<TSkinListView, TTestListView>([](TForm* F) {
                                   auto* List = Placed(F, new TTestListView(F));
                                   List->Fill(2, 120, 30);
                                   // The list view makes what it keeps for painting at its first paint.
                                   RedrawWindow(List->Handle(), nullptr, nullptr,
                                                RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                                   return List;
                                 })}),
    [](const auto& Info) { return std::string(Info.param.Name); });

#ifdef HAVE_FRAMEWORK_TABS
INSTANTIATE_TEST_SUITE_P(
    FrameworkTabs, ControlLeaks,
    ::testing::Values(TClassCase{"PageControl", FrameworkCycle<TSkinTab, TPageControl>([](TForm* F) {
                                   auto* Pages = Placed(F, new TPageControl(F));
                                   Pages->SetTag(kCloseBoxTag);
                                   auto* Sheet = new TTabSheet(F);
                                   Sheet->SetPageControl(Pages);
                                   Sheet->SetCaption("page");
                                   return Pages;
                                 })},
                      TClassCase{"TabSheet", FrameworkCycle<TSkinTabSheet, TTabSheet>([](TForm* F) {
                                   auto* Pages = Placed(F, new TPageControl(F));
                                   auto* Sheet = new TTabSheet(F);
                                   Sheet->SetPageControl(Pages);
                                   return Sheet;
                                 })},
                      TClassCase{"Tab31", FrameworkCycle<TSkinTab31, TTabSet>([](TForm* F) {
                                   auto* Set = Placed(F, new TTabSet(F));
                                   Set->Tabs()->Add("one");
                                   Set->Tabs()->Add("two");
                                   return Set;
                                 })}),
    [](const auto& Info) { return std::string(Info.param.Name); });
#endif  // HAVE_FRAMEWORK_TABS

// Edits, spin buttons, combo boxes, date-time pickers, status bars, tool bars and boxes, with a skin
// that has every element they draw from.
class BoxLeaks : public ::testing::TestWithParam<TClassCase> {};

TEST_P(BoxLeaks, AttachPaintDetachLeavesTheCountsUnchanged) {
  TSkinnedForm Fixture(BoxesSkin({.Sunk = true, .Extra = true, .Spin = true, .Status = true}));
  const TObjectCounts D = Delta(GetParam().Cycle, Fixture);
  EXPECT_EQ(D.Gdi, 0u) << GetParam().Name;
  EXPECT_EQ(D.User, 0u) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, BoxLeaks,
    ::testing::Values(
        TClassCase{"Edit", BareCycle<TSkinEdit>([](HWND P) {
                     HWND Edit = BareChild(P, L"EDIT", 0, 200, 10, 100, 24, WS_EX_CLIENTEDGE);
                     BareChild(Edit, UPDOWN_CLASSW, 0, 80, 0, 16, 20);  // skinned on every paint
                     return Edit;
                   })},
        TClassCase{"UpDown", BareCycle<TSkinUpDown>([](HWND P) { return Child(P, UPDOWN_CLASSW, 0); })},
        TClassCase{"ComboBox",
                   BareCycle<TSkinComBox>([](HWND P) { return Child(P, L"COMBOBOX", CBS_DROPDOWN); })},
        TClassCase{"DateTime",
                   BareCycle<TSkinDateTime>([](HWND P) { return Child(P, DATETIMEPICK_CLASSW, 0); })},
        TClassCase{"StatusBar", BareCycle<TSkinStatusBar>([](HWND P) {
                     return Child(P, STATUSCLASSNAMEW, SBARS_SIZEGRIP);
                   })},
        TClassCase{"Toolbar", BareCycle<TSkinToolbar>([](HWND P) {
                     return Child(P, TOOLBARCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE);
                   })},
        TClassCase{"GroupBox",
                   BareCycle<TSkinGroupBox>([](HWND P) { return Child(P, L"BUTTON", BS_GROUPBOX); })},
        TClassCase{"BoxH", BareCycle<TSkinBoxH>([](HWND P) { return Child(P, L"#32770", 0); })},
        TClassCase{"Sizer",
                   BareCycle<TSkinSizer>([](HWND P) { return Child(P, L"SCROLLBAR", SBS_SIZEBOX); })},
        TClassCase{"Box",
                   FrameworkCycle<TSkinBox, TButton>([](TForm* F) { return Placed(F, new TButton(F)); })},
        // Framework controls painted whole, with a windowless child painted over them.
        TClassCase{"FrameworkGroupBox", FrameworkCycle<TSkinGroupBox, TGroupBox>([](TForm* F) {
                     auto* Box = Placed(F, new TGroupBox(F));
                     Box->SetCaption("group");
                     auto* Label = new TLabel(Box);
                     Label->SetParent(Box);
                     Label->SetBounds(10, 20, 40, 14);
                     return Box;
                   })},
        TClassCase{"FrameworkStatusBar", FrameworkCycle<TSkinStatusBar, TStatusBar>([](TForm* F) {
                     auto* Bar = new TStatusBar(F);
                     Bar->SetParent(F);
                     Bar->Panels()->Add()->SetWidth(100);
                     Bar->Panels()->Add()->SetStyle(psOwnerDraw);
                     auto* Label = new TLabel(Bar);
                     Label->SetParent(Bar);
                     Label->SetBounds(120, 2, 40, 14);
                     return Bar;
                   })}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ControlLeaks, APlantedLeakIsCaught) {
  TSkinnedForm Fixture;
  const TObjectCounts D = Delta(
      FrameworkCycle<TLeakyButton, TButton>([](TForm* F) { return Placed(F, new TButton(F)); }), Fixture);
  EXPECT_GE(D.Gdi, static_cast<DWORD>(kCycles));
}
