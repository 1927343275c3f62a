// The exact value of every way to hold a dealt hand: each hold's expected pay over every draw
// from the cards the deal left in the machine's deck, less the bet a draw takes where the machine
// charges one.
#pragma once

#include <array>
#include <cstdint>

#include "odds/lxdrawtable.h"

namespace lx {

// What a hold leads to at a machine where a draw costs another bet.
enum class THoldKind : uint8_t {
  Draw,    // the unheld cards are replaced
  Stand,   // nothing is replaced (five held, or none held on a paying hand)
  Redeal,  // none held on a hand that pays nothing: the bet is lost and a new deal starts
};

struct THoldValue {
  uint32_t Mask = 0;  // bit i: the card at position i (0-based) is held
  THoldKind Kind = THoldKind::Draw;
  double Pay = 0;   // expected pay per coin of bet
  double Cost = 0;  // further bets per coin the hold takes
  double Value() const { return Pay - Cost; }
  // Pay less bets, each bet counted at that worth.
  double Worth(double betWorth) const { return Pay - betWorth * Cost; }
};

// By mask of held positions, for five distinct cards of the game's deck in position order.
std::array<THoldValue, 32> HoldValues(const TDrawTable& table, const std::array<int32_t, 5>& cards);

// Sorts holds best first (ties: fewer bets, then more cards held, then lower mask).
void RankHolds(std::array<THoldValue, 32>& holds);

// Values by mask of the positions of a hand, from the subsets of its elements in ascending order.
void HoldValuesOf(const TDrawTable& table, const TSubsets& subsets,
                  std::array<THoldValue, 32>& out);

// Whether a is a better choice than b: more pay less bets, a bet counted at betWorth coins
// (1 for the expected value of a hold; the return per coin wagered as the whole-table analysis
// searches for the play that gives the most of it).
bool BetterHold(const THoldValue& a, const THoldValue& b, double betWorth = 1);
// The mask of the best of 32 holds.
uint32_t BestHold(const std::array<THoldValue, 32>& holds, double betWorth = 1);

}  // namespace lx
