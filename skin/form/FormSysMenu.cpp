// The skinned system menu. Until the framework's popup menus are in, no popup is built: the platform
// check and the double-click rule already hold.
#include <windows.h>

#include "framework/win/controls/ExtCtrls.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinUnit.h"

namespace {

DWORD PlatformVersion() {
  return WinVersion ? WinVersion : GetVersion();
}
bool IsWin9x() {
  return PlatformVersion() >= 0x80000000u;
}
bool IsOldNT() {
  return !IsWin9x() && LOBYTE(LOWORD(PlatformVersion())) < 5;
}

}  // namespace

void TRuzIzivForm::FreeSysPopup() {
  FSysPopup = nullptr;
}
void TRuzIzivForm::AddSysMenuitem(const String&, int) {}
void TRuzIzivForm::CreateSysmenu() {}
void TRuzIzivForm::CreateSysmenu2() {}

bool TRuzIzivForm::CheckSysmenu() {
  if (IsOldNT() || IsWin9x()) return true;
  HMENU system = FSysMenu ? FSysMenu : (FHandle ? GetSystemMenu(FHandle, FALSE) : nullptr);
  return system && GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TRuzIzivForm::PopSysmenu(POINT) {
  if (FormSkinShared.ServesModule) return;
  const DWORD now = GetTickCount();
  if (FLastSysPopup == 0 || now - FLastSysPopup > FDblClickTime) {
    FormSkinShared.MenuSource = 2;
    FLastSysPopup = now;
    CreateSysmenu2();
  } else if (FHotObject) {
    if (FTimer) FTimer->SetEnabled(false);
    PostMessageW(FHandle, WM_CLOSE, 0, 0);
  }
}

void TRuzIzivForm::DoSysMenu(TObject*) {}
void TRuzIzivForm::DoSysMenu2(TObject*) {}
