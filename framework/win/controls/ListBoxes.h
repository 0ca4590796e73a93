// TCustomListBox and TListBox on the system LISTBOX class, its lines kept by the list control.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/ListControls.h"

PUBLISHED_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

class TCustomListBox : public TCustomListControl {
  DECLARE_CLASS(TCustomListBox, TCustomListControl)

 public:
  explicit TCustomListBox(TComponent* Owner);
  static void Publish(TPublisher<TCustomListBox>& P);

  // The focused line (-1 for none); setting it selects that line alone.
  int ItemIndex() const override;
  void SetItemIndex(int Value) override;
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int Value);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // The rectangle of a line in client coordinates (empty when there is no window or no such line).
  RECT ItemRect(int Index) const;
  // The line at a client point, -1 when none.
  int ItemAtPos(POINT Point, bool Existing = true) const;

  void Loaded() override;

  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void MeasureItem(int Index, int& Height);
  // Lines of variable height are measured as they reach the window.
  void LineSent(int Index) override;
  void FillWindow() override;

  TBorderStyle FBorderStyle = bsSingle;
  int FColumns = 0;
  bool FExtendedSelect = true;
  bool FIntegralHeight = false;
  int FItemHeight = 16;
  bool FMultiSelect = false;
  TListBoxStyle FStyle = lbStandard;
  std::vector<int> FSavedSelection;
};

class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox)

 public:
  explicit TListBox(TComponent* Owner) : TCustomListBox(Owner) {}
};
