#include "odds/lxadvisor.h"

#include "odds/lxthreedeal.h"

namespace lx {

std::array<THoldValue, 32> AdviseHolds(const TDrawTable& table,
                                       const std::array<int32_t, 5>& cards) {
  std::array<THoldValue, 32> holds = table.Game().Rules().ThreeDeal
                                         ? ExactThreeDealValues(table, cards)
                                         : HoldValues(table, cards);
  RankHolds(holds);
  return holds;
}

}  // namespace lx
