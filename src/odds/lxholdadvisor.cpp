#include "odds/lxholdadvisor.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "base/lxerror.h"

namespace lx {

void HoldValuesOf(const TDrawTable& table, const TSubsets& subsets,
                  std::array<THoldValue, 32>& out) {
  const std::array<int64_t, 32> totals = table.DrawTotals(subsets);
  const bool costs = table.Game().Rules().DrawCostsBet;
  const int64_t dealtPay = totals[31];
  for (uint32_t m = 0; m < 32; ++m) {
    THoldValue& v = out[m];
    v.Mask = m;
    const int32_t held = kHeldCount[m];
    v.Pay = static_cast<double>(totals[m]) / table.Draws(held);
    v.Cost = 0;
    v.Kind = held == 5 ? THoldKind::Stand : THoldKind::Draw;
    if (!costs || held == 5) continue;
    if (held == 0) {
      v.Kind = dealtPay > 0 ? THoldKind::Stand : THoldKind::Redeal;
      v.Pay = static_cast<double>(dealtPay);
    } else {
      v.Cost = 1;
    }
  }
}

bool BetterHold(const THoldValue& a, const THoldValue& b, double betWorth) {
  const double va = a.Worth(betWorth);
  const double vb = b.Worth(betWorth);
  // equal values computed along different paths may differ in the last bits
  const double eps = 1e-12 * std::max({1.0, std::abs(va), std::abs(vb)});
  if (va > vb + eps) return true;
  if (vb > va + eps) return false;
  if (a.Cost != b.Cost) return a.Cost < b.Cost;
  const int ha = kHeldCount[a.Mask & 31u];
  const int hb = kHeldCount[b.Mask & 31u];
  if (ha != hb) return ha > hb;
  return a.Mask < b.Mask;
}

std::array<THoldValue, 32> HoldValues(const TDrawTable& table,
                                      const std::array<int32_t, 5>& cards) {
  std::array<int32_t, 5> order{};
  std::iota(order.begin(), order.end(), 0);
  for (size_t i = 0; i < 5; ++i) {
    if (cards[i] < 1 || cards[i] > table.DeckSize()) throw ELxError("card not in the deck");
    for (size_t j = 0; j < i; ++j) {
      if (cards[i] == cards[j]) throw ELxError("a card is dealt twice");
    }
  }
  std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
    return cards[static_cast<size_t>(a)] < cards[static_cast<size_t>(b)];
  });
  std::array<int32_t, 5> sorted{};
  for (size_t i = 0; i < 5; ++i) sorted[i] = cards[static_cast<size_t>(order[i])] - 1;
  TSubsets subsets{};
  table.Subsets(sorted, subsets);
  std::array<THoldValue, 32> bySorted{};
  HoldValuesOf(table, subsets, bySorted);
  std::array<THoldValue, 32> out{};
  for (uint32_t m = 0; m < 32; ++m) {
    uint32_t mask = 0;
    for (size_t i = 0; i < 5; ++i) {
      if (m & (1u << i)) mask |= 1u << order[i];
    }
    out[mask] = bySorted[m];
    out[mask].Mask = mask;
  }
  return out;
}

uint32_t BestHold(const std::array<THoldValue, 32>& holds, double betWorth) {
  uint32_t best = 31;
  for (uint32_t m = 0; m < 31; ++m) {
    if (BetterHold(holds[m], holds[best], betWorth)) best = m;
  }
  return best;
}

void RankHolds(std::array<THoldValue, 32>& holds) {
  std::sort(holds.begin(), holds.end(),
            [](const THoldValue& a, const THoldValue& b) { return BetterHold(a, b); });
}

}  // namespace lx
