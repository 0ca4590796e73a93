// Creating and destroying many forms with controls leaves no GDI or USER object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "tests/forms/TestForm.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

namespace {

using testsupport::GdiObjects;
using testsupport::UserObjects;

void Pump() {
  testsupport::Pump(0);
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
  const DWORD gdi = GdiObjects();
  const DWORD user = UserObjects();
  for (int i = 0; i < 200; ++i) FormLife();
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(UserObjects(), user);
}

}  // namespace
