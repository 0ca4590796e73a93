// The rules of caption buttons that need no device context: which of a skin's button records a
// window shows, which it enables, and where each sits, from the record and the window's state and
// styles. The form skin object and the preview tool both ask here, so they cannot disagree.
#pragma once

#include <functional>

namespace skin {

// Visibility codes of a caption-button record. "Visibility" is the first test, "Visibility1" the
// second, looser one for the border icons; a button shows when both pass.
namespace visibility {
inline constexpr int kAlways = 0;
inline constexpr int kMaximised = 1;
inline constexpr int kNotMaximised = 2;
inline constexpr int kActive = 3;
inline constexpr int kInactive = 4;
inline constexpr int kMinOrMaxBox = 6;  // with the system menu in the first test
inline constexpr int kNoMaxBox = 7;
inline constexpr int kMinOrMaxBoxToo = 8;  // means what 6 means
inline constexpr int kNoMinBox = 9;
inline constexpr int kHelpBoxOnly = 10;   // in the second test: a help box, whatever else
inline constexpr int kMenuBar = 100;      // in the menu bar of an MDI parent whose child is maximised
inline constexpr int kDialogFrame = 200;  // a dialog frame, not a system dialog's
inline constexpr int kAlwaysFirst = 201, kAlwaysLast = 999;
inline constexpr int kAskFirst = 1000, kAskLast = 2000;  // the window is asked
}  // namespace visibility

// Where a caption button sits ("Align"): XCoord and YCoord are counted from that place.
namespace align {
inline constexpr int kLeft = 0;         // from the window's left edge
inline constexpr int kRight = 1;        // XCoord from the window's right edge
inline constexpr int kBeforeTitle = 2;  // to the left of the title text, XCoord away
inline constexpr int kAfterTitle = 3;   // to the right of the title text
inline constexpr int kBeforeTitleToo = 8;
inline constexpr int kAfterTitleToo = 9;
inline constexpr int kMenuBar = 100;  // at the right end of the menu bar, centred in it
}  // namespace align

// Actions of caption buttons that the rules treat apart.
namespace action {
inline constexpr int kClose = 0;
inline constexpr int kMaximise = 1;
inline constexpr int kMinimise = 2;
inline constexpr int kSystemMenu = 3;  // 11 and 12 too: the window's icon, opening its system menu
inline constexpr int kSystemMenuToo = 11;
inline constexpr int kSystemMenuAlso = 12;
inline constexpr int kHelp = 4;
}  // namespace action

// The window as the visibility rules see it.
struct TCaptionWindow {
  bool Maximised = false;
  bool Active = false;
  bool MinBox = false;
  bool MaxBox = false;
  bool HelpBox = false;
  bool SystemMenu = false;
  bool DialogBorder = false;       // the frame of a dialog
  bool SystemDialogClass = false;  // a system dialog or message box class
  bool MenuBarButtons = false;     // an MDI parent with a maximised child and a skinned menu bar
  // Asked for codes kAskFirst..kAskLast with the code and the action; none answers "hidden".
  std::function<bool(int Code, int Action)> Ask;
};

struct TCaptionButtonState {
  bool Visible = false;
  bool Enabled = true;
};

// The first test alone, then both tests and the rules by action.
bool FirstVisibility(const TCaptionWindow& Window, int Code, int Action);
bool SecondVisibility(const TCaptionWindow& Window, int Code, int Action, bool First);
TCaptionButtonState CaptionButtonState(const TCaptionWindow& Window, int Action, int Visibility,
                                       int Visibility1);

// What placement needs of the window, in window coordinates.
struct TCaptionLayout {
  int WindowWidth = 0;
  int TitleTextLeft = 0, TitleTextRight = 0;  // the title text's rectangle
  int RightBorder = 0;                        // width of the right border
  int TitleHeight = 0, MenuHeight = 0;
  int MenuBarLeftMargin = 0;  // the skin's menu bar element's left margin
};

struct TCaptionPoint {
  int X = 0, Y = 0;
  friend constexpr bool operator==(const TCaptionPoint&, const TCaptionPoint&) = default;
};

// The top-left corner of a button of Width x Height; an unknown alignment puts it at (0, 0).
TCaptionPoint CaptionButtonOrigin(int Align, int XCoord, int YCoord, int Width, int Height,
                                  const TCaptionLayout& Layout);

}  // namespace skin
