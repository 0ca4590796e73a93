// What a load does after reading the sections: the fixed frame counts of the element strips, and
// the elements built from others (the combined combo-box strip, its arrows, the tool-bar gradient
// and the minimised caption).

#include <algorithm>

#include "framework/win/graphics/Colors.h"
#include "skin/data/SkinBitmapCopy.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/package/QuickIni.h"

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
  const int glyph = Strip.Height() < 16 ? 13 : 16;
  return std::max(4, Strip.Width() / glyph);
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
  for (auto* thumb : {&TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft, &TrackbarThumbRight,
                      &TrackbarThumbUp, &TrackbarThumbDown})
    SetCount(*thumb, 5);
  if (FIni) {
    if (HorzScrollThumb) HorzScrollThumb->FrameCount = FIni->ReadInteger("HorzScrollThumb", "FrameCount", 3);
    if (VertScrollThumb) VertScrollThumb->FrameCount = FIni->ReadInteger("VertScrollThumb", "FrameCount", 3);
  }
}

// Combo boxes are painted from one strip per state: the sunken edge with the button drawn into it
// and a transparent text area. SunkEdge gets the mirrored strip, for right-to-left combo boxes.
void TSkinData::ReBuildCombobox() {
  if (!SunkEdge || !ComboButton) return;
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int n = SunkEdge->FrameCount;
  if (n < 1) return;
  TBitmap cell;
  MakeFilledBitmap(cell, kComboCellWidth, kComboCellHeight, kKey);
  auto strip = std::make_unique<TBitmap>();
  MakeFilledBitmap(*strip, kComboCellWidth * n, kComboCellHeight, kKey);
  const HDC dc = cell.Canvas()->Handle();
  const RECT whole{0, 0, kComboCellWidth, kComboCellHeight};
  const RECT button{kComboCellWidth - b, 0, kComboCellWidth, kComboCellHeight};
  for (int i = 1; i <= n; ++i) {
    // Each frame starts from the key colour, so no pixel of the previous frame shows through
    // where the edge itself is transparent.
    cell.Canvas()->FillRect(whole);
    DrawRect2(dc, whole, SunkEdge->Bitmap.get(), SunkEdge->Margins, i, SunkEdge->FrameCount, SunkEdge->Trans,
              0, 0);
    DrawRect2(dc, button, ComboButton->Bitmap.get(), ComboButton->Margins, i, ComboButton->FrameCount, 1, 0,
              0);
    if (ExtraImages) DrawRect3(dc, button, ExtraImages->Bitmap.get(), i, ExtraImages->FrameCount, 1);
    cell.Canvas()->FillRect(RECT{2, 2, kComboCellWidth - 1 - b, 18});
    BitBlt(strip->Canvas()->Handle(), (i - 1) * kComboCellWidth, 0, kComboCellWidth, kComboCellHeight, dc, 0,
           0, SRCCOPY);
  }
  auto mirrored = std::make_unique<TBitmap>();
  mirrored->Assign(strip.get());
  SpiegelnHorizontal(mirrored.get());

  ComboButton->Style = 2;
  ComboButton->Margins = SunkEdge->Margins;
  ComboButton->Margins.left = 2;
  ComboButton->Margins.right = b + 2;
  ComboButton->Bitmap = std::move(strip);
  SunkEdge->Bitmap = std::move(mirrored);
  SunkEdge->Margins.left = b + 2;
  SunkEdge->Margins.right = 2;
}

void TSkinData::ReBuildComboxArrow() {
  if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (SunkEdge) {
    const int n = SunkEdge->FrameCount;
    if (ComboButton && ComboButton->Style == 2 && n >= 1) {
      TBitmap& source = *ComboButton->Bitmap;
      const int c = source.Width() / n;
      auto arrows = std::make_unique<TBitmap>();
      MakeFilledBitmap(*arrows, kArrowSize * n, kArrowSize, kKey);
      for (int i = 1; i <= n; ++i)
        BitBlt(arrows->Canvas()->Handle(), (i - 1) * kArrowSize, 0, kArrowSize, kArrowSize,
               source.Canvas()->Handle(), i * c - 19, 2, SRCCOPY);
      ComboxArrow->Bitmap = std::move(arrows);
      ComboxArrow->FrameCount = n;
      return;
    }
  } else if (ComboButton) {
    ComboxArrow->Bitmap->Assign(ComboButton->Bitmap.get());
    // The key colour becomes the face colour as drawn (a system colour is resolved first).
    if (!ComboxArrow->Bitmap->Empty())
      ChangeTrans(ComboxArrow->Bitmap.get(), ColorToRGB(Colors[csButtonFace]));
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
  auto bitmap = std::make_unique<TBitmap>();
  MakeFilledBitmap(*bitmap, 10, 40, 0xFFFFFF);
  const TColor c = GetCaptionColor();
  TColor e = Blend(0x808080, c, 150);
  const TColor s = Blend(Colors[csButtonFace], 0xFFFFFF, 150);
  const std::int32_t v = GetHSV(c);
  if (v > 110) {
    const std::int32_t p = (225 - v) * 25 / 140 + 50;
    e = Blend(c, 0xFFFFFF, p);
  }
  GradFill(bitmap->Canvas()->Handle(), RECT{0, 0, 10, 40}, s, e, 1);
  if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  Toolbar->Bitmap = std::move(bitmap);
  Toolbar->FrameCount = 1;
}

void TSkinData::CreateMinCaption() {
  if (!MinCaption) MinCaption = std::make_unique<TDataSkinObject>("MinCaption");
  const TColor c = GetCaptionColor();
  auto bitmap = std::make_unique<TBitmap>();
  MakeFilledBitmap(*bitmap, 80, 29, c);
  TCanvas& canvas = *bitmap->Canvas();
  canvas.Brush()->SetColor(c);
  canvas.Pen()->SetColor(Blend(0x000000, c, 50));
  canvas.Rectangle(0, 0, 80, 29);
  MinCaption->Bitmap = std::move(bitmap);
  MinCaption->FrameCount = 1;
  MinCaption->Margins = RECT{3, 3, 3, 3};
}
