#include "framework/win/controls/ComboBoxes.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

// ---- TCustomComboBox ----------------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* Owner)
    : TCustomListControl(Owner, {CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT}) {
  FWidth = 145;
  FHeight = 24;
}

void TCustomComboBox::Publish(TPublisher<TCustomComboBox>& P) {
  P.Enum("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
  P.Int("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
  P.Int("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight).Default(16);
  P.Int("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
  P.Bool("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(0);
  P.Str("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText);
  P.Obj("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems);
  P.Int("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
  P.Event("OnChange", &TCustomComboBox::OnChange);
  P.Event("OnSelect", &TCustomComboBox::OnSelect);
  P.Event("OnDropDown", &TCustomComboBox::OnDropDown);
  P.Event("OnCloseUp", &TCustomComboBox::OnCloseUp);
  P.Event("OnDrawItem", &TCustomComboBox::OnDrawItem);
}

void TCustomComboBox::ClearLines() {
  TCustomListControl::ClearLines();
  if (Editable()) SetText("");
}

int TCustomComboBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  const LRESULT Index = SendMessageW(FHandle, CB_GETCURSEL, 0, 0);
  return Index == CB_ERR || Index < 0 || Index >= Count() ? -1 : static_cast<int>(Index);
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= Count()) Value = -1;
  FItemIndex = Value;
  if (FHandle) SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(Value), 0);
  if (!FHandle && Value >= 0) FText = FLines[static_cast<size_t>(Value)].Text;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int Value) {
  FDropDownCount = std::clamp(Value, 1, 100);
  if (FHandle) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TCustomComboBox::SetItemHeight(int Value) {
  Value = std::clamp(Value, 1, 255);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (FHandle) SendMessageW(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

bool TCustomComboBox::DroppedDown() const {
  return FHandle && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (FHandle) SendMessageW(FHandle, CB_SHOWDROPDOWN, Value, 0);
}

int TCustomComboBox::WindowHeight() const {
  if (FStyle == csSimple) return FHeight;
  return FHeight + FItemHeight * FDropDownCount + 2;
}

void TCustomComboBox::SetBounds(int Left, int Top, int Width, int Height) {
  FLeft = Left;
  FTop = Top;
  FWidth = std::max(Width, 0);
  FHeight = std::max(Height, 0);
  // The window's height includes the list below; it reports the edit part's alone.
  if (FHandle && !FSettingBounds)
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  BoundsChanged();
}

void TCustomComboBox::Loaded() {
  TCustomListControl::Loaded();
  if (!Editable() && FItemIndex < 0 && !FText.empty()) FItemIndex = FItems->IndexOf(FText);
  SetItemIndex(FItemIndex);
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  Params.BaseClassName = L"COMBOBOX";
  Params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case csDropDown:
      Params.Style |= CBS_DROPDOWN;
      break;
    case csSimple:
      // The list fills the control down to its bottom edge.
      Params.Style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT;
      break;
    case csDropDownList:
      Params.Style |= CBS_DROPDOWNLIST;
      break;
    case csOwnerDrawFixed:
      Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
      break;
    case csOwnerDrawVariable:
      Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE;
      break;
  }
  Params.Height = WindowHeight();
}

void TCustomComboBox::CreateWnd() {
  const int Chosen = FItemIndex;
  TCustomListControl::CreateWnd();
  if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) {
    SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
    SendMessageW(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), FItemHeight);
  }
  if (FMaxLength > 0) SendMessageW(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  FillWindow();
  // An editable combo box keeps the text it was given unless a line is chosen.
  if (Chosen >= 0) SetItemIndex(Chosen);
}

String TCustomComboBox::GetText() const {
  if (Editable()) return TCustomListControl::GetText();
  const int Index = ItemIndex();
  return Index >= 0 ? FLines[static_cast<size_t>(Index)].Text : String();
}

void TCustomComboBox::TextChanged() {
  if (!Editable() && !FHandle && !ComponentState().Contains(csLoading)) FItemIndex = FItems->IndexOf(FText);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (HIWORD(Message.WParam)) {
        case CBN_SELCHANGE:
          FItemIndex = ItemIndex();
          Click();
          if (OnSelect) OnSelect(this);
          Change();
          break;
        case CBN_EDITCHANGE:
          Change();
          break;
        case CBN_DROPDOWN:
          if (OnDropDown) OnDropDown(this);
          break;
        case CBN_CLOSEUP:
          if (OnCloseUp) OnCloseUp(this);
          break;
        case CBN_DBLCLK:
          DblClick();
          break;
      }
      return;
    case WM_SETTEXT:
      if (!Editable()) {
        // Without an edit the text is the chosen line's.
        const auto* Wide = reinterpret_cast<const wchar_t*>(Message.LParam);
        SetItemIndex(Wide ? FItems->IndexOf(WideToUtf8(Wide)) : -1);
        Message.Result = TRUE;
        return;
      }
      break;
  }
  TCustomListControl::WndProc(Message);
}
