// The exact odds on one core: the advice for one dealt hand once a game's draw table is built,
// the draw table itself, the three-deal advice, and the whole table of the sixteen poker games.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

#include "base/lxrandom.h"
#include "odds/lxadvisor.h"
#include "odds/lxgamereturn.h"

namespace {

using namespace lx;

std::vector<std::array<int32_t, 5>> Deals(int32_t deckSize, size_t count) {
  RandSeed = 20261211;
  std::vector<int32_t> deck;
  for (int32_t c = 1; c <= deckSize; ++c) deck.push_back(c);
  std::vector<std::array<int32_t, 5>> hands(count);
  for (auto& hand : hands) {
    for (size_t i = 0; i < 5; ++i) {
      const size_t j = i + Random(static_cast<uint32_t>(deck.size() - i));
      std::swap(deck[i], deck[j]);
      hand[i] = deck[i];
    }
  }
  return hands;
}

void Advise(benchmark::State& state, int32_t type) {
  TLxGameManager manager;
  const TOddsGame game(*manager.FindByType(type));
  const TDrawTable table(game);
  const auto hands = Deals(game.DeckSize(), 1024);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AdviseHolds(table, hands[i]));
    i = (i + 1) % hands.size();
  }
}

void AdviseJacksOrBetter(benchmark::State& state) {
  Advise(state, 10);
}
void AdviseDeucesWild(benchmark::State& state) {
  Advise(state, 12);
}
void AdviseDoubleJoker(benchmark::State& state) {
  Advise(state, 3);
}
void AdviseThreeDeal(benchmark::State& state) {
  Advise(state, 1);
}

void BuildDrawTable(benchmark::State& state) {
  TLxGameManager manager;
  const TOddsGame game(*manager.FindByType(static_cast<int32_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(std::make_unique<TDrawTable>(game));
}

// All sixteen poker games; with range 1 also under the machine's automatic hold.
void WholeTable(benchmark::State& state) {
  TLxGameManager manager;
  for (auto _ : state) {
    for (const auto& info : manager.Games) {
      TOddsRules rules;
      if (!OddsRulesOf(info->GameType, rules)) continue;
      const TOddsGame game(*info);
      const TDrawTable table(game);
      benchmark::DoNotOptimize(OptimalReturn(table));
      if (state.range(0)) benchmark::DoNotOptimize(AutoHoldReturn(table));
    }
  }
}

}  // namespace

BENCHMARK(AdviseJacksOrBetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(AdviseDeucesWild)->Unit(benchmark::kMicrosecond);
BENCHMARK(AdviseDoubleJoker)->Unit(benchmark::kMicrosecond);
BENCHMARK(AdviseThreeDeal)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BuildDrawTable)->Arg(10)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WholeTable)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
