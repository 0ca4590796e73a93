#include "tests/support/Pump.h"

namespace testsupport {

namespace {

void Drain() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

}  // namespace

void Pump(int Time) {
  const DWORD Start = GetTickCount();
  Drain();
  while (GetTickCount() - Start < static_cast<DWORD>(Time)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    Drain();
  }
}

bool PumpUntil(const std::function<bool()>& Done, int Time) {
  const DWORD Start = GetTickCount();
  while (!Done()) {
    if (GetTickCount() - Start >= static_cast<DWORD>(Time)) return Done();
    Drain();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

}  // namespace testsupport
