// Tab controls: tabs on each side (pictures and border turned with them), scroll arrows left to
// paint themselves, close boxes on tagged page controls (both sides of the switch, the form's answer,
// the selection moved before the page goes), button-style tabs, the tab set leaving out a tab that
// does not fit, and pages filled with the face colour.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/controls/SkinTabs.h"
#include "tests/skin/controls/CodedTabs.h"
#include "tests/skin/controls/ControlsTestUtil.h"

// The framework's own page controls, tab sets and sheets, where the framework has them.
#if __has_include("framework/win/controls/TabControls.h") && __has_include("framework/win/controls/TabSet.h")
#include "framework/win/controls/TabControls.h"
#include "framework/win/controls/TabSet.h"
#define HAVE_FRAMEWORK_TABS 1
#endif

using namespace ctltest;

namespace {

HWND BareTabs(HWND Parent, DWORD Style, int W, int H, int Count) {
  HWND Tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | Style, 20, 20,
                              W, H, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(Tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  for (int I = 0; I < Count; ++I) {
    std::wstring Text = L"Page " + std::to_wstring(I);
    TCITEMW Item{};
    Item.mask = TCIF_TEXT;
    Item.pszText = Text.data();
    SendMessageW(Tabs, TCM_INSERTITEMW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item));
  }
  return Tabs;
}

RECT TabRect(HWND Tabs, int Index) {
  RECT R{0, 0, 0, 0};
  SendMessageW(Tabs, TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R));
  return R;
}

void Redraw(HWND Wnd) {
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Tabs on every side

struct TSideCase {
  const char* Name;
  DWORD Style;
  // Inward unit vector from the tabs' outer edge towards the display area.
  int InX, InY;
};

class TabSides : public ::testing::TestWithParam<TSideCase> {};

TEST_P(TabSides, PicturesAndBorderTurnedWithTheTabs) {
  const TSideCase C = GetParam();
  TSkinnedForm Fixture;
  HWND Tabs = BareTabs(Fixture.Form()->Handle(), C.Style, 300, 240, 3);
  SendMessageW(Tabs, TCM_SETCURSEL, 0, 0);
  auto* Skin = new TSkinTab(&Fixture.Skin());
  Skin->Inithwnd(Tabs, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Tabs);

  for (int Index : {0, 1}) {
    const RECT R = TabRect(Tabs, Index);
    const int MidX = (R.left + R.right) / 2;
    const int MidY = (R.top + R.bottom) / 2;
    // The tab's outer band: 2 pixels inside the edge facing away from the display area, off the
    // caption.
    const int OuterX = C.InX > 0 ? R.left + 2 : C.InX < 0 ? R.right - 3 : R.left + 3;
    const int OuterY = C.InY > 0 ? R.top + 2 : C.InY < 0 ? R.bottom - 3 : R.top + 3;
    // A point of the tab's body, off the caption: near the tab's start along the strip.
    const int BodyX = C.InX != 0 ? MidX : R.left + 2;
    const int BodyY = C.InY != 0 ? MidY : R.top + 2;
    EXPECT_EQ(Pixel(Tabs, OuterX, OuterY), Rgb(coded::kTabOuter))
        << C.Name << " tab " << Index << " outer band";
    EXPECT_EQ(Pixel(Tabs, BodyX, BodyY), FrameColor(kTabStrip, Index == 0 ? 2 : 1))
        << C.Name << " tab " << Index << " body";
    const COLORREF Text = Rgb(Index == 0 ? coded::kTabTextSelected : coded::kTabText);
    EXPECT_GT(CountColor(Tabs, R, Text), 0) << C.Name << " tab " << Index << " caption";
  }

  // The border's top band lies along the tabs' side of the display area, the rest elsewhere.
  RECT Display{0, 0, 300, 240};
  SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
  InflateRect(&Display, 4, 4);
  const int CX = (Display.left + Display.right) / 2;
  const int CY = (Display.top + Display.bottom) / 2;
  const int NearX = C.InX > 0 ? Display.left + 3 : C.InX < 0 ? Display.right - 4 : CX;
  const int NearY = C.InY > 0 ? Display.top + 3 : C.InY < 0 ? Display.bottom - 4 : CY;
  const int FarX = C.InX > 0 ? Display.right - 2 : C.InX < 0 ? Display.left + 1 : CX;
  const int FarY = C.InY > 0 ? Display.bottom - 2 : C.InY < 0 ? Display.top + 1 : CY;
  EXPECT_EQ(Pixel(Tabs, NearX, NearY), Rgb(coded::kBorderTop)) << C.Name << " border on the tabs' side";
  EXPECT_EQ(Pixel(Tabs, FarX, FarY), Rgb(coded::kBorderEdge)) << C.Name << " border opposite";
  delete Skin;
  DestroyWindow(Tabs);
}

INSTANTIATE_TEST_SUITE_P(Table, TabSides,
                         ::testing::Values(TSideCase{"Top", 0, 0, 1}, TSideCase{"Bottom", TCS_BOTTOM, 0, -1},
                                           TSideCase{"Left", TCS_VERTICAL | TCS_MULTILINE, 1, 0},
                                           TSideCase{"Right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, -1,
                                                     0}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(TabSides, ThePanePictureWithStyle1) {
  TCodedSkin Options;
  Options.TabStyle = 1;
  TSkinnedForm Fixture(Options);
  HWND Tabs = BareTabs(Fixture.Form()->Handle(), 0, 300, 200, 2);
  auto* Skin = new TSkinTab(&Fixture.Skin());
  Skin->Inithwnd(Tabs, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Tabs);
  RECT Display{0, 0, 300, 200};
  SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
  EXPECT_EQ(Pixel(Tabs, Display.left - 3, (Display.top + Display.bottom) / 2), Rgb(coded::kPane));
  delete Skin;
  DestroyWindow(Tabs);
}

TEST(TabSides, ScrollArrowsAreNotPaintedOver) {
  TSkinnedForm Fixture;
  HWND Tabs = BareTabs(Fixture.Form()->Handle(), 0, 160, 120, 12);
  auto* Skin = new TSkinTab(&Fixture.Skin());
  Skin->Inithwnd(Tabs, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Tabs);
  HWND Arrows = FindWindowExW(Tabs, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(Arrows && IsWindowVisible(Arrows));
  EXPECT_TRUE(Skin->FindScroll());
  RECT A;
  GetWindowRect(Arrows, &A);
  MapWindowPoints(HWND_DESKTOP, Tabs, reinterpret_cast<POINT*>(&A), 2);
  for (const COLORREF Tab : {Rgb(coded::kTabOuter), Rgb(coded::kTabInner), FrameColor(kTabStrip, 1)})
    EXPECT_EQ(CountColor(Tabs, A, Tab), 0);
  // Left of the arrows the tabs are skinned.
  EXPECT_EQ(Pixel(Tabs, A.left - 3, TabRect(Tabs, 1).top + 3), Rgb(coded::kTabOuter));
  delete Skin;
  DestroyWindow(Tabs);
}

#ifdef HAVE_FRAMEWORK_TABS
// ---------------------------------------------------------------------------------------------------
// Close boxes

namespace {

// The form's window answers the close question with kAnswer and notes what it was asked.
LRESULT kAnswer = 0;
WPARAM AskedWnd = 0;
LPARAM AskedIndex = -1;
WNDPROC FormProc = nullptr;

LRESULT CALLBACK AnsweringProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SKIN_CLOSETAB) {
    AskedWnd = WParam;
    AskedIndex = LParam;
    return kAnswer;
  }
  return CallWindowProcW(FormProc, Wnd, Msg, WParam, LParam);
}

// A sheet that notes whether it was still the page control's active page when it was freed, counts
// the sheets freed, and may click a close box from its destructor.
bool FreedWhileActive = false;
int FreedSheets = 0;
class TWatchedSheet;
std::function<void(TWatchedSheet*)> ClickWhenFreed;
class TWatchedSheet : public TTabSheet {
 public:
  using TTabSheet::TTabSheet;
  ~TWatchedSheet() override {
    ++FreedSheets;
    if (PageControl() && PageControl()->ActivePage() == this) FreedWhileActive = true;
    if (ClickWhenFreed) ClickWhenFreed(this);
  }
};

struct TPagesCase {
  TSkinnedForm Fixture;
  TPageControl* Pages;
  TSkinTab* Skin;
  std::vector<TTabSheet*> Sheets;

  // The sheets are the form's, or SheetOwner's.
  TPagesCase(std::intptr_t Tag, bool MultiLine, TComponent* SheetOwner = nullptr) {
    Pages = new TPageControl(Fixture.Form());
    Pages->SetParent(Fixture.Form());
    Pages->SetBounds(20, 20, 320, 200);
    Pages->SetTag(Tag);
    Pages->SetMultiLine(MultiLine);
    for (const char* Caption : {"First page", "Second page", "Third page"}) {
      auto* Sheet = new TWatchedSheet(SheetOwner ? SheetOwner : Fixture.Form());
      Sheet->SetPageControl(Pages);
      Sheet->SetCaption(Caption);
      Sheets.push_back(Sheet);
    }
    Pages->SetActivePage(Sheets[0]);
    FreedWhileActive = false;
    Skin = new TSkinTab(Pages);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    FormProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(Fixture.Form()->Handle(), GWLP_WNDPROC,
                                                           reinterpret_cast<LONG_PTR>(&AnsweringProc)));
    AskedWnd = 0;
    AskedIndex = -1;
    Redraw(Pages->Handle());
  }
  ~TPagesCase() {
    SetWindowLongPtrW(Fixture.Form()->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FormProc));
  }
  // Where tab Index's close box is drawn (client coordinates of the tab control).
  POINT CloseBox(int Index) const {
    const RECT R = TabRect(Pages->Handle(), Index);
    return POINT{R.right - 5, R.top + 4};
  }
  bool Exists(TTabSheet* Sheet) const {
    for (int I = 0; I < Pages->PageCount(); ++I)
      if (Pages->Pages(I) == Sheet) return true;
    return false;
  }
};

}  // namespace

struct TCloseCase {
  const char* Name;
  std::intptr_t Tag;
  bool MultiLine;
  LRESULT Answer;
  int Click;        // the tab whose close box is clicked
  bool Boxes;       // close boxes shown
  int FreedSheet;   // the sheet freed, -1 for none
  int ActiveAfter;  // the sheet active afterwards
};

class CloseBoxes : public ::testing::TestWithParam<TCloseCase> {};

TEST_P(CloseBoxes, AClickFreesThePageWhenAllowed) {
  const TCloseCase C = GetParam();
  kAnswer = C.Answer;
  TPagesCase P(C.Tag, C.MultiLine);
  EXPECT_EQ(P.Skin->FCloseButtons, C.Boxes) << C.Name;
  HWND Wnd = P.Pages->Handle();
  const RECT R = TabRect(Wnd, C.Click);
  // The box's upper left corner, in the pen's black (the tab pictures lie 1 pixel lower than the tabs).
  EXPECT_EQ(Pixel(Wnd, R.right - 8, R.top + 3) == RGB(0, 0, 0), C.Boxes) << C.Name;

  const POINT At = P.CloseBox(C.Click);
  TTabSheet* Clicked = P.Sheets[static_cast<std::size_t>(C.Click)];
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At.x, At.y));
  SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(At.x, At.y));
  Pump();
  if (C.Boxes) {
    EXPECT_EQ(AskedWnd, reinterpret_cast<WPARAM>(Wnd)) << C.Name;
    EXPECT_EQ(AskedIndex, C.Click) << C.Name;
  } else {
    EXPECT_EQ(AskedIndex, -1) << C.Name;
  }
  EXPECT_EQ(P.Exists(Clicked), C.FreedSheet < 0) << C.Name;
  EXPECT_EQ(P.Pages->PageCount(), C.FreedSheet < 0 ? 3 : 2) << C.Name;
  EXPECT_EQ(P.Pages->ActivePage(), P.Sheets[static_cast<std::size_t>(C.ActiveAfter)]) << C.Name;
  // A page that was showing went only after the selection had moved off it.
  EXPECT_FALSE(FreedWhileActive) << C.Name;
  Redraw(Wnd);
  EXPECT_EQ(Pixel(Wnd, TabRect(Wnd, 0).left + 2, TabRect(Wnd, 0).top + 10),
            FrameColor(kTabStrip, P.Pages->ActivePage()->TabIndex() == 0 ? 2 : 1))
      << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, CloseBoxes,
                         ::testing::Values(TCloseCase{"FreesAnotherPage", 7777, false, 0, 1, true, 1, 0},
                                           TCloseCase{"FreesTheActivePageAfterMovingOn", 7777, false, 0, 0,
                                                      true, 0, 1},
                                           TCloseCase{"FreesTheLastPage", 7777, false, 0, 2, true, 2, 0},
                                           TCloseCase{"TheFormKeepsThePage", 7777, false, 1, 1, true, -1, 0},
                                           TCloseCase{"MultiLineHasNoBoxes", 7777, true, 0, 1, false, -1, 1},
                                           TCloseCase{"OtherTagsHaveNoBoxes", 0, false, 0, 1, false, -1, 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(CloseBoxes, TheActiveLastPageGivesWayToThePreviousOne) {
  kAnswer = 0;
  TPagesCase P(7777, false);
  P.Pages->SetActivePage(P.Sheets[2]);
  Redraw(P.Pages->Handle());
  const POINT At = P.CloseBox(2);
  SendMessageW(P.Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At.x, At.y));
  Pump();
  EXPECT_FALSE(P.Exists(P.Sheets[2]));
  EXPECT_EQ(P.Pages->ActivePage(), P.Sheets[1]);
  EXPECT_FALSE(FreedWhileActive);
}

// ---------------------------------------------------------------------------------------------------
// Close boxes of a page control whose pages are going away

namespace {

enum class TFreeing {
  PageControlFreed,  // each page, while the page control frees it, clicks a close box
  OwnerFreesPages,   // the first page the pages' owner frees clicks a close box
  QueuedBeforeFree,  // the clicks wait in the queue while the page control is freed
  ClosedPageClicks,  // a page freed by its close box clicks close boxes from its destructor
  ByTheAnswer,       // the form frees the page control when it is asked about the click
};

struct TFreedCase {
  const char* Name;
  TFreeing How;
  int Tab;    // the tab whose box is clicked; -1 for the freed page's own tab
  int Freed;  // pages freed by the time the queue is empty
  int Asked;  // times the form was asked
};

int AskedCount = 0;
// The page control that the answering window frees when it is asked (ByTheAnswer).
TPageControl* FreeWhenAsked = nullptr;

LRESULT CALLBACK FreeingProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SKIN_CLOSETAB) {
    ++AskedCount;
    AskedIndex = LParam;
    delete std::exchange(FreeWhenAsked, nullptr);
    return 0;
  }
  return CallWindowProcW(FormProc, Wnd, Msg, WParam, LParam);
}

void Click(HWND Wnd, POINT At, bool Post) {
  for (const auto& [Msg, Keys] : {std::pair<UINT, WPARAM>{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}}) {
    if (Post)
      PostMessageW(Wnd, Msg, Keys, MAKELPARAM(At.x, At.y));
    else
      SendMessageW(Wnd, Msg, Keys, MAKELPARAM(At.x, At.y));
  }
}

}  // namespace

class CloseBoxesOfPagesGoingAway : public ::testing::TestWithParam<TFreedCase> {};

TEST_P(CloseBoxesOfPagesGoingAway, OnlyAClickOnAWholePageControlAsksOrFrees) {
  const TFreedCase C = GetParam();
  kAnswer = 0;
  auto* SheetOwner = new TComponent(nullptr);
  TPagesCase P(7777, false, C.How == TFreeing::OwnerFreesPages ? SheetOwner : nullptr);
  ASSERT_TRUE(P.Skin->FCloseButtons) << C.Name;
  SetWindowLongPtrW(P.Fixture.Form()->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FreeingProc));
  HWND Wnd = P.Pages->Handle();
  std::vector<POINT> Boxes;
  for (int I = 0; I < 3; ++I) Boxes.push_back(P.CloseBox(I));
  const auto BoxFor = [&](TWatchedSheet* Sheet) {
    const auto Own = std::find(P.Sheets.begin(), P.Sheets.end(), Sheet) - P.Sheets.begin();
    return Boxes[static_cast<std::size_t>(C.Tab < 0 ? Own : C.Tab)];
  };
  FreedSheets = 0;
  AskedCount = 0;
  switch (C.How) {
    case TFreeing::PageControlFreed:
      ClickWhenFreed = [&](TWatchedSheet* Sheet) { Click(Wnd, BoxFor(Sheet), false); };
      delete P.Pages;
      break;
    case TFreeing::OwnerFreesPages:
      ClickWhenFreed = [&](TWatchedSheet* Sheet) {
        ClickWhenFreed = nullptr;
        Click(Wnd, BoxFor(Sheet), false);
      };
      delete std::exchange(SheetOwner, nullptr);
      break;
    case TFreeing::QueuedBeforeFree:
      Click(Wnd, Boxes[static_cast<std::size_t>(C.Tab)], true);
      delete P.Pages;
      break;
    case TFreeing::ClosedPageClicks:
      ClickWhenFreed = [&](TWatchedSheet* Sheet) {
        for (const POINT& At : Boxes) Click(Wnd, At, false);
        Click(Wnd, BoxFor(Sheet), false);
      };
      Click(Wnd, Boxes[1], false);
      break;
    case TFreeing::ByTheAnswer:
      FreeWhenAsked = P.Pages;
      Click(Wnd, Boxes[static_cast<std::size_t>(C.Tab)], false);
      break;
  }
  ClickWhenFreed = nullptr;
  Pump();
  EXPECT_EQ(FreedSheets, C.Freed) << C.Name;
  EXPECT_EQ(AskedCount, C.Asked) << C.Name;
  if (C.How == TFreeing::ClosedPageClicks) {
    EXPECT_EQ(P.Pages->PageCount(), 2) << C.Name;
    EXPECT_FALSE(P.Exists(P.Sheets[1])) << C.Name;
  } else if (C.How != TFreeing::OwnerFreesPages) {
    EXPECT_FALSE(IsWindow(Wnd)) << C.Name;
  }
  delete SheetOwner;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CloseBoxesOfPagesGoingAway,
    ::testing::Values(TFreedCase{"PageControlFreedPagesClickAnother", TFreeing::PageControlFreed, 0, 3, 0},
                      TFreedCase{"PageControlFreedPagesClickTheirOwn", TFreeing::PageControlFreed, -1, 3, 0},
                      TFreedCase{"OwnerFreesThePagesOneClicksAnother", TFreeing::OwnerFreesPages, 0, 3, 0},
                      TFreedCase{"OwnerFreesThePagesOneClicksItsOwn", TFreeing::OwnerFreesPages, -1, 3, 0},
                      TFreedCase{"QueuedClicks", TFreeing::QueuedBeforeFree, 1, 3, 0},
                      TFreedCase{"TheClosedPageClicksEveryBox", TFreeing::ClosedPageClicks, -1, 1, 1},
                      TFreedCase{"TheAnswerFreesThePageControl", TFreeing::ByTheAnswer, 1, 3, 1},
                      TFreedCase{"TheAnswerFreesItWhileTheActivePageIsClicked", TFreeing::ByTheAnswer, 0, 3,
                                 1}),
    [](const auto& Info) { return std::string(Info.param.Name); });

#endif  // HAVE_FRAMEWORK_TABS

// ---------------------------------------------------------------------------------------------------
// Button-style tabs, the tab set, pages

TEST(TabButtons, FacesFromTheButtonStrip) {
  TSkinnedForm Fixture;
  HWND Tabs = BareTabs(Fixture.Form()->Handle(), TCS_BUTTONS, 300, 160, 3);
  SendMessageW(Tabs, TCM_SETCURSEL, 1, 0);
  auto* Skin = new TSkinTabBtn(&Fixture.Skin());
  Skin->Inithwnd(Tabs, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Tabs);
  for (int I = 0; I < 3; ++I) {
    const RECT R = TabRect(Tabs, I);
    EXPECT_EQ(Pixel(Tabs, R.left + 2, R.top + 3), FrameColor(kButtonStrip, I == 1 ? 2 : 1)) << I;
  }
  delete Skin;
  DestroyWindow(Tabs);
}

#ifdef HAVE_FRAMEWORK_TABS
TEST(TabSets, ATabThatDoesNotFitWholeIsLeftOut) {
  TSkinnedForm Fixture;
  auto* Set = new TTabSet(Fixture.Form());
  Set->SetParent(Fixture.Form());
  Set->SetBounds(20, 20, 200, 24);
  Set->SetAutoScroll(false);
  for (const char* Text : {"One", "Two", "Three", "A rather long fourth tab"}) Set->Tabs()->Add(Text);
  Set->SetTabIndex(0);
  auto* Skin = new TSkinTab31(Set);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  Redraw(Set->Handle());
  HWND Wnd = Set->Handle();
  // From the start margin: the selected tab, then normal ones, then nothing but the face.
  const int Start = Set->StartMargin();
  EXPECT_EQ(Pixel(Wnd, Start + 1, 10), FrameColor(kTabStrip, 2));
  const COLORREF Normal = FrameColor(kTabStrip, 1);
  EXPECT_GT(CountColor(Wnd, RECT{Start, 8, 200, 12}, Normal), 0);
  // The mirrored picture: the outer band at the bottom.
  EXPECT_EQ(Pixel(Wnd, Start + 1, 22), Rgb(coded::kTabOuter));
  int LastTab = 0;
  for (int X = Start; X < 200; ++X)
    if (Pixel(Wnd, X, 10) == Normal) LastTab = X;
  EXPECT_GT(LastTab, Start);
  EXPECT_EQ(CountColor(Wnd, RECT{LastTab + 1, 0, 200, 24}, Normal), 0);
  EXPECT_EQ(Pixel(Wnd, 195, 10), kFace);
  delete Skin;
}

TEST(TabSheets, FilledWithTheFace) {
  TSkinnedForm Fixture;
  auto* Pages = new TPageControl(Fixture.Form());
  Pages->SetParent(Fixture.Form());
  Pages->SetBounds(20, 20, 300, 200);
  auto* Sheet = new TTabSheet(Fixture.Form());
  Sheet->SetPageControl(Pages);
  Sheet->SetCaption("Sheet");
  auto* Skin = new TSkinTabSheet(Sheet);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  Redraw(Sheet->Handle());
  EXPECT_EQ(Pixel(Sheet->Handle(), 5, 5), kFace);
  EXPECT_EQ(Pixel(Sheet->Handle(), Sheet->Width() - 3, Sheet->Height() - 3), kFace);
}
#endif  // HAVE_FRAMEWORK_TABS

// ---------------------------------------------------------------------------------------------------
// Page controls that take tab pictures as properties

namespace {

class TTestPictureTabs : public TWinControl {
  DECLARE_CLASS(TTestPictureTabs, TWinControl)

 public:
  explicit TTestPictureTabs(TComponent* AOwner)
      : TWinControl(AOwner), FNormal(std::make_unique<TBitmap>()), FActive(std::make_unique<TBitmap>()) {}
  static void Publish(TPublisher<TTestPictureTabs>& P) {
    P.Obj("TabBackGround", &TTestPictureTabs::Normal);
    P.Obj("TabBackGroundActive", &TTestPictureTabs::Active);
  }
  TBitmap* Normal() const { return FNormal.get(); }
  TBitmap* Active() const { return FActive.get(); }

 private:
  std::unique_ptr<TBitmap> FNormal;
  std::unique_ptr<TBitmap> FActive;
};

}  // namespace

struct TPictureCase {
  int Kind;
  bool Given;
};

class PictureTabs : public ::testing::TestWithParam<TPictureCase> {};

TEST_P(PictureTabs, TabPicturesGivenAndTakenBack) {
  const TPictureCase C = GetParam();
  TSkinnedForm Fixture;
  auto* Tabs = new TTestPictureTabs(Fixture.Form());
  Tabs->SetParent(Fixture.Form());
  Tabs->SetBounds(20, 20, 200, 100);
  auto* Skin = new TSkinAdvPage(Tabs);
  Skin->FKind = C.Kind;
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  ASSERT_EQ(!Tabs->Normal()->Empty(), C.Given);
  if (C.Given) {
    EXPECT_EQ(Tabs->Normal()->Width(), 100);
    EXPECT_EQ(Tabs->Normal()->Height(), 21);
    EXPECT_EQ(GetPixel(Tabs->Normal()->Canvas()->Handle(), 50, 10), FrameColor(kTabStrip, 1));
    EXPECT_EQ(GetPixel(Tabs->Active()->Canvas()->Handle(), 50, 10), FrameColor(kTabStrip, 2));
  }
  Skin->Unsubclass();
  EXPECT_TRUE(Tabs->Normal()->Empty());
  EXPECT_TRUE(Tabs->Active()->Empty());
  delete Skin;
}

INSTANTIATE_TEST_SUITE_P(Table, PictureTabs,
                         ::testing::Values(TPictureCase{4, true}, TPictureCase{1, false}));
