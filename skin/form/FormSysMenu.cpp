// The skinned system menu: an owner-drawn popup built from the window's own
// system menu (or, on old platforms, from fixed items), with the skin's four
// menu glyphs, whose items post the window the matching system command.
#include <windows.h>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/menus/ShortCuts.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinUnit.h"

namespace {

constexpr std::intptr_t kSysPopupTag = 0x8235;
constexpr int kMaxItemText = 80;

// Glyphs of the skin's menu image list ("PELAGONMENU"), from the left.
constexpr int kImageRestore = 0;
constexpr int kImageMaximize = 1;
constexpr int kImageMinimize = 2;
constexpr int kImageClose = 3;

// Tags of the fixed items of old platforms (also their image indexes).
constexpr int kOldRestore = 0;
constexpr int kOldMaximize = 1;
constexpr int kOldMinimize = 2;
constexpr int kOldClose = 3;
constexpr int kOldSeparator = 100;

DWORD PlatformVersion() {
  return WinVersion ? WinVersion : GetVersion();
}
bool IsWin9x() {
  return PlatformVersion() >= 0x80000000u;
}
bool IsOldNT() {
  return !IsWin9x() && LOBYTE(LOWORD(PlatformVersion())) < 5;
}

String MenuText(HMENU Menu, UINT Position) {
  wchar_t Buffer[kMaxItemText + 1] = {};
  const int Length = GetMenuStringW(Menu, Position, Buffer, kMaxItemText + 1, MF_BYPOSITION);
  if (Length <= 0) return String();
  // Captions of framework menu items are the framework's own (UTF-8) text, whatever the code page.
  return WStringToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length)));
}

}  // namespace

void TRuzIzivForm::FreeSysPopup() {
  delete FSysPopup;
  FSysPopup = nullptr;
}

// A new, empty popup for the system menu, drawn by the skinned menu-item
// painters.
static TPopupMenu* NewSysPopup(TRuzIzivForm& Form) {
  auto* Popup = new TPopupMenu(&Form);
  Popup->SetTag(kSysPopupTag);
  Popup->SetOwnerDraw(true);
  // The list stays the skin data's: the popup only borrows it (and forgets it if it goes first).
  if (Form.FSkinData && Form.FSkinData->MenuImages && Form.FSkinData->MenuImages->HandleAllocated())
    Popup->SetImages(Form.FSkinData->MenuImages.get());
  return Popup;
}

static TMenuItem* AddPopupItem(TRuzIzivForm& Form, TPopupMenu& Popup, const String& Caption, int Tag,
                               TNotifyEvent OnClick) {
  auto* Item = new TMenuItem(nullptr);  // owned by the popup's item tree
  Item->SetCaption(Caption);
  Item->SetTag(Tag);
  Item->OnClick = OnClick;
  Item->OnDrawItem = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(&Form);
  Item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&Form);
  Popup.Items()->Add(Item);
  return Item;
}

void TRuzIzivForm::AddSysMenuitem(const String& Caption, int Tag) {
  if (!FSysPopup) return;
  TMenuItem* Item =
      AddPopupItem(*this, *FSysPopup, Caption, Tag, TNotifyEvent::Bind<&TRuzIzivForm::DoSysMenu>(this));
  Item->SetImageIndex(Tag == kOldSeparator ? -1 : Tag);
}

void TRuzIzivForm::CreateSysmenu() {
  FreeSysPopup();
  FSysPopup = NewSysPopup(*this);
  AddSysMenuitem(" Restore ", kOldRestore);
  if (FBorderIcons.Contains(sbiMax)) AddSysMenuitem(" Maximize ", kOldMaximize);
  if (FBorderIcons.Contains(sbiMin)) AddSysMenuitem(" Minimize ", kOldMinimize);
  AddSysMenuitem("-", kOldSeparator);
  AddSysMenuitem(" Close ", kOldClose);
  TMenuItem* CloseItem = FSysPopup->Items()->Items(FSysPopup->Items()->Count() - 1);
  CloseItem->SetShortCut(TextToShortCut("ALT+F4"));
}

void TRuzIzivForm::CreateSysmenu2() {
  FreeSysPopup();
  if (IsOldNT()) {
    CreateSysmenu();
    return;
  }
  HMENU System = FSysMenu ? FSysMenu : (FHandle ? GetSystemMenu(FHandle, FALSE) : nullptr);
  if (!System || !IsMenu(System)) return;
  FSysPopup = NewSysPopup(*this);
  // Sizing and maximising follow the window as it is now, by the platform's own rules: a sizing
  // frame, a maximise box. The platform's menu states are only brought up to date when it opens that
  // menu itself, which it never does here.
  const LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  const bool Zoomed = IsZoomed(FHandle) || FWindowState == swsMax;
  const bool Iconic = IsIconic(FHandle) || FWindowState == swsMin;
  const int Count = GetMenuItemCount(System);
  for (int I = 0; I < Count; ++I) {
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = MIIM_STATE | MIIM_ID;
    if (!GetMenuItemInfoW(System, static_cast<UINT>(I), TRUE, &Info)) continue;
    const String Text = MenuText(System, static_cast<UINT>(I));
    const String Caption = Text.empty() ? String("-") : Text;
    TMenuItem* Item = AddPopupItem(*this, *FSysPopup, Caption, static_cast<int>(Info.wID),
                                   TNotifyEvent::Bind<&TRuzIzivForm::DoSysMenu2>(this));
    bool Enabled = true;
    switch (Info.wID & 0xFFF0) {
      case SC_SIZE:
        Enabled = (Style & WS_THICKFRAME) && !Zoomed && !Iconic;
        break;
      case SC_MOVE:
        Enabled = !Zoomed;
        break;
      case SC_MINIMIZE:
        Item->SetImageIndex(kImageMinimize);
        Enabled = !Iconic && (Style & WS_MINIMIZEBOX);
        break;
      case SC_MAXIMIZE:
        Item->SetImageIndex(kImageMaximize);
        Enabled = !Zoomed && (Style & WS_MAXIMIZEBOX);
        break;
      case SC_CLOSE:
        Item->SetImageIndex(kImageClose);
        break;
      case SC_RESTORE:
        Item->SetImageIndex(kImageRestore);
        Enabled = FWindowState != swsNormal;
        break;
      default:
        break;
    }
    // The platform's own grey state (MFS_DISABLED, both bits) wins.
    if ((Info.fState & MFS_DISABLED) == MFS_DISABLED) Enabled = false;
    Item->SetEnabled(Enabled);
    if (Info.fState & MFS_CHECKED) Item->SetChecked(true);
  }
}

bool TRuzIzivForm::CheckSysmenu() {
  if (IsOldNT() || IsWin9x()) return true;
  HMENU System = FSysMenu ? FSysMenu : (FHandle ? GetSystemMenu(FHandle, FALSE) : nullptr);
  return System && GetMenuState(System, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TRuzIzivForm::PopSysmenu(POINT P) {
  if (FormSkinShared.ServesModule) return;
  const DWORD Now = GetTickCount();
  if (FLastSysPopup == 0 || Now - FLastSysPopup > FDblClickTime) {
    FormSkinShared.MenuSource = 2;
    FLastSysPopup = Now;
    CreateSysmenu2();
    if (FSysPopup) FSysPopup->Popup(P.x, P.y);
  } else if (FHotObject) {
    // A second click within the double-click time on a caption button closes
    // the window.
    if (FTimer) FTimer->SetEnabled(false);
    PostMessageW(FHandle, WM_CLOSE, 0, 0);
  }
}

void TRuzIzivForm::DoSysMenu(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item) return;
  switch (Item->Tag()) {
    case kOldRestore:
      Restore();
      break;
    case kOldMaximize:
      Maximize();
      break;
    case kOldMinimize:
      Minimize();
      break;
    case kOldClose:
      if (FTimer) FTimer->SetEnabled(false);
      PostMessageW(FHandle, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
}

void TRuzIzivForm::DoSysMenu2(TObject* Sender) {
  if (auto* Item = dynamic_cast<TMenuItem*>(Sender))
    PostMessageW(FHandle, WM_SYSCOMMAND, static_cast<WPARAM>(Item->Tag()), 0);
}
