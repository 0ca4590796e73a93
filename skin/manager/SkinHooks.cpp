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
  auto* Cbt = reinterpret_cast<CBT_CREATEWNDW*>(LParam);
  const CREATESTRUCTW* Cs = Cbt ? Cbt->lpcs : nullptr;
  const HWND Wnd = reinterpret_cast<HWND>(WParam);
  return {Wnd, WindowClassName(Wnd), Cs ? static_cast<DWORD>(Cs->style) : 0u, Cs ? Cs->dwExStyle : 0u,
          Cs ? Cs->hwndParent : nullptr};
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
  TSkinThreadList& Threads = *FThreads;
  for (const TSkinThread& T : Threads)
    if (T.ThreadId == ThreadId) return static_cast<std::int32_t>(T.ThreadId);
  TSkinThread Entry;
  Entry.ThreadId = ThreadId;
  Entry.Hook = SetWindowsHookExW(WH_CBT, &SkinHookCBT2, nullptr, ThreadId);
  Threads.push_back(Entry);
  return static_cast<std::int32_t>(Threads.size() - 1);
}

void TSkinManage::UnInstallThread(DWORD ThreadId) {
  TSkinThreadList& Threads = *FThreads;
  for (auto It = Threads.begin(); It != Threads.end(); ++It) {
    if (It->ThreadId != ThreadId) continue;
    if (It->Hook) UnhookWindowsHookEx(It->Hook);
    Threads.erase(It);
    return;
  }
}

void TSkinManage::DeleteAllThreads() {
  if (!FThreads) return;
  for (const TSkinThread& T : *FThreads)
    if (T.Hook) UnhookWindowsHookEx(T.Hook);
  FThreads->clear();
}

namespace {

// The GUI thread's hook also gives skinned windows their size grips and leaves menus to a parent
// form's manager when there is one; another thread's hook keeps scroll-bar windows off skinned
// windows and drops forms as they are destroyed.
enum class THookedThread { Gui, Other };

// One CBT notification; true when the window must not be created.
bool OnCbt(TSkinManage& Manager, int Code, WPARAM WParam, LPARAM LParam, THookedThread Thread) {
  const bool Gui = Thread == THookedThread::Gui;
  switch (Code) {
    case HCBT_CREATEWND: {
      const TCreated C = ReadCreated(WParam, LParam);
      if (Gui) {
        if (IsSizeGripOfSkinned(Manager, C)) Manager.FindSkinForm(C.Parent)->AddControlh(C.Wnd);
        if (!(C.Style & WS_CHILD) && C.ClassName == "#32768" && !Manager.FParent) Manager.AddMenu(C.Wnd);
      } else {
        if (C.ClassName == "ScrollBar" && Manager.FindSkinForm(C.Parent)) return true;
        if (C.ClassName == "#32768") Manager.AddMenu(C.Wnd);
      }
      if (C.ExStyle & WS_EX_MDICHILD) Manager.AddForm(C.Wnd);
      break;
    }
    case HCBT_DESTROYWND:
      Manager.DeleteMenu(reinterpret_cast<HWND>(WParam));
      if (!Gui) Manager.DeleteForm(reinterpret_cast<HWND>(WParam));
      break;
    case HCBT_ACTIVATE:
      if (Manager.FPhase == 0) Manager.FPhase = 1;
      Manager.AddForm(reinterpret_cast<HWND>(WParam));
      break;
    default:
      break;
  }
  return false;
}

LRESULT CbtHook(int Code, WPARAM WParam, LPARAM LParam, THookedThread Thread) {
  TSkinManage* Manager = SkinManage();
  const bool Off = (Thread == THookedThread::Gui && SkinManageUnit::ShutDown) || Code < 0 || !Manager;
  // A window whose skinning fails stays native (reported through the application); the hook and the
  // windows after it go on.
  if (Off) return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
  try {
    if (OnCbt(*Manager, Code, WParam, LParam, Thread)) return kRefuseCreation;
  } catch (...) {
    ReportException(Manager);
  }
  return CallNextHookEx(SkinManageUnit::HookCBT, Code, WParam, LParam);
}

}  // namespace

LRESULT CALLBACK SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam) {
  return CbtHook(Code, WParam, LParam, THookedThread::Gui);
}

LRESULT CALLBACK SkinHookCBT2(int Code, WPARAM WParam, LPARAM LParam) {
  return CbtHook(Code, WParam, LParam, THookedThread::Other);
}
