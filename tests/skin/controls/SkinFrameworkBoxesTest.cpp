// Panels, group boxes and status bars of the framework: a panel recoloured and its colour given back,
// a group box painted whole with its windowless children, a status bar's panels from their
// properties (bevel, alignment, reading order) and its draw-panel handler asked only for owner-drawn
// panels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/Panels.h"
#include "framework/win/controls/Shapes.h"
#include "framework/win/controls/StatusBar.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinStatusBars.h"
#include "tests/skin/controls/BoxesTestUtil.h"

using namespace ctltest;

namespace {

constexpr COLORREF kLabelColor = RGB(20, 200, 60);
constexpr COLORREF kHandlerInk = RGB(230, 20, 20);

int Distance(COLORREF A, COLORREF B) {
  return std::abs(GetRValue(A) - GetRValue(B)) + std::abs(GetGValue(A) - GetGValue(B)) +
         std::abs(GetBValue(A) - GetBValue(B));
}

// First and last column of R holding a pixel nearer to Ink than to Background (-1 when none).
std::pair<int, int> InkColumns(HWND Wnd, const RECT& R, COLORREF Ink, COLORREF Background) {
  HDC DC = GetWindowDC(Wnd);
  int First = -1, Last = -1;
  for (int X = R.left; X < R.right; ++X)
    for (int Y = R.top; Y < R.bottom; ++Y) {
      const COLORREF P = GetPixel(DC, X, Y);
      if (Distance(P, Ink) < Distance(P, Background)) {
        if (First < 0) First = X;
        Last = X;
        break;
      }
    }
  ReleaseDC(Wnd, DC);
  return {First, Last};
}

TLabel* ColouredLabel(TWinControl* Parent, int X, int Y) {
  auto* Label = new TLabel(Parent);
  Label->SetParent(Parent);
  Label->SetAutoSize(false);
  Label->SetBounds(X, Y, 12, 8);
  Label->SetColor(static_cast<TColor>(kLabelColor));
  return Label;
}

TShape* ColouredShape(TWinControl* Parent, int X, int Y) {
  auto* Shape = new TShape(Parent);
  Shape->SetParent(Parent);
  Shape->SetBounds(X, Y, 12, 8);
  Shape->Brush()->SetColor(static_cast<TColor>(kLabelColor));
  Shape->Pen()->SetColor(static_cast<TColor>(kLabelColor));
  return Shape;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Panels

TEST(SkinnedPanel, TakesTheFaceColourAndGetsItsOwnBackWhenUnskinned) {
  TSkinnedForm F;
  auto* Panel = new TPanel(F.Form());
  Panel->SetParent(F.Form());
  Panel->SetBounds(20, 20, 160, 60);
  Panel->SetColor(static_cast<TColor>(RGB(200, 120, 40)));
  const LONG_PTR Procedure = GetWindowLongPtrW(Panel->Handle(), GWLP_WNDPROC);
  auto* Skin = new TSkinBox(Panel);
  Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), true);
  Repaint(Panel->Handle());
  EXPECT_EQ(Panel->Color(), F.Data().Colors[csButtonFace]);
  EXPECT_EQ(Pixel(Panel->Handle(), 80, 30), kFace);
  EXPECT_EQ(GetWindowLongPtrW(Panel->Handle(), GWLP_WNDPROC), Procedure);  // not hooked
  F.Unskin();
  Repaint(Panel->Handle());
  EXPECT_EQ(Panel->Color(), static_cast<TColor>(RGB(200, 120, 40)));
  EXPECT_EQ(Pixel(Panel->Handle(), 80, 30), RGB(200, 120, 40));
}

// ---------------------------------------------------------------------------------------------------
// Group boxes

TEST(SkinnedGroupBox, PaintedWholeWithItsCaptionProperty) {
  TSkinnedForm F;
  auto* Box = new TGroupBox(F.Form());
  Box->SetParent(F.Form());
  Box->SetBounds(20, 20, 220, 120);
  Box->SetCaption("Options");
  auto* Skin = new TSkinGroupBox(Box);
  Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), false);
  EXPECT_EQ(Skin->FNoMouseDown, 1);
  HWND Wnd = Box->Handle();
  Repaint(Wnd);
  EXPECT_EQ(Pixel(Wnd, 1, 60), kShadow);
  EXPECT_EQ(Pixel(Wnd, 0, 60), kFace);
  EXPECT_EQ(Pixel(Wnd, 100, 100), kFace);
  const std::pair<int, int> Caption = InkColumns(Wnd, RECT{0, 0, 220, 14}, RGB(0, 0, 0), kFace);
  EXPECT_GE(Caption.first, 8);
  EXPECT_LE(Caption.first, 10);
}

// ---------------------------------------------------------------------------------------------------
// Status bars

namespace {

// Records the handler's calls and paints every rectangle it is given.
struct THandler : TObject {
  std::vector<int> Panels;
  void DrawPanel(TCustomStatusBar* Bar, TStatusPanel* Panel, const RECT& Rect) {
    Panels.push_back(Panel->Index());
    TCanvas* Canvas = Bar->Canvas();
    Canvas->Brush()->SetColor(static_cast<TColor>(kHandlerInk));
    Canvas->FillRect(Rect);
  }
};

struct TFrameworkBar {
  TSkinnedForm Form{BoxesSkin({.ComboStyle = -1, .Status = true})};
  TStatusBar* Bar = nullptr;
  TSkinStatusBar* Skin = nullptr;
  THandler Handler;

  TFrameworkBar() {
    Bar = new TStatusBar(Form.Form());
    Bar->SetParent(Form.Form());
  }
  TStatusPanel* Add(const String& Text, int Width) {
    TStatusPanel* Panel = Bar->Panels()->Add();
    Panel->SetText(Text);
    Panel->SetWidth(Width);
    return Panel;
  }
  void Attach() {
    Skin = new TSkinStatusBar(Bar);
    Skin->Init(&Form.Skin(), &Form.Data(), Form.Canvas(), false);
    Repaint(Bar->Handle());
  }
  RECT Part(int Index) const { return Bar->PanelRect(Index); }
};

}  // namespace

struct TAlignCase {
  const char* Name;
  TAlignment Alignment;
  TBiDiMode BiDi;
  bool AtRight;  // the text ends near the panel's right edge
};

class FrameworkStatusAlignment : public ::testing::TestWithParam<TAlignCase> {};

TEST_P(FrameworkStatusAlignment, TextPlacedByThePanelsAlignmentSwappedForRightToLeft) {
  const TAlignCase C = GetParam();
  TFrameworkBar B;
  TStatusPanel* Panel = B.Add("text", 160);
  Panel->SetAlignment(C.Alignment);
  Panel->SetBiDiMode(C.BiDi);
  B.Add("", 100);
  B.Attach();
  const RECT Part = B.Part(0);
  const std::pair<int, int> Ink = InkColumns(B.Bar->Handle(), Part, kStatusText, FrameColor(kStatusStrip, 1));
  ASSERT_GE(Ink.first, 0) << C.Name;
  if (C.AtRight)
    EXPECT_GT(Ink.second, Part.right - 12) << C.Name;
  else
    EXPECT_LT(Ink.first, Part.left + 10) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameworkStatusAlignment,
    ::testing::Values(TAlignCase{"Left", taLeftJustify, bdLeftToRight, false},
                      TAlignCase{"Right", taRightJustify, bdLeftToRight, true},
                      TAlignCase{"LeftReadRightToLeft", taLeftJustify, bdRightToLeft, true},
                      TAlignCase{"RightReadRightToLeft", taRightJustify, bdRightToLeft, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FrameworkStatusBevel, EachPanelsBevelPicksItsFrame) {
  TFrameworkBar B;
  B.Add("lowered", 100)->SetBevel(pbLowered);
  B.Add("raised", 100)->SetBevel(pbRaised);
  B.Add("none", 100)->SetBevel(pbNone);
  B.Attach();
  for (int I = 0; I < 3; ++I) {
    const RECT Part = B.Part(I);
    EXPECT_EQ(Pixel(B.Bar->Handle(), Part.left + 1, Part.top + 1), FrameColor(kStatusStrip, I + 1)) << I;
  }
}

struct THandlerCase {
  const char* Name;
  bool Handler;
  bool OwnerDrawn;
  int Calls;
};

class FrameworkStatusHandler : public ::testing::TestWithParam<THandlerCase> {};

TEST_P(FrameworkStatusHandler, AskedOnlyForOwnerDrawnPanelsAndNeverOverTheSkinnedTexts) {
  const THandlerCase C = GetParam();
  TFrameworkBar B;
  B.Add("first", 120);
  TStatusPanel* Middle = B.Add("middle", 120);
  if (C.OwnerDrawn) Middle->SetStyle(psOwnerDraw);
  B.Add("last", 120);
  if (C.Handler) B.Bar->OnDrawPanel = TDrawPanelEvent::Bind<&THandler::DrawPanel>(&B.Handler);
  B.Attach();
  HWND Wnd = B.Bar->Handle();
  EXPECT_EQ(static_cast<int>(B.Handler.Panels.size()) > 0, C.Calls > 0) << C.Name;
  for (int Index : B.Handler.Panels) EXPECT_EQ(Index, 1) << C.Name;
  EXPECT_EQ(CountColor(Wnd, B.Part(0), kHandlerInk), 0) << C.Name;
  EXPECT_EQ(CountColor(Wnd, B.Part(2), kHandlerInk), 0) << C.Name;
  EXPECT_EQ(CountColor(Wnd, B.Part(1), kHandlerInk) > 0, C.Calls > 0) << C.Name;
  // The bevel stays around what the handler paints.
  EXPECT_EQ(Pixel(Wnd, B.Part(1).left, B.Part(1).top), FrameColor(kStatusStrip, 1)) << C.Name;
  EXPECT_GT(InkColumns(Wnd, B.Part(0), kStatusText, FrameColor(kStatusStrip, 1)).first, -1) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, FrameworkStatusHandler,
                         ::testing::Values(THandlerCase{"OwnerDrawnWithHandler", true, true, 1},
                                           THandlerCase{"TextPanelsWithHandler", true, false, 0},
                                           THandlerCase{"OwnerDrawnWithoutHandler", false, true, 0}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FrameworkStatusSimple, TheSimpleTextPropertyOverTheWholeBar) {
  TFrameworkBar B;
  B.Add("panel", 120);
  B.Bar->SetSimplePanel(true);
  B.Bar->SetSimpleText("simple text");
  B.Attach();
  HWND Wnd = B.Bar->Handle();
  RECT Client;
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Pixel(Wnd, Client.right / 2, 1), FrameColor(kStatusStrip, 1));
  const std::pair<int, int> Ink = InkColumns(Wnd, Client, kStatusText, FrameColor(kStatusStrip, 1));
  EXPECT_GE(Ink.first, 2);
  EXPECT_LT(Ink.first, 8);
}

// ---------------------------------------------------------------------------------------------------
// Windowless children of boxes the skin paints whole

struct TWindowlessCase {
  const char* Name;
  bool StatusBar;  // else a group box
  bool Shape;      // else a label
};

class WindowlessChildren : public ::testing::TestWithParam<TWindowlessCase> {};

TEST_P(WindowlessChildren, PaintedOverTheSkinnedBox) {
  const TWindowlessCase C = GetParam();
  TSkinnedForm F(BoxesSkin({.ComboStyle = -1, .Status = true}));
  TWinControl* Host = nullptr;
  if (C.StatusBar) {
    auto* Bar = new TStatusBar(F.Form());
    Bar->SetParent(F.Form());
    Bar->Panels()->Add()->SetWidth(200);
    Host = Bar;
  } else {
    auto* Box = new TGroupBox(F.Form());
    Box->SetParent(F.Form());
    Box->SetBounds(20, 20, 220, 120);
    Box->SetCaption("Options");
    Host = Box;
  }
  if (C.Shape)
    ColouredShape(Host, 40, 5);
  else
    ColouredLabel(Host, 40, 5);
  TSkinControl* Skin = nullptr;
  if (C.StatusBar)
    Skin = new TSkinStatusBar(Host);
  else
    Skin = new TSkinGroupBox(Host);
  // The picture the skin paints as it attaches already has the children on it.
  Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), false);
  Pump();
  EXPECT_EQ(Pixel(Host->Handle(), 45, 9), kLabelColor) << C.Name;
  // Not left over from before the skin: the skinned picture is around it.
  EXPECT_NE(Pixel(Host->Handle(), 60, 9), kLabelColor) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, WindowlessChildren,
                         ::testing::Values(TWindowlessCase{"LabelOnGroupBox", false, false},
                                           TWindowlessCase{"ShapeOnGroupBox", false, true},
                                           TWindowlessCase{"LabelOnStatusBar", true, false},
                                           TWindowlessCase{"ShapeOnStatusBar", true, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });
