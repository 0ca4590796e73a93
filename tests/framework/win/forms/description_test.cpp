// A form read from its description resource: child controls are real windows where the description
// puts them, properties and handlers are applied, and the form is owned by the application window.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/graphics/Colors.h"
#include "tests/framework/win/forms/TestForm.h"

namespace {

RECT ChildRect(HWND Child) {
  RECT R;
  GetWindowRect(Child, &R);
  MapWindowPoints(HWND_DESKTOP, GetParent(Child), reinterpret_cast<POINT*>(&R), 2);
  return R;
}

class DescriptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterComponentClasses<TTestForm>();
    form = CreateFormFromResource<TTestForm>(Application);
  }
  void TearDown() override { delete form; }
  TTestForm* form = nullptr;
};

TEST_F(DescriptionTest, ChildControlsAreWindowsWhereTheDescriptionPutsThem) {
  ASSERT_NE(form->btn1, nullptr);
  ASSERT_NE(form->btn4, nullptr);
  ASSERT_NE(form->btn2, nullptr);
  ASSERT_NE(form->edt1, nullptr);
  ASSERT_NE(form->dlgColor1, nullptr);
  form->Show();
  HWND Wnd = form->WindowHandle();
  struct Expected {
    TWinControl* control;
    RECT rect;
  } Layout[] = {{form->btn1, {0, 16, 33, 37}},
                {form->btn4, {16, 40, 233, 65}},
                {form->btn2, {216, 16, 249, 37}},
                {form->edt1, {32, 16, 217, 37}}};
  for (const auto& E : Layout) {
    HWND Child = E.control->WindowHandle();
    ASSERT_TRUE(IsWindow(Child)) << E.control->Name();
    EXPECT_EQ(GetParent(Child), Wnd);
    EXPECT_TRUE(IsWindowVisible(Child));
    const RECT R = ChildRect(Child);
    EXPECT_EQ(R.left, E.rect.left) << E.control->Name();
    EXPECT_EQ(R.top, E.rect.top) << E.control->Name();
    EXPECT_EQ(R.right, E.rect.right) << E.control->Name();
    EXPECT_EQ(R.bottom, E.rect.bottom) << E.control->Name();
    EXPECT_EQ(FindControlx(Child), E.control);
  }
  // Controls list in description order, the dialog only among the components.
  ASSERT_EQ(form->ControlCount(), 4);
  EXPECT_EQ(form->Controls(0), form->btn1);
  EXPECT_EQ(form->Controls(3), form->edt1);
  EXPECT_EQ(form->ComponentCount(), 5);
}

TEST_F(DescriptionTest, FormFrameSizeAndPlaceFollowTheDescription) {
  form->Show();
  HWND Wnd = form->WindowHandle();
  RECT Client;
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.right, 249);
  EXPECT_EQ(Client.bottom, 73);
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  const LONG_PTR ExStyle = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
  EXPECT_TRUE(ExStyle & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(Style & WS_SYSMENU);
  EXPECT_FALSE(Style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(Wnd, GW_OWNER), Application->Handle());
  // Centred on the screen.
  RECT R;
  GetWindowRect(Wnd, &R);
  EXPECT_NEAR(R.left, (GetSystemMetrics(SM_CXSCREEN) - (R.right - R.left)) / 2, 1);
  EXPECT_NEAR(R.top, (GetSystemMetrics(SM_CYSCREEN) - (R.bottom - R.top)) / 2, 1);
  wchar_t Caption[64] = {};
  GetWindowTextW(Wnd, Caption, 64);
  EXPECT_STREQ(Caption, L"\u6e10\u53d8\u5b57\u4ee3\u7801\u751f\u6210\u5668");
}

TEST_F(DescriptionTest, PropertiesFontsAndHandlersAreApplied) {
  EXPECT_EQ(form->startColor, clRed);  // FormCreate ran after reading
  EXPECT_EQ(form->btn1->Font()->Color(), clRed);
  EXPECT_TRUE(form->btn1->Font()->Style().Contains(fsBold));
  EXPECT_EQ(form->btn2->Font()->Color(), clBlue);
  EXPECT_FALSE(form->edt1->Enabled());
  EXPECT_EQ(form->edt1->Font()->Name(), "MS Sans Serif");  // the form font
  EXPECT_EQ(form->edt1->Text(), "sample line");
  EXPECT_EQ(form->btn4->Caption(),
            "\xe7\x94\x9f\xe6\x88\x90\xe4\xbb\xa3\xe7\xa0\x81\xe5\xb9\xb6\xe5\xa4\x8d\xe5\x88\xb6\xe5\x88\xb0"
            "\xe5\x89\xaa\xe5\x88\x87\xe6\x9d\xbf");
  form->Show();
  EXPECT_FALSE(IsWindowEnabled(form->edt1->WindowHandle()));
  EXPECT_TRUE(GetWindowLongPtrW(form->btn1->WindowHandle(), GWL_STYLE) & BS_OWNERDRAW);

  SendMessageW(form->btn4->WindowHandle(), BM_CLICK, 0, 0);
  SendMessageW(form->btn1->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->btn4Clicks, 1);
  EXPECT_EQ(form->btn1Clicks, 1);
  SendMessageW(form->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
  SendMessageW(form->WindowHandle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
  EXPECT_EQ(form->formClicks, 1);
}

TEST_F(DescriptionTest, OwnerDrawnButtonShowsItsFontColour) {
  form->Show();
  HWND Wnd = form->btn1->WindowHandle();
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  // Look for the caption's red among the button's pixels.
  HDC Screen = GetDC(Wnd);
  RECT R;
  GetClientRect(Wnd, &R);
  int Red = 0;
  for (int Y = 0; Y < R.bottom; ++Y)
    for (int X = 0; X < R.right; ++X)
      if (GetPixel(Screen, X, Y) == RGB(255, 0, 0)) ++Red;
  ReleaseDC(Wnd, Screen);
  EXPECT_GT(Red, 5);
}

TEST(DescriptionResource, AFormWithoutResourceStaysEmpty) {
  TForm Plain(nullptr);
  EXPECT_FALSE(Plain.ReadDescriptionResource());
  EXPECT_EQ(Plain.ComponentCount(), 0);
}

}  // namespace
