// Edge cases of the frame take-over: the menu-update pause, windows without a caption, minimised
// windows, MDI parents and children.
#include <gtest/gtest.h>

#include "framework/win/forms/Forms.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/SkinUnit.h"
#include "tests/support/SkinnedWindow.h"

namespace {

using testsupport::Attach;
using testsupport::Pump;
using testsupport::TAttach;
using testsupport::TRecordingWindow;
using testsupport::WindowPixel;

// Sides, caption and bottom in clearly different colours; opaque, so the window stays rectangular.
String PlainIni() {
  auto Side = [](const char* Name) {
    return String(Name) + "=" + String(Name) + ".bmp\n" + Name + "Frame=2\n" + Name + "Trans=0\n" + Name +
           "TopHeight=0\n" + Name + "BotHeight=0\n";
  };
  return "[Personality]\n" + Side("Left") + Side("Right") + Side("Top") + Side("Bottom") +
         "[Colours]\nButtonFace=200 200 200\n";
}
TSkinFiles PlainFiles() {
  return {{"left.bmp", SolidBmp(8, 40, 0x400000)},
          {"right.bmp", SolidBmp(8, 40, 0x004000)},
          {"top.bmp", SolidBmp(20, 48, 0x000040)},
          {"bottom.bmp", SolidBmp(20, 12, 0x404000)}};
}

class FormEdge : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Data = new TSkinData(nullptr);
    Loaded = testsupport::LoadSkin(*Data, PlainIni(), PlainFiles());
  }
  static void TearDownTestSuite() {
    delete Data;
    Data = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(Loaded); }
  static TSkinData* Data;
  static bool Loaded;
};
TSkinData* FormEdge::Data = nullptr;
bool FormEdge::Loaded = false;

void PutPixel(HWND Wnd, int X, int Y, COLORREF Color) {
  HDC DC = GetWindowDC(Wnd);
  SetPixel(DC, X, Y, Color);
  ReleaseDC(Wnd, DC);
}

TEST_F(FormEdge, WhileTheMenuIsRebuiltTheFrameIsNotPainted) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  const int Y = 100;  // a point of the left border
  ASSERT_EQ(WindowPixel(Window.Handle(), 1, Y), RGB(0x40, 0, 0));
  PutPixel(Window.Handle(), 1, Y, RGB(1, 2, 3));
  Data->FMainMenuUpdate = false;
  Window.Clear();
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCPAINT, 1, 0), 0);
  EXPECT_FALSE(Window.Saw(WM_NCPAINT));
  EXPECT_EQ(WindowPixel(Window.Handle(), 1, Y), RGB(1, 2, 3));
  Data->FMainMenuUpdate = true;
  EXPECT_EQ(SendMessageW(Window.Handle(), WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(WindowPixel(Window.Handle(), 1, Y), RGB(0x40, 0, 0));
  // The engine's own repaint request paints as well.
  PutPixel(Window.Handle(), 1, Y, RGB(1, 2, 3));
  SendMessageW(Window.Handle(), WM_SKIN_REPAINTFRAME, 0, 0);
  EXPECT_EQ(WindowPixel(Window.Handle(), 1, Y), RGB(0x40, 0, 0));
  Form->UnSubclass();
}

TEST_F(FormEdge, WindowWithoutCaptionIsPaintedByThePlatform) {
  TRecordingWindow Window(WS_POPUP | WS_THICKFRAME | WS_VISIBLE);
  auto Form = Attach(Window.Handle(), *Data);
  ASSERT_EQ(Form->FBorderStyle, sbsNone);
  RECT Client{};
  GetClientRect(Window.Handle(), &Client);
  Window.Clear();
  SendMessageW(Window.Handle(), WM_NCPAINT, 1, 0);
  EXPECT_TRUE(Window.Saw(WM_NCPAINT));
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Window.Handle(), Region), ERROR);  // never shaped
  DeleteObject(Region);
  Form->UnSubclass();
}

TEST_F(FormEdge, MinimisedWindowShowsTheCaptionAcrossTheWholeWidth) {
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), *Data);
  // Normal: the left border at the far left of the caption row.
  EXPECT_EQ(WindowPixel(Window.Handle(), 1, 1), RGB(0x40, 0, 0));
  ShowWindow(Window.Handle(), SW_MINIMIZE);
  Pump(150);
  ASSERT_TRUE(IsIconic(Window.Handle()));
  EXPECT_EQ(Form->FWindowState, swsMin);
  Form->UpdateNc(nullptr);
  RECT R{};
  GetWindowRect(Window.Handle(), &R);
  EXPECT_EQ(Form->FFrameBitmap->Width(), R.right - R.left);
  EXPECT_EQ(Form->FFrameBitmap->Height(), R.bottom - R.top);
  // The caption background now starts at the window's left edge.
  EXPECT_EQ(GetPixel(Form->FFrameBitmap->Canvas()->Handle(), 1, 1), RGB(0, 0, 0x40));
  if (R.bottom - R.top > Form->FTitleHeight) {
    EXPECT_EQ(GetPixel(Form->FFrameBitmap->Canvas()->Handle(), 1, Form->FTitleHeight), RGB(200, 200, 200));
  }
  ShowWindow(Window.Handle(), SW_RESTORE);
  Pump(150);
  EXPECT_EQ(Form->FWindowState, swsNormal);
  Form->UnSubclass();
}

// A frame window with an MDI client and one MDI child, all plain system windows.
struct TMdi {
  TRecordingWindow Frame;
  HWND Client = nullptr;
  HWND Child = nullptr;
  TMdi() {
    CLIENTCREATESTRUCT Create{};
    Create.idFirstChild = 1000;
    Client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 380,
                             260, Frame.Handle(), nullptr, GetModuleHandleW(nullptr), &Create);
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSW Class{};
      Class.lpfnWndProc = DefMDIChildProcW;
      Class.hInstance = GetModuleHandleW(nullptr);
      Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      Class.lpszClassName = L"FormSkinTestMdiChild";
      RegisterClassW(&Class);
      Registered = true;
    }
    Child = CreateMDIWindowW(L"FormSkinTestMdiChild", L"Child", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10, 10, 200,
                             150, Client, GetModuleHandleW(nullptr), 0);
    Pump();
  }
};

TEST_F(FormEdge, MdiParentSubclassesItsClientAndGivesItBack) {
  TMdi Mdi;
  ASSERT_TRUE(Mdi.Client);
  const LONG_PTR ClientProc = GetWindowLongPtrW(Mdi.Client, GWLP_WNDPROC);
  auto Form = Attach(Mdi.Frame.Handle(), *Data);
  EXPECT_EQ(Form->FFormStyle, sfsMDIform);
  EXPECT_EQ(Form->FMDIClient, Mdi.Client);
  EXPECT_EQ(FormSkinShared.MDIClient, Mdi.Client);
  EXPECT_NE(GetWindowLongPtrW(Mdi.Client, GWLP_WNDPROC), ClientProc);
  // Without xoMDIScrollbar the client loses its scroll bars on every size calculation.
  SetWindowLongPtrW(Mdi.Client, GWL_STYLE, GetWindowLongPtrW(Mdi.Client, GWL_STYLE) | WS_VSCROLL);
  SetWindowPos(Mdi.Client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_FALSE(GetWindowLongPtrW(Mdi.Client, GWL_STYLE) & WS_VSCROLL);
  Form->UnSubclass();
  EXPECT_EQ(GetWindowLongPtrW(Mdi.Client, GWLP_WNDPROC), ClientProc);
  FormSkinShared.MDIClient = FormSkinShared.MDIForm = nullptr;
}

TEST_F(FormEdge, MdiChildWithItsOwnBorderOptionKeepsTheNativeFrame) {
  TMdi Mdi;
  ASSERT_TRUE(Mdi.Child);
  Data->Options.Include(xoMDIChildBorder);
  RECT Before{};
  GetWindowRect(Mdi.Child, &Before);
  auto Form = Attach(Mdi.Child, *Data);
  EXPECT_EQ(Form->FFormStyle, sfsMDIChild);
  EXPECT_FALSE(Form->FSkinFrame);
  EXPECT_EQ(Form->FSkinState, kSkinActive);
  RECT After{};
  GetWindowRect(Mdi.Child, &After);
  EXPECT_TRUE(EqualRect(&Before, &After));
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Mdi.Child, Region), ERROR);
  DeleteObject(Region);
  Form->UnSubclass();
  Data->Options.Exclude(xoMDIChildBorder);
  FormSkinShared.MDIClient = FormSkinShared.MDIForm = nullptr;
}

TEST(FormSkinChange, ANewSkinGivesNewThicknessesSameClientAreaAndANewRegion) {
  TSkinData Data(nullptr);
  testsupport::LoadDefaultSkin(Data);
  ASSERT_FALSE(Data.FNoSkin);
  TForm Form(nullptr);
  Form.SetBounds(90, 90, 360, 240);
  Form.Show();
  Pump();
  auto Skin = testsupport::AttachToForm(Form, Data);
  RECT Client{};
  GetClientRect(Form.Handle(), &Client);
  ASSERT_EQ(Skin->FLeftWidth, 5);
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Form.Handle(), Region), COMPLEXREGION);  // rounded corners

  // What the skin manager does when the skin data switches skins.
  Skin->DeleteSysbtn();
  ASSERT_TRUE(testsupport::LoadSkin(Data, PlainIni(), PlainFiles()));
  Skin->InitSkinData();
  Skin->SkinChange();
  Pump();
  EXPECT_EQ(Skin->FSkinState, kSkinActive);
  EXPECT_EQ(Skin->FLeftWidth, 4);
  EXPECT_EQ(Skin->FTitleHeight, 24);
  EXPECT_EQ(Form.Color(), Data.Colors[csButtonFace]);
  RECT NewClient{};
  GetClientRect(Form.Handle(), &NewClient);
  EXPECT_EQ(NewClient.right, Client.right);
  EXPECT_EQ(NewClient.bottom, Client.bottom);
  EXPECT_EQ(GetWindowRgn(Form.Handle(), Region), SIMPLEREGION);  // opaque borders: a rectangle
  DeleteObject(Region);
  EXPECT_EQ(WindowPixel(Form.Handle(), 1, 100), RGB(0x40, 0, 0));
  Skin->UnSubclass();
}

// The Windows 9x family has no skinned system menu.
TEST(FormSkinPlatform, OldPlatformFamilyLosesTheSystemMenuSwitch) {
  TSkinData Data(nullptr);
  testsupport::LoadDefaultSkin(Data);
  ASSERT_TRUE(Data.SkinControls.Contains(xcSystemMenu));
  const DWORD Saved = WinVersion;
  WinVersion = 0x80000004u;
  TRecordingWindow Window;
  auto Form = Attach(Window.Handle(), Data, TAttach::Inactive);
  WinVersion = Saved;
  EXPECT_FALSE(Data.SkinControls.Contains(xcSystemMenu));
  Form->UnSubclass();
}

}  // namespace

namespace {

TEST(FormSkinMenuBand, WindowWithAMenuGetsABandBelowTheCaption) {
  TSkinData Data(nullptr);
  ASSERT_TRUE(testsupport::LoadSkin(Data, PlainIni(), PlainFiles()));
  TRecordingWindow Window;
  HMENU Menu = CreateMenu();
  AppendMenuW(Menu, MF_STRING, 1, L"&File");
  SetMenu(Window.Handle(), Menu);
  Pump();
  RECT ClientBefore{};
  GetClientRect(Window.Handle(), &ClientBefore);
  auto Form = Attach(Window.Handle(), Data);
  EXPECT_EQ(Form->FMenuHeight, GetSystemMetrics(SM_CYMENU));
  ASSERT_TRUE(Form->FSkinMenu);
  EXPECT_EQ(Form->FSkinMenu->FMenuHandle, Menu);
  RECT Outer{};
  GetWindowRect(Window.Handle(), &Outer);
  POINT Origin{0, 0};
  ClientToScreen(Window.Handle(), &Origin);
  EXPECT_EQ(Origin.y - Outer.top, Form->FTitleHeight + Form->FMenuHeight);
  // Without a MenuBar element the band is filled with the menu-bar colour, the face colour here.
  EXPECT_EQ(WindowPixel(Window.Handle(), Form->FLeftWidth + 2, Form->FTitleHeight + 2), RGB(200, 200, 200));
  Form->UnSubclass();
  Pump();
  EXPECT_EQ(GetMenu(Window.Handle()), Menu);
  RECT ClientAfter{};
  GetClientRect(Window.Handle(), &ClientAfter);
  EXPECT_TRUE(EqualRect(&ClientBefore, &ClientAfter));
}

}  // namespace
