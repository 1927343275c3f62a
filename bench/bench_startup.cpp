// Start-up of the whole program over the real installation data on the headless window: to its
// first frame, to the main room with a player signed in automatically, and the main room's frame.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/mainform.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/mainroomscene.h"
#include "screens/mainroomunit.h"
#include "support/lxtestprogram.h"

namespace lx {
namespace {

using Clock = std::chrono::steady_clock;

void PrepareAutoLogin(const test::TLxScratchInstall& install) {
  TLxSetting settings(install.Root, install.Root + "systmp");
  settings.optAutoLoginPlayerName = "Bench";
  settings.Save();
  install.Put("Players/.keep", "");
  TLxPlayers players;
  players.FileName = settings.PlayersFile;
  players.AddPlayer("Bench", "", "", "", 0);
}

// Seconds from the start of the create handler until the condition holds in a frame; then the
// program ends. With room frames > 0, the mean time of that many main room frames instead.
double Measure(bool autoLogin, int roomFrames) {
  test::TLxScratchInstall install;
  if (autoLogin) PrepareAutoLogin(install);
  test::TLxTestProgram run(install);
  run.Program.RunIntro = [] {};
  const Clock::time_point start = Clock::now();
  double seconds = 0;
  auto ready = [&] {
    return !autoLogin ||
           (MainRoom && !MainRoom->Scene->Hidden && run.Showing("IMG_GAME_LXG_VP_JACKSORBETTER"));
  };
  run.Then("ready", ready, [&] {
    if (roomFrames == 0) {
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } else {
      const Clock::time_point from = Clock::now();
      for (int i = 0; i < roomFrames; ++i) frmMain->RenderNow();
      seconds = std::chrono::duration<double>(Clock::now() - from).count() / roomFrames;
    }
    frmMain->Terminate();
  });
  run.Run();
  return seconds;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(Measure(false, 0));
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartToMainRoomWithAutoLogin(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(Measure(true, 0));
}
BENCHMARK(BM_StartToMainRoomWithAutoLogin)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_MainRoomFrame(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(Measure(true, 200));
}
BENCHMARK(BM_MainRoomFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
