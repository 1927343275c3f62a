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

// Draw values of the hand f (sorted) when the cards `dead` (sorted, not in f) are out of the
// deck too; the kinds, costs and stand values stay.
void DrawValuesWithDead(const TDrawTable& single, const std::array<int32_t, 5>& f,
                        const std::vector<int32_t>& dead, std::array<THoldValue, 32>& out) {
  std::array<double, 32> num{};
  const uint32_t deadSets = 1u << dead.size();
  for (uint32_t b = 0; b < deadSets; ++b) {
    std::array<int32_t, 5> bset{};
    int32_t nb = 0;
    for (size_t i = 0; i < dead.size(); ++i) {
      if (b & (1u << i)) bset[static_cast<size_t>(nb++)] = dead[i];
    }
    // totals of the hands containing each subset of f together with b
    std::array<int64_t, 32> g{};
    for (uint32_t t = 0; t < 32; ++t) {
      const int32_t nt = kHeldCount[t];
      if (nt + nb > 5) continue;
      std::array<int32_t, 5> tset{};
      Pick(f, t, tset.data());
      std::array<int32_t, 10> merged{};
      std::merge(tset.begin(), tset.begin() + nt, bset.begin(), bset.begin() + nb, merged.begin());
      g[t] = single.Total(merged.data(), nt + nb);
    }
    TDrawTable::Exclude(g);
    const double sign = nb % 2 ? -1.0 : 1.0;
    for (size_t s = 0; s < 32; ++s) num[s] += sign * static_cast<double>(g[s]);
  }
  const int32_t left = single.DeckSize() - 5 - static_cast<int32_t>(dead.size());
  for (uint32_t s = 0; s < 32; ++s) {
    if (out[s].Kind != THoldKind::Draw) continue;
    out[s].Pay = num[s] / static_cast<double>(TCardSets::Choose(left, 5 - kHeldCount[s]));
  }
}

// The better of collecting and drawing again for the hand f (sorted) after a first draw that
// discarded `dead`; a Stand worth 0 when f pays nothing.
THoldValue SecondStage(const TDrawTable& single, const std::array<int32_t, 5>& f,
                       const std::vector<int32_t>& dead) {
  TSubsets subsets{};
  single.Subsets(f, subsets);
  std::array<THoldValue, 32> values{};
  HoldValuesOf(single, subsets, values);
  if (values[31].Pay <= 0 || dead.empty()) return values[BestHold(values)];
  // Taking cards out of the deck cannot raise a draw's total pay, only shrink its divisor:
  // when no draw can beat collecting even so, collecting is exact.
  const int32_t left = single.DeckSize() - 5;
  const int32_t leftDead = left - static_cast<int32_t>(dead.size());
  bool mayDraw = false;
  for (uint32_t s = 0; s < 31 && !mayDraw; ++s) {
    if (values[s].Kind != THoldKind::Draw) continue;
    const int32_t k = 5 - kHeldCount[s];
    const double bound = values[s].Pay * static_cast<double>(TCardSets::Choose(left, k)) /
                         static_cast<double>(TCardSets::Choose(leftDead, k));
    mayDraw = bound - values[s].Cost > values[31].Pay;
  }
  if (!mayDraw) return values[31];
  DrawValuesWithDead(single, f, dead, values);
  return values[BestHold(values)];
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

TThreeDealTable::TThreeDealTable(const TDrawTable& single) : SingleOf(single) {
  Second.assign(static_cast<size_t>(TCardSets::Choose(single.DeckSize(), 5)), 31);
  PayTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  BetTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  std::array<THoldValue, 32> values{};
  single.ForEachPayingHand([&](int32_t, const TSubsets& subsets) {
    lx::HoldValuesOf(single, subsets, values);
    const uint32_t best = BestHold(values);
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
  const THoldValue dealt = out[31].Pay > 0 ? out[BestHold(out)] : out[31];
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
