// Control discovery. The choice of skin objects for the controls of a skinned window is not made
// here yet; the list of the control skin objects (which this object frees when it unskins) is.
#include <algorithm>

#include "framework/win/controls/ExceptionReport.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/RuzIzivForm.h"

void TRuzIzivForm::InitControls(TWinControl* Form) {
  DeleteSkinDeleted();
  InitControlA(Form);
}
void TRuzIzivForm::InitControlA(TWinControl*) {}
void TRuzIzivForm::InitChildCtrl(TWinControl*) {}
void TRuzIzivForm::InitNestform(TWinControl*) {
  DeleteSkinDeleted();
}
void TRuzIzivForm::AddComp(TControl*, TWinControl*) {}
bool TRuzIzivForm::FindSkinComp(TControl*) {
  return false;
}
bool TRuzIzivForm::FindSkinComp2(TWinControl*) {
  return true;
}
void TRuzIzivForm::DisableControl(TControl*) {}
void TRuzIzivForm::DoSkinEdit(TWinControl*) {}
bool TRuzIzivForm::IsScrollControl(TComponent*) {
  return false;
}
void TRuzIzivForm::InitHwndControls(HWND Parent) {
  for (HWND Child = GetWindow(Parent, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(Child, GWL_STYLE) & WS_CHILD) AddControlh(Child);
}
void TRuzIzivForm::AddControlh(HWND) {}
BOOL CALLBACK TRuzIzivForm::EnumControl(HWND Wnd, LPARAM Form) {
  try {
    reinterpret_cast<TRuzIzivForm*>(Form)->AddControlh(Wnd);
  } catch (...) {
    // This control stays native; the enumeration goes on.
    ReportException(reinterpret_cast<TRuzIzivForm*>(Form));
  }
  return TRUE;
}
TSkinControl* TRuzIzivForm::Lookupcontrol(HWND Wnd) {
  if (!Wnd) return nullptr;
  for (TSkinControl* Control : FControls)
    if (Control->FHandle == Wnd) return Control;
  return nullptr;
}

bool TRuzIzivForm::AddControlList(TSkinControl* Control) {
  if (std::find(FControls.begin(), FControls.end(), Control) != FControls.end()) return true;
  FControls.push_back(Control);
  return false;
}

void TRuzIzivForm::DeleteControl(TSkinControl* Control) {
  auto It = std::find(FControls.rbegin(), FControls.rend(), Control);
  if (It != FControls.rend()) FControls.erase(std::next(It).base());
  if (FHotControl == Control) FHotControl = nullptr;
}

// Unskinning: every listed object stops skinning (unless its window is going away) and is freed,
// which gives its control back the procedure or message method it had.
void TRuzIzivForm::DeleteControls() {
  FHotControl = nullptr;
  while (!FControls.empty()) {
    TSkinControl* Control = FControls.front();
    FControls.erase(FControls.begin());
    if (FSkinState != kSkinDestroying && Control->FStatus != kControlDestroyed) Control->Unsubclass();
    Control->FFormSkin = nullptr;
    delete Control;
  }
}

// The objects whose windows were destroyed; they are freed before the next discovery pass.
void TRuzIzivForm::DeleteSkinDeleted() {
  for (std::size_t I = 0; I < FControls.size();) {
    TSkinControl* Control = FControls[I];
    if (Control->FStatus != kControlDestroyed) {
      ++I;
      continue;
    }
    FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(I));
    if (FHotControl == Control) FHotControl = nullptr;
    Control->FFormSkin = nullptr;
    delete Control;
  }
}
void TRuzIzivForm::WMReCreateWnd(TMessage&) {}
