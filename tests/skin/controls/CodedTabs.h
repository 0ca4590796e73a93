// The colour-coded elements of tabs, track bars, progress bars and headers, added to the coded skin of
// the control tests. Tab pictures carry a band on each side (outer, inner), the border picture a band
// at its top, channels a colour per slice, so that a pixel read back tells which picture, frame and
// orientation was drawn there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/core/Types.h"
#include "tests/skin/data/TestSkins.h"

namespace ctltest {

struct TCodedSkin;

// Every pixel of the coded pictures as 0x00RRGGBB.
namespace coded {
inline constexpr std::uint32_t kTabOuter = 0x94C830;   // top 3 rows of every "Tabs" frame
inline constexpr std::uint32_t kTabInner = 0x94D830;   // bottom 3 rows
inline constexpr std::uint32_t kBorderTop = 0x9CA030;  // top 4 rows of the border picture
inline constexpr std::uint32_t kBorderEdge = 0x9CB030;
inline constexpr std::uint32_t kPane = 0xA4A030;  // "Tab.Pane"
inline constexpr std::uint32_t kTrackHead = 0xACA030;
inline constexpr std::uint32_t kTrackBody = 0xACB030;
inline constexpr std::uint32_t kTrackTail = 0xACC030;
inline constexpr std::uint32_t kTrackVertHead = 0xB4A030;
inline constexpr std::uint32_t kTrackVertBody = 0xB4B030;
inline constexpr std::uint32_t kTrackVertTail = 0xB4C030;
inline constexpr std::uint32_t kChunk = 0xBCA030;
inline constexpr std::uint32_t kTabText = 0x102040;  // "Tabs" NormalColour2
inline constexpr std::uint32_t kTabTextSelected = 0x204010;
}  // namespace coded

// Frame colours (FrameRgb) of the strips added here.
enum TListStrip : std::uint32_t {
  kTabStrip = 0xC4,        // "Tabs": 5 frames
  kThumbHorzStrip = 0xCC,  // "Trackbar.ThumbHorz": 5 frames
  kThumbVertStrip = 0xD4,  // "Trackbar.ThumbVert": 5 frames
  kProgressStrip = 0xDC,   // "Progress": 2 frames (Style 0) or 1
  kHeaderStrip = 0xE4,     // "Headerbar": 5 frames
};

std::uint32_t FrameRgb(TListStrip Strip, int Frame);
COLORREF FrameColor(TListStrip Strip, int Frame);

// Picture sizes.
inline constexpr int kTabFrame = 20;  // each "Tabs" frame is 20 x 20, margins 3 at top and bottom
inline constexpr int kChunkW = 6;
inline constexpr int kChunkH = 8;

// Adds the elements to the coded skin's description and files.
void AddListElements(String& Ini, TSkinFiles& Files, const TCodedSkin& Options);

// A 24-bit BMP of W x H pixels coloured by Pixel(X, Y) (0x00RRGGBB).
std::vector<std::uint8_t> PictureBmp(int W, int H, const std::function<std::uint32_t(int, int)>& Pixel);
COLORREF Rgb(std::uint32_t Color);

}  // namespace ctltest
