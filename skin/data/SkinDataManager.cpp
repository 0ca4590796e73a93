// The operations TSkinData hands to the process-wide skin manager.

#include "skin/data/SkinData.h"
#include "skin/data/SkinWindowBridge.h"

namespace {

constexpr std::int32_t kActionInstall = 1;
constexpr std::int32_t kActionUninstall = 2;
constexpr std::int32_t kActionUpdate = 3;
constexpr std::int32_t kActionReskinForm = 7;
constexpr std::int32_t kActionDelay = 250;

}  // namespace

TSkinManageBase* SkinManager = nullptr;
TSkinManagerFactory CreateSkinManager = nullptr;

TSkinManageBase* EnsureSkinManager(std::int32_t ModuleFlag) {
  if (!SkinManager && CreateSkinManager) SkinManager = CreateSkinManager(ModuleFlag);
  return SkinManager;
}

TSkinManageBase* SkinDll(TSkinManageBase* Data) {
  TSkinManageBase* Manager = EnsureSkinManager(1);
  if (!Manager) return nullptr;
  Manager->AssignData(Data);
  Manager->InstallHook();
  ++Manager->FPhase;
  return Manager;
}

void TSkinData::Install() {
  if (SkinManager) SkinManager->SetAction(kActionInstall, kActionDelay);
}

void TSkinData::Uninstall() {
  if (SkinManager) SkinManager->SetAction(kActionUninstall, kActionDelay);
}

void TSkinData::UpdateSkin() {
  if (Designing() || Reading()) return;
  if (!SkinManager) Loaded();
  TSkinManageBase* Manager = SkinManager;
  if (!Manager) return;
  Manager->FActionData = this;
  Manager->DeleteSysbtn();
  if (Manager->FPhase == 1) Manager->SetAction(kActionUpdate, kActionDelay);
}

void TSkinData::ChangeForm(TCustomForm* Form) {
  if (!SkinManager) return;
  SkinManager->FActionWnd = SkinFormWindow(Form);
  SkinManager->FActionData = this;
  SkinManager->SetAction(kActionReskinForm, kActionDelay);
}

void TSkinData::SkinForm(HWND Wnd) {
  if (!SkinManager) return;
  SkinManager->FForceSkin = true;
  SkinManager->AddForm(Wnd);
  SkinManager->FForceSkin = false;
}

void TSkinData::EnableSkin(bool Value) {
  if (SkinManager) SkinManager->FEnabled = Value;
}

void TSkinData::InstallThread(DWORD ThreadId) {
  if (SkinManager) SkinManager->InstallThread(ThreadId);
}

void TSkinData::UnInstallThread(DWORD ThreadId) {
  if (SkinManager) SkinManager->UnInstallThread(ThreadId);
}

void TSkinData::AddNestForm(TWinControl* Control, TCustomForm* NestForm) {
  if (!SkinManager || !NestForm) return;
  SkinManager->AddNestForm(SkinControlWindow(Control), SkinFormAsComponent(NestForm));
}

void TSkinData::UpdateSkinControl(TCustomForm* Form, TControl* Control) {
  if (!SkinManager || !Form) return;
  SkinManager->UpdateSkinControl(SkinFormWindow(Form), Control ? Control : SkinFormAsControl(Form));
}

void TSkinData::UpdateMenu(TCustomForm* Form) {
  if (!SkinManager || !Form) return;
  SkinManager->UpdateMenu(SkinFormWindow(Form), SkinFormAsComponent(Form));
}

void TSkinData::UpdateMainMenu(bool Value) {
  FMainMenuUpdate = Value;
  if (Value && SkinManager) SkinManager->UpdateMainMenu();
}

void TSkinData::DeleteGraphicControl(TCustomForm* Form, TControl* Control) {
  if (!SkinManager || !Form) return;
  SkinManager->DeleteGraphicControl(SkinFormWindow(Form), Control);
}
