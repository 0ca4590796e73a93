// The framework's own look of an owner-drawn item, used when no OnDrawItem handler paints it.
#include <algorithm>

#include "framework/win/menus/Menus.h"

namespace {
constexpr int kGlyphSize = 16;
constexpr int kTextGap = 8;       // between the glyph column and the caption
constexpr int kShortCutGap = 15;  // between caption and shortcut
}  // namespace

void TMenuItem::DefaultMeasure(TCanvas* ACanvas, int& Width, int& Height) {
  TImageList* Images = GetImageList();
  const int GlyphW = Images ? Images->Width() : kGlyphSize;
  const int GlyphH = Images ? Images->Height() : kGlyphSize;
  if (IsLine()) {
    Width = GlyphW;
    Height = 8;
    return;
  }
  if (FDefault) ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + fsBold);
  RECT Text{0, 0, 0, 0};
  // The measuring flags of a single-line caption with its accelerator prefix.
  ACanvas->DrawText(FCaption.empty() ? String(" ") : FCaption, Text,
                    DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  Width = GlyphW + kTextGap + (Text.right - Text.left);
  if (FShortCut != scNone) Width += kShortCutGap + ACanvas->TextWidth(ShortCutToText(FShortCut));
  Height = std::max(GlyphH + 3, static_cast<int>(Text.bottom - Text.top) + 4);
}

void TMenuItem::DefaultDraw(TCanvas* ACanvas, const RECT& ARect, bool Selected) {
  TImageList* Images = GetImageList();
  const int GlyphW = Images ? Images->Width() : kGlyphSize;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(Selected && !IsLine() ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  HDC DC = ACanvas->Handle();
  if (IsLine()) {
    RECT Line{ARect.left, ARect.top + (ARect.bottom - ARect.top) / 2 - 1, ARect.right, ARect.bottom};
    DrawEdge(DC, &Line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool Rtl = GetParentMenu() && GetParentMenu()->IsRightToLeft();
  RECT Glyph{ARect.left + 2, ARect.top, ARect.left + 2 + GlyphW, ARect.bottom};
  if (Rtl) Glyph = RECT{ARect.right - 2 - GlyphW, ARect.top, ARect.right - 2, ARect.bottom};
  if (Images && FImageIndex >= 0 && FImageIndex < Images->Count()) {
    Images->Draw(ACanvas, Glyph.left, ARect.top + (ARect.bottom - ARect.top - Images->Height()) / 2,
                 FImageIndex, FEnabled);
  } else if (FChecked) {
    RECT Mark = Glyph;
    const int Size = std::min<int>(GlyphW, ARect.bottom - ARect.top);
    Mark.top = ARect.top + (ARect.bottom - ARect.top - Size) / 2;
    Mark.bottom = Mark.top + Size;
    DrawFrameControl(DC, &Mark, DFC_MENU, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  ACanvas->Brush()->SetStyle(bsClear);
  if (FDefault) ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + fsBold);
  ACanvas->Font()->SetColor(!FEnabled ? clGrayText : Selected ? clHighlightText : clMenuText);
  RECT Text{Glyph.right + kTextGap, ARect.top, ARect.right - 2, ARect.bottom};
  UINT Format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (Rtl) {
    Text = RECT{ARect.left + 2, ARect.top, Glyph.left - kTextGap, ARect.bottom};
    Format |= DT_RIGHT | DT_RTLREADING;
  }
  ACanvas->DrawText(FCaption, Text, Format);
  if (FShortCut != scNone) {
    RECT Shortcut{ARect.left + 10, ARect.top, ARect.right - 10, ARect.bottom};
    ACanvas->DrawText(ShortCutToText(FShortCut), Shortcut,
                      DT_SINGLELINE | DT_VCENTER | (Rtl ? DT_LEFT : DT_RIGHT));
  }
}
