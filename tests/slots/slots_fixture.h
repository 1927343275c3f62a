// A slot machine on the headless window over the real installation data: a signed-in player
// with a bank of 1000, the machine created as the main room would and its scene shown.
#pragma once

#include <memory>
#include <string>

#include "gamecore/lxgamemanager.h"
#include "gamecore/lxgamescene.h"
#include "gui/lxcontrols.h"
#include "persistence/playersunit.h"
#include "slots/lxreel.h"
#include "slots/slots.h"
#include "slots/slotsscene.h"
#include "support/lxtestgame.h"

namespace lx::test {

class TSlotsFixture {
 public:
  explicit TSlotsFixture(int32_t type) {
    ThePlayers = std::make_unique<TLxPlayers>();
    TLxPlayer* player = ThePlayers->Add();
    player->PlayerName = "Tester";
    player->Bank = 1000;
    ThePlayers->CurrentPlayer = player;
    Players = ThePlayers.get();
    Game = std::make_unique<TSlots>(Catalog.FindByType(type));
    Game->Scene->LoadTheme("");
    Game->Scene->Show();
    App.Frames(2);
  }
  ~TSlotsFixture() {
    ForcedReelPattern = nullptr;
    Game.reset();
    Players = nullptr;
  }
  TSlotsFixture(const TSlotsFixture&) = delete;
  TSlotsFixture& operator=(const TSlotsFixture&) = delete;

  // Logic without pictures: no pauses, and the scene hidden so that the reels are stepped
  // without drawing frames.
  void Quick() {
    Game->NoPauses = true;
    Scene().Hide();
  }
  void Force(int32_t entry) {
    ForcedReelPattern = [entry] { return entry; };
  }
  TSlotsData& Data() { return *Game->SlotsData; }
  TSlotsScene& Scene() { return *Game->Scene; }
  std::string Message() { return Scene().lblMessage->Caption(); }
  // The control's centre, for clicks.
  void ClickOn(TLxCustomControl* c) {
    App.Click(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
  }
  std::string Shot(const std::string& name) { return App.SavePng("slots/" + name); }

  TLxGameTestApp App;
  TLxGameManager Catalog;
  std::unique_ptr<TLxPlayers> ThePlayers;
  std::unique_ptr<TSlots> Game;
};

}  // namespace lx::test
