#include "odds/lxgamereturn.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "odds/lxholdadvisor.h"
#include "odds/lxsuitclasses.h"
#include "odds/lxthreedeal.h"

namespace lx {

namespace {

struct TShare {
  uint32_t SortedMask;
  double Fraction;
};

// Spreads a share of probability over the hands a draw can end in: signed units at the subsets
// of the hand that contain the held cards; a hand's probability is then the sum over its subsets.
void Spread(const std::array<int64_t, 32>& idx, uint32_t held, double unit,
            std::vector<double>& weight) {
  for (uint32_t t = 0; t < 32; ++t) {
    if ((t & held) != held) continue;
    weight[static_cast<size_t>(idx[t])] += kHeldCount[t ^ held] % 2 ? -unit : unit;
  }
}

double SumOver(const std::vector<double>& weight, const std::array<int64_t, 32>& subsets) {
  double s = 0;
  for (int64_t i : subsets) s += weight[static_cast<size_t>(i)];
  return s;
}

// Adds the deals of every class, played as choose() says, into the return and the final hands.
// With a three-deal table, holds are valued with the second draw and the final hands are those
// after it.
template <typename Choose>
TGameReturn Analyse(const TDrawTable& table, const TThreeDealTable* threeDeal, Choose&& choose) {
  const TOddsGame& game = table.Game();
  const std::vector<TDealClass> classes = DealClasses(game.Rules().Jokers);
  TGameReturn r;
  r.RowProbability.assign(game.Rows().size(), 0.0);
  r.Classes = static_cast<int64_t>(classes.size());
  std::vector<double> weight(static_cast<size_t>(table.SetCount(5)), 0.0);
  double pay = 0;
  double bets = 0;
  std::array<THoldValue, 32> values{};
  std::array<int64_t, 32> idx{};
  std::vector<TShare> shares;
  for (const TDealClass& c : classes) {
    std::array<int32_t, 5> e{};
    for (size_t i = 0; i < 5; ++i) e[i] = c.Cards[i] - 1;
    table.Subsets(e, idx);
    if (threeDeal) {
      threeDeal->HoldValuesOf(idx, values);
    } else {
      HoldValuesOf(table, idx, values);
    }
    shares.clear();
    choose(c, values, shares);
    const double w = static_cast<double>(c.Count);
    r.Deals += c.Count;
    for (const TShare& s : shares) {
      const THoldValue& v = values[s.SortedMask];
      const double ws = w * s.Fraction;
      pay += ws * v.Pay;
      bets += ws * v.Cost;
      if (v.Kind == THoldKind::Redeal) continue;
      if (v.Kind == THoldKind::Stand) {
        weight[static_cast<size_t>(idx[31])] += ws;
        continue;
      }
      Spread(idx, s.SortedMask, ws / table.Draws(kHeldCount[s.SortedMask]), weight);
    }
  }
  if (!threeDeal) {
    table.ForEachPayingHand([&](int32_t row, const std::array<int64_t, 32>& subsets) {
      r.RowProbability[static_cast<size_t>(row)] += SumOver(weight, subsets);
    });
  } else {
    // The hands after the first draw, then where the second draw takes them.
    std::vector<double> second(weight.size(), 0.0);
    table.ForEachPayingHand([&](int32_t, const std::array<int64_t, 32>& subsets) {
      const double s = SumOver(weight, subsets);
      const uint8_t hold = threeDeal->SecondHold(subsets[31] - table.HandOffset());
      if (hold == 31) {
        second[static_cast<size_t>(subsets[31])] += s;
        return;
      }
      Spread(subsets, hold, s / table.Draws(kHeldCount[hold]), second);
    });
    table.ForEachPayingHand([&](int32_t row, const std::array<int64_t, 32>& subsets) {
      r.RowProbability[static_cast<size_t>(row)] += SumOver(second, subsets);
    });
  }
  const double deals = static_cast<double>(r.Deals);
  for (double& p : r.RowProbability) {
    p /= deals;
    r.HitFrequency += p;
  }
  r.Pay = pay / deals;
  r.Bets = 1 + bets / deals;
  return r;
}

}  // namespace

TGameReturn OptimalReturn(const TDrawTable& table) {
  std::unique_ptr<TThreeDealTable> threeDeal;
  if (table.Game().Rules().ThreeDeal) threeDeal = std::make_unique<TThreeDealTable>(table);
  return Analyse(
      table, threeDeal.get(),
      [](const TDealClass&, const std::array<THoldValue, 32>& values, std::vector<TShare>& shares) {
        uint32_t best = 0;
        for (uint32_t m = 1; m < 32; ++m) {
          if (BetterHold(values[m], values[best])) best = m;
        }
        shares.push_back({best, 1.0});
      });
}

TGameReturn PolicyReturn(const TDrawTable& table, const THoldPolicy& policy) {
  // The machine deals the cards of a class in any order, and a policy may hold differently
  // for different orders (the first card of a rank): every order counts once.
  std::unique_ptr<TThreeDealTable> threeDeal;
  if (table.Game().Rules().ThreeDeal) threeDeal = std::make_unique<TThreeDealTable>(table);
  return Analyse(
      table, threeDeal.get(),
      [&](const TDealClass& c, const std::array<THoldValue, 32>&, std::vector<TShare>& shares) {
        std::array<uint32_t, 32> times{};
        std::array<int32_t, 5> perm = {0, 1, 2, 3, 4};
        int32_t orders = 0;
        do {
          std::array<int32_t, 5> cards{};
          for (size_t i = 0; i < 5; ++i) cards[i] = c.Cards[static_cast<size_t>(perm[i])];
          const uint32_t mask = policy(cards) & 31u;
          uint32_t sorted = 0;
          for (size_t i = 0; i < 5; ++i) {
            if (mask & (1u << i)) sorted |= 1u << perm[i];
          }
          ++times[sorted];
          ++orders;
        } while (std::next_permutation(perm.begin(), perm.end()));
        for (uint32_t m = 0; m < 32; ++m) {
          if (times[m]) shares.push_back({m, static_cast<double>(times[m]) / orders});
        }
      });
}

std::vector<std::string> ReturnNotes(const TOddsGame& game) {
  std::vector<std::string> notes;
  const TOddsRules& r = game.Rules();
  notes.push_back("base game only: the double-up is left out (a player's choice after a win)");
  if (r.DrawCostsBet) {
    notes.push_back(
        "a draw that replaces a card takes another bet; the return is pay per coin wagered, "
        "play maximises pay less bets");
  }
  if (r.ThreeDeal) {
    notes.push_back(
        "three deals: after a winning first draw the player collects or draws once more, giving "
        "up the first win; the table values that second draw as if the first draw's discards "
        "were back in the deck (the hold command values it exactly, without them)");
  }
  if (r.LumioBonus) {
    notes.push_back("Lumio number " + std::to_string(game.LumioNumber()) +
                    ": three of it pay the 3 X LUMIO row; the Lumio bonus (four natural " +
                    std::to_string(game.LumioNumber()) + "s pay " +
                    std::to_string(game.LumioNumber() * 100) +
                    " per coin at this number, the ten-lamp meter pays the same) is left out");
  }
  if (r.AmericanJackpot) {
    notes.push_back(
        "the mini bonus (a final pair of jacks or better feeds a pool) and the jackpot are "
        "progressive and left out");
  }
  return notes;
}

}  // namespace lx
