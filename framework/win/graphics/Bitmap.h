// TBitmap: a picture held in a DIB section, so that its pixels are reachable through ScanLine at
// any depth while GDI draws on it through its Canvas. Rows are stored top-down: ScanLine(y + 1)
// follows ScanLine(y) in memory.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/bmp/BmpImage.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"
#include "framework/win/graphics/Graphic.h"

// pfDevice: the depth of the screen. pf15bit is 5-5-5, pf16bit 5-6-5; pf32bit has a spare (alpha)
// byte after blue, green, red. pfCustom never comes from this class.
PUBLISHED_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
// tmAuto: the transparent colour is the bottom-left pixel's; tmFixed: TransparentColor as set.
PUBLISHED_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap;

// The canvas of a bitmap: a memory DC that holds the bitmap selected while it exists.
class TBitmapCanvas : public TCanvas {
  DECLARE_CLASS(TBitmapCanvas, TCanvas)

 public:
  explicit TBitmapCanvas(TBitmap* Owner) : FBitmap(Owner) {}
  ~TBitmapCanvas() override;

  // Gives the DC back; the next drawing call makes a new one. The bitmap calls it before it
  // replaces or deletes its DIB section.
  void FreeContext();

 protected:
  void CreateHandle() override;

 private:
  friend class TBitmap;
  void SelectBitmap();  // after the bitmap changed its handle while the DC lives

  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  HGDIOBJ FOldPalette = nullptr;
};

class TBitmap : public TGraphic {
  DECLARE_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  TBitmap(int AWidth, int AHeight, TPixelFormat Format = pfDevice);
  ~TBitmap() override;

  bool Empty() const override { return FImage.width == 0 || FImage.height == 0; }
  int Width() const override { return FImage.width; }
  int Height() const override { return FImage.height; }
  void SetWidth(int Value) override { SetSize(Value, FImage.height); }
  void SetHeight(int Value) override { SetSize(FImage.width, Value); }
  // Keeps the pixel format and the part of the picture that still fits; new pixels are 0.
  void SetSize(int AWidth, int AHeight);

  // What was set (pfDevice until a format is chosen or loaded).
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  // Converts the picture; exact wherever the new format can hold its colours.
  void SetPixelFormat(TPixelFormat Value);
  // Bits per pixel of the DIB section (the screen's for pfDevice).
  int BitCount() const { return FImage.bitCount; }

  // The first byte of row Y (0 is the top row). Flushes pending GDI drawing first. Raises
  // EInvalidGraphicOperation for a row outside the picture.
  void* ScanLine(int Y);
  // Bytes from one row to the next.
  int ScanLineStride() const { return int(FImage.stride()); }

  TCanvas* Canvas();
  bool HasCanvas() const { return bool(FCanvas); }

  // The DIB section (nullptr while empty); owned by the bitmap.
  HBITMAP Handle() const { return FHandle.Get(); }
  // Takes ownership of Value; a device-dependent bitmap is copied into a DIB section and deleted.
  void SetHandle(HBITMAP Value);
  // Hands the DIB section to the caller, who deletes it; the bitmap is empty afterwards.
  HBITMAP ReleaseHandle();
  bool HandleAllocated() const { return bool(FHandle); }

  // Colour table of the indexed formats (empty for the others).
  std::vector<bmp::RgbQuad> Colors() const { return FImage.palette; }
  void SetColors(const std::vector<bmp::RgbQuad>& Value);
  // A logical palette built from the colour table (nullptr for 16 bits and more); owned here.
  HPALETTE Palette();
  // Takes ownership of Value and uses its entries as the colour table of an indexed bitmap.
  void SetPalette(HPALETTE Value);

  // Drawn with TransparentColor left out (keyed transparency).
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);
  bool Monochrome() const { return FImage.bitCount == 1; }

  // Turns the bitmap into a 1-bit mask: pixels of Color become white (1), all others black (0).
  void Mask(TColor Color);

  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // A BITMAP resource (by name or by number) of Instance.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);
  // Form descriptions keep a bitmap as the binary property "Data" (4-byte length + BMP file).
  void DefineProperties(TFiler& Filer) override;

  // The picture as the portable codec sees it, and back (takes the image's format).
  bmp::Image ToImage();
  void FromImage(const bmp::Image& Image);
  void FromImage(bmp::Image&& Image);
  // A BMP file in memory (what LoadFromStream reads, without copying it first).
  void LoadFromBytes(const std::uint8_t* Data, std::size_t Size);
  // A BMP file decoded as LoadFromBytes would hold it (unused fourth bytes cleared, the colour
  // table completed), for reading pixels without making a bitmap. Throws EInvalidGraphic.
  static bmp::Image DecodeImage(const std::uint8_t* Data, std::size_t Size);
  // Frees the canvas's DC (keeps the picture); useful when many bitmaps stay alive.
  void Dormant();

 protected:
  void Draw(TCanvas* ACanvas, const RECT& R) override;
  void Changed() override;

 private:
  friend class TBitmapCanvas;
  // Replaces the DIB section by a new one holding Image's pixels (empty image: no section).
  void Replace(bmp::Image Image, TPixelFormat Format);

  bmp::Image FImage;  // size, depth, masks and colour table; pixels live in the DIB section
  TGdiBitmap FHandle;
  std::uint8_t* FBits = nullptr;
  TGdiPalette FPalette;
  std::unique_ptr<TBitmapCanvas> FCanvas;
  TPixelFormat FPixelFormat = pfDevice;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};
