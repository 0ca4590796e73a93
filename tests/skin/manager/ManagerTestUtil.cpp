#include "tests/skin/manager/ManagerTestUtil.h"

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
  auto* Data = new TSkinData(Owner);
  Data->SkinFormtype = Kind;
  if (!Archive.empty()) {
    Data->FSkinStream->LoadFromFile(Archive);
    Data->LoadSkin();
  }
  Data->Loaded();
  if (Active) Data->SetActive(true);
  return Data;
}

namespace {

LRESULT CALLBACK PlainProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

}  // namespace

HWND MakeWindow(const wchar_t* ClassName, DWORD Style, int Width, int Height, HWND Parent, DWORD ExStyle) {
  static std::set<std::wstring> Registered;
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  if (Registered.insert(ClassName).second) {
    WNDCLASSW Wc{};
    Wc.lpfnWndProc = &PlainProc;
    Wc.hInstance = Instance;
    Wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    Wc.lpszClassName = ClassName;
    RegisterClassW(&Wc);
  }
  return CreateWindowExW(ExStyle, ClassName, L"Manager test", Style, 40, 40, Width, Height, Parent, nullptr,
                         Instance, nullptr);
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
  for (auto It = FWindows.rbegin(); It != FWindows.rend(); ++It)
    if (IsWindow(*It)) DestroyWindow(*It);
  FWindows.clear();
  Pump();
  for (auto It = FComponents.rbegin(); It != FComponents.rend(); ++It) delete *It;
  FComponents.clear();
  Pump();
  delete SkinManager;
  SkinManager = nullptr;
  SkinManageUnit::ShutDown = false;
}

}  // namespace mgrtest
