#include "framework/win/controls/ProgressBar.h"

#include <algorithm>

#include "framework/win/controls/CommonControls.h"

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 150;
  FHeight = 16;
}

void TProgressBar::Publish(TPublisher<TProgressBar>& P) {
  P.Int("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
  P.Int("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
  P.Int("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
  P.Int("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
  P.Enum("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation).Default(pbHorizontal);
  P.Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(0);
}

void TProgressBar::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = PROGRESS_CLASSW;
  if (FOrientation == pbVertical) Params.Style |= PBS_VERTICAL;
  if (FSmooth) Params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageW(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::Loaded() {
  TWinControl::Loaded();
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FHandle) RecreateWnd();
}

void TProgressBar::SetRange(int AMin, int AMax) {
  FMin = AMin;
  FMax = AMax;
  if (ComponentState().Contains(csLoading)) return;
  if (FMin > FMax) std::swap(FMin, FMax);
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (FHandle) {
    SendMessageW(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SendMessageW(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
  }
}

void TProgressBar::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, FMin, FMax);
  FPosition = Value;
  if (FHandle) SendMessageW(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool Value) {
  if (FSmooth == Value) return;
  FSmooth = Value;
  RecreateWnd();
}
