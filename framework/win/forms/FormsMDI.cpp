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
  if (FWindowMenu == Value) return;
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = Value;
  if (FWindowMenu) FWindowMenu->FreeNotification(this);
  if (FClientHandle) SetMDIMenus();
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
  auto usable = [this](TCustomForm* form) {
    return form && form != this && form->FFormStyle == fsMDIForm && form->FClientHandle;
  };
  if (Application && usable(Application->MainForm())) return Application->MainForm();
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (usable(Screen->Forms(i))) return Screen->Forms(i);
  return nullptr;
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT create{};
  create.hWindowMenu = FWindowMenu ? FWindowMenu->Handle() : nullptr;
  create.idFirstChild = kFirstMDIChildId;
  RECT client;
  GetClientRect(FHandle, &client);
  FClientHandle =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL, 0,
                      0, client.right, client.bottom, FHandle, nullptr, GetModuleHandleW(nullptr), &create);
  if (!FClientHandle) throw std::runtime_error("Error creating window");
}

void TCustomForm::SetMDIMenus() {
  if (!FClientHandle) return;
  HMENU frame = FMenu ? FMenu->Handle() : nullptr;
  HMENU window = FWindowMenu ? FWindowMenu->Handle() : nullptr;
  // A null frame menu would leave the old one; only a real change is sent.
  if (frame || window)
    SendMessageW(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(frame),
                 reinterpret_cast<LPARAM>(window));
  DrawMenuBar(FHandle);
}

int TCustomForm::MDIChildCount() const {
  int count = 0;
  if (FClientHandle)
    for (HWND wnd = GetWindow(FClientHandle, GW_CHILD); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT))
      if (auto* form = dynamic_cast<TCustomForm*>(FindControlx(wnd)); form && form->FFormStyle == fsMDIChild)
        ++count;
  return count;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  if (FClientHandle && Index >= 0)
    for (HWND wnd = GetWindow(FClientHandle, GW_CHILD); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT))
      if (auto* form = dynamic_cast<TCustomForm*>(FindControlx(wnd)); form && form->FFormStyle == fsMDIChild)
        if (Index-- == 0) return form;
  return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClientHandle) return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControlx(active));
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

void TCustomForm::DefaultHandler(TMessage& message) {
  if (FHandle && FFormStyle == fsMDIForm) {
    // Sizes the MDI client, handles the window list and the maximised child's system menu.
    message.Result = DefFrameProcW(FHandle, FClientHandle, message.Msg, message.WParam, message.LParam);
    return;
  }
  if (FHandle && FFormStyle == fsMDIChild) {
    message.Result = DefMDIChildProcW(FHandle, message.Msg, message.WParam, message.LParam);
    return;
  }
  TWinControl::DefaultHandler(message);
}
