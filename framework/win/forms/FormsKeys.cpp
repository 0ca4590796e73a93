// The keyboard side of forms: the focused control that a form keeps and gives back when it is
// activated again, dialog keys (Tab, arrows, Enter, Escape), menu shortcuts, and modal forms.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

namespace {

// The visible, enabled top-level windows of this thread other than Except, which a modal form
// disables while it runs.
struct TTaskWindows {
  HWND Except;
  std::vector<HWND> Windows;
};

BOOL CALLBACK CollectTaskWindow(HWND Wnd, LPARAM Param) {
  auto* Task = reinterpret_cast<TTaskWindows*>(Param);
  try {
    if (Wnd != Task->Except && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) Task->Windows.push_back(Wnd);
  } catch (...) {
    return FALSE;  // out of memory: the windows found so far are disabled
  }
  return TRUE;
}

}  // namespace

bool TCustomForm::Contains(const TWinControl* Control) const {
  if (!Control) return false;
  std::vector<const TWinControl*> Pending{this};
  while (!Pending.empty()) {
    const TWinControl* Container = Pending.back();
    Pending.pop_back();
    for (int I = 0; I < Container->ControlCount(); ++I) {
      const auto* Win = dynamic_cast<const TWinControl*>(Container->Controls(I));
      if (!Win) continue;
      if (Win == Control) return true;
      Pending.push_back(Win);
    }
  }
  return false;
}

TWinControl* TCustomForm::ActiveControl() const {
  return Contains(FActiveControl) ? FActiveControl : nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* Value) {
  if (Value && !Contains(Value))
    throw std::invalid_argument("The active control must be one of the form's controls");
  FActiveControl = Value;
  if (ComponentState().Contains(csLoading) || !Value || !FHandle) return;
  // Takes the focus now only when the form is the active window; otherwise on activation.
  if (GetActiveWindow() == FHandle && Value->CanFocusNow()) ::SetFocus(Value->Handle());
}

void TCustomForm::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
  if (TWinControl* Next = FindNextControl(Current, GoForward, CheckTabStop, false))
    ::SetFocus(Next->Handle());
}

bool TCustomForm::IsShortCut(TShortCut Key) {
  if (Key == scNone) return false;
  if (FMenu && FMenu->IsShortCut(Key)) return true;
  if (FFormStyle == fsMDIChild)
    if (TCustomForm* Parent = FindMDIParent()) return Parent->IsShortCut(Key);
  return false;
}

bool TCustomForm::DialogKey(WPARAM Key) {
  const bool Shift = GetKeyState(VK_SHIFT) < 0;
  TWinControl* Current = ActiveControl();
  if (Current && !Current->Focused()) Current = nullptr;
  switch (Key) {
    case VK_TAB:
      SelectNext(Current, !Shift, true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      // Arrows move among the focused control's siblings (a group of radio buttons), tab stop or not.
      if (!Current) return false;
      if (TWinControl* Next = FindNextControl(Current, Key == VK_RIGHT || Key == VK_DOWN, false, true))
        ::SetFocus(Next->Handle());
      return true;
    }
  }
  return false;
}

TModalResult TCustomForm::ShowModal() {
  if (FModal || FFormStyle == fsMDIChild || (FVisible && FHandle && IsWindowVisible(FHandle)) || !FEnabled)
    throw std::logic_error("Cannot make a visible window modal");
  if (HWND Capture = GetCapture()) {
    SendMessageW(Capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
  }
  if (!Application) throw std::logic_error("A modal form needs the application's message loop");
  HandleNeeded();
  const HWND Previous = GetActiveWindow();
  TTaskWindows Task{FHandle, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectTaskWindow, reinterpret_cast<LPARAM>(&Task));
  for (HWND Wnd : Task.Windows) EnableWindow(Wnd, FALSE);
  FModal = true;
  FModalResult = mrNone;
  auto Restore = [&] {
    FModal = false;
    // The others first, so that the system activates one of them and not some other program.
    for (HWND Wnd : Task.Windows)
      if (IsWindow(Wnd)) EnableWindow(Wnd, TRUE);
    try {
      Hide();
    } catch (...) {
      // An OnHide that fails does not keep the other windows disabled.
    }
    if (Previous && IsWindow(Previous)) SetActiveWindow(Previous);
  };
  try {
    Show();
    while (true) {
      Application->HandleMessage();
      // The loop of the program is ending: the form gives way.
      if (Application->Terminated()) {
        if (FModalResult == mrNone) FModalResult = mrCancel;
        break;
      }
      if (FModalResult == mrNone) continue;
      // OnClose may keep the form open.
      TCloseAction Action = caHide;
      OnClose(this, Action);
      if (Action == caNone) {
        FModalResult = mrNone;
        continue;
      }
      if (Action == caFree) Release();
      break;
    }
  } catch (...) {
    Restore();
    throw;
  }
  Restore();
  return FModalResult;
}
