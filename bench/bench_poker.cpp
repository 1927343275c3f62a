// Frame time of the busiest poker scene on the software renderer: the Lumio machine with a dealt
// hand, its lamps blinking and the star field on; and a firework system of full size alone.
#include <benchmark/benchmark.h>

#include "gamecore/lxcard.h"
#include "gamecore/lxgamemanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "poker/poker.h"
#include "poker/pokerdata.h"
#include "poker/pokerdeck.h"
#include "poker/pokerscene.h"
#include "scenes/lxparticles.h"
#include "support/lxtestgame.h"

namespace lx {
namespace {

void BM_PokerSceneFrame(benchmark::State& state) {
  test::TLxGameTestApp app;
  app.Window.FrameStepMs = 100;
  Settings->optParticleEffects = true;
  TLxGameManager catalog;
  GameManager = &catalog;
  TLxPlayers players;
  players.AddPlayer("Bench", "pw", "B", "M", 1);
  players.CurrentPlayer = players.FindPlayer("Bench");
  Players = &players;
  {
    TPoker game(catalog.FindByType(1));
    game.Scene->LoadTheme(Settings->ThemeName);
    game.Scene->Show();
    PokerForcedHand = [] { return 17; };
    app.Key('M');
    PokerForcedHand = nullptr;
    for (TLxImage* lamp : game.Scene->imgLumioStage) {
      SetLamp(lamp, true);
      lamp->SetBlink(true);
    }
    for (int32_t n = 1; n <= 3; ++n) game.Scene->DealStageLamp(true, n)->SetBlink(true);
    game.Scene->lblCreditV->SetBlink(true);
    for (auto _ : state) app.Main->RenderNow();
    game.Scene->Hide();
  }
  Players = nullptr;
  GameManager = nullptr;
}
BENCHMARK(BM_PokerSceneFrame)->Unit(benchmark::kMicrosecond);

void BM_FireworksAlone(benchmark::State& state) {
  test::TLxGameTestApp app;
  auto* scene = new TLxScene(app.Main->MainScene, "BENCH");
  auto* fireworks = new TLxParticleSystem(scene);
  fireworks->SetName("PS_BENCH");
  fireworks->SetKind(ParticleFireworks);
  scene->AddControl(fireworks);
  fireworks->SetLeft(0);
  fireworks->SetTop(0);
  fireworks->SetWidth(800);
  fireworks->SetHeight(600);
  scene->Show();
  for (auto _ : state) app.Main->RenderNow();
  delete scene;
}
BENCHMARK(BM_FireworksAlone)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
