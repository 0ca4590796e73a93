// Keyed (magenta transparent) painting copies on the source's rows; its pixels must be those of the
// masked blit it replaced. Every element of both shipped skins, every frame, through each keyed
// painter, at its own size and at a larger one, onto 24- and 32-bit targets with a patterned
// background.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {

std::vector<TDataSkinObject*> Elements(TSkinData& D) {
  std::vector<TDataSkinObject*> All{D.Title.get(), D.Button.get()};
  for (auto& B : D.SysButtons) All.push_back(B.get());
  for (auto& B : D.Borders) All.push_back(B.get());
  for (TDataSkinObject* E : {static_cast<TDataSkinObject*>(D.Tab.get()),
                             static_cast<TDataSkinObject*>(D.UpDownHorz.get()),
                             static_cast<TDataSkinObject*>(D.UpDownVert.get()),
                             D.SunkEdge.get(),
                             D.ExtraImages.get(),
                             static_cast<TDataSkinObject*>(D.ComboButton.get()),
                             D.ComboxArrow.get(),
                             D.GroupBoxEdge.get(),
                             D.Toolbar.get(),
                             D.ToolBars.get(),
                             D.Progress.get(),
                             D.ProgressChunk.get(),
                             static_cast<TDataSkinObject*>(D.GroupBox.get()),
                             D.StatusBarEdges.get(),
                             D.TabPane.get(),
                             D.Headerbar.get(),
                             D.MenuBar.get(),
                             D.MenuItem.get(),
                             D.MenuBackground.get(),
                             D.Scrollbar.get(),
                             D.HorzScroll.get(),
                             D.VertScroll.get(),
                             D.HorzScrollThumb.get(),
                             D.VertScrollThumb.get(),
                             D.TrackbarThumbHorz.get(),
                             D.TrackbarThumbVert.get(),
                             D.TrackbarThumbLeft.get(),
                             D.TrackbarThumbRight.get(),
                             D.TrackbarThumbUp.get(),
                             D.TrackbarThumbDown.get(),
                             D.Track.get(),
                             D.TrackVert.get(),
                             D.MinCaption.get()})
    All.push_back(E);
  std::erase_if(All, [](TDataSkinObject* E) { return !E || !E->Bitmap || E->Bitmap->Empty(); });
  return All;
}

struct TPainter {
  const char* Name;
  void (*Paint)(HDC DC, const RECT& R, TDataSkinObject& E, int Frame);
};

const TPainter kPainters[] = {
    {"DrawRect2",
     [](HDC DC, const RECT& R, TDataSkinObject& E, int Frame) {
       DrawRect2(DC, R, E.Bitmap.get(), E.Margins, Frame, E.FrameCount, 1, E.Tile, 0);
     }},
    {"DrawRect2 stacked",
     [](HDC DC, const RECT& R, TDataSkinObject& E, int Frame) {
       DrawRect2(DC, R, E.Bitmap.get(), E.Margins, Frame, E.FrameCount, 1, 1, 1);
     }},
    {"DrawRect1", [](HDC DC, const RECT& R, TDataSkinObject& E,
                     int Frame) { DrawRect1(DC, R, E.Bitmap.get(), Frame, E.FrameCount, 1); }},
    {"DrawRect3", [](HDC DC, const RECT& R, TDataSkinObject& E,
                     int Frame) { DrawRect3(DC, R, E.Bitmap.get(), Frame, E.FrameCount, 1); }},
    {"DrawTranmap",
     [](HDC DC, const RECT& R, TDataSkinObject& E, int) { DrawTranmap(DC, R, E.Bitmap.get(), clFuchsia); }},
};

class KeyedPainting : public ::testing::TestWithParam<const char*> {};

TEST_P(KeyedPainting, RowsGiveTheMaskedBlitPixelsForEveryElementAndFrame) {
  TSkinData Data(nullptr);
  Data.FSkinStream->LoadFromFile(GetParam());
  ASSERT_TRUE(Data.LoadSkin()) << GetParam();
  const auto All = Elements(Data);
  ASSERT_GT(All.size(), 20u);
  int Compared = 0;
  for (TPixelFormat Format : {pf24bit, pf32bit}) {
    for (TDataSkinObject* E : All) {
      const int Frames = std::max<int>(1, E->FrameCount);
      const int FrameW = std::max(1, E->Bitmap->Width() / Frames), FrameH = E->Bitmap->Height();
      for (const RECT R :
           {RECT{3, 2, 3 + FrameW, 2 + FrameH}, RECT{1, 4, 1 + 2 * FrameW + 7, 4 + FrameH + 5}}) {
        for (const TPainter& P : kPainters) {
          for (int Frame = 1; Frame <= Frames; ++Frame) {
            auto Background = [](int X, int Y) { return TColor(((X * 37) ^ (Y * 91)) & 0xFFFFFF); };
            auto Expected = MakeBitmap(R.right + 4, R.bottom + 4, Background, Format);
            auto Actual = MakeBitmap(R.right + 4, R.bottom + 4, Background, Format);
            skin::paint::ForceKeyMethod(skin::paint::TKeyMethod::MaskBlt);
            P.Paint(Expected->Canvas()->Handle(), R, *E, Frame);
            skin::paint::ForceKeyMethod(std::nullopt);
            P.Paint(Actual->Canvas()->Handle(), R, *E, Frame);
            std::string Where;
            ASSERT_TRUE(SamePixels(*Expected, *Actual, &Where))
                << P.Name << " of " << E->Name << " frame " << Frame << " in " << R.right - R.left << "x"
                << R.bottom - R.top << ", " << (Format == pf24bit ? 24 : 32) << "-bit target: " << Where;
            ++Compared;
          }
        }
      }
    }
  }
  EXPECT_GT(Compared, 500);
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, KeyedPainting,
                         ::testing::Values(DEFAULT_SKIN_ARCHIVE, DARK_SKIN_ARCHIVE),
                         [](const ::testing::TestParamInfo<const char*>& Info) {
                           return std::string(Info.index == 0 ? "Default" : "Dark");
                         });

}  // namespace
