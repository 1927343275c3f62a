// The three-deal round: after a first draw that wins, the player may collect the win or draw once
// more, giving up the first win for what the second hand pays (another bet unless all five cards
// are held). The second draw comes from the cards not yet seen in the round.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "odds/lxholdadvisor.h"

namespace lx {

// First-draw values of every hold for the whole-table analysis. Here the second draw comes from
// every card not in the hand after the first draw, as if the first draw's discards went back into
// the deck: that makes the value of a hand after the first draw depend on those five cards alone,
// which the subset counting needs. Holds that draw nothing are valued exactly.
class TThreeDealTable {
 public:
  // The second stage is chosen counting a bet at betWorth coins (see BetterHold).
  explicit TThreeDealTable(const TDrawTable& single, double betWorth = 1);
  const TDrawTable& Single() const { return SingleOf; }
  // The second hold (mask of sorted positions) of the hand after the first draw with that set
  // index; 31 collects.
  uint8_t SecondHold(int64_t index) const {
    return Second[static_cast<size_t>(index - SingleOf.HandOffset())];
  }
  void HoldValuesOf(const TSubsets& subsets, std::array<THoldValue, 32>& out) const;

 private:
  const TDrawTable& SingleOf;
  double BetWorth;
  std::vector<uint8_t> Second;    // by colex rank of the hand
  std::vector<double> PayTotals;  // by set index, sets of up to four: pay after the second stage
  std::vector<double> BetTotals;  // the same for the second stage's bets
};

// Exact values of all 32 holds (by mask of positions) of five dealt cards in position order: the
// second draw comes from the cards really left, without the first draw's discards.
std::array<THoldValue, 32> ExactThreeDealValues(const TDrawTable& single,
                                                const std::array<int32_t, 5>& cards);

}  // namespace lx
