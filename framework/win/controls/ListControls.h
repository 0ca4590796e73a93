// TCustomListControl: what the list box and the combo box share. The control keeps the lines (with
// their objects) itself and its window mirrors them, so they survive a re-created window and can be
// changed before there is one; sorting is done here too. The two windows take the same requests
// under different message numbers, which each control names.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/Controls.h"

using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State)>;

class TCustomListControl;

// The messages that insert a line into the window, delete one, and empty it.
struct TListMessages {
  UINT InsertString;
  UINT DeleteString;
  UINT ResetContent;
};

// The lines of a list control; every change goes to the control, which updates its window.
class TListControlStrings : public TStrings {
  DECLARE_CLASS(TListControlStrings, TStrings)

 public:
  explicit TListControlStrings(TCustomListControl* Control) : FControl(Control) {}
  int Count() const override;
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* Object) override;
  void Insert(int Index, const String& S) override;
  int Add(const String& S) override;  // a sorted control puts the line in its place
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(std::string_view S) const override;

 private:
  TCustomListControl* FControl;
};

class TCustomListControl : public TWinControl {
  DECLARE_CLASS(TCustomListControl, TWinControl)

 public:
  TCustomListControl(TComponent* Owner, const TListMessages& Messages);
  ~TCustomListControl() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const { return static_cast<int>(FLines.size()); }
  // The chosen line (-1 for none), from the window while there is one.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int Value) = 0;
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  void Clear() { ClearLines(); }
  // The DC of the line being drawn, for OnDrawItem (in the line's state colours when it starts).
  TControlCanvas* Canvas() const { return FCanvas.get(); }

  TDrawItemEvent OnDrawItem;

 protected:
  friend class TListControlStrings;
  struct TLine {
    String Text;
    TObject* Object = nullptr;
  };

  void WndProc(TMessage& Message) override;
  // Draws line Index: OnDrawItem when assigned, else the text on the selection colours.
  virtual void DrawItem(int Index, const RECT& Rect, TOwnerDrawState State);
  // A line came, went, or all of them went: subclasses keep data of their own per line.
  virtual void LineInserted(int Index) {}
  virtual void LineDeleted(int Index) {}
  virtual void LinesCleared() {}
  virtual void LinesExchanged(int Index1, int Index2) {}
  // Line Index has just been given to the window.
  virtual void LineSent(int Index) {}

  // The list, and the window after it.
  void InsertLine(int Index, const String& Text, TObject* Object);
  void DeleteLine(int Index);
  virtual void ClearLines();
  // Where a sorted control puts Text.
  int SortedIndex(const String& Text) const;
  // The window gets every line again (the chosen one is the caller's business).
  virtual void FillWindow();

  std::unique_ptr<TListControlStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::vector<TLine> FLines;
  bool FSorted = false;
  // ItemIndex without a window (and through a re-created one).
  int FItemIndex = -1;

 private:
  TListMessages FMessages;
};
