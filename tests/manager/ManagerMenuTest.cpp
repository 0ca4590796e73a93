// Popup menu windows under the hook: subclassed once as they appear, painted with the skin's menu
// background, bound to their menu handle newest first, and gone from the registry with the window.
#include <gtest/gtest.h>

#include "skin/menus/RuzIzivPopMenu.h"
#include "tests/support/Bitmaps.h"
#include "tests/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

const std::function<void(HWND)>* s_probe = nullptr;
int s_ticks = 0;

// Runs the probe once the menu window is up and painted, then ends the menu.
void CALLBACK MenuTick(HWND, UINT, UINT_PTR Id, DWORD) {
  HWND wnd = FindWindowW(L"#32768", nullptr);
  if (!wnd || !IsWindowVisible(wnd) || ++s_ticks < 3) return;
  KillTimer(nullptr, Id);
  (*s_probe)(wnd);
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
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, &MenuTick);
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
    KillTimer(nullptr, timer);
    Pump();
  }
  using ManagerTest::Track;
  TSkinData* data = nullptr;
  HWND owner = nullptr;
  HMENU menu = nullptr;
};

TEST_F(ManagerMenus, PopupMenuWindowIsSubclassedOncePaintedWithTheBackgroundAndForgotten) {
  TSkinManage& m = Manager();
  bool probed = false;
  Track([&](HWND Wnd) {
    probed = true;
    ASSERT_EQ(m.Menus().size(), 1u);
    TRuzIzivPopMenu* popup = m.Menus()[0];
    EXPECT_EQ(popup->FHandle, Wnd);
    EXPECT_EQ(popup->FSkinData, data);
    EXPECT_TRUE(AnswersSkinned(Wnd));
    m.AddMenu(Wnd);  // a second look adds nothing
    EXPECT_EQ(m.Menus().size(), 1u);
    // The items' painter binds the menu handle and gets the rendered background.
    m.SetHMenu(menu);
    EXPECT_EQ(popup->FMenu, menu);
    SendMessageW(Wnd, WM_NCPAINT, 1, 0);  // the whole window, as the menu gets it when it appears
    TBitmap* bg = m.GetMenuBg(menu);
    ASSERT_NE(bg, nullptr);
    ASSERT_FALSE(bg->Empty());
    HDC dc = GetWindowDC(Wnd);
    EXPECT_EQ(GetPixel(dc, 1, 1), static_cast<COLORREF>(gfxtest::PixelAt(*bg, 1, 1)));
    ReleaseDC(Wnd, dc);
    EXPECT_EQ(m.GetMenuBg(reinterpret_cast<HMENU>(0x1234)), nullptr);
    m.SetPopMenu();
    EXPECT_TRUE(popup->FMarked);
  });
  ASSERT_TRUE(probed) << "the menu window did not appear";
  EXPECT_TRUE(m.Menus().empty()) << "the destroyed menu window left the registry";
  EXPECT_EQ(TSkinManage::MenuSource(), 0);
  EXPECT_FALSE(m.FMenuFromBar);
}

TEST_F(ManagerMenus, MenuSourceDecidesWhichSwitchAllowsSkinning) {
  TSkinManage& m = Manager();
  size_t seen = 99;
  data->SkinControls.Exclude(xcSystemMenu);
  TSkinManage::SetMenuSource(2);  // from the system menu
  Track([&](HWND) { seen = m.Menus().size(); });
  EXPECT_EQ(seen, 0u) << "a system-menu popup needs xcSystemMenu";
  data->SkinControls.Include(xcSystemMenu);
  TSkinManage::SetMenuSource(2);
  m.FMenuFromBar = true;
  bool marked = false;
  Track([&](HWND) {
    seen = m.Menus().size();
    marked = seen == 1 && m.Menus()[0]->FMarked;
  });
  EXPECT_EQ(seen, 1u);
  EXPECT_TRUE(marked) << "a popup from the skinned menu bar starts marked";
  data->SkinControls.Exclude(xcPopupMenu);
  TSkinManage::SetMenuSource(0);
  Track([&](HWND) { seen = m.Menus().size(); });
  EXPECT_EQ(seen, 0u) << "a plain popup needs xcPopupMenu";
}

TEST_F(ManagerMenus, SetHMenuBindsTheNewestUnboundPopupFirst) {
  TSkinManage& m = Manager();
  HWND a = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  HWND b = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  auto* first = new TRuzIzivPopMenu();
  auto* second = new TRuzIzivPopMenu();
  first->InitSkin(a, data, nullptr);
  second->InitSkin(b, data, nullptr);
  m.FMenus->push_back(first);
  m.FMenus->push_back(second);
  const auto m1 = reinterpret_cast<HMENU>(0x100);
  const auto m2 = reinterpret_cast<HMENU>(0x200);
  m.SetHMenu(m1);
  m.SetHMenu(m2);
  EXPECT_EQ(second->FMenu, m1);
  EXPECT_EQ(first->FMenu, m2);
  // A third window opens (a submenu) while the first menu repaints an item: the bound menu stays
  // where it is and the new window waits for its own menu.
  HWND c = Track(MakeWindow(L"MgrFakeMenu", WS_POPUP, 50, 50));
  auto* third = new TRuzIzivPopMenu();
  third->InitSkin(c, data, nullptr);
  m.FMenus->push_back(third);
  m.SetHMenu(m1);
  EXPECT_EQ(third->FMenu, nullptr);
  EXPECT_EQ(m.GetMenuBg(m1), second->FBackground.get());
  const auto m3 = reinterpret_cast<HMENU>(0x300);
  m.SetHMenu(m3);
  EXPECT_EQ(third->FMenu, m3);
  EXPECT_TRUE(m.DeleteMenu(c));
  EXPECT_TRUE(m.FindSkinMenu(a));
  EXPECT_TRUE(m.DeleteMenu(b));
  EXPECT_FALSE(m.FindSkinMenu(b));
  EXPECT_FALSE(AnswersSkinned(b)) << "unsubclassed before it was freed";
  EXPECT_FALSE(m.DeleteMenu(b));
  EXPECT_TRUE(m.DeleteMenu(a));
  EXPECT_TRUE(m.Menus().empty());
}

}  // namespace
