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
  wchar_t buffer[kMaxItemText + 1] = {};
  const int length = GetMenuStringW(Menu, Position, buffer, kMaxItemText + 1, MF_BYPOSITION);
  if (length <= 0) return String();
  // Captions of framework menu items are the framework's own (UTF-8) text, whatever the code page.
  return WStringToUtf8(std::wstring_view(buffer, static_cast<std::size_t>(length)));
}

}  // namespace

void TRuzIzivForm::FreeSysPopup() {
  delete FSysPopup;
  FSysPopup = nullptr;
}

// A new, empty popup for the system menu, drawn by the skinned menu-item
// painters.
static TPopupMenu* NewSysPopup(TRuzIzivForm& Form) {
  auto* popup = new TPopupMenu(&Form);
  popup->SetTag(kSysPopupTag);
  popup->SetOwnerDraw(true);
  // The list stays the skin data's: the popup only borrows it (and forgets it if it goes first).
  if (Form.FSkinData && Form.FSkinData->MenuImages && Form.FSkinData->MenuImages->HandleAllocated())
    popup->SetImages(Form.FSkinData->MenuImages.get());
  return popup;
}

static TMenuItem* AddPopupItem(TRuzIzivForm& Form, TPopupMenu& Popup, const String& Caption, int Tag,
                               TNotifyEvent OnClick) {
  auto* item = new TMenuItem(nullptr);  // owned by the popup's item tree
  item->SetCaption(Caption);
  item->SetTag(Tag);
  item->OnClick = OnClick;
  item->OnDrawItem = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(&Form);
  item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(&Form);
  Popup.Items()->Add(item);
  return item;
}

void TRuzIzivForm::AddSysMenuitem(const String& Caption, int Tag) {
  if (!FSysPopup) return;
  TMenuItem* item =
      AddPopupItem(*this, *FSysPopup, Caption, Tag, TNotifyEvent::Bind<&TRuzIzivForm::DoSysMenu>(this));
  item->SetImageIndex(Tag == kOldSeparator ? -1 : Tag);
}

void TRuzIzivForm::CreateSysmenu() {
  FreeSysPopup();
  FSysPopup = NewSysPopup(*this);
  AddSysMenuitem(" Restore ", kOldRestore);
  if (FBorderIcons.Contains(sbiMax)) AddSysMenuitem(" Maximize ", kOldMaximize);
  if (FBorderIcons.Contains(sbiMin)) AddSysMenuitem(" Minimize ", kOldMinimize);
  AddSysMenuitem("-", kOldSeparator);
  AddSysMenuitem(" Close ", kOldClose);
  TMenuItem* close = FSysPopup->Items()->Items(FSysPopup->Items()->Count() - 1);
  close->SetShortCut(TextToShortCut("ALT+F4"));
}

void TRuzIzivForm::CreateSysmenu2() {
  FreeSysPopup();
  if (IsOldNT()) {
    CreateSysmenu();
    return;
  }
  HMENU system = FSysMenu ? FSysMenu : (FHandle ? GetSystemMenu(FHandle, FALSE) : nullptr);
  if (!system || !IsMenu(system)) return;
  FSysPopup = NewSysPopup(*this);
  // Sizing and maximising follow the window as it is now, by the platform's own rules: a sizing
  // frame, a maximise box. The platform's menu states are only brought up to date when it opens that
  // menu itself, which it never does here.
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  const bool zoomed = IsZoomed(FHandle) || FWindowState == swsMax;
  const bool iconic = IsIconic(FHandle) || FWindowState == swsMin;
  const int count = GetMenuItemCount(system);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID;
    if (!GetMenuItemInfoW(system, static_cast<UINT>(i), TRUE, &info)) continue;
    const String text = MenuText(system, static_cast<UINT>(i));
    const String caption = text.empty() ? String("-") : text;
    TMenuItem* item = AddPopupItem(*this, *FSysPopup, caption, static_cast<int>(info.wID),
                                   TNotifyEvent::Bind<&TRuzIzivForm::DoSysMenu2>(this));
    bool enabled = true;
    switch (info.wID & 0xFFF0) {
      case SC_SIZE:
        enabled = (style & WS_THICKFRAME) && !zoomed && !iconic;
        break;
      case SC_MOVE:
        enabled = !zoomed;
        break;
      case SC_MINIMIZE:
        item->SetImageIndex(kImageMinimize);
        enabled = !iconic && (style & WS_MINIMIZEBOX);
        break;
      case SC_MAXIMIZE:
        item->SetImageIndex(kImageMaximize);
        enabled = !zoomed && (style & WS_MAXIMIZEBOX);
        break;
      case SC_CLOSE:
        item->SetImageIndex(kImageClose);
        break;
      case SC_RESTORE:
        item->SetImageIndex(kImageRestore);
        enabled = FWindowState != swsNormal;
        break;
      default:
        break;
    }
    // The platform's own grey state (MFS_DISABLED, both bits) wins.
    if ((info.fState & MFS_DISABLED) == MFS_DISABLED) enabled = false;
    item->SetEnabled(enabled);
    if (info.fState & MFS_CHECKED) item->SetChecked(true);
  }
}

bool TRuzIzivForm::CheckSysmenu() {
  if (IsOldNT() || IsWin9x()) return true;
  HMENU system = FSysMenu ? FSysMenu : (FHandle ? GetSystemMenu(FHandle, FALSE) : nullptr);
  return system && GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TRuzIzivForm::PopSysmenu(POINT P) {
  if (FormSkinShared.ServesModule) return;
  const DWORD now = GetTickCount();
  if (FLastSysPopup == 0 || now - FLastSysPopup > FDblClickTime) {
    FormSkinShared.MenuSource = 2;
    FLastSysPopup = now;
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
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  switch (item->Tag()) {
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
  if (auto* item = dynamic_cast<TMenuItem*>(Sender))
    PostMessageW(FHandle, WM_SYSCOMMAND, static_cast<WPARAM>(item->Tag()), 0);
}
