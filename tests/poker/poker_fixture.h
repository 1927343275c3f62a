// A poker machine on the headless window over the real installation data: the catalog, a
// signed-in player with a bank, the machine of a game type with its scene themed and shown.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/lxrandom.h"
#include "gamecore/lxcard.h"
#include "gamecore/lxgamemanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "poker/poker.h"
#include "poker/pokerdata.h"
#include "poker/pokerscene.h"
#include "support/lxtestgame.h"

namespace lx::test {

class PokerFixture : public ::testing::Test {
 protected:
  PokerFixture() {
    Catalog = std::make_unique<TLxGameManager>();
    GameManager = Catalog.get();
    ThePlayers = std::make_unique<TLxPlayers>();
    ThePlayers->AddPlayer("Tester", "pw", "Test", "Er", 1);
    ThePlayers->CurrentPlayer = ThePlayers->FindPlayer("Tester");
    Players = ThePlayers.get();
  }
  ~PokerFixture() override {
    Close();
    Players = nullptr;
    GameManager = nullptr;
  }

  // Opens the machine of a game type (the bank gives it 100 credit when it holds that much).
  TPoker& Open(int32_t type, uint32_t bank = 1000) {
    Close();
    Player()->Bank = bank;
    Game = std::make_unique<TPoker>(Catalog->FindByType(type));
    Game->Scene->LoadTheme(Settings->ThemeName);
    Game->Scene->Show();
    App.Frames(2);
    return *Game;
  }
  void Close() {
    if (Game) Game->Scene->Hide();
    Game.reset();
  }
  TLxPlayer* Player() const { return ThePlayers->CurrentPlayer; }
  TPokerData& Data() const { return *Game->Data; }
  TPokerScene& Scene() const { return *Game->Scene; }
  TLxCard& Card(int32_t i) const { return *Game->MainCard(i); }
  std::string Caption(const std::string& name) const {
    auto* label = dynamic_cast<TLxLabel*>(Scene().FindControl(name));
    return label ? label->Caption() : std::string("<none>");
  }
  // A key as the player presses it (through the window and the scene).
  void Key(char key) { App.Key(static_cast<uint16_t>(key)); }
  // A click on the middle of a named control.
  void ClickOn(const std::string& name) {
    TLxCustomControl* control = Scene().FindControl(name);
    ASSERT_NE(control, nullptr) << name;
    App.Click(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
  }
  // Sets the five cards of the next deal (and the replacements) by seeding for a preset.
  void SetCredit(uint32_t credit) {
    Data().Credit = credit;
    Game->ShowCredit();
  }

  TLxGameTestApp App;
  std::unique_ptr<TLxGameManager> Catalog;
  std::unique_ptr<TLxPlayers> ThePlayers;
  std::unique_ptr<TPoker> Game;
};

}  // namespace lx::test
