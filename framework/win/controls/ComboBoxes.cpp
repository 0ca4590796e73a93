#include "framework/win/controls/ComboBoxes.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

// ---- TComboBoxStrings ---------------------------------------------------------------------------

int TComboBoxStrings::Count() const {
  return FComboBox->Count();
}

String TComboBoxStrings::Get(int Index) const {
  CheckIndex(Index, Count());
  return FComboBox->FLines[static_cast<size_t>(Index)].Text;
}

TObject* TComboBoxStrings::GetObjectAt(int Index) const {
  CheckIndex(Index, Count());
  return FComboBox->FLines[static_cast<size_t>(Index)].Object;
}

void TComboBoxStrings::PutObjectAt(int Index, TObject* Object) {
  CheckIndex(Index, Count());
  FComboBox->FLines[static_cast<size_t>(Index)].Object = Object;
}

void TComboBoxStrings::Insert(int Index, const String& S) {
  if (FComboBox->FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count() + 1);
  FComboBox->InsertLine(Index, S, nullptr);
}

int TComboBoxStrings::Add(const String& S) {
  const int Index = FComboBox->FSorted ? FComboBox->SortedIndex(S) : Count();
  FComboBox->InsertLine(Index, S, nullptr);
  return Index;
}

void TComboBoxStrings::Delete(int Index) {
  CheckIndex(Index, Count());
  FComboBox->DeleteLine(Index);
}

void TComboBoxStrings::Clear() {
  FComboBox->Clear();
}

int TComboBoxStrings::IndexOf(std::string_view S) const {
  const auto& Lines = FComboBox->FLines;
  for (size_t I = 0; I < Lines.size(); ++I)
    if (CompareText(Lines[I].Text, S) == 0) return static_cast<int>(I);
  return -1;
}

// ---- TCustomComboBox ----------------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* Owner)
    : TWinControl(Owner),
      FItems(std::make_unique<TComboBoxStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
  FWidth = 145;
  FHeight = 24;
  FTabStop = true;
  FColor = clWindow;
}

TCustomComboBox::~TCustomComboBox() {
  FCanvas->FreeHandle();
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

int TCustomComboBox::SortedIndex(const String& Text) const {
  const auto It = std::upper_bound(FLines.begin(), FLines.end(), Text, [](const String& A, const TLine& B) {
    return CompareText(A, B.Text) < 0;
  });
  return static_cast<int>(It - FLines.begin());
}

void TCustomComboBox::InsertLine(int Index, const String& Text, TObject* Object) {
  Index = std::clamp(Index, 0, Count());
  FLines.insert(FLines.begin() + Index, TLine{Text, Object});
  if (FItemIndex >= Index && !ComponentState().Contains(csLoading)) ++FItemIndex;
  if (!FHandle) return;
  const std::wstring Wide = Utf8ToWide(Text);
  SendMessageW(FHandle, CB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Wide.c_str()));
}

void TCustomComboBox::DeleteLine(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FLines.erase(FLines.begin() + Index);
  if (FItemIndex == Index)
    FItemIndex = -1;
  else if (FItemIndex > Index)
    --FItemIndex;
  if (FHandle) SendMessageW(FHandle, CB_DELETESTRING, static_cast<WPARAM>(Index), 0);
}

void TCustomComboBox::Clear() {
  FLines.clear();
  if (!ComponentState().Contains(csLoading)) FItemIndex = -1;
  if (FHandle) SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
  if (Editable()) SetText("");
}

void TCustomComboBox::FillWindow() {
  if (!FHandle) return;
  SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
  for (size_t I = 0; I < FLines.size(); ++I) {
    const std::wstring Wide = Utf8ToWide(FLines[I].Text);
    SendMessageW(FHandle, CB_INSERTSTRING, I, reinterpret_cast<LPARAM>(Wide.c_str()));
  }
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

void TCustomComboBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (!Value) return;
  const String Chosen =
      FItemIndex >= 0 && FItemIndex < Count() ? FLines[static_cast<size_t>(FItemIndex)].Text : String();
  const int Was = ItemIndex();
  std::stable_sort(FLines.begin(), FLines.end(),
                   [](const TLine& A, const TLine& B) { return CompareText(A.Text, B.Text) < 0; });
  FillWindow();
  if (Was >= 0) SetItemIndex(FItems->IndexOf(Chosen));
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
  TWinControl::Loaded();
  if (!Editable() && FItemIndex < 0 && !FText.empty()) FItemIndex = FItems->IndexOf(FText);
  SetItemIndex(FItemIndex);
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
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
  TWinControl::CreateWnd();
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
  if (Editable()) return TWinControl::GetText();
  const int Index = ItemIndex();
  return Index >= 0 ? FLines[static_cast<size_t>(Index)].Text : String();
}

void TCustomComboBox::TextChanged() {
  if (!Editable() && !FHandle && !ComponentState().Contains(csLoading)) FItemIndex = FItems->IndexOf(FText);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::DrawItem(int Index, const RECT& Rect, TOwnerDrawState State) {
  TCanvas* C = FCanvas.get();
  C->FillRect(Rect);
  if (Index < 0 || Index >= Count()) return;
  RECT Text = Rect;
  Text.left += 2;
  C->Brush()->SetStyle(bsClear);
  C->DrawText(FLines[static_cast<size_t>(Index)].Text, Text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (UseRightToLeftReading() ? DT_RTLREADING : 0));
  (void)State;
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
      SyncCanvasFont(FCanvas.get(), FFont.get());
      FCanvas->Brush()->SetStyle(bsSolid);
      if (State.Contains(odSelected)) {
        FCanvas->Brush()->SetColor(clHighlight);
        FCanvas->Font()->SetColor(clHighlightText);
      } else {
        FCanvas->Brush()->SetColor(FColor);
      }
      if (Index >= 0 && Index < Count() && OnDrawItem)
        OnDrawItem(this, Index, Item->rcItem, State);
      else
        DrawItem(Index, Item->rcItem, State);
      if (State.Contains(odFocused) && !State.Contains(odNoFocusRect)) FCanvas->DrawFocusRect(Item->rcItem);
      return;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      // The edit and the list inside, and the window itself, in the control's colours.
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      SetBkColor(DC, ColorToRGB(FColor));
      SetTextColor(DC, ColorToRGB(FFont->Color()));
      Message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_SETTEXT:
      if (!Editable()) {
        // Without an edit the text is the chosen line's.
        const auto* Wide = reinterpret_cast<const wchar_t*>(Message.LParam);
        SetItemIndex(Wide ? FItems->IndexOf(WideToUtf8(Wide)) : -1);
        Message.Result = TRUE;
        return;
      }
      break;
    case WM_DESTROY:
      FItemIndex = ItemIndex();
      break;
  }
  TWinControl::WndProc(Message);
}
