// Card numbers and the poker hand evaluator.
//
// A card number is 1..54: 1..13, 14..26, 27..39 and 40..52 are the suits 1 to 4 (rank 1 ace ..
// 13 king), 53 and 54 the two jokers (rank 99, suit 0). Suits 1 and 4 are black, 2 and 3 red.
//
// The evaluator names the hand five cards make for one game. It needs nothing of the game but its
// catalog entry: the pay table decides which of the hands only some games know are reported (a
// natural royal flush, the kinds of four of a kind, two pairs, the high pairs, "HAND_3XLUMIO", the
// four-deuces hands). It works on rank counts and a rank mask and reports hand codes; identifiers
// are looked up only at the end, and never allocate.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "gamecore/lxgamemanager.h"

namespace lx {

constexpr int32_t kJokerRank = 99;  // the rank of a joker; also marks a wild card

// Rank 1..13 or 99 of a card number; -1 outside 1..54.
int32_t RankOfCard(int32_t card);
// Suit 1..4, 0 for a joker; -1 outside 1..54.
int32_t SuitOfCard(int32_t card);

// The identifier of a hand code the evaluator reports ("HAND_NOTHING" for any other code).
// Code 20 is "HAND_FIVEOFAKIND_D" here.
std::string_view PokerHandID(int32_t code);

// The detail outputs of an evaluation.
struct THandDetails {
  int32_t MainRank = 0;
  int32_t SecondRank = 0;
  bool LumioThree = false;
  bool LumioFour = false;
  int32_t PairRank = 0;
};

class TLxHandEvaluator {
 public:
  // Evaluates for a game whose pay table is empty (no game-dependent hand is ever reported).
  TLxHandEvaluator();
  // Takes what it needs of the entry's pay table now; the catalog never changes afterwards.
  explicit TLxHandEvaluator(const TGameInfo& game);

  // The hand of five cards given as ranks and suits, in any order. wildRank is the rank that is
  // wild (0 for none); lumioNumber the rank of the Lumio bonus (-1 for none). A rank that no card
  // has (anything but 1..13 and 99) or a negative suit gives "HAND_NOTHING" and leaves details
  // untouched; otherwise details are reset and filled.
  int32_t EvaluateHandCode(const std::array<int32_t, 5>& ranks, const std::array<int32_t, 5>& suits,
                           int32_t wildRank, int32_t lumioNumber, THandDetails& details) const;
  std::string_view EvaluateHand(const std::array<int32_t, 5>& ranks,
                                const std::array<int32_t, 5>& suits, int32_t wildRank,
                                int32_t lumioNumber, THandDetails& details) const {
    return PokerHandID(EvaluateHandCode(ranks, suits, wildRank, lumioNumber, details));
  }

  // The hand of five card numbers; "HAND_NOTHING" when one of them is not a card.
  int32_t EvaluateCardsCode(int32_t c1, int32_t c2, int32_t c3, int32_t c4, int32_t c5,
                            int32_t wildRank, int32_t lumioNumber) const;
  std::string_view EvaluateCards(int32_t c1, int32_t c2, int32_t c3, int32_t c4, int32_t c5,
                                 int32_t wildRank, int32_t lumioNumber) const {
    return PokerHandID(EvaluateCardsCode(c1, c2, c3, c4, c5, wildRank, lumioNumber));
  }

 private:
  // What five valid cards are made of: counts of the natural (not wild) ranks, 4 bits per rank
  // at bit 4 * rank; the set of natural ranks (bit rank); the number of wild cards; whether a
  // joker is among them; whether all natural cards have one suit.
  struct TShape {
    uint64_t Counts;
    uint32_t Ranks;
    int32_t Wild;
    bool Joker;
    bool OneSuit;
  };
  int32_t Classify(const TShape& shape, int32_t lumioNumber, THandDetails& d) const;
  bool Pays(int32_t code) const { return (PaidCodes >> code) & 1u; }
  void Prepare(const TGameInfo* game);

  uint32_t PaidCodes = 0;  // bit c: the pay table has a row of code c (codes 0..31)
  int32_t NaturalRoyal = hcRoyalFlush;
  int32_t WildPoker = hcPoker;  // four of a kind made with wild cards, by kind (W = 3)
  // Four of a kind without wild cards, by rank of the four and rank of the fifth card.
  std::array<std::array<uint8_t, 14>, 14> NaturalPoker{};
  // Four of a kind made with one or two wild cards, by rank of the natural cards.
  std::array<uint8_t, 14> WildPokerOf{};
  // High-pair result by pair rank (0 = no pair): hcHighPair, hcHighPair10 or hcNothing.
  std::array<uint8_t, 14> HighPairOf{};
  // Four wild cards with a joker among them, and without one; five wild cards. Each for a
  // natural card that cannot end a royal flush ([0]) and for one that can ([1]).
  std::array<int32_t, 2> FourWildJoker{};
  std::array<int32_t, 2> FourWildNatural{};
  int32_t FiveWild = hcFiveOfAKind;
};

}  // namespace lx
