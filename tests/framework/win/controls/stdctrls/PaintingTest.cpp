// What the self-drawn controls put on the screen, read back as pixels, and where a picture goes.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/Images.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"
#include "tests/support/Forms.h"

using testsupport::ReadForm;

namespace {

struct TPixelRow {
  const char* Body;  // one control called C1 at (10, 10), 60 by 40
  POINT At;          // in the control
  COLORREF Expected;
};

const COLORREF kWhite = RGB(255, 255, 255);

const TPixelRow kPixels[] = {
    {"TShape\n Brush.Color = clRed", {30, 20}, RGB(255, 0, 0)},
    {"TShape\n Brush.Color = clRed", {0, 0}, RGB(0, 0, 0)},                // the pen
    {"TShape\n Shape = stCircle\n Brush.Color = clRed", {5, 20}, kWhite},  // beside the circle
    {"TShape\n Shape = stCircle\n Brush.Color = clRed", {30, 20}, RGB(255, 0, 0)},
    {"TShape\n Shape = stEllipse\n Pen.Style = psClear\n Brush.Color = clBlue", {2, 20}, RGB(0, 0, 255)},
    {"TBevel\n Shape = bsTopLine", {5, 0}, GetSysColor(COLOR_BTNSHADOW)},
    {"TBevel\n Shape = bsTopLine", {5, 1}, GetSysColor(COLOR_BTNHIGHLIGHT)},
    {"TBevel\n Shape = bsTopLine", {5, 5}, kWhite},
    {"TBevel\n Style = bsRaised", {5, 0}, GetSysColor(COLOR_BTNHIGHLIGHT)},
    {"TBevel\n Style = bsRaised", {59, 39}, GetSysColor(COLOR_BTNSHADOW)},
    {"TLabel\n AutoSize = False\n Color = clYellow", {50, 35}, RGB(255, 255, 0)},
    {"TLabel\n AutoSize = False\n Color = clYellow\n Transparent = True", {50, 35}, kWhite},
    {"TLabel\n AutoSize = False\n Caption = 'x'\n Visible = False\n Color = clRed", {50, 35}, kWhite},
    {"TPanel\n BevelOuter = bvNone\n Color = clBlue", {30, 20}, RGB(0, 0, 255)},
    {"TPanel\n BevelOuter = bvLowered\n BorderWidth = 2\n Color = clBlue", {2, 2}, RGB(0, 0, 255)},
    {"TStringGrid\n FixedColor = clLime\n BorderStyle = bsNone", {30, 10}, RGB(0, 255, 0)},
    {"TStringGrid\n Color = clAqua\n BorderStyle = bsNone\n ScrollBars = ssNone\n DefaultColWidth = 10",
     {36, 35},
     RGB(0, 255, 255)},
    {"TScrollBox\n Color = clFuchsia\n BorderStyle = bsNone", {30, 20}, RGB(255, 0, 255)},
};

class Painting : public ::testing::TestWithParam<TPixelRow> {};

TEST_P(Painting, ControlsDrawTheirPartsInTheirColours) {
  const TPixelRow& Row = GetParam();
  const String Text = String("object Form1: TForm\n Color = clWhite\n object C1: ") + Row.Body +
                      "\n Left = 10\n Top = 10\n Width = 60\n Height = 40\n end\nend\n";
  auto Form = ReadForm(Text);
  Form->HandleNeeded();
  TControl* Control = static_cast<TControl*>(Form->FindComponent("C1"));
  // A window paints itself; a windowless control is painted by its parent.
  auto* Window = dynamic_cast<TWinControl*>(Control);
  const TRendering R(Window ? Window->Handle() : Form->WindowHandle());
  const POINT At = Window ? Row.At : POINT{Row.At.x + 10, Row.At.y + 10};
  EXPECT_EQ(R.Pixel(At.x, At.y), Row.Expected) << Row.Body << std::hex << " got " << R.Pixel(At.x, At.y);
}

INSTANTIATE_TEST_SUITE_P(StdControls, Painting, ::testing::ValuesIn(kPixels));

struct TPictureRow {
  SIZE Picture;
  bool Stretch, Center, Proportional;
  RECT Expected;  // in a 100 by 50 image control
};

class PicturePlaces : public ::testing::TestWithParam<TPictureRow> {};

TEST_P(PicturePlaces, FollowStretchCentreAndProportion) {
  const TPictureRow& Row = GetParam();
  TImage Image(nullptr);
  Image.SetBounds(0, 0, 100, 50);
  Image.Picture()->Bitmap()->SetSize(Row.Picture.cx, Row.Picture.cy);
  Image.SetStretch(Row.Stretch);
  Image.SetCenter(Row.Center);
  Image.SetProportional(Row.Proportional);
  const RECT Got = Image.DestRect();
  EXPECT_TRUE(EqualRect(&Got, &Row.Expected))
      << Got.left << "," << Got.top << "," << Got.right << "," << Got.bottom;
}

INSTANTIATE_TEST_SUITE_P(StdControls, PicturePlaces,
                         ::testing::Values(TPictureRow{{20, 10}, false, false, false, {0, 0, 20, 10}},
                                           TPictureRow{{20, 10}, false, true, false, {40, 20, 60, 30}},
                                           TPictureRow{{20, 10}, true, false, false, {0, 0, 100, 50}},
                                           TPictureRow{{20, 10}, true, false, true, {0, 0, 100, 50}},
                                           TPictureRow{{20, 20}, true, true, true, {25, 0, 75, 50}},
                                           TPictureRow{{400, 100}, false, false, true, {0, 0, 100, 25}},
                                           TPictureRow{{400, 100}, false, true, true, {0, 12, 100, 37}},
                                           TPictureRow{{0, 0}, true, true, true, {0, 0, 0, 0}}));

TEST(PicturePlaces, AStretchedPictureFillsItsPlace) {
  auto Form = MakeHostForm();
  Form->SetColor(clWhite);
  auto* Image = new TImage(Form.get());
  Image->SetBounds(10, 10, 40, 20);
  Image->SetStretch(true);
  Image->SetParent(Form.get());
  TBitmap* Bitmap = Image->Picture()->Bitmap();
  Bitmap->SetSize(2, 2);
  Bitmap->Canvas()->Brush()->SetColor(clRed);
  Bitmap->Canvas()->FillRect({0, 0, 2, 2});
  const TRendering R(Form->WindowHandle());
  EXPECT_EQ(R.Count({10, 10, 50, 30}, RGB(255, 0, 0)), 800);
  EXPECT_EQ(R.Pixel(50, 30), RGB(255, 255, 255));
}

}  // namespace
