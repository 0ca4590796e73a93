// The message procedures of a skinned window: the platform window procedure in its three stages,
// the framework message method of a skinned form, and the MDI client's procedure.
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/ExtCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"

// The entry points from the system. No exception may unwind through it: one that reaches here is
// reported through the application, and the message goes to the procedure the window had before it
// was skinned (read before the handler runs, since the handler may unskin the window).
LRESULT CALLBACK TRuzIzivForm::ThunkWndProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Form = reinterpret_cast<TRuzIzivForm*>(Self);
  TMessage Message{Msg, WParam, LParam, 0};
  const WNDPROC Old = Form->FOldWndProc;
  const HWND Wnd = Form->FHandle;
  const bool Unicode = Form->FUnicode;
  try {
    Form->WinWndProc(Message);
    return Message.Result;
  } catch (...) {
    ReportException(Form);
  }
  return CallOld(Old, Wnd, TMessage{Msg, WParam, LParam, 0}, Unicode);
}

LRESULT CALLBACK TRuzIzivForm::ThunkMDIProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Form = reinterpret_cast<TRuzIzivForm*>(Self);
  TMessage Message{Msg, WParam, LParam, 0};
  const WNDPROC Old = Form->FOldMDIProc;
  const HWND Wnd = Form->FMDIClient;
  try {
    Form->WinMDIProc(Message);
    return Message.Result;
  } catch (...) {
    ReportException(Form);
  }
  return CallOld(Old, Wnd, TMessage{Msg, WParam, LParam, 0}, true);
}

LRESULT TRuzIzivForm::CallOld(WNDPROC Proc, HWND Wnd, const TMessage& Message, bool Unicode) {
  if (!Proc)
    return Unicode ? DefWindowProcW(Wnd, Message.Msg, Message.WParam, Message.LParam)
                   : DefWindowProcA(Wnd, Message.Msg, Message.WParam, Message.LParam);
  return Unicode ? CallWindowProcW(Proc, Wnd, Message.Msg, Message.WParam, Message.LParam)
                 : CallWindowProcA(Proc, Wnd, Message.Msg, Message.WParam, Message.LParam);
}

void TRuzIzivForm::Default(TMessage& Message) {
  Message.Result = CallOld(FOldWndProc, FHandle, Message, FUnicode);
}

void TRuzIzivForm::DefaultMDI(TMessage& Message) {
  Message.Result = CallOld(FOldMDIProc, FMDIClient, Message, true);
}

void TRuzIzivForm::WinWndProc(TMessage& Message) {
  if (FSkinState == kSkinCreated && Message.Msg == WM_NCPAINT) {
    Message.Result = 0;  // nothing of the native frame may show before the skinned one
    return;
  }

  // Stage 1: what every skinned window handles, whether its frame is skinned or not.
  bool On = false;
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      WMERASEBKGND(Message);
      return;
    case WM_NCDESTROY:
      FSkinState = kSkinDestroying;
      UnSubclass3();
      Default(Message);
      FSkinState = kSkinDestroyed;
      return;
    case WM_NCACTIVATE:
      if (FSkinState == kSkinCreated && FFormStyle != sfsMDIChild) {
        // Nothing is painted before the activation; TRUE lets the activation change go ahead.
        Message.Result = 1;
        return;
      }
      if (!FSkinFrame) {
        Default(Message);
        return;
      }
      On = true;
      break;
    case 0x00AE:  // the platform's themed caption repaint: the skinned frame replaces it
      Message.Result = 0;
      return;
    case WM_MENUSELECT:
      // The highlight of the bar's drop-down, which the menu loop follows.
      if (FMenuLoop && MenuLoop.Form == this) MenuLoopSelect(Message.WParam, Message.LParam);
      Default(Message);
      return;
    case WM_INITMENUPOPUP:
      FormSkinShared.MenuSource = reinterpret_cast<HMENU>(Message.WParam) == FSysMenu ? 2 : 1;
      Default(Message);
      return;
    case WM_CTLCOLORBTN:
      WMCtlcolorBtn(Message);
      return;
    case WM_CTLCOLORSTATIC:
      WMCtlcolor(Message);
      return;
    case WM_SKIN_ACTIVATE:
      Activate();
      return;
    case WM_SKIN_RECREATED:
      WMReCreateWnd(Message);
      return;
    case WM_SKIN_QUERY:
      Message.Result = 1;
      PostMessageW(FHandle, WM_SKIN_SKINNED, 0, kSkinMarker);
      return;
    default:
      if (!FSkinFrame) {
        Default(Message);
        return;
      }
      On = true;
  }

  // Stage 2: a child window that is not an MDI child keeps its native frame.
  if (FFormStyle != sfsMDIChild && (FStyle & WS_CHILD)) {
    Default(Message);
    return;
  }
  WinWndProcStage2(Message, On);
  WinWndProcStage3(Message, On);
}

void TRuzIzivForm::WinWndProcStage2(TMessage& Message, bool& On) {
  switch (Message.Msg) {
    case WM_SIZE:
      WMSize(Message);
      On = false;
      break;
    case WM_ACTIVATE:
      FActive = LOBYTE(Message.WParam);
      break;
    case WM_GETMINMAXINFO:
      WMGetMinMaxInfo(Message);
      On = false;
      break;
    case WM_WINDOWPOSCHANGED:
      GetWindowstate();
      Default(Message);
      On = false;
      break;
    case WM_ENTERSIZEMOVE:
      FInSizeMove = true;
      break;
    case WM_EXITSIZEMOVE:
      FInSizeMove = false;
      break;
    case WM_SETICON:
      Default(Message);
      GetIcon();
      On = false;
      break;
    case WM_NCACTIVATE:
      FActive = LOBYTE(Message.WParam);
      break;
    case WM_COMMAND:
      WMCommand(Message);
      On = false;
      break;
    case WM_SYSCOMMAND:
      WMSysCommand(Message);
      On = false;
      break;
    case WM_CTLCOLORBTN:
      WMCtlcolorBtn(Message);
      On = false;
      break;
    case WM_CTLCOLORSTATIC:
      WMCtlcolor(Message);
      On = false;
      break;
    case WM_SKIN_MENUSELECT:
      MenuSelect(Message);
      On = false;
      break;
    case CM_MENUCHANGED: {
      // The framework's own menu update would draw a native bar: keep it quiet while it runs.
      const bool Saved = FSkinData ? FSkinData->FMainMenuUpdate : true;
      if (FSkinData) FSkinData->FMainMenuUpdate = false;
      Default(Message);
      if (FSkinData) FSkinData->FMainMenuUpdate = Saved;
      if (GetMenu(FHandle)) {
        if (FSkinMenu && FSkinData && FSkinData->MenuUpdate) FSkinMenu->UpdataBtn();
        SetMenu(FHandle, nullptr);
      }
      On = false;
      break;
    }
    default:
      break;
  }
}

void TRuzIzivForm::WinWndProcStage3(TMessage& Message, bool On) {
  if (IsMaximizedMDIChild() || FSkinState == kSkinCreated) {
    if (On) Default(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SIZE:
      WMSize(Message);
      break;
    case WM_DRAWITEM:
      WMDRAWITEM(Message);
      break;
    case WM_MEASUREITEM:
      WMMEASUREITEM(Message);
      break;
    case WM_WINDOWPOSCHANGING:
      if (auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam)) KeepAskedClient(*Pos);
      Default(Message);
      break;
    case WM_NCCALCSIZE:
      WMNCCalcSize(Message);
      break;
    case WM_NCHITTEST:
      WMNCHitTest(Message);
      break;
    case WM_NCPAINT:
      WMNCPaint(Message);
      break;
    case WM_NCACTIVATE:
      WMNCActive(Message);
      break;
    case WM_NCMOUSEMOVE:
      WMNCMouseMove(Message);
      break;
    case WM_NCLBUTTONDOWN:
      WMNCLButtonDown(Message);
      break;
    case WM_NCLBUTTONUP:
      WMNCLButtonUp(Message);
      break;
    case WM_NCLBUTTONDBLCLK:
      WMNCLBUTTONDBLCLK(Message);
      break;
    case WM_NCRBUTTONDOWN:
      WMNCRButtonUp(Message);
      break;
    case WM_SKIN_REPAINTFRAME:
      UpdateNc(nullptr);
      break;
    default:
      if (On) Default(Message);
  }
}

void TRuzIzivForm::WMERASEBKGND(TMessage& Message) {
  Default(Message);
  if (FForm || !FSkinData || !FSkinData->FaceBrush) return;
  RECT Client{};
  GetClientRect(FHandle, &Client);
  FillRect(reinterpret_cast<HDC>(Message.WParam), &Client, FSkinData->FaceBrush.Get());
  Message.Result = 1;
}

void TRuzIzivForm::WMCtlcolorBtn(TMessage& Message) {
  Default(Message);
  if (!FForm) SetBkMode(reinterpret_cast<HDC>(Message.WParam), TRANSPARENT);
}

void TRuzIzivForm::WMCtlcolor(TMessage& Message) {
  Default(Message);
  if (FForm || !FSkinData || !FSkinData->FaceBrush) return;
  SetBkMode(reinterpret_cast<HDC>(Message.WParam), TRANSPARENT);
  Message.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush.Get());
}

void TRuzIzivForm::WMSize(TMessage& Message) {
  Default(Message);
  switch (Message.WParam) {
    case SIZE_RESTORED:
      FWindowState = swsNormal;
      break;
    case SIZE_MINIMIZED:
      FWindowState = swsMin;
      break;
    case SIZE_MAXIMIZED:
      FWindowState = swsMax;
      break;
    default:
      break;
  }
  const bool MDIOk =
      FFormStyle != sfsMDIChild || (!FormSkinShared.MDIChildMaximized && FWindowState == swsNormal);
  if (FWindowState != swsMin && MDIOk && (FSkinState == kSkinActive || FSkinState == kSkinChanging))
    Cropwindow();
}

void TRuzIzivForm::WMNCActive(TMessage& Message) {
  FActive = LOBYTE(Message.WParam);
  if (FTimer) FTimer->SetEnabled(FActive != 0);
  if (FTimer && !FTimer->Enabled() && FHotControl) {
    TSkinControl* Hot = FHotControl;
    FHotControl = nullptr;
    Hot->MouseLeave();
  }
  if (FFormStyle == sfsMDIform && FMDIClient)
    SendMessageW(FMDIClient, WM_NCACTIVATE, Message.WParam, 0);
  else if (FFormStyle == sfsMDIChild)
    Default(Message);
  if (!IsMaximizedMDIChild()) UpdateNc(nullptr);
  Message.Result = 1;
}

void TRuzIzivForm::WMCommand(TMessage& Message) {
  switch (LOWORD(Message.WParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      // Items of the skinned system menu arrive as commands and act as the system commands.
      PostMessageW(FHandle, WM_SYSCOMMAND, LOWORD(Message.WParam), 0);
      break;
    default:
      Default(Message);
  }
}

void TRuzIzivForm::NewWndProc(TMessage& Message) {
  FSetTextDone = false;
  switch (Message.Msg) {
    case WM_SETTEXT:
      if (IsWindowVisible(FHandle)) {
        FOldWindowProc(Message);
        if (FWindowState == swsMax && FormSkinShared.MDIClient)
          PostMessageW(FormSkinShared.MDIClient, WM_SKIN_MDIREDRAW, reinterpret_cast<WPARAM>(FHandle), 0);
        if (FWindowState == swsMin)
          UpdateNc(nullptr);
        else
          Refresh();
      } else {
        FOldWindowProc(Message);
      }
      FSetTextDone = true;
      return;
    case WM_SKIN_CHANGE:
      SkinChange();
      FFrameRecalc = true;
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(Message);
      return;
    case CM_MENUCHANGED:
      // The framework tells its form itself (not the window): the bar follows the main menu.
      FOldWindowProc(Message);
      if (FSkinMenu && FSkinData && FSkinData->MenuUpdate) UpdateMainMenu();
      return;
    case WM_SKIN_PAINTNC:
      if (Message.LParam == kSkinMarker) {
        if (Message.WParam) UpdateNc(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = kSkinMarker;
      }
      return;
    case WM_SKIN_PROBE:
      Message.Result = Message.LParam == kSkinMarker ? kSkinMarker : 1;
      return;
    default:
      FOldWindowProc(Message);
  }
}

void TRuzIzivForm::WinMDIProc(TMessage& Message) {
  const bool Skinned = FSkinFrame;
  switch (Message.Msg) {
    case WM_NCDESTROY:
      DefaultMDI(Message);
      UnSubclassMDI();
      return;
    case WM_NCCALCSIZE:
      if (Skinned && FSkinData && !FSkinData->Options.Contains(xoMDIScrollbar)) {
        const LONG_PTR Style = GetWindowLongPtrW(FMDIClient, GWL_STYLE);
        SetWindowLongPtrW(FMDIClient, GWL_STYLE, Style & ~static_cast<LONG_PTR>(WS_VSCROLL | WS_HSCROLL));
      }
      DefaultMDI(Message);
      return;
    case WM_MDICREATE:
      if (FSkinData) FSkinData->MenuUpdate = false;
      DefaultMDI(Message);
      return;
    case WM_MDIDESTROY:
      DefaultMDI(Message);
      if (Skinned) {
        FormSkinShared.MDIChildMaximized = MDIChildMax();
        if (!SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, 0) && FSkinMenu) {
          if (FSkinData) FSkinData->MenuUpdate = FSavedMenuUpdate;
          FSkinMenu->UpdataBtn();
        }
      }
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (Skinned && FormSkinShared.MDIChildMaximized) FormSkinShared.MDIChildMaximized = false;
      DefaultMDI(Message);
      return;
    case WM_MDISETMENU:
      DefaultMDI(Message);
      if (Skinned) {
        if (Message.WParam && FSkinMenu) FSkinMenu->UpdataBtn2(reinterpret_cast<HMENU>(Message.WParam));
        SetMenu(FHandle, nullptr);
      }
      return;
    case WM_SKIN_MDIREDRAW:
      RedrawWindow(FHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return;
    default:
      DefaultMDI(Message);
  }
}
