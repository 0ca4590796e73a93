// Helpers of the caption-button tests: the default skin, a window whose own procedure records what
// reaches it (and keeps the window open on SC_CLOSE), a form skin object attached the way the skin
// manager attaches one, non-client mouse messages, and pixels of windows and frame strips.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"

namespace btntest {

void LoadDefaultSkin(TSkinData& Data);
// Handles messages for Time milliseconds (at least one pass).
void Pump(int Time = 50);

// The Visibility code that the recording window answers with 1 through message 0x3515.
inline constexpr int kAnsweredVisibility = 1500;

class TTestWindow {
 public:
  explicit TTestWindow(DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ExStyle = 0,
                       RECT Bounds = {40, 40, 440, 320});
  ~TTestWindow();
  HWND Handle() const { return FHandle; }
  int Count(UINT Msg, WPARAM WParam) const;  // messages Msg with that wParam (masked to 0xFFF0 for
                                             // WM_SYSCOMMAND)
  void Clear() { FSeen.clear(); }
  std::vector<MSG> FSeen;

 private:
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  HWND FHandle = nullptr;
};

// Constructed, handle and name set, InitDlg, deferred activation posted and run; its hover timer
// never fires by itself.
std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data);

// The caption button whose record has that Action and Visibility (first one), or none.
TWinSysButton* ButtonOf(TRuzIzivForm& Form, int Action, int Visibility = -1);
// Window size.
SIZE WindowSize(HWND Wnd);
// A window point (origin at the window's top-left corner) in screen coordinates, packed as lParam.
LPARAM ScreenParam(HWND Wnd, POINT WindowPoint);
POINT Centre(const RECT& R);

// Sends a non-client mouse message at a window point with the hit code the platform reports there.
LRESULT SendNC(HWND Wnd, UINT Msg, POINT WindowPoint);
// Hover, press and release on a window point.
void Click(HWND Wnd, POINT WindowPoint);

COLORREF WindowPixel(HWND Wnd, POINT WindowPoint);
// The pixel of frame Frame of a caption-button strip at (X, Y) inside the frame.
COLORREF FramePixel(TDataSkinSysButton& Data, int Frame, int X, int Y);
// How many opaque pixels of frame Frame of the button's strip differ from the window's pixels under
// the button's rectangle (-1 when the strip cannot be read).
int FrameMismatches(HWND Wnd, TWinSysButton& Button, int Frame);
// A strip of Frames solid frames, each W x H, in the given colours.
std::unique_ptr<TBitmap> SolidStrip(int W, int H, const std::vector<COLORREF>& Colors);

}  // namespace btntest
