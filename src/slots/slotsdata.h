// The stored state of a slot machine: the bonus stages and pots that survive between visits
// (written to the machine's data file), the coins of the two BET buttons, and the queue of bonus
// games won but not yet played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gamecore/lxgamedata.h"

namespace lx {

enum TBonusGame : int32_t { bgBar = 0, bgBell = 1, bgCherry = 2, bgCollect = 3 };

// Free spins, spin kind and reel custom effect of a bonus game; false for a value outside the
// enumeration.
struct TBonusGameDef {
  int32_t FreeSpins = 0;
  int32_t SpinKind = 0;
  int32_t ReelEffect = 0;
};
bool BonusGameDefOf(int32_t game, TBonusGameDef& def);

class TSlotsData : public TLxGameData {
  LX_XML_CLASS(TSlotsData, TLxGameData)

 public:
  // MinBet 1, MaxBet 16, DoubleUpLimit 10 until the machine's set-up replaces them.
  explicit TSlotsData(int32_t gameType = 0);

  static void DeclareProperties(TXMLPropertiesOf<TSlotsData>& p) {
    p.Integer("BarSumBonusValue", &TSlotsData::BarSumBonusValue)
        .Integer("BellBonusStage", &TSlotsData::BellBonusStage)
        .Integer("BellBonusValue", &TSlotsData::BellBonusValue)
        .Integer("CherryBonusStage", &TSlotsData::CherryBonusStage)
        .Integer("CollectBonusStage", &TSlotsData::CollectBonusStage)
        .Integer("CollectBonusValue", &TSlotsData::CollectBonusValue)
        .Integer("Pool1Value", &TSlotsData::Pool1Value)
        .Integer("Pool2Value", &TSlotsData::Pool2Value)
        .Integer("Pool3Value", &TSlotsData::Pool3Value);
  }

  int32_t GetBet() const override { return Bet1 + Bet2; }
  // Reads the file (errors swallowed), then limits the collect stage to 1..5.
  void Load() override;
  void LimitCollectStage();

  void QueueBonusGame(TBonusGame game) { BonusGames.push_back(game); }
  int32_t BonusGameCount() const { return static_cast<int32_t>(BonusGames.size()); }
  // The last queued game (the next to play); bgBar when the queue is empty.
  TBonusGame LastBonusGame() const { return BonusGames.empty() ? bgBar : BonusGames.back(); }
  void RemoveLastBonusGame() {
    if (!BonusGames.empty()) BonusGames.pop_back();
  }
  void ClearBonusGames() { BonusGames.clear(); }

  // Stored.
  int32_t BarSumBonusValue = 0;
  int32_t BellBonusStage = 5;
  int32_t BellBonusValue = 1;
  int32_t CherryBonusStage = 9;
  int32_t CollectBonusStage = 0;
  int32_t CollectBonusValue = 0;
  int32_t Pool1Value = 1;
  int32_t Pool2Value = 1;
  int32_t Pool3Value = 1;

  // Not stored.
  int32_t GameType = 0;
  std::string ReelSet;
  int32_t Bet1 = 0;
  int32_t Bet2 = 0;
  bool BetStarted = false;
  std::vector<TBonusGame> BonusGames;
  bool InBonusGame = false;
  int32_t GamesLeft = 0;
  int32_t CherryBonusSymbol = 0;
  int32_t CherryStageRefill = 9;
  int32_t BellSymbol = 0;
  int32_t BellStageRefill = 5;
  int32_t BellValueCap = 10000;
  int32_t PoolSymbol = 0;
  int32_t Pool1Cap = 2000;
  int32_t Pool2Cap = 5000;
  int32_t Pool3Cap = 10000;
};

}  // namespace lx
