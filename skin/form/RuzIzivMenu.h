// TRuzIzivMenu: the menu bar of a skinned window. The native bar lives in the non-client area that
// the skin paints, so it is taken off the window and drawn in the band below the caption instead: one
// TMenuBtn per top-level item, laid out from the skin's MenuBar element, with hover and press
// feedback. A click (or Alt with an item's accelerator, or moving along the bar while a menu is open)
// opens the item's drop-down with the platform's popup-menu tracking, so the menus stay native
// popups whose items the form skin object paints itself.
//
// While a drop-down of a bar is tracked, one process-wide state with a message-filter hook follows
// the platform's menu loop (MenuLoop below).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/graphics/Graphics.h"

class TRuzIzivForm;
class TSkinData;
class TMenuBtn;
class TMainMenu;
class TMenuItem;

class TRuzIzivMenu : public TComponent {
  DECLARE_CLASS(TRuzIzivMenu, TComponent)

 public:
  // Owned by the form skin object, which frees it before itself.
  TRuzIzivMenu(TRuzIzivForm* FormSkin, TSkinData* SkinData);
  ~TRuzIzivMenu() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Rebuild the buttons: from the window's native menu (UpdataBtn), from the framework menu's items
  // (UpdataBtn1 on older platforms, UpdataBtn3), or from a new MDI frame menu (UpdataBtn2). Each takes
  // the native bar off the window. While a drop-down of this bar is tracked the rebuild waits until
  // the menu loop ends (the loop still refers to the buttons).
  void UpdataBtn();
  void UpdataBtn1();
  void UpdataBtn2(HMENU Menu);
  void UpdataBtn3();
  // Lays the buttons out in the band of the window as it is now.
  void SetMenuRect();
  // Paints the bar into DC. M is the band in window coordinates, and DC's origin is the window's
  // top-left corner (the window DC, or an off-screen picture of the whole window).
  void DrawMenu(HDC DC, const RECT& M);
  // The button under a window point; buttons with an empty caption are never hit.
  TMenuBtn* FindBtn(POINT P);
  // The button at Index in the bar, or none.
  TMenuBtn* ButtonAt(int Index) const;
  // The identifier of Menu's last item (the second menu is not read); 0 for an empty menu.
  UINT Copymenu(HMENU Menu, HMENU Spare);
  void MouseMove(POINT) {}
  // The framework main menu the buttons come from (told when it goes away).
  void SetMainMenu(TMainMenu* Menu);
  // Items are laid out from the right.
  bool IsRightToLeft() const;
  // Paints one button (hover and press feedback) straight into the window.
  void DrawButton(TMenuBtn& Button);

  std::vector<std::unique_ptr<TMenuBtn>> FButtons;
  TMainMenu* FMenu = nullptr;  // not owned
  RECT FMenuRect{0, 0, 0, 0};
  TSkinData* FSkinData;
  TRuzIzivForm* FFormSkin;
  std::unique_ptr<TBitmap> FBackground;  // the bar without captions, as last drawn
  int FCount = 0;
  bool FDrawing = false;
  HMENU FMenuHandle = nullptr;  // the native bar the window had; given back on unskinning
  bool FRebuildPending = false;

 private:
  void FreeButtons();
  void RemoveNativeBar();
  // Lays the buttons out in M; measures captions on DC with the menu font selected.
  void Layout(const RECT& M, HDC DC, int StartOffset);
  int StartOffset(const RECT& M) const;
  void DrawCaption(HDC DC, const TMenuBtn& Button, const RECT& R);
  HFONT MenuFont();
  bool Rebuilding();                    // defers a rebuild asked for during the menu loop
  std::unique_ptr<TFont> FOwnMenuFont;  // the menu font when the framework's screen has none
};

// The process-wide state of a menu loop of a skinned menu bar (only one bar menu is tracked at a
// time). The "last item" is the item the platform last reported as highlighted.
struct TMenuLoopState {
  HHOOK Hook = nullptr;
  TRuzIzivForm* Form = nullptr;  // the form skin object whose menu is open
  int OpenIndex = -1;            // the bar button whose menu is open
  HMENU ActivePopup = nullptr;   // its drop-down menu
  HMENU LastMenu = nullptr;      // the menu holding the last highlighted item, or none
  UINT LastItem = 0;             // its identifier (or position for a sub-menu item)
  UINT LastFlags = 0;            // its WM_MENUSELECT flags (MF_POPUP: it opens a sub-menu)
  POINT LastMouse{-32768, -32768};
  bool FirstKeySent = false;
  bool Switching = false;  // the loop is switching to another bar button
  int PendingIndex = -1;   // the button to open once the current menu has closed
  bool* Alive = nullptr;   // cleared when Form goes away while its menu is tracked
  // The modal tracking call (TrackPopupMenu); tests may put their own in its place.
  BOOL(WINAPI* Track)(HMENU, UINT, int, int, int, HWND, const RECT*) = &TrackPopupMenu;

  // The framework item last highlighted (looked up when asked: items may go during the loop).
  TMenuItem* LastFrameworkItem() const;
  void ResetItem() {
    LastMenu = nullptr;
    LastItem = 0;
    LastFlags = 0;
  }
};
extern TMenuLoopState MenuLoop;

// A new popup menu with Menu's items: text (up to 128 characters), state, identifiers; sub-menus are
// shared, not copied. Null for a menu that is not one.
HMENU CopyHMenu(HMENU Menu);
// Takes every item out of Menu (sub-menus stay alive) and destroys it.
void DeleteHMenu(HMENU Menu);
// Whether Key is the accelerator of Caption (the character after a single '&', case-insensitive).
bool IsMenuAccel(wchar_t Key, const WideString& Caption);
