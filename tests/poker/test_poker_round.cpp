#include <gtest/gtest.h>

#include <set>

#include "gamecore/lxdoubleup.h"
#include "poker/pokerdeck.h"
#include "poker_fixture.h"

namespace lx::test {

namespace {

class PokerRound : public PokerFixture {};

TEST_F(PokerRound, OpeningMovesOneHundredFromTheBankAndNormalisesTheBet) {
  TPoker& game = Open(10);
  EXPECT_EQ(Data().Credit, 100u);
  EXPECT_EQ(Player()->Bank, 900u);
  EXPECT_EQ(Caption("LBL_CREDITV"), "100");
  EXPECT_EQ(Data().GetBet(), 10);
  EXPECT_EQ(Caption("LBL_BETV"), "10");
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Caption("LBL_PAYOFF_1"), "ROYAL FLUSH");
  EXPECT_EQ(Caption("LBL_PAYOFFV3_1"), "7500");  // 250 x 30
}

struct TBetCase {
  int32_t Type;
  uint32_t Credit;
  int32_t Bet;
  int32_t Expected;
};

TEST_F(PokerRound, BetLadder) {
  const TBetCase cases[] = {
      {10, 35, 30, 10},    // 40 is more than the credit: back to the smallest bet
      {10, 100, 50, 10},   // the last level wraps
      {1, 500, 100, 5},    // the last level wraps
      {1, 500, 5, 7},      //
      {3, 500, 100, 5},    // step 1 wraps from 100
      {3, 500, 41, 42},    //
      {60, 500, 99, 100},  //
      {5, 3, 3, 1},        // 4 is more than the credit: the smaller of the minimum and the credit
      {10, 0, 10, 1},      // no credit: bet 1
  };
  for (const TBetCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.Type << " bet " << c.Bet);
    TPoker& game = Open(c.Type, 0);
    Data().Credit = c.Credit;
    Data().SetBet(c.Bet);
    Key('A');
    EXPECT_EQ(Data().GetBet(), c.Expected);
    EXPECT_EQ(Caption("LBL_BETV"), std::to_string(c.Expected));
    (void)game;
  }
}

TEST_F(PokerRound, FifteenDistinctCardsForEveryDeck) {
  RandSeed = 12345;
  for (const TPokerConfig& config : PokerConfigs()) {
    SCOPED_TRACE(config.GameType);
    for (int round = 0; round < 200; ++round) {
      const std::vector<int32_t> deal = DrawPokerCards(15, config.Features, false, -1);
      ASSERT_EQ(deal.size(), 15u);
      EXPECT_EQ(std::set<int32_t>(deal.begin(), deal.end()).size(), 15u);
      for (int32_t card : deal) EXPECT_TRUE(PokerCardAllowed(card, config.Features, false));
      const std::vector<int32_t> dup = DrawPokerCards(10, config.Features, true, -1);
      EXPECT_EQ(std::set<int32_t>(dup.begin(), dup.end()).size(), 10u);
      for (int32_t card : dup) EXPECT_TRUE(PokerCardAllowed(card, config.Features, true));
    }
  }
}

TEST_F(PokerRound, PresetHandsTakeTheFirstFiveAndNoCardRepeats) {
  RandSeed = 7;
  for (int32_t preset : {1, 2, 3, 4, 5, 7, 8, 9, 10, 16, 17, 18}) {
    for (int round = 0; round < 100; ++round) {
      const std::vector<int32_t> deal = DrawPokerCards(15, 0x880C, false, preset);
      const std::vector<int32_t> cards = PokerPresetCards(preset);
      ASSERT_EQ(cards.size(), 5u);
      EXPECT_TRUE(std::equal(cards.begin(), cards.end(), deal.begin()));
      EXPECT_EQ(std::set<int32_t>(deal.begin(), deal.end()).size(), 15u) << preset;
    }
  }
  EXPECT_TRUE(PokerPresetCards(6).empty());
  EXPECT_TRUE(PokerPresetCards(-1).empty());
}

// A complete round of a natural game by keys: deal, auto-hold, draw, double-up declined by CASH.
TEST_F(PokerRound, NaturalGameRoundByKeysPaysTheWinIntoTheCredit) {
  TPoker& game = Open(10);
  PokerForcedHand = [] { return 4; };  // a royal flush of hearts
  Key('M');
  PokerForcedHand = nullptr;
  EXPECT_EQ(game.State, PokerStateHolding);
  EXPECT_EQ(Data().Credit, 90u);
  EXPECT_EQ(Data().Hand, "HAND_ROYALFLUSH");
  EXPECT_EQ(Caption("LBL_MESSAGE"), "HOLD AND DRAW CARDS");
  EXPECT_EQ(Caption("LBL_WINV"), "2500");
  for (int32_t i = 1; i <= 5; ++i) {
    EXPECT_TRUE(Card(i).Held);
    EXPECT_FALSE(Card(i).FaceDown);
    EXPECT_TRUE(Scene().HeldLabel(i)->Visible());
  }
  EXPECT_EQ(Card(1).ImageName(), "CARD_27");
  Key('M');  // draw: every card held, nothing replaced
  EXPECT_EQ(game.State, PokerStateDoubleUp);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "WIN");
  EXPECT_FALSE(Scene().NormalView);
  EXPECT_TRUE(Scene().pnlDoubleUp->Visible());
  EXPECT_FALSE(Card(1).Visible());  // the double-up covers the cards in the classic games
  EXPECT_EQ(Caption("LBL_DUPTITLE"), "BIG/SMALL");
  Key('N');
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Data().Credit, 2590u);
  EXPECT_EQ(Caption("LBL_CREDITV"), "2590");
  EXPECT_EQ(Caption("LBL_WINV"), "0");
  EXPECT_EQ(Data().VisitStats->FindOrAddHand("HAND_ROYALFLUSH", false)->Value, 1);
}

TEST_F(PokerRound, DrawCostsABetOnlyWhereTheGameSaysSo) {
  // Type 1: nothing held on a hand that pays nothing starts a new deal with a new bet.
  TPoker& game = Open(1);
  RandSeed = 99;
  PokerForcedHand = [] { return 16; };  // pair of jacks, ace, deuce, three: pays in type 1
  Key('M');
  PokerForcedHand = nullptr;
  EXPECT_EQ(Data().Hand, "HAND_HIGHPAIR");
  EXPECT_EQ(Data().Credit, 95u);
  // Clear the holds (CASH in the hold phase), hold four: the draw takes a second bet.
  Key('N');
  for (int32_t i = 1; i <= 5; ++i) EXPECT_FALSE(Card(i).Held);
  Key('Z');
  Key('X');
  Key('C');
  Key('V');
  Key('M');
  EXPECT_EQ(Data().Credit + Data().Win, 90u + game.PriceHand());
  EXPECT_NE(game.State, PokerStateHolding);
}

TEST_F(PokerRound, DealWithNothingHeldOnANothingHandDealsAgainInDrawCostsBetGames) {
  TPoker& game = Open(1);
  PokerForcedHand = [] { return 5; };
  Key('M');
  PokerForcedHand = nullptr;
  // A straight flush pays; force the table to show nothing held on a hand that pays nothing.
  Data().Hand = "HAND_NOTHING";
  game.ClearHolds();
  RandSeed = 5;
  Key('M');
  EXPECT_EQ(Data().Credit, 90u);  // two bets of 5, no draw
  EXPECT_EQ(game.State, PokerStateHolding);
  EXPECT_EQ(Data().DealStage, 1);
}

TEST_F(PokerRound, ClassicGameReplacesAllFiveWithoutANewBet) {
  TPoker& game = Open(10);
  RandSeed = 3;
  Key('M');
  Key('N');  // clear the holds
  const uint32_t credit = Data().Credit;
  Key('M');
  EXPECT_EQ(Data().Credit, credit);
  for (int32_t i = 1; i <= 5; ++i) EXPECT_EQ(Card(i).Value(), Data().DealCards[5 + i]);
  (void)game;
}

TEST_F(PokerRound, TakeHalfRoundsUp) {
  struct TCase {
    uint32_t Win, Credited, Left;
  };
  for (const TCase& c : {TCase{7, 4, 3}, TCase{8, 4, 4}, TCase{5, 3, 2}, TCase{1, 1, 0}}) {
    TPoker& game = Open(10);
    PokerForcedHand = [] { return 4; };
    Key('M');
    PokerForcedHand = nullptr;
    Key('M');
    ASSERT_EQ(game.State, PokerStateDoubleUp);
    Data().Win = c.Win;
    game.ShowWin();
    const uint32_t credit = Data().Credit;
    Key('B');  // HOLD 5: take half
    EXPECT_EQ(Data().Credit, credit + c.Credited) << c.Win;
    EXPECT_EQ(Data().Win, c.Left);
    EXPECT_EQ(game.State, c.Left > 0 ? PokerStateDoubleUp : GameStateIdle);
  }
}

}  // namespace

}  // namespace lx::test
