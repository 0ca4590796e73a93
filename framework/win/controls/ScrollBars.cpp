#include "framework/win/controls/ScrollBars.h"

#include <algorithm>

TScrollBar::TScrollBar(TComponent* Owner) : TWinControl(Owner) {
  FWidth = 121;
  FHeight = GetSystemMetrics(SM_CYHSCROLL);
  FTabStop = true;
}

void TScrollBar::Publish(TPublisher<TScrollBar>& P) {
  P.Enum("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
  P.Int("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
  P.Int("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
  P.Int("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
  P.Int("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
  P.Int("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
  P.Int("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
  P.Event("OnChange", &TScrollBar::OnChange);
  P.Event("OnScroll", &TScrollBar::OnScroll);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TScrollBar::SetMin(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FMin = Value;  // the others may follow; Loaded checks the whole
    return;
  }
  SetParams(FPosition, Value, FMax);
}

void TScrollBar::SetMax(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FMax = Value;
    return;
  }
  SetParams(FPosition, FMin, Value);
}

void TScrollBar::SetPageSize(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FPageSize = Value;
    return;
  }
  const long long Range = static_cast<long long>(FMax) - FMin + 1;
  if (Value < 0 || Value > Range) throw EInvalidOperation("Scroll bar property out of range");
  FPageSize = Value;
  UpdateWindow();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  if (ComponentState().Contains(csLoading)) {
    FPosition = APosition;
    FMin = AMin;
    FMax = AMax;
    return;
  }
  if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
  APosition = std::clamp(APosition, AMin, AMax);
  const bool Moved = APosition != FPosition;
  FMin = AMin;
  FMax = AMax;
  FPosition = APosition;
  if (FPageSize > FMax - FMin + 1) FPageSize = 0;
  UpdateWindow();
  if (Moved) Change();
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  if (FMax < FMin) throw EInvalidOperation("Scroll bar property out of range");
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FPageSize < 0 || FPageSize > static_cast<long long>(FMax) - FMin + 1) FPageSize = 0;
  UpdateWindow();
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::UpdateWindow() {
  if (!FHandle) return;
  SCROLLINFO Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.nMin = FMin;
  Info.nMax = FMax;
  Info.nPage = static_cast<UINT>(FPageSize);
  Info.nPos = FPosition;
  SetScrollInfo(FHandle, SB_CTL, &Info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = L"SCROLLBAR";
  Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindow();
}

void TScrollBar::DoScroll(int Code) {
  // With a page the last position shows the last page.
  const int Last = FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
  long long Pos = FPosition;
  TScrollCode ScrollCode = scEndScroll;
  switch (Code) {
    case SB_LINEUP:
      ScrollCode = scLineUp;
      Pos -= FSmallChange;
      break;
    case SB_LINEDOWN:
      ScrollCode = scLineDown;
      Pos += FSmallChange;
      break;
    case SB_PAGEUP:
      ScrollCode = scPageUp;
      Pos -= FLargeChange;
      break;
    case SB_PAGEDOWN:
      ScrollCode = scPageDown;
      Pos += FLargeChange;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      ScrollCode = Code == SB_THUMBTRACK ? scTrack : scPosition;
      // The 32-bit track position; the message carries only 16 bits of it.
      SCROLLINFO Info{};
      Info.cbSize = sizeof Info;
      Info.fMask = SIF_TRACKPOS;
      if (FHandle && GetScrollInfo(FHandle, SB_CTL, &Info)) Pos = Info.nTrackPos;
      break;
    }
    case SB_TOP:
      ScrollCode = scTop;
      Pos = FMin;
      break;
    case SB_BOTTOM:
      ScrollCode = scBottom;
      Pos = Last;
      break;
    case SB_ENDSCROLL:
      break;
    default:
      return;
  }
  int ScrollPos = static_cast<int>(std::clamp<long long>(Pos, FMin, Last));
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
  SetPosition(ScrollPos);
}

void TScrollBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      DoScroll(LOWORD(Message.WParam));
      Message.Result = 0;
      return;
  }
  TWinControl::WndProc(Message);
}
