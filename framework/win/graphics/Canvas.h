// TCanvas: drawing on a device context with the framework's font, pen and brush. The canvas selects
// its objects into the DC only when a drawing call needs them, and selects them out again whenever
// they change or the DC goes away, so that each object can be deleted by its owner at any time.
#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"
#include "framework/win/graphics/GraphicsObjects.h"

class TGraphic;

// Raster operations for CopyRect and Draw (the BitBlt codes).
using TCopyMode = DWORD;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = MERGECOPY;
inline constexpr TCopyMode cmMergePaint = MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmPatInvert = PATINVERT;
inline constexpr TCopyMode cmPatPaint = PATPAINT;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcErase = SRCERASE;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
  DECLARE_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  // The DC, obtained through CreateHandle() if there is none yet. A DC given with SetHandle stays
  // its giver's: the canvas only takes its own objects out of it when it lets go.
  HDC Handle();
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Serialises drawing from several threads; Lock nests on one thread.
  void Lock();
  bool TryLock();
  void Unlock();
  int LockCount() const { return FLockCount; }

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  // SetStretchBltMode for every stretching copy (COLORONCOLOR keeps skin colours exact); 0 leaves
  // the DC's own mode alone.
  int StretchMode() const { return FStretchMode; }
  void SetStretchMode(int Value);

  POINT PenPos();
  void SetPenPos(POINT Value) { MoveTo(Value.x, Value.y); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(std::span<const POINT> Points);
  void Polygon(std::span<const POINT> Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const RECT& R) { Rectangle(R.left, R.top, R.right, R.bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const RECT& R) { Ellipse(R.left, R.top, R.right, R.bottom); }
  // With the brush, no outline.
  void FillRect(const RECT& R);
  // A one-pixel frame in the brush's colour.
  void FrameRect(const RECT& R);
  void DrawFocusRect(const RECT& R);

  // windows.h turns the names TextOut and DrawText into TextOutW and DrawTextW, here and at every
  // call site alike, so the methods work under either spelling.
  // Text in the font, on the brush's colour unless the brush is bsClear.
  void TextOut(int X, int Y, const String& Text);
  // Text clipped to R (R filled with the brush unless it is bsClear).
  void TextRect(const RECT& R, int X, int Y, const String& Text);
  SIZE TextExtent(const String& Text);
  int TextWidth(const String& Text) { return TextExtent(Text).cx; }
  int TextHeight(const String& Text) { return TextExtent(Text).cy; }
  // DrawTextW with DT_ flags; with DT_CALCRECT, R receives the size. Returns the text height.
  int DrawText(const String& Text, RECT& R, UINT Format);

  TColor Pixel(int X, int Y);
  void SetPixel(int X, int Y, TColor Color);

  // Draws the graphic unscaled at (X, Y), or stretched over R, honouring its transparency.
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const RECT& R, TGraphic* Graphic);
  // Copies Source's rectangle into Dest with CopyMode, stretching when the sizes differ.
  void CopyRect(const RECT& Dest, TCanvas* Source, const RECT& SourceRect);

  // The clip box of the DC in logical units.
  RECT ClipRect();
  // Takes the canvas's objects out of the DC; the next drawing call selects them again.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // States of the DC that RequiredState establishes.
  enum TState { csHandleValid = 1, csFontValid = 2, csPenValid = 4, csBrushValid = 8 };

 protected:
  // A subclass gives the canvas its DC here (SetHandle); the base class has none to give.
  virtual void CreateHandle() {}
  // Makes sure the DC exists and the named objects are selected (raises if there is no DC).
  void RequiredState(int State);
  void Changing();
  void Changed();

 private:
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void DeselectHandles();

  HDC FHandle = nullptr;
  int FState = 0;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  POINT FPenPos{0, 0};
  TCopyMode FCopyMode = cmSrcCopy;
  int FStretchMode = 0;
  CRITICAL_SECTION FLock;
  int FLockCount = 0;
};
