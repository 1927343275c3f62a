#include <gtest/gtest.h>

#include "poker/pokerdemounit.h"
#include "poker_fixture.h"

namespace lx::test {

namespace {

class PokerDemoTest : public PokerFixture {
 protected:
  // Steps the demo (without drawing) until it reaches the step.
  void RunTo(int32_t step) {
    for (int i = 0; i < 5000 && PokerDemo->Phase != step; ++i) PokerDemo->Process();
    ASSERT_EQ(PokerDemo->Phase, step);
  }
};

TEST_F(PokerDemoTest, AnEmptyMachineWalksTheJokerShowsAdvertsAndDealsTheDemoHands) {
  TPoker& game = Open(14, 0);
  ASSERT_NE(PokerDemo, nullptr);
  EXPECT_TRUE(PokerDemo->Running);
  EXPECT_EQ(Data().Credit, 0u);
  RunTo(5);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "INSERT COIN");
  RunTo(7);
  EXPECT_EQ(Card(1).ImageName(), "CARD_53");
  RunTo(9);
  EXPECT_EQ(Card(2).ImageName(), "CARD_53");
  EXPECT_TRUE(Card(1).FaceDown);
  RunTo(25);
  EXPECT_TRUE(Scene().imgAdv->Visible());
  EXPECT_FALSE(Card(3).Visible());
  RunTo(27);
  EXPECT_EQ(Scene().imgAdv->Texture.FrameIndex(), 3);  // IMG_ADV_2, then IMG_ADV_3
  RunTo(31);  // the first demonstration hand: four aces and a joker, priced, never paid
  EXPECT_EQ(Data().Hand, "HAND_FIVEOFAKIND");
  EXPECT_EQ(Caption("LBL_WINV"), "200");
  EXPECT_EQ(Data().Credit, 0u);
  App.SavePng("poker/demo_type14.png");
  RunTo(35);
  EXPECT_EQ(Card(1).Value(), 2);  // four deuces and a joker
  RunTo(1);
  (void)game;
}

TEST_F(PokerDemoTest, CreditSendsTheDemoBackAndDealStopsIt) {
  TPoker& game = Open(10, 0);
  RunTo(27);
  Data().Credit = 50;
  PokerDemo->Process();
  EXPECT_EQ(PokerDemo->Phase, 1);
  RunTo(5);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "PRESS DEAL TO START");
  game.ShowCredit();
  Key('M');
  EXPECT_FALSE(PokerDemo->Running);
  EXPECT_EQ(game.State, PokerStateHolding);
}

}  // namespace

}  // namespace lx::test
