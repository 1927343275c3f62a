// The exact return of a poker machine over every possible deal, under optimal play or under a
// given way of holding: the pay per coin, the bets per deal, how often the final hand pays and
// how often each pay table row ends a round.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "odds/lxdrawtable.h"

namespace lx {

// A way of holding: the mask of held positions for five dealt cards in position order.
using THoldPolicy = std::function<uint32_t(const std::array<int32_t, 5>& cards)>;

struct TGameReturn {
  double Pay = 0;                      // expected pay per coin of the deal's bet
  double Bets = 1;                     // bets per deal, the deal's own included
  double HitFrequency = 0;             // probability that a deal ends in a paying hand
  std::vector<double> RowProbability;  // by pay table row: probability that it ends a deal
  int64_t Deals = 0;                   // deals of the deck
  int64_t Classes = 0;                 // deals analysed, up to suit symmetry
  // Pay per coin wagered.
  double Return() const { return Pay / Bets; }
};

// Optimal play: every deal held the way that gives the most expected pay less further bets.
TGameReturn OptimalReturn(const TDrawTable& table);
// Play by the given policy, for the first draw; a win after it is collected. The policy sees the
// cards in every order the machine can deal them.
TGameReturn PolicyReturn(const TDrawTable& table, const THoldPolicy& policy);
// Play by the machine's own automatic hold, then pressing DRAW (a win after it is collected).
TGameReturn AutoHoldReturn(const TDrawTable& table);

// What the figures of a machine leave out, one line each.
std::vector<std::string> ReturnNotes(const TOddsGame& game);

}  // namespace lx
