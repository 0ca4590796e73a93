// Frame painting read back from real windows: the borders and caption come from the skin's border
// elements in the active or inactive frame, the client area sits inside the skinned frame, the
// window region follows the transparent border pixels; and the title's placement rules.
#include <gtest/gtest.h>

#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"
#include "tests/support/SkinnedWindow.h"

namespace {

using testsupport::Attach;
using testsupport::ExpectedBorderPixel;
using testsupport::Pump;
using testsupport::TAttach;
using testsupport::TRecordingWindow;
using testsupport::WindowPixel;

using FormPaint = testsupport::TDefaultSkinSuite;

struct TSize {
  int W, H;
};
TSize WindowSize(HWND Wnd) {
  RECT R{};
  GetWindowRect(Wnd, &R);
  return {R.right - R.left, R.bottom - R.top};
}

// Points on each border away from corners, buttons and title: (kind, x, y) in window coordinates and
// the position inside that border's own rendering.
void ExpectFrameFrom(TSkinData& Data, TRuzIzivForm& Form, int Frame) {
  const auto [W, H] = WindowSize(Form.FHandle);
  const int L = Form.FLeftWidth, R = Form.FRightWidth, T = Form.FTitleHeight, B = Form.FBottomHeight;
  struct TProbe {
    int Kind, X, Y, BW, BH, BX, BY;
  } Probes[] = {
      {1, 1, H / 2, L, H, 1, H / 2},
      {2, W - 2, H / 2, R, H, R - 2, H / 2},
      {4, W / 2, H - 2, W - L - R, B, W / 2 - L, B - 2},
      {3, W - R - 3, 1, W - L - R, T, W - L - R - 3, 1},
  };
  for (const TProbe& P : Probes) {
    const COLORREF Expected = ExpectedBorderPixel(Data, P.Kind, P.BW, P.BH, Frame, P.BX, P.BY);
    ASSERT_NE(Expected, CLR_INVALID);
    EXPECT_EQ(WindowPixel(Form.FHandle, P.X, P.Y), Expected)
        << "border " << P.Kind << " frame " << Frame << " at " << P.X << "," << P.Y;
  }
}

TEST_F(FormPaint, ActiveAndInactiveFramesComeFromTheBorderElements) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  SetForegroundWindow(Window.Handle());
  Pump(100);
  ASSERT_EQ(Form->FActive, 1);
  ExpectFrameFrom(*Data, *Form, 1);
  // Active and inactive frames of the default skin differ, so this really tells them apart.
  EXPECT_NE(ExpectedBorderPixel(*Data, 1, 5, 300, 1, 1, 150),
            ExpectedBorderPixel(*Data, 1, 5, 300, 2, 1, 150));

  TRecordingWindow Other(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {520, 60, 760, 260});
  SetForegroundWindow(Other.Handle());
  Pump(100);
  ASSERT_EQ(Form->FActive, 0);
  ExpectFrameFrom(*Data, *Form, 2);

  SetForegroundWindow(Window.Handle());
  Pump(100);
  ExpectFrameFrom(*Data, *Form, 1);
  Form->UnSubclass();
}

TEST_F(FormPaint, ClientAreaSitsInsideTheSkinnedFrameAndKeepsItsSize) {
  TRecordingWindow Window;
  RECT ClientBefore{};
  GetClientRect(Window.Handle(), &ClientBefore);
  auto Form = Attach(Window.Handle(), *Data);
  Pump();
  RECT Client{}, Outer{};
  GetClientRect(Window.Handle(), &Client);
  GetWindowRect(Window.Handle(), &Outer);
  POINT Origin{0, 0};
  ClientToScreen(Window.Handle(), &Origin);
  EXPECT_EQ(Origin.x - Outer.left, Form->FLeftWidth);
  EXPECT_EQ(Origin.y - Outer.top, Form->FTitleHeight + Form->FMenuHeight);
  EXPECT_EQ(Client.right, ClientBefore.right);
  EXPECT_EQ(Client.bottom, ClientBefore.bottom);
  EXPECT_EQ(Outer.right - Outer.left, Client.right + Form->FLeftWidth + Form->FRightWidth);
  EXPECT_EQ(Outer.bottom - Outer.top, Client.bottom + Form->FTitleHeight + Form->FBottomHeight);
  Form->UnSubclass();
}

TEST_F(FormPaint, RoundedCornersLieOutsideTheWindowRegion) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  Pump();
  const auto [W, H] = WindowSize(Window.Handle());
  // The default skin's left and right strips start with magenta corners.
  ASSERT_EQ(ExpectedBorderPixel(*Data, 1, Form->FLeftWidth, H, 1, 0, 0), RGB(255, 0, 255));
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Window.Handle(), Region), ERROR);
  EXPECT_FALSE(PtInRegion(Region, 0, 0));
  EXPECT_TRUE(PtInRegion(Region, 2, H / 2));                       // the left border itself
  EXPECT_TRUE(PtInRegion(Region, W / 2, H / 2));                   // the client part
  EXPECT_TRUE(PtInRegion(Region, W / 2, Form->FTitleHeight / 2));  // the caption
  DeleteObject(Region);
  EXPECT_TRUE(Form->FOwnsRegion);
  EXPECT_EQ(Form->FRegionWidth, W);
  EXPECT_EQ(Form->FRegionHeight, H);

  // The same size keeps the region; a new size rebuilds it for that size.
  HRGN Kept = Form->FRegion;
  Form->Cropwindow();
  EXPECT_EQ(Form->FRegion, Kept);
  // (A window that sizes itself keeps the client area it asks for: the outer size is read back.)
  SetWindowPos(Window.Handle(), nullptr, 0, 0, W + 40, H + 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  const auto [W2, H2] = WindowSize(Window.Handle());
  ASSERT_GE(W2, W + 40);
  EXPECT_EQ(Form->FRegionWidth, W2);
  EXPECT_EQ(Form->FRegionHeight, H2);
  Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Window.Handle(), Region), ERROR);
  EXPECT_TRUE(PtInRegion(Region, W2 - 3, H / 2));
  EXPECT_FALSE(PtInRegion(Region, W2, H / 2));
  DeleteObject(Region);
  Form->UnSubclass();
}

// A skin with four plain borders; Trans per side as given, the bottom strip with one magenta pixel.
String BorderIni(int TransLeft, int TransRight, int TransTop, int TransBottom) {
  auto Side = [](const char* Name, int Trans) {
    return String(Name) + "=" + String(Name) + ".bmp\n" + Name + "Frame=2\n" + Name +
           "Trans=" + std::to_string(Trans) + "\n" + Name + "TopHeight=0\n" + Name + "BotHeight=0\n";
  };
  return "[Personality]\n" + Side("Left", TransLeft) + Side("Right", TransRight) + Side("Top", TransTop) +
         Side("Bottom", TransBottom) + "[Colours]\nButtonFace=200 200 200\n";
}

TSkinFiles BorderFiles() {
  return {{"left.bmp", SolidBmp(8, 40, 0x204060)},
          {"right.bmp", SolidBmp(8, 40, 0x204060)},
          {"top.bmp", SolidBmp(20, 48, 0x3060A0)},
          {"bottom.bmp", SolidBmp(20, 12, 0x204060, 0, 0, 0xFF00FF)}};
}

TEST_F(FormPaint, OpaqueBordersGiveARectangularRegion) {
  TSkinData Plain(nullptr);
  ASSERT_TRUE(testsupport::LoadSkin(Plain, BorderIni(0, 0, 0, 0), BorderFiles()));
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), Plain);
  Pump();
  EXPECT_EQ(Form->FLeftWidth, 4);
  EXPECT_EQ(Form->FTitleHeight, 24);
  EXPECT_EQ(Form->FBottomHeight, 6);
  const auto [W, H] = WindowSize(Window.Handle());
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Window.Handle(), Region), SIMPLEREGION);
  RECT Box{};
  GetRgnBox(Region, &Box);
  EXPECT_EQ(Box.left, 0);
  EXPECT_EQ(Box.top, 0);
  EXPECT_EQ(Box.right, W);
  EXPECT_EQ(Box.bottom, H);
  DeleteObject(Region);
  Form->UnSubclass();
}

TEST_F(FormPaint, OnlyATransparentBottomStillShapesTheWindow) {
  TSkinData Bottom(nullptr);
  ASSERT_TRUE(testsupport::LoadSkin(Bottom, BorderIni(0, 0, 0, 1), BorderFiles()));
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), Bottom);
  Pump();
  const auto [W, H] = WindowSize(Window.Handle());
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Window.Handle(), Region), COMPLEXREGION);
  // The bottom strip's magenta pixel is its first: the bottom-left corner of the bottom edge.
  EXPECT_FALSE(PtInRegion(Region, Form->FLeftWidth, H - Form->FBottomHeight));
  EXPECT_TRUE(PtInRegion(Region, Form->FLeftWidth + 5, H - 2));
  EXPECT_TRUE(PtInRegion(Region, 0, 0));  // the opaque sides stay whole
  EXPECT_TRUE(PtInRegion(Region, W - 1, H - 1));
  DeleteObject(Region);
  Form->UnSubclass();
}

// DrawLine on a bitmap for the caption of a real window, with the title element adjusted per case.
class TitleText : public FormPaint {
 protected:
  void SetUp() override {
    FormPaint::SetUp();
    Saved = *Data->Title;
  }
  void TearDown() override {
    Data->Title->TextAlignment = Saved.TextAlignment;
    Data->Title->Margins = Saved.Margins;
  }
  RECT Draw(TRuzIzivForm& Form, const RECT& R) {
    TBitmap Bitmap(R.right + 20, R.bottom, pf24bit);
    Form.DrawLine(Bitmap.Canvas(), R);
    return Form.FTextRect;
  }
  struct TTitleCopy {
    int TextAlignment;
    RECT Margins;
    TTitleCopy& operator=(const TDataSkinTitle& T) {
      TextAlignment = T.TextAlignment;
      Margins = T.Margins;
      return *this;
    }
  } Saved{};
};

TEST_F(TitleText, AlignmentPlacesTheTitleBetweenTheSideBorders) {
  TRecordingWindow Window;
  SetWindowTextW(Window.Handle(), L"Title");
  auto Form = Attach(Window.Handle(), *Data);
  const RECT R{Form->FLeftWidth, 0, 400 - Form->FRightWidth, Form->FTitleHeight};
  const int BackLeft = Data->Title->TextBackLeft, BackRight = Data->Title->TextBackRight;

  Data->Title->TextAlignment = 0;
  Data->Title->Margins.left = 20;  // TextShift
  RECT T = Draw(*Form, R);
  EXPECT_EQ(T.left, R.left + 20);
  EXPECT_EQ(Form->FCaptionText, u"  Title ");
  const int Tw = T.right - T.left;
  EXPECT_GT(Tw, BackLeft + BackRight);

  Data->Title->TextAlignment = 1;
  T = Draw(*Form, R);
  EXPECT_EQ(T.left - R.left, ((R.right - R.left) - Tw) / 2);  // centred between the borders
  EXPECT_LE(std::abs((T.left - R.left) - (R.right - T.right)), 1);

  Data->Title->TextAlignment = 2;
  Data->Title->Margins.right = 30;  // TextRightClip
  T = Draw(*Form, R);
  EXPECT_EQ(T.right, R.right - 30);

  // Vertically centred, shifted by half of TextShiftVert.
  Data->Title->TextAlignment = 0;
  Data->Title->Margins.top = 6;
  const RECT Shifted = Draw(*Form, R);
  Data->Title->Margins.top = 0;
  const RECT Centred = Draw(*Form, R);
  EXPECT_EQ(Shifted.top - Centred.top, 3);
  Form->UnSubclass();
}

TEST_F(TitleText, LongCaptionStopsAtTheRightClipWithAnEllipsis) {
  TRecordingWindow Window;
  SetWindowTextW(Window.Handle(), std::wstring(300, L'W').c_str());
  auto Form = Attach(Window.Handle(), *Data);
  Data->Title->TextAlignment = 0;
  Data->Title->Margins.right = 50;
  const RECT R{5, 0, 395, 30};
  const RECT T = Draw(*Form, R);
  EXPECT_EQ(T.right, R.right - 50);
  EXPECT_GT(T.left, R.left);
  Form->UnSubclass();
}

TEST_F(TitleText, DialogTitlesMoveLeftWhereTheIconWouldBe) {
  TRecordingWindow Window(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
  auto Form = Attach(Window.Handle(), *Data);
  ASSERT_EQ(Form->FBorderStyle, sbsDialog);
  Data->Title->TextAlignment = 0;
  Data->Title->Margins.left = 20;
  const RECT T = Draw(*Form, RECT{5, 0, 395, 30});
  EXPECT_EQ(T.left, 5 + 20 - 16);
  Form->UnSubclass();
}

TEST_F(FormPaint, BordersOfNegativeSizeAreSkippedAndTileOneStretches) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data, TAttach::Inactive);
  TBitmap Target(60, 60, pf24bit);
  HDC DC = Target.Canvas()->Handle();
  PatBlt(DC, 0, 0, 60, 60, WHITENESS);
  Form->Drawborder(1, RECT{10, 10, 5, 50}, DC);  // negative width: nothing drawn
  Form->Drawborder(3, RECT{10, 50, 50, 10}, DC);
  EXPECT_EQ(GetPixel(DC, 7, 30), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(DC, 30, 30), RGB(255, 255, 255));
  Form->Drawborder(9, RECT{0, 0, 60, 60}, DC);  // no such border
  EXPECT_EQ(GetPixel(DC, 30, 30), RGB(255, 255, 255));

  // Tile 1 stretches the centre, any other value tiles it: the renderings of a tall left border differ
  // exactly by that choice.
  TDataSkinBorder& Left = *Data->Borders[sbLeft];
  const int SavedTile = Left.Tile;
  auto Render = [&](int Tile) {
    Left.Tile = Tile;
    TBitmap B(Form->FLeftWidth, 400, pf24bit);
    Form->Drawborder(1, RECT{0, 0, Form->FLeftWidth, 400}, B.Canvas()->Handle());
    auto Expected = GetHMap(RECT{0, 0, Form->FLeftWidth, 400}, Left.Bitmap.get(), Left.Margins, 1,
                            Left.FrameCount, Tile == 1 ? 0 : 1, 0);
    int Same = 0;
    for (int Y = 0; Y < 400; ++Y)
      Same += GetPixel(B.Canvas()->Handle(), 2, Y) == GetPixel(Expected->Canvas()->Handle(), 2, Y);
    return Same;
  };
  EXPECT_EQ(Render(1), 400);
  EXPECT_EQ(Render(0), 400);
  Left.Tile = SavedTile;
  Form->UnSubclass();
}

}  // namespace
