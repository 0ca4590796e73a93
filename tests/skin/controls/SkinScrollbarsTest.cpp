// Scroll bars: the bar image with every part hot and pressed, short bars and short thumbs, overlays on
// bare windows, framework controls and scroll-bar controls, and the combo list's thumb drag.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/SkinScrollbars.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestScrollControls.h"

using namespace ctltest;

namespace {

constexpr int kArrow = 17;

struct TCodedData {
  TSkinData Data{nullptr};
  TCodedData() {
    TCodedSkin Options;
    Options.ScrollSize = kArrow;
    LoadCodedSkin(Data, Options);
  }
};

COLORREF At(TBitmap& Image, bool Vertical, int Along, int Across) {
  return GetPixel(Image.Canvas()->Handle(), Vertical ? Across : Along, Vertical ? Along : Across);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// The bar image

struct TPartsCase {
  const char* Name;
  bool Vertical;
  int Hot;
  bool Pressed;
  bool Enabled;
  int FirstArrow, SecondArrow, TrackFrame, ThumbFrame, GripFrame;  // 0: shows the track there
};

class ScrollBarParts : public ::testing::TestWithParam<TPartsCase> {};

TEST_P(ScrollBarParts, EveryPartHotAndPressed) {
  const TPartsCase C = GetParam();
  TCodedData Coded;
  TScrollBarLook Look;
  Look.Vertical = C.Vertical;
  Look.Enabled = C.Enabled;
  Look.Length = 200;
  Look.Cross = kArrow;
  Look.Thickness = ScrollBarThickness(&Coded.Data, kArrow);
  Look.ArrowSize = kArrow;
  Look.ThumbStart = 60;
  Look.ThumbEnd = 100;  // grip of 17 centred: 71 .. 88
  Look.HotPart = C.Hot;
  Look.Pressed = C.Pressed;
  auto Image = PaintScrollBarImage(&Coded.Data, Look);
  ASSERT_TRUE(Image);
  const TStrip Track = C.Vertical ? kVTrackStrip : kHTrackStrip;
  const TStrip Thumb = C.Vertical ? kVThumbStrip : kHThumbStrip;
  EXPECT_EQ(At(*Image, C.Vertical, 8, 8), FrameColor(kScrollStrip, C.FirstArrow)) << C.Name;
  EXPECT_EQ(At(*Image, C.Vertical, 191, 8), FrameColor(kScrollStrip, C.SecondArrow)) << C.Name;
  EXPECT_EQ(At(*Image, C.Vertical, 30, 8), FrameColor(Track, C.TrackFrame)) << C.Name;
  EXPECT_EQ(At(*Image, C.Vertical, 62, 8),
            C.ThumbFrame ? FrameColor(Thumb, C.ThumbFrame) : FrameColor(Track, C.TrackFrame))
      << C.Name;
  EXPECT_EQ(At(*Image, C.Vertical, 79, 8),
            C.GripFrame ? FrameColor(kScrollStrip, C.GripFrame) : FrameColor(Track, C.TrackFrame))
      << C.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollBarParts,
    ::testing::Values(TPartsCase{"Rest", false, -1, false, true, 1, 5, 1, 1, 17},
                      TPartsCase{"FirstHot", false, 0, false, true, 4, 5, 1, 1, 17},
                      TPartsCase{"FirstPressed", false, 0, true, true, 2, 5, 1, 1, 17},
                      TPartsCase{"SecondHot", false, 1, false, true, 1, 8, 1, 1, 17},
                      TPartsCase{"SecondPressed", false, 1, true, true, 1, 6, 1, 1, 17},
                      TPartsCase{"TrackPressed", false, 2, true, true, 1, 5, 1, 1, 17},
                      TPartsCase{"ThumbHot", false, 5, false, true, 1, 5, 1, 3, 19},
                      TPartsCase{"ThumbPressed", false, 5, true, true, 1, 5, 1, 2, 18},
                      TPartsCase{"Disabled", false, 5, true, false, 1, 5, 3, 0, 0},
                      TPartsCase{"VerticalRest", true, -1, false, true, 9, 13, 1, 1, 20},
                      TPartsCase{"VerticalUpPressed", true, 0, true, true, 10, 13, 1, 1, 20},
                      TPartsCase{"VerticalDownHot", true, 1, false, true, 9, 16, 1, 1, 20},
                      TPartsCase{"VerticalThumbHot", true, 5, false, true, 9, 13, 1, 3, 22},
                      TPartsCase{"VerticalThumbPressed", true, 5, true, true, 9, 13, 1, 2, 21}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ScrollBarParts, ABarShorterThanTwoArrowsDrawsTwoHalfArrowsAndNoTrack) {
  TCodedData Coded;
  TScrollBarLook Look;
  Look.Length = 20;
  Look.Cross = kArrow;
  Look.Thickness = kArrow;
  Look.ArrowSize = kArrow;
  auto Image = PaintScrollBarImage(&Coded.Data, Look);
  ASSERT_TRUE(Image);
  for (int X = 0; X < 10; ++X) EXPECT_EQ(At(*Image, false, X, 8), FrameColor(kScrollStrip, 1)) << X;
  for (int X = 10; X < 20; ++X) EXPECT_EQ(At(*Image, false, X, 8), FrameColor(kScrollStrip, 5)) << X;
}

TEST(ScrollBarParts, AThumbTooShortForItsGripShowsNone) {
  TCodedData Coded;
  struct TRow {
    int Length;
    bool Grip;
  };
  for (const TRow Row : {TRow{18, false}, TRow{19, true}, TRow{40, true}}) {
    TScrollBarLook Look;
    Look.Length = 200;
    Look.Cross = kArrow;
    Look.Thickness = kArrow;
    Look.ArrowSize = kArrow;
    Look.ThumbStart = 50;
    Look.ThumbEnd = 50 + Row.Length;
    auto Image = PaintScrollBarImage(&Coded.Data, Look);
    ASSERT_TRUE(Image);
    const COLORREF Middle = At(*Image, false, 50 + Row.Length / 2, 8);
    EXPECT_EQ(Middle, Row.Grip ? FrameColor(kScrollStrip, 17) : FrameColor(kHThumbStrip, 1)) << Row.Length;
  }
}

TEST(ScrollBarParts, TheSkinsThicknessLeavesTheRestOfAThickerBarInTheFace) {
  TCodedData Coded;
  TScrollBarLook Look;
  Look.Length = 200;
  Look.Cross = kArrow + 4;
  Look.Thickness = ScrollBarThickness(&Coded.Data, kArrow);
  Look.ArrowSize = kArrow;
  auto Image = PaintScrollBarImage(&Coded.Data, Look);
  ASSERT_TRUE(Image);
  EXPECT_EQ(At(*Image, false, 8, kArrow - 1), FrameColor(kScrollStrip, 1));
  EXPECT_EQ(At(*Image, false, 8, kArrow + 2), kFace);
  // A strip more than 2 pixels off the system's arrow size is drawn at the arrow size.
  EXPECT_EQ(ScrollBarThickness(&Coded.Data, kArrow + 3), kArrow + 3);
  EXPECT_EQ(ScrollBarThickness(&Coded.Data, kArrow + 2), kArrow);
}

// ---------------------------------------------------------------------------------------------------
// Overlays

namespace {

HWND MakeEdit(HWND Parent, int Lines) {
  HWND Wnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                             20, 20, 200, 150, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  std::wstring Text;
  for (int I = 0; I < Lines; ++I) Text += L"line " + std::to_wstring(I) + L"\r\n";
  SetWindowTextW(Wnd, Text.c_str());
  return Wnd;
}

RECT BarRect(HWND Wnd, LONG Object) {
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  GetScrollBarInfo(Wnd, Object, &Info);
  return Info.rcScrollBar;
}

}  // namespace

TEST(ScrollOverlays, ABareWindowsBarsAreCoveredAndMirrorTheScrollCodes) {
  TSkinnedForm Fixture;
  HWND Edit = MakeEdit(Fixture.Form()->Handle(), 60);
  const LONG_PTR Proc = GetWindowLongPtrW(Edit, GWLP_WNDPROC);
  auto* Skin = new TSkinScrollbarH(&Fixture.Skin());
  Skin->Inithwnd(Edit, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  TWScrollbar* Bar = Skin->FVertBar.get();
  ASSERT_TRUE(Bar && Bar->FShown);
  RECT Overlay;
  GetWindowRect(Bar->WindowHandle(), &Overlay);
  const RECT System = BarRect(Edit, OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&Overlay, &System));
  HWND O = Bar->WindowHandle();
  const int Bottom = System.bottom - System.top - 8;
  EXPECT_EQ(Pixel(O, 8, 8), FrameColor(kScrollStrip, 9));
  EXPECT_EQ(Pixel(O, 8, Bottom), FrameColor(kScrollStrip, 13));

  struct TStep {
    WPARAM Code;
    bool Pressed;
    int Down;
  };
  for (const TStep Step : {TStep{SB_LINEDOWN, false, 16}, TStep{SB_LINEDOWN, true, 14},
                           TStep{SB_ENDSCROLL, true, 13}, TStep{SB_LINEUP, false, 13}}) {
    Bar->FPressed = Step.Pressed;
    SendMessageW(Edit, WM_VSCROLL, Step.Code, 0);
    Bar->Repaint();
    EXPECT_EQ(Pixel(O, 8, Bottom), FrameColor(kScrollStrip, Step.Down)) << Step.Code << Step.Pressed;
  }
  Bar->FPressed = false;

  ShowWindow(Edit, SW_HIDE);
  SendMessageW(Edit, WM_SIZE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(O));
  EXPECT_FALSE(Skin->FHorzBar->FShown);
  delete Skin;
  // Hooked and given back through the 8-bit calls: the same procedure, a Unicode window again.
  EXPECT_EQ(GetWindowLongPtrW(Edit, GWLP_WNDPROC), Proc);
  EXPECT_TRUE(IsWindowUnicode(Edit));
  DestroyWindow(Edit);
}

TEST(ScrollOverlays, AFrameworkControlGetsItsBorderAndOverlaysThatFollowIt) {
  TSkinnedForm Fixture;
  auto* Memo = new TTestMemo(Fixture.Form());
  Memo->SetParent(Fixture.Form());
  Memo->SetBounds(20, 20, 200, 150);
  std::string Text;
  for (int I = 0; I < 60; ++I) Text += "a rather long line of the memo, number " + std::to_string(I) + "\r\n";
  Memo->SetText(Text);
  auto* Skin = new TSkinScrollbar(Memo);
  Skin->InitScrollbar(Memo, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  EXPECT_TRUE(Skin->FDrawBorder);
  RedrawWindow(Memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Pixel(Memo->Handle(), 0, 0), RGB(150, 155, 160));
  EXPECT_EQ(Pixel(Memo->Handle(), 1, 1), kFace);
  ASSERT_TRUE(Skin->FVertBar->FShown);
  ASSERT_TRUE(Skin->FHorzBar->FShown);
  // The corner between both bars is the face.
  const RECT V = Skin->FVertBar->FBarRect;
  const RECT H = Skin->FHorzBar->FBarRect;
  EXPECT_EQ(Pixel(Memo->Handle(), V.left + 4, H.top + 4), kFace);

  Memo->Hide();
  EXPECT_FALSE(Skin->FVertBar->FShown);
  Memo->Show();
  EXPECT_TRUE(Skin->FVertBar->FShown);
  Memo->SetBounds(30, 30, 220, 160);
  Pump();
  RECT Overlay;
  GetWindowRect(Skin->FVertBar->WindowHandle(), &Overlay);
  const RECT System = BarRect(Memo->Handle(), OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&Overlay, &System));

  // The window goes first: the overlays do not stay behind over nothing.
  HWND Overlay2 = Skin->FVertBar->WindowHandle();
  DestroyWindow(Memo->Handle());
  EXPECT_EQ(Skin->FStatus, kControlDestroyed);
  EXPECT_FALSE(IsWindowVisible(Overlay2));
}

TEST(ScrollOverlays, AScrollBarControlWithNoRangeStillPaintsItsThumbAtTheStart) {
  TSkinnedForm Fixture;
  struct TRow {
    int Max;
    int Position;
    int ThumbAt;  // a column inside the thumb
  };
  const int A = GetSystemMetrics(SM_CXHSCROLL);
  for (const TRow Row :
       {TRow{0, 0, A + 3}, TRow{100, 0, A + 3}, TRow{100, 50, A + MulDiv(200 - 3 * A, 50, 100) + 3}}) {
    auto* Bar = new TTestScrollBar(Fixture.Form());
    Bar->SetParent(Fixture.Form());
    Bar->SetBounds(20, 200, 200, A);
    Bar->SetRange(0, Row.Max, 0, Row.Position);
    auto* Skin = new TSkinScControl(Bar);
    Skin->InitScrollbar(Bar, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
    Pump();
    ASSERT_TRUE(Skin->FBar->FShown);
    HWND O = Skin->FBar->WindowHandle();
    EXPECT_EQ(Pixel(O, Row.ThumbAt, A / 2), FrameColor(kHThumbStrip, 1)) << Row.Max << "/" << Row.Position;
    EXPECT_EQ(Pixel(O, 3, A / 2), FrameColor(kScrollStrip, 1));
    delete Bar;
  }
}

// ---------------------------------------------------------------------------------------------------
// The combo list's drag

struct TDragCase {
  int Min, Max, Page, Offset, Expected;
};

class ComboDrag : public ::testing::TestWithParam<TDragCase> {};

TEST_P(ComboDrag, PositionForTheThumbOffset) {
  const TDragCase C = GetParam();
  SCROLLINFO Info{};
  Info.nMin = C.Min;
  Info.nMax = C.Max;
  Info.nPage = static_cast<UINT>(C.Page);
  EXPECT_EQ(TComboxScrollBar::DragPosition(C.Offset, 100, 10, Info), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ComboDrag,
                         ::testing::Values(TDragCase{0, 99, 10, 0, 0}, TDragCase{0, 99, 10, 45, 45},
                                           TDragCase{0, 99, 10, 90, 90},   // the track's end: Max - Page + 1
                                           TDragCase{0, 99, 10, 150, 90},  // beyond it
                                           TDragCase{0, 99, 10, -5, 0},    // before the start
                                           TDragCase{0, 50, 0, 50, 25},    // no page: over the whole track
                                           TDragCase{0, 50, 0, 200, 45},   // at most the track less the thumb
                                           TDragCase{10, 60, 0, 0, 10}));  // never below Min

namespace {

// A window that takes the mouse capture when told to, and moves the cursor.
struct TCaptureThief {
  static inline HWND List = nullptr;
  HWND Handle;
  TCaptureThief() {
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSW Class{};
      Class.lpfnWndProc = &Proc;
      Class.hInstance = GetModuleHandleW(nullptr);
      Class.lpszClassName = L"ControlsCaptureThief";
      RegisterClassW(&Class);
      Registered = true;
    }
    Handle = CreateWindowExW(0, L"ControlsCaptureThief", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~TCaptureThief() { DestroyWindow(Handle); }
  static LRESULT CALLBACK Proc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) {
    if (M == WM_USER + 1) SetCapture(W);
    if (M == WM_USER + 2) {
      POINT P;
      GetCursorPos(&P);
      SetCursorPos(P.x, P.y + static_cast<int>(Wp));
      PostMessageW(List, WM_MOUSEMOVE, 0, 0);
      PostMessageW(List, WM_LBUTTONUP, 0, 0);
    }
    return DefWindowProcW(W, M, Wp, Lp);
  }
};

}  // namespace

TEST(ComboDrag, TheDragLoopWaitsForMessagesAndEndsOnReleaseOrWhenTheCaptureIsLost) {
  TSkinnedForm Fixture;
  HWND Combo =
      CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 20, 20, 160,
                      200, Fixture.Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int I = 0; I < 60; ++I) SendMessageW(Combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
  SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof Info;
  ASSERT_TRUE(GetComboBoxInfo(Combo, &Info));
  HWND List = Info.hwndList;
  auto* Skin = new TComboxScrollBar(&Fixture.Skin());
  Skin->Inithwnd(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  TCaptureThief Thief;
  TCaptureThief::List = List;

  auto PressThumb = [&] {
    SCROLLBARINFO Bar{};
    Bar.cbSize = sizeof Bar;
    GetScrollBarInfo(List, OBJID_VSCROLL, &Bar);
    const POINT P{(Bar.rcScrollBar.left + Bar.rcScrollBar.right) / 2,
                  Bar.rcScrollBar.top + Bar.xyThumbTop + 2};
    SetCursorPos(P.x, P.y);
    return SendMessageW(List, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(P.x, P.y));
  };
  // Lost capture: the loop ends at once, nothing scrolled.
  PostMessageW(Thief.Handle, WM_USER + 1, 0, 0);
  const DWORD Start = GetTickCount();
  PressThumb();
  EXPECT_LT(GetTickCount() - Start, 5000u);
  EXPECT_EQ(SendMessageW(List, LB_GETTOPINDEX, 0, 0), 0);
  // A drag down and a release: the list follows the thumb.
  PostMessageW(Thief.Handle, WM_USER + 2, 40, 0);
  PressThumb();
  Pump();
  EXPECT_GT(SendMessageW(List, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_NE(GetCapture(), List);
  SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
  DestroyWindow(Combo);
}
