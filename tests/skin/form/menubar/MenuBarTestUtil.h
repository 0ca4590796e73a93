// Helpers of the menu-bar tests: a native menu bar with drop-downs, nested sub-menus, an item without
// a caption, a disabled item and an item without a drop-down; a skinned window showing it; a solid
// MenuBar element; and a stand-in for the platform's modal menu tracking.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "tests/support/SkinnedWindow.h"

namespace bartest {

// Command identifiers of the test bar's items.
enum : UINT {
  kFile = 100,
  kOpen = 101,
  kRecent = 102,
  kOne = 111,
  kTwo = 112,
  kDeep = 121,
  kEdit = 200,
  kUndo = 201,
  kNoCaption = 300,
  kLocked = 400,
  kNever = 401,
  kPlain = 600,
  kHelp = 500,
  kAbout = 501,
};

// "&File" (Open, Recent > (One, Two > Deep)), "&Edit" (Undo), "" , "&Locked" (disabled, Never),
// "&Plain" (no drop-down), "&Help" (About). With RightToLeft every item runs right to left.
struct TTestBar {
  explicit TTestBar(bool RightToLeft = false);
  HMENU Bar = nullptr, File = nullptr, Recent = nullptr, Two = nullptr, Edit = nullptr, Locked = nullptr,
        Help = nullptr;
};

// A solid MenuBar element: frame 1 (active) in Active, frame 2 (inactive) in Inactive, stacked.
std::unique_ptr<TDataSkinObject> SolidMenuBar(COLORREF Active, COLORREF Inactive, int Left, int Right,
                                              int Tile = 1);

// A recording window with the test bar, skinned, its bar painted.
struct TBarWindow {
  explicit TBarWindow(TSkinData& Data, bool RightToLeft = false, RECT Bounds = {40, 40, 560, 300});
  ~TBarWindow();
  TMenuBtn* Button(const char16_t* Caption) const;
  RECT Band() const;  // window coordinates
  void Repaint() const;
  HWND Wnd() const { return Window->Handle(); }
  TTestBar Menus;
  std::unique_ptr<testsupport::TKeptWindow> Window;
  std::unique_ptr<TRuzIzivForm> Form;
};

// Replaces the modal tracking for a test: records each menu it is asked to show and runs During
// (once per call) in place of the platform's loop.
class TFakeTracking {
 public:
  TFakeTracking();
  ~TFakeTracking();
  std::vector<HMENU> Menus;
  std::function<void(int Call)> During;

 private:
  static BOOL WINAPI Track(HMENU Menu, UINT Flags, int X, int Y, int Reserved, HWND Owner, const RECT* Rect);
  static TFakeTracking* Current;
  decltype(TMenuLoopState::Track) FSaved;
};

// The caption of the bar button that a click posted to Wnd would land on (removed from the queue);
// empty when none was posted.
std::u16string TakePostedClickTarget(TBarWindow& Window);

// Whether every item of Menu and of its sub-menus is owner-drawn.
bool AllOwnerDrawn(HMENU Menu);

}  // namespace bartest
