// TToolBar and TToolButton: a row of buttons on the system's tool-bar class. Each TToolButton is a
// windowless child control of the tool bar that stands for one native button (push, check, drop-down,
// separator); its bounds follow the button's. The tool bar's custom drawing reaches OnCustomDraw and
// OnCustomDrawButton with the button's state, and a button can open a popup menu or a menu item's
// sub-menu below itself.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/Menus.h"

class TToolBar;

PUBLISHED_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolButton : public TGraphicControl {
  DECLARE_CLASS(TToolButton, TGraphicControl)

 public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;
  static void Publish(TPublisher<TToolButton>& P);

  TToolBar* ToolBar() const { return FToolBar; }
  // Position among the tool bar's buttons, -1 without one.
  int Index() const;
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Checked (check style) or held down.
  bool Down() const;
  void SetDown(bool Value);
  // A check button in a group of adjacent grouped buttons, one of which is down at a time.
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);
  bool Indeterminate() const { return FIndeterminate; }
  void SetIndeterminate(bool Value);
  bool Marked() const { return FMarked; }
  void SetMarked(bool Value);
  // Shown below the button by its arrow (drop-down style) or by a click.
  // The popup menu may be the same menu; it stays watched while either reference holds it.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  void SetPopupMenu(TPopupMenu* Value) override;
  // A menu item whose caption the button shows and whose sub-menu it opens (a menu bar on a tool bar).
  TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* Value);

  // Opens the button's menu below it; false when it has none.
  bool CheckMenuDropdown();
  void Click() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetParent(TWinControl* AParent) override;

 protected:
  void WndProc(TMessage& Message) override;
  void TextChanged() override;

 private:
  friend class TToolBar;
  void Changed();

  TToolBar* FToolBar = nullptr;
  TToolButtonStyle FStyle = tbsButton;
  int FImageIndex = -1;
  bool FDown = false;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  bool FWrap = false;
  bool FIndeterminate = false;
  bool FMarked = false;
  TPopupMenu* FDropdownMenu = nullptr;
  TMenuItem* FMenuItem = nullptr;
  int FCommand = 0;        // the native button's identifier
  bool FFromMenu = false;  // made by the tool bar for its Menu
};

using TTBCustomDrawEvent = TEvent<void(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw)>;
using TTBCustomDrawBtnEvent =
    TEvent<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TWinControl {
  DECLARE_CLASS(TToolBar, TWinControl)

 public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;
  static void Publish(TPublisher<TToolBar>& P);

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TToolButton* Buttons(int Index) const;  // null outside
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TImageList* Value);
  TImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TImageList* Value);
  // Buttons without a raised edge until the mouse is over them.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  // Captions beside the images instead of below them.
  bool List() const { return FList; }
  void SetList(bool Value);
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool Value);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value);
  // One button per item of the menu's top level, each opening its item's sub-menu.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);

  // The canvas that OnCustomDraw and OnCustomDrawButton draw on, valid inside them.
  TCanvas* Canvas() const { return FCanvas.get(); }
  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

  // The buttons changed: the window takes them again.
  void UpdateButtons();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  // The native tool bar draws its buttons; the button objects draw nothing of their own.
  bool OwnPainting() const override { return false; }

 private:
  friend class TToolButton;
  void InsertButton(TToolButton* Button);
  void RemoveButton(TToolButton* Button);
  TToolButton* FindButton(int Command) const;
  void UpdateImages();
  void UpdateStyle();
  void SyncButtonBounds();
  void ButtonClicked(TToolButton* Button);
  LRESULT CustomDraw(NMTBCUSTOMDRAW& Draw);
  void ShowButtonMenu(TToolButton* Button);
  void ClearMenuButtons();

  std::vector<TToolButton*> FButtons;
  std::unique_ptr<TCanvas> FCanvas;
  TImageList* FImages = nullptr;
  TImageList* FDisabledImages = nullptr;
  TImageList* FHotImages = nullptr;
  TMainMenu* FMenu = nullptr;
  bool FFlat = false;
  bool FShowCaptions = false;
  bool FList = false;
  bool FWrapable = true;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  int FNextCommand = 1;
  bool FUpdating = false;
  bool FInMenu = false;
};
