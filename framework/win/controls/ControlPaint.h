// Drawing helpers the self-drawn controls share: 3-D frames, captions with accelerators, embossed
// (disabled) pictures.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"
#include "framework/win/graphics/Canvas.h"

class TBitmap;

// Draws Width rings of a 3-D frame just inside Rect (TopLeft colour on the top and left edges,
// BottomRight on the others) and shrinks Rect by Width on every side.
void Frame3D(TCanvas* Canvas, RECT& Rect, TColor TopLeft, TColor BottomRight, int Width);

// The "&x" accelerator of a caption, lower-cased; 0 when there is none ("&&" is a literal ampersand).
wchar_t AcceleratorChar(const String& Text);
// Whether a CM_DIALOGCHAR character (WParam) is that accelerator.
bool IsAccelerator(WPARAM Char, const String& Text);

// DT_ flags that keep "&x" as an accelerator, or show it as it is.
UINT AccelFlags(bool ShowAccelChar);

// The text drawn in the system's engraved disabled look (highlight one pixel down-right, shadow
// over it), or in the canvas font's colour when Enabled.
void DrawStateText(TCanvas* Canvas, const String& Text, RECT Rect, UINT Flags, bool Enabled);

// A copy of Source whose non-background pixels are embossed in the highlight and shadow colours
// on the button face; the background is the bottom-left pixel's colour (as transparent glyphs have).
void MakeDisabledImage(TBitmap* Source, TBitmap* Target);
