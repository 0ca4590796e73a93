#include "framework/win/controls/ToolBar.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"

// ---------------------------------------------------------------------------------------------------
// TToolButton

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 23;
  FHeight = 22;
}

TToolButton::~TToolButton() {
  if (FToolBar) FToolBar->RemoveButton(this);
  SetReference(FDropdownMenu, nullptr, {FPopupMenu});
  SetReference(FMenuItem, nullptr);
}

void TToolButton::Publish(TPublisher<TToolButton>& P) {
  P.Enum("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
  P.Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
  P.Bool("Down", &TToolButton::Down, &TToolButton::SetDown).Default(0);
  P.Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(0);
  P.Bool("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(0);
  P.Bool("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap).Default(0);
  P.Bool("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate).Default(0);
  P.Bool("Marked", &TToolButton::Marked, &TToolButton::SetMarked).Default(0);
  P.Obj("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
  P.Obj("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
}

int TToolButton::Index() const {
  if (!FToolBar) return -1;
  const auto& Buttons = FToolBar->FButtons;
  auto Found = std::find(Buttons.begin(), Buttons.end(), this);
  return Found == Buttons.end() ? -1 : static_cast<int>(Found - Buttons.begin());
}

void TToolButton::SetParent(TWinControl* AParent) {
  if (FToolBar && AParent != FToolBar) {
    TToolBar* Old = FToolBar;
    FToolBar = nullptr;
    Old->RemoveButton(this);
  }
  TGraphicControl::SetParent(AParent);
  if (auto* Bar = dynamic_cast<TToolBar*>(AParent); Bar && !FToolBar) {
    FToolBar = Bar;
    Bar->InsertButton(this);
  }
}

void TToolButton::Changed() {
  if (FToolBar) FToolBar->UpdateButtons();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  // A separator is narrow unless it was given a width.
  if ((Value == tbsSeparator || Value == tbsDivider) && !ComponentState().Contains(csLoading)) FWidth = 8;
  Changed();
}

void TToolButton::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

bool TToolButton::Down() const {
  return FDown;
}

void TToolButton::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  // One button of a group is down at a time.
  if (Value && FGrouped && FToolBar) {
    const int Me = Index();
    const auto& Buttons = FToolBar->FButtons;
    for (int I = Me - 1; I >= 0 && Buttons[static_cast<size_t>(I)]->FGrouped; --I)
      Buttons[static_cast<size_t>(I)]->FDown = false;
    for (size_t I = static_cast<size_t>(Me) + 1; I < Buttons.size() && Buttons[I]->FGrouped; ++I)
      Buttons[I]->FDown = false;
  }
  Changed();
}

void TToolButton::SetGrouped(bool Value) {
  if (FGrouped == Value) return;
  FGrouped = Value;
  Changed();
}

void TToolButton::SetWrap(bool Value) {
  if (FWrap == Value) return;
  FWrap = Value;
  Changed();
}

void TToolButton::SetIndeterminate(bool Value) {
  if (FIndeterminate == Value) return;
  FIndeterminate = Value;
  Changed();
}

void TToolButton::SetMarked(bool Value) {
  if (FMarked == Value) return;
  FMarked = Value;
  Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
  SetReference(FDropdownMenu, Value, {FPopupMenu});
}

void TToolButton::SetPopupMenu(TPopupMenu* Value) {
  SetReference(FPopupMenu, Value, {FDropdownMenu});
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
  if (!SetReference(FMenuItem, Value)) return;
  if (FMenuItem) SetCaption(FMenuItem->Caption());
  Changed();
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropdownMenu) FDropdownMenu = nullptr;
  if (AComponent == FMenuItem) FMenuItem = nullptr;
}

bool TToolButton::CheckMenuDropdown() {
  if (!FToolBar || (!FDropdownMenu && !(FMenuItem && FMenuItem->Count() > 0))) return false;
  FToolBar->ShowButtonMenu(this);
  return true;
}

void TToolButton::Click() {
  TGraphicControl::Click();
}

void TToolButton::TextChanged() {
  TGraphicControl::TextChanged();
  Changed();
}

void TToolButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      TGraphicControl::WndProc(Message);
      Changed();
      return;
  }
  TGraphicControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TToolBar

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
  FWidth = 150;
  FHeight = 29;
  FAlign = alTop;
}

TToolBar::~TToolBar() {
  DestroyHandle();
  // The buttons still on the bar go with it; they must not call back.
  for (TToolButton* Button : FButtons) Button->FToolBar = nullptr;
  FButtons.clear();
  SetReference(FImages, nullptr, {FDisabledImages, FHotImages});
  SetReference(FDisabledImages, nullptr, {FHotImages});
  SetReference(FHotImages, nullptr);
  SetReference(FMenu, nullptr);
}

void TToolBar::Publish(TPublisher<TToolBar>& P) {
  P.Obj("Images", &TToolBar::Images, &TToolBar::SetImages);
  P.Obj("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages);
  P.Obj("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages);
  P.Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(0);
  P.Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(0);
  P.Bool("List", &TToolBar::List, &TToolBar::SetList).Default(0);
  P.Bool("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(1);
  P.Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
  P.Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
  P.Obj("Menu", &TToolBar::Menu, &TToolBar::SetMenu);
  P.Event("OnCustomDraw", &TToolBar::OnCustomDraw);
  P.Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
}

TToolButton* TToolBar::Buttons(int Index) const {
  if (Index < 0 || Index >= ButtonCount()) return nullptr;
  return FButtons[static_cast<size_t>(Index)];
}

void TToolBar::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = TOOLBARCLASSNAMEW;
  // The framework places the bar (Align); the bar only lays out its buttons.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (FFlat) Params.Style |= TBSTYLE_FLAT;
  if (FList) Params.Style |= TBSTYLE_LIST;
  if (FWrapable) Params.Style |= TBSTYLE_WRAPABLE;
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(FHandle, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  UpdateImages();
  UpdateButtons();
}

void TToolBar::UpdateStyle() {
  if (!FHandle) return;
  DWORD Style = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE));
  const DWORD Mask = TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE;
  Style &= ~Mask;
  if (FFlat) Style |= TBSTYLE_FLAT;
  if (FList) Style |= TBSTYLE_LIST;
  if (FWrapable) Style |= TBSTYLE_WRAPABLE;
  SendMessageW(FHandle, TB_SETSTYLE, 0, static_cast<LPARAM>(Style));
  UpdateButtons();
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TToolBar::UpdateImages() {
  if (!FHandle) return;
  auto Handle = [](TImageList* Images) {
    return reinterpret_cast<LPARAM>(Images ? Images->Handle() : nullptr);
  };
  SendMessageW(FHandle, TB_SETIMAGELIST, 0, Handle(FImages));
  SendMessageW(FHandle, TB_SETDISABLEDIMAGELIST, 0, Handle(FDisabledImages));
  SendMessageW(FHandle, TB_SETHOTIMAGELIST, 0, Handle(FHotImages));
  const int ImageWidth = FImages ? FImages->Width() : 0;
  const int ImageHeight = FImages ? FImages->Height() : 0;
  SendMessageW(FHandle, TB_SETBITMAPSIZE, 0, MAKELPARAM(ImageWidth, ImageHeight));
}

void TToolBar::UpdateButtons() {
  if (!FHandle || FUpdating || ComponentState().Contains(csDestroying)) return;
  FUpdating = true;
  while (SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(FHandle, TB_DELETEBUTTON, 0, 0);
  SendMessageW(FHandle, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
  std::vector<std::wstring> Texts(FButtons.size());
  std::vector<TBBUTTON> Native(FButtons.size());
  for (size_t I = 0; I < FButtons.size(); ++I) {
    const TToolButton* Button = FButtons[I];
    TBBUTTON& B = Native[I];
    B.idCommand = Button->FCommand;
    B.iString = -1;
    switch (Button->FStyle) {
      case tbsSeparator:
      case tbsDivider:
        B.fsStyle = BTNS_SEP;
        B.iBitmap = Button->FWidth;  // a separator's width
        break;
      case tbsCheck:
        B.fsStyle = BTNS_CHECK | (Button->FGrouped ? BTNS_GROUP : 0);
        break;
      case tbsDropDown:
        B.fsStyle = BTNS_DROPDOWN;
        break;
      case tbsButton:
        B.fsStyle = BTNS_BUTTON;
        break;
    }
    if (B.fsStyle != BTNS_SEP) {
      B.iBitmap = FImages && Button->FImageIndex >= 0 ? Button->FImageIndex : I_IMAGENONE;
      Texts[I] = Utf8ToWide(Button->Caption());
      if (FShowCaptions && !Texts[I].empty()) {
        B.iString = reinterpret_cast<INT_PTR>(Texts[I].c_str());
        B.fsStyle |= BTNS_AUTOSIZE;
      }
    }
    if (Button->Enabled()) B.fsState |= TBSTATE_ENABLED;
    if (Button->FDown) B.fsState |= TBSTATE_CHECKED;
    if (!Button->Visible()) B.fsState |= TBSTATE_HIDDEN;
    if (Button->FWrap) B.fsState |= TBSTATE_WRAP;
    if (Button->FIndeterminate) B.fsState |= TBSTATE_INDETERMINATE;
    if (Button->FMarked) B.fsState |= TBSTATE_MARKED;
  }
  if (!Native.empty())
    SendMessageW(FHandle, TB_ADDBUTTONSW, Native.size(), reinterpret_cast<LPARAM>(Native.data()));
  FUpdating = false;
  SyncButtonBounds();
}

void TToolBar::SyncButtonBounds() {
  if (!FHandle || FUpdating) return;
  FUpdating = true;
  for (size_t I = 0; I < FButtons.size(); ++I) {
    RECT R{};
    if (!SendMessageW(FHandle, TB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&R))) R = {};
    TToolButton* Button = FButtons[I];
    if (Button->BoundsRect().left != R.left || Button->BoundsRect().top != R.top ||
        Button->Width() != R.right - R.left || Button->Height() != R.bottom - R.top)
      Button->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
  }
  FUpdating = false;
}

void TToolBar::InsertButton(TToolButton* Button) {
  if (std::find(FButtons.begin(), FButtons.end(), Button) != FButtons.end()) return;
  FButtons.push_back(Button);
  if (!Button->FCommand) Button->FCommand = FNextCommand++;
  UpdateButtons();
}

void TToolBar::RemoveButton(TToolButton* Button) {
  auto Found = std::find(FButtons.begin(), FButtons.end(), Button);
  if (Found == FButtons.end()) return;
  FButtons.erase(Found);
  Button->FToolBar = nullptr;
  UpdateButtons();
}

TToolButton* TToolBar::FindButton(int Command) const {
  for (TToolButton* Button : FButtons)
    if (Button->FCommand == Command) return Button;
  return nullptr;
}

void TToolBar::SetImages(TImageList* Value) {
  if (!SetReference(FImages, Value, {FDisabledImages, FHotImages})) return;
  UpdateImages();
  UpdateButtons();
}

void TToolBar::SetDisabledImages(TImageList* Value) {
  if (SetReference(FDisabledImages, Value, {FImages, FHotImages})) UpdateImages();
}

void TToolBar::SetHotImages(TImageList* Value) {
  if (SetReference(FHotImages, Value, {FImages, FDisabledImages})) UpdateImages();
}

void TToolBar::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  UpdateStyle();
}

void TToolBar::SetList(bool Value) {
  if (FList == Value) return;
  FList = Value;
  UpdateStyle();
}

void TToolBar::SetWrapable(bool Value) {
  if (FWrapable == Value) return;
  FWrapable = Value;
  UpdateStyle();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (FShowCaptions == Value) return;
  FShowCaptions = Value;
  UpdateButtons();
}

void TToolBar::SetButtonWidth(int Value) {
  FButtonWidth = std::max(Value, 0);
  UpdateButtons();
}

void TToolBar::SetButtonHeight(int Value) {
  FButtonHeight = std::max(Value, 0);
  UpdateButtons();
}

void TToolBar::ClearMenuButtons() {
  std::vector<TToolButton*> Made;
  for (TToolButton* Button : FButtons)
    if (Button->FFromMenu) Made.push_back(Button);
  for (TToolButton* Button : Made) delete Button;
}

void TToolBar::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  ClearMenuButtons();
  SetReference(FMenu, Value);
  if (!FMenu) return;
  FShowCaptions = true;
  TMenuItem* Items = FMenu->Items();
  for (int I = 0; I < Items->Count(); ++I) {
    auto* Button = new TToolButton(this);
    Button->FFromMenu = true;
    Button->FGrouped = true;
    Button->SetMenuItem(Items->Items(I));
    Button->SetParent(this);
  }
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages || AComponent == FDisabledImages || AComponent == FHotImages) {
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FDisabledImages) FDisabledImages = nullptr;
    if (AComponent == FHotImages) FHotImages = nullptr;
    UpdateImages();
    UpdateButtons();
  }
  if (AComponent == FMenu) {
    FMenu = nullptr;
    ClearMenuButtons();
  }
}

void TToolBar::ButtonClicked(TToolButton* Button) {
  const bool WasDown = Button->FDown;
  // The window toggles check buttons (and lets a group have one down): take its state.
  for (TToolButton* Each : FButtons)
    if (Each->FStyle == tbsCheck)
      Each->FDown = SendMessageW(FHandle, TB_ISBUTTONCHECKED, static_cast<WPARAM>(Each->FCommand), 0) != 0;
  if (Button->FStyle == tbsCheck && Button->FGrouped && WasDown && !Button->FAllowAllUp) {
    Button->FDown = true;  // the last button down in its group stays down
    SendMessageW(FHandle, TB_CHECKBUTTON, static_cast<WPARAM>(Button->FCommand), TRUE);
  } else if (Button->FStyle == tbsCheck && Button->FGrouped && WasDown && Button->FAllowAllUp) {
    Button->FDown = false;
    SendMessageW(FHandle, TB_CHECKBUTTON, static_cast<WPARAM>(Button->FCommand), FALSE);
  }
  if (Button->FStyle != tbsDropDown && Button->CheckMenuDropdown()) return;
  Button->Click();
  if (Button->FMenuItem && Button->FMenuItem->Count() == 0) Button->FMenuItem->Click();
}

void TToolBar::ShowButtonMenu(TToolButton* Button) {
  if (FInMenu || !FHandle) return;
  const int Index = Button->Index();
  RECT R{};
  if (Index < 0 ||
      !SendMessageW(FHandle, TB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R)))
    return;
  POINT Below{R.left, R.bottom};
  ::ClientToScreen(FHandle, &Below);
  FInMenu = true;
  SendMessageW(FHandle, TB_PRESSBUTTON, static_cast<WPARAM>(Button->FCommand), TRUE);
  try {
    if (TPopupMenu* Menu = Button->FDropdownMenu) {
      Menu->SetPopupComponent(Button);
      Menu->Popup(Below.x, Below.y);
    } else if (TMenuItem* Item = Button->FMenuItem; Item && Item->Count() > 0) {
      // The form hears the menu's measuring and drawing, as with its own menu bar.
      TCustomForm* Form = GetParentForm(this);
      HWND Owner = Form && Form->HandleAllocated() ? Form->WindowHandle() : PopupListWindow();
      const UINT Command = TrackPopupMenu(Item->Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                          Below.x, Below.y, 0, Owner, nullptr);
      if (TMenuItem* Chosen = Command ? FindMenuItemByCommand(Command) : nullptr) Chosen->Click();
    }
  } catch (...) {
    if (FHandle) SendMessageW(FHandle, TB_PRESSBUTTON, static_cast<WPARAM>(Button->FCommand), FALSE);
    FInMenu = false;
    throw;
  }
  if (FHandle) SendMessageW(FHandle, TB_PRESSBUTTON, static_cast<WPARAM>(Button->FCommand), FALSE);
  FInMenu = false;
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& Draw) {
  switch (Draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      if (OnCustomDraw) {
        bool DefaultDraw = true;
        {
          TCanvasDC Lent(FCanvas.get(), Draw.nmcd.hdc);
          FCanvas->Font()->Assign(FFont.get());
          FCanvas->Brush()->SetColor(FColor);
          OnCustomDraw(this, Draw.nmcd.rc, DefaultDraw);
        }
        if (!DefaultDraw) return CDRF_SKIPDEFAULT;
      }
      return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT: {
      TToolButton* Button = FindButton(static_cast<int>(Draw.nmcd.dwItemSpec));
      if (!Button || !OnCustomDrawButton) return CDRF_DODEFAULT;
      bool DefaultDraw = true;
      TColor TextColor;
      {
        TCanvasDC Lent(FCanvas.get(), Draw.nmcd.hdc);
        FCanvas->Font()->Assign(FFont.get());
        FCanvas->Brush()->SetColor(FColor);
        OnCustomDrawButton(this, Button, CustomDrawStateOf(Draw.nmcd.uItemState), DefaultDraw);
        TextColor = FCanvas->Font()->Color();
      }
      if (!DefaultDraw) return CDRF_SKIPDEFAULT;
      // A text colour the handler chose is the one the bar writes the caption in.
      if (TextColor != FFont->Color()) {
        Draw.clrText = ColorToRGB(TextColor);
        return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

void TToolBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (TToolButton* Button = FindButton(LOWORD(Message.WParam))) {
        ButtonClicked(Button);
        Message.Result = 0;
        return;
      }
      break;
    case CN_NOTIFY: {
      Message.Result = 0;
      const NMHDR* Header = NotifyHeader(Message);
      if (!Header) return;
      if (Header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        Message.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(Message.LParam));
      } else if (Header->code == static_cast<UINT>(TBN_DROPDOWN)) {
        const auto* Drop = reinterpret_cast<const NMTOOLBARW*>(Message.LParam);
        if (TToolButton* Button = FindButton(Drop->iItem)) Button->CheckMenuDropdown();
        Message.Result = TBDDRET_DEFAULT;
      }
      return;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      // The native bar presses its buttons; the button objects only stand for them.
      TControl::WndProc(Message);
      return;
    case WM_SIZE:
      TWinControl::WndProc(Message);
      SyncButtonBounds();
      return;
    case CM_FONTCHANGED:
      TWinControl::WndProc(Message);
      UpdateButtons();  // the captions take the new font's size
      return;
  }
  TWinControl::WndProc(Message);
}
