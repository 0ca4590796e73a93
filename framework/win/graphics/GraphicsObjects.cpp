#include "framework/win/graphics/GraphicsObjects.h"

#include <cwchar>
#include <memory>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"

int ScreenPixelsPerInch() {
  static const int Ppi = [] {
    TScreenDC Screen;
    const int Value = Screen ? GetDeviceCaps(Screen.Get(), LOGPIXELSY) : 0;
    return Value > 0 ? Value : 96;
  }();
  return Ppi;
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
  TGdiFont Old;
  if (HandleAffected) Old = std::move(FHandle);
  Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW Lf{};
  Lf.lfHeight = FHeight;
  Lf.lfEscapement = FOrientation;
  Lf.lfOrientation = FOrientation;
  Lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  Lf.lfItalic = FStyle.Contains(fsItalic);
  Lf.lfUnderline = FStyle.Contains(fsUnderline);
  Lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  Lf.lfCharSet = FCharset;
  Lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  Lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  static constexpr BYTE kQuality[] = {DEFAULT_QUALITY,        DRAFT_QUALITY,       PROOF_QUALITY,
                                      NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY};
  Lf.lfQuality = kQuality[FQuality];
  Lf.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                        : FPitch == fpVariable ? VARIABLE_PITCH
                                               : DEFAULT_PITCH;
  const std::wstring Face = Utf8ToWString(FName);
  wcsncpy(Lf.lfFaceName, Face.c_str(), LF_FACESIZE - 1);
  return Lf;
}

HFONT TFont::Handle() {
  if (!FHandle) {
    const LOGFONTW Lf = LogFont();
    FHandle.Reset(CreateFontIndirectW(&Lf));
    if (!FHandle) throw EOutOfResources("Cannot create font \"" + FName + "\"");
  }
  return FHandle.Get();
}

void TFont::SetHandle(HFONT Value) {
  LOGFONTW Lf{};
  if (Value && GetObjectW(Value, sizeof(Lf), &Lf) == int(sizeof(Lf))) {
    FName = WStringToUtf8(Lf.lfFaceName);
    FHeight = Lf.lfHeight;
    FStyle = TFontStyles();
    if (Lf.lfWeight >= FW_SEMIBOLD) FStyle.Include(fsBold);
    if (Lf.lfItalic) FStyle.Include(fsItalic);
    if (Lf.lfUnderline) FStyle.Include(fsUnderline);
    if (Lf.lfStrikeOut) FStyle.Include(fsStrikeOut);
    FCharset = Lf.lfCharSet;
    FOrientation = Lf.lfEscapement;
    const int Pitch = Lf.lfPitchAndFamily & 3;
    FPitch = Pitch == FIXED_PITCH ? fpFixed : Pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  }
  TGdiFont Old = std::move(FHandle);
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
  auto* Other = dynamic_cast<TFont*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  if (Other == this) return;
  FName = Other->FName;
  FHeight = Other->FHeight;
  FStyle = Other->FStyle;
  FColor = Other->FColor;
  FCharset = Other->FCharset;
  FPitch = Other->FPitch;
  FQuality = Other->FQuality;
  FOrientation = Other->FOrientation;
  FPixelsPerInch = Other->FPixelsPerInch;
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
  TGdiPen Old;
  if (HandleAffected) Old = std::move(FHandle);
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
  LOGPEN Lp{};
  if (Value && GetObjectW(Value, sizeof(Lp), &Lp) == int(sizeof(Lp))) {
    FColor = Lp.lopnColor;
    FWidth = Lp.lopnWidth.x;
    FStyle = Lp.lopnStyle <= PS_INSIDEFRAME ? TPenStyle(Lp.lopnStyle) : psSolid;
  }
  TGdiPen Old = std::move(FHandle);
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
  auto* Other = dynamic_cast<TPen*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  if (Other == this) return;
  FColor = Other->FColor;
  FWidth = Other->FWidth;
  FStyle = Other->FStyle;
  FMode = Other->FMode;
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
  TGdiBrush Old;
  if (HandleAffected) Old = std::move(FHandle);
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    if (FBitmap && !FBitmap->Empty()) {
      FHandle.Reset(CreatePatternBrush(FBitmap->Handle()));
    } else if (FStyle == bsSolid) {
      FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    } else if (FStyle == bsClear) {
      const LOGBRUSH Lb{BS_NULL, 0, 0};
      FHandle.Reset(CreateBrushIndirect(&Lb));
    } else {
      // The hatched styles follow the HS_ codes from HS_HORIZONTAL.
      FHandle.Reset(CreateHatchBrush(int(FStyle) - int(bsHorizontal), ColorToRGB(FColor)));
    }
    if (!FHandle) throw EOutOfResources("Cannot create brush");
  }
  return FHandle.Get();
}

void TBrush::SetHandle(HBRUSH Value) {
  LOGBRUSH Lb{};
  if (Value && GetObjectW(Value, sizeof(Lb), &Lb) == int(sizeof(Lb))) {
    FColor = Lb.lbColor;
    if (Lb.lbStyle == BS_NULL)
      FStyle = bsClear;
    else if (Lb.lbStyle == BS_HATCHED && Lb.lbHatch <= HS_DIAGCROSS)
      FStyle = TBrushStyle(int(bsHorizontal) + int(Lb.lbHatch));
    else
      FStyle = bsSolid;
  }
  TGdiBrush Old = std::move(FHandle);
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
  TGdiBrush Old = std::move(FHandle);  // the pattern brush may use the bitmap about to go
  std::unique_ptr<TBitmap> Previous(FBitmap);
  FBitmap = nullptr;
  if (Value) {
    FBitmap = new TBitmap();
    FBitmap->Assign(Value);
  }
  Changed();
}

void TBrush::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TBrush*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  if (Other == this) return;
  FColor = Other->FColor;
  FStyle = Other->FStyle;
  SetBitmap(Other->FBitmap);  // also tells the listeners
}

void TBrush::Publish(TPublisher<TBrush>& P) {
  P.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
  P.Enum("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}
