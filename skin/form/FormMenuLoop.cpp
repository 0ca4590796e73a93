// Opening the drop-down menus of the skinned menu bar: the modal tracking of one button's menu, the
// message-filter hook that follows the platform's menu loop (arrow keys and the mouse move along the
// bar, Alt ends the loop), and the keyboard ways into the bar.
#include <windows.h>

#include <cwctype>

#include "framework/core/TypInfo.h"
#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"

TMenuLoopState MenuLoop;

namespace {

constexpr UINT kMenuClosed = 0xFFFF;  // WM_MENUSELECT flags when the menu goes away
constexpr WPARAM kClickHitCode = 1;   // the hit code of the click that moves to another button

bool IsNT4() {
  const DWORD Version = GetVersion();
  return (Version & 0x80000000u) == 0 && LOBYTE(LOWORD(Version)) == 4;
}

bool LastIsRightToLeft() {
  if (!MenuLoop.LastMenu) return false;
  if (TMenuItem* Item = MenuLoop.LastFrameworkItem()) {
    TMenu* Menu = Item->GetParentMenu();
    return Menu && Menu->IsRightToLeft();
  }
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_FTYPE;
  const BOOL ByPosition = (MenuLoop.LastFlags & MF_POPUP) ? TRUE : FALSE;
  return GetMenuItemInfoW(MenuLoop.LastMenu, MenuLoop.LastItem, ByPosition, &Info) &&
         (Info.fType & MFT_RIGHTORDER);
}

// The menu of Root's tree that holds the item opening Child, and that item's position.
bool FindParentItem(HMENU Root, HMENU Child, HMENU& Parent, UINT& Position, int Depth = 0) {
  constexpr int kMaxDepth = 16;
  if (!Root || Depth > kMaxDepth) return false;
  const int Count = GetMenuItemCount(Root);
  for (int I = 0; I < Count; ++I) {
    HMENU Sub = GetSubMenu(Root, I);
    if (!Sub) continue;
    if (Sub == Child) {
      Parent = Root;
      Position = static_cast<UINT>(I);
      return true;
    }
    if (Sub != Root && FindParentItem(Sub, Child, Parent, Position, Depth + 1)) return true;
  }
  return false;
}

LRESULT CALLBACK MenuLoopHook(int Code, WPARAM WParam, LPARAM LParam) {
  auto* Msg = reinterpret_cast<MSG*>(LParam);
  try {
    // A right-to-left menu runs the other way: Left moves to the next bar menu.
    if (Code >= 0 && Msg && (Msg->message == WM_KEYDOWN || Msg->message == WM_KEYUP) &&
        (Msg->wParam == VK_LEFT || Msg->wParam == VK_RIGHT) && LastIsRightToLeft())
      Msg->wParam = Msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
  } catch (...) {
    // The key goes on as it came.
  }
  const LRESULT Result = CallNextHookEx(MenuLoop.Hook, Code, WParam, LParam);
  if (Result || Code != MSGF_MENU || !Msg || !MenuLoop.Form) return Result;
  try {
    MenuLoop.Form->MenuLoopMessage(*Msg);
  } catch (...) {
    // The menu loop carries on with the message as it is.
  }
  return Result;
}

}  // namespace

TMenuItem* TMenuLoopState::LastFrameworkItem() const {
  if (!LastMenu || !Form || !Form->FSkinMenu || !Form->FSkinMenu->FMenu) return nullptr;
  TMainMenu* Main = Form->FSkinMenu->FMenu;
  // A sub-menu's item is reported by position, any other by its identifier.
  if (LastFlags & MF_POPUP) return Main->FindItemByHandle(GetSubMenu(LastMenu, static_cast<int>(LastItem)));
  return Main->FindItem(LastItem);
}

bool IsMenuAccel(wchar_t Key, const WideString& Caption) {
  if (!Key) return false;
  for (std::size_t I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != u'&') continue;
    if (Caption[I + 1] == u'&') {
      ++I;  // "&&" is a literal ampersand
      continue;
    }
    return std::towlower(static_cast<wint_t>(Caption[I + 1])) == std::towlower(static_cast<wint_t>(Key));
  }
  return false;
}

// Ends the menu loop of this form's bar on every way out of CheckMenu: the hook goes, the loop state
// is cleared, and the button that opened the menu shows again what the cursor does to it.
class TMenuLoopScope {
 public:
  TMenuLoopScope(TRuzIzivForm& Form, bool& Alive) : FForm(Form), FAlive(Alive) {
    MenuLoop.Form = &Form;
    MenuLoop.Alive = &Alive;
  }
  TMenuLoopScope(const TMenuLoopScope&) = delete;
  TMenuLoopScope& operator=(const TMenuLoopScope&) = delete;
  ~TMenuLoopScope() {
    if (MenuLoop.Hook) UnhookWindowsHookEx(MenuLoop.Hook);
    MenuLoop.Hook = nullptr;
    MenuLoop.ResetItem();
    MenuLoop.OpenIndex = -1;
    MenuLoop.ActivePopup = nullptr;
    MenuLoop.FirstKeySent = false;
    MenuLoop.Switching = false;
    MenuLoop.PendingIndex = -1;
    MenuLoop.Form = nullptr;
    MenuLoop.Alive = nullptr;
    if (!FAlive) return;  // the form skin object went away while its menu was open
    try {
      FForm.FMenuLoop = false;
      FForm.AfterMenuLoop();
    } catch (...) {
      // The bar shows its buttons as they were; the next repaint puts them right.
    }
  }

 private:
  TRuzIzivForm& FForm;
  bool& FAlive;
};

bool TRuzIzivForm::CheckMenu(TMenuBtn* Button) {
  // One bar menu at a time in the process: a second window's bar never touches the running loop.
  if (MenuLoop.Form && MenuLoop.Form != this) return false;
  if (!Button) {
    MenuLoop.Switching = false;
    return false;
  }
  if (MenuLoop.Form == this && FMenuLoop) {
    // Asked from inside the running loop (the click that moves along the bar is handled there): the
    // open menu closes and the loop below opens this one.
    MenuLoop.PendingIndex = Button->FIndex;
    MenuLoop.Switching = true;
    EndMenu();
    return true;
  }
  MenuLoop.Switching = false;
  bool Alive = true;
  TMenuLoopScope Scope(*this, Alive);
  const bool Opened = OpenBarMenu(*Button);
  // Moving along the bar closes one menu and names the next.
  for (int Guard = 0; Alive && Guard < 256; ++Guard) {
    const int Next = MenuLoop.PendingIndex;
    MenuLoop.PendingIndex = -1;
    TMenuBtn* Target = Next >= 0 && FSkinMenu ? FSkinMenu->ButtonAt(Next) : nullptr;
    if (!Target) break;
    OpenBarMenu(*Target);
  }
  return Opened;
}

bool TRuzIzivForm::OpenBarMenu(TMenuBtn& Button) {
  // The framework fires the item's click, which lets the application update the sub-items.
  PostMessageW(FHandle, WM_COMMAND, Button.FCommand, 0);
  if (!Button.FSubMenu) return false;
  MenuLoop.OpenIndex = Button.FIndex;
  GetWindowRect(FHandle, &FWindowRect);
  if (!IsNT4()) WMINITMENU(Button.FSubMenu);
  FMenuLoop = true;
  const POINT At{FWindowRect.left + (FLeftScrollBar ? Button.FRect.right : Button.FRect.left),
                 FWindowRect.top + Button.FRect.bottom};
  UINT Flags = TPM_NONOTIFY | TPM_RIGHTBUTTON;
  if (FLeftScrollBar) Flags |= TPM_RIGHTALIGN;
  FormSkinShared.MenuSource = 1;
  FormSkinShared.MenuFromBar = true;
  MenuLoop.ActivePopup = Button.FSubMenu;
  MenuLoop.ResetItem();
  MenuLoop.Switching = false;
  MenuLoop.FirstKeySent = false;
  GetCursorPos(&MenuLoop.LastMouse);
  if (!MenuLoop.Hook)
    MenuLoop.Hook = SetWindowsHookExW(WH_MSGFILTER, &MenuLoopHook, nullptr, GetCurrentThreadId());
  if (Button.FItemEnabled) {
    if (FHotObject != &Button || Button.FState != kNCPressed) Button.MouseDown();
    MenuLoop.Track(Button.FSubMenu, Flags, At.x, At.y, 0, FHandle, nullptr);
  }
  return true;
}

void TRuzIzivForm::AfterMenuLoop() {
  // The button that opened the menu is hot while the cursor is on it, else let go.
  if (auto* Button = dynamic_cast<TMenuBtn*>(FHotObject)) {
    POINT Cursor{0, 0};
    RECT Window{0, 0, 0, 0};
    GetCursorPos(&Cursor);
    GetWindowRect(FHandle, &Window);
    const POINT P{Cursor.x - Window.left, Cursor.y - Window.top};
    if (PtInRect(&Button->FRect, P)) {
      Button->MouseUp();
    } else {
      Button->MouseLeave();
      FHotObject = nullptr;
    }
  }
  if (FSkinMenu && FSkinMenu->FRebuildPending) UpdateMainMenu();
}

void TRuzIzivForm::MenuLoopMessage(MSG& Msg) {
  if (!MenuLoop.FirstKeySent) {
    // The drop-down opens with its first item selected.
    MenuLoop.FirstKeySent = true;
    PostMessageW(Msg.hwnd ? Msg.hwnd : FHandle, WM_KEYDOWN, VK_DOWN, 0);
  }
  TMenuBtn* Target = nullptr;
  switch (Msg.message) {
    case WM_KEYDOWN:
      if (Msg.wParam == VK_RETURN || Msg.wParam == VK_ESCAPE) {
        MenuLoop.Switching = false;
      } else if (Msg.wParam == VK_RIGHT) {
        if (!MenuLoop.LastMenu || !(MenuLoop.LastFlags & MF_POPUP)) Target = NeighbourButton(1);
      } else if (Msg.wParam == VK_LEFT) {
        // In a nested sub-menu Left only closes that sub-menu.
        const bool TopLevel = !MenuLoop.LastMenu || MenuLoop.LastMenu == MenuLoop.ActivePopup;
        if (TopLevel) {
          Target = NeighbourButton(-1);
        } else {
          // The item that opened the sub-menu is highlighted again; not every platform reports it.
          HMENU Parent = nullptr;
          UINT Position = 0;
          if (FindParentItem(MenuLoop.ActivePopup, MenuLoop.LastMenu, Parent, Position)) {
            MenuLoop.LastMenu = Parent;
            MenuLoop.LastItem = Position;
            MenuLoop.LastFlags = MF_POPUP;
          }
        }
      }
      break;
    case WM_SYSKEYDOWN:
      if (Msg.wParam == VK_MENU) {
        CancelMenu();
        return;
      }
      break;
    case WM_MENUSELECT:
      MenuLoopSelect(Msg.wParam, Msg.lParam);
      return;
    case WM_MOUSEMOVE:
      if (Msg.pt.x != MenuLoop.LastMouse.x || Msg.pt.y != MenuLoop.LastMouse.y) {
        MenuLoop.LastMouse = Msg.pt;
        if (FSkinMenu)
          Target = FSkinMenu->FindBtn(GetWinXY(static_cast<short>(Msg.pt.x), static_cast<short>(Msg.pt.y)));
      }
      break;
    default:
      break;
  }
  if (Target && Target->FIndex != MenuLoop.OpenIndex) {
    MenuLoop.Switching = true;
    ClickButton(Target);
  }
}

void TRuzIzivForm::MenuLoopSelect(WPARAM WParam, LPARAM LParam) {
  auto* Menu = reinterpret_cast<HMENU>(LParam);
  if (HIWORD(WParam) == kMenuClosed && !Menu) {
    if (!MenuLoop.Switching) CancelMenu();
    return;
  }
  MenuLoop.Switching = false;
  MenuLoop.LastMenu = Menu;
  MenuLoop.LastItem = LOWORD(WParam);
  MenuLoop.LastFlags = HIWORD(WParam);
}

TMenuBtn* TRuzIzivForm::NeighbourButton(int Step) {
  if (!FSkinMenu || FSkinMenu->FButtons.empty()) return nullptr;
  const int Count = static_cast<int>(FSkinMenu->FButtons.size());
  int Index = MenuLoop.OpenIndex;
  // After the last comes the first; buttons that cannot be hit (hidden, no caption) are passed over.
  for (int I = 0; I < Count; ++I) {
    Index = ((Index + Step) % Count + Count) % Count;
    TMenuBtn* Button = FSkinMenu->ButtonAt(Index);
    if (Button && Button->FVisible && !Button->FCaption.empty()) return Button;
  }
  return nullptr;
}

void TRuzIzivForm::ClickButton(TMenuBtn* Button) {
  if (!Button || !FHandle) return;
  RECT Window{0, 0, 0, 0};
  GetWindowRect(FHandle, &Window);
  const int X = Window.left + Button->FRect.left + 1, Y = Window.top + Button->FRect.top + 1;
  PostMessageW(
      FHandle, WM_NCLBUTTONDOWN, kClickHitCode,
      MAKELPARAM(static_cast<WORD>(static_cast<short>(X)), static_cast<WORD>(static_cast<short>(Y))));
}

void TRuzIzivForm::MenuSelect(TMessage& Message) {
  const POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  const POINT W = GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y));
  if (!FindBtn(W) && FSkinMenu)
    if (TMenuBtn* Button = FSkinMenu->FindBtn(W)) CheckMenu(Button);
  Message.Result = 0;
}

TMenuBtn* TRuzIzivForm::FindButtonFromAccel(unsigned short Key) {
  if (!FSkinMenu) return nullptr;
  for (const auto& Button : FSkinMenu->FButtons)
    if (Button->FItemEnabled && Button->FVisible && IsMenuAccel(static_cast<wchar_t>(Key), Button->FCaption))
      return Button.get();
  return nullptr;
}

void TRuzIzivForm::CancelMenu() {
  MenuLoop.PendingIndex = -1;
  MenuLoop.Switching = false;
  if (MenuLoop.Form == this && FMenuLoop) EndMenu();
}

void TRuzIzivForm::CMDialogChar(TMessage& Message) {
  if (FOldWindowProc.Assigned()) FOldWindowProc(Message);
  if (Message.Result != 0) return;
  const auto Key = static_cast<wchar_t>(Message.WParam);
  // Alt alone held down (the context bit of the key data), neither Shift nor Ctrl.
  const bool AltOnly =
      (Message.LParam & (1 << 29)) != 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
  if (AltOnly && FSkinMenu) {
    for (const auto& Button : FSkinMenu->FButtons) {
      if (!Button->FVisible || !IsMenuAccel(Key, Button->FCaption)) continue;
      ClickButton(Button.get());
      Message.Result = 1;
      return;
    }
  }
  if (FFormStyle == sfsMDIChild) {
    TControl* Parent = FormSkinShared.MDIForm ? FindControlx(FormSkinShared.MDIForm) : nullptr;
    if (Parent && Parent != FForm) {
      const LRESULT Result = Parent->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
      if (Result) {
        Message.Result = Result;
        return;
      }
    }
  } else if (Application && Application->MainForm() && FForm != Application->MainForm()) {
    // A modal form keeps its keys to itself.
    auto* Self = dynamic_cast<TCustomForm*>(FForm);
    if (Self && !Self->Modal())
      Application->MainForm()->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
  }
  Message.Result = 0;
}

void TRuzIzivForm::SelectMDIform(TObject* Item) {
  if (!Item || !Application) return;
  TCustomForm* Main = Application->MainForm();
  if (!Main || Main->FormStyle() != fsMDIForm || !Main->ClientHandle() || Main->MDIChildCount() == 0) return;
  WideString Caption;
  for (char16_t C : GetWideStrProp(Item, "Caption"))
    if (C != u'&') Caption += C;
  TCustomForm* Previous = Main->ActiveMDIChild();
  for (int I = 0; I < Main->MDIChildCount(); ++I) {
    TCustomForm* Child = Main->MDIChildren(I);
    if (!Child || !Child->HandleAllocated() || GetFormCaption(Child->WindowHandle()) != Caption) continue;
    const HWND Client = Main->ClientHandle();
    const HWND Wnd = Child->WindowHandle();
    const HWND Before = Previous && Previous->HandleAllocated() ? Previous->WindowHandle() : nullptr;
    // The state before the activation, which may change it.
    const bool WasZoomed = Before && IsZoomed(Before), WasIconic = Before && IsIconic(Before);
    SendMessageW(Client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Wnd), 0);
    if (Before && Before != Wnd) {
      if (WasZoomed && !IsZoomed(Wnd))
        SendMessageW(Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Wnd), 0);
      else if (WasIconic && !IsIconic(Wnd))
        ShowWindow(Wnd, SW_MINIMIZE);
      else if (!WasZoomed && !WasIconic && (IsZoomed(Wnd) || IsIconic(Wnd)))
        SendMessageW(Client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(Wnd), 0);
    }
    return;
  }
}
