// Renders a loaded skin into one picture, so that a skin author can look at every element without
// an application: the frame active and inactive, caption buttons and push buttons in every state,
// check and radio glyphs, scroll bar, tabs, progress and track bars, a menu and the colour scheme.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "framework/core/Types.h"
#include "framework/win/graphics/Bitmap.h"

class TSkinData;

// Where each part of the preview lies; tests read pixels through it.
struct TSkinPreviewLayout {
  static constexpr int Width = 640;
  static constexpr int Height = 480;
  RECT ActiveWindow{10, 10, 310, 130};
  RECT InactiveWindow{330, 10, 630, 130};
  int CaptionButtonsTop = 142;            // rows of caption buttons, each frame on the skin's caption
  std::vector<RECT> CaptionButtonFrames;  // where each frame of each caption button was drawn
  int PushButtonsTop = 0;                 // set by the renderer below the caption-button rows
  int GlyphsTop = 0;
  int ControlsTop = 0;  // scroll bar, tabs, progress and track bar
  int MenuTop = 0;
  int SwatchesTop = 0;
  static constexpr int PushButtonWidth = 72;
  static constexpr int PushButtonHeight = 24;
  static constexpr int SwatchSize = 22;
};

// The preview of Data's current skin (32 bits per pixel). Parts whose element the skin lacks stay
// background.
std::unique_ptr<TBitmap> RenderSkinPreview(TSkinData& Data, TSkinPreviewLayout& Layout);

// Renders SkinFile into OutFile. Returns the process exit code (0 written, 1 failed); messages go to
// Err.
int RunSkinPreview(const String& SkinFile, const String& OutFile, std::ostream& Err);

// The command line (arguments after the program name), with the exit codes of the skin tools: 0
// success (and --help, whose usage goes to Out), 1 failure, 2 wrong usage (usage to Err).
int SkinPreviewMain(const std::vector<String>& Args, std::ostream& Out, std::ostream& Err);
