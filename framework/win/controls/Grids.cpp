#include "framework/win/controls/Grids.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/graphics/Colors.h"

namespace {

constexpr int kMaxCells = 100000;  // columns or rows; beyond this a grid is a mistake, not a table

}  // namespace

TCustomGrid::TCustomGrid(TComponent* Owner) : TCustomControl(Owner) {
  FWidth = 320;
  FHeight = 120;
  FColor = clWindow;
  FTabStop = true;
  FColWidths.assign(static_cast<size_t>(FColCount), FDefaultColWidth);
  FRowHeights.assign(static_cast<size_t>(FRowCount), FDefaultRowHeight);
  FControlStyle.Include(csOpaque);
}

void TCustomGrid::Publish(TPublisher<TCustomGrid>& P) {
  P.Enum("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle).Default(bsSingle);
  P.Int("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5);
  P.Int("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).Default(64);
  P.Int("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).Default(24);
  P.Color("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor).Default(clBtnFace);
  P.Color("FixedTextColor", &TCustomGrid::FixedTextColor, &TCustomGrid::SetFixedTextColor).Default(clDefault);
  P.Int("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1);
  P.Int("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1);
  P.Int("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1);
  P.Set("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions);
  P.Int("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5);
  P.Enum("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars).Default(ssBoth);
  P.Event("OnDrawCell", &TCustomGrid::OnDrawCell);
  P.Event("OnSelectCell", &TCustomGrid::OnSelectCell);
}

void TCustomGrid::SetColCount(int Value) {
  if (Value < 1 || Value > kMaxCells) throw EInvalidOperation("Grid index out of range");
  if (FColCount == Value) return;
  FColCount = Value;
  FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
  if (FFixedCols >= Value) FFixedCols = Value - 1;
  ClampPositions();
}

void TCustomGrid::SetRowCount(int Value) {
  if (Value < 1 || Value > kMaxCells) throw EInvalidOperation("Grid index out of range");
  if (FRowCount == Value) return;
  FRowCount = Value;
  FRowHeights.resize(static_cast<size_t>(Value), FDefaultRowHeight);
  if (FFixedRows >= Value) FFixedRows = Value - 1;
  ClampPositions();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0 || Value >= FColCount)
    throw EInvalidOperation("Fixed column count must be less than column count");
  if (FFixedCols == Value) return;
  FFixedCols = Value;
  ClampPositions();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0 || Value >= FRowCount) throw EInvalidOperation("Fixed row count must be less than row count");
  if (FFixedRows == Value) return;
  FFixedRows = Value;
  ClampPositions();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::clamp(Value, 0, 10000);
  FDefaultColWidth = Value;
  std::fill(FColWidths.begin(), FColWidths.end(), Value);
  ClampPositions();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::clamp(Value, 0, 10000);
  FDefaultRowHeight = Value;
  std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
  ClampPositions();
}

int TCustomGrid::ColWidths(int Index) const {
  return Index >= 0 && Index < FColCount ? FColWidths[static_cast<size_t>(Index)] : FDefaultColWidth;
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Index < 0 || Index >= FColCount) throw EInvalidOperation("Grid index out of range");
  FColWidths[static_cast<size_t>(Index)] = std::clamp(Value, 0, 10000);
  ClampPositions();
}

int TCustomGrid::RowHeights(int Index) const {
  return Index >= 0 && Index < FRowCount ? FRowHeights[static_cast<size_t>(Index)] : FDefaultRowHeight;
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0 || Index >= FRowCount) throw EInvalidOperation("Grid index out of range");
  FRowHeights[static_cast<size_t>(Index)] = std::clamp(Value, 0, 10000);
  ClampPositions();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = std::clamp(Value, 0, 100);
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (FFixedColor == Value) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetFixedTextColor(TColor Value) {
  if (FFixedTextColor == Value) return;
  FFixedTextColor = Value;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomGrid::ClampPositions() {
  FCol = std::clamp(FCol, FFixedCols, FColCount - 1);
  FRow = std::clamp(FRow, FFixedRows, FRowCount - 1);
  FLeftCol = std::clamp(FLeftCol, FFixedCols, FColCount - 1);
  FTopRow = std::clamp(FTopRow, FFixedRows, FRowCount - 1);
  UpdateScrollBars();
  Invalidate();
}

int TCustomGrid::ColLeft(int ACol) const {
  if (ACol < 0 || ACol >= FColCount) return -1;
  int X = 0;
  for (int C = 0; C < FFixedCols && C < ACol; ++C) X += ColWidths(C) + FGridLineWidth;
  if (ACol < FFixedCols) return X;
  if (ACol < FLeftCol) return -1;
  for (int C = FLeftCol; C < ACol; ++C) X += ColWidths(C) + FGridLineWidth;
  return X;
}

int TCustomGrid::RowTop(int ARow) const {
  if (ARow < 0 || ARow >= FRowCount) return -1;
  int Y = 0;
  for (int R = 0; R < FFixedRows && R < ARow; ++R) Y += RowHeights(R) + FGridLineWidth;
  if (ARow < FFixedRows) return Y;
  if (ARow < FTopRow) return -1;
  for (int R = FTopRow; R < ARow; ++R) Y += RowHeights(R) + FGridLineWidth;
  return Y;
}

RECT TCustomGrid::CellRect(int ACol, int ARow) const {
  const int X = ColLeft(ACol), Y = RowTop(ARow);
  if (X < 0 || Y < 0) return {0, 0, 0, 0};
  return {X, Y, X + ColWidths(ACol), Y + RowHeights(ARow)};
}

int TCustomGrid::LastFullyVisibleRow() const {
  const RECT Client = ClientRect();
  int Last = FTopRow;
  for (int R = FTopRow; R < FRowCount; ++R) {
    if (RowTop(R) + RowHeights(R) > Client.bottom) break;
    Last = R;
  }
  return Last;
}

int TCustomGrid::LastFullyVisibleCol() const {
  const RECT Client = ClientRect();
  int Last = FLeftCol;
  for (int C = FLeftCol; C < FColCount; ++C) {
    if (ColLeft(C) + ColWidths(C) > Client.right) break;
    Last = C;
  }
  return Last;
}

int TCustomGrid::VisibleRowCount() const {
  return LastFullyVisibleRow() - FTopRow + 1;
}

int TCustomGrid::VisibleColCount() const {
  return LastFullyVisibleCol() - FLeftCol + 1;
}

bool TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  ACol = ARow = -1;
  for (int C = 0; C < FColCount; ++C) {
    const int Left = ColLeft(C);
    if (Left >= 0 && X >= Left && X < Left + ColWidths(C) + FGridLineWidth) {
      ACol = C;
      break;
    }
    if (C + 1 == FFixedCols && FLeftCol > C + 1) C = FLeftCol - 1;  // skip the scrolled-away ones
  }
  for (int R = 0; R < FRowCount; ++R) {
    const int Top = RowTop(R);
    if (Top >= 0 && Y >= Top && Y < Top + RowHeights(R) + FGridLineWidth) {
      ARow = R;
      break;
    }
    if (R + 1 == FFixedRows && FTopRow > R + 1) R = FTopRow - 1;
  }
  return ACol >= 0 && ARow >= 0;
}

void TCustomGrid::SetTopRow(int Value) {
  Value = std::clamp(Value, FFixedRows, FRowCount - 1);
  if (FTopRow == Value) return;
  FTopRow = Value;
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SetLeftCol(int Value) {
  Value = std::clamp(Value, FFixedCols, FColCount - 1);
  if (FLeftCol == Value) return;
  FLeftCol = Value;
  UpdateScrollBars();
  Invalidate();
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool CanSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, CanSelect);
  return CanSelect;
}

void TCustomGrid::FocusCell(int ACol, int ARow) {
  ACol = std::clamp(ACol, FFixedCols, FColCount - 1);
  ARow = std::clamp(ARow, FFixedRows, FRowCount - 1);
  if (ACol == FCol && ARow == FRow) return;
  if (!SelectCell(ACol, ARow)) return;
  FCol = ACol;
  FRow = ARow;
  // Keep it in view.
  if (FRow < FTopRow) FTopRow = FRow;
  while (FRow > LastFullyVisibleRow() && FTopRow < FRow) ++FTopRow;
  if (FCol < FLeftCol) FLeftCol = FCol;
  while (FCol > LastFullyVisibleCol() && FLeftCol < FCol) ++FLeftCol;
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::UpdateScrollBars() {
  if (!FHandle) return;
  auto Set = [this](int Bar, int First, int Count, int Visible, int Pos) {
    SCROLLINFO Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const bool Needed = Visible < Count - First;
    Info.nMin = 0;
    Info.nMax = Needed ? Count - First - 1 : 0;
    Info.nPage = Needed ? static_cast<UINT>(std::max(Visible, 1)) : 0;
    Info.nPos = Needed ? Pos - First : 0;
    SetScrollInfo(FHandle, Bar, &Info, TRUE);
  };
  if (FScrollBars == ssVertical || FScrollBars == ssBoth)
    Set(SB_VERT, FFixedRows, FRowCount, VisibleRowCount(), FTopRow);
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
    Set(SB_HORZ, FFixedCols, FColCount, VisibleColCount(), FLeftCol);
}

void TCustomGrid::ScrollMessage(int Bar, int Code) {
  const bool Vertical = Bar == SB_VERT;
  const int First = Vertical ? FFixedRows : FFixedCols;
  const int Count = Vertical ? FRowCount : FColCount;
  const int Page = std::max(Vertical ? VisibleRowCount() : VisibleColCount(), 1);
  int Pos = Vertical ? FTopRow : FLeftCol;
  switch (Code) {
    case SB_LINEUP:
      --Pos;
      break;
    case SB_LINEDOWN:
      ++Pos;
      break;
    case SB_PAGEUP:
      Pos -= Page;
      break;
    case SB_PAGEDOWN:
      Pos += Page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO Info{};
      Info.cbSize = sizeof Info;
      Info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(FHandle, Bar, &Info)) Pos = First + Info.nTrackPos;
      break;
    }
    case SB_TOP:
      Pos = First;
      break;
    case SB_BOTTOM:
      Pos = Count - Page;
      break;
    default:
      return;
  }
  Pos = std::clamp(Pos, First, std::max(First, Count - Page));
  if (Vertical)
    SetTopRow(Pos);
  else
    SetLeftCol(Pos);
}

void TCustomGrid::KeyDown(WPARAM Key) {
  const int Page = std::max(VisibleRowCount(), 1);
  int C = FCol, R = FRow;
  switch (Key) {
    case VK_UP:
      --R;
      break;
    case VK_DOWN:
      ++R;
      break;
    case VK_LEFT:
      --C;
      break;
    case VK_RIGHT:
      ++C;
      break;
    case VK_PRIOR:
      R -= Page;
      break;
    case VK_NEXT:
      R += Page;
      break;
    case VK_HOME:
      C = FFixedCols;
      if (GetKeyState(VK_CONTROL) < 0) R = FFixedRows;
      break;
    case VK_END:
      C = FColCount - 1;
      if (GetKeyState(VK_CONTROL) < 0) R = FRowCount - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs)) return;
      C += GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
      break;
    default:
      return;
  }
  FocusCell(C, R);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (FHandle && CanFocus() && GetFocus() != FHandle) ::SetFocus(FHandle);
    int C, R;
    if (MouseToCell(X, Y, C, R) && C >= FFixedCols && R >= FFixedRows) FocusCell(C, R);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::DrawCell(int ACol, int ARow, const RECT& Rect, TGridDrawState State) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, Rect, State);
}

void TCustomGrid::Paint() {
  TCanvas* C = Canvas();
  const RECT Client = ClientRect();
  const bool HasFocus = FHandle && GetFocus() == FHandle;
  const RECT Clip = C->ClipRect();
  int Right = 0, Bottom = 0;
  for (int R = 0; R < FRowCount; ++R) {
    if (R == FFixedRows && FTopRow > R) R = FTopRow;
    const int Top = RowTop(R);
    if (Top < 0) continue;
    if (Top >= Client.bottom) break;
    for (int Col = 0; Col < FColCount; ++Col) {
      if (Col == FFixedCols && FLeftCol > Col) Col = FLeftCol;
      const int Left = ColLeft(Col);
      if (Left < 0) continue;
      if (Left >= Client.right) break;
      RECT Cell{Left, Top, Left + ColWidths(Col), Top + RowHeights(R)};
      Right = std::max<int>(Right, Cell.right + FGridLineWidth);
      Bottom = std::max<int>(Bottom, Cell.bottom + FGridLineWidth);
      RECT Visible;
      if (!IntersectRect(&Visible, &Cell, &Clip)) continue;
      const bool Fixed = Col < FFixedCols || R < FFixedRows;
      TGridDrawState State;
      if (Fixed) State.Include(gdFixed);
      const bool Current = !Fixed && (R == FRow && (Col == FCol || FOptions.Contains(goRowSelect)));
      if (Current) State.Include(gdSelected);
      if (Current && Col == FCol && HasFocus) State.Include(gdFocused);
      SyncCanvasFont(C, FFont.get());
      C->Brush()->SetStyle(bsSolid);
      const bool Highlight = State.Contains(gdSelected) &&
                             (!State.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                              FOptions.Contains(goRowSelect));
      if (Fixed) {
        C->Brush()->SetColor(FFixedColor);
        if (FFixedTextColor != clDefault) C->Font()->SetColor(FFixedTextColor);
      } else if (Highlight) {
        C->Brush()->SetColor(clHighlight);
        C->Font()->SetColor(clHighlightText);
      } else {
        C->Brush()->SetColor(FColor);
      }
      C->FillRect(Cell);
      DrawCell(Col, R, Cell, State);
      if (Fixed && (FOptions.Contains(goFixedVertLine) || FOptions.Contains(goFixedHorzLine))) {
        RECT Edge = Cell;
        DrawEdge(C->Handle(), &Edge, BDR_RAISEDINNER, BF_RECT);
      }
      if (State.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) C->DrawFocusRect(Cell);
    }
  }
  // Grid lines in the gaps after each cell, then the area beyond the last cells.
  if (FGridLineWidth > 0) {
    C->Brush()->SetColor(clSilver);
    for (int Col = 0; Col < FColCount; ++Col) {
      if (Col == FFixedCols && FLeftCol > Col) Col = FLeftCol;
      const int Left = ColLeft(Col);
      if (Left < 0) continue;
      if (Left >= Client.right) break;
      const bool Fixed = Col < FFixedCols;
      if (FOptions.Contains(Fixed ? goFixedVertLine : goVertLine))
        C->FillRect({Left + ColWidths(Col), 0, Left + ColWidths(Col) + FGridLineWidth, Bottom});
    }
    for (int R = 0; R < FRowCount; ++R) {
      if (R == FFixedRows && FTopRow > R) R = FTopRow;
      const int Top = RowTop(R);
      if (Top < 0) continue;
      if (Top >= Client.bottom) break;
      const bool Fixed = R < FFixedRows;
      if (FOptions.Contains(Fixed ? goFixedHorzLine : goHorzLine))
        C->FillRect({0, Top + RowHeights(R), Right, Top + RowHeights(R) + FGridLineWidth});
    }
  }
  C->Brush()->SetColor(FColor);
  if (Right < Client.right) C->FillRect({Right, 0, Client.right, Client.bottom});
  if (Bottom < Client.bottom) C->FillRect({0, Bottom, std::min<int>(Right, Client.right), Client.bottom});
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_KEYDOWN:
      KeyDown(Message.WParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam == 0) {
        ScrollMessage(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(Message.WParam));
        Message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL:
      ScrollMessage(SB_VERT, GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      Message.Result = 0;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_SIZE:
      TCustomControl::WndProc(Message);
      UpdateScrollBars();
      return;
  }
  TCustomControl::WndProc(Message);
}

// ---- TStringGrid --------------------------------------------------------------------------------

String TStringGrid::Cells(int ACol, int ARow) const {
  const auto Found = FCells.find({ACol, ARow});
  return Found != FCells.end() ? Found->second : String();
}

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
    throw EListError("Grid index out of range");
  if (Value.empty())
    FCells.erase({ACol, ARow});
  else
    FCells[{ACol, ARow}] = Value;
  if (FHandle) {
    const RECT Rect = CellRect(ACol, ARow);
    InvalidateRect(FHandle, &Rect, FALSE);
  }
}

void TStringGrid::DrawCell(int ACol, int ARow, const RECT& Rect, TGridDrawState State) {
  if (OnDrawCell) {
    TDrawGrid::DrawCell(ACol, ARow, Rect, State);
    return;
  }
  const String Text = Cells(ACol, ARow);
  if (Text.empty()) return;
  RECT TextRect = Rect;
  InflateRect(&TextRect, -2, -2);
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->DrawText(Text, TextRect, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}
