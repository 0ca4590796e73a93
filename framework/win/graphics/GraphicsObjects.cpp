#include "framework/win/graphics/GraphicsObjects.h"

#include <cwchar>
#include <memory>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    TScreenDC Screen;
    const int value = Screen ? GetDeviceCaps(Screen.Get(), LOGPIXELSY) : 0;
    return value > 0 ? value : 96;
  }();
  return ppi;
}

void TGraphicsObject::Changed() {
  OnChange(this);
}

// ---- TFont -------------------------------------------------------------------------------------

TFont::TFont()
    : FName("Tahoma"),
      FHeight(-11),
      FColor(clWindowText),
      FCharset(DEFAULT_CHARSET),
      FPixelsPerInch(ScreenPixelsPerInch()) {}

TFont::~TFont() = default;

void TFont::Modified(bool HandleAffected) {
  TGdiFont old;
  if (HandleAffected) old = std::move(FHandle);
  Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = FHeight;
  lf.lfEscapement = FOrientation;
  lf.lfOrientation = FOrientation;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  static constexpr BYTE kQuality[] = {DEFAULT_QUALITY,        DRAFT_QUALITY,       PROOF_QUALITY,
                                      NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY};
  lf.lfQuality = kQuality[FQuality];
  lf.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                        : FPitch == fpVariable ? VARIABLE_PITCH
                                               : DEFAULT_PITCH;
  const std::wstring face = Utf8ToWString(FName);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() {
  if (!FHandle) {
    const LOGFONTW lf = LogFont();
    FHandle.Reset(CreateFontIndirectW(&lf));
    if (!FHandle) throw EOutOfResources("Cannot create font \"" + FName + "\"");
  }
  return FHandle.Get();
}

void TFont::SetHandle(HFONT Value) {
  LOGFONTW lf{};
  if (Value && GetObjectW(Value, sizeof(lf), &lf) == int(sizeof(lf))) {
    FName = WStringToUtf8(lf.lfFaceName);
    FHeight = lf.lfHeight;
    FStyle = TFontStyles();
    if (lf.lfWeight >= FW_SEMIBOLD) FStyle.Include(fsBold);
    if (lf.lfItalic) FStyle.Include(fsItalic);
    if (lf.lfUnderline) FStyle.Include(fsUnderline);
    if (lf.lfStrikeOut) FStyle.Include(fsStrikeOut);
    FCharset = lf.lfCharSet;
    FOrientation = lf.lfEscapement;
    const int pitch = lf.lfPitchAndFamily & 3;
    FPitch = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  }
  TGdiFont old = std::move(FHandle);
  FHandle.Reset(Value);
  Changed();
}

void TFont::SetName(const String& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Modified();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Modified();
}

int TFont::Size() const {
  return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value) {
  SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Modified(false);  // the text colour is set on the DC, not part of the font
}

void TFont::SetCharset(std::uint8_t Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Modified();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  Modified();
}

void TFont::SetQuality(TFontQuality Value) {
  if (Value == FQuality) return;
  FQuality = Value;
  Modified();
}

void TFont::SetOrientation(int Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  Modified();
}

void TFont::SetPixelsPerInch(int Value) {
  if (Value > 0) FPixelsPerInch = Value;
}

void TFont::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TFont*>(Source);
  if (!other) return TGraphicsObject::Assign(Source);
  if (other == this) return;
  FName = other->FName;
  FHeight = other->FHeight;
  FStyle = other->FStyle;
  FColor = other->FColor;
  FCharset = other->FCharset;
  FPitch = other->FPitch;
  FQuality = other->FQuality;
  FOrientation = other->FOrientation;
  FPixelsPerInch = other->FPixelsPerInch;
  Modified();
}

void TFont::Publish(TPublisher<TFont>& P) {
  P.Int("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
  P.Color("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText);
  P.Int("Height", &TFont::Height, &TFont::SetHeight);
  P.Str("Name", &TFont::Name, &TFont::SetName);
  P.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  P.Int("Size", &TFont::Size, &TFont::SetSize).Stored(false);  // Height says it already
  P.Set("Style", &TFont::Style, &TFont::SetStyle).Default(0);
}

// ---- TPen --------------------------------------------------------------------------------------

TPen::TPen() = default;
TPen::~TPen() = default;

void TPen::Modified(bool HandleAffected) {
  TGdiPen old;
  if (HandleAffected) old = std::move(FHandle);
  Changed();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    // TPenStyle follows the PS_ codes from PS_SOLID to PS_INSIDEFRAME.
    FHandle.Reset(CreatePen(int(FStyle), FWidth, ColorToRGB(FColor)));
    if (!FHandle) throw EOutOfResources("Cannot create pen");
  }
  return FHandle.Get();
}

void TPen::SetHandle(HPEN Value) {
  LOGPEN lp{};
  if (Value && GetObjectW(Value, sizeof(lp), &lp) == int(sizeof(lp))) {
    FColor = lp.lopnColor;
    FWidth = lp.lopnWidth.x;
    FStyle = lp.lopnStyle <= PS_INSIDEFRAME ? TPenStyle(lp.lopnStyle) : psSolid;
  }
  TGdiPen old = std::move(FHandle);
  FHandle.Reset(Value);
  Changed();
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Modified();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  Modified();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Modified(false);
}

void TPen::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TPen*>(Source);
  if (!other) return TGraphicsObject::Assign(Source);
  if (other == this) return;
  FColor = other->FColor;
  FWidth = other->FWidth;
  FStyle = other->FStyle;
  FMode = other->FMode;
  Modified();
}

void TPen::Publish(TPublisher<TPen>& P) {
  P.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
  P.Enum("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  P.Enum("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  P.Int("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

// ---- TBrush ------------------------------------------------------------------------------------

TBrush::TBrush() = default;
TBrush::~TBrush() {
  FHandle.Reset();  // a pattern brush goes before its bitmap
  delete FBitmap;
}

void TBrush::Modified(bool HandleAffected) {
  TGdiBrush old;
  if (HandleAffected) old = std::move(FHandle);
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    if (FBitmap && !FBitmap->Empty()) {
      FHandle.Reset(CreatePatternBrush(FBitmap->Handle()));
    } else if (FStyle == bsSolid) {
      FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    } else if (FStyle == bsClear) {
      const LOGBRUSH lb{BS_NULL, 0, 0};
      FHandle.Reset(CreateBrushIndirect(&lb));
    } else {
      // The hatched styles follow the HS_ codes from HS_HORIZONTAL.
      FHandle.Reset(CreateHatchBrush(int(FStyle) - int(bsHorizontal), ColorToRGB(FColor)));
    }
    if (!FHandle) throw EOutOfResources("Cannot create brush");
  }
  return FHandle.Get();
}

void TBrush::SetHandle(HBRUSH Value) {
  LOGBRUSH lb{};
  if (Value && GetObjectW(Value, sizeof(lb), &lb) == int(sizeof(lb))) {
    FColor = lb.lbColor;
    if (lb.lbStyle == BS_NULL)
      FStyle = bsClear;
    else if (lb.lbStyle == BS_HATCHED && lb.lbHatch <= HS_DIAGCROSS)
      FStyle = TBrushStyle(int(bsHorizontal) + int(lb.lbHatch));
    else
      FStyle = bsSolid;
  }
  TGdiBrush old = std::move(FHandle);
  FHandle.Reset(Value);
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;  // a colour asked for is a colour to be painted
  Modified();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

void TBrush::SetBitmap(TBitmap* Value) {
  TGdiBrush old = std::move(FHandle);  // the pattern brush may use the bitmap about to go
  std::unique_ptr<TBitmap> previous(FBitmap);
  FBitmap = nullptr;
  if (Value) {
    FBitmap = new TBitmap();
    FBitmap->Assign(Value);
  }
  Changed();
}

void TBrush::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TBrush*>(Source);
  if (!other) return TGraphicsObject::Assign(Source);
  if (other == this) return;
  FColor = other->FColor;
  FStyle = other->FStyle;
  SetBitmap(other->FBitmap);  // also tells the listeners
}

void TBrush::Publish(TPublisher<TBrush>& P) {
  P.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
  P.Enum("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}
