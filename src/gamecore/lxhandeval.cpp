#include "gamecore/lxhandeval.h"

#include <algorithm>
#include <bit>

namespace lx {

namespace {

struct TCardInfo {
  int32_t Rank;
  int32_t Suit;
  uint64_t RankCount;  // 1 in the 4 bits of the rank count (naturals only)
  uint32_t RankBit;
  uint32_t SuitBit;
};

constexpr std::array<TCardInfo, 55> MakeCardInfo() {
  std::array<TCardInfo, 55> table{};
  table[0] = {-1, -1, 0, 0, 0};
  for (int32_t card = 1; card <= 52; ++card) {
    const int32_t rank = (card - 1) % 13 + 1;
    const int32_t suit = (card - 1) / 13 + 1;
    table[static_cast<size_t>(card)] = {rank, suit, uint64_t{1} << (4 * rank), 1u << rank,
                                        1u << suit};
  }
  table[53] = {kJokerRank, 0, 0, 0, 0};
  table[54] = {kJokerRank, 0, 0, 0, 0};
  return table;
}

constexpr std::array<TCardInfo, 55> kCardInfo = MakeCardInfo();

bool ValidCard(int32_t card) {
  return static_cast<uint32_t>(card) - 1u < 54u;
}

// The identifiers of the codes the evaluator reports; "" marks a code it never reports.
constexpr std::array<std::string_view, 29> kPokerHandIDs = {
    "HAND_NOTHING",
    "HAND_FIVEOFAKIND",
    "HAND_ROYALFLUSH",
    "HAND_ROYALFLUSH_N",
    "HAND_STREETFLUSH",
    "HAND_POKER",
    "HAND_FULLHOUSE",
    "HAND_FLUSH",
    "HAND_STREET",
    "HAND_THREEOFAKIND",
    "HAND_TWOPAIRS",
    "HAND_HIGHPAIR",
    "HAND_HIGHPAIR10",
    "HAND_3XLUMIO",
    "",
    "",
    "",
    "",
    "",
    "",
    "HAND_FIVEOFAKIND_D",
    "HAND_POKER_D",
    "HAND_POKER_2TO10",
    "HAND_POKER_JQK",
    "HAND_POKER_ACES",
    "HAND_POKER_2TO4",
    "HAND_POKER_2TOK",
    "HAND_POKER_ACES_W2TO4",
    "HAND_POKER_2TO4_WATO4",
};

// Rank counts hold 4 bits per rank. A count c (0..5) is at least n exactly when c + 4 - n has
// bit 2 set; the additions never carry into the next rank.
constexpr uint64_t kNibbleOnes = 0x1111111111111111ull;
constexpr uint64_t kNibbleBit2 = 0x4444444444444444ull;
constexpr uint32_t kRoyalRanks = (1u << 1) | (1u << 10) | (1u << 11) | (1u << 12) | (1u << 13);
constexpr uint32_t kTwoToNine = 0x3FCu;  // rank bits 2..9

int32_t HighestRank(uint64_t nibbleBits) {
  return (63 - std::countl_zero(nibbleBits)) >> 2;
}
int32_t LowestRank(uint64_t nibbleBits) {
  return std::countr_zero(nibbleBits) >> 2;
}
int32_t CountOf(uint64_t counts, int32_t rank) {
  return static_cast<int32_t>((counts >> (4 * rank)) & 15u);
}

}  // namespace

int32_t RankOfCard(int32_t card) {
  return ValidCard(card) ? kCardInfo[static_cast<size_t>(card)].Rank : -1;
}

int32_t SuitOfCard(int32_t card) {
  return ValidCard(card) ? kCardInfo[static_cast<size_t>(card)].Suit : -1;
}

std::string_view PokerHandID(int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(kPokerHandIDs.size()) ||
      kPokerHandIDs[static_cast<size_t>(code)].empty()) {
    return kPokerHandIDs[hcNothing];
  }
  return kPokerHandIDs[static_cast<size_t>(code)];
}

TLxHandEvaluator::TLxHandEvaluator() {
  Prepare(nullptr);
}

TLxHandEvaluator::TLxHandEvaluator(const TGameInfo& game) {
  Prepare(&game);
}

void TLxHandEvaluator::Prepare(const TGameInfo* game) {
  PaidCodes = 0;
  for (int32_t code = 0; code < 32; ++code) {
    if (game && game->HasHandCode(code)) PaidCodes |= 1u << code;
  }
  auto payOf = [game](int32_t code) { return game ? game->PayOfCode(code) : -1; };
  auto in = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };

  NaturalRoyal = Pays(hcRoyalFlushN) ? hcRoyalFlushN : hcRoyalFlush;
  WildPoker = Pays(hcPoker2To10) ? hcPoker2To10 : hcPoker;

  // Four cards of rank q and a fifth of rank k: sorted, q is the second card, the lower of q and
  // k the first and the higher the last.
  for (int32_t q = 1; q <= 13; ++q) {
    for (int32_t k = 1; k <= 13; ++k) {
      const int32_t first = std::min(q, k);
      const int32_t last = std::max(q, k);
      int32_t code = hcPoker;
      if (q == 1 && (in(first, 2, 4) || in(last, 2, 4)) && Pays(hcPokerAcesW2To4)) {
        code = hcPokerAcesW2To4;
      } else if (q == 1 && Pays(hcPokerAces)) {
        code = hcPokerAces;
      } else if (in(q, 2, 4) && first != q && in(first, 1, 4) && Pays(hcPoker2To4WATo4)) {
        code = hcPoker2To4WATo4;
      } else if (in(q, 2, 4) && last != q && in(last, 1, 4) && Pays(hcPoker2To4WATo4)) {
        code = hcPoker2To4WATo4;
      } else if (in(q, 2, 4) && Pays(hcPoker2To4)) {
        code = hcPoker2To4;
      } else if (in(q, 2, 10) && Pays(hcPoker2To10)) {
        code = hcPoker2To10;
      } else if (in(q, 5, 13) && Pays(hcPoker2ToK)) {
        code = hcPoker2ToK;
      } else if (in(q, 11, 13) && Pays(hcPokerJQK)) {
        code = hcPokerJQK;
      }
      NaturalPoker[static_cast<size_t>(q)][static_cast<size_t>(k)] = static_cast<uint8_t>(code);
    }
  }

  for (int32_t r = 0; r <= 13; ++r) {
    int32_t code = hcPoker;
    if (r == 1 && Pays(hcPokerAces)) {
      code = hcPokerAces;
    } else if (in(r, 2, 10) && Pays(hcPoker2To10)) {
      code = hcPoker2To10;
    } else if (in(r, 11, 13) && Pays(hcPokerJQK)) {
      code = hcPokerJQK;
    }
    WildPokerOf[static_cast<size_t>(r)] = static_cast<uint8_t>(code);

    code = hcNothing;
    if (Pays(hcHighPair) && (r == 1 || in(r, 11, 13))) {
      code = hcHighPair;
    } else if (Pays(hcHighPair10) && (r == 1 || in(r, 10, 13))) {
      code = hcHighPair10;
    }
    HighPairOf[static_cast<size_t>(r)] = static_cast<uint8_t>(code);
  }

  // Four wild cards make four of a kind or five of a kind with any natural card, and a royal
  // flush with a ten, jack, queen, king or ace; five wild cards make a royal flush too. The
  // royal flush is taken where it pays more.
  const int32_t royalPay = payOf(hcRoyalFlush);
  auto orRoyal = [&](int32_t code) { return royalPay > payOf(code) ? hcRoyalFlush : code; };
  const int32_t withJoker =
      Pays(hcFiveOfAKind) ? hcFiveOfAKind : (Pays(hcPoker2To10) ? hcPoker2To10 : hcPoker);
  const int32_t allWildRank = Pays(hcPokerD) ? hcPokerD : withJoker;
  FourWildJoker = {withJoker, orRoyal(withJoker)};
  FourWildNatural = {allWildRank, orRoyal(allWildRank)};
  FiveWild = orRoyal(Pays(hcFiveOfAKindD) ? hcFiveOfAKindD : hcFiveOfAKind);
}

// Inlined into both callers, so that the shape stays in registers.
[[gnu::always_inline]] inline int32_t TLxHandEvaluator::Classify(const TShape& shape,
                                                                 int32_t lumioNumber,
                                                                 THandDetails& d) const {
  d = THandDetails{};
  const uint64_t counts = shape.Counts;
  const uint32_t ranks = shape.Ranks;
  // Lowest and highest natural rank (32 and -1 when there is none).
  const int32_t lo = std::countr_zero(ranks);
  const int32_t hi = 31 - std::countl_zero(ranks);
  // An ace with nothing below ten beside it: the ace counts high.
  const bool aceHigh = (lo == 1) & ((ranks & kTwoToNine) == 0);
  // The ranks held at least four, three and two times, one bit per rank.
  const uint64_t fours = counts & kNibbleBit2;
  const uint64_t threes = (counts + kNibbleOnes) & kNibbleBit2;
  const uint64_t pairs = (counts + 2 * kNibbleOnes) & kNibbleBit2;
  const bool twoRanksPaired = (pairs & (pairs - 1)) != 0;
  // With wild cards: the natural cards fit into one run of five, the ace low or high, and which
  // straight flush they make in one suit.
  const bool wildStraight = (pairs == 0) & ((hi - lo < 5) | aceHigh);
  const int32_t wildStraightFlush = (lo >= 10) | aceHigh ? hcRoyalFlush : hcStreetFlush;
  auto wildFlushOrStraight = [&]() -> int32_t {
    if (!shape.OneSuit) return hcStreet;
    return wildStraight ? wildStraightFlush : hcFlush;
  };

  switch (shape.Wild) {
    case 0: {
      // Bitwise operators: half of all hands hold a pair, so a branch here would be a coin toss.
      const bool straight = (pairs == 0) & ((hi - lo == 4) | (ranks == kRoyalRanks));
      if (shape.OneSuit | straight) [[unlikely]] {
        if (!shape.OneSuit) return hcStreet;
        if (!straight) return hcFlush;
        return ranks == kRoyalRanks ? NaturalRoyal : hcStreetFlush;
      }
      if (fours) [[unlikely]] {
        const int32_t q = HighestRank(fours);
        const int32_t k = CountOf(counts, q) == 5 ? q : std::countr_zero(ranks & ~(1u << q));
        d.MainRank = q;
        d.LumioFour = q == lumioNumber;
        return NaturalPoker[static_cast<size_t>(q)][static_cast<size_t>(k)];
      }
      if (threes) [[unlikely]] {
        const int32_t t = HighestRank(threes);
        if (!twoRanksPaired) d.MainRank = t;
        if (t == lumioNumber && Pays(hc3xLumio)) {
          d.LumioThree = true;
          return hc3xLumio;
        }
        return twoRanksPaired ? hcFullHouse : hcThreeOfAKind;
      }
      if (twoRanksPaired && Pays(hcTwoPairs)) {
        d.MainRank = LowestRank(pairs);
        d.SecondRank = HighestRank(pairs);
        return hcTwoPairs;
      }
      // The higher pair counts, aces highest; 0 without a pair (bit 0 stands for no rank).
      const int32_t pairRank = (pairs >> 4) & 4u ? 1 : HighestRank(pairs | 1u);
      const int32_t code = HighPairOf[static_cast<size_t>(pairRank)];
      d.PairRank = pairRank;
      d.MainRank = code != hcNothing ? pairRank : 0;
      return code;
    }
    case 1: {
      if (shape.OneSuit | wildStraight) return wildFlushOrStraight();
      if (fours) {
        d.LumioFour = HighestRank(fours) == lumioNumber;
        return hcFiveOfAKind;
      }
      if (threes) {
        const int32_t t = HighestRank(threes);
        d.MainRank = t;
        d.LumioThree = t == lumioNumber;
        return WildPokerOf[static_cast<size_t>(t)];
      }
      if (twoRanksPaired) return hcFullHouse;
      if (pairs) {
        d.MainRank = HighestRank(pairs);
        return hcThreeOfAKind;
      }
      // The wild card pairs with the highest natural card, aces highest.
      const int32_t pairRank = lo == 1 ? 1 : hi;
      const int32_t code = HighPairOf[static_cast<size_t>(pairRank)];
      d.PairRank = pairRank;
      d.MainRank = code != hcNothing ? pairRank : 0;
      return code;
    }
    case 2: {
      if (shape.OneSuit | wildStraight) return wildFlushOrStraight();
      if (threes) return hcFiveOfAKind;
      if (pairs) {
        const int32_t p = HighestRank(pairs);
        d.MainRank = p;
        return WildPokerOf[static_cast<size_t>(p)];
      }
      d.MainRank = lo;
      return hcThreeOfAKind;
    }
    case 3: {
      // Four of a kind is always there: no flush or straight of less.
      if (shape.OneSuit & wildStraight) return wildStraightFlush;
      if (pairs) return hcFiveOfAKind;
      d.MainRank = lo;
      return WildPoker;
    }
    case 4: {
      const size_t royal = lo == 1 || lo >= 10 ? 1 : 0;
      return shape.Joker ? FourWildJoker[royal] : FourWildNatural[royal];
    }
    default:
      return FiveWild;
  }
}

int32_t TLxHandEvaluator::EvaluateHandCode(const std::array<int32_t, 5>& ranks,
                                           const std::array<int32_t, 5>& suits, int32_t wildRank,
                                           int32_t lumioNumber, THandDetails& details) const {
  TShape shape{0, 0, 0, false, true};
  bool haveSuit = false;
  int32_t suit = 0;
  for (size_t i = 0; i < 5; ++i) {
    const int32_t r = ranks[i];
    const int32_t s = suits[i];
    if (s < 0 || !((r >= 1 && r <= 13) || r == kJokerRank)) return hcNothing;
    const bool joker = r == kJokerRank;
    shape.Joker |= joker;
    if (joker || r == wildRank) {
      ++shape.Wild;
      continue;
    }
    shape.Counts += uint64_t{1} << (4 * r);
    shape.Ranks |= 1u << r;
    if (haveSuit && s != suit) shape.OneSuit = false;
    haveSuit = true;
    suit = s;
  }
  return Classify(shape, lumioNumber, details);
}

int32_t TLxHandEvaluator::EvaluateCardsCode(int32_t c1, int32_t c2, int32_t c3, int32_t c4,
                                            int32_t c5, int32_t wildRank,
                                            int32_t lumioNumber) const {
  const int32_t cards[5] = {c1, c2, c3, c4, c5};
  TShape shape{0, 0, 0, false, true};
  uint32_t suitBits = 0;
  for (const int32_t card : cards) {
    if (!ValidCard(card)) return hcNothing;
    const TCardInfo& info = kCardInfo[static_cast<size_t>(card)];
    const bool joker = info.Rank == kJokerRank;
    const bool wild = joker || info.Rank == wildRank;
    // Without branches: a wild card adds nothing to the counts, ranks and suits.
    const uint32_t keep = static_cast<uint32_t>(wild) - 1u;
    shape.Joker |= joker;
    shape.Wild += static_cast<int32_t>(wild);
    shape.Counts += info.RankCount & (uint64_t{0} - (keep & 1u));
    shape.Ranks |= info.RankBit & keep;
    suitBits |= info.SuitBit & keep;
  }
  shape.OneSuit = (suitBits & (suitBits - 1)) == 0;
  THandDetails details;
  return Classify(shape, lumioNumber, details);
}

}  // namespace lx
