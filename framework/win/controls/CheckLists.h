// TCheckListBox: an owner-drawn list box whose lines carry a check box (unchecked, checked or
// grayed), can be disabled one by one, and can be headers (a line in the header colours, without a
// check box, that cannot be chosen).
#pragma once

#include <vector>

#include "framework/win/controls/CheckBoxes.h"
#include "framework/win/controls/ListBoxes.h"

class TCheckListBox : public TCustomListBox {
  DECLARE_CLASS(TCheckListBox, TCustomListBox)

 public:
  explicit TCheckListBox(TComponent* Owner);
  static void Publish(TPublisher<TCheckListBox>& P);

  // Per line; EListError outside the lines.
  bool Checked(int Index) const { return State(Index) == cbChecked; }
  void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State(int Index) const;
  void SetState(int Index, TCheckBoxState Value);
  bool ItemEnabled(int Index) const;
  void SetItemEnabled(int Index, bool Value);
  bool Header(int Index) const;
  void SetHeader(int Index, bool Value);

  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value);
  TColor HeaderBackgroundColor() const { return FHeaderBackgroundColor; }
  void SetHeaderBackgroundColor(TColor Value);
  // The width of the check box column.
  int CheckWidth() const;
  // What a click on a line's check box does: the next state, OnClickCheck.
  void ToggleLine(int Index);

  TNotifyEvent OnClickCheck;

 protected:
  struct TLineState {
    TCheckBoxState State = cbUnchecked;
    bool Enabled = true;
    bool Header = false;
  };
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void DrawItem(int Index, const RECT& Rect, TOwnerDrawState State) override;
  void LineInserted(int Index) override;
  void LineDeleted(int Index) override;
  void LinesCleared() override { FStates.clear(); }
  void LinesExchanged(int Index1, int Index2) override;
  const TLineState& LineState(int Index) const;
  void InvalidateLine(int Index);

  std::vector<TLineState> FStates;
  bool FAllowGrayed = false;
  TColor FHeaderColor = clInfoText;
  TColor FHeaderBackgroundColor = clInfoBk;
};
