#include "odds/lxdrawtable.h"

#include <bit>

namespace lx {

namespace {

// For every mask of hand positions: the positions it holds, ascending, and how many.
struct TMaskPositions {
  std::array<std::array<int8_t, 5>, 32> Pos{};
  std::array<int8_t, 32> Count{};
};

constexpr TMaskPositions MakeMaskPositions() {
  TMaskPositions t{};
  for (int32_t m = 0; m < 32; ++m) {
    int8_t n = 0;
    for (int8_t i = 0; i < 5; ++i) {
      if (m & (1 << i)) t.Pos[static_cast<size_t>(m)][static_cast<size_t>(n++)] = i;
    }
    t.Count[static_cast<size_t>(m)] = n;
  }
  return t;
}

constexpr TMaskPositions kMasks = MakeMaskPositions();

template <typename T>
void ExcludeImpl(std::array<T, 32>& v) {
  // After this, v[S] is the alternating sum of the old v[T] over T containing S: the count of
  // hands that contain S and none of the hand's other cards.
  for (int32_t bit = 1; bit < 32; bit <<= 1) {
    for (int32_t m = 0; m < 32; ++m) {
      if (!(m & bit)) v[static_cast<size_t>(m)] -= v[static_cast<size_t>(m | bit)];
    }
  }
}

}  // namespace

const TCardSets::TBinomials& TCardSets::Table() {
  static const TBinomials table = [] {
    TBinomials t;
    for (size_t n = 0; n <= kMaxDeck; ++n) {
      t.C[n][0] = 1;
      for (size_t k = 1; k < 6; ++k) t.C[n][k] = n == 0 ? 0 : t.C[n - 1][k - 1] + t.C[n - 1][k];
    }
    return t;
  }();
  return table;
}

void SubsetIndices(const TDrawTable& table, const std::array<int32_t, 5>& sorted,
                   std::array<int64_t, 32>& out) {
  std::array<std::array<int64_t, 6>, 5> c{};
  for (size_t i = 0; i < 5; ++i) {
    for (int32_t k = 1; k <= 5; ++k) c[i][static_cast<size_t>(k)] = TCardSets::Choose(sorted[i], k);
  }
  for (size_t m = 0; m < 32; ++m) {
    const int32_t n = kMasks.Count[m];
    int64_t r = table.SetCount(n - 1);
    for (int32_t j = 0; j < n; ++j) {
      r +=
          c[static_cast<size_t>(kMasks.Pos[m][static_cast<size_t>(j)])][static_cast<size_t>(j + 1)];
    }
    out[m] = r;
  }
}

TDrawTable::TDrawTable(const TOddsGame& game) : GameOf(game), Deck(game.DeckSize()) {
  Offset[0] = 0;
  for (int32_t k = 0; k <= 5; ++k) {
    Offset[static_cast<size_t>(k) + 1] =
        Offset[static_cast<size_t>(k)] + TCardSets::Choose(Deck, k);
  }
  Rows.assign(static_cast<size_t>(TCardSets::Choose(Deck, 5)), -1);
  SetTotals.assign(static_cast<size_t>(Offset[5]), 0);
  std::array<int32_t, 5> e{};
  std::array<int64_t, 32> idx{};
  for (e[4] = 4; e[4] < Deck; ++e[4]) {
    for (e[3] = 3; e[3] < e[4]; ++e[3]) {
      for (e[2] = 2; e[2] < e[3]; ++e[2]) {
        for (e[1] = 1; e[1] < e[2]; ++e[1]) {
          for (e[0] = 0; e[0] < e[1]; ++e[0]) {
            const int32_t row = game.RowOf({e[0] + 1, e[1] + 1, e[2] + 1, e[3] + 1, e[4] + 1});
            const int64_t pay = game.PayOfRow(row);
            if (pay == 0) continue;
            SubsetIndices(*this, e, idx);
            Rows[static_cast<size_t>(idx[31] - Offset[5])] = static_cast<int8_t>(row);
            for (size_t m = 0; m < 31; ++m) SetTotals[static_cast<size_t>(idx[m])] += pay;
          }
        }
      }
    }
  }
}

int32_t TDrawTable::RowOfHand(const std::array<int32_t, 5>& sorted) const {
  return Rows[static_cast<size_t>(TCardSets::Rank(sorted.begin(), sorted.end()))];
}

int64_t TDrawTable::Total(const int32_t* sortedFirst, int32_t count) const {
  if (count > 5) return 0;
  const int64_t index = SetIndex(sortedFirst, count);
  if (count < 5) return SetTotals[static_cast<size_t>(index)];
  return GameOf.PayOfRow(Rows[static_cast<size_t>(index - Offset[5])]);
}

std::array<int64_t, 32> TDrawTable::DrawTotals(const std::array<int32_t, 5>& sorted) const {
  std::array<int64_t, 32> idx{};
  SubsetIndices(*this, sorted, idx);
  std::array<int64_t, 32> v{};
  for (size_t m = 0; m < 31; ++m) v[m] = SetTotals[static_cast<size_t>(idx[m])];
  v[31] = GameOf.PayOfRow(Rows[static_cast<size_t>(idx[31] - Offset[5])]);
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
