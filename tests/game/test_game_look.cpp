// Pictures on the real installation data: a game scene in its double-up view (BIG/SMALL and
// BEAT THE DEALER) with the star field running, and both particle kinds alone. The pictures
// are written under build/test-output/ for a person to look at; the tests check what a player
// sees: captions, card pictures, the marker, the sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "base/lxrandom.h"
#include "game/game_fixture.h"
#include "gamecore/lxhandeval.h"
#include "platform/lxfiles.h"
#include "scenes/lxparticles.h"
#include "support/lxtestgame.h"

namespace lx::test {
namespace {

const char* const kTheme = R"(; The double-up view of the test machine.
[IMG_BACKGROUND]
Left=0
Top=0
Width=800
Height=600
Color4=$FF2A4A0E_$FF2A4A0E_$FF0A1A04_$FF0A1A04
[PS_CUSTOM1]
Left=0
Top=0
Width=800
Height=600
[IMG_CUSTOM1]
Width=0
Height=0
[IMG_CUSTOM2]
Width=0
Height=0
[IMG_CUSTOM3]
Width=0
Height=0
[IMG_GAMELOGO]
Width=0
Height=0
[LBL_MESSAGE]
Left=150
Top=40
Width=500
Height=44
FontDXName=SansBold24
FontColor=$4BC8F2
Alignment=2
Layout=1
[PNL_DOUBLEUP]
Left=40
Top=116
Width=720
Height=330
Color4=$E0183010_$E0183010_$E0081804_$E0081804
Border=1
BorderColor4=$FF4BC8F2_$FF4BC8F2_$FF0B86B8_$FF0B86B8
[LBL_DUPTITLE]
Left=40
Top=130
Width=720
Height=40
FontDXName=SerifBold28
FontColor=$4BC8F2
Alignment=2
Layout=1
[CARD_DUP_1]
Left=82
Top=196
Width=60
Height=84
)";

std::string Theme() {
  std::string text = kTheme;
  for (int32_t i = 2; i <= 10; ++i)
    text += "[CARD_DUP_" + std::to_string(i) + "]\nLeft=" + std::to_string(82 + (i - 1) * 64) +
            "\nTop=196\nWidth=60\nHeight=84\n";
  text += R"([LBL_DUPHIT]
Left=404
Top=216
Width=120
Height=44
FontDXName=SansBold24
FontColor=$FFFFFF
Alignment=0
Layout=1
[IMG_DUPHITUP]
Left=340
Top=370
Autosize=1
[IMG_DUPHITDOWN]
Left=420
Top=370
Autosize=1
[LBL_CREDIT]
Left=80
Top=480
Width=120
Height=36
FontDXName=SansBold18
FontColor=$FFFFFF
Layout=1
[LBL_CREDITV]
Left=200
Top=480
Width=180
Height=36
FontDXName=MonoBold28
FontColor=$4BC8F2
Alignment=1
Layout=1
[LBL_WIN]
Left=440
Top=480
Width=100
Height=36
FontDXName=SansBold18
FontColor=$FFFFFF
Layout=1
[LBL_WINV]
Left=540
Top=480
Width=180
Height=36
FontDXName=MonoBold28
FontColor=$4BC8F2
Alignment=1
Layout=1
)";
  return text;
}

int32_t CountOf(const std::string& sound) {
  const auto& history = Sounds->SoundEngine->History();
  return static_cast<int32_t>(std::count_if(
      history.begin(), history.end(), [&](const TLxSoundStart& s) { return s.Name == sound; }));
}

class GameLookTest : public ::testing::Test {
 protected:
  GameLookTest() {
    App.Window.FrameStepMs = 100;  // the pauses cost a few frames, not seconds of rendering
    App.TheSettings->optParticleEffects = true;
    App.TheSettings->optSoundEnabled = true;
    App.TheSettings->optSoundVolume = 100;
    ForceDirectories(App.Root + "Data/Pak/GAMETEST/");
    std::ofstream(App.Root + "Data/Pak/GAMETEST/theme.scn", std::ios::binary) << Theme();
    Players = &ThePlayers;
    ThePlayers.AddPlayer("Ann", "pw", "Ann", "Smith", 1);
    ThePlayers.CurrentPlayer = ThePlayers.Items(0);
    Info.IDStr = "LXG_VP_TEST";
    Game = std::make_unique<TTestGame>(&Info, App.Main->MainScene);
    Scene = Game->TestScene();
    Scene->SetCardSet("CardSet1");
    Scene->LoadTheme("");
    Scene->pnlDoubleUp->SetVisible(true);
    Scene->Show();
    Game->OpenCredit(false);
    Game->Data->SetBet(5);
    Game->ShowCredit();
  }
  ~GameLookTest() override {
    Game.reset();
    Players = nullptr;
  }

  TLxGameTestApp App;
  TLxPlayers ThePlayers;
  TGameInfo Info;
  std::unique_ptr<TTestGame> Game;
  TTestGameScene* Scene = nullptr;
};

TEST_F(GameLookTest, BigSmallRowWithTheMarkerUnderTheCurrentCard) {
  Game->Data->DoubleUpKind = DupBigSmall;
  Game->Data->Win = 10;
  const int32_t row[] = {40, 13, 33, 8, 22, 3, 49, 11, 45, 2};  // ace, king, seven, ...
  for (int32_t i = 0; i < 10; ++i) Game->Data->DoubleUpCards[static_cast<size_t>(i + 1)] = row[i];
  Scene->ShowMessage("DOUBLE UP");
  Game->ShowWin();
  Game->DoubleUp->StartDoubleUp(hcFlush, false);
  Game->State = GameStateDoubleUp;
  EXPECT_EQ(Scene->imgDupHit->Texture.FrameIndex(), 2);
  EXPECT_EQ(Scene->imgDupHit->Left(), 82 + 30 - 32);
  EXPECT_EQ(Scene->imgDupHit->Top(), 196 + 84 + 2);
  EXPECT_GE(Scene->imgDupHit->Width(), 640);

  Game->DoubleUp->CallCard(0);  // SMALL on the ace
  Game->DoubleUp->CallCard(1);  // BIG on the king
  Game->DoubleUp->CallCard(1);  // a seven: draw
  EXPECT_EQ(Game->Data->Win, 40u);
  EXPECT_EQ(Scene->lblWinV->Caption(), "40");
  EXPECT_EQ(CountOf("SND_DUPWIN"), 3);
  EXPECT_EQ(Scene->imgDupHit->Texture.FrameIndex(), 5);
  EXPECT_EQ(Scene->DupCard(1)->Texture.Name(), "CARD_40");
  EXPECT_EQ(Scene->DupCard(4)->Texture.Name(), "CARD_BACK_1");
  EXPECT_TRUE(Scene->DupCard(4)->TextureLoaded());
  EXPECT_TRUE(Scene->imgDupHitUp->Blink());
  // A frame where the blinking arrow shows.
  while (Scene->imgDupHitUp->BlinkHidden()) App.Frames(1);
  App.Frames(1);
  App.SavePng("game/doubleup_bigsmall.png");

  // The card under the marker is the one called next: a wrong call loses.
  Game->DoubleUp->CallCard(1);  // the eight of clubs is BIG
  Game->DoubleUp->CallCard(1);  // and so is the nine of diamonds
  EXPECT_EQ(Game->Data->Win, 160u);
  Game->DoubleUp->CallCard(1);  // three of clubs: BIG loses
  EXPECT_EQ(Game->Data->Win, 0u);
  EXPECT_EQ(Scene->lblDupHit->Caption(), "SMALL");
  EXPECT_TRUE(Scene->lblDupHit->Visible());
  EXPECT_EQ(Scene->lblMessage->Caption(), "GAME OVER");
  EXPECT_EQ(CountOf("SND_DUPLOSE"), 1);
  App.Frames(1);
  App.SavePng("game/doubleup_lost.png");
}

TEST_F(GameLookTest, BeatTheDealerAfterAWonPick) {
  Game->Data->DoubleUpKind = DupBeatTheDealer;
  Game->Data->Win = 25;
  Game->ShowWin();
  Game->DoubleUp->StartDoubleUp(hcStreet, false);
  EXPECT_FALSE(Scene->imgDupHit->Visible());
  EXPECT_FALSE(Scene->DupCard(6)->Visible());
  Scene->ShowMessage("DOUBLE UP");
  App.Frames(2);
  App.SavePng("game/doubleup_beatthedealer_ask.png");
  RandSeed = 7;
  Game->DoubleUp->DealDealer();
  Scene->DupCard(1)->SetValue(11);  // the dealer's jack
  Scene->DupCard(1)->UpdateImage();
  Scene->DupCard(2)->SetValue(26);  // the king of diamonds
  Game->DoubleUp->PickCard(2);
  EXPECT_EQ(Game->Data->Win, 50u);
  EXPECT_EQ(CountOf("SND_DUPWIN"), 1);
  EXPECT_EQ(Scene->lblDupHit->Caption(), "DOUBLE UP?");
  EXPECT_EQ(Scene->DupCard(2)->Texture.Name(), "CARD_26");
  App.Frames(1);
  App.SavePng("game/doubleup_beatthedealer_won.png");
}

// Both kinds alone on a black scene, as the main room shows them.
class ParticleTest : public ::testing::Test {
 protected:
  ParticleTest() {
    App.TheSettings->optSoundEnabled = true;
    App.TheSettings->optSoundVolume = 100;
    Scene = new TLxScene(App.Main->MainScene, "PARTICLES");
    Scene->Background->SetColor(0xFF000000u);
  }
  TLxParticleSystem* Make(uint8_t kind, int32_t left, int32_t top) {
    auto* ps = new TLxParticleSystem(Scene);
    ps->SetName(kind == ParticleFireworks ? "PS_LOGO2" : "PS_LOGO");
    ps->SetKind(kind);
    ps->SetLeft(left);
    ps->SetTop(top);
    ps->SetWidth(800);
    ps->SetHeight(600);
    Scene->AddControl(ps);
    return ps;
  }
  TLxGameTestApp App;
  TLxScene* Scene = nullptr;
};

TEST_F(ParticleTest, FireworksRestartWithTheirSoundAfterTheLifetime) {
  RandSeed = 99;
  TLxParticleSystem* ps = Make(ParticleFireworks, 400, 260);
  ASSERT_EQ(ps->Particles().size(), 2000u);
  // The first spawn of particle 0 follows the documented order of draws.
  {
    uint32_t seed = RandSeed;
    RandSeed = 99;
    auto rnd = [] { return Random(1001) * 0.001; };
    const double b = rnd();
    const double ay = -(rnd() * 0.001 + 0.0012);
    const double x = std::cos(0.0) * (rnd() - 0.5) * 80, y = std::sin(0.0) * (rnd() - 0.5) * 80;
    const double z = (rnd() - 0.5) * 360;
    const double vy = rnd() * 0.09;
    const TLxParticle& p = ps->Particles()[0];
    EXPECT_DOUBLE_EQ(p.Velocity.X, b * 0.065);
    EXPECT_DOUBLE_EQ(p.Acceleration.Y, ay);
    EXPECT_DOUBLE_EQ(p.Position.X, x);
    EXPECT_DOUBLE_EQ(p.Position.Y, y + 160);
    EXPECT_DOUBLE_EQ(p.Position.Z, z - 400);
    EXPECT_DOUBLE_EQ(p.Velocity.Y, vy);
    EXPECT_EQ(ps->Particles()[7].ImageIndex, 2);
    RandSeed = seed;
  }
  Scene->LoadTheme("");
  ps->SetColor4({0xFF40D0FFu, 0xFF2060FFu, 0xFF40D0FFu, 0xFF2060FFu});
  Scene->Show();
  App.Frames(30);
  EXPECT_EQ(ps->DrawnCount(), 2000);
  App.SavePng("particles/fireworks.png");
  // Lit pixels above the burst centre: the streaks show.
  int32_t lit = 0;
  for (int32_t y = 0; y < 600; y += 2)
    for (int32_t x = 0; x < 800; x += 2)
      if ((App.Pixel(x, y) & 0xFFFFFFu) != 0) ++lit;
  EXPECT_GT(lit, 1000);

  // 300 time units per frame: particle 0 reaches 60000 after 200 frames, and the next frame
  // respawns every particle and plays the sound once.
  ps->Restart();
  const int32_t before = CountOf("SND_FIREWORKS");
  App.Frames(200);
  EXPECT_EQ(ps->Particles()[0].Age, 60000u);
  EXPECT_EQ(CountOf("SND_FIREWORKS"), before);
  App.Frames(1);
  EXPECT_EQ(CountOf("SND_FIREWORKS"), before + 1);
  EXPECT_EQ(ps->Particles()[0].Age, 300u);
}

TEST_F(ParticleTest, StarsPassingTheViewerRespawnAndStarsOffScreenAreNotDrawn) {
  RandSeed = 5;
  TLxParticleSystem* ps = Make(ParticleStarField, 0, 0);
  ASSERT_EQ(ps->Particles().size(), 10u);
  Scene->LoadTheme("");
  ASSERT_TRUE(ps->StarImage(0)->TextureLoaded());
  EXPECT_EQ(ps->StarImage(0)->Width(), 16);
  EXPECT_EQ(ps->StarImage(4)->Width(), 8);
  Scene->Show();

  // A star about to pass the viewer comes back inside the field and is not drawn.
  for (TLxParticle& p : ps->Particles()) {
    p.Position = TVector3{};
    p.Velocity = TVector3{};
  }
  ps->Particles()[3].Position.Z = 250;
  ps->Particles()[3].Velocity.Z = 1;
  // Another far to the side keeps moving without being drawn.
  ps->Particles()[4].Position.X = 5000;
  App.Frames(1);
  EXPECT_LE(std::abs(ps->Particles()[3].Position.Z), 240.0);
  EXPECT_EQ(ps->Particles()[3].Age, 0u);
  EXPECT_GT(ps->Particles()[4].Position.Z, 0.0);
  EXPECT_EQ(ps->DrawnCount(), 8);

  // The field drifts for 128 steps and swirls for the next 128 (two steps per frame).
  ps->Restart();
  App.Frames(63);
  const TVector3 drifting = ps->Particles()[0].Position;
  App.Frames(1);
  EXPECT_DOUBLE_EQ(ps->Particles()[0].Position.X, drifting.X);  // no turn yet
  App.Frames(1);
  EXPECT_NE(ps->Particles()[0].Position.X, drifting.X);  // turning
  App.Frames(40);
  App.SavePng("particles/stars.png");
}

}  // namespace
}  // namespace lx::test
