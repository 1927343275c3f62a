#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "poker/pokerdeck.h"
#include "poker_fixture.h"

namespace lx::test {

namespace {

class PokerBonus : public PokerFixture {
 protected:
  // Deals the preset hand by DEAL.
  void DealPreset(int32_t preset) {
    PokerForcedHand = [preset] { return preset; };
    Key('M');
    PokerForcedHand = nullptr;
  }
  // The replacement cards of the next draw, for positions 1..5 (0 keeps what was dealt there).
  void SetDraw(std::array<int32_t, 5> cards, int32_t offset = 5) {
    for (size_t i = 0; i < 5; ++i) {
      if (cards[i] != 0) Data().DealCards[offset + 1 + i] = cards[i];
    }
  }
  void Hold(std::initializer_list<int32_t> positions) {
    Key('N');  // clears every hold in the hold phase
    const char keys[] = {'Z', 'X', 'C', 'V', 'B'};
    for (int32_t p : positions) Key(keys[p - 1]);
  }
  std::string DatFile() const {
    std::ifstream in(Data().FileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool LampLit(TLxControl* lamp) {
    App.Frames(2);
    const TLxColor c =
        App.Pixel(lamp->Left() + lamp->Width() / 2, lamp->Top() + lamp->Height() / 2);
    const int32_t brightest = std::max({c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF});
    return brightest > 150;
  }
};

TEST_F(PokerBonus, TheTenthLumioLampPaysTheBonusAndTheNumberMovesOn) {
  TPoker& game = Open(1);
  Data().LumioNumber = 6;
  Data().SetLumioCount(10, 9);
  Key('A');  // 5 -> 7
  Key('A');  // 7 -> 10
  ASSERT_EQ(Data().GetBet(), 10);
  EXPECT_EQ(Caption("LBL_LUMIOV"), "6000");
  DealPreset(16);  // J J A 2 3
  EXPECT_EQ(Data().Credit, 90u);
  Hold({3});                    // keep the ace: four new cards, a second bet
  SetDraw({6, 19, 0, 32, 13});  // three sixes and a king
  Key('M');
  EXPECT_EQ(Data().Hand, "HAND_3XLUMIO");
  EXPECT_EQ(Data().LumioCount(10), 10);
  EXPECT_EQ(Data().Win, 6000u + 130u);  // the bonus on top of 13 x 10
  EXPECT_EQ(Caption("LBL_WINV"), "6130");
  EXPECT_EQ(game.State, PokerStateThreeDealWin);
  Key('N');
  EXPECT_EQ(Data().Credit, 80u + 6130u);
  EXPECT_EQ(Data().LumioNumber, 7);
  EXPECT_EQ(Data().LumioCount(10), 0);
  EXPECT_EQ(Caption("LBL_LUMIOCARD"), "7");
  EXPECT_EQ(Caption("LBL_LUMIOV"), "7000");
  game.Leave(nullptr);
  const std::string dat = DatFile();
  EXPECT_NE(dat.find("<LumioNumber>7</LumioNumber>"), std::string::npos) << Data().FileName << dat;
  const size_t meter = dat.find("<LumioStats><LxStoreItem><DataInt>10</DataInt>");
  ASSERT_NE(meter, std::string::npos) << dat;
  EXPECT_EQ(dat.find("<DataInt2>0</DataInt2>", meter), dat.find("<DataInt2>", meter)) << dat;
  EXPECT_EQ(Player()->Bank, 900u + 80u + 6130u);
}

TEST_F(PokerBonus, AProvisionalLumioLampIsTakenBackWhenTheDrawLosesIt) {
  TPoker& game = Open(1);
  Data().LumioNumber = 7;
  DealPreset(17);  // three sevens, deuce, three: a provisional lamp
  EXPECT_EQ(Data().Hand, "HAND_3XLUMIO");
  EXPECT_EQ(Data().LumioCount(5), 1);
  EXPECT_TRUE(LampLit(Scene().imgLumioStage[0]));
  Hold({4, 5});
  SetDraw({1, 14, 40, 0, 0});  // the sevens give way to three aces
  Key('M');
  EXPECT_EQ(Data().Hand, "HAND_THREEOFAKIND");
  EXPECT_EQ(Data().LumioCount(5), 0);
  EXPECT_FALSE(LampLit(Scene().imgLumioStage[0]));
  (void)game;
}

TEST_F(PokerBonus, ThreeDealRoundWithItsLampsAndFlags) {
  TPoker& game = Open(1);
  TLxImage* l1 = Scene().DealStageLamp(true, 1);
  TLxImage* l2 = Scene().DealStageLamp(true, 2);
  TLxImage* r3 = Scene().DealStageLamp(false, 3);
  EXPECT_FALSE(LampLit(l1));
  DealPreset(4);  // a royal flush, all five held
  EXPECT_EQ(Data().DealStage, 1);
  EXPECT_TRUE(LampLit(l1));
  EXPECT_FALSE(LampLit(l2));
  Key('M');  // the draw: all held, no second bet
  EXPECT_EQ(Data().Credit, 95u);
  EXPECT_EQ(game.State, PokerStateThreeDealWin);
  EXPECT_EQ(Data().DealStage, 2);
  EXPECT_EQ(Data().DealMode, 1);
  EXPECT_TRUE(Data().CanCollect);
  EXPECT_TRUE(Data().CanTakeHalf);
  EXPECT_FALSE(Data().DoubleUpStarted);
  EXPECT_TRUE(LampLit(l2));
  EXPECT_FALSE(Scene().NormalView);
  // The Lumio panel stays while the double-up takes the pay table's place.
  EXPECT_TRUE(Scene().pnlLumio->Visible());
  EXPECT_FALSE(Scene().PayoutList->Panel->Visible());
  Key('M');  // deal again instead of collecting
  EXPECT_EQ(game.State, PokerStateHolding);
  EXPECT_EQ(Data().DealMode, 2);
  EXPECT_TRUE(Data().HoldPhase);
  EXPECT_FALSE(Data().CanCollect);
  EXPECT_TRUE(Scene().NormalView);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "HOLD AND DRAW CARDS");
  for (int32_t i = 1; i <= 5; ++i) EXPECT_TRUE(Card(i).Held);
  Key('M');  // the second draw
  EXPECT_EQ(game.State, PokerStateDoubleUp);
  EXPECT_EQ(Data().DealStage, 3);
  EXPECT_TRUE(Data().DoubleUpStarted);
  EXPECT_TRUE(LampLit(r3));
  EXPECT_EQ(Data().Win, 2500u);
  Key('M');  // nothing more to deal
  EXPECT_EQ(game.State, PokerStateDoubleUp);
  Key('N');
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Data().Credit, 95u + 2500u);
  EXPECT_FALSE(LampLit(l1));
}

TEST_F(PokerBonus, AmericanMiniBonusFillsThePoolAndPaysIt) {
  TPoker& game = Open(5);
  Key('A');  // 1 -> 2
  ASSERT_EQ(Data().GetBet(), 2);
  EXPECT_EQ(Caption("LBL_AMERICANMINIBONUSV"), "2");
  DealPreset(16);  // J J A 2 3: no high pair in American poker
  EXPECT_EQ(Data().Hand, "HAND_NOTHING");
  Hold({1, 2});
  SetDraw({0, 0, 17, 47, 35});
  Key('M');
  EXPECT_EQ(Data().Hand, "HAND_NOTHING");
  EXPECT_EQ(Data().MiniBonus(2), 4);  // a new pool: the bet and the bet
  EXPECT_EQ(Caption("LBL_AMERICANMINIBONUSV"), "4");
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "GAME OVER");
  EXPECT_EQ(Data().Credit, 96u);

  Data().SetMiniBonus(2, 198);
  const int32_t jackpot = Data().AmericanJackpot;
  DealPreset(16);
  Hold({1, 2});
  SetDraw({0, 0, 17, 47, 35});
  Key('M');
  EXPECT_EQ(Data().AmericanJackpot, jackpot + 100);
  EXPECT_EQ(Data().MiniBonus(2), 2);
  EXPECT_EQ(Data().Win, 200u);
  EXPECT_EQ(game.State, PokerStateDoubleUp);
  Key('B');  // no taking half in American poker
  EXPECT_EQ(Data().Win, 200u);
  Key('N');
  EXPECT_EQ(Data().Credit, 92u + 200u);
}

TEST_F(PokerBonus, AmericanJackpotPaysOnATopRowAndStartsAgainAtOne) {
  TPoker& game = Open(5);
  Data().AmericanJackpot = 500;
  game.ShowJackpot();
  DealPreset(4);  // a royal flush: row 1 of the pay table
  Key('M');
  EXPECT_EQ(Data().AmericanJackpot, 1);
  EXPECT_EQ(Caption("LBL_AMERICANJACKPOTV"), "1");
  EXPECT_EQ(Data().Credit, 99u + 500u);
  EXPECT_EQ(Data().Win, 300u);
  // The double-up bar starts at level 5 and offers the win doubled four times.
  EXPECT_EQ(Caption("LBL_DUPBARWINV"), "4800");
  EXPECT_FALSE(Scene().pnlAmericanJackpot->Visible());
  EXPECT_TRUE(Scene().pnlDupBarDup->Visible());
  Key('N');
  App.Frames(105);  // the demo's second step hides the double-up view
  EXPECT_TRUE(Scene().pnlAmericanJackpot->Visible());
  EXPECT_EQ(Data().Credit, 599u + 300u);
}

// A wild game played by mouse: the buttons and a click on a card.
TEST_F(PokerBonus, WildGamePlayedByClicks) {
  TPoker& game = Open(12);
  PokerForcedHand = [] { return 7; };  // four deuces and a three
  ClickOn("BTN_DEAL");
  PokerForcedHand = nullptr;
  EXPECT_EQ(Data().Hand, "HAND_POKER_D");
  EXPECT_EQ(Card(1).ImageName(), "CARD_2_WILD");
  for (int32_t i = 1; i <= 4; ++i) EXPECT_TRUE(Card(i).Held);
  EXPECT_FALSE(Card(5).Held);
  ClickOn("CARD_MAIN_5");
  EXPECT_TRUE(Card(5).Held);
  EXPECT_TRUE(Scene().HeldLabel(5)->Visible());
  ClickOn("BTN_HOLD_5");
  EXPECT_FALSE(Card(5).Held);
  ClickOn("BTN_HOLD_5");
  ClickOn("BTN_DEAL");
  EXPECT_EQ(Data().Win, 2000u);
  EXPECT_EQ(Caption("LBL_DUPTITLE"), "RED/BLACK");
  ClickOn("BTN_CASHALL");
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Caption("LBL_CREDITV"), "2090");
  EXPECT_EQ(Data().VisitStats->FindOrAddHand("HAND_POKER_D", false)->Value, 1);
}

}  // namespace

}  // namespace lx::test
