#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "gamecore/lxgamemanager.h"
#include "gamecore/lxpokerrules.h"

namespace lx {

namespace {

// Card number of a rank (1..13) and suit (1..4); 53 and 54 are the jokers.
constexpr int32_t C(int32_t rank, int32_t suit) {
  return (suit - 1) * 13 + rank;
}
constexpr int32_t kJoker = 53;

TEST(PokerRules, EveryPokerGameOfTheCatalogHasOneConfigurationRow) {
  TLxGameManager catalog;
  std::set<int32_t> pokerTypes;
  for (const auto& game : catalog.Games) {
    if (game->Group->GroupID == 1) pokerTypes.insert(game->GameType);
  }
  std::set<int32_t> configured;
  for (const TPokerConfig& config : PokerConfigs()) configured.insert(config.GameType);
  EXPECT_EQ(pokerTypes, configured);
  EXPECT_EQ(PokerConfigs().size(), 16u);
  EXPECT_EQ(PokerConfigOf(7), nullptr);
  EXPECT_EQ(PokerConfigOf(31), nullptr);
}

struct TConfigCase {
  int32_t Type;
  std::string Scene;
  std::string CardSet;
  std::vector<int> Bits;
  uint8_t Kind;
  int32_t Limit;
  int32_t Wild;
  int32_t Music;
};

TEST(PokerRules, ConfigurationRowsDecodeToTheirFeatureBits) {
  const TConfigCase cases[] = {
      {1, "VP01", "CardSet2", {5, 6, 10, 11, 12, 14}, dkBigSmall, 10, 0, 4},
      {2, "VP01", "CardSet2", {4, 5, 6, 10, 11, 12, 14}, dkBigSmall, 10, 2, 4},
      {3, "VP02", "CardSet2", {2, 3, 11, 15}, dkBeatTheDealer, 10, 0, 4},
      {4, "VP02", "CardSet2", {2, 3, 11, 15}, dkBeatTheDealer, 10, 0, 4},
      {5, "VP03", "CardSet2", {2, 5, 7, 9, 11}, dkRedBlack, 8, 0, 5},
      {6, "VP03", "CardSet2", {2, 4, 5, 7, 9, 11}, dkRedBlack, 8, 2, 5},
      {10, "VPC01", "CardSet1", {1, 11, 15}, dkBigSmall, 10, 0, 3},
      {11, "VPC01", "CardSet1", {1, 11, 15}, dkBigSmall, 10, 0, 3},
      {12, "VPC02", "CardSet1", {1, 4, 11, 15}, dkRedBlack, 10, 2, 3},
      {13, "VPC02", "CardSet1", {1, 4, 11, 15}, dkRedBlack, 10, 2, 3},
      {14, "VPC03", "CardSet1", {1, 2, 11, 15}, dkBigSmall, 10, 0, 3},
      {15, "VPC03", "CardSet1", {1, 2, 11, 15}, dkBigSmall, 10, 0, 3},
      {16, "VPC01", "CardSet1", {1, 11, 15}, dkBigSmall, 10, 0, 3},
      {17, "VPC04", "CardSet1", {1, 11, 15}, dkBeatTheDealer, 10, 0, 3},
      {18, "VPC01", "CardSet1", {1, 11, 15}, dkBigSmall, 10, 0, 3},
      {60, "VPFRUIT", "CardSetFruit", {2, 4, 11, 15}, dkBeatTheDealer, 10, 7, 4},
  };
  for (const TConfigCase& c : cases) {
    SCOPED_TRACE(c.Type);
    const TPokerConfig* config = PokerConfigOf(c.Type);
    ASSERT_NE(config, nullptr);
    uint16_t bits = 0;
    for (int bit : c.Bits) bits = static_cast<uint16_t>(bits | (1u << bit));
    EXPECT_EQ(config->Features, bits);
    EXPECT_EQ(config->SceneName, c.Scene);
    EXPECT_EQ(config->CardSet, c.CardSet);
    EXPECT_EQ(config->DoubleUpKind, c.Kind);
    EXPECT_EQ(config->DoubleUpLimit, c.Limit);
    EXPECT_EQ(config->WildRank, c.Wild);
    EXPECT_EQ(config->MusicTrack, c.Music);
  }
}

TEST(PokerRules, BetLadderOfEveryRow) {
  const std::vector<int32_t> lumio = {0, 5, 7, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  const std::vector<int32_t> lumioWild = {0, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  const std::vector<int32_t> american = {0, 1, 2, 3, 4, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  const std::vector<int32_t> classic = {0, 10, 20, 30, 40, 50};
  for (const TPokerConfig& config : PokerConfigs()) {
    SCOPED_TRACE(config.GameType);
    const TBetLadder ladder = BetLadderOf(config);
    const int32_t t = config.GameType;
    if (t == 3 || t == 4 || t == 60) {
      EXPECT_FALSE(ladder.FromList);
      EXPECT_EQ(ladder.Step, 1);
      EXPECT_EQ(ladder.MinBet, 5);
      EXPECT_EQ(ladder.MaxBet, 100);
      continue;
    }
    EXPECT_TRUE(ladder.FromList);
    const std::vector<int32_t>& expected = t == 1               ? lumio
                                           : t == 2             ? lumioWild
                                           : (t == 5 || t == 6) ? american
                                                                : classic;
    EXPECT_EQ(ladder.Levels, expected);
    EXPECT_EQ(ladder.MinBet, expected[1]);
    EXPECT_EQ(ladder.MaxBet, expected.back());
  }
}

TEST(PokerRules, DecksHoldJokersAndSevensOnlyWhereTheFeaturesAllow) {
  // Type 1: no joker in the round, the first joker and sevens in the double-up.
  const uint16_t t1 = PokerConfigOf(1)->Features;
  EXPECT_FALSE(PokerCardAllowed(53, t1, false));
  EXPECT_TRUE(PokerCardAllowed(53, t1, true));
  EXPECT_FALSE(PokerCardAllowed(54, t1, true));
  EXPECT_TRUE(PokerCardAllowed(7, t1, true));
  // Type 3: both jokers in the round, none and no sevens in the double-up.
  const uint16_t t3 = PokerConfigOf(3)->Features;
  EXPECT_TRUE(PokerCardAllowed(53, t3, false));
  EXPECT_TRUE(PokerCardAllowed(54, t3, false));
  EXPECT_FALSE(PokerCardAllowed(53, t3, true));
  for (int32_t seven : {7, 20, 33, 46}) {
    EXPECT_FALSE(PokerCardAllowed(seven, t3, true));
    EXPECT_TRUE(PokerCardAllowed(seven, t3, false));
  }
  EXPECT_FALSE(PokerCardAllowed(0, t3, false));
  EXPECT_FALSE(PokerCardAllowed(55, t3, false));
}

struct THoldCase {
  const char* What;
  int32_t Type;
  std::array<int32_t, 5> Cards;
  THoldMask Expected;
  int32_t Lumio = -1;
};

template <size_t N>
void ExpectHolds(const THoldCase (&cases)[N]) {
  TLxGameManager catalog;
  for (const THoldCase& c : cases) {
    SCOPED_TRACE(c.What);
    const TGameInfo* game = catalog.FindByType(c.Type);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(AutoHoldMask(*game, c.Cards, c.Lumio), c.Expected);
  }
}

TEST(PokerRules, AutoHoldByHandCode) {
  const THoldCase cases[] = {
      {"natural royal flush", 10, {C(1, 2), C(10, 2), C(11, 2), C(12, 2), C(13, 2)}, 0x1F},
      {"full house", 10, {C(3, 1), C(3, 2), C(9, 1), C(3, 3), C(9, 4)}, 0x1F},
      {"straight with the ace low", 10, {C(1, 1), C(2, 2), C(3, 1), C(4, 3), C(5, 4)}, 0x1F},
      {"two pairs", 10, {C(6, 1), C(1, 2), C(13, 1), C(6, 3), C(1, 4)}, 0b11011},
      {"three of a kind", 10, {C(9, 1), C(2, 2), C(9, 2), C(13, 3), C(9, 4)}, 0b10101},
      {"jacks or better", 10, {C(3, 1), C(11, 2), C(5, 1), C(11, 3), C(8, 4)}, 0b01010},
      {"four of a kind keeps the four",
       10,
       {C(4, 1), C(4, 2), C(13, 1), C(4, 3), C(4, 4)},
       0b11011},
      {"four aces with a three", 17, {C(1, 1), C(1, 2), C(3, 1), C(1, 3), C(1, 4)}, 0x1F},
      {"four threes with a nine", 17, {C(3, 1), C(3, 2), C(9, 1), C(3, 3), C(3, 4)}, 0b11011},
      {"pair of kings in deuces wild pays nothing",
       12,
       {C(13, 1), C(3, 2), C(13, 2), C(5, 3), C(9, 4)},
       0b00101},
      {"a deuce makes three kings", 12, {C(13, 1), C(3, 2), C(13, 2), C(2, 3), C(9, 4)}, 0b01101},
      {"four deuces keep the deuces only",
       6,
       {C(2, 1), C(2, 2), C(13, 2), C(2, 3), C(2, 4)},
       0b11011},
      {"three Lumio cards", 1, {C(7, 1), C(7, 2), C(3, 2), C(7, 3), C(13, 4)}, 0b01011, 7},
      {"three Lumio cards of a full house",
       1,
       {C(7, 1), C(7, 2), C(13, 2), C(7, 3), C(13, 4)},
       0,
       7},
      {"the same cards without Lumio", 10, {C(7, 1), C(7, 2), C(13, 2), C(7, 3), C(13, 4)}, 0x1F},
      {"joker and three nines", 14, {C(9, 1), kJoker, C(9, 2), C(4, 3), C(9, 4)}, 0b10111},
      {"fruit: a cherry and a seven make three of the lowest natural rank",
       60,
       {C(7, 1), kJoker, C(9, 2), C(4, 3), C(12, 4)},
       0b01011},
  };
  ExpectHolds(cases);
}

TEST(PokerRules, AutoHoldOfAHandThatPaysNothingFollowsTheDrawRules) {
  const THoldCase cases[] = {
      {"four of one suit", 10, {C(2, 3), C(6, 3), C(9, 1), C(11, 3), C(13, 3)}, 0b11011},
      {"R1..R4 in a row", 10, {C(13, 1), C(3, 2), C(4, 3), C(5, 1), C(6, 4)}, 0b11110},
      {"R2..R5 in a row", 10, {C(2, 1), C(9, 2), C(10, 3), C(11, 1), C(12, 4)}, 0b11110},
      {"R1, gap, R3..R5 breaks a low pair",
       10,
       {C(4, 1), C(4, 2), C(6, 3), C(7, 1), C(8, 4)},
       0b11101},
      {"R1 R2, gap, R4 R5 keeps one of the pair",
       10,
       {C(3, 1), C(4, 2), C(4, 3), C(6, 1), C(7, 4)},
       0b11011},
      {"R1 R2, gap, R3 R4", 10, {C(3, 1), C(4, 2), C(6, 3), C(7, 1), C(13, 4)}, 0b01111},
      {"R1..R3, gap, R4 in any position",
       10,
       {C(7, 1), C(3, 2), C(4, 3), C(5, 1), C(12, 4)},
       0b01111},
      {"R2, gap, R3..R5", 10, {C(1, 1), C(6, 2), C(8, 3), C(9, 1), C(10, 4)}, 0b11110},
      {"R1, gap, R2..R4", 10, {C(4, 1), C(6, 2), C(7, 3), C(8, 1), C(13, 4)}, 0b01111},
      {"ace with ten, jack, queen", 10, {C(1, 1), C(5, 2), C(10, 3), C(11, 1), C(12, 4)}, 0b11101},
      {"low pair first", 10, {C(5, 1), C(5, 2), C(9, 3), C(12, 1), C(2, 4)}, 0b00011},
      {"low pair last", 10, {C(3, 1), C(5, 2), C(9, 3), C(9, 1), C(13, 4)}, 0b01100},
      {"joker keeps one high card", 14, {kJoker, C(5, 2), C(8, 3), C(1, 1), C(13, 4)}, 0b01001},
      {"nothing to keep", 10, {C(2, 1), C(5, 2), C(8, 3), C(11, 1), C(13, 4)}, 0},
  };
  ExpectHolds(cases);
}

TEST(PokerRules, DrawRuleHoldsOneCardPerListedRankAndJokersAndWildCardsFirst) {
  // Deuces wild with fHoldWildRank: the deuce is kept whatever the draw rules say.
  THandDetails none;
  const std::array<int32_t, 5> cards = {C(2, 1), C(5, 2), C(8, 3), C(11, 1), C(13, 4)};
  EXPECT_EQ(AutoHoldMask(cards, hcNothing, none, 2, fHoldWildRank), 0b00001);
  EXPECT_EQ(AutoHoldMask(cards, hcNothing, none, 2, 0), 0);
  // A hand code the machine does not know holds only jokers.
  const std::array<int32_t, 5> joker = {kJoker, C(5, 2), C(8, 3), C(11, 1), C(13, 4)};
  EXPECT_EQ(AutoHoldMask(joker, hcPokerD, none, 0, 0), 0b00001);
}

}  // namespace

}  // namespace lx
