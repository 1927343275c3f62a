// The statistics window over a casino's statistics tree: the players, their games and hands,
// the records it makes for a player who never played, the current visit of an open machine, and
// counters far past what 32 bits can multiply.
#include <gtest/gtest.h>

#include "gamecore/lxgamemanager.h"
#include "gui/lxcheckbox.h"
#include "gui/lxlistbox.h"
#include "persistence/lxcasinomanager.h"
#include "screens/statisticsform.h"
#include "screens_fixture.h"

namespace lx::test {
namespace {

constexpr int32_t FadedIn = 40;

TEST(StatisticsPercent, SameAsBeforeWhereItFitsAndRightBeyond) {
  struct TCase {
    uint32_t In, Out;
    const char* Percent;
  };
  for (const TCase& c :
       {TCase{0, 500, "-"}, TCase{1000, 950, "95"}, TCase{3, 1, "33"},
        TCase{100, 42949672, "42949672"}, TCase{50000000, 45000000, "90"},
        TCase{4294967295u, 4294967295u, "100"}, TCase{1, 4294967295u, "429496729500"}})
    EXPECT_EQ(ReturnPercent(c.In, c.Out), c.Percent) << c.In << " " << c.Out;
  EXPECT_EQ(HandPercent(0, 0), "0");
  EXPECT_EQ(HandPercent(1, 3), "33");
  EXPECT_EQ(HandPercent(21474837, 21474837), "100");
  EXPECT_EQ(HandPercent(2147483647, 4294967294LL), "50");
}

class StatisticsWindow : public ::testing::Test {
 protected:
  StatisticsWindow()
      : Casino("ZodazAreroDozada", app.Root + "Casinos/",
               [this](const std::string& id) { return Catalog.FindByIDStr(id); }) {
    Casino.Games = {Catalog.FindByIDStr("LXG_VP_JACKSORBETTER"),
                    Catalog.FindByIDStr("LXG_VP_DEUCESWILD")};
    app.SignIn("ANNA", 100);
    Ben = app.SignIn("BEN", 2000);
    app.SignIn("CARL", 300);
    Players->CurrentPlayer = Ben;
    TGameStatictics* job = Casino.FindOrAddPlayer("BEN", true)->FindOrAddGame(JOB, true);
    job->CreditIn = 1000;
    job->CreditOut = 950;
    job->FindOrAddHand("HAND_HIGHPAIR", true)->Value = 30;
    job->FindOrAddHand("HAND_FLUSH", true)->Value = 3;
    job->FindOrAddHand("HAND_NOTHING", true)->Value = 67;
  }

  // The rows of a list as "caption|sub0|sub1|...".
  static std::vector<std::string> Rows(const TLxListBox& list) {
    std::vector<std::string> rows;
    for (int32_t i = 0; i < list.Count(); ++i) {
      std::string row = list.Items[i]->Caption;
      for (const std::string& sub : list.Items[i]->SubItems) row += "|" + sub;
      rows.push_back(row);
    }
    return rows;
  }
  static std::string Row(const TLxListBox& list, const std::string& caption) {
    for (const std::string& row : Rows(list))
      if (row.rfind(caption + "|", 0) == 0) return row;
    return "(none)";
  }

  const std::string JOB = "LXG_VP_JACKSORBETTER";
  TScreensApp app;
  TLxGameManager Catalog;
  TLxCasino Casino;
  TLxPlayer* Ben = nullptr;
};

TEST_F(StatisticsWindow, InTheMainRoomListsEveryPlayerAndMakesRecordsForOneWhoNeverPlayed) {
  auto* stats = new TfrmStatistics(app.Main->MainScene, &Casino, nullptr);
  EXPECT_FALSE(stats->CbCurrentSession->Visible());
  EXPECT_FALSE(stats->CbCurrentSession->Checked());
  EXPECT_EQ(Rows(*stats->LbPlayers), (std::vector<std::string>{"* BEN", "ANNA", "CARL"}));
  EXPECT_EQ(stats->SelectedPlayer, Ben);
  EXPECT_EQ(Rows(*stats->LbGames),
            (std::vector<std::string>{"JACKS OR BETTER 9/6|1000|950|95", "DEUCES WILD|0|0|-"}));
  EXPECT_EQ(stats->SelectedGame, Catalog.FindByIDStr(JOB));
  const TGameInfo& job = *Catalog.FindByIDStr(JOB);
  ASSERT_EQ(stats->LbHands->Count(), job.PayTable.Count() + 3);
  EXPECT_EQ(Row(*stats->LbHands, "JACKS OR BETTER"), "JACKS OR BETTER|30|30");
  EXPECT_EQ(Row(*stats->LbHands, "FLUSH"), "FLUSH|3|3");
  EXPECT_EQ(Row(*stats->LbHands, "NOTHING"), "NOTHING|67|67");
  EXPECT_EQ(Rows(*stats->LbHands).at(static_cast<size_t>(job.PayTable.Count()) + 1),
            "------------------||");
  EXPECT_EQ(Rows(*stats->LbHands).back(), "ALL HANDS|100|100");
  EXPECT_EQ(Casino.FindOrAddPlayer("ANNA", false), nullptr);

  int32_t handIndex = 0;
  std::vector<std::string> annasGames;
  std::string dwHandsTotal;
  auto script = app.Script();
  script->At(FadedIn, [&] { app.Shoot("statistics"); })
      .At(FadedIn + 1,
          [&] {
            app.Developed();
            app.ClickOn(stats->LbHands->Items[0]);
          })
      .At(FadedIn + 8,
          [&] {
            handIndex = stats->LbHands->ItemIndex();
            app.ClickOn(stats->LbGames->Items[1]);
          })
      .At(FadedIn + 16,
          [&] {
            dwHandsTotal = Rows(*stats->LbHands).back();
            app.ClickOn(stats->LbPlayers->Items[1]);
          })
      .At(FadedIn + 24, [&] {
        annasGames = Rows(*stats->LbGames);
        app.ClickOn(stats->BtnClose);
      });
  script->Start();
  EXPECT_EQ(stats->ShowModal(), mrNone);
  EXPECT_FALSE(script->Overran);
  delete stats;

  EXPECT_EQ(handIndex, -1);  // the hands list cannot be selected
  EXPECT_EQ(dwHandsTotal, "ALL HANDS|0|100");
  EXPECT_EQ(annasGames,
            (std::vector<std::string>{"JACKS OR BETTER 9/6|0|0|-", "DEUCES WILD|0|0|-"}));
  // Looking made Anna's empty records, one per game of the casino.
  TPlayerStatistics* anna = Casino.FindOrAddPlayer("ANNA", false);
  ASSERT_NE(anna, nullptr);
  ASSERT_NE(anna->FindOrAddGame(JOB, false), nullptr);
  ASSERT_NE(anna->FindOrAddGame("LXG_VP_DEUCESWILD", false), nullptr);
  EXPECT_EQ(anna->FindOrAddGame(JOB, false)->CreditIn, 0u);
  EXPECT_NE(anna->FindOrAddGame(JOB, false)->FindOrAddHand("HAND_NOTHING", false), nullptr);
}

TEST_F(StatisticsWindow, AtAnOpenMachineShowsThisVisitUntilTheBoxIsUnticked) {
  TPlainGame game(Catalog.FindByIDStr(JOB));
  game.Data->VisitStats->CreditIn = 300;
  game.Data->VisitStats->CreditOut = 120;
  game.Data->VisitStats->FindOrAddHand("HAND_TWOPAIRS", true)->Value = 2;
  game.Data->VisitStats->FindOrAddHand("HAND_NOTHING", true)->Value = 6;
  auto* stats = new TfrmStatistics(app.Main->MainScene, &Casino, &game);
  EXPECT_TRUE(stats->CbCurrentSession->Visible());
  EXPECT_TRUE(stats->CbCurrentSession->Checked());
  EXPECT_EQ(Rows(*stats->LbPlayers), (std::vector<std::string>{"* BEN"}));
  EXPECT_EQ(Rows(*stats->LbGames), (std::vector<std::string>{"JACKS OR BETTER 9/6|300|120|40"}));
  EXPECT_EQ(Row(*stats->LbHands, "2 PAIRS"), "2 PAIRS|2|25");
  EXPECT_EQ(Rows(*stats->LbHands).back(), "ALL HANDS|8|100");

  std::vector<std::string> players, games;
  auto script = app.Script();
  script->At(FadedIn, [&] { app.Shoot("statistics_visit"); })
      .At(FadedIn + 1,
          [&] {
            app.Developed();
            app.ClickOn(stats->CbCurrentSession);
          })
      .At(FadedIn + 8, [&] {
        players = Rows(*stats->LbPlayers);
        games = Rows(*stats->LbGames);
        app.ClickOn(stats->BtnClose);
      });
  script->Start();
  stats->ShowModal();
  EXPECT_FALSE(script->Overran);
  delete stats;
  EXPECT_EQ(players, (std::vector<std::string>{"* BEN", "ANNA", "CARL"}));
  // The stored statistics, which do not hold this visit yet.
  EXPECT_EQ(games,
            (std::vector<std::string>{"JACKS OR BETTER 9/6|1000|950|95", "DEUCES WILD|0|0|-"}));
}

TEST_F(StatisticsWindow, OpensWithCountersPastTheThirtyTwoBitProducts) {
  TGameStatictics* job = Casino.FindOrAddPlayer("BEN", true)->FindOrAddGame(JOB, true);
  job->CreditIn = 4000000000u;
  job->CreditOut = 3000000000u;
  job->FindOrAddHand("HAND_HIGHPAIR", true)->Value = 2000000000;
  job->FindOrAddHand("HAND_NOTHING", true)->Value = 2000000000;
  job->FindOrAddHand("HAND_FLUSH", true)->Value = 0;
  TfrmStatistics stats(app.Main->MainScene, &Casino, nullptr);
  EXPECT_EQ(Rows(*stats.LbGames).front(), "JACKS OR BETTER 9/6|4000000000|3000000000|75");
  EXPECT_EQ(Row(*stats.LbHands, "JACKS OR BETTER"), "JACKS OR BETTER|2000000000|50");
  EXPECT_EQ(Row(*stats.LbHands, "NOTHING"), "NOTHING|2000000000|50");
  EXPECT_EQ(Rows(*stats.LbHands).back(), "ALL HANDS|4000000000|100");
}

TEST_F(StatisticsWindow, WithoutACasinoListsOnlyThePlayers) {
  TfrmStatistics stats(app.Main->MainScene, nullptr, nullptr);
  EXPECT_EQ(stats.LbPlayers->Count(), 3);
  EXPECT_EQ(stats.LbGames->Count(), 0);
  EXPECT_EQ(stats.LbHands->Count(), 0);
}

}  // namespace
}  // namespace lx::test
