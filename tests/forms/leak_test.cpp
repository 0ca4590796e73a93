// Creating and destroying many forms with controls leaves no GDI or USER object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "tests/forms/TestForm.h"

namespace {

// GetGuiResources where it works. Wine answers 0: then count live GDI handles by probing the handle
// table (Wine accepts a handle's index alone) and count this thread's windows.
int GdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  int count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++count;
  return count;
}

BOOL CALLBACK CountWindow(HWND wnd, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  EnumChildWindows(wnd, &CountWindow, counter);
  return TRUE;
}

int UserObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(n);
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// One full life: read from the description, shown and painted, a font and a colour changed, a
// window re-created, closed and freed.
void FormLife() {
  auto* form = CreateFormFromResource<TTestForm>(Application);
  form->Show();
  form->btn2->Font()->SetColor(clGreen);
  form->edt1->SetColor(clYellow);
  form->edt1->SetEnabled(true);
  form->edt1->RecreateWnd();
  RedrawWindow(form->WindowHandle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  delete form;
  Pump();
}

TEST(Leaks, TwoHundredFormsWithControlsLeaveNoHandles) {
  RegisterComponentClasses<TTestForm>();
  FormLife();  // classes, caches and stock objects come into being once
  const int gdi = GdiObjects();
  const int user = UserObjects();
  for (int i = 0; i < 200; ++i) FormLife();
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(UserObjects(), user);
}

}  // namespace
