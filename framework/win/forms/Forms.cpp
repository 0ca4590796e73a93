#include "framework/win/forms/Forms.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  FVisible = false;
  FColor = clBtnFace;
  FWidth = 320;
  FHeight = 240;
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      // Destruction goes on; the report would need the window that is going away.
    }
  }
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroyed(this);
  // Children and handle go in ~TWinControl, while the form part of this object is still whole enough
  // for their notifications.
  DestroyComponents();
  while (ControlCount() > 0) {
    TControl* child = Controls(ControlCount() - 1);
    RemoveControl(child);
    delete child;
  }
  DestroyHandle();
}

void TCustomForm::Publish(TPublisher<TCustomForm>& P) {
  P.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  P.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
  P.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  P.Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll);
  // Each applies on its own while loading (the other may still come).
  P.Int("ClientWidth", &TCustomForm::ClientWidth, [](TCustomForm& f, int v) {
     if (f.ComponentState().Contains(csLoading))
       f.FLoadClientWidth = v;
     else
       f.SetClientWidth(v);
   }).Stored(false);
  P.Int("ClientHeight", &TCustomForm::ClientHeight, [](TCustomForm& f, int v) {
     if (f.ComponentState().Contains(csLoading))
       f.FLoadClientHeight = v;
     else
       f.SetClientHeight(v);
   }).Stored(false);
  P.Int("PixelsPerInch", &TCustomForm::PixelsPerInch);
  P.Int("TextHeight", &TCustomForm::TextHeight);
  P.Obj("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  P.Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  P.Obj("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu);
  P.Obj("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  P.Event("OnCreate", &TCustomForm::OnCreate);
  P.Event("OnDestroy", &TCustomForm::OnDestroy);
  P.Event("OnShow", &TCustomForm::OnShow);
  P.Event("OnHide", &TCustomForm::OnHide);
  P.Event("OnClose", &TCustomForm::OnClose);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TComponent::GetChildren(proc, root);  // the owned components without a parent (dialogs, timers...)
  TWinControl::GetChildren(proc, root);
}

void TCustomForm::SetClientSize(int width, int height) {
  if (ComponentState().Contains(csLoading)) {
    // The frame depends on properties that may come later in the description.
    FLoadClientWidth = width;
    FLoadClientHeight = height;
    return;
  }
  if (!FHandle) {
    FWantClientWidth = width;
    FWantClientHeight = height;
  }
  TWinControl::SetClientSize(width, height);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (FLoadClientWidth >= 0 || FLoadClientHeight >= 0) {
    const int width = FLoadClientWidth >= 0 ? FLoadClientWidth : ClientWidth();
    const int height = FLoadClientHeight >= 0 ? FLoadClientHeight : ClientHeight();
    FLoadClientWidth = FLoadClientHeight = -1;
    SetClientSize(width, height);
  }
}

bool TCustomForm::ReadDescriptionResource(HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleW(nullptr);
  const std::wstring name = Utf8ToWide(UpperCase(ClassName()));
  HRSRC info = FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!info) return false;
  HGLOBAL data = LoadResource(instance, info);
  const DWORD size = SizeofResource(instance, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EReadError("Form description " + ClassName() + " cannot be loaded");
  ReadComponentFromText(std::string_view(static_cast<const char*>(bytes), size), this);
  return true;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (FBorderStyle == v) return;
  FBorderStyle = v;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (FBorderIcons == v) return;
  FBorderIcons = v;
  RecreateWnd();
}

void TCustomForm::SetAutoScroll(bool v) {
  FAutoScroll = v;
  UpdateScrollRange();
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"TForm";
  params.Background = nullptr;  // WM_ERASEBKGND fills with Color
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = 0;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (UseRightToLeftReading()) params.ExStyle |= WS_EX_RTLREADING;
  params.WndParent = Application ? Application->Handle() : nullptr;
  switch (FBorderStyle) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    // A dialog frame has no minimise or maximise box.
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (FBorderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderIcons.Contains(biHelp) && (FBorderStyle == bsDialog || (!FBorderIcons.Contains(biMinimize) &&
                                                                       !FBorderIcons.Contains(biMaximize))))
      params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FAutoScroll) params.Style |= WS_HSCROLL | WS_VSCROLL;  // trimmed by UpdateScrollRange
  if (FFormStyle == fsMDIChild) {
    TCustomForm* parent = FindMDIParent();
    if (!parent) throw std::logic_error("Cannot create form. No MDI forms are currently active");
    // The system makes it a child of the MDI client and manages its activation.
    params.WndParent = parent->ClientHandle();
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_MDICHILD;
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateMDIClient();
  if (FMenu && FFormStyle != fsMDIChild) FMenu->SetWindowHandle(FHandle);
  if (FFormStyle == fsMDIForm) SetMDIMenus();
  // The client size asked for before the window existed, now with the frame the system really gave.
  if (FWantClientWidth >= 0) {
    const int width = FWantClientWidth, height = FWantClientHeight;
    FWantClientWidth = FWantClientHeight = -1;
    TWinControl::SetClientSize(width, height);
  }
  if (Application) {
    // The form shows the application's icons; they stay the application's.
    SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application->SmallIcon()));
    SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application->BigIcon()));
  }
}

void TCustomForm::PlaceOnScreen() {
  if (FPlaced) return;
  FPlaced = true;
  if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
      (FPosition == poMainFormCenter && (!Application || Application->MainForm() == this))) {
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - FWidth) / 2, (GetSystemMetrics(SM_CYSCREEN) - FHeight) / 2,
              FWidth, FHeight);
  } else if (FPosition == poMainFormCenter && Application->MainForm()) {
    const RECT main = Application->MainForm()->BoundsRect();
    SetBounds(main.left + (main.right - main.left - FWidth) / 2,
              main.top + (main.bottom - main.top - FHeight) / 2, FWidth, FHeight);
  }
}

void TCustomForm::UpdateVisibility() {
  if (FVisible) {
    HandleNeeded();
    PlaceOnScreen();
    UpdateScrollRange();
    ShowWindow(FHandle, SW_SHOW);
    if (OnShow) OnShow(this);
  } else if (FHandle) {
    ShowWindow(FHandle, SW_HIDE);
    if (OnHide) OnHide(this);
  }
}

void TCustomForm::Show() {
  SetVisible(true);
  if (FHandle) SetForegroundWindow(FHandle);
}

void TCustomForm::Close() {
  // A modal form ends its loop, which runs OnClose.
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  // An MDI child cannot hide: by default it minimises when it can, else stays.
  TCloseAction action = FFormStyle != fsMDIChild            ? caHide
                        : FBorderIcons.Contains(biMinimize) ? caMinimize
                                                            : caNone;
  OnClose(this, action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  if (action == caHide)
    Hide();
  else if (action == caMinimize && FHandle)
    ShowWindow(FHandle, SW_MINIMIZE);
  else if (action == caFree)
    Release();
}

void TCustomForm::Release() {
  if (FHandle) PostMessageW(FHandle, CM_RELEASE, 0, 0);
}

bool TCustomForm::Active() const {
  return FHandle && GetActiveWindow() == FHandle;
}

void TCustomForm::UpdateScrollRange() {
  if (!FHandle) return;
  if (!FAutoScroll) {
    ShowScrollBar(FHandle, SB_BOTH, FALSE);
    return;
  }
  // The extent of the children, in unscrolled coordinates.
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const RECT r = Controls(i)->BoundsRect();
    right = std::max<int>(right, r.right + FScrollPos.x);
    bottom = std::max<int>(bottom, r.bottom + FScrollPos.y);
  }
  RECT client;
  GetClientRect(FHandle, &client);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = right > client.right ? right - 1 : 0;
  info.nPage = right > client.right ? static_cast<UINT>(client.right) : 0;
  info.nPos = FScrollPos.x;
  SetScrollInfo(FHandle, SB_HORZ, &info, TRUE);
  info.nMax = bottom > client.bottom ? bottom - 1 : 0;
  info.nPage = bottom > client.bottom ? static_cast<UINT>(client.bottom) : 0;
  info.nPos = FScrollPos.y;
  SetScrollInfo(FHandle, SB_VERT, &info, TRUE);
}

void TCustomForm::ScrollBy(int bar, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(FHandle, bar, &info)) return;
  int pos = info.nPos;
  switch (code) {
    case SB_LINEUP:
      pos -= 8;
      break;
    case SB_LINEDOWN:
      pos += 8;
      break;
    case SB_PAGEUP:
      pos -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      pos += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = info.nTrackPos;
      break;
    case SB_TOP:
      pos = info.nMin;
      break;
    case SB_BOTTOM:
      pos = info.nMax;
      break;
    default:
      return;
  }
  const int limit = std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
  pos = std::clamp(pos, info.nMin, limit);
  LONG& current = bar == SB_HORZ ? FScrollPos.x : FScrollPos.y;
  const int delta = current - pos;
  if (delta == 0) return;
  current = pos;
  SetScrollPos(FHandle, bar, pos, TRUE);
  ScrollWindowEx(FHandle, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr, nullptr,
                 nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_INITMENUPOPUP:
      if (DispatchMenuMessage(message)) return;
      break;
    case WM_DESTROY:
      // The window would destroy its menu bar, which belongs to the TMainMenu.
      if (FMenu && FMenu->WindowHandle() == FHandle) FMenu->SetWindowHandle(nullptr);
      FClientHandle = nullptr;  // goes with this window
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, ColorBrush());
      message.Result = 1;
      return;
    }
    case WM_CLOSE:
      Close();
      return;
    case CM_FOCUSCHANGED:
      if (auto* Control = reinterpret_cast<TWinControl*>(message.LParam); Control && Control != this)
        FActiveControl = Control;
      break;
    case WM_SETFOCUS:
      TWinControl::WndProc(message);
      // The form itself got the focus (activation, a child closed): give it to its control again.
      if (FFormStyle != fsMDIForm)
        if (TWinControl* Control = ActiveControl(); Control && Control->CanFocusNow())
          ::SetFocus(Control->Handle());
      return;
    case CM_MENUCHANGED:
      // A rebuilt window menu has lost the list of children that the MDI client put there.
      if (FClientHandle && FWindowMenu && FWindowMenu->HandleAllocated())
        SendMessageW(FClientHandle, WM_MDIREFRESHMENU, 0, 0);
      break;
    case CM_DIALOGKEY:
      if (DialogKey(message.WParam)) {
        message.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
      FClicking = true;
      break;
    case WM_LBUTTONUP:
      if (FClicking) {
        FClicking = false;
        TWinControl::WndProc(message);
        Click();
        return;
      }
      break;
    case WM_CAPTURECHANGED:
    case WM_MOUSELEAVE:
      FClicking = false;
      break;
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollRange();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (FAutoScroll && message.LParam == 0) {
        ScrollBy(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
        return;
      }
      break;
    case WM_SHOWWINDOW:
      // Hidden or shown by the system (e.g. owner minimised): keep Visible in step.
      if (message.LParam == 0) FVisible = message.WParam != 0;
      break;
    case CM_DIALOGCHAR:
      // Offer an accelerator to the children; the first that takes it ends the search.
      for (int i = 0; i < ControlCount(); ++i) {
        if (Controls(i)->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
          message.Result = 1;
          return;
        }
      }
      return;
    case CM_RELEASE:
      delete this;  // posted; nothing of this object is touched afterwards
      return;
  }
  TWinControl::WndProc(message);
}

TCustomForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}
