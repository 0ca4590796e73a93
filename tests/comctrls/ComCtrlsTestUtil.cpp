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

int GdiObjects() {
  if (DWORD Count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(Count);
  // Wine answers 0: probe the handle table (Wine takes a handle's index alone).
  int Count = 0;
  for (UINT_PTR Index = 1; Index < 0x10000; ++Index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(Index))) ++Count;
  return Count;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM Counter) {
  ++*reinterpret_cast<int*>(Counter);
  return TRUE;
}

// A top-level window and all windows below it.
BOOL CALLBACK CountWindow(HWND Wnd, LPARAM Counter) {
  ++*reinterpret_cast<int*>(Counter);
  EnumChildWindows(Wnd, &CountChild, Counter);
  return TRUE;
}

}  // namespace

int UserObjects() {
  if (DWORD Count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(Count);
  int Count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&Count));
  return Count;
}
