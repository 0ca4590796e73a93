// Fonts, pens and brushes: persistent descriptions that build their GDI object on demand and
// rebuild it after every change. Listeners (a canvas, a control) hear OnChange while the old GDI
// object still exists and is deleted only after they have let go of it.
#pragma once

#include <windows.h>

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"

class TBitmap;

// The logical pixels per inch of the screen, read once; converts font points to pixels.
int ScreenPixelsPerInch();

class TGraphicsObject : public TPersistent {
  DECLARE_CLASS(TGraphicsObject, TPersistent)

 public:
  TNotifyEvent OnChange;

 protected:
  // Tells the listeners. Subclasses move their GDI object aside first and delete it afterwards.
  void Changed();
};

PUBLISHED_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
PUBLISHED_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
PUBLISHED_ENUM(TFontQuality, fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType)

class TFont : public TGraphicsObject {
  DECLARE_CLASS(TFont, TGraphicsObject)

 public:
  TFont();
  ~TFont() override;

  // The font handle, created now if needed; owned by this object (valid until the next change).
  HFONT Handle();
  // Takes ownership of Value and reads its description (name, height, style, charset...).
  void SetHandle(HFONT Value);
  bool HandleAllocated() const { return bool(FHandle); }

  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Character height in pixels; negative as in a LOGFONT (character height without leading).
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  // Size in points, derived from Height through PixelsPerInch.
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  std::uint8_t Charset() const { return FCharset; }
  void SetCharset(std::uint8_t Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  // Tenths of a degree, counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value);

  void Assign(TPersistent* Source) override;
  // The description as GDI wants it.
  LOGFONTW LogFont() const;

  static void Publish(TPublisher<TFont>& P);

 private:
  // Drops the GDI object when the change affects it; OnChange runs before it is deleted.
  void Modified(bool HandleAffected = true);

  TGdiFont FHandle;
  String FName;
  int FHeight;
  TFontStyles FStyle;
  TColor FColor;
  std::uint8_t FCharset;
  TFontPitch FPitch = fpDefault;
  TFontQuality FQuality = fqDefault;
  int FOrientation = 0;
  int FPixelsPerInch;
};

PUBLISHED_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
// Raster operations of SetROP2, in the order of the R2_ codes from R2_BLACK (1) to R2_WHITE (16).
PUBLISHED_ENUM(TPenMode, pmBlack, pmNotMerge, pmMaskNotPen, pmNotCopy, pmMaskPenNot, pmNot, pmXor, pmNotMask,
               pmMask, pmNotXor, pmNop, pmMergeNotPen, pmCopy, pmMergePenNot, pmMerge, pmWhite)

class TPen : public TGraphicsObject {
  DECLARE_CLASS(TPen, TGraphicsObject)

 public:
  TPen();
  ~TPen() override;

  HPEN Handle();
  void SetHandle(HPEN Value);  // takes ownership, reads colour, width and style
  bool HandleAllocated() const { return bool(FHandle); }

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // Applied by the canvas (SetROP2), not part of the GDI pen.
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

  void Assign(TPersistent* Source) override;
  static void Publish(TPublisher<TPen>& P);

 private:
  // Drops the GDI object when the change affects it; OnChange runs before it is deleted.
  void Modified(bool HandleAffected = true);

  TGdiPen FHandle;
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

PUBLISHED_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
               bsDiagCross)

class TBrush : public TGraphicsObject {
  DECLARE_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush();
  ~TBrush() override;

  HBRUSH Handle();
  void SetHandle(HBRUSH Value);  // takes ownership, reads colour and style
  bool HandleAllocated() const { return bool(FHandle); }

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  // A pattern brush from a bitmap, which this brush copies; nullptr goes back to Style and Color.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);

  void Assign(TPersistent* Source) override;
  static void Publish(TPublisher<TBrush>& P);

 private:
  // Drops the GDI object when the change affects it; OnChange runs before it is deleted.
  void Modified(bool HandleAffected = true);

  TGdiBrush FHandle;
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;  // owned copy
};
