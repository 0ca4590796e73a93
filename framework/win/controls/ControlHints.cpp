#include "framework/win/controls/ControlHints.h"

#include <windows.h>

#include <memory>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/HintWindow.h"

namespace {

// Forgets the control when it goes away.
class THintWatcher : public TComponent {
 public:
  THintWatcher() : TComponent(nullptr) {}
  void Notification(TComponent* AComponent, TOperation Operation) override;
};

struct THintState {
  TControl* Control = nullptr;  // under the mouse, with a hint to show
  bool Showing = false;
  UINT_PTR ShowTimer = 0;
  UINT_PTR HideTimer = 0;
  std::unique_ptr<THintWindow> Window;
  std::unique_ptr<THintWatcher> Watcher;
};

THintState& State() {
  thread_local THintState S;
  return S;
}

void StopTimers() {
  THintState& S = State();
  if (S.ShowTimer) KillTimer(nullptr, S.ShowTimer);
  if (S.HideTimer) KillTimer(nullptr, S.HideTimer);
  S.ShowTimer = S.HideTimer = 0;
}

void CALLBACK HideProc(HWND, UINT, UINT_PTR, DWORD) {
  try {
    CancelHint();
  } catch (...) {
    ReportException(nullptr);
  }
}

void CALLBACK ShowProc(HWND, UINT, UINT_PTR, DWORD) {
  try {
    THintState& S = State();
    StopTimers();
    if (!S.Control) return;
    if (!S.Window) S.Window = std::make_unique<THintWindow>(nullptr);
    POINT Cursor{};
    GetCursorPos(&Cursor);
    RECT Rect = S.Window->CalcHintRect(300, S.Control->Hint());
    OffsetRect(&Rect, Cursor.x, Cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
    S.Window->ActivateHint(Rect, S.Control->Hint());
    S.Showing = true;
    const int Hide = Application ? Application->HintHidePause : 2500;
    if (Hide > 0) S.HideTimer = SetTimer(nullptr, 0, static_cast<UINT>(Hide), &HideProc);
  } catch (...) {
    ReportException(nullptr);
  }
}

void THintWatcher::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == State().Control) CancelHint();
}

}  // namespace

void HintMouseEnter(TControl* Control) {
  CancelHint();
  if (!Control || !Control->ShowHint() || Control->Hint().empty()) return;
  if (Application && !Application->ShowHint) return;
  THintState& S = State();
  if (!S.Watcher) S.Watcher = std::make_unique<THintWatcher>();
  S.Control = Control;
  S.Watcher->FreeNotification(Control);
  const int Pause = Application ? Application->HintPause : 500;
  S.ShowTimer = SetTimer(nullptr, 0, static_cast<UINT>(Pause > 0 ? Pause : 1), &ShowProc);
}

void HintMouseLeave(TControl* Control) {
  if (Control && Control == State().Control) CancelHint();
}

void CancelHint() {
  THintState& S = State();
  StopTimers();
  if (S.Watcher && S.Control) S.Watcher->RemoveFreeNotification(S.Control);
  S.Control = nullptr;
  S.Showing = false;
  // The window goes with the hint: nothing stays behind between hints.
  S.Window.reset();
}

TControl* HintShowingFor() {
  const THintState& S = State();
  return S.Showing ? S.Control : nullptr;
}
