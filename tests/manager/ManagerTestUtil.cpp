#include "tests/manager/ManagerTestUtil.h"

#include <set>

#include "framework/core/Streams.h"

namespace mgrtest {

String DefaultSkin() {
  return MANAGER_TEST_DEFAULT_SKIN;
}
String DarkSkin() {
  return MANAGER_TEST_DARK_SKIN;
}

TSkinData* MakeSkinData(TComponent* Owner, TSkinFormType Kind, const String& Archive, bool Active) {
  auto* data = new TSkinData(Owner);
  data->SkinFormtype = Kind;
  if (!Archive.empty()) {
    data->FSkinStream->LoadFromFile(Archive);
    data->LoadSkin();
  }
  data->Loaded();
  if (Active) data->SetActive(true);
  return data;
}

namespace {

LRESULT CALLBACK PlainProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

}  // namespace

HWND MakeWindow(const wchar_t* ClassName, DWORD Style, int Width, int Height, HWND Parent, DWORD ExStyle) {
  static std::set<std::wstring> registered;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (registered.insert(ClassName).second) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassW(&wc);
  }
  return CreateWindowExW(ExStyle, ClassName, L"Manager test", Style, 40, 40, Width, Height, Parent, nullptr,
                         instance, nullptr);
}

bool AnswersSkinned(HWND Wnd) {
  return SendMessageW(Wnd, 0x3523, 0, 0) == 1;
}

void ManagerTest::SetUp() {
  delete SkinManager;
  SkinManager = nullptr;
  SkinManageUnit::ShutDown = false;
  ASSERT_NE(CreateSkinManager, nullptr) << "the manager unit did not set the factory";
  ASSERT_NE(EnsureSkinManager(0), nullptr);
  ASSERT_NE(SkinManage(), nullptr);
}

void ManagerTest::TearDown() {
  // Forms first (they unskin through their windows), then components, then the manager.
  for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
    if (IsWindow(*it)) DestroyWindow(*it);
  FWindows.clear();
  Pump();
  for (auto it = FComponents.rbegin(); it != FComponents.rend(); ++it) delete *it;
  FComponents.clear();
  Pump();
  delete SkinManager;
  SkinManager = nullptr;
  SkinManageUnit::ShutDown = false;
}

}  // namespace mgrtest
