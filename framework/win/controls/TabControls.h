// Tab controls on the system's tab class: TTabControl (a row of tabs named by a string list, the
// program swaps what the display area shows) and TPageControl, whose tabs are its TTabSheet pages.
// Tabs sit on any side, as tabs, buttons or flat buttons, on one line or several.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/Strings.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

PUBLISHED_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)
PUBLISHED_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)

using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

class TCustomTabControl : public TWinControl {
  DECLARE_CLASS(TCustomTabControl, TWinControl)

 public:
  explicit TCustomTabControl(TComponent* AOwner);
  ~TCustomTabControl() override;
  static void Publish(TPublisher<TCustomTabControl>& P);

  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  // Tabs at the left or right always take as many lines as they need.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  // 0: as the text needs.
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);

  // The part of the client area that the tabs leave for the pages (client coordinates).
  RECT DisplayRect() const;
  // The tab under a client point, -1 for none.
  int IndexOfTabAt(int X, int Y) const;
  // Where tab Index is drawn (client coordinates); empty when it is not.
  RECT TabRect(int Index) const;

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  // What the tabs show; a subclass answers from its strings or pages.
  virtual int TabCount() const { return 0; }
  virtual String TabText(int Index) const { return {}; }
  virtual int TabImage(int Index) const { return Index; }
  // The selected tab, -1 for none.
  int CurrentTab() const;
  void SelectTab(int Index);
  // The native tabs rebuilt from TabCount/TabText/TabImage; the selection is kept where it can be.
  void UpdateTabs();
  // The user is about to select another tab (false keeps the current one), or has done so.
  virtual bool CanChange();
  virtual void Change();
  // The tabs took another shape: the display area moved.
  virtual void DisplayChanged() {}
  // Controls aligned inside take the display area.
  void AdjustClientRect(RECT& Rect) const override { Rect = DisplayRect(); }

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

  int FTabIndex = -1;  // kept while there is no window

 private:
  TTabStyle FStyle = tsTabs;
  TTabPosition FTabPosition = tpTop;
  bool FMultiLine = false;
  TImageList* FImages = nullptr;
  bool FHotTrack = false;
  bool FRaggedRight = false;
  int FTabHeight = 0;
  int FTabWidth = 0;
};

class TTabControl : public TCustomTabControl {
  DECLARE_CLASS(TTabControl, TCustomTabControl)

 public:
  explicit TTabControl(TComponent* AOwner);
  ~TTabControl() override;
  static void Publish(TPublisher<TTabControl>& P);

  // One tab per line.
  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(TStrings* Value) { FTabs->Assign(Value); }
  int TabIndex() const { return CurrentTab(); }
  void SetTabIndex(int Value) { SelectTab(Value); }

  void Loaded() override;

 protected:
  int TabCount() const override;
  String TabText(int Index) const override;

 private:
  friend class TTabStrings;
  std::unique_ptr<TStrings> FTabs;
};

class TPageControl;

// One page of a page control: a container shown while its tab is selected.
class TTabSheet : public TWinControl {
  DECLARE_CLASS(TTabSheet, TWinControl)

 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  static void Publish(TPublisher<TTabSheet>& P);

  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* Value);
  // Position among the page control's pages.
  int PageIndex() const;
  void SetPageIndex(int Value);
  // Position among the tabs shown (-1 while the tab is hidden or there is no page control).
  int TabIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  // A page control as parent makes this one of its pages.
  void SetParent(TWinControl* AParent) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
};

class TPageControl : public TCustomTabControl {
  DECLARE_CLASS(TPageControl, TCustomTabControl)

 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  static void Publish(TPublisher<TPageControl>& P);

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const;  // null outside
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value) { SetActivePage(Pages(Value)); }
  int TabIndex() const { return CurrentTab(); }
  // The next (or previous) page with a visible tab, wrapping around; null when there is none.
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward) const;
  void SelectNextPage(bool GoForward);

  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  int TabCount() const override;
  String TabText(int Index) const override;
  int TabImage(int Index) const override;
  void Change() override;
  void DisplayChanged() override;
  void CreateWnd() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int Index);
  void PageTabChanged(TTabSheet* Page);
  TTabSheet* PageOfTab(int Tab) const;
  int TabOfPage(const TTabSheet* Page) const;
  void ShowActivePage();
  void LayoutPages();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
