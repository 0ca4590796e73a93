// The three MDI buttons of an MDI parent: hidden until the active child is maximised, then placed in
// the menu band, shown hot with their fourth frame, and acting on the active child.
#include <gtest/gtest.h>

#include "tests/support/SkinnedWindow.h"

using namespace testsupport;

namespace {

const wchar_t kChildClass[] = L"CaptionButtonTestMdiChild";

void RegisterChildClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefMDIChildProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kChildClass;
  RegisterClassW(&wc);
  done = true;
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
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 100, L"&File");
    SetMenu(Wnd, bar);
    CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
    RECT client{};
    GetClientRect(Wnd, &client);
    Client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             client.right, client.bottom, Wnd, nullptr, GetModuleHandleW(nullptr), &ccs);
    ASSERT_NE(Client, nullptr);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = kChildClass;
    mcs.szTitle = L"Child";
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    Child = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
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
  TWinSysButton* close = Mdi(9);
  ASSERT_TRUE(close->FVisible);
  const SIZE frame = close->FrameSize();
  int menuLeft = Data.MenuBar ? Data.MenuBar->Margins.left : 0;
  EXPECT_EQ(close->FRect.left, WindowSize(Wnd).cx - close->FData->XCoord - Form->FRightWidth - menuLeft);
  EXPECT_EQ(close->FRect.top, Form->FTitleHeight + (Form->FMenuHeight - frame.cy) / 2);
  EXPECT_LT(Mdi(7)->FRect.left, Mdi(8)->FRect.left);
  EXPECT_LT(Mdi(8)->FRect.left, close->FRect.left);

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
  TKeptWindow plain;
  auto form = Attach(plain.Handle(), Data, TAttach::Driven);
  EXPECT_EQ(form->ActiveMDIChild(nullptr), nullptr);
  EXPECT_FALSE(form->MDIChildMax());
  form->MDIChildAction(SC_CLOSE);  // nothing to act on
  DestroyWindow(plain.Handle());
  Pump(10);
}

}  // namespace
