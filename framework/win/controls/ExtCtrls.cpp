#include "framework/win/controls/ExtCtrls.h"

#include <map>

#include "framework/win/controls/ExceptionReport.h"

namespace {

// Thread timer id -> its component; only the GUI thread touches it. Never destroyed: timers owned
// by objects that static destructors free (a skin manager finalised at exit) still stop themselves.
std::map<UINT_PTR, TTimer*>& Timers() {
  static auto* timers = new std::map<UINT_PTR, TTimer*>;
  return *timers;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned v) {
  if (FInterval == v) return;
  FInterval = v;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& v) {
  FOnTimer = v;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FId) {
    KillTimer(nullptr, FId);
    Timers().erase(FId);
    FId = 0;
  }
  if (FEnabled && FInterval > 0 && FOnTimer) {
    FId = SetTimer(nullptr, 0, FInterval, &TTimer::TimerProc);
    if (!FId) throw EOutOfResources("Not enough timers available");
    Timers()[FId] = this;
  }
}

void TTimer::Timer() {
  FOnTimer(this);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Timers().find(id);
  if (found == Timers().end()) return;  // killed while the message was queued
  TTimer* timer = found->second;
  try {
    timer->Timer();
  } catch (...) {
    ReportException(timer);
  }
}
