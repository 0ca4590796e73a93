// Sharing one set of registries between the executable's manager and the managers of separately
// loaded modules, and the MDI bookkeeping over the registry.

#include <algorithm>

#include "framework/win/controls/Controls.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"

void TSkinManage::AssignData(TSkinManageBase* Host) {
  auto* HostManager = dynamic_cast<TSkinManage*>(Host);
  if (HostManager) {
    FForms = HostManager->FForms;
    FMenus = HostManager->FMenus;
    FSkinDatas = HostManager->FSkinDatas;
    FThreads = HostManager->FThreads;
    FMainSkinData = HostManager->FMainSkinData;
    FEnabled = HostManager->FEnabled;
    FParent = HostManager;
    FPhase = 1;
    if (std::find(HostManager->FSubManagers.begin(), HostManager->FSubManagers.end(), this) ==
        HostManager->FSubManagers.end())
      HostManager->FSubManagers.push_back(this);
    return;
  }
  // Detached: the lists stay with the host; this manager keeps empty ones of its own.
  FForms.reset();
  FMenus.reset();
  FSkinDatas = std::make_shared<TSkinDataList>();
  FThreads = std::make_shared<TSkinThreadList>();
  FMainSkinData = nullptr;
  FEnabled = false;
  FPhase = kSkinPhaseShutdown;
  FParent = nullptr;
  if (FHook) UnhookWindowsHookEx(FHook);
  if (SkinManageUnit::HookCBT == FHook) SkinManageUnit::HookCBT = nullptr;
  FHook = nullptr;
}

void TSkinManage::DeleteSub(TSkinManage* Manager) {
  std::erase(FSubManagers, Manager);
}

void TSkinManage::DeleteAllSub() {
  std::vector<TSkinManage*> Subs;
  Subs.swap(FSubManagers);
  for (TSkinManage* Sub : Subs)
    if (Sub) Sub->AssignData(nullptr);
}

void TSkinManage::DeleteSubForm(HINSTANCE Instance) {
  if (!FForms) return;
  for (std::size_t I = FForms->size(); I-- > 0;) {
    if (I >= FForms->size()) continue;
    const TSkinFormEntry E = (*FForms)[I];
    if (!E.Form || E.Instance != Instance) continue;
    FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(I));
    // The module's framework form owns the skin object and takes it along; a bare window's object
    // belongs to nobody else and is freed here.
    if (E.Form->FForm)
      delete E.Form->FForm;
    else
      FreeForm(E.Form);
  }
}

void TSkinManage::SetMDIMax(bool Value) {
  if (Value == FormSkinShared.MDIChildMaximized) return;
  FormSkinShared.MDIChildMaximized = Value;
  if (FMainSkinData && FMainSkinData->Options.Contains(xoMDIChildBorder)) return;
  SetMDIMax2Children(Value);
}

void TSkinManage::SetMDIMax2(bool Value) {
  if (Value == FormSkinShared.MDIChildMaximized) return;
  FormSkinShared.MDIChildMaximized = Value;
  SetMDIMax2Children(Value);
}

void TSkinManage::SetMDIMax2Children(bool Value) {
  if (!FForms) return;
  for (const TSkinFormEntry& E : *FForms) {
    TRuzIzivForm* Skin = E.Form;
    if (!Skin || Skin->FFormStyle != sfsMDIChild) continue;
    if (Value) {
      if (Skin->FRegion) Skin->Uncropwindow();
    } else if (!IsIconic(Skin->FHandle)) {
      Skin->FWindowState = swsNormal;
      Skin->Cropwindow();
      if (!Skin->FRegion) Skin->Refresh();
    }
  }
}

void TSkinManage::SetCaption() {
  if (!FForms) return;
  for (const TSkinFormEntry& E : *FForms) {
    if (!E.Form || E.Form->FFormStyle != sfsMDIChild) continue;
    const HWND Wnd = E.Form->FHandle;
    SetWindowLongPtrW(Wnd, GWL_STYLE, GetWindowLongPtrW(Wnd, GWL_STYLE) | WS_CAPTION);
  }
}

int TSkinManage::GetMDIChildNum() const {
  if (!FForms) return 0;
  return static_cast<int>(std::count_if(FForms->begin(), FForms->end(), [](const TSkinFormEntry& E) {
    return E.Form && E.Form->FFormStyle == sfsMDIChild;
  }));
}

namespace {

BOOL CALLBACK FindControlProp(HWND, LPWSTR Name, HANDLE, ULONG_PTR Found) {
  // Integer atoms carry no name to compare.
  if ((reinterpret_cast<ULONG_PTR>(Name) >> 16) == 0) return TRUE;
  if (std::wstring_view(Name).starts_with(L"ControlOfs")) {
    *reinterpret_cast<bool*>(Found) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool TSkinManage::IsDllForm(HWND Wnd) {
  bool Found = false;
  EnumPropsExW(Wnd, &FindControlProp, reinterpret_cast<LPARAM>(&Found));
  return !Found;
}
