// The registry of skinned popup menu windows ("#32768"): one popup skin object per menu window, bound
// to its menu handle when the owning form first paints one of its items.

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinManageText.h"
#include "skin/menus/RuzIzivPopMenu.h"

void FreePopMenu(TRuzIzivPopMenu* Menu) {
  if (!Menu) return;
  Menu->UnSubClass();
  delete Menu;
}

void TSkinManage::AddMenu(HWND Wnd) {
  if (!FEnabled || !FMenus || !Wnd) return;
  if (SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0) == 1) return;
  if (FindSkinMenu(Wnd)) return;
  TSkinData* data = nullptr;
  FindSkindata(data, Wnd);
  if (!data || data->FNoSkin) return;
  switch (MenuSource()) {
    case 0:
      if (!data->SkinControls.Contains(xcPopupMenu)) return;
      break;
    case 1:
      if (!data->SkinControls.Contains(xcMainMenu) && !data->SkinControls.Contains(xcMenuItem)) return;
      break;
    case 2:
      if (!data->SkinControls.Contains(xcSystemMenu)) return;
      break;
    default:
      break;
  }
  auto menu = std::make_unique<TRuzIzivPopMenu>();
  menu->InitSkin(Wnd, data, nullptr);
  if (FMenuFromBar) menu->FMarked = true;
  FMenus->push_back(menu.release());
}

bool TSkinManage::DeleteMenu(HWND Wnd) {
  if (!FMenus) return false;
  bool deleted = false;
  auto it = std::find_if(FMenus->begin(), FMenus->end(),
                         [Wnd](const TRuzIzivPopMenu* m) { return m && m->FHandle == Wnd; });
  if (it != FMenus->end()) {
    TRuzIzivPopMenu* menu = *it;
    FMenus->erase(it);
    FreePopMenu(menu);
    deleted = true;
  }
  if (FMenus->empty()) {
    FMenuFromBar = false;
    SetMenuSource(0);
  }
  return deleted;
}

bool TSkinManage::FindSkinMenu(HWND Wnd) const {
  if (!FMenus) return false;
  return std::any_of(FMenus->begin(), FMenus->end(),
                     [Wnd](const TRuzIzivPopMenu* m) { return m && m->FHandle == Wnd; });
}

void TSkinManage::SetHMenu(HMENU Menu) {
  if (!FMenus || !Menu) return;
  // A menu already bound keeps its window: the parent of an open submenu repaints its items (and
  // calls here) while the submenu's window is still unbound, which would otherwise take the parent's
  // handle and leave the submenu without its background.
  for (TRuzIzivPopMenu* m : *FMenus)
    if (m && m->FMenu == Menu) return;
  for (auto it = FMenus->rbegin(); it != FMenus->rend(); ++it) {
    if (*it && !(*it)->FMenu) {
      (*it)->FMenu = Menu;
      return;
    }
  }
}

TBitmap* TSkinManage::GetMenuBg(HMENU Menu) const {
  if (!FMenus || !Menu) return nullptr;
  for (TRuzIzivPopMenu* m : *FMenus)
    if (m && m->FMenu == Menu) return m->FBackground.get();
  return nullptr;
}

void TSkinManage::SetPopMenu() {
  if (!FMenus) return;
  for (TRuzIzivPopMenu* m : *FMenus)
    if (m) m->FMarked = true;
}

void TSkinManage::UpdateSkinMenu(HMENU /*Menu*/) {}
