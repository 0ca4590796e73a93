// Helpers of the control skin tests: a colour-coded skin whose every frame has a colour of its own
// (so a pixel read back from a window names the frame drawn there), a framework form with a form
// skin object, a message pump, pixel reading and GDI/USER counting.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

namespace ctltest {

// The colour of frame Frame (1-based) of the strip named by Strip (0x00RRGGBB per element so that
// frames of different elements never share a colour).
enum TStrip : std::uint32_t {
  kButtonStrip = 0x10,
  kCheckStrip = 0x20,
  kRadioStrip = 0x30,
  kScrollStrip = 0x40,
  kHTrackStrip = 0x50,
  kVTrackStrip = 0x60,
  kHThumbStrip = 0x70,
  kVThumbStrip = 0x80,
};
std::uint32_t FrameRgb(TStrip Strip, int Frame);
// As a COLORREF, the way GetPixel reports it.
COLORREF FrameColor(TStrip Strip, int Frame);
inline constexpr std::uint32_t kFaceRgb = 0xF0F2F5;
inline constexpr COLORREF kFace = RGB(0xF0, 0xF2, 0xF5);

struct TCodedSkin {
  int CheckFrames = 12;  // 4, 8 or 12 frames in the check strip
  int RadioFrames = 8;
  int MarkSize = 13;    // frame width and height of the check and radio strips
  int ScrollSize = 17;  // frame width and height of the 23-frame "Scrollbar" strip
  // Tabs, track bars, progress bars and headers (CodedTabs.h).
  int TabStyle = 0;       // "Tabs" Style: 0 its "Border" picture around the pages, 1 "Tab.Pane"
  int ProgressStyle = 0;  // "Progress" Style: 0 two frames, 1 one frame and "Progress.Chunk"
  int ChunkTile = 0;      // "Progress.Chunk" Tile
  // More sections and files for the skin (appended to the description and the archive).
  String ExtraIni;
  std::vector<std::pair<String, std::vector<std::uint8_t>>> ExtraFiles;
};
// Loads the colour-coded skin into Data; false when the load fails.
bool LoadCodedSkin(TSkinData& Data, const TCodedSkin& Options = {});
// A BMP file of Frames frames of W x H side by side, each filled with FrameRgb(Strip, n).
std::vector<std::uint8_t> StripBmp(TStrip Strip, int Frames, int W, int H);

inline void Pump(int Time = 30) {
  testsupport::Pump(Time);
}

// A visible framework form at (X, Y) with a form skin object whose frame is left native (only
// controls are skinned), the skin data owned by the fixture.
class TSkinnedForm {
 public:
  explicit TSkinnedForm(const TCodedSkin& Options = {}, int X = 80, int Y = 80, int W = 420, int H = 320);
  ~TSkinnedForm();
  TForm* Form() const { return FForm; }
  TSkinData& Data() { return *FData; }
  TRuzIzivForm& Skin() { return *FSkin; }
  TCanvas* Canvas() { return FSkin->FControlCanvas.get(); }
  // Drops the form skin object (it frees the control skin objects it lists).
  void Unskin() { FSkin.reset(); }

 private:
  std::unique_ptr<TSkinData> FData;
  TForm* FForm = nullptr;
  std::unique_ptr<TRuzIzivForm> FSkin;
};

// Pixel (X, Y) of a window, in window coordinates, read from its window DC.
inline COLORREF Pixel(HWND Wnd, int X, int Y) {
  return testsupport::WindowPixel(Wnd, X, Y);
}
// How many pixels of the window's rectangle R (window coordinates) have Color.
int CountColor(HWND Wnd, const RECT& R, COLORREF Color);
// From the first to the last row of R that holds a pixel different from Background (0 for none).
int InkSpan(HWND Wnd, const RECT& R, COLORREF Background);

using testsupport::TObjectCounts;
TObjectCounts Counts();

}  // namespace ctltest
