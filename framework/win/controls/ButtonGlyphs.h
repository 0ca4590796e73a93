// What buttons with pictures share: where glyph and caption go for a layout, margin and spacing;
// drawing one glyph of a strip in a button state; and the stock glyphs of the bit-button kinds.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"
#include "framework/win/graphics/Bitmap.h"

PUBLISHED_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
PUBLISHED_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
               bkIgnore, bkAll)

// The states a glyph strip holds pictures for, in strip order (up, disabled, down, exclusive).
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct TButtonLayoutResult {
  POINT GlyphPos{0, 0};
  RECT TextBounds{0, 0, 0, 0};
};

// Places a glyph of GlyphSize and Caption (measured with Canvas's font and TextFlags) in Client.
// Margin is the gap from the edge to the glyph (-1: centred), Spacing the gap between glyph and
// text (-1: as much as the margins); an absent glyph or caption leaves no spacing.
TButtonLayoutResult CalcButtonLayout(TCanvas* Canvas, const RECT& Client, SIZE GlyphSize,
                                     const String& Caption, TButtonLayout Layout, int Margin, int Spacing,
                                     UINT TextFlags);

// The size of one glyph of a strip of NumGlyphs (0 by 0 for an empty bitmap).
SIZE GlyphSizeOf(TBitmap* Glyph, int NumGlyphs);

// Draws the glyph of State from the strip at (X, Y) on DC, its bottom-left pixel's colour left out. A
// state the strip has no picture for uses the up picture, or its embossed copy when disabled.
void DrawButtonGlyph(HDC DC, TBitmap* Glyph, int NumGlyphs, TButtonState State, int X, int Y);

// Our own pictures for the bit-button kinds (two glyphs: up and disabled); empty for bkCustom. The
// returned bitmap is shared: copy it, never change it.
TBitmap* StockGlyph(TBitBtnKind Kind);
// Caption and modal result of a kind ("OK" and IDOK for bkOK...).
String StockCaption(TBitBtnKind Kind);
int StockModalResult(TBitBtnKind Kind);
