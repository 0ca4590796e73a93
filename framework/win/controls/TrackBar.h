// TTrackBar: a slider on the system's track-bar class. Its custom-draw notifications come back to it
// as CN_NOTIFY (the parent reflects them), so whoever sits in front of its message method can draw
// the channel and the thumb itself.
#pragma once

#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
PUBLISHED_ENUM(TTickStyle, tsNone, tsAuto, tsManual)
PUBLISHED_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)

class TTrackBar : public TWinControl {
  DECLARE_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* AOwner);
  static void Publish(TPublisher<TTrackBar>& P);

  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  int Min() const { return FMin; }
  void SetMin(int Value) { SetRange(Value, FMax); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetRange(FMin, Value); }
  // Min above Max takes Max along (and the other way round).
  void SetRange(int AMin, int AMax);
  int Position() const;
  void SetPosition(int Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int SelStart() const { return FSelStart; }
  void SetSelStart(int Value);
  int SelEnd() const { return FSelEnd; }
  void SetSelEnd(int Value);
  int ThumbLength() const { return FThumbLength; }
  void SetThumbLength(int Value);
  bool SliderVisible() const { return FSliderVisible; }
  void SetSliderVisible(bool Value);
  // A tick at Value (with TickStyle tsManual).
  void SetTick(int Value);

  // The position changed (by the user or the program).
  TNotifyEvent OnChange;

  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Changed();

 private:
  void UpdateSelection();

  TTrackBarOrientation FOrientation = trHorizontal;
  TTickStyle FTickStyle = tsAuto;
  TTickMark FTickMarks = tmBottomRight;
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  int FSelStart = 0;
  int FSelEnd = 0;
  int FThumbLength = 20;
  bool FSliderVisible = true;
};
