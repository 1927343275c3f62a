// The double-up games on the test machine: outcomes of each kind, the card limit, the bar and
// the winning call.
#include <gtest/gtest.h>

#include "base/lxrandom.h"
#include "base/lxutils.h"
#include "game/game_fixture.h"
#include "gamecore/lxhandeval.h"

namespace lx::test {
namespace {

class DoubleUpTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Dup = Game->DoubleUp.get();
    Scene = Game->TestScene();
    Dup->OnFinished = [this](TLxDoubleUp*) { ++Finished; };
  }
  // A BIG/SMALL or RED/BLACK row, with a win of `win`.
  void Start(uint8_t kind, std::initializer_list<int32_t> row, uint32_t win = 10,
             int32_t handCode = 0, bool bar = false) {
    Game->Data->DoubleUpKind = kind;
    Game->Data->Win = win;
    int32_t i = 1;
    for (int32_t card : row) Game->Data->DoubleUpCards[static_cast<size_t>(i++)] = card;
    Dup->StartDoubleUp(handCode, bar);
    Game->State = GameStateDoubleUp;
  }
  // The bar's eight lamps and prize label, as the American poker scene builds them; a lamp is
  // lit while its custom effect 1 runs.
  void AddBar() {
    for (int32_t i = 1; i <= 8; ++i) {
      auto* lamp = new TLxImage(Scene);
      lamp->SetName("IMG_DUPBAR_" + IntToStr(i));
      lamp->Effects(EffectCustom1).ColorEnabled = true;
      lamp->Effects(EffectCustom1).Color = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
      Scene->AddControl(lamp);
      Lamps[static_cast<size_t>(i)] = lamp;
    }
    Prize = new TLxLabel(Scene);
    Prize->SetName("LBL_DUPBARWINV");
    Scene->AddControl(Prize);
  }
  int32_t LitLamps() const {
    int32_t lit = 0;
    for (int32_t i = 1; i <= 8; ++i)
      if (Lamps[static_cast<size_t>(i)]->Effects(EffectRunState).ColorState != EffectIdle) ++lit;
    return lit;
  }

  TLxDoubleUp* Dup = nullptr;
  TTestGameScene* Scene = nullptr;
  int Finished = 0;
  std::array<TLxImage*, 9> Lamps{};
  TLxLabel* Prize = nullptr;
};

TEST_F(DoubleUpTest, StartShowsTheTitleAndTheFirstCardFaceDown) {
  const char* titles[] = {"BIG/SMALL", "RED/BLACK"};
  for (uint8_t kind : {DupBigSmall, DupRedBlack}) {
    Start(kind, {5, 6, 8, 9, 10, 11, 12, 13, 14, 15});
    EXPECT_EQ(Scene->lblDupTitle->Caption(), titles[kind]);
    EXPECT_FALSE(Scene->lblDupHit->Visible());
    EXPECT_EQ(Dup->DupIndex, 1);
    EXPECT_TRUE(Dup->Active);
    EXPECT_TRUE(Scene->imgDupHitUp->Blink());  // waiting for a call
    EXPECT_TRUE(Scene->DupCard(1)->Visible());
    EXPECT_TRUE(Scene->DupCard(1)->FaceDown);
    EXPECT_EQ(Scene->DupCard(1)->ImageName(), "CARD_BACK_1");
    EXPECT_EQ(Scene->DupCard(1)->Value(), 5);
    for (int32_t i = 2; i <= 10; ++i) EXPECT_FALSE(Scene->DupCard(i)->Visible());
  }
}

TEST_F(DoubleUpTest, EachCallPaysByTheCard) {
  struct Case {
    uint8_t kind;
    int32_t card;
    int32_t choice;
    const char* word;
    uint32_t win;
  };
  const Case cases[] = {
      {DupBigSmall, 1, 0, "SMALL", 20},   // the ace is small
      {DupBigSmall, 1, 1, "SMALL", 0},    //
      {DupBigSmall, 13, 1, "BIG", 20},    // king
      {DupBigSmall, 13, 0, "BIG", 0},     //
      {DupBigSmall, 33, 0, "DRAW", 10},   // a seven: the win stays
      {DupBigSmall, 7, 1, "DRAW", 10},    //
      {DupBigSmall, 53, 0, "JOKER", 40},  // a joker wins either way, four times
      {DupBigSmall, 54, 1, "JOKER", 40},  //
      {DupBigSmall, 19, 0, "SMALL", 20},  // six of diamonds
      {DupBigSmall, 21, 0, "BIG", 0},     // eight of diamonds
      {DupRedBlack, 14, 0, "RED", 20},    // diamonds
      {DupRedBlack, 30, 1, "RED", 0},     // hearts
      {DupRedBlack, 1, 1, "BLACK", 20},   // clubs
      {DupRedBlack, 52, 0, "BLACK", 0},   // spades
      {DupRedBlack, 53, 1, "JOKER", 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << int(c.kind) << " card " << c.card << " choice " << c.choice);
    Finished = 0;
    Game->EndRounds = 0;
    TheHost.Waits.clear();
    Start(c.kind, {c.card, 2, 3, 4, 5, 6, 8, 9, 10, 11});
    std::string word;
    EXPECT_EQ(Dup->JudgeChoice(c.choice, word), static_cast<int32_t>(c.win / 10));
    EXPECT_EQ(word, c.word);
    Dup->CallCard(c.choice);
    EXPECT_EQ(Game->Data->Win, c.win);
    EXPECT_EQ(Scene->lblWinV->Caption(), IntToStr(c.win));
    EXPECT_EQ(Scene->lblDupHit->Caption(), c.word);
    EXPECT_FALSE(Scene->DupCard(1)->FaceDown);
    EXPECT_EQ(Scene->lblDupHit->Left(), Scene->DupCard(1)->Left() + Scene->DupCard(1)->Width() + 2);
    if (c.win == 0) {
      EXPECT_TRUE(Scene->lblDupHit->Visible());
      EXPECT_EQ(Scene->lblMessage->Caption(), "GAME OVER");
      EXPECT_EQ(Game->EndRounds, 1);
      EXPECT_EQ(Finished, 1);
    } else {
      // The word shows for half a second; the next card waits face down.
      EXPECT_EQ(TheHost.Waits, std::vector<uint32_t>{500});
      EXPECT_FALSE(Scene->lblDupHit->Visible());
      EXPECT_EQ(Dup->DupIndex, 2);
      EXPECT_TRUE(Scene->DupCard(2)->Visible());
      EXPECT_TRUE(Scene->DupCard(2)->FaceDown);
      EXPECT_EQ(Game->State, GameStateDoubleUp);
      EXPECT_TRUE(Dup->Active);
      EXPECT_EQ(Finished, 0);
    }
  }
}

TEST_F(DoubleUpTest, RightChoiceWinsOrDrawsOnEveryCard) {
  for (uint8_t kind : {DupBigSmall, DupRedBlack}) {
    for (int32_t card = 1; card <= 54; ++card) {
      SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " card " << card);
      Start(kind, {card, 2, 3, 4, 5, 6, 8, 9, 10, 11});
      std::string word;
      const int32_t m = Dup->JudgeChoice(Dup->RightChoice(), word);
      EXPECT_GE(m, 1);
      if (kind == DupBigSmall) {
        EXPECT_EQ(Dup->RightChoice(), RankOfCard(card) > 6 ? 1 : 0);
      }
    }
  }
  Game->Data->DoubleUpKind = DupBeatTheDealer;
  EXPECT_EQ(Dup->RightChoice(), 0);
}

TEST_F(DoubleUpTest, TenWonCallsCollectTheWinOnce) {
  // A row without sevens, every call right.
  Start(DupBigSmall, {1, 13, 2, 12, 3, 11, 4, 10, 5, 9}, 10);
  for (int32_t call = 1; call <= 10; ++call) {
    ASSERT_EQ(Game->State, GameStateDoubleUp) << "call " << call;
    Dup->CallCard(Dup->RightChoice());
  }
  EXPECT_EQ(Game->TakeWins, 1);
  EXPECT_EQ(Game->Data->Credit, 10u << 10);
  EXPECT_EQ(Game->Data->Win, 0u);
  EXPECT_EQ(Scene->lblMessage->Caption(), "GAME OVER");
  EXPECT_EQ(Finished, 1);
  // The finish: 500 ms, "CONGRATULATIONS", the win taken, "GAME OVER", 2000 ms.
  ASSERT_GE(TheHost.Waits.size(), 2u);
  EXPECT_EQ(TheHost.Waits[TheHost.Waits.size() - 2], 500u);
  EXPECT_EQ(TheHost.Waits.back(), 2000u);
}

TEST_F(DoubleUpTest, TheBarStartsByTheHandAndPaysItsPrizeWhenComplete) {
  EXPECT_EQ(TLxDoubleUp::BarStartLevel(8), 2);
  EXPECT_EQ(TLxDoubleUp::BarStartLevel(3), 6);
  EXPECT_EQ(TLxDoubleUp::BarStartLevel(21), 5);
  EXPECT_EQ(TLxDoubleUp::BarStartLevel(11), 0);
  AddBar();
  // A straight (code 8) won 10.
  Start(DupBigSmall, {1, 13, 7, 12, 3, 11, 4, 10, 5, 9}, 10, hcStreet, true);
  EXPECT_EQ(Dup->BarLevel, 2);
  EXPECT_EQ(LitLamps(), 2);
  EXPECT_EQ(Dup->BarPrize, 10u << 7);
  EXPECT_EQ(Prize->Caption(), "1280");

  // Five won calls (the third a draw on the seven) take the level to 7.
  for (int32_t call = 1; call <= 5; ++call) Dup->CallCard(Dup->RightChoice());
  EXPECT_EQ(Dup->BarLevel, 7);
  EXPECT_EQ(LitLamps(), 7);
  EXPECT_EQ(Game->Data->Win, 10u * 16);  // four doublings and a draw
  EXPECT_EQ(Game->TakeWins, 0);

  // The sixth completes the bar: the prize instead of the win.
  TheHost.Waits.clear();
  Dup->CallCard(Dup->RightChoice());
  EXPECT_EQ(Game->TakeWins, 1);
  EXPECT_EQ(Game->Data->Credit, 1280u);
  EXPECT_EQ(LitLamps(), 8);
  EXPECT_FALSE(Prize->Blink());
  EXPECT_EQ(Prize->Caption(), "0");  // counted into the win label
  EXPECT_EQ(Finished, 1);
  // 500 for the word, 3000 blinking, three runs of eight lamps, then the finish.
  std::vector<uint32_t> expected = {500, 3000};
  for (int32_t i = 0; i < 24; ++i) expected.push_back(500);
  expected.push_back(500);
  expected.push_back(2000);
  EXPECT_EQ(TheHost.Waits, expected);
}

TEST_F(DoubleUpTest, BeatTheDealerComparesWithTheDealersCard) {
  struct Case {
    int32_t dealer;
    int32_t picked;
    const char* word;
    uint32_t win;
  };
  const Case cases[] = {
      {12, 13, "WIN", 20},      // king against queen
      {12, 25, "DRAW", 10},     // queen against queen
      {1, 13, "GAME OVER", 0},  // the dealer's ace beats anything
      {1, 14, "DRAW", 10},      // but not another ace
      {13, 27, "WIN", 20},      // an ace beats a king
      {9, 5, "GAME OVER", 0},   //
      {2, 3, "WIN", 20},        //
  };
  Game->Data->DoubleUpKind = DupBeatTheDealer;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "dealer " << c.dealer << " picked " << c.picked);
    Finished = 0;
    Game->EndRounds = 0;
    Game->Data->Win = 10;
    Dup->StartDoubleUp(hcFlush, false);
    EXPECT_EQ(Scene->lblDupTitle->Caption(), "BEAT THE DEALER");
    EXPECT_EQ(Game->State, GameStateDoubleUp);
    EXPECT_TRUE(Dup->Asking);
    EXPECT_EQ(Scene->lblDupHit->Caption(), "DOUBLE UP?");
    EXPECT_TRUE(Scene->lblDupHit->Visible());
    for (int32_t i = 1; i <= 5; ++i) EXPECT_TRUE(Scene->DupCard(i)->FaceDown);

    Dup->PickCard(3);  // ignored while asking
    EXPECT_EQ(Game->Data->Win, 10u);
    EXPECT_TRUE(Scene->DupCard(3)->FaceDown);

    Dup->DealDealer();
    EXPECT_FALSE(Dup->Asking);
    EXPECT_FALSE(Scene->lblDupHit->Visible());
    EXPECT_FALSE(Scene->DupCard(1)->FaceDown);
    for (int32_t i = 2; i <= 5; ++i) EXPECT_TRUE(Scene->DupCard(i)->FaceDown);
    // The dealt cards are distinct and no jokers.
    for (int32_t i = 1; i <= 5; ++i) {
      const int32_t card = Game->Data->DoubleUpCards[static_cast<size_t>(i)];
      EXPECT_GE(card, 1);
      EXPECT_LE(card, 52);
      for (int32_t j = 1; j < i; ++j)
        EXPECT_NE(card, Game->Data->DoubleUpCards[static_cast<size_t>(j)]);
    }
    Scene->DupCard(1)->SetValue(c.dealer);
    Scene->DupCard(3)->SetValue(c.picked);
    Dup->PickCard(3);
    EXPECT_EQ(Game->Data->Win, c.win);
    for (int32_t i = 1; i <= 5; ++i) EXPECT_FALSE(Scene->DupCard(i)->FaceDown);
    if (c.win == 0) {
      EXPECT_EQ(Scene->lblDupHit->Caption(), "GAME OVER");
      EXPECT_EQ(Scene->lblMessage->Caption(), "GAME OVER");
      EXPECT_EQ(Game->EndRounds, 1);
      EXPECT_EQ(Finished, 1);
    } else {
      // Asking again: no card limit.
      EXPECT_TRUE(Dup->Asking);
      EXPECT_EQ(Scene->lblDupHit->Caption(), "DOUBLE UP?");
      EXPECT_EQ(Game->State, GameStateDoubleUp);
      EXPECT_EQ(Finished, 0);
    }
  }
}

TEST_F(DoubleUpTest, TheDealersCardsFollowTheSeededGenerator) {
  Game->Data->DoubleUpKind = DupBeatTheDealer;
  Dup->StartDoubleUp(0, false);
  RandSeed = 12345;
  std::array<int32_t, 6> expected{};
  for (int32_t i = 1; i <= 5; ++i) {
    int32_t card;
    bool again = true;
    while (again) {
      card = static_cast<int32_t>(Random(52)) + 1;
      again = false;
      for (int32_t j = 1; j < i; ++j) again = again || expected[static_cast<size_t>(j)] == card;
    }
    expected[static_cast<size_t>(i)] = card;
  }
  RandSeed = 12345;
  Dup->DealDealer();
  for (int32_t i = 1; i <= 5; ++i) {
    EXPECT_EQ(Game->Data->DoubleUpCards[static_cast<size_t>(i)], expected[static_cast<size_t>(i)]);
    EXPECT_EQ(Scene->DupCard(i)->Value(), expected[static_cast<size_t>(i)]);
  }
}

}  // namespace
}  // namespace lx::test
