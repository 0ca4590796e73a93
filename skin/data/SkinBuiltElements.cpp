// What a load does after reading the sections: the fixed frame counts of the element strips, and
// the elements built from others (the combined combo-box strip, its arrows, the tool-bar gradient
// and the minimised caption).

#include <algorithm>

#include "framework/win/graphics/Colors.h"
#include "skin/data/SkinBitmapCopy.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"
#include "skin/imaging/PixelRows.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/package/QuickIni.h"

using skin::BlueOf;
using skin::GreenOf;
using skin::RedOf;
using skin::ReplaceColorRows;
using skin::TGradientCache;
using skin::TPixelRows;
using skin::TRgbValue;

namespace {

constexpr TColor kKey = 0xFF00FF;  // transparent colour of skin images

// A combo box cell: the sunken edge with the drop-down button on its right.
constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
// The arrow glyph cut out of each combined frame.
constexpr int kArrowSize = 17;

template <class TRecord>
void SetCount(const std::unique_ptr<TRecord>& Obj, std::int32_t Count) {
  if (Obj) Obj->FrameCount = Count;
}

// Check and radio strips: 13-pixel glyphs when the strip is lower than 16, else 16-pixel ones.
std::int32_t GlyphFrames(const TBitmap& Strip) {
  const int Glyph = Strip.Height() < 16 ? 13 : 16;
  return std::max(4, Strip.Width() / Glyph);
}

}  // namespace

void TSkinData::SetFrame() {
  Button->FrameCount = 5;
  if (Button->RadioFrame == 0) Button->RadioFrame = GlyphFrames(*Button->RadioBitmap);
  if (Button->CheckFrame == 0) Button->CheckFrame = GlyphFrames(*Button->CheckBitmap);
  Title->FrameCount = 2;
  if (Progress) Progress->FrameCount = Progress->Style == 0 ? 2 : 1;
  SetCount(MenuBar, 2);
  SetCount(GroupBoxEdge, 2);
  SetCount(Toolbar, 1);
  SetCount(TabPane, 1);
  SetCount(GroupBox, 1);
  SetCount(MenuBackground, 1);
  SetCount(ToolBars, 5);
  SetCount(Tab, 5);
  SetCount(ExtraImages, 5);
  SetCount(MenuItem, 5);
  if (Headerbar && Headerbar->FrameCount == 0) Headerbar->FrameCount = 5;
  SetCount(StatusBarEdges, 3);
  SetCount(ComboButton, 4);
  SetCount(SunkEdge, 4);
  SetCount(HorzScroll, 4);
  SetCount(VertScroll, 4);
  SetCount(Scrollbar, 23);
  SetCount(UpDownHorz, 8);
  SetCount(UpDownVert, 8);
  for (auto* Thumb : {&TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft, &TrackbarThumbRight,
                      &TrackbarThumbUp, &TrackbarThumbDown})
    SetCount(*Thumb, 5);
  if (FIni) {
    if (HorzScrollThumb) HorzScrollThumb->FrameCount = FIni->ReadInteger("HorzScrollThumb", "FrameCount", 3);
    if (VertScrollThumb) VertScrollThumb->FrameCount = FIni->ReadInteger("VertScrollThumb", "FrameCount", 3);
  }
}

// Combo boxes are painted from one strip per state: the sunken edge with the button drawn into it
// and a transparent text area. SunkEdge gets the mirrored strip, for right-to-left combo boxes.
void TSkinData::ReBuildCombobox() {
  if (!SunkEdge || !ComboButton) return;
  const int B = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int N = SunkEdge->FrameCount;
  if (N < 1) return;
  TBitmap Cell;
  MakeFilledBitmap(Cell, kComboCellWidth, kComboCellHeight, kKey);
  auto Strip = std::make_unique<TBitmap>();
  MakeFilledBitmap(*Strip, kComboCellWidth * N, kComboCellHeight, kKey);
  const HDC DC = Cell.Canvas()->Handle();
  const RECT Whole{0, 0, kComboCellWidth, kComboCellHeight};
  const RECT Button{kComboCellWidth - B, 0, kComboCellWidth, kComboCellHeight};
  for (int I = 1; I <= N; ++I) {
    // Each frame starts from the key colour, so no pixel of the previous frame shows through
    // where the edge itself is transparent.
    Cell.Canvas()->FillRect(Whole);
    DrawRect2(DC, Whole, SunkEdge->Bitmap.get(), SunkEdge->Margins, I, SunkEdge->FrameCount, SunkEdge->Trans,
              0, 0);
    DrawRect2(DC, Button, ComboButton->Bitmap.get(), ComboButton->Margins, I, ComboButton->FrameCount, 1, 0,
              0);
    if (ExtraImages) DrawRect3(DC, Button, ExtraImages->Bitmap.get(), I, ExtraImages->FrameCount, 1);
    Cell.Canvas()->FillRect(RECT{2, 2, kComboCellWidth - 1 - B, 18});
    BitBlt(Strip->Canvas()->Handle(), (I - 1) * kComboCellWidth, 0, kComboCellWidth, kComboCellHeight, DC, 0,
           0, SRCCOPY);
  }
  auto Mirrored = std::make_unique<TBitmap>();
  Mirrored->Assign(Strip.get());
  SpiegelnHorizontal(Mirrored.get());

  ComboButton->Style = 2;
  ComboButton->Margins = SunkEdge->Margins;
  ComboButton->Margins.left = 2;
  ComboButton->Margins.right = B + 2;
  ComboButton->Bitmap = std::move(Strip);
  SunkEdge->Bitmap = std::move(Mirrored);
  SunkEdge->Margins.left = B + 2;
  SunkEdge->Margins.right = 2;
}

void TSkinData::ReBuildComboxArrow() {
  if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (SunkEdge) {
    const int N = SunkEdge->FrameCount;
    if (ComboButton && ComboButton->Style == 2 && N >= 1) {
      TBitmap& Source = *ComboButton->Bitmap;
      const int C = Source.Width() / N;
      // Drawn over the last load's arrows: a strip of the same size keeps its section and its DC.
      TBitmap& Arrows = *ComboxArrow->Bitmap;
      MakeFilledBitmap(Arrows, kArrowSize * N, kArrowSize, kKey);
      for (int I = 1; I <= N; ++I)
        BitBlt(Arrows.Canvas()->Handle(), (I - 1) * kArrowSize, 0, kArrowSize, kArrowSize,
               Source.Canvas()->Handle(), I * C - 19, 2, SRCCOPY);
      ComboxArrow->FrameCount = N;
      return;
    }
  } else if (ComboButton) {
    TBitmap& Source = *ComboButton->Bitmap;
    if (Source.Empty()) {
      ComboxArrow->Bitmap->Assign(&Source);
    } else {
      // The key colour becomes the face colour as drawn (a system colour is resolved first); done
      // on the 24-bit pixels in memory, so that only the result becomes a bitmap.
      bmp::Image Picture = Pixels24(Source);
      const TColor Face = ColorToRGB(Colors[csButtonFace]);
      const TPixelRows Rows{Picture.pixels.data(), Picture.width, Picture.height,
                            static_cast<std::ptrdiff_t>(Picture.stride()), 3};
      ReplaceColorRows(Rows, 255, 0, 255, static_cast<std::uint8_t>(Face),
                       static_cast<std::uint8_t>(Face >> 8), static_cast<std::uint8_t>(Face >> 16));
      ComboxArrow->Bitmap->FromImage(std::move(Picture));
    }
    ComboxArrow->FrameCount = ComboButton->FrameCount;
    return;
  }
  // Nothing to build from in this skin: no arrows rather than the previous skin's.
  ComboxArrow->Bitmap->SetSize(0, 0);
  ComboxArrow->FrameCount = 0;
}

// The tool-bar background: a vertical gradient from a light face colour to a darkened caption
// colour; a strongly coloured caption is lightened instead.
void TSkinData::RebuildToolbar() {
  constexpr int kWidth = 10, kHeight = 40;
  const TColor C = GetCaptionColor();
  TColor E = Blend(0x808080, C, 150);
  const TColor S = Blend(Colors[csButtonFace], 0xFFFFFF, 150);
  const std::int32_t V = GetHSV(C);
  if (V > 110) {
    const std::int32_t P = (225 - V) * 25 / 140 + 50;
    E = Blend(C, 0xFFFFFF, P);
  }
  // The rows of GradFill's top-to-bottom gradient written straight into the picture: no device
  // context, no brushes.
  const std::vector<TRgbValue>& Bands = TGradientCache::Shared().Table(kHeight, ColorToRGB(S), ColorToRGB(E));
  bmp::Image Picture;
  Picture.Allocate(kWidth, kHeight, 24);
  for (int Y = 0; Y < kHeight; ++Y) {
    const TRgbValue Band = Bands[static_cast<std::size_t>(Y)];
    std::uint8_t* Line = Picture.Row(Y);
    for (int X = 0; X < kWidth; ++X) {
      Line[3 * X] = static_cast<std::uint8_t>(BlueOf(Band));
      Line[3 * X + 1] = static_cast<std::uint8_t>(GreenOf(Band));
      Line[3 * X + 2] = static_cast<std::uint8_t>(RedOf(Band));
    }
  }
  if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  Toolbar->Bitmap->FromImage(std::move(Picture));  // the last load's gradient keeps its section
  Toolbar->FrameCount = 1;
}

void TSkinData::CreateMinCaption() {
  if (!MinCaption) MinCaption = std::make_unique<TDataSkinObject>("MinCaption");
  const TColor C = GetCaptionColor();
  auto Picture = std::make_unique<TBitmap>();
  MakeFilledBitmap(*Picture, 80, 29, C);
  TCanvas& Surface = *Picture->Canvas();
  Surface.Brush()->SetColor(C);
  Surface.Pen()->SetColor(Blend(0x000000, C, 50));
  Surface.Rectangle(0, 0, 80, 29);
  MinCaption->Bitmap = std::move(Picture);
  MinCaption->FrameCount = 1;
  MinCaption->Margins = RECT{3, 3, 3, 3};
}
