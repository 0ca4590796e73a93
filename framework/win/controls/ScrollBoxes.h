// TScrollingWinControl and TScrollBox: a container whose children may reach beyond its client area;
// its scroll bars then appear and scroll the children (windows and windowless ones alike).
#pragma once

#include "framework/win/controls/Controls.h"

class TScrollingWinControl : public TWinControl {
  DECLARE_CLASS(TScrollingWinControl, TWinControl)

 public:
  explicit TScrollingWinControl(TComponent* Owner);
  static void Publish(TPublisher<TScrollingWinControl>& P);

  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // How far the children are scrolled (0,0 when they sit where they were placed).
  POINT ScrollPos() const { return FScrollPos; }
  void ScrollTo(int X, int Y);
  // Shows, hides and sizes the bars after the children's extent; called by itself on every change.
  void UpdateScrollRange();
  // The extent of the children in unscrolled client coordinates.
  SIZE ContentSize() const;
  // Brings a child entirely into view.
  void ScrollInView(TControl* Control);

  void Loaded() override;

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void ControlBoundsChanged(TControl* Control) override;
  void ScrollBar(int Bar, int Code);

  bool FAutoScroll = true;
  bool FUpdatingRange = false;
  POINT FScrollPos{0, 0};
};

class TScrollBox : public TScrollingWinControl {
  DECLARE_CLASS(TScrollBox, TScrollingWinControl)

 public:
  explicit TScrollBox(TComponent* Owner);
  static void Publish(TPublisher<TScrollBox>& P);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

  TBorderStyle FBorderStyle = bsSingle;
};
