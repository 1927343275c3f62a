#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/lxrandom.h"
#include "gamecore/lxhandeval.h"

namespace lx {

namespace {

using TFive = std::array<int32_t, 5>;

// What the plain rules ask of a game's pay table, asked once (the table lookups are slow).
struct TPlainGame {
  explicit TPlainGame(const TGameInfo& game) {
    for (int32_t code = 0; code < 32; ++code) {
      Paid[static_cast<size_t>(code)] = game.HasHandCode(code);
      Pay[static_cast<size_t>(code)] = game.PayOfCode(code);
    }
  }
  bool HasHandCode(int32_t code) const { return Paid[static_cast<size_t>(code)]; }
  int32_t PayOfCode(int32_t code) const { return Pay[static_cast<size_t>(code)]; }
  std::array<bool, 32> Paid{};
  std::array<int32_t, 32> Pay{};
};

// The evaluation rules written out step by step, card by card, as plainly as possible: the fast
// evaluator must give exactly these results.
int32_t PlainEvaluate(const TPlainGame& game, TFive r, TFive s, int32_t wildRank,
                      int32_t lumioNumber, THandDetails& d, bool royalWithFourWild = true) {
  int32_t result = hcNothing;
  for (int32_t i = 0; i < 5; ++i) {
    if (r[i] < 0 || s[i] < 0) return result;
  }
  const bool joker = std::find(r.begin(), r.end(), 99) != r.end();
  if (wildRank > 0) {
    for (int32_t& rank : r) {
      if (rank == wildRank) rank = 99;
    }
  }
  for (int32_t pass = 0; pass < 4; ++pass) {
    for (int32_t j = 0; j < 4; ++j) {
      if (r[j] > r[j + 1]) {
        std::swap(r[j], r[j + 1]);
        std::swap(s[j], s[j + 1]);
      }
    }
  }
  d = THandDetails{};
  const int32_t w = static_cast<int32_t>(std::count(r.begin(), r.end(), 99));
  auto pays = [&](int32_t code) { return game.HasHandCode(code); };
  auto in = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
  const int32_t R1 = r[0], R2 = r[1], R3 = r[2], R4 = r[3], R5 = r[4];
  const int32_t S1 = s[0], S2 = s[1], S3 = s[2], S4 = s[3], S5 = s[4];
  const bool consecutive = R2 == R1 + 1 && R3 == R2 + 1 && R4 == R3 + 1 && R5 == R4 + 1;
  const bool aceHighRun = R1 == 1 && R2 == 10 && R3 == 11 && R4 == 12 && R5 == 13;
  auto highPairs = [&]() {
    if (pays(hcHighPair) && (d.PairRank == 1 || in(d.PairRank, 11, 13))) {
      d.MainRank = d.PairRank;
      return int32_t{hcHighPair};
    }
    if (pays(hcHighPair10) && (d.PairRank == 1 || in(d.PairRank, 10, 13))) {
      d.MainRank = d.PairRank;
      return int32_t{hcHighPair10};
    }
    return int32_t{hcNothing};
  };
  auto wildKind = [&](int32_t rank) {
    if (rank == 1 && pays(hcPokerAces)) return int32_t{hcPokerAces};
    if (in(rank, 2, 10) && pays(hcPoker2To10)) return int32_t{hcPoker2To10};
    if (in(rank, 11, 13) && pays(hcPokerJQK)) return int32_t{hcPokerJQK};
    return int32_t{hcPoker};
  };
  switch (w) {
    case 0:
      if (S1 == S2 && S2 == S3 && S3 == S4 && S4 == S5) {
        if (consecutive || aceHighRun) {
          if (R1 == 1 && R2 == 10) return pays(hcRoyalFlushN) ? hcRoyalFlushN : hcRoyalFlush;
          return hcStreetFlush;
        }
        return hcFlush;
      }
      if (consecutive || aceHighRun) return hcStreet;
      if ((R1 == R2 && R2 == R3 && R3 == R4) || (R2 == R3 && R3 == R4 && R4 == R5)) {
        d.MainRank = R2;
        d.LumioFour = R2 == lumioNumber;
        if (R2 == 1 && (in(R1, 2, 4) || in(R5, 2, 4)) && pays(hcPokerAcesW2To4)) {
          return hcPokerAcesW2To4;
        }
        if (R2 == 1 && pays(hcPokerAces)) return hcPokerAces;
        if (in(R2, 2, 4) && R1 != R2 && in(R1, 1, 4) && pays(hcPoker2To4WATo4)) {
          return hcPoker2To4WATo4;
        }
        if (in(R2, 2, 4) && R5 != R2 && in(R5, 1, 4) && pays(hcPoker2To4WATo4)) {
          return hcPoker2To4WATo4;
        }
        if (in(R2, 2, 4) && pays(hcPoker2To4)) return hcPoker2To4;
        if (in(R2, 2, 10) && pays(hcPoker2To10)) return hcPoker2To10;
        if (in(R2, 5, 13) && pays(hcPoker2ToK)) return hcPoker2ToK;
        if (in(R2, 11, 13) && pays(hcPokerJQK)) return hcPokerJQK;
        return hcPoker;
      }
      if ((R1 == R2 && R2 == R3 && R4 == R5) || (R1 == R2 && R3 == R4 && R4 == R5)) {
        if (R3 == lumioNumber && pays(hc3xLumio)) {
          d.LumioThree = true;
          return hc3xLumio;
        }
        return hcFullHouse;
      }
      if ((R1 == R2 && R2 == R3) || (R2 == R3 && R3 == R4) || (R3 == R4 && R4 == R5)) {
        d.MainRank = R3;
        if (R3 == lumioNumber && pays(hc3xLumio)) {
          d.LumioThree = true;
          return hc3xLumio;
        }
        return hcThreeOfAKind;
      }
      if (pays(hcTwoPairs) &&
          ((R1 == R2 && R3 == R4) || (R1 == R2 && R4 == R5) || (R2 == R3 && R4 == R5))) {
        d.MainRank = R2;
        d.SecondRank = R4;
        return hcTwoPairs;
      }
      if (R1 == R2 || R2 == R3) d.PairRank = R2;
      if ((R3 == R4 || R4 == R5) && d.PairRank != 1 && d.PairRank < R4) d.PairRank = R4;
      return highPairs();
    case 1: {
      const bool f = S1 == S2 && S2 == S3 && S3 == S4;
      const bool t = R1 != R2 && R2 != R3 && R3 != R4 && (R4 - R1 < 5 || (R1 == 1 && R2 >= 10));
      if (f && t) return R1 >= 10 || (R1 == 1 && R2 >= 10) ? hcRoyalFlush : hcStreetFlush;
      if (f) return hcFlush;
      if (t) return hcStreet;
      if (R1 == R2 && R2 == R3 && R3 == R4) {
        d.LumioFour = R2 == lumioNumber;
        return hcFiveOfAKind;
      }
      if ((R1 == R2 && R2 == R3) || (R2 == R3 && R3 == R4)) {
        d.MainRank = R2;
        d.LumioThree = R2 == lumioNumber;
        return wildKind(R2);
      }
      if (R1 == R2 && R3 == R4) return hcFullHouse;
      if (R1 == R2 || R2 == R3) {
        d.MainRank = R2;
        return hcThreeOfAKind;
      }
      if (R3 == R4) {
        d.MainRank = R3;
        return hcThreeOfAKind;
      }
      d.PairRank = R1 == 1 ? 1 : R4;
      return highPairs();
    }
    case 2: {
      const bool f = S1 == S2 && S2 == S3;
      const bool t = R1 != R2 && R2 != R3 && (R3 - R1 < 5 || (R1 == 1 && R2 >= 10));
      if (f && t) return R1 >= 10 || (R1 == 1 && R2 >= 10) ? hcRoyalFlush : hcStreetFlush;
      if (f) return hcFlush;
      if (t) return hcStreet;
      if (R1 == R2 && R2 == R3) return hcFiveOfAKind;
      if (R1 == R2 || R2 == R3) {
        d.MainRank = R2;
        return wildKind(R2);
      }
      d.MainRank = R1;
      return hcThreeOfAKind;
    }
    case 3: {
      const bool f = S1 == S2;
      const bool t = R1 != R2 && (R2 - R1 < 5 || (R1 == 1 && R2 >= 10));
      if (f && t) return R1 >= 10 || (R1 == 1 && R2 >= 10) ? hcRoyalFlush : hcStreetFlush;
      if (R1 == R2) return hcFiveOfAKind;
      d.MainRank = R1;
      return pays(hcPoker2To10) ? hcPoker2To10 : hcPoker;
    }
    case 4:
      if (!joker && pays(hcPokerD)) {
        result = hcPokerD;
      } else if (pays(hcFiveOfAKind)) {
        result = hcFiveOfAKind;
      } else if (pays(hcPoker2To10)) {
        result = hcPoker2To10;
      } else {
        result = hcPoker;
      }
      break;
    default:
      result = pays(20) ? hcFiveOfAKindD : hcFiveOfAKind;
      break;
  }
  // Four wild cards and a ten, jack, queen, king or ace, or five wild cards, also make a royal
  // flush; it is taken where it pays more.
  if (royalWithFourWild && (w == 5 || R1 == 1 || R1 >= 10) &&
      game.PayOfCode(hcRoyalFlush) > game.PayOfCode(result)) {
    result = hcRoyalFlush;
  }
  return result;
}

int32_t PlainEvaluateCards(const TPlainGame& game, const TFive& cards, int32_t wildRank,
                           int32_t lumioNumber, bool royalWithFourWild = true) {
  TFive r{}, s{};
  for (size_t i = 0; i < 5; ++i) {
    r[i] = RankOfCard(cards[i]);
    s[i] = SuitOfCard(cards[i]);
  }
  THandDetails d;
  return PlainEvaluate(game, r, s, wildRank, lumioNumber, d, royalWithFourWild);
}

// The deck and the wild rank each poker game deals with.
struct TDeal {
  int32_t GameType;
  int32_t WildRank;
  std::vector<int32_t> Jokers;
};
const TDeal kDeals[] = {
    {1, 0, {}},  {2, 2, {}},    {3, 0, {53, 54}}, {4, 0, {53, 54}}, {5, 0, {53}}, {6, 2, {53}},
    {10, 0, {}}, {11, 0, {}},   {16, 0, {}},      {17, 0, {}},      {18, 0, {}},  {12, 2, {}},
    {13, 2, {}}, {14, 0, {53}}, {15, 0, {53}},    {60, 7, {53}},
};

constexpr int32_t kJoker = 53;
constexpr int32_t kJoker2 = 54;
// Card number of a rank in a suit (1..4).
constexpr int32_t Card(int32_t rank, int32_t suit) {
  return (suit - 1) * 13 + rank;
}

class HandEvaluator : public ::testing::Test {
 protected:
  TLxGameManager Manager;
  const TGameInfo& Game(int32_t type) { return *Manager.FindByType(type); }
  std::string Cards(int32_t type, const TFive& c, int32_t wildRank = 0, int32_t lumio = -1) {
    return std::string(
        TLxHandEvaluator(Game(type)).EvaluateCards(c[0], c[1], c[2], c[3], c[4], wildRank, lumio));
  }
};

}  // namespace

TEST_F(HandEvaluator, CardNumbers) {
  const int32_t cases[][3] = {
      {1, 1, 1},   {13, 13, 1},  {14, 1, 2},   {26, 13, 2},         {27, 1, 3},
      {39, 13, 3}, {40, 1, 4},   {52, 13, 4},  {53, 99, 0},         {54, 99, 0},
      {0, -1, -1}, {55, -1, -1}, {-1, -1, -1}, {INT32_MIN, -1, -1}, {INT32_MAX, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RankOfCard(c[0]), c[1]) << c[0];
    EXPECT_EQ(SuitOfCard(c[0]), c[2]) << c[0];
  }
}

TEST_F(HandEvaluator, CodesNameTheirHands) {
  for (int32_t code = 0; code <= 28; ++code) {
    const std::string_view id = PokerHandID(code);
    if (id != "HAND_NOTHING") {
      EXPECT_EQ(HandCodeOf(id), code) << id;
    }
  }
  EXPECT_EQ(PokerHandID(20), "HAND_FIVEOFAKIND_D");
  EXPECT_EQ(PokerHandID(15), "HAND_NOTHING");
  EXPECT_EQ(PokerHandID(-1), "HAND_NOTHING");
  EXPECT_EQ(PokerHandID(31), "HAND_NOTHING");
}

TEST_F(HandEvaluator, NamesTheHandsOfEachGame) {
  struct TCase {
    int32_t GameType;
    TFive Cards;
    int32_t WildRank;
    int32_t Lumio;
    const char* Hand;
  };
  const TCase cases[] = {
      // royal flushes: natural only where paid, wild ones never natural
      {12,
       {Card(1, 2), Card(10, 2), Card(11, 2), Card(12, 2), Card(13, 2)},
       0,
       -1,
       "HAND_ROYALFLUSH_N"},
      {10,
       {Card(13, 2), Card(12, 2), Card(1, 2), Card(11, 2), Card(10, 2)},
       0,
       -1,
       "HAND_ROYALFLUSH"},
      {12,
       {Card(1, 2), Card(10, 2), Card(2, 1), Card(12, 2), Card(13, 2)},
       2,
       -1,
       "HAND_ROYALFLUSH"},
      {14, {Card(1, 3), kJoker, Card(11, 3), Card(12, 3), Card(13, 3)}, 0, -1, "HAND_ROYALFLUSH"},
      {10,
       {Card(9, 4), Card(10, 4), Card(11, 4), Card(12, 4), Card(13, 4)},
       0,
       -1,
       "HAND_STREETFLUSH"},
      {10, {Card(1, 4), Card(2, 4), Card(3, 4), Card(4, 4), Card(5, 4)}, 0, -1, "HAND_STREETFLUSH"},
      {10, {Card(1, 4), Card(2, 4), Card(3, 4), Card(4, 4), Card(9, 4)}, 0, -1, "HAND_FLUSH"},
      // straights: the ace counts low and high, never in the middle
      {10, {Card(1, 1), Card(2, 2), Card(3, 3), Card(4, 4), Card(5, 1)}, 0, -1, "HAND_STREET"},
      {10, {Card(10, 1), Card(11, 2), Card(12, 3), Card(13, 4), Card(1, 1)}, 0, -1, "HAND_STREET"},
      {10, {Card(11, 1), Card(12, 2), Card(13, 3), Card(1, 4), Card(2, 1)}, 0, -1, "HAND_NOTHING"},
      {3, {Card(11, 1), Card(12, 2), kJoker, Card(1, 4), kJoker2}, 0, -1, "HAND_STREET"},
      {14, {Card(1, 1), Card(3, 2), kJoker, Card(4, 4), Card(5, 1)}, 0, -1, "HAND_STREET"},
      {14, {Card(2, 1), Card(3, 2), kJoker, Card(4, 4), Card(7, 1)}, 0, -1, "HAND_NOTHING"},
      // the kinds of four of a kind
      {17,
       {Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4), Card(3, 1)},
       0,
       -1,
       "HAND_POKER_ACES_W2TO4"},
      {17, {Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4), Card(13, 1)}, 0, -1, "HAND_POKER_ACES"},
      {17,
       {Card(3, 1), Card(3, 2), Card(3, 3), Card(3, 4), Card(1, 1)},
       0,
       -1,
       "HAND_POKER_2TO4_WATO4"},
      {17,
       {Card(3, 1), Card(3, 2), Card(4, 3), Card(3, 4), Card(3, 3)},
       0,
       -1,
       "HAND_POKER_2TO4_WATO4"},
      {17, {Card(3, 1), Card(3, 2), Card(3, 3), Card(3, 4), Card(9, 1)}, 0, -1, "HAND_POKER_2TO4"},
      {17, {Card(9, 1), Card(9, 2), Card(9, 3), Card(9, 4), Card(3, 1)}, 0, -1, "HAND_POKER_2TOK"},
      {16, {Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4), Card(3, 1)}, 0, -1, "HAND_POKER_ACES"},
      {16, {Card(3, 1), Card(3, 2), Card(3, 3), Card(3, 4), Card(1, 1)}, 0, -1, "HAND_POKER_2TO4"},
      {10, {Card(9, 1), Card(9, 2), Card(9, 3), Card(9, 4), Card(3, 1)}, 0, -1, "HAND_POKER"},
      // full house, three of a kind, pairs
      {10, {Card(5, 1), Card(5, 2), Card(5, 3), Card(8, 4), Card(8, 1)}, 0, -1, "HAND_FULLHOUSE"},
      {10,
       {Card(5, 1), Card(5, 2), Card(5, 3), Card(8, 4), Card(9, 1)},
       0,
       -1,
       "HAND_THREEOFAKIND"},
      {5, {Card(6, 1), Card(6, 2), Card(1, 3), Card(1, 4), Card(13, 1)}, 0, -1, "HAND_TWOPAIRS"},
      {12, {Card(6, 1), Card(6, 2), Card(1, 3), Card(1, 4), Card(13, 1)}, 2, -1, "HAND_NOTHING"},
      {18,
       {Card(10, 1), Card(10, 2), Card(3, 3), Card(4, 4), Card(13, 1)},
       0,
       -1,
       "HAND_HIGHPAIR10"},
      {18, {Card(9, 1), Card(9, 2), Card(3, 3), Card(4, 4), Card(13, 1)}, 0, -1, "HAND_NOTHING"},
      // jokers and deuces
      {14, {kJoker, Card(1, 1), Card(5, 2), Card(8, 3), Card(13, 4)}, 0, -1, "HAND_NOTHING"},
      {15, {kJoker, Card(1, 1), Card(5, 2), Card(8, 3), Card(13, 4)}, 0, -1, "HAND_HIGHPAIR"},
      {15, {kJoker, Card(3, 1), Card(5, 2), Card(8, 3), Card(13, 4)}, 0, -1, "HAND_HIGHPAIR"},
      {15, {kJoker, Card(3, 1), Card(5, 2), Card(8, 3), Card(10, 4)}, 0, -1, "HAND_NOTHING"},
      {15, {kJoker, Card(5, 1), Card(5, 2), Card(8, 3), Card(8, 4)}, 0, -1, "HAND_FULLHOUSE"},
      {15, {kJoker, Card(5, 1), Card(5, 2), Card(5, 3), Card(8, 4)}, 0, -1, "HAND_POKER"},
      {15, {kJoker, Card(5, 1), Card(5, 2), Card(5, 3), Card(5, 4)}, 0, -1, "HAND_FIVEOFAKIND"},
      {12, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(13, 1)}, 2, -1, "HAND_POKER_D"},
      {13, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(1, 1)}, 2, -1, "HAND_POKER_D"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), kJoker, Card(13, 1)}, 2, -1, "HAND_ROYALFLUSH"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), kJoker, Card(9, 1)}, 2, -1, "HAND_FIVEOFAKIND"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), kJoker, Card(2, 4)}, 2, -1, "HAND_FIVEOFAKIND_D"},
      {12, {Card(2, 1), Card(2, 2), Card(2, 3), Card(7, 1), Card(13, 1)}, 2, -1, "HAND_POKER"},
      {12, {Card(2, 1), Card(2, 2), Card(2, 3), Card(7, 1), Card(7, 2)}, 2, -1, "HAND_FIVEOFAKIND"},
      {12, {Card(2, 1), Card(2, 2), Card(2, 3), Card(7, 1), Card(9, 1)}, 2, -1, "HAND_STREETFLUSH"},
      {12,
       {Card(2, 1), Card(2, 2), Card(5, 3), Card(7, 1), Card(10, 1)},
       2,
       -1,
       "HAND_THREEOFAKIND"},
      {12, {Card(2, 1), Card(2, 2), Card(5, 1), Card(7, 1), Card(10, 1)}, 2, -1, "HAND_FLUSH"},
      {12, {Card(2, 1), Card(2, 2), Card(5, 1), Card(7, 1), Card(9, 1)}, 2, -1, "HAND_STREETFLUSH"},
      {12, {Card(2, 1), Card(2, 2), Card(5, 2), Card(7, 1), Card(9, 1)}, 2, -1, "HAND_STREET"},
      {12, {Card(2, 1), Card(2, 2), Card(9, 2), Card(9, 1), Card(3, 1)}, 2, -1, "HAND_POKER"},
      {60, {Card(7, 1), Card(7, 2), kJoker, Card(13, 3), Card(12, 1)}, 7, -1, "HAND_POKER"},
      {60, {Card(7, 1), Card(7, 2), kJoker, Card(13, 3), Card(13, 4)}, 7, -1, "HAND_FIVEOFAKIND"},
      // Lumio: only without wild cards, only where paid
      {1, {Card(7, 1), Card(7, 2), Card(7, 3), Card(13, 4), Card(13, 1)}, 0, 7, "HAND_3XLUMIO"},
      {10, {Card(7, 1), Card(7, 2), Card(7, 3), Card(13, 4), Card(13, 1)}, 0, 7, "HAND_FULLHOUSE"},
      {1, {Card(7, 1), Card(7, 2), Card(7, 3), Card(3, 4), Card(13, 1)}, 0, 7, "HAND_3XLUMIO"},
      {1, {Card(7, 1), Card(7, 2), Card(7, 3), Card(7, 4), Card(13, 1)}, 0, 7, "HAND_POKER"},
      {2, {Card(7, 1), Card(7, 2), Card(7, 3), Card(2, 4), Card(13, 1)}, 2, 7, "HAND_POKER"},
      // invalid card numbers
      {10, {0, Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4)}, 0, -1, "HAND_NOTHING"},
      {10, {Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4), 55}, 0, -1, "HAND_NOTHING"},
      {10, {Card(1, 1), Card(1, 2), -7, Card(1, 3), Card(1, 4)}, 0, -1, "HAND_NOTHING"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "type " << c.GameType << " cards " << c.Cards[0] << " " << c.Cards[1] << " "
                 << c.Cards[2] << " " << c.Cards[3] << " " << c.Cards[4] << " wild " << c.WildRank);
    EXPECT_EQ(Cards(c.GameType, c.Cards, c.WildRank, c.Lumio), c.Hand);
    EXPECT_EQ(
        PokerHandID(PlainEvaluateCards(TPlainGame(Game(c.GameType)), c.Cards, c.WildRank, c.Lumio)),
        c.Hand);
  }
}

TEST_F(HandEvaluator, FillsTheDetails) {
  struct TCase {
    int32_t GameType;
    TFive Ranks;
    TFive Suits;
    int32_t WildRank;
    int32_t Lumio;
    const char* Hand;
    THandDetails Details;
  };
  const TCase cases[] = {
      {10, {11, 11, 3, 5, 8}, {1, 2, 3, 4, 1}, 0, -1, "HAND_HIGHPAIR", {11, 0, false, false, 11}},
      {10, {10, 3, 10, 5, 8}, {1, 2, 3, 4, 1}, 0, -1, "HAND_NOTHING", {0, 0, false, false, 10}},
      {18, {10, 3, 10, 5, 8}, {1, 2, 3, 4, 1}, 0, -1, "HAND_HIGHPAIR10", {10, 0, false, false, 10}},
      {10, {6, 1, 13, 6, 1}, {1, 2, 3, 4, 1}, 0, -1, "HAND_TWOPAIRS", {1, 6, false, false, 0}},
      {10, {9, 12, 13, 12, 9}, {1, 2, 3, 4, 1}, 0, -1, "HAND_TWOPAIRS", {9, 12, false, false, 0}},
      // two pairs where they are not paid: the higher pair, aces highest
      {12, {6, 1, 13, 6, 1}, {1, 2, 3, 4, 1}, 0, -1, "HAND_NOTHING", {0, 0, false, false, 1}},
      {12, {6, 9, 13, 6, 9}, {1, 2, 3, 4, 1}, 0, -1, "HAND_NOTHING", {0, 0, false, false, 9}},
      {14, {99, 1, 5, 8, 13}, {0, 1, 2, 3, 4}, 0, -1, "HAND_NOTHING", {0, 0, false, false, 1}},
      {15, {99, 1, 5, 8, 13}, {0, 1, 2, 3, 4}, 0, -1, "HAND_HIGHPAIR", {1, 0, false, false, 1}},
      {15, {99, 3, 5, 8, 12}, {0, 1, 2, 3, 4}, 0, -1, "HAND_HIGHPAIR", {12, 0, false, false, 12}},
      {1, {7, 7, 7, 13, 13}, {1, 2, 3, 4, 1}, 0, 7, "HAND_3XLUMIO", {0, 0, true, false, 0}},
      {10, {7, 7, 7, 13, 13}, {1, 2, 3, 4, 1}, 0, 7, "HAND_FULLHOUSE", {0, 0, false, false, 0}},
      {1, {7, 7, 7, 3, 13}, {1, 2, 3, 4, 1}, 0, 7, "HAND_3XLUMIO", {7, 0, true, false, 0}},
      {10, {7, 7, 7, 3, 13}, {1, 2, 3, 4, 1}, 0, 7, "HAND_THREEOFAKIND", {7, 0, false, false, 0}},
      {1, {7, 7, 7, 7, 13}, {1, 2, 3, 4, 1}, 0, 7, "HAND_POKER", {7, 0, false, true, 0}},
      {1, {7, 7, 7, 7, 13}, {1, 2, 3, 4, 1}, 0, 6, "HAND_POKER", {7, 0, false, false, 0}},
      // a wild card completing three Lumio cards: the flag, not the Lumio hand
      {2, {7, 7, 7, 2, 13}, {1, 2, 3, 4, 1}, 2, 7, "HAND_POKER", {7, 0, true, false, 0}},
      {15, {99, 7, 7, 7, 7}, {0, 1, 2, 3, 4}, 0, 7, "HAND_FIVEOFAKIND", {0, 0, false, true, 0}},
      {15, {99, 9, 9, 3, 5}, {0, 1, 2, 3, 4}, 0, -1, "HAND_THREEOFAKIND", {9, 0, false, false, 0}},
      {3, {99, 99, 9, 3, 5}, {0, 0, 2, 3, 4}, 0, -1, "HAND_THREEOFAKIND", {3, 0, false, false, 0}},
      {3, {99, 99, 9, 9, 5}, {0, 0, 2, 3, 4}, 0, -1, "HAND_POKER", {9, 0, false, false, 0}},
      {12, {2, 2, 2, 13, 9}, {1, 2, 3, 4, 1}, 2, -1, "HAND_POKER", {9, 0, false, false, 0}},
      {12, {2, 2, 2, 2, 9}, {1, 2, 3, 4, 1}, 2, -1, "HAND_POKER_D", {0, 0, false, false, 0}},
      // a rank 99 on entry is a joker whatever the wild rank
      {13, {99, 2, 2, 2, 9}, {0, 2, 3, 4, 1}, 2, -1, "HAND_FIVEOFAKIND", {0, 0, false, false, 0}},
      {13, {99, 2, 2, 2, 2}, {0, 1, 2, 3, 4}, 2, -1, "HAND_FIVEOFAKIND_D", {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "type " << c.GameType << " ranks " << c.Ranks[0] << " " << c.Ranks[1] << " "
                 << c.Ranks[2] << " " << c.Ranks[3] << " " << c.Ranks[4]);
    THandDetails d{5, 5, true, true, 5};
    EXPECT_EQ(
        TLxHandEvaluator(Game(c.GameType)).EvaluateHand(c.Ranks, c.Suits, c.WildRank, c.Lumio, d),
        c.Hand);
    EXPECT_EQ(d.MainRank, c.Details.MainRank);
    EXPECT_EQ(d.SecondRank, c.Details.SecondRank);
    EXPECT_EQ(d.LumioThree, c.Details.LumioThree);
    EXPECT_EQ(d.LumioFour, c.Details.LumioFour);
    EXPECT_EQ(d.PairRank, c.Details.PairRank);
  }
}

TEST_F(HandEvaluator, InvalidCardsLeaveTheDetailsAlone) {
  const TLxHandEvaluator eval(Game(10));
  const std::pair<TFive, TFive> cases[] = {
      {{-1, 1, 1, 1, 1}, {1, 2, 3, 4, 1}},   // an invalid rank
      {{1, 1, 1, 1, 13}, {1, 2, -1, 4, 1}},  // an invalid suit
      {{1, 1, 1, 1, 99}, {1, 2, 3, 4, -1}},  // a joker with an invalid suit
      {{0, 1, 1, 1, 13}, {1, 2, 3, 4, 1}},   // ranks no card has
      {{14, 1, 1, 1, 13}, {1, 2, 3, 4, 1}}, {{98, 1, 1, 1, 13}, {1, 2, 3, 4, 1}},
  };
  for (const auto& [ranks, suits] : cases) {
    THandDetails d{5, 6, true, false, 7};
    EXPECT_EQ(eval.EvaluateHand(ranks, suits, 0, 1, d), "HAND_NOTHING");
    EXPECT_EQ(d.MainRank, 5);
    EXPECT_EQ(d.SecondRank, 6);
    EXPECT_TRUE(d.LumioThree);
    EXPECT_FALSE(d.LumioFour);
    EXPECT_EQ(d.PairRank, 7);
  }
  // Without a pay table nothing that depends on the game is reported.
  const TLxHandEvaluator plain;
  THandDetails d;
  EXPECT_EQ(plain.EvaluateHand({11, 11, 3, 4, 5}, {1, 2, 3, 4, 1}, 0, -1, d), "HAND_NOTHING");
  EXPECT_EQ(d.PairRank, 11);
  EXPECT_EQ(plain.EvaluateCards(1, 14, 27, 40, 2, 0, -1), "HAND_POKER");
  EXPECT_EQ(plain.EvaluateCards(2, 15, 28, 41, 53, 2, -1), "HAND_FIVEOFAKIND");
}

// Four wild cards and a ten, jack, queen, king or ace make a wild royal flush, and so do five wild
// cards; where that pays more than the four or five of a kind, the royal flush is the hand.
TEST_F(HandEvaluator, FourOrFiveWildCardsMakeARoyalWhereItPaysMore) {
  struct TCase {
    int32_t GameType;
    TFive Cards;
    int32_t WildRank;
    const char* Hand;
  };
  const TCase cases[] = {
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), kJoker, Card(10, 3)}, 2, "HAND_ROYALFLUSH"},
      {6, {kJoker, Card(2, 2), Card(1, 4), Card(2, 3), Card(2, 1)}, 2, "HAND_ROYALFLUSH"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), kJoker, Card(9, 3)}, 2, "HAND_FIVEOFAKIND"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(1, 3)}, 2, "HAND_POKER_D"},
      {6, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), kJoker}, 2, "HAND_FIVEOFAKIND_D"},
      {60, {Card(7, 1), Card(7, 2), Card(7, 3), Card(7, 4), Card(12, 3)}, 7, "HAND_ROYALFLUSH"},
      {60, {Card(7, 1), Card(7, 2), Card(7, 3), kJoker, Card(13, 2)}, 7, "HAND_ROYALFLUSH"},
      {60, {Card(7, 1), Card(7, 2), Card(7, 3), Card(7, 4), kJoker}, 7, "HAND_ROYALFLUSH"},
      {60, {Card(7, 1), Card(7, 2), Card(7, 3), Card(7, 4), Card(6, 3)}, 7, "HAND_FIVEOFAKIND"},
      {60, {Card(7, 1), kJoker, Card(7, 3), Card(7, 4), Card(2, 3)}, 7, "HAND_FIVEOFAKIND"},
      // elsewhere four or five of a kind pays at least as much
      {12, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(1, 3)}, 2, "HAND_POKER_D"},
      {2, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(13, 3)}, 2, "HAND_POKER_D"},
      {13, {Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), kJoker}, 2, "HAND_FIVEOFAKIND_D"},
      {3, {Card(10, 1), Card(10, 2), Card(10, 3), kJoker, kJoker2}, 10, "HAND_FIVEOFAKIND"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "type " << c.GameType << " cards " << c.Cards[0] << " " << c.Cards[1] << " "
                 << c.Cards[2] << " " << c.Cards[3] << " " << c.Cards[4]);
    EXPECT_EQ(Cards(c.GameType, c.Cards, c.WildRank), c.Hand);
  }

  // Over every hand each game can deal, only types 6 and 60 get another hand than four or five
  // of a kind, and each such hand pays more.
  for (const TDeal& deal : kDeals) {
    const TGameInfo& game = Game(deal.GameType);
    const TLxHandEvaluator eval(game);
    const TPlainGame plain(game);
    std::vector<int32_t> wild = deal.Jokers;
    std::vector<int32_t> natural;
    for (int32_t card = 1; card <= 52; ++card) {
      (RankOfCard(card) == deal.WildRank ? wild : natural).push_back(card);
    }
    std::vector<TFive> hands;
    const size_t n = wild.size();
    for (uint32_t set = 0; set < (1u << n); ++set) {
      if (std::popcount(set) < 4) continue;
      std::vector<int32_t> picked;
      for (size_t i = 0; i < n; ++i) {
        if (set & (1u << i)) picked.push_back(wild[i]);
      }
      if (picked.size() == 5) {
        hands.push_back({picked[0], picked[1], picked[2], picked[3], picked[4]});
        continue;
      }
      for (const int32_t card : natural) {
        hands.push_back({picked[0], picked[1], picked[2], picked[3], card});
      }
    }
    int32_t raised = 0;
    for (const TFive& h : hands) {
      const int32_t code = eval.EvaluateCardsCode(h[0], h[1], h[2], h[3], h[4], deal.WildRank, -1);
      const int32_t before = PlainEvaluateCards(plain, h, deal.WildRank, -1, false);
      if (code != before) {
        ++raised;
        EXPECT_EQ(code, hcRoyalFlush);
        EXPECT_GT(game.PayOfCode(code), game.PayOfCode(before));
      }
    }
    const bool touched = deal.GameType == 6 || deal.GameType == 60;
    EXPECT_EQ(raised > 0, touched) << "type " << deal.GameType;
    if (deal.GameType == 6) {
      EXPECT_EQ(raised, 4 * 20);  // the joker and 3 of the 4 deuces with one of 20 high cards
    }
    if (deal.GameType == 60) {
      EXPECT_EQ(raised, 5 * 20 + 1);  // 4 of the 5 wild cards with a high card; all five
    }
  }
}

// Every five-card hand of a 52-card deck in a jacks-or-better game.
TEST_F(HandEvaluator, CountsEveryHandOfTheDeck) {
  const TLxHandEvaluator eval(Game(10));
  std::array<int64_t, 32> counts{};
  for (int32_t a = 1; a <= 48; ++a) {
    for (int32_t b = a + 1; b <= 49; ++b) {
      for (int32_t c = b + 1; c <= 50; ++c) {
        for (int32_t d = c + 1; d <= 51; ++d) {
          for (int32_t e = d + 1; e <= 52; ++e) {
            ++counts[static_cast<size_t>(eval.EvaluateCardsCode(a, b, c, d, e, 0, -1))];
          }
        }
      }
    }
  }
  const std::map<int32_t, int64_t> expected = {
      {hcRoyalFlush, 4},
      {hcStreetFlush, 36},
      {hcPoker, 624},
      {hcFullHouse, 3744},
      {hcFlush, 5108},
      {hcStreet, 10200},
      {hcThreeOfAKind, 54912},
      {hcTwoPairs, 123552},
      {hcHighPair, 337920},
      {hcNothing, 2598960 - 4 - 36 - 624 - 3744 - 5108 - 10200 - 54912 - 123552 - 337920},
  };
  for (int32_t code = 0; code < 32; ++code) {
    const auto it = expected.find(code);
    EXPECT_EQ(counts[static_cast<size_t>(code)], it == expected.end() ? 0 : it->second)
        << PokerHandID(code);
  }
}

// Every multiset of five ranks (1..13 and jokers, as often as wanted), with one suit or with
// mixed suits, every wild rank and Lumio number that matters for it, in every poker game and in
// games that pay every hand or none: the same hand and details as the plain rules.
TEST_F(HandEvaluator, AgreesWithThePlainRulesOnEveryShape) {
  std::vector<std::unique_ptr<TGameInfo>> extra;
  extra.push_back(std::make_unique<TGameInfo>());  // pays nothing
  extra.push_back(std::make_unique<TGameInfo>());  // pays every poker hand
  for (int32_t code = 28; code >= 1; --code) {
    const std::string_view id = PokerHandID(code);
    if (id != "HAND_NOTHING") extra.back()->AddPay(std::string(id), 100 - code);
  }
  extra.push_back(std::make_unique<TGameInfo>());  // only the rare kinds, royal above them
  for (const char* id : {"HAND_ROYALFLUSH", "HAND_POKER_2TO10", "HAND_POKER_JQK", "HAND_HIGHPAIR10",
                         "HAND_POKER_ACES", "HAND_SEQUENTIAL_N"}) {
    extra.back()->AddPay(id, 50);
  }
  // Games the rules cannot tell apart (the same hands paid, the royal flush above the same hands)
  // are checked once.
  std::vector<const TGameInfo*> games;
  std::set<std::pair<uint32_t, uint32_t>> seen;
  auto add = [&](const TGameInfo& g) {
    const TPlainGame plain(g);
    uint32_t paid = 0, royalAbove = 0;
    for (int32_t code = 0; code < 32; ++code) {
      if (plain.HasHandCode(code)) paid |= 1u << code;
      if (plain.PayOfCode(hcRoyalFlush) > plain.PayOfCode(code)) royalAbove |= 1u << code;
    }
    if (seen.insert({paid, royalAbove}).second) games.push_back(&g);
  };
  for (const auto& g : Manager.Games) {
    if (g->Group == &Manager.PokerGroup) add(*g);
  }
  for (const auto& g : extra) add(*g);
  std::vector<TLxHandEvaluator> evals;
  std::vector<TPlainGame> plains;
  for (const TGameInfo* g : games) {
    evals.emplace_back(*g);
    plains.emplace_back(*g);
  }

  const int32_t values[14] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 99};
  int64_t checked = 0;
  int64_t failures = 0;
  std::array<int32_t, 5> idx{};
  for (idx[0] = 0; idx[0] < 14; ++idx[0]) {
    for (idx[1] = idx[0]; idx[1] < 14; ++idx[1]) {
      for (idx[2] = idx[1]; idx[2] < 14; ++idx[2]) {
        for (idx[3] = idx[2]; idx[3] < 14; ++idx[3]) {
          for (idx[4] = idx[3]; idx[4] < 14; ++idx[4]) {
            // presented out of order
            const TFive ranks = {values[idx[2]], values[idx[4]], values[idx[0]], values[idx[3]],
                                 values[idx[1]]};
            std::vector<int32_t> present = {-1};
            for (const int32_t r : ranks) {
              if (r != 99 && std::find(present.begin(), present.end(), r) == present.end()) {
                present.push_back(r);
              }
            }
            const TFive suitSets[3] = {{1, 1, 1, 1, 1}, {2, 1, 1, 1, 1}, {1, 1, 1, 1, 3}};
            for (TFive suits : suitSets) {
              for (size_t i = 0; i < 5; ++i) {
                if (ranks[i] == 99) suits[i] = 0;
              }
              for (const int32_t wild : present) {
                for (const int32_t lumio : present) {
                  for (size_t g = 0; g < games.size(); ++g) {
                    THandDetails plain{9, 9, true, true, 9};
                    THandDetails fast{8, 8, false, false, 8};
                    const int32_t want =
                        PlainEvaluate(plains[g], ranks, suits, std::max(wild, 0), lumio, plain);
                    const int32_t got =
                        evals[g].EvaluateHandCode(ranks, suits, std::max(wild, 0), lumio, fast);
                    ++checked;
                    const bool same = want == got && plain.MainRank == fast.MainRank &&
                                      plain.SecondRank == fast.SecondRank &&
                                      plain.LumioThree == fast.LumioThree &&
                                      plain.LumioFour == fast.LumioFour &&
                                      plain.PairRank == fast.PairRank;
                    if (!same && ++failures <= 10) {
                      ADD_FAILURE()
                          << "game " << games[g]->GameType << " ranks " << ranks[0] << " "
                          << ranks[1] << " " << ranks[2] << " " << ranks[3] << " " << ranks[4]
                          << " suits " << suits[0] << suits[1] << suits[2] << suits[3] << suits[4]
                          << " wild " << wild << " lumio " << lumio << ": want "
                          << PokerHandID(want) << " got " << PokerHandID(got);
                    }
                  }
                }
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(games.size(), 12u);
  EXPECT_GT(checked, 1000000);
}

// Random deals of real cards, in random order, through EvaluateCards.
TEST_F(HandEvaluator, AgreesWithThePlainRulesOnRandomDeals) {
  RandSeed = 12345;
  struct TGame {
    int32_t GameType;
    TLxHandEvaluator Eval;
    TPlainGame Plain;
  };
  std::vector<TGame> games;
  for (const auto& g : Manager.Games) {
    if (g->Group == &Manager.PokerGroup)
      games.push_back({g->GameType, TLxHandEvaluator(*g), TPlainGame(*g)});
  }
  const int32_t wildRanks[] = {0, 2, 7};
  for (int32_t n = 0; n < 200000; ++n) {
    TFive cards{};
    for (size_t i = 0; i < 5; ++i) {
      do {
        cards[i] = static_cast<int32_t>(Random(54)) + 1;
      } while (std::find(cards.begin(), cards.begin() + static_cast<long>(i), cards[i]) !=
               cards.begin() + static_cast<long>(i));
    }
    const TGame& game = games[Random(static_cast<uint32_t>(games.size()))];
    const TLxHandEvaluator& eval = game.Eval;
    const int32_t wild = wildRanks[Random(3)];
    const int32_t lumio = static_cast<int32_t>(Random(15)) - 1;
    const int32_t got =
        eval.EvaluateCardsCode(cards[0], cards[1], cards[2], cards[3], cards[4], wild, lumio);
    ASSERT_EQ(got, PlainEvaluateCards(game.Plain, cards, wild, lumio))
        << "type " << game.GameType << " cards " << cards[0] << " " << cards[1] << " " << cards[2]
        << " " << cards[3] << " " << cards[4] << " wild " << wild;
    TFive ranks{}, suits{};
    for (size_t i = 0; i < 5; ++i) {
      ranks[i] = RankOfCard(cards[i]);
      suits[i] = SuitOfCard(cards[i]);
    }
    THandDetails d;
    ASSERT_EQ(eval.EvaluateHandCode(ranks, suits, wild, lumio, d), got);
  }
}

}  // namespace lx
