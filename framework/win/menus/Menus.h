// Menus: TMenuItem trees in front of native menus. A TMainMenu becomes a form's menu bar, a
// TPopupMenu opens at a screen point. Every item has a process-wide command identifier, so that the
// WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM messages a window receives for it find the item again
// (DispatchMenuMessage). With OwnerDraw the items are measured and painted by the framework, or by
// the OnMeasureItem/OnDrawItem handlers that the skinning engine installs.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/ShortCuts.h"

class TMenu;
class TMenuItem;

// After the framework's own measurement: the handler may change Width and Height.
using TMenuMeasureItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
// Replaces the framework's painting of the item into ARect.
using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, const RECT& ARect, bool Selected)>;

PUBLISHED_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

// The first identifier that the framework never hands out: the system menu's and the MDI window
// list's commands live above it.
inline constexpr UINT kMenuCommandLimit = 0xF000;

class TMenuItem : public TComponent {
  DECLARE_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* AOwner);
  // Sub-items go with their parent; the native menu is destroyed after them.
  ~TMenuItem() override;

  static void Publish(TPublisher<TMenuItem>& P);

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  // A click checks a radio item (its group unchecked), or toggles any other item, before OnClick.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

  // The tree.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }  // std::out_of_range outside
  TMenuItem* Parent() const { return FParent; }
  // Takes Item out of its old parent; Index -1 appends.
  void Insert(int Index, TMenuItem* Item);
  void Add(TMenuItem* Item) { Insert(-1, Item); }
  void Remove(TMenuItem* Item);  // the caller owns Item afterwards
  void Delete(int Index);        // frees the item
  void Clear();                  // frees every sub-item
  int IndexOf(const TMenuItem* Item) const;
  // Position among the parent's items (-1 without a parent).
  int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
  void SetMenuIndex(int Value);
  TMenu* GetParentMenu() const;
  bool IsLine() const { return FCaption == "-"; }

  // The native menu that shows the sub-items, created on first use (a popup menu; the root item of
  // a TMainMenu makes a menu bar). Null when this item has no sub-items and none was made yet.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // The identifier the native item carries (unique in the process while the item lives).
  UINT Command() const { return FCommand; }
  // The image list of the owning menu.
  TImageList* GetImageList() const;

  // Runs OnClick, after the AutoCheck change of Checked.
  virtual void Click();
  // The framework's measurement, then OnMeasureItem.
  void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  // OnDrawItem, or the framework's painting.
  void DrawItem(TCanvas* ACanvas, const RECT& ARect, bool Selected);
  // Whether the native item is owner-drawn (the menu's OwnerDraw; never a menu bar's top level).
  bool IsOwnerDraw() const;

  // Description tree: sub-items are written inside their item's block.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

 protected:
  // The native items of Handle() rebuilt from the sub-items; the menu is told.
  void RebuildHandle();
  // A property shown by the native item changed.
  void Changed();

 private:
  friend class TMenu;
  void DetachNativeItems();
  void DefaultMeasure(TCanvas* ACanvas, int& Width, int& Height);
  void DefaultDraw(TCanvas* ACanvas, const RECT& ARect, bool Selected);

  String FCaption;
  String FHint;
  bool FChecked = false;
  bool FEnabled = true;
  bool FDefault = false;
  bool FRadioItem = false;
  bool FAutoCheck = false;
  bool FVisible = true;
  bool FDestroying = false;
  int FGroupIndex = 0;
  int FImageIndex = -1;
  TShortCut FShortCut = scNone;
  UINT FCommand = 0;
  HMENU FHandle = nullptr;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item of a menu
  std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
  DECLARE_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  static void Publish(TPublisher<TMenu>& P);

  // The invisible root whose sub-items are the menu's top level.
  TMenuItem* Items() const { return FItems.get(); }
  HMENU Handle() { return FItems->Handle(); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }

  // Clicks the item with that shortcut when it and the items above it are enabled; true when it did
  // (a disabled item leaves the key to the focused control).
  bool IsShortCut(TShortCut Key);
  // The first item with that shortcut, depth first; null when none.
  TMenuItem* FindItemByShortCut(TShortCut Key) const;

  // The item of this menu with that command identifier, or with that native sub-menu.
  TMenuItem* FindItem(UINT Command) const;
  TMenuItem* FindItemByHandle(HMENU Menu) const;

  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // A native menu of this menu was rebuilt.
  virtual void MenuChanged() {}

 protected:
  virtual bool IsMenuBar() const { return false; }
  void RebuildAll();

 private:
  friend class TMenuItem;
  std::unique_ptr<TMenuItem> FItems;
  TImageList* FImages = nullptr;
  bool FOwnerDraw = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
};

class TMainMenu : public TMenu {
  DECLARE_CLASS(TMainMenu, TMenu)

 public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
  // Takes its menu bar off the window first, so the window cannot destroy it a second time.
  ~TMainMenu() override;

  // The window showing this menu bar (set by the form).
  HWND WindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(HWND Value);
  void MenuChanged() override;

 protected:
  bool IsMenuBar() const override { return true; }

 private:
  HWND FWindowHandle = nullptr;
};

class TPopupMenu : public TMenu {
  DECLARE_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
  static void Publish(TPublisher<TPopupMenu>& P);

  // Shows the menu at a screen point and returns once it closes; the chosen item's click arrives
  // as WM_COMMAND at the owning form's window (or the framework's popup window) right after.
  virtual void Popup(int X, int Y);
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
  // The window that receives the menu's messages: the owning form's, else the popup window.
  HWND OwnerWindow() const;

  TNotifyEvent OnPopup;

 private:
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};

// The live item with that command identifier, from any menu of the process; null when none.
TMenuItem* FindMenuItemByCommand(UINT Command);
// The live item whose native sub-menu is Menu.
TMenuItem* FindMenuItemByHandle(HMENU Menu);
// Handles WM_COMMAND (menu or accelerator), WM_MEASUREITEM and WM_DRAWITEM (menus), and
// WM_INITMENUPOPUP for framework items; true when the message was one of theirs (Result is set).
bool DispatchMenuMessage(TMessage& Message);
// The hidden window that owns popup menus without a form.
HWND PopupListWindow();

// Registers TMenuItem, TMainMenu and TPopupMenu for form descriptions.
void RegisterMenuClasses();
