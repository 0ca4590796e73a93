#include "framework/bmp/BmpRle.h"

#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpPixels.h"

namespace bmp {
namespace {

[[noreturn]] void Truncated() {
  throw EBmpError("Truncated bitmap: the compressed pixel data ends before its end-of-bitmap mark");
}

// Write position of the decoder: x across, y counted from the bottom row as the stream runs.
struct Cursor {
  Image& image;
  uint64_t x = 0;
  uint64_t y = 0;
  void Put(uint32_t Index) {
    if (x < uint64_t(image.width) && y < uint64_t(image.height))
      SetPixelIndex(image, int32_t(x), image.height - 1 - int32_t(y), Index);
    ++x;
  }
};

}  // namespace

void DecodeRle(std::span<const uint8_t> Stream, Image& Picture) {
  const bool Four = Picture.bitCount == 4;
  Cursor At{Picture};
  size_t Offset = 0;
  auto Need = [&](size_t N) {
    if (Stream.size() - Offset < N) Truncated();
  };
  for (;;) {
    Need(2);
    const uint8_t Count = Stream[Offset], Value = Stream[Offset + 1];
    Offset += 2;
    if (Count != 0) {  // encoded run
      for (uint32_t I = 0; I < Count; ++I) At.Put(Four ? ((I & 1) ? (Value & 0x0F) : (Value >> 4)) : Value);
      continue;
    }
    switch (Value) {
      case 0:  // end of line
        At.x = 0;
        ++At.y;
        break;
      case 1:
        return;  // end of bitmap
      case 2:    // move right and up
        Need(2);
        At.x += Stream[Offset];
        At.y += Stream[Offset + 1];
        Offset += 2;
        break;
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const size_t Bytes = Four ? (Value + 1u) / 2 : Value;
        const size_t Padded = (Bytes + 1) & ~size_t(1);
        Need(Padded);
        for (uint32_t I = 0; I < Value; ++I) {
          const uint8_t B = Stream[Offset + (Four ? I / 2 : I)];
          At.Put(Four ? ((I & 1) ? (B & 0x0F) : (B >> 4)) : B);
        }
        Offset += Padded;
      }
    }
  }
}

std::vector<uint8_t> EncodeRle(const Image& Picture) {
  if (Picture.bitCount != 8 && Picture.bitCount != 4) throw EBmpError("RLE needs an 8- or 4-bit picture");
  const bool Four = Picture.bitCount == 4;
  std::vector<uint8_t> Out;
  std::vector<uint8_t> Px(size_t(Picture.width));
  for (int32_t Yb = 0; Yb < Picture.height; ++Yb) {
    const int32_t Y = Picture.height - 1 - Yb;
    for (int32_t X = 0; X < Picture.width; ++X) Px[size_t(X)] = uint8_t(GetPixelIndex(Picture, X, Y));
    const size_t W = Px.size();
    size_t I = 0;
    while (I < W) {
      size_t Run = 1;
      while (I + Run < W && Run < 255 && Px[I + Run] == Px[I]) ++Run;
      if (Run >= 2) {
        Out.push_back(uint8_t(Run));
        Out.push_back(Four ? uint8_t(Px[I] << 4 | Px[I]) : Px[I]);
        I += Run;
        continue;
      }
      // Gather differing pixels until a run of three starts: shorter runs cost more on their own.
      size_t J = I;
      while (J < W && J - I < 255) {
        if (J + 2 < W && Px[J] == Px[J + 1] && Px[J + 1] == Px[J + 2]) break;
        ++J;
      }
      const size_t N = J - I;
      if (N < 3) {  // absolute mode needs three pixels at least
        for (size_t K = I; K < J; ++K) {
          Out.push_back(1);
          Out.push_back(Four ? uint8_t(Px[K] << 4) : Px[K]);
        }
      } else {
        Out.push_back(0);
        Out.push_back(uint8_t(N));
        size_t Bytes = 0;
        if (Four) {
          for (size_t K = 0; K < N; K += 2) {
            Out.push_back(uint8_t(Px[I + K] << 4 | (K + 1 < N ? Px[I + K + 1] : 0)));
            ++Bytes;
          }
        } else {
          Out.insert(Out.end(), Px.begin() + ptrdiff_t(I), Px.begin() + ptrdiff_t(J));
          Bytes = N;
        }
        if (Bytes & 1) Out.push_back(0);
      }
      I = J;
    }
    Out.push_back(0);
    Out.push_back(Yb + 1 == Picture.height ? 1 : 0);
  }
  if (Picture.height == 0) {
    Out.push_back(0);
    Out.push_back(1);
  }
  return Out;
}

}  // namespace bmp
