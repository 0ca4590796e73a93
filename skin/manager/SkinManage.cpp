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
      TSkinMenuList Menus;
      Menus.swap(*FMenus);
      for (TRuzIzivPopMenu* Menu : Menus) FreePopMenu(Menu);
    }
    FMenus.reset();
    FSkinDatas.reset();
  } else if (FParent) {
    TSkinManage* Host = FParent;
    Host->DeleteSub(this);
    Host->DeleteSubForm(FInstance);
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
  static const TSkinFormList None;
  return FForms ? *FForms : None;
}
const TSkinMenuList& TSkinManage::Menus() const {
  static const TSkinMenuList None;
  return FMenus ? *FMenus : None;
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
      for (TSkinData* D : *FSkinDatas)
        if (D->SkinFormtype == sfMainform) {
          FMainSkinData = D;
          break;
        }
    }
  }
  if (FActionData == Data) FActionData = nullptr;
}

void TSkinManage::FindSkindata(TSkinData*& Data, HWND Wnd) const {
  Data = nullptr;
  if (!FSkinDatas || FSkinDatas->empty()) return;
  const TSkinDataList& List = *FSkinDatas;
  auto LastOf = [&](auto&& Pred) -> TSkinData* {
    for (auto It = List.rbegin(); It != List.rend(); ++It)
      if (Pred(*It)) return *It;
    return nullptr;
  };
  Data = LastOf([&](TSkinData* D) {
    if (D->SkinFormtype != sfOnlyThisForm) return false;
    auto* OwnerControl = dynamic_cast<TWinControl*>(D->Owner());
    return OwnerControl && OwnerControl->HandleAllocated() && OwnerControl->Handle() == Wnd;
  });
  if (Data) return;
  const String Cls = LowerCase(WindowClassName(Wnd));
  if (Cls == "tmessageform" || Cls == "#32770") {
    Data = LastOf([](TSkinData* D) { return D->SkinFormtype == sfDialog; });
    if (Data) return;
  }
  Data = LastOf([](TSkinData* D) { return D->SkinFormtype == sfMainform; });
  if (!Data) Data = List.front();
}

bool TSkinManage::OnBeforeSkin(HWND Wnd, const String& ClassName) const {
  bool Result = true;
  if (!FMainSkinData) return Result;
  const String Cls = LowerCase(ClassName);
  if (!FMainSkinData->Options.Contains(xoPreview) && Cls.find("preview") != String::npos) Result = false;
  if (ClassName == "#32770" && (GetWindowLongPtrW(Wnd, GWL_STYLE) & DS_SETFOREGROUND)) Result = false;
  if (Cls == "tpopupdbtreeview") Result = false;
  FMainSkinData->DoFormSkin(Wnd, ClassName, Result);
  return Result;
}

bool TSkinManage::initsb(HWND Wnd) const {
  return FSBEnabled && FInitializeCoolSB ? FInitializeCoolSB(Wnd) != FALSE : false;
}

bool TSkinManage::Uninitsb(HWND Wnd) const {
  return FSBEnabled && FUninitializeCoolSB ? FUninitializeCoolSB(Wnd) != FALSE : false;
}
