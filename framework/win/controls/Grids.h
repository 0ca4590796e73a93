// TCustomGrid, TDrawGrid and TStringGrid: a self-drawn table of cells with fixed (heading) rows
// and columns that stay put while the others scroll, a current cell moved by mouse and keys, and
// TStringGrid's text per cell.
#pragma once

#include <map>
#include <vector>

#include "framework/win/controls/CustomControl.h"
#include "framework/win/controls/Memos.h"

PUBLISHED_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
               goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
               goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;
PUBLISHED_ENUM(TGridDrawStateFlag, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateFlag>;
using TDrawCellEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, const RECT& Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TCustomGrid : public TCustomControl {
  DECLARE_CLASS(TCustomGrid, TCustomControl)

 public:
  explicit TCustomGrid(TComponent* Owner);
  static void Publish(TPublisher<TCustomGrid>& P);

  int ColCount() const { return FColCount; }
  void SetColCount(int Value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int Value);
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  // Text colour of the fixed cells; clDefault takes the font's, as the other cells do.
  TColor FixedTextColor() const { return FFixedTextColor; }
  void SetFixedTextColor(TColor Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The current cell (never a fixed one); moving it scrolls it into view.
  int Col() const { return FCol; }
  void SetCol(int Value) { FocusCell(Value, FRow); }
  int Row() const { return FRow; }
  void SetRow(int Value) { FocusCell(FCol, Value); }
  // The first scrolling row and column shown after the fixed ones.
  int TopRow() const { return FTopRow; }
  void SetTopRow(int Value);
  int LeftCol() const { return FLeftCol; }
  void SetLeftCol(int Value);
  int VisibleRowCount() const;
  int VisibleColCount() const;
  // A cell's rectangle in client coordinates (empty when it is scrolled out of view).
  RECT CellRect(int ACol, int ARow) const;
  // The cell at a client point; false outside the cells.
  bool MouseToCell(int X, int Y, int& ACol, int& ARow) const;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void DrawCell(int ACol, int ARow, const RECT& Rect, TGridDrawState State);
  virtual bool SelectCell(int ACol, int ARow);
  void FocusCell(int ACol, int ARow);
  void KeyDown(WPARAM Key);
  void ScrollMessage(int Bar, int Code);
  void UpdateScrollBars();
  void ClampPositions();
  // Column or row start, from the left or top, for the current scroll position (-1 when hidden).
  int ColLeft(int ACol) const;
  int RowTop(int ARow) const;
  int LastFullyVisibleRow() const;
  int LastFullyVisibleCol() const;

  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  int FGridLineWidth = 1;
  TColor FFixedColor = clBtnFace;
  TColor FFixedTextColor = clDefault;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  int FCol = 1;
  int FRow = 1;
  int FTopRow = 1;
  int FLeftCol = 1;
};

class TDrawGrid : public TCustomGrid {
  DECLARE_CLASS(TDrawGrid, TCustomGrid)

 public:
  explicit TDrawGrid(TComponent* Owner) : TCustomGrid(Owner) {}
};

class TStringGrid : public TDrawGrid {
  DECLARE_CLASS(TStringGrid, TDrawGrid)

 public:
  explicit TStringGrid(TComponent* Owner) : TDrawGrid(Owner) {}

  // Text of a cell; cells outside the grid read as empty and EListError when written.
  String Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const String& Value);

 protected:
  void DrawCell(int ACol, int ARow, const RECT& Rect, TGridDrawState State) override;

 private:
  std::map<std::pair<int, int>, String> FCells;
};
