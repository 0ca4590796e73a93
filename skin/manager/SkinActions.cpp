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
    for (TSkinManage* sub : FSubManagers) {
      sub->FActionData = FActionData;
      if (Action == kSkinActionInstall) {
        sub->FEnabled = true;
        sub->SetAction(kSkinActionInstall, kSubManagerDelay);
      } else if (Action == kSkinActionUninstall) {
        sub->FEnabled = false;
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
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
          if (i >= Screen->FormCount()) continue;
          TCustomForm* form = Screen->Forms(i);
          if (form == FActionData->Owner()) {
            ActiveForm(form);
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
      for (std::size_t i = FForms->size(); i-- > 0;) {
        TRuzIzivForm* skin = (*FForms)[i].Form;
        if (!skin || skin->FSkinData != FActionData) continue;
        skin->UnSubclass();
        skin->RePaint(skin->FHandle);
        std::erase_if(*FForms, [skin](const TSkinFormEntry& e) { return e.Form == skin; });
        FreeForm(skin);
        break;
      }
      break;
    }
    case kSkinActionUpdate: {
      DeleteDeleted();
      if (!FForms) break;
      for (const TSkinFormEntry& e : *FForms) {
        if (!e.Form || e.Form->FSkinData != FActionData) continue;
        TRuzIzivForm* skin = e.Form;
        skin->DeleteSysbtn();
        skin->InitSkinData();
        skin->SkinChange();
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
  TSkinData* data = FActionData;
  FActionData = nullptr;
  if (data) data->DoSkinChanged();
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
  TSkinData* data = FActionData;
  FActionData = nullptr;
  if (data) data->DoSkinChanged();
}

void TSkinManage::InstallAll() {
  FEnabled = true;
  FForceSkin = true;
  DeleteDeleted();
  if (Screen) {
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
      if (i < Screen->FormCount()) ActiveForm(Screen->Forms(i));
  }
  FForceSkin = false;
  if (!FInstance) {
    for (TSkinManage* sub : FSubManagers) {
      sub->FActionData = FActionData;
      sub->FEnabled = true;
      sub->SetAction(kSkinActionInstall, kSubManagerDelay);
    }
  }
}

void TSkinManage::UninstallAll() {
  FEnabled = false;
  DeleteDeleted();
  while (FForms && !FForms->empty()) {
    TRuzIzivForm* skin = FForms->front().Form;
    FForms->erase(FForms->begin());
    if (!skin) continue;
    skin->UnSubclass();
    skin->RePaint(skin->FHandle);
    FreeForm(skin);
  }
  if (!FInstance)
    for (TSkinManage* sub : FSubManagers) sub->FEnabled = false;
}

void TSkinManage::UpdateAll() {
  DeleteDeleted();
  if (!FForms) return;
  // Copies: SkinChange runs window messages, which may add or drop entries.
  std::vector<TRuzIzivForm*> skins;
  for (const TSkinFormEntry& e : *FForms)
    if (e.Form && e.Form->FSkinData == FActionData) skins.push_back(e.Form);
  for (TRuzIzivForm* skin : skins) {
    skin->DeleteSysbtn();
    skin->InitSkinData();
  }
  for (TRuzIzivForm* skin : skins) {
    const bool registered = std::any_of(FForms->begin(), FForms->end(),
                                        [skin](const TSkinFormEntry& e) { return e.Form == skin; });
    if (registered) skin->SkinChange();
  }
}

void TSkinManage::Reskin() {
  TRuzIzivForm* skin = FindSkinForm(FActionWnd);
  if (!skin) return;
  const HWND wnd = FActionWnd;
  skin->UnSubclass();
  skin->FSkinState = kSkinDestroyed;
  DeleteDeleted();
  AddForm(wnd);
}
