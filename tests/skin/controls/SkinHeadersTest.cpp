// Header controls (items and the part right of them from "Headerbar", captions aligned as the items
// ask, the hot item following the mouse with one repaint per change) and list views (skinned bars and
// a skinned header that go with the list view's skin object).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/win/controls/Controls.h"
#include "skin/controls/SkinHeaders.h"
#include "tests/skin/controls/CodedTabs.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestListControls.h"

using namespace ctltest;

namespace {

constexpr int kItemW = 80;

void AddItem(HWND Header, int Index, const wchar_t* Text, int Format) {
  HDITEMW Item{};
  Item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
  Item.pszText = const_cast<wchar_t*>(Text);
  Item.cxy = kItemW;
  Item.fmt = Format | HDF_STRING;
  SendMessageW(Header, HDM_INSERTITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item));
}

// A header counting its skinned paints.
class TCountingHeader : public TSkinHeader {
 public:
  using TSkinHeader::TSkinHeader;
  int Paints = 0;
  void DrawControl(HDC DC, const RECT& Rect) override {
    ++Paints;
    TSkinHeader::DrawControl(DC, Rect);
  }
};

// A header of three items (left, centred and right-aligned captions) 300 x 24 at (20, 20).
struct THeaderCase {
  TSkinnedForm Fixture;
  HWND Header;
  TCountingHeader* Skin = nullptr;
  explicit THeaderCase(bool WithPicture = true) {
    if (!WithPicture) Fixture.Data().Headerbar.reset();
    Header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_HORZ, 20, 20, 300, 24,
                             Fixture.Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(Header, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    AddItem(Header, 0, L"One", HDF_LEFT);
    AddItem(Header, 1, L"Two", HDF_CENTER);
    AddItem(Header, 2, L"Three", HDF_RIGHT);
  }
  void Attach() {
    Skin = new TCountingHeader(&Fixture.Skin());
    Skin->Inithwnd(Header, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
    RedrawWindow(Header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  ~THeaderCase() {
    delete Skin;
    DestroyWindow(Header);
  }
};

// First and last column of R whose pixels are not all Background (-1 when none).
std::pair<int, int> InkColumns(HWND Wnd, const RECT& R, COLORREF Background) {
  int First = -1, Last = -1;
  for (int X = R.left; X < R.right; ++X)
    for (int Y = R.top; Y < R.bottom; ++Y)
      if (Pixel(Wnd, X, Y) != Background) {
        if (First < 0) First = X;
        Last = X;
        break;
      }
  return {First, Last};
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Header pictures and captions

struct TAlignCase {
  int Item;
  // Where the caption's ink lies within the item: its left edge at most MaxLeft from the item's left,
  // its right edge at most MaxRight from the item's right.
  int MaxLeft, MaxRight;
  bool Centred;
};

class HeaderCaptions : public ::testing::TestWithParam<TAlignCase> {};

TEST_P(HeaderCaptions, ItemsFromTheSkinCaptionsAlignedAsAsked) {
  const TAlignCase C = GetParam();
  THeaderCase H;
  H.Attach();
  const COLORREF Normal = FrameColor(kHeaderStrip, 1);
  const int Left = C.Item * kItemW;
  EXPECT_EQ(Pixel(H.Header, Left + 2, 1), Normal);
  EXPECT_EQ(Pixel(H.Header, Left + kItemW - 2, 22), Normal);
  // Right of the last item: the normal frame too.
  EXPECT_EQ(Pixel(H.Header, 3 * kItemW + 5, 12), Normal);
  EXPECT_EQ(Pixel(H.Header, 299, 12), Normal);
  const auto [First, Last] = InkColumns(H.Header, RECT{Left, 4, Left + kItemW, 20}, Normal);
  ASSERT_GE(First, 0) << "no caption on item " << C.Item;
  EXPECT_LE(First - Left, C.MaxLeft) << C.Item;
  EXPECT_LE(Left + kItemW - 1 - Last, C.MaxRight) << C.Item;
  if (C.Centred) {
    EXPECT_LE(std::abs((First - Left) - (Left + kItemW - 1 - Last)), 3) << C.Item;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, HeaderCaptions,
                         ::testing::Values(TAlignCase{0, 6, kItemW, false},
                                           TAlignCase{1, kItemW, kItemW, true},
                                           TAlignCase{2, kItemW, 6, false}));

TEST(HeaderCaptions, WithoutThePictureTheHeaderPaintsItself) {
  THeaderCase H(false);
  H.Attach();
  // Paint over it by hand: the header's own paint has to cover that.
  HDC DC = GetWindowDC(H.Header);
  TGdiBrush Brush(CreateSolidBrush(RGB(255, 0, 255)));
  RECT All{0, 0, 300, 24};
  FillRect(DC, &All, Brush.Get());
  ReleaseDC(H.Header, DC);
  RedrawWindow(H.Header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountColor(H.Header, RECT{0, 0, 300, 24}, RGB(255, 0, 255)), 0);
}

// ---------------------------------------------------------------------------------------------------
// Hot item

struct THotStep {
  int X;          // a mouse move to (X, 12); -1 for the mouse leaving
  int Hot;        // the hot item afterwards
  int NewPaints;  // skinned paints the step caused
};

class HeaderHotItem : public ::testing::TestWithParam<std::vector<THotStep>> {};

TEST_P(HeaderHotItem, RepaintsOncePerChangeAndClearsOnLeave) {
  THeaderCase H;
  H.Attach();
  for (const THotStep& Step : GetParam()) {
    const int Before = H.Skin->Paints;
    if (Step.X < 0)
      SendMessageW(H.Header, WM_MOUSELEAVE, 0, 0);
    else
      SendMessageW(H.Header, WM_MOUSEMOVE, 0, MAKELPARAM(Step.X, 12));
    EXPECT_EQ(H.Skin->FHotItem, Step.Hot) << "at " << Step.X;
    EXPECT_EQ(H.Skin->Paints - Before, Step.NewPaints) << "at " << Step.X;
    // The hot item shows frame 2, the others frame 1.
    for (int I = 0; I < 3; ++I)
      EXPECT_EQ(Pixel(H.Header, I * kItemW + 2, 1), FrameColor(kHeaderStrip, I == Step.Hot ? 2 : 1))
          << "item " << I << " after the step to " << Step.X;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, HeaderHotItem,
                         ::testing::Values(
                             // Along the items, over a divider (which belongs to none) and back; then out.
                             std::vector<THotStep>{{10, 0, 1},
                                                   {40, 0, 0},
                                                   {79, 0, 0},
                                                   {100, 1, 1},
                                                   {120, 1, 0},
                                                   {200, 2, 1},
                                                   {230, 2, 0},
                                                   {10, 0, 1},
                                                   {-1, -1, 1}},
                             // Right of the last item nothing becomes hot.
                             std::vector<THotStep>{{280, -1, 0}, {170, 2, 1}, {-1, -1, 1}, {-1, -1, 1}}));

// ---------------------------------------------------------------------------------------------------
// List views

TEST(ListViews, BarsAndHeaderSkinnedAndGivenBack) {
  TSkinnedForm Fixture;
  auto* List = new TTestListView(Fixture.Form());
  List->SetParent(Fixture.Form());
  List->SetBounds(20, 20, 240, 160);
  List->Fill(3, 120, 40);
  HWND Wnd = List->Handle();
  HWND Header = reinterpret_cast<HWND>(SendMessageW(Wnd, LVM_GETHEADER, 0, 0));
  ASSERT_TRUE(Header);
  const LONG_PTR HeaderProc = GetWindowLongPtrW(Header, GWLP_WNDPROC);

  auto* Skin = new TSkinListView(List);
  Skin->InitScrollbar(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  ASSERT_TRUE(Skin->FHeader);
  EXPECT_EQ(Skin->FHeader->FHandle, Header);
  RedrawWindow(Wnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
  EXPECT_EQ(Pixel(Header, 2, 1), FrameColor(kHeaderStrip, 1));
  ASSERT_TRUE(Skin->FVertBar && Skin->FVertBar->FShown);
  ASSERT_TRUE(Skin->FHorzBar && Skin->FHorzBar->FShown);
  EXPECT_EQ(Pixel(Skin->FVertBar->WindowHandle(), 8, 8), FrameColor(kScrollStrip, 9));

  // The header's procedure goes back with the list view's skin object.
  delete Skin;
  EXPECT_EQ(GetWindowLongPtrW(Header, GWLP_WNDPROC), HeaderProc);
  delete List;
}

TEST(ListViews, AListViewDestroyedFirstLeavesNothingBehind) {
  TSkinnedForm Fixture;
  auto* List = new TTestListView(Fixture.Form());
  List->SetParent(Fixture.Form());
  List->SetBounds(20, 20, 240, 160);
  auto* Skin = new TSkinListView(List);
  Skin->InitScrollbar(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  ASSERT_TRUE(Skin->FHeader);
  DestroyWindow(List->Handle());
  EXPECT_EQ(Skin->FHeader->FStatus, kControlDestroyed);
  delete Skin;
  delete List;
}
