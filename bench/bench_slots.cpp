// Slot machine figures on the software renderer over the real installation data: the frame of a
// 3 x 3 machine while all nine reels spin and while the result animation runs, and rounds per
// second of a machine playing by itself with its pauses off and its scene hidden (the reels are
// then stepped without drawing).
#include <benchmark/benchmark.h>

#include "base/lxrandom.h"
#include "slots/slotanims.h"
#include "slots/slots_fixture.h"

namespace lx {
namespace {

using test::TSlotsFixture;

void SlotsFrameSpinning(benchmark::State& state) {
  TSlotsFixture f(31);
  RandSeed = 1;
  f.Game->FillStrips(0);
  for (auto _ : state) {
    if (!f.Scene().Reels[9]->Spinning)
      for (int32_t i = 1; i <= 9; ++i) f.Scene().Reels[static_cast<size_t>(i)]->StartSpin();
    f.App.Main->RenderNow();
  }
}
BENCHMARK(SlotsFrameSpinning)->Unit(benchmark::kMillisecond);

void SlotsFrameResults(benchmark::State& state) {
  TSlotsFixture f(31);
  RandSeed = 2;
  f.Force(5);  // a line and a whole-screen win: both phases of the animation
  for (int i = 0; i < 8; ++i) f.Game->AddBet(1);
  f.Game->NoPauses = true;
  f.Game->Spin();
  for (auto _ : state) f.App.Main->RenderNow();
  state.counters["animating"] = f.Game->Results->Running ? 1 : 0;
}
BENCHMARK(SlotsFrameResults)->Unit(benchmark::kMillisecond);

void SlotsAutoPlayRounds(benchmark::State& state) {
  TSlotsFixture f(static_cast<int32_t>(state.range(0)));
  RandSeed = 3;
  TSlotsData& d = f.Data();
  f.Game->NoPauses = true;
  f.Scene().Hide();
  for (int i = 0; i < 8; ++i) f.Game->AddBet(1);
  for (int i = 0; i < 8; ++i) f.Game->AddBet(2);
  // Every finished round hands control back, so that one iteration is one round.
  f.Game->OnRoundEnd = [](TSlots* g) { g->AutoPlay = false; };
  int64_t rounds = 0;
  for (auto _ : state) {
    d.Credit = 100000;
    f.Game->AutoPlay = true;
    const int32_t before = f.Game->RoundsPlayed;
    f.Game->Spin();
    if (f.Game->State == SlotStateWin) f.Game->TakeWin();
    rounds += f.Game->RoundsPlayed - before;
  }
  state.counters["rounds/s"] =
      benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
}
BENCHMARK(SlotsAutoPlayRounds)->Arg(31)->Arg(32)->Arg(33)->Arg(34)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
