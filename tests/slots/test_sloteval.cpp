#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamecore/lxgamemanager.h"
#include "slots/sloteval.h"

namespace lx {

namespace {

struct TRecorder : TSlotEvalEvents {
  void PlaySound(const std::string& name) override { Sounds.push_back(name); }
  void BlinkImage(const std::string& name, uint32_t ms) override {
    Blinks.push_back(name + "/" + std::to_string(ms));
  }
  void BlinkWithLine(const std::string& name, int32_t line, uint32_t ms) override {
    Blinks.push_back(name + "+line" + std::to_string(line + 1) + "/" + std::to_string(ms));
  }
  void CountHand(const std::string& handId) override { Hands.push_back(handId); }
  void PayBarSum(int32_t line) override { BarSumLines.push_back(line + 1); }
  std::vector<std::string> Sounds, Blinks, Hands;
  std::vector<int32_t> BarSumLines;
};

// The cells of a screen given by slot numbers, with the machine's group bits.
std::vector<TSlotCell> Screen(const TSlotSetup& setup, const std::vector<int32_t>& slots) {
  const auto masks = SymbolGroupMasks(setup.Counts);
  std::vector<TSlotCell> cells;
  for (int32_t slot : slots) {
    const TReelSymbolDef& d = ReelSymbolTable()[static_cast<size_t>(slot)];
    cells.push_back({d.SymbolID, masks[static_cast<size_t>(slot)], d.LineHandCode});
  }
  return cells;
}

struct TEvalCase {
  const char* Name;
  int32_t Type, Bet1, Bet2;
  std::vector<int32_t> Slots;  // cells in reading order
  bool InBonus;
  int32_t Win;
  std::vector<std::string> Hands;
  std::vector<int32_t> Queue;  // bonus games queued, in order
  std::string Info;
  int32_t CherryStage, BellStage, CollectStage;  // afterwards (start: 9, 5, 1)
  std::vector<int32_t> BarSumLines;
  std::vector<int32_t> Marked;  // cells with WinMark
};

// Filler cells that make no line and no full screen: fruits and two bars.
// clang-format off
const TEvalCase kCases[] = {
    {"cherry line queues a cherry game", 31, 1, 0, {1, 2, 21, 11, 11, 11, 2, 3, 22}, false, 10, {"HAND_CHERRY1LINE"}, {bgCherry}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"two cherries first lower the cherry stage", 31, 1, 0, {1, 2, 21, 11, 11, 2, 2, 3, 22}, false, 2, {"HAND_CHERRYLINEF2"}, {}, "Win: Line (2): ", 8, 5, 1, {}, {}},
    {"one cherry first", 31, 1, 0, {1, 2, 21, 11, 2, 11, 2, 3, 22}, false, 1, {"HAND_CHERRYLINEF1"}, {}, "Win: Line (1): ", 9, 5, 1, {}, {}},
    {"mixed bars", 31, 1, 0, {1, 2, 21, 21, 22, 23, 2, 3, 22}, false, 2, {"HAND_BARALLLINE"}, {}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"bar sum 7 pays the pot and queues a bar game", 34, 1, 0, {1, 2, 21, 21, 22, 24, 2, 3, 22}, false, 1, {"HAND_BARALLLINE"}, {bgBar}, "Win: Line: ", 9, 5, 1, {2}, {}},
    {"bar sum 6 pays only the line", 34, 1, 0, {1, 2, 21, 21, 22, 23, 2, 3, 22}, false, 1, {"HAND_BARALLLINE"}, {}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"three BAR_1 queue a bar game", 31, 1, 0, {1, 2, 21, 21, 21, 21, 2, 3, 22}, false, 5, {"HAND_BAR1LINE"}, {bgBar}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"BAR_1 on a BET2 line pays but queues nothing", 31, 0, 1, {1, 2, 21, 21, 21, 21, 2, 3, 22}, false, 5, {"HAND_BAR1LINE"}, {}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"BET2 coins never pay a BET1 line", 31, 0, 1, {21, 21, 21, 1, 2, 3, 2, 3, 22}, false, 0, {}, {}, "Win: ", 9, 5, 1, {}, {}},
    {"three sevens anywhere", 31, 10, 0, {31, 2, 3, 1, 32, 6, 2, 3, 33}, false, 20, {"HAND_SEVENALL3"}, {}, "Win: ", 9, 5, 1, {}, {1, 5, 9}},
    {"empty line pays nothing", 31, 1, 0, {1, 2, 21, 41, 41, 41, 2, 3, 22}, false, 0, {}, {}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"all cherry", 31, 1, 0, {11, 11, 11, 11, 11, 11, 11, 11, 11}, false, 310, {"HAND_CHERRY1LINE", "HAND_CHERRYALLFULL"}, {bgCherry}, "Win: Line: ", 9, 5, 1, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"all fruit", 31, 1, 0, {11, 1, 1, 1, 1, 1, 1, 1, 1}, false, 12, {"HAND_REELNORMAL1LINE", "HAND_NORMALALLFULL"}, {}, "Win: Line: ", 9, 5, 1, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"the bell is no fruit", 31, 1, 0, {11, 1, 1, 1, 1, 1, 1, 1, 4}, false, 2, {"HAND_REELNORMAL1LINE"}, {}, "Win: Line: ", 9, 5, 1, {}, {}},
    {"nine sevens pay no full screen", 31, 1, 0, {31, 31, 31, 31, 31, 31, 31, 31, 31}, false, 1010, {"HAND_SEVEN1LINE", "HAND_SEVENALL9"}, {}, "Win: Line: ", 9, 5, 1, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"bell line lowers the bell stage on either group", 31, 0, 1, {1, 2, 21, 4, 4, 4, 2, 3, 22}, false, 10, {"HAND_REELNORMAL4LINE"}, {}, "Win: Line: ", 9, 4, 1, {}, {}},
    {"no trigger in a bonus game", 31, 1, 0, {1, 2, 21, 11, 11, 2, 2, 3, 22}, true, 2, {"HAND_CHERRYLINEF2"}, {}, "Win: Line (2): ", 9, 5, 1, {}, {}},
    {"collect line queues and advances the stage", 33, 1, 0, {2, 3, 5, 1, 1, 1, 3, 5, 2}, false, 5, {"HAND_REELNORMAL1LINE"}, {bgCollect}, "Win: Line: ", 9, 5, 2, {}, {}},
    {"all bar", 34, 1, 0, {21, 22, 23, 24, 25, 26, 21, 22, 23}, false, 201, {"HAND_BARALLLINE", "HAND_BARALLFULL"}, {}, "Win: Line: ", 9, 5, 1, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
};
// clang-format on

}  // namespace

TEST(SlotEvaluation, ScreensPerMachine) {
  TLxGameManager catalog;
  for (const TEvalCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    const TSlotSetup& setup = *SlotSetupOf(c.Type);
    TSlotsData data(c.Type);
    data.Bet1 = c.Bet1;
    data.Bet2 = c.Bet2;
    data.CherryBonusSymbol = setup.CherryBonusSymbol;
    data.BellSymbol = setup.BellSymbol;
    data.PoolSymbol = setup.PoolSymbol;
    data.CollectBonusStage = 1;
    data.InBonusGame = c.InBonus;
    TRecorder events;
    TSlotEvaluator eval(*catalog.FindByType(c.Type), setup, data, &events);
    const auto cells = Screen(setup, c.Slots);
    const int32_t win = eval.Evaluate(cells, DistributeCoins(setup.Layout, c.Bet1, c.Bet2));
    EXPECT_EQ(win, c.Win);
    EXPECT_EQ(events.Hands, c.Hands);
    EXPECT_EQ(eval.Info, c.Info);
    std::vector<int32_t> queue(data.BonusGames.begin(), data.BonusGames.end());
    EXPECT_EQ(queue, c.Queue);
    EXPECT_EQ(data.CherryBonusStage, c.CherryStage);
    EXPECT_EQ(data.BellBonusStage, c.BellStage);
    EXPECT_EQ(data.CollectBonusStage, c.CollectStage);
    EXPECT_EQ(events.BarSumLines, c.BarSumLines);
    std::vector<int32_t> marked;
    for (size_t i = 0; i < eval.WinMarks.size(); ++i)
      if (eval.WinMarks[i]) marked.push_back(static_cast<int32_t>(i) + 1);
    EXPECT_EQ(marked, c.Marked);
    const bool won = win > 0;
    EXPECT_EQ(!events.Sounds.empty() && events.Sounds.back() == "SND_SLOTWIN", won);
  }
}

TEST(SlotEvaluation, TriggerDisplaysAndSounds) {
  TLxGameManager catalog;
  const TSlotSetup& setup = *SlotSetupOf(31);
  TSlotsData data(31);
  data.Bet1 = 1;
  data.CherryBonusSymbol = 11;
  data.BellSymbol = 4;
  TRecorder events;
  TSlotEvaluator eval(*catalog.FindByType(31), setup, data, &events);
  eval.Evaluate(Screen(setup, {1, 2, 3, 11, 11, 11, 2, 3, 6}), DistributeCoins(0, 1, 0));
  EXPECT_EQ(events.Blinks, std::vector<std::string>{"IMG_CHERRYBONUS/2000"});
  EXPECT_EQ(events.Sounds, (std::vector<std::string>{"SND_SLOTBAR", "SND_SLOTWIN"}));
  events = TRecorder();
  eval.Evaluate(Screen(setup, {1, 2, 3, 11, 11, 2, 2, 3, 6}), DistributeCoins(0, 1, 0));
  EXPECT_EQ(events.Blinks, std::vector<std::string>{"IMG_2CHERRY/1000"});
  EXPECT_EQ(events.Sounds.front(), "SND_SLOTBONUSDOWN");
  events = TRecorder();
  eval.Evaluate(Screen(setup, {1, 2, 3, 23, 23, 23, 2, 3, 6}), DistributeCoins(0, 1, 0));
  EXPECT_EQ(events.Blinks, std::vector<std::string>{"IMG_BARBONUS3/2000"});
  events = TRecorder();
  eval.Evaluate(Screen(setup, {1, 2, 3, 4, 4, 4, 2, 3, 6}), DistributeCoins(0, 1, 0));
  EXPECT_EQ(events.Blinks, std::vector<std::string>{"IMG_BELLBONUS/1000"});
  // The collect machine blinks the stage's image with the line's symbols.
  const TSlotSetup& music = *SlotSetupOf(33);
  TSlotsData collect(33);
  collect.Bet1 = 1;
  collect.CollectBonusStage = 2;
  TSlotEvaluator eval33(*catalog.FindByType(33), music, collect, &events);
  events = TRecorder();
  eval33.Evaluate(Screen(music, {1, 3, 5, 2, 2, 2, 3, 5, 1}), DistributeCoins(0, 1, 0));
  EXPECT_EQ(events.Blinks, std::vector<std::string>{"IMG_COLLECTBONUS_2+line2/2000"});
  EXPECT_EQ(collect.CollectBonusStage, 3);
}

TEST(SlotEvaluation, MachinesWithoutPayTableNeverPay) {
  TLxGameManager catalog;
  const TSlotSetup& setup = *SlotSetupOf(41);
  TSlotsData data(41);
  data.Bet1 = 1;
  data.Bet2 = 1;
  TSlotEvaluator eval(*catalog.FindByType(41), setup, data);
  EXPECT_EQ(eval.Evaluate(Screen(setup, {11, 11, 11}), DistributeCoins(Layout1x3, 1, 1)), 0);
  EXPECT_EQ(eval.WinCodes, (std::vector<int32_t>{0, 0}));
  EXPECT_EQ(eval.Info, "Win: Line: Line: ");
}

}  // namespace lx
