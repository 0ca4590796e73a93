// The skinned menu bar: its buttons built from the window's menu (and the framework's main menu when
// the window is a form), laid out in the band below the caption from the skin's MenuBar element,
// painted off-screen in one piece, and each button repainted on its own for hover and press.
#include <windows.h>

#include <algorithm>
#include <cstddef>

#include "framework/core/TypInfo.h"
#include "framework/win/app/Screen.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"

namespace {

constexpr int kOffsetWithoutElement = 6;  // first caption's distance from the band's edge
constexpr int kNarrowBandOffset = 12;
constexpr int kLeftGap = 4;   // added to the element's left margin
constexpr int kRightGap = 8;  // added to its right margin for a right-to-left bar
constexpr int kCaptionPadding = 10;
constexpr int kMaxItemText = 80;
constexpr int kMenuBarFrames = 2;  // active and inactive window, stacked
constexpr int kVisibilityMenuBar = 100;
constexpr int kMDIButtonGap = 5;  // between the captions and the MDI buttons of a right-to-left bar

LPCWSTR Wide(const WideString& Text) {
  return reinterpret_cast<LPCWSTR>(Text.c_str());
}

TDataSkinObject* MenuBarElement(TSkinData* Data) {
  if (!Data || !Data->MenuBar || !Data->MenuBar->Bitmap || Data->MenuBar->Bitmap->Empty()) return nullptr;
  return Data->MenuBar.get();
}

// Platforms whose native menu bar cannot be read item by item the usual way.
bool OlderPlatform() {
  const DWORD Version = GetVersion();
  const bool NT = (Version & 0x80000000u) == 0;
  const int Major = LOBYTE(LOWORD(Version));
  const int Minor = HIBYTE(LOWORD(Version));
  return (NT && Major < 5) || (Major == 4 && Minor == 0);
}

struct TNativeItem {
  UINT State = 0;
  UINT Id = 0;
  UINT Type = 0;
  HMENU SubMenu = nullptr;
  WideString Text;
};

bool ReadItem(HMENU Menu, int Position, TNativeItem& Item) {
  wchar_t Buffer[kMaxItemText + 1] = {};
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
  Info.dwTypeData = Buffer;
  Info.cch = kMaxItemText + 1;
  if (!GetMenuItemInfoW(Menu, static_cast<UINT>(Position), TRUE, &Info)) return false;
  Item.State = Info.fState;
  Item.Id = Info.wID;
  Item.Type = Info.fType;
  Item.SubMenu = Info.hSubMenu;
  Buffer[kMaxItemText] = 0;
  Item.Text = WideString(reinterpret_cast<const char16_t*>(Buffer));
  return true;
}

void FillSolid(HDC DC, const RECT& R, COLORREF Color) {
  TGdiBrush Brush(CreateSolidBrush(Color));
  if (Brush) FillRect(DC, &R, Brush.Get());
}

}  // namespace

TRuzIzivMenu::TRuzIzivMenu(TRuzIzivForm* FormSkin, TSkinData* SkinData)
    : TComponent(FormSkin),
      FSkinData(SkinData),
      FFormSkin(FormSkin),
      FBackground(std::make_unique<TBitmap>()) {}

TRuzIzivMenu::~TRuzIzivMenu() {
  SetMainMenu(nullptr);
  FreeButtons();
}

void TRuzIzivMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent || AComponent != FMenu) return;
  // The main menu goes with its native bar and sub-menus: nothing of it may be used again.
  FMenu = nullptr;
  FMenuHandle = nullptr;
  for (auto& Button : FButtons) {
    Button->FItem = nullptr;
    Button->FSubMenu = nullptr;
  }
  if (FFormSkin && FFormSkin->FMenuLoop)
    FRebuildPending = true;
  else
    FreeButtons();
}

void TRuzIzivMenu::SetMainMenu(TMainMenu* Menu) {
  if (Menu == FMenu) return;
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = Menu;
  if (FMenu) FMenu->FreeNotification(this);
}

void TRuzIzivMenu::FreeButtons() {
  // Each button lets go of the form's FHotObject itself when it is the hot one.
  FButtons.clear();
  FCount = 0;
}

void TRuzIzivMenu::RemoveNativeBar() {
  if (FFormSkin && FFormSkin->FHandle && GetMenu(FFormSkin->FHandle)) SetMenu(FFormSkin->FHandle, nullptr);
}

bool TRuzIzivMenu::Rebuilding() {
  // The menu loop refers to the buttons by index and keeps their sub-menus open.
  if (FFormSkin && FFormSkin->FMenuLoop) {
    FRebuildPending = true;
    return true;
  }
  FRebuildPending = false;
  return false;
}

void TRuzIzivMenu::UpdataBtn() {
  if (OlderPlatform() && FMenu) {
    UpdataBtn1();
    return;
  }
  if (Rebuilding() || !FFormSkin) return;
  const HWND Wnd = FFormSkin->FHandle;
  if (HMENU Current = Wnd ? GetMenu(Wnd) : nullptr) FMenuHandle = Current;
  if (FFormSkin->FForm) {
    auto* Form = dynamic_cast<TCustomForm*>(FFormSkin->FForm);
    TMainMenu* Main = Form ? Form->Menu() : nullptr;
    if (!Main) {
      // No main menu any more: no button may keep referring to the old one.
      SetMainMenu(nullptr);
      FreeButtons();
      return;
    }
    SetMainMenu(Main);
    if (!FMenuHandle && Main->Items()->HandleAllocated()) FMenuHandle = Main->Handle();
  }
  FreeButtons();
  if (!FMenuHandle || !IsMenu(FMenuHandle)) {
    FMenuHandle = nullptr;
    return;
  }
  const int Count = GetMenuItemCount(FMenuHandle);
  for (int I = 0; I < Count; ++I) {
    TNativeItem Native;
    if (!ReadItem(FMenuHandle, I, Native)) continue;
    auto Button = std::make_unique<TMenuBtn>(FFormSkin, FSkinData, static_cast<int>(FButtons.size()));
    Button->FSubMenu = Native.SubMenu;
    Button->FItemEnabled = (Native.State & (MFS_GRAYED | MFS_DISABLED)) ? 0 : 1;
    Button->FVisible = 1;
    Button->FCommand = Native.Id;
    Button->FCaption = Native.Text;
    if (FMenu) {
      if (TMenuItem* Item = FMenu->FindItem(Native.Id)) {
        Button->FCaption = GetWideStrProp(Item, "Caption");
        Button->FItemEnabled = Item->Enabled() ? 1 : 0;
        Button->FItem = Item;
        Button->FSubMenu = Item->Count() > 0 ? Item->Handle() : nullptr;
      }
    }
    FButtons.push_back(std::move(Button));
  }
  FCount = static_cast<int>(FButtons.size());
  RemoveNativeBar();
}

void TRuzIzivMenu::UpdataBtn1() {
  if (Rebuilding() || !FFormSkin) return;
  FreeButtons();
  if (FMenu) {
    TMenuItem* Root = FMenu->Items();
    for (int I = 0; I < Root->Count(); ++I) {
      TMenuItem* Item = Root->Items(I);
      auto Button = std::make_unique<TMenuBtn>(FFormSkin, FSkinData, static_cast<int>(FButtons.size()));
      Button->FVisible = Item->Visible() ? 1 : 0;
      Button->FItemEnabled = Item->Enabled() ? 1 : 0;
      Button->FCommand = Item->Command();
      Button->FCaption = GetWideStrProp(Item, "Caption");
      Button->FItem = Item;
      Button->FSubMenu = Item->Count() > 0 ? Item->Handle() : nullptr;
      FButtons.push_back(std::move(Button));
    }
  }
  FCount = static_cast<int>(FButtons.size());
  RemoveNativeBar();
}

void TRuzIzivMenu::UpdataBtn3() {
  UpdataBtn1();
  if (FFormSkin) FFormSkin->FHotObject = nullptr;
}

void TRuzIzivMenu::UpdataBtn2(HMENU Menu) {
  if (Rebuilding() || !FFormSkin || !Menu || !IsMenu(Menu)) return;
  FMenuHandle = Menu;
  FreeButtons();
  const int Count = GetMenuItemCount(Menu);
  for (int I = 0; I < Count; ++I) {
    TNativeItem Native;
    if (!ReadItem(Menu, I, Native)) continue;
    auto Button = std::make_unique<TMenuBtn>(FFormSkin, FSkinData, static_cast<int>(FButtons.size()));
    Button->FSubMenu = Native.SubMenu;
    Button->FItemEnabled = (Native.State & (MFS_GRAYED | MFS_DISABLED)) ? 0 : 1;
    Button->FVisible = 1;
    Button->FCommand = Native.Id;
    Button->FCaption = Native.Text;
    // The framework item only stands in for a native item without text (an MDI child's menu).
    if (FMenu && Native.Text.empty()) {
      if (TMenuItem* Item = FMenu->FindItem(Native.Id)) {
        Button->FCaption = GetWideStrProp(Item, "Caption");
        Button->FItemEnabled = Item->Enabled() ? 1 : 0;
        Button->FItem = Item;
        Button->FCommand = Item->Command();
        Button->FSubMenu = Item->Count() > 0 ? Item->Handle() : nullptr;
      }
    }
    FButtons.push_back(std::move(Button));
  }
  FCount = static_cast<int>(FButtons.size());
  RemoveNativeBar();
  SetMenuRect();
}

TMenuBtn* TRuzIzivMenu::ButtonAt(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FButtons.size())) return nullptr;
  return FButtons[static_cast<std::size_t>(Index)].get();
}

UINT TRuzIzivMenu::Copymenu(HMENU Menu, HMENU) {
  UINT Last = 0;
  const int Count = Menu ? GetMenuItemCount(Menu) : 0;
  for (int I = 0; I < Count; ++I) Last = GetMenuItemID(Menu, I);
  return Last;
}

bool TRuzIzivMenu::IsRightToLeft() const {
  if (FMenu) return FMenu->IsRightToLeft();
  if (!FMenuHandle || GetMenuItemCount(FMenuHandle) <= 0) return false;
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_FTYPE;
  return GetMenuItemInfoW(FMenuHandle, 0, TRUE, &Info) && (Info.fType & MFT_RIGHTORDER);
}

HFONT TRuzIzivMenu::MenuFont() {
  if (Screen && Screen->MenuFont()) return Screen->MenuFont()->Handle();
  if (!FOwnMenuFont) {
    FOwnMenuFont = std::make_unique<TFont>();
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, Metrics.cbSize, &Metrics, 0))
      if (HFONT Font = CreateFontIndirectW(&Metrics.lfMenuFont)) FOwnMenuFont->SetHandle(Font);
  }
  return FOwnMenuFont->Handle();
}

int TRuzIzivMenu::StartOffset(const RECT& M) const {
  const TDataSkinObject* Element = MenuBarElement(FSkinData);
  if (!Element) return kOffsetWithoutElement;
  const int Offset = IsRightToLeft() ? Element->Margins.right + kRightGap : Element->Margins.left + kLeftGap;
  return M.right - M.left < Offset ? kNarrowBandOffset : Offset;
}

void TRuzIzivMenu::Layout(const RECT& M, HDC DC, int Offset) {
  const bool RightToLeft = IsRightToLeft();
  int X = RightToLeft ? (M.right - M.left) - Offset : Offset;
  for (auto& Button : FButtons) {
    if (!Button->FVisible) {
      Button->FRect = RECT{0, 0, 0, 0};
      continue;
    }
    RECT Text{0, 0, 0, 0};
    if (DC && !Button->FCaption.empty())
      DrawTextW(DC, Wide(Button->FCaption), static_cast<int>(Button->FCaption.size()), &Text,
                DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    int Width = Text.right - Text.left;
    if (Width > 0) Width += kCaptionPadding;
    if (RightToLeft) {
      Button->FRect = RECT{M.left + X - Width, M.top, M.left + X, M.bottom - 1};
      X -= Width;
    } else {
      Button->FRect = RECT{M.left + X, M.top, M.left + X + Width, M.bottom - 1};
      X += Width;
    }
  }
}

void TRuzIzivMenu::SetMenuRect() {
  if (!FFormSkin || !FFormSkin->FHandle) return;
  RECT Window{};
  int Width = FFormSkin->FWindowWidth;
  if (GetWindowRect(FFormSkin->FHandle, &Window)) Width = Window.right - Window.left;
  const RECT M{FFormSkin->FLeftWidth, FFormSkin->FTitleHeight, Width - FFormSkin->FRightWidth,
               FFormSkin->FTitleHeight + FFormSkin->FMenuHeight};
  if (M.right <= M.left || M.bottom <= M.top || !BG) return;
  HDC DC = BG->Canvas()->Handle();
  TSelectObject Font(DC, MenuFont());
  Layout(M, DC, StartOffset(M));
}

void TRuzIzivMenu::DrawCaption(HDC DC, const TMenuBtn& Button, const RECT& R) {
  if (Button.FCaption.empty() || !FSkinData) return;
  const TColor Color = FSkinData->Colors[Button.FItemEnabled ? csMenuBarText : csButtonShadow];
  SetTextColor(DC, ColorToRGB(Color));
  SetBkMode(DC, TRANSPARENT);
  UINT Flags = DT_CENTER | DT_EXPANDTABS;
  if (IsRightToLeft()) Flags |= DT_RTLREADING;
  const int Length = static_cast<int>(Button.FCaption.size());
  RECT T = R;
  DrawTextW(DC, Wide(Button.FCaption), Length, &T, Flags | DT_CALCRECT);
  const int TextW = T.right - T.left, TextH = T.bottom - T.top;
  RECT Place{R.left + (R.right - R.left - TextW) / 2, 0, 0, 0};
  Place.right = Place.left + TextW;
  Place.top = R.top + (R.bottom - R.top - TextH) / 2 - 1;
  Place.bottom = Place.top + TextH;
  DrawTextW(DC, Wide(Button.FCaption), Length, &Place, Flags);
}

void TRuzIzivMenu::DrawMenu(HDC DC, const RECT& M) {
  const int W = M.right - M.left, H = M.bottom - M.top;
  if (!DC || W <= 0 || H <= 0 || !BG || !FSkinData || !FFormSkin) return;
  BG->SetSize(W, H);
  TCanvas* Canvas = BG->Canvas();
  HDC B = Canvas->Handle();
  const RECT All{0, 0, W, H};
  if (TDataSkinObject* Element = MenuBarElement(FSkinData)) {
    const int Frame = FFormSkin->FActive ? 1 : 2;
    if (Element->Tile == 1)
      DrawRect2(B, All, Element->Bitmap.get(), Element->Margins, Frame, kMenuBarFrames, 0, 0, 1);
    else
      DrawRectTile(Canvas, All, Element->Bitmap.get(), Element->Margins, Frame, kMenuBarFrames, 0, 1);
  } else {
    FillSolid(B, All, ColorToRGB(FSkinData->Colors[csMenuBar]));
  }
  FMenuRect = M;
  FBackground->SetSize(W, H);
  BitBlt(FBackground->Canvas()->Handle(), 0, 0, W, H, B, 0, 0, SRCCOPY);

  const bool MDIMax = FFormSkin->FFormStyle == sfsMDIform && FFormSkin->MDIChildMax();
  int Offset = StartOffset(M);
  if (MDIMax && IsRightToLeft()) {
    // The captions end left of the MDI buttons that share the band.
    for (const auto& Sys : FFormSkin->FSysButtons) {
      if (!Sys->FVisible || Sys->Empty() || Sys->FData->Visibility != kVisibilityMenuBar) continue;
      Offset = std::max(Offset, static_cast<int>(M.right - Sys->FRect.left) + kMDIButtonGap);
    }
  }
  {
    TSelectObject Font(B, MenuFont());
    FDrawing = true;
    Layout(M, B, Offset);
    for (const auto& Button : FButtons) {
      if (!Button->FVisible) continue;
      RECT R = Button->FRect;
      OffsetRect(&R, -M.left, -M.top);
      R.bottom -= 1;
      DrawCaption(B, *Button, R);
    }
    FDrawing = false;
  }

  if (MDIMax) {
    for (const auto& Sys : FFormSkin->FSysButtons) {
      if (!Sys->FVisible || Sys->Empty() || Sys->FData->Visibility != kVisibilityMenuBar) continue;
      RECT R = Sys->FRect;
      OffsetRect(&R, -FFormSkin->FLeftWidth, -FFormSkin->FTitleHeight);
      DrawRect1(B, R, Sys->FData->Bitmap.get(), 1, Sys->FrameCount(), 1);
    }
    if (!FormSkinShared.MDIChildMaximized) FormSkinShared.MDIChildMaximized = true;
  }
  BitBlt(DC, M.left, M.top, W, H, B, 0, 0, SRCCOPY);
}

void TRuzIzivMenu::DrawButton(TMenuBtn& Button) {
  if (!FFormSkin || !FFormSkin->FHandle || !FSkinData) return;
  if (FFormSkin->FSkinState != kSkinActive && FFormSkin->FSkinState != kSkinChanging) return;
  const RECT& R = Button.FRect;
  const int W = R.right - R.left, H = FMenuRect.bottom - FMenuRect.top;
  if (W <= 0 || H <= 0 || FBackground->Empty()) return;
  TWholeWindowDC Window(FFormSkin->FHandle);
  HDC DC = Window.Get();
  if (!DC) return;
  BitBlt(DC, R.left, FMenuRect.top, W, H, FBackground->Canvas()->Handle(), R.left - FMenuRect.left, 0,
         SRCCOPY);
  if (Button.FState == kNCHot || Button.FState == kNCPressed) {
    TGdiBrush Frame(CreateSolidBrush(ColorToRGB(FSkinData->Colors[csButtonHilight])));
    if (Frame) FrameRect(DC, &R, Frame.Get());
  }
  TSelectObject Font(DC, MenuFont());
  RECT Text = R;
  Text.bottom -= 1;
  DrawCaption(DC, Button, Text);
}

TMenuBtn* TRuzIzivMenu::FindBtn(POINT P) {
  for (const auto& Button : FButtons)
    if (!Button->FCaption.empty() && PtInRect(&Button->FRect, P)) return Button.get();
  return nullptr;
}

void TMenuBtn::Draw() {
  if (FForm && FForm->FSkinMenu) FForm->FSkinMenu->DrawButton(*this);
}
