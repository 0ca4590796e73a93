// The skinned menu bar and the menu entry points of the form skin object. Only the band itself and
// the bookkeeping exist so far: the bar's buttons, their menus and the owner-drawn framework menus
// are not skinned yet, so these entry points leave the menus native.
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"

TRuzIzivMenu::TRuzIzivMenu(TRuzIzivForm* Form, TSkinData* SkinData) : FForm(Form), FSkinData(SkinData) {}
TRuzIzivMenu::~TRuzIzivMenu() = default;

void TRuzIzivMenu::UpdataBtn() {
  if (FForm && FForm->FHandle) {
    HMENU Menu = GetMenu(FForm->FHandle);
    if (Menu) FMenu = Menu;
  }
}

void TRuzIzivMenu::UpdataBtn2(HMENU Menu) {
  if (Menu) FMenu = Menu;
}

void TRuzIzivMenu::DrawMenu(HDC DC, const RECT& M) {
  if (!DC || M.right <= M.left || M.bottom <= M.top || !FSkinData) return;
  HBRUSH Brush = FSkinData->FaceBrush.Get();
  if (Brush) FillRect(DC, &M, Brush);
}

void TRuzIzivForm::CheckMenu(TMenuBtn*) {}
void TRuzIzivForm::ClickButton(TMenuBtn*) {}
void TRuzIzivForm::MenuSelect(TMessage&) {}
TMenuBtn* TRuzIzivForm::FindButtonFromAccel(unsigned short) {
  return nullptr;
}
void TRuzIzivForm::CancelMenu() {}
void TRuzIzivForm::CMDialogChar(TMessage& Message) {
  FOldWindowProc(Message);
}
void TRuzIzivForm::SelectMDIform(TObject*) {}
void TRuzIzivForm::WMINITMENU(HMENU) {}
void TRuzIzivForm::WMMEASUREITEM(TMessage& Message) {
  Default(Message);
}
void TRuzIzivForm::WMMEASUREITEMH(TMessage& Message) {
  Default(Message);
}
void TRuzIzivForm::WMDRAWITEM(TMessage& Message) {
  Default(Message);
}
void TRuzIzivForm::WMDrawMenuitem(TMessage& Message) {
  Default(Message);
}
void TRuzIzivForm::WMDrawMenuitemH(TMessage& Message) {
  Default(Message);
}
TMenuItem* TRuzIzivForm::CreateMenuItem(HMENU, int) {
  return nullptr;
}
void TRuzIzivForm::InitMainMenu(TWinControl*, bool, bool) {}
void TRuzIzivForm::InitPopMenu(TWinControl*, bool, bool) {}
void TRuzIzivForm::InitToolbarMenu(TMenuItem*, bool) {}
void TRuzIzivForm::UpdateMainMenu() {
  if (FSkinMenu) FSkinMenu->UpdataBtn();
}
