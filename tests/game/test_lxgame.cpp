// The base game: bets, the credit display, the count-up, credit in and out, leaving.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/lxutils.h"
#include "game/game_fixture.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/pelxml.h"

namespace lx::test {
namespace {

TEST_F(GameTest, TakeBetRefusesWithoutCreditOrBet) {
  struct Case {
    uint32_t credit;
    int32_t bet;
    bool taken;
    uint32_t creditAfter;
  };
  const Case cases[] = {
      {5, 5, true, 0}, {5, 0, false, 5}, {4, 5, false, 4}, {100, 10, true, 90}, {5, -1, false, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "credit " << c.credit << " bet " << c.bet);
    Game->Data->Credit = c.credit;
    Game->Data->SetBet(c.bet);
    EXPECT_EQ(Game->TakeBet(), c.taken);
    EXPECT_EQ(Game->Data->Credit, c.creditAfter);
    // Either way the display shows the credit that is left.
    EXPECT_EQ(Game->TestScene()->lblCreditV->Caption(), IntToStr(c.creditAfter));
  }
}

TEST_F(GameTest, CreditBlinksExactlyWhileLessThanTheBet) {
  TLxLabel* label = Game->TestScene()->lblCreditV;
  struct Case {
    uint32_t credit;
    int32_t bet;
    bool blink;
  };
  const Case cases[] = {{10, 5, false}, {4, 5, true}, {5, 5, false},          {0, 0, false},
                        {0, -1, false}, {0, 1, true}, {3000000000u, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "credit " << c.credit << " bet " << c.bet);
    Game->Data->Credit = c.credit;
    Game->Data->SetBet(c.bet);
    Game->ShowCredit();
    EXPECT_EQ(label->Blink(), c.blink);
    EXPECT_EQ(label->Caption(), IntToStr(c.credit));
  }
  // The bet raised above the credit starts the blinking; credit added stops it.
  Game->Data->Credit = 2;
  Game->Data->SetBet(5);
  Game->ShowCredit();
  EXPECT_TRUE(label->Blink());
  EXPECT_TRUE(Game->TransferCredit(100));
  EXPECT_FALSE(label->Blink());
  EXPECT_EQ(label->Caption(), "102");
}

TEST_F(GameTest, ShowingTheCreditAgainKeepsTheBlinkPeriodRunning) {
  TLxLabel* label = Game->TestScene()->lblCreditV;
  Game->Data->Credit = 1;
  Game->Data->SetBet(5);
  Game->ShowCredit();
  // Half a blink period of frames: the label is in its hidden half only if the count survived
  // the repeated ShowCredit calls.
  label->SetParent(Game->GetScene());
  for (int32_t i = 0; i < label->BlinkPeriod(); ++i) {
    label->Render();
    Game->ShowCredit();
  }
  EXPECT_TRUE(label->BlinkHidden());
}

TEST_F(GameTest, CountUpMovesTensAboveAHundredThenOnes) {
  TLxLabel* from = Game->TestScene()->lblWinV;
  TLxLabel* to = Game->TestScene()->lblCreditV;
  from->SetCaption("250");
  to->SetCaption("7");
  std::vector<std::string> shown;
  TheHost.OnFrame = [&] { shown.push_back(from->Caption() + "/" + to->Caption()); };
  Game->CountUp(from, to, 250);
  ASSERT_EQ(shown.size(), 115u);  // 15 steps of 10, then 100 of 1
  EXPECT_EQ(shown[0], "240/17");
  EXPECT_EQ(shown[14], "100/157");
  EXPECT_EQ(shown[15], "99/158");
  EXPECT_EQ(shown.back(), "0/257");
}

TEST_F(GameTest, CountUpOfAllTheLabelShowsWithoutATarget) {
  TLxLabel* from = Game->TestScene()->lblCreditV;
  from->SetCaption("105");
  Game->CountUp(from, nullptr, -1);
  EXPECT_EQ(from->Caption(), "0");
  EXPECT_EQ(TheHost.Frames, 1 + 95);  // 105 is above a hundred once
}

// A count that could never reach zero moves nothing and returns at once.
TEST_F(GameTest, CountUpMovesNothingThatCannotEnd) {
  struct Case {
    const char* from;
    const char* to;  // nullptr: no target label
    int64_t amount;
  };
  const Case cases[] = {
      {"50", "0", -5},   {"50", nullptr, -2}, {"-3", nullptr, -1}, {"-3", "0", 2}, {"abc", "0", 5},
      {"", nullptr, -1}, {"50", "-1", 5},     {"50", "x", 5},      {"5x", "0", 1}, {"0x10", "0", 1},
  };
  TLxLabel* from = Game->TestScene()->lblWinV;
  TLxLabel* to = Game->TestScene()->lblCreditV;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.from << " -> " << (c.to ? c.to : "none") << " amount " << c.amount);
    from->SetCaption(c.from);
    to->SetCaption(c.to ? c.to : "9");
    TheHost.Frames = 0;
    Game->CountUp(from, c.to ? to : nullptr, c.amount);
    EXPECT_EQ(TheHost.Frames, 0);
    EXPECT_EQ(from->Caption(), c.from);
    EXPECT_EQ(to->Caption(), c.to ? c.to : "9");
  }
}

TEST_F(GameTest, CountUpFinishesAtOnceWhenTheProgramEnds) {
  TLxLabel* from = Game->TestScene()->lblWinV;
  from->SetCaption("1000");
  TheHost.Ending = true;
  Game->CountUp(from, nullptr, -1);
  EXPECT_EQ(from->Caption(), "0");
  EXPECT_EQ(TheHost.Frames, 0);
}

TEST_F(GameTest, CashOutRulesAndTheMoneyMoved) {
  // No credit: nothing shown, nothing asked.
  Game->CashOut(false);
  EXPECT_TRUE(TheHost.Messages.empty());

  // A round in progress refuses.
  Game->Data->Credit = 300;
  Game->State = 3;
  Game->CashOut(true);
  ASSERT_EQ(TheHost.Messages.size(), 1u);
  EXPECT_EQ(TheHost.Messages[0], "You have a game in progress. You cannot cash out now.");
  EXPECT_EQ(TheHost.Buttons[0], mbOk);
  EXPECT_EQ(Game->Data->Credit, 300u);
  EXPECT_EQ(Game->State, 3);

  // Answered No: nothing moves.
  Game->State = GameStateIdle;
  TheHost.Answers = {mrNo};
  Game->AskCashOut();
  ASSERT_EQ(TheHost.Messages.size(), 2u);
  EXPECT_EQ(TheHost.Messages[1], "Cash out 300?");
  EXPECT_EQ(TheHost.Buttons[1], mbYes | mbNo);
  EXPECT_EQ(Game->Data->Credit, 300u);

  // Answered Yes: the credit label counts down and the bank gains the credit.
  TheHost.Answers = {mrYes};
  Game->ShowCredit();
  std::vector<uint8_t> states;
  TheHost.OnFrame = [&] { states.push_back(Game->State); };
  Game->AskCashOut();
  EXPECT_EQ(Player->Bank, 1300u);
  EXPECT_EQ(Game->Data->Credit, 0u);
  EXPECT_EQ(Game->Data->CreditOut(), 300u);
  EXPECT_EQ(Game->TestScene()->lblCreditV->Caption(), "0");
  EXPECT_EQ(Game->State, GameStateIdle);
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.front(), GameStateBusy);  // busy while counting

  // Without confirmation nothing is asked.
  Game->Data->Credit = 20;
  Game->CashOut(true);
  EXPECT_EQ(TheHost.Messages.size(), 3u);
  EXPECT_EQ(Player->Bank, 1320u);
  EXPECT_EQ(Game->Data->CreditOut(), 320u);
}

TEST_F(GameTest, SilentCreditMovesOneHundredOrSaysWhy) {
  Game->OpenCredit(false);
  EXPECT_EQ(Player->Bank, 900u);
  EXPECT_EQ(Game->Data->Credit, 100u);
  EXPECT_EQ(Game->Data->CreditIn(), 100u);
  EXPECT_EQ(Game->TestScene()->lblCreditV->Caption(), "100");
  EXPECT_TRUE(TheHost.Messages.empty());

  Player->Bank = 99;
  Game->OpenCredit(false);
  ASSERT_EQ(TheHost.Messages.size(), 1u);
  EXPECT_EQ(TheHost.Messages[0], "You don't have enought money to add 100!");
  EXPECT_EQ(TheHost.Buttons[0], mbOk);
  EXPECT_EQ(Player->Bank, 99u);
  EXPECT_EQ(Game->Data->Credit, 100u);
  EXPECT_EQ(Game->Data->CreditIn(), 100u);

  // Exactly the amount is enough.
  Player->Bank = 100;
  Game->OpenCredit(false);
  EXPECT_EQ(Player->Bank, 0u);
  EXPECT_EQ(Game->Data->Credit, 200u);

  // Nobody signed in: nothing moves.
  Players->CurrentPlayer = nullptr;
  EXPECT_FALSE(Game->TransferCredit(10));
  EXPECT_EQ(Game->Data->Credit, 200u);
}

TEST_F(GameTest, ModalCreditGoesThroughTheInstalledWindow) {
  struct TWindow : TLxCreditWindow {
    void ShowModal(TLxGame& game) override {
      ++Shown;
      game.TransferCredit(1000);
      // The window may leave the credit label stale: the game shows it afterwards anyway.
      static_cast<TTestGame&>(game).TestScene()->lblCreditV->SetCaption("stale");
    }
    int Shown = 0;
  } window;
  Game->AddCredit();  // no window installed: nothing happens
  EXPECT_EQ(Game->Data->Credit, 0u);
  CreditWindow = &window;
  Game->AddCredit();
  CreditWindow = nullptr;
  EXPECT_EQ(window.Shown, 1);
  EXPECT_EQ(Game->Data->Credit, 1000u);
  EXPECT_EQ(Player->Bank, 0u);
  EXPECT_EQ(Game->TestScene()->lblCreditV->Caption(), "1000");
}

TEST_F(GameTest, DataFileHoldsExactlyTheSubclassProperties) {
  // The base stores nothing of its own: visit counts, ladder and double-up cards stay out.
  TLxGameData plain;
  plain.FileName = Path("plain.dat");
  plain.Credit = 5;
  plain.CountHand("HAND_FLUSH");
  plain.Save();
  EXPECT_EQ(XMLReadFile(plain.FileName), "<LxGameData></LxGameData>");

  TTestGameData& data = *Game->Data;
  data.FileName = Path("LXG_VP_TEST.dat");
  data.Credit = 4000000000u;
  data.SetBet(25);
  data.Win = 7;
  data.Save();
  EXPECT_EQ(XMLReadFile(data.FileName),
            "<TestGameData><Bet>25</Bet>\r\n<Credit>-294967296</Credit>\r\n<Win>7</Win>\r\n"
            "</TestGameData>");

  TTestGameData loaded;
  loaded.FileName = data.FileName;
  loaded.Load();
  EXPECT_EQ(loaded.Credit, 4000000000u);
  EXPECT_EQ(loaded.GetBet(), 25);
  EXPECT_EQ(loaded.Win, 7u);
}

TEST_F(GameTest, DamagedOrMissingDataFilesKeepWhatTheGameHas) {
  TTestGameData data;
  data.FileName = Path("missing.dat");
  data.Credit = 12;
  data.Load();
  EXPECT_EQ(data.Credit, 12u);

  // Reading stops at the bad value; what came before it stays.
  const std::string damaged = Path("damaged.dat");
  {
    std::FILE* f = std::fopen(damaged.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("<TestGameData><Bet>3</Bet><Credit>lots</Credit><Win>9</Win></TestGameData>", f);
    std::fclose(f);
  }
  data.FileName = damaged;
  data.Load();
  EXPECT_EQ(data.GetBet(), 3);
  EXPECT_EQ(data.Credit, 12u);
  EXPECT_EQ(XMLReadFile(damaged).substr(0, 14), "<TestGameData>");  // never rewritten

  // A file that cannot be written leaves the previous one alone and raises nothing.
  std::filesystem::create_directories(Path("locked"));
  data.FileName = Path("locked");
  data.Save();
  EXPECT_TRUE(std::filesystem::is_directory(Path("locked")));
  data.FileName.clear();
  data.Save();
}

TEST_F(GameTest, VisitStatisticsAddIntoThePlayersCasinoRecord) {
  TLxGameData& data = *Game->Data;
  data.CountHand("HAND_FLUSH");
  data.CountHand("hand_flush");
  data.CountHand("HAND_POKER");
  data.SetCreditIn(500);
  data.SetCreditOut(4294967295u);

  TGamesStatictics records;
  TGameStatictics* record = records.Add();
  record->GameIDStr = "LXG_VP_TEST";
  record->CreditIn = 100;
  record->CreditOut = 2;
  record->FindOrAddHand("Hand_Flush", true)->Value = 3;
  data.AddStatisticsTo(*record);

  EXPECT_EQ(record->CreditIn, 600u);
  EXPECT_EQ(record->CreditOut, 1u);  // wraps like the stored counter
  ASSERT_EQ(record->GameHands->Count(), 2);
  EXPECT_EQ(record->GameHands->Items(0)->HandIDStr, "Hand_Flush");
  EXPECT_EQ(record->GameHands->Items(0)->Value, 5);
  EXPECT_EQ(record->GameHands->Items(1)->HandIDStr, "HAND_POKER");
  EXPECT_EQ(record->GameHands->Items(1)->Value, 1);
  // The visit's own counts are unchanged.
  EXPECT_EQ(data.VisitStats->GameHands->Count(), 2);
  EXPECT_EQ(data.VisitStats->GameHands->Items(0)->Value, 2);
}

TEST_F(GameTest, LeavingAsksRefusesOrLetsGo) {
  struct Case {
    uint8_t state;
    bool devMode;
    std::deque<int32_t> answers;
    bool leaves;
    const char* message;  // nullptr: nothing shown
  };
  const Case cases[] = {
      {GameStateBusy, false, {}, false, nullptr},
      {3, false, {}, false, "You have a game in progress. You cannot exit now."},
      {GameStateIdle, false, {mrNo}, false, "Are you sure you want to exit this game ?"},
      {GameStateIdle, false, {mrYes}, true, "Are you sure you want to exit this game ?"},
      {GameStateIdle, true, {}, true, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << int(c.state) << " dev " << c.devMode);
    TheHost.Messages.clear();
    TheHost.Answers = c.answers;
    Game->State = c.state;
    AppInfo->DevMode = c.devMode;
    EXPECT_EQ(Game->ConfirmLeave(), c.leaves);
    if (c.message) {
      ASSERT_EQ(TheHost.Messages.size(), 1u);
      EXPECT_EQ(TheHost.Messages[0], c.message);
    } else {
      EXPECT_TRUE(TheHost.Messages.empty());
    }
    EXPECT_EQ(Game->State, c.state);
  }
}

TEST_F(GameTest, LeaveCashesOutSavesAndRecordsTheVisit) {
  std::filesystem::create_directories(Path("Casinos/Test"));
  {
    std::FILE* f = std::fopen(Path("Casinos/Test/casino.dat").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
  }
  TLxCasino casino("Test", Path("Casinos/"), [](const std::string&) { return nullptr; });
  casino.FileName = Path("Casinos/Test/casino.xml");
  TGameStatictics* record = casino.FindOrAddPlayer("Ann", true)->FindOrAddGame("LXG_VP_TEST", true);
  Game->Statistics = record;
  Game->Data->FileName = Path("Casinos/Test/LXG_VP_TEST.dat");

  Game->OpenCredit(false);
  Game->Data->Credit += 50;  // won
  Game->Data->CountHand("HAND_FLUSH");
  Game->Leave(&casino);

  EXPECT_TRUE(TheHost.Messages.empty());  // no second question
  EXPECT_EQ(Player->Bank, 1050u);
  EXPECT_EQ(Game->Data->Credit, 0u);
  EXPECT_EQ(record->CreditIn, 100u);
  EXPECT_EQ(record->CreditOut, 150u);
  EXPECT_EQ(record->FindOrAddHand("HAND_FLUSH", false)->Value, 1);
  EXPECT_EQ(XMLReadFile(Game->Data->FileName),
            "<TestGameData><Bet>0</Bet>\r\n<Credit>0</Credit>\r\n<Win>0</Win>\r\n</TestGameData>");
  const std::string casinoXml = XMLReadFile(casino.FileName);
  EXPECT_NE(casinoXml.find("<CreditOut>150</CreditOut>"), std::string::npos);
  const std::string playersXml = XMLReadFile(Players->FileName);
  EXPECT_NE(playersXml.find("<Bank>1050</Bank>"), std::string::npos);
}

}  // namespace
}  // namespace lx::test
