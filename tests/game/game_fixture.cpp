#include "game/game_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace lx::test {

void GameTest::SetUp() {
  char pattern[] = "/tmp/lxgametest-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  Folder = std::string(pattern) + "/";
  ThePlayers = std::make_unique<TLxPlayers>();
  ThePlayers->FileName = Path("players.xml");
  ASSERT_TRUE(ThePlayers->AddPlayer("Ann", "pw", "Ann", "Smith", 1));
  Player = ThePlayers->FindPlayer("Ann");
  ThePlayers->CurrentPlayer = Player;
  Players = ThePlayers.get();
  TheAppInfo = std::make_unique<TLxApplicationInfo>(Folder);
  AppInfo = TheAppInfo.get();
  TheSettings = std::make_unique<TLxSetting>(Folder, Folder);
  Settings = TheSettings.get();
  Info.Title = "TEST POKER";
  Info.IDStr = "LXG_VP_TEST";
  Info.GameType = 10;
  Game = std::make_unique<TTestGame>(&Info, nullptr);
}

void GameTest::TearDown() {
  Game.reset();
  Players = nullptr;
  AppInfo = nullptr;
  Settings = nullptr;
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

}  // namespace lx::test
