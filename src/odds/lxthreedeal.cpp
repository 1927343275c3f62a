#include "odds/lxthreedeal.h"

#include <algorithm>
#include <bit>

namespace lx {

namespace {

THoldValue BestOf(const std::array<THoldValue, 32>& values) {
  THoldValue best = values[31];
  for (uint32_t m = 0; m < 31; ++m) {
    if (BetterHold(values[m], best)) best = values[m];
  }
  return best;
}

// The elements of `all` selected by mask, ascending (all is ascending).
int32_t Pick(const std::array<int32_t, 5>& all, uint32_t mask, int32_t* out) {
  int32_t n = 0;
  for (size_t i = 0; i < 5; ++i) {
    if (mask & (1u << i)) out[n++] = all[i];
  }
  return n;
}

// Second-stage values of the hand f (sorted) when the cards `dead` (sorted, not in f) are out
// of the deck too.
void ValuesWithDead(const TDrawTable& single, const std::array<int32_t, 5>& f,
                    const std::vector<int32_t>& dead, std::array<THoldValue, 32>& out) {
  HoldValuesSorted(single, f, out);  // kinds, costs and the stand values
  std::array<double, 32> num{};
  const uint32_t deadSets = 1u << dead.size();
  for (uint32_t b = 0; b < deadSets; ++b) {
    std::array<int32_t, 5> bset{};
    int32_t nb = 0;
    for (size_t i = 0; i < dead.size(); ++i) {
      if (b & (1u << i)) bset[static_cast<size_t>(nb++)] = dead[i];
    }
    std::array<int64_t, 32> g{};
    for (uint32_t t = 0; t < 32; ++t) {
      const int32_t nt = std::popcount(t);
      if (nt + nb > 5) continue;
      std::array<int32_t, 5> tset{};
      Pick(f, t, tset.data());
      std::array<int32_t, 10> merged{};
      std::merge(tset.begin(), tset.begin() + nt, bset.begin(), bset.begin() + nb, merged.begin());
      g[t] = single.Total(merged.data(), nt + nb);
    }
    TDrawTable::Exclude(g);
    const double sign = std::popcount(b) % 2 ? -1.0 : 1.0;
    for (size_t s = 0; s < 32; ++s) num[s] += sign * static_cast<double>(g[s]);
  }
  const int32_t left = single.DeckSize() - 5 - static_cast<int32_t>(dead.size());
  for (uint32_t s = 0; s < 32; ++s) {
    if (out[s].Kind != THoldKind::Draw) continue;
    out[s].Pay = num[s] / static_cast<double>(TCardSets::Choose(left, 5 - std::popcount(s)));
  }
}

// The second stage of the hand f after a first draw that discarded `dead`.
THoldValue SecondStageWithDead(const TDrawTable& single, const std::array<int32_t, 5>& f,
                               const std::vector<int32_t>& dead) {
  std::array<THoldValue, 32> values{};
  HoldValuesSorted(single, f, values);
  if (values[31].Pay <= 0) return values[31];
  // Removing cards from the deck cannot raise a draw's total pay, only shrink its divisor:
  // when no draw can beat collecting even so, collecting is exact.
  const int32_t left = single.DeckSize() - 5;
  const int32_t leftDead = left - static_cast<int32_t>(dead.size());
  bool mayDraw = false;
  for (uint32_t s = 0; s < 31 && !mayDraw; ++s) {
    if (values[s].Kind != THoldKind::Draw) continue;
    const int32_t k = 5 - std::popcount(s);
    const double bound = values[s].Pay * static_cast<double>(TCardSets::Choose(left, k)) /
                         static_cast<double>(TCardSets::Choose(leftDead, k));
    mayDraw = bound - values[s].Cost > values[31].Pay;
  }
  if (!mayDraw) return values[31];
  ValuesWithDead(single, f, dead, values);
  return BestOf(values);
}

}  // namespace

THoldValue SecondStage(const TDrawTable& single, const std::array<int32_t, 5>& sorted) {
  std::array<THoldValue, 32> values{};
  HoldValuesSorted(single, sorted, values);
  if (values[31].Pay <= 0) return values[31];
  return BestOf(values);
}

TThreeDealTable::TThreeDealTable(const TDrawTable& single) : SingleOf(single) {
  Second.assign(static_cast<size_t>(TCardSets::Choose(single.DeckSize(), 5)), 31);
  PayTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  BetTotals.assign(static_cast<size_t>(single.SetCount(4)), 0.0);
  std::array<THoldValue, 32> values{};
  single.ForEachPayingHand([&](int32_t, const std::array<int64_t, 32>& idx) {
    // the hand's elements from its own index are not at hand here; rebuild them from the
    // one-card subsets, whose index is offset 1 plus the element
    std::array<int32_t, 5> f{};
    for (size_t i = 0; i < 5; ++i) f[i] = static_cast<int32_t>(idx[1u << i] - 1);
    lx::HoldValuesSorted(single, f, values);
    uint32_t best = 31;
    for (uint32_t m = 0; m < 31; ++m) {
      if (BetterHold(values[m], values[best])) best = m;
    }
    const THoldValue& v = values[best];
    const bool collect = v.Kind != THoldKind::Draw;
    Second[static_cast<size_t>(idx[31] - single.HandOffset())] =
        static_cast<uint8_t>(collect ? 31 : best);
    for (size_t m = 0; m < 31; ++m) {
      PayTotals[static_cast<size_t>(idx[m])] += v.Pay;
      BetTotals[static_cast<size_t>(idx[m])] += v.Cost;
    }
  });
}

void TThreeDealTable::HoldValuesSorted(const std::array<int32_t, 5>& sortedElements,
                                       std::array<THoldValue, 32>& out) const {
  lx::HoldValuesSorted(SingleOf, sortedElements, out);
  const THoldValue dealt = SecondStage(SingleOf, sortedElements);
  std::array<int64_t, 32> idx{};
  SubsetIndices(SingleOf, sortedElements, idx);
  std::array<double, 32> pay{};
  std::array<double, 32> bets{};
  for (size_t m = 0; m < 31; ++m) {
    pay[m] = PayTotals[static_cast<size_t>(idx[m])];
    bets[m] = BetTotals[static_cast<size_t>(idx[m])];
  }
  pay[31] = dealt.Pay;
  bets[31] = dealt.Cost;
  TDrawTable::Exclude(pay);
  TDrawTable::Exclude(bets);
  const int32_t left = SingleOf.DeckSize() - 5;
  for (uint32_t m = 0; m < 32; ++m) {
    THoldValue& v = out[m];
    if (v.Kind == THoldKind::Redeal) continue;
    if (v.Kind == THoldKind::Stand) {
      v.Pay = dealt.Pay;
      v.Cost = dealt.Cost;
      continue;
    }
    const double den = static_cast<double>(TCardSets::Choose(left, 5 - std::popcount(m)));
    v.Pay = pay[m] / den;
    v.Cost += bets[m] / den;
  }
}

std::array<THoldValue, 32> ExactThreeDealValues(const TDrawTable& single,
                                                const std::array<int32_t, 5>& cards) {
  std::array<THoldValue, 32> out = HoldValues(single, cards);  // checks the cards too
  const THoldValue dealt = [&] {
    std::array<int32_t, 5> sorted{};
    for (size_t i = 0; i < 5; ++i) sorted[i] = cards[i] - 1;
    std::sort(sorted.begin(), sorted.end());
    return SecondStage(single, sorted);
  }();
  std::vector<int32_t> rest;
  for (int32_t e = 0; e < single.DeckSize(); ++e) {
    if (std::find(cards.begin(), cards.end(), e + 1) == cards.end()) rest.push_back(e);
  }
  const int32_t n = static_cast<int32_t>(rest.size());
  for (uint32_t m = 0; m < 32; ++m) {
    THoldValue& v = out[m];
    if (v.Kind == THoldKind::Redeal) continue;
    if (v.Kind == THoldKind::Stand) {
      v.Pay = dealt.Pay;
      v.Cost = dealt.Cost;
      continue;
    }
    std::vector<int32_t> held;
    std::vector<int32_t> dead;
    for (size_t i = 0; i < 5; ++i) (m & (1u << i) ? held : dead).push_back(cards[i] - 1);
    std::sort(dead.begin(), dead.end());
    const int32_t k = 5 - static_cast<int32_t>(held.size());
    double pay = 0;
    double bets = 0;
    int64_t draws = 0;
    std::array<int32_t, 5> pick{};
    // every k of the rest, in lexicographic order
    for (int32_t i = 0; i < k; ++i) pick[static_cast<size_t>(i)] = i;
    while (true) {
      std::array<int32_t, 5> f{};
      size_t j = 0;
      for (int32_t h : held) f[j++] = h;
      for (int32_t i = 0; i < k; ++i)
        f[j++] = rest[static_cast<size_t>(pick[static_cast<size_t>(i)])];
      std::sort(f.begin(), f.end());
      const THoldValue second = SecondStageWithDead(single, f, dead);
      pay += second.Pay;
      bets += second.Cost;
      ++draws;
      int32_t i = k - 1;
      while (i >= 0 && pick[static_cast<size_t>(i)] == n - k + i) --i;
      if (i < 0) break;
      ++pick[static_cast<size_t>(i)];
      for (int32_t q = i + 1; q < k; ++q)
        pick[static_cast<size_t>(q)] = pick[static_cast<size_t>(q - 1)] + 1;
    }
    v.Pay = pay / static_cast<double>(draws);
    v.Cost += bets / static_cast<double>(draws);
  }
  return out;
}

}  // namespace lx
