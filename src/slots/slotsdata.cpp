#include "slots/slotsdata.h"

#include <algorithm>

namespace lx {

bool BonusGameDefOf(int32_t game, TBonusGameDef& def) {
  switch (game) {
    case bgBar:
      def = {5, 1, 1};
      return true;
    case bgBell:
      def = {3, 2, 2};
      return true;
    case bgCherry:
      def = {1, 3, 3};
      return true;
    case bgCollect:
      def = {3, 4, 3};
      return true;
    default:
      return false;
  }
}

TSlotsData::TSlotsData(int32_t gameType) : GameType(gameType) {
  MinBet = 1;
  MaxBet = 16;
  DoubleUpLimit = 10;
}

void TSlotsData::LimitCollectStage() {
  CollectBonusStage = std::clamp(CollectBonusStage, 1, 5);
}

void TSlotsData::Load() {
  TLxGameData::Load();
  LimitCollectStage();
}

}  // namespace lx
