#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "gamecore/lxdoubleup.h"
#include "slots/slotsdemounit.h"
#include "slots_fixture.h"

namespace lx {

namespace {

using test::TSlotsFixture;

constexpr uint16_t KeyB = 66, KeyC = 67, KeyM = 77, KeyN = 78, KeyV = 86, KeyX = 88, KeyZ = 90;

int32_t Hands(TSlotsData& d, const std::string& id) {
  TGameStatictics* v = d.VisitStats;
  for (int32_t i = 0; i < v->GameHands->Count(); ++i)
    if (v->GameHands->Items(i)->HandIDStr == id) return v->GameHands->Items(i)->Value;
  return 0;
}

bool Logged(const std::string& prefix) {
  for (const std::string& line : LogLines())
    if (line.rfind(prefix, 0) == 0) return true;
  return false;
}

// Takes every pending win until the machine is idle again (bonus games included).
void PlayOut(TSlotsFixture& f) {
  for (int i = 0; i < 40 && f.Game->State != GameStateIdle; ++i) {
    if (f.Game->State == SlotStateWin)
      f.App.Key(KeyN);
    else
      f.App.Pump();
  }
}

}  // namespace

TEST(SlotsPlay, WinTakenThenCherryBonusGamePlayedToItsEnd) {
  TSlotsFixture f(31);
  RandSeed = 77;
  // The machine took 100 from the bank without asking.
  EXPECT_EQ(f.Data().Credit, 100u);
  EXPECT_EQ(f.ThePlayers->CurrentPlayer->Bank, 900u);
  EXPECT_EQ(f.Message(), "PRESS SPIN TO START");
  f.Force(4);  // CHERRY LINE in the middle row
  f.App.Key(KeyZ);
  EXPECT_EQ(f.Data().Bet1, 1);
  EXPECT_EQ(f.Game->Lines[1].LineBet, 1);
  EXPECT_EQ(f.Scene().LineBetLabels[2]->Caption(), "1");
  f.App.Key(KeyM);
  ASSERT_EQ(f.Game->State, SlotStateWin);
  EXPECT_EQ(f.Data().Win, 10u);
  EXPECT_EQ(f.Data().Credit, 99u);
  EXPECT_EQ(f.Message(), "WIN");
  EXPECT_EQ(f.Scene().lblWinV->Caption(), "10");
  EXPECT_EQ(f.Scene().lblInfo->Caption(), "Win: Line: ");
  EXPECT_EQ(Hands(f.Data(), "HAND_CHERRY1LINE"), 1);
  ASSERT_EQ(f.Data().BonusGameCount(), 1);
  EXPECT_EQ(f.Data().LastBonusGame(), bgCherry);
  // The result animation shows the line's marker.
  f.App.Frames(5);
  EXPECT_TRUE(f.Scene().LineMarkers[2]->Visible());
  EXPECT_FALSE(f.Scene().LineMarkers[1]->Visible());

  // CASH counts the win into the credit; then the cherry bonus game (one free spin) runs.
  std::vector<std::string> counters;
  uint32_t creditBeforeBonus = 0;
  f.Game->OnRoundEnd = [&](TSlots* g) {
    if (g->SlotsData->InBonusGame) counters.push_back(g->Scene->lblBonusSpinCount->Caption());
  };
  creditBeforeBonus = 109;
  f.App.Key(KeyN);
  PlayOut(f);
  EXPECT_EQ(f.Game->State, GameStateIdle);
  EXPECT_EQ(counters, std::vector<std::string>{"LAST GAME"});
  EXPECT_GE(f.Data().Credit, creditBeforeBonus);  // a free spin takes no bet
  EXPECT_EQ(f.Data().BonusGameCount(), 0);
  EXPECT_FALSE(f.Data().InBonusGame);
  EXPECT_EQ(f.Message(), "PRESS SPIN TO START");
  EXPECT_FALSE(f.Scene().lblBonusSpinCount->Visible());
}

TEST(SlotsPlay, WinGambledInTheDoubleUp) {
  TSlotsFixture f(34);
  RandSeed = 5;
  f.Force(5);  // 7 LINE: line 2 pays 200, three sevens on screen 5 x bet
  f.App.Key(KeyZ);
  f.App.Key(KeyM);
  ASSERT_EQ(f.Game->State, SlotStateWin);
  EXPECT_EQ(f.Data().Win, 205u);
  EXPECT_EQ(f.Data().Credit, 99u);
  // The whole-screen win marks the three sevens.
  EXPECT_TRUE(f.Scene().Reels[4]->WinMark && f.Scene().Reels[5]->WinMark &&
              f.Scene().Reels[6]->WinMark);
  f.App.Key(KeyV);  // HOLD 2: double up
  ASSERT_EQ(f.Game->State, SlotStateDoubleUp);
  EXPECT_TRUE(f.Scene().pnlDoubleUp->Visible());
  EXPECT_FALSE(f.Scene().ReelsPanel->Visible());
  EXPECT_EQ(f.Scene().lblDupTitle->Caption(), "RED/BLACK");
  // Ten distinct cards without jokers.
  std::vector<int32_t> cards(f.Data().DoubleUpCards.begin() + 1, f.Data().DoubleUpCards.end());
  std::sort(cards.begin(), cards.end());
  EXPECT_EQ(std::unique(cards.begin(), cards.end()), cards.end());
  EXPECT_GE(cards.front(), 1);
  EXPECT_LE(cards.back(), 52);
  f.App.Frames(3);
  f.Shot("doubleup_vegas.png");
  // HOLD 2 always makes the winning call.
  f.App.Key(KeyV);
  ASSERT_EQ(f.Game->State, SlotStateDoubleUp);
  EXPECT_EQ(f.Data().Win, 410u);
  // The wrong call loses everything.
  const int32_t wrong = 1 - f.Game->DoubleUp->RightChoice();
  f.App.Key(wrong == 0 ? KeyC : KeyB);
  PlayOut(f);
  EXPECT_EQ(f.Game->State, GameStateIdle);
  EXPECT_EQ(f.Data().Win, 0u);
  EXPECT_EQ(f.Data().Credit, 99u);
  EXPECT_EQ(f.Scene().lblCreditV->Caption(), "99");
}

TEST(SlotsPlay, DoubleUpWinCollectedWithCash) {
  TSlotsFixture f(31);
  RandSeed = 9;
  f.Force(5);
  f.App.Key(KeyZ);
  f.App.Key(KeyM);
  ASSERT_EQ(f.Game->State, SlotStateWin);
  const uint32_t win = f.Data().Win;
  f.App.Key(KeyV);
  f.App.Key(KeyV);
  ASSERT_EQ(f.Game->State, SlotStateDoubleUp);
  const uint32_t doubled = f.Data().Win;
  EXPECT_TRUE(doubled == 2 * win || doubled == win);  // a seven draws in BIG/SMALL
  f.App.Key(KeyN);
  PlayOut(f);
  EXPECT_EQ(f.Data().Credit, 99u + doubled);
  EXPECT_EQ(f.Scene().lblCreditV->Caption(), std::to_string(99u + doubled));
}

TEST(SlotsPlay, BetsAndRefusals) {
  TSlotsFixture f(31);
  RandSeed = 3;
  TSlotsData& d = f.Data();
  // No bet: SPIN does nothing.
  f.App.Key(KeyM);
  EXPECT_EQ(f.Game->State, GameStateIdle);
  EXPECT_EQ(d.Credit, 100u);
  // BET1 restarts the bets after a spin, the other button's coins go.
  for (int i = 0; i < 5; ++i) f.App.Key(KeyZ);
  for (int i = 0; i < 3; ++i) f.App.Key(KeyX);
  EXPECT_EQ(d.Bet1, 5);
  EXPECT_EQ(d.Bet2, 3);
  f.App.Key(KeyM);
  PlayOut(f);
  f.App.Key(KeyX);
  EXPECT_EQ(d.Bet1, 0);
  EXPECT_EQ(d.Bet2, 1);
  f.App.Key(KeyX);
  EXPECT_EQ(d.Bet2, 2);
  EXPECT_EQ(f.Scene().lblBet2V->Caption(), "2");
  // Too little credit: refused, the credit label blinks.
  d.Credit = 1;
  f.Game->ShowCredit();
  f.App.Key(KeyM);
  EXPECT_EQ(f.Game->State, GameStateIdle);
  EXPECT_EQ(d.Credit, 1u);
  EXPECT_TRUE(f.Scene().lblCreditV->Blink());
  // 98 BET1 and 98 BET2 coins start the spin by themselves.
  d.Credit = 1000;
  f.Game->ShowCredit();
  int32_t rounds = f.Game->RoundsPlayed;
  // The bets still run on from the refused spin: BET2 holds 2.
  for (int i = 0; i < 98; ++i) f.Game->AddBet(1);
  for (int i = 0; i < 95; ++i) f.Game->AddBet(2);
  EXPECT_EQ(d.Bet1 + d.Bet2, 195);
  EXPECT_EQ(f.Game->RoundsPlayed, rounds);
  f.Game->AddBet(2);
  EXPECT_EQ(f.Game->RoundsPlayed, rounds + 1);
  EXPECT_EQ(d.Credit + 0, 1000u - 196u + d.Win);
  PlayOut(f);
  // A losing round counts HAND_NOTHING once.
  f.Force(0);
  d.ClearBonusGames();
}

TEST(SlotsPlay, SpinWhileRunningHurriesTheReels) {
  TSlotsFixture f(31);
  RandSeed = 11;
  f.App.Key(KeyZ);
  int32_t framesAtStop = -1;
  // The reels start inside the key's handling; SPIN and HOLD 2 arrive while they run.
  f.App.Window.PushKey(KeyM);
  f.App.Window.PushKey(KeyV);
  f.App.Window.PushKey(KeyM);
  f.App.Pump();
  framesAtStop = f.Game->Scene->Reels[9]->SpinFrames;
  PlayOut(f);
  // A spin left alone takes 100 frames; hurried at speed 79 or so it ends far sooner.
  EXPECT_LT(framesAtStop, 90);
  EXPECT_EQ(f.Game->Scene->Reels[9]->Offset, f.Game->Scene->Reels[9]->Target);
}

TEST(SlotsPlay, PoolsGrowCappedAndPay) {
  TSlotsFixture f(32);
  RandSeed = 21;
  TSlotsData& d = f.Data();
  d.Pool1Value = 1995;
  f.Quick();
  f.Force(6);  // POOL LINE: strawberries in the middle row
  for (int i = 0; i < 10; ++i) f.Game->AddBet(1);
  d.Credit = 100;
  const int32_t pool2 = d.Pool2Value, pool3 = d.Pool3Value;
  f.Game->Spin();
  if (f.Game->State == SlotStateWin) f.Game->TakeWin();
  // Pool 1 reached its cap of 2000 and was paid; pools 2 and 3 grew by 2 and 3 times the bet.
  EXPECT_EQ(d.Pool1Value, 1);
  EXPECT_EQ(d.Pool2Value, pool2 + 20);
  EXPECT_EQ(d.Pool3Value, pool3 + 30);
  EXPECT_EQ(f.Scene().lblPoolV[1]->Caption(), "1");
  EXPECT_GE(d.Credit, 100u - 10u + 2000u);
}

TEST(SlotsPlay, BonusGamesLastInFirstOutWithTheirCounters) {
  TSlotsFixture f(31);
  RandSeed = 99;
  TSlotsData& d = f.Data();
  f.Game->AddBet(1);
  f.Quick();
  f.Game->AutoPlay = true;  // wins are taken at once
  d.QueueBonusGame(bgCherry);
  d.QueueBonusGame(bgBar);
  const uint32_t credit = d.Credit;
  const int32_t bellValue = d.BellBonusValue, cherryStage = d.CherryBonusStage;
  std::vector<std::string> seen;
  bool kindsKept = true;
  f.Game->OnRoundEnd = [&](TSlots* g) {
    if (!g->SlotsData->InBonusGame) {
      g->AutoPlay = false;
      return;
    }
    seen.push_back(g->Scene->lblBonusSpinCount->Caption());
    // Bar games spin kind 1, the cherry game kind 3.
    const uint8_t mask = seen.size() <= 5 ? 120 : 52;
    for (int32_t i = 1; i <= 9; ++i)
      kindsKept =
          kindsKept && (g->Scene->Reels[static_cast<size_t>(i)]->CurrentSymbol()->GroupMask & mask);
  };
  f.Game->State = GameStateBusy;
  f.Game->EndRound();
  EXPECT_EQ(seen, (std::vector<std::string>{"5 GAMES LEFT", "4 GAMES LEFT", "3 GAMES LEFT",
                                            "2 GAMES LEFT", "LAST GAME", "LAST GAME"}));
  EXPECT_TRUE(kindsKept);
  EXPECT_EQ(f.Game->State, GameStateIdle);
  EXPECT_EQ(d.BonusGameCount(), 0);
  // No bet taken, nothing grown, no further games queued.
  EXPECT_GE(d.Credit, credit);
  EXPECT_EQ(d.BellBonusValue, bellValue);
  EXPECT_EQ(d.CherryBonusStage, cherryStage);
}

TEST(SlotsPlay, CherryStageRunsOutAndQueuesAGame) {
  TSlotsFixture f(31);
  TSlotsData& d = f.Data();
  f.Game->NoPauses = true;
  f.App.Key(KeyZ);
  d.CherryBonusStage = 1;
  // CHERRY_1, CHERRY_1, grapes on line 2: the ninth double-cherry start.
  // A bar in cell 1 rules out the all-fruit screen.
  const int32_t slots[][2] = {{4, 11}, {5, 11}, {6, 2}, {1, 21}};
  for (const auto& [cell, slot] : slots) {
    TLxReel* reel = f.Scene().Reels[static_cast<size_t>(cell)];
    reel->Strip[static_cast<size_t>(reel->Position)] = f.Game->Symbols[static_cast<size_t>(slot)];
  }
  EXPECT_EQ(f.Game->Evaluate(), 2);
  EXPECT_EQ(d.CherryBonusStage, 0);
  f.Game->CheckStages();
  EXPECT_EQ(d.CherryBonusStage, 9);
  ASSERT_EQ(d.BonusGameCount(), 1);
  EXPECT_EQ(d.LastBonusGame(), bgCherry);
  EXPECT_EQ(f.Scene().lblCherryBonusStage->Caption(), "9");
}

TEST(SlotsPlay, ForcedAllCherryOnlyAffectsNormalSpins) {
  TSlotsFixture f(31);
  RandSeed = 8;
  f.Quick();
  f.Force(12);
  f.Game->FillStrips(0);
  f.Game->SpinAll(0);
  for (int32_t i = 1; i <= 9; ++i)
    EXPECT_EQ(f.Scene().Reels[static_cast<size_t>(i)]->CurrentSymbol()->SymbolID, 11) << i;
  f.Game->FillStrips(1);
  for (int32_t i = 1; i <= 9; ++i)
    EXPECT_NE(f.Scene().Reels[static_cast<size_t>(i)]->Strip[0]->SymbolID, 11) << i;
}

TEST(SlotsPlay, MachinesThatCannotSpinRefuseBeforeTheBet) {
  ClearLog();
  TSlotsFixture f(51);
  EXPECT_FALSE(f.Game->CanSpin());
  // No theme for the 3 x 5 scene: the reels take the minimum height.
  EXPECT_TRUE(Logged("ERROR: Slots3X5: reel 1"));
  EXPECT_EQ(f.Scene().Reels[1]->Height(), MinReelHeight);
  EXPECT_EQ(f.Scene().Reels[1]->ItemHeight, 30);
  f.Game->AddBet(1);
  const uint32_t credit = f.Data().Credit;
  f.Game->Spin();
  EXPECT_TRUE(Logged("ERROR: LXG_SLOT_3X5FRUITS: no symbol can be placed"));
  EXPECT_EQ(f.Data().Credit, credit);
  EXPECT_EQ(f.Game->State, GameStateIdle);
}

TEST(SlotsPlay, ASpinNeverWaitsForever) {
  TSlotsFixture f(31);
  ClearLog();
  f.Game->AddBet(1);
  f.Quick();
  // A reel whose symbol is far taller than the reel would creep for thousands of frames.
  f.Scene().Reels[9]->ItemHeight = 100000;
  f.Game->Spin();
  EXPECT_TRUE(Logged("ERROR: the reels did not come to rest"));
  EXPECT_FALSE(f.Scene().Reels[9]->Spinning);
  EXPECT_LE(f.Scene().Reels[9]->SpinFrames, MaxSpinFrames + 1);
}

TEST(SlotsPlay, DemoSpinsWhenIdleAndStopsForARound) {
  TSlotsFixture f(33);
  TSlotsData& d = f.Data();
  const uint32_t credit = d.Credit;
  d.Credit = 0;
  // The demo started with the machine; the fixture rendered two frames since.
  f.App.Frames(297);
  EXPECT_NE(f.Scene().lblInfo->Caption(), "D E M O");
  f.App.Frames(2);
  // The demo's first spin ran inside the 301st frame.
  EXPECT_EQ(f.Scene().lblInfo->Caption(), "D E M O");
  EXPECT_TRUE(f.Scene().lblInfo->Blink());
  EXPECT_EQ(f.Game->State, GameStateIdle);
  d.Credit = credit;
  f.App.Key(KeyZ);
  f.App.Key(KeyM);
  PlayOut(f);
  EXPECT_NE(f.Scene().lblInfo->Caption(), "D E M O");
  EXPECT_EQ(f.Game->RoundsPlayed, 1);
}

TEST(SlotsData, StoredBytesAfterAVisit) {
  TSlotsFixture f(34);
  TSlotsData& d = f.Data();
  const std::string path = f.App.OutputPath("slots/LXG_SLOT_3X3VEGAS.dat");
  d.FileName = path;
  d.BarSumBonusValue = 7;
  d.BellBonusStage = 3;
  d.BellBonusValue = 120;
  d.CherryBonusStage = 8;
  f.Game->Leave(nullptr);
  std::string bytes;
  {
    FILE* file = fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char buf[4096];
    size_t n = fread(buf, 1, sizeof buf, file);
    fclose(file);
    bytes.assign(buf, n);
  }
  EXPECT_EQ(bytes,
            "<SlotsData><BarSumBonusValue>7</BarSumBonusValue>\r\n"
            "<BellBonusStage>3</BellBonusStage>\r\n"
            "<BellBonusValue>120</BellBonusValue>\r\n"
            "<CherryBonusStage>8</CherryBonusStage>\r\n"
            "<CollectBonusStage>1</CollectBonusStage>\r\n"
            "<CollectBonusValue>0</CollectBonusValue>\r\n"
            "<Pool1Value>1</Pool1Value>\r\n"
            "<Pool2Value>1</Pool2Value>\r\n"
            "<Pool3Value>1</Pool3Value>\r\n"
            "</SlotsData>");
  // Read back, with a collect stage out of range corrected.
  TSlotsData again(34);
  again.FileName = path;
  again.Load();
  EXPECT_EQ(again.BellBonusValue, 120);
  EXPECT_EQ(again.CollectBonusStage, 1);
  for (const auto& [text, stage] : std::vector<std::pair<const char*, int32_t>>{
           {"<SlotsData><CollectBonusStage>9</CollectBonusStage></SlotsData>", 5},
           {"<SlotsData><CollectBonusStage>-3</CollectBonusStage></SlotsData>", 1},
           {"<SlotsData><CollectBonusStage>x</CollectBonusStage></SlotsData>", 1},
           {"garbage <SlotsData", 1}}) {
    FILE* file = fopen(path.c_str(), "wb");
    fputs(text, file);
    fclose(file);
    TSlotsData bad(33);
    bad.FileName = path;
    bad.Load();
    EXPECT_EQ(bad.CollectBonusStage, stage) << text;
    EXPECT_EQ(bad.BellBonusStage, 5);
  }
}

}  // namespace lx
