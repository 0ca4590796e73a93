// The manager unit's globals, its initialisation and finalisation, and the factory through which the
// skin data component creates the module's manager.

#include <atomic>

#include "framework/win/controls/ControlAtom.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"

// The instance of the module this code is linked into (the executable or a plug-in module).
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace SkinManageUnit {

std::wstring PropName;
UINT RM_GetObjectInstance = 0;
ATOM ControlAtom = 0;
HINSTANCE myinstance = nullptr;
HHOOK HookCBT = nullptr;
bool ShutDown = false;

namespace {

// The initialisation object may be compiled into more than one target of a program; only the first
// initialisation and the last finalisation act.
int g_units = 0;

TSkinManageBase* MakeManager(std::int32_t ModuleFlag) {
  return new TSkinManage(ModuleFlag);
}

// The form skin objects tell the manager when they go away.
void ForgetWindow(HWND Wnd) {
  if (TSkinManage* Manager = SkinManage()) Manager->DeleteForm2(Wnd);
}

}  // namespace

void Initialize() {
  if (g_units++ > 0) return;
  // The framework's control atom is made now, so that it is given back only after this unit's
  // finalisation, which still unskins windows that carry it.
  ::ControlAtom();
  const DWORD Version = GetVersion();
  Win32PlatformIsUnicode = (Version & 0x80000000u) == 0;
  IsVista = LOBYTE(LOWORD(Version)) != 6;
  DefaultUserCodePage = 0;
  myinstance = reinterpret_cast<HINSTANCE>(&__ImageBase);
  PropName = ControlPropName(myinstance, GetCurrentThreadId());
  RM_GetObjectInstance = RegisterWindowMessageW(PropName.c_str());
  ControlAtom = GlobalAddAtomW(PropName.c_str());
  ShutDown = false;
  CreateSkinManager = &MakeManager;
  FormSkinShared.ForgetWindow = &ForgetWindow;
}

void Finalize() {
  if (g_units == 0 || --g_units > 0) return;
  delete SkinManager;
  SkinManager = nullptr;
  CreateSkinManager = nullptr;
  FormSkinShared.ForgetWindow = nullptr;
  // A global atom outlives the process unless it is given back.
  if (ControlAtom) GlobalDeleteAtom(ControlAtom);
  ControlAtom = 0;
}

}  // namespace SkinManageUnit

TSkinManage* SkinManage() {
  return dynamic_cast<TSkinManage*>(SkinManager);
}
