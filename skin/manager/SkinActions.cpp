// Queued skin switches: SetAction stores the request, the one-shot timer carries it out, so that a
// burst of property changes leads to one re-skinning.

#include <algorithm>

#include "framework/win/app/Screen.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"

namespace {

constexpr std::int32_t kSubManagerDelay = 300;

}  // namespace

void TSkinManage::SetAction(std::int32_t Action, std::int32_t Interval) {
  FAction = Action;
  FTimer->SetInterval(static_cast<unsigned>(std::max<std::int32_t>(Interval, 0)));
  if (FPhase == 0) {
    // Nothing has been activated yet: the first activation will skin what is there.
    if (Action == kSkinActionInstall) FEnabled = true;
    if (Action == kSkinActionUninstall) FEnabled = false;
    return;
  }
  if (!FInstance) {
    for (TSkinManage* Sub : FSubManagers) {
      Sub->FActionData = FActionData;
      if (Action == kSkinActionInstall) {
        Sub->FEnabled = true;
        Sub->SetAction(kSkinActionInstall, kSubManagerDelay);
      } else if (Action == kSkinActionUninstall) {
        Sub->FEnabled = false;
      }
    }
  }
  // Restarted, so the delay counts from the latest request.
  FTimer->SetEnabled(false);
  FTimer->SetEnabled(true);
}

void TSkinManage::OnTimer(TObject* /*Sender*/) {
  FTimer->SetEnabled(false);
  if (!FActionData) return;
  if (FActionData->SkinFormtype == sfOnlyThisForm)
    RunActionOnlyThisForm();
  else
    RunAction();
}

void TSkinManage::RunActionOnlyThisForm() {
  switch (FAction) {
    case kSkinActionInstall: {
      FEnabled = true;
      FForceSkin = true;
      if (Screen) {
        for (int I = Screen->FormCount() - 1; I >= 0; --I) {
          if (I >= Screen->FormCount()) continue;
          TCustomForm* Candidate = Screen->Forms(I);
          if (Candidate == FActionData->Owner()) {
            ActiveForm(Candidate);
            break;
          }
        }
      }
      FForceSkin = false;
      break;
    }
    case kSkinActionUninstall: {
      FEnabled = false;
      DeleteDeleted();
      if (!FForms) break;
      for (std::size_t I = FForms->size(); I-- > 0;) {
        TRuzIzivForm* Skin = (*FForms)[I].Form;
        if (!Skin || Skin->FSkinData != FActionData) continue;
        Skin->UnSubclass();
        Skin->RePaint(Skin->FHandle);
        std::erase_if(*FForms, [Skin](const TSkinFormEntry& E) { return E.Form == Skin; });
        FreeForm(Skin);
        break;
      }
      break;
    }
    case kSkinActionUpdate: {
      DeleteDeleted();
      if (!FForms) break;
      for (const TSkinFormEntry& E : *FForms) {
        if (!E.Form || E.Form->FSkinData != FActionData) continue;
        TRuzIzivForm* Skin = E.Form;
        Skin->DeleteSysbtn();
        Skin->InitSkinData();
        Skin->SkinChange();
        break;
      }
      break;
    }
    case kSkinActionCollect:
      DeleteForm3();
      break;
    default:
      return;
  }
  TSkinData* Data = FActionData;
  FActionData = nullptr;
  if (Data) Data->DoSkinChanged();
}

void TSkinManage::RunAction() {
  switch (FAction) {
    case kSkinActionInstall:
      InstallAll();
      break;
    case kSkinActionUninstall:
      UninstallAll();
      break;
    case kSkinActionUpdate:
      UpdateAll();
      break;
    case kSkinActionCollect:
      DeleteForm3();
      break;
    case kSkinActionReskin:
      Reskin();
      return;
    default:
      return;
  }
  // The handler may free components; the manager forgets the one it acted for first.
  TSkinData* Data = FActionData;
  FActionData = nullptr;
  if (Data) Data->DoSkinChanged();
}

void TSkinManage::InstallAll() {
  FEnabled = true;
  FForceSkin = true;
  DeleteDeleted();
  if (Screen) {
    for (int I = Screen->FormCount() - 1; I >= 0; --I)
      if (I < Screen->FormCount()) ActiveForm(Screen->Forms(I));
  }
  FForceSkin = false;
  if (!FInstance) {
    for (TSkinManage* Sub : FSubManagers) {
      Sub->FActionData = FActionData;
      Sub->FEnabled = true;
      Sub->SetAction(kSkinActionInstall, kSubManagerDelay);
    }
  }
}

void TSkinManage::UninstallAll() {
  FEnabled = false;
  DeleteDeleted();
  while (FForms && !FForms->empty()) {
    TRuzIzivForm* Skin = FForms->front().Form;
    FForms->erase(FForms->begin());
    if (!Skin) continue;
    Skin->UnSubclass();
    Skin->RePaint(Skin->FHandle);
    FreeForm(Skin);
  }
  if (!FInstance)
    for (TSkinManage* Sub : FSubManagers) Sub->FEnabled = false;
}

void TSkinManage::UpdateAll() {
  DeleteDeleted();
  if (!FForms) return;
  // Copies: SkinChange runs window messages, which may add or drop entries.
  std::vector<TRuzIzivForm*> Skins;
  for (const TSkinFormEntry& E : *FForms)
    if (E.Form && E.Form->FSkinData == FActionData) Skins.push_back(E.Form);
  for (TRuzIzivForm* Skin : Skins) {
    Skin->DeleteSysbtn();
    Skin->InitSkinData();
  }
  for (TRuzIzivForm* Skin : Skins) {
    const bool Registered = std::any_of(FForms->begin(), FForms->end(),
                                        [Skin](const TSkinFormEntry& E) { return E.Form == Skin; });
    if (Registered) Skin->SkinChange();
  }
}

void TSkinManage::Reskin() {
  TRuzIzivForm* Skin = FindSkinForm(FActionWnd);
  if (!Skin) return;
  const HWND Wnd = FActionWnd;
  Skin->UnSubclass();
  Skin->FSkinState = kSkinDestroyed;
  DeleteDeleted();
  AddForm(Wnd);
}
