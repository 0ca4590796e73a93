// Helpers of the form skin tests: skins to load, plain windows that record what reaches their own
// procedure, a message pump, and the expected pixels of a border.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/data/TestSkins.h"

namespace formtest {

// The packed default skin (what the utility embeds), or the skin folder packed here.
void LoadDefaultSkin(TSkinData& Data);
// A skin from INI text and files; false when the load fails.
bool LoadSkin(TSkinData& Data, const String& Ini, const TSkinFiles& Files);

// Handles messages for Time milliseconds (at least one pass).
void Pump(int Time = 50);

// A top-level window of a private class whose procedure records every message it receives.
class TRecordingWindow {
 public:
  explicit TRecordingWindow(DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ExStyle = 0,
                            RECT Bounds = {60, 60, 460, 360}, HWND Parent = nullptr);
  ~TRecordingWindow();
  HWND Handle() const { return FHandle; }
  bool Saw(UINT Msg) const;
  int Count(UINT Msg) const;
  void Clear() { FSeen.clear(); }
  std::vector<MSG> FSeen;  // hwnd, message, wParam, lParam

 private:
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  HWND FHandle = nullptr;
};

// Attaches a form skin object the way the skin manager does, and (with Activate) runs the deferred
// activation through the posted message.
std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data, bool Activate = true);

// The colour of window pixel (X, Y) (window coordinates) read from the window's DC.
COLORREF WindowPixel(HWND Wnd, int X, int Y);
// The colour that border Kind (1 left, 2 right, 3 top, 4 bottom) of Data shows at (X, Y) of a
// W x H rendering in the given frame.
COLORREF ExpectedBorderPixel(TSkinData& Data, int Kind, int W, int H, int Frame, int X, int Y);

}  // namespace formtest
