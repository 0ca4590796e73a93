// The three MDI buttons of an MDI parent: hidden until the active child is maximised, then placed in
// the menu band, shown hot with their fourth frame, and acting on the active child.
#include <gtest/gtest.h>

#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

namespace {

const wchar_t kChildClass[] = L"CaptionButtonTestMdiChild";

void RegisterChildClass() {
  static bool Done = false;
  if (Done) return;
  WNDCLASSW Wc{};
  Wc.lpfnWndProc = DefMDIChildProcW;
  Wc.hInstance = GetModuleHandleW(nullptr);
  Wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  Wc.lpszClassName = kChildClass;
  RegisterClassW(&Wc);
  Done = true;
}

class MdiButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDefaultSkin(Data);
    ASSERT_FALSE(Data.FNoSkin);
    RegisterChildClass();
    Window = std::make_unique<TKeptWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                           RECT{30, 30, 530, 400});
    Wnd = Window->Handle();
    HMENU Bar = CreateMenu();
    AppendMenuW(Bar, MF_STRING, 100, L"&File");
    SetMenu(Wnd, Bar);
    CLIENTCREATESTRUCT Ccs{nullptr, 0xFF00};
    RECT ClientArea{};
    GetClientRect(Wnd, &ClientArea);
    Client =
        CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        ClientArea.right, ClientArea.bottom, Wnd, nullptr, GetModuleHandleW(nullptr), &Ccs);
    ASSERT_NE(Client, nullptr);
    MDICREATESTRUCTW Mcs{};
    Mcs.szClass = kChildClass;
    Mcs.szTitle = L"Child";
    Mcs.hOwner = GetModuleHandleW(nullptr);
    Mcs.x = Mcs.y = 10;
    Mcs.cx = 200;
    Mcs.cy = 150;
    Child = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&Mcs)));
    ASSERT_NE(Child, nullptr);
    Form = Attach(Wnd, Data, TAttach::Driven);
    ASSERT_EQ(Form->FFormStyle, sfsMDIform);
    ASSERT_NE(Form->FSkinMenu, nullptr);
  }
  void TearDown() override {
    DestroyWindow(Wnd);
    Pump(10);
    Form.reset();
    Window.reset();
  }
  TWinSysButton* Mdi(int Action) { return ButtonOf(*Form, Action, 100); }

  TSkinData Data{nullptr};
  std::unique_ptr<TKeptWindow> Window;
  std::unique_ptr<TRuzIzivForm> Form;
  HWND Wnd = nullptr, Client = nullptr, Child = nullptr;
};

TEST_F(MdiButtons, ShownInTheMenuBandWhileTheActiveChildIsMaximised) {
  ASSERT_TRUE(Mdi(7) && Mdi(8) && Mdi(9));
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  EXPECT_FALSE(Form->MDIChildMax());
  EXPECT_FALSE(Mdi(9)->FVisible);

  SendMessageW(Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Child), 0);
  Pump(50);
  ASSERT_TRUE(IsZoomed(Child));
  EXPECT_TRUE(Form->MDIChildMax());
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  TWinSysButton* Close = Mdi(9);
  ASSERT_TRUE(Close->FVisible);
  const SIZE Frame = Close->FrameSize();
  int MenuLeft = Data.MenuBar ? Data.MenuBar->Margins.left : 0;
  EXPECT_EQ(Close->FRect.left, WindowSize(Wnd).cx - Close->FData->XCoord - Form->FRightWidth - MenuLeft);
  EXPECT_EQ(Close->FRect.top, Form->FTitleHeight + (Form->FMenuHeight - Frame.cy) / 2);
  EXPECT_LT(Mdi(7)->FRect.left, Mdi(8)->FRect.left);
  EXPECT_LT(Mdi(8)->FRect.left, Close->FRect.left);

  // Hot, it shows its fourth frame.
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Mdi(8)->FRect));
  EXPECT_EQ(Form->FHotObject, Mdi(8));
  EXPECT_EQ(FrameMismatches(Wnd, *Mdi(8), 4), 0);

  // Restore acts on the child.
  Click(Wnd, Centre(Mdi(8)->FRect));
  Pump(50);
  EXPECT_FALSE(IsZoomed(Child));
  EXPECT_FALSE(Form->MDIChildMax());
}

TEST_F(MdiButtons, ActOnTheActiveChild) {
  Form->MDIChildAction(SC_MINIMIZE);
  Pump(30);
  EXPECT_TRUE(IsIconic(Child));
  Form->RestoreMDI();
  Pump(30);
  EXPECT_FALSE(IsIconic(Child));

  SendMessageW(Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Child), 0);
  SendMessageW(Wnd, WM_SKIN_REPAINTFRAME, 0, 0);
  Click(Wnd, Centre(Mdi(9)->FRect));
  Pump(50);
  EXPECT_FALSE(IsWindow(Child));
}

TEST_F(MdiButtons, OtherWindowsHaveNoActiveChild) {
  TKeptWindow Plain;
  auto Form = Attach(Plain.Handle(), Data, TAttach::Driven);
  EXPECT_EQ(Form->ActiveMDIChild(nullptr), nullptr);
  EXPECT_FALSE(Form->MDIChildMax());
  Form->MDIChildAction(SC_CLOSE);  // nothing to act on
  DestroyWindow(Plain.Handle());
  Pump(10);
}

}  // namespace
