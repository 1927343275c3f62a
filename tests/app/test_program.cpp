// The whole program over the real installation data on the headless window: start-up with and
// without a player, the main room, the navigation bar, the stored files and the shut-down.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/lxlog.h"

#include "app/mainform.h"
#include "gui/lxcontrols.h"
#include "gui/lxmenus.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/mainroomscene.h"
#include "screens/mainroomunit.h"
#include "support/lxtestprogram.h"

namespace lx {
namespace {

using test::TLxScratchInstall;
using test::TLxTestProgram;

// Settings and players files as the game writes them: one player, signed in automatically.
void PrepareAutoLogin(const TLxScratchInstall& install, const std::string& name, uint32_t bank) {
  TLxSetting settings(install.Root, install.Root + "systmp");
  settings.optAutoLoginPlayerName = name;
  settings.Save();
  install.Put("Players/.keep", "");
  TLxPlayers players;
  players.FileName = settings.PlayersFile;
  players.AddPlayer(name, "", "Ada", "Lovelace", 0);
  players.Items(0)->Bank = bank;
  players.Save();
}

std::string Caption(const std::string& name) {
  auto* label = MainRoom ? dynamic_cast<TLxLabel*>(MainRoom->Scene->FindControl(name)) : nullptr;
  return label ? label->Caption() : std::string();
}

TEST(Program, AutoLoginGoesStraightToTheMainRoom) {
  TLxScratchInstall install;
  PrepareAutoLogin(install, "Alice", 2500);
  TLxTestProgram test(install);
  int64_t roomFrame = 0;
  test.Then(
          "the main room shows", [&] { return test.Showing("IMG_GAME_LXG_VP_JACKSORBETTER"); },
          [&] { roomFrame = test.Frames; })
      .Then(
          "the room has faded in", [&] { return test.Frames > roomFrame + 40; },
          [&] {
            EXPECT_EQ(Caption("LBL_FULLNAME"), "Alice");
            EXPECT_EQ(Caption("LBL_BANKV"), "2500");
            EXPECT_EQ(frmMain->CurrentCasino->CasinoID, "ZodazAreroDozada");
            EXPECT_EQ(Settings->ThemeName, "ZodazAreroDozada");
            // the third game of the casino
            test.ClickControl("IMG_CUSTOM1");
            auto* third = MainRoom->Scene->GameImages.at(2);
            test.MoveTo(third->Left() + 10, third->Top() + 10);
          })
      .Then(
          "the preview shows", [&] { return test.Showing("PNL_GAMEPREVIEW"); },
          [&] { roomFrame = test.Frames; })
      .Then(
          "the preview has scrolled", [&] { return test.Frames > roomFrame + 40; },
          [&] {
            EXPECT_EQ(MainRoom->Scene->imgGamePreview->ItemIndex(), 4);
            EXPECT_EQ(Caption("LBL_GAMETITLE"), "DOUBLE DOUBLE BONUS POKER");
            test.SavePng("game/mainroom_preview.png");
            test.ClickControl("MENU_VIDEOPOKER");
          })
      .Then(
          "the video poker menu opens", [&] { return test.Showing("MENU_LXG_VP_FRUITPOKER"); },
          [&] { roomFrame = test.Frames; })
      .Then(
          "the menu has faded in", [&] { return test.Frames > roomFrame + 30; },
          [&] {
            test.SavePng("game/mainroom_menu_videopoker.png");
            test.ClickControl("MENU_FILE");
          })
      .Then(
          "the FILE menu opens", [&] { return test.Showing("MENU_EXITGAME"); },
          [&] { roomFrame = test.Frames; })
      .Then(
          "the FILE menu has faded in", [&] { return test.Frames > roomFrame + 30; },
          [&] {
            test.SavePng("game/navigation_file.png");
            test.ClickControl("MENU_EXITGAME");
          });
  EXPECT_EQ(test.Run(), 0);
  EXPECT_EQ(test.Stuck, "");
  if (!test.Stuck.empty())
    for (const auto& l : LogLines()) std::printf("%s\n", l.c_str());
  EXPECT_EQ(test.Done, test.Steps.size());
  // The shut-down saved the players and the casino with the player's record.
  EXPECT_NE(install.Read("Players/players.xml").find("<PlayerName>Alice</PlayerName>"),
            std::string::npos);
  EXPECT_NE(install.Read("Casinos/ZodazAreroDozada/casino.xml").find("<PlayerName>Alice<"),
            std::string::npos);
  EXPECT_TRUE(install.Exists("settings.xml"));
}

}  // namespace
}  // namespace lx
