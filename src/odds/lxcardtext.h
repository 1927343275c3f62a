// Cards as text: a rank (A, 2..9, T or 10, J, Q, K) and a suit (C, D, H, S for suits 1 to 4),
// "JS", "TH", "10H", "2C"; a joker is "JOKER" (or "JK"). Letter case does not matter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lx {

// The card number 1..52, or 53 for a joker; 0 when the text is not a card.
int32_t ParseCard(std::string_view text);
// "JS", "TH", "JOKER"; "?" for a number that is not a card.
std::string CardText(int32_t card);

}  // namespace lx
