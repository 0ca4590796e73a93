// A form's menu bar and the MDI parts of forms: the MDI client window of an MDI form, its children,
// and the default message processing that MDI windows need instead of the plain one.
#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu) {
    FMenu->RemoveFreeNotification(this);
    if (FMenu->WindowHandle() == FHandle && FHandle) FMenu->SetWindowHandle(nullptr);
  }
  FMenu = Value;
  if (FMenu) {
    FMenu->FreeNotification(this);
    if (FHandle && FFormStyle != fsMDIChild) FMenu->SetWindowHandle(FHandle);
  }
  if (FHandle) {
    if (FFormStyle == fsMDIForm) SetMDIMenus();
    Perform(CM_MENUCHANGED);
  }
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
  if (SetReference(FWindowMenu, Value) && FClientHandle) SetMDIMenus();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMenu) {
    // Its destructor takes the bar off the window.
    FMenu = nullptr;
    if (FHandle && !ComponentState().Contains(csDestroying)) Perform(CM_MENUCHANGED);
  }
  if (AComponent == FWindowMenu) FWindowMenu = nullptr;
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  if (FHandle) throw std::logic_error("The form style cannot change while the form has a window");
  FFormStyle = Value;
  if (Value == fsMDIChild) FVisible = true;  // MDI children show as they are created
}

TCustomForm* TCustomForm::FindMDIParent() const {
  auto Usable = [this](TCustomForm* Form) {
    return Form && Form != this && Form->FFormStyle == fsMDIForm && Form->FClientHandle;
  };
  if (Application && Usable(Application->MainForm())) return Application->MainForm();
  if (Screen)
    for (int I = 0; I < Screen->FormCount(); ++I)
      if (Usable(Screen->Forms(I))) return Screen->Forms(I);
  return nullptr;
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT Create{};
  Create.hWindowMenu = FWindowMenu ? FWindowMenu->Handle() : nullptr;
  Create.idFirstChild = kFirstMDIChildId;
  RECT Client;
  GetClientRect(FHandle, &Client);
  FClientHandle =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL, 0,
                      0, Client.right, Client.bottom, FHandle, nullptr, GetModuleHandleW(nullptr), &Create);
  if (!FClientHandle) throw std::runtime_error("Error creating window");
}

void TCustomForm::SetMDIMenus() {
  if (!FClientHandle) return;
  HMENU Frame = FMenu ? FMenu->Handle() : nullptr;
  HMENU Window = FWindowMenu ? FWindowMenu->Handle() : nullptr;
  // A null frame menu would leave the old one; only a real change is sent.
  if (Frame || Window)
    SendMessageW(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(Frame),
                 reinterpret_cast<LPARAM>(Window));
  DrawMenuBar(FHandle);
}

int TCustomForm::MDIChildCount() const {
  int Count = 0;
  if (FClientHandle)
    for (HWND Wnd = GetWindow(FClientHandle, GW_CHILD); Wnd; Wnd = GetWindow(Wnd, GW_HWNDNEXT))
      if (auto* Form = dynamic_cast<TCustomForm*>(FindControlx(Wnd)); Form && Form->FFormStyle == fsMDIChild)
        ++Count;
  return Count;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  if (FClientHandle && Index >= 0)
    for (HWND Wnd = GetWindow(FClientHandle, GW_CHILD); Wnd; Wnd = GetWindow(Wnd, GW_HWNDNEXT))
      if (auto* Form = dynamic_cast<TCustomForm*>(FindControlx(Wnd)); Form && Form->FFormStyle == fsMDIChild)
        if (Index-- == 0) return Form;
  return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClientHandle) return nullptr;
  HWND Active = reinterpret_cast<HWND>(SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControlx(Active));
}

void TCustomForm::Cascade() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void TCustomForm::ArrangeIcons() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 1);
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  if (FHandle && FFormStyle == fsMDIForm) {
    // Sizes the MDI client, handles the window list and the maximised child's system menu.
    Message.Result = DefFrameProcW(FHandle, FClientHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  if (FHandle && FFormStyle == fsMDIChild) {
    Message.Result = DefMDIChildProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  TWinControl::DefaultHandler(Message);
}
