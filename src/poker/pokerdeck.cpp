#include "poker/pokerdeck.h"

#include <algorithm>

#include "base/lxrandom.h"
#include "gamecore/lxpokerrules.h"

namespace lx {

std::function<int32_t()> PokerForcedHand;

namespace {

struct TPreset {
  int32_t Index;
  int32_t Cards[5];
};

constexpr TPreset kPresets[] = {
    {1, {1, 14, 27, 40, 53}},   // four aces and a joker
    {2, {2, 15, 28, 41, 53}},   // four deuces and a joker
    {3, {27, 36, 37, 38, 53}},  // ace, ten, jack, queen of hearts and a joker
    {4, {27, 36, 37, 38, 39}},  // royal flush of hearts
    {5, {2, 3, 4, 5, 6}},       // straight flush two to six of clubs
    {7, {2, 15, 28, 41, 3}},    // four deuces and a three
    {8, {1, 14, 27, 40, 2}},    // four aces and a deuce
    {9, {12, 51, 25, 38, 5}},   // four queens and a five
    {10, {3, 16, 29, 42, 1}},   // four threes and an ace
    {16, {37, 50, 1, 2, 3}},    // pair of jacks, ace, deuce, three
    {17, {7, 20, 33, 2, 3}},    // three sevens, deuce, three
    {18, {7, 20, 33, 46, 3}},   // four sevens and a three
};

bool Contains(const std::vector<int32_t>& cards, int32_t card) {
  return std::find(cards.begin(), cards.end(), card) != cards.end();
}

}  // namespace

std::vector<int32_t> PokerPresetCards(int32_t preset) {
  for (const TPreset& p : kPresets) {
    if (p.Index == preset) return std::vector<int32_t>(p.Cards, p.Cards + 5);
  }
  return {};
}

std::vector<int32_t> DrawPokerCards(int32_t count, uint16_t features, bool forDoubleUp,
                                    int32_t preset) {
  std::vector<int32_t> cards;
  cards.reserve(static_cast<size_t>(std::max(count, 0)));
  auto drawOne = [&] {
    for (;;) {
      const int32_t card = static_cast<int32_t>(Random(54)) + 1;
      if (!Contains(cards, card) && PokerCardAllowed(card, features, forDoubleUp)) return card;
    }
  };
  for (int32_t i = 0; i < count; ++i) cards.push_back(drawOne());
  if (PokerForcedHand) {
    const int32_t forced = PokerForcedHand();
    if (forced > 0) preset = forced;
  }
  const std::vector<int32_t> presetCards = PokerPresetCards(preset);
  if (presetCards.empty() || count < 5) return cards;
  // The preset takes the first five places; the rest are drawn again around it, so that a
  // replacement card never repeats a preset card.
  cards.assign(presetCards.begin(), presetCards.end());
  for (int32_t i = 5; i < count; ++i) cards.push_back(drawOne());
  return cards;
}

}  // namespace lx
