// The CBT hooks through which the manager learns of every window created, activated or destroyed,
// and their installation for the GUI thread and for extra threads.

#include "framework/win/controls/ExceptionReport.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinUnit.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinManageText.h"

namespace {

constexpr DWORD kSizeGrip = 0x10;  // SBS_SIZEGRIP
constexpr LRESULT kRefuseCreation = 10;

// What both hooks need to know of a window being created.
struct TCreated {
  HWND Wnd;
  String ClassName;
  DWORD Style;
  DWORD ExStyle;
  HWND Parent;
};

TCreated ReadCreated(WPARAM WParam, LPARAM LParam) {
  auto* cbt = reinterpret_cast<CBT_CREATEWNDW*>(LParam);
  const CREATESTRUCTW* cs = cbt ? cbt->lpcs : nullptr;
  const HWND wnd = reinterpret_cast<HWND>(WParam);
  return {wnd, WindowClassName(wnd), cs ? static_cast<DWORD>(cs->style) : 0u, cs ? cs->dwExStyle : 0u,
          cs ? cs->hwndParent : nullptr};
}

bool IsSizeGripOfSkinned(TSkinManage& Manager, const TCreated& C) {
  return C.ClassName == "ScrollBar" && (C.Style & kSizeGrip) && Manager.FindSkinForm(C.Parent);
}

}  // namespace

void TSkinManage::InstallHook() {
  WinVersion = GetVersion();
  // Several main skin data components each ask; one hook per thread is enough.
  if (FHook) return;
  FHook = SetWindowsHookExW(WH_CBT, &SkinHookCBT, nullptr, GetCurrentThreadId());
  SkinManageUnit::HookCBT = FHook;
}

std::int32_t TSkinManage::InstallThread(DWORD ThreadId) {
  TSkinThreadList& threads = *FThreads;
  for (const TSkinThread& t : threads)
    if (t.ThreadId == ThreadId) return static_cast<std::int32_t>(t.ThreadId);
  TSkinThread entry;
  entry.ThreadId = ThreadId;
  entry.Hook = SetWindowsHookExW(WH_CBT, &SkinHookCBT2, nullptr, ThreadId);
  threads.push_back(entry);
  return static_cast<std::int32_t>(threads.size() - 1);
}

void TSkinManage::UnInstallThread(DWORD ThreadId) {
  TSkinThreadList& threads = *FThreads;
  for (auto it = threads.begin(); it != threads.end(); ++it) {
    if (it->ThreadId != ThreadId) continue;
    if (it->Hook) UnhookWindowsHookEx(it->Hook);
    threads.erase(it);
    return;
  }
}

void TSkinManage::DeleteAllThreads() {
  if (!FThreads) return;
  for (const TSkinThread& t : *FThreads)
    if (t.Hook) UnhookWindowsHookEx(t.Hook);
  FThreads->clear();
}

LRESULT CALLBACK SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam) {
  TSkinManage* manager = SkinManage();
  if (SkinManageUnit::ShutDown || Code < 0 || !manager)
    return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
  // A window whose skinning fails stays native (reported through the application); the hook and the
  // windows after it go on.
  try {
    switch (Code) {
      case HCBT_CREATEWND: {
        const TCreated c = ReadCreated(WParam, LParam);
        if (IsSizeGripOfSkinned(*manager, c)) manager->FindSkinForm(c.Parent)->AddControlh(c.Wnd);
        if (!(c.Style & WS_CHILD) && c.ClassName == "#32768" && !manager->FParent) manager->AddMenu(c.Wnd);
        if (c.ExStyle & WS_EX_MDICHILD) manager->AddForm(c.Wnd);
        break;
      }
      case HCBT_DESTROYWND:
        manager->DeleteMenu(reinterpret_cast<HWND>(WParam));
        break;
      case HCBT_ACTIVATE:
        if (manager->FPhase == 0) manager->FPhase = 1;
        manager->AddForm(reinterpret_cast<HWND>(WParam));
        break;
      default:
        break;
    }
  } catch (...) {
    ReportException(manager);
  }
  return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
}

LRESULT CALLBACK SkinHookCBT2(int Code, WPARAM WParam, LPARAM LParam) {
  TSkinManage* manager = SkinManage();
  if (Code < 0 || !manager) return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
  try {
    switch (Code) {
      case HCBT_CREATEWND: {
        const TCreated c = ReadCreated(WParam, LParam);
        // Other threads get no scroll-bar windows on skinned windows.
        if (c.ClassName == "ScrollBar" && manager->FindSkinForm(c.Parent)) return kRefuseCreation;
        if (c.ClassName == "#32768") manager->AddMenu(c.Wnd);
        if (c.ExStyle & WS_EX_MDICHILD) manager->AddForm(c.Wnd);
        break;
      }
      case HCBT_DESTROYWND:
        manager->DeleteMenu(reinterpret_cast<HWND>(WParam));
        manager->DeleteForm(reinterpret_cast<HWND>(WParam));
        break;
      case HCBT_ACTIVATE:
        if (manager->FPhase == 0) manager->FPhase = 1;
        manager->AddForm(reinterpret_cast<HWND>(WParam));
        break;
      default:
        break;
    }
  } catch (...) {
    ReportException(manager);
  }
  return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
}
