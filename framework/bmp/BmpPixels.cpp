#include "framework/bmp/BmpPixels.h"

#include <algorithm>
#include <unordered_map>

#include "framework/bmp/BmpError.h"

namespace bmp {
namespace {

uint8_t Widen5(uint32_t v) {
  return uint8_t((v << 3) | (v >> 2));
}
uint8_t Widen6(uint32_t v) {
  return uint8_t((v << 2) | (v >> 4));
}

Rgb QuadToRgb(RgbQuad q) {
  return MakeRgb(q.red, q.green, q.blue);
}
RgbQuad RgbToQuad(Rgb c) {
  return RgbQuad{BlueOf(c), GreenOf(c), RedOf(c), 0};
}

uint32_t Distance(RgbQuad q, Rgb c) {
  const int dr = int(q.red) - RedOf(c), dg = int(q.green) - GreenOf(c), db = int(q.blue) - BlueOf(c);
  return uint32_t(dr * dr + dg * dg + db * db);
}

// Maps colours to palette indices, remembering answers: pictures repeat their colours a lot.
class IndexMapper {
 public:
  explicit IndexMapper(const std::vector<RgbQuad>& palette) : palette_(palette) {}
  uint32_t operator()(Rgb c) {
    auto it = cache_.find(c);
    if (it != cache_.end()) return it->second;
    const uint32_t index = NearestIndex(palette_, c);
    cache_.emplace(c, index);
    return index;
  }

 private:
  const std::vector<RgbQuad>& palette_;
  std::unordered_map<Rgb, uint32_t> cache_;
};

// The distinct colours of an image, or nothing when there are more than `limit`.
bool CollectColours(const Image& image, size_t limit, std::vector<RgbQuad>& out) {
  std::unordered_map<Rgb, uint32_t> seen;
  out.clear();
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x) {
      const Rgb c = GetPixel(image, x, y);
      if (seen.emplace(c, uint32_t(out.size())).second) {
        if (out.size() == limit) return false;
        out.push_back(RgbToQuad(c));
      }
    }
  return true;
}

}  // namespace

uint32_t GetPixelIndex(const Image& image, int32_t x, int32_t y) {
  const uint8_t* row = image.Row(y);
  switch (image.bitCount) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case 8:
      return row[x];
    default:
      return 0;
  }
}

void SetPixelIndex(Image& image, int32_t x, int32_t y, uint32_t index) {
  uint8_t* row = image.Row(y);
  switch (image.bitCount) {
    case 1: {
      const uint8_t bit = uint8_t(0x80 >> (x & 7));
      row[x >> 3] = (index & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      break;
    }
    case 4:
      if (x & 1)
        row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | (index & 0x0F));
      else
        row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | ((index & 0x0F) << 4));
      break;
    case 8:
      row[x] = uint8_t(index);
      break;
    default:
      break;
  }
}

Rgb ReadPixel(const uint8_t* row, int32_t x, uint16_t bitCount, const BitMasks& masks,
              const std::vector<RgbQuad>& palette) {
  uint32_t index = 0;
  switch (bitCount) {
    case 1:
      index = (row[x >> 3] >> (7 - (x & 7))) & 1;
      break;
    case 4:
      index = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
      break;
    case 8:
      index = row[x];
      break;
    case 16: {
      const uint32_t v = row[2 * x] | (uint32_t(row[2 * x + 1]) << 8);
      if (masks == kMasks565) return MakeRgb(Widen5(v >> 11), Widen6((v >> 5) & 0x3F), Widen5(v & 0x1F));
      return MakeRgb(Widen5((v >> 10) & 0x1F), Widen5((v >> 5) & 0x1F), Widen5(v & 0x1F));
    }
    case 24:
      return MakeRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32:
      return MakeRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default:
      return 0;
  }
  return index < palette.size() ? QuadToRgb(palette[index]) : 0;
}

Rgb GetPixel(const Image& image, int32_t x, int32_t y) {
  return ReadPixel(image.Row(y), x, image.bitCount, image.masks, image.palette);
}

void SetPixel(Image& image, int32_t x, int32_t y, Rgb color) {
  uint8_t* row = image.Row(y);
  switch (image.bitCount) {
    case 1:
    case 4:
    case 8:
      SetPixelIndex(image, x, y, NearestIndex(image.palette, color));
      break;
    case 16: {
      uint32_t v;
      if (image.masks == kMasks565)
        v = (uint32_t(RedOf(color) >> 3) << 11) | (uint32_t(GreenOf(color) >> 2) << 5) | (BlueOf(color) >> 3);
      else
        v = (uint32_t(RedOf(color) >> 3) << 10) | (uint32_t(GreenOf(color) >> 3) << 5) | (BlueOf(color) >> 3);
      row[2 * x] = uint8_t(v);
      row[2 * x + 1] = uint8_t(v >> 8);
      break;
    }
    case 24:
      row[3 * x] = BlueOf(color);
      row[3 * x + 1] = GreenOf(color);
      row[3 * x + 2] = RedOf(color);
      break;
    case 32:
      row[4 * x] = BlueOf(color);
      row[4 * x + 1] = GreenOf(color);
      row[4 * x + 2] = RedOf(color);
      break;
    default:
      break;
  }
}

uint32_t NearestIndex(const std::vector<RgbQuad>& palette, Rgb color) {
  uint32_t best = 0, bestDistance = UINT32_MAX;
  for (uint32_t i = 0; i < palette.size(); ++i) {
    const uint32_t d = Distance(palette[i], color);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
      if (d == 0) break;
    }
  }
  return best;
}

std::vector<RgbQuad> DefaultPalette(uint16_t bitCount) {
  std::vector<RgbQuad> palette;
  if (bitCount == 1) {
    palette = {RgbToQuad(0x000000), RgbToQuad(0xFFFFFF)};
  } else if (bitCount == 4) {
    static constexpr Rgb kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (Rgb c : kVga) palette.push_back(RgbToQuad(c));
  } else if (bitCount == 8) {
    // A 6x6x6 colour cube, the VGA colours it lacks, then greys: the framework's named colours
    // and grey pictures come through exactly or nearly so.
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          palette.push_back(RgbQuad{uint8_t(b * 51), uint8_t(g * 51), uint8_t(r * 51), 0});
    for (Rgb c : {0x800000u, 0x008000u, 0x808000u, 0x000080u, 0x800080u, 0x008080u, 0x808080u, 0xC0C0C0u})
      palette.push_back(RgbToQuad(c));
    for (int step : {8, 4})
      for (int v = step; v < 256 && palette.size() < 256; v += step) {
        const Rgb grey = MakeRgb(uint8_t(v), uint8_t(v), uint8_t(v));
        if (Distance(palette[NearestIndex(palette, grey)], grey) != 0) palette.push_back(RgbToQuad(grey));
      }
  }
  return palette;
}

void CompletePalette(std::vector<RgbQuad>& palette, uint16_t bitCount) {
  if (bitCount > 8) return;
  const size_t full = size_t(1) << bitCount;
  for (const RgbQuad& q : DefaultPalette(bitCount)) {
    if (palette.size() >= full) break;
    if (std::find(palette.begin(), palette.end(), q) == palette.end()) palette.push_back(q);
  }
  palette.resize(full);
}

Image ConvertBitCount(const Image& source, uint16_t bitCount, const BitMasks& masks) {
  Image target;
  if (!IsSupportedBitCount(bitCount))
    throw EBmpError("Bitmap depth of " + std::to_string(bitCount) + " bits is not supported");
  if (masks != BitMasks{})
    target.masks = masks;
  else if (bitCount == source.bitCount)
    target.masks = source.masks;
  target.Allocate(source.width, source.height, bitCount);  // replaces layouts it cannot hold

  if (bitCount > 8) {
    const bool keepAlpha = bitCount == 32 && source.bitCount == 32 && target.masks.alpha != 0;
    for (int32_t y = 0; y < source.height; ++y) {
      for (int32_t x = 0; x < source.width; ++x) SetPixel(target, x, y, GetPixel(source, x, y));
      if (keepAlpha)
        for (int32_t x = 0; x < source.width; ++x) target.Row(y)[4 * x + 3] = source.Row(y)[4 * x + 3];
    }
    return target;
  }

  const size_t capacity = size_t(1) << bitCount;
  const bool reuseIndices =
      source.IsIndexed() && !source.palette.empty() && source.palette.size() <= capacity;
  if (reuseIndices) {
    target.palette = source.palette;
  } else if (!CollectColours(source, capacity, target.palette)) {
    target.palette = DefaultPalette(bitCount);
  }
  IndexMapper mapper(target.palette);
  for (int32_t y = 0; y < source.height; ++y)
    for (int32_t x = 0; x < source.width; ++x) {
      const uint32_t index = reuseIndices ? GetPixelIndex(source, x, y) : capacity;
      if (index < target.palette.size())
        SetPixelIndex(target, x, y, index);
      else
        SetPixelIndex(target, x, y, mapper(GetPixel(source, x, y)));
    }
  return target;
}

}  // namespace bmp
