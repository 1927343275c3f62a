#include "poker/pokerdeck.h"
#include "poker_fixture.h"

namespace lx::test {

namespace {

using PokerHint = PokerFixture;

TEST_F(PokerHint, HintKeyShowsTheBestHoldAndChangesNoHold) {
  TPoker& game = Open(10);
  Key('O');  // outside the holding phase: nothing
  EXPECT_EQ(game.State, GameStateIdle);
  EXPECT_EQ(Caption("LBL_MESSAGE"), "TESSARO");
  PokerForcedHand = [] { return 16; };  // jacks of hearts and spades, ace, deuce, three of clubs
  Key('M');
  PokerForcedHand = nullptr;
  ASSERT_EQ(game.State, PokerStateHolding);
  Key('X');  // the player lets go of the second jack
  std::array<bool, 5> held{};
  for (int32_t i = 1; i <= 5; ++i) held[static_cast<size_t>(i - 1)] = Card(i).Held;
  const uint32_t credit = Data().Credit;
  Key('O');
  EXPECT_EQ(Caption("LBL_MESSAGE").rfind("BEST: JH JS 1.", 0), 0u) << Caption("LBL_MESSAGE");
  EXPECT_EQ(game.State, PokerStateHolding);
  EXPECT_EQ(Data().Credit, credit);
  for (int32_t i = 1; i <= 5; ++i) {
    EXPECT_EQ(Card(i).Held, held[static_cast<size_t>(i - 1)]) << i;
    EXPECT_FALSE(Card(i).Blink()) << i;
  }
}

}  // namespace

}  // namespace lx::test
