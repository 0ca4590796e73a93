#include "framework/win/controls/ListBoxes.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

// ---- TListBoxStrings ----------------------------------------------------------------------------

int TListBoxStrings::Count() const {
  return FListBox->Count();
}

String TListBoxStrings::Get(int Index) const {
  CheckIndex(Index, Count());
  return FListBox->FLines[static_cast<size_t>(Index)].Text;
}

void TListBoxStrings::Put(int Index, const String& S) {
  CheckIndex(Index, Count());
  const bool Chosen = FListBox->ItemIndex() == Index;
  TObject* Object = FListBox->FLines[static_cast<size_t>(Index)].Object;
  FListBox->DeleteLine(Index);
  FListBox->InsertLine(FListBox->FSorted ? FListBox->SortedIndex(S) : Index, S, Object);
  if (Chosen && !FListBox->FSorted) FListBox->SetItemIndex(Index);
}

TObject* TListBoxStrings::GetObjectAt(int Index) const {
  CheckIndex(Index, Count());
  return FListBox->FLines[static_cast<size_t>(Index)].Object;
}

void TListBoxStrings::PutObjectAt(int Index, TObject* Object) {
  CheckIndex(Index, Count());
  FListBox->FLines[static_cast<size_t>(Index)].Object = Object;
}

void TListBoxStrings::Insert(int Index, const String& S) {
  if (FListBox->FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count() + 1);
  FListBox->InsertLine(Index, S, nullptr);
}

int TListBoxStrings::Add(const String& S) {
  const int Index = FListBox->FSorted ? FListBox->SortedIndex(S) : Count();
  FListBox->InsertLine(Index, S, nullptr);
  return Index;
}

void TListBoxStrings::Delete(int Index) {
  CheckIndex(Index, Count());
  FListBox->DeleteLine(Index);
}

void TListBoxStrings::Clear() {
  FListBox->ClearLines();
}

void TListBoxStrings::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  if (Index1 == Index2) return;
  auto& Lines = FListBox->FLines;
  std::swap(Lines[static_cast<size_t>(Index1)], Lines[static_cast<size_t>(Index2)]);
  FListBox->LinesExchanged(Index1, Index2);
  // The chosen line moves with its text.
  int& Chosen = FListBox->FItemIndex;
  Chosen = FListBox->ItemIndex();
  if (Chosen == Index1)
    Chosen = Index2;
  else if (Chosen == Index2)
    Chosen = Index1;
  FListBox->FillWindow();
}

int TListBoxStrings::IndexOf(std::string_view S) const {
  const auto& Lines = FListBox->FLines;
  for (size_t I = 0; I < Lines.size(); ++I)
    if (CompareText(Lines[I].Text, S) == 0) return static_cast<int>(I);
  return -1;
}

// ---- TCustomListBox -----------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* Owner)
    : TWinControl(Owner),
      FItems(std::make_unique<TListBoxStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FColor = clWindow;
}

TCustomListBox::~TCustomListBox() {
  FCanvas->FreeHandle();
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

int TCustomListBox::SortedIndex(const String& Text) const {
  const auto It = std::upper_bound(FLines.begin(), FLines.end(), Text, [](const String& A, const TLine& B) {
    return CompareText(A, B.Text) < 0;
  });
  return static_cast<int>(It - FLines.begin());
}

void TCustomListBox::InsertLine(int Index, const String& Text, TObject* Object) {
  Index = std::clamp(Index, 0, Count());
  FLines.insert(FLines.begin() + Index, TLine{Text, Object});
  LineInserted(Index);
  // While loading, ItemIndex may name a line still to come.
  if (FItemIndex >= Index && !ComponentState().Contains(csLoading)) ++FItemIndex;
  if (!FHandle) return;
  const std::wstring Wide = Utf8ToWide(Text);
  SendMessageW(FHandle, LB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Wide.c_str()));
  if (FStyle == lbOwnerDrawVariable) {
    int Height = FItemHeight;
    MeasureItem(Index, Height);
    SendMessageW(FHandle, LB_SETITEMHEIGHT, static_cast<WPARAM>(Index), std::clamp(Height, 1, 255));
  }
}

void TCustomListBox::DeleteLine(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FLines.erase(FLines.begin() + Index);
  LineDeleted(Index);
  if (!ComponentState().Contains(csLoading)) {
    if (FItemIndex == Index)
      FItemIndex = -1;
    else if (FItemIndex > Index)
      --FItemIndex;
  }
  if (FHandle) SendMessageW(FHandle, LB_DELETESTRING, static_cast<WPARAM>(Index), 0);
}

void TCustomListBox::ClearLines() {
  FLines.clear();
  LinesCleared();
  if (!ComponentState().Contains(csLoading)) FItemIndex = -1;
  if (FHandle) SendMessageW(FHandle, LB_RESETCONTENT, 0, 0);
}

void TCustomListBox::FillWindow() {
  if (!FHandle) return;
  const int Index = FItemIndex;
  const int Top = TopIndex();
  SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(FHandle, LB_RESETCONTENT, 0, 0);
  SendMessageW(FHandle, LB_INITSTORAGE, FLines.size(), 0);
  for (size_t I = 0; I < FLines.size(); ++I) {
    const std::wstring Wide = Utf8ToWide(FLines[I].Text);
    SendMessageW(FHandle, LB_INSERTSTRING, I, reinterpret_cast<LPARAM>(Wide.c_str()));
    if (FStyle == lbOwnerDrawVariable) {
      int Height = FItemHeight;
      MeasureItem(static_cast<int>(I), Height);
      SendMessageW(FHandle, LB_SETITEMHEIGHT, I, std::clamp(Height, 1, 255));
    }
  }
  SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  SetTopIndex(Top);
  SetItemIndex(Index);
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

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (!Value) return;
  const int Chosen = ItemIndex();
  std::vector<int> Order(FLines.size());
  for (size_t I = 0; I < Order.size(); ++I) Order[I] = static_cast<int>(I);
  std::stable_sort(Order.begin(), Order.end(), [this](int A, int B) {
    return CompareText(FLines[static_cast<size_t>(A)].Text, FLines[static_cast<size_t>(B)].Text) < 0;
  });
  // The lines move by exchanges, so that subclasses can move their own data along.
  std::vector<int> Current = Order;
  for (size_t I = 0; I < Current.size(); ++I) Current[I] = static_cast<int>(I);
  int NewChosen = -1;
  for (size_t I = 0; I < Order.size(); ++I) {
    const auto J = static_cast<size_t>(
        std::find(Current.begin() + static_cast<std::ptrdiff_t>(I), Current.end(), Order[I]) -
        Current.begin());
    if (J != I) {
      std::swap(Current[I], Current[J]);
      std::swap(FLines[I], FLines[J]);
      LinesExchanged(static_cast<int>(I), static_cast<int>(J));
    }
    if (Order[I] == Chosen) NewChosen = static_cast<int>(I);
  }
  FItemIndex = NewChosen;
  FillWindow();
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
  TWinControl::Loaded();
  SetItemIndex(FItemIndex);
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
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
  TWinControl::CreateWnd();
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

void TCustomListBox::DrawItem(int Index, const RECT& Rect, TOwnerDrawState State) {
  TCanvas* C = FCanvas.get();
  C->FillRect(Rect);
  if (Index < 0 || Index >= Count()) return;
  RECT Text = Rect;
  Text.left += 2;
  C->Brush()->SetStyle(bsClear);
  C->DrawText(FLines[static_cast<size_t>(Index)].Text, Text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (UseRightToLeftReading() ? DT_RTLREADING : 0));
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
    case CN_DRAWITEM: {
      const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      Message.Result = TRUE;
      if (!Item || !Item->hDC) return;
      const TOwnerDrawState State = OwnerDrawState(Item->itemState);
      const int Index = static_cast<int>(Item->itemID);
      TSaveDC Saved(Item->hDC);
      FCanvas->FreeHandle();
      FCanvas->SetHandle(Item->hDC);
      struct TUnbind {
        TCanvas* Canvas;
        ~TUnbind() { Canvas->SetHandle(nullptr); }
      } Unbind{FCanvas.get()};
      // The canvas starts in the colours of the line's state.
      SyncCanvasFont(FCanvas.get(), FFont.get());
      FCanvas->Brush()->SetStyle(bsSolid);
      if (State.Contains(odSelected)) {
        FCanvas->Brush()->SetColor(clHighlight);
        FCanvas->Font()->SetColor(clHighlightText);
      } else {
        FCanvas->Brush()->SetColor(FColor);
      }
      if (Index >= 0 && Index < Count()) {
        if (OnDrawItem)
          OnDrawItem(this, Index, Item->rcItem, State);
        else
          DrawItem(Index, Item->rcItem, State);
      } else {
        FCanvas->FillRect(Item->rcItem);
      }
      if (State.Contains(odFocused) && !State.Contains(odNoFocusRect)) FCanvas->DrawFocusRect(Item->rcItem);
      return;
    }
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      SetBkColor(DC, ColorToRGB(FColor));
      SetTextColor(DC, ColorToRGB(FFont->Color()));
      Message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_DESTROY:
      // A re-created window gets the same choice back.
      FItemIndex = ItemIndex();
      FSavedSelection.clear();
      if (FMultiSelect)
        for (int I = 0; I < Count(); ++I)
          if (SendMessageW(FHandle, LB_GETSEL, static_cast<WPARAM>(I), 0) > 0) FSavedSelection.push_back(I);
      break;
  }
  TWinControl::WndProc(Message);
}
