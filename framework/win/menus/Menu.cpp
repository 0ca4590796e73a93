#include <functional>

#include "framework/win/app/Screen.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  SetReference(FImages, nullptr);
  FItems.reset();
}

void TMenu::Publish(TPublisher<TMenu>& P) {
  P.Obj("Images", &TMenu::Images, &TMenu::SetImages);
  P.Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(0);
  P.Enum("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode).Default(bdLeftToRight);
}

void TMenu::SetImages(TImageList* Value) {
  if (SetReference(FImages, Value)) RebuildAll();
}

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  RebuildAll();
}

void TMenu::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  RebuildAll();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    RebuildAll();
  }
}

void TMenu::RebuildAll() {
  std::function<void(TMenuItem*)> Walk = [&Walk](TMenuItem* Item) {
    Item->RebuildHandle();
    for (int I = 0; I < Item->Count(); ++I) Walk(Item->Items(I));
  };
  Walk(FItems.get());
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut Key) const {
  if (Key == scNone) return nullptr;
  std::function<TMenuItem*(TMenuItem*)> Walk = [&Walk, Key](TMenuItem* Item) -> TMenuItem* {
    for (int I = 0; I < Item->Count(); ++I) {
      TMenuItem* Sub = Item->Items(I);
      if (Sub->ShortCut() == Key) return Sub;
      if (TMenuItem* Found = Walk(Sub)) return Found;
    }
    return nullptr;
  };
  return Walk(FItems.get());
}

bool TMenu::IsShortCut(TShortCut Key) {
  TMenuItem* Item = FindItemByShortCut(Key);
  if (!Item) return false;
  for (TMenuItem* Up = Item; Up && Up != FItems.get(); Up = Up->Parent())
    if (!Up->Enabled()) return false;
  Item->Click();
  return true;
}

TMenuItem* TMenu::FindItem(UINT Command) const {
  TMenuItem* Item = FindMenuItemByCommand(Command);
  return Item && Item->GetParentMenu() == this ? Item : nullptr;
}

TMenuItem* TMenu::FindItemByHandle(HMENU Menu) const {
  TMenuItem* Item = FindMenuItemByHandle(Menu);
  return Item && Item->GetParentMenu() == this ? Item : nullptr;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  FItems->GetChildren(Proc, Root);
}

// ---------------------------------------------------------------------------------------------------

TMainMenu::~TMainMenu() {
  SetWindowHandle(nullptr);
}

void TMainMenu::SetWindowHandle(HWND Value) {
  if (FWindowHandle && IsWindow(FWindowHandle) && Items()->HandleAllocated() &&
      GetMenu(FWindowHandle) == Items()->Handle())
    SetMenu(FWindowHandle, nullptr);
  FWindowHandle = Value;
  if (FWindowHandle) SetMenu(FWindowHandle, Handle());
}

void TMainMenu::MenuChanged() {
  if (!FWindowHandle || !IsWindow(FWindowHandle)) return;
  DrawMenuBar(FWindowHandle);
  auto* Form = dynamic_cast<TCustomForm*>(FindControlx(FWindowHandle));
  if (!Form) return;
  // A form being destroyed has left the screen's list; its items going one by one is no change to
  // tell anyone about.
  if (Screen) {
    bool Listed = false;
    for (int I = 0; I < Screen->FormCount() && !Listed; ++I) Listed = Screen->Forms(I) == Form;
    if (!Listed) return;
  }
  // The form and whoever sits in front of its message method (a skinned menu bar) rebuild.
  Form->Perform(CM_MENUCHANGED);
}

// ---------------------------------------------------------------------------------------------------

void TPopupMenu::Publish(TPublisher<TPopupMenu>& P) {
  P.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  P.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(1);
  P.Event("OnPopup", &TPopupMenu::OnPopup);
}

HWND TPopupMenu::OwnerWindow() const {
  for (TComponent* C = Owner(); C; C = C->Owner()) {
    if (auto* Control = dynamic_cast<TControl*>(C)) {
      if (TCustomForm* Form = GetParentForm(Control); Form && Form->HandleAllocated())
        return Form->WindowHandle();
    }
  }
  return PopupListWindow();
}

void TPopupMenu::Popup(int X, int Y) {
  OnPopup(this);
  UINT Flags = TPM_RIGHTBUTTON;
  switch (FAlignment) {
    case paLeft:
      Flags |= IsRightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
      break;
    case paRight:
      Flags |= IsRightToLeft() ? TPM_LEFTALIGN : TPM_RIGHTALIGN;
      break;
    case paCenter:
      Flags |= TPM_CENTERALIGN;
      break;
  }
  if (IsRightToLeft()) Flags |= TPM_LAYOUTRTL;
  HMENU Menu = Handle();
  HWND Owner = OwnerWindow();
  // The system sends the menu's messages to the owner, which must be able to take the foreground.
  TrackPopupMenu(Menu, Flags, X, Y, 0, Owner, nullptr);
}
