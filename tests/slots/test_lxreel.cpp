#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "base/lxrandom.h"
#include "slots/lxreel.h"
#include "slots/slotsetup.h"

namespace lx {

namespace {

// A 150-pixel reel over a strip of distinct pictures (symbol i has SymbolID i).
struct TReelFixture {
  TReelFixture() {
    Reel = std::make_unique<TLxReel>(nullptr);
    Reel->SetTop(200);
    Reel->SetLeft(40);
    Reel->SetWidth(120);
    Reel->SetHeight(150);
    Reel->ItemHeight = 90;
    for (int32_t i = 0; i < StripLength; ++i) {
      auto symbol = std::make_unique<TLxReelItemInfo>(nullptr);
      symbol->SymbolID = i;
      symbol->SetHeight(90);
      Reel->Strip.push_back(symbol.get());
      Symbols.push_back(std::move(symbol));
    }
    Reel->ResetReel();
  }
  std::unique_ptr<TLxReel> Reel;
  std::vector<std::unique_ptr<TLxReelItemInfo>> Symbols;
};

}  // namespace

TEST(Reel, RestGeometryAndTheThreeSymbolsDrawn) {
  TReelFixture f;
  EXPECT_EQ(f.Reel->Target, 30);
  EXPECT_EQ(f.Reel->Threshold, 75);
  EXPECT_EQ(f.Reel->Offset, 30);
  f.Reel->Position = 10;
  f.Reel->Paint();
  EXPECT_EQ(f.Symbols[9]->Top(), 200 - 60);
  EXPECT_EQ(f.Symbols[10]->Top(), 200 + 30);
  EXPECT_EQ(f.Symbols[11]->Top(), 200 + 120);
  EXPECT_EQ(f.Symbols[10]->Left(), 40);
  EXPECT_TRUE(f.Reel->Clip);
  // Wrap of the neighbours at both strip ends.
  f.Reel->Position = 0;
  f.Reel->Paint();
  EXPECT_EQ(f.Symbols[99]->Top(), 200 - 60);
  EXPECT_EQ(f.Symbols[1]->Top(), 200 + 120);
}

TEST(Reel, SpinFrameByFrame) {
  TReelFixture f;
  f.Reel->StartSpin();
  EXPECT_EQ(f.Reel->Speed, 80);
  // First frame: 79 pixels down, one wrap back to the last strip entry.
  f.Reel->StepMotion();
  EXPECT_EQ(f.Reel->Speed, 79);
  EXPECT_EQ(f.Reel->Position, 99);
  EXPECT_EQ(f.Reel->Offset, 30 + 79 - 90);
  int32_t frames = 1;
  while (f.Reel->Speed > 1 && !f.Reel->Settling) {
    f.Reel->StepMotion();
    ++frames;
  }
  // 79 + 78 + ... + 1 = 3160 pixels in 79 frames: 35 symbols and 10 pixels.
  EXPECT_EQ(frames, 79);
  EXPECT_EQ(f.Reel->Position, 65);
  EXPECT_EQ(f.Reel->Offset, 40);
  // Then the creep at 4 pixels per frame to the next centred symbol.
  f.Reel->StepMotion();
  ++frames;
  EXPECT_TRUE(f.Reel->Settling);
  EXPECT_EQ(f.Reel->Speed, 4);
  EXPECT_EQ(f.Reel->Offset, 44);
  while (f.Reel->Spinning) {
    ASSERT_LE(f.Reel->Speed, 4);
    f.Reel->StepMotion();
    ++frames;
    ASSERT_LT(frames, 200);
  }
  EXPECT_EQ(frames, 100);
  EXPECT_EQ(f.Reel->Offset, 30);
  EXPECT_EQ(f.Reel->Position, 64);
  EXPECT_EQ(f.Reel->Speed, 0);
  EXPECT_EQ(f.Reel->CurrentSymbol(), f.Symbols[64].get());
  // At rest nothing moves any more.
  f.Reel->StepMotion();
  EXPECT_EQ(f.Reel->Offset, 30);
  EXPECT_EQ(f.Reel->Position, 64);
}

TEST(Reel, HurryStopShortensTheSpinAndStillCentres) {
  TReelFixture f;
  f.Reel->StartSpin();
  for (int i = 0; i < 30; ++i) f.Reel->StepMotion();
  EXPECT_EQ(f.Reel->Speed, 50);
  f.Reel->HurryStop();
  EXPECT_EQ(f.Reel->Speed, 30);
  int32_t frames = 30;
  while (f.Reel->Spinning) {
    f.Reel->StepMotion();
    ASSERT_LT(++frames, 200);
  }
  EXPECT_LT(frames, 100);
  EXPECT_EQ(f.Reel->Offset, f.Reel->Target);
  TReelFixture slow;
  slow.Reel->Speed = 20;
  slow.Reel->HurryStop();
  EXPECT_EQ(slow.Reel->Speed, 20);
}

TEST(Reel, SymbolBlinkStartsHiddenAndTogglesEveryThirtyFrames) {
  TReelFixture f;
  f.Reel->SetSymbolBlink(true);
  EXPECT_FALSE(f.Reel->CurrentVisible());
  for (int i = 0; i < 29; ++i) f.Reel->Paint();
  EXPECT_FALSE(f.Reel->CurrentVisible());
  f.Reel->Paint();
  EXPECT_TRUE(f.Reel->CurrentVisible());
  f.Reel->SetSymbolBlink(false);
  EXPECT_TRUE(f.Reel->CurrentVisible());
}

TEST(ReelSymbols, TableAndGroupBits) {
  const auto& t = ReelSymbolTable();
  struct TRow {
    int32_t Slot, ID, Hand, Weight;
    uint8_t Group;
    const char* Texture;
  };
  const TRow rows[] = {{1, 1, 31, 100, grNormal, "REELITEM_NORMAL_1"},
                       {6, 6, 36, 100, grNormal, "REELITEM_NORMAL_6"},
                       {13, 13, 43, 100, grCherry, "REELITEM_CHERRY_3"},
                       {22, 22, 72, 100, grBar, "REELITEM_BAR_2"},
                       {23, 23, 73, 30, grBar, "REELITEM_BAR_3"},
                       {26, 26, 76, 30, grBar, "REELITEM_BAR_6"},
                       {33, 33, 53, 10, grSeven, "REELITEM_SEVEN_3"},
                       {41, 41, 0, 100, grEmpty, "REELITEM_EMPTY_1"},
                       {51, 50, 91, 100, grBonus, "REELITEM_BONUS_1"},
                       {7, 0, 0, 100, 0, ""},
                       {60, 0, 0, 100, 0, ""}};
  for (const TRow& r : rows) {
    SCOPED_TRACE(r.Slot);
    const TReelSymbolDef& d = t[static_cast<size_t>(r.Slot)];
    EXPECT_EQ(d.SymbolID, r.ID);
    EXPECT_EQ(d.LineHandCode, r.Hand);
    EXPECT_EQ(d.Weight, r.Weight);
    EXPECT_EQ(d.Group, r.Group);
    EXPECT_EQ(d.TextureName, r.Texture);
  }
  // Music machine: 5 normal, 1 cherry, 3 bars, 1 seven, 1 empty.
  const auto masks = SymbolGroupMasks({5, 1, 3, 1, 1});
  EXPECT_EQ(masks[5], grNormal);
  EXPECT_EQ(masks[6], 0);
  EXPECT_EQ(masks[11], grCherry);
  EXPECT_EQ(masks[12], 0);
  EXPECT_EQ(masks[23], grBar);
  EXPECT_EQ(masks[24], 0);
  EXPECT_EQ(masks[31], grSeven);
  EXPECT_EQ(masks[32], 0);
  EXPECT_EQ(masks[41], grEmpty);
  EXPECT_EQ(masks[51], grBonus);
}

// Frequencies of many strip entries against the acceptance rules, within five standard
// deviations; the expected chances are written out by hand, not taken from the code.
TEST(StripFill, AcceptanceWithinStatisticalBounds) {
  const TSlotSetup& s31 = *SlotSetupOf(31);
  const auto masks = SymbolGroupMasks(s31.Counts);
  std::array<int32_t, SymbolSlotCount + 1> weights{};
  for (size_t n = 0; n < weights.size(); ++n) weights[n] = ReelSymbolTable()[n].Weight;

  struct TKindCase {
    int32_t Kind;
    std::vector<std::pair<int32_t, double>> Raw;  // slot and its acceptance chance
  };
  const double a = 29.0 / 98, b = 9.0 / 98;
  const TKindCase cases[] = {
      // Normal spin: the sevens keep weight 10, the upper bars weight 30.
      {0,
       {{1, 1},
        {2, 1},
        {3, 1},
        {4, 1},
        {5, 1},
        {6, 1},
        {11, 1},
        {21, 1},
        {22, 1},
        {23, a},
        {31, b},
        {32, b},
        {33, b}}},
      // Cherry bonus spin: CHERRY_1 and the sevens 29/98, EMPTY_1 always.
      {3, {{11, a}, {31, a}, {32, a}, {33, a}, {41, 1}}},
      // Bar bonus spin: every other allowed symbol 9/98.
      {1, {{21, b}, {22, b}, {23, b}, {31, b}, {32, b}, {33, b}, {41, 1}, {51, b}}},
  };
  RandSeed = 12345;
  for (const TKindCase& k : cases) {
    SCOPED_TRACE(k.Kind);
    double total = 0;
    for (const auto& [slot, chance] : k.Raw) total += chance;
    const int32_t draws = 40000;
    std::array<int32_t, SymbolSlotCount + 1> hits{};
    for (int32_t i = 0; i < draws; ++i) {
      const int32_t n =
          DrawStripSlot(k.Kind, s31.KindMasks[static_cast<size_t>(k.Kind)], masks, weights);
      ASSERT_GE(n, 1);
      ++hits[static_cast<size_t>(n)];
    }
    const auto dist =
        StripDistribution(k.Kind, s31.KindMasks[static_cast<size_t>(k.Kind)], masks, weights);
    int32_t counted = 0;
    for (const auto& [slot, chance] : k.Raw) {
      SCOPED_TRACE(slot);
      const double p = chance / total;
      EXPECT_NEAR(dist[static_cast<size_t>(slot)], p, 1e-12);
      const double sigma = std::sqrt(draws * p * (1 - p));
      EXPECT_NEAR(hits[static_cast<size_t>(slot)], draws * p, 5 * sigma + 1);
      counted += hits[static_cast<size_t>(slot)];
    }
    EXPECT_EQ(counted, draws);  // nothing outside the kind's mask
  }
}

TEST(StripFill, KindsThatCannotFill) {
  // The 3 x 5 machines enable no symbol; the music machine has no bar or cherry bonus spins
  // but its collect spins fill.
  EXPECT_FALSE(SlotTypeCanSpin(51));
  EXPECT_FALSE(SlotTypeCanSpin(52));
  EXPECT_FALSE(SlotTypeCanSpin(7));
  for (int32_t type : {31, 32, 33, 34, 41}) EXPECT_TRUE(SlotTypeCanSpin(type)) << type;
  const auto none = SymbolGroupMasks({0, 0, 0, 0, 0});
  std::array<int32_t, SymbolSlotCount + 1> weights{};
  weights.fill(100);
  EXPECT_EQ(DrawStripSlot(0, 30, none, weights), 0);
}

TEST(StripFill, ForcedPatternTable) {
  struct TCase {
    int32_t Entry, Cell, Slot;
  };
  // Pool symbol 5, bell symbol 4, collect stage 3.
  const TCase cases[] = {{0, 5, 0},   {1, 4, 21},  {1, 1, 0},  {2, 6, 22},  {3, 5, 23},
                         {4, 4, 11},  {5, 6, 31},  {6, 5, 5},  {6, 2, 0},   {7, 2, 5},
                         {7, 5, 0},   {8, 5, 5},   {8, 2, 0},  {8, 9, 5},   {9, 5, 4},
                         {10, 6, 3},  {11, 1, 11}, {11, 9, 1}, {12, 7, 11}, {13, 4, 22},
                         {13, 3, 21}, {14, 8, 31}, {15, 1, 0}};
  for (const TCase& c : cases)
    EXPECT_EQ(ForcedPatternSlot(c.Entry, c.Cell, 5, 4, 3), c.Slot) << c.Entry << "/" << c.Cell;
  EXPECT_STREQ(ForcedPatternText(12), "ALL CHERRY");
  EXPECT_STREQ(ForcedPatternText(0), "-");
}

TEST(SlotSetups, CoinDistribution) {
  struct TCase {
    uint8_t Layout;
    int32_t Bet1, Bet2;
    std::vector<int32_t> Coins;  // by line 1..n
  };
  const TCase cases[] = {
      {Layout3x3, 10, 0, {2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {Layout3x3, 8, 0, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {Layout3x3, 1, 0, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {Layout3x3, 0, 3, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0}},
      {Layout3x3, 3, 5, {1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1}},
      {Layout3x3, 98, 98, {13, 13, 12, 12, 12, 12, 12, 12, 13, 13, 12, 12, 12, 12, 12, 12}},
      {Layout1x3, 5, 7, {5, 7}},
      {Layout3x5, 9, 2, {2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(DistributeCoins(c.Layout, c.Bet1, c.Bet2), c.Coins) << c.Bet1 << "/" << c.Bet2;
}

TEST(SlotSetups, LinesOfTheGrids) {
  const auto& l = GridLines(Layout3x3);
  ASSERT_EQ(l.size(), 16u);
  EXPECT_EQ(l[7].Cells, (std::vector<int32_t>{7, 5, 3}));
  EXPECT_EQ(l[14].Markers, (std::vector<int32_t>{8}));
  EXPECT_EQ(l[15].Markers, (std::vector<int32_t>{7}));
  EXPECT_EQ(l[15].BetGroup, 2);
  const auto& w = GridLines(Layout3x5);
  ASSERT_EQ(w.size(), 14u);
  EXPECT_EQ(w[12].Markers, (std::vector<int32_t>{9, 11, 10, 4}));
  EXPECT_EQ(GridLines(Layout1x3).size(), 2u);
  // Every BET2 line is a BET1 line read backwards.
  for (size_t i = 0; i < 8; ++i) {
    std::vector<int32_t> back(l[i].Cells.rbegin(), l[i].Cells.rend());
    bool found = false;
    for (size_t j = 8; j < 16; ++j) found = found || l[j].Cells == back;
    EXPECT_TRUE(found) << i;
  }
}

}  // namespace lx
