#include "framework/win/forms/Forms.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/controls/ScrollRequest.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/menus/Menus.h"

TCustomForm::TCustomForm(TComponent* Owner) : TWinControl(Owner) {
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
    TControl* Child = Controls(ControlCount() - 1);
    RemoveControl(Child);
    delete Child;
  }
  DestroyHandle();
}

void TCustomForm::Publish(TPublisher<TCustomForm>& P) {
  P.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  P.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
  P.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  P.Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll);
  // Each applies on its own while loading (the other may still come).
  P.Int("ClientWidth", &TCustomForm::ClientWidth, [](TCustomForm& F, int V) {
     if (F.ComponentState().Contains(csLoading))
       F.FLoadClientWidth = V;
     else
       F.SetClientWidth(V);
   }).Stored(false);
  P.Int("ClientHeight", &TCustomForm::ClientHeight, [](TCustomForm& F, int V) {
     if (F.ComponentState().Contains(csLoading))
       F.FLoadClientHeight = V;
     else
       F.SetClientHeight(V);
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

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);  // the owned components without a parent (dialogs, timers...)
  TWinControl::GetChildren(Proc, Root);
}

void TCustomForm::SetClientSize(int Width, int Height) {
  if (ComponentState().Contains(csLoading)) {
    // The frame depends on properties that may come later in the description.
    FLoadClientWidth = Width;
    FLoadClientHeight = Height;
    return;
  }
  if (!FHandle) {
    FWantClientWidth = Width;
    FWantClientHeight = Height;
  }
  TWinControl::SetClientSize(Width, Height);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (FLoadClientWidth >= 0 || FLoadClientHeight >= 0) {
    const int Width = FLoadClientWidth >= 0 ? FLoadClientWidth : ClientWidth();
    const int Height = FLoadClientHeight >= 0 ? FLoadClientHeight : ClientHeight();
    FLoadClientWidth = FLoadClientHeight = -1;
    SetClientSize(Width, Height);
  }
}

bool TCustomForm::ReadDescriptionResource(HINSTANCE Instance) {
  if (!Instance) Instance = GetModuleHandleW(nullptr);
  const std::wstring Name = Utf8ToWide(UpperCase(ClassName()));
  HRSRC Info = FindResourceW(Instance, Name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!Info) return false;
  HGLOBAL Data = LoadResource(Instance, Info);
  const DWORD Size = SizeofResource(Instance, Info);
  const void* Bytes = Data ? LockResource(Data) : nullptr;
  if (!Bytes) throw EReadError("Form description " + ClassName() + " cannot be loaded");
  ReadComponentFromText(std::string_view(static_cast<const char*>(Bytes), Size), this);
  return true;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle V) {
  if (FBorderStyle == V) return;
  FBorderStyle = V;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons V) {
  if (FBorderIcons == V) return;
  FBorderIcons = V;
  RecreateWnd();
}

void TCustomForm::SetAutoScroll(bool V) {
  FAutoScroll = V;
  UpdateScrollRange();
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"TForm";
  Params.Background = nullptr;  // WM_ERASEBKGND fills with Color
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  Params.ExStyle = 0;
  if (!FEnabled) Params.Style |= WS_DISABLED;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  Params.WndParent = Application ? Application->Handle() : nullptr;
  switch (FBorderStyle) {
    case bsNone:
      Params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      Params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    Params.Style |= WS_SYSMENU;
    // A dialog frame has no minimise or maximise box.
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderIcons.Contains(biHelp) && (FBorderStyle == bsDialog || (!FBorderIcons.Contains(biMinimize) &&
                                                                       !FBorderIcons.Contains(biMaximize))))
      Params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FAutoScroll) Params.Style |= WS_HSCROLL | WS_VSCROLL;  // trimmed by UpdateScrollRange
  if (FFormStyle == fsMDIChild) {
    TCustomForm* Parent = FindMDIParent();
    if (!Parent) throw std::logic_error("Cannot create form. No MDI forms are currently active");
    // The system makes it a child of the MDI client and manages its activation.
    Params.WndParent = Parent->ClientHandle();
    Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_MDICHILD;
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateMDIClient();
  if (FMenu && FFormStyle != fsMDIChild) FMenu->SetWindowHandle(FHandle);
  if (FFormStyle == fsMDIForm) SetMDIMenus();
  // The client size asked for before the window existed, now with the frame the system really gave.
  if (FWantClientWidth >= 0) {
    const int Width = FWantClientWidth, Height = FWantClientHeight;
    FWantClientWidth = FWantClientHeight = -1;
    TWinControl::SetClientSize(Width, Height);
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
    const RECT Main = Application->MainForm()->BoundsRect();
    SetBounds(Main.left + (Main.right - Main.left - FWidth) / 2,
              Main.top + (Main.bottom - Main.top - FHeight) / 2, FWidth, FHeight);
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
  TCloseAction Action = FFormStyle != fsMDIChild            ? caHide
                        : FBorderIcons.Contains(biMinimize) ? caMinimize
                                                            : caNone;
  OnClose(this, Action);
  if (Action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  if (Action == caHide)
    Hide();
  else if (Action == caMinimize && FHandle)
    ShowWindow(FHandle, SW_MINIMIZE);
  else if (Action == caFree)
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
  int Right = 0, Bottom = 0;
  for (int I = 0; I < ControlCount(); ++I) {
    const RECT R = Controls(I)->BoundsRect();
    Right = std::max<int>(Right, R.right + FScrollPos.x);
    Bottom = std::max<int>(Bottom, R.bottom + FScrollPos.y);
  }
  RECT Client;
  GetClientRect(FHandle, &Client);
  SCROLLINFO Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.nMax = Right > Client.right ? Right - 1 : 0;
  Info.nPage = Right > Client.right ? static_cast<UINT>(Client.right) : 0;
  Info.nPos = FScrollPos.x;
  SetScrollInfo(FHandle, SB_HORZ, &Info, TRUE);
  Info.nMax = Bottom > Client.bottom ? Bottom - 1 : 0;
  Info.nPage = Bottom > Client.bottom ? static_cast<UINT>(Client.bottom) : 0;
  Info.nPos = FScrollPos.y;
  SetScrollInfo(FHandle, SB_VERT, &Info, TRUE);
}

void TCustomForm::ScrollBy(int Bar, int Code) {
  const std::optional<int> Pos = ScrollRequestPosition(FHandle, Bar, Code);
  if (!Pos) return;
  LONG& Current = Bar == SB_HORZ ? FScrollPos.x : FScrollPos.y;
  const int Delta = Current - *Pos;
  if (Delta == 0) return;
  Current = *Pos;
  SetScrollPos(FHandle, Bar, *Pos, TRUE);
  ScrollWindowEx(FHandle, Bar == SB_HORZ ? Delta : 0, Bar == SB_VERT ? Delta : 0, nullptr, nullptr, nullptr,
                 nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_INITMENUPOPUP:
      if (DispatchMenuMessage(Message)) return;
      break;
    case WM_DESTROY:
      // The window would destroy its menu bar, which belongs to the TMainMenu.
      if (FMenu && FMenu->WindowHandle() == FHandle) FMenu->SetWindowHandle(nullptr);
      FClientHandle = nullptr;  // goes with this window
      break;
    case WM_ERASEBKGND:
      EraseWithColor(Message);
      return;
    case WM_CLOSE:
      Close();
      return;
    case CM_FOCUSCHANGED:
      if (auto* Control = reinterpret_cast<TWinControl*>(Message.LParam); Control && Control != this)
        FActiveControl = Control;
      break;
    case WM_SETFOCUS:
      TWinControl::WndProc(Message);
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
      if (DialogKey(Message.WParam)) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
      FClicking = true;
      break;
    case WM_LBUTTONUP:
      if (FClicking) {
        FClicking = false;
        TWinControl::WndProc(Message);
        Click();
        return;
      }
      break;
    case WM_CAPTURECHANGED:
    case WM_MOUSELEAVE:
      FClicking = false;
      break;
    case WM_SIZE:
      TWinControl::WndProc(Message);
      UpdateScrollRange();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (FAutoScroll && Message.LParam == 0) {
        ScrollBy(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(Message.WParam));
        return;
      }
      break;
    case WM_SHOWWINDOW:
      // Hidden or shown by the system (e.g. owner minimised): keep Visible in step.
      if (Message.LParam == 0) FVisible = Message.WParam != 0;
      break;
    case CM_DIALOGCHAR:
      // Offer an accelerator to the children; the first that takes it ends the search.
      for (int I = 0; I < ControlCount(); ++I) {
        if (Controls(I)->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) {
          Message.Result = 1;
          return;
        }
      }
      return;
    case CM_RELEASE:
      delete this;  // posted; nothing of this object is touched afterwards
      return;
  }
  TWinControl::WndProc(Message);
}

TCustomForm* GetParentForm(TControl* Control) {
  while (Control && Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}
