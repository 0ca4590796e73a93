// The framework's own look of an owner-drawn item, used when no OnDrawItem handler paints it.
#include <algorithm>

#include "framework/win/menus/Menus.h"

namespace {
constexpr int kGlyphSize = 16;
constexpr int kTextGap = 8;       // between the glyph column and the caption
constexpr int kShortCutGap = 15;  // between caption and shortcut
}  // namespace

void TMenuItem::DefaultMeasure(TCanvas* ACanvas, int& Width, int& Height) {
  TImageList* images = GetImageList();
  const int glyphW = images ? images->Width() : kGlyphSize;
  const int glyphH = images ? images->Height() : kGlyphSize;
  if (IsLine()) {
    Width = glyphW;
    Height = 8;
    return;
  }
  if (FDefault) ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + fsBold);
  RECT text{0, 0, 0, 0};
  // The measuring flags of a single-line caption with its accelerator prefix.
  ACanvas->DrawText(FCaption.empty() ? String(" ") : FCaption, text,
                    DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  Width = glyphW + kTextGap + (text.right - text.left);
  if (FShortCut != scNone) Width += kShortCutGap + ACanvas->TextWidth(ShortCutToText(FShortCut));
  Height = std::max(glyphH + 3, static_cast<int>(text.bottom - text.top) + 4);
}

void TMenuItem::DefaultDraw(TCanvas* ACanvas, const RECT& ARect, bool Selected) {
  TImageList* images = GetImageList();
  const int glyphW = images ? images->Width() : kGlyphSize;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(Selected && !IsLine() ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  HDC dc = ACanvas->Handle();
  if (IsLine()) {
    RECT line{ARect.left, ARect.top + (ARect.bottom - ARect.top) / 2 - 1, ARect.right, ARect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool rtl = GetParentMenu() && GetParentMenu()->IsRightToLeft();
  RECT glyph{ARect.left + 2, ARect.top, ARect.left + 2 + glyphW, ARect.bottom};
  if (rtl) glyph = RECT{ARect.right - 2 - glyphW, ARect.top, ARect.right - 2, ARect.bottom};
  if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
    images->Draw(ACanvas, glyph.left, ARect.top + (ARect.bottom - ARect.top - images->Height()) / 2,
                 FImageIndex, FEnabled);
  } else if (FChecked) {
    RECT mark = glyph;
    const int size = std::min<int>(glyphW, ARect.bottom - ARect.top);
    mark.top = ARect.top + (ARect.bottom - ARect.top - size) / 2;
    mark.bottom = mark.top + size;
    DrawFrameControl(dc, &mark, DFC_MENU, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  ACanvas->Brush()->SetStyle(bsClear);
  if (FDefault) ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + fsBold);
  ACanvas->Font()->SetColor(!FEnabled ? clGrayText : Selected ? clHighlightText : clMenuText);
  RECT text{glyph.right + kTextGap, ARect.top, ARect.right - 2, ARect.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (rtl) {
    text = RECT{ARect.left + 2, ARect.top, glyph.left - kTextGap, ARect.bottom};
    format |= DT_RIGHT | DT_RTLREADING;
  }
  ACanvas->DrawText(FCaption, text, format);
  if (FShortCut != scNone) {
    RECT shortcut{ARect.left + 10, ARect.top, ARect.right - 10, ARect.bottom};
    ACanvas->DrawText(ShortCutToText(FShortCut), shortcut,
                      DT_SINGLELINE | DT_VCENTER | (rtl ? DT_LEFT : DT_RIGHT));
  }
}
