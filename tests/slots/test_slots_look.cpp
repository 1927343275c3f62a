// Pictures of every slot scene as a player sees it, written to test-output/slots/ to be looked
// at, with a few pixels checked: the winning line's marker runs through its cells.
#include <gtest/gtest.h>

#include <string>

#include "base/lxrandom.h"
#include "slots_fixture.h"

namespace lx {

namespace {

using test::TSlotsFixture;

constexpr uint16_t KeyM = 77, KeyN = 78, KeyX = 88, KeyZ = 90;

struct TLookCase {
  int32_t Type;
  const char* Name;
  int32_t Forced;  // forcing entry of the winning screen
  int32_t Coins;   // presses of each BET button
};

}  // namespace

TEST(SlotsLook, EveryScenesAtRestWithAWinMarked) {
  const TLookCase cases[] = {{31, "slots3x3v1", 5, 8},
                             {32, "slots3x3v2", 5, 8},
                             {33, "slots3x3music", 5, 8},
                             {34, "slots3x3vegas", 5, 8},
                             {41, "slots1x3", 0, 1}};
  for (const TLookCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TSlotsFixture f(c.Type);
    RandSeed = 1234;
    f.App.Frames(3);
    f.Shot(std::string(c.Name) + "_idle.png");
    f.Force(c.Forced);
    for (int i = 0; i < c.Coins; ++i) f.App.Key(KeyZ);
    for (int i = 0; i < c.Coins; ++i) f.App.Key(KeyX);
    f.App.Key(KeyM);
    if (c.Type == 41) {
      // No pay table: the round is lost; a click on the line's bet shows its marker.
      EXPECT_EQ(f.Message(), "GAME OVER");
      f.ClickOn(f.Scene().LineBetLabels[1]);
      f.App.Frames(2);
      EXPECT_TRUE(f.Scene().LineMarkers[1]->Visible());
      f.Shot(std::string(c.Name) + "_line.png");
      continue;
    }
    ASSERT_EQ(f.Game->State, SlotStateWin);
    // First the whole-screen win (the three sevens), then the winning lines.
    f.App.Frames(20);
    f.Shot(std::string(c.Name) + "_screenwin.png");
    f.App.Frames(150);
    ASSERT_TRUE(f.Scene().LineMarkers[2]->Visible());
    f.Shot(std::string(c.Name) + "_win.png");
    // The middle row's marker crosses the gap between cells 4 and 5 at their centre height.
    TLxReel* r4 = f.Scene().Reels[4];
    TLxReel* r5 = f.Scene().Reels[5];
    const int32_t x = (r4->Left() + r4->Width() + r5->Left()) / 2;
    const int32_t y = r4->Top() + r4->Height() / 2;
    EXPECT_EQ(f.App.Pixel(x, y) & 0xFFFFFFu, f.Scene().LineMarkers[2]->Color4()[0] & 0xFFFFFFu);
  }
}

TEST(SlotsLook, DuringABarBonusGame) {
  TSlotsFixture f(31);
  RandSeed = 42;
  f.Force(1);  // 1 BAR in the middle row: a bar bonus game
  f.App.Key(KeyZ);
  f.App.Key(KeyM);
  ASSERT_EQ(f.Game->State, SlotStateWin);
  f.Force(0);
  bool shot = false;
  f.Game->OnRoundEnd = [&](TSlots* g) {
    if (!shot && g->SlotsData->InBonusGame && g->SlotsData->GamesLeft == 3) {
      f.App.Frames(20);
      f.Shot("slots3x3v1_bonusgame.png");
      shot = true;
    }
  };
  f.App.Key(KeyN);
  for (int i = 0; i < 40 && f.Game->State != GameStateIdle; ++i) {
    if (f.Game->State == SlotStateWin)
      f.App.Key(KeyN);
    else
      f.App.Pump();
  }
  EXPECT_TRUE(shot);
  EXPECT_EQ(f.Game->State, GameStateIdle);
}

}  // namespace lx
