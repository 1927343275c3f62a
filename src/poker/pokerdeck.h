// The deck of a poker round or double-up: distinct random card numbers from the shared generator,
// limited to what the game's features allow, and the developer's preset hands.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace lx {

// The five cards of a developer preset (indices 1..5, 7..10, 16..18); empty for any other index.
std::vector<int32_t> PokerPresetCards(int32_t preset);

// count distinct card numbers the game may deal (PokerCardAllowed). When preset names a preset
// hand, the first five are its cards and the rest are drawn again so that no card repeats.
std::vector<int32_t> DrawPokerCards(int32_t count, uint16_t features, bool forDoubleUp,
                                    int32_t preset);

// Developer mode: the hand forced from the debug window's list (an index above 0 replaces the
// preset of a deal). Installed by the window that offers the list; unset means none.
extern std::function<int32_t()> PokerForcedHand;

}  // namespace lx
