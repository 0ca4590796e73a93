#include "framework/win/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "framework/bmp/Bmp.h"
#include "framework/core/SysUtils.h"

namespace {

// BITMAPINFO with room for a full colour table or the three masks.
struct TDibInfo {
  BITMAPINFOHEADER Header{};
  RGBQUAD Colors[256]{};
  BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

TDibInfo MakeDibInfo(const bmp::Image& Image) {
  TDibInfo info;
  info.Header.biSize = sizeof(BITMAPINFOHEADER);
  info.Header.biWidth = Image.width;
  info.Header.biHeight = -Image.height;  // top-down
  info.Header.biPlanes = 1;
  info.Header.biBitCount = Image.bitCount;
  info.Header.biCompression = BI_RGB;
  if (Image.bitCount == 16 && Image.masks == bmp::kMasks565) {
    info.Header.biCompression = BI_BITFIELDS;
    const DWORD masks[3] = {Image.masks.red, Image.masks.green, Image.masks.blue};
    std::memcpy(info.Colors, masks, sizeof(masks));
  }
  if (Image.IsIndexed()) {
    info.Header.biClrUsed = DWORD(Image.palette.size());
    for (size_t i = 0; i < Image.palette.size(); ++i)
      info.Colors[i] = RGBQUAD{Image.palette[i].blue, Image.palette[i].green, Image.palette[i].red, 0};
  }
  return info;
}

uint16_t FormatBits(TPixelFormat Format) {
  switch (Format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf15bit:
    case pf16bit:
      return 16;
    case pf24bit:
      return 24;
    case pf32bit:
      return 32;
    default:
      return 0;
  }
}

bmp::BitMasks FormatMasks(TPixelFormat Format) {
  if (Format == pf15bit) return bmp::kMasks555;
  if (Format == pf16bit) return bmp::kMasks565;
  return {};
}

TPixelFormat FormatOf(const bmp::Image& Image) {
  switch (Image.bitCount) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return Image.masks == bmp::kMasks555 ? pf15bit : pf16bit;
    case 24:
      return pf24bit;
    default:
      return pf32bit;
  }
}

// Depth and layout of pfDevice: what the screen uses, so that copies to it need no conversion.
void DeviceFormat(uint16_t& Bits, bmp::BitMasks& Masks) {
  static const int screenBits = [] {
    TScreenDC Screen;
    return Screen ? GetDeviceCaps(Screen.Get(), BITSPIXEL) * GetDeviceCaps(Screen.Get(), PLANES) : 32;
  }();
  Masks = {};
  if (screenBits <= 8) {
    Bits = 8;
  } else if (screenBits <= 16) {
    Bits = 16;
    Masks = screenBits == 15 ? bmp::kMasks555 : bmp::kMasks565;
  } else {
    Bits = screenBits == 24 ? 24 : 32;
  }
}

// Sets an image's depth, layout and colour table for a format, without pixels.
void SetImageFormat(bmp::Image& Image, TPixelFormat Format) {
  uint16_t bits = FormatBits(Format);
  bmp::BitMasks masks = FormatMasks(Format);
  if (Format == pfDevice) DeviceFormat(bits, masks);
  Image.bitCount = bits;
  Image.masks = masks;
  if (bits == 32) Image.masks = bmp::kMasks888;
  if (bits > 8) Image.palette.clear();
  if (bits <= 8 && Image.palette.size() != (size_t(1) << bits)) Image.palette = bmp::DefaultPalette(bits);
}

bmp::Rgb ToRgb(COLORREF C) {
  return bmp::MakeRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}
TColor ToColor(bmp::Rgb C) {
  return TColor(RGB(bmp::RedOf(C), bmp::GreenOf(C), bmp::BlueOf(C)));
}

}  // namespace

// ---- TBitmapCanvas -----------------------------------------------------------------------------

TBitmapCanvas::~TBitmapCanvas() {
  FreeContext();
}

void TBitmapCanvas::CreateHandle() {
  if (FDC) return;
  FDC = CreateCompatibleDC(nullptr);
  if (!FDC) throw EOutOfResources("Out of system resources: no device context for a bitmap");
  FOldBitmap = FBitmap->FHandle ? SelectObject(FDC, FBitmap->FHandle.Get()) : nullptr;
  SetHandle(FDC);
}

void TBitmapCanvas::SelectBitmap() {
  if (!FDC) return;
  if (FBitmap->FHandle) {
    const HGDIOBJ previous = SelectObject(FDC, FBitmap->FHandle.Get());
    if (!FOldBitmap) FOldBitmap = previous;  // the DC's own 1x1 bitmap, put back at the end
  } else if (FOldBitmap) {
    SelectObject(FDC, FOldBitmap);
    FOldBitmap = nullptr;
  }
}

void TBitmapCanvas::FreeContext() {
  if (!FDC) return;
  SetHandle(nullptr);  // our font, pen and brush leave the DC
  if (FOldBitmap) SelectObject(FDC, FOldBitmap);
  DeleteDC(FDC);
  FDC = nullptr;
  FOldBitmap = nullptr;
}

// ---- TBitmap -----------------------------------------------------------------------------------

namespace {

// Without a context the platform fetches the screen's for every new section, which costs more than
// the section itself (a skin load makes dozens). Kept for the process's lifetime.
HDC SectionReferenceDC() {
  static const TMemoryDC dc;
  return dc.Get();
}

}  // namespace

TBitmap::TBitmap() {
  SetImageFormat(FImage, pfDevice);
}

TBitmap::TBitmap(int AWidth, int AHeight, TPixelFormat Format) : TBitmap() {
  if (Format != pfDevice) SetPixelFormat(Format);
  SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap() {
  FCanvas.reset();  // the DC lets go of the DIB section before it is deleted
}

void TBitmap::Replace(bmp::Image Image, TPixelFormat Format) {
  // A full table: indices past a file's short one read black, and drawing finds common colours.
  if (Image.IsIndexed()) bmp::CompletePalette(Image.palette, Image.bitCount);
  TGdiBitmap section;
  void* bits = nullptr;
  if (Image.width > 0 && Image.height > 0) {
    TDibInfo info = MakeDibInfo(Image);
    section.Reset(CreateDIBSection(SectionReferenceDC(), info.Get(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits)
      throw EOutOfResources("Out of system resources: cannot create a " + IntToStr(Image.width) + " x " +
                            IntToStr(Image.height) + " bitmap");
    if (Image.pixels.size() == Image.stride() * size_t(Image.height))
      std::memcpy(bits, Image.pixels.data(), Image.pixels.size());
    else
      std::memset(bits, 0, Image.stride() * size_t(Image.height));
  } else {
    Image.width = Image.height = 0;
  }
  Image.pixels.clear();
  Image.pixels.shrink_to_fit();

  TGdiBitmap old = std::move(FHandle);
  FHandle = std::move(section);
  FBits = static_cast<std::uint8_t*>(bits);
  FPalette.Reset();
  FImage = std::move(Image);
  FPixelFormat = Format;
  if (FCanvas) FCanvas->SelectBitmap();  // the DC now holds the new section, the old one is free
  Changed();
}

bmp::Image TBitmap::ToImage() {
  bmp::Image image = FImage;
  image.pixels.clear();
  if (!Empty()) {
    GdiFlush();
    image.pixels.assign(FBits, FBits + FImage.stride() * size_t(FImage.height));
  }
  return image;
}

void TBitmap::FromImage(const bmp::Image& Image) {
  if (!bmp::IsSupportedBitCount(Image.bitCount)) throw EInvalidGraphicOperation("Unsupported pixel format");
  if (Image.width < 0 || Image.height < 0 || Image.pixels.size() != Image.stride() * size_t(Image.height))
    throw EInvalidGraphicOperation("Image size does not match its pixels");
  Replace(Image, FormatOf(Image));
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FImage.width && AHeight == FImage.height) return;
  bmp::Image image = FImage;
  try {
    image.Allocate(AWidth, AHeight, FImage.bitCount);
  } catch (const bmp::EBmpError& e) {
    throw EInvalidGraphicOperation(e.what());
  }
  if (!Empty() && AWidth > 0 && AHeight > 0) {
    GdiFlush();
    const size_t oldStride = FImage.stride(), newStride = image.stride();
    const size_t bytes = std::min(oldStride, newStride);
    for (int y = 0; y < std::min(AHeight, FImage.height); ++y)
      std::memcpy(image.Row(y), FBits + size_t(y) * oldStride, bytes);
  }
  Replace(std::move(image), FPixelFormat);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pfCustom || Value > pfCustom) throw EInvalidGraphicOperation("Invalid pixel format");
  bmp::Image target;
  target.palette = FImage.palette;
  SetImageFormat(target, Value);
  if (target.bitCount == FImage.bitCount && target.masks == FImage.masks) {
    FPixelFormat = Value;
    return;
  }
  if (Empty()) {
    FImage.bitCount = target.bitCount;
    FImage.masks = target.masks;
    FImage.palette = target.palette;
    FPalette.Reset();
    FPixelFormat = Value;
    return;
  }
  bmp::Image converted = bmp::ConvertBitCount(ToImage(), target.bitCount, target.masks);
  Replace(std::move(converted), Value);
}

void* TBitmap::ScanLine(int Y) {
  if (Y < 0 || Y >= FImage.height || !FBits) throw EInvalidGraphicOperation("Scan line index out of range");
  GdiFlush();  // GDI may still be drawing into the section
  return FBits + size_t(Y) * FImage.stride();
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(this);
  return FCanvas.get();
}

void TBitmap::Dormant() {
  if (FCanvas) FCanvas->FreeContext();
}

void TBitmap::SetHandle(HBITMAP Value) {
  TGdiBitmap owned(Value);
  if (!Value) {
    bmp::Image empty = FImage;
    empty.width = empty.height = 0;
    Replace(std::move(empty), FPixelFormat);
    return;
  }
  BITMAP bm{};
  if (GetObjectW(Value, sizeof(bm), &bm) != int(sizeof(bm))) throw EInvalidGraphic("Invalid bitmap handle");
  const int sourceBits = bm.bmBitsPixel * bm.bmPlanes;
  const uint16_t bits = sourceBits <= 8 ? uint16_t(sourceBits == 1   ? 1
                                                   : sourceBits <= 4 ? 4
                                                                     : 8)
                                        : uint16_t(sourceBits == 24 ? 24 : 32);
  bmp::Image image;
  try {
    image.Allocate(bm.bmWidth, bm.bmHeight, bits);
  } catch (const bmp::EBmpError& e) {
    throw EInvalidGraphic(e.what());
  }
  // GetDIBits copies any bitmap, device-dependent or not, into our top-down layout.
  TDibInfo info = MakeDibInfo(image);
  info.Header.biClrUsed = 0;
  TScreenDC Screen;
  if (image.height > 0 &&
      !GetDIBits(Screen.Get(), Value, 0, UINT(image.height), image.pixels.data(), info.Get(), DIB_RGB_COLORS))
    throw EInvalidGraphic("Cannot read the bitmap handle's pixels");
  if (bits <= 8) {
    image.palette.resize(size_t(1) << bits);
    for (size_t i = 0; i < image.palette.size(); ++i)
      image.palette[i] =
          bmp::RgbQuad{info.Colors[i].rgbBlue, info.Colors[i].rgbGreen, info.Colors[i].rgbRed, 0};
  }
  owned.Reset();  // the caller handed it over; our copy replaces it
  // The fourth byte of a 32-bit pixel without an alpha mask is unused, but Wine's colour-to-mono
  // copies compare it, so a key colour written by a paint program with 0xFF there would never match.
  if (image.bitCount == 32 && image.masks.alpha == 0) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) image.pixels[i] = 0;
  }
  const TPixelFormat format = FormatOf(image);
  Replace(std::move(image), format);
}

HBITMAP TBitmap::ReleaseHandle() {
  if (FCanvas) FCanvas->FreeContext();
  const HBITMAP handle = FHandle.Release();
  FBits = nullptr;
  FPalette.Reset();
  FImage.width = FImage.height = 0;
  Changed();
  return handle;
}

void TBitmap::SetColors(const std::vector<bmp::RgbQuad>& Value) {
  if (!FImage.IsIndexed())
    throw EInvalidGraphicOperation("Only 1-, 4- and 8-bit bitmaps have a colour table");
  bmp::Image image = ToImage();
  image.palette = Value;
  image.palette.resize(std::min(image.palette.size(), size_t(1) << image.bitCount));
  Replace(std::move(image), FPixelFormat);
}

HPALETTE TBitmap::Palette() {
  if (!FPalette && FImage.IsIndexed() && !FImage.palette.empty()) {
    std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = WORD(FImage.palette.size());
    for (size_t i = 0; i < FImage.palette.size(); ++i)
      lp->palPalEntry[i] =
          PALETTEENTRY{FImage.palette[i].red, FImage.palette[i].green, FImage.palette[i].blue, 0};
    FPalette.Reset(CreatePalette(lp));
  }
  return FPalette.Get();
}

void TBitmap::SetPalette(HPALETTE Value) {
  TGdiPalette owned(Value);
  if (Value && FImage.IsIndexed()) {
    PALETTEENTRY entries[256]{};
    const UINT count =
        GetPaletteEntries(Value, 0, UINT(std::min<size_t>(256, size_t(1) << FImage.bitCount)), entries);
    std::vector<bmp::RgbQuad> colors(count);
    for (UINT i = 0; i < count; ++i)
      colors[i] = bmp::RgbQuad{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    SetColors(colors);
  }
  FPalette = std::move(owned);
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  GdiFlush();
  const std::uint8_t* bottom = FBits + size_t(FImage.height - 1) * FImage.stride();
  return ToColor(bmp::ReadPixel(bottom, 0, FImage.bitCount, FImage.masks, FImage.palette));
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(TransparentColor());
}

void TBitmap::Mask(TColor Color) {
  const bmp::Image source = ToImage();
  bmp::Image mask;
  mask.palette = {bmp::RgbQuad{0, 0, 0, 0}, bmp::RgbQuad{255, 255, 255, 0}};
  mask.Allocate(source.width, source.height, 1);
  const bmp::Rgb key = ToRgb(ColorToRGB(Color));
  for (int32_t y = 0; y < source.height; ++y)
    for (int32_t x = 0; x < source.width; ++x)
      if (bmp::GetPixel(source, x, y) == key) bmp::SetPixelIndex(mask, x, y, 1);
  Replace(std::move(mask), pf1bit);
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    bmp::Image empty = FImage;
    empty.width = empty.height = 0;
    Replace(std::move(empty), FPixelFormat);
    return;
  }
  auto* other = dynamic_cast<TBitmap*>(Source);
  if (!other) return TGraphic::Assign(Source);
  if (other == this) return;
  FTransparent = other->FTransparent;
  FTransparentColor = other->FTransparentColor;
  FTransparentMode = other->FTransparentMode;
  Replace(other->ToImage(), other->FPixelFormat);
}

void TBitmap::LoadFromBytes(const std::uint8_t* Data, std::size_t Size) {
  bmp::Image image;
  try {
    image = bmp::Decode({Data, Size});
  } catch (const bmp::EBmpError& e) {
    throw EInvalidGraphic(e.what());
  }
  // The fourth byte of a 32-bit pixel without an alpha mask is unused, but Wine's colour-to-mono
  // copies compare it, so a key colour written by a paint program with 0xFF there would never match.
  if (image.bitCount == 32 && image.masks.alpha == 0) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) image.pixels[i] = 0;
  }
  const TPixelFormat format = FormatOf(image);
  Replace(std::move(image), format);
}

void TBitmap::LoadFromStream(TStream& Stream) {
  const std::int64_t start = Stream.Position();
  const std::int64_t available = Stream.Size() - start;
  if (available <= 0) throw EInvalidGraphic("Truncated bitmap: the stream holds no data");
  std::vector<std::uint8_t> data(static_cast<size_t>(available));
  Stream.ReadBuffer(data.data(), available);
  LoadFromBytes(data.data(), data.size());
  // Leave the stream after this bitmap when its header says where that is.
  const std::uint32_t fileSize =
      data.size() >= 6 ? std::uint32_t(data[2] | data[3] << 8 | data[4] << 16 | std::uint32_t(data[5]) << 24)
                       : 0;
  if (fileSize >= 14 && fileSize < std::uint64_t(available)) Stream.SetPosition(start + fileSize);
}

void TBitmap::SaveToStream(TStream& Stream) {
  if (Empty()) return;
  std::vector<std::uint8_t> file;
  try {
    file = bmp::Encode(ToImage());
  } catch (const bmp::EBmpError& e) {
    throw EInvalidGraphicOperation(e.what());
  }
  Stream.WriteBuffer(file.data(), std::int64_t(file.size()));
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  const std::wstring name = Utf8ToWString(ResName);
  const HRSRC info = FindResourceW(Instance, name.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!info) throw EInvalidGraphic("Bitmap resource \"" + ResName + "\" not found");
  const HGLOBAL resource = LoadResource(Instance, info);
  const auto* data = static_cast<const std::uint8_t*>(resource ? LockResource(resource) : nullptr);
  const DWORD size = SizeofResource(Instance, info);
  if (!data) throw EInvalidGraphic("Bitmap resource \"" + ResName + "\" cannot be loaded");

  // A resource is a BMP file without its 14-byte file header: rebuild the header, with the pixel
  // offset worked out from the info header (the decoder checks every field again).
  auto u32 = [&](size_t at) -> std::uint32_t {
    return at + 4 <= size ? std::uint32_t(data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
                                          std::uint32_t(data[at + 3]) << 24)
                          : 0;
  };
  auto u16 = [&](size_t at) -> std::uint32_t {
    return at + 2 <= size ? std::uint32_t(data[at] | data[at + 1] << 8) : 0;
  };
  const std::uint32_t headerSize = u32(0);
  std::uint64_t offset = 14 + std::uint64_t(headerSize);
  if (headerSize == 12) {
    const std::uint32_t bits = u16(10);
    if (bits <= 8) offset += 3ull << bits;
  } else if (headerSize >= 40) {
    const std::uint32_t bits = u16(14), compression = u32(16), used = u32(32);
    if (headerSize == 40 && compression == BI_BITFIELDS) offset += 12;
    if (bits <= 8) offset += 4ull * (used ? std::min<std::uint64_t>(used, 256) : (1ull << bits));
  }
  std::vector<std::uint8_t> file(14 + size_t(size));
  const std::uint32_t total = std::uint32_t(file.size());
  const std::uint8_t header[14] = {'B',
                                   'M',
                                   std::uint8_t(total),
                                   std::uint8_t(total >> 8),
                                   std::uint8_t(total >> 16),
                                   std::uint8_t(total >> 24),
                                   0,
                                   0,
                                   0,
                                   0,
                                   std::uint8_t(offset),
                                   std::uint8_t(offset >> 8),
                                   std::uint8_t(offset >> 16),
                                   std::uint8_t(offset >> 24)};
  std::memcpy(file.data(), header, 14);
  std::memcpy(file.data() + 14, data, size);
  LoadFromBytes(file.data(), file.size());
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  const HRSRC info = FindResourceW(Instance, MAKEINTRESOURCEW(ResID), MAKEINTRESOURCEW(2));
  if (!info) throw EInvalidGraphic("Bitmap resource " + IntToStr(ResID) + " not found");
  LoadFromResourceName(Instance, "#" + IntToStr(ResID));
}

void TBitmap::DefineProperties(TFiler& Filer) {
  TGraphic::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data",
      [this](TStream& Stream) {
        // Either a BMP file as it is, or the 4-byte length that older descriptions put before it.
        std::uint8_t magic[2] = {0, 0};
        const std::int64_t start = Stream.Position();
        if (Stream.Read(magic, 2) == 2 && magic[0] == 'B' && magic[1] == 'M') {
          Stream.SetPosition(start);
        } else {
          Stream.SetPosition(start);
          Stream.ReadInt32();
        }
        LoadFromStream(Stream);
      },
      [this](TStream& Stream) {
        TMemoryStream file;
        SaveToStream(file);
        Stream.WriteInt32(std::int32_t(file.Size()));
        file.SaveToStream(Stream);
      },
      !Empty());
}

void TBitmap::Draw(TCanvas* ACanvas, const RECT& R) {
  if (Empty() || !ACanvas) return;
  const HDC target = ACanvas->Handle();
  const HDC source = Canvas()->Handle();
  const int w = R.right - R.left, h = R.bottom - R.top;
  if (FTransparent) {
    TransparentBlt(target, R.left, R.top, w, h, source, 0, 0, FImage.width, FImage.height,
                   ColorToRGB(TransparentColor()));
  } else if (w == FImage.width && h == FImage.height) {
    BitBlt(target, R.left, R.top, w, h, source, 0, 0, ACanvas->CopyMode());
  } else {
    StretchBlt(target, R.left, R.top, w, h, source, 0, 0, FImage.width, FImage.height, ACanvas->CopyMode());
  }
}

void TBitmap::Changed() {
  TGraphic::Changed();
}
