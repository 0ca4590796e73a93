// A module with its own skin data and its own skin manager attached to the host's.
#include "tests/skin/manager/ManagerPlugin.h"

#include "skin/data/SkinData.h"
#include "skin/manager/SkinManage.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

TSkinData* g_data = nullptr;

HINSTANCE Self() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

}  // namespace

extern "C" __declspec(dllexport) TSkinManageBase* PluginAttach(TSkinManageBase* Host, const char* Archive) {
  TSkinManageBase* Manager = SkinDll(Host);
  g_data = new TSkinData(nullptr);
  g_data->SkinFormtype = sfMainform;
  g_data->FSkinStream->LoadFromFile(Archive);
  g_data->LoadSkin();
  g_data->Loaded();
  return Manager;
}

extern "C" __declspec(dllexport) TSkinData* PluginSkinData() {
  return g_data;
}

extern "C" __declspec(dllexport) HWND PluginShowWindow() {
  WNDCLASSW Wc{};
  Wc.lpfnWndProc = &DefWindowProcW;
  Wc.hInstance = Self();
  Wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Wc.lpszClassName = L"MgrPluginWindow";
  RegisterClassW(&Wc);
  return CreateWindowExW(0, L"MgrPluginWindow", L"Plug-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 220,
                         140, nullptr, nullptr, Self(), nullptr);
}

extern "C" __declspec(dllexport) void PluginDetach() {
  // The component leaves the shared list through this module's manager, which must still exist.
  delete g_data;
  g_data = nullptr;
  delete SkinManager;
  SkinManager = nullptr;
}
