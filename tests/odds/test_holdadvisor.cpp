#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <vector>

#include "odds/lxadvisor.h"
#include "odds/lxthreedeal.h"
#include "oddsfixture.h"

namespace lx {

namespace {

std::string HeldText(const std::array<int32_t, 5>& cards, uint32_t mask) {
  std::string s;
  for (size_t i = 0; i < 5; ++i) {
    if (mask & (1u << i)) s += (s.empty() ? "" : " ") + CardText(cards[i]);
  }
  return s;
}

struct TTextbook {
  const char* Hand;
  const char* Best;  // the cards of the best hold
};

void ExpectBestHolds(const TOddsFixture& f, std::initializer_list<TTextbook> cases) {
  for (const TTextbook& c : cases) {
    const auto cards = Cards(c.Hand);
    const auto ranked = AdviseHolds(*f.Table, cards);
    EXPECT_EQ(HeldText(cards, ranked[0].Mask), c.Best) << c.Hand;
  }
}

TEST(HoldAdvisor, JacksOrBetterTextbookHolds) {
  const TOddsFixture f(10, kJacks96);
  ExpectBestHolds(f, {
                         {"JS JD 4S 8S 2S", "JS JD"},           // high pair over four to a flush
                         {"KS QS JS KH 3D", "KS KH"},           // high pair over three to a royal
                         {"AS KS QS JS AH", "AS KS QS JS"},     // four to a royal over a pair
                         {"AS KS QS JS 3S", "AS KS QS JS"},     // ... and over a made flush
                         {"3C 3D 8H 8S KC", "3C 3D 8H 8S"},     // two pairs
                         {"5C 6D 7H 8S 8C", "8S 8C"},           // low pair over an open straight
                         {"TS JS QS KS 9S", "TS JS QS KS 9S"},  // straight flush stands
                         {"2C 7D 9H 3S 4H", ""},                // nothing worth keeping
                     });
  // the values of a pair of jacks and of a dealt royal
  const auto jacks = AdviseHolds(*f.Table, Cards("JC JD 9H 3S 4C"));
  EXPECT_NEAR(jacks[0].Value(), 1.5365, 5e-5);
  EXPECT_DOUBLE_EQ(AdviseHolds(*f.Table, Cards("TS JS QS KS AS"))[0].Value(), 800.0);
}

TEST(HoldAdvisor, DeucesWildTextbookHolds) {
  const TOddsFixture f(12, kFullPayDeuces);
  ExpectBestHolds(f, {
                         {"AS KS QS JS TS", "AS KS QS JS TS"},  // natural royal
                         {"AS KS QS JS 9S", "AS KS QS JS"},     // four to a royal over a flush
                         {"5C 5D 9H KS 3C", "5C 5D"},           // a pair over nothing
                         {"2C 2D 2H 7S 9C", "2C 2D 2H"},        // three deuces alone
                         {"2C 5D 8H JS QD", "2C"},              // a lone deuce
                     });
  const auto deuces = AdviseHolds(*f.Table, Cards("2C 2D 2H 2S KC"));
  EXPECT_DOUBLE_EQ(deuces[0].Value(), 200.0);
  // two pairs: one pair is kept
  const auto cards = Cards("5C 5D 9H 9S KC");
  const auto twoPairs = AdviseHolds(*f.Table, cards);
  EXPECT_EQ(std::popcount(twoPairs[0].Mask), 2);
  EXPECT_EQ(twoPairs[0].Mask == 0b00011 || twoPairs[0].Mask == 0b01100, true);
}

// The cards of the deck that are not among `seen`.
std::vector<int32_t> Rest(const TOddsGame& game, const std::vector<int32_t>& seen) {
  std::vector<int32_t> rest;
  for (int32_t c = 1; c <= game.DeckSize(); ++c) {
    if (std::find(seen.begin(), seen.end(), c) == seen.end()) rest.push_back(c);
  }
  return rest;
}

// Every draw from `rest` of every hold, evaluated one by one.
std::array<double, 32> BruteForce(const TOddsGame& game, const std::array<int32_t, 5>& cards,
                                  const std::vector<int32_t>& rest) {
  std::array<double, 32> ev{};
  for (uint32_t m = 0; m < 32; ++m) {
    std::array<int32_t, 5> hand = cards;
    std::vector<size_t> slots;
    for (size_t i = 0; i < 5; ++i) {
      if (!(m & (1u << i))) slots.push_back(i);
    }
    const size_t k = slots.size();
    std::vector<size_t> pick(k);
    for (size_t i = 0; i < k; ++i) pick[i] = i;
    int64_t total = 0;
    int64_t draws = 0;
    while (true) {
      for (size_t i = 0; i < k; ++i) hand[slots[i]] = rest[pick[i]];
      total += game.PayOfRow(game.RowOf(hand));
      ++draws;
      size_t i = k;
      while (i > 0 && pick[i - 1] == rest.size() - k + i - 1) --i;
      if (i == 0) break;
      ++pick[i - 1];
      for (size_t q = i; q < k; ++q) pick[q] = pick[q - 1] + 1;
    }
    ev[m] = static_cast<double>(total) / static_cast<double>(draws);
  }
  return ev;
}

TEST(HoldAdvisor, AgreesWithBruteForce) {
  struct TCase {
    int32_t Type;
    const char* Hand;
  };
  // jokers, a wild rank, bonus fours, a draw that costs a bet, in scrambled position order
  for (const TCase& c :
       {TCase{14, "JOKER 9H 3S AS 4C"}, TCase{3, "KD JOKER JOKER 5C 5S"},
        TCase{60, "7H QD JOKER 2C TC"}, TCase{17, "AC 3D AH 2S AS"}, TCase{5, "QC 8D QH 2S 9C"}}) {
    const TOddsFixture f(c.Type, nullptr);
    const auto cards = Cards(c.Hand);
    const auto brute = BruteForce(*f.Game, cards, Rest(*f.Game, {cards.begin(), cards.end()}));
    const auto holds = HoldValues(*f.Table, cards);
    for (uint32_t m = 0; m < 32; ++m) {
      if (holds[m].Kind != THoldKind::Draw) continue;
      EXPECT_NEAR(holds[m].Pay, brute[m], 1e-9) << c.Type << " " << c.Hand << " mask " << m;
      EXPECT_EQ(holds[m].Cost, f.Game->Rules().DrawCostsBet ? 1.0 : 0.0);
    }
  }
}

TEST(HoldAdvisor, ThreeDealAgreesWithBruteForce) {
  // Lumio bonus poker with a pay table that keeps the brute force short
  const TOddsFixture f(1, "ROYALFLUSH=500,STREETFLUSH=100,FLUSH=9,THREEOFAKIND=3,HIGHPAIR=1");
  const auto cards = Cards("JS QS 3D KS AS");
  const uint32_t hold = 0b11011;
  // the first draw, then the better of collecting and each second hold from the cards unseen
  double pay = 0;
  double bets = 0;
  const auto firstRest = Rest(*f.Game, {cards.begin(), cards.end()});
  for (int32_t card : firstRest) {
    std::array<int32_t, 5> hand = cards;
    hand[2] = card;
    const double win = f.Game->PayOfRow(f.Game->RowOf(hand));
    double best = win;
    double bet = 0;
    if (win > 0) {
      const auto second = BruteForce(
          *f.Game, hand, Rest(*f.Game, {cards[2], hand[0], hand[1], hand[2], hand[3], hand[4]}));
      for (uint32_t m = 1; m < 31; ++m) {
        if (second[m] - 1 > best) {
          best = second[m] - 1;
          bet = 1;
        }
      }
    }
    pay += best + bet;
    bets += bet;
  }
  const auto exact = AdviseHolds(*f.Table, cards);
  const auto it =
      std::find_if(exact.begin(), exact.end(), [&](const THoldValue& v) { return v.Mask == hold; });
  const double n = static_cast<double>(firstRest.size());
  EXPECT_NEAR(it->Pay, pay / n, 1e-9);
  EXPECT_NEAR(it->Cost, 1 + bets / n, 1e-9);
  EXPECT_EQ(exact[0].Mask, hold);
}

TEST(HoldAdvisor, DrawCostsBetKinds) {
  const TOddsFixture f(5, nullptr);  // American poker: a draw takes a bet
  const auto nothing = HoldValues(*f.Table, Cards("2C 7D 9H JS 4C"));
  EXPECT_EQ(nothing[0].Kind, THoldKind::Redeal);
  EXPECT_EQ(nothing[0].Value(), 0.0);
  const auto threes = HoldValues(*f.Table, Cards("3C 3D 3H JS 4C"));
  EXPECT_EQ(threes[0].Kind, THoldKind::Stand);  // nothing held on a win holds all five
  EXPECT_EQ(threes[0].Pay, 5.0);
}

TEST(HoldAdvisor, RejectsCardsNotInTheDeck) {
  const TOddsFixture f(10, nullptr);
  EXPECT_THROW(AdviseHolds(*f.Table, {1, 2, 3, 4, 53}), ELxError);
  EXPECT_THROW(AdviseHolds(*f.Table, {1, 2, 3, 4, 4}), ELxError);
  EXPECT_THROW(AdviseHolds(*f.Table, {0, 2, 3, 4, 5}), ELxError);
}

}  // namespace

}  // namespace lx
