// What differs between the slot machines, as data: the set-up of every slot type (grid, symbols,
// spin-kind masks, bet limit, double-up, music, bonus features) and the pay lines of the three
// grids with their markers and the order the coins of the two BET buttons are dealt in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "slots/lxreel.h"

namespace lx {

// Option word bits.
constexpr uint16_t optAllBonusPanels = 0x0001;
constexpr uint16_t optGrid3x3 = 0x0002;
constexpr uint16_t optGrid1x3 = 0x0004;
constexpr uint16_t optGrid3x5 = 0x0008;
constexpr uint16_t optPools = 0x0040;
constexpr uint16_t optBarBonus1 = 0x0080;
constexpr uint16_t optBarBonus2 = 0x0100;
constexpr uint16_t optBarBonus3 = 0x0200;
constexpr uint16_t optBellBonus = 0x0400;
constexpr uint16_t optCherryBonus = 0x0800;
constexpr uint16_t optBarSumBonus = 0x1000;
constexpr uint16_t optCollectBonus = 0x2000;

constexpr uint8_t Layout3x3 = 0;
constexpr uint8_t Layout1x3 = 1;
constexpr uint8_t Layout3x5 = 2;

struct TSlotSetup {
  int32_t GameType = 0;
  std::string SceneName;  // empty: the machine has no scene
  uint8_t Layout = Layout3x3;
  std::string ReelSet;    // empty: no symbols
  int32_t MaxCoins = 98;  // per BET button
  uint8_t DoubleUpKind = 0;
  uint8_t MusicTheme = 3;
  int32_t BellSymbol = 0;  // 0: none
  int32_t PoolSymbol = 0;
  TSymbolCounts Counts{};
  std::array<uint8_t, 5> KindMasks{};
  uint16_t Options = 0;
  std::string Background;  // empty: the theme's own
  int32_t CherryBonusSymbol = 0;
};

// The set-up of a slot type; nullptr for a type that is not a slot machine.
const TSlotSetup* SlotSetupOf(int32_t gameType);
// Whether a normal spin of the type can fill its strips (the main room offers only those).
bool SlotTypeCanSpin(int32_t gameType);

struct TSlotLineDef {
  std::vector<int32_t> Cells;    // cell numbers in the line's order
  std::vector<int32_t> Markers;  // marker numbers shown when the line wins
  int32_t BetGroup = 1;
};

// The grid's cell count (9, 3, 15), the last row's first cell and the column count.
int32_t GridCellCount(uint8_t layout);
int32_t GridColumns(uint8_t layout);
int32_t GridRows(uint8_t layout);
// The lines of a grid in creation order (line n is element n - 1).
const std::vector<TSlotLineDef>& GridLines(uint8_t layout);
// Line numbers (1-based) in the order BET1 and BET2 coins are dealt.
const std::vector<int32_t>& Bet1Order(uint8_t layout);
const std::vector<int32_t>& Bet2Order(uint8_t layout);
// Coins per line (index = line number - 1) for bet1 and bet2 coins, dealt one by one along the
// two orders, starting again at the first line after the last.
std::vector<int32_t> DistributeCoins(uint8_t layout, int32_t bet1, int32_t bet2);

}  // namespace lx
