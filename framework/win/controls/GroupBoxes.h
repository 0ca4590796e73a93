// Group boxes on the system BUTTON class, and the radio group: a group box holding one radio
// button per line of Items, in Columns, with ItemIndex the chosen line.
#pragma once

#include <vector>

#include "framework/win/controls/CheckBoxes.h"

class TCustomGroupBox : public TWinControl {
  DECLARE_CLASS(TCustomGroupBox, TWinControl)

 public:
  explicit TCustomGroupBox(TComponent* Owner);
  static void Publish(TPublisher<TCustomGroupBox>& P);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Inside the frame, below the caption.
  void AdjustClientRect(RECT& Rect) const override;
  // The caption font's height.
  int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
  DECLARE_CLASS(TGroupBox, TCustomGroupBox)

 public:
  explicit TGroupBox(TComponent* Owner) : TCustomGroupBox(Owner) {}
};

class TCustomRadioGroup;

// One radio button of a radio group; the group owns it and places it.
class TGroupButton : public TRadioButton {
  DECLARE_CLASS(TGroupButton, TRadioButton)

 public:
  TGroupButton(TCustomRadioGroup* Group, int Index);
  void Click() override;
  int Index() const { return FIndex; }

 private:
  friend class TCustomRadioGroup;
  TCustomRadioGroup* FGroup;
  int FIndex;
};

class TCustomRadioGroup : public TCustomGroupBox {
  DECLARE_CLASS(TCustomRadioGroup, TCustomGroupBox)

 public:
  explicit TCustomRadioGroup(TComponent* Owner);
  ~TCustomRadioGroup() override;
  static void Publish(TPublisher<TCustomRadioGroup>& P);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  // -1 for none; out-of-range values are taken as -1. Setting it checks the button without OnClick.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  // The radio button of line Index (null outside).
  TGroupButton* Buttons(int Index) const;
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }

  void Loaded() override;
  void SetBounds(int Left, int Top, int Width, int Height) override;

 protected:
  friend class TGroupButton;
  void ButtonClicked(TGroupButton* Button);
  void WndProc(TMessage& Message) override;
  void ItemsChanged(TObject* Sender);
  // One button per line, captions from the lines, placed column by column.
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStringList> FItems;
  std::vector<TGroupButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
  DECLARE_CLASS(TRadioGroup, TCustomRadioGroup)

 public:
  explicit TRadioGroup(TComponent* Owner) : TCustomRadioGroup(Owner) {}
};
