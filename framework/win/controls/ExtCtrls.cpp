#include "framework/win/controls/ExtCtrls.h"

#include <map>

#include "framework/win/controls/ExceptionReport.h"

namespace {

// Thread timer id -> its component; only the GUI thread touches it. Never destroyed: timers owned
// by objects that static destructors free (a skin manager finalised at exit) still stop themselves.
std::map<UINT_PTR, TTimer*>& Timers() {
  static auto* Table = new std::map<UINT_PTR, TTimer*>;
  return *Table;
}

}  // namespace

TTimer::TTimer(TComponent* Owner) : TComponent(Owner) {}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool V) {
  if (FEnabled == V) return;
  FEnabled = V;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned V) {
  if (FInterval == V) return;
  FInterval = V;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& V) {
  FOnTimer = V;
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

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
  auto Found = Timers().find(Id);
  if (Found == Timers().end()) return;  // killed while the message was queued
  TTimer* Fired = Found->second;
  try {
    Fired->Timer();
  } catch (...) {
    ReportException(Fired);
  }
}
