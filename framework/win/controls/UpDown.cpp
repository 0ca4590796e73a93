#include "framework/win/controls/UpDown.h"

#include <algorithm>

#include "framework/win/controls/CommonControls.h"

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 17;
  FHeight = 21;
}

TUpDown::~TUpDown() {
  SetReference(FAssociate, nullptr);
}

void TUpDown::Publish(TPublisher<TUpDown>& P) {
  P.Obj("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
  P.Enum("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton).Default(udRight);
  P.Int("Min", &TUpDown::Min, &TUpDown::SetMin).Default(0);
  P.Int("Max", &TUpDown::Max, &TUpDown::SetMax).Default(100);
  P.Int("Position", &TUpDown::Position, &TUpDown::SetPosition).Default(0);
  P.Int("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).Default(1);
  P.Enum("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).Default(udVertical);
  P.Bool("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).Default(0);
  P.Bool("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys).Default(1);
  P.Bool("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands).Default(1);
  P.Event("OnChanging", &TUpDown::OnChanging);
  P.Event("OnClick", &TUpDown::OnClick);
}

void TUpDown::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_UPDOWN_CLASS);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = UPDOWN_CLASSW;
  Params.Style |= UDS_SETBUDDYINT;
  if (FOrientation == udHorizontal) Params.Style |= UDS_HORZ;
  if (FWrap) Params.Style |= UDS_WRAP;
  if (FArrowKeys) Params.Style |= UDS_ARROWKEYS;
  if (!FThousands) Params.Style |= UDS_NOTHOUSANDS;
  // Beside the associate only when it is a sibling; inside it the arrows keep their own place.
  if (FAssociate && FAssociate->Parent() == FParent)
    Params.Style |= FAlignButton == udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  UDACCEL Accel{0, static_cast<UINT>(std::max(FIncrement, 1))};
  SendMessageW(FHandle, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&Accel));
  AttachBuddy();
  SendMessageW(FHandle, UDM_SETPOS32, 0, FPosition);
}

void TUpDown::AttachBuddy() {
  if (!FHandle || !FAssociate || ComponentState().Contains(csLoading)) return;
  HWND Buddy = HandleOf(FAssociate);
  if (!Buddy) return;
  SendMessageW(FHandle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Buddy), 0);
  SendMessageW(FHandle, UDM_SETPOS32, 0, FPosition);  // the buddy shows the position
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FHandle) RecreateWnd();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAssociate) {
    FAssociate = nullptr;
    if (FHandle) SendMessageW(FHandle, UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::SetAssociate(TWinControl* Value) {
  if (Value == this) Value = nullptr;
  if (!SetReference(FAssociate, Value)) return;
  // The alignment styles are fixed at creation.
  if (FHandle) {
    SendMessageW(FHandle, UDM_SETBUDDY, 0, 0);
    RecreateWnd();
  }
}

void TUpDown::SetAlignButton(TUDAlignButton Value) {
  if (FAlignButton == Value) return;
  FAlignButton = Value;
  RecreateWnd();
}

void TUpDown::SetMin(int Value) {
  FMin = Value;
  if (ComponentState().Contains(csLoading)) return;
  FMax = std::max(FMax, FMin);
  if (FHandle) SendMessageW(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(std::clamp(Position(), FMin, FMax));
}

void TUpDown::SetMax(int Value) {
  FMax = Value;
  if (ComponentState().Contains(csLoading)) return;
  FMin = std::min(FMin, FMax);
  if (FHandle) SendMessageW(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(std::clamp(Position(), FMin, FMax));
}

int TUpDown::Position() const {
  if (FHandle) {
    BOOL Failed = FALSE;
    const int Now =
        static_cast<int>(SendMessageW(FHandle, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&Failed)));
    // With a buddy the position is the buddy's text; text that is no number leaves the last one.
    if (!Failed) return Now;
  }
  return FPosition;
}

void TUpDown::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, FMin, FMax);
  FPosition = Value;
  if (FHandle) SendMessageW(FHandle, UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetIncrement(int Value) {
  FIncrement = std::max(Value, 1);
  if (FHandle) {
    UDACCEL Accel{0, static_cast<UINT>(FIncrement)};
    SendMessageW(FHandle, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&Accel));
  }
}

void TUpDown::SetOrientation(TUDOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TUpDown::SetWrap(bool Value) {
  if (FWrap == Value) return;
  FWrap = Value;
  RecreateWnd();
}

void TUpDown::SetArrowKeys(bool Value) {
  if (FArrowKeys == Value) return;
  FArrowKeys = Value;
  RecreateWnd();
}

void TUpDown::SetThousands(bool Value) {
  if (FThousands == Value) return;
  FThousands = Value;
  RecreateWnd();
}

void TUpDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (const NMHDR* Header = NotifyHeader(Message); Header && Header->code == UDN_DELTAPOS) {
        FLastDelta = reinterpret_cast<const NMUPDOWN*>(Header)->iDelta;
        bool Allow = true;
        if (OnChanging) OnChanging(this, Allow);
        Message.Result = Allow ? 0 : 1;
      } else {
        Message.Result = 0;
      }
      return;
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (LOWORD(Message.WParam) == SB_THUMBPOSITION) {
        FPosition = Position();
        const TUDBtnType Button = FLastDelta >= 0 ? TUDBtnType::btNext : TUDBtnType::btPrev;
        if (OnClick) OnClick(this, Button);
      }
      Message.Result = 0;
      return;
  }
  TWinControl::WndProc(Message);
}
