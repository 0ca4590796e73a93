// The registry of skinned windows: the decision chain that gives a window its form skin object, the
// look-ups, and the removal of entries.

#include <algorithm>

#include "framework/win/app/Screen.h"
#include "framework/win/controls/ControlAtom.h"
#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinManageText.h"

namespace {

constexpr std::intptr_t kNeverSkinTag = 99;

bool HasArea(HWND Wnd) {
  RECT r{};
  if (!GetWindowRect(Wnd, &r)) return false;
  return r.right != r.left && r.bottom != r.top;
}

bool IsMDIChildWindow(HWND Wnd) {
  return (GetWindowLongPtrW(Wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

}  // namespace

bool TSkinManage::AddForm(HWND Wnd) {
  if (!FEnabled || !FForms || !Wnd || !IsWindow(Wnd)) return false;
  DeleteDeleted();
  if (SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0) == 1) return false;
  if (FindSkinForm(Wnd)) return false;
  TControl* form = FindTForm(Wnd);
  if (!FForceSkin && NestedForm(Wnd)) return false;
  const String className = WindowClassName(Wnd);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Wnd, GWLP_HINSTANCE));
  if (!form && instance != SkinManageUnit::myinstance && className != "#32770") return false;
  if (!HasArea(Wnd) && !IsMDIChildWindow(Wnd)) return false;
  if (form && form->Tag() == kNeverSkinTag) return false;
  if (className.find("TcxPopupEditPopupWindow") != String::npos ||
      className.find("TTERenderWindow") != String::npos || className == "TApplication")
    return false;
  if (!OnBeforeSkin(Wnd, className)) return false;
  TSkinData* data = nullptr;
  FindSkindata(data, Wnd);
  if (!data || data->FNoSkin) return false;

  auto* skin = new TRuzIzivForm(form);
  skin->FHandle = Wnd;
  skin->FName = className;
  try {
    if (auto* frameworkForm = dynamic_cast<TForm*>(form))
      skin->InitTform(data, frameworkForm);
    else
      skin->InitDlg(data);
  } catch (...) {
    FreeForm(skin);
    throw;
  }
  FForms->push_back({skin, FInstance});
  PostMessageW(Wnd, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
  return true;
}

void TSkinManage::ActiveForm(TCustomForm* Form) {
  if (!Form || !Form->Visible() || !Form->HandleAllocated()) return;
  const HWND wnd = Form->Handle();
  if (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD) return;
  AddForm(wnd);
}

TRuzIzivForm* TSkinManage::FindSkinForm(HWND Wnd) const {
  if (!FForms || !Wnd) return nullptr;
  for (const TSkinFormEntry& e : *FForms)
    if (e.Form && e.Form->FHandle == Wnd) return e.Form;
  return nullptr;
}

TControl* TSkinManage::FindTForm(HWND Wnd) const {
  if (!Wnd) return nullptr;
  if (Screen) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* f = Screen->Forms(i);
      if (f->HandleAllocated() && f->Handle() == Wnd) return f;
    }
  }
  return FindControlx(Wnd);
}

bool TSkinManage::NestedForm(HWND Wnd) {
  if (!(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_CHILD)) return false;
  if (IsMDIChildWindow(Wnd)) return false;
  return LowerCase(WindowClassName(GetParent(Wnd))) != "mdiclient";
}

void TSkinManage::FreeForm(TRuzIzivForm* Form) {
  TRuzIzivForm* const previous = FFreeing;
  FFreeing = Form;
  delete Form;
  FFreeing = previous;
}

bool TSkinManage::DeleteForm(HWND Wnd) {
  if (FPhase == kSkinPhaseShutdown || !FForms) return false;
  for (auto it = FForms->begin(); it != FForms->end(); ++it) {
    TRuzIzivForm* skin = it->Form;
    if (!skin || skin->FHandle != Wnd) continue;
    if (!skin->FForm) return false;
    skin->FSkinState = kSkinDestroying;
    skin->UnSubclass();
    FForms->erase(it);
    FreeForm(skin);
    return true;
  }
  return false;
}

void TSkinManage::DeleteForm2(HWND Wnd) {
  if (FPhase == kSkinPhaseShutdown || !FForms || FFreeing) return;
  auto it = std::find_if(FForms->begin(), FForms->end(),
                         [Wnd](const TSkinFormEntry& e) { return e.Form && e.Form->FHandle == Wnd; });
  if (it != FForms->end()) FForms->erase(it);
}

void TSkinManage::DeleteDeleted() {
  if (FPhase == kSkinPhaseShutdown || !FForms) return;
  for (std::size_t i = FForms->size(); i-- > 0;) {
    if (i >= FForms->size()) continue;  // a destructor may have shortened the list
    const TSkinFormEntry e = (*FForms)[i];
    if (!e.Form) {
      FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(i));
    } else if (e.Form->FSkinState == kSkinDestroyed && e.Instance == FInstance) {
      FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(i));
      FreeForm(e.Form);
    }
  }
}

void TSkinManage::DeleteForm3() {
  if (FPhase == kSkinPhaseShutdown || !FForms) return;
  std::vector<TRuzIzivForm*> destroyed;
  std::erase_if(*FForms, [&](const TSkinFormEntry& e) {
    if (!e.Form || e.Form->FSkinState != kSkinDestroyed) return false;
    destroyed.push_back(e.Form);
    return true;
  });
  for (TRuzIzivForm* skin : destroyed) FreeForm(skin);
}

void TSkinManage::DeleteAllForms() {
  FEnabled = false;
  if (!FForms) return;
  for (std::size_t i = FForms->size(); i-- > 0;) {
    if (i >= FForms->size()) continue;
    const TSkinFormEntry e = (*FForms)[i];
    if (e.Form && e.Instance != FInstance) continue;
    FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(i));
    if (!e.Form) continue;
    e.Form->UnSubclass3();
    FreeForm(e.Form);
  }
}

void TSkinManage::DeleteSysbtn() {
  if (!FForms) return;
  for (const TSkinFormEntry& e : *FForms)
    if (e.Form && e.Form->FSkinData == FActionData) e.Form->DeleteSysbtn();
}

void TSkinManage::AddNestForm(HWND ControlWnd, TComponent* NestForm) {
  if (!FForms || !NestForm) return;
  auto* nest = dynamic_cast<TWinControl*>(NestForm);
  for (const TSkinFormEntry& e : *FForms) {
    if (!e.Form || e.Form->FHandle != ControlWnd) continue;
    auto* spy = new TRuzIzivSpy(NestForm);
    spy->FSkinForm = e.Form;
    if (nest) e.Form->InitNestform(nest);
    return;
  }
}

void TSkinManage::UpdateSkinControl(HWND FormWnd, TControl* Target) {
  TRuzIzivForm* skin = FindSkinForm(FormWnd);
  if (auto* container = dynamic_cast<TWinControl*>(Target); skin && container) skin->InitControls(container);
}

void TSkinManage::UpdateMenu(HWND FormWnd, TComponent* Form) {
  TRuzIzivForm* skin = FindSkinForm(FormWnd);
  if (auto* container = dynamic_cast<TWinControl*>(Form); skin && container)
    skin->InitPopMenu(container, true, true);
}

void TSkinManage::UpdateMainMenu() {
  if (!FForms) return;
  for (const TSkinFormEntry& e : *FForms)
    if (e.Form && e.Form->FSkinMenu) e.Form->UpdateMainMenu();
}

void TSkinManage::DeleteGraphicControl(HWND FormWnd, TControl* Control) {
  if (!FForms || !Control) return;
  for (const TSkinFormEntry& e : *FForms)
    if (e.Form && e.Form->FHandle == FormWnd) e.Form->DeleteGraphicControl(Control);
}
