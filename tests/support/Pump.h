// Message pumps of the Windows tests.
#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// Handles this thread's messages for Time milliseconds (at least one pass; Pump(0) only drains).
void Pump(int Time = 50);
// Handles messages until Done holds or Time milliseconds have passed; returns Done().
bool PumpUntil(const std::function<bool()>& Done, int Time = 3000);

}  // namespace testsupport
