// The form's menus made owner-drawn and their owner-draw messages routed to the skinned item
// painters: the drop-downs of the skinned bar (native items made owner-drawn as they open), the
// framework's main and popup menus (their item events), and copies of native menus.
#include <windows.h>

#include <functional>

#include "framework/core/TypInfo.h"
#include "framework/win/app/Screen.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/SkinUnit.h"

namespace {

constexpr UINT kMaxFrameworkDefault = 4095;  // identifiers the old procedure paints itself
constexpr int kMaxItemText = 80;
constexpr int kMaxCopyText = 128;
constexpr int kMaxMenuDepth = 16;  // sub-menus nested deeper (or in a cycle) are left alone
constexpr int kTextItemExtra = 26;
constexpr int kTextItemPadding = 4;
constexpr int kEmptyItemHeight = 8;
constexpr int kNineXExtra = 4;

// A canvas on a DC it was lent (the system's), let go of before the DC goes back.
class TLentCanvas : public TCanvas {
 public:
  explicit TLentCanvas(HDC DC) { SetHandle(DC); }
  ~TLentCanvas() override { SetHandle(nullptr); }
};

HFONT ScreenMenuFont(TFont& Fallback) {
  if (Screen && Screen->MenuFont()) return Screen->MenuFont()->Handle();
  if (!Fallback.HandleAllocated()) {
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, Metrics.cbSize, &Metrics, 0))
      if (HFONT Font = CreateFontIndirectW(&Metrics.lfMenuFont)) Fallback.SetHandle(Font);
  }
  return Fallback.Handle();
}

HFONT CopyFont(HFONT Font) {
  LOGFONTW Log{};
  if (!Font || !GetObjectW(Font, sizeof Log, &Log)) return nullptr;
  return CreateFontIndirectW(&Log);
}

void UseMenuFont(TCanvas& Canvas) {
  if (Screen && Screen->MenuFont()) {
    Canvas.SetFont(Screen->MenuFont());
    return;
  }
  TFont Fallback;
  Canvas.Font()->SetHandle(CopyFont(ScreenMenuFont(Fallback)));
}

bool HasMenuItemElement(TSkinData* Data) {
  return Data && Data->MenuItem && Data->MenuItem->Bitmap && !Data->MenuItem->Bitmap->Empty();
}

// Items the old procedure paints: the small identifiers and every framework item outside the bar's
// own menu (their menus have their own handlers).
bool PaintedByDefault(UINT Id) {
  return (Id >= 1 && Id <= kMaxFrameworkDefault) || FindMenuItemByCommand(Id) != nullptr;
}

WideString NativeText(HMENU Menu, UINT Id) {
  wchar_t Buffer[kMaxItemText + 1] = {};
  if (Menu) GetMenuStringW(Menu, Id, Buffer, kMaxItemText + 1, MF_BYCOMMAND);
  return WideString(reinterpret_cast<const char16_t*>(Buffer));
}

template <class TFn>
void ForEachSubItem(TMenuItem* Item, int Depth, const TFn& Fn) {
  if (!Item || Depth > kMaxMenuDepth) return;
  for (int I = 0; I < Item->Count(); ++I) {
    TMenuItem* Sub = Item->Items(I);
    Fn(Sub);
    ForEachSubItem(Sub, Depth + 1, Fn);
  }
}

}  // namespace

void TRuzIzivForm::WMINITMENU(HMENU Menu) {
  std::function<void(HMENU, int)> Walk = [&Walk](HMENU M, int Depth) {
    if (!M || Depth > kMaxMenuDepth) return;
    const int Count = GetMenuItemCount(M);
    for (int I = 0; I < Count; ++I) {
      MENUITEMINFOW Info{};
      Info.cbSize = sizeof Info;
      Info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
      if (!GetMenuItemInfoW(M, static_cast<UINT>(I), TRUE, &Info)) continue;
      if (!(Info.fType & MFT_OWNERDRAW)) {
        Info.fMask = MIIM_FTYPE;
        Info.fType |= MFT_OWNERDRAW;
        SetMenuItemInfoW(M, static_cast<UINT>(I), TRUE, &Info);
      }
      if (Info.hSubMenu && Info.hSubMenu != M) Walk(Info.hSubMenu, Depth + 1);
    }
  };
  Walk(Menu, 0);
}

void TRuzIzivForm::WMMEASUREITEM(TMessage& Message) {
  auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  if (!Measure || Measure->CtlType != ODT_MENU || !FSkinMenu) {
    Default(Message);
    return;
  }
  if (!FForm) {
    WMMEASUREITEMH(Message);
    return;
  }
  if (SkinManager) SkinManager->SetPopMenu();
  TMenuItem* Item = FSkinMenu->FMenu ? FSkinMenu->FMenu->FindItem(Measure->itemID) : nullptr;
  if (!Item) {
    if (PaintedByDefault(Measure->itemID))
      Default(Message);
    else
      WMMEASUREITEMH(Message);
    return;
  }
  TWholeWindowDC Window(FHandle);
  const HDC DC = Window.Get();
  if (!DC) {
    Default(Message);
    return;
  }
  {
    TSaveDC Saved(DC);
    TLentCanvas Canvas(DC);
    UseMenuFont(Canvas);
    int Width = static_cast<int>(Measure->itemWidth), Height = static_cast<int>(Measure->itemHeight);
    MeasureItem(Item, &Canvas, Width, Height);
    Measure->itemWidth = static_cast<UINT>(Width > 0 ? Width : 0);
    Measure->itemHeight = static_cast<UINT>(Height > 0 ? Height : 0);
  }
  Message.Result = 1;
}

void TRuzIzivForm::WMMEASUREITEMH(TMessage& Message) {
  auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  if (!Measure) {
    Default(Message);
    return;
  }
  const WideString Text = NativeText(MenuLoop.ActivePopup, Measure->itemID);
  SIZE Size{0, 0};
  // The fallback font outlives the DC it is selected into, and is out of it again before it goes.
  TFont Fallback;
  TWholeWindowDC Window(FHandle);
  if (const HDC DC = Window.Get()) {
    TSelectObject Font(DC, ScreenMenuFont(Fallback));
    if (!Text.empty())
      GetTextExtentPoint32W(DC, reinterpret_cast<LPCWSTR>(Text.c_str()), static_cast<int>(Text.size()),
                            &Size);
  }
  int Width = Size.cx + kTextItemExtra;
  if (HasMenuItemElement(FSkinData)) Width += FSkinData->MenuItem->Margins.left;
  int Height = Text.empty() ? kEmptyItemHeight : Size.cy + kTextItemPadding;
  if (WinVersion >= 0x80000000u) Height += kNineXExtra;
  Measure->itemWidth = static_cast<UINT>(Width);
  Measure->itemHeight = static_cast<UINT>(Height);
  Message.Result = 1;
}

void TRuzIzivForm::WMDRAWITEM(TMessage& Message) {
  auto* Draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (!Draw || Draw->CtlType != ODT_MENU || !FSkinMenu) {
    Default(Message);
    return;
  }
  const DWORD Version = GetVersion();
  if (FFormStyle == sfsMDIform && (Version & 0x80000000u) == 0 && LOBYTE(LOWORD(Version)) == 4) {
    Default(Message);
    return;
  }
  if (SkinManager) {
    SkinManager->SetHMenu(reinterpret_cast<HMENU>(Draw->hwndItem));
    SkinManager->SetPopMenu();
  }
  if (FForm)
    WMDrawMenuitem(Message);
  else
    WMDrawMenuitemH(Message);
}

void TRuzIzivForm::WMDrawMenuitem(TMessage& Message) {
  auto* Draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  TMenuItem* Item = FSkinMenu && FSkinMenu->FMenu ? FSkinMenu->FMenu->FindItem(Draw->itemID) : nullptr;
  if (!Item) {
    if (PaintedByDefault(Draw->itemID))
      Default(Message);
    else
      WMDrawMenuitemH(Message);
    return;
  }
  {
    TSaveDC Saved(Draw->hDC);
    TLentCanvas Canvas(Draw->hDC);
    UseMenuFont(Canvas);
    const bool Selected = (Draw->itemState & ODS_SELECTED) != 0;
    if (HasMenuItemElement(FSkinData))
      DrawMenuItem(Item, &Canvas, Draw->rcItem, Selected);
    else
      DefaultMenuItem(Item, &Canvas, Draw->rcItem, Selected);
  }
  Message.Result = 1;
}

void TRuzIzivForm::WMDrawMenuitemH(TMessage& Message) {
  auto* Draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (!Draw) {
    Default(Message);
    return;
  }
  auto Menu = reinterpret_cast<HMENU>(Draw->hwndItem);
  std::unique_ptr<TMenuItem> Item = CreateMenuItem(Menu, static_cast<int>(Draw->itemID));
  {
    TSaveDC Saved(Draw->hDC);
    TLentCanvas Canvas(Draw->hDC);
    UseMenuFont(Canvas);
    DrawHMenuItem2(Menu, Item.get(), &Canvas, Draw->rcItem, (Draw->itemState & ODS_SELECTED) != 0);
  }
  Message.Result = 1;
}

std::unique_ptr<TMenuItem> TRuzIzivForm::CreateMenuItem(HMENU Menu, int Id) {
  auto Item = std::make_unique<TMenuItem>(nullptr);
  wchar_t Buffer[kMaxItemText + 1] = {};
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_STATE | MIIM_STRING;
  Info.dwTypeData = Buffer;
  Info.cch = kMaxItemText + 1;
  const bool Found = Menu && GetMenuItemInfoW(Menu, static_cast<UINT>(Id), FALSE, &Info);
  Buffer[kMaxItemText] = 0;
  const String Text = WStringToUtf8(Found ? std::wstring_view(Buffer) : std::wstring_view());
  Item->SetCaption(Text.empty() ? String("-") : Text);
  Item->SetEnabled(!Found || !(Info.fState & (MFS_GRAYED | MFS_DISABLED)));
  Item->SetChecked(Found && (Info.fState & MFS_CHECKED));
  return Item;
}

void TRuzIzivForm::InitMainMenu(TWinControl* Container, bool On, bool) {
  if (!Container) return;
  const auto Draw = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(this);
  const auto Measure = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(this);
  for (int I = 0; I < Container->ComponentCount(); ++I) {
    auto* Menu = dynamic_cast<TMainMenu*>(Container->Components(I));
    if (!Menu) continue;
    Menu->SetOwnerDraw(On);
    TMenuItem* Root = Menu->Items();
    for (int Top = 0; Top < Root->Count(); ++Top)
      ForEachSubItem(Root->Items(Top), 1, [&](TMenuItem* Item) {
        if (On) {
          if (!Item->OnDrawItem) {
            Item->OnDrawItem = Draw;
            Item->OnMeasureItem = Measure;
          }
        } else {
          // Only what skinning put there goes: the application's own handlers stay.
          if (Item->OnDrawItem == Draw) Item->OnDrawItem.Clear();
          if (Item->OnMeasureItem == Measure) Item->OnMeasureItem.Clear();
        }
      });
  }
}

void TRuzIzivForm::InitPopMenu(TWinControl* Container, bool On, bool Spare) {
  if (!Container || !FSkinData) return;
  if (FForm && FForm->ClassName() == "TwwRichEditForm") return;
  const auto Draw = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(this);
  const auto Measure = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(this);
  const bool Skinned = FSkinData->SkinControls.Contains(xcPopupMenu);
  for (int I = 0; I < Container->ComponentCount(); ++I) {
    TComponent* Component = Container->Components(I);
    if (Component->InheritsFrom("TCustomFrame") || dynamic_cast<TCustomForm*>(Component)) {
      if (auto* Nested = dynamic_cast<TWinControl*>(Component); Nested && Nested != Container)
        InitPopMenu(Nested, On, Spare);
      continue;
    }
    auto* Menu = dynamic_cast<TPopupMenu*>(Component);
    if (!Menu || Menu->Tag() == FSkinData->DisableTag || !Skinned) continue;
    Menu->SetOwnerDraw(On);
    ForEachSubItem(Menu->Items(), 0, [&](TMenuItem* Item) {
      if (On) {
        Item->OnDrawItem = Draw;
        if (!Item->OnMeasureItem) Item->OnMeasureItem = Measure;
      } else {
        if (Item->OnDrawItem == Draw) Item->OnDrawItem.Clear();
        if (Item->OnMeasureItem == Measure) Item->OnMeasureItem.Clear();
      }
    });
  }
}

void TRuzIzivForm::InitToolbarMenu(TMenuItem* Item, bool On) {
  if (!Item) return;
  const auto Draw = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(this);
  const auto Measure = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(this);
  auto Apply = [&](TMenuItem* It) {
    if (On) {
      It->OnDrawItem = Draw;
      It->OnMeasureItem = Measure;
    } else if (It->OnDrawItem == Draw) {
      It->OnDrawItem.Clear();
    }
  };
  Apply(Item);
  ForEachSubItem(Item, 0, Apply);
}

void TRuzIzivForm::UpdateMainMenu() {
  if (!FSkinMenu) return;
  FSkinMenu->UpdataBtn();
  if (FSkinMenu->FRebuildPending || !FHandle || !IsWindow(FHandle)) return;
  if (GetWindowRect(FHandle, &FWindowRect)) {
    FWindowWidth = FWindowRect.right - FWindowRect.left;
    FWindowHeight = FWindowRect.bottom - FWindowRect.top;
  }
  if ((FSkinState != kSkinActive && FSkinState != kSkinChanging) || FBorderStyle == sbsNone ||
      FMenuHeight <= 0 || IsMaximizedMDIChild())
    return;
  TWholeWindowDC Window(FHandle);
  if (!Window) return;
  FSkinMenu->DrawMenu(Window.Get(),
                      RECT{FLeftWidth, FTitleHeight, FWindowWidth - FRightWidth, FTitleHeight + FMenuHeight});
}

HMENU CopyHMenu(HMENU Menu) {
  if (!Menu || !IsMenu(Menu)) return nullptr;
  HMENU Copy = CreatePopupMenu();
  if (!Copy) return nullptr;
  const int Count = GetMenuItemCount(Menu);
  for (int I = 0; I < Count; ++I) {
    wchar_t Buffer[kMaxCopyText + 1] = {};
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    Info.dwTypeData = Buffer;
    Info.cch = kMaxCopyText + 1;
    if (!GetMenuItemInfoW(Menu, static_cast<UINT>(I), TRUE, &Info)) continue;
    Buffer[kMaxCopyText] = 0;
    Info.dwTypeData = Buffer;
    Info.cch = static_cast<UINT>(lstrlenW(Buffer));
    InsertMenuItemW(Copy, static_cast<UINT>(GetMenuItemCount(Copy)), TRUE, &Info);
  }
  return Copy;
}

void DeleteHMenu(HMENU Menu) {
  if (!Menu || !IsMenu(Menu)) return;
  // Taken out, not deleted: the sub-menus are shared with the menu this one was copied from.
  for (int Count = GetMenuItemCount(Menu); Count > 0; --Count)
    if (!RemoveMenu(Menu, 0, MF_BYPOSITION)) break;
  DestroyMenu(Menu);
}
