// The data of a video poker machine: what its data file keeps between visits (the Lumio number
// and meters, the mini bonus pools, the American jackpot) and the fields of the round on the table.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "gamecore/lxgamedata.h"
#include "persistence/lxdefs.h"

namespace lx {

class TPokerData : public TLxGameData {
  LX_XML_CLASS(TPokerData, TLxGameData)

 public:
  TPokerData();
  static void DeclareProperties(TXMLPropertiesOf<TPokerData>& p);

  // The base load, then the corrections a damaged or new file needs.
  void Load() override;

  // Lumio meter of a bet: lamps lit, 0 when the bet has none.
  int32_t LumioCount(int32_t bet) const;
  void SetLumioCount(int32_t bet, int32_t value);
  void AddLumioCount(int32_t bet, int32_t delta);
  // Mini bonus pool of a bet; the bet itself when it has none or an empty one.
  int32_t MiniBonus(int32_t bet) const;
  void SetMiniBonus(int32_t bet, int32_t value);
  void AddMiniBonus(int32_t bet, int32_t amount);

  // At the end of a round: when the hand on the table won the Lumio bonus, the bet's meter
  // empties and the number moves on (5, 6, .. 10, then 7, 8, ..). True when it moved.
  bool AdvanceLumio(int32_t bet);

  // Stored.
  int32_t LumioNumber = 0;
  std::unique_ptr<TLxStoreItems> LumioStats = std::make_unique<TLxStoreItems>();
  std::unique_ptr<TLxStoreItems> AmericanMiniBonusStats = std::make_unique<TLxStoreItems>();
  int32_t AmericanJackpot = 0;
  int32_t DupWinJackpot = 0;

  // Not stored.
  int32_t LumioBonusValue = 0;
  int32_t MiniBonusFactor = 100;

  // The round on the table. DealCards[1..15]: 1..5 dealt, 5+i and 10+i replace card i at the
  // first and second draw; [0] is unused.
  std::array<int32_t, 16> DealCards{};
  std::string Hand = "HAND_NOTHING";
  int32_t DealStage = 0;
  int32_t DealMode = 0;
  bool CanDeal = true;
  bool HoldPhase = false;
  bool CanTakeHalf = false;
  bool CanCollect = false;
  bool DoubleUpStarted = false;
  bool LumioThree = false;
  bool LumioFour = false;
  int32_t PairRank = 0;

 private:
  TLxStoreItem* ItemOf(const TLxStoreItems& items, int32_t bet) const;
  TLxStoreItem* ItemOrAdd(TLxStoreItems& items, int32_t bet);
};

}  // namespace lx
