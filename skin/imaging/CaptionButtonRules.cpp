#include "skin/imaging/CaptionButtonRules.h"

namespace skin {

bool FirstVisibility(const TCaptionWindow& Window, int Code, int Action) {
  using namespace visibility;
  const bool MinOrMax = Window.MinBox || Window.MaxBox;
  switch (Code) {
    case kAlways:
      return true;
    case kMaximised:
      return Window.Maximised;
    case kNotMaximised:
      return !Window.Maximised;
    case kActive:
      return Window.Active;
    case kInactive:
      return !Window.Active;
    case kMinOrMaxBox:
    case kMinOrMaxBoxToo:
      return MinOrMax && Window.SystemMenu;
    case kNoMaxBox:
      return !Window.MaxBox;
    case kNoMinBox:
      return !Window.MinBox;
    case kHelpBoxOnly:
      return Window.HelpBox && !MinOrMax;
    case kMenuBar:
      return Window.MenuBarButtons;
    case kDialogFrame:
      return Window.DialogBorder && !Window.SystemDialogClass;
    default:
      break;
  }
  if (Code >= kAlwaysFirst && Code <= kAlwaysLast) return true;
  if (Code >= kAskFirst && Code <= kAskLast) return Window.Ask && Window.Ask(Code, Action);
  return false;
}

bool SecondVisibility(const TCaptionWindow& Window, int Code, int Action, bool First) {
  using namespace visibility;
  switch (Code) {
    case kMinOrMaxBox:
    case kMinOrMaxBoxToo:
      return Window.MinBox || Window.MaxBox;
    case kHelpBoxOnly:
      return Window.HelpBox;
    case kMenuBar:
      return First;
    case kAlways:
    case kMaximised:
    case kNotMaximised:
    case kActive:
    case kInactive:
    case kNoMaxBox:
    case kNoMinBox:
      return FirstVisibility(Window, Code, Action);
    default:
      break;
  }
  // Codes from the dialog frame on mean here what they mean in the first test.
  if (Code >= kDialogFrame && Code <= kAskLast) return FirstVisibility(Window, Code, Action);
  return false;
}

TCaptionButtonState CaptionButtonState(const TCaptionWindow& Window, int Action, int Visibility,
                                       int Visibility1) {
  TCaptionButtonState State;
  const bool First = FirstVisibility(Window, Visibility, Action);
  State.Visible = First && SecondVisibility(Window, Visibility1, Action, First);
  if (Action == action::kClose && !Window.SystemMenu) State.Visible = false;
  // A dialog's frame shows no icon.
  if ((Action == action::kSystemMenu || Action == action::kSystemMenuToo ||
       Action == action::kSystemMenuAlso) &&
      Window.DialogBorder)
    State.Visible = false;
  // Maximise and minimise without their boxes are shown, but do nothing.
  if (Action == action::kMaximise) State.Enabled = Window.MaxBox && Window.SystemMenu;
  if (Action == action::kMinimise) State.Enabled = Window.MinBox && Window.SystemMenu;
  return State;
}

TCaptionPoint CaptionButtonOrigin(int Align, int XCoord, int YCoord, int Width, int Height,
                                  const TCaptionLayout& Layout) {
  switch (Align) {
    case align::kLeft:
      return {XCoord, YCoord};
    case align::kRight:
      return {Layout.WindowWidth - XCoord, YCoord};
    case align::kBeforeTitle:
    case align::kBeforeTitleToo:
      return {Layout.TitleTextLeft - Width - XCoord, YCoord};
    case align::kAfterTitle:
    case align::kAfterTitleToo:
      return {Layout.TitleTextRight + XCoord, YCoord};
    case align::kMenuBar:
      return {Layout.WindowWidth - XCoord - Layout.RightBorder - Layout.MenuBarLeftMargin,
              Layout.TitleHeight + (Layout.MenuHeight - Height) / 2};
    default:
      return {0, 0};
  }
}

}  // namespace skin
