#include "framework/win/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/bmp/Bmp.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/SectionReuse.h"

namespace {

// BITMAPINFO with room for a full colour table or the three masks.
struct TDibInfo {
  BITMAPINFOHEADER Header{};
  RGBQUAD Colors[256]{};
  BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

TDibInfo MakeDibInfo(const bmp::Image& Image) {
  TDibInfo Info;
  Info.Header.biSize = sizeof(BITMAPINFOHEADER);
  Info.Header.biWidth = Image.width;
  Info.Header.biHeight = -Image.height;  // top-down
  Info.Header.biPlanes = 1;
  Info.Header.biBitCount = Image.bitCount;
  Info.Header.biCompression = BI_RGB;
  if (Image.bitCount == 16 && Image.masks == bmp::kMasks565) {
    Info.Header.biCompression = BI_BITFIELDS;
    const DWORD Masks[3] = {Image.masks.red, Image.masks.green, Image.masks.blue};
    std::memcpy(Info.Colors, Masks, sizeof(Masks));
  }
  if (Image.IsIndexed()) {
    Info.Header.biClrUsed = DWORD(Image.palette.size());
    for (size_t I = 0; I < Image.palette.size(); ++I)
      Info.Colors[I] = RGBQUAD{Image.palette[I].blue, Image.palette[I].green, Image.palette[I].red, 0};
  }
  return Info;
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
  static const int ScreenBits = [] {
    TScreenDC Screen;
    return Screen ? GetDeviceCaps(Screen.Get(), BITSPIXEL) * GetDeviceCaps(Screen.Get(), PLANES) : 32;
  }();
  Masks = {};
  if (ScreenBits <= 8) {
    Bits = 8;
  } else if (ScreenBits <= 16) {
    Bits = 16;
    Masks = ScreenBits == 15 ? bmp::kMasks555 : bmp::kMasks565;
  } else {
    Bits = ScreenBits == 24 ? 24 : 32;
  }
}

// Sets an image's depth, layout and colour table for a format, without pixels.
void SetImageFormat(bmp::Image& Image, TPixelFormat Format) {
  uint16_t Bits = FormatBits(Format);
  bmp::BitMasks Masks = FormatMasks(Format);
  if (Format == pfDevice) DeviceFormat(Bits, Masks);
  Image.bitCount = Bits;
  Image.masks = Masks;
  if (Bits == 32) Image.masks = bmp::kMasks888;
  if (Bits > 8) Image.palette.clear();
  if (Bits <= 8 && Image.palette.size() != (size_t(1) << Bits)) Image.palette = bmp::DefaultPalette(Bits);
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
    const HGDIOBJ Previous = SelectObject(FDC, FBitmap->FHandle.Get());
    if (!FOldBitmap) FOldBitmap = Previous;  // the DC's own 1x1 bitmap, put back at the end
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
  static const TMemoryDC Dc;
  return Dc.Get();
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
  FCanvas.reset();  // the DC lets go of the DIB section before it is deleted (or kept)
  if (TSectionReuse* Reuse = TSectionReuse::Current()) Reuse->Keep(std::move(FHandle), FBits, FImage);
}

void TBitmap::Replace(bmp::Image Image, TPixelFormat Format) {
  // A full table: indices past a file's short one read black, and drawing finds common colours.
  if (Image.IsIndexed()) bmp::CompletePalette(Image.palette, Image.bitCount);
  TSectionReuse* const Reuse = TSectionReuse::Current();
  TGdiBitmap Section;
  void* Bits = nullptr;
  bool InPlace = false;
  if (Image.width > 0 && Image.height > 0) {
    if (Reuse && FHandle && SameSectionShape(FImage, Image)) {
      InPlace = true;
      Bits = FBits;
    } else if (Reuse) {
      Section = Reuse->Take(Image, Bits);
    }
    if (InPlace || Section) {
      GdiFlush();  // the section's last drawing lands before its new pixels
    } else {
      TDibInfo Info = MakeDibInfo(Image);
      Section.Reset(CreateDIBSection(SectionReferenceDC(), Info.Get(), DIB_RGB_COLORS, &Bits, nullptr, 0));
      if (!Section || !Bits)
        throw EOutOfResources("Out of system resources: cannot create a " + IntToStr(Image.width) + " x " +
                              IntToStr(Image.height) + " bitmap");
    }
    if (Image.pixels.size() == Image.stride() * size_t(Image.height))
      std::memcpy(Bits, Image.pixels.data(), Image.pixels.size());
    else
      std::memset(Bits, 0, Image.stride() * size_t(Image.height));
  } else {
    Image.width = Image.height = 0;
  }
  Image.pixels.clear();
  Image.pixels.shrink_to_fit();

  FPalette.Reset();
  FPixelFormat = Format;
  if (InPlace) {
    FImage = std::move(Image);
    Changed();
    return;
  }
  TGdiBitmap Old = std::move(FHandle);
  std::uint8_t* const OldBits = FBits;
  const bmp::Image OldShape = std::exchange(FImage, std::move(Image));
  FHandle = std::move(Section);
  FBits = static_cast<std::uint8_t*>(Bits);
  if (FCanvas) FCanvas->SelectBitmap();  // the DC now holds the new section, the old one is free
  if (Reuse) Reuse->Keep(std::move(Old), OldBits, OldShape);
  Changed();
}

bmp::Image TBitmap::ToImage() {
  bmp::Image Picture = FImage;
  Picture.pixels.clear();
  if (!Empty()) {
    GdiFlush();
    Picture.pixels.assign(FBits, FBits + FImage.stride() * size_t(FImage.height));
  }
  return Picture;
}

namespace {

void CheckImage(const bmp::Image& Image) {
  if (!bmp::IsSupportedBitCount(Image.bitCount)) throw EInvalidGraphicOperation("Unsupported pixel format");
  if (Image.width < 0 || Image.height < 0 || Image.pixels.size() != Image.stride() * size_t(Image.height))
    throw EInvalidGraphicOperation("Image size does not match its pixels");
}

}  // namespace

void TBitmap::FromImage(const bmp::Image& Image) {
  CheckImage(Image);
  Replace(Image, FormatOf(Image));
}

void TBitmap::FromImage(bmp::Image&& Image) {
  CheckImage(Image);
  const TPixelFormat Format = FormatOf(Image);
  Replace(std::move(Image), Format);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FImage.width && AHeight == FImage.height) return;
  bmp::Image Picture = FImage;
  try {
    Picture.Allocate(AWidth, AHeight, FImage.bitCount);
  } catch (const bmp::EBmpError& E) {
    throw EInvalidGraphicOperation(E.what());
  }
  if (!Empty() && AWidth > 0 && AHeight > 0) {
    GdiFlush();
    const size_t OldStride = FImage.stride(), NewStride = Picture.stride();
    const size_t Bytes = std::min(OldStride, NewStride);
    for (int Y = 0; Y < std::min(AHeight, FImage.height); ++Y)
      std::memcpy(Picture.Row(Y), FBits + size_t(Y) * OldStride, Bytes);
  }
  Replace(std::move(Picture), FPixelFormat);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pfCustom || Value > pfCustom) throw EInvalidGraphicOperation("Invalid pixel format");
  bmp::Image Target;
  Target.palette = FImage.palette;
  SetImageFormat(Target, Value);
  if (Target.bitCount == FImage.bitCount && Target.masks == FImage.masks) {
    FPixelFormat = Value;
    return;
  }
  if (Empty()) {
    FImage.bitCount = Target.bitCount;
    FImage.masks = Target.masks;
    FImage.palette = Target.palette;
    FPalette.Reset();
    FPixelFormat = Value;
    return;
  }
  bmp::Image Converted = bmp::ConvertBitCount(ToImage(), Target.bitCount, Target.masks);
  Replace(std::move(Converted), Value);
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
  TGdiBitmap Owned(Value);
  if (!Value) {
    bmp::Image Empty = FImage;
    Empty.width = Empty.height = 0;
    Replace(std::move(Empty), FPixelFormat);
    return;
  }
  BITMAP Bm{};
  if (GetObjectW(Value, sizeof(Bm), &Bm) != int(sizeof(Bm))) throw EInvalidGraphic("Invalid bitmap handle");
  const int SourceBits = Bm.bmBitsPixel * Bm.bmPlanes;
  const uint16_t Bits = SourceBits <= 8 ? uint16_t(SourceBits == 1   ? 1
                                                   : SourceBits <= 4 ? 4
                                                                     : 8)
                                        : uint16_t(SourceBits == 24 ? 24 : 32);
  bmp::Image Picture;
  try {
    Picture.Allocate(Bm.bmWidth, Bm.bmHeight, Bits);
  } catch (const bmp::EBmpError& E) {
    throw EInvalidGraphic(E.what());
  }
  // GetDIBits copies any bitmap, device-dependent or not, into our top-down layout.
  TDibInfo Info = MakeDibInfo(Picture);
  Info.Header.biClrUsed = 0;
  TScreenDC Screen;
  if (Picture.height > 0 && !GetDIBits(Screen.Get(), Value, 0, UINT(Picture.height), Picture.pixels.data(),
                                       Info.Get(), DIB_RGB_COLORS))
    throw EInvalidGraphic("Cannot read the bitmap handle's pixels");
  if (Bits <= 8) {
    Picture.palette.resize(size_t(1) << Bits);
    for (size_t I = 0; I < Picture.palette.size(); ++I)
      Picture.palette[I] =
          bmp::RgbQuad{Info.Colors[I].rgbBlue, Info.Colors[I].rgbGreen, Info.Colors[I].rgbRed, 0};
  }
  Owned.Reset();  // the caller handed it over; our copy replaces it
  // The fourth byte of a 32-bit pixel without an alpha mask is unused, but Wine's colour-to-mono
  // copies compare it, so a key colour written by a paint program with 0xFF there would never match.
  if (Picture.bitCount == 32 && Picture.masks.alpha == 0) {
    for (std::size_t I = 3; I < Picture.pixels.size(); I += 4) Picture.pixels[I] = 0;
  }
  const TPixelFormat Format = FormatOf(Picture);
  Replace(std::move(Picture), Format);
}

HBITMAP TBitmap::ReleaseHandle() {
  if (FCanvas) FCanvas->FreeContext();
  const HBITMAP Handle = FHandle.Release();
  FBits = nullptr;
  FPalette.Reset();
  FImage.width = FImage.height = 0;
  Changed();
  return Handle;
}

void TBitmap::SetColors(const std::vector<bmp::RgbQuad>& Value) {
  if (!FImage.IsIndexed())
    throw EInvalidGraphicOperation("Only 1-, 4- and 8-bit bitmaps have a colour table");
  bmp::Image Picture = ToImage();
  Picture.palette = Value;
  Picture.palette.resize(std::min(Picture.palette.size(), size_t(1) << Picture.bitCount));
  Replace(std::move(Picture), FPixelFormat);
}

HPALETTE TBitmap::Palette() {
  if (!FPalette && FImage.IsIndexed() && !FImage.palette.empty()) {
    std::vector<std::uint8_t> Storage(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* Lp = reinterpret_cast<LOGPALETTE*>(Storage.data());
    Lp->palVersion = 0x300;
    Lp->palNumEntries = WORD(FImage.palette.size());
    for (size_t I = 0; I < FImage.palette.size(); ++I)
      Lp->palPalEntry[I] =
          PALETTEENTRY{FImage.palette[I].red, FImage.palette[I].green, FImage.palette[I].blue, 0};
    FPalette.Reset(CreatePalette(Lp));
  }
  return FPalette.Get();
}

void TBitmap::SetPalette(HPALETTE Value) {
  TGdiPalette Owned(Value);
  if (Value && FImage.IsIndexed()) {
    PALETTEENTRY Entries[256]{};
    const UINT Count =
        GetPaletteEntries(Value, 0, UINT(std::min<size_t>(256, size_t(1) << FImage.bitCount)), Entries);
    std::vector<bmp::RgbQuad> Colors(Count);
    for (UINT I = 0; I < Count; ++I)
      Colors[I] = bmp::RgbQuad{Entries[I].peBlue, Entries[I].peGreen, Entries[I].peRed, 0};
    SetColors(Colors);
  }
  FPalette = std::move(Owned);
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  GdiFlush();
  const std::uint8_t* Bottom = FBits + size_t(FImage.height - 1) * FImage.stride();
  return ToColor(bmp::ReadPixel(Bottom, 0, FImage.bitCount, FImage.masks, FImage.palette));
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
  const bmp::Image Source = ToImage();
  bmp::Image MaskImage;
  MaskImage.palette = {bmp::RgbQuad{0, 0, 0, 0}, bmp::RgbQuad{255, 255, 255, 0}};
  MaskImage.Allocate(Source.width, Source.height, 1);
  const bmp::Rgb Key = ToRgb(ColorToRGB(Color));
  for (int32_t Y = 0; Y < Source.height; ++Y)
    for (int32_t X = 0; X < Source.width; ++X)
      if (bmp::GetPixel(Source, X, Y) == Key) bmp::SetPixelIndex(MaskImage, X, Y, 1);
  Replace(std::move(MaskImage), pf1bit);
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    bmp::Image Empty = FImage;
    Empty.width = Empty.height = 0;
    Replace(std::move(Empty), FPixelFormat);
    return;
  }
  auto* Other = dynamic_cast<TBitmap*>(Source);
  if (!Other) return TGraphic::Assign(Source);
  if (Other == this) return;
  FTransparent = Other->FTransparent;
  FTransparentColor = Other->FTransparentColor;
  FTransparentMode = Other->FTransparentMode;
  Replace(Other->ToImage(), Other->FPixelFormat);
}

bmp::Image TBitmap::DecodeImage(const std::uint8_t* Data, std::size_t Size) {
  bmp::Image Picture;
  try {
    Picture = bmp::Decode({Data, Size});
  } catch (const bmp::EBmpError& E) {
    throw EInvalidGraphic(E.what());
  }
  // The fourth byte of a 32-bit pixel without an alpha mask is unused, but Wine's colour-to-mono
  // copies compare it, so a key colour written by a paint program with 0xFF there would never match.
  if (Picture.bitCount == 32 && Picture.masks.alpha == 0) {
    for (std::size_t I = 3; I < Picture.pixels.size(); I += 4) Picture.pixels[I] = 0;
  }
  if (Picture.IsIndexed()) bmp::CompletePalette(Picture.palette, Picture.bitCount);
  return Picture;
}

void TBitmap::LoadFromBytes(const std::uint8_t* Data, std::size_t Size) {
  bmp::Image Picture = DecodeImage(Data, Size);
  const TPixelFormat Format = FormatOf(Picture);
  Replace(std::move(Picture), Format);
}

void TBitmap::LoadFromStream(TStream& Stream) {
  const std::int64_t Start = Stream.Position();
  const std::int64_t Available = Stream.Size() - Start;
  if (Available <= 0) throw EInvalidGraphic("Truncated bitmap: the stream holds no data");
  std::vector<std::uint8_t> Data(static_cast<size_t>(Available));
  Stream.ReadBuffer(Data.data(), Available);
  LoadFromBytes(Data.data(), Data.size());
  // Leave the stream after this bitmap when its header says where that is.
  const std::uint32_t FileSize =
      Data.size() >= 6 ? std::uint32_t(Data[2] | Data[3] << 8 | Data[4] << 16 | std::uint32_t(Data[5]) << 24)
                       : 0;
  if (FileSize >= 14 && FileSize < std::uint64_t(Available)) Stream.SetPosition(Start + FileSize);
}

void TBitmap::SaveToStream(TStream& Stream) {
  if (Empty()) return;
  std::vector<std::uint8_t> File;
  try {
    File = bmp::Encode(ToImage());
  } catch (const bmp::EBmpError& E) {
    throw EInvalidGraphicOperation(E.what());
  }
  Stream.WriteBuffer(File.data(), std::int64_t(File.size()));
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  const std::wstring Name = Utf8ToWString(ResName);
  const HRSRC Info = FindResourceW(Instance, Name.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!Info) throw EInvalidGraphic("Bitmap resource \"" + ResName + "\" not found");
  const HGLOBAL Resource = LoadResource(Instance, Info);
  const auto* Data = static_cast<const std::uint8_t*>(Resource ? LockResource(Resource) : nullptr);
  const DWORD ResourceSize = SizeofResource(Instance, Info);
  if (!Data) throw EInvalidGraphic("Bitmap resource \"" + ResName + "\" cannot be loaded");

  // A resource is a BMP file without its 14-byte file header: rebuild the header, with the pixel
  // offset worked out from the info header (the decoder checks every field again).
  auto U32 = [&](size_t At) -> std::uint32_t {
    return At + 4 <= ResourceSize ? std::uint32_t(Data[At] | Data[At + 1] << 8 | Data[At + 2] << 16 |
                                                  std::uint32_t(Data[At + 3]) << 24)
                                  : 0;
  };
  auto U16 = [&](size_t At) -> std::uint32_t {
    return At + 2 <= ResourceSize ? std::uint32_t(Data[At] | Data[At + 1] << 8) : 0;
  };
  const std::uint32_t HeaderSize = U32(0);
  std::uint64_t Offset = 14 + std::uint64_t(HeaderSize);
  if (HeaderSize == 12) {
    const std::uint32_t Bits = U16(10);
    if (Bits <= 8) Offset += 3ull << Bits;
  } else if (HeaderSize >= 40) {
    const std::uint32_t Bits = U16(14), Compression = U32(16), Used = U32(32);
    if (HeaderSize == 40 && Compression == BI_BITFIELDS) Offset += 12;
    if (Bits <= 8) Offset += 4ull * (Used ? std::min<std::uint64_t>(Used, 256) : (1ull << Bits));
  }
  std::vector<std::uint8_t> File(14 + size_t(ResourceSize));
  const std::uint32_t Total = std::uint32_t(File.size());
  const std::uint8_t Header[14] = {'B',
                                   'M',
                                   std::uint8_t(Total),
                                   std::uint8_t(Total >> 8),
                                   std::uint8_t(Total >> 16),
                                   std::uint8_t(Total >> 24),
                                   0,
                                   0,
                                   0,
                                   0,
                                   std::uint8_t(Offset),
                                   std::uint8_t(Offset >> 8),
                                   std::uint8_t(Offset >> 16),
                                   std::uint8_t(Offset >> 24)};
  std::memcpy(File.data(), Header, 14);
  std::memcpy(File.data() + 14, Data, ResourceSize);
  LoadFromBytes(File.data(), File.size());
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  const HRSRC Info = FindResourceW(Instance, MAKEINTRESOURCEW(ResID), MAKEINTRESOURCEW(2));
  if (!Info) throw EInvalidGraphic("Bitmap resource " + IntToStr(ResID) + " not found");
  LoadFromResourceName(Instance, "#" + IntToStr(ResID));
}

void TBitmap::DefineProperties(TFiler& Filer) {
  TGraphic::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data",
      [this](TStream& Stream) {
        // Either a BMP file as it is, or the 4-byte length that older descriptions put before it.
        std::uint8_t Magic[2] = {0, 0};
        const std::int64_t Start = Stream.Position();
        if (Stream.Read(Magic, 2) == 2 && Magic[0] == 'B' && Magic[1] == 'M') {
          Stream.SetPosition(Start);
        } else {
          Stream.SetPosition(Start);
          Stream.ReadInt32();
        }
        LoadFromStream(Stream);
      },
      [this](TStream& Stream) {
        TMemoryStream File;
        SaveToStream(File);
        Stream.WriteInt32(std::int32_t(File.Size()));
        File.SaveToStream(Stream);
      },
      !Empty());
}

void TBitmap::Draw(TCanvas* ACanvas, const RECT& R) {
  if (Empty() || !ACanvas) return;
  const HDC Target = ACanvas->Handle();
  const HDC Source = Canvas()->Handle();
  const int W = R.right - R.left, H = R.bottom - R.top;
  if (FTransparent) {
    TransparentBlt(Target, R.left, R.top, W, H, Source, 0, 0, FImage.width, FImage.height,
                   ColorToRGB(TransparentColor()));
  } else if (W == FImage.width && H == FImage.height) {
    BitBlt(Target, R.left, R.top, W, H, Source, 0, 0, ACanvas->CopyMode());
  } else {
    StretchBlt(Target, R.left, R.top, W, H, Source, 0, 0, FImage.width, FImage.height, ACanvas->CopyMode());
  }
}

void TBitmap::Changed() {
  TGraphic::Changed();
}
