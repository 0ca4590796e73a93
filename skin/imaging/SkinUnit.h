// Globals shared by the form and control painters: the scratch bitmap BG, the platform version and
// the (silent) log entry point. Start and end are counted, so that every module that needs them
// can start the unit and only the first start creates, and the last end frees, the globals.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"

class TBitmap;

// Scratch surface of the menu-bar and control painters; its canvas stretches with COLORONCOLOR.
// nullptr while the unit is not started.
extern TBitmap* BG;

// GetVersion() as the skin manager stored it when it installed its hooks (0 until then).
extern DWORD WinVersion;

// Logging is switched off in this engine: the entry point takes the text and does nothing.
void SkinAddLog(const String& Text);

void SkinUnitStart();
void SkinUnitEnd();
int SkinUnitStarts();  // how many starts are not yet ended

// The surface a frame repaint is composed on before it goes to the window in a few copies: kept
// between repaints (grown to the largest window asked for) and lent to one repaint at a time. Its
// DC is null when the surface cannot be had; it holds whatever the last repaint left.
class TComposeSurface {
 public:
  TComposeSurface(int W, int H);
  TComposeSurface(const TComposeSurface&) = delete;
  TComposeSurface& operator=(const TComposeSurface&) = delete;
  ~TComposeSurface();
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
};

// Starts the unit for a scope (a form skin object, a test, the manager's lifetime).
class TSkinUnitScope {
 public:
  TSkinUnitScope() { SkinUnitStart(); }
  TSkinUnitScope(const TSkinUnitScope&) = delete;
  TSkinUnitScope& operator=(const TSkinUnitScope&) = delete;
  ~TSkinUnitScope() { SkinUnitEnd(); }
};
