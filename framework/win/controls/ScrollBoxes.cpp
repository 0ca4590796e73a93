#include "framework/win/controls/ScrollBoxes.h"

#include <algorithm>

#include "framework/core/ScopedFlag.h"
#include "framework/win/controls/ScrollRequest.h"

// ---- TScrollingWinControl -----------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* Owner) : TWinControl(Owner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
}

void TScrollingWinControl::Publish(TPublisher<TScrollingWinControl>& P) {
  P.Bool("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll).Default(1);
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  if (!Value) ScrollTo(0, 0);
  UpdateScrollRange();
}

SIZE TScrollingWinControl::ContentSize() const {
  SIZE Extent{0, 0};
  for (int I = 0; I < ControlCount(); ++I) {
    const TControl* Child = Controls(I);
    if (!Child->Visible()) continue;
    Extent.cx = std::max<LONG>(Extent.cx, Child->Left() + Child->Width() + FScrollPos.x);
    Extent.cy = std::max<LONG>(Extent.cy, Child->Top() + Child->Height() + FScrollPos.y);
  }
  return Extent;
}

void TScrollingWinControl::UpdateScrollRange() {
  if (!FHandle || FUpdatingRange) return;
  TScopedFlag UpdatingRange(FUpdatingRange);
  const SIZE Content = FAutoScroll ? ContentSize() : SIZE{0, 0};
  // Showing one bar narrows the client area and may call for the other: settle in two rounds.
  for (int Round = 0; Round < 2; ++Round) {
    RECT Client;
    GetClientRect(FHandle, &Client);
    for (int Bar : {SB_HORZ, SB_VERT}) {
      const int Visible = Bar == SB_HORZ ? Client.right : Client.bottom;
      const int Extent = Bar == SB_HORZ ? Content.cx : Content.cy;
      SCROLLINFO Info{};
      Info.cbSize = sizeof Info;
      Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      const bool Needed = Extent > Visible;
      Info.nMax = Needed ? Extent - 1 : 0;
      Info.nPage = Needed ? static_cast<UINT>(std::max(Visible, 1)) : 0;
      LONG& Pos = Bar == SB_HORZ ? FScrollPos.x : FScrollPos.y;
      // The children come back when less of them is hidden than was scrolled away.
      const LONG Limit = Needed ? std::max<LONG>(0, Extent - Visible) : 0;
      if (Pos > Limit) {
        const LONG Back = Pos - Limit;
        Pos = Limit;
        ScrollBy(Bar == SB_HORZ ? Back : 0, Bar == SB_VERT ? Back : 0);
      }
      Info.nPos = Pos;
      SetScrollInfo(FHandle, Bar, &Info, TRUE);
    }
  }
}

void TScrollingWinControl::ScrollTo(int X, int Y) {
  const LONG DX = FScrollPos.x - X, DY = FScrollPos.y - Y;
  if (DX == 0 && DY == 0) return;
  FScrollPos = {X, Y};
  ScrollBy(DX, DY);
  if (FHandle) {
    SetScrollPos(FHandle, SB_HORZ, X, TRUE);
    SetScrollPos(FHandle, SB_VERT, Y, TRUE);
  }
}

void TScrollingWinControl::ScrollInView(TControl* Control) {
  if (!Control || Control->Parent() != this || !FHandle) return;
  RECT Client;
  GetClientRect(FHandle, &Client);
  int X = FScrollPos.x, Y = FScrollPos.y;
  if (Control->Left() < 0)
    X += Control->Left();
  else if (Control->Left() + Control->Width() > Client.right)
    X += std::min(Control->Left(), Control->Left() + Control->Width() - static_cast<int>(Client.right));
  if (Control->Top() < 0)
    Y += Control->Top();
  else if (Control->Top() + Control->Height() > Client.bottom)
    Y += std::min(Control->Top(), Control->Top() + Control->Height() - static_cast<int>(Client.bottom));
  ScrollTo(std::max(X, 0), std::max(Y, 0));
}

void TScrollingWinControl::ScrollBar(int Bar, int Code) {
  const std::optional<int> Pos = ScrollRequestPosition(FHandle, Bar, Code);
  if (!Pos) return;
  if (Bar == SB_HORZ)
    ScrollTo(*Pos, FScrollPos.y);
  else
    ScrollTo(FScrollPos.x, *Pos);
}

void TScrollingWinControl::ControlBoundsChanged(TControl*) {
  UpdateScrollRange();
}

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollRange();
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  FScrollPos = {0, 0};
}

void TScrollingWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam == 0) {
        ScrollBar(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(Message.WParam));
        Message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL: {
      const int Notches = GET_WHEEL_DELTA_WPARAM(Message.WParam) / WHEEL_DELTA;
      for (int I = 0; I < std::abs(Notches); ++I) ScrollBar(SB_VERT, Notches > 0 ? SB_LINEUP : SB_LINEDOWN);
      Message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      EraseWithColor(Message);
      return;
    case WM_SIZE:
      TWinControl::WndProc(Message);
      UpdateScrollRange();
      return;
    case CM_CONTROLLISTCHANGE:
    case CM_VISIBLECHANGED:
      TWinControl::WndProc(Message);
      UpdateScrollRange();
      return;
    case WM_WINDOWPOSCHANGED:
      TWinControl::WndProc(Message);
      UpdateScrollRange();
      return;
  }
  TWinControl::WndProc(Message);
}

// ---- TScrollBox ---------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* Owner) : TScrollingWinControl(Owner) {
  FWidth = 185;
  FHeight = 41;
  FColor = clBtnFace;
}

void TScrollBox::Publish(TPublisher<TScrollBox>& P) {
  P.Enum("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}
