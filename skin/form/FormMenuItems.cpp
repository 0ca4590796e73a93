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
  auto Bitmap =
      std::make_unique<TBitmap>(std::max<int>(R.right - R.left, 0), std::max<int>(R.bottom - R.top, 0));
  if (Screen) Bitmap->Canvas()->SetFont(Screen->MenuFont());
  return Bitmap;
}

void Fill(TCanvas* Canvas, const RECT& R, TColor Color) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

// The item background: the popup window's background under the item (the popup frame is 3 pixels),
// or csMenubg where there is none.
void FillBackground(TBitmap& Target, TBitmap* Background, const RECT& R, TColor MenuBg) {
  const RECT Whole{0, 0, Target.Width(), Target.Height()};
  Fill(Target.Canvas(), Whole, MenuBg);
  if (!Background || Background->Empty()) return;
  // Only the part of the item that lies inside the background is copied.
  const int Sx = R.left + kPopupBorder, Sy = R.top + kPopupBorder;
  const int Left = std::max(Sx, 0), Top = std::max(Sy, 0);
  const int Right = std::min<int>(Sx + Target.Width(), Background->Width());
  const int Bottom = std::min<int>(Sy + Target.Height(), Background->Height());
  if (Right <= Left || Bottom <= Top) return;
  BitBlt(Target.Canvas()->Handle(), Left - Sx, Top - Sy, Right - Left, Bottom - Top,
         Background->Canvas()->Handle(), Left, Top, SRCCOPY);
}

void DrawAt(TCanvas* Canvas, const RECT& R, TBitmap& Bitmap) {
  BitBlt(Canvas->Handle(), R.left, R.top, Bitmap.Width(), Bitmap.Height(), Bitmap.Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

// The framework's button-face/button-highlight checker pattern over R.
void FillChecker(HDC DC, const RECT& R) {
  TBitmap Pattern(8, 8);
  const COLORREF Face = ColorToRGB(clBtnFace), Hilight = ColorToRGB(clBtnHighlight);
  HDC Pdc = Pattern.Canvas()->Handle();
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 8; ++X) ::SetPixel(Pdc, X, Y, (X + Y) % 2 ? Hilight : Face);
  TGdiBrush Brush(CreatePatternBrush(Pattern.Handle()));
  if (Brush) FillRect(DC, &R, Brush.Get());
}

// The platform's check mark (a monochrome bitmap, mark pixels 0) painted in Color where it is set,
// leaving everything else untouched.
void DrawCheckMark(HDC DC, int X, int Y, COLORREF Color) {
  TGdiBitmap Mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  if (!Mark) return;
  BITMAP Info{};
  GetObjectW(Mark.Get(), sizeof Info, &Info);
  TMemoryDC Source(DC);
  TSelectObject Selected(Source.Get(), Mark.Get());
  TGdiBrush Brush(CreateSolidBrush(Color));
  TSelectObject BrushSel(DC, Brush.Get());
  const COLORREF OldText = SetTextColor(DC, RGB(0, 0, 0));
  const COLORREF OldBk = SetBkColor(DC, RGB(255, 255, 255));
  // PSDPxax: destination where the mark is white, the brush where it is black.
  BitBlt(DC, X, Y, Info.bmWidth, Info.bmHeight, Source.Get(), 0, 0, 0x00B8074A);
  SetTextColor(DC, OldText);
  SetBkColor(DC, OldBk);
}

SIZE CheckMarkSize() {
  TGdiBitmap Mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  BITMAP Info{};
  if (Mark) GetObjectW(Mark.Get(), sizeof Info, &Info);
  return SIZE{Info.bmWidth, Info.bmHeight};
}

bool HasValidImage(TMenuItem* Item, TImageList* Images) {
  return Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count();
}

}  // namespace

void TRuzIzivForm::MeasureItem(TObject* Item, TCanvas* ACanvas, int& Width, int& Height) {
  TMenuItem* MenuItem = AsMenuItem(Item);
  if (!MenuItem) return;
  // The framework's measurement without this handler, which it would call again.
  const TMenuMeasureItemEvent Own = MenuItem->OnMeasureItem;
  MenuItem->OnMeasureItem.Clear();
  MenuItem->MeasureItem(ACanvas, Width, Height);
  MenuItem->OnMeasureItem = Own;
  if (TDataSkinObject* Element = MenuItemElement(FSkinData)) Width += Element->Margins.left;
  Width += 10;
  if (!MenuItem->GetImageList()) Width += 25;
}

void TRuzIzivForm::MeasureItemPop(TObject* Item, TCanvas*, int& Width, int&) {
  TMenuItem* MenuItem = AsMenuItem(Item);
  if (!MenuItem) return;
  if (FSkinData)
    if (TDataSkinObject* Element = MenuItemElement(FSkinData)) Width += Element->Margins.left;
  Width += 12;
  if (!MenuItem->GetImageList()) Width += 23;
}

void TRuzIzivForm::DrawMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* MenuItem = AsMenuItem(Item);
  if (!MenuItem || !ACanvas) return;
  HMENU ParentMenu =
      MenuItem->Parent() && MenuItem->Parent()->HandleAllocated() ? MenuItem->Parent()->Handle() : nullptr;
  // Any row but a separator is painted exactly like a native item of the parent menu.
  if (GetStrProp(MenuItem, "Caption") != "-") {
    DrawHMenuItem2(ParentMenu, Item, ACanvas, R, Selected);
    return;
  }
  if (SkinManager) {
    SkinManager->SetPopMenu();
    if (MenuItem->Parent()) SkinManager->SetHMenu(ParentMenu);
  }
  if (!MenuItemElement(FSkinData)) {
    DefaultMenuItem(Item, ACanvas, R, Selected);
    return;
  }
  auto Bitmap = ItemBitmap(R);
  if (Bitmap->Empty()) return;
  FillBackground(*Bitmap, SkinManager ? SkinManager->GetMenuBg(ParentMenu) : nullptr, R,
                 FSkinData->Colors[csMenubg]);
  DrawAt(ACanvas, R, *Bitmap);
  DrawMenuCaption(ACanvas, R);
}

void TRuzIzivForm::DrawHMenuItem2(HMENU Menu, TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* MenuItem = AsMenuItem(Item);
  if (!MenuItem || !ACanvas) return;
  if (SkinManager) {
    SkinManager->SetPopMenu();
    if (MenuItem->Parent()) SkinManager->SetHMenu(Menu);
  }
  TDataSkinObject* Element = MenuItemElement(FSkinData);
  if (!Element) {
    DefaultMenuItem(Item, ACanvas, R, Selected);
    return;
  }
  auto Bitmap = ItemBitmap(R);
  if (Bitmap->Empty()) return;
  FillBackground(*Bitmap, SkinManager ? SkinManager->GetMenuBg(Menu) : nullptr, R,
                 FSkinData->Colors[csMenubg]);
  const RECT Whole{0, 0, Bitmap->Width(), Bitmap->Height()};
  TSkinElementView View = ElementView(*Element);
  View.FrameCount = kMenuFrameCount;
  DrawElement(Bitmap->Canvas()->Handle(), Whole, View, Selected ? kSelectedFrame : kNormalFrame);
  DrawItemText(MenuItem, Bitmap->Canvas(), Whole, Selected);
  DrawAt(ACanvas, R, *Bitmap);
}

void TRuzIzivForm::DefaultMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  TMenuItem* MenuItem = AsMenuItem(Item);
  if (!MenuItem || !ACanvas || !FSkinData) return;
  auto Bitmap = ItemBitmap(R);
  if (Bitmap->Empty()) return;
  const RECT Whole{0, 0, Bitmap->Width(), Bitmap->Height()};
  Fill(Bitmap->Canvas(), Whole, FSkinData->Colors[Selected ? csHilight : csMenubg]);
  DrawItemText(MenuItem, Bitmap->Canvas(), Whole, Selected);
  DrawAt(ACanvas, R, *Bitmap);
}

void TRuzIzivForm::DrawMenuCaption(TCanvas* ACanvas, const RECT& R) {
  TDataSkinObject* Element = MenuItemElement(FSkinData);
  if (!Element || !ACanvas) return;
  TBitmap* Strip = Element->Bitmap.get();
  const int FrameW = Strip->Width() / kMenuFrameCount;
  const int W = R.right - R.left, H = R.bottom - R.top;
  if (FrameW <= 0 || W <= 0 || H <= 0) return;
  // A frame taller than the row gives its last rows.
  const int SrcTop = Strip->Height() > H ? Strip->Height() - H : 0;
  const int Rows = std::min(Strip->Height(), H);
  const int FrameX = FrameW * (kSeparatorFrame - 1);
  // Margins that do not fit the frame or the row are cut down, the left one first.
  const int Left = std::clamp<int>(Element->Margins.left, 0, std::min(FrameW, W));
  const int Right = std::clamp<int>(Element->Margins.right, 0, std::min(FrameW - Left, W - Left));
  TBitmap Line(W, H);
  HDC Dc = Line.Canvas()->Handle();
  Fill(Line.Canvas(), RECT{0, 0, W, H}, clFuchsia);  // rows the frame does not cover stay transparent
  HDC Src = Strip->Canvas()->Handle();
  BitBlt(Dc, 0, 0, Left, Rows, Src, FrameX, SrcTop, SRCCOPY);
  BitBlt(Dc, W - Right, 0, Right, Rows, Src, FrameX + FrameW - Right, SrcTop, SRCCOPY);
  const int Middle = FrameW - Left - Right;
  if (Middle > 0 && W - Left - Right > 0) {
    const int OldMode = SetStretchBltMode(Dc, COLORONCOLOR);
    StretchBlt(Dc, Left, 0, W - Left - Right, Rows, Src, FrameX + Left, SrcTop, Middle, Rows, SRCCOPY);
    SetStretchBltMode(Dc, OldMode);
  }
  DrawTranmap(ACanvas->Handle(), R, &Line, clFuchsia);
}

void TRuzIzivForm::DrawItemText(TMenuItem* Item, TCanvas* ACanvas, const RECT& R, bool Selected) {
  if (!Item || !ACanvas) return;
  const WideString CaptionText = GetWideStrProp(Item, "Caption");
  const bool Separator = CaptionText == u"-";
  TImageList* Images = Item->GetImageList();
  int Glyph = Images ? Images->Width() : kGlyphSize;
  if (Item->Checked()) Glyph = std::max(Glyph, kGlyphSize);
  TDataSkinObject* Element = MenuItemElement(FSkinData);
  const int Margin = Element ? Element->Margins.left : 0;
  const bool Rtl = Item->GetParentMenu() && Item->GetParentMenu()->IsRightToLeft();
  const int RowH = R.bottom - R.top;
  HDC Dc = ACanvas->Handle();

  RECT Box{};
  if (!Separator) {
    Box = Rtl ? RECT{R.right - 1 - Margin - Glyph, R.top + 1, R.right - 1 - Margin, R.top + 1 + Glyph}
              : RECT{R.left + 1 + Margin, R.top + 1, R.left + 1 + Margin + Glyph, R.top + 1 + Glyph};
  } else if (Rtl) {
    Box = RECT{R.right, R.top, R.right, R.top};
  }
  if (!Separator) {
    if (HasValidImage(Item, Images)) {
      if (Item->Checked()) {
        FillChecker(Dc, Box);
        if (!Rtl) OffsetRect(&Box, 0, R.top + (RowH - kGlyphSize) / 2 - Box.top);
        RECT Edge = Box;
        InflateRect(&Edge, 1, 1);  // around the image, which covers the box itself
        DrawEdge(Dc, &Edge, BDR_SUNKENOUTER, BF_RECT);
      } else if (!Rtl) {
        OffsetRect(&Box, 0, R.top + (RowH - Images->Height()) / 2 - Box.top);
      }
      Images->Draw(ACanvas, Box.left, Box.top, Item->ImageIndex(), Item->Enabled());
    } else if (Item->Checked()) {
      const SIZE Mark = CheckMarkSize();
      const int X = Box.left + (Glyph - Mark.cx) / 2 + 1;
      const int Y = Rtl ? Box.top + (Glyph - Mark.cy) / 2 + 1 : R.top + (RowH - Mark.cy) / 2 + 1;
      DrawCheckMark(Dc, X, Y, GetSysColor(COLOR_BTNTEXT));
    }
  }

  constexpr int kMeasure = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
  RECT Text = Rtl ? RECT{R.left + 1, R.top, Box.left - 3, R.bottom}
                  : RECT{Box.right + 3, R.top, R.right - 1, R.bottom};
  RECT Measured = Text;
  DoDrawText(Item, ACanvas, CaptionText, Measured, Selected, kMeasure);
  const int TextH = Measured.bottom - Measured.top;
  if (Rtl) {
    Text.top = R.top + (RowH - TextH) / 2;
    Text.bottom = Text.top + TextH;
    DoDrawText(Item, ACanvas, CaptionText, Text, Selected,
               DT_RIGHT | DT_RTLREADING | DT_EXPANDTABS | DT_SINGLELINE);
  } else {
    Text = Measured;
    OffsetRect(&Text, 0, R.top + (RowH - TextH) / 2 - Text.top);
    DoDrawText(Item, ACanvas, CaptionText, Text, Selected, DT_EXPANDTABS | DT_SINGLELINE);
  }
  if (Item->ShortCut() != scNone && !Separator) {
    const WideString Shortcut = Utf8ToUtf16(ShortCutToText(Item->ShortCut()));
    RECT ShortcutBox = Rtl ? RECT{R.left + 11, Text.top, Box.left - 3, Text.bottom}
                           : RECT{Text.right, Text.top, R.right - 11, Text.bottom};
    DoDrawText(Item, ACanvas, Shortcut, ShortcutBox, Selected, (Rtl ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE);
  }
}

void TRuzIzivForm::DoDrawText(TMenuItem* Item, TCanvas* ACanvas, const WideString& Text, RECT& R,
                              bool Selected, int Flags) {
  if (!Item || !ACanvas) return;
  WideString Shown = Text;
  const bool Measuring = (Flags & DT_CALCRECT) != 0;
  // An empty caption (or a lone accelerator sign) still gets a row's height.
  if (Measuring && (Shown.empty() || Shown == u"&")) Shown += u" ";
  HDC Dc = ACanvas->Handle();
  if (Shown != u"-") {
    ACanvas->Brush()->SetStyle(bsClear);
    TFont* ItemFont = ACanvas->Font();
    const TFontStyles OldStyle = ItemFont->Style();
    if (Item->Default()) ItemFont->SetStyle(OldStyle + fsBold);
    TColor Color = FSkinData ? FSkinData->Colors[Selected ? csHilightText : csMenuText] : clMenuText;
    if (!Item->Enabled()) {
      Color = FSkinData ? FSkinData->Colors[csButtonShadow] : clBtnShadow;
      // A shadow colour equal to the text colour would not show the item as disabled.
      if (FSkinData && FSkinData->Colors[csButtonShadow] == FSkinData->Colors[csMenuText])
        Color = clBtnShadow;
    }
    ItemFont->SetColor(Color);
    ACanvas->DrawText(Utf16ToUtf8(Shown), R, static_cast<UINT>(Flags));
    if (Item->Default()) ItemFont->SetStyle(OldStyle);
  } else if (!Measuring) {
    RECT Line{R.left, R.top + 4, R.right, R.bottom};
    DrawEdge(Dc, &Line, EDGE_ETCHED, BF_TOP);
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
  HWND Top = GetTopWindow(nullptr);
  auto* Popup = Top ? static_cast<TObject*>(GetPropW(Top, L"RuzIzivPopMenu")) : nullptr;
  if (!Popup || !IsPublishedProp(Popup, "Background")) return nullptr;
  return dynamic_cast<TBitmap*>(GetObjectProp(Popup, "Background"));
}
