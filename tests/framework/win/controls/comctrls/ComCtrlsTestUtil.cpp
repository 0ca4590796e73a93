#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"

#include <cstdlib>

#include "tests/support/Pump.h"

WNDPROC SystemClassProc(const wchar_t* ClassName) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  if (!GetClassInfoExW(nullptr, ClassName, &Class)) return nullptr;
  return Class.lpfnWndProc;
}

void HoldForLook() {
  const char* Hold = std::getenv("COMCTRLS_HOLD_MS");
  if (!Hold) return;
  testsupport::Pump(std::atoi(Hold));
}
