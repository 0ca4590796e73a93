#include "framework/win/controls/TrackBar.h"

#include <algorithm>

#include "framework/win/controls/CommonControls.h"

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 150;
  FHeight = 45;
  FTabStop = true;
}

void TTrackBar::Publish(TPublisher<TTrackBar>& P) {
  P.Enum("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal);
  P.Enum("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto);
  P.Enum("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks).Default(tmBottomRight);
  P.Int("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
  P.Int("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
  P.Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
  P.Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
  P.Int("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
  P.Int("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
  P.Int("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart).Default(0);
  P.Int("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd).Default(0);
  P.Int("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength).Default(20);
  P.Bool("SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible).Default(1);
  P.Event("OnChange", &TTrackBar::OnChange);
}

void TTrackBar::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = TRACKBAR_CLASSW;
  Params.Style |= TBS_FIXEDLENGTH | TBS_ENABLESELRANGE;
  Params.Style |= FOrientation == trVertical ? TBS_VERT : TBS_HORZ;
  if (FTickStyle == tsNone)
    Params.Style |= TBS_NOTICKS;
  else if (FTickStyle == tsAuto)
    Params.Style |= TBS_AUTOTICKS;
  // TBS_TOP and TBS_LEFT are one bit, as are TBS_BOTTOM and TBS_RIGHT.
  if (FTickMarks == tmBoth)
    Params.Style |= TBS_BOTH;
  else if (FTickMarks == tmTopLeft)
    Params.Style |= TBS_TOP;
  if (!FSliderVisible) Params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(FThumbLength), 0);
  SendMessageW(FHandle, TBM_SETLINESIZE, 0, FLineSize);
  SendMessageW(FHandle, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageW(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageW(FHandle, TBM_SETRANGEMAX, FALSE, FMax);
  if (FTickStyle == tsAuto) SendMessageW(FHandle, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
  UpdateSelection();
  SendMessageW(FHandle, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  // Read in file order without checks; the values are made consistent once all are known.
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FHandle) RecreateWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  // The new orientation takes the old extent the other way round.
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  if (FTickStyle == Value) return;
  FTickStyle = Value;
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  if (FTickMarks == Value) return;
  FTickMarks = Value;
  RecreateWnd();
}

void TTrackBar::SetRange(int AMin, int AMax) {
  if (!ComponentState().Contains(csLoading)) {
    if (AMin > AMax) {
      if (AMin != FMin)
        AMax = AMin;
      else
        AMin = AMax;
    }
  }
  FMin = AMin;
  FMax = AMax;
  if (ComponentState().Contains(csLoading)) return;
  const int Old = FPosition;
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FHandle) {
    SendMessageW(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
    SendMessageW(FHandle, TBM_SETRANGEMAX, TRUE, FMax);
    SendMessageW(FHandle, TBM_SETPOS, TRUE, FPosition);
  }
  if (Old != FPosition) Changed();
}

int TTrackBar::Position() const {
  return FPosition;
}

void TTrackBar::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition) return;
  FPosition = Value;
  if (FHandle) SendMessageW(FHandle, TBM_SETPOS, TRUE, FPosition);
  if (!ComponentState().Contains(csLoading)) Changed();
}

void TTrackBar::SetFrequency(int Value) {
  FFrequency = std::max(Value, 1);
  if (FHandle && FTickStyle == tsAuto)
    SendMessageW(FHandle, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
}

void TTrackBar::SetLineSize(int Value) {
  FLineSize = std::max(Value, 0);
  if (FHandle) SendMessageW(FHandle, TBM_SETLINESIZE, 0, FLineSize);
}

void TTrackBar::SetPageSize(int Value) {
  FPageSize = std::max(Value, 0);
  if (FHandle) SendMessageW(FHandle, TBM_SETPAGESIZE, 0, FPageSize);
}

void TTrackBar::SetSelStart(int Value) {
  FSelStart = Value;
  UpdateSelection();
}

void TTrackBar::SetSelEnd(int Value) {
  FSelEnd = Value;
  UpdateSelection();
}

void TTrackBar::UpdateSelection() {
  if (!FHandle) return;
  if (FSelEnd > FSelStart) {
    SendMessageW(FHandle, TBM_SETSELSTART, FALSE, FSelStart);
    SendMessageW(FHandle, TBM_SETSELEND, TRUE, FSelEnd);
  } else {
    SendMessageW(FHandle, TBM_CLEARSEL, TRUE, 0);
  }
}

void TTrackBar::SetThumbLength(int Value) {
  FThumbLength = std::max(Value, 1);
  if (FHandle) SendMessageW(FHandle, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(FThumbLength), 0);
}

void TTrackBar::SetSliderVisible(bool Value) {
  if (FSliderVisible == Value) return;
  FSliderVisible = Value;
  RecreateWnd();
}

void TTrackBar::SetTick(int Value) {
  if (FHandle) SendMessageW(FHandle, TBM_SETTIC, 0, Value);
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: {
      const int Now = static_cast<int>(SendMessageW(FHandle, TBM_GETPOS, 0, 0));
      if (Now != FPosition) {
        FPosition = Now;
        Changed();
      }
      Message.Result = 0;
      return;
    }
    case CN_NOTIFY:
      // Custom drawing and the other notifications: the system draws unless someone in front of
      // the message method answered.
      Message.Result = 0;
      return;
  }
  TWinControl::WndProc(Message);
}
