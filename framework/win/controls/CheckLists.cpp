#include "framework/win/controls/CheckLists.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/graphics/Colors.h"

TCheckListBox::TCheckListBox(TComponent* Owner) : TCustomListBox(Owner) {
  FStyle = lbOwnerDrawFixed;
}

void TCheckListBox::Publish(TPublisher<TCheckListBox>& P) {
  P.Bool("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed).Default(0);
  P.Color("HeaderColor", &TCheckListBox::HeaderColor, &TCheckListBox::SetHeaderColor).Default(clInfoText);
  P.Color("HeaderBackgroundColor", &TCheckListBox::HeaderBackgroundColor,
          &TCheckListBox::SetHeaderBackgroundColor)
      .Default(clInfoBk);
  P.Event("OnClickCheck", &TCheckListBox::OnClickCheck);
}

const TCheckListBox::TLineState& TCheckListBox::LineState(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FStates.size()))
    throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  return FStates[static_cast<size_t>(Index)];
}

TCheckBoxState TCheckListBox::State(int Index) const {
  return LineState(Index).State;
}

bool TCheckListBox::ItemEnabled(int Index) const {
  return LineState(Index).Enabled;
}

bool TCheckListBox::Header(int Index) const {
  return LineState(Index).Header;
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value) {
  LineState(Index);
  FStates[static_cast<size_t>(Index)].State = Value;
  InvalidateLine(Index);
}

void TCheckListBox::SetItemEnabled(int Index, bool Value) {
  LineState(Index);
  FStates[static_cast<size_t>(Index)].Enabled = Value;
  InvalidateLine(Index);
}

void TCheckListBox::SetHeader(int Index, bool Value) {
  LineState(Index);
  FStates[static_cast<size_t>(Index)].Header = Value;
  InvalidateLine(Index);
}

void TCheckListBox::SetHeaderColor(TColor Value) {
  if (FHeaderColor == Value) return;
  FHeaderColor = Value;
  Invalidate();
}

void TCheckListBox::SetHeaderBackgroundColor(TColor Value) {
  if (FHeaderBackgroundColor == Value) return;
  FHeaderBackgroundColor = Value;
  Invalidate();
}

void TCheckListBox::LineInserted(int Index) {
  FStates.insert(FStates.begin() + std::clamp<int>(Index, 0, static_cast<int>(FStates.size())), TLineState{});
}

void TCheckListBox::LineDeleted(int Index) {
  if (Index >= 0 && Index < static_cast<int>(FStates.size())) FStates.erase(FStates.begin() + Index);
}

void TCheckListBox::LinesExchanged(int Index1, int Index2) {
  std::swap(FStates[static_cast<size_t>(Index1)], FStates[static_cast<size_t>(Index2)]);
}

void TCheckListBox::InvalidateLine(int Index) {
  if (!FHandle) return;
  const RECT Rect = ItemRect(Index);
  InvalidateRect(FHandle, &Rect, FALSE);
}

int TCheckListBox::CheckWidth() const {
  return GetSystemMetrics(SM_CXMENUCHECK) + 2;
}

void TCheckListBox::ToggleLine(int Index) {
  const TLineState& Line = LineState(Index);
  if (!Line.Enabled || Line.Header || !FEnabled) return;
  switch (Line.State) {
    case cbUnchecked:
      SetState(Index, FAllowGrayed ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(Index, cbUnchecked);
      break;
    case cbGrayed:
      SetState(Index, cbChecked);
      break;
  }
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::CreateParams(TCreateParams& Params) {
  // Always drawn here: the check boxes are no part of the system's list box.
  if (FStyle == lbStandard) FStyle = lbOwnerDrawFixed;
  TCustomListBox::CreateParams(Params);
}

void TCheckListBox::DrawItem(int Index, const RECT& Rect, TOwnerDrawState State) {
  TCanvas* C = Canvas();
  const TLineState& Line = LineState(Index);
  const String& Text = FLines[static_cast<size_t>(Index)].Text;
  const bool RightToLeft = UseRightToLeftReading();
  UINT Flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (RightToLeft ? DT_RTLREADING | DT_RIGHT : 0);
  if (Line.Header) {
    C->Brush()->SetColor(FHeaderBackgroundColor);
    C->FillRect(Rect);
    C->Font()->SetColor(FHeaderColor);
    RECT TextRect = Rect;
    InflateRect(&TextRect, -2, 0);
    C->Brush()->SetStyle(bsClear);
    C->DrawText(Text, TextRect, Flags);
    return;
  }
  // The check box column keeps the list's colour; the text part shows the selection.
  const int Box = CheckWidth();
  RECT CheckArea = Rect, TextArea = Rect;
  if (RightToLeft) {
    CheckArea.left = Rect.right - Box;
    TextArea.right = CheckArea.left;
  } else {
    CheckArea.right = Rect.left + Box;
    TextArea.left = CheckArea.right;
  }
  {
    TGdiBrush Back(CreateSolidBrush(ColorToRGB(FColor)));
    FillRect(C->Handle(), &CheckArea, Back.Get());
  }
  const int Size = std::min<int>(GetSystemMetrics(SM_CXMENUCHECK), Rect.bottom - Rect.top);
  RECT Mark{CheckArea.left + (Box - Size) / 2, CheckArea.top + (CheckArea.bottom - CheckArea.top - Size) / 2,
            0, 0};
  Mark.right = Mark.left + Size;
  Mark.bottom = Mark.top + Size;
  UINT MarkState = DFCS_BUTTONCHECK;
  if (Line.State == cbChecked) MarkState |= DFCS_CHECKED;
  if (Line.State == cbGrayed) MarkState = DFCS_BUTTON3STATE | DFCS_CHECKED;
  const bool Enabled = Line.Enabled && FEnabled;
  if (!Enabled) MarkState |= DFCS_INACTIVE;
  DrawFrameControl(C->Handle(), &Mark, DFC_BUTTON, MarkState);
  C->FillRect(TextArea);
  if (!Enabled) C->Font()->SetColor(clGrayText);
  RECT TextRect = TextArea;
  InflateRect(&TextRect, -2, 0);
  C->Brush()->SetStyle(bsClear);
  C->DrawText(Text, TextRect, Flags);
  (void)State;
}

void TCheckListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT Point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      const int Index = ItemAtPos(Point);
      if (Index >= 0) {
        const RECT Rect = ItemRect(Index);
        const bool OnBox = UseRightToLeftReading() ? Point.x >= Rect.right - CheckWidth()
                                                   : Point.x < Rect.left + CheckWidth();
        if (FStates[static_cast<size_t>(Index)].Header) {
          Message.Result = 0;  // a header is never chosen
          return;
        }
        if (OnBox) ToggleLine(Index);
      }
      break;
    }
    case WM_CHAR:
      if (Message.WParam == L' ') {
        const int Index = ItemIndex();
        if (Index >= 0) ToggleLine(Index);
        return;
      }
      break;
  }
  TCustomListBox::WndProc(Message);
}
