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
  POINT p{X, Y};
  if (FHandle) ScreenToClient(FHandle, &p);
  if (!(FFormStyle == sfsMDIChild && FWindowState == swsMin)) {
    p.x += FLeftWidth;
    p.y += FTitleHeight + FMenuHeight;
  }
  return p;
}

TNCObject* TRuzIzivForm::FindNCObject(POINT P) {
  if (TWinSysButton* button = FindBtn(P)) return button;
  if (FSkinMenu) return FSkinMenu->FindBtn(P);
  return nullptr;
}

void TRuzIzivForm::WMNCHitTest(TMessage& Message) {
  Default(Message);
  if (Message.Result != HTNOWHERE && Message.Result != HTCAPTION) return;
  const POINT p = MessagePoint(Message);
  const POINT w = GetWinXY(static_cast<short>(p.x), static_cast<short>(p.y));
  if (w.y > kTopSizingRows) Message.Result = HTCAPTION;
  if (w.y > FTitleHeight && FMenuHeight > 0) Message.Result = HTMENU;
}

void TRuzIzivForm::WMNCCalcSize(TMessage& Message) {
  Default(Message);
  if (!Message.WParam) {
    Message.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  if (!params) return;
  if ((FFormStyle == sfsMDIChild && FWindowState != swsNormal) || FBorderStyle == sbsNone || !params->lppos) {
    params->rgrc[1] = params->rgrc[0];
    Message.Result = WVR_REDRAW;
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  RECT client{pos.x + FLeftWidth, pos.y + FTitleHeight + FMenuHeight, pos.x + pos.cx - FRightWidth,
              pos.y + pos.cy - FBottomHeight};
  // A window smaller than its frame gets an empty client area, never an inverted one.
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  Message.Result = WVR_REDRAW;
  FFrameRecalc = false;
}

void TRuzIzivForm::WMNCMouseMove(TMessage& Message) {
  if (!FActive) {
    Default(Message);
    return;
  }
  const POINT p = MessagePoint(Message);
  if (TNCObject* object = FindNCObject(GetWinXY(static_cast<short>(p.x), static_cast<short>(p.y)))) {
    object->MouseEnter();
    Handled(Message);
    return;
  }
  if (FHotObject) FHotObject->MouseLeave();
  FHotObject = nullptr;
  Default(Message);
}

void TRuzIzivForm::WMNCLButtonDown(TMessage& Message) {
  if (FSkinData) FSkinData->HideHint();
  const POINT p = MessagePoint(Message);
  const POINT w = GetWinXY(static_cast<short>(p.x), static_cast<short>(p.y));
  TWinSysButton* button = FindBtn(w);
  TMenuBtn* menuButton = button || !FSkinMenu ? nullptr : FSkinMenu->FindBtn(w);
  if (button || menuButton) {
    if (GetForegroundWindow() != FHandle) SetForegroundWindow(FHandle);
    if (button) {
      button->MouseDown();
    } else {
      // Hot before the menu opens: the menu loop may rebuild the bar, and it lets go of the button
      // itself when the menu closes.
      menuButton->MouseDown();
      FHotObject = menuButton;
      CheckMenu(menuButton);
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
  const POINT p = MessagePoint(Message);
  const POINT w = GetWinXY(static_cast<short>(p.x), static_cast<short>(p.y));
  if (TWinSysButton* button = FindBtn(w)) {
    // Only a press that started on this button acts.
    if (button == FHotObject) {
      button->MouseUp();
      SysBtnAction(static_cast<short>(p.x), static_cast<short>(p.y));
    }
    Handled(Message);
    return;
  }
  if (FSkinMenu && FSkinMenu->FindBtn(w)) {
    Handled(Message);
    return;
  }
  Default(Message);
}

void TRuzIzivForm::WMNCLBUTTONDBLCLK(TMessage& Message) {
  const POINT p = MessagePoint(Message);
  if (TWinSysButton* button = FindBtn(GetWinXY(static_cast<short>(p.x), static_cast<short>(p.y)))) {
    if (button->IsIcon()) {
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
  const UINT command = static_cast<UINT>(Message.WParam & 0xFFF0);
  if (!FMenuLoop && command == SC_KEYMENU) {
    const unsigned short key = LOWORD(Message.LParam);
    if (key != ' ' && key != '-' && !GetCapture()) {
      // Alt alone or Alt with a letter opens the skinned menu bar, never the platform's.
      TMenuBtn* button = key ? FindButtonFromAccel(key) : FirstMenuButton();
      if (key == 0 || button) {
        if (button) CheckMenu(button);
        Message.Result = 1;
        return;
      }
    }
    if (key == ' ') {
      POINT origin{0, 0};
      ClientToScreen(FHandle, &origin);
      PopSysmenu(origin);
    }
  }
  switch (command) {
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
  POINT cursor{0, 0};
  RECT window{0, 0, 0, 0};
  if (!GetCursorPos(&cursor) || !GetWindowRect(FHandle, &window)) return;
  const POINT p{cursor.x - window.left, cursor.y - window.top};

  // FHotObject never dangles: a freed object clears it (see TNCObject).
  if (FHotObject && !PtInRect(&FHotObject->FRect, p)) {
    FHotObject->MouseLeave();
    FHotObject = nullptr;
    HintReset();
  }

  TWinSysButton* button = FindBtn(p);
  if (button && FSkinData) {
    FSkinData->FHintCounter += FTimer ? static_cast<std::int32_t>(FTimer->Interval()) : 250;
    const int pause = Application ? Application->HintPause : 500;
    const int hidePause = Application ? Application->HintHidePause : 2500;
    const int a = 2 * pause;
    if (FSkinData->FHintCounter >= a && FSkinData->FHintCounter < a + hidePause) {
      const String hint = GetSysBtnHint(button->Action());
      if (!hint.empty()) {
        const int x = button->FRect.left + window.left;
        const int y = cursor.y + kHintBelowCursor;
        FSkinData->ActivateHint(RECT{x, y, x, y}, hint);
      }
    } else if (FSkinData->FHintCounter >= a + hidePause) {
      FSkinData->HideHint();
    }
  }
}

TMenuBtn* TRuzIzivForm::FirstMenuButton() {
  if (!FSkinMenu || FMenuHeight <= 0) return nullptr;
  // The first button that can be hit (an MDI child's system-menu item has no caption).
  for (const auto& button : FSkinMenu->FButtons)
    if (button->FVisible && !button->FCaption.empty()) return button.get();
  return nullptr;
}
