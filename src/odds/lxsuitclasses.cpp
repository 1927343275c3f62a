#include "odds/lxsuitclasses.h"

#include <algorithm>
#include <bit>

namespace lx {

namespace {

// Every choice of rank sets for the four suits with n cards in all, each suit holding no more
// cards than the one before and, when as many, a set no greater as a number: one of each class.
void SuitChoices(int32_t n, std::vector<std::array<uint32_t, 4>>& out) {
  std::array<std::vector<uint32_t>, 6> bySize;  // ascending
  for (uint32_t m = 0; m < (1u << 13); ++m) {
    const int32_t bits = std::popcount(m);
    if (bits <= n) bySize[static_cast<size_t>(bits)].push_back(m);
  }
  std::array<uint32_t, 4> pick{};
  auto rec = [&](auto&& self, size_t suit, int32_t maxBits, uint32_t maxMask,
                 int32_t left) -> void {
    if (suit == 4) {
      if (left == 0) out.push_back(pick);
      return;
    }
    for (int32_t bits = std::min(maxBits, left); bits >= 0; --bits) {
      if (bits * static_cast<int32_t>(4 - suit) < left) break;
      for (const uint32_t m : bySize[static_cast<size_t>(bits)]) {
        if (bits == maxBits && m > maxMask) break;
        pick[suit] = m;
        self(self, suit + 1, bits, m, left - bits);
      }
    }
  };
  rec(rec, 0, n, ~0u, n);
}

int64_t SuitOrders(const std::array<uint32_t, 4>& m) {
  int64_t orders = 24;
  size_t i = 0;
  while (i < 4) {
    size_t j = i;
    while (j < 4 && m[j] == m[i]) ++j;
    for (size_t f = 2; f <= j - i; ++f) orders /= static_cast<int64_t>(f);
    i = j;
  }
  return orders;
}

}  // namespace

std::vector<TDealClass> DealClasses(int32_t jokers) {
  std::vector<TDealClass> classes;
  for (int32_t j = 0; j <= jokers && j <= 2; ++j) {
    const int32_t naturals = 5 - j;
    std::vector<std::array<uint32_t, 4>> choices;
    SuitChoices(naturals, choices);
    // with two jokers in the deck, one joker in the deal is either of them
    const int64_t jokerWays = jokers == 2 && j == 1 ? 2 : 1;
    for (const auto& m : choices) {
      TDealClass c{};
      size_t k = 0;
      for (int32_t suit = 0; suit < 4; ++suit) {
        for (int32_t rank = 0; rank < 13; ++rank) {
          if (m[static_cast<size_t>(suit)] & (1u << rank)) c.Cards[k++] = suit * 13 + rank + 1;
        }
      }
      for (int32_t i = 0; i < j; ++i) c.Cards[k++] = 53 + i;
      c.Count = SuitOrders(m) * jokerWays;
      classes.push_back(c);
    }
  }
  return classes;
}

}  // namespace lx
