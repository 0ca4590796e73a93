// Life cycle of the form skin object: construction, initialisation for a framework form or a bare
// window, the deferred activation, skin change, and the three ways of undoing the skinning.
#include "skin/form/RuzIzivForm.h"

#include <algorithm>
#include <cstddef>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/SkinUnit.h"

TFormSkinShared FormSkinShared;

namespace {

TWinControl* AsWinControl(TControl* Control) {
  return dynamic_cast<TWinControl*>(Control);
}

// Size of one frame of a border strip: left and right strips hold their frames side by side, top and
// bottom strips stacked.
int BorderThickness(const TDataSkinBorder* Border, bool Stacked) {
  if (!Border || !Border->Bitmap || Border->Bitmap->Empty()) return 0;
  const int Count = Border->FrameCount > 0 ? Border->FrameCount : 1;
  return (Stacked ? Border->Bitmap->Height() : Border->Bitmap->Width()) / Count;
}

}  // namespace

TRuzIzivForm::TRuzIzivForm(TComponent* AOwner)
    : TComponent(AOwner),
      FCaptionFont(),
      FIconBitmap(std::make_unique<TBitmap>()),
      FNCCanvas(std::make_unique<TCanvas>()),
      FControlCanvas(std::make_unique<TCanvas>()),
      FFrameBitmap(std::make_unique<TBitmap>()) {
  SkinUnitStart();  // the painters' scratch bitmap lives while any form skin object does
  FDblClickTime = GetDoubleClickTime();
  CreateCaptionFont();
  FMenuHeight = 0;
  FActive = 1;
}

TRuzIzivForm::~TRuzIzivForm() {
  // Going away while its bar menu is tracked: the loop ends without this object.
  if (MenuLoop.Form == this) {
    if (MenuLoop.Alive) *MenuLoop.Alive = false;
    MenuLoop.Form = nullptr;
    EndMenu();
  }
  // A window still subclassed must get its procedure back before the thunk goes away, or its next
  // message would run freed code.
  if (IsSubclassed()) RestoreWindowProc();
  if (FMDIProcInstance) UnSubclassMDI();
  if (FForm && FOldWindowProc.Assigned() &&
      FForm->WindowProc == TWndMethod::Bind<&TRuzIzivForm::NewWndProc>(this))
    FForm->WindowProc = FOldWindowProc;
  DeleteControls();
  FreeSysButtons();
  FFrameBitmap.reset();
  FTimer.reset();
  FSkinMenu.reset();
  FreeSysPopup();
  FCaptionFont.reset();
  FIconBitmap.reset();
  if (FormSkinShared.ForgetWindow && FHandle) FormSkinShared.ForgetWindow(FHandle);
  FNCCanvas.reset();
  FControlCanvas.reset();
  SkinUnitEnd();
}

void TRuzIzivForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) std::erase(FCustomDrawBars, AComponent);
}

void TRuzIzivForm::doLog(const String&) {}

void TRuzIzivForm::CreateCaptionFont() {
  FCaptionFont = std::make_unique<TFont>();
  // The metrics as older systems know them (without the padded border), which every version fills.
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, Metrics.cbSize, &Metrics, 0)) {
    HFONT Font = CreateFontIndirectW(&Metrics.lfCaptionFont);
    if (Font) FCaptionFont->SetHandle(Font);
  }
}

void TRuzIzivForm::InitTform(TSkinData* SkinData, TForm* Form) {
  FForm = Form;
  if (SkinData && SkinData->OnBeforeSkinForm) SkinData->OnBeforeSkinForm(Form, FHandle, FName);
  if (SkinData && Form && SkinData->SkinControls.Contains(xcMenuItem)) {
    try {
      SetEnumProp(Form, "AutoScroll", "False");
    } catch (...) {
      // A form class without the property simply keeps its scrolling.
    }
  }
  InitSkin(SkinData);
  if (!Form || !SkinData) return;
  if (FSkinFrame && !FOldWindowProc.Assigned()) {
    FOldWindowProc = Form->WindowProc;
    Form->WindowProc = TWndMethod::Bind<&TRuzIzivForm::NewWndProc>(this);
  }
  FSavedColor = Form->Color();
  Form->SetColor(SkinData->Colors[csButtonFace]);
  if (SkinData->SkinControls.Contains(xcMenuItem)) InitMainMenu(Form, true, false);
}

void TRuzIzivForm::InitDlg(TSkinData* SkinData) {
  InitSkin(SkinData);
}

void TRuzIzivForm::GetWindowstate() {
  WINDOWPLACEMENT Placement{};
  Placement.length = sizeof Placement;
  if (!FHandle || !GetWindowPlacement(FHandle, &Placement)) return;
  switch (Placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      FWindowState = swsMin;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = swsMax;
      break;
    default:
      FWindowState = swsNormal;
  }
}

void TRuzIzivForm::GetFormstyle() {
  FFormStyle = sfsNormal;
  for (HWND Child = GetWindow(FHandle, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
    wchar_t Name[32] = {};
    GetClassNameW(Child, Name, 32);
    if (lstrcmpiW(Name, L"MDIClient") == 0) {
      FFormStyle = sfsMDIform;
      FMDIClient = Child;
      FormSkinShared.MDIClient = Child;
      FormSkinShared.MDIForm = FHandle;
      break;
    }
  }
}

void TRuzIzivForm::InitSkin(TSkinData* SkinData) {
  if (IsSubclassed() || !SkinData || !FHandle || !IsWindow(FHandle)) return;
  if (SkinManager) SkinManager->FPhase = 1;
  FSkinData = SkinData;
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(250);
  FTimer->SetOnTimer(TNotifyEvent::Bind<&TRuzIzivForm::OnTimer>(this));

  FStyle = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE));
  FExStyle = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE));
  FSkinFrame = SkinData->SkinControls.Contains(xcMainMenu);
  FLeftScrollBar = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;

  wchar_t ClassName[101] = {};
  GetClassNameW(FHandle, ClassName, 101);
  FClassName = WStringToUtf8(ClassName);
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);

  FBorderIcons = TSkinFormIcons();
  if ((FStyle & WS_SYSMENU) || FSysMenu) FBorderIcons.Include(sbisystem);
  if (FStyle & WS_MINIMIZEBOX) FBorderIcons.Include(sbiMin);
  if (FStyle & WS_MAXIMIZEBOX) FBorderIcons.Include(sbiMax);
  if (FExStyle & WS_EX_CONTEXTHELP) FBorderIcons.Include(sbiHelp);

  GetWindowstate();
  FSizeable = (FStyle & WS_THICKFRAME) != 0;
  GetFormstyle();
  if (FExStyle & WS_EX_MDICHILD) {
    FFormStyle = sfsMDIChild;
    if (SkinData->Options.Contains(xoMDIChildBorder)) FSkinFrame = false;
  }

  if ((FStyle & WS_CAPTION) != WS_CAPTION)
    FBorderStyle = sbsNone;
  else if (FStyle & WS_THICKFRAME)
    FBorderStyle = sbsSizeable;
  else if (FStyle & DS_MODALFRAME)
    FBorderStyle = sbsDialog;
  else
    FBorderStyle = sbsSingle;
  if (FExStyle & WS_EX_DLGMODALFRAME) FBorderStyle = sbsDialog;

  // The icon caption button shows only where the platform puts the window on the task bar itself.
  const DWORD Version = GetVersion();
  const bool NT = (Version & 0x80000000u) == 0;
  const int Major = LOBYTE(LOWORD(Version));
  const int Minor = HIBYTE(LOWORD(Version));
  if (NT && Major > 4 && Minor == 0 && (FExStyle & WS_EX_APPWINDOW)) FBorderIcons.Include(sbicaption);
  if (!FOwnerWnd && FFormStyle != sfsMDIChild && Major > 4 && Minor == 0) FBorderIcons.Include(sbicaption);

  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  if (FClassName == "#32770" || FClassName == "TMessageForm") {
    FBorderStyle = sbsDialog;
    FIsDialog = true;
  }
  StopUpdate();
  if (WinVersion >= 0x80000000u) SkinData->SkinControls.Exclude(xcSystemMenu);

  if (FFormStyle == sfsMDIform && FMDIClient) {
    FSavedMenuUpdate = SkinData->MenuUpdate;
    SubclassMDI();
  }

  FWndProcInstance = std::make_unique<TWndProcThunk>(this, &TRuzIzivForm::ThunkWndProc);
  if (!FWndProcInstance->Proc()) {
    FWndProcInstance.reset();  // no executable memory: the window stays native
    return;
  }
  const auto Thunk = reinterpret_cast<LONG_PTR>(FWndProcInstance->Proc());
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, Thunk)
                                                   : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, Thunk));

  if (FSkinFrame) {
    FMenuHandle = GetMenu(FHandle);
    if (FMenuHandle && FFormStyle != sfsMDIChild) {
      FSkinMenu = std::make_unique<TRuzIzivMenu>(this, SkinData);
      FMenuHeight = GetSystemMetrics(SM_CYMENU);
      if (auto* Form = dynamic_cast<TCustomForm*>(FForm)) FSkinMenu->SetMainMenu(Form->Menu());
      FSkinMenu->UpdataBtn();
    }
    InitSkinData();
  } else {
    FSkinState = kSkinActive;
  }

  const int T = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
  if (FFormStyle == sfsMDIChild && FTitleHeight < T) FMenuHeight = T - FTitleHeight;
  if (FFormStyle == sfsMDIChild && FWindowState == swsMax) FormSkinShared.MDIChildMaximized = true;
}

void TRuzIzivForm::InitSkinData() {
  if (!FSkinData || FSkinData->FNoSkin) return;
  if (FBorderStyle == sbsNone) {
    FLeftWidth = FTitleHeight = FRightWidth = FBottomHeight = FMenuHeight = 0;
  } else {
    FTitleHeight = BorderThickness(FSkinData->Borders[sbTop].get(), true);
    FLeftWidth = BorderThickness(FSkinData->Borders[sbLeft].get(), false);
    FRightWidth = BorderThickness(FSkinData->Borders[sbRight].get(), false);
    FBottomHeight = BorderThickness(FSkinData->Borders[sbBottom].get(), true);
  }
  FreeSysButtons();
  CreateSysButtons();
}

// The skin data is about to be replaced: the caption buttons refer to its records.
void TRuzIzivForm::DeleteSysbtn() {
  FHotObject = nullptr;
  FreeSysButtons();
}

void TRuzIzivForm::Activate() {
  FActivated = true;
  FSysMenu = GetSystemMenu(FHandle, FALSE);
  GetIcon();
  GetBorderSize();
  BeginUpdate();
  if (FForm) {
    if (TWinControl* Form = AsWinControl(FForm)) InitControls(Form);
  } else {
    InitHwndControls(FHandle);
  }
  if (FSkinState == kSkinCreated) {
    GetWindowstate();
    if (FFormStyle == sfsMDIChild) {
      if (FWindowState == swsMax) {
        if (FMDIClient || GetParent(FHandle))
          PostMessageW(GetParent(FHandle), WM_SKIN_MDIREDRAW, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (FWindowState == swsNormal) {
        FSkinState = kSkinResizing;
        ResizeForm(0);
        FSkinState = kSkinActive;
        Cropwindow();
      }
    } else if (!(FStyle & WS_CHILD) && FBorderStyle != sbsNone && FWindowState != swsMin) {
      FSkinState = kSkinResizing;
      ResizeForm(0);
      FSkinState = kSkinActive;
      if (FWindowState == swsNormal)
        Cropwindow();
      else if (FWindowState == swsMax)
        Refresh();
    }
  }
  AfterSkin();
  FSkinState = kSkinActive;
  if (FTimer) FTimer->SetEnabled(true);
}

void TRuzIzivForm::AfterSkin() {
  SendMessageW(FHandle, WM_SKIN_SKINNED, 0, kSkinMarker);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FName);
}

void TRuzIzivForm::Refresh() {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TRuzIzivForm::RePaint(HWND Wnd) {
  InvalidateRect(Wnd, nullptr, TRUE);
  UpdateWindow(Wnd);
}

void TRuzIzivForm::BeginUpdate() {
  if (!FormSkinShared.HideWhileSkinning) return;
  FormSkinShared.HideWhileSkinning = false;
  const LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  if (!(Style & WS_VISIBLE)) SetWindowLongPtrW(FHandle, GWL_STYLE, Style | WS_VISIBLE);
}

void TRuzIzivForm::StopUpdate() {
  if (!FormSkinShared.HideWhileSkinning || FIsChild || !FSkinFrame || FBorderStyle == sbsNone) return;
  FStyle &= ~static_cast<DWORD>(WS_VISIBLE);
  SetWindowLongPtrW(FHandle, GWL_STYLE, static_cast<LONG_PTR>(FStyle));
}

void TRuzIzivForm::SkinChange() {
  if (!FSkinData) return;
  const TColor Face = FSkinData->Colors[csButtonFace];
  if (FForm) {
    FForm->SetColor(Face);
    for (int I = 0; I < FForm->ComponentCount(); ++I)
      if (auto* Form = dynamic_cast<TCustomForm*>(FForm->Components(I))) Form->SetColor(Face);
  }
  // A copy: a control skin object may leave the list while it re-reads the skin.
  const std::vector<TSkinControl*> Controls = FControls;
  for (TSkinControl* Control : Controls)
    if (std::find(FControls.begin(), FControls.end(), Control) != FControls.end()) Control->SkinChange();
  FSkinState = kSkinChanging;
  if (FSkinFrame && FForm) {
    InitPopMenu(AsWinControl(FForm), true, true);
    ResizeForm(1);
    // A height change and back makes the form lay itself out (and rebuild the region) again.
    FForm->SetHeight(FForm->Height() + 1);
    FForm->SetHeight(FForm->Height() - 1);
  }
  AfterSkin();
  FSkinState = kSkinActive;
}

void TRuzIzivForm::SubclassMDI() {
  if (!FMDIClient || FMDIProcInstance) return;
  FMDIProcInstance = std::make_unique<TWndProcThunk>(this, &TRuzIzivForm::ThunkMDIProc);
  if (!FMDIProcInstance->Proc()) {
    FMDIProcInstance.reset();
    return;
  }
  FOldMDIProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FMDIClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FMDIProcInstance->Proc())));
}

void TRuzIzivForm::UnSubclassMDI() {
  TWndProcThunk::GiveBack(FMDIProcInstance, FMDIClient, FOldMDIProc, true);
}

void TRuzIzivForm::RestoreWindowProc() {
  TWndProcThunk::GiveBack(FWndProcInstance, FHandle, FOldWndProc, FUnicode);
}

// What unskinning gives back besides the procedures: the control skin objects, the form's menus
// (no longer owner-drawn) and its colour.
void TRuzIzivForm::ReleaseControlsAndMenus() {
  DeleteControls();
  if (FForm) {
    InitPopMenu(AsWinControl(FForm), false, false);
    if (FSkinData && FSkinData->SkinControls.Contains(xcMenuItem))
      InitMainMenu(AsWinControl(FForm), false, false);
    if (FSkinState != kSkinDestroying) FForm->SetColor(FSavedColor);
  }
}

void TRuzIzivForm::UnSubclass() {
  if (!FSkinFrame) {
    UnSubclass2();
    return;
  }
  FreeSysPopup();
  if (FTimer) FTimer->SetEnabled(false);
  if (!IsSubclassed()) return;
  if (FForm && FOldWindowProc.Assigned()) {
    FForm->WindowProc = FOldWindowProc;
    FOldWindowProc.Clear();
  }
  RestoreWindowProc();

  ReleaseControlsAndMenus();
  UpdateStyle(false);
  if (FSkinMenu) {
    if (IsWindow(FHandle) && FSkinMenu->FMenuHandle && IsMenu(FSkinMenu->FMenuHandle))
      SetMenu(FHandle, FSkinMenu->FMenuHandle);
    FSkinMenu.reset();
  }
  if (FMDIProcInstance) UnSubclassMDI();

  // Back to the native frame around the same client area. Before the activation the frame was
  // never taken over (and the native frame never measured), so the size stays.
  RECT Window{};
  if (FActivated && IsWindow(FHandle) && GetWindowRect(FHandle, &Window)) {
    const int Width = (Window.right - Window.left) + FNativeFrame.right - FLeftWidth - FRightWidth;
    // The menu band is part of the skinned frame as the native menu bar is of the native one.
    const int Height =
        (Window.bottom - Window.top) + FNativeFrame.bottom - FTitleHeight - FBottomHeight - FMenuHeight;
    POINT TopLeft{Window.left, Window.top};
    if (FFormStyle == sfsMDIChild) ScreenToClient(GetParent(FHandle), &TopLeft);
    if (FSkinState != kSkinDestroying && (FFormStyle == sfsMDIChild || !(FStyle & WS_CHILD)))
      SetWindowPos(FHandle, nullptr, TopLeft.x, TopLeft.y, Width, Height,
                   SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (IsWindow(FHandle)) SetWindowRgn(FHandle, nullptr, TRUE);  // the window frees the old region
  FRegion = nullptr;
  FOwnsRegion = false;
  FRegionWidth = FRegionHeight = 0;
}

void TRuzIzivForm::UnSubclass2() {
  if (FTimer) FTimer->SetEnabled(false);
  ReleaseControlsAndMenus();
  RestoreWindowProc();
  UnSubclassMDI();
  if (FSkinState != kSkinDestroying && FForm) {
    for (int I = 0; I < FForm->ComponentCount(); ++I)
      if (auto* Control = dynamic_cast<TControl*>(FForm->Components(I))) Control->Invalidate();
  }
}

void TRuzIzivForm::UnSubclass3() {
  FreeSysPopup();
  if (FTimer) FTimer->SetEnabled(false);
  if (!IsSubclassed()) return;
  if (FForm && FOldWindowProc.Assigned()) {
    FForm->WindowProc = FOldWindowProc;
    FOldWindowProc.Clear();
  }
  RestoreWindowProc();
  DeleteControls();
  // A bare window destroys the menu it shows as it goes: handed back now, the bar taken off it is
  // not left behind. A form's main menu belongs to the form.
  if (FSkinMenu && !FForm && FSkinMenu->FMenuHandle && IsMenu(FSkinMenu->FMenuHandle) && IsWindow(FHandle) &&
      !GetMenu(FHandle))
    SetMenu(FHandle, FSkinMenu->FMenuHandle);
  FSkinMenu.reset();
}

TRuzIzivSpy::~TRuzIzivSpy() = default;

void TRuzIzivSpy::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
}
