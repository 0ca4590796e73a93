// Frame selection and slice plans of the skin painters, checked without a device context.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/imaging/SkinGeometry.h"

using namespace skin;

namespace {
std::vector<TSliceCopy> Copies(const TSlicePlan& P) {
  return {P.begin(), P.end()};
}
TSliceCopy C(TSkinRect D, TSkinRect S, bool Tiled = false) {
  return TSliceCopy{D, S, Tiled};
}
}  // namespace

TEST(FrameSelection, HorizontalAndVerticalStrips) {
  EXPECT_EQ(SelectFrame(64, 16, 3, 4, false), (TFrame{32, 0, 16, 16}));
  EXPECT_EQ(SelectFrame(64, 16, 1, 4, false), (TFrame{0, 0, 16, 16}));
  EXPECT_EQ(SelectFrame(20, 60, 2, 3, true), (TFrame{0, 20, 20, 20}));
  // Widths that do not divide evenly lose the remainder at the right end.
  EXPECT_EQ(SelectFrame(65, 16, 4, 4, false), (TFrame{48, 0, 16, 16}));
}

TEST(FrameSelection, BadCountsAndIndicesStayInsideTheBitmap) {
  EXPECT_EQ(SelectFrame(64, 16, 1, 0, false), (TFrame{0, 0, 64, 16}));
  EXPECT_EQ(SelectFrame(64, 16, 5, -3, true), (TFrame{0, 0, 64, 16}));
  EXPECT_EQ(SelectFrame(64, 16, 0, 4, false), (TFrame{0, 0, 16, 16}));
  EXPECT_EQ(SelectFrame(64, 16, 9, 4, false), (TFrame{48, 0, 16, 16}));
  EXPECT_EQ(SelectFrame(64, 16, INT_MIN, INT_MAX, false), (TFrame{0, 0, 0, 16}));
  EXPECT_EQ(SelectFrame(-5, -5, 1, 1, false), (TFrame{0, 0, 0, 0}));
}

TEST(NineSlice, AllNineCopiesInTheirOrder) {
  const TFrame F{30, 0, 30, 20};  // second frame of a 2-frame 60 by 20 strip
  const auto Plan = Copies(NineSlicePlan(F, TSkinRect{4, 3, 5, 2}, 100, 40, false, true));
  const std::vector<TSliceCopy> Want = {
      C({0, 0, 4, 3}, {30, 0, 34, 3}),         // top-left
      C({0, 38, 4, 40}, {30, 18, 34, 20}),     // bottom-left
      C({95, 0, 100, 3}, {55, 0, 60, 3}),      // top-right
      C({0, 3, 4, 38}, {30, 3, 34, 18}),       // left edge
      C({4, 0, 95, 3}, {34, 0, 55, 3}),        // top edge
      C({4, 3, 95, 38}, {34, 3, 55, 18}),      // centre
      C({95, 38, 100, 40}, {55, 18, 60, 20}),  // bottom-right
      C({95, 3, 100, 38}, {55, 3, 60, 18}),    // right edge
      C({4, 38, 95, 40}, {34, 18, 55, 20}),    // bottom edge
  };
  EXPECT_EQ(Plan, Want);
}

TEST(NineSlice, MarginsCollapsePerAxisAndCornersNeedBothMargins) {
  const TFrame F{0, 0, 20, 20};
  // Too narrow for left + right: only top and bottom remain, spanning the full width.
  auto Plan = Copies(NineSlicePlan(F, TSkinRect{6, 4, 6, 4}, 11, 30, false, true));
  std::vector<TSliceCopy> Want = {
      C({0, 0, 11, 4}, {0, 0, 20, 4}),      // top edge
      C({0, 4, 11, 26}, {0, 4, 20, 16}),    // centre
      C({0, 26, 11, 30}, {0, 16, 20, 20}),  // bottom edge
  };
  EXPECT_EQ(Plan, Want);
  // Too low as well: a pure stretch of the whole frame.
  Plan = Copies(NineSlicePlan(F, TSkinRect{6, 4, 6, 4}, 11, 7, false, true));
  EXPECT_EQ(Plan, (std::vector<TSliceCopy>{C({0, 0, 11, 7}, {0, 0, 20, 20})}));
  // Exactly fitting margins are kept (the centre has no area and is dropped).
  Plan = Copies(NineSlicePlan(F, TSkinRect{6, 0, 6, 0}, 12, 5, false, true));
  EXPECT_EQ(Plan,
            (std::vector<TSliceCopy>{C({0, 0, 6, 5}, {0, 0, 6, 20}), C({6, 0, 12, 5}, {14, 0, 20, 20})}));
  // Left only: no corners, left edge and centre.
  Plan = Copies(NineSlicePlan(F, TSkinRect{3, 0, 0, 0}, 50, 50, false, true));
  EXPECT_EQ(Plan,
            (std::vector<TSliceCopy>{C({0, 0, 3, 50}, {0, 0, 3, 20}), C({3, 0, 50, 50}, {3, 0, 20, 20})}));
}

TEST(NineSlice, TiledCentreBorderOnlyAndBadMargins) {
  const TFrame F{0, 0, 20, 20};
  auto Plan = Copies(NineSlicePlan(F, TSkinRect{0, 0, 0, 0}, 50, 50, true, true));
  EXPECT_EQ(Plan, (std::vector<TSliceCopy>{C({0, 0, 50, 50}, {0, 0, 20, 20}, true)}));
  Plan = Copies(NineSlicePlan(F, TSkinRect{2, 2, 2, 2}, 50, 50, false, false));
  EXPECT_EQ(Plan.size(), 8u);
  for (const auto& Slice : Plan) EXPECT_NE(Slice.Dest, (TSkinRect{2, 2, 48, 48}));
  // Negative margins count as 0; margins wider than the frame never read outside it.
  Plan = Copies(NineSlicePlan(F, TSkinRect{-4, -1, 0, 0}, 50, 50, false, true));
  EXPECT_EQ(Plan, (std::vector<TSliceCopy>{C({0, 0, 50, 50}, {0, 0, 20, 20})}));
  Plan = Copies(NineSlicePlan(F, TSkinRect{15, 0, 15, 0}, 50, 50, false, true));
  for (const auto& Slice : Plan) {
    EXPECT_GE(Slice.Source.Left, 0);
    EXPECT_LE(Slice.Source.Right, 20);
    EXPECT_GT(Slice.Source.Width(), 0);
  }
  // Nothing at all for an empty frame.
  EXPECT_EQ(NineSlicePlan(TFrame{0, 0, 0, 20}, TSkinRect{}, 10, 10, false, true).Count, 0);
}

TEST(TileStrip, TilesStepByTheMiddleAndTheRightSliceCoversTheOverrun) {
  const TFrame F{10, 0, 10, 8};  // middle width 10 - 2 - 3 = 5
  const TTileStrip S = TileStripPlan(F, 2, 3, 21, 12);
  ASSERT_FALSE(S.Degenerate);
  EXPECT_EQ(S.LeftSlice, C({0, 0, 2, 12}, {10, 0, 12, 8}));
  EXPECT_EQ(S.MiddleSource, (TSkinRect{12, 0, 17, 8}));
  EXPECT_EQ(S.FirstX, 2);
  EXPECT_EQ(S.Step, 5);
  EXPECT_EQ(S.Limit, 18);
  EXPECT_EQ(S.TileCount(), 4);  // at 2, 7, 12, 17; the last runs to 22 under the right slice
  EXPECT_EQ(S.RightSlice, C({18, 0, 21, 12}, {17, 0, 20, 8}));
}

TEST(TileStrip, NoMiddleStretchesTheWholeFrame) {
  const TTileStrip S = TileStripPlan(TFrame{0, 0, 10, 8}, 5, 5, 40, 12);
  EXPECT_TRUE(S.Degenerate);
  EXPECT_EQ(S.TileCount(), 0);
  EXPECT_EQ(S.Whole, C({0, 0, 40, 12}, {0, 0, 10, 8}));
}

TEST(ThreeSlice, AlongXAndAlongY) {
  const TFrame F{16, 0, 16, 10};
  auto H = Copies(ThreeSliceHPlan(F, TSkinRect{3, 9, 4, 9}, TSkinRect{100, 50, 140, 60}));
  EXPECT_EQ(H, (std::vector<TSliceCopy>{C({100, 50, 103, 60}, {16, 0, 19, 10}),
                                        C({103, 50, 136, 60}, {19, 0, 28, 10}),
                                        C({136, 50, 140, 60}, {28, 0, 32, 10})}));
  // Narrower than the frame: the frame alone, stretched.
  H = Copies(ThreeSliceHPlan(F, TSkinRect{3, 0, 4, 0}, TSkinRect{0, 0, 15, 10}));
  EXPECT_EQ(H, (std::vector<TSliceCopy>{C({0, 0, 15, 10}, {16, 0, 32, 10})}));

  const TFrame G{0, 12, 8, 12};
  auto V = Copies(ThreeSliceVPlan(G, TSkinRect{1, 2, 1, 3}, TSkinRect{5, 5, 13, 35}));
  EXPECT_EQ(V, (std::vector<TSliceCopy>{C({5, 5, 13, 7}, {0, 12, 8, 14}), C({5, 7, 13, 32}, {0, 14, 8, 21}),
                                        C({5, 32, 13, 35}, {0, 21, 8, 24})}));
  V = Copies(ThreeSliceVPlan(G, TSkinRect{1, 2, 1, 3}, TSkinRect{5, 5, 13, 16}));
  EXPECT_EQ(V, (std::vector<TSliceCopy>{C({5, 5, 13, 16}, {0, 12, 8, 24})}));
}

TEST(ThreeSlice, ThumbReadsWholeColumnsOfAHorizontalFrame) {
  const TFrame F{10, 0, 10, 20};
  auto T = Copies(ThumbPlan(F, TSkinRect{0, 4, 0, 5}, 14, 60));
  EXPECT_EQ(T, (std::vector<TSliceCopy>{C({0, 0, 14, 4}, {10, 0, 20, 4}), C({0, 4, 14, 55}, {10, 4, 20, 15}),
                                        C({0, 55, 14, 60}, {10, 15, 20, 20})}));
  T = Copies(ThumbPlan(F, TSkinRect{}, 14, 60));
  EXPECT_EQ(T, (std::vector<TSliceCopy>{C({0, 0, 14, 60}, {10, 0, 20, 20})}));
}

TEST(Placement, CentredOverhangTruncatesTowardZero) {
  EXPECT_EQ(CentredOrigin(TSkinRect{10, 10, 30, 20}, 6, 4), (TPoint2{17, 13}));
  // 5 - 10 = -5, halved toward zero: -2 (not -3).
  EXPECT_EQ(CentredOrigin(TSkinRect{10, 10, 15, 13}, 10, 6), (TPoint2{8, 9}));
  EXPECT_EQ(CentredOrigin(TSkinRect{0, 0, 0, 0}, 3, 3), (TPoint2{-1, -1}));
}

TEST(Placement, TileGridOverrunsTheTargetButSkipsInvisibleTiles) {
  const TSkinRect Big{-1000000, -1000000, 1000000, 1000000};
  TTileGrid G = TileGrid(TSkinRect{0, 0, 10, 7}, 4, 3, Big);
  EXPECT_EQ(G.FirstX, 0);
  EXPECT_EQ(G.CountX, 3);  // 0, 4, 8 (the last runs to 12)
  EXPECT_EQ(G.CountY, 3);  // 0, 3, 6
  // Only the tiles meeting the visible box, at their unclipped positions.
  G = TileGrid(TSkinRect{0, 0, 100, 100}, 10, 10, TSkinRect{25, 0, 41, 5});
  EXPECT_EQ(G.FirstX, 20);
  EXPECT_EQ(G.CountX, 3);  // 20, 30, 40
  EXPECT_EQ(G.CountY, 1);
  // A 1 by 1 tile over a huge target costs only what is visible.
  G = TileGrid(TSkinRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, 1, TSkinRect{0, 0, 64, 32});
  EXPECT_EQ(G.Count(), 64 * 32);
  EXPECT_EQ(TileGrid(TSkinRect{0, 0, 10, 10}, 0, 5, Big).Count(), 0);
  EXPECT_EQ(TileGrid(TSkinRect{0, 0, 10, 10}, 4, 4, TSkinRect{50, 50, 60, 60}).Count(), 0);
}
