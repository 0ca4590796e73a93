// TCustomComboBox and TComboBox on the system COMBOBOX class: a simple list under an edit, a
// drop-down list under an edit, a drop-down list only, or one drawn by the program; its lines kept by
// the list control, as the list box's are.
#pragma once

#include "framework/win/controls/ListControls.h"

PUBLISHED_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

class TCustomComboBox : public TCustomListControl {
  DECLARE_CLASS(TCustomComboBox, TCustomListControl)

 public:
  explicit TCustomComboBox(TComponent* Owner);
  static void Publish(TPublisher<TCustomComboBox>& P);

  int ItemIndex() const override;
  void SetItemIndex(int Value) override;
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  // Whether the user types into an edit (drop-down and simple styles).
  bool Editable() const { return FStyle == csDropDown || FStyle == csSimple; }

  void SetBounds(int Left, int Top, int Width, int Height) override;
  void Loaded() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Change();
  // Without an edit the text is the chosen line's, and setting it chooses the line.
  String GetText() const override;
  void TextChanged() override;
  // An editable combo box loses its text with its lines.
  void ClearLines() override;
  // The window's height: the edit part plus the list that drops below it.
  int WindowHeight() const;

  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  int FItemHeight = 16;
  int FMaxLength = 0;
};

class TComboBox : public TCustomComboBox {
  DECLARE_CLASS(TComboBox, TCustomComboBox)

 public:
  explicit TComboBox(TComponent* Owner) : TCustomComboBox(Owner) {}
};
