#include "framework/win/controls/ButtonGlyphs.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "framework/win/controls/ControlPaint.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"

TButtonLayoutResult CalcButtonLayout(TCanvas* Canvas, const RECT& Client, SIZE GlyphSize,
                                     const String& Caption, TButtonLayout Layout, int Margin, int Spacing,
                                     UINT TextFlags) {
  TButtonLayoutResult Result;
  const int Width = Client.right - Client.left, Height = Client.bottom - Client.top;
  SIZE Text{0, 0};
  if (!Caption.empty() && Canvas) {
    RECT Measure{0, 0, Width, 0};
    Canvas->DrawText(Caption, Measure,
                     (TextFlags & ~static_cast<UINT>(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    Text = {Measure.right - Measure.left, Measure.bottom - Measure.top};
  }
  const bool Horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  const int Extent = Horizontal ? Width : Height;
  const int GlyphExtent = Horizontal ? GlyphSize.cx : GlyphSize.cy;
  const int TextExtent = Horizontal ? Text.cx : Text.cy;
  if (GlyphExtent == 0 || TextExtent == 0) Spacing = 0;
  // Across the layout axis both are centred.
  POINT Glyph{(Width - GlyphSize.cx + 1) / 2, (Height - GlyphSize.cy + 1) / 2};
  POINT TextPos{(Width - Text.cx + 1) / 2, (Height - Text.cy + 1) / 2};
  if (Margin == -1) {
    if (Spacing == -1) {
      const int Total = GlyphExtent + TextExtent;
      Margin = (Extent - Total) / 3;
      Spacing = Margin;
    } else {
      const int Total = GlyphExtent + Spacing + TextExtent;
      Margin = (Extent - Total + 1) / 2;
    }
  } else if (Spacing == -1) {
    const int Total = Extent - (Margin + GlyphExtent);
    Spacing = (Total - TextExtent) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      Glyph.x = Margin;
      TextPos.x = Glyph.x + GlyphSize.cx + Spacing;
      break;
    case blGlyphRight:
      Glyph.x = Width - Margin - GlyphSize.cx;
      TextPos.x = Glyph.x - Spacing - Text.cx;
      break;
    case blGlyphTop:
      Glyph.y = Margin;
      TextPos.y = Glyph.y + GlyphSize.cy + Spacing;
      break;
    case blGlyphBottom:
      Glyph.y = Height - Margin - GlyphSize.cy;
      TextPos.y = Glyph.y - Spacing - Text.cy;
      break;
  }
  Result.GlyphPos = {Client.left + Glyph.x, Client.top + Glyph.y};
  Result.TextBounds = {Client.left + TextPos.x, Client.top + TextPos.y, Client.left + TextPos.x + Text.cx,
                       Client.top + TextPos.y + Text.cy};
  return Result;
}

SIZE GlyphSizeOf(TBitmap* Glyph, int NumGlyphs) {
  if (!Glyph || Glyph->Empty()) return {0, 0};
  return {Glyph->Width() / std::max(NumGlyphs, 1), Glyph->Height()};
}

void DrawButtonGlyph(HDC DC, TBitmap* Glyph, int NumGlyphs, TButtonState State, int X, int Y) {
  if (!DC || !Glyph || Glyph->Empty()) return;
  NumGlyphs = std::clamp(NumGlyphs, 1, 4);
  const SIZE Size = GlyphSizeOf(Glyph, NumGlyphs);
  if (Size.cx <= 0 || Size.cy <= 0) return;
  int Index = static_cast<int>(State);
  if (Index >= NumGlyphs) Index = 0;
  const COLORREF Key = ColorToRGB(Glyph->Canvas()->Pixel(0, Glyph->Height() - 1));
  if (State == bsDisabled && Index == 0) {
    // No disabled picture: emboss the up one.
    TBitmap Up(Size.cx, Size.cy, pf24bit);
    BitBlt(Up.Canvas()->Handle(), 0, 0, Size.cx, Size.cy, Glyph->Canvas()->Handle(), 0, 0, SRCCOPY);
    TBitmap Disabled;
    MakeDisabledImage(&Up, &Disabled);
    TransparentBlt(DC, X, Y, Size.cx, Size.cy, Disabled.Canvas()->Handle(), 0, 0, Size.cx, Size.cy,
                   ColorToRGB(clBtnFace));
    return;
  }
  TransparentBlt(DC, X, Y, Size.cx, Size.cy, Glyph->Canvas()->Handle(), Index * Size.cx, 0, Size.cx, Size.cy,
                 Key);
}

namespace {

constexpr int kGlyph = 18;
constexpr COLORREF kBack = RGB(255, 0, 255);

// A pen stroke through points, Width pixels wide.
void Stroke(HDC DC, COLORREF Color, int Width, std::initializer_list<POINT> Points) {
  TGdiPen Pen(CreatePen(PS_SOLID, Width, Color));
  TSelectObject Selected(DC, Pen.Get());
  std::vector<POINT> P(Points);
  Polyline(DC, P.data(), static_cast<int>(P.size()));
}

void Disc(HDC DC, COLORREF Fill, COLORREF Edge, RECT R) {
  TGdiPen Pen(CreatePen(PS_SOLID, 1, Edge));
  TGdiBrush Brush(CreateSolidBrush(Fill));
  TSelectObject P(DC, Pen.Get()), B(DC, Brush.Get());
  Ellipse(DC, R.left, R.top, R.right, R.bottom);
}

void Letter(HDC DC, COLORREF Color, const wchar_t* Text, int Height) {
  TGdiFont Font(CreateFontW(-Height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY,
                            0, L"Arial"));
  TSelectObject Selected(DC, Font.Get());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, Color);
  RECT R{0, 0, kGlyph, kGlyph};
  DrawTextW(DC, Text, -1, &R, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// One picture per kind, drawn with plain GDI on the transparent colour.
void DrawKind(HDC DC, TBitBtnKind Kind) {
  const COLORREF Green = RGB(0, 128, 0), Red = RGB(192, 0, 0), Blue = RGB(0, 0, 160), Dark = RGB(64, 64, 64);
  switch (Kind) {
    case bkOK:
    case bkYes:
      Stroke(DC, Green, 3, {{3, 9}, {7, 13}, {15, 4}});
      break;
    case bkAll:
      Stroke(DC, Green, 2, {{1, 9}, {4, 12}, {10, 4}});
      Stroke(DC, Green, 2, {{7, 10}, {10, 13}, {17, 5}});
      break;
    case bkCancel:
      Stroke(DC, Red, 3, {{4, 4}, {14, 14}});
      Stroke(DC, Red, 3, {{14, 4}, {4, 14}});
      break;
    case bkNo:
      Disc(DC, kBack, Red, {2, 2, 16, 16});
      Disc(DC, kBack, Red, {3, 3, 15, 15});
      Stroke(DC, Red, 2, {{5, 13}, {13, 5}});
      break;
    case bkAbort:
      Disc(DC, Red, Red, {1, 1, 17, 17});
      Stroke(DC, RGB(255, 255, 255), 2, {{6, 6}, {12, 12}});
      Stroke(DC, RGB(255, 255, 255), 2, {{12, 6}, {6, 12}});
      break;
    case bkHelp:
      Disc(DC, Blue, Blue, {1, 1, 17, 17});
      Letter(DC, RGB(255, 255, 255), L"?", 14);
      break;
    case bkClose:
      // A door with an arrow leaving it.
      Stroke(DC, Dark, 1, {{2, 2}, {10, 2}, {10, 16}, {2, 16}, {2, 2}});
      Stroke(DC, Green, 2, {{6, 9}, {16, 9}});
      Stroke(DC, Green, 2, {{13, 6}, {16, 9}, {13, 12}});
      break;
    case bkRetry:
      Stroke(DC, Green, 2, {{14, 6}, {11, 3}, {6, 3}, {3, 6}, {3, 11}, {6, 14}, {11, 14}, {14, 11}});
      Stroke(DC, Green, 2, {{11, 6}, {15, 6}, {15, 2}});
      break;
    case bkIgnore:
      Stroke(DC, Dark, 2, {{3, 9}, {15, 9}});
      Stroke(DC, Dark, 2, {{11, 5}, {15, 9}, {11, 13}});
      Stroke(DC, Red, 1, {{2, 4}, {7, 14}});
      break;
    case bkCustom:
      break;
  }
}

}  // namespace

TBitmap* StockGlyph(TBitBtnKind Kind) {
  static std::array<std::unique_ptr<TBitmap>, 11> Cache;
  const auto Index = static_cast<size_t>(Kind);
  if (Index >= Cache.size() || Kind == bkCustom) return nullptr;
  if (!Cache[Index]) {
    auto Up = std::make_unique<TBitmap>(kGlyph, kGlyph, pf24bit);
    HDC DC = Up->Canvas()->Handle();
    {
      TGdiBrush Back(CreateSolidBrush(kBack));
      RECT All{0, 0, kGlyph, kGlyph};
      FillRect(DC, &All, Back.Get());
    }
    DrawKind(DC, Kind);
    // Corners stay the transparent colour whatever the drawing did.
    SetPixel(DC, 0, kGlyph - 1, kBack);
    TBitmap Disabled;
    MakeDisabledImage(Up.get(), &Disabled);
    auto Strip = std::make_unique<TBitmap>(kGlyph * 2, kGlyph, pf24bit);
    HDC StripDC = Strip->Canvas()->Handle();
    BitBlt(StripDC, 0, 0, kGlyph, kGlyph, DC, 0, 0, SRCCOPY);
    // The disabled half on the same transparent colour.
    TGdiBrush Back(CreateSolidBrush(kBack));
    RECT Half{kGlyph, 0, kGlyph * 2, kGlyph};
    FillRect(StripDC, &Half, Back.Get());
    TransparentBlt(StripDC, kGlyph, 0, kGlyph, kGlyph, Disabled.Canvas()->Handle(), 0, 0, kGlyph, kGlyph,
                   ColorToRGB(clBtnFace));
    Cache[Index] = std::move(Strip);
  }
  return Cache[Index].get();
}

String StockCaption(TBitBtnKind Kind) {
  static const char* const Captions[] = {"",       "OK",    "Cancel", "&Help",   "&Yes", "&No",
                                         "&Close", "Abort", "&Retry", "&Ignore", "&All"};
  const auto Index = static_cast<size_t>(Kind);
  return Index < std::size(Captions) ? Captions[Index] : "";
}

int StockModalResult(TBitBtnKind Kind) {
  switch (Kind) {
    case bkOK:
      return IDOK;
    case bkCancel:
      return IDCANCEL;
    case bkYes:
      return IDYES;
    case bkNo:
      return IDNO;
    case bkAbort:
      return IDABORT;
    case bkRetry:
      return IDRETRY;
    case bkIgnore:
      return IDIGNORE;
    case bkAll:
      return 8;  // the one after the system's answers, as "all" has none of its own
    default:
      return 0;
  }
}
