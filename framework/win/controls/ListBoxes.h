// TCustomListBox and TListBox on the system LISTBOX class. The control keeps the lines (with their
// objects) itself and the window mirrors them, so they survive a re-created window and can be
// changed before there is one; sorting is done here too.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

class TCustomListBox;

// The lines of a list box; every change goes to the control, which updates its window.
class TListBoxStrings : public TStrings {
  DECLARE_CLASS(TListBoxStrings, TStrings)

 public:
  explicit TListBoxStrings(TCustomListBox* ListBox) : FListBox(ListBox) {}
  int Count() const override;
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* Object) override;
  void Insert(int Index, const String& S) override;
  int Add(const String& S) override;  // a sorted list box puts the line in its place
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(std::string_view S) const override;

 private:
  TCustomListBox* FListBox;
};

class TCustomListBox : public TWinControl {
  DECLARE_CLASS(TCustomListBox, TWinControl)

 public:
  explicit TCustomListBox(TComponent* Owner);
  ~TCustomListBox() override;
  static void Publish(TPublisher<TCustomListBox>& P);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const { return static_cast<int>(FLines.size()); }
  // The focused line (-1 for none); setting it selects that line alone.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int Value);
  void Clear() { FItems->Clear(); }

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
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // The DC of the line being drawn, for OnDrawItem (in the line's state colours when it starts).
  TControlCanvas* Canvas() const { return FCanvas.get(); }
  // The rectangle of a line in client coordinates (empty when there is no window or no such line).
  RECT ItemRect(int Index) const;
  // The line at a client point, -1 when none.
  int ItemAtPos(POINT Point, bool Existing = true) const;

  void Loaded() override;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  friend class TListBoxStrings;
  struct TLine {
    String Text;
    TObject* Object = nullptr;
  };

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  // Draws line Index: OnDrawItem when assigned, else the text on the selection colours.
  virtual void DrawItem(int Index, const RECT& Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  // A line came, went, or all of them went: subclasses keep data of their own per line.
  virtual void LineInserted(int Index) {}
  virtual void LineDeleted(int Index) {}
  virtual void LinesCleared() {}
  virtual void LinesExchanged(int Index1, int Index2) {}

  // The list, and the window after it.
  void InsertLine(int Index, const String& Text, TObject* Object);
  void DeleteLine(int Index);
  void ClearLines();
  // Where a sorted list box puts Text.
  int SortedIndex(const String& Text) const;
  void FillWindow();

  std::unique_ptr<TListBoxStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::vector<TLine> FLines;
  TBorderStyle FBorderStyle = bsSingle;
  int FColumns = 0;
  bool FExtendedSelect = true;
  bool FIntegralHeight = false;
  int FItemHeight = 16;
  bool FMultiSelect = false;
  bool FSorted = false;
  TListBoxStyle FStyle = lbStandard;
  // ItemIndex without a window (and through a re-created one).
  int FItemIndex = -1;
  std::vector<int> FSavedSelection;
};

class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox)

 public:
  explicit TListBox(TComponent* Owner) : TCustomListBox(Owner) {}
};
