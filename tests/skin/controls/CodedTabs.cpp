#include "tests/skin/controls/CodedTabs.h"

#include "framework/bmp/Bmp.h"
#include "tests/skin/controls/ControlsTestUtil.h"

namespace ctltest {

std::uint32_t FrameRgb(TListStrip Strip, int Frame) {
  return FrameRgb(static_cast<TStrip>(Strip), Frame);
}

COLORREF FrameColor(TListStrip Strip, int Frame) {
  return FrameColor(static_cast<TStrip>(Strip), Frame);
}

COLORREF Rgb(std::uint32_t Color) {
  return RGB((Color >> 16) & 0xFF, (Color >> 8) & 0xFF, Color & 0xFF);
}

std::vector<std::uint8_t> PictureBmp(int W, int H, const std::function<std::uint32_t(int, int)>& Pixel) {
  bmp::Image Image;
  Image.Allocate(W, H, 24);
  for (int Y = 0; Y < H; ++Y) {
    std::uint8_t* Row = Image.Row(Y);
    for (int X = 0; X < W; ++X) {
      const std::uint32_t C = Pixel(X, Y);
      Row[3 * X] = static_cast<std::uint8_t>(C);
      Row[3 * X + 1] = static_cast<std::uint8_t>(C >> 8);
      Row[3 * X + 2] = static_cast<std::uint8_t>(C >> 16);
    }
  }
  return bmp::Encode(Image);
}

namespace {

String Colour(std::uint32_t C) {
  return IntToStr(static_cast<int>((C >> 16) & 0xFF)) + " " + IntToStr(static_cast<int>((C >> 8) & 0xFF)) +
         " " + IntToStr(static_cast<int>(C & 0xFF));
}

}  // namespace

void AddListElements(String& Ini, TSkinFiles& Files, const TCodedSkin& Options) {
  using namespace coded;
  const int T = kTabFrame;
  Ini += "[Tabs]\nImage=tabs.bmp\nBorder=tabborder.bmp\nStyle=" + IntToStr(Options.TabStyle) +
         "\nTopHeight=3\nBottomHeight=3\nTrans=0\nNormalColour2=" + Colour(kTabText) +
         "\nMouseOverColour2=" + Colour(kTabTextSelected) +
         "\n"
         "[Tab.Pane]\nImage=tabpane.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
         "[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\n"
         "[TRACKVERT]\nImage=trackvert.bmp\nTopHeight=2\nBottomHeight=2\n"
         "[Trackbar.ThumbHorz]\nImage=thumbh.bmp\nTrans=1\n"
         "[Trackbar.ThumbVert]\nImage=thumbv.bmp\nTrans=1\n"
         "[Progress]\nBitmap=progress.bmp\nStyle=" +
         IntToStr(Options.ProgressStyle) +
         "\nTrans=1\n"
         "[Progress.Chunk]\nImage=chunk.bmp\nTile=" +
         IntToStr(Options.ChunkTile) +
         "\n"
         "[Headerbar]\nImage=header.bmp\n";
  // Tab frames: the outer band on top, the inner one at the bottom, the frame's colour between.
  Files.push_back({"tabs.bmp", PictureBmp(5 * T, T, [T](int X, int Y) {
                     if (Y < 3) return kTabOuter;
                     if (Y >= T - 3) return kTabInner;
                     return FrameRgb(kTabStrip, X / T + 1);
                   })});
  Files.push_back(
      {"tabborder.bmp", PictureBmp(12, 12, [](int, int Y) { return Y < 4 ? kBorderTop : kBorderEdge; })});
  Files.push_back({"tabpane.bmp", PictureBmp(12, 12, [](int, int) { return kPane; })});
  Files.push_back({"track.bmp", PictureBmp(16, 4, [](int X, int) {
                     return X < 2 ? kTrackHead : X >= 14 ? kTrackTail : kTrackBody;
                   })});
  Files.push_back({"trackvert.bmp", PictureBmp(4, 16, [](int, int Y) {
                     return Y < 2 ? kTrackVertHead : Y >= 14 ? kTrackVertTail : kTrackVertBody;
                   })});
  Files.push_back({"thumbh.bmp", StripBmp(static_cast<TStrip>(kThumbHorzStrip), 5, 10, 20)});
  Files.push_back({"thumbv.bmp", StripBmp(static_cast<TStrip>(kThumbVertStrip), 5, 20, 10)});
  Files.push_back({"progress.bmp", StripBmp(static_cast<TStrip>(kProgressStrip),
                                            Options.ProgressStyle == 0 ? 2 : 1, 20, 12)});
  Files.push_back({"chunk.bmp", PictureBmp(kChunkW, kChunkH, [](int, int) { return kChunk; })});
  Files.push_back({"header.bmp", StripBmp(static_cast<TStrip>(kHeaderStrip), 5, 20, 20)});
}

}  // namespace ctltest
