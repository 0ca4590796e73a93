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
  TSkinData* Data = nullptr;
  FindSkindata(Data, Wnd);
  if (!Data || Data->FNoSkin) return;
  switch (MenuSource()) {
    case 0:
      if (!Data->SkinControls.Contains(xcPopupMenu)) return;
      break;
    case 1:
      if (!Data->SkinControls.Contains(xcMainMenu) && !Data->SkinControls.Contains(xcMenuItem)) return;
      break;
    case 2:
      if (!Data->SkinControls.Contains(xcSystemMenu)) return;
      break;
    default:
      break;
  }
  auto Menu = std::make_unique<TRuzIzivPopMenu>();
  Menu->InitSkin(Wnd, Data, nullptr);
  if (FMenuFromBar) Menu->FMarked = true;
  FMenus->push_back(Menu.release());
}

bool TSkinManage::DeleteMenu(HWND Wnd) {
  if (!FMenus) return false;
  bool Deleted = false;
  auto It = std::find_if(FMenus->begin(), FMenus->end(),
                         [Wnd](const TRuzIzivPopMenu* M) { return M && M->FHandle == Wnd; });
  if (It != FMenus->end()) {
    TRuzIzivPopMenu* Menu = *It;
    FMenus->erase(It);
    FreePopMenu(Menu);
    Deleted = true;
  }
  if (FMenus->empty()) {
    FMenuFromBar = false;
    SetMenuSource(0);
  }
  return Deleted;
}

bool TSkinManage::FindSkinMenu(HWND Wnd) const {
  if (!FMenus) return false;
  return std::any_of(FMenus->begin(), FMenus->end(),
                     [Wnd](const TRuzIzivPopMenu* M) { return M && M->FHandle == Wnd; });
}

void TSkinManage::SetHMenu(HMENU Menu) {
  if (!FMenus || !Menu) return;
  // A menu already bound keeps its window: the parent of an open submenu repaints its items (and
  // calls here) while the submenu's window is still unbound, which would otherwise take the parent's
  // handle and leave the submenu without its background.
  for (TRuzIzivPopMenu* M : *FMenus)
    if (M && M->FMenu == Menu) return;
  for (auto It = FMenus->rbegin(); It != FMenus->rend(); ++It) {
    if (*It && !(*It)->FMenu) {
      (*It)->FMenu = Menu;
      return;
    }
  }
}

TBitmap* TSkinManage::GetMenuBg(HMENU Menu) const {
  if (!FMenus || !Menu) return nullptr;
  for (TRuzIzivPopMenu* M : *FMenus)
    if (M && M->FMenu == Menu) return M->FBackground.get();
  return nullptr;
}

void TSkinManage::SetPopMenu() {
  if (!FMenus) return;
  for (TRuzIzivPopMenu* M : *FMenus)
    if (M) M->FMarked = true;
}

void TSkinManage::UpdateSkinMenu(HMENU /*Menu*/) {}
