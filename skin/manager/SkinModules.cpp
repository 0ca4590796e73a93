// Sharing one set of registries between the executable's manager and the managers of separately
// loaded modules, and the MDI bookkeeping over the registry.

#include <algorithm>

#include "framework/win/controls/Controls.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"

void TSkinManage::AssignData(TSkinManageBase* Host) {
  auto* host = dynamic_cast<TSkinManage*>(Host);
  if (host) {
    FForms = host->FForms;
    FMenus = host->FMenus;
    FSkinDatas = host->FSkinDatas;
    FThreads = host->FThreads;
    FMainSkinData = host->FMainSkinData;
    FEnabled = host->FEnabled;
    FParent = host;
    FPhase = 1;
    if (std::find(host->FSubManagers.begin(), host->FSubManagers.end(), this) == host->FSubManagers.end())
      host->FSubManagers.push_back(this);
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
  std::vector<TSkinManage*> subs;
  subs.swap(FSubManagers);
  for (TSkinManage* sub : subs)
    if (sub) sub->AssignData(nullptr);
}

void TSkinManage::DeleteSubForm(HINSTANCE Instance) {
  if (!FForms) return;
  for (std::size_t i = FForms->size(); i-- > 0;) {
    if (i >= FForms->size()) continue;
    const TSkinFormEntry e = (*FForms)[i];
    if (!e.Form || e.Instance != Instance) continue;
    FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(i));
    // The module's framework form owns the skin object and takes it along; a bare window's object
    // belongs to nobody else and is freed here.
    if (e.Form->FForm)
      delete e.Form->FForm;
    else
      FreeForm(e.Form);
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
  for (const TSkinFormEntry& e : *FForms) {
    TRuzIzivForm* skin = e.Form;
    if (!skin || skin->FFormStyle != sfsMDIChild) continue;
    if (Value) {
      if (skin->FRegion) skin->Uncropwindow();
    } else if (!IsIconic(skin->FHandle)) {
      skin->FWindowState = swsNormal;
      skin->Cropwindow();
      if (!skin->FRegion) skin->Refresh();
    }
  }
}

void TSkinManage::SetCaption() {
  if (!FForms) return;
  for (const TSkinFormEntry& e : *FForms) {
    if (!e.Form || e.Form->FFormStyle != sfsMDIChild) continue;
    const HWND wnd = e.Form->FHandle;
    SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | WS_CAPTION);
  }
}

int TSkinManage::GetMDIChildNum() const {
  if (!FForms) return 0;
  return static_cast<int>(std::count_if(FForms->begin(), FForms->end(), [](const TSkinFormEntry& e) {
    return e.Form && e.Form->FFormStyle == sfsMDIChild;
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
  bool found = false;
  EnumPropsExW(Wnd, &FindControlProp, reinterpret_cast<LPARAM>(&found));
  return !found;
}
