// Push buttons: plain, glyph, drop-down and speed buttons painted from the "Buttons" strip.
#include "skin/controls/SkinButtons.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "framework/win/controls/GraphicControl.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SkinPaint.h"

namespace {

bool IsTrue(const String& Value) {
  return LowerCase(Value) == "true";
}

// "||" in a caption is a line break.
WideString WithLineBreaks(const WideString& Text) {
  WideString Result;
  Result.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == u'|' && I + 1 < Text.size() && Text[I + 1] == u'|') {
      Result += u"\r\n";
      ++I;
    } else {
      Result += Text[I];
    }
  }
  return Result;
}

SIZE MeasureText(HDC DC, const WideString& Text, const RECT& Area, UINT Flags) {
  if (Text.empty()) return SIZE{0, 0};
  RECT R = Area;
  DrawWideText(DC, Text, R, Flags | DT_CALCRECT);
  return SIZE{R.right - R.left, R.bottom - R.top};
}

void FocusAround(HDC DC, RECT R) {
  InflateRect(&R, 2, 2);
  SetTextColor(DC, RGB(0, 0, 0));
  SetBkColor(DC, RGB(255, 255, 255));
  DrawFocusRect(DC, &R);
}

// Glyph drawn at (X, Y) with the colour of its bottom-left pixel transparent.
void DrawAutoTransparent(HDC DC, int X, int Y, TBitmap* Glyph) {
  if (!Glyph || Glyph->Empty()) return;
  const TColor Key = GetPixel(Glyph->Canvas()->Handle(), 0, Glyph->Height() - 1);
  DrawTranmap(DC, RECT{X, Y, X + Glyph->Width(), Y + Glyph->Height()}, Glyph, Key);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Layout of a glyph and a caption along one axis

TGlyphLayout GlyphLayoutOf(const String& LayoutName) {
  const String Name = LowerCase(LayoutName);
  if (Name == "blglyphright") return glRight;
  if (Name == "blglyphtop") return glTop;
  if (Name == "blglyphbottom") return glBottom;
  return glLeft;
}

TGlyphPlacement LayoutGlyph(TGlyphLayout Layout, int W, int H, int GlyphW, int GlyphH, int TextW, int TextH,
                            int Margin, int Spacing, bool Centre) {
  const bool Horizontal = Layout == glLeft || Layout == glRight;
  const int Face = Horizontal ? W : H;
  const int GlyphLen = Horizontal ? GlyphW : GlyphH;
  const int TextLen = Horizontal ? TextW : TextH;
  if (TextW == 0 || GlyphW == 0) Spacing = 0;
  if (Margin == -1 || Centre) {
    if (Spacing == -1) {
      Margin = (Face - (GlyphLen + TextLen)) / 3;
      Spacing = Margin;
    } else {
      Margin = (Face - (GlyphLen + Spacing + TextLen)) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (Face - (Margin + GlyphLen) - TextLen) / 2;
  }
  int GlyphAt = 0;
  int TextAt = 0;
  if (Layout == glLeft || Layout == glTop) {
    GlyphAt = Margin;
    TextAt = GlyphAt + GlyphLen + Spacing;
  } else {
    GlyphAt = Face - Margin - GlyphLen;
    TextAt = GlyphAt - Spacing - TextLen;
  }
  TGlyphPlacement Place{};
  if (Horizontal) {
    Place.Glyph = POINT{GlyphAt, (H - GlyphH + 1) / 2};
    const int Top = (H - TextH + 1) / 2;
    Place.Text = RECT{TextAt, Top, TextAt + TextW, Top + TextH};
  } else {
    Place.Glyph = POINT{(W - GlyphW + 1) / 2, GlyphAt};
    const int Left = (W - TextW + 1) / 2;
    Place.Text = RECT{Left, TextAt, Left + TextW, TextAt + TextH};
  }
  return Place;
}

// ---------------------------------------------------------------------------------------------------
// TSkinButton

TSkinButton::TSkinButton(TComponent* AOwner) : TSkinControl(AOwner), FBuffer(std::make_unique<TBitmap>()) {}

TSkinButton::~TSkinButton() {
  if (FRedrawOff) SetRedraw(true);  // never leave the window without its visible bit
}

void TSkinButton::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  FNoMouseDown = 0;
  if (FControl) {
    const String Name = LowerCase(FControl->ClassName());
    if (Name.rfind("trz", 0) == 0 || Name.rfind("tel", 0) == 0) FNoMouseDown = 1;
  }
  FTransparent =
      (FControl && FControl->Tag() == 5555) || (FSkinData && FSkinData->Options.Contains(xoTransparent));
}

bool TSkinButton::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    case WM_TIMER:
      SetRedraw(true);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!FFocused) {
        if (HWND Wnd = LiveHandle()) SetFocus(Wnd);
      }
      FState.Include(scDown);
      PaintControl(nullptr);
      if (FNoMouseDown == 0 && FControl) DoMouseDown(Message);
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinButton::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT:
      PaintControl(nullptr);
      return;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) {
        FState.Include(scDown);
        Invalidate();
      }
      return;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) {
        FState.Exclude(scDown);
        Invalidate();
      }
      return;
    case WM_MOUSEMOVE:
      if (FEnabled && !FState.Contains(scMouseIn)) {
        FState.Include(scMouseIn);
        Invalidate();
      }
      if (HWND Wnd = LiveHandle()) DoTrackMouse(Wnd);
      return;
    case WM_LBUTTONUP:
      if (FState.Contains(scDown)) {
        FState.Exclude(scDown);
        Invalidate();
        ReportClick();
      }
      return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      FState.Exclude(scMouseIn);
      FState.Exclude(scDown);
      Invalidate();
      return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Invalidate();
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinButton::ReportClick() {
  if (FControl) {
    FControl->Click();
    return;
  }
  HWND Wnd = LiveHandle();
  if (!Wnd) return;
  wchar_t ClassName[101] = {};
  GetClassNameW(Wnd, ClassName, 101);
  const bool FrameworkButton = LowerCase(WStringToUtf8(ClassName)) == "tbutton";
  const WPARAM Command = FrameworkButton ? 0 : MAKEWPARAM(GetDlgCtrlID(Wnd), BN_CLICKED);
  PostMessageW(GetParent(Wnd), WM_COMMAND, Command, reinterpret_cast<LPARAM>(Wnd));
}

void TSkinButton::SetRedraw(bool On) {
  HWND Wnd = LiveHandle();
  if (!Wnd) {
    FRedrawOff = false;
    return;
  }
  KillTimer(Wnd, 1);
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  if (On) {
    if (FRedrawOff) {
      FRedrawOff = false;
      SetWindowLongPtrW(Wnd, GWL_STYLE, Style | WS_VISIBLE);
    }
  } else {
    FRedrawOff = true;
    SetTimer(Wnd, 1, 100, nullptr);
    SetWindowLongPtrW(Wnd, GWL_STYLE, Style & ~static_cast<LONG_PTR>(WS_VISIBLE));
  }
}

bool TSkinButton::GetFontColor(TColor& Color) {
  auto* Font = static_cast<TFont*>(GetObjProp(FControl, "Font", TFont::StaticClass()));
  if (!Font) return false;
  Color = Font->Color();
  return true;
}

void TSkinButton::DoMouseDown(TMessage& Message) {
  if (!FControl) return;
  POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  if (FControl->Width() > 32768 || FControl->Height() > 32768) {
    GetCursorPos(&P);
    if (HWND Wnd = LiveHandle()) ScreenToClient(Wnd, &P);
  }
  // The press is swallowed before the control sees it: its own mouse-down handling (and event)
  // runs from here; the click comes on release.
  FControl->MouseDown(mbLeft, KeysToShiftState(Message.WParam), P.x, P.y);
}

int TSkinButton::FaceFrame(bool Default, int FocusFrame) const {
  int Frame = kButtonNormal;
  if (FFocused || Default) Frame = FocusFrame;
  if (FState.Contains(scDown))
    Frame = kButtonPressed;
  else if (FState.Contains(scMouseIn))
    Frame = kButtonHot;
  if (!FEnabled) Frame = kButtonDisabled;
  return Frame;
}

bool TSkinButton::PrepareFace(const RECT& Rect, int& Frame, int FocusFrame) {
  if (!FSkinData || !FSkinData->Button || !FSkinData->Button->Bitmap || FSkinData->Button->Bitmap->Empty())
    return false;
  HWND Wnd = LiveHandle();
  if (!Wnd) return false;
  FFocused = GetFocus() == Wnd;
  FEnabled = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED) == 0;
  const bool Default = FControl && IsTrue(GetProperty(FControl, "Default"));
  FCaption = FControl ? GetStringProp(FControl, "Caption") : WindowTextOf(Wnd);
  Frame = FaceFrame(Default, FocusFrame);

  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return false;
  if (FBuffer->Width() != W || FBuffer->Height() != H) FBuffer->SetSize(W, H);
  HDC BufferDC = FBuffer->Canvas()->Handle();
  const RECT Face{0, 0, W, H};
  if (FTransparent) {
    if (FControl) {
      DrawParentImage(FControl, BufferDC);
    } else if (HWND Parent = GetParent(Wnd)) {
      RECT Bounds;
      GetWindowRect(Wnd, &Bounds);
      MapWindowPoints(HWND_DESKTOP, Parent, reinterpret_cast<POINT*>(&Bounds), 2);
      DrawParentImage(Parent, Bounds.left, Bounds.top, Face, BufferDC);
    }
  } else {
    FillBG(BufferDC, Face);
  }
  DrawSkinMap(BufferDC, Face, FSkinData->Button.get(), Frame, 5);
  return true;
}

HGDIOBJ TSkinButton::PrepareFaceText(HDC DC, int Frame, bool NormalOverride, TControl* Source) {
  HGDIOBJ FaceFont = nullptr;
  TColor Color = SchemeColor(csButtonText);
  if (!Source) Source = FControl;
  if (auto* Font = static_cast<TFont*>(GetObjProp(Source, "Font", TFont::StaticClass()))) {
    FaceFont = Font->Handle();
    Color = Font->Color();
  } else if (HWND Wnd = LiveHandle()) {
    if (auto Handle = reinterpret_cast<HFONT>(SendMessageW(Wnd, WM_GETFONT, 0, 0)))
      FaceFont = Handle;
    else
      FaceFont = GetStockObject(DEFAULT_GUI_FONT);
  }
  const TDataSkinButton* Skin = FSkinData->Button.get();
  if (Skin->HasNormalColour2 && NormalOverride) Color = Skin->NormalColour2;
  if (Frame == kButtonHot && Skin->HasMouseOverColour2) Color = Skin->MouseOverColour2;
  if (Frame == kButtonPressed && Skin->HasPressedColour2) Color = Skin->PressedColour2;
  if (!FEnabled) Color = SystemColor(COLOR_BTNSHADOW);
  SetTextColor(DC, ColorToRGB(Color));
  SetBkColor(DC, ColorToRGB(SchemeColor(csButtonFace)));
  SetBkMode(DC, TRANSPARENT);
  return FaceFont;
}

void TSkinButton::DrawBtnText(TCanvas* Canvas, const RECT& Rect, UINT Alignment, const WideString& Text) {
  if (!Canvas) return;
  HDC DC = Canvas->Handle();
  const WideString Lines = WithLineBreaks(Text);
  RECT Area = Rect;
  InflateRect(&Area, -2, -2);
  const UINT Flags = Alignment | DT_WORDBREAK | DT_EXPANDTABS;
  const SIZE Size = MeasureText(DC, Lines, Area, Flags);
  RECT Placed = Area;
  Placed.top = Area.top + (Area.bottom - Area.top - Size.cy) / 2 - 1;
  Placed.bottom = Placed.top + Size.cy;
  if (Alignment & DT_CENTER) {
    Placed.left = Area.left + (Area.right - Area.left - Size.cx) / 2;
    Placed.right = Placed.left + Size.cx;
  }
  SetBkMode(DC, TRANSPARENT);
  DrawWideText(DC, Lines, Placed, CheckBiDi(Flags));
  if (FFocused && !(FSkinData && FSkinData->Options.Contains(xoNoFocusRect))) FocusAround(DC, Placed);
}

void TSkinButton::DrawGlyph(TCanvas* Canvas, const RECT& Rect, TBitmap* Glyph, int GlyphIndex,
                            int NumGlyphs) {
  if (!Canvas || !Glyph || Glyph->Empty()) return;
  NumGlyphs = std::max(NumGlyphs, 1);
  std::unique_ptr<TBitmap> Image;
  if (GlyphIndex == 2 && NumGlyphs == 1) {
    Image = GetDisableImg(Glyph);
  } else {
    if (GlyphIndex > NumGlyphs || GlyphIndex < 1) GlyphIndex = 1;
    const int GlyphW = Glyph->Width() / NumGlyphs;
    if (GlyphW <= 0) return;
    Image = std::make_unique<TBitmap>(GlyphW, Glyph->Height());
    BitBlt(Image->Canvas()->Handle(), 0, 0, GlyphW, Glyph->Height(), Glyph->Canvas()->Handle(),
           (GlyphIndex - 1) * GlyphW, 0, SRCCOPY);
  }
  DrawAutoTransparent(Canvas->Handle(), Rect.left, Rect.top, Image.get());
}

void TSkinButton::DrawControl(HDC DC, const RECT& Rect) {
  int Frame = kButtonNormal;
  if (!DC || !PrepareFace(Rect, Frame)) return;
  HDC BufferDC = FBuffer->Canvas()->Handle();
  const RECT Face{0, 0, FBuffer->Width(), FBuffer->Height()};
  {
    TSelectObject Font(BufferDC, PrepareFaceText(BufferDC, Frame));
    DrawBtnText(FBuffer->Canvas(), Face, DT_CENTER, FCaption);
  }
  BitBlt(DC, Rect.left, Rect.top, Face.right, Face.bottom, BufferDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// TSkinBitButton

void TSkinBitButton::DrawFaceContent(TControl* Source, int Frame, int GlyphIndex, bool Focused) {
  HDC BufferDC = FBuffer->Canvas()->Handle();
  const int W = FBuffer->Width();
  const int H = FBuffer->Height();

  TBitmap* Glyph = nullptr;
  TGraphic* Picture = nullptr;
  TImageList* Images = nullptr;
  int NumGlyphs = 1;
  int ImageIndex = -1;
  int GlyphW = 0, GlyphH = 0;
  if (!FPictureProp.empty()) {
    Picture = static_cast<TGraphic*>(GetObjProp(Source, FPictureProp, TGraphic::StaticClass()));
    if (Picture && Picture->Empty()) Picture = nullptr;
    if (Picture) {
      GlyphW = Picture->Width();
      GlyphH = Picture->Height();
    }
  } else {
    Glyph = static_cast<TBitmap*>(GetObjProp(Source, "Glyph", TBitmap::StaticClass()));
    if (Glyph && Glyph->Empty()) Glyph = nullptr;
    if (Glyph) {
      NumGlyphs = std::max(GetIntProperty(Source, "NumGlyphs"), 1);
      GlyphW = Glyph->Width() / NumGlyphs;
      GlyphH = Glyph->Height();
    } else {
      Images = static_cast<TImageList*>(GetObjProp(Source, "Images", TImageList::StaticClass()));
      ImageIndex = GetIntProperty(Source, "ImageIndex");
      if (Images && ImageIndex != -1) {
        GlyphW = Images->Width();
        GlyphH = Images->Height();
      } else {
        Images = nullptr;
      }
    }
  }

  const TGlyphLayout Layout = GlyphLayoutOf(GetProperty(Source, "Layout"));
  const bool Horizontal = Layout == glLeft || Layout == glRight;
  RECT TextArea{2, 2, W - 2, H - 2};
  if (Horizontal)
    TextArea.right -= GlyphW + 2;
  else
    TextArea.bottom -= GlyphH + 2;

  // A speed button takes the skin's normal text colour only in its normal face.
  const bool NormalOverride = !FGraphicControl || Frame == kButtonNormal;
  std::optional<TSelectObject> Font(std::in_place, BufferDC,
                                    PrepareFaceText(BufferDC, Frame, NormalOverride, Source));
  const WideString Lines = WithLineBreaks(FCaption);
  const SIZE Text = MeasureText(BufferDC, Lines, TextArea, DT_WORDBREAK);
  const bool Centre = LowerCase(GetProperty(Source, "Alignment")) == "tacenter";
  const TGlyphPlacement Place =
      LayoutGlyph(Layout, W, H, GlyphW, GlyphH, Text.cx, Text.cy, GetIntProperty(Source, "Margin"),
                  GetIntProperty(Source, "Spacing"), Centre);
  UINT Flags = DT_WORDBREAK | DT_EXPANDTABS;
  if (Layout == glRight) Flags |= DT_RIGHT;
  if (!Horizontal) Flags |= DT_CENTER;
  RECT TextRect = Place.Text;
  if (!Lines.empty()) DrawWideText(BufferDC, Lines, TextRect, CheckBiDi(Flags));
  if (Focused && !Lines.empty() && !FSkinData->Options.Contains(xoNoFocusRect))
    FocusAround(BufferDC, Place.Text);
  Font.reset();

  const RECT GlyphRect{Place.Glyph.x, Place.Glyph.y, Place.Glyph.x + GlyphW, Place.Glyph.y + GlyphH};
  if (Picture) {
    FBuffer->Canvas()->Draw(GlyphRect.left, GlyphRect.top, Picture);
  } else if (Glyph) {
    DrawGlyph(FBuffer->Canvas(), GlyphRect, Glyph, GlyphIndex, NumGlyphs);
  } else if (Images) {
    if (GlyphIndex != 2) {
      Images->Draw(FBuffer->Canvas(), GlyphRect.left, GlyphRect.top, ImageIndex, true);
    } else {
      const int Disabled = GetIntProperty(Source, "DisabledIndex");
      if (Disabled != -1)
        Images->Draw(FBuffer->Canvas(), GlyphRect.left, GlyphRect.top, Disabled, true);
      else
        Images->Draw(FBuffer->Canvas(), GlyphRect.left, GlyphRect.top, ImageIndex, false);
    }
  }
}

void TSkinBitButton::DrawControl(HDC DC, const RECT& Rect) {
  if (FGraphicControl && LowerCase(GetProperty(FGraphicControl, "Visible")) == "false") return;
  if (!FPictureProp.empty()) {
    DrawPicControl(DC, Rect);
    return;
  }
  int Frame = kButtonNormal;
  if (!DC || !PrepareFace(Rect, Frame)) return;
  const int GlyphIndex = Frame == kButtonPressed ? 3 : Frame == kButtonDisabled ? 2 : 1;
  DrawFaceContent(FControl, Frame, GlyphIndex, FFocused);
  BitBlt(DC, Rect.left, Rect.top, FBuffer->Width(), FBuffer->Height(), FBuffer->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

void TSkinBitButton::DrawPicControl(HDC DC, const RECT& Rect) {
  int Frame = kButtonNormal;
  if (!DC || !PrepareFace(Rect, Frame)) return;
  DrawFaceContent(FControl, Frame, 1, FFocused);
  BitBlt(DC, Rect.left, Rect.top, FBuffer->Width(), FBuffer->Height(), FBuffer->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// TSkinMenuButton

void TSkinMenuButton::DrawControl(HDC DC, const RECT& Rect) {
  int Frame = kButtonNormal;
  if (!DC || !PrepareFace(Rect, Frame, kButtonHot)) return;
  HDC BufferDC = FBuffer->Canvas()->Handle();
  const int W = FBuffer->Width();
  const int H = FBuffer->Height();
  constexpr int ArrowW = 8;

  TBitmap* Glyph = static_cast<TBitmap*>(GetObjProp(FControl, "Glyph", TBitmap::StaticClass()));
  if (Glyph && Glyph->Empty()) Glyph = nullptr;
  const int GlyphW = Glyph ? Glyph->Width() : 0;
  const int GlyphH = Glyph ? Glyph->Height() : 0;

  std::optional<TSelectObject> Font(std::in_place, BufferDC, PrepareFaceText(BufferDC, Frame));
  const WideString Lines = WithLineBreaks(FCaption);
  const RECT TextArea{2, 2, W - GlyphW - ArrowW - 2, H - 2};
  const SIZE Text = MeasureText(BufferDC, Lines, TextArea, DT_WORDBREAK | DT_EXPANDTABS);
  int Margin = GetIntProperty(FControl, "Margin");
  int Spacing = GetIntProperty(FControl, "Spacing");
  if (Margin == -1 && Spacing == -1) {
    Margin = (W - (GlyphW + Text.cx + ArrowW)) / 4;
    Spacing = Margin;
  } else if (Margin == -1) {
    Margin = (W - (GlyphW + Text.cx + 2 * Spacing + ArrowW)) / 2;
  } else if (Spacing == -1) {
    Spacing = (W + ArrowW - 2 * Margin - GlyphW - Text.cx) / 2;
  }
  const int TextX = Margin + GlyphW + Spacing;
  const int TextY = (H - Text.cy + 1) / 2;
  RECT TextRect{TextX, TextY, TextX + Text.cx, TextY + Text.cy};
  if (!Lines.empty()) DrawWideText(BufferDC, Lines, TextRect, CheckBiDi(DT_WORDBREAK | DT_EXPANDTABS));
  Font.reset();

  if (Glyph) DrawAutoTransparent(BufferDC, Margin, (H - GlyphH) / 2, Glyph);

  const POINT Tip{TextX + Text.cx + 2 * Spacing, (H - 3) / 2 + 2};
  const POINT Arrow[3] = {Tip, {Tip.x - 3, Tip.y - 3}, {Tip.x + 3, Tip.y - 3}};
  const COLORREF ArrowColor = GetSysColor(FEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  TGdiPen Pen(CreatePen(PS_SOLID, 1, ArrowColor));
  TGdiBrush Brush(CreateSolidBrush(ArrowColor));
  {
    TSelectObject SelectPen(BufferDC, Pen.Get());
    TSelectObject SelectBrush(BufferDC, Brush.Get());
    Polygon(BufferDC, Arrow, 3);
  }
  BitBlt(DC, Rect.left, Rect.top, W, H, BufferDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// TSkinSpeedButton

TSkinSpeedButton::TSkinSpeedButton(TComponent* AOwner) : TSkinBitButton(AOwner) {
  FPainting = false;
  FPictureProp.clear();
}

void TSkinSpeedButton::InitGraphicControl(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas) {
  if (FInited) return;
  auto* Control = dynamic_cast<TControl*>(Owner());
  if (!Control) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FGraphicControl = Control;
  FEnabled = Control->Enabled();
  HookControl(Control);
  AttachForm(FormSkin);
  FStatus = kControlInited;
  FInited = true;
  FTransparent = Control->Tag() == 5555 || (FSkinData && FSkinData->Options.Contains(xoTransparent));
  Control->Invalidate();
}

int TSkinSpeedButton::SpeedFrame() const {
  int Frame = kButtonNormal;
  if (FState.Contains(scDown))
    Frame = kButtonPressed;
  else if (FState.Contains(scMouseIn))
    Frame = kButtonHot;
  if (!IsTrue(GetProperty(FGraphicControl, "Enabled"))) Frame = kButtonDisabled;
  if (IsTrue(GetProperty(FGraphicControl, "Down"))) Frame = kButtonPressed;
  return Frame;
}

int TSkinSpeedButton::SpeedGlyph(int Frame) const {
  if (IsTrue(GetProperty(FGraphicControl, "Down"))) return 4;
  return Frame == kButtonPressed ? 3 : Frame == kButtonDisabled ? 2 : 1;
}

void TSkinSpeedButton::PaintControl(HDC) {
  auto* Graphic = dynamic_cast<TGraphicControl*>(FGraphicControl);
  if (!Graphic || !Graphic->Parent() || !Graphic->Parent()->HandleAllocated()) return;
  try {
    TControlCanvas* Canvas = Graphic->Canvas();
    const bool Borrowed = Canvas->HasBorrowedDC();
    if (!Canvas->Handle()) return;
    Canvas->Lock();
    struct TDone {
      TControlCanvas* Canvas;
      bool GiveBack;
      ~TDone() {
        Canvas->Unlock();
        // A DC borrowed just for this draw goes back now, not at some later message.
        if (GiveBack) Canvas->FreeHandle();
      }
    } Done{Canvas, !Borrowed};
    DrawSpeedbtn(Canvas, RECT{0, 0, Graphic->Width(), Graphic->Height()});
  } catch (...) {
    // Painting never raises.
  }
}

bool TSkinSpeedButton::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      auto* Graphic = dynamic_cast<TGraphicControl*>(FGraphicControl);
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      // The parent's image painted behind a draw of ours paints the button too: nothing to do then.
      if (Graphic && DC && !FPainting) {
        TControlCanvas* Canvas = Graphic->Canvas();
        Canvas->FreeHandle();
        Canvas->Lock();
        Canvas->SetHandle(DC);
        struct TUnbind {
          TCanvas* Canvas;
          ~TUnbind() {
            Canvas->SetHandle(nullptr);
            Canvas->Unlock();
          }
        } Unbind{Canvas};
        DrawSpeedbtn(Canvas, RECT{0, 0, Graphic->Width(), Graphic->Height()});
      }
      Message.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button's own press (its pressed state, its capture) first.
      Default(Message);
      FState.Include(scDown);
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP:
      return true;
  }
  return TSkinButton::BeforeProc(Message);
}

void TSkinSpeedButton::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      return;
    case WM_NCDESTROY:
    case CM_RELEASE:
      Unhook();
      return;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) {
        FState.Include(scDown);
        PaintControl(nullptr);
      }
      return;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) {
        FState.Exclude(scDown);
        PaintControl(nullptr);
      }
      return;
    case WM_LBUTTONUP:
      FState.Exclude(scDown);
      PaintControl(nullptr);
      return;
    case CM_MOUSEENTER:
      FState.Include(scMouseIn);
      PaintControl(nullptr);
      return;
    case WM_MOUSEMOVE:
      // The parent hands on moves outside the button too while it holds the mouse for a press:
      // those do not make it hot (no leave would follow to cool it down).
      if (FEnabled && !FState.Contains(scMouseIn) && FGraphicControl) {
        const int X = static_cast<short>(LOWORD(Message.LParam));
        const int Y = static_cast<short>(HIWORD(Message.LParam));
        if (X >= 0 && Y >= 0 && X < FGraphicControl->Width() && Y < FGraphicControl->Height()) {
          FState.Include(scMouseIn);
          PaintControl(nullptr);
        }
      }
      return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      FState.Exclude(scMouseIn);
      FState.Exclude(scDown);
      if (FGraphicControl && FGraphicControl->Visible()) PaintControl(nullptr);
      return;
  }
  TSkinButton::AfterProc(Message);
}

void TSkinSpeedButton::DrawSpeedbtn(TCanvas* Canvas, const RECT& Rect) {
  if (FPainting || !Canvas || !FGraphicControl) return;
  if (LowerCase(GetProperty(FGraphicControl, "Visible")) == "false") return;
  FPainting = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } Reset{FPainting};
  if (!FPictureProp.empty())
    DrawPicbtn(Canvas, Rect);
  else
    DrawSpeedFace(Canvas, Rect);
}

void TSkinSpeedButton::DrawPicbtn(TCanvas* Canvas, const RECT& Rect) {
  DrawSpeedFace(Canvas, Rect);
}

void TSkinSpeedButton::DrawSpeedFace(TCanvas* Canvas, const RECT& Rect) {
  if (!FSkinData || !FSkinData->Button || !FSkinData->Button->Bitmap || FSkinData->Button->Bitmap->Empty())
    return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  try {
    if (FBuffer->Width() != W || FBuffer->Height() != H) FBuffer->SetSize(W, H);
  } catch (...) {
    return;  // no buffer, no draw
  }
  FEnabled = IsTrue(GetProperty(FGraphicControl, "Enabled"));
  FFocused = false;
  FCaption = GetStringProp(FGraphicControl, "Caption");
  const int Frame = SpeedFrame();
  HDC BufferDC = FBuffer->Canvas()->Handle();
  const RECT Face{0, 0, W, H};
  if (FTransparent)
    DrawParentImage(FGraphicControl, BufferDC);
  else
    FillBG(BufferDC, Face);
  // A flat button shows the skin's face only while it is hot or pressed.
  if (!IsTrue(GetProperty(FGraphicControl, "Flat")) || Frame == kButtonPressed || Frame == kButtonHot)
    DrawSkinMap(BufferDC, Face, FSkinData->Button.get(), Frame, 5);
  DrawFaceContent(FGraphicControl, Frame, FPictureProp.empty() ? SpeedGlyph(Frame) : 1, false);
  BitBlt(Canvas->Handle(), Rect.left, Rect.top, W, H, BufferDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// GetDisableImg

std::unique_ptr<TBitmap> GetDisableImg(TBitmap* Bitmap) {
  auto Result = std::make_unique<TBitmap>();
  if (!Bitmap || Bitmap->Empty()) return Result;
  const int W = Bitmap->Width();
  const int H = Bitmap->Height();
  TBitmap Source;
  Source.SetPixelFormat(pf32bit);
  Source.SetSize(W, H);
  BitBlt(Source.Canvas()->Handle(), 0, 0, W, H, Bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
  Result->SetPixelFormat(pf32bit);
  Result->SetSize(W, H);
  // The mask: the glyph's background (its bottom-left colour) and white are light, the rest dark.
  auto Pixel = [&](int X, int Y) {
    std::uint32_t Value;
    std::memcpy(&Value, static_cast<std::uint8_t*>(Source.ScanLine(Y)) + 4 * X, 4);
    return Value & 0xFFFFFF;
  };
  const std::uint32_t Background = Pixel(0, H - 1);
  std::vector<bool> Dark(static_cast<std::size_t>(W) * H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const std::uint32_t Value = Pixel(X, Y);
      Dark[static_cast<std::size_t>(Y) * W + X] = Value != Background && Value != 0xFFFFFF;
    }
  auto Put = [&](int X, int Y, COLORREF Color) {
    if (X < 0 || Y < 0 || X >= W || Y >= H) return;
    const std::uint32_t Value = GetRValue(Color) << 16 | GetGValue(Color) << 8 | GetBValue(Color);
    std::memcpy(static_cast<std::uint8_t*>(Result->ScanLine(Y)) + 4 * X, &Value, 4);
  };
  const COLORREF Face = GetSysColor(COLOR_BTNFACE);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) Put(X, Y, Face);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (Dark[static_cast<std::size_t>(Y) * W + X]) Put(X + 1, Y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (Dark[static_cast<std::size_t>(Y) * W + X]) Put(X, Y, GetSysColor(COLOR_BTNSHADOW));
  return Result;
}
