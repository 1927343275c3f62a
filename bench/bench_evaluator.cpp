// Throughput of the poker hand evaluator on one core: EvaluateCards over random deals of each
// game's deck, dealt beforehand so that only the evaluation is measured.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "base/lxrandom.h"
#include "gamecore/lxgamemanager.h"
#include "gamecore/lxhandeval.h"

namespace {

using lx::TLxHandEvaluator;

constexpr size_t kDeals = 1 << 16;

// kDeals hands of five distinct cards from 1..52 plus the given jokers.
std::vector<std::array<int32_t, 5>> Deal(int32_t jokers) {
  lx::RandSeed = 20240601;
  std::vector<int32_t> deck;
  for (int32_t card = 1; card <= 52 + jokers; ++card) deck.push_back(card);
  std::vector<std::array<int32_t, 5>> hands(kDeals);
  for (auto& hand : hands) {
    // partial Fisher-Yates over the first five places
    for (size_t i = 0; i < 5; ++i) {
      const size_t j = i + lx::Random(static_cast<uint32_t>(deck.size() - i));
      std::swap(deck[i], deck[j]);
      hand[i] = deck[i];
    }
  }
  return hands;
}

void EvaluateCards(benchmark::State& state, int32_t gameType, int32_t wildRank, int32_t jokers) {
  lx::TLxGameManager manager;
  const TLxHandEvaluator eval(*manager.FindByType(gameType));
  const auto hands = Deal(jokers);
  size_t i = 0;
  for (auto _ : state) {
    const auto& h = hands[i];
    i = (i + 1) & (kDeals - 1);
    benchmark::DoNotOptimize(eval.EvaluateCards(h[0], h[1], h[2], h[3], h[4], wildRank, -1));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void JacksOrBetter(benchmark::State& state) {
  EvaluateCards(state, 10, 0, 0);
}
void DeucesWild(benchmark::State& state) {
  EvaluateCards(state, 12, 2, 0);
}
void DoubleJoker(benchmark::State& state) {
  EvaluateCards(state, 3, 0, 2);
}

}  // namespace

BENCHMARK(JacksOrBetter);
BENCHMARK(DeucesWild);
BENCHMARK(DoubleJoker);

BENCHMARK_MAIN();
