#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "gamecore/lxgamemanager.h"

namespace lx {

namespace {

struct TEntryFacts {
  int32_t GameType;
  const char* IDStr;
  int32_t GroupID;
  int32_t Rows;
  int32_t PaySum;  // sum of the pay table's values: catches a mistyped row
  const char* FirstHand;
  const char* LastHand;
};

// Catalog order.
const TEntryFacts kFacts[] = {
    {1, "LXG_VP_LUMIOBONUS", 1, 11, 1485, "HAND_FIVEOFAKIND", "HAND_3XLUMIO"},
    {2, "LXG_VP_LUMIOBONUS2", 1, 11, 1772, "HAND_ROYALFLUSH_N", "HAND_3XLUMIO"},
    {3, "LXG_VP_DOUBLEJOKER", 1, 10, 972, "HAND_ROYALFLUSH_N", "HAND_TWOPAIRS"},
    {4, "LXG_VP_DOUBLEJOKER2", 1, 10, 100, "HAND_FIVEOFAKIND", "HAND_HIGHPAIR"},
    {5, "LXG_VP_AMERICANPOKER", 1, 9, 1056, "HAND_FIVEOFAKIND", "HAND_TWOPAIRS"},
    {6, "LXG_VP_AMERICANPOKER2", 1, 11, 5039, "HAND_FIVEOFAKIND_D", "HAND_THREEOFAKIND"},
    {10, "LXG_VP_JACKSORBETTER", 1, 9, 350, "HAND_ROYALFLUSH", "HAND_HIGHPAIR"},
    {11, "LXG_VP_JACKSORBETTER2", 1, 11, 618, "HAND_ROYALFLUSH", "HAND_HIGHPAIR"},
    {16, "LXG_VP_DOUBLEBONUS", 1, 11, 1167, "HAND_ROYALFLUSH", "HAND_HIGHPAIR"},
    {17, "LXG_VP_DDOUBLEBONUS", 1, 13, 1727, "HAND_ROYALFLUSH", "HAND_HIGHPAIR"},
    {18, "LXG_VP_TENSORBETTER", 1, 9, 346, "HAND_ROYALFLUSH", "HAND_HIGHPAIR10"},
    {12, "LXG_VP_DEUCESWILD", 1, 10, 562, "HAND_ROYALFLUSH_N", "HAND_THREEOFAKIND"},
    {13, "LXG_VP_DEUCESWILD2", 1, 11, 4864, "HAND_FIVEOFAKIND_D", "HAND_THREEOFAKIND"},
    {14, "LXG_VP_JOKERWILD", 1, 10, 788, "HAND_ROYALFLUSH_N", "HAND_TWOPAIRS"},
    {15, "LXG_VP_JOKERWILD2", 1, 10, 1466, "HAND_FIVEOFAKIND", "HAND_HIGHPAIR"},
    {31, "LXG_SLOT_3X3FRUITS", 2, 38, 3560, "HAND_SEVEN3LINE", "HAND_EMPTYALLFULL"},
    {32, "LXG_SLOT_3X3FRUITS2", 2, 37, 3584, "HAND_SEVEN3LINE", "HAND_EMPTYALLFULL"},
    {33, "LXG_SLOT_3X3MUSIC", 2, 34, 4907, "HAND_SEVEN1LINE", "HAND_EMPTYALLFULL"},
    {34, "LXG_SLOT_3X3VEGAS", 2, 38, 5059, "HAND_SEVEN1LINE", "HAND_EMPTYALLFULL"},
    {60, "LXG_VP_FRUITPOKER", 1, 9, 839, "HAND_ROYALFLUSH_N", "HAND_THREEOFAKIND"},
    {41, "LXG_SLOT_1X3FRUITS", 2, 0, 0, nullptr, nullptr},
    {51, "LXG_SLOT_3X5FRUITS", 2, 0, 0, nullptr, nullptr},
    {52, "LXG_SLOT_3X5POKER", 2, 0, 0, nullptr, nullptr},
};

}  // namespace

TEST(GameManager, CatalogHoldsEveryEntryInOrder) {
  TLxGameManager manager;
  EXPECT_EQ(manager.PokerGroup.Title, "VIDEO POKER");
  EXPECT_EQ(manager.PokerGroup.GroupID, 1);
  EXPECT_EQ(manager.SlotGroup.Title, "SLOT MACHINES");
  EXPECT_EQ(manager.SlotGroup.GroupID, 2);
  ASSERT_EQ(manager.Games.size(), std::size(kFacts));
  std::set<std::string> ids;
  for (size_t i = 0; i < std::size(kFacts); ++i) {
    const TEntryFacts& facts = kFacts[i];
    const TGameInfo& game = *manager.Games[i];
    SCOPED_TRACE(facts.IDStr);
    EXPECT_EQ(game.GameType, facts.GameType);
    EXPECT_EQ(game.IDStr, facts.IDStr);
    ASSERT_NE(game.Group, nullptr);
    EXPECT_EQ(game.Group, facts.GroupID == 1 ? &manager.PokerGroup : &manager.SlotGroup);
    EXPECT_FALSE(game.Title.empty());
    EXPECT_FALSE(game.Description.empty());
    EXPECT_EQ(game.PreviewIndex, 0);
    EXPECT_TRUE(ids.insert(game.IDStr).second);
    EXPECT_EQ(game.IDStr.rfind(facts.GroupID == 1 ? "LXG_VP_" : "LXG_SLOT_", 0), 0u);

    ASSERT_EQ(game.PayTable.Count(), facts.Rows);
    int32_t sum = 0;
    std::set<std::string> hands;
    for (int32_t r = 0; r < game.PayTable.Count(); ++r) {
      const TGameHand& row = *game.PayTable.Items(r);
      sum += row.Value;
      EXPECT_EQ(row.HandCode, HandCodeOf(row.HandIDStr)) << row.HandIDStr;
      EXPECT_NE(row.HandCode, -1) << row.HandIDStr;
      EXPECT_TRUE(hands.insert(row.HandIDStr).second) << row.HandIDStr;
    }
    EXPECT_EQ(sum, facts.PaySum);
    if (facts.Rows > 0) {
      EXPECT_EQ(game.PayTable.Items(0)->HandIDStr, facts.FirstHand);
      EXPECT_EQ(game.PayTable.Items(facts.Rows - 1)->HandIDStr, facts.LastHand);
    }
  }
  EXPECT_EQ(manager.FindByType(60)->Title, "FRUIT POKER");
  EXPECT_EQ(manager.FindByType(60)->Description,
            "52 cards + cherry, 7 and cherry is wild, DoubleUp Beat the Dealer");
  EXPECT_EQ(manager.FindByType(13)->Title, "JOKERS AND DEUCES WILD II");
  EXPECT_EQ(manager.FindByType(41)->Description, manager.FindByType(52)->Description);
  EXPECT_EQ(manager.FindByType(51)->Description.rfind("Multiple Line slot machines let", 0), 0u);
}

TEST(GameManager, PayTablesKeepTheirStoredOrder) {
  TLxGameManager manager;
  const TGameInfo& bonus = *manager.FindByType(11);
  EXPECT_EQ(bonus.IndexOfHand("HAND_STREETFLUSH"), 1);
  EXPECT_EQ(bonus.IndexOfHand("HAND_POKER_ACES"), 2);
  EXPECT_EQ(bonus.PayOf("HAND_POKER_ACES"), 80);
  const TGameInfo& lumio = *manager.FindByType(1);
  EXPECT_EQ(lumio.IndexOfHand("HAND_3XLUMIO"), 10);
  EXPECT_EQ(lumio.PayOf("HAND_3XLUMIO"), 13);
  const TGameInfo& fruits = *manager.FindByType(31);
  EXPECT_EQ(fruits.IndexOfHand("HAND_BARALLFULL"), 3);
  EXPECT_EQ(fruits.PayOf("HAND_BONUSALL1"), 1);
  EXPECT_EQ(fruits.PayOf("HAND_REELNORMAL6LINE"), 12);
  EXPECT_EQ(manager.FindByType(34)->PayOf("HAND_BAR6LINE"), 60);
}

TEST(GameManager, Lookups) {
  TLxGameManager manager;
  EXPECT_EQ(manager.FindByType(7), nullptr);
  EXPECT_EQ(manager.FindByIDStr("lxg_vp_jokerwild"), nullptr);
  ASSERT_NE(manager.FindByIDStr("LXG_VP_JOKERWILD"), nullptr);
  EXPECT_EQ(manager.FindByIDStr("LXG_VP_JOKERWILD")->GameType, 14);

  const TGameInfo& jacks = *manager.FindByType(10);
  EXPECT_EQ(jacks.PayOf("hand_flush"), 6);
  EXPECT_EQ(jacks.IndexOfHand("Hand_RoyalFlush"), 0);
  EXPECT_EQ(jacks.PayOf("HAND_FIVEOFAKIND"), -1);
  EXPECT_EQ(jacks.IndexOfHand("HAND_FIVEOFAKIND"), -1);
  EXPECT_EQ(jacks.PayOfCode(hcHighPair), 1);
  EXPECT_EQ(jacks.PayOfCode(hcNothing), -1);
  EXPECT_EQ(manager.FindByType(5)->PayOf("HAND_HIGHPAIR"), -1);

  const TGameInfo& american2 = *manager.FindByType(6);
  EXPECT_EQ(american2.HandIDOfCode(20), "HAND_FIVEOFAKIND_D");
  EXPECT_TRUE(american2.HasHandCode(20));
  EXPECT_EQ(manager.FindByType(1)->HandIDOfCode(20), "HAND_NOTHING");
  EXPECT_FALSE(manager.FindByType(1)->HasHandCode(20));
  EXPECT_EQ(american2.IndexOfHand("HAND_POKER_D"), 2);
  EXPECT_EQ(manager.FindByType(12)->IndexOfHand("HAND_POKER_D"), 1);
}

TEST(GameManager, AddPayAppendsAndCodesTheRow) {
  TGameInfo game;
  game.AddPay("HAND_FLUSH", 5);
  game.AddPay("HAND_UNKNOWN", 3);
  game.AddPay("HAND_SEQUENTIAL_N", 7);
  game.AddPay("HAND_flush", 9);  // not an identifier: compared case-sensitively
  ASSERT_EQ(game.PayTable.Count(), 4);
  EXPECT_EQ(game.PayTable.Items(0)->HandCode, hcFlush);
  EXPECT_EQ(game.PayTable.Items(1)->HandCode, -1);
  EXPECT_EQ(game.PayTable.Items(3)->HandCode, -1);
  EXPECT_EQ(game.PayOf("HAND_FLUSH"), 5);  // the first row that matches ignoring case
  EXPECT_EQ(game.IndexOfHand("hand_flush"), 0);
  EXPECT_EQ(game.PayOfCode(-1), 3);
  EXPECT_EQ(game.HandIDOfCode(20), "HAND_SEQUENTIAL_N");
  EXPECT_EQ(game.PayOfCode(20), 7);
}

TEST(GameManager, HandTable) {
  struct TCase {
    const char* IDStr;
    int32_t Code;
    const char* Title;
  };
  const TCase cases[] = {
      {"HAND_NOTHING", 0, "NOTHING"},
      {"HAND_HIGHPAIR", 11, "JACKS OR BETTER"},
      {"HAND_3XLUMIO", 13, "3 X LUMIO"},
      {"HAND_FIVEOFAKIND_D", 20, "4 DEUCES AND JOKER"},
      {"HAND_SEQUENTIAL_N", 20, "SEQUENTIAL ROYAL FLUSH"},
      {"HAND_POKER_2TO10", 22, "4 OF A KIND (2's thru 10's)"},
      {"HAND_POKER_2TO4_WATO4", 28, "4 2,3 or 4 w/A,2,3,4"},
      {"HAND_REELNORMAL1LINE", 31, "PEACH/GUITAR LINE"},
      {"HAND_REELNORMAL4LINE", 34, "DIAMOND/ACCORDION LINE"},
      {"HAND_REELNORMAL6LINE", 36, "APPLE LINE"},
      {"HAND_NORMALALLFULL", 37, "ALL FRUITS"},
      {"HAND_CHERRYLINEF2", 44, "2 X CHERRY LINE"},
      {"HAND_SEVEN3LINE", 53, "777 LINE"},
      {"HAND_SEVENALL1", 61, "1 X 7"},
      {"HAND_SEVENALL9", 69, "9 X 7"},
      {"HAND_BAR1LINE", 71, "BAR1 LINE"},
      {"HAND_BAR6LINE", 76, "BAR6 LINE"},
      {"HAND_BARALLLINE", 77, "MIXED BAR LINE"},
      {"HAND_BONUS1LINE", 91, "SUPER BAR LINE"},
      {"HAND_BONUSALL1", 101, "1 X SUPER BAR"},
      {"HAND_BONUSALL5", 105, "5 X SUPER BAR"},
      {"HAND_BONUSALL9", 109, "9 X SUPER BAR"},
      {"HAND_EMPTYALLFULL", 110, "ALL EMPTY"},
      // unknown, and letter case matters
      {"X", -1, ""},
      {"", -1, ""},
      {"hand_nothing", -1, ""},
      {"HAND_SEVENALL0", -1, ""},
      {"HAND_BONUSALL10", -1, ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(HandCodeOf(c.IDStr), c.Code) << c.IDStr;
    EXPECT_EQ(HandTitle(c.IDStr), c.Title) << c.IDStr;
  }
  // Every code 61..69 and 101..109 is taken, each by the identifier ending in its digit.
  for (int32_t i = 1; i <= 9; ++i) {
    EXPECT_EQ(HandCodeOf("HAND_SEVENALL" + std::to_string(i)), 60 + i);
    EXPECT_EQ(HandTitle("HAND_SEVENALL" + std::to_string(i)), std::to_string(i) + " X 7");
    EXPECT_EQ(HandCodeOf("HAND_BONUSALL" + std::to_string(i)), 100 + i);
  }
}

}  // namespace lx
