// The options, credit, hall of fame and about windows, driven by clicks on the headless game,
// and the intro and the loading screen.
#include <gtest/gtest.h>

#include "base/lxlog.h"
#include "gamecore/lxgamemanager.h"
#include "gui/lxcheckbox.h"
#include "gui/lxcontrols.h"
#include "gui/lxlistbox.h"
#include "gui/lxmessageframe.h"
#include "gui/lxprogressbar.h"
#include "platform/lxfiles.h"
#include "screens/aboutform.h"
#include "screens/creditform.h"
#include "screens/highscoreform.h"
#include "screens/loaderscene.h"
#include "screens/loaderunit.h"
#include "screens/optionsform.h"
#include "screens_fixture.h"

namespace lx::test {
namespace {

// Frames for a window to fade in before its controls can be clicked.
constexpr int32_t FadedIn = 40;

TEST(VolumeStep, StopsAtTheEndsAndMovesByTen) {
  struct TCase {
    int32_t Value;
    bool Up;
    int32_t Result;
  };
  for (const TCase& c :
       {TCase{95, true, 100}, TCase{100, true, 100}, TCase{50, true, 60}, TCase{89, true, 99},
        TCase{5, false, 0}, TCase{11, false, 1}, TCase{10, false, 0}, TCase{0, false, 0}})
    EXPECT_EQ(VolumeStep(c.Value, c.Up), c.Result) << c.Value << (c.Up ? " up" : " down");
}

TEST(OptionsWindow, EveryOptionChangedByClicksIsWrittenToSettings) {
  TScreensApp app;
  Settings->optSoundEnabled = false;
  Settings->optSoundVolume = 95;
  Settings->optMusicEnabled = true;
  Settings->optMusicVolume = 50;
  Settings->optCardEffects = true;
  Settings->optFullScreen = false;
  auto* options = new TfrmOptions(app.Main->MainScene);
  EXPECT_FALSE(options->CbSoundEnabled->Checked());
  EXPECT_TRUE(options->CbMusicEnabled->Checked());
  EXPECT_FALSE(options->CbCardsEffects->Checked());  // Fast Play is the opposite of the effects
  EXPECT_EQ(options->PbSoundVolume->Position(), 95);
  EXPECT_EQ(options->PbMusicVolume->Position(), 50);

  std::vector<std::string> asked;
  bool boxAfterNo = true, fullAfterNo = true;
  int32_t soundAfterTwoUps = 0, soundVolumePlayed = 0;
  auto script = app.Script();
  script->At(FadedIn, [&] { app.ClickOn(options->CbSoundEnabled); })
      .At(FadedIn + 8, [&] { app.ClickOn(options->BtnSoundUp); })
      .At(FadedIn + 16, [&] { app.ClickOn(options->BtnSoundUp); })
      .At(FadedIn + 24,
          [&] {
            soundAfterTwoUps = Settings->optSoundVolume;
            const auto& history = Sounds->SoundEngine->History();
            if (!history.empty()) soundVolumePlayed = history.back().Volume;
            app.ClickOn(options->BtnSoundDown);
          })
      .At(FadedIn + 32, [&] { app.ClickOn(options->BtnMusicUp); })
      .At(FadedIn + 40, [&] { app.ClickOn(options->CbCardsEffects); })
      .At(FadedIn + 48, [&] { app.ClickOn(options->CbMusicEnabled); })
      .At(FadedIn + 56, [&] { app.ClickOn(options->CbFullScreen); })
      .At(FadedIn + 120,
          [&] {
            auto* box = app.Find<TframeMessage>();
            ASSERT_NE(box, nullptr);
            asked.push_back(box->MessageLabel->Caption());
            app.ClickOn(box->BtnNo);
          })
      .At(FadedIn + 128,
          [&] {
            boxAfterNo = options->CbFullScreen->Checked();
            fullAfterNo = Engine->IsFullScreen();
            app.ClickOn(options->CbFullScreen);
          })
      .At(FadedIn + 190,
          [&] {
            auto* box = app.Find<TframeMessage>();
            ASSERT_NE(box, nullptr);
            asked.push_back(box->MessageLabel->Caption());
            app.ClickOn(box->BtnYes);
          })
      .At(FadedIn + 198, [&] { app.Shoot("options"); })
      .At(FadedIn + 199, [&] {
        app.Developed();
        app.ClickOn(options->BtnClose);
      });
  script->Start();
  EXPECT_EQ(options->ShowModal(), mrNone);
  EXPECT_FALSE(script->Overran);
  delete options;

  EXPECT_EQ(soundAfterTwoUps, 100);
  EXPECT_EQ(soundVolumePlayed, 100);  // the test sound at the new volume
  EXPECT_EQ(asked,
            (std::vector<std::string>{"Go to fullscreen mode ?", "Go to fullscreen mode ?"}));
  EXPECT_FALSE(boxAfterNo);
  EXPECT_FALSE(fullAfterNo);
  EXPECT_TRUE(Engine->IsFullScreen());

  // What Close wrote.
  TLxSetting stored(app.Root, app.Root + "systmp");
  stored.Load();
  EXPECT_TRUE(stored.optSoundEnabled);
  EXPECT_EQ(stored.optSoundVolume, 90);
  EXPECT_EQ(stored.optMusicVolume, 60);
  EXPECT_FALSE(stored.optMusicEnabled);
  EXPECT_FALSE(stored.optCardEffects);
  EXPECT_TRUE(stored.optFullScreen);
}

TEST(CreditWindow, MovesTheBankIntoTheMachineAndRefusesWhatTheBankLacks) {
  TScreensApp app;
  TLxGameManager catalog;
  TPlainGame game(catalog.FindByIDStr("LXG_VP_JACKSORBETTER"));
  TLxPlayer* player = app.SignIn("ANNA", 1500);
  InstallCreditWindow();
  std::string refusal;
  std::string bankShown, creditShown, title;
  auto script = app.Script();
  script
      ->At(FadedIn,
           [&] {
             auto* credit = app.Find<TfrmCredit>();
             ASSERT_NE(credit, nullptr);
             title = credit->LblGameTitle->Caption();
             app.ClickOn(credit->BtnAdd1000);
           })
      .At(FadedIn + 8,
          [&] {
            auto* credit = app.Find<TfrmCredit>();
            bankShown = credit->LblBankV->Caption();
            creditShown = credit->LblCreditV->Caption();
            app.ClickOn(credit->BtnAdd1000);
          })
      .At(FadedIn + 70, [&] { app.Shoot("credit_refused"); })
      .At(FadedIn + 71,
          [&] {
            app.Developed();
            auto* box = app.Find<TframeMessage>();
            ASSERT_NE(box, nullptr);
            refusal = box->MessageLabel->Caption();
            app.ClickOn(box->BtnOk);
          })
      .At(FadedIn + 80, [&] { app.Shoot("credit"); })
      .At(FadedIn + 81, [&] {
        app.Developed();
        app.ClickOn(app.Find<TfrmCredit>()->BtnClose);
      });
  script->Start();
  game.AddCredit();
  EXPECT_FALSE(script->Overran);
  RemoveCreditWindow();

  EXPECT_EQ(title, "JACKS OR BETTER 9/6");
  EXPECT_EQ(bankShown, "500");
  EXPECT_EQ(creditShown, "1000");
  EXPECT_EQ(refusal, "You don't have enought money to add 1000!");
  EXPECT_EQ(player->Bank, 500u);
  EXPECT_EQ(game.Data->Credit, 1000u);
  EXPECT_EQ(game.Data->CreditIn(), 1000u);
  EXPECT_EQ(app.Find<TfrmCredit>(), nullptr);  // freed by its opener
}

TEST(HallOfFame, ListsThePlayersInCreationOrderWithTheirBanks) {
  TScreensApp app;
  app.SignIn("ZOE", 250);
  app.SignIn("ADAM", 4294967295u);
  app.SignIn("MIA", 1000);
  auto* fame = new TfrmHighScore(app.Main->MainScene);
  ASSERT_EQ(fame->LbHighScore->Count(), 3);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"ZOE", "250"}, {"ADAM", "4294967295"}, {"MIA", "1000"}};
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(fame->LbHighScore->Items[i]->Caption, expected[static_cast<size_t>(i)].first);
    EXPECT_EQ(fame->LbHighScore->Items[i]->SubItems.at(0), expected[static_cast<size_t>(i)].second);
  }
  EXPECT_EQ(fame->LbHighScore->Column(0)->Caption, "PLAYER");
  EXPECT_EQ(fame->LbHighScore->Column(1)->Caption, "BANK");
  EXPECT_EQ(fame->Caption->Caption(), "HALL OF FAME");
  auto script = app.Script();
  script->At(FadedIn, [&] { app.Shoot("halloffame"); }).At(FadedIn + 4, [&] {
    app.Developed();
    app.ClickOn(fame->BtnClose);
  });
  script->Start();
  EXPECT_EQ(fame->ShowModal(), mrCancel);
  delete fame;
}

TEST(AboutWindow, ShowsTitleVersionAndTheInstalledHomePage) {
  TScreensApp app;
  auto* about = new TfrmAbout(app.Main->MainScene);
  EXPECT_EQ(about->LblAppTitle->Caption(), "Tessaro 2005 - Video Slots Edition");
  EXPECT_EQ(about->LblAppVersion->Caption(), "1.0.0");
  EXPECT_EQ(about->LblAppHomePage->Caption(), "file://" + app.Root + "Help/index.html");
  EXPECT_EQ(about->Caption->Caption(), "ABOUT...");
  auto script = app.Script();
  script->At(FadedIn, [&] { app.Shoot("about"); })
      .At(FadedIn + 4,
          [&] {
            app.Developed();
            app.ClickOn(about->LblAppHomePage);
          })
      .At(FadedIn + 12, [&] { app.ClickOn(about->BtnClose); });
  script->Start();
  EXPECT_EQ(about->ShowModal(), mrCancel);
  delete about;
  EXPECT_EQ(app.Window.OpenedDocuments, (std::vector<std::string>{AppInfo->HomePage}));
}

TEST(Intro, HoldsThePictureUntilAClickSkipsToTheFadeOut) {
  {
    TScreensApp app;
    TAnimIntro intro;
    TShot lit;
    int32_t phaseHeld = 0;
    auto script = app.Script(1000);
    script->At(100, [&] { app.Shoot("intro"); }).At(101, [&] {
      lit = app.Developed();
      phaseHeld = intro.Phase;
      app.Window.PushClick(400, 300);
    });
    script->Start();
    intro.Start();
    EXPECT_FALSE(script->Overran);
    EXPECT_EQ(phaseHeld, 2);  // faded in and holding
    // The picture: the gold title over the dark night sky.
    EXPECT_GT(ShareUnlike(lit, 200, 60, 400, 120, 0), 0.2);
    EXPECT_LT(ShareUnlike(lit, 0, 0, 800, 30, 0), 0.2);
  }
  {
    TScreensApp app;
    TAnimIntro intro;
    int32_t alphaAtClick = -1, alphaAfter = -1;
    auto script = app.Script(500);
    script->At(8, [&] {
      alphaAtClick = intro.Alpha;
      app.Window.PushClick(400, 300);
    });
    script->At(16, [&] { alphaAfter = intro.Alpha; });
    script->Start();
    const uint64_t before = app.Main->FramesRendered;
    intro.Start();
    EXPECT_FALSE(script->Overran);
    // Clicked while still fading in: the fade-out starts from that darkness.
    EXPECT_GT(alphaAtClick, 100);
    EXPECT_GT(alphaAfter, alphaAtClick);
    EXPECT_LT(app.Main->FramesRendered - before, 40u);
  }
}

TEST(Loader, RendersAFrameBeforeAndOneForEveryThemedControl) {
  TScreensApp app;
  TLxScene target(app.Main->MainScene, "HELP");
  for (int32_t i = 0; i < 39; ++i) {
    auto* label = new TLxLabel(&target);
    label->SetName("LBL_" + std::to_string(i));
    target.AddControl(label);
  }
  ASSERT_EQ(target.ThemedCount(), 40);
  // What the loading screen shows in each frame.
  std::vector<std::string> names;
  auto script = app.Script();
  script->Every([&](int32_t) {
    if (auto* scene = app.Find<TLoaderScene>())
      names.push_back(scene->LblObjectName->Caption() + " " + scene->LblProgressV->Caption());
  });
  script->Start();
  const uint64_t before = app.Main->FramesRendered;
  LoadSceneWithLoader(target, "ZODAZ ARERO DOZADA");
  EXPECT_GE(app.Main->FramesRendered - before, 41u);
  ASSERT_GE(names.size(), 41u);
  EXPECT_EQ(names.front(), "OBJECTNAME 0%");
  EXPECT_EQ(names[1], "IMG_BACKGROUND 0%");
  EXPECT_EQ(names.back(), "LBL_38 100%");
  EXPECT_FALSE(target.Hidden);
  EXPECT_EQ(app.Find<TLoaderScene>(), nullptr);  // freed with the loader
  script->Stop();

  // The loading screen at work, as a picture.
  TLoader loader;
  loader.Scene->Show();
  loader.Scene->BringToFront();
  loader.Scene->LblGameName->SetCaption("JACKS OR BETTER 9/6");
  loader.Scene->PbLoad->SetMax(40);
  loader.Progress(nullptr, 1, 26, "IMG_PAYTABLE");
  EXPECT_EQ(loader.Scene->LblObjectName->Caption(), "IMG_PAYTABLE");
  EXPECT_EQ(loader.Scene->LblProgressV->Caption(), "66%");
  app.Frames(30);
  app.SavePng("loader");
}

}  // namespace
}  // namespace lx::test
