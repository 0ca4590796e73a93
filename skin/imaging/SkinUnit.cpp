#include "skin/imaging/SkinUnit.h"

#include "framework/win/graphics/Graphics.h"
#include "skin/imaging/PaintSupport.h"

TBitmap* BG = nullptr;
DWORD WinVersion = 0;

namespace {
int gStarts = 0;  // GUI thread only, like every painter
}  // namespace

void SkinAddLog(const String& /*Text*/) {}

void SkinUnitStart() {
  if (gStarts++ > 0) return;
  BG = new TBitmap();
  BG->Canvas()->SetStretchMode(COLORONCOLOR);
}

void SkinUnitEnd() {
  if (gStarts == 0) return;  // an end without a start frees nothing twice
  if (--gStarts > 0) return;
  delete BG;
  BG = nullptr;
  skin::paint::ReleaseKeptSurfaces();
}

int SkinUnitStarts() {
  return gStarts;
}
