// TCustomComboBox and TComboBox on the system COMBOBOX class: a simple list under an edit, a
// drop-down list under an edit, a drop-down list only, or one drawn by the program. Like the list
// box, the control keeps the lines itself and the window mirrors them.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/ListBoxes.h"

PUBLISHED_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

class TCustomComboBox;

class TComboBoxStrings : public TStrings {
  DECLARE_CLASS(TComboBoxStrings, TStrings)

 public:
  explicit TComboBoxStrings(TCustomComboBox* ComboBox) : FComboBox(ComboBox) {}
  int Count() const override;
  String Get(int Index) const override;
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* Object) override;
  void Insert(int Index, const String& S) override;
  int Add(const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(std::string_view S) const override;

 private:
  TCustomComboBox* FComboBox;
};

class TCustomComboBox : public TWinControl {
  DECLARE_CLASS(TCustomComboBox, TWinControl)

 public:
  explicit TCustomComboBox(TComponent* Owner);
  ~TCustomComboBox() override;
  static void Publish(TPublisher<TCustomComboBox>& P);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const { return static_cast<int>(FLines.size()); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  // Whether the user types into an edit (drop-down and simple styles).
  bool Editable() const { return FStyle == csDropDown || FStyle == csSimple; }
  void Clear();

  TControlCanvas* Canvas() const { return FCanvas.get(); }
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void Loaded() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;

 protected:
  friend class TComboBoxStrings;
  struct TLine {
    String Text;
    TObject* Object = nullptr;
  };
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void DrawItem(int Index, const RECT& Rect, TOwnerDrawState State);
  virtual void Change();
  // Without an edit the text is the chosen line's, and setting it chooses the line.
  String GetText() const override;
  void TextChanged() override;
  void InsertLine(int Index, const String& Text, TObject* Object);
  void DeleteLine(int Index);
  int SortedIndex(const String& Text) const;
  void FillWindow();
  // The window's height: the edit part plus the list that drops below it.
  int WindowHeight() const;

  std::unique_ptr<TComboBoxStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::vector<TLine> FLines;
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  int FItemHeight = 16;
  int FMaxLength = 0;
  bool FSorted = false;
  int FItemIndex = -1;
};

class TComboBox : public TCustomComboBox {
  DECLARE_CLASS(TComboBox, TCustomComboBox)

 public:
  explicit TComboBox(TComponent* Owner) : TCustomComboBox(Owner) {}
};
