// TScrollBar: a scroll-bar control on the system SCROLLBAR class. The system tracks the mouse and
// sends scroll codes; the control turns them into Position with its SmallChange and LargeChange and
// reports OnScroll (which may change the new position) and OnChange.
#pragma once

#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
PUBLISHED_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
               scEndScroll)
using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
  DECLARE_CLASS(TScrollBar, TWinControl)

 public:
  explicit TScrollBar(TComponent* Owner);
  static void Publish(TPublisher<TScrollBar>& P);

  TScrollBarKind Kind() const { return FKind; }
  // Changing the kind turns the bar: width and height trade places.
  void SetKind(TScrollBarKind Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  // The visible part of the range; the thumb's length follows it. At most Max - Min + 1.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  // Position is kept within Min..Max; EInvalidOperation when Max is below Min.
  void SetParams(int APosition, int AMin, int AMax);

  void Loaded() override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  // A scroll code from the system: the new position, offered to OnScroll, then set.
  void DoScroll(int Code);
  void UpdateWindow();
  virtual void Change();

  TScrollBarKind FKind = sbHorizontal;
  int FPosition = 0;
  int FMin = 0;
  int FMax = 100;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
