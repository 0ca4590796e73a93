// A form read from its description resource: child controls are real windows where the description
// puts them, properties and handlers are applied, and the form is owned by the application window.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/graphics/Colors.h"
#include "tests/forms/TestForm.h"

namespace {

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
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
  HWND wnd = form->WindowHandle();
  struct Expected {
    TWinControl* control;
    RECT rect;
  } expected[] = {{form->btn1, {0, 16, 33, 37}},
                  {form->btn4, {16, 40, 233, 65}},
                  {form->btn2, {216, 16, 249, 37}},
                  {form->edt1, {32, 16, 217, 37}}};
  for (const auto& e : expected) {
    HWND child = e.control->WindowHandle();
    ASSERT_TRUE(IsWindow(child)) << e.control->Name();
    EXPECT_EQ(GetParent(child), wnd);
    EXPECT_TRUE(IsWindowVisible(child));
    const RECT r = ChildRect(child);
    EXPECT_EQ(r.left, e.rect.left) << e.control->Name();
    EXPECT_EQ(r.top, e.rect.top) << e.control->Name();
    EXPECT_EQ(r.right, e.rect.right) << e.control->Name();
    EXPECT_EQ(r.bottom, e.rect.bottom) << e.control->Name();
    EXPECT_EQ(FindControlx(child), e.control);
  }
  // Controls list in description order, the dialog only among the components.
  ASSERT_EQ(form->ControlCount(), 4);
  EXPECT_EQ(form->Controls(0), form->btn1);
  EXPECT_EQ(form->Controls(3), form->edt1);
  EXPECT_EQ(form->ComponentCount(), 5);
}

TEST_F(DescriptionTest, FormFrameSizeAndPlaceFollowTheDescription) {
  form->Show();
  HWND wnd = form->WindowHandle();
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 249);
  EXPECT_EQ(client.bottom, 73);
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(wnd, GW_OWNER), Application->Handle());
  // Centred on the screen.
  RECT r;
  GetWindowRect(wnd, &r);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 1);
  wchar_t caption[64] = {};
  GetWindowTextW(wnd, caption, 64);
  EXPECT_STREQ(caption, L"\u6e10\u53d8\u5b57\u4ee3\u7801\u751f\u6210\u5668");
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
  HWND wnd = form->btn1->WindowHandle();
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  // Look for the caption's red among the button's pixels.
  HDC screen = GetDC(wnd);
  RECT r;
  GetClientRect(wnd, &r);
  int red = 0;
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x)
      if (GetPixel(screen, x, y) == RGB(255, 0, 0)) ++red;
  ReleaseDC(wnd, screen);
  EXPECT_GT(red, 5);
}

TEST(DescriptionResource, AFormWithoutResourceStaysEmpty) {
  TForm plain(nullptr);
  EXPECT_FALSE(plain.ReadDescriptionResource());
  EXPECT_EQ(plain.ComponentCount(), 0);
}

}  // namespace
