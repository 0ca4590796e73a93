// The skinned system menu: it pops up on a right click on the caption and on Alt+Space, is built
// from the window's system menu with the skin's glyphs, and its items act; on old platforms it has
// fixed items. Also the close rules that depend on the system menu.
#include <gtest/gtest.h>

#include "skin/imaging/SkinUnit.h"
#include "tests/support/SkinnedWindow.h"

#if __has_include("framework/win/menus/Menus.h")
#include "framework/win/menus/Menus.h"
#define HAVE_FRAMEWORK_MENUS 1
#endif

using namespace testsupport;

namespace {

// Closes every popup menu that opens while it exists, and remembers what it saw.
struct TMenuWatcher {
  TMenuWatcher() {
    Self = this;
    Timer = SetTimer(nullptr, 0, 60, &Tick);
  }
  ~TMenuWatcher() {
    KillTimer(nullptr, Timer);
    Self = nullptr;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND Menu = FindWindowW(L"#32768", nullptr);
    if (!Self || !Menu || !IsWindowVisible(Menu)) return;
    auto Handle = reinterpret_cast<HMENU>(SendMessageW(Menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
    Self->Items = Handle ? GetMenuItemCount(Handle) : -1;
    if (Handle && GetMenuItemCount(Handle) > 0) {
      MENUITEMINFOW Info{};
      Info.cbSize = sizeof(Info);
      Info.fMask = MIIM_FTYPE;
      GetMenuItemInfoW(Handle, 0, TRUE, &Info);
      Self->OwnerDrawn = (Info.fType & MFT_OWNERDRAW) != 0;
    }
    ++Self->Seen;
    EndMenu();
  }
  static inline TMenuWatcher* Self = nullptr;
  UINT_PTR Timer = 0;
  int Seen = 0;
  int Items = 0;
  bool OwnerDrawn = false;
};

class SysMenu : public TSkinnedWindowTest {
 protected:
  void SetUp() override {
    TSkinnedWindowTest::SetUp();
    Open();
    FormSkinShared.MenuSource = 0;
  }
  void TearDown() override {
    WinVersion = SavedVersion;
    FormSkinShared.ServesModule = false;
    TSkinnedWindowTest::TearDown();
  }
  POINT Caption() const { return POINT{WindowSize(Wnd).cx / 2, 12}; }

  DWORD SavedVersion = WinVersion;
};

TEST_F(SysMenu, CloseButtonNeedsCloseInTheSystemMenu) {
  EXPECT_TRUE(Form->CheckSysmenu());
  TWinSysButton* Close = ButtonOf(*Form, 0);
  ASSERT_NE(Close, nullptr);
  DeleteMenu(GetSystemMenu(Wnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
  EXPECT_FALSE(Form->CheckSysmenu());
  Window->Clear();
  Click(Wnd, Centre(Close->FRect));
  Pump(30);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_CLOSE), 0);
  WinVersion = 0x80000004;  // the 9x family never asks
  EXPECT_TRUE(Form->CheckSysmenu());
}

TEST_F(SysMenu, SecondRightClickWithinTheDoubleClickTimeOnAButtonCloses) {
  TMenuWatcher Watcher;
  TWinSysButton* Close = ButtonOf(*Form, 0);
  SendNC(Wnd, WM_NCMOUSEMOVE, Centre(Close->FRect));
  ASSERT_EQ(Form->FHotObject, Close);
  Window->Clear();
  Form->FDblClickTime = 60000;  // however long the first popup stays open
  SendNC(Wnd, WM_NCRBUTTONDOWN, Centre(Close->FRect));
  SendNC(Wnd, WM_NCRBUTTONDOWN, Centre(Close->FRect));
  Pump(30);
  EXPECT_EQ(Window->Count(WM_CLOSE, 0), 1);
}

TEST_F(SysMenu, AltAloneNeverOpensThePlatformsMenu) {
  Window->Clear();
  EXPECT_EQ(SendMessageW(Wnd, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_KEYMENU), 0);
  // A letter that no menu-bar button carries goes on to the platform.
  SendMessageW(Wnd, WM_SYSCOMMAND, SC_KEYMENU, 'q');
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_KEYMENU), 1);
}

TEST_F(SysMenu, NothingForAModuleManager) {
  FormSkinShared.ServesModule = true;
  TMenuWatcher Watcher;
  SendNC(Wnd, WM_NCRBUTTONDOWN, Caption());
  EXPECT_EQ(Form->FSysPopup, nullptr);
  EXPECT_EQ(Watcher.Seen, 0);
}

#ifdef HAVE_FRAMEWORK_MENUS

TMenuItem* ItemWithTag(TPopupMenu* Popup, std::intptr_t Tag) {
  for (int I = 0; I < Popup->Items()->Count(); ++I)
    if (Popup->Items()->Items(I)->Tag() == Tag) return Popup->Items()->Items(I);
  return nullptr;
}

TEST_F(SysMenu, RightClickOnTheCaptionPopsTheSkinnedMenuBuiltFromTheSystemMenu) {
  TMenuWatcher Watcher;
  EXPECT_EQ(SendNC(Wnd, WM_NCRBUTTONDOWN, Caption()), 0);
  EXPECT_GE(Watcher.Seen, 1);
  ASSERT_NE(Form->FSysPopup, nullptr);
  EXPECT_EQ(FormSkinShared.MenuSource, 2);
  EXPECT_EQ(Form->FSysPopup->Tag(), 0x8235);
  HMENU System = GetSystemMenu(Wnd, FALSE);
  EXPECT_EQ(Form->FSysPopup->Items()->Count(), GetMenuItemCount(System));
  EXPECT_EQ(Watcher.Items, GetMenuItemCount(System));
  EXPECT_TRUE(Watcher.OwnerDrawn);
  ASSERT_NE(Form->FSysPopup->Images(), nullptr);
  EXPECT_EQ(Form->FSysPopup->Images()->Count(), 4);  // the skin's glyphs

  TMenuItem* Restore = ItemWithTag(Form->FSysPopup, SC_RESTORE);
  TMenuItem* Maximize = ItemWithTag(Form->FSysPopup, SC_MAXIMIZE);
  TMenuItem* Minimize = ItemWithTag(Form->FSysPopup, SC_MINIMIZE);
  TMenuItem* Close = ItemWithTag(Form->FSysPopup, SC_CLOSE);
  TMenuItem* Move = ItemWithTag(Form->FSysPopup, SC_MOVE);
  ASSERT_TRUE(Restore && Maximize && Minimize && Close && Move);
  EXPECT_EQ(Restore->ImageIndex(), 0);
  EXPECT_EQ(Maximize->ImageIndex(), 1);
  EXPECT_EQ(Minimize->ImageIndex(), 2);
  EXPECT_EQ(Close->ImageIndex(), 3);
  EXPECT_EQ(Move->ImageIndex(), -1);
  EXPECT_FALSE(Restore->Enabled());  // the window is in its normal state
  EXPECT_TRUE(Maximize->Enabled());
  EXPECT_TRUE(Minimize->Enabled());
  EXPECT_TRUE(Move->Enabled());
  EXPECT_FALSE(Close->Caption().empty());
  // Separators come as "-".
  bool Separator = false;
  for (int I = 0; I < Form->FSysPopup->Items()->Count(); ++I)
    Separator = Separator || Form->FSysPopup->Items()->Items(I)->Caption() == "-";
  EXPECT_TRUE(Separator);

  // The items post their system command.
  Maximize->Click();
  Pump(100);
  EXPECT_TRUE(IsZoomed(Wnd));

  Form->FLastSysPopup = 0;
  SendNC(Wnd, WM_NCRBUTTONDOWN, POINT{WindowSize(Wnd).cx / 2, 12});
  ASSERT_NE(Form->FSysPopup, nullptr);
  EXPECT_TRUE(ItemWithTag(Form->FSysPopup, SC_RESTORE)->Enabled());
  EXPECT_FALSE(ItemWithTag(Form->FSysPopup, SC_MAXIMIZE)->Enabled());
  EXPECT_FALSE(ItemWithTag(Form->FSysPopup, SC_MOVE)->Enabled());
  ItemWithTag(Form->FSysPopup, SC_RESTORE)->Click();
  Pump(100);
  EXPECT_FALSE(IsZoomed(Wnd));
  Window->Clear();
  ItemWithTag(Form->FSysPopup, SC_CLOSE)->Click();
  Pump(30);
  EXPECT_EQ(Window->Count(WM_SYSCOMMAND, SC_CLOSE), 1);
}

TEST_F(SysMenu, ItemTextsKeepEveryCharacter) {
  HMENU System = GetSystemMenu(Wnd, FALSE);
  ModifyMenuW(System, SC_MOVE, MF_BYCOMMAND | MF_STRING, SC_MOVE, L"\u79FB\u52A8(&M)");
  // Also when the narrow text helpers speak a double-byte code page.
  const UINT Saved = DefaultUserCodePage;
  DefaultUserCodePage = 936;
  Form->CreateSysmenu2();
  DefaultUserCodePage = Saved;
  ASSERT_NE(Form->FSysPopup, nullptr);
  EXPECT_EQ(ItemWithTag(Form->FSysPopup, SC_MOVE)->Caption(), "\xE7\xA7\xBB\xE5\x8A\xA8(&M)");
}

TEST_F(SysMenu, AltSpaceOpensIt) {
  TMenuWatcher Watcher;
  SendMessageW(Wnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_GE(Watcher.Seen, 1);
  EXPECT_NE(Form->FSysPopup, nullptr);

  // From the keyboard: Alt+Space turns into the same command.
  Form->FLastSysPopup = 0;
  Form->FreeSysPopup();
  const int Before = Watcher.Seen;
  PostMessageW(Wnd, WM_SYSKEYDOWN, VK_SPACE, 0x20390001);
  Pump(300);
  EXPECT_GT(Watcher.Seen, Before);
  EXPECT_NE(Form->FSysPopup, nullptr);
}

TEST_F(SysMenu, OldPlatformsGetFixedItems) {
  WinVersion = 0x00000004;  // NT 4
  Form->CreateSysmenu2();
  ASSERT_NE(Form->FSysPopup, nullptr);
  TMenuItem* Entries = Form->FSysPopup->Items();
  ASSERT_EQ(Entries->Count(), 5);  // the window has both boxes
  EXPECT_EQ(Entries->Items(0)->Caption(), " Restore ");
  EXPECT_EQ(Entries->Items(1)->Caption(), " Maximize ");
  EXPECT_EQ(Entries->Items(2)->Caption(), " Minimize ");
  EXPECT_EQ(Entries->Items(3)->Caption(), "-");
  EXPECT_EQ(Entries->Items(4)->Caption(), " Close ");
  EXPECT_EQ(Entries->Items(4)->ShortCut(), TextToShortCut("ALT+F4"));
  EXPECT_EQ(Entries->Items(1)->ImageIndex(), 1);
  EXPECT_EQ(Entries->Items(4)->ImageIndex(), 3);

  Entries->Items(1)->Click();
  Pump(100);
  EXPECT_TRUE(IsZoomed(Wnd));
  Entries->Items(0)->Click();
  Pump(100);
  EXPECT_FALSE(IsZoomed(Wnd));
  Window->Clear();
  Entries->Items(4)->Click();
  Pump(30);
  EXPECT_EQ(Window->Count(WM_CLOSE, 0), 1);

  // Without the boxes the fixed menu leaves their items out.
  Form->FBorderIcons = TSkinFormIcons{sbisystem};
  Form->CreateSysmenu2();
  EXPECT_EQ(Form->FSysPopup->Items()->Count(), 3);
}

// Size and Maximize are offered only where the window's own frame and boxes allow them, as the
// window is when the menu is built.
struct TSizingRow {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  bool Size;
  bool Maximize;
};

class SysMenuSizing : public ::testing::TestWithParam<TSizingRow> {};

TEST_P(SysMenuSizing, SizeAndMaximizeFollowTheFrame) {
  const TSizingRow& Row = GetParam();
  TSkinData Data{nullptr};
  LoadDefaultSkin(Data);
  TKeptWindow Window(Row.Style | WS_VISIBLE, Row.ExStyle);
  HWND Wnd = Window.Handle();
  auto Form = Attach(Wnd, Data, TAttach::Driven);
  Form->CreateSysmenu2();
  ASSERT_NE(Form->FSysPopup, nullptr);
  EXPECT_EQ(ItemWithTag(Form->FSysPopup, SC_SIZE)->Enabled(), Row.Size) << Row.Name;
  EXPECT_EQ(ItemWithTag(Form->FSysPopup, SC_MAXIMIZE)->Enabled(), Row.Maximize) << Row.Name;
  // The window loses its sizing frame and boxes while skinned: the next menu says so.
  SetWindowLongPtrW(Wnd, GWL_STYLE, GetWindowLongPtrW(Wnd, GWL_STYLE) & ~(WS_THICKFRAME | WS_MAXIMIZEBOX));
  Form->CreateSysmenu2();
  EXPECT_FALSE(ItemWithTag(Form->FSysPopup, SC_SIZE)->Enabled()) << Row.Name;
  EXPECT_FALSE(ItemWithTag(Form->FSysPopup, SC_MAXIMIZE)->Enabled()) << Row.Name;
  DestroyWindow(Wnd);
  Pump(10);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SysMenuSizing,
    ::testing::Values(
        TSizingRow{"sizeable", WS_OVERLAPPEDWINDOW, 0, true, true},
        TSizingRow{"dialog border", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME,
                   false, false},
        TSizingRow{"single border, maximise box", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, 0, false, true},
        TSizingRow{"sizeable, no maximise box", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, true, false}));

#endif

}  // namespace
