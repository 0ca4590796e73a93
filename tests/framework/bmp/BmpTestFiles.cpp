#include "tests/framework/bmp/BmpTestFiles.h"

#include "framework/bmp/BmpPixels.h"

namespace bmptest {
namespace {

void Put16(std::vector<uint8_t>& Out, uint32_t V) {
  Out.push_back(uint8_t(V));
  Out.push_back(uint8_t(V >> 8));
}
void Put32(std::vector<uint8_t>& Out, uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

}  // namespace

std::vector<uint8_t> Build(const RawFile& F) {
  std::vector<uint8_t> Header;
  Put32(Header, F.headerSize);
  if (F.headerSize == 12) {
    Put16(Header, uint16_t(F.width));
    Put16(Header, uint16_t(F.height));
    Put16(Header, F.planes);
    Put16(Header, F.bitCount);
  } else {
    Put32(Header, uint32_t(F.width));
    Put32(Header, uint32_t(F.height));
    Put16(Header, F.planes);
    Put16(Header, F.bitCount);
    Put32(Header, F.compression);
    Put32(Header, F.imageSize);
    Put32(Header, 2835);
    Put32(Header, 2835);
    Put32(Header, F.colorsUsed);
    Put32(Header, 0);
    if (F.headerSize > 40) {
      for (uint32_t M : F.masks) Put32(Header, M);
    }
    Header.resize(F.headerSize, 0);
    if (F.headerSize == 40)
      for (uint32_t M : F.masks) Put32(Header, M);
  }
  const uint32_t Offset =
      F.pixelOffset >= 0 ? uint32_t(F.pixelOffset) : uint32_t(14 + Header.size() + F.palette.size());
  std::vector<uint8_t> Out;
  Put16(Out, F.signature);
  Put32(Out, 0);
  Put32(Out, 0);
  Put32(Out, Offset);
  Out.insert(Out.end(), Header.begin(), Header.end());
  Out.insert(Out.end(), F.palette.begin(), F.palette.end());
  Out.insert(Out.end(), F.pixels.begin(), F.pixels.end());
  const uint32_t Size = F.fileSize ? F.fileSize : uint32_t(Out.size());
  for (int I = 0; I < 4; ++I) Out[2 + size_t(I)] = uint8_t(Size >> (8 * I));
  return Out;
}

bmp::Image Pattern(int32_t Width, int32_t Height, uint16_t BitCount) {
  bmp::Image Picture;
  if (BitCount <= 8) {
    const uint32_t Colours = 1u << BitCount;
    for (uint32_t I = 0; I < Colours; ++I)
      Picture.palette.push_back(bmp::RgbQuad{uint8_t(I * 37), uint8_t(255 - I), uint8_t(I * 11 + 3), 0});
  }
  Picture.Allocate(Width, Height, BitCount);
  for (int32_t Y = 0; Y < Height; ++Y)
    for (int32_t X = 0; X < Width; ++X) {
      if (BitCount <= 8)
        bmp::SetPixelIndex(Picture, X, Y, uint32_t(X * 3 + Y * 5 + (X / 4)) % (1u << BitCount));
      else
        bmp::SetPixel(Picture, X, Y,
                      bmp::MakeRgb(uint8_t(X * 40 + Y), uint8_t(Y * 30 + 7), uint8_t(X * Y + 200)));
    }
  return Picture;
}

RawFile Small8Bit() {
  RawFile F;
  F.width = 5;
  F.height = 3;
  F.bitCount = 8;
  F.colorsUsed = 4;
  F.palette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // black, red, green, blue
  // Bottom row first; rows padded to 8 bytes.
  F.pixels = {0, 1, 2, 3, 0, 0, 0, 0,  //
              1, 1, 1, 1, 1, 0, 0, 0,  //
              3, 2, 1, 0, 3, 0, 0, 0};
  return F;
}

}  // namespace bmptest
