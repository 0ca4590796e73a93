// Owner-drawn menu items: measured and painted from the skin's MenuItem strip (frame 1 normal,
// frame 2 separator, frame 4 selected) over the popup window's rendered background, or as flat
// rows in the scheme colours when the skin has no MenuItem element. Tool bars: hot, focused and
// pressed buttons from the Buttons strip, the background from the Toolbar picture.
#include <algorithm>

#include "framework/win/app/Screen.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinElementView.h"
#include "skin/imaging/SkinPaint.h"

#include "framework/win/controls/ToolBar.h"

namespace {

constexpr int kMenuFrameCount = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;
constexpr int kPopupBorder = 3;  // the popup window's skinned frame, around the items
constexpr int kGlyphSize = 16;
constexpr WORD kCheckMarkBitmap = 32760;  // the system's check mark (OBM_CHECK)

// The MenuItem element when the skin has a usable one.
TDataSkinObject* MenuItemElement(TSkinData* Data) {
  if (!Data || !Data->MenuItem || !Data->MenuItem->Bitmap || Data->MenuItem->Bitmap->Empty()) return nullptr;
  return Data->MenuItem.get();
}

TMenuItem* AsMenuItem(TObject* Item) {
  return dynamic_cast<TMenuItem*>(Item);
}

// A bitmap of R's size whose canvas writes with the screen's menu font.
std::unique_ptr<TBitmap> ItemBitmap(const RECT& R) {
  auto bitmap =
      std::make_unique<TBitmap>(std::max<int>(R.right - R.left, 0), std::max<int>(R.bottom - R.top, 0));
  if (Screen) bitmap->Canvas()->SetFont(Screen->MenuFont());
  return bitmap;
}

void Fill(TCanvas* Canvas, const RECT& R, TColor Color) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

// The item background: the popup window's background under the item (the popup frame is 3 pixels),
// or csMenubg where there is none.
void FillBackground(TBitmap& Target, TBitmap* Background, const RECT& R, TColor MenuBg) {
  const RECT whole{0, 0, Target.Width(), Target.Height()};
  Fill(Target.Canvas(), whole, MenuBg);
  if (!Background || Background->Empty()) return;
  // Only the part of the item that lies inside the background is copied.
  const int sx = R.left + kPopupBorder, sy = R.top + kPopupBorder;
  const int left = std::max(sx, 0), top = std::max(sy, 0);
  const int right = std::min<int>(sx + Target.Width(), Background->Width());
  const int bottom = std::min<int>(sy + Target.Height(), Background->Height());
  if (right <= left || bottom <= top) return;
  BitBlt(Target.Canvas()->Handle(), left - sx, top - sy, right - left, bottom - top,
         Background->Canvas()->Handle(), left, top, SRCCOPY);
}

void DrawAt(TCanvas* Canvas, const RECT& R, TBitmap& Bitmap) {
  BitBlt(Canvas->Handle(), R.left, R.top, Bitmap.Width(), Bitmap.Height(), Bitmap.Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

// The framework's button-face/button-highlight checker pattern over R.
void FillChecker(HDC DC, const RECT& R) {
  TBitmap pattern(8, 8);
  const COLORREF face = ColorToRGB(clBtnFace), hilight = ColorToRGB(clBtnHighlight);
  HDC pdc = pattern.Canvas()->Handle();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ::SetPixel(pdc, x, y, (x + y) % 2 ? hilight : face);
  TGdiBrush brush(CreatePatternBrush(pattern.Handle()));
  if (brush) FillRect(DC, &R, brush.Get());
}

// The platform's check mark (a monochrome bitmap, mark pixels 0) painted in Color where it is set,
// leaving everything else untouched.
void DrawCheckMark(HDC DC, int X, int Y, COLORREF Color) {
  TGdiBitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  if (!mark) return;
  BITMAP info{};
  GetObjectW(mark.Get(), sizeof info, &info);
  TMemoryDC source(DC);
  TSelectObject selected(source.Get(), mark.Get());
  TGdiBrush brush(CreateSolidBrush(Color));
  TSelectObject brushSel(DC, brush.Get());
  const COLORREF oldText = SetTextColor(DC, RGB(0, 0, 0));
  const COLORREF oldBk = SetBkColor(DC, RGB(255, 255, 255));
  // PSDPxax: destination where the mark is white, the brush where it is black.
  BitBlt(DC, X, Y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, 0x00B8074A);
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBk);
}

SIZE CheckMarkSize() {
  TGdiBitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  BITMAP info{};
  if (mark) GetObjectW(mark.Get(), sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

bool HasValidImage(TMenuItem* Item, TImageList* Images) {
  return Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count();
}

}  // namespace

void TRuzIzivForm::MeasureItem(TObject* Item, TCanvas* ACanvas, int& Width, int& Height) {
  TMenuItem* item = AsMenuItem(Item);
  if (!item) return;
  // The framework's measurement without this handler, which it would call again.
  const TMenuMeasureItemEvent own = item->OnMeasureItem;
  item->OnMeasureItem.Clear();
  item->MeasureItem(ACanvas, Width, Height);
  item->OnMeasureItem = own;
  if (TDataSkinObject* element = MenuItemElement(FSkinData)) Width += element->Margins.left;
  Width += 10;
  if (!item->GetImageList()) Width += 25;
}

void TRuzIzivForm::MeasureItemPop(TObject* Item, TCanvas*, int& Width, int&) {
  TMenuItem* item = AsMenuItem(Item);
  if (!item) return;
  if (FSkinData)
    if (TDataSkinObject* element = MenuItemElement(FSkinData)) Width += element->Margins.left;
  Width += 12;
  if (!item->GetImageList()) Width += 23;
}

void TRuzIzivForm::DrawMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* item = AsMenuItem(Item);
  if (!item || !ACanvas) return;
  HMENU parentMenu = item->Parent() && item->Parent()->HandleAllocated() ? item->Parent()->Handle() : nullptr;
  // Any row but a separator is painted exactly like a native item of the parent menu.
  if (GetStrProp(item, "Caption") != "-") {
    DrawHMenuItem2(parentMenu, Item, ACanvas, R, Selected);
    return;
  }
  if (SkinManager) {
    SkinManager->SetPopMenu();
    if (item->Parent()) SkinManager->SetHMenu(parentMenu);
  }
  if (!MenuItemElement(FSkinData)) {
    DefaultMenuItem(Item, ACanvas, R, Selected);
    return;
  }
  auto bitmap = ItemBitmap(R);
  if (bitmap->Empty()) return;
  FillBackground(*bitmap, SkinManager ? SkinManager->GetMenuBg(parentMenu) : nullptr, R,
                 FSkinData->Colors[csMenubg]);
  DrawAt(ACanvas, R, *bitmap);
  DrawMenuCaption(ACanvas, R);
}

void TRuzIzivForm::DrawHMenuItem2(HMENU Menu, TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* item = AsMenuItem(Item);
  if (!item || !ACanvas) return;
  if (SkinManager) {
    SkinManager->SetPopMenu();
    if (item->Parent()) SkinManager->SetHMenu(Menu);
  }
  TDataSkinObject* element = MenuItemElement(FSkinData);
  if (!element) {
    DefaultMenuItem(Item, ACanvas, R, Selected);
    return;
  }
  auto bitmap = ItemBitmap(R);
  if (bitmap->Empty()) return;
  FillBackground(*bitmap, SkinManager ? SkinManager->GetMenuBg(Menu) : nullptr, R,
                 FSkinData->Colors[csMenubg]);
  const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
  TSkinElementView view = ElementView(*element);
  view.FrameCount = kMenuFrameCount;
  DrawElement(bitmap->Canvas()->Handle(), whole, view, Selected ? kSelectedFrame : kNormalFrame);
  DrawItemText(item, bitmap->Canvas(), whole, Selected);
  DrawAt(ACanvas, R, *bitmap);
}

void TRuzIzivForm::DefaultMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* item = AsMenuItem(Item);
  if (!item || !ACanvas || !FSkinData) return;
  auto bitmap = ItemBitmap(R);
  if (bitmap->Empty()) return;
  const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
  Fill(bitmap->Canvas(), whole, FSkinData->Colors[Selected ? csHilight : csMenubg]);
  DrawItemText(item, bitmap->Canvas(), whole, Selected);
  DrawAt(ACanvas, R, *bitmap);
}

void TRuzIzivForm::DrawMenuCaption(TCanvas* ACanvas, const RECT& R) {
  TDataSkinObject* element = MenuItemElement(FSkinData);
  if (!element || !ACanvas) return;
  TBitmap* strip = element->Bitmap.get();
  const int frameW = strip->Width() / kMenuFrameCount;
  const int w = R.right - R.left, h = R.bottom - R.top;
  if (frameW <= 0 || w <= 0 || h <= 0) return;
  // A frame taller than the row gives its last rows.
  const int srcTop = strip->Height() > h ? strip->Height() - h : 0;
  const int rows = std::min(strip->Height(), h);
  const int frameX = frameW * (kSeparatorFrame - 1);
  // Margins that do not fit the frame or the row are cut down, the left one first.
  const int left = std::clamp<int>(element->Margins.left, 0, std::min(frameW, w));
  const int right = std::clamp<int>(element->Margins.right, 0, std::min(frameW - left, w - left));
  TBitmap line(w, h);
  HDC dc = line.Canvas()->Handle();
  Fill(line.Canvas(), RECT{0, 0, w, h}, clFuchsia);  // rows the frame does not cover stay transparent
  HDC src = strip->Canvas()->Handle();
  BitBlt(dc, 0, 0, left, rows, src, frameX, srcTop, SRCCOPY);
  BitBlt(dc, w - right, 0, right, rows, src, frameX + frameW - right, srcTop, SRCCOPY);
  const int middle = frameW - left - right;
  if (middle > 0 && w - left - right > 0) {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, left, 0, w - left - right, rows, src, frameX + left, srcTop, middle, rows, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
  DrawTranmap(ACanvas->Handle(), R, &line, clFuchsia);
}

void TRuzIzivForm::DrawItemText(TMenuItem* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  if (!Item || !ACanvas) return;
  const WideString caption = GetWideStrProp(Item, "Caption");
  const bool separator = caption == u"-";
  TImageList* images = Item->GetImageList();
  int glyph = images ? images->Width() : kGlyphSize;
  if (Item->Checked()) glyph = std::max(glyph, kGlyphSize);
  TDataSkinObject* element = MenuItemElement(FSkinData);
  const int margin = element ? element->Margins.left : 0;
  const bool rtl = Item->GetParentMenu() && Item->GetParentMenu()->IsRightToLeft();
  const int rowH = R.bottom - R.top;
  HDC dc = ACanvas->Handle();

  RECT box{};
  if (!separator) {
    box = rtl ? RECT{R.right - 1 - margin - glyph, R.top + 1, R.right - 1 - margin, R.top + 1 + glyph}
              : RECT{R.left + 1 + margin, R.top + 1, R.left + 1 + margin + glyph, R.top + 1 + glyph};
  } else if (rtl) {
    box = RECT{R.right, R.top, R.right, R.top};
  }
  if (!separator) {
    if (HasValidImage(Item, images)) {
      if (Item->Checked()) {
        FillChecker(dc, box);
        if (!rtl) OffsetRect(&box, 0, R.top + (rowH - kGlyphSize) / 2 - box.top);
        RECT edge = box;
        InflateRect(&edge, 1, 1);  // around the image, which covers the box itself
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
      } else if (!rtl) {
        OffsetRect(&box, 0, R.top + (rowH - images->Height()) / 2 - box.top);
      }
      images->Draw(ACanvas, box.left, box.top, Item->ImageIndex(), Item->Enabled());
    } else if (Item->Checked()) {
      const SIZE mark = CheckMarkSize();
      const int x = box.left + (glyph - mark.cx) / 2 + 1;
      const int y = rtl ? box.top + (glyph - mark.cy) / 2 + 1 : R.top + (rowH - mark.cy) / 2 + 1;
      DrawCheckMark(dc, x, y, GetSysColor(COLOR_BTNTEXT));
    }
  }

  constexpr int kMeasure = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
  RECT text = rtl ? RECT{R.left + 1, R.top, box.left - 3, R.bottom}
                  : RECT{box.right + 3, R.top, R.right - 1, R.bottom};
  RECT measured = text;
  DoDrawText(Item, ACanvas, caption, measured, Selected, kMeasure);
  const int textH = measured.bottom - measured.top;
  if (rtl) {
    text.top = R.top + (rowH - textH) / 2;
    text.bottom = text.top + textH;
    DoDrawText(Item, ACanvas, caption, text, Selected,
               DT_RIGHT | DT_RTLREADING | DT_EXPANDTABS | DT_SINGLELINE);
  } else {
    text = measured;
    OffsetRect(&text, 0, R.top + (rowH - textH) / 2 - text.top);
    DoDrawText(Item, ACanvas, caption, text, Selected, DT_EXPANDTABS | DT_SINGLELINE);
  }
  if (Item->ShortCut() != scNone && !separator) {
    const WideString shortcut = Utf8ToUtf16(ShortCutToText(Item->ShortCut()));
    RECT r = rtl ? RECT{R.left + 11, text.top, box.left - 3, text.bottom}
                 : RECT{text.right, text.top, R.right - 11, text.bottom};
    DoDrawText(Item, ACanvas, shortcut, r, Selected, (rtl ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE);
  }
}

void TRuzIzivForm::DoDrawText(TMenuItem* Item, TCanvas* ACanvas, const WideString& Text, RECT& R,
                              bool Selected, int Flags) {
  if (!Item || !ACanvas) return;
  WideString text = Text;
  const bool measuring = (Flags & DT_CALCRECT) != 0;
  // An empty caption (or a lone accelerator sign) still gets a row's height.
  if (measuring && (text.empty() || text == u"&")) text += u" ";
  HDC dc = ACanvas->Handle();
  if (text != u"-") {
    ACanvas->Brush()->SetStyle(bsClear);
    TFont* font = ACanvas->Font();
    const TFontStyles oldStyle = font->Style();
    if (Item->Default()) font->SetStyle(oldStyle + fsBold);
    TColor color = FSkinData ? FSkinData->Colors[Selected ? csHilightText : csMenuText] : clMenuText;
    if (!Item->Enabled()) {
      color = FSkinData ? FSkinData->Colors[csButtonShadow] : clBtnShadow;
      // A shadow colour equal to the text colour would not show the item as disabled.
      if (FSkinData && FSkinData->Colors[csButtonShadow] == FSkinData->Colors[csMenuText])
        color = clBtnShadow;
    }
    font->SetColor(color);
    ACanvas->DrawText(Utf16ToUtf8(text), R, static_cast<UINT>(Flags));
    if (Item->Default()) font->SetStyle(oldStyle);
  } else if (!measuring) {
    RECT line{R.left, R.top + 4, R.right, R.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
  }
}

// The Toolbar picture stretched whole over the bar, unless the skin keeps the bar's own background.
void TRuzIzivForm::ToolBarDrawBackground(TToolBar* Toolbar, const RECT& R, bool&) {
  if (!Toolbar || !FSkinData || FSkinData->Options.Contains(xoToolbarBK)) return;
  TDataSkinObject* Element = FSkinData->Toolbar.get();
  if (!Element || !Element->Bitmap || Element->Bitmap->Empty() || !Toolbar->Canvas()) return;
  HDC DC = Toolbar->Canvas()->Handle();
  HDC Source = Element->Bitmap->Canvas()->Handle();
  if (!DC || !Source) return;
  const int Mode = SetStretchBltMode(DC, COLORONCOLOR);
  StretchBlt(DC, R.left, R.top, R.right - R.left, R.bottom - R.top, Source, 0, 0, Element->Bitmap->Width(),
             Element->Bitmap->Height(), SRCCOPY);
  SetStretchBltMode(DC, Mode);
}

// A hot, focused, pressed or default button gets its face from the Buttons strip; the bar then draws
// the image and text on top (DefaultDraw stays true). Untouched buttons keep the flat look.
void TRuzIzivForm::ToolBarDrawButton(TToolBar* Toolbar, TToolButton* Button, TCustomDrawState State, bool&) {
  if (!Toolbar || !Button || !FSkinData || FSkinState != kSkinActive ||
      FSkinData->Options.Contains(xoToolbarButton))
    return;
  TDataSkinButton* Element = FSkinData->Button.get();
  if (!Element || !Element->Bitmap || Element->Bitmap->Empty() || !Toolbar->Canvas()) return;
  int Frame = 0;
  if (State.Contains(cdsSelected))
    Frame = 2;
  else if (State.Contains(cdsFocused) || State.Contains(cdsHot))
    Frame = 4;
  else if (State.Contains(cdsGrayed) || State.Contains(cdsDisabled))
    Frame = 0;
  else if (State.Contains(cdsDefault))
    Frame = 1;
  if (Frame == 0) return;
  if (Frame == 1 && Element->HasNormalColour2)
    Toolbar->Canvas()->Font()->SetColor(Element->NormalColour2);
  else if (Frame == 4 && Element->HasMouseOverColour2)
    Toolbar->Canvas()->Font()->SetColor(Element->MouseOverColour2);
  else if (Frame == 2 && Element->HasPressedColour2)
    Toolbar->Canvas()->Font()->SetColor(Element->PressedColour2);
  RECT R = Button->BoundsRect();
  InflateRect(&R, -1, -1);
  DrawRect2(Toolbar->Canvas()->Handle(), R, Element->Bitmap.get(), Element->Margins, Frame, 5, Element->Trans,
            0, 0);
}

TBitmap* TRuzIzivForm::GetMenuBG() {
  // The popup menu skin object publishes its background and hangs itself on its window.
  HWND top = GetTopWindow(nullptr);
  auto* popup = top ? static_cast<TObject*>(GetPropW(top, L"RuzIzivPopMenu")) : nullptr;
  if (!popup || !IsPublishedProp(popup, "Background")) return nullptr;
  return dynamic_cast<TBitmap*>(GetObjectProp(popup, "Background"));
}
