// Loading and saving the big stored files: a players file and a casino's statistics tree, at the
// base size and ten times that. Reading must grow linearly with the file.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "persistence/lxcasinomanager.h"
#include "persistence/playersunit.h"

namespace {

std::string gFolder;  // set by main

const std::string& Folder() {
  return gFolder;
}

std::string PlayersFile(int64_t count) {
  const std::string path = Folder() + "players" + std::to_string(count) + ".xml";
  if (std::filesystem::exists(path)) return path;
  lx::TLxPlayers players;
  for (int64_t i = 0; i < count; ++i) {
    lx::TLxPlayer* p = players.Add();
    p->PlayerName = "Player" + std::to_string(i);
    p->Password = "secret&" + std::to_string(i);
    p->FirstName = "First";
    p->LastName = "Last Name";
    p->PictureID = static_cast<int32_t>(i % 12);
    p->Bank = static_cast<uint32_t>(1000 + i * 7919);
  }
  players.SaveToFile(path);
  return path;
}

std::string CasinoFile(int64_t playerCount) {
  const std::string path = Folder() + "casino" + std::to_string(playerCount) + ".xml";
  if (std::filesystem::exists(path)) return path;
  lx::TLxCasino casino("Bench", Folder(), lx::TGameLookup());
  static const char* hands[] = {"HAND_NOTHING", "HAND_HIGHPAIR", "HAND_TWOPAIRS",
                                "HAND_THREEOFAKIND"};
  for (int64_t i = 0; i < playerCount; ++i) {
    lx::TPlayerStatistics* ps = casino.PlayersStatistics->Add();
    ps->PlayerName = "Player" + std::to_string(i);
    for (int g = 0; g < 21; ++g) {
      lx::TGameStatictics* gs = ps->GamesStatistics->Add();
      gs->GameIDStr = "LXG_VP_GAME" + std::to_string(g);
      gs->CreditIn = static_cast<uint32_t>(i * 31 + g);
      gs->CreditOut = static_cast<uint32_t>(i * 17 + g);
      for (const char* h : hands) {
        lx::TGameHand* hand = gs->GameHands->Add();
        hand->HandIDStr = h;
        hand->Value = g;
      }
    }
  }
  casino.SaveToFile(path);
  return path;
}

void BM_LoadPlayers(benchmark::State& state) {
  const std::string path = PlayersFile(10000 * state.range(0));
  for (auto _ : state) {
    lx::TLxPlayers players;
    players.LoadFromFile(path);
    benchmark::DoNotOptimize(players.Count());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_SavePlayers(benchmark::State& state) {
  const std::string path = PlayersFile(10000 * state.range(0));
  lx::TLxPlayers players;
  players.LoadFromFile(path);
  for (auto _ : state) players.SaveToFile(Folder() + "out-players.xml");
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_LoadCasino(benchmark::State& state) {
  const std::string path = CasinoFile(2000 * state.range(0));
  for (auto _ : state) {
    lx::TLxCasino casino("Bench", Folder(), lx::TGameLookup());
    casino.LoadFromFile(path);
    benchmark::DoNotOptimize(casino.PlayersStatistics->Count());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_SaveCasino(benchmark::State& state) {
  const std::string path = CasinoFile(2000 * state.range(0));
  lx::TLxCasino casino("Bench", Folder(), lx::TGameLookup());
  casino.LoadFromFile(path);
  for (auto _ : state) casino.SaveToFile(Folder() + "out-casino.xml");
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The text alone, without the file system: writing must grow linearly too.
void BM_CasinoText(benchmark::State& state) {
  const std::string path = CasinoFile(2000 * state.range(0));
  lx::TLxCasino casino("Bench", Folder(), lx::TGameLookup());
  casino.LoadFromFile(path);
  for (auto _ : state) benchmark::DoNotOptimize(casino.GetXMLDocument().size());
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

}  // namespace

BENCHMARK(BM_LoadPlayers)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePlayers)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCasino)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCasino)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CasinoText)->Arg(1)->Arg(2)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  char pattern[] = "/tmp/lxbench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  gFolder = std::string(pattern) + "/";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
