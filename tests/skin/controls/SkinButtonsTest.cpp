// Push buttons on real windows: the face table, captions, glyph layouts, disabled glyphs, and what a
// press, a release and the space key report, on framework buttons and on bare BUTTON windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/StdCtrls.h"
#include "skin/controls/SkinButtons.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestControls.h"

using namespace ctltest;

namespace {

// A framework button with its skin object, 120 x 40 at (20, 20) of a skinned form.
struct TButtonCase {
  TSkinnedForm Fixture;
  TButton* Button;
  TSkinButton* Skin;
  explicit TButtonCase(TButton* (*Make)(TComponent*) = nullptr,
                       TSkinButton* (*MakeSkin)(TComponent*) = nullptr) {
    Button = Make ? Make(Fixture.Form()) : new TButton(Fixture.Form());
    Button->SetParent(Fixture.Form());
    Button->SetBounds(20, 20, 120, 40);
    Skin = MakeSkin ? MakeSkin(Button) : new TSkinButton(Button);
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
    Pump();
  }
  HWND Wnd() const { return Button->Handle(); }
};

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Faces

struct TFaceCase {
  bool Focused, Default, Down, Hot, Disabled;
  int Frame;
};

class ButtonFaces : public ::testing::TestWithParam<TFaceCase> {};

TEST_P(ButtonFaces, PrecedenceDisabledPressedHoverFocus) {
  const TFaceCase Case = GetParam();
  TButtonCase B;
  auto* Other = new TButton(B.Fixture.Form());
  Other->SetParent(B.Fixture.Form());
  Other->SetBounds(200, 20, 60, 30);
  B.Button->SetDefault(Case.Default);
  B.Button->SetEnabled(!Case.Disabled);
  SetFocus(Case.Focused ? B.Wnd() : Other->Handle());
  B.Skin->FState = TSkinControlStates();
  if (Case.Down) B.Skin->FState.Include(scDown);
  if (Case.Hot) B.Skin->FState.Include(scMouseIn);
  B.Skin->PaintControl(nullptr);
  EXPECT_EQ(Pixel(B.Wnd(), 2, 2), FrameColor(kButtonStrip, Case.Frame));
  EXPECT_EQ(B.Skin->FaceFrame(Case.Default), Case.Frame);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonFaces,
    ::testing::Values(TFaceCase{false, false, false, false, false, kButtonNormal},
                      TFaceCase{true, false, false, false, false, kButtonFocused},
                      TFaceCase{false, true, false, false, false, kButtonFocused},
                      TFaceCase{false, false, true, false, false, kButtonPressed},
                      TFaceCase{false, false, false, true, false, kButtonHot},
                      TFaceCase{true, false, false, true, false, kButtonHot},       // hover over focus
                      TFaceCase{true, true, true, true, false, kButtonPressed},     // pressed over hover
                      TFaceCase{false, true, false, false, true, kButtonDisabled},  // disabled default
                      TFaceCase{false, false, true, true, true, kButtonDisabled}));

TEST(ButtonFaces, ASkinWithoutButtonFacesLeavesTheLastImage) {
  TButtonCase B;
  B.Skin->PaintControl(nullptr);
  const COLORREF Before = Pixel(B.Wnd(), 2, 2);
  B.Fixture.Data().Button->Bitmap = std::make_unique<TBitmap>();
  B.Skin->FState.Include(scDown);
  B.Skin->PaintControl(nullptr);
  EXPECT_EQ(Pixel(B.Wnd(), 2, 2), Before);
}

// ---------------------------------------------------------------------------------------------------
// Captions

struct TCaptionCase {
  const char* Caption;
  int Lines;
};

class ButtonCaptions : public ::testing::TestWithParam<TCaptionCase> {};

TEST_P(ButtonCaptions, DoubleBarsBreakTheLine) {
  TButtonCase B;
  B.Button->SetBounds(20, 20, 120, 60);
  B.Button->SetCaption(GetParam().Caption);
  B.Skin->PaintControl(nullptr);
  HDC DC = GetDC(B.Wnd());
  SelectObject(DC, B.Button->Font()->Handle());
  TEXTMETRICW Metrics;
  GetTextMetricsW(DC, &Metrics);
  ReleaseDC(B.Wnd(), DC);
  const int Span = InkSpan(B.Wnd(), RECT{3, 3, 117, 57}, FrameColor(kButtonStrip, kButtonNormal));
  EXPECT_GT(Span, (GetParam().Lines - 1) * Metrics.tmHeight);
  EXPECT_LE(Span, GetParam().Lines * Metrics.tmHeight);
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonCaptions,
                         ::testing::Values(TCaptionCase{"Ab Cd", 1}, TCaptionCase{"Ab||Cd", 2},
                                           TCaptionCase{"A||B||C", 3}));

// ---------------------------------------------------------------------------------------------------
// Glyph layout arithmetic (division truncating towards zero)

struct TLayoutCase {
  TGlyphLayout Layout;
  int W, H, TextW, TextH, Margin, Spacing;
  bool Centre;
  POINT Glyph;
  int TextAt;  // along the layout axis
};

class GlyphLayouts : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(GlyphLayouts, PlaceGlyphAndText) {
  const TLayoutCase C = GetParam();
  const TGlyphPlacement P =
      LayoutGlyph(C.Layout, C.W, C.H, 16, 16, C.TextW, C.TextH, C.Margin, C.Spacing, C.Centre);
  EXPECT_EQ(P.Glyph.x, C.Glyph.x);
  EXPECT_EQ(P.Glyph.y, C.Glyph.y);
  const bool Horizontal = C.Layout == glLeft || C.Layout == glRight;
  EXPECT_EQ(Horizontal ? P.Text.left : P.Text.top, C.TextAt);
  EXPECT_EQ(P.Text.right - P.Text.left, C.TextW);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GlyphLayouts,
    ::testing::Values(
        // Margin and Spacing -1: equal thirds of the free space.
        TLayoutCase{glLeft, 100, 40, 30, 13, -1, -1, false, {18, 12}, 52},
        TLayoutCase{glRight, 100, 40, 30, 13, -1, -1, false, {66, 12}, 18},
        TLayoutCase{glTop, 100, 40, 30, 13, -1, -1, false, {42, 3}, 22},
        TLayoutCase{glBottom, 100, 40, 30, 13, -1, -1, false, {42, 21}, 5},
        // Margin given, Spacing -1: the text centred in what is left.
        TLayoutCase{glLeft, 100, 40, 30, 13, 4, -1, false, {4, 12}, 45},
        // Margin -1, Spacing given: the whole block centred.
        TLayoutCase{glLeft, 100, 40, 30, 13, -1, 5, false, {24, 12}, 45},
        // "tacenter" centres even with a margin.
        TLayoutCase{glLeft, 100, 40, 30, 13, 3, 5, true, {24, 12}, 45},
        // No text: no spacing, the glyph centred.
        TLayoutCase{glLeft, 100, 40, 0, 0, -1, -1, false, {42, 12}, 58},
        // A face too small: negative margins truncate towards zero (-7 div 3 = -2, -7 div 2 = -3).
        TLayoutCase{glLeft, 39, 40, 30, 13, -1, -1, false, {-2, 12}, 12},
        TLayoutCase{glLeft, 39, 40, 30, 13, -1, 0, false, {-3, 12}, 13},
        // Odd cross extents round up: (41 - 16 + 1) div 2.
        TLayoutCase{glLeft, 100, 41, 30, 13, -1, -1, false, {18, 13}, 52}));

// The wiring: a glyph button reads Layout, Margin and Spacing and draws its glyph there.
struct TGlyphCase {
  const char* Layout;
  TGlyphLayout Expected;
};

class GlyphButtons : public ::testing::TestWithParam<TGlyphCase> {};

TEST_P(GlyphButtons, DrawTheGlyphWhereTheLayoutSays) {
  TButtonCase B([](TComponent* O) -> TButton* { return new TGlyphButton(O); },
                [](TComponent* O) -> TSkinButton* { return new TSkinBitButton(O); });
  auto* Button = static_cast<TGlyphButton*>(B.Button);
  Button->SetBounds(20, 20, 140, 64);
  Button->SetCaption("Go");
  Button->Glyph()->Assign(MakeGlyph(16, 16, 1).get());
  SetEnumProp(Button, "Layout", GetParam().Layout);
  B.Skin->PaintControl(nullptr);
  HDC DC = GetDC(B.Wnd());
  SelectObject(DC, Button->Font()->Handle());
  RECT Text{0, 0, 140 - 4 - 18, 64 - 4};
  if (GetParam().Expected == glTop || GetParam().Expected == glBottom)
    Text = RECT{0, 0, 140 - 4, 64 - 4 - 18};
  DrawTextW(DC, L"Go", 2, &Text, DT_WORDBREAK | DT_CALCRECT);
  ReleaseDC(B.Wnd(), DC);
  const TGlyphPlacement P =
      LayoutGlyph(GetParam().Expected, 140, 64, 16, 16, Text.right, Text.bottom, -1, -1, false);
  EXPECT_EQ(Pixel(B.Wnd(), P.Glyph.x + 8, P.Glyph.y + 8), GlyphColor(1));
  EXPECT_EQ(CountColor(B.Wnd(), RECT{0, 0, 140, 64}, GlyphColor(1)), 16 * 16 - 1);  // its key pixel is clear
}

INSTANTIATE_TEST_SUITE_P(Table, GlyphButtons,
                         ::testing::Values(TGlyphCase{"blGlyphLeft", glLeft},
                                           TGlyphCase{"blGlyphRight", glRight},
                                           TGlyphCase{"blGlyphTop", glTop},
                                           TGlyphCase{"blGlyphBottom", glBottom}));

TEST(GlyphButtons, GlyphNumberFollowsTheFaceAndOneGlyphIsEmbossedWhenDisabled) {
  struct TRow {
    int NumGlyphs;
    bool Disabled;
    bool Down;
    COLORREF Shows;
  };
  const COLORREF Shadow = GetSysColor(COLOR_BTNSHADOW);
  for (const TRow Row : {TRow{4, false, false, GlyphColor(1)}, TRow{4, true, false, GlyphColor(2)},
                         TRow{4, false, true, GlyphColor(3)}, TRow{2, false, true, GlyphColor(1)},
                         TRow{1, true, false, Shadow}}) {
    TButtonCase B([](TComponent* O) -> TButton* { return new TGlyphButton(O); },
                  [](TComponent* O) -> TSkinButton* { return new TSkinBitButton(O); });
    auto* Button = static_cast<TGlyphButton*>(B.Button);
    Button->SetCaption("");
    Button->Glyph()->Assign(MakeGlyph(16, 16, Row.NumGlyphs).get());
    Button->NumGlyphs = Row.NumGlyphs;
    Button->SetEnabled(!Row.Disabled);
    if (Row.Down) B.Skin->FState.Include(scDown);
    B.Skin->PaintControl(nullptr);
    // The glyph is centred: 52 + 8, 12 + 8.
    EXPECT_EQ(Pixel(B.Wnd(), 60, 20), Row.Shows) << Row.NumGlyphs << Row.Disabled << Row.Down;
  }
}

TEST(GlyphButtons, TheDisabledImageEmbossesTheDarkPixels) {
  TBitmap Glyph(6, 6);
  FillColor(Glyph.Canvas()->Handle(), RECT{0, 0, 6, 6}, clWhite);
  SetPixel(Glyph.Canvas()->Handle(), 2, 2, RGB(10, 20, 30));
  auto Image = GetDisableImg(&Glyph);
  HDC DC = Image->Canvas()->Handle();
  EXPECT_EQ(GetPixel(DC, 2, 2), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetPixel(DC, 3, 3), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(GetPixel(DC, 0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(DC, 5, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(GetDisableImg(nullptr)->Empty());
}

// ---------------------------------------------------------------------------------------------------
// Input: what reaches the control and what is reported

namespace {

// A top-level bare window that records the command messages of its children.
struct TCommandParent {
  static inline std::vector<std::pair<WPARAM, LPARAM>> Commands;
  HWND Handle;
  TCommandParent() {
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSW Class{};
      Class.lpfnWndProc = &Proc;
      Class.hInstance = GetModuleHandleW(nullptr);
      Class.lpszClassName = L"ControlsCommandParent";
      RegisterClassW(&Class);
      Registered = true;
    }
    Handle = CreateWindowExW(0, L"ControlsCommandParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500,
                             80, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    Commands.clear();
  }
  ~TCommandParent() { DestroyWindow(Handle); }
  static LRESULT CALLBACK Proc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) {
    if (M == WM_COMMAND) Commands.emplace_back(Wp, Lp);
    return DefWindowProcW(W, M, Wp, Lp);
  }
};

enum TStep { Down, Up, Leave, Double, SpaceDown, SpaceUp };

void Send(HWND Wnd, TStep Step) {
  switch (Step) {
    case Down:
      SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
      break;
    case Double:
      SendMessageW(Wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
      break;
    case Up:
      SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
      break;
    case Leave:
      SendMessageW(Wnd, WM_MOUSELEAVE, 0, 0);
      break;
    case SpaceDown:
      SendMessageW(Wnd, WM_KEYDOWN, VK_SPACE, 0x00390001);
      break;
    case SpaceUp:
      SendMessageW(Wnd, WM_KEYUP, VK_SPACE, 0xC0390001);
      break;
  }
}

}  // namespace

struct TInputCase {
  const char* Name;
  std::vector<TStep> Steps;
  int Clicks;
  int FrameAfterFirst;
  int MouseDowns;  // the framework button's own mouse-down events
};

class ButtonInput : public ::testing::TestWithParam<TInputCase> {};

TEST_P(ButtonInput, FrameworkButtonsReportClicksOnlyForAPressReleasedInside) {
  const TInputCase& Case = GetParam();
  TButtonCase B;
  int Clicks = 0;
  struct TCounter : TObject {
    int* Count;
    int Downs = 0;
    POINT At{};
    TShiftState Shift;
    void Click(TObject*) { ++*Count; }
    void MouseDown(TObject*, TMouseButton Button, TShiftState S, int X, int Y) {
      if (Button == mbLeft) ++Downs;
      At = {X, Y};
      Shift = S;
    }
  } Counter;
  Counter.Count = &Clicks;
  B.Button->OnClick = TNotifyEvent::Bind<&TCounter::Click>(&Counter);
  B.Button->OnMouseDown = TMouseEvent::Bind<&TCounter::MouseDown>(&Counter);
  SetFocus(B.Wnd());
  for (std::size_t I = 0; I < Case.Steps.size(); ++I) {
    Send(B.Wnd(), Case.Steps[I]);
    if (I == 0) {
      EXPECT_EQ(Pixel(B.Wnd(), 2, 2), FrameColor(kButtonStrip, Case.FrameAfterFirst)) << Case.Name;
    }
  }
  Pump();
  EXPECT_EQ(Clicks, Case.Clicks) << Case.Name;
  EXPECT_FALSE(B.Skin->FState.Contains(scDown)) << Case.Name;
  EXPECT_EQ(Counter.Downs, Case.MouseDowns) << Case.Name;
  if (Case.MouseDowns > 0) {
    EXPECT_EQ(Counter.At.x, 10);
    EXPECT_EQ(Counter.At.y, 10);
    EXPECT_TRUE(Counter.Shift.Contains(ssLeft));
  }
}

TEST_P(ButtonInput, BareButtonsPostTheCommandToTheirParent) {
  const TInputCase& Case = GetParam();
  TSkinnedForm Fixture;
  TCommandParent Parent;
  HWND Wnd =
      CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 40,
                      Parent.Handle, reinterpret_cast<HMENU>(1234), GetModuleHandleW(nullptr), nullptr);
  auto* Skin = new TSkinButton(&Fixture.Skin());
  Skin->Inithwnd(Wnd, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  SetFocus(Wnd);
  Pump();
  for (std::size_t I = 0; I < Case.Steps.size(); ++I) {
    Send(Wnd, Case.Steps[I]);
    if (I == 0) {
      EXPECT_EQ(Pixel(Wnd, 2, 2), FrameColor(kButtonStrip, Case.FrameAfterFirst)) << Case.Name;
    }
  }
  Pump();
  int Clicks = 0;
  for (const auto& [W, L] : TCommandParent::Commands)
    if (W == MAKEWPARAM(1234, BN_CLICKED) && L == reinterpret_cast<LPARAM>(Wnd)) ++Clicks;
  EXPECT_EQ(Clicks, Case.Clicks) << Case.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonInput,
                         ::testing::Values(TInputCase{"PressRelease", {Down, Up}, 1, kButtonPressed, 1},
                                           TInputCase{
                                               "ReleaseOutside", {Down, Leave, Up}, 0, kButtonPressed, 1},
                                           TInputCase{"DoubleClick", {Double, Up}, 1, kButtonPressed, 1},
                                           TInputCase{"Space", {SpaceDown, SpaceUp}, 1, kButtonPressed, 0},
                                           TInputCase{"UpAlone", {Up}, 0, kButtonFocused, 0}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ButtonInput, HoverShowsTheHotFaceUntilTheMouseLeaves) {
  TButtonCase B;
  SendMessageW(B.Wnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Pixel(B.Wnd(), 2, 2), FrameColor(kButtonStrip, kButtonHot));
  SendMessageW(B.Wnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_NE(Pixel(B.Wnd(), 2, 2), FrameColor(kButtonStrip, kButtonHot));
}

TEST(ButtonInput, ABareWindowOfTheFrameworkButtonClassReportsCommandZero) {
  TSkinnedForm Fixture;
  TButton Registers(nullptr);  // the framework's "TButton" window class
  Registers.SetParent(Fixture.Form());
  Registers.HandleNeeded();
  TCommandParent Parent;
  HWND Wnd = CreateWindowExW(0, L"TButton", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 40,
                             Parent.Handle, reinterpret_cast<HMENU>(77), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Wnd, nullptr);
  auto* Skin = new TSkinButton(&Fixture.Skin());
  Skin->Inithwnd(Wnd, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Send(Wnd, Down);
  Send(Wnd, Up);
  Pump();
  ASSERT_FALSE(TCommandParent::Commands.empty());
  EXPECT_EQ(TCommandParent::Commands.back().first, 0u);
  EXPECT_EQ(TCommandParent::Commands.back().second, reinterpret_cast<LPARAM>(Wnd));
  DestroyWindow(Wnd);
}

TEST(ButtonInput, TimerMessagesGiveTheVisibleBitBackAndNeverReachTheButton) {
  TButtonCase B;
  B.Skin->SetRedraw(false);
  EXPECT_FALSE(GetWindowLongPtrW(B.Wnd(), GWL_STYLE) & WS_VISIBLE);
  SendMessageW(B.Wnd(), WM_TIMER, 1, 0);
  EXPECT_TRUE(GetWindowLongPtrW(B.Wnd(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(B.Skin->FRedrawOff);
}

// ---------------------------------------------------------------------------------------------------
// Speed buttons: windowless, painted on the parent

namespace {

// A 64 x 40 speed button at (30, 30) of a skinned form with a four-glyph strip and no caption, so
// the glyph sits in the middle.
struct TSpeedCase : TObject {
  TSkinnedForm Fixture;
  TSpeedButton* Button;
  TSkinSpeedButton* Skin;
  int Clicks = 0;
  TSpeedCase() {
    Button = new TSpeedButton(Fixture.Form());
    Button->SetParent(Fixture.Form());
    Button->SetBounds(30, 30, 64, 40);
    Button->SetGroupIndex(1);
    Button->SetAllowAllUp(true);
    Button->Glyph()->Assign(MakeGlyph(16, 16, 4).get());
    Button->SetNumGlyphs(4);
    Button->OnClick = TNotifyEvent::Bind<&TSpeedCase::Clicked>(this);
    Skin = new TSkinSpeedButton(Button);
    Skin->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
    Pump();
  }
  void Clicked(TObject*) { ++Clicks; }
  HWND Form() const { return Fixture.Form()->Handle(); }
  // A pixel of the button, (X, Y) in its own coordinates, read from the form's window DC.
  COLORREF At(int X, int Y) const {
    POINT Client{30 + X, 30 + Y};
    ClientToScreen(Form(), &Client);
    RECT Window;
    GetWindowRect(Form(), &Window);
    return Pixel(Form(), Client.x - Window.left, Client.y - Window.top);
  }
  // A mouse message to the form at (X, Y) of the button.
  void Mouse(UINT Msg, int X, int Y, WPARAM Keys = 0) const {
    SendMessageW(Form(), Msg, Keys, MAKELPARAM(30 + X, 30 + Y));
  }
};

}  // namespace

struct TSpeedFaceCase {
  const char* Name;
  bool Down, Disabled, Flat, Pressed, Hot;
  int Frame;  // 0: no face, the skin's background
  int Glyph;
};

class SpeedButtonFaces : public ::testing::TestWithParam<TSpeedFaceCase> {};

TEST_P(SpeedButtonFaces, FaceAndGlyphForTheState) {
  const TSpeedFaceCase Case = GetParam();
  TSpeedCase S;
  S.Button->SetDown(Case.Down);
  S.Button->SetEnabled(!Case.Disabled);
  S.Button->SetFlat(Case.Flat);
  S.Skin->FState = TSkinControlStates();
  if (Case.Pressed) S.Skin->FState.Include(scDown);
  if (Case.Hot) S.Skin->FState.Include(scMouseIn);
  S.Skin->PaintControl(nullptr);
  EXPECT_EQ(S.At(2, 2), Case.Frame ? FrameColor(kButtonStrip, Case.Frame) : kFace);
  EXPECT_EQ(S.At(32, 20), GlyphColor(Case.Glyph));
  // The parent's own paint draws the same.
  RedrawWindow(S.Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(S.At(2, 2), Case.Frame ? FrameColor(kButtonStrip, Case.Frame) : kFace);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeedButtonFaces,
    ::testing::Values(TSpeedFaceCase{"Normal", false, false, false, false, false, 1, 1},
                      TSpeedFaceCase{"Hot", false, false, false, false, true, 4, 1},
                      TSpeedFaceCase{"Pressed", false, false, false, true, true, 2, 3},
                      TSpeedFaceCase{"Disabled", false, true, false, false, false, 3, 2},
                      TSpeedFaceCase{"DisabledHot", false, true, false, true, true, 3, 2},
                      TSpeedFaceCase{"Down", true, false, false, false, false, 2, 4},
                      TSpeedFaceCase{"DownDisabled", true, true, false, false, true, 2, 4},
                      TSpeedFaceCase{"FlatNormal", false, false, true, false, false, 0, 1},
                      TSpeedFaceCase{"FlatHot", false, false, true, false, true, 4, 1},
                      TSpeedFaceCase{"FlatPressed", false, false, true, true, true, 2, 3},
                      TSpeedFaceCase{"FlatDisabled", false, true, true, false, false, 0, 2}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// Mouse input as the parent hands it on: (X, Y) in the button, -1 for a point off it.
struct TSpeedStep {
  UINT Msg;
  int X, Y;
};
struct TSpeedInputCase {
  const char* Name;
  std::vector<TSpeedStep> Steps;
  int Frame;
  int Clicks;
};

class SpeedButtonInput : public ::testing::TestWithParam<TSpeedInputCase> {};

TEST_P(SpeedButtonInput, HoverPressAndReleaseThroughTheParent) {
  TSpeedCase S;
  for (const TSpeedStep& Step : GetParam().Steps) {
    const int X = Step.X < 0 ? 200 : Step.X;
    const int Y = Step.Y < 0 ? 150 : Step.Y;
    S.Mouse(Step.Msg, X, Y);
    Pump(5);
  }
  EXPECT_EQ(S.At(2, 2), FrameColor(kButtonStrip, GetParam().Frame));
  EXPECT_EQ(S.Clicks, GetParam().Clicks);
  SendMessageW(S.Form(), WM_MOUSELEAVE, 0, 0);
  ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeedButtonInput,
    ::testing::Values(TSpeedInputCase{"Hover", {{WM_MOUSEMOVE, 10, 10}}, 4, 0},
                      TSpeedInputCase{"Press", {{WM_MOUSEMOVE, 10, 10}, {WM_LBUTTONDOWN, 10, 10}}, 2, 0},
                      TSpeedInputCase{
                          "ReleaseInside",
                          {{WM_MOUSEMOVE, 10, 10}, {WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 10, 10}},
                          2,  // a group button stays down once clicked
                          1},
                      TSpeedInputCase{"ReleaseOutside",
                                      {{WM_MOUSEMOVE, 10, 10},
                                       {WM_LBUTTONDOWN, 10, 10},
                                       {WM_MOUSEMOVE, -1, -1},
                                       {WM_LBUTTONUP, -1, -1}},
                                      1,
                                      0},
                      TSpeedInputCase{"Leave", {{WM_MOUSEMOVE, 10, 10}, {WM_MOUSEMOVE, -1, -1}}, 1, 0}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SpeedButtonLife, TheMethodComesBackAndTheQueryIsAnswered) {
  TSkinnedForm Fixture;
  auto* Button = new TSpeedButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  const TWndMethod Before = Button->WindowProc;
  auto* Skin = new TSkinSpeedButton(Button);
  Skin->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
  EXPECT_NE(Button->WindowProc, Before);
  EXPECT_EQ(Button->Perform(WM_SKIN_QUERY, 0, 0), 1);
  const std::size_t Listed = Fixture.Skin().FControls.size();
  Skin->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
  EXPECT_EQ(Fixture.Skin().FControls.size(), Listed);
  delete Skin;
  EXPECT_EQ(Button->WindowProc, Before);
  EXPECT_EQ(Button->Perform(WM_SKIN_QUERY, 0, 0), 0);

  // Freed together with its button: nothing is written into the dying control.
  auto* Second = new TSpeedButton(Fixture.Form());
  Second->SetParent(Fixture.Form());
  (new TSkinSpeedButton(Second))->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
  delete Second;
  EXPECT_EQ(Fixture.Skin().FControls.size(), Listed - 1);
  Pump();
}

TEST(SpeedButtonLife, DeletingTheSkinOfAWindowlessControlGivesItsMethodBack) {
  TSkinnedForm Fixture;
  auto* Button = new TSpeedButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  auto* Other = new TSpeedButton(Fixture.Form());
  Other->SetParent(Fixture.Form());
  const TWndMethod Before = Button->WindowProc;
  const std::size_t Listed = Fixture.Skin().FControls.size();
  (new TSkinSpeedButton(Button))->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
  (new TSkinSpeedButton(Other))->InitGraphicControl(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas());
  ASSERT_EQ(Fixture.Skin().FControls.size(), Listed + 2);
  Fixture.Skin().DeleteGraphicControl(Button);
  EXPECT_EQ(Button->WindowProc, Before);
  EXPECT_EQ(Button->Perform(WM_SKIN_QUERY, 0, 0), 0);
  EXPECT_EQ(Other->Perform(WM_SKIN_QUERY, 0, 0), 1);
  EXPECT_EQ(Fixture.Skin().FControls.size(), Listed + 1);
  // Again, or for a control without a skin object: nothing happens.
  Fixture.Skin().DeleteGraphicControl(Button);
  Fixture.Skin().DeleteGraphicControl(nullptr);
  EXPECT_EQ(Fixture.Skin().FControls.size(), Listed + 1);
  // The button lives on unskinned and goes without the skin object.
  delete Button;
  Pump();
}
