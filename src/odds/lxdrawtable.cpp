#include "odds/lxdrawtable.h"

namespace lx {

namespace {

// For every mask of hand positions: its highest position.
constexpr std::array<int8_t, 32> MakeHighest() {
  std::array<int8_t, 32> t{};
  for (int32_t m = 1; m < 32; ++m) {
    for (int8_t i = 0; i < 5; ++i) {
      if (m & (1 << i)) t[static_cast<size_t>(m)] = i;
    }
  }
  return t;
}

constexpr std::array<int8_t, 32> kHighest = MakeHighest();

template <typename T>
void ExcludeImpl(std::array<T, 32>& v) {
  // After this, v[S] is the alternating sum of the old v[T] over T containing S: the count of
  // hands that contain S and none of the hand's other cards.
  for (size_t bit = 1; bit < 32; bit <<= 1) {
    for (size_t m = 0; m < 32; ++m) {
      if (!(m & bit)) v[m] -= v[m | bit];
    }
  }
}

constexpr std::array<std::array<int64_t, 6>, TCardSets::kMaxDeck + 1> MakeBinomials() {
  std::array<std::array<int64_t, 6>, TCardSets::kMaxDeck + 1> t{};
  for (size_t n = 0; n < t.size(); ++n) {
    t[n][0] = 1;
    for (size_t k = 1; k < 6; ++k) t[n][k] = n == 0 ? 0 : t[n - 1][k - 1] + t[n - 1][k];
  }
  return t;
}

}  // namespace

const std::array<std::array<int64_t, 6>, TCardSets::kMaxDeck + 1> TCardSets::kTable =
    MakeBinomials();

TDrawTable::TDrawTable(const TOddsGame& game) : GameOf(game), Deck(game.DeckSize()) {
  for (int32_t k = 0; k <= 5; ++k) {
    Offset[static_cast<size_t>(k) + 1] = Offset[static_cast<size_t>(k)] + TCardSets::C(Deck, k);
    DrawsOf[static_cast<size_t>(k)] = static_cast<double>(TCardSets::C(Deck - 5, 5 - k));
  }
  Rows.assign(static_cast<size_t>(TCardSets::C(Deck, 5)), -1);
  SetTotals.assign(static_cast<size_t>(Offset[5]), 0);
  ForEachHand([&](const std::array<int32_t, 5>& e, const TSubsets& subsets) {
    const int32_t row = game.RowOf({e[0] + 1, e[1] + 1, e[2] + 1, e[3] + 1, e[4] + 1});
    const int64_t pay = game.PayOfRow(row);
    if (pay == 0) return;
    Rows[static_cast<size_t>(subsets[31] - Offset[5])] = static_cast<int8_t>(row);
    for (size_t m = 0; m < 31; ++m) SetTotals[static_cast<size_t>(subsets[m])] += pay;
  });
}

void TDrawTable::Subsets(const std::array<int32_t, 5>& sorted, TSubsets& out) const {
  // A subset's rank is the rank of the subset without its highest card, plus that card's term.
  std::array<int64_t, 32> rank{};
  out[0] = 0;
  for (size_t m = 1; m < 32; ++m) {
    const int32_t high = kHighest[m];
    const int32_t count = kHeldCount[m];
    rank[m] =
        rank[m & ~(size_t{1} << high)] + TCardSets::C(sorted[static_cast<size_t>(high)], count);
    out[m] = Offset[static_cast<size_t>(count)] + rank[m];
  }
}

int64_t TDrawTable::Total(const int32_t* sortedFirst, int32_t count) const {
  if (count > 5) return 0;
  const int64_t index = SetIndex(sortedFirst, count);
  if (count < 5) return SetTotals[static_cast<size_t>(index)];
  return GameOf.PayOfRow(RowOfIndex(index));
}

std::array<int64_t, 32> TDrawTable::DrawTotals(const TSubsets& subsets) const {
  std::array<int64_t, 32> v{};
  for (size_t m = 0; m < 31; ++m) v[m] = SetTotals[static_cast<size_t>(subsets[m])];
  v[31] = GameOf.PayOfRow(RowOfIndex(subsets[31]));
  ExcludeImpl(v);
  return v;
}

void TDrawTable::Exclude(std::array<int64_t, 32>& bySubset) {
  ExcludeImpl(bySubset);
}

void TDrawTable::Exclude(std::array<double, 32>& bySubset) {
  ExcludeImpl(bySubset);
}

}  // namespace lx
