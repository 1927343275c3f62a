#include <gtest/gtest.h>

#include "slots_fixture.h"

namespace lx {

namespace {

using test::TSlotsFixture;

}  // namespace

TEST(SlotsScene, ControlsByGridAndBonusFeatures) {
  struct TCase {
    int32_t Type, Reels, BetLabels, Markers, Holds;
    bool Cherry, Bar, Bell, Pools, Collect;
  };
  const TCase cases[] = {{31, 9, 16, 8, 3, true, true, true, false, false},
                         {32, 9, 16, 8, 3, true, true, true, true, false},
                         {33, 9, 16, 8, 3, false, false, false, false, true},
                         {34, 9, 16, 8, 3, true, true, true, false, false},
                         {41, 3, 2, 1, 3, false, false, false, false, false},
                         {51, 15, 14, 13, 5, false, false, false, false, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Type);
    TSlotsFixture f(c.Type);
    TSlotsScene& s = f.Scene();
    EXPECT_EQ(s.ReelCount, c.Reels);
    EXPECT_EQ(s.LineBetLabelCount, c.BetLabels);
    EXPECT_EQ(s.MarkerCount, c.Markers);
    EXPECT_EQ(s.HoldButtonCount, c.Holds);
    EXPECT_NE(s.FindControl("REEL_" + std::to_string(c.Reels)), nullptr);
    EXPECT_NE(s.FindControl("IMG_REELBOX_" + std::to_string(c.Reels)), nullptr);
    EXPECT_EQ(s.FindControl("REEL_" + std::to_string(c.Reels + 1)), nullptr);
    EXPECT_EQ(s.Reels[1]->Tag, 1);
    EXPECT_EQ(s.pnlCherryBonus != nullptr, c.Cherry);
    EXPECT_EQ(s.pnlBarBonus != nullptr, c.Bar);
    EXPECT_EQ(s.pnlBellBonus != nullptr, c.Bell);
    EXPECT_EQ(s.pnlPools != nullptr, c.Pools);
    EXPECT_EQ(s.pnlCollectBonus != nullptr, c.Collect);
    EXPECT_EQ(s.imgGameLogo->Texture.Name(), "IMG_GAME_" + f.Game->GameInfo->IDStr);
    EXPECT_EQ(f.Game->Lines.size(), static_cast<size_t>(c.BetLabels));
  }
}

TEST(SlotsScene, SymbolsFollowReelOneAndMarkersRunThroughTheCells) {
  TSlotsFixture f(31);
  TSlotsScene& s = f.Scene();
  // The theme's reels: 100 x 132, so the symbols are 100 x 72.
  EXPECT_EQ(s.Reels[1]->ItemHeight, 72);
  EXPECT_EQ(f.Game->Symbols[11]->Width(), 100);
  EXPECT_EQ(f.Game->Symbols[11]->Height(), 72);
  EXPECT_EQ(f.Game->Symbols[11]->Texture.Group(), "ReelsFruits");
  EXPECT_TRUE(f.Game->Symbols[11]->TextureLoaded());
  // Reels 100 x 150 at lefts 0, 100, 200 and tops 0, 150, 300; a moved, half transparent
  // marker is laid out again and drawn opaque.
  for (int32_t i = 1; i <= 9; ++i) {
    TLxReel* reel = s.Reels[static_cast<size_t>(i)];
    reel->SetLeft(((i - 1) % 3) * 100);
    reel->SetTop(((i - 1) / 3) * 150);
    reel->SetWidth(100);
    reel->SetHeight(150);
  }
  s.LineMarkers[1]->SetLeft(333);
  s.LineMarkers[1]->SetAlpha(100);
  s.LayoutMarkers();
  struct TEnds {
    int32_t Marker, X1, Y1, X2, Y2;
  };
  const TEnds ends[] = {{1, 0, 75, 300, 75}, {2, 0, 225, 300, 225}, {3, 0, 375, 300, 375},
                        {4, 50, 0, 50, 450}, {5, 150, 0, 150, 450}, {6, 250, 0, 250, 450},
                        {7, 0, 0, 300, 450}, {8, 0, 450, 300, 0}};
  for (const TEnds& e : ends) {
    SCOPED_TRACE(e.Marker);
    const TLxLine* m = s.LineMarkers[static_cast<size_t>(e.Marker)];
    EXPECT_EQ(m->Left(), e.X1);
    EXPECT_EQ(m->Top(), e.Y1);
    EXPECT_EQ(m->EndLeft, e.X2);
    EXPECT_EQ(m->EndTop, e.Y2);
    EXPECT_EQ(m->Alpha(), 255);
  }
  // Every line's markers are the ones of the line table.
  EXPECT_EQ(f.Game->Lines[14].Markers[0], s.LineMarkers[8]);
  EXPECT_EQ(f.Game->Lines[15].Markers[0], s.LineMarkers[7]);
}

TEST(SlotsScene, BentLinesOfTheWideGrid) {
  TSlotsFixture f(51);
  TSlotsScene& s = f.Scene();
  for (int32_t i = 1; i <= 15; ++i) {
    TLxReel* reel = s.Reels[static_cast<size_t>(i)];
    reel->SetLeft(((i - 1) % 5) * 100);
    reel->SetTop(((i - 1) / 5) * 100);
    reel->SetWidth(100);
    reel->SetHeight(100);
  }
  s.LayoutMarkers();
  // Marker 5 runs from the centre of cell 2 to the centre of cell 14, marker 11 from cell 8 to
  // cell 4.
  EXPECT_EQ(s.LineMarkers[5]->Left(), 150);
  EXPECT_EQ(s.LineMarkers[5]->Top(), 50);
  EXPECT_EQ(s.LineMarkers[5]->EndLeft, 350);
  EXPECT_EQ(s.LineMarkers[5]->EndTop, 250);
  EXPECT_EQ(s.LineMarkers[11]->Left(), 250);
  EXPECT_EQ(s.LineMarkers[11]->EndLeft, 350);
  EXPECT_EQ(s.LineMarkers[11]->EndTop, 50);
  EXPECT_EQ(s.LineMarkers[6]->EndLeft, 500);
}

}  // namespace lx
