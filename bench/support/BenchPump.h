// The message pump of the benchmark programs that run under Wine.
#pragma once

#include <windows.h>

namespace bench {

// Handles the queued messages of this thread.
inline void Pump() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

// Handles messages until Done holds or Ms milliseconds have passed; false when the time ran out.
template <class F>
bool PumpUntil(F&& Done, DWORD Ms) {
  const DWORD Start = GetTickCount();
  while (!Done()) {
    if (GetTickCount() - Start >= Ms) return false;
    Pump();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

}  // namespace bench
