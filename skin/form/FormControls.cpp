// Control discovery. The control skin objects do not exist yet, so the controls of a skinned window
// stay native; the list bookkeeping is complete.
#include <algorithm>

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
  reinterpret_cast<TRuzIzivForm*>(Form)->AddControlh(Wnd);
  return TRUE;
}
TSkinControl* TRuzIzivForm::Lookupcontrol(HWND) {
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

// The control skin objects belong to their framework controls; the list only forgets them here.
void TRuzIzivForm::DeleteControls() {
  FControls.clear();
  FHotControl = nullptr;
}
void TRuzIzivForm::DeleteSkinDeleted() {}
void TRuzIzivForm::WMReCreateWnd(TMessage&) {}
