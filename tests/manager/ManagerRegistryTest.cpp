// The registry of skinned windows: entries made by AddForm, their removal by the Delete operations
// and by the window's own destruction, the hooks' part in it, and the manager's destruction.
#include <gtest/gtest.h>

#include <thread>

#include "framework/win/forms/Forms.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

class ManagerRegistry : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    data = Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
    Manager().FEnabled = true;
    Manager().FPhase = 1;
  }
  // A bare top-level window of this module, skinned through AddForm and activated.
  HWND SkinnedWindow() {
    HWND wnd = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    PumpFor(20);
    if (!Manager().FindSkinForm(wnd)) {
      EXPECT_TRUE(Manager().AddForm(wnd));
    }
    PumpUntil([&] {
      TRuzIzivForm* s = Manager().FindSkinForm(wnd);
      return s && s->FActivated;
    });
    return wnd;
  }
  TSkinData* data = nullptr;
};

TEST_F(ManagerRegistry, AddFormRegistersOnceAndPostsTheDeferredActivation) {
  TSkinManage& m = Manager();
  HWND wnd = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW));  // hidden: no activation
  ASSERT_TRUE(m.AddForm(wnd));
  ASSERT_EQ(m.Forms().size(), 1u);
  TRuzIzivForm* skin = m.Forms()[0].Form;
  EXPECT_EQ(skin->FHandle, wnd);
  EXPECT_EQ(skin->FName, "MgrBare");
  EXPECT_EQ(skin->FForm, nullptr);
  EXPECT_EQ(skin->FSkinData, data);
  EXPECT_EQ(m.Forms()[0].Instance, nullptr) << "the executable's manager records no module";
  EXPECT_FALSE(skin->FActivated);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, wnd, 0x3503, 0x3503, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(msg.lParam, 1000);
  Pump();
  EXPECT_TRUE(skin->FActivated);
  EXPECT_TRUE(AnswersSkinned(wnd));
  EXPECT_FALSE(m.AddForm(wnd)) << "already skinned";
  EXPECT_EQ(m.Forms().size(), 1u);
  EXPECT_EQ(m.FindSkinForm(wnd), skin);
  EXPECT_EQ(m.FindSkinForm(nullptr), nullptr);
}

TEST_F(ManagerRegistry, DestroyedWindowsAreCollectedAndFrameworkFormsUnskinnedByDeleteForm) {
  TSkinManage& m = Manager();
  HWND bare = SkinnedWindow();
  EXPECT_FALSE(m.DeleteForm(bare)) << "an entry without a framework form is left alone";
  EXPECT_EQ(m.Forms().size(), 1u);

  auto* form = Keep(new TForm(nullptr));
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return m.FindSkinForm(form->Handle()) != nullptr; }));
  ASSERT_EQ(m.Forms().size(), 2u);
  EXPECT_TRUE(m.DeleteForm(form->Handle()));
  EXPECT_EQ(m.Forms().size(), 1u);
  EXPECT_FALSE(AnswersSkinned(form->Handle())) << "the window procedure is given back";
  FComponents.pop_back();
  delete form;  // else it is skinned again when it is activated

  DestroyWindow(bare);
  ASSERT_EQ(m.Forms().size(), 1u) << "the destroyed window's entry waits for the clean-up";
  EXPECT_EQ(m.Forms()[0].Form->FSkinState, 6);
  m.FPhase = 4;
  m.DeleteDeleted();
  m.DeleteForm3();
  EXPECT_EQ(m.Forms().size(), 1u) << "no deletions while shutting down";
  m.FPhase = 1;
  m.DeleteDeleted();
  EXPECT_TRUE(m.Forms().empty());

  HWND again = SkinnedWindow();
  DestroyWindow(again);
  m.DeleteForm3();
  EXPECT_TRUE(m.Forms().empty());
}

TEST_F(ManagerRegistry, FreedSkinObjectsLeaveTheRegistry) {
  TSkinManage& m = Manager();
  auto* form = Keep(new TForm(nullptr));
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return m.FindSkinForm(form->Handle()) != nullptr; }));
  // The framework form owns its skin object; freeing the form takes the entry along.
  FComponents.pop_back();
  delete form;
  Pump();
  EXPECT_TRUE(m.Forms().empty());
}

TEST_F(ManagerRegistry, DeleteAllFormsUnskinsAndDisables) {
  TSkinManage& m = Manager();
  HWND a = SkinnedWindow();
  HWND b = SkinnedWindow();
  ASSERT_EQ(m.Forms().size(), 2u);
  m.DeleteAllForms();
  EXPECT_FALSE(m.FEnabled);
  EXPECT_TRUE(m.Forms().empty());
  EXPECT_FALSE(AnswersSkinned(a));
  EXPECT_FALSE(AnswersSkinned(b));
}

TEST_F(ManagerRegistry, CreationHookHandsMDIChildrenToAddForm) {
  TSkinManage& m = Manager();
  HWND frame = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  CLIENTCREATESTRUCT ccs{};
  HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, frame,
                                nullptr, GetModuleHandleW(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  MakeWindow(L"MgrBare", 0, 0, 0, nullptr);  // the class exists
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"MgrBare";
  mcs.szTitle = L"child";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.cx = mcs.cy = 100;
  HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  EXPECT_NE(m.FindSkinForm(child), nullptr);
  EXPECT_EQ(m.GetMDIChildNum(), 1);
  m.SetCaption();
  EXPECT_TRUE(GetWindowLongPtrW(child, GWL_STYLE) & WS_CAPTION);
}

TEST_F(ManagerRegistry, OtherThreadsHookRefusesScrollBarsOnSkinnedWindows) {
  TSkinManage& m = Manager();
  HWND before = nullptr;
  HWND refused = reinterpret_cast<HWND>(1);
  bool skinned = false;
  std::thread worker([&] {
    // A window of the worker's own, skinned from the worker as its hook would do on activation.
    HWND wnd = MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW);
    skinned = m.AddForm(wnd);
    before =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD, 0, 0, 10, 10, wnd, nullptr, nullptr, nullptr);
    m.InstallThread(GetCurrentThreadId());
    refused =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD, 0, 0, 10, 10, wnd, nullptr, nullptr, nullptr);
    m.UnInstallThread(GetCurrentThreadId());
    DestroyWindow(wnd);
  });
  worker.join();
  EXPECT_TRUE(skinned);
  EXPECT_NE(before, nullptr) << "without the thread's hook the scroll bar is created";
  EXPECT_EQ(refused, nullptr) << "the thread's hook refuses it";
  m.DeleteDeleted();
  EXPECT_TRUE(m.Forms().empty());
}

TEST(ManagerLifetime, DestructionRemovesHooksAndUnskinsEverything) {
  delete SkinManager;
  SkinManager = nullptr;
  SkinManageUnit::ShutDown = false;
  auto* manager = SkinManage() ? SkinManage() : static_cast<TSkinManage*>(EnsureSkinManager(0));
  TSkinData* data = MakeSkinData(nullptr, sfMainform, DefaultSkin(), true);
  manager->FEnabled = true;
  manager->FPhase = 1;
  HWND wnd = MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  PumpUntil([&] { return manager->FindSkinForm(wnd) != nullptr; });
  ASSERT_NE(manager->FindSkinForm(wnd), nullptr);
  ASSERT_NE(SkinManageUnit::HookCBT, nullptr);
  delete SkinManager;
  SkinManager = nullptr;
  EXPECT_TRUE(SkinManageUnit::ShutDown);
  EXPECT_EQ(SkinManageUnit::HookCBT, nullptr);
  EXPECT_FALSE(AnswersSkinned(wnd));
  // The component outlives the manager and must not reach for it.
  delete data;
  DestroyWindow(wnd);
  SkinManageUnit::ShutDown = false;
}

}  // namespace
