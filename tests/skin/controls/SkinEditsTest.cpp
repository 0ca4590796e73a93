// Edits and spin buttons on real windows: the flat border (and none without a border), the border
// for printing, painting into a given DC, a spin button inside an edit keeping off the edit's border,
// and the spin button's frames from the skin and drawn without it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/win/controls/StdCtrls.h"
#include "skin/controls/SkinEdits.h"
#include "tests/skin/controls/BoxesTestUtil.h"

using namespace ctltest;

namespace {

constexpr int kEditW = 140;
constexpr int kEditH = 26;

struct TEditCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  bool Framework;  // a framework edit (its own style: a client edge)
  bool Bordered;
};

HWND MakeEdit(TSkinnedForm& F, const TEditCase& C, TSkinEdit*& Skin) {
  if (C.Framework) {
    auto* Edit = new TEdit(F.Form());
    Edit->SetParent(F.Form());
    Edit->SetBounds(20, 20, kEditW, kEditH);
    Skin = new TSkinEdit(Edit);
    Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), false);
    return Edit->Handle();
  }
  HWND Wnd = BareChild(F.Form()->Handle(), L"EDIT", C.Style, 20, 20, kEditW, kEditH, C.ExStyle, L"text");
  Skin = new TSkinEdit(&F.Skin());
  Skin->Inithwnd(Wnd, &F.Data(), F.Canvas(), &F.Skin());
  return Wnd;
}

}  // namespace

class EditBorder : public ::testing::TestWithParam<TEditCase> {};

TEST_P(EditBorder, ThreeFramesOverABorderAndNothingWithoutOne) {
  const TEditCase C = GetParam();
  TSkinnedForm F;
  TSkinEdit* Skin = nullptr;
  HWND Wnd = MakeEdit(F, C, Skin);
  Skin->FActive = false;
  Repaint(Wnd);
  const COLORREF Native[3] = {Pixel(Wnd, 0, kEditH / 2), Pixel(Wnd, 1, kEditH / 2),
                              Pixel(Wnd, 2, kEditH / 2)};
  Skin->FActive = true;
  Repaint(Wnd);
  const COLORREF Expected[3] = {kShadow, kWhite, kWhite};
  for (int X = 0; X < 3; ++X) {
    EXPECT_EQ(Pixel(Wnd, X, kEditH / 2), C.Bordered ? Expected[X] : Native[X]) << C.Name << " x=" << X;
    EXPECT_EQ(Pixel(Wnd, kEditW - 1 - X, 4), C.Bordered ? Expected[X] : Pixel(Wnd, kEditW - 1 - X, 4))
        << C.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, EditBorder,
                         ::testing::Values(TEditCase{"ClientEdge", 0, WS_EX_CLIENTEDGE, false, true},
                                           // The edit draws a thin border inside its client area.
                                           TEditCase{"ThinBorder", WS_BORDER, 0, false, false},
                                           TEditCase{"NoBorder", 0, 0, false, false},
                                           TEditCase{"FrameworkEdit", 0, 0, true, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------------------
// Printing and painting into a given DC

namespace {

// A memory DC of the edit's size filled with Fill, with a solid Brush selected.
struct TPrintTarget {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ OldBitmap;
  HBRUSH Brush;
  HGDIOBJ OldBrush;
  TPrintTarget(COLORREF Fill, COLORREF BrushColor) {
    HDC Screen = GetDC(nullptr);
    DC = CreateCompatibleDC(Screen);
    Bitmap = CreateCompatibleBitmap(Screen, kEditW, kEditH);
    ReleaseDC(nullptr, Screen);
    OldBitmap = SelectObject(DC, Bitmap);
    const RECT All{0, 0, kEditW, kEditH};
    HBRUSH FillBrush = CreateSolidBrush(Fill);
    FillRect(DC, &All, FillBrush);
    DeleteObject(FillBrush);
    Brush = CreateSolidBrush(BrushColor);
    OldBrush = SelectObject(DC, Brush);
  }
  ~TPrintTarget() {
    SelectObject(DC, OldBrush);
    SelectObject(DC, OldBitmap);
    DeleteObject(Brush);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  COLORREF At(int X, int Y) const { return GetPixel(DC, X, Y); }
};

constexpr COLORREF kPrintBrush = RGB(200, 30, 40);

}  // namespace

struct TPrintCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  bool Alternative;  // the printing border is drawn
};

class EditPrint : public ::testing::TestWithParam<TPrintCase> {};

TEST_P(EditPrint, TheAlternativeBorderOnlyAroundAClientMoreThanTwoPixelsSmaller) {
  const TPrintCase C = GetParam();
  TSkinnedForm F;
  TSkinEdit* Skin = nullptr;
  HWND Wnd = MakeEdit(F, TEditCase{C.Name, C.Style, C.ExStyle, false, true}, Skin);
  TPrintTarget Target(RGB(1, 2, 3), kPrintBrush);
  SendMessageW(Wnd, WM_PRINT, reinterpret_cast<WPARAM>(Target.DC), PRF_NONCLIENT | PRF_CLIENT);
  if (C.Alternative) {
    EXPECT_EQ(Target.At(0, kEditH / 2), kShadow) << C.Name;
    EXPECT_EQ(Target.At(1, kEditH / 2), kPrintBrush) << C.Name;
    EXPECT_EQ(Target.At(kEditW - 2, 5), kPrintBrush) << C.Name;
  } else {
    EXPECT_NE(Target.At(0, kEditH / 2), kShadow) << C.Name;
    EXPECT_NE(Target.At(1, kEditH / 2), kPrintBrush) << C.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, EditPrint,
                         ::testing::Values(TPrintCase{"ClientEdge", 0, WS_EX_CLIENTEDGE, true},
                                           TPrintCase{"ThinBorder", WS_BORDER, 0, false},
                                           TPrintCase{"NoBorder", 0, 0, false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(EditPaintInto, TheEnginesRequestPaintsIntoTheGivenDCAndIsAnswered) {
  TSkinnedForm F;
  TSkinEdit* Skin = nullptr;
  HWND Wnd = MakeEdit(F, TEditCase{"", 0, WS_EX_CLIENTEDGE, false, true}, Skin);
  struct TRow {
    LPARAM Marker;
    bool WithDC;
    LRESULT Answer;
    bool Painted;
  };
  for (const TRow Row :
       {TRow{0x41A2, true, 0x41A2, true}, TRow{0x41A2, false, 0x41A2, false}, TRow{0x1234, true, 0, false}}) {
    TPrintTarget Target(RGB(1, 2, 3), kPrintBrush);
    const WPARAM DC = Row.WithDC ? reinterpret_cast<WPARAM>(Target.DC) : 0;
    EXPECT_EQ(SendMessageW(Wnd, 0xBC4A, DC, Row.Marker), Row.Answer) << Row.Marker;
    EXPECT_EQ(Target.At(0, 5) == kShadow, Row.Painted) << Row.Marker;
  }
}

// ---------------------------------------------------------------------------------------------------
// A spin button inside an edit

struct TEmbeddedCase {
  const char* Name;
  int RightGap;  // from the spin button's right edge to the edit's client right edge
  int TopGap;    // from the edit's client top to the spin button
};

class EmbeddedSpin : public ::testing::TestWithParam<TEmbeddedCase> {};

TEST_P(EmbeddedSpin, NeverPaintsOverTheEditsThreePixelBorder) {
  const TEmbeddedCase C = GetParam();
  TSkinnedForm F(BoxesSkin({.Spin = true}));
  HWND Edit = BareChild(F.Form()->Handle(), L"EDIT", 0, 20, 20, kEditW, 30, WS_EX_CLIENTEDGE, L"12");
  RECT Client;
  GetClientRect(Edit, &Client);
  const int SpinW = 16;
  HWND Spin = BareChild(Edit, UPDOWN_CLASSW, 0, Client.right - SpinW - C.RightGap, C.TopGap, SpinW,
                        Client.bottom - C.TopGap, 0);
  auto* Skin = new TSkinEdit(&F.Skin());
  Skin->Inithwnd(Edit, &F.Data(), F.Canvas(), &F.Skin());
  Repaint(Edit);
  ASSERT_NE(Skin->FUpDown, nullptr) << C.Name;
  EXPECT_TRUE(Skin->FUpDown->FEmbedded);
  Repaint(Spin);
  // Window coordinates of the edit: its border is the outer three pixels all round.
  RECT Window;
  GetWindowRect(Edit, &Window);
  const int W = Window.right - Window.left;
  const int H = Window.bottom - Window.top;
  int SpinPixels = 0;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const COLORREF P = Pixel(Edit, X, Y);
      const bool IsSpin = P == FrameColor(kSpinStrip, 1) || P == FrameColor(kSpinStrip, 5);
      const bool OnBorder = X < 3 || Y < 3 || X >= W - 3 || Y >= H - 3;
      if (IsSpin) ++SpinPixels;
      EXPECT_FALSE(IsSpin && OnBorder) << C.Name << " at " << X << "," << Y;
    }
  EXPECT_GT(SpinPixels, 50) << C.Name;
  // The border itself: shadow, white, white from the outside in.
  EXPECT_EQ(Pixel(Edit, W - 1, H / 2), kShadow) << C.Name;
  EXPECT_EQ(Pixel(Edit, W - 3, H / 2), kWhite) << C.Name;
  // Away from the border the spin button keeps its own edge.
  if (C.RightGap >= 1) {
    EXPECT_EQ(Pixel(Edit, W - 3 - C.RightGap, H / 2 + 4), FrameColor(kSpinStrip, 5)) << C.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, EmbeddedSpin,
                         ::testing::Values(TEmbeddedCase{"Flush", 0, 0}, TEmbeddedCase{"OnePixelIn", 1, 0},
                                           TEmbeddedCase{"Inset", 4, 3}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------------------
// Spin button frames

struct TSpinCase {
  const char* Name;
  bool Element;
  bool Horizontal;
  int CursorOn;  // -1 away, 0 first button, 1 second
  bool Down, Hot, Disabled;
  int First, Second;  // strip frames; without the element 1 face, 2 shadow
};

class SpinFrames : public ::testing::TestWithParam<TSpinCase> {};

TEST_P(SpinFrames, FromTheElementAndDrawnWithoutIt) {
  const TSpinCase C = GetParam();
  TSkinnedForm F(BoxesSkin({.Spin = C.Element}));
  HWND Spin = BareChild(F.Form()->Handle(), UPDOWN_CLASSW,
                        (C.Horizontal ? UDS_HORZ : 0) | (C.Disabled ? WS_DISABLED : 0), 30, 30,
                        C.Horizontal ? 40 : 20, C.Horizontal ? 20 : 40);
  auto* Skin = new TSkinUpDown(&F.Skin());
  Skin->Inithwnd(Spin, &F.Data(), F.Canvas(), &F.Skin());
  // The control may keep a width of its own: the halves follow the window as it is.
  RECT Window;
  GetWindowRect(Spin, &Window);
  const int W = Window.right - Window.left;
  const int H = Window.bottom - Window.top;
  // The two buttons' sample points (clear of the glyph in the middle), in window coordinates.
  const POINT First = C.Horizontal ? POINT{3, 3} : POINT{3, 3};
  const POINT Second = C.Horizontal ? POINT{W / 2 + 3, 3} : POINT{3, H / 2 + 3};
  if (C.CursorOn >= 0) {
    const POINT On = C.CursorOn == 0 ? First : Second;
    SetCursorPos(Window.left + On.x + 2, Window.top + On.y + 2);
  } else {
    SetCursorPos(Window.right + 50, Window.bottom + 50);
  }
  Pump();
  Skin->FState = TSkinControlStates();
  if (C.Down) Skin->FState.Include(scDown);
  if (C.Hot) Skin->FState.Include(scMouseIn);
  Skin->PaintControl(nullptr);
  if (C.Element) {
    EXPECT_EQ(Pixel(Spin, First.x, First.y), FrameColor(kSpinStrip, C.First)) << C.Name;
    EXPECT_EQ(Pixel(Spin, Second.x, Second.y), FrameColor(kSpinStrip, C.Second)) << C.Name;
    if (!C.Horizontal) {
      // The glyph strip's frame in the middle of each button.
      EXPECT_EQ(Pixel(Spin, W / 2, H / 4), FrameColor(kSpinGlyphStrip, C.First)) << C.Name;
      EXPECT_EQ(Pixel(Spin, W / 2, 3 * H / 4), FrameColor(kSpinGlyphStrip, C.Second)) << C.Name;
    }
    return;
  }
  const COLORREF Face = ColorToRGB(F.Data().Colors[csButtonFace]);
  const COLORREF Shadow = ColorToRGB(F.Data().Colors[csButtonShadow]);
  const COLORREF Border = ColorToRGB(F.Data().Colors[csButtonDkshadow]);
  EXPECT_EQ(Pixel(Spin, First.x, First.y), C.First == 2 ? Shadow : Face) << C.Name;
  EXPECT_EQ(Pixel(Spin, Second.x, Second.y), C.Second == 2 ? Shadow : Face) << C.Name;
  EXPECT_EQ(Pixel(Spin, 0, 0), Border) << C.Name;
  EXPECT_EQ(Pixel(Spin, W - 1, H - 1), Border) << C.Name;
  // An arrow in the pen's colour in each button.
  const RECT FirstHalf = C.Horizontal ? RECT{1, 1, W / 2 - 1, H - 1} : RECT{1, 1, W - 1, H / 2 - 1};
  const RECT SecondHalf = C.Horizontal ? RECT{W / 2 + 1, 1, W - 1, H - 1} : RECT{1, H / 2 + 1, W - 1, H - 1};
  EXPECT_GT(CountColor(Spin, FirstHalf, Border), 3) << C.Name;
  EXPECT_GT(CountColor(Spin, SecondHalf, Border), 3) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinFrames,
    ::testing::Values(TSpinCase{"Rest", true, false, -1, false, false, false, 1, 5},
                      TSpinCase{"HotUp", true, false, 0, false, true, false, 4, 5},
                      TSpinCase{"HotDown", true, false, 1, false, true, false, 1, 8},
                      TSpinCase{"PressedUp", true, false, 0, true, true, false, 2, 5},
                      TSpinCase{"PressedDown", true, false, 1, true, false, false, 1, 6},
                      TSpinCase{"HotElsewhere", true, false, -1, false, true, false, 1, 5},
                      TSpinCase{"Disabled", true, false, 0, true, true, true, 3, 7},
                      TSpinCase{"HorizontalRest", true, true, -1, false, false, false, 1, 5},
                      TSpinCase{"HorizontalHotRight", true, true, 1, false, true, false, 1, 8},
                      TSpinCase{"DrawnRest", false, false, -1, false, false, false, 1, 1},
                      TSpinCase{"DrawnHotUp", false, false, 0, false, true, false, 2, 1},
                      TSpinCase{"DrawnPressedDown", false, false, 1, true, false, false, 1, 2},
                      TSpinCase{"DrawnHorizontalHotLeft", false, true, 0, false, true, false, 2, 1},
                      TSpinCase{"DrawnDisabled", false, false, 0, true, true, true, 1, 1}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SpinHover, MovingOverTheButtonsHighlightsTheOneUnderTheCursorAndLeavingClearsIt) {
  TSkinnedForm F(BoxesSkin({.Spin = true}));
  HWND Spin = BareChild(F.Form()->Handle(), UPDOWN_CLASSW, 0, 30, 30, 20, 40);
  auto* Skin = new TSkinUpDown(&F.Skin());
  Skin->Inithwnd(Spin, &F.Data(), F.Canvas(), &F.Skin());
  RECT Window;
  GetWindowRect(Spin, &Window);
  SetCursorPos(Window.left + 5, Window.top + 30);
  SendMessageW(Spin, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
  EXPECT_TRUE(Skin->FState.Contains(scMouseIn));
  EXPECT_EQ(Pixel(Spin, 3, 23), FrameColor(kSpinStrip, 8));
  EXPECT_EQ(Pixel(Spin, 3, 3), FrameColor(kSpinStrip, 1));
  SendMessageW(Spin, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Skin->FState.Contains(scMouseIn));
  EXPECT_EQ(Pixel(Spin, 3, 23), FrameColor(kSpinStrip, 5));
}
