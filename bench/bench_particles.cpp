// A particle system of its full size alone, on the software renderer with the installation's
// star pictures: the per-frame work of the drawing step (two simulation steps and the drawing)
// for 2000 firework streaks and for the star field, and the simulation alone.
#include <benchmark/benchmark.h>

#include "base/lxrandom.h"
#include "scenes/lxparticles.h"
#include "scenes/lxscene.h"
#include "support/lxtestgame.h"

namespace lx {
namespace {

struct TParticleBench {
  explicit TParticleBench(uint8_t kind) {
    RandSeed = 1;
    Scene = new TLxScene(App.Main->MainScene, "PARTICLES");
    System = new TLxParticleSystem(Scene);
    System->SetName("PS_BENCH");
    System->SetKind(kind);
    System->SetLeft(400);
    System->SetTop(260);
    System->SetWidth(800);
    System->SetHeight(600);
    Scene->AddControl(System);
    Scene->LoadTheme("");
    System->SetColor4({0xFF40D0FFu, 0xFF2060FFu, 0xFF40D0FFu, 0xFF2060FFu});
    Scene->Show();
  }
  test::TLxGameTestApp App;
  TLxScene* Scene = nullptr;
  TLxParticleSystem* System = nullptr;
};

// One whole frame (clear, the scene, present) with the system in it.
void Frame(benchmark::State& state, uint8_t kind) {
  TParticleBench bench(kind);
  for (auto _ : state) bench.App.Frames(1);
  state.counters["particles"] = static_cast<double>(bench.System->Particles().size());
}

void BM_FireworksFrame(benchmark::State& state) {
  Frame(state, ParticleFireworks);
}
void BM_StarFieldFrame(benchmark::State& state) {
  Frame(state, ParticleStarField);
}

// The drawing step alone, without clearing or presenting.
void BM_FireworksPaint(benchmark::State& state) {
  TParticleBench bench(ParticleFireworks);
  Engine->BeginScene();
  for (auto _ : state) bench.System->Paint();
  Engine->EndScene();
}

// The simulation alone: the two steps of a frame at the default speed.
void BM_FireworksSteps(benchmark::State& state) {
  TParticleBench bench(ParticleFireworks);
  for (auto _ : state) {
    bench.System->Step(150);
    bench.System->Step(150);
    benchmark::DoNotOptimize(bench.System->Particles().data());
  }
}

// An empty frame of the same window, for comparison.
void BM_EmptyFrame(benchmark::State& state) {
  test::TLxGameTestApp app;
  for (auto _ : state) app.Frames(1);
}

BENCHMARK(BM_FireworksFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StarFieldFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FireworksPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FireworksSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
