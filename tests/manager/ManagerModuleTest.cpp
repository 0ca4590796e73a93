// Module sharing with a real module: its manager attaches to this executable's manager, shares the
// registries, skins the module's own windows with the module's skin data, follows the host's actions
// and hands everything back when it goes.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/form/RuzIzivForm.h"
#include "tests/manager/ManagerPlugin.h"
#include "tests/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

template <class F>
F Entry(HMODULE Module, const char* Name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

class ManagerModule : public ManagerTest {};

TEST_F(ManagerModule, PlugInManagerSharesTheRegistriesAndHandsItsWindowsBack) {
  TSkinManage& host = Manager();
  TSkinData* hostData = Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
  host.FEnabled = true;
  host.FPhase = 1;
  HWND hostWnd = Track(MakeWindow(L"MgrHost"));
  ASSERT_TRUE(PumpUntil([&] { return host.FindSkinForm(hostWnd) != nullptr; }));

  HMODULE plugin = LoadLibraryW(MANAGER_TEST_PLUGIN);
  ASSERT_NE(plugin, nullptr) << "the module could not be loaded";
  auto attach = Entry<TPluginAttach>(plugin, "PluginAttach");
  auto pluginData = Entry<TPluginSkinData>(plugin, "PluginSkinData");
  auto show = Entry<TPluginShowWindow>(plugin, "PluginShowWindow");
  auto detach = Entry<TPluginDetach>(plugin, "PluginDetach");
  ASSERT_TRUE(attach && pluginData && show && detach);

  const String dark = DarkSkin();
  TSkinManageBase* module = attach(&host, dark.c_str());
  ASSERT_NE(module, nullptr);
  ASSERT_EQ(host.SubManagers().size(), 1u);
  EXPECT_EQ(static_cast<TSkinManageBase*>(host.SubManagers()[0]), module);
  EXPECT_GE(module->FPhase, 2) << "attached (1) and counted by SkinDll";
  TSkinData* moduleData = pluginData();
  ASSERT_EQ(host.SkinDatas().size(), 2u) << "the module's component joined the shared list";
  EXPECT_EQ(host.SkinDatas()[1], moduleData);
  EXPECT_EQ(host.FMainSkinData, hostData);

  // The module's window is skinned by the module's manager, with the last main component: the module's.
  HWND moduleWnd = show();
  ASSERT_NE(moduleWnd, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return host.FindSkinForm(moduleWnd) != nullptr; }));
  auto entry = std::find_if(host.Forms().begin(), host.Forms().end(),
                            [&](const TSkinFormEntry& e) { return e.Form->FHandle == moduleWnd; });
  ASSERT_NE(entry, host.Forms().end());
  EXPECT_EQ(entry->Instance, plugin);
  EXPECT_EQ(entry->Form->FSkinData, moduleData);

  // The host's actions reach the module's manager.
  host.FActionData = hostData;
  host.SetAction(kSkinActionUninstall, 10);
  EXPECT_FALSE(module->FEnabled);
  host.Timer()->SetEnabled(false);
  host.SetAction(kSkinActionInstall, 10);
  EXPECT_TRUE(module->FEnabled);
  host.Timer()->SetEnabled(false);
  host.FActionData = nullptr;

  detach();
  EXPECT_TRUE(host.SubManagers().empty());
  EXPECT_EQ(host.FindSkinForm(moduleWnd), nullptr) << "the module's entries leave with it";
  EXPECT_NE(host.FindSkinForm(hostWnd), nullptr);
  EXPECT_EQ(host.SkinDatas().size(), 1u);
  EXPECT_FALSE(AnswersSkinned(moduleWnd));
  DestroyWindow(moduleWnd);
  EXPECT_TRUE(FreeLibrary(plugin));
}

}  // namespace
