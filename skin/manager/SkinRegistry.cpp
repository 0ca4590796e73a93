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
  RECT R{};
  if (!GetWindowRect(Wnd, &R)) return false;
  return R.right != R.left && R.bottom != R.top;
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
  TControl* Form = FindTForm(Wnd);
  if (!FForceSkin && NestedForm(Wnd)) return false;
  const String ClassName = WindowClassName(Wnd);
  const auto Instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Wnd, GWLP_HINSTANCE));
  if (!Form && Instance != SkinManageUnit::myinstance && ClassName != "#32770") return false;
  if (!HasArea(Wnd) && !IsMDIChildWindow(Wnd)) return false;
  if (Form && Form->Tag() == kNeverSkinTag) return false;
  if (ClassName.find("TcxPopupEditPopupWindow") != String::npos ||
      ClassName.find("TTERenderWindow") != String::npos || ClassName == "TApplication")
    return false;
  if (!OnBeforeSkin(Wnd, ClassName)) return false;
  TSkinData* Data = nullptr;
  FindSkindata(Data, Wnd);
  if (!Data || Data->FNoSkin) return false;

  auto* Skin = new TRuzIzivForm(Form);
  Skin->FHandle = Wnd;
  Skin->FName = ClassName;
  try {
    if (auto* FrameworkForm = dynamic_cast<TForm*>(Form))
      Skin->InitTform(Data, FrameworkForm);
    else
      Skin->InitDlg(Data);
  } catch (...) {
    FreeForm(Skin);
    throw;
  }
  FForms->push_back({Skin, FInstance});
  PostMessageW(Wnd, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
  return true;
}

void TSkinManage::ActiveForm(TCustomForm* Form) {
  if (!Form || !Form->Visible() || !Form->HandleAllocated()) return;
  const HWND Wnd = Form->Handle();
  if (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_CHILD) return;
  AddForm(Wnd);
}

TRuzIzivForm* TSkinManage::FindSkinForm(HWND Wnd) const {
  if (!FForms || !Wnd) return nullptr;
  for (const TSkinFormEntry& E : *FForms)
    if (E.Form && E.Form->FHandle == Wnd) return E.Form;
  return nullptr;
}

TControl* TSkinManage::FindTForm(HWND Wnd) const {
  if (!Wnd) return nullptr;
  if (Screen) {
    for (int I = 0; I < Screen->FormCount(); ++I) {
      TCustomForm* F = Screen->Forms(I);
      if (F->HandleAllocated() && F->Handle() == Wnd) return F;
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
  TRuzIzivForm* const Previous = FFreeing;
  FFreeing = Form;
  delete Form;
  FFreeing = Previous;
}

bool TSkinManage::DeleteForm(HWND Wnd) {
  if (FPhase == kSkinPhaseShutdown || !FForms) return false;
  for (auto It = FForms->begin(); It != FForms->end(); ++It) {
    TRuzIzivForm* Skin = It->Form;
    if (!Skin || Skin->FHandle != Wnd) continue;
    if (!Skin->FForm) return false;
    Skin->FSkinState = kSkinDestroying;
    Skin->UnSubclass();
    FForms->erase(It);
    FreeForm(Skin);
    return true;
  }
  return false;
}

void TSkinManage::DeleteForm2(HWND Wnd) {
  if (FPhase == kSkinPhaseShutdown || !FForms || FFreeing) return;
  auto It = std::find_if(FForms->begin(), FForms->end(),
                         [Wnd](const TSkinFormEntry& E) { return E.Form && E.Form->FHandle == Wnd; });
  if (It != FForms->end()) FForms->erase(It);
}

void TSkinManage::DeleteDeleted() {
  if (FPhase == kSkinPhaseShutdown || !FForms) return;
  for (std::size_t I = FForms->size(); I-- > 0;) {
    if (I >= FForms->size()) continue;  // a destructor may have shortened the list
    const TSkinFormEntry E = (*FForms)[I];
    if (!E.Form) {
      FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(I));
    } else if (E.Form->FSkinState == kSkinDestroyed && E.Instance == FInstance) {
      FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(I));
      FreeForm(E.Form);
    }
  }
}

void TSkinManage::DeleteForm3() {
  if (FPhase == kSkinPhaseShutdown || !FForms) return;
  std::vector<TRuzIzivForm*> Destroyed;
  std::erase_if(*FForms, [&](const TSkinFormEntry& E) {
    if (!E.Form || E.Form->FSkinState != kSkinDestroyed) return false;
    Destroyed.push_back(E.Form);
    return true;
  });
  for (TRuzIzivForm* Skin : Destroyed) FreeForm(Skin);
}

void TSkinManage::DeleteAllForms() {
  FEnabled = false;
  if (!FForms) return;
  for (std::size_t I = FForms->size(); I-- > 0;) {
    if (I >= FForms->size()) continue;
    const TSkinFormEntry E = (*FForms)[I];
    if (E.Form && E.Instance != FInstance) continue;
    FForms->erase(FForms->begin() + static_cast<std::ptrdiff_t>(I));
    if (!E.Form) continue;
    E.Form->UnSubclass3();
    FreeForm(E.Form);
  }
}

void TSkinManage::DeleteSysbtn() {
  if (!FForms) return;
  for (const TSkinFormEntry& E : *FForms)
    if (E.Form && E.Form->FSkinData == FActionData) E.Form->DeleteSysbtn();
}

void TSkinManage::AddNestForm(HWND ControlWnd, TComponent* NestForm) {
  if (!FForms || !NestForm) return;
  auto* Nest = dynamic_cast<TWinControl*>(NestForm);
  for (const TSkinFormEntry& E : *FForms) {
    if (!E.Form || E.Form->FHandle != ControlWnd) continue;
    auto* Spy = new TRuzIzivSpy(NestForm);
    Spy->FSkinForm = E.Form;
    if (Nest) E.Form->InitNestform(Nest);
    return;
  }
}

void TSkinManage::UpdateSkinControl(HWND FormWnd, TControl* Target) {
  TRuzIzivForm* Skin = FindSkinForm(FormWnd);
  if (auto* Container = dynamic_cast<TWinControl*>(Target); Skin && Container) Skin->InitControls(Container);
}

void TSkinManage::UpdateMenu(HWND FormWnd, TComponent* Form) {
  TRuzIzivForm* Skin = FindSkinForm(FormWnd);
  if (auto* Container = dynamic_cast<TWinControl*>(Form); Skin && Container)
    Skin->InitPopMenu(Container, true, true);
}

void TSkinManage::UpdateMainMenu() {
  if (!FForms) return;
  for (const TSkinFormEntry& E : *FForms)
    if (E.Form && E.Form->FSkinMenu) E.Form->UpdateMainMenu();
}

void TSkinManage::DeleteGraphicControl(HWND FormWnd, TControl* Control) {
  if (!FForms || !Control) return;
  for (const TSkinFormEntry& E : *FForms)
    if (E.Form && E.Form->FHandle == FormWnd) E.Form->DeleteGraphicControl(Control);
}
