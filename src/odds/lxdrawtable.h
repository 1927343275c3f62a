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

// Masks of the five positions of a hand: how many cards each holds.
inline constexpr std::array<int8_t, 32> kHeldCount = {
    0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 1, 2, 2, 3, 2, 3, 3, 4, 2, 3, 3, 4, 3, 4, 4, 5};

// Binomial coefficients and the colex rank of card sets over a deck of up to 54 cards (card
// number c is element c - 1).
class TCardSets {
 public:
  static constexpr int32_t kMaxDeck = 54;
  static int64_t Choose(int32_t n, int32_t k) {
    return n < 0 || k < 0 || k > n || n > kMaxDeck ? 0 : C(n, k);
  }
  // Unchecked: 0 <= n <= kMaxDeck, 0 <= k <= 5.
  static int64_t C(int32_t n, int32_t k) {
    return kTable[static_cast<size_t>(n)][static_cast<size_t>(k)];
  }
  // Colex rank of the elements e[0] < e[1] < ... among the sets of their size.
  template <typename It>
  static int64_t Rank(It first, It last) {
    int64_t r = 0;
    int32_t k = 1;
    for (It it = first; it != last; ++it, ++k) r += C(*it, k);
    return r;
  }

 private:
  static const std::array<std::array<int64_t, 6>, kMaxDeck + 1> kTable;
};

// The indices of the 32 subsets of a sorted hand, by mask of its positions.
using TSubsets = std::array<int64_t, 32>;

class TDrawTable {
 public:
  explicit TDrawTable(const TOddsGame& game);

  const TOddsGame& Game() const { return GameOf; }
  int32_t DeckSize() const { return Deck; }
  // The number of draws for a hold of that many cards, from the cards a deal leaves.
  double Draws(int32_t held) const { return DrawsOf[static_cast<size_t>(held)]; }

  // Index of every subset of five elements in ascending order, in one array of all sets of up
  // to five (sets of the same size by colex rank).
  void Subsets(const std::array<int32_t, 5>& sorted, TSubsets& out) const;
  int64_t SetIndex(const int32_t* sortedFirst, int32_t count) const {
    return Offset[static_cast<size_t>(count)] + TCardSets::Rank(sortedFirst, sortedFirst + count);
  }
  // How many sets of up to that size there are.
  int64_t SetCount(int32_t size) const { return Offset[static_cast<size_t>(size) + 1]; }
  int64_t HandOffset() const { return Offset[5]; }

  // Row of a hand (-1 pays nothing): by its elements in ascending order, or by its set index.
  int32_t RowOfHand(const std::array<int32_t, 5>& sorted) const {
    return Rows[static_cast<size_t>(TCardSets::Rank(sorted.begin(), sorted.end()))];
  }
  int32_t RowOfIndex(int64_t index) const { return Rows[static_cast<size_t>(index - Offset[5])]; }
  // Total pay of the hands containing a set of up to five elements in ascending order.
  int64_t Total(const int32_t* sortedFirst, int32_t count) const;

  // For a hand, by mask of kept positions: the total pay of all five-card hands that contain the
  // kept cards and none of the hand's other cards.
  std::array<int64_t, 32> DrawTotals(const TSubsets& subsets) const;
  // The transform behind DrawTotals: from a value per subset to the alternating sum over the
  // subsets that contain each.
  static void Exclude(std::array<int64_t, 32>& bySubset);
  static void Exclude(std::array<double, 32>& bySubset);

  // Calls f(row, subsets) for every hand of the deck that pays.
  template <typename F>
  void ForEachPayingHand(F&& f) const;

 private:
  // Calls f(elements, subsets) for every hand of the deck.
  template <typename F>
  void ForEachHand(F&& f) const;

  const TOddsGame& GameOf;
  int32_t Deck;
  std::array<int64_t, 7> Offset{};
  std::array<double, 6> DrawsOf{};
  std::vector<int8_t> Rows;        // by colex rank of the hand
  std::vector<int64_t> SetTotals;  // by set index, sets of up to four
};

template <typename F>
void TDrawTable::ForEachHand(F&& f) const {
  std::array<int32_t, 5> e{};
  TSubsets subsets{};
  for (e[4] = 4; e[4] < Deck; ++e[4]) {
    for (e[3] = 3; e[3] < e[4]; ++e[3]) {
      for (e[2] = 2; e[2] < e[3]; ++e[2]) {
        for (e[1] = 1; e[1] < e[2]; ++e[1]) {
          // the lowest card adds itself to the index of the subsets that hold it, and changes
          // nothing else
          e[0] = 0;
          Subsets(e, subsets);
          for (; e[0] < e[1]; ++e[0]) {
            f(e, subsets);
            for (size_t m = 1; m < 32; m += 2) ++subsets[m];
          }
        }
      }
    }
  }
}

template <typename F>
void TDrawTable::ForEachPayingHand(F&& f) const {
  ForEachHand([&](const std::array<int32_t, 5>&, const TSubsets& subsets) {
    const int32_t row = RowOfIndex(subsets[31]);
    if (row >= 0) f(row, subsets);
  });
}

}  // namespace lx
