#include "framework/win/controls/ListBoxes.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/controls/RedrawOff.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

// ---- TCustomListBox -----------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* Owner)
    : TCustomListControl(Owner, {LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT}) {
  FWidth = 121;
  FHeight = 97;
}

void TCustomListBox::Publish(TPublisher<TCustomListBox>& P) {
  P.Enum("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle);
  P.Int("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns).Default(0);
  P.Bool("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(1);
  P.Bool("IntegralHeight", &TCustomListBox::IntegralHeight, &TCustomListBox::SetIntegralHeight).Default(0);
  P.Int("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Default(16);
  P.Obj("Items", &TCustomListBox::Items, &TCustomListBox::SetItems);
  P.Int("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex).Default(-1);
  P.Bool("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(0);
  P.Bool("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(0);
  P.Enum("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
  P.Event("OnDrawItem", &TCustomListBox::OnDrawItem);
  P.Event("OnMeasureItem", &TCustomListBox::OnMeasureItem);
}

void TCustomListBox::LineSent(int Index) {
  if (FStyle != lbOwnerDrawVariable) return;
  int Height = FItemHeight;
  MeasureItem(Index, Height);
  SendMessageW(FHandle, LB_SETITEMHEIGHT, static_cast<WPARAM>(Index), std::clamp(Height, 1, 255));
}

void TCustomListBox::FillWindow() {
  if (!FHandle) return;
  const int Top = TopIndex();
  {
    const TRedrawOff Filling(FHandle);
    SendMessageW(FHandle, LB_INITSTORAGE, FLines.size(), 0);
    TCustomListControl::FillWindow();
  }
  SetTopIndex(Top);
  InvalidateRect(FHandle, nullptr, TRUE);
}

int TCustomListBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  const LRESULT Index = SendMessageW(FHandle, FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
  if (Index == LB_ERR || Index < 0 || Index >= Count()) return -1;
  if (FMultiSelect && Count() > 0 && !Selected(static_cast<int>(Index))) return -1;
  return static_cast<int>(Index);
}

void TCustomListBox::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;  // the lines may come later
    return;
  }
  if (Value < -1 || Value >= Count()) Value = -1;
  FItemIndex = Value;
  if (!FHandle) return;
  if (FMultiSelect) {
    SendMessageW(FHandle, LB_SETSEL, FALSE, -1);
    if (Value >= 0) {
      SendMessageW(FHandle, LB_SETSEL, TRUE, Value);
      SendMessageW(FHandle, LB_SETCARETINDEX, static_cast<WPARAM>(Value), FALSE);
    }
  } else {
    SendMessageW(FHandle, LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
  }
}

bool TCustomListBox::Selected(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  if (!FHandle) return Index == FItemIndex;
  return SendMessageW(FHandle, LB_GETSEL, static_cast<WPARAM>(Index), 0) > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  if (!FMultiSelect) {
    if (Value)
      SetItemIndex(Index);
    else if (ItemIndex() == Index)
      SetItemIndex(-1);
    return;
  }
  HandleNeeded();
  SendMessageW(FHandle, LB_SETSEL, Value, Index);
}

int TCustomListBox::SelCount() const {
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  if (!FHandle) return FItemIndex >= 0 ? 1 : 0;
  const LRESULT N = SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0);
  return N == LB_ERR ? 0 : static_cast<int>(N);
}

int TCustomListBox::TopIndex() const {
  return FHandle ? static_cast<int>(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetTopIndex(int Value) {
  if (FHandle && Value >= 0) SendMessageW(FHandle, LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0);
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetColumns(int Value) {
  Value = std::max(Value, 0);
  if (FColumns == Value) return;
  // One column and several columns are different kinds of window.
  const bool Recreate = (FColumns == 0) != (Value == 0);
  FColumns = Value;
  if (Recreate)
    RecreateWnd();
  else if (FHandle)
    SendMessageW(FHandle, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(FWidth / std::max(FColumns, 1), 1)),
                 0);
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (FIntegralHeight == Value) return;
  FIntegralHeight = Value;
  RecreateWnd();
}

void TCustomListBox::SetItemHeight(int Value) {
  Value = std::clamp(Value, 1, 255);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (FStyle != lbStandard) RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

RECT TCustomListBox::ItemRect(int Index) const {
  RECT Rect{};
  if (FHandle && Index >= 0 && Index < Count())
    SendMessageW(FHandle, LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Rect));
  return Rect;
}

int TCustomListBox::ItemAtPos(POINT Point, bool Existing) const {
  if (!FHandle) return -1;
  const LRESULT Result = SendMessageW(FHandle, LB_ITEMFROMPOINT, 0, MAKELPARAM(Point.x, Point.y));
  const int Index = LOWORD(Result);
  if (HIWORD(Result) && Existing) return -1;  // outside every line
  return Index < Count() ? Index : -1;
}

void TCustomListBox::Loaded() {
  TCustomListControl::Loaded();
  SetItemIndex(FItemIndex);
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  Params.BaseClassName = L"LISTBOX";
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL;
  if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  TCustomListControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  if (FColumns > 0)
    SendMessageW(FHandle, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(FWidth / FColumns, 1)), 0);
  const int Chosen = FItemIndex;
  FillWindow();
  SetItemIndex(Chosen);
  if (FMultiSelect)
    for (int Index : FSavedSelection)
      if (Index >= 0 && Index < Count()) SendMessageW(FHandle, LB_SETSEL, TRUE, Index);
  FSavedSelection.clear();
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (HIWORD(Message.WParam)) {
        case LBN_SELCHANGE:
          FItemIndex = ItemIndex();
          Click();
          break;
        case LBN_DBLCLK:
          DblClick();
          break;
      }
      return;
    case WM_DESTROY:
      // A re-created window gets the same selection back.
      FSavedSelection.clear();
      if (FMultiSelect)
        for (int I = 0; I < Count(); ++I)
          if (SendMessageW(FHandle, LB_GETSEL, static_cast<WPARAM>(I), 0) > 0) FSavedSelection.push_back(I);
      break;
  }
  TCustomListControl::WndProc(Message);
}
