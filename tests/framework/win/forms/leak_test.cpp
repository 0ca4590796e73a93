// Creating and destroying many forms with controls leaves no GDI or USER object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "tests/framework/win/forms/TestForm.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

namespace {

void Pump() {
  testsupport::Pump(0);
}

// One full life: read from the description, shown and painted, a font and a colour changed, a
// window re-created, closed and freed.
void FormLife() {
  auto* Form = CreateFormFromResource<TTestForm>(Application);
  Form->Show();
  Form->btn2->Font()->SetColor(clGreen);
  Form->edt1->SetColor(clYellow);
  Form->edt1->SetEnabled(true);
  Form->edt1->RecreateWnd();
  RedrawWindow(Form->WindowHandle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  delete Form;
  Pump();
}

TEST(Leaks, TwoHundredFormsWithControlsLeaveNoHandles) {
  RegisterComponentClasses<TTestForm>();
  FormLife();  // classes, caches and stock objects come into being once
  const auto [Gdi, User] = testsupport::SettledObjectCounts();
  for (int I = 0; I < 200; ++I) FormLife();
  const auto [GdiAfter, UserAfter] = testsupport::SettledObjectCounts();
  EXPECT_EQ(GdiAfter, Gdi);
  EXPECT_EQ(UserAfter, User);
}

}  // namespace
