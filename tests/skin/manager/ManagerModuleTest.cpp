// Module sharing with a real module: its manager attaches to this executable's manager, shares the
// registries, skins the module's own windows with the module's skin data, follows the host's actions
// and hands everything back when it goes.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/form/RuzIzivForm.h"
#include "tests/skin/manager/ManagerPlugin.h"
#include "tests/skin/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

template <class F>
F Entry(HMODULE Module, const char* Name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

class ManagerModule : public ManagerTest {};

TEST_F(ManagerModule, PlugInManagerSharesTheRegistriesAndHandsItsWindowsBack) {
  TSkinManage& Host = Manager();
  TSkinData* HostData = Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
  Host.FEnabled = true;
  Host.FPhase = 1;
  HWND HostWnd = Track(MakeWindow(L"MgrHost"));
  ASSERT_TRUE(PumpUntil([&] { return Host.FindSkinForm(HostWnd) != nullptr; }));

  HMODULE Plugin = LoadLibraryW(MANAGER_TEST_PLUGIN);
  ASSERT_NE(Plugin, nullptr) << "the module could not be loaded";
  auto Attach = Entry<TPluginAttach>(Plugin, "PluginAttach");
  auto PluginData = Entry<TPluginSkinData>(Plugin, "PluginSkinData");
  auto Show = Entry<TPluginShowWindow>(Plugin, "PluginShowWindow");
  auto Detach = Entry<TPluginDetach>(Plugin, "PluginDetach");
  ASSERT_TRUE(Attach && PluginData && Show && Detach);

  const String Dark = DarkSkin();
  TSkinManageBase* Module = Attach(&Host, Dark.c_str());
  ASSERT_NE(Module, nullptr);
  ASSERT_EQ(Host.SubManagers().size(), 1u);
  EXPECT_EQ(static_cast<TSkinManageBase*>(Host.SubManagers()[0]), Module);
  EXPECT_GE(Module->FPhase, 2) << "attached (1) and counted by SkinDll";
  TSkinData* ModuleData = PluginData();
  ASSERT_EQ(Host.SkinDatas().size(), 2u) << "the module's component joined the shared list";
  EXPECT_EQ(Host.SkinDatas()[1], ModuleData);
  EXPECT_EQ(Host.FMainSkinData, HostData);

  // The module's window is skinned by the module's manager, with the last main component: the module's.
  HWND ModuleWnd = Show();
  ASSERT_NE(ModuleWnd, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Host.FindSkinForm(ModuleWnd) != nullptr; }));
  auto Found = std::find_if(Host.Forms().begin(), Host.Forms().end(),
                            [&](const TSkinFormEntry& E) { return E.Form->FHandle == ModuleWnd; });
  ASSERT_NE(Found, Host.Forms().end());
  EXPECT_EQ(Found->Instance, Plugin);
  EXPECT_EQ(Found->Form->FSkinData, ModuleData);

  // The host's actions reach the module's manager.
  Host.FActionData = HostData;
  Host.SetAction(kSkinActionUninstall, 10);
  EXPECT_FALSE(Module->FEnabled);
  Host.Timer()->SetEnabled(false);
  Host.SetAction(kSkinActionInstall, 10);
  EXPECT_TRUE(Module->FEnabled);
  Host.Timer()->SetEnabled(false);
  Host.FActionData = nullptr;

  Detach();
  EXPECT_TRUE(Host.SubManagers().empty());
  EXPECT_EQ(Host.FindSkinForm(ModuleWnd), nullptr) << "the module's entries leave with it";
  EXPECT_NE(Host.FindSkinForm(HostWnd), nullptr);
  EXPECT_EQ(Host.SkinDatas().size(), 1u);
  EXPECT_FALSE(AnswersSkinned(ModuleWnd));
  DestroyWindow(ModuleWnd);
  EXPECT_TRUE(FreeLibrary(Plugin));
}

}  // namespace
