#include "slots/slotsetup.h"

namespace lx {

namespace {

const std::vector<TSlotSetup>& Setups() {
  static const std::vector<TSlotSetup> setups = [] {
    std::vector<TSlotSetup> s;
    auto add = [&s](int32_t type, const char* scene, uint8_t layout, const char* reels,
                    int32_t coins, uint8_t dup, uint8_t music, int32_t bell, int32_t pool,
                    TSymbolCounts counts, std::array<uint8_t, 5> masks, uint16_t options) {
      TSlotSetup t;
      t.GameType = type;
      t.SceneName = scene;
      t.Layout = layout;
      t.ReelSet = reels;
      t.MaxCoins = coins;
      t.DoubleUpKind = dup;
      t.MusicTheme = music;
      t.BellSymbol = bell;
      t.PoolSymbol = pool;
      t.Counts = counts;
      t.KindMasks = masks;
      t.Options = options;
      if (layout == Layout3x3) t.CherryBonusSymbol = 11;
      if (type == 31 || type == 32) t.Background = "BACKGROUND_SLOT3X3FRUIT";
      s.push_back(t);
    };
    add(31, "Slots3X3V1", Layout3x3, "ReelsFruits", 98, 0, 3, 4, 0, {6, 1, 3, 3, 1},
        {30, 120, 120, 52, 0}, 0x0F82);
    add(32, "Slots3X3V2", Layout3x3, "ReelsFruits", 128, 0, 5, 4, 5, {6, 1, 3, 3, 1},
        {30, 120, 120, 52, 0}, 0x0CC2);
    add(33, "Slots3X3Music", Layout3x3, "ReelsMusic", 98, 0, 3, 4, 0, {5, 1, 3, 1, 1},
        {22, 0, 0, 0, 120}, 0x2002);
    add(34, "Slots3X3Vegas", Layout3x3, "ReelsVegas", 98, 1, 4, 5, 0, {5, 1, 6, 1, 1},
        {30, 120, 120, 52, 0}, 0x1C02);
    add(41, "Slots1X3", Layout1x3, "ReelsFruits", 98, 1, 3, 0, 0, {6, 1, 0, 0, 0}, {30, 0, 0, 0, 0},
        0x0004);
    add(51, "Slots3X5", Layout3x5, "", 98, 0, 3, 0, 0, {0, 0, 0, 0, 0}, {30, 0, 0, 0, 0}, 0x0008);
    add(52, "", Layout3x5, "", 98, 0, 4, 0, 0, {0, 0, 0, 0, 0}, {30, 0, 0, 0, 0}, 0x0008);
    return s;
  }();
  return setups;
}

std::vector<TSlotLineDef> Lines3x3() {
  // Lines 1..8 take BET1 coins, 9..16 the same cells backwards with BET2 coins.
  return {
      {{1, 2, 3}, {1}, 1}, {{4, 5, 6}, {2}, 1}, {{7, 8, 9}, {3}, 1}, {{1, 4, 7}, {4}, 1},
      {{2, 5, 8}, {5}, 1}, {{3, 6, 9}, {6}, 1}, {{1, 5, 9}, {7}, 1}, {{7, 5, 3}, {8}, 1},
      {{3, 2, 1}, {1}, 2}, {{6, 5, 4}, {2}, 2}, {{9, 8, 7}, {3}, 2}, {{7, 4, 1}, {4}, 2},
      {{8, 5, 2}, {5}, 2}, {{9, 6, 3}, {6}, 2}, {{3, 5, 7}, {8}, 2}, {{9, 5, 1}, {7}, 2},
  };
}

std::vector<TSlotLineDef> Lines3x5() {
  return {
      {{1, 2, 3, 4, 5}, {1}, 1},
      {{6, 7, 8, 9, 10}, {2}, 1},
      {{11, 12, 13, 14, 15}, {3}, 1},
      {{1, 2, 8, 14, 15}, {4, 5, 6}, 1},
      {{11, 12, 8, 4, 5}, {7, 8, 9}, 1},
      {{1, 2, 8, 4, 5}, {4, 10, 11, 9}, 1},
      {{11, 12, 8, 14, 15}, {7, 12, 13, 6}, 1},
      {{5, 4, 3, 2, 1}, {1}, 2},
      {{10, 9, 8, 7, 6}, {2}, 2},
      {{15, 14, 13, 12, 11}, {3}, 2},
      {{15, 14, 8, 2, 1}, {6, 5, 4}, 2},
      {{5, 4, 8, 12, 11}, {9, 8, 7}, 2},
      {{5, 4, 8, 2, 1}, {9, 11, 10, 4}, 2},
      {{15, 14, 8, 12, 11}, {6, 13, 12, 7}, 2},
  };
}

}  // namespace

const TSlotSetup* SlotSetupOf(int32_t gameType) {
  for (const TSlotSetup& s : Setups())
    if (s.GameType == gameType) return &s;
  return nullptr;
}

bool SlotTypeCanSpin(int32_t gameType) {
  const TSlotSetup* s = SlotSetupOf(gameType);
  return s && StripCanFill(SymbolGroupMasks(s->Counts), s->KindMasks[0]);
}

int32_t GridCellCount(uint8_t layout) {
  return layout == Layout1x3 ? 3 : layout == Layout3x5 ? 15 : 9;
}

int32_t GridColumns(uint8_t layout) {
  return layout == Layout3x5 ? 5 : 3;
}

int32_t GridRows(uint8_t layout) {
  return layout == Layout1x3 ? 1 : 3;
}

const std::vector<TSlotLineDef>& GridLines(uint8_t layout) {
  static const std::vector<TSlotLineDef> l3x3 = Lines3x3();
  static const std::vector<TSlotLineDef> l1x3 = {{{1, 2, 3}, {1}, 1}, {{3, 2, 1}, {1}, 2}};
  static const std::vector<TSlotLineDef> l3x5 = Lines3x5();
  return layout == Layout1x3 ? l1x3 : layout == Layout3x5 ? l3x5 : l3x3;
}

const std::vector<int32_t>& Bet1Order(uint8_t layout) {
  static const std::vector<int32_t> o3x3 = {2, 1, 3, 7, 8, 4, 5, 6};
  static const std::vector<int32_t> o1x3 = {1};
  static const std::vector<int32_t> o3x5 = {2, 1, 3, 4, 5, 6, 7};
  return layout == Layout1x3 ? o1x3 : layout == Layout3x5 ? o3x5 : o3x3;
}

const std::vector<int32_t>& Bet2Order(uint8_t layout) {
  static const std::vector<int32_t> o3x3 = {10, 9, 11, 15, 16, 12, 13, 14};
  static const std::vector<int32_t> o1x3 = {2};
  static const std::vector<int32_t> o3x5 = {9, 8, 10, 12, 11, 13, 14};
  return layout == Layout1x3 ? o1x3 : layout == Layout3x5 ? o3x5 : o3x3;
}

std::vector<int32_t> DistributeCoins(uint8_t layout, int32_t bet1, int32_t bet2) {
  std::vector<int32_t> coins(GridLines(layout).size(), 0);
  const auto deal = [&coins](const std::vector<int32_t>& order, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
      ++coins[static_cast<size_t>(order[static_cast<size_t>(i) % order.size()] - 1)];
  };
  deal(Bet1Order(layout), bet1);
  deal(Bet2Order(layout), bet2);
  return coins;
}

}  // namespace lx
