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
  for (const auto& record : FSkinData->SysButtons) {
    if (!record) continue;
    TWinSysButtonPtr button(new TWinSysButton(this, record.get()));
    button->FEnabled = 1;
    FSysButtons.push_back(std::move(button));
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
  TWinSysButton* button = FSysButtons[static_cast<std::size_t>(Index)].get();
  if (!button || !button->FData) return false;
  const TDataSkinSysButton& data = *button->FData;
  const skin::TCaptionButtonState State =
      skin::CaptionButtonState(CaptionWindow(), data.Action, data.Visibility, data.Visibility1);
  if (data.Action == skin::action::kMaximise || data.Action == skin::action::kMinimise)
    button->FEnabled = State.Enabled ? 1 : 0;
  button->FVisible = State.Visible ? 1 : 0;
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
  for (int i = 0; i < static_cast<int>(FSysButtons.size()); ++i) {
    TWinSysButton* button = FSysButtons[static_cast<std::size_t>(i)].get();
    if (!SysBtnVisible(i) || button->Empty()) continue;
    const TDataSkinSysButton& data = *button->FData;
    const SIZE size = button->FrameSize();
    const skin::TCaptionPoint origin =
        skin::CaptionButtonOrigin(data.Align, data.XCoord, data.YCoord, size.cx, size.cy, Layout);
    button->FRect = RECT{origin.X, origin.Y, origin.X + size.cx, origin.Y + size.cy};
  }
}

void TRuzIzivForm::DrawAllSysbtn(TCanvas* Canvas, const RECT&) {
  if (!Canvas) return;
  HDC dc = Canvas->Handle();
  for (const auto& button : FSysButtons) {
    if (!button->FVisible || button->Empty() || button->FData->Visibility == kVisibilityMenuBar) continue;
    if (button->IsIcon()) {
      DrawIcon(dc, button->FRect);
      continue;
    }
    const int count = button->FrameCount();
    const bool normal = count < 4 || (FActive && button->FEnabled);
    DrawRect1(dc, button->FRect, button->FData->Bitmap.get(), normal ? kFrameNormal : kFrameDisabled, count,
              1);
  }
}

void TRuzIzivForm::DrawSysbtn(TWinSysButton* Button, int State) {
  if (!Button || !Button->FVisible || Button->Empty() || !FHandle) return;
  if (FSkinState != kSkinActive && FSkinState != kSkinChanging) return;
  const int count = Button->FrameCount();
  int frame = State;
  if (!Button->FEnabled) {
    frame = count < 4 ? kFrameNormal : kFrameDisabled;
  } else if (Button->FData->Visibility == kVisibilityMenuBar && State == kNCHot) {
    frame = kFrameDisabled;
  } else if (State == kNCNormal && count >= 4 && !FActive) {
    // Back to normal on an inactive window: the frame a full repaint would show.
    frame = kFrameDisabled;
  }
  if (frame > count) frame = kFrameNormal;
  TWholeWindowDC Window(FHandle);
  const HDC dc = Window.Get();
  if (!dc) return;
  const RECT& r = Button->FRect;
  const bool composed = FCaptionBack && FFrameBitmap && !FCaptionBack->Empty() && r.left >= 0 && r.top >= 0 &&
                        r.right <= FCaptionBack->Width() && r.bottom <= FCaptionBack->Height() &&
                        FFrameBitmap->Width() == FCaptionBack->Width() &&
                        FFrameBitmap->Height() == FCaptionBack->Height();
  // The strips are keyed: drawn straight over the previous state, the old frame would show through
  // their transparent pixels. The caption under the button goes back first, off-screen.
  HDC target = dc;
  if (composed) {
    target = FFrameBitmap->Canvas()->Handle();
    BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, FCaptionBack->Canvas()->Handle(),
           r.left, r.top, SRCCOPY);
  }
  if (Button->IsIcon())
    DrawIcon(target, r);
  else
    DrawRect1(target, r, Button->FData->Bitmap.get(), frame, count, 1);
  if (composed) BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, target, r.left, r.top, SRCCOPY);
}

TWinSysButton* TRuzIzivForm::FindBtn(POINT P) {
  for (const auto& button : FSysButtons) {
    if (button->FVisible && button->Action() >= 0 && PtInRect(&button->FRect, P)) return button.get();
  }
  return nullptr;
}

TWinSysButton* TRuzIzivForm::HotSysButton() const {
  for (const auto& button : FSysButtons)
    if (button.get() == FHotObject) return button.get();
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
  TWinSysButton* button = HotSysButton();
  if (!button) return;
  const int action = button->Action();
  switch (action) {
    case 0:
      if (CheckSysmenu()) {
        if (FTimer) FTimer->SetEnabled(false);
        PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case 1:
    case 22:
      if (button->FEnabled) Maximize();
      break;
    case 2:
    case 23:
      if (button->FEnabled) Minimize();
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
      PostMessageW(FHandle, WM_SKIN_SYSBTNCLICK, static_cast<WPARAM>(action), 0);
      break;
  }
}

HWND TRuzIzivForm::ActiveMDIChild(bool* Maximized) const {
  if (Maximized) *Maximized = false;
  if (FFormStyle != sfsMDIform || !FMDIClient || !IsWindow(FMDIClient)) return nullptr;
  BOOL maximized = FALSE;
  HWND child = reinterpret_cast<HWND>(
      SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  if (Maximized) *Maximized = child && maximized;
  return child;
}

void TRuzIzivForm::MDIChildAction(int Command) {
  if (HWND child = ActiveMDIChild(nullptr))
    SendMessageW(child, WM_SYSCOMMAND, static_cast<WPARAM>(Command), 0);
}

bool TRuzIzivForm::MDIChildMax() {
  bool maximized = false;
  ActiveMDIChild(&maximized);
  return maximized;
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
  if (HWND child = ActiveMDIChild(nullptr))
    SendMessageW(FMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
}

void TRuzIzivForm::GetIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap = std::make_unique<TBitmap>(cx, cy, pf16bit);
  TCanvas* canvas = FIconBitmap->Canvas();
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(RECT{0, 0, cx, cy});
  FIconSize = cx;
  FIcon = FHandle ? reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_SMALL, 0)) : nullptr;
  if (!FIcon && FHandle) FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_BIG, 0));
  // Scaled by the drawing call itself, so no icon copy has to be made and freed.
  if (FIcon) DrawIconEx(canvas->Handle(), 0, 0, FIcon, cx, cy, 0, nullptr, DI_NORMAL);
}

void TRuzIzivForm::DrawIcon(HDC DC, const RECT& R) {
  if (!DC) return;
  HICON icon = nullptr;
  if (HWND app = SkinApplicationWindow()) {
    icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  }
  if (!icon) {
    if (FIconBitmap && !FIconBitmap->Empty()) DrawTranmap(DC, R, FIconBitmap.get(), clFuchsia);
    return;
  }
  const int size = FIconSize > 0 ? FIconSize : GetSystemMetrics(SM_CXSMICON);
  DrawIconEx(DC, R.left, R.top, icon, size, size, 0, nullptr, DI_NORMAL);
}
