#include "odds/lxgamereturn.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "gamecore/lxpokerrules.h"
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
      const uint8_t hold = threeDeal->SecondHold(subsets[31]);
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
  // The most pay per coin wagered, where a draw may cost a bet: the play that maximises pay
  // less bets counted at the return it reaches, found by raising that worth to the return of
  // the play it gives until it no longer changes (it rises every time and ends in a few steps).
  double betWorth = 1;
  TGameReturn best;
  for (int32_t step = 0; step < 20; ++step) {
    std::unique_ptr<TThreeDealTable> threeDeal;
    if (table.Game().Rules().ThreeDeal) {
      threeDeal = std::make_unique<TThreeDealTable>(table, betWorth);
    }
    const TGameReturn r = Analyse(table, threeDeal.get(),
                                  [&](const TDealClass&, const std::array<THoldValue, 32>& values,
                                      std::vector<TShare>& shares) {
                                    shares.push_back({BestHold(values, betWorth), 1.0});
                                  });
    if (step > 0 && r.Return() <= best.Return() + 1e-13) break;
    best = r;
    if (r.Bets == 1) break;  // every deal takes one bet: nothing to trade
    betWorth = r.Return();
  }
  return best;
}

// The shares of the holds a policy makes for a class, over every order in which the machine can
// deal its cards. relevant(a, b) says whether the policy may hold differently as card a comes
// before or after card b; cards linked that way form groups, the order within each group is
// uniform and independent of the others, and the policy is asked once per order of the groups.
template <typename Relevant, typename Policy>
void SharesByOrder(const TDealClass& c, Relevant&& relevant, Policy&& policy,
                   std::vector<TShare>& shares) {
  std::array<int32_t, 5> group = {0, 1, 2, 3, 4};  // each position's group: its lowest member
  for (size_t i = 0; i < 5; ++i) {
    for (size_t j = i + 1; j < 5; ++j) {
      if (!relevant(c.Cards[i], c.Cards[j])) continue;
      const int32_t from = group[j];
      const int32_t to = group[i];
      for (int32_t& g : group) {
        if (g == from) g = to;
      }
    }
  }
  std::vector<std::vector<int32_t>> groups;  // positions of each group of two or more
  for (int32_t g = 0; g < 5; ++g) {
    std::vector<int32_t> members;
    for (int32_t p = 0; p < 5; ++p) {
      if (group[static_cast<size_t>(p)] == g) members.push_back(p);
    }
    if (members.size() > 1) groups.push_back(members);
  }
  std::vector<std::vector<int32_t>> order(groups.size());
  double orders = 1;
  for (size_t g = 0; g < groups.size(); ++g) {
    for (size_t k = 0; k < groups[g].size(); ++k) {
      order[g].push_back(static_cast<int32_t>(k));
      orders *= static_cast<double>(k + 1);
    }
  }
  std::array<double, 32> share{};
  while (true) {
    std::array<int32_t, 5> from = {0, 1, 2, 3, 4};  // the sorted position dealt at each place
    for (size_t g = 0; g < groups.size(); ++g) {
      for (size_t k = 0; k < groups[g].size(); ++k) {
        from[static_cast<size_t>(groups[g][k])] = groups[g][static_cast<size_t>(order[g][k])];
      }
    }
    std::array<int32_t, 5> cards{};
    for (size_t p = 0; p < 5; ++p) cards[p] = c.Cards[static_cast<size_t>(from[p])];
    const uint32_t mask = policy(cards) & 31u;
    uint32_t sorted = 0;
    for (size_t p = 0; p < 5; ++p) {
      if (mask & (1u << p)) sorted |= 1u << from[p];
    }
    share[sorted] += 1 / orders;
    size_t g = 0;
    while (g < groups.size() && !std::next_permutation(order[g].begin(), order[g].end())) ++g;
    if (g == groups.size()) break;
  }
  for (uint32_t m = 0; m < 32; ++m) {
    if (share[m] > 0) shares.push_back({m, share[m]});
  }
}

TGameReturn PolicyReturn(const TDrawTable& table, const THoldPolicy& policy) {
  return Analyse(
      table, nullptr,
      [&](const TDealClass& c, const std::array<THoldValue, 32>&, std::vector<TShare>& shares) {
        SharesByOrder(
            c, [](int32_t, int32_t) { return true; }, policy, shares);
      });
}

TGameReturn AutoHoldReturn(const TDrawTable& table) {
  const TOddsGame& game = table.Game();
  const TPokerConfig& config = *PokerConfigOf(game.Rules().GameType);
  const auto policy = [&](const std::array<int32_t, 5>& cards) -> uint32_t {
    THandDetails details;
    const int32_t code = game.Evaluate(cards, details);
    return AutoHoldMask(cards, code, details, config.WildRank, config.Features);
  };
  // The automatic hold tells cards apart by their order only where it keeps the first card of a
  // face rank, or, beside a joker, the first ace or face card.
  return Analyse(
      table, nullptr,
      [&](const TDealClass& c, const std::array<THoldValue, 32>&, std::vector<TShare>& shares) {
        const bool joker = c.Cards[4] >= 53;
        const auto relevant = [&](int32_t a, int32_t b) {
          const int32_t ra = RankOfCard(a);
          const int32_t rb = RankOfCard(b);
          const auto high = [](int32_t r) { return r == 1 || (r >= 11 && r <= 13); };
          return ra == rb || (joker && high(ra) && high(rb));
        };
        SharesByOrder(c, relevant, policy, shares);
      });
}

std::vector<std::string> ReturnNotes(const TOddsGame& game) {
  std::vector<std::string> notes;
  const TOddsRules& r = game.Rules();
  notes.push_back("base game only: the double-up is left out (a player's choice after a win)");
  if (r.DrawCostsBet) {
    notes.push_back(
        "a draw that replaces a card takes another bet: the return is pay per coin wagered, "
        "under the play that makes it highest (the hold command ranks holds by pay less bets)");
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
