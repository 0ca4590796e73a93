// Caption buttons of a skinned window: one button per caption-button record of the skin, shown by
// the records' two visibility codes, placed by their alignment, drawn from their frame strips, and
// acting on a click by their action code.
#include <windows.h>

#include "framework/win/controls/ExtCtrls.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinWindowBridge.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/CaptionButtonRules.h"
#include "skin/imaging/SkinPaint.h"

namespace {

// Frames of a caption-button strip.
constexpr int kFrameNormal = 1;
constexpr int kFrameDisabled = 4;

constexpr int kVisibilityMenuBar = skin::visibility::kMenuBar;

bool IsDialogClass(const String& ClassName) {
  return ClassName == "#32770" || ClassName == "TMessageForm";
}

}  // namespace

void TWinSysButtonDeleter::operator()(TWinSysButton* Button) const {
  delete Button;
}

void TRuzIzivForm::CreateSysButtons() {
  FreeSysButtons();
  if (!FSkinData) return;
  for (const auto& Record : FSkinData->SysButtons) {
    if (!Record) continue;
    TWinSysButtonPtr Button(new TWinSysButton(this, Record.get()));
    Button->FEnabled = 1;
    FSysButtons.push_back(std::move(Button));
  }
  FSysButtonCount = static_cast<int>(FSysButtons.size());
}

void TRuzIzivForm::FreeSysButtons() {
  // Each button clears FHotObject itself when it is the hot one.
  FSysButtons.clear();
  FSysButtonCount = 0;
}

skin::TCaptionWindow TRuzIzivForm::CaptionWindow() {
  skin::TCaptionWindow Window;
  Window.Maximised = FWindowState == swsMax;
  Window.Active = FActive != 0;
  Window.MinBox = FBorderIcons.Contains(sbiMin);
  Window.MaxBox = FBorderIcons.Contains(sbiMax);
  Window.HelpBox = FBorderIcons.Contains(sbiHelp);
  Window.SystemMenu = FBorderIcons.Contains(sbisystem);
  Window.DialogBorder = FBorderStyle == sbsDialog;
  Window.SystemDialogClass = IsDialogClass(FClassName);
  Window.MenuBarButtons = FFormStyle == sfsMDIform && FSkinMenu != nullptr && MDIChildMax();
  const HWND Handle = FHandle;
  Window.Ask = [Handle](int Code, int Action) {
    return SendMessageW(Handle, WM_SKIN_SYSBTNVISIBLE, static_cast<WPARAM>(Code), Action) > 0;
  };
  return Window;
}

bool TRuzIzivForm::SysBtnVisible(int Index) {
  if (Index < 0 || Index >= static_cast<int>(FSysButtons.size())) return false;
  TWinSysButton* Button = FSysButtons[static_cast<std::size_t>(Index)].get();
  if (!Button || !Button->FData) return false;
  const TDataSkinSysButton& Data = *Button->FData;
  const skin::TCaptionButtonState State =
      skin::CaptionButtonState(CaptionWindow(), Data.Action, Data.Visibility, Data.Visibility1);
  if (Data.Action == skin::action::kMaximise || Data.Action == skin::action::kMinimise)
    Button->FEnabled = State.Enabled ? 1 : 0;
  Button->FVisible = State.Visible ? 1 : 0;
  return State.Visible;
}

void TRuzIzivForm::SetSysbtnRect() {
  skin::TCaptionLayout Layout;
  Layout.WindowWidth = FWindowWidth;
  Layout.TitleTextLeft = FTextRect.left;
  Layout.TitleTextRight = FTextRect.right;
  Layout.RightBorder = FRightWidth;
  Layout.TitleHeight = FTitleHeight;
  Layout.MenuHeight = FMenuHeight;
  if (FSkinData && FSkinData->MenuBar) Layout.MenuBarLeftMargin = FSkinData->MenuBar->Margins.left;
  for (int I = 0; I < static_cast<int>(FSysButtons.size()); ++I) {
    TWinSysButton* Button = FSysButtons[static_cast<std::size_t>(I)].get();
    if (!SysBtnVisible(I) || Button->Empty()) continue;
    const TDataSkinSysButton& Data = *Button->FData;
    const SIZE Size = Button->FrameSize();
    const skin::TCaptionPoint Origin =
        skin::CaptionButtonOrigin(Data.Align, Data.XCoord, Data.YCoord, Size.cx, Size.cy, Layout);
    Button->FRect = RECT{Origin.X, Origin.Y, Origin.X + Size.cx, Origin.Y + Size.cy};
  }
}

void TRuzIzivForm::DrawAllSysbtn(TCanvas* Canvas, const RECT&) {
  if (!Canvas) return;
  HDC Dc = Canvas->Handle();
  for (const auto& Button : FSysButtons) {
    if (!Button->FVisible || Button->Empty() || Button->FData->Visibility == kVisibilityMenuBar) continue;
    if (Button->IsIcon()) {
      DrawIcon(Dc, Button->FRect);
      continue;
    }
    const int Count = Button->FrameCount();
    const bool Normal = Count < 4 || (FActive && Button->FEnabled);
    DrawRect1(Dc, Button->FRect, Button->FData->Bitmap.get(), Normal ? kFrameNormal : kFrameDisabled, Count,
              1);
  }
}

void TRuzIzivForm::DrawSysbtn(TWinSysButton* Button, int State) {
  if (!Button || !Button->FVisible || Button->Empty() || !FHandle) return;
  if (FSkinState != kSkinActive && FSkinState != kSkinChanging) return;
  const int Count = Button->FrameCount();
  int Frame = State;
  if (!Button->FEnabled) {
    Frame = Count < 4 ? kFrameNormal : kFrameDisabled;
  } else if (Button->FData->Visibility == kVisibilityMenuBar && State == kNCHot) {
    Frame = kFrameDisabled;
  } else if (State == kNCNormal && Count >= 4 && !FActive) {
    // Back to normal on an inactive window: the frame a full repaint would show.
    Frame = kFrameDisabled;
  }
  if (Frame > Count) Frame = kFrameNormal;
  TWholeWindowDC Window(FHandle);
  const HDC Dc = Window.Get();
  if (!Dc) return;
  const RECT& R = Button->FRect;
  const bool Composed = FCaptionBack && FFrameBitmap && !FCaptionBack->Empty() && R.left >= 0 && R.top >= 0 &&
                        R.right <= FCaptionBack->Width() && R.bottom <= FCaptionBack->Height() &&
                        FFrameBitmap->Width() == FCaptionBack->Width() &&
                        FFrameBitmap->Height() == FCaptionBack->Height();
  // The strips are keyed: drawn straight over the previous state, the old frame would show through
  // their transparent pixels. The caption under the button goes back first, off-screen.
  HDC Target = Dc;
  if (Composed) {
    Target = FFrameBitmap->Canvas()->Handle();
    BitBlt(Target, R.left, R.top, R.right - R.left, R.bottom - R.top, FCaptionBack->Canvas()->Handle(),
           R.left, R.top, SRCCOPY);
  }
  if (Button->IsIcon())
    DrawIcon(Target, R);
  else
    DrawRect1(Target, R, Button->FData->Bitmap.get(), Frame, Count, 1);
  if (Composed) BitBlt(Dc, R.left, R.top, R.right - R.left, R.bottom - R.top, Target, R.left, R.top, SRCCOPY);
}

TWinSysButton* TRuzIzivForm::FindBtn(POINT P) {
  for (const auto& Button : FSysButtons) {
    if (Button->FVisible && Button->Action() >= 0 && PtInRect(&Button->FRect, P)) return Button.get();
  }
  return nullptr;
}

TWinSysButton* TRuzIzivForm::HotSysButton() const {
  for (const auto& Button : FSysButtons)
    if (Button.get() == FHotObject) return Button.get();
  return nullptr;
}

String TRuzIzivForm::GetSysBtnHint(int Action) {
  switch (Action) {
    case 0:
    case 9:
    case 62:
      return "Close";
    case 1:
    case 22:
      return "Maximize";
    case 2:
    case 23:
    case 7:
    case 60:
      return "Minimize";
    case 8:
    case 61:
      return "Restore";
    default:
      return String();
  }
}

void TRuzIzivForm::SysBtnAction(short X, short Y) {
  TWinSysButton* Button = HotSysButton();
  if (!Button) return;
  const int Code = Button->Action();
  switch (Code) {
    case 0:
      if (CheckSysmenu()) {
        if (FTimer) FTimer->SetEnabled(false);
        PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case 1:
    case 22:
      if (Button->FEnabled) Maximize();
      break;
    case 2:
    case 23:
      if (Button->FEnabled) Minimize();
      break;
    case 3:
    case 11:
    case 12:
      PopSysmenu(POINT{X + 1, Y + 1});
      break;
    case 4:
      PostMessageW(FHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case 7:
    case 60:
      MDIChildAction(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      MDIChildAction(SC_RESTORE);
      break;
    case 9:
    case 62:
      MDIChildAction(SC_CLOSE);
      break;
    default:
      // An application-defined button: the application acts on it.
      PostMessageW(FHandle, WM_SKIN_SYSBTNCLICK, static_cast<WPARAM>(Code), 0);
      break;
  }
}

HWND TRuzIzivForm::ActiveMDIChild(bool* Maximized) const {
  if (Maximized) *Maximized = false;
  if (FFormStyle != sfsMDIform || !FMDIClient || !IsWindow(FMDIClient)) return nullptr;
  BOOL ChildMaximized = FALSE;
  HWND Child = reinterpret_cast<HWND>(
      SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&ChildMaximized)));
  if (Maximized) *Maximized = Child && ChildMaximized;
  return Child;
}

void TRuzIzivForm::MDIChildAction(int Command) {
  if (HWND Child = ActiveMDIChild(nullptr))
    SendMessageW(Child, WM_SYSCOMMAND, static_cast<WPARAM>(Command), 0);
}

bool TRuzIzivForm::MDIChildMax() {
  bool Maximized = false;
  ActiveMDIChild(&Maximized);
  return Maximized;
}

void TRuzIzivForm::Maximize() {
  if (FWindowState == swsMax) {
    Restore();
    return;
  }
  if (FFormStyle == sfsMDIChild) FormSkinShared.MDIChildMaximized = true;
  FWindowState = swsMax;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotObject = nullptr;
}

void TRuzIzivForm::Minimize() {
  if (FWindowState == swsMin) {
    Restore();
    return;
  }
  FWindowState = swsMin;
  UpdateStyle(false);
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TRuzIzivForm::Restore() {
  FWindowState = swsNormal;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TRuzIzivForm::RestoreMDI() {
  if (HWND Child = ActiveMDIChild(nullptr))
    SendMessageW(FMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(Child), 0);
}

void TRuzIzivForm::GetIcon() {
  const int Cx = GetSystemMetrics(SM_CXSMICON);
  const int Cy = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap = std::make_unique<TBitmap>(Cx, Cy, pf16bit);
  TCanvas* Surface = FIconBitmap->Canvas();
  Surface->Brush()->SetColor(clFuchsia);
  Surface->FillRect(RECT{0, 0, Cx, Cy});
  FIconSize = Cx;
  FIcon = FHandle ? reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_SMALL, 0)) : nullptr;
  if (!FIcon && FHandle) FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_BIG, 0));
  // Scaled by the drawing call itself, so no icon copy has to be made and freed.
  if (FIcon) DrawIconEx(Surface->Handle(), 0, 0, FIcon, Cx, Cy, 0, nullptr, DI_NORMAL);
}

void TRuzIzivForm::DrawIcon(HDC DC, const RECT& R) {
  if (!DC) return;
  HICON Icon = nullptr;
  if (HWND App = SkinApplicationWindow()) {
    Icon = reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_SMALL, 0));
    if (!Icon) Icon = reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_BIG, 0));
  }
  if (!Icon) {
    if (FIconBitmap && !FIconBitmap->Empty()) DrawTranmap(DC, R, FIconBitmap.get(), clFuchsia);
    return;
  }
  const int Size = FIconSize > 0 ? FIconSize : GetSystemMetrics(SM_CXSMICON);
  DrawIconEx(DC, R.left, R.top, Icon, Size, Size, 0, nullptr, DI_NORMAL);
}
