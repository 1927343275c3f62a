// The pay of every five-card hand of a game's deck, and for every set of at most four cards the
// total pay of all hands that contain it. Held cards and discarded cards then give the total pay
// of every possible draw by inclusion and exclusion over the subsets of the hand, without
// enumerating the draws.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "odds/lxoddsgame.h"

namespace lx {

// Binomial coefficients and the colex rank of card sets over a deck of up to 54 cards (card
// number c is element c - 1).
class TCardSets {
 public:
  static constexpr int32_t kMaxDeck = 54;
  static int64_t Choose(int32_t n, int32_t k) {
    return n < 0 || k < 0 || k > n ? 0 : Table().C[static_cast<size_t>(n)][static_cast<size_t>(k)];
  }
  // Colex rank of the elements e[0] < e[1] < ... among the sets of their size.
  template <typename It>
  static int64_t Rank(It first, It last) {
    int64_t r = 0;
    int32_t k = 1;
    for (It it = first; it != last; ++it, ++k) r += Choose(*it, k);
    return r;
  }

 private:
  struct TBinomials {
    std::array<std::array<int64_t, 6>, kMaxDeck + 1> C{};
  };
  static const TBinomials& Table();
};

class TDrawTable {
 public:
  explicit TDrawTable(const TOddsGame& game);

  const TOddsGame& Game() const { return GameOf; }
  int32_t DeckSize() const { return Deck; }
  // Row of the hand of five elements in ascending order (-1 pays nothing).
  int32_t RowOfHand(const std::array<int32_t, 5>& sorted) const;
  // For the hand of five elements in ascending order: by mask of kept positions, the total pay
  // of all five-card hands that contain the kept cards and none of the other four.
  std::array<int64_t, 32> DrawTotals(const std::array<int32_t, 5>& sorted) const;
  // The same from per-set values given by mask (the transform behind DrawTotals).
  static void Exclude(std::array<int64_t, 32>& bySubset);
  static void Exclude(std::array<double, 32>& bySubset);

  // Index of a set of at most five elements in one array of every set of up to that size.
  int64_t SetIndex(const int32_t* sortedFirst, int32_t count) const {
    return Offset[static_cast<size_t>(count)] + TCardSets::Rank(sortedFirst, sortedFirst + count);
  }
  int64_t SetCount(int32_t size) const { return Offset[static_cast<size_t>(size) + 1]; }
  // Total pay of the hands containing a set of up to five elements in ascending order.
  int64_t Total(const int32_t* sortedFirst, int32_t count) const;
  // Row of the hand of colex rank r (SetIndex less the offset of five-card sets).
  int32_t RowOfRank(int64_t r) const { return Rows[static_cast<size_t>(r)]; }
  int64_t HandOffset() const { return Offset[5]; }

  // Calls f(row, subset indices by mask) for every hand of the deck that pays.
  template <typename F>
  void ForEachPayingHand(F&& f) const;

  // Element-wise pay totals over every set of up to four cards (index by SetIndex).
  const std::vector<int64_t>& Totals() const { return SetTotals; }

 private:
  const TOddsGame& GameOf;
  int32_t Deck;
  std::array<int64_t, 7> Offset{};
  std::vector<int8_t> Rows;        // by colex rank of the hand
  std::vector<int64_t> SetTotals;  // by SetIndex, sets of up to four
};

// The indices (TDrawTable::SetIndex) of the 32 subsets of a sorted hand, by mask.
void SubsetIndices(const TDrawTable& table, const std::array<int32_t, 5>& sorted,
                   std::array<int64_t, 32>& out);

template <typename F>
void TDrawTable::ForEachPayingHand(F&& f) const {
  std::array<int32_t, 5> e{};
  std::array<int64_t, 32> idx{};
  for (e[4] = 4; e[4] < Deck; ++e[4]) {
    for (e[3] = 3; e[3] < e[4]; ++e[3]) {
      for (e[2] = 2; e[2] < e[3]; ++e[2]) {
        for (e[1] = 1; e[1] < e[2]; ++e[1]) {
          const int64_t high = TCardSets::Choose(e[1], 2) + TCardSets::Choose(e[2], 3) +
                               TCardSets::Choose(e[3], 4) + TCardSets::Choose(e[4], 5);
          for (e[0] = 0; e[0] < e[1]; ++e[0]) {
            const int32_t row = Rows[static_cast<size_t>(high + e[0])];
            if (row < 0) continue;
            SubsetIndices(*this, e, idx);
            f(row, idx);
          }
        }
      }
    }
  }
}

}  // namespace lx
