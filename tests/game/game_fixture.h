// A small machine on the base game for the tests: a data class that stores credit, bet and win,
// a scene with the credit and win labels, and a host that answers the dialogs from a script and
// records what the game shows frame by frame.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "gamecore/lxcard.h"
#include "gamecore/lxdoubleup.h"
#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamescene.h"
#include "gui/fake_host.h"
#include "gui/lxframe.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"

namespace lx::test {

class TTestGameData : public TLxGameData {
  LX_XML_CLASS(TTestGameData, TLxGameData)

 public:
  static void DeclareProperties(TXMLPropertiesOf<TTestGameData>& p) {
    p.Cardinal("Credit", &TTestGameData::Credit)
        .Integer(
            "Bet", [](const TTestGameData& d) { return d.GetBet(); },
            [](TTestGameData& d, int32_t v) { d.SetBet(v); })
        .Cardinal("Win", &TTestGameData::Win);
  }
};

class TTestGameScene : public TLxGameScene {
 public:
  explicit TTestGameScene(TLxComponent* owner) : TLxGameScene(owner, "GAMETEST") {
    imgGameLogo = Themed<TLxImage>("IMG_GAMELOGO", nullptr);
    lblCredit = Themed<TLxLabel>("LBL_CREDIT", nullptr);
    lblCredit->SetCaption("CREDIT");
    lblCreditV = Themed<TLxLabel>("LBL_CREDITV", nullptr);
    lblCreditV->SetCaption("0");
    lblWin = Themed<TLxLabel>("LBL_WIN", nullptr);
    lblWin->SetCaption("WIN");
    lblWinV = Themed<TLxLabel>("LBL_WINV", nullptr);
    lblWinV->SetCaption("0");
  }
};

class TTestGame : public TLxGame {
 public:
  TTestGame(TGameInfo* info, TLxComponent* sceneOwner) : TLxGame(info) {
    Data->FileName = "";
    SetScene(new TTestGameScene(sceneOwner));
    DoubleUp = std::make_unique<TLxDoubleUp>(this);
  }
  ~TTestGame() override { delete GetScene(); }

  TLxGameData* GetGameData() const override { return Data.get(); }
  void EndRound() override {
    ++EndRounds;
    State = GameStateIdle;
  }
  void TakeWin() override {
    ++TakeWins;
    Data->Credit += Data->Win;
    Data->Win = 0;
    ShowCredit();
    ShowWin();
    EndRound();
  }
  TTestGameScene* TestScene() const { return static_cast<TTestGameScene*>(GetScene()); }

  std::unique_ptr<TTestGameData> Data = std::make_unique<TTestGameData>();
  std::unique_ptr<TLxDoubleUp> DoubleUp;
  int EndRounds = 0;
  int TakeWins = 0;
};

// Dialog answers are taken from Answers (mrNone when it runs out); every text asked is kept.
class TScriptHost : public TFakeHost {
 public:
  int32_t MessageBox(const std::string& text, int32_t, int32_t buttons) override {
    Messages.push_back(text);
    Buttons.push_back(buttons);
    if (Answers.empty()) return mrNone;
    const int32_t answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  void RenderNow() override {
    TFakeHost::RenderNow();
    if (OnFrame) OnFrame();
  }
  void WaitMs(uint32_t ms) override {
    Waited += ms;
    Waits.push_back(ms);
  }
  bool Terminated() const override { return Ending; }

  std::deque<int32_t> Answers;
  std::vector<std::string> Messages;
  std::vector<int32_t> Buttons;
  std::vector<uint32_t> Waits;
  uint32_t Waited = 0;
  bool Ending = false;
  std::function<void()> OnFrame;
};

// The globals a machine uses: the players with one signed-in player, the application info and
// the settings; a scratch folder for stored files.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A file name under the scratch folder.
  std::string Path(const std::string& name) const { return Folder + name; }

  TScriptHost TheHost;
  std::string Folder;
  std::unique_ptr<TLxPlayers> ThePlayers;
  std::unique_ptr<TLxApplicationInfo> TheAppInfo;
  std::unique_ptr<TLxSetting> TheSettings;
  TLxPlayer* Player = nullptr;
  TGameInfo Info;
  std::unique_ptr<TTestGame> Game;
};

}  // namespace lx::test
