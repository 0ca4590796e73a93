#include "tests/comctrls/ComCtrlsTestUtil.h"

#include <cstdlib>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"

std::unique_ptr<TForm> ReadForm(std::string_view Text) {
  auto Form = std::make_unique<TForm>(Application);
  ReadComponentFromText(Text, Form.get());
  Form->Show();
  Pump();
  return Form;
}

void Pump() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

WNDPROC SystemClassProc(const wchar_t* ClassName) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  if (!GetClassInfoExW(nullptr, ClassName, &Class)) return nullptr;
  return Class.lpfnWndProc;
}

void HoldForLook() {
  const char* Hold = std::getenv("COMCTRLS_HOLD_MS");
  if (!Hold) return;
  const DWORD Until = GetTickCount() + static_cast<DWORD>(std::atoi(Hold));
  while (static_cast<LONG>(Until - GetTickCount()) > 0) {
    Pump();
    Sleep(20);
  }
}
