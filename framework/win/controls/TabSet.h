// TTabSet: the framework's own strip of tabs, drawn below a line (as along the bottom of a notebook)
// and side by side from StartMargin. When they do not fit, the first child component, a TScroller
// with two arrows, shows at the right end and scrolls them.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/Strings.h"
#include "framework/win/controls/CustomControl.h"

// Two arrow buttons that move Position between Min and Max, repeating while held.
class TScroller : public TCustomControl {
  DECLARE_CLASS(TScroller, TCustomControl)

 public:
  explicit TScroller(TComponent* AOwner);
  ~TScroller() override;

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  void SetRange(int AMin, int AMax);
  int Position() const { return FPosition; }
  void SetPosition(int Value);

  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  // 0 for the left arrow, 1 for the right one, -1 outside.
  int ArrowAt(int X, int Y) const;
  void Step();

  int FMin = 0;
  int FMax = 0;
  int FPosition = 0;
  int FPressed = -1;  // the arrow held down
  bool FRepeating = false;
};

PUBLISHED_ENUM(TTabSetStyle, tsStandard, tsOwnerDraw)

using TTabChangeEvent = TEvent<void(TObject* Sender, int NewTab, bool& AllowChange)>;
using TDrawTabEvent =
    TEvent<void(TObject* Sender, TCanvas* TabCanvas, const RECT& R, int Index, bool Selected)>;

class TTabSet : public TCustomControl {
  DECLARE_CLASS(TTabSet, TCustomControl)

 public:
  explicit TTabSet(TComponent* AOwner);
  ~TTabSet() override;
  static void Publish(TPublisher<TTabSet>& P);

  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(TStrings* Value) { FTabs->Assign(Value); }
  // The selected tab (-1 for none); selecting one scrolls it into view.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int Value);
  // The first tab shown.
  int FirstIndex() const { return FFirstIndex; }
  void SetFirstIndex(int Value);
  int StartMargin() const { return FStartMargin; }
  void SetStartMargin(int Value);
  int EndMargin() const { return FEndMargin; }
  void SetEndMargin(int Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  TColor UnselectedColor() const { return FUnselectedColor; }
  void SetUnselectedColor(TColor Value);
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value);
  // The background in a fine dither of BackgroundColor and white.
  bool DitherBackground() const { return FDitherBackground; }
  void SetDitherBackground(bool Value);
  // The scroller appears when the tabs do not fit.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  TTabSetStyle Style() const { return FStyle; }
  void SetStyle(TTabSetStyle Value);

  TScroller* Scroller() const { return FScroller; }
  // How many tabs show from FirstIndex on; the tab at a client point (-1 for none); a tab's place.
  int VisibleTabs();
  int ItemAtPos(POINT Pos);
  RECT ItemRect(int Index);

  // Before another tab is selected by the user or the program; clearing AllowChange keeps the old one.
  TTabChangeEvent OnChange;
  TDrawTabEvent OnDrawTab;

  void Loaded() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  struct TTabPlace {
    int Index;
    RECT Rect;
  };
  void TabsChanged(TObject* Sender);
  void ScrollerChanged(TObject* Sender);
  // Where the tabs go, from FirstIndex, and whether the scroller is needed.
  std::vector<TTabPlace> Layout();
  void UpdateScroller();
  bool CanChange(int NewTab);
  void DrawTab(const TTabPlace& Place, bool Selected);

  std::unique_ptr<TStringList> FTabs;
  TScroller* FScroller;  // owned and parented by this tab set
  int FTabIndex = -1;
  int FFirstIndex = 0;
  int FStartMargin = 5;
  int FEndMargin = 15;
  int FTabHeight = 20;
  TColor FSelectedColor = clBtnFace;
  TColor FUnselectedColor = clWindow;
  TColor FBackgroundColor = clBtnFace;
  bool FDitherBackground = true;
  bool FAutoScroll = true;
  TTabSetStyle FStyle = tsStandard;
};
