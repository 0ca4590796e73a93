// The registry of skinned windows: entries made by AddForm, their removal by the Delete operations
// and by the window's own destruction, the hooks' part in it, and the manager's destruction.
#include <gtest/gtest.h>

#include <thread>

#include "framework/win/forms/Forms.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/manager/ManagerTestUtil.h"

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
    HWND Wnd = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    PumpFor(20);
    if (!Manager().FindSkinForm(Wnd)) {
      EXPECT_TRUE(Manager().AddForm(Wnd));
    }
    PumpUntil([&] {
      TRuzIzivForm* S = Manager().FindSkinForm(Wnd);
      return S && S->FActivated;
    });
    return Wnd;
  }
  TSkinData* data = nullptr;
};

TEST_F(ManagerRegistry, AddFormRegistersOnceAndPostsTheDeferredActivation) {
  TSkinManage& M = Manager();
  HWND Wnd = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW));  // hidden: no activation
  ASSERT_TRUE(M.AddForm(Wnd));
  ASSERT_EQ(M.Forms().size(), 1u);
  TRuzIzivForm* Skin = M.Forms()[0].Form;
  EXPECT_EQ(Skin->FHandle, Wnd);
  EXPECT_EQ(Skin->FName, "MgrBare");
  EXPECT_EQ(Skin->FForm, nullptr);
  EXPECT_EQ(Skin->FSkinData, data);
  EXPECT_EQ(M.Forms()[0].Instance, nullptr) << "the executable's manager records no module";
  EXPECT_FALSE(Skin->FActivated);
  MSG Msg;
  ASSERT_TRUE(PeekMessageW(&Msg, Wnd, 0x3503, 0x3503, PM_NOREMOVE));
  EXPECT_EQ(Msg.wParam, 0u);
  EXPECT_EQ(Msg.lParam, 1000);
  Pump();
  EXPECT_TRUE(Skin->FActivated);
  EXPECT_TRUE(AnswersSkinned(Wnd));
  EXPECT_FALSE(M.AddForm(Wnd)) << "already skinned";
  EXPECT_EQ(M.Forms().size(), 1u);
  EXPECT_EQ(M.FindSkinForm(Wnd), Skin);
  EXPECT_EQ(M.FindSkinForm(nullptr), nullptr);
}

TEST_F(ManagerRegistry, DestroyedWindowsAreCollectedAndFrameworkFormsUnskinnedByDeleteForm) {
  TSkinManage& M = Manager();
  HWND Bare = SkinnedWindow();
  EXPECT_FALSE(M.DeleteForm(Bare)) << "an entry without a framework form is left alone";
  EXPECT_EQ(M.Forms().size(), 1u);

  auto* AppForm = Keep(new TForm(nullptr));
  AppForm->Show();
  ASSERT_TRUE(PumpUntil([&] { return M.FindSkinForm(AppForm->Handle()) != nullptr; }));
  ASSERT_EQ(M.Forms().size(), 2u);
  EXPECT_TRUE(M.DeleteForm(AppForm->Handle()));
  EXPECT_EQ(M.Forms().size(), 1u);
  EXPECT_FALSE(AnswersSkinned(AppForm->Handle())) << "the window procedure is given back";
  FComponents.pop_back();
  delete AppForm;  // else it is skinned again when it is activated

  DestroyWindow(Bare);
  ASSERT_EQ(M.Forms().size(), 1u) << "the destroyed window's entry waits for the clean-up";
  EXPECT_EQ(M.Forms()[0].Form->FSkinState, 6);
  M.FPhase = 4;
  M.DeleteDeleted();
  M.DeleteForm3();
  EXPECT_EQ(M.Forms().size(), 1u) << "no deletions while shutting down";
  M.FPhase = 1;
  M.DeleteDeleted();
  EXPECT_TRUE(M.Forms().empty());

  HWND Again = SkinnedWindow();
  DestroyWindow(Again);
  M.DeleteForm3();
  EXPECT_TRUE(M.Forms().empty());
}

TEST_F(ManagerRegistry, FreedSkinObjectsLeaveTheRegistry) {
  TSkinManage& M = Manager();
  auto* Form = Keep(new TForm(nullptr));
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return M.FindSkinForm(Form->Handle()) != nullptr; }));
  // The framework form owns its skin object; freeing the form takes the entry along.
  FComponents.pop_back();
  delete Form;
  Pump();
  EXPECT_TRUE(M.Forms().empty());
}

TEST_F(ManagerRegistry, DeleteAllFormsUnskinsAndDisables) {
  TSkinManage& M = Manager();
  HWND A = SkinnedWindow();
  HWND B = SkinnedWindow();
  ASSERT_EQ(M.Forms().size(), 2u);
  M.DeleteAllForms();
  EXPECT_FALSE(M.FEnabled);
  EXPECT_TRUE(M.Forms().empty());
  EXPECT_FALSE(AnswersSkinned(A));
  EXPECT_FALSE(AnswersSkinned(B));
}

TEST_F(ManagerRegistry, CreationHookHandsMDIChildrenToAddForm) {
  TSkinManage& M = Manager();
  HWND Frame = Track(MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  CLIENTCREATESTRUCT Ccs{};
  HWND Client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, Frame,
                                nullptr, GetModuleHandleW(nullptr), &Ccs);
  ASSERT_NE(Client, nullptr);
  MakeWindow(L"MgrBare", 0, 0, 0, nullptr);  // the class exists
  MDICREATESTRUCTW Mcs{};
  Mcs.szClass = L"MgrBare";
  Mcs.szTitle = L"child";
  Mcs.hOwner = GetModuleHandleW(nullptr);
  Mcs.cx = Mcs.cy = 100;
  HWND Child = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&Mcs)));
  ASSERT_NE(Child, nullptr);
  EXPECT_NE(M.FindSkinForm(Child), nullptr);
  EXPECT_EQ(M.GetMDIChildNum(), 1);
  M.SetCaption();
  EXPECT_TRUE(GetWindowLongPtrW(Child, GWL_STYLE) & WS_CAPTION);
}

TEST_F(ManagerRegistry, OtherThreadsHookRefusesScrollBarsOnSkinnedWindows) {
  TSkinManage& M = Manager();
  HWND BeforeHook = nullptr;
  HWND AfterHook = reinterpret_cast<HWND>(1);
  bool WorkerSkinned = false;
  std::thread Worker([&] {
    // A window of the worker's own, skinned from the worker as its hook would do on activation.
    HWND Wnd = MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW);
    WorkerSkinned = M.AddForm(Wnd);
    BeforeHook =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD, 0, 0, 10, 10, Wnd, nullptr, nullptr, nullptr);
    M.InstallThread(GetCurrentThreadId());
    AfterHook =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD, 0, 0, 10, 10, Wnd, nullptr, nullptr, nullptr);
    M.UnInstallThread(GetCurrentThreadId());
    DestroyWindow(Wnd);
  });
  Worker.join();
  EXPECT_TRUE(WorkerSkinned);
  EXPECT_NE(BeforeHook, nullptr) << "without the thread's hook the scroll bar is created";
  EXPECT_EQ(AfterHook, nullptr) << "the thread's hook refuses it";
  M.DeleteDeleted();
  EXPECT_TRUE(M.Forms().empty());
}

TEST(ManagerLifetime, DestructionRemovesHooksAndUnskinsEverything) {
  delete SkinManager;
  SkinManager = nullptr;
  SkinManageUnit::ShutDown = false;
  auto* Manager = SkinManage() ? SkinManage() : static_cast<TSkinManage*>(EnsureSkinManager(0));
  TSkinData* Data = MakeSkinData(nullptr, sfMainform, DefaultSkin(), true);
  Manager->FEnabled = true;
  Manager->FPhase = 1;
  HWND Bare = MakeWindow(L"MgrBare", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  PumpUntil([&] { return Manager->FindSkinForm(Bare) != nullptr; });
  ASSERT_NE(Manager->FindSkinForm(Bare), nullptr);
  ASSERT_NE(SkinManageUnit::HookCBT, nullptr);
  delete SkinManager;
  SkinManager = nullptr;
  EXPECT_TRUE(SkinManageUnit::ShutDown);
  EXPECT_EQ(SkinManageUnit::HookCBT, nullptr);
  EXPECT_FALSE(AnswersSkinned(Bare));
  // The component outlives the manager and must not reach for it.
  delete Data;
  DestroyWindow(Bare);
  SkinManageUnit::ShutDown = false;
}

}  // namespace
