#include "framework/win/controls/GroupBoxes.h"

#include <algorithm>

// ---- TCustomGroupBox ----------------------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(TComponent* Owner) : TWinControl(Owner) {
  FWidth = 185;
  FHeight = 105;
  FParentColor = true;
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
}

void TCustomGroupBox::Publish(TPublisher<TCustomGroupBox>& P) {
  P.Bool("ParentColor", &TCustomGroupBox::ParentColor, &TCustomGroupBox::SetParentColor).Default(1);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = L"BUTTON";
  Params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  // Right to left puts the caption at the right end of the frame.
  if (FBiDiMode == bdRightToLeft) {
    Params.Style |= BS_RIGHT;
    Params.ExStyle |= WS_EX_RIGHT;
  }
}

int TCustomGroupBox::CaptionHeight() const {
  TEXTMETRICW Metrics{};
  TScreenDC Screen;
  if (!Screen) return 13;
  TSelectObject Font(Screen.Get(), FFont->Handle());
  GetTextMetricsW(Screen.Get(), &Metrics);
  return Metrics.tmHeight > 0 ? static_cast<int>(Metrics.tmHeight) : 13;
}

void TCustomGroupBox::AdjustClientRect(RECT& Rect) const {
  Rect.top += CaptionHeight();
  InflateRect(&Rect, -2, -2);
}

void TCustomGroupBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // The system's group box leaves its inside alone; the parent clips its children.
      EraseWithColor(Message);
      return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      AnswerCtlColor(Message);
      return;
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      break;
    case WM_NCHITTEST:
      // The system's group box lets the mouse through to its parent; this one holds controls
      // (windowless ones among them) that need it.
      Message.Result = HTCLIENT;
      return;
  }
  TWinControl::WndProc(Message);
}

// ---- TGroupButton -------------------------------------------------------------------------------

TGroupButton::TGroupButton(TCustomRadioGroup* Group, int Index)
    : TRadioButton(Group), FGroup(Group), FIndex(Index) {}

void TGroupButton::Click() {
  TRadioButton::Click();
  if (FChecked && FGroup) FGroup->ButtonClicked(this);
}

// ---- TCustomRadioGroup --------------------------------------------------------------------------

TCustomRadioGroup::TCustomRadioGroup(TComponent* Owner)
    : TCustomGroupBox(Owner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = TNotifyEvent::Bind<&TCustomRadioGroup::ItemsChanged>(this);
}

TCustomRadioGroup::~TCustomRadioGroup() {
  FItems->OnChange.Clear();
  FButtons.clear();  // owned components: freed with this control
}

void TCustomRadioGroup::Publish(TPublisher<TCustomRadioGroup>& P) {
  P.Int("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns).Default(1);
  P.Obj("Items", &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems);
  P.Int("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex).Default(-1);
}

TGroupButton* TCustomRadioGroup::Buttons(int Index) const {
  return Index >= 0 && Index < ButtonCount() ? FButtons[static_cast<size_t>(Index)] : nullptr;
}

void TCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;  // the lines may come later; Loaded checks it
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  FUpdating = true;
  for (TGroupButton* Button : FButtons) Button->SetChecked(Button->FIndex == Value);
  FUpdating = false;
}

void TCustomRadioGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 16);
  if (FColumns == Value) return;
  FColumns = Value;
  ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(TGroupButton* Button) {
  if (FUpdating) return;
  FItemIndex = Button->FIndex;
  Click();
}

void TCustomRadioGroup::ItemsChanged(TObject*) {
  if (ComponentState().Contains(csLoading)) return;
  UpdateButtons();
  if (FItemIndex >= FItems->Count()) FItemIndex = -1;
  SetItemIndex(FItemIndex);
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  UpdateButtons();
  SetItemIndex(FItemIndex);
}

void TCustomRadioGroup::UpdateButtons() {
  const int Count = FItems->Count();
  while (ButtonCount() > Count) {
    TGroupButton* Last = FButtons.back();
    FButtons.pop_back();
    delete Last;
  }
  while (ButtonCount() < Count) {
    auto* Button = new TGroupButton(this, ButtonCount());
    Button->SetParent(this);
    FButtons.push_back(Button);
  }
  for (int I = 0; I < Count; ++I) {
    TGroupButton* Button = FButtons[static_cast<size_t>(I)];
    Button->SetCaption(FItems->Get(I));
    Button->SetEnabled(FEnabled);
  }
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  RECT Area = {0, 0, FWidth, FHeight};
  Area.top += CaptionHeight();
  Area.left += 8;
  Area.right -= 4;
  Area.bottom -= 4;
  const int Count = ButtonCount();
  const int PerColumn = (Count + FColumns - 1) / FColumns;
  const int ColumnWidth = std::max<int>(0, (Area.right - Area.left) / FColumns);
  const int RowHeight = std::max<int>(1, (Area.bottom - Area.top) / std::max(PerColumn, 1));
  const int ButtonHeight = std::min(RowHeight, CaptionHeight() + 4);
  for (int I = 0; I < Count; ++I) {
    const int Column = I / PerColumn, Row = I % PerColumn;
    FButtons[static_cast<size_t>(I)]->SetBounds(Area.left + Column * ColumnWidth,
                                                Area.top + Row * RowHeight + (RowHeight - ButtonHeight) / 2,
                                                std::max(ColumnWidth - 4, 0), ButtonHeight);
  }
}

void TCustomRadioGroup::SetBounds(int Left, int Top, int Width, int Height) {
  const bool Resized = Width != FWidth || Height != FHeight;
  TCustomGroupBox::SetBounds(Left, Top, Width, Height);
  if (Resized) ArrangeButtons();
}

void TCustomRadioGroup::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      for (TGroupButton* Button : FButtons) Button->SetEnabled(FEnabled);
      break;
    case CM_FONTCHANGED:
      ArrangeButtons();
      break;
  }
  TCustomGroupBox::WndProc(Message);
}
