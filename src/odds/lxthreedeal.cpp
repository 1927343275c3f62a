#include "odds/lxthreedeal.h"

#include <algorithm>

namespace lx {

namespace {

// The elements of `all` selected by mask, ascending (all is ascending).
int32_t Pick(const std::array<int32_t, 5>& all, uint32_t mask, int32_t* out) {
  int32_t n = 0;
  for (size_t i = 0; i < 5; ++i) {
    if (mask & (1u << i)) out[n++] = all[i];
  }
  return n;
}

// The total pay of the draws to the cards of f (sorted) selected by `held` when the hand's other
// cards and the cards `dead` (sorted, not in f) are out of the deck: inclusion and exclusion over
// both.
double DrawTotalWithDead(const TDrawTable& single, const std::array<int32_t, 5>& f, uint32_t held,
                         const std::vector<int32_t>& dead) {
  int64_t total = 0;
  const uint32_t deadSets = 1u << dead.size();
  for (uint32_t b = 0; b < deadSets; ++b) {
    std::array<int32_t, 5> bset{};
    int32_t nb = 0;
    for (size_t i = 0; i < dead.size(); ++i) {
      if (b & (1u << i)) bset[static_cast<size_t>(nb++)] = dead[i];
    }
    for (uint32_t t = held; t < 32; t = (t + 1) | held) {
      const int32_t nt = kHeldCount[t];
      if (nt + nb > 5) continue;
      std::array<int32_t, 5> tset{};
      Pick(f, t, tset.data());
      std::array<int32_t, 10> merged{};
      std::merge(tset.begin(), tset.begin() + nt, bset.begin(), bset.begin() + nb, merged.begin());
      const int64_t term = single.Total(merged.data(), nt + nb);
      total += (kHeldCount[t ^ held] + nb) % 2 ? -term : term;
    }
  }
  return static_cast<double>(total);
}

// The better of collecting and drawing again for the hand f (sorted) after a first draw that
// discarded `dead`; a Stand worth 0 when f pays nothing.
THoldValue SecondStage(const TDrawTable& single, const std::array<int32_t, 5>& f,
                       const std::vector<int32_t>& dead) {
  THoldValue collect;
  collect.Mask = 31;
  collect.Kind = THoldKind::Stand;
  collect.Pay = single.Game().PayOfRow(single.RowOfHand(f));
  if (collect.Pay <= 0) return collect;
  TSubsets subsets{};
  single.Subsets(f, subsets);
  std::array<THoldValue, 32> values{};
  HoldValuesOf(single, subsets, values);
  if (dead.empty()) return values[BestHold(values)];
  // Taking cards out of the deck cannot raise a draw's total pay, only shrink its divisor: a
  // draw that cannot beat collecting even so is left out, the others are valued exactly.
  const int32_t leftDead = single.DeckSize() - 5 - static_cast<int32_t>(dead.size());
  THoldValue best = collect;
  for (uint32_t s = 0; s < 31; ++s) {
    THoldValue v = values[s];
    if (v.Kind != THoldKind::Draw) continue;
    const int32_t k = 5 - kHeldCount[s];
    const double draws = static_cast<double>(TCardSets::Choose(leftDead, k));
    if (v.Pay * single.Draws(kHeldCount[s]) / draws - v.Cost <= collect.Pay) continue;
    v.Pay = DrawTotalWithDead(single, f, s, dead) / draws;
    if (BetterHold(v, best)) best = v;
  }
  return best;
}

// Holds that draw nothing go to the second stage with the dealt hand itself.
bool TakeDealtSecondStage(THoldValue& v, const THoldValue& dealt) {
  if (v.Kind == THoldKind::Redeal) return true;
  if (v.Kind != THoldKind::Stand) return false;
  v.Pay = dealt.Pay;
  v.Cost = dealt.Cost;
  return true;
}

}  // namespace

TThreeDealTable::TThreeDealTable(const TDrawTable& single, double betWorth)
    : SingleOf(single), BetWorth(betWorth) {
  Second.assign(static_cast<size_t>(TCardSets::Choose(single.DeckSize(), 5)), 31);
  PayTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  BetTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  std::array<THoldValue, 32> values{};
  single.ForEachPayingHand([&](int32_t, const TSubsets& subsets) {
    lx::HoldValuesOf(single, subsets, values);
    const uint32_t best = BestHold(values, betWorth);
    const THoldValue& v = values[best];
    const bool collect = v.Kind != THoldKind::Draw;
    Second[static_cast<size_t>(subsets[31] - single.HandOffset())] =
        static_cast<uint8_t>(collect ? 31 : best);
    for (size_t m = 0; m < 31; ++m) {
      PayTotals[static_cast<size_t>(subsets[m])] += v.Pay;
      BetTotals[static_cast<size_t>(subsets[m])] += v.Cost;
    }
  });
}

void TThreeDealTable::HoldValuesOf(const TSubsets& subsets, std::array<THoldValue, 32>& out) const {
  lx::HoldValuesOf(SingleOf, subsets, out);
  const THoldValue dealt = out[31].Pay > 0 ? out[BestHold(out, BetWorth)] : out[31];
  std::array<double, 32> pay{};
  std::array<double, 32> bets{};
  for (size_t m = 0; m < 31; ++m) {
    pay[m] = PayTotals[static_cast<size_t>(subsets[m])];
    bets[m] = BetTotals[static_cast<size_t>(subsets[m])];
  }
  pay[31] = dealt.Pay;
  bets[31] = dealt.Cost;
  TDrawTable::Exclude(pay);
  TDrawTable::Exclude(bets);
  for (uint32_t m = 0; m < 32; ++m) {
    THoldValue& v = out[m];
    if (TakeDealtSecondStage(v, dealt)) continue;
    const double draws = SingleOf.Draws(kHeldCount[m]);
    v.Pay = pay[m] / draws;
    v.Cost += bets[m] / draws;
  }
}

std::array<THoldValue, 32> ExactThreeDealValues(const TDrawTable& single,
                                                const std::array<int32_t, 5>& cards) {
  std::array<THoldValue, 32> out = HoldValues(single, cards);  // checks the cards too
  std::array<int32_t, 5> sorted{};
  for (size_t i = 0; i < 5; ++i) sorted[i] = cards[i] - 1;
  std::sort(sorted.begin(), sorted.end());
  const THoldValue dealt = SecondStage(single, sorted, {});
  std::vector<int32_t> rest;
  for (int32_t e = 0; e < single.DeckSize(); ++e) {
    if (std::find(sorted.begin(), sorted.end(), e) == sorted.end()) rest.push_back(e);
  }
  const int32_t n = static_cast<int32_t>(rest.size());
  for (uint32_t m = 0; m < 32; ++m) {
    THoldValue& v = out[m];
    if (TakeDealtSecondStage(v, dealt)) continue;
    std::vector<int32_t> held;
    std::vector<int32_t> dead;
    for (size_t i = 0; i < 5; ++i) (m & (1u << i) ? held : dead).push_back(cards[i] - 1);
    std::sort(dead.begin(), dead.end());
    const int32_t k = 5 - static_cast<int32_t>(held.size());
    double pay = 0;
    double bets = 0;
    int64_t draws = 0;
    // every k of the rest, in lexicographic order
    std::array<int32_t, 5> pick{};
    for (int32_t i = 0; i < k; ++i) pick[static_cast<size_t>(i)] = i;
    while (true) {
      std::array<int32_t, 5> f{};
      size_t j = 0;
      for (int32_t h : held) f[j++] = h;
      for (int32_t i = 0; i < k; ++i)
        f[j++] = rest[static_cast<size_t>(pick[static_cast<size_t>(i)])];
      std::sort(f.begin(), f.end());
      const THoldValue second = SecondStage(single, f, dead);
      pay += second.Pay;
      bets += second.Cost;
      ++draws;
      int32_t i = k - 1;
      while (i >= 0 && pick[static_cast<size_t>(i)] == n - k + i) --i;
      if (i < 0) break;
      ++pick[static_cast<size_t>(i)];
      for (int32_t q = i + 1; q < k; ++q) {
        pick[static_cast<size_t>(q)] = pick[static_cast<size_t>(q - 1)] + 1;
      }
    }
    v.Pay = pay / static_cast<double>(draws);
    v.Cost += bets / static_cast<double>(draws);
  }
  return out;
}

}  // namespace lx
