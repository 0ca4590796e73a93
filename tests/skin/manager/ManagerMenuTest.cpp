// Popup menu windows under the hook: subclassed once as they appear, painted with the skin's menu
// background, bound to their menu handle newest first, and gone from the registry with the window.
#include <gtest/gtest.h>

#include "skin/menus/RuzIzivPopMenu.h"
#include "tests/skin/manager/ManagerTestUtil.h"
#include "tests/support/Bitmaps.h"

using namespace mgrtest;

namespace {

const std::function<void(HWND)>* s_probe = nullptr;
int s_ticks = 0;

// Runs the probe once the menu window is up and painted, then ends the menu.
void CALLBACK MenuTick(HWND, UINT, UINT_PTR Id, DWORD) {
  HWND Wnd = FindWindowW(L"#32768", nullptr);
  if (!Wnd || !IsWindowVisible(Wnd) || ++s_ticks < 3) return;
  KillTimer(nullptr, Id);
  (*s_probe)(Wnd);
  EndMenu();
}

class ManagerMenus : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    data = Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
    Manager().FEnabled = true;
    Manager().FPhase = 1;
    owner = Track(MakeWindow(L"MgrMenuOwner", WS_POPUP, 10, 10));
    menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"First");
    AppendMenuW(menu, MF_STRING, 2, L"Second");
  }
  void TearDown() override {
    DestroyMenu(menu);
    ManagerTest::TearDown();
  }
  // Tracks the menu; Probe runs inside the menu loop once the menu window is up, then the menu ends.
  void Track(const std::function<void(HWND)>& Probe) {
    s_probe = &Probe;
    s_ticks = 0;
    const UINT_PTR Timer = SetTimer(nullptr, 0, 60, &MenuTick);
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
    KillTimer(nullptr, Timer);
    Pump();
  }
  using ManagerTest::Track;
  TSkinData* data = nullptr;
  HWND owner = nullptr;
  HMENU menu = nullptr;
};

TEST_F(ManagerMenus, PopupMenuWindowIsSubclassedOncePaintedWithTheBackgroundAndForgotten) {
  TSkinManage& M = Manager();
  bool Probed = false;
  Track([&](HWND Wnd) {
    Probed = true;
    ASSERT_EQ(M.Menus().size(), 1u);
    TRuzIzivPopMenu* Popup = M.Menus()[0];
    EXPECT_EQ(Popup->FHandle, Wnd);
    EXPECT_EQ(Popup->FSkinData, data);
    EXPECT_TRUE(AnswersSkinned(Wnd));
    M.AddMenu(Wnd);  // a second look adds nothing
    EXPECT_EQ(M.Menus().size(), 1u);
    // The items' painter binds the menu handle and gets the rendered background.
    M.SetHMenu(menu);
    EXPECT_EQ(Popup->FMenu, menu);
    SendMessageW(Wnd, WM_NCPAINT, 1, 0);  // the whole window, as the menu gets it when it appears
    TBitmap* Bg = M.GetMenuBg(menu);
    ASSERT_NE(Bg, nullptr);
    ASSERT_FALSE(Bg->Empty());
    HDC DC = GetWindowDC(Wnd);
    EXPECT_EQ(GetPixel(DC, 1, 1), static_cast<COLORREF>(gfxtest::PixelAt(*Bg, 1, 1)));
    ReleaseDC(Wnd, DC);
    EXPECT_EQ(M.GetMenuBg(reinterpret_cast<HMENU>(0x1234)), nullptr);
    M.SetPopMenu();
    EXPECT_TRUE(Popup->FMarked);
  });
  ASSERT_TRUE(Probed) << "the menu window did not appear";
  EXPECT_TRUE(M.Menus().empty()) << "the destroyed menu window left the registry";
  EXPECT_EQ(TSkinManage::MenuSource(), 0);
  EXPECT_FALSE(M.FMenuFromBar);
}

TEST_F(ManagerMenus, MenuSourceDecidesWhichSwitchAllowsSkinning) {
  TSkinManage& M = Manager();
  size_t Seen = 99;
  data->SkinControls.Exclude(xcSystemMenu);
  TSkinManage::SetMenuSource(2);  // from the system menu
  Track([&](HWND) { Seen = M.Menus().size(); });
  EXPECT_EQ(Seen, 0u) << "a system-menu popup needs xcSystemMenu";
  data->SkinControls.Include(xcSystemMenu);
  TSkinManage::SetMenuSource(2);
  M.FMenuFromBar = true;
  bool Marked = false;
  Track([&](HWND) {
    Seen = M.Menus().size();
    Marked = Seen == 1 && M.Menus()[0]->FMarked;
  });
  EXPECT_EQ(Seen, 1u);
  EXPECT_TRUE(Marked) << "a popup from the skinned menu bar starts marked";
  data->SkinControls.Exclude(xcPopupMenu);
  TSkinManage::SetMenuSource(0);
  Track([&](HWND) { Seen = M.Menus().size(); });
  EXPECT_EQ(Seen, 0u) << "a plain popup needs xcPopupMenu";
}

TEST_F(ManagerMenus, SetHMenuBindsTheNewestUnboundPopupFirst) {
  TSkinManage& M = Manager();
  HWND A = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  HWND B = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  auto* First = new TRuzIzivPopMenu();
  auto* Second = new TRuzIzivPopMenu();
  First->InitSkin(A, data, nullptr);
  Second->InitSkin(B, data, nullptr);
  M.FMenus->push_back(First);
  M.FMenus->push_back(Second);
  const auto M1 = reinterpret_cast<HMENU>(0x100);
  const auto M2 = reinterpret_cast<HMENU>(0x200);
  M.SetHMenu(M1);
  M.SetHMenu(M2);
  EXPECT_EQ(Second->FMenu, M1);
  EXPECT_EQ(First->FMenu, M2);
  // A third window opens (a submenu) while the first menu repaints an item: the bound menu stays
  // where it is and the new window waits for its own menu.
  HWND C = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  auto* Third = new TRuzIzivPopMenu();
  Third->InitSkin(C, data, nullptr);
  M.FMenus->push_back(Third);
  M.SetHMenu(M1);
  EXPECT_EQ(Third->FMenu, nullptr);
  EXPECT_EQ(M.GetMenuBg(M1), Second->FBackground.get());
  const auto M3 = reinterpret_cast<HMENU>(0x300);
  M.SetHMenu(M3);
  EXPECT_EQ(Third->FMenu, M3);
  EXPECT_TRUE(M.DeleteMenu(C));
  EXPECT_TRUE(M.FindSkinMenu(A));
  EXPECT_TRUE(M.DeleteMenu(B));
  EXPECT_FALSE(M.FindSkinMenu(B));
  EXPECT_FALSE(AnswersSkinned(B)) << "unsubclassed before it was freed";
  EXPECT_FALSE(M.DeleteMenu(B));
  EXPECT_TRUE(M.DeleteMenu(A));
  EXPECT_TRUE(M.Menus().empty());
}

}  // namespace
