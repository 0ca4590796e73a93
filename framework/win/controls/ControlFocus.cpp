// What controls do for the keyboard and the context menu: the tab order of a container, the next
// control to focus, and the popup menu a right click opens.
#include <algorithm>
#include <vector>

#include "framework/win/controls/Controls.h"
#include "framework/win/menus/Menus.h"

void PublishPopupMenu(TPublisher<TControl>& P) {
  P.Obj("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  SetReference(FPopupMenu, Value);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

bool TWinControl::CanFocusNow() const {
  if (!FHandle) return false;
  for (HWND Wnd = FHandle; Wnd; Wnd = GetParent(Wnd)) {
    if (!IsWindowVisible(Wnd) || !IsWindowEnabled(Wnd)) return false;
    if (!(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return true;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  std::vector<TWinControl*> Children;
  for (TControl* Child : FControls)
    if (auto* Win = dynamic_cast<TWinControl*>(Child)) Children.push_back(Win);
  // An unset TabOrder (-1) counts after every set one.
  std::stable_sort(Children.begin(), Children.end(), [](const TWinControl* A, const TWinControl* B) {
    const unsigned OrderA = static_cast<unsigned>(A->FTabOrder), OrderB = static_cast<unsigned>(B->FTabOrder);
    return OrderA < OrderB;
  });
  for (TWinControl* Child : Children) {
    List.push_back(Child);
    Child->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  if (List.empty()) return nullptr;
  const int Count = static_cast<int>(List.size());
  auto Found = std::find(List.begin(), List.end(), Current);
  // Without a current control the search starts before the first (or after the last) one.
  int Index = Found == List.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - List.begin());
  for (int Step = 0; Step < Count; ++Step) {
    Index = GoForward ? (Index + 1) % Count : (Index + Count - 1) % Count;
    TWinControl* Candidate = List[static_cast<size_t>(Index)];
    if (Candidate == Current) break;
    if (CheckTabStop && !Candidate->FTabStop) continue;
    if (CheckParent && Current && Candidate->FParent != Current->FParent) continue;
    if (Candidate->CanFocusNow()) return Candidate;
  }
  return nullptr;
}

bool TWinControl::DoContextPopup(TMessage& Message) {
  POINT At{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  TControl* Target = this;
  if (static_cast<short>(LOWORD(Message.LParam)) == -1 && static_cast<short>(HIWORD(Message.LParam)) == -1) {
    // From the keyboard: below the control's top-left corner.
    At = {0, 0};
    ::ClientToScreen(FHandle, &At);
  } else {
    POINT Client = At;
    ::ScreenToClient(FHandle, &Client);
    // A windowless child gets the window's messages through its parent; the top-most one first.
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
      TControl* Child = *It;
      if (dynamic_cast<TWinControl*>(Child) || !Child->Visible()) continue;
      const RECT Bounds = Child->BoundsRect();
      if (PtInRect(&Bounds, Client)) {
        if (Child->PopupMenu()) Target = Child;
        break;
      }
    }
  }
  TPopupMenu* Menu = Target->PopupMenu();
  if (!Menu || !Menu->AutoPopup()) return false;
  Menu->SetPopupComponent(Target);
  Menu->Popup(At.x, At.y);
  Message.Result = 1;
  return true;
}
