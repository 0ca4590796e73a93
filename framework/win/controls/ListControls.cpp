#include "framework/win/controls/ListControls.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"

// ---- TListControlStrings ------------------------------------------------------------------------

int TListControlStrings::Count() const {
  return FControl->Count();
}

String TListControlStrings::Get(int Index) const {
  CheckIndex(Index, Count());
  return FControl->FLines[static_cast<size_t>(Index)].Text;
}

void TListControlStrings::Put(int Index, const String& S) {
  CheckIndex(Index, Count());
  const bool Chosen = FControl->ItemIndex() == Index;
  TObject* Object = FControl->FLines[static_cast<size_t>(Index)].Object;
  FControl->DeleteLine(Index);
  FControl->InsertLine(FControl->FSorted ? FControl->SortedIndex(S) : Index, S, Object);
  if (Chosen && !FControl->FSorted) FControl->SetItemIndex(Index);
}

TObject* TListControlStrings::GetObjectAt(int Index) const {
  CheckIndex(Index, Count());
  return FControl->FLines[static_cast<size_t>(Index)].Object;
}

void TListControlStrings::PutObjectAt(int Index, TObject* Object) {
  CheckIndex(Index, Count());
  FControl->FLines[static_cast<size_t>(Index)].Object = Object;
}

void TListControlStrings::Insert(int Index, const String& S) {
  if (FControl->FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count() + 1);
  FControl->InsertLine(Index, S, nullptr);
}

int TListControlStrings::Add(const String& S) {
  const int Index = FControl->FSorted ? FControl->SortedIndex(S) : Count();
  FControl->InsertLine(Index, S, nullptr);
  return Index;
}

void TListControlStrings::Delete(int Index) {
  CheckIndex(Index, Count());
  FControl->DeleteLine(Index);
}

void TListControlStrings::Clear() {
  FControl->ClearLines();
}

void TListControlStrings::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  if (Index1 == Index2) return;
  auto& Lines = FControl->FLines;
  std::swap(Lines[static_cast<size_t>(Index1)], Lines[static_cast<size_t>(Index2)]);
  FControl->LinesExchanged(Index1, Index2);
  // The chosen line moves with its text.
  int& Chosen = FControl->FItemIndex;
  Chosen = FControl->ItemIndex();
  if (Chosen == Index1)
    Chosen = Index2;
  else if (Chosen == Index2)
    Chosen = Index1;
  FControl->FillWindow();
  if (Chosen >= 0) FControl->SetItemIndex(Chosen);
}

int TListControlStrings::IndexOf(std::string_view S) const {
  const auto& Lines = FControl->FLines;
  for (size_t I = 0; I < Lines.size(); ++I)
    if (CompareText(Lines[I].Text, S) == 0) return static_cast<int>(I);
  return -1;
}

// ---- TCustomListControl -------------------------------------------------------------------------

TCustomListControl::TCustomListControl(TComponent* Owner, const TListMessages& Messages)
    : TWinControl(Owner),
      FItems(std::make_unique<TListControlStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)),
      FMessages(Messages) {
  FTabStop = true;
  FColor = clWindow;
}

TCustomListControl::~TCustomListControl() {
  FCanvas->FreeHandle();
}

int TCustomListControl::SortedIndex(const String& Text) const {
  const auto It = std::upper_bound(FLines.begin(), FLines.end(), Text, [](const String& A, const TLine& B) {
    return CompareText(A, B.Text) < 0;
  });
  return static_cast<int>(It - FLines.begin());
}

void TCustomListControl::InsertLine(int Index, const String& Text, TObject* Object) {
  Index = std::clamp(Index, 0, Count());
  FLines.insert(FLines.begin() + Index, TLine{Text, Object});
  LineInserted(Index);
  // While loading, ItemIndex may name a line still to come.
  if (FItemIndex >= Index && !ComponentState().Contains(csLoading)) ++FItemIndex;
  if (!FHandle) return;
  const std::wstring Wide = Utf8ToWide(Text);
  SendMessageW(FHandle, FMessages.InsertString, static_cast<WPARAM>(Index),
               reinterpret_cast<LPARAM>(Wide.c_str()));
  LineSent(Index);
}

void TCustomListControl::DeleteLine(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FLines.erase(FLines.begin() + Index);
  LineDeleted(Index);
  if (!ComponentState().Contains(csLoading)) {
    if (FItemIndex == Index)
      FItemIndex = -1;
    else if (FItemIndex > Index)
      --FItemIndex;
  }
  if (FHandle) SendMessageW(FHandle, FMessages.DeleteString, static_cast<WPARAM>(Index), 0);
}

void TCustomListControl::ClearLines() {
  FLines.clear();
  LinesCleared();
  if (!ComponentState().Contains(csLoading)) FItemIndex = -1;
  if (FHandle) SendMessageW(FHandle, FMessages.ResetContent, 0, 0);
}

void TCustomListControl::FillWindow() {
  if (!FHandle) return;
  SendMessageW(FHandle, FMessages.ResetContent, 0, 0);
  for (size_t I = 0; I < FLines.size(); ++I) {
    const std::wstring Wide = Utf8ToWide(FLines[I].Text);
    SendMessageW(FHandle, FMessages.InsertString, I, reinterpret_cast<LPARAM>(Wide.c_str()));
    LineSent(static_cast<int>(I));
  }
}

void TCustomListControl::SetSorted(bool Value) {
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
  if (NewChosen >= 0) SetItemIndex(NewChosen);
}

void TCustomListControl::DrawItem(int Index, const RECT& Rect, TOwnerDrawState State) {
  TCanvas* C = FCanvas.get();
  C->FillRect(Rect);
  if (Index < 0 || Index >= Count()) return;
  RECT Text = Rect;
  Text.left += 2;
  C->Brush()->SetStyle(bsClear);
  C->DrawText(FLines[static_cast<size_t>(Index)].Text, Text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (UseRightToLeftReading() ? DT_RTLREADING : 0));
}

void TCustomListControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
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
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
      // The window, and the edit and list inside a combo box, in the control's colours.
      AnswerCtlColor(Message);
      return;
    case WM_DESTROY:
      // A re-created window gets the same choice back.
      FItemIndex = ItemIndex();
      break;
  }
  TWinControl::WndProc(Message);
}
