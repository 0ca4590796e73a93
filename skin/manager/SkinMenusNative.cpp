// Without popup menu skin objects in the tree, popup menus keep their native look: the registry of
// popup menus stays empty.

#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinManageText.h"

void FreePopMenu(TRuzIzivPopMenu*) {}
void TSkinManage::AddMenu(HWND) {}
bool TSkinManage::DeleteMenu(HWND) {
  if (FMenus && FMenus->empty()) {
    FMenuFromBar = false;
    SetMenuSource(0);
  }
  return false;
}
bool TSkinManage::FindSkinMenu(HWND) const {
  return false;
}
void TSkinManage::SetHMenu(HMENU) {}
TBitmap* TSkinManage::GetMenuBg(HMENU) const {
  return nullptr;
}
void TSkinManage::SetPopMenu() {}
void TSkinManage::UpdateSkinMenu(HMENU) {}
