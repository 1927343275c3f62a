#include "odds/lxcardtext.h"

#include "base/lxutils.h"

namespace lx {

namespace {

constexpr std::string_view kRanks = "A23456789TJQK";
constexpr std::string_view kSuits = "CDHS";

}  // namespace

int32_t ParseCard(std::string_view text) {
  const std::string t = UpperCase(text);
  if (t == "JOKER" || t == "JK") return 53;
  if (t.size() < 2 || t.size() > 3) return 0;
  const std::string rank = t.substr(0, t.size() - 1);
  const size_t suit = kSuits.find(t.back());
  size_t r = rank == "10" ? 9 : rank.size() == 1 ? kRanks.find(rank[0]) : std::string_view::npos;
  if (suit == std::string_view::npos || r == std::string_view::npos) return 0;
  return static_cast<int32_t>(suit * 13 + r + 1);
}

std::string CardText(int32_t card) {
  if (card == 53 || card == 54) return "JOKER";
  if (card < 1 || card > 52) return "?";
  const size_t c = static_cast<size_t>(card - 1);
  return std::string{kRanks[c % 13], kSuits[c / 13]};
}

}  // namespace lx
