#include <gtest/gtest.h>

#include "odds/lxgamereturn.h"
#include "odds/lxsuitclasses.h"

namespace lx {

namespace {

TEST(SuitClasses, CoverEveryDealOnce) {
  struct TCase {
    int32_t Jokers;
    size_t Classes;
    int64_t Deals;
  };
  // 134,459 classes of five natural cards; with jokers the classes of four and three join
  for (const TCase& c : {TCase{0, 134459, 2598960}, TCase{1, 134459 + 16432, 2869685},
                         TCase{2, 134459 + 16432 + 1755, 3162510}}) {
    const auto classes = DealClasses(c.Jokers);
    int64_t deals = 0;
    for (const TDealClass& d : classes) deals += d.Count;
    EXPECT_EQ(classes.size(), c.Classes) << c.Jokers;
    EXPECT_EQ(deals, c.Deals) << c.Jokers;
  }
}

TEST(GameReturn, PublishedReturns) {
  TLxGameManager manager;
  struct TCase {
    int32_t Type;
    const char* Pays;
    double Return;
  };
  const TCase cases[] = {
      {10,
       "ROYALFLUSH=800,STREETFLUSH=50,POKER=25,FULLHOUSE=9,FLUSH=6,STREET=4,THREEOFAKIND=3,"
       "TWOPAIRS=2,HIGHPAIR=1",
       0.995439},
      {12,
       "ROYALFLUSH_N=800,POKER_D=200,ROYALFLUSH=25,FIVEOFAKIND=15,STREETFLUSH=9,POKER=5,"
       "FULLHOUSE=3,FLUSH=2,STREET=2,THREEOFAKIND=1",
       1.007620},
  };
  for (const TCase& c : cases) {
    const TOddsGame game(*manager.FindByType(c.Type), ParsePays(c.Pays));
    const TDrawTable table(game);
    const TGameReturn r = OptimalReturn(table);
    EXPECT_NEAR(r.Return(), c.Return, 0.5e-6) << c.Type;
    double sum = 0;
    for (double p : r.RowProbability) sum += p;
    EXPECT_NEAR(sum, r.HitFrequency, 1e-12);
  }
}

}  // namespace

}  // namespace lx
