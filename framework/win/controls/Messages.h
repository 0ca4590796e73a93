// The message record that flows through a control's message method, and the framework's own
// notification numbers. The numbers are fixed: the skinning engine and other modules compare them.
#pragma once

#include <windows.h>

#include <cstdint>

// One window message as the framework's message methods see it; Result is what the window procedure
// returns.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Notifications the framework sends to its own controls (never to foreign windows).
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
inline constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;  // an accelerator character reaches a form's controls
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_HITTEST = CM_BASE + 10;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;  // WParam: new visibility (0/1)
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;  // LParam: the control the mouse entered
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 21;  // 0xB015: a form's menu was changed or rebuilt
inline constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;  // 0xB01B: the control lost the focus within its form
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;  // 0xB021: posted to a form that is to be freed
inline constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;  // 0xB033: the window is being re-created
inline constexpr UINT CM_INVALIDATE = CM_BASE + 52;
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
// 0xB0D0: a button-like control's checked state changed without a click (set by property); painters
// that draw the state repaint on it.
inline constexpr UINT CM_CHECKSTATECHANGED = CM_BASE + 0xD0;

// Messages that a parent reflects back to the child control they concern: CN_BASE + the original.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
// Scroll codes of a scroll-bar, track-bar or up-down child, given back to it.
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
// CN_NOTIFY (0xBC4E) is a child's WM_NOTIFY reflected to it. The skinning engine posts that very
// number with LParam 0x41A2 as its "window is skinned" notice, so a receiver reads the record only
// through NotifyHeader (CommonControls.h), which refuses the marker.
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// The second parameter with which the skinning engine marks its own queries and replies.
inline constexpr LPARAM kEngineMarker = 0x41A2;
