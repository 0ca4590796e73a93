// The bases: windowless controls painted and fed by their parent, self-drawn windows, alignment,
// colours that follow the parent, panels.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/controls/Panels.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"
#include "tests/support/Pump.h"

using testsupport::Pump;
using testsupport::PumpUntil;

namespace {

// Fills its rectangle with Color and counts what reaches it.
class TProbe : public TGraphicControl {
  DECLARE_CLASS(TProbe, TGraphicControl)

 public:
  explicit TProbe(TComponent* Owner) : TGraphicControl(Owner) {}
  int Paints = 0, Downs = 0, Ups = 0, Enters = 0, Leaves = 0, Clicks = 0;
  POINT LastDown{-1, -1};
  void Click() override {
    ++Clicks;
    TGraphicControl::Click();
  }

 protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ++Downs;
    LastDown = {X, Y};
  }
  void MouseUp(TMouseButton, TShiftState, int, int) override { ++Ups; }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_MOUSEENTER) ++Enters;
    if (Message.Msg == CM_MOUSELEAVE) ++Leaves;
    TGraphicControl::WndProc(Message);
  }
};

TProbe* AddProbe(TWinControl* Parent, RECT Bounds, TColor Color) {
  auto* Probe = new TProbe(Parent);
  Probe->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top);
  Probe->SetColor(Color);
  Probe->SetParent(Parent);
  return Probe;
}

LPARAM At(int X, int Y) {
  return MAKELPARAM(X, Y);
}

TEST(GraphicControl, ParentPaintsItsWindowlessChildrenInZOrderAndOnlyVisibleOnes) {
  auto Form = MakeHostForm();
  Form->SetColor(clWhite);
  TProbe* Back = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  TProbe* Front = AddProbe(Form.get(), {40, 40, 90, 90}, clBlue);
  TProbe* Hidden = AddProbe(Form.get(), {100, 10, 150, 60}, clLime);
  Hidden->SetVisible(false);
  const TRendering R(Form->WindowHandle());
  struct Row {
    int X, Y;
    COLORREF Expected;
  } Rows[] = {{10, 10, RGB(255, 0, 0)},  {59, 30, RGB(255, 0, 0)},     {45, 45, RGB(0, 0, 255)},
              {89, 89, RGB(0, 0, 255)},  {90, 90, RGB(255, 255, 255)}, {120, 30, RGB(255, 255, 255)},
              {9, 9, RGB(255, 255, 255)}};
  for (const Row& Case : Rows) EXPECT_EQ(R.Pixel(Case.X, Case.Y), Case.Expected) << Case.X << "," << Case.Y;
  EXPECT_GT(Back->Paints, 0);
  EXPECT_GT(Front->Paints, 0);
  EXPECT_EQ(Hidden->Paints, 0);
}

TEST(GraphicControl, MouseMessagesOverItReachItInItsOwnCoordinates) {
  auto Form = MakeHostForm();
  TProbe* A = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  TProbe* B = AddProbe(Form.get(), {40, 40, 90, 90}, clBlue);  // on top of A where they overlap
  TProbe* Off = AddProbe(Form.get(), {100, 10, 150, 60}, clLime);
  Off->SetEnabled(false);
  HWND Wnd = Form->WindowHandle();
  struct Row {
    POINT At;
    TProbe* Expected;
    POINT Local;
  } Rows[] = {
      {{20, 20}, A, {10, 10}}, {{45, 45}, B, {5, 5}}, {{89, 50}, B, {49, 10}}, {{120, 20}, nullptr, {}}};
  for (const Row& Case : Rows) {
    const int DownsA = A->Downs, DownsB = B->Downs, DownsOff = Off->Downs;
    SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(Case.At.x, Case.At.y));
    SendMessageW(Wnd, WM_LBUTTONUP, 0, At(Case.At.x, Case.At.y));
    EXPECT_EQ(A->Downs - DownsA, Case.Expected == A ? 1 : 0) << Case.At.x;
    EXPECT_EQ(B->Downs - DownsB, Case.Expected == B ? 1 : 0) << Case.At.x;
    EXPECT_EQ(Off->Downs, DownsOff);  // a disabled control takes no mouse
    if (Case.Expected) {
      EXPECT_EQ(Case.Expected->LastDown.x, Case.Local.x);
      EXPECT_EQ(Case.Expected->LastDown.y, Case.Local.y);
    }
  }
  EXPECT_EQ(A->Clicks, 1);
  EXPECT_EQ(B->Clicks, 2);
}

TEST(GraphicControl, PressKeepsTheMouseAndAReleaseOutsideIsNoClick) {
  auto Form = MakeHostForm();
  TProbe* A = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  HWND Wnd = Form->WindowHandle();
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  EXPECT_EQ(GetCapture(), Wnd);
  SendMessageW(Wnd, WM_LBUTTONUP, 0, At(200, 200));  // outside: still the pressed control's
  EXPECT_EQ(A->Ups, 1);
  EXPECT_EQ(A->Clicks, 0);
  EXPECT_NE(GetCapture(), Wnd);
}

TEST(GraphicControl, EnterAndLeaveFollowTheMouseAcrossChildren) {
  auto Form = MakeHostForm();
  TProbe* A = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  TProbe* B = AddProbe(Form.get(), {100, 10, 150, 60}, clBlue);
  HWND Wnd = Form->WindowHandle();
  struct Step {
    POINT At;
    int EntersA, LeavesA, EntersB, LeavesB;
  } Steps[] = {{{5, 5}, 0, 0, 0, 0},    {{20, 20}, 1, 0, 0, 0}, {{30, 30}, 1, 0, 0, 0},
               {{120, 20}, 1, 1, 1, 0}, {{80, 20}, 1, 1, 1, 1}, {{20, 20}, 2, 1, 1, 1}};
  for (const Step& S : Steps) {
    SendMessageW(Wnd, WM_MOUSEMOVE, 0, At(S.At.x, S.At.y));
    EXPECT_EQ(A->Enters, S.EntersA) << S.At.x;
    EXPECT_EQ(A->Leaves, S.LeavesA) << S.At.x;
    EXPECT_EQ(B->Enters, S.EntersB) << S.At.x;
    EXPECT_EQ(B->Leaves, S.LeavesB) << S.At.x;
  }
  EXPECT_TRUE(A->MouseInControl());
  SendMessageW(Wnd, WM_MOUSELEAVE, 0, 0);  // the mouse left the form altogether
  EXPECT_EQ(A->Leaves, 2);
  EXPECT_FALSE(A->MouseInControl());
}

TEST(GraphicControl, CanvasOutsidePaintBorrowsADcUntilTheMessageEnds) {
  auto Form = MakeHostForm();
  TProbe* A = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  EXPECT_GT(A->Canvas()->TextWidth("Wide text"), 0);
  EXPECT_TRUE(A->Canvas()->HasBorrowedDC());
  SendMessageW(Form->WindowHandle(), WM_NULL, 0, 0);  // any framework message ends the loan
  EXPECT_FALSE(A->Canvas()->HasBorrowedDC());
}

TEST(Align, ChildrenTakeTheEdgesInOrderAndTheClientTheRest) {
  auto Form = MakeHostForm();
  Form->SetClientSize(200, 100);
  struct Row {
    TAlign Align;
    int Size;  // height for top and bottom, width for left and right
    RECT Expected;
  } Rows[] = {{alTop, 10, {0, 0, 200, 10}},      {alTop, 5, {0, 10, 200, 15}},
              {alBottom, 20, {0, 80, 200, 100}}, {alLeft, 30, {0, 15, 30, 80}},
              {alRight, 40, {160, 15, 200, 80}}, {alClient, 0, {30, 15, 160, 80}},
              {alNone, 0, {1, 2, 4, 6}}};
  std::vector<TProbe*> Probes;
  for (const Row& R : Rows) {
    TProbe* P = AddProbe(Form.get(), {1, 2, 4, 6}, clRed);
    if (R.Align == alTop || R.Align == alBottom) P->SetHeight(R.Size);
    if (R.Align == alLeft || R.Align == alRight) P->SetWidth(R.Size);
    if (R.Align == alTop) P->SetTop(Form->ClientHeight());  // below the ones before it
    P->SetAlign(R.Align);
    Probes.push_back(P);
  }
  for (size_t I = 0; I < Probes.size(); ++I) {
    const RECT Got = Probes[I]->BoundsRect();
    EXPECT_TRUE(EqualRect(&Got, &Rows[I].Expected))
        << I << ": " << Got.left << "," << Got.top << "," << Got.right << "," << Got.bottom;
  }
  // The form grows: edges stay on their edges, the client part takes the rest.
  Form->SetClientSize(300, 200);
  EXPECT_EQ(Probes[2]->Top(), 180);
  EXPECT_EQ(Probes[4]->Left(), 260);
  EXPECT_EQ(Probes[5]->Width(), 230);
  EXPECT_EQ(Probes[5]->Height(), 165);
  // A hidden edge control gives its room back.
  Probes[0]->SetVisible(false);
  EXPECT_EQ(Probes[1]->Top(), 0);
}

TEST(ParentColor, FollowsTheParentUntilAColourOfItsOwnIsSet) {
  auto Form = MakeHostForm();
  Form->SetColor(clYellow);
  auto* Panel = new TPanel(Form.get());
  Panel->SetParent(Form.get());
  TProbe* Probe = AddProbe(Panel, {0, 0, 10, 10}, clRed);
  Probe->SetParentColor(true);
  Panel->SetParentColor(true);
  EXPECT_EQ(Panel->Color(), clYellow);
  EXPECT_EQ(Probe->Color(), clYellow);
  Form->SetColor(clAqua);  // through two levels
  EXPECT_EQ(Probe->Color(), clAqua);
  Panel->SetColor(clGreen);
  EXPECT_FALSE(Panel->ParentColor());
  EXPECT_EQ(Probe->Color(), clGreen);
  Form->SetColor(clWhite);
  EXPECT_EQ(Panel->Color(), clGreen);
}

TEST(Panel, BevelsCaptionAndColourArePainted) {
  auto Form = MakeHostForm();
  auto* Panel = new TPanel(Form.get());
  Panel->SetBounds(10, 10, 120, 40);
  Panel->SetColor(clWhite);
  Panel->SetCaption("Panel");
  Panel->Font()->SetColor(clBlack);
  Panel->SetParent(Form.get());
  const COLORREF Light = GetSysColor(COLOR_BTNHIGHLIGHT), Dark = GetSysColor(COLOR_BTNSHADOW);
  struct Row {
    TBevelCut Outer, Inner;
    COLORREF TopLeft, BottomRight, Inside;  // corner pixels and the one inside the outer ring
  } Rows[] = {{bvRaised, bvNone, Light, Dark, RGB(255, 255, 255)},
              {bvLowered, bvNone, Dark, Light, RGB(255, 255, 255)},
              {bvRaised, bvLowered, Light, Dark, Dark},
              {bvNone, bvNone, RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)}};
  for (const Row& Case : Rows) {
    Panel->SetBevelOuter(Case.Outer);
    Panel->SetBevelInner(Case.Inner);
    const TRendering R(Panel->WindowHandle());
    EXPECT_EQ(R.Pixel(0, 0), Case.TopLeft) << Case.Outer << Case.Inner;
    EXPECT_EQ(R.Pixel(119, 39), Case.BottomRight) << Case.Outer << Case.Inner;
    EXPECT_EQ(R.Pixel(1, 1), Case.Inside) << Case.Outer << Case.Inner;
    EXPECT_GT(R.CountOther({30, 5, 90, 35}, RGB(255, 255, 255)), 20);  // the caption, centred
    EXPECT_EQ(R.CountOther({3, 3, 25, 37}, RGB(255, 255, 255)), 0);
  }
  // A left-aligned caption moves to the left edge.
  Panel->SetAlignment(taLeftJustify);
  const TRendering Left(Panel->WindowHandle());
  EXPECT_GT(Left.CountOther({3, 3, 30, 37}, RGB(255, 255, 255)), 20);
}

TEST(Panel, AlignedChildrenStayInsideBevelsAndBorder) {
  auto Form = MakeHostForm();
  auto* Panel = new TPanel(Form.get());
  Panel->SetBounds(0, 0, 100, 60);
  Panel->SetBevelInner(bvLowered);
  Panel->SetBorderWidth(3);
  Panel->SetParent(Form.get());
  TProbe* Fill = AddProbe(Panel, {0, 0, 1, 1}, clRed);
  Fill->SetAlign(alClient);
  EXPECT_EQ(Fill->Left(), 5);
  EXPECT_EQ(Fill->Top(), 5);
  EXPECT_EQ(Fill->Width(), 90);
  EXPECT_EQ(Fill->Height(), 50);
}

}  // namespace

#include "framework/win/controls/ControlHints.h"

namespace {

TEST(Hints, ShowAfterThePauseOverAControlWithShowHintAndGoWhenTheMouseLeaves) {
  auto Form = MakeHostForm();
  Application->HintPause = 20;
  TProbe* Quiet = AddProbe(Form.get(), {10, 10, 60, 60}, clRed);
  Quiet->SetHint("never shown");  // ShowHint is off
  TProbe* Talkative = AddProbe(Form.get(), {100, 10, 150, 60}, clBlue);
  Talkative->SetHint("Blue probe");
  Talkative->SetShowHint(true);
  HWND Wnd = Form->WindowHandle();
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  Pump(0);
  Sleep(60);
  Pump(0);
  EXPECT_EQ(HintShowingFor(), nullptr);
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(120, 20));
  ASSERT_TRUE(PumpUntil([&] { return HintShowingFor() == Talkative; }));
  HWND Hint = FindWindowW(L"THintWindow", nullptr);
  ASSERT_NE(Hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(Hint));
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(80, 20));  // off the control
  EXPECT_EQ(HintShowingFor(), nullptr);
  EXPECT_FALSE(IsWindow(Hint));
  // A parent's ShowHint reaches children that follow it; a press takes the hint away.
  Talkative->SetParentShowHint(true);
  Form->SetShowHint(true);
  EXPECT_TRUE(Quiet->ShowHint());
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  ASSERT_TRUE(PumpUntil([&] { return HintShowingFor() == Quiet; }));
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(HintShowingFor(), nullptr);
  // A control that goes away takes its hint along.
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(120, 20));
  SendMessageW(Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(121, 20));
  delete Talkative;
  EXPECT_EQ(HintShowingFor(), nullptr);
  Pump(0);
  Sleep(60);
  Pump(0);
  EXPECT_EQ(HintShowingFor(), nullptr);
  Application->HintPause = 500;
}

}  // namespace
