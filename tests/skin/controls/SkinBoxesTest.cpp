// Status bars, group boxes, bare dialog statics, tool bars and size boxes on real windows: panels
// with every bevel, the simple bar, texts, the size grip only with its style, owner-drawn panels left
// to their owner, the rounded group frame over the covered system frame and its caption 8 pixels in
// from either side, the face colour of bare statics, the tool bar's picture and gradient.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinStatusBars.h"
#include "skin/data/SkinData.h"
#include "tests/skin/controls/BoxesTestUtil.h"

using namespace ctltest;

namespace {

int Distance(COLORREF A, COLORREF B) {
  return std::abs(GetRValue(A) - GetRValue(B)) + std::abs(GetGValue(A) - GetGValue(B)) +
         std::abs(GetBValue(A) - GetBValue(B));
}

// Pixels of R (window coordinates) nearer to Ink than to Background: smoothed text counts too.
int InkPixels(HWND Wnd, const RECT& R, COLORREF Ink, COLORREF Background) {
  HDC DC = GetWindowDC(Wnd);
  int Count = 0;
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X) {
      const COLORREF P = GetPixel(DC, X, Y);
      if (Distance(P, Ink) < Distance(P, Background)) ++Count;
    }
  ReleaseDC(Wnd, DC);
  return Count;
}

// Dark text pixels (every channel below 90) in the rows Top..Bottom, first and last column.
std::pair<int, int> InkColumns(HWND Wnd, int Width, int Top, int Bottom) {
  HDC DC = GetWindowDC(Wnd);
  int First = -1, Last = -1;
  for (int X = 0; X < Width; ++X)
    for (int Y = Top; Y < Bottom; ++Y) {
      const COLORREF P = GetPixel(DC, X, Y);
      if (GetRValue(P) < 90 && GetGValue(P) < 90 && GetBValue(P) < 90) {
        if (First < 0) First = X;
        Last = X;
        break;
      }
    }
  ReleaseDC(Wnd, DC);
  return {First, Last};
}

RECT WindowSize(HWND Wnd) {
  RECT R;
  GetWindowRect(Wnd, &R);
  OffsetRect(&R, -R.left, -R.top);
  return R;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Status bars

namespace {

// A parent that records the draw-item requests of its children and paints each item red.
constexpr COLORREF kOwnerInk = RGB(230, 20, 20);
std::vector<DRAWITEMSTRUCT> gDrawItems;

LRESULT CALLBACK OwnerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DRAWITEM) {
    const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(LParam);
    gDrawItems.push_back(*Item);
    HBRUSH Brush = CreateSolidBrush(kOwnerInk);
    FillRect(Item->hDC, &Item->rcItem, Brush);
    DeleteObject(Brush);
    return TRUE;
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

HWND OwnerWindow(HWND Parent) {
  static const ATOM Class = [] {
    WNDCLASSW Wc{};
    Wc.lpfnWndProc = &OwnerProc;
    Wc.hInstance = GetModuleHandleW(nullptr);
    Wc.lpszClassName = L"BoxesTestOwner";
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterClassW(&Wc);
  }();
  (void)Class;
  return CreateWindowExW(0, L"BoxesTestOwner", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 200,
                         Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

struct TBar {
  std::unique_ptr<TSkinnedForm> Form;
  HWND Owner = nullptr;
  HWND Wnd = nullptr;
  TSkinStatusBar* Skin = nullptr;
  RECT Size{};

  TBar(bool Edges, bool Extra, DWORD Style) {
    Form = std::make_unique<TSkinnedForm>(BoxesSkin({.ComboStyle = -1, .Extra = Extra, .Status = Edges}));
    Owner = OwnerWindow(Form->Form()->Handle());
    Wnd = BareChild(Owner, STATUSCLASSNAMEW, Style | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 150, 400, 24);
  }
  void Attach() {
    Skin = new TSkinStatusBar(&Form->Skin());
    Skin->Inithwnd(Wnd, &Form->Data(), Form->Canvas(), &Form->Skin());
    Size = WindowSize(Wnd);
    gDrawItems.clear();
    Repaint(Wnd);
  }
  RECT Part(int Index) const {
    RECT R{};
    SendMessageW(Wnd, SB_GETRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R));
    return R;
  }
};

}  // namespace

struct TPanelCase {
  const char* Name;
  UINT Type;  // SBT_ bits of the part
  const wchar_t* Text;
  int Frame;  // of "StatusBarEdges"
};

class StatusPanels : public ::testing::TestWithParam<TPanelCase> {};

TEST_P(StatusPanels, EveryPanelGetsItsBevelFrameAndItsTextInTheSkinsColour) {
  const TPanelCase C = GetParam();
  TBar Bar(true, false, 0);
  const int Edges[3] = {120, 260, -1};
  SendMessageW(Bar.Wnd, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(Edges));
  // The part under test in the middle, plain parts around it.
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"left"));
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 1 | C.Type, reinterpret_cast<LPARAM>(C.Text));
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"right"));
  Bar.Attach();
  const RECT Middle = Bar.Part(1);
  EXPECT_EQ(Pixel(Bar.Wnd, Middle.left + 1, Middle.top + 1), FrameColor(kStatusStrip, C.Frame)) << C.Name;
  // Drawn 2 pixels wider than reported.
  EXPECT_EQ(Pixel(Bar.Wnd, Middle.right + 1, Middle.top + 1), FrameColor(kStatusStrip, C.Frame)) << C.Name;
  const int Ink = InkPixels(Bar.Wnd, Middle, kStatusText, FrameColor(kStatusStrip, C.Frame));
  if (*C.Text)
    EXPECT_GT(Ink, 5) << C.Name;
  else
    EXPECT_EQ(Ink, 0) << C.Name;
  // The neighbours keep the lowered frame; the last reaches the bar's right edge.
  EXPECT_EQ(Pixel(Bar.Wnd, 3, 3), FrameColor(kStatusStrip, 1)) << C.Name;
  EXPECT_EQ(Pixel(Bar.Wnd, Bar.Size.right - 1, 3), FrameColor(kStatusStrip, 1)) << C.Name;
  EXPECT_TRUE(gDrawItems.empty()) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, StatusPanels,
                         ::testing::Values(TPanelCase{"Lowered", 0, L"lowered", 1},
                                           TPanelCase{"Raised", SBT_POPOUT, L"raised", 2},
                                           TPanelCase{"NoBevel", SBT_NOBORDERS, L"flat", 3},
                                           TPanelCase{"EmptyText", 0, L"", 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct TSimpleCase {
  const char* Name;
  bool Edges;
  const wchar_t* Text;
};

class StatusSimple : public ::testing::TestWithParam<TSimpleCase> {};

TEST_P(StatusSimple, ASimpleBarIsOneLoweredPanelWithItsText) {
  const TSimpleCase C = GetParam();
  TBar Bar(C.Edges, false, 0);
  SendMessageW(Bar.Wnd, SB_SIMPLE, TRUE, 0);
  SendMessageW(Bar.Wnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(C.Text));
  Bar.Attach();
  const int W = Bar.Size.right;
  const int H = Bar.Size.bottom;
  if (C.Edges) {
    EXPECT_EQ(Pixel(Bar.Wnd, W / 2, 1), FrameColor(kStatusStrip, 1)) << C.Name;
    EXPECT_EQ(Pixel(Bar.Wnd, W - 1, H - 1), FrameColor(kStatusStrip, 1)) << C.Name;
    EXPECT_EQ(InkPixels(Bar.Wnd, Bar.Size, kStatusText, FrameColor(kStatusStrip, 1)) > 5, *C.Text != 0)
        << C.Name;
    return;
  }
  // Without the element: a one-pixel lowered frame on the face colour.
  TSkinData& Data = Bar.Form->Data();
  EXPECT_EQ(Pixel(Bar.Wnd, W / 2, 0), ColorToRGB(Data.Colors[csButtonShadow])) << C.Name;
  EXPECT_EQ(Pixel(Bar.Wnd, 0, H / 2), ColorToRGB(Data.Colors[csButtonShadow])) << C.Name;
  EXPECT_EQ(Pixel(Bar.Wnd, W / 2, H - 1), ColorToRGB(Data.Colors[csButtonHilight])) << C.Name;
  EXPECT_EQ(Pixel(Bar.Wnd, W - 1, H / 2), ColorToRGB(Data.Colors[csButtonHilight])) << C.Name;
  EXPECT_EQ(Pixel(Bar.Wnd, W - 40, H / 2), kFace) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, StatusSimple,
                         ::testing::Values(TSimpleCase{"WithText", true, L"simple text"},
                                           TSimpleCase{"Empty", true, L""},
                                           TSimpleCase{"DrawnWithoutTheElement", false, L"simple text"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct TGripCase {
  const char* Name;
  bool Style;
  bool Extra;
  bool Grip;
};

class StatusGrip : public ::testing::TestWithParam<TGripCase> {};

TEST_P(StatusGrip, TheSkinsGripOnlyWithTheSizeGripStyle) {
  const TGripCase C = GetParam();
  TBar Bar(true, C.Extra, C.Style ? SBARS_SIZEGRIP : 0);
  Bar.Attach();
  // Frame 5 of "ExtraImages", one frame wide, one pixel in from the right and bottom edges.
  const RECT Grip{Bar.Size.right - 1 - kExtraSize, Bar.Size.bottom - 1 - kExtraSize, Bar.Size.right - 1,
                  Bar.Size.bottom - 1};
  const int Count = CountColor(Bar.Wnd, Grip, FrameColor(kExtraStrip, 5));
  EXPECT_EQ(Count, C.Grip ? kExtraSize * kExtraSize : 0) << C.Name;
  EXPECT_NE(Pixel(Bar.Wnd, Bar.Size.right - 1, Bar.Size.bottom - 1), FrameColor(kExtraStrip, 5)) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, StatusGrip,
                         ::testing::Values(TGripCase{"StyleAndImage", true, true, true},
                                           TGripCase{"ImageWithoutStyle", false, true, false},
                                           TGripCase{"StyleWithoutImage", true, false, false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(StatusOwnerDraw, OnlyOwnerDrawnPanelsAreLeftToTheirOwnerInsideTheirRectangle) {
  TBar Bar(true, false, 0);
  const int Edges[3] = {120, 260, -1};
  SendMessageW(Bar.Wnd, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(Edges));
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"text"));
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 1 | SBT_OWNERDRAW, 0x1234);
  SendMessageW(Bar.Wnd, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"more"));
  Bar.Attach();
  ASSERT_FALSE(gDrawItems.empty());
  for (const DRAWITEMSTRUCT& Item : gDrawItems) {
    EXPECT_EQ(Item.itemID, 1u);
    EXPECT_EQ(Item.itemData, 0x1234u);
    EXPECT_EQ(Item.hwndItem, Bar.Wnd);
  }
  RECT Inside = Bar.Part(1);
  InflateRect(&Inside, -2, -2);
  EXPECT_TRUE(EqualRect(&gDrawItems.back().rcItem, &Inside));
  // The owner's ink inside the panel, the skinned bevel around it, the other panels untouched.
  EXPECT_EQ(Pixel(Bar.Wnd, Inside.left + 3, Inside.top + 3), kOwnerInk);
  EXPECT_EQ(Pixel(Bar.Wnd, Inside.left - 1, Inside.top - 1), FrameColor(kStatusStrip, 1));
  EXPECT_EQ(CountColor(Bar.Wnd, Bar.Part(0), kOwnerInk), 0);
  EXPECT_EQ(CountColor(Bar.Wnd, Bar.Part(2), kOwnerInk), 0);
  EXPECT_GT(InkPixels(Bar.Wnd, Bar.Part(2), kStatusText, FrameColor(kStatusStrip, 1)), 5);
}

// ---------------------------------------------------------------------------------------------------
// Group boxes

struct TGroupCase {
  const char* Name;
  DWORD ExStyle;
  bool RightAligned;
};

class BareGroupBox : public ::testing::TestWithParam<TGroupCase> {};

TEST_P(BareGroupBox, RoundedFrameOverTheCoveredSystemFrameAndTheCaptionEightPixelsIn) {
  const TGroupCase C = GetParam();
  TSkinnedForm F;
  HWND Wnd = BareChild(F.Form()->Handle(), L"BUTTON", BS_GROUPBOX, 20, 20, 220, 120, C.ExStyle, L"Group");
  SendMessageW(Wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  auto* Skin = new TSkinGroupBox(&F.Skin());
  Skin->Inithwnd(Wnd, &F.Data(), F.Canvas(), &F.Skin());
  Repaint(Wnd);
  const RECT Size = WindowSize(Wnd);
  const int W = Size.right;
  const int H = Size.bottom;
  // The rounded frame, one pixel in from the left, right and bottom edges.
  EXPECT_EQ(Pixel(Wnd, 1, H / 2), kShadow) << C.Name;
  EXPECT_EQ(Pixel(Wnd, W - 2, H / 2), kShadow) << C.Name;
  EXPECT_EQ(Pixel(Wnd, W / 2, H - 2), kShadow) << C.Name;
  EXPECT_NE(Pixel(Wnd, 1, H - 2), kShadow) << C.Name;  // a rounded corner
  // The system's etched frame is gone under the face colour.
  EXPECT_EQ(Pixel(Wnd, 0, H / 2), kFace) << C.Name;
  EXPECT_EQ(Pixel(Wnd, W / 2, H - 1), kFace) << C.Name;
  EXPECT_EQ(Pixel(Wnd, W - 1, H / 2), kFace) << C.Name;
  // The caption on the face colour, 8 pixels from its side.
  const std::pair<int, int> Ink = InkColumns(Wnd, W, 0, 14);
  ASSERT_GE(Ink.first, 0) << C.Name;
  if (C.RightAligned) {
    EXPECT_LE(Ink.second, W - 9) << C.Name;
    EXPECT_GE(Ink.second, W - 12) << C.Name;
  } else {
    EXPECT_GE(Ink.first, 8) << C.Name;
    EXPECT_LE(Ink.first, 10) << C.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BareGroupBox,
                         ::testing::Values(TGroupCase{"LeftCaption", 0, false},
                                           TGroupCase{"RightCaption", WS_EX_RIGHT, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------------------
// Bare dialog statics, size boxes, tool bars

TEST(BareStatic, ADialogInsideADialogAndItsStaticTakeTheFaceColour) {
  TSkinnedForm F;
  HWND Inner = BareChild(F.Form()->Handle(), L"#32770", WS_CLIPCHILDREN, 20, 20, 200, 100);
  HWND Label = BareChild(Inner, L"STATIC", SS_LEFT, 10, 10, 150, 30, 0, L"label");
  auto* Skin = new TSkinBoxH(&F.Skin());
  Skin->Inithwnd(Inner, &F.Data(), F.Canvas(), &F.Skin());
  Repaint(Inner);
  Repaint(Label);
  EXPECT_EQ(Pixel(Inner, 190, 90), kFace);
  EXPECT_EQ(Pixel(Label, 140, 25), kFace);
  EXPECT_GT(InkColumns(Label, 150, 0, 30).first, -1);  // the text itself is still there
  F.Unskin();
  Repaint(Inner);
  EXPECT_NE(Pixel(Inner, 190, 90), kFace);
}

TEST(BareSizeBox, FilledWithTheFaceColourAfterItPaints) {
  TSkinnedForm F;
  HWND Box = BareChild(F.Form()->Handle(), L"SCROLLBAR", SBS_SIZEBOX | SBS_SIZEGRIP, 100, 100, 20, 20);
  auto* Skin = new TSkinSizer(&F.Skin());
  Skin->Inithwnd(Box, &F.Data(), F.Canvas(), &F.Skin());
  Repaint(Box);
  EXPECT_EQ(CountColor(Box, RECT{0, 0, 20, 20}, kFace), 400);
}

struct TToolbarCase {
  const char* Name;
  bool Picture;  // the skin's tool-bar background, else the gradient
};

class ToolbarBackground : public ::testing::TestWithParam<TToolbarCase> {};

TEST_P(ToolbarBackground, ThePictureStretchedOrTheGradientFromFaceToCaption) {
  const TToolbarCase C = GetParam();
  TSkinnedForm F;
  if (C.Picture)
    F.Data().Toolbar = CodedElement("Toolbar", kStatusStrip, 1, 4, 4);
  else
    F.Data().Toolbar.reset();
  HWND Bar = BareChild(F.Form()->Handle(), TOOLBARCLASSNAMEW,
                       CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 10, 10, 300, 40);
  auto* Skin = new TSkinToolbar(&F.Skin());
  Skin->Inithwnd(Bar, &F.Data(), F.Canvas(), &F.Skin());
  Repaint(Bar);
  RECT Client;
  GetClientRect(Bar, &Client);
  const COLORREF Top = Pixel(Bar, 150, 0);
  const COLORREF Bottom = Pixel(Bar, 150, Client.bottom - 1);
  if (C.Picture) {
    EXPECT_EQ(Top, FrameColor(kStatusStrip, 1)) << C.Name;
    EXPECT_EQ(Bottom, FrameColor(kStatusStrip, 1)) << C.Name;
    return;
  }
  EXPECT_TRUE(testsupport::NearColor(Top, ColorToRGB(Skin->FGradFrom), 8))
      << C.Name << " " << std::hex << Top;
  EXPECT_TRUE(testsupport::NearColor(Bottom, ColorToRGB(Skin->FGradTo), 8))
      << C.Name << " " << std::hex << Bottom;
  EXPECT_EQ(Pixel(Bar, 10, Client.bottom / 2), Pixel(Bar, 290, Client.bottom / 2))
      << C.Name;  // rows are even
}

INSTANTIATE_TEST_SUITE_P(Table, ToolbarBackground,
                         ::testing::Values(TToolbarCase{"Picture", true}, TToolbarCase{"Gradient", false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });
