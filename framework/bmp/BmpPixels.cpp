#include "framework/bmp/BmpPixels.h"

#include <algorithm>
#include <unordered_map>

#include "framework/bmp/BmpError.h"

namespace bmp {
namespace {

uint8_t Widen5(uint32_t V) {
  return uint8_t((V << 3) | (V >> 2));
}
uint8_t Widen6(uint32_t V) {
  return uint8_t((V << 2) | (V >> 4));
}

Rgb QuadToRgb(RgbQuad Q) {
  return MakeRgb(Q.red, Q.green, Q.blue);
}
RgbQuad RgbToQuad(Rgb C) {
  return RgbQuad{BlueOf(C), GreenOf(C), RedOf(C), 0};
}

uint32_t Distance(RgbQuad Q, Rgb C) {
  const int Dr = int(Q.red) - RedOf(C), Dg = int(Q.green) - GreenOf(C), Db = int(Q.blue) - BlueOf(C);
  return uint32_t(Dr * Dr + Dg * Dg + Db * Db);
}

// Maps colours to palette indices, remembering answers: pictures repeat their colours a lot.
class IndexMapper {
 public:
  explicit IndexMapper(const std::vector<RgbQuad>& Palette) : palette_(Palette) {}
  uint32_t operator()(Rgb C) {
    auto It = cache_.find(C);
    if (It != cache_.end()) return It->second;
    const uint32_t Index = NearestIndex(palette_, C);
    cache_.emplace(C, Index);
    return Index;
  }

 private:
  const std::vector<RgbQuad>& palette_;
  std::unordered_map<Rgb, uint32_t> cache_;
};

// The distinct colours of an image, or nothing when there are more than `limit`.
bool CollectColours(const Image& Picture, size_t Limit, std::vector<RgbQuad>& Out) {
  std::unordered_map<Rgb, uint32_t> Seen;
  Out.clear();
  for (int32_t Y = 0; Y < Picture.height; ++Y)
    for (int32_t X = 0; X < Picture.width; ++X) {
      const Rgb C = GetPixel(Picture, X, Y);
      if (Seen.emplace(C, uint32_t(Out.size())).second) {
        if (Out.size() == Limit) return false;
        Out.push_back(RgbToQuad(C));
      }
    }
  return true;
}

}  // namespace

uint32_t GetPixelIndex(const Image& Picture, int32_t X, int32_t Y) {
  const uint8_t* RowBytes = Picture.Row(Y);
  switch (Picture.bitCount) {
    case 1:
      return (RowBytes[X >> 3] >> (7 - (X & 7))) & 1;
    case 4:
      return (X & 1) ? (RowBytes[X >> 1] & 0x0F) : (RowBytes[X >> 1] >> 4);
    case 8:
      return RowBytes[X];
    default:
      return 0;
  }
}

void SetPixelIndex(Image& Picture, int32_t X, int32_t Y, uint32_t Index) {
  uint8_t* RowBytes = Picture.Row(Y);
  switch (Picture.bitCount) {
    case 1: {
      const uint8_t Bit = uint8_t(0x80 >> (X & 7));
      RowBytes[X >> 3] = (Index & 1) ? (RowBytes[X >> 3] | Bit) : (RowBytes[X >> 3] & ~Bit);
      break;
    }
    case 4:
      if (X & 1)
        RowBytes[X >> 1] = uint8_t((RowBytes[X >> 1] & 0xF0) | (Index & 0x0F));
      else
        RowBytes[X >> 1] = uint8_t((RowBytes[X >> 1] & 0x0F) | ((Index & 0x0F) << 4));
      break;
    case 8:
      RowBytes[X] = uint8_t(Index);
      break;
    default:
      break;
  }
}

Rgb ReadPixel(const uint8_t* Row, int32_t X, uint16_t BitCount, const BitMasks& Masks,
              const std::vector<RgbQuad>& Palette) {
  uint32_t Index = 0;
  switch (BitCount) {
    case 1:
      Index = (Row[X >> 3] >> (7 - (X & 7))) & 1;
      break;
    case 4:
      Index = (X & 1) ? (Row[X >> 1] & 0x0F) : (Row[X >> 1] >> 4);
      break;
    case 8:
      Index = Row[X];
      break;
    case 16: {
      const uint32_t V = Row[2 * X] | (uint32_t(Row[2 * X + 1]) << 8);
      if (Masks == kMasks565) return MakeRgb(Widen5(V >> 11), Widen6((V >> 5) & 0x3F), Widen5(V & 0x1F));
      return MakeRgb(Widen5((V >> 10) & 0x1F), Widen5((V >> 5) & 0x1F), Widen5(V & 0x1F));
    }
    case 24:
      return MakeRgb(Row[3 * X + 2], Row[3 * X + 1], Row[3 * X]);
    case 32:
      return MakeRgb(Row[4 * X + 2], Row[4 * X + 1], Row[4 * X]);
    default:
      return 0;
  }
  return Index < Palette.size() ? QuadToRgb(Palette[Index]) : 0;
}

Rgb GetPixel(const Image& Picture, int32_t X, int32_t Y) {
  return ReadPixel(Picture.Row(Y), X, Picture.bitCount, Picture.masks, Picture.palette);
}

void SetPixel(Image& Picture, int32_t X, int32_t Y, Rgb Color) {
  uint8_t* RowBytes = Picture.Row(Y);
  switch (Picture.bitCount) {
    case 1:
    case 4:
    case 8:
      SetPixelIndex(Picture, X, Y, NearestIndex(Picture.palette, Color));
      break;
    case 16: {
      uint32_t V;
      if (Picture.masks == kMasks565)
        V = (uint32_t(RedOf(Color) >> 3) << 11) | (uint32_t(GreenOf(Color) >> 2) << 5) | (BlueOf(Color) >> 3);
      else
        V = (uint32_t(RedOf(Color) >> 3) << 10) | (uint32_t(GreenOf(Color) >> 3) << 5) | (BlueOf(Color) >> 3);
      RowBytes[2 * X] = uint8_t(V);
      RowBytes[2 * X + 1] = uint8_t(V >> 8);
      break;
    }
    case 24:
      RowBytes[3 * X] = BlueOf(Color);
      RowBytes[3 * X + 1] = GreenOf(Color);
      RowBytes[3 * X + 2] = RedOf(Color);
      break;
    case 32:
      RowBytes[4 * X] = BlueOf(Color);
      RowBytes[4 * X + 1] = GreenOf(Color);
      RowBytes[4 * X + 2] = RedOf(Color);
      break;
    default:
      break;
  }
}

uint32_t NearestIndex(const std::vector<RgbQuad>& Palette, Rgb Color) {
  uint32_t Best = 0, BestDistance = UINT32_MAX;
  for (uint32_t I = 0; I < Palette.size(); ++I) {
    const uint32_t D = Distance(Palette[I], Color);
    if (D < BestDistance) {
      Best = I;
      BestDistance = D;
      if (D == 0) break;
    }
  }
  return Best;
}

std::vector<RgbQuad> DefaultPalette(uint16_t BitCount) {
  std::vector<RgbQuad> Palette;
  if (BitCount == 1) {
    Palette = {RgbToQuad(0x000000), RgbToQuad(0xFFFFFF)};
  } else if (BitCount == 4) {
    static constexpr Rgb kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (Rgb C : kVga) Palette.push_back(RgbToQuad(C));
  } else if (BitCount == 8) {
    // A 6x6x6 colour cube, the VGA colours it lacks, then greys: the framework's named colours
    // and grey pictures come through exactly or nearly so.
    for (int R = 0; R < 6; ++R)
      for (int G = 0; G < 6; ++G)
        for (int B = 0; B < 6; ++B)
          Palette.push_back(RgbQuad{uint8_t(B * 51), uint8_t(G * 51), uint8_t(R * 51), 0});
    for (Rgb C : {0x800000u, 0x008000u, 0x808000u, 0x000080u, 0x800080u, 0x008080u, 0x808080u, 0xC0C0C0u})
      Palette.push_back(RgbToQuad(C));
    for (int Step : {8, 4})
      for (int V = Step; V < 256 && Palette.size() < 256; V += Step) {
        const Rgb Grey = MakeRgb(uint8_t(V), uint8_t(V), uint8_t(V));
        if (Distance(Palette[NearestIndex(Palette, Grey)], Grey) != 0) Palette.push_back(RgbToQuad(Grey));
      }
  }
  return Palette;
}

void CompletePalette(std::vector<RgbQuad>& Palette, uint16_t BitCount) {
  if (BitCount > 8) return;
  const size_t Full = size_t(1) << BitCount;
  for (const RgbQuad& Q : DefaultPalette(BitCount)) {
    if (Palette.size() >= Full) break;
    if (std::find(Palette.begin(), Palette.end(), Q) == Palette.end()) Palette.push_back(Q);
  }
  Palette.resize(Full);
}

Image ConvertBitCount(const Image& Source, uint16_t BitCount, const BitMasks& Masks) {
  Image Target;
  if (!IsSupportedBitCount(BitCount))
    throw EBmpError("Bitmap depth of " + std::to_string(BitCount) + " bits is not supported");
  if (Masks != BitMasks{})
    Target.masks = Masks;
  else if (BitCount == Source.bitCount)
    Target.masks = Source.masks;
  Target.Allocate(Source.width, Source.height, BitCount);  // replaces layouts it cannot hold

  if (BitCount > 8) {
    const bool KeepAlpha = BitCount == 32 && Source.bitCount == 32 && Target.masks.alpha != 0;
    for (int32_t Y = 0; Y < Source.height; ++Y) {
      for (int32_t X = 0; X < Source.width; ++X) SetPixel(Target, X, Y, GetPixel(Source, X, Y));
      if (KeepAlpha)
        for (int32_t X = 0; X < Source.width; ++X) Target.Row(Y)[4 * X + 3] = Source.Row(Y)[4 * X + 3];
    }
    return Target;
  }

  const size_t Capacity = size_t(1) << BitCount;
  const bool ReuseIndices =
      Source.IsIndexed() && !Source.palette.empty() && Source.palette.size() <= Capacity;
  if (ReuseIndices) {
    Target.palette = Source.palette;
  } else if (!CollectColours(Source, Capacity, Target.palette)) {
    Target.palette = DefaultPalette(BitCount);
  }
  IndexMapper Mapper(Target.palette);
  for (int32_t Y = 0; Y < Source.height; ++Y)
    for (int32_t X = 0; X < Source.width; ++X) {
      const uint32_t Index = ReuseIndices ? GetPixelIndex(Source, X, Y) : Capacity;
      if (Index < Target.palette.size())
        SetPixelIndex(Target, X, Y, Index);
      else
        SetPixelIndex(Target, X, Y, Mapper(GetPixel(Source, X, Y)));
    }
  return Target;
}

}  // namespace bmp
