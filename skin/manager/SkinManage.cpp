// TSkinManage: creation and destruction, the skin data components, and the choice of the skin data
// component and of the windows that may be skinned.

#include "skin/manager/SkinManage.h"

#include <algorithm>

#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManageText.h"

TSkinManage::TSkinManage(std::int32_t ModuleFlag) {
  if (ModuleFlag == 0) {
    FForms = std::make_shared<TSkinFormList>();
    FMenus = std::make_shared<TSkinMenuList>();
    FSkinDatas = std::make_shared<TSkinDataList>();
    FThreads = std::make_shared<TSkinThreadList>();
  } else {
    // The lists come from the host (AssignData); until then this manager works on empty ones.
    FSkinDatas = std::make_shared<TSkinDataList>();
    FThreads = std::make_shared<TSkinThreadList>();
    FInstance = SkinManageUnit::myinstance;
  }
  FEnabled = false;
  FForceSkin = false;
  FPhase = 0;
  FAction = 0;
  SetMenuSource(0);
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(100);
  FTimer->SetOnTimer(TNotifyEvent::Bind<&TSkinManage::OnTimer>(this));
}

TSkinManage::~TSkinManage() {
  FPhase = kSkinPhaseShutdown;
  FEnabled = false;
  FTimer.reset();
  if (!FInstance) {
    DeleteAllThreads();
    // Detach the module managers first: they share the lists freed below.
    DeleteAllSub();
    if (FForms && !FForms->empty()) DeleteAllForms();
    FForms.reset();
    if (FMenus) {
      TSkinMenuList menus;
      menus.swap(*FMenus);
      for (TRuzIzivPopMenu* menu : menus) FreePopMenu(menu);
    }
    FMenus.reset();
    FSkinDatas.reset();
  } else if (FParent) {
    TSkinManage* host = FParent;
    host->DeleteSub(this);
    host->DeleteSubForm(FInstance);
  }
  if (FHook) UnhookWindowsHookEx(FHook);
  if (SkinManageUnit::HookCBT == FHook) SkinManageUnit::HookCBT = nullptr;
  FHook = nullptr;
  SkinManageUnit::ShutDown = true;
  if (SkinManager == this) SkinManager = nullptr;
}

int TSkinManage::MenuSource() {
  return FormSkinShared.MenuSource;
}
void TSkinManage::SetMenuSource(int Value) {
  FormSkinShared.MenuSource = Value;
}
bool TSkinManage::MDIMax() {
  return FormSkinShared.MDIChildMaximized;
}

const TSkinFormList& TSkinManage::Forms() const {
  static const TSkinFormList none;
  return FForms ? *FForms : none;
}
const TSkinMenuList& TSkinManage::Menus() const {
  static const TSkinMenuList none;
  return FMenus ? *FMenus : none;
}

void TSkinManage::AddSkinData(TSkinData* Data) {
  if (!Data || !FSkinDatas) return;
  FSkinDatas->push_back(Data);
  if (!FMainSkinData && Data->SkinFormtype == sfMainform) FMainSkinData = Data;
}

void TSkinManage::RemoveSkinData(TSkinData* Data) {
  if (FSkinDatas) std::erase(*FSkinDatas, Data);
  // A component that goes away must not stay the one the manager consults or acts for.
  if (FMainSkinData == Data) {
    FMainSkinData = nullptr;
    if (FSkinDatas) {
      for (TSkinData* d : *FSkinDatas)
        if (d->SkinFormtype == sfMainform) {
          FMainSkinData = d;
          break;
        }
    }
  }
  if (FActionData == Data) FActionData = nullptr;
}

void TSkinManage::FindSkindata(TSkinData*& Data, HWND Wnd) const {
  Data = nullptr;
  if (!FSkinDatas || FSkinDatas->empty()) return;
  const TSkinDataList& list = *FSkinDatas;
  auto lastOf = [&](auto&& pred) -> TSkinData* {
    for (auto it = list.rbegin(); it != list.rend(); ++it)
      if (pred(*it)) return *it;
    return nullptr;
  };
  Data = lastOf([&](TSkinData* d) {
    if (d->SkinFormtype != sfOnlyThisForm) return false;
    auto* owner = dynamic_cast<TWinControl*>(d->Owner());
    return owner && owner->HandleAllocated() && owner->Handle() == Wnd;
  });
  if (Data) return;
  const String cls = LowerCase(WindowClassName(Wnd));
  if (cls == "tmessageform" || cls == "#32770") {
    Data = lastOf([](TSkinData* d) { return d->SkinFormtype == sfDialog; });
    if (Data) return;
  }
  Data = lastOf([](TSkinData* d) { return d->SkinFormtype == sfMainform; });
  if (!Data) Data = list.front();
}

bool TSkinManage::OnBeforeSkin(HWND Wnd, const String& ClassName) const {
  bool result = true;
  if (!FMainSkinData) return result;
  const String cls = LowerCase(ClassName);
  if (!FMainSkinData->Options.Contains(xoPreview) && cls.find("preview") != String::npos) result = false;
  if (ClassName == "#32770" && (GetWindowLongPtrW(Wnd, GWL_STYLE) & DS_SETFOREGROUND)) result = false;
  if (cls == "tpopupdbtreeview") result = false;
  FMainSkinData->DoFormSkin(Wnd, ClassName, result);
  return result;
}

bool TSkinManage::initsb(HWND Wnd) const {
  return FSBEnabled && FInitializeCoolSB ? FInitializeCoolSB(Wnd) != FALSE : false;
}

bool TSkinManage::Uninitsb(HWND Wnd) const {
  return FSBEnabled && FUninitializeCoolSB ? FUninitializeCoolSB(Wnd) != FALSE : false;
}
