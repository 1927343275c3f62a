#include <gtest/gtest.h>

#include <filesystem>

#include "poker/pokerdeck.h"
#include "poker_fixture.h"

namespace lx::test {

namespace {

class PokerLook : public PokerFixture {};

struct TShot {
  const char* Scene;
  int32_t Type;
  int32_t Preset;  // the dealt hand
};

// Every poker scene with a dealt hand, as a player sees it after DEAL; the pictures are written
// under build/test-output/poker/ for a person to look at.
TEST_F(PokerLook, EveryPokerSceneWithADealtHand) {
  const TShot shots[] = {
      {"VP01", 1, 17},  {"VP02", 3, 2},   {"VP03", 5, 16},  {"VPFRUIT", 60, 18},
      {"VPC01", 10, 9}, {"VPC02", 12, 7}, {"VPC03", 14, 3}, {"VPC04", 17, 8},
  };
  for (const TShot& shot : shots) {
    SCOPED_TRACE(shot.Scene);
    TPoker& game = Open(shot.Type);
    ASSERT_EQ(Scene().SceneName(), shot.Scene);
    const int32_t preset = shot.Preset;
    PokerForcedHand = [preset] { return preset; };
    Key('M');
    PokerForcedHand = nullptr;
    EXPECT_EQ(game.State, PokerStateHolding);
    App.Frames(2);
    const std::string path = App.SavePng(std::string("poker/") + shot.Scene + ".png");
    EXPECT_TRUE(std::filesystem::exists(path));
    // The cards show their faces: the middle of each card is not the cabinet's colour.
    for (int32_t i = 1; i <= 5; ++i) EXPECT_FALSE(Card(i).FaceDown);
  }
}

TEST_F(PokerLook, DoubleUpViews) {
  for (int32_t type : {1, 5, 10, 17}) {
    SCOPED_TRACE(type);
    TPoker& game = Open(type);
    PokerForcedHand = [] { return 4; };
    Key('M');
    PokerForcedHand = nullptr;
    Key('M');
    EXPECT_TRUE(game.State == PokerStateDoubleUp || game.State == PokerStateThreeDealWin);
    App.Frames(2);
    App.SavePng("poker/doubleup_type" + std::to_string(type) + ".png");
  }
}

}  // namespace

}  // namespace lx::test
