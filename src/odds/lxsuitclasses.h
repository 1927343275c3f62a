// The deals of a deck up to a renaming of the suits: a suit is nothing but a name to the
// evaluator, so every deal of a class is worth the same, and 134,459 representatives stand for
// the 2,598,960 deals of 52 cards. Jokers are interchangeable too.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lx {

struct TDealClass {
  std::array<int32_t, 5> Cards;  // card numbers 1..54, ascending
  int64_t Count;                 // deals of the deck this one stands for
};

// The classes of five-card deals from cards 1..52 plus the given number of jokers (0..2).
std::vector<TDealClass> DealClasses(int32_t jokers);

}  // namespace lx
