// Non-client mouse and keyboard behaviour of a skinned window: the hit test that makes the skinned
// caption draggable, the client area inside the skinned frame, hover and press of the caption and
// menu-bar buttons, double and right clicks on the caption, the system commands, and the hover timer
// that lets go of buttons the mouse has left and shows the caption-button hints.
#include <windows.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ExtCtrls.h"
#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"

namespace {

// A handled message: nothing after the handler acts on it.
void Handled(TMessage& Message) {
  Message.Result = 0;
  Message.Msg = 0;
}

POINT MessagePoint(const TMessage& Message) {
  // Signed screen coordinates: a second monitor may lie left of or above the first.
  return POINT{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
}

// Points above this row of the window stay with the platform (its sizing border).
constexpr int kTopSizingRows = 3;
// How far below the cursor the caption-button hint appears.
constexpr int kHintBelowCursor = 24;

}  // namespace

POINT TRuzIzivForm::GetWinXY(short X, short Y) {
  POINT P{X, Y};
  if (FHandle) ScreenToClient(FHandle, &P);
  if (!(FFormStyle == sfsMDIChild && FWindowState == swsMin)) {
    P.x += FLeftWidth;
    P.y += FTitleHeight + FMenuHeight;
  }
  return P;
}

TNCObject* TRuzIzivForm::FindNCObject(POINT P) {
  if (TWinSysButton* Button = FindBtn(P)) return Button;
  if (FSkinMenu) return FSkinMenu->FindBtn(P);
  return nullptr;
}

void TRuzIzivForm::WMNCHitTest(TMessage& Message) {
  Default(Message);
  if (Message.Result != HTNOWHERE && Message.Result != HTCAPTION) return;
  const POINT P = MessagePoint(Message);
  const POINT W = GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y));
  if (W.y > kTopSizingRows) Message.Result = HTCAPTION;
  if (W.y > FTitleHeight && FMenuHeight > 0) Message.Result = HTMENU;
}

void TRuzIzivForm::WMNCCalcSize(TMessage& Message) {
  Default(Message);
  if (!Message.WParam) {
    Message.Result = 0;
    return;
  }
  auto* Params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  if (!Params) return;
  if ((FFormStyle == sfsMDIChild && FWindowState != swsNormal) || FBorderStyle == sbsNone || !Params->lppos) {
    Params->rgrc[1] = Params->rgrc[0];
    Message.Result = WVR_REDRAW;
    return;
  }
  const WINDOWPOS& Pos = *Params->lppos;
  RECT Client{Pos.x + FLeftWidth, Pos.y + FTitleHeight + FMenuHeight, Pos.x + Pos.cx - FRightWidth,
              Pos.y + Pos.cy - FBottomHeight};
  // A window smaller than its frame gets an empty client area, never an inverted one.
  if (Client.right < Client.left) Client.right = Client.left;
  if (Client.bottom < Client.top) Client.bottom = Client.top;
  Params->rgrc[0] = Client;
  Params->rgrc[1] = Client;
  Message.Result = WVR_REDRAW;
  FFrameRecalc = false;
}

void TRuzIzivForm::WMNCMouseMove(TMessage& Message) {
  if (!FActive) {
    Default(Message);
    return;
  }
  const POINT P = MessagePoint(Message);
  if (TNCObject* Object = FindNCObject(GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y)))) {
    Object->MouseEnter();
    Handled(Message);
    return;
  }
  if (FHotObject) FHotObject->MouseLeave();
  FHotObject = nullptr;
  Default(Message);
}

void TRuzIzivForm::WMNCLButtonDown(TMessage& Message) {
  if (FSkinData) FSkinData->HideHint();
  const POINT P = MessagePoint(Message);
  const POINT W = GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y));
  TWinSysButton* Button = FindBtn(W);
  TMenuBtn* MenuButton = Button || !FSkinMenu ? nullptr : FSkinMenu->FindBtn(W);
  if (Button || MenuButton) {
    if (GetForegroundWindow() != FHandle) SetForegroundWindow(FHandle);
    if (Button) {
      Button->MouseDown();
    } else {
      // Hot before the menu opens: the menu loop may rebuild the bar, and it lets go of the button
      // itself when the menu closes.
      MenuButton->MouseDown();
      FHotObject = MenuButton;
      CheckMenu(MenuButton);
    }
    Handled(Message);
    return;
  }
  // A maximised window cannot be dragged by its caption.
  if (FWindowState == swsMax && FActive && Message.WParam == HTCAPTION) Message.WParam = HTMENU;
  Default(Message);
}

void TRuzIzivForm::WMNCLButtonUp(TMessage& Message) {
  if (FSkinData) FSkinData->HideHint();
  const POINT P = MessagePoint(Message);
  const POINT W = GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y));
  if (TWinSysButton* Button = FindBtn(W)) {
    // Only a press that started on this button acts.
    if (Button == FHotObject) {
      Button->MouseUp();
      SysBtnAction(static_cast<short>(P.x), static_cast<short>(P.y));
    }
    Handled(Message);
    return;
  }
  if (FSkinMenu && FSkinMenu->FindBtn(W)) {
    Handled(Message);
    return;
  }
  Default(Message);
}

void TRuzIzivForm::WMNCLBUTTONDBLCLK(TMessage& Message) {
  const POINT P = MessagePoint(Message);
  if (TWinSysButton* Button = FindBtn(GetWinXY(static_cast<short>(P.x), static_cast<short>(P.y)))) {
    if (Button->IsIcon()) {
      if (FTimer) FTimer->SetEnabled(false);
      PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    Handled(Message);
  } else if (FWindowState == swsMax || FWindowState == swsMin) {
    Restore();
    Handled(Message);
  } else if (FBorderIcons.Contains(sbiMax)) {
    Maximize();
    Handled(Message);
  } else {
    Default(Message);
  }
  FFrameRecalc = true;
}

void TRuzIzivForm::WMNCRButtonUp(TMessage& Message) {
  if (FSkinData) FSkinData->HideHint();
  if (Message.WParam == HTCAPTION && FFormStyle != sfsMDIChild) {
    PopSysmenu(MessagePoint(Message));
    Handled(Message);
    return;
  }
  Default(Message);
}

void TRuzIzivForm::WMSysCommand(TMessage& Message) {
  const UINT Command = static_cast<UINT>(Message.WParam & 0xFFF0);
  if (!FMenuLoop && Command == SC_KEYMENU) {
    const unsigned short Key = LOWORD(Message.LParam);
    if (Key != ' ' && Key != '-' && !GetCapture()) {
      // Alt alone or Alt with a letter opens the skinned menu bar, never the platform's.
      TMenuBtn* Button = Key ? FindButtonFromAccel(Key) : FirstMenuButton();
      if (Key == 0 || Button) {
        if (Button) CheckMenu(Button);
        Message.Result = 1;
        return;
      }
    }
    if (Key == ' ') {
      POINT Origin{0, 0};
      ClientToScreen(FHandle, &Origin);
      PopSysmenu(Origin);
    }
  }
  switch (Command) {
    case SC_MINIMIZE:
      FWindowState = swsMin;
      break;
    case SC_MAXIMIZE:
      FWindowState = swsMax;
      break;
    case SC_RESTORE:
      FWindowState = swsNormal;
      if (FFormStyle == sfsMDIChild && FormSkinShared.MDIChildMaximized)
        FormSkinShared.MDIChildMaximized = false;
      break;
    default:
      break;
  }
  // Whatever the platform sizes while it carries out the command is its own sizing, not the window's.
  ++FSysCommandDepth;
  try {
    Default(Message);
  } catch (...) {
    --FSysCommandDepth;
    throw;
  }
  --FSysCommandDepth;
}

void TRuzIzivForm::WMGetMinMaxInfo(TMessage& Message) {
  Default(Message);
  GetWindowstate();
}

void TRuzIzivForm::HintReset() {
  if (!FSkinData) return;
  FSkinData->FHintCounter = 0;
  FSkinData->HideHint();
}

void TRuzIzivForm::OnTimer(TObject*) {
  if (FMenuLoop || !FHandle || !FActive) return;
  POINT Cursor{0, 0};
  RECT Window{0, 0, 0, 0};
  if (!GetCursorPos(&Cursor) || !GetWindowRect(FHandle, &Window)) return;
  const POINT P{Cursor.x - Window.left, Cursor.y - Window.top};

  // FHotObject never dangles: a freed object clears it (see TNCObject).
  if (FHotObject && !PtInRect(&FHotObject->FRect, P)) {
    FHotObject->MouseLeave();
    FHotObject = nullptr;
    HintReset();
  }

  TWinSysButton* Button = FindBtn(P);
  if (Button && FSkinData) {
    FSkinData->FHintCounter += FTimer ? static_cast<std::int32_t>(FTimer->Interval()) : 250;
    const int Pause = Application ? Application->HintPause : 500;
    const int HidePause = Application ? Application->HintHidePause : 2500;
    const int A = 2 * Pause;
    if (FSkinData->FHintCounter >= A && FSkinData->FHintCounter < A + HidePause) {
      const String Hint = GetSysBtnHint(Button->Action());
      if (!Hint.empty()) {
        const int X = Button->FRect.left + Window.left;
        const int Y = Cursor.y + kHintBelowCursor;
        FSkinData->ActivateHint(RECT{X, Y, X, Y}, Hint);
      }
    } else if (FSkinData->FHintCounter >= A + HidePause) {
      FSkinData->HideHint();
    }
  }
}

TMenuBtn* TRuzIzivForm::FirstMenuButton() {
  if (!FSkinMenu || FMenuHeight <= 0) return nullptr;
  // The first button that can be hit (an MDI child's system-menu item has no caption).
  for (const auto& Button : FSkinMenu->FButtons)
    if (Button->FVisible && !Button->FCaption.empty()) return Button.get();
  return nullptr;
}
