// Sound effects and music on SDL's dummy audio driver, with the files from the test archive.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/lxerror.h"
#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "persistence/lxsettings.h"
#include "shell/lxaudio.h"
#include "test_resources_fixture.h"

namespace lx {
namespace {

class SoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearLog();
    dir.InstallFixtures();
    ForceDirectories(dir.Root + "systmp/");
    settings = std::make_unique<TLxSetting>(dir.Root, dir.Root + "systmp");
    settings->optSoundEnabled = true;
    settings->optSoundVolume = 100;
    settings->optMusicEnabled = true;
    settings->optMusicVolume = 90;
    Settings = settings.get();
    resources = std::make_unique<TLxResourceManager>();
    ResourceManager = resources.get();
    sounds = std::make_unique<TLxSounds>(true);
    Sounds = sounds.get();
  }
  void TearDown() override {
    Sounds = nullptr;
    sounds.reset();
    ResourceManager = nullptr;
    Settings = nullptr;
  }
  TLxSoundEngine& Device() { return *sounds->SoundEngine; }
  std::vector<std::string> MusicLog() {
    std::vector<std::string> lines;
    for (const auto& l : LogLines())
      if (l.rfind("[MUSIC] ", 0) == 0) lines.push_back(l);
    return lines;
  }
  std::string Extracted(const std::string& name) { return settings->TempFolder + name; }

  test::ScratchFolder dir;
  std::unique_ptr<TLxSetting> settings;
  std::unique_ptr<TLxResourceManager> resources;
  std::unique_ptr<TLxSounds> sounds;
};

TEST_F(SoundsTest, OneEffectPlayedTwiceSoundsTwiceFromOneItem) {
  EXPECT_EQ(Device().DriverName(), "dummy");
  EXPECT_EQ(Device().PathCount(), 2);
  sounds->PlaySound("SND_DEAL", 1);
  sounds->PlaySound("SND_DEAL", 1);
  ASSERT_EQ(Device().ItemCount(), 1);
  TLxSoundItem* item = sounds->FindSound("SND_DEAL");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->FileName, Extracted("Sounds_SND_DEAL.wav"));
  EXPECT_EQ(item->PathIndex, 0);
  EXPECT_EQ(Device().PlayingVoices(item), 2);  // the second did not stop the first
  ASSERT_EQ(Device().History().size(), 2u);
  EXPECT_NE(Device().History()[0].Voice, Device().History()[1].Voice);
  EXPECT_EQ(sounds->FindSound("snd_deal"), nullptr);  // names are exact

  // Another effect on the same path overlaps too; stopping one item leaves the other.
  sounds->PlaySound("SND_WIN");
  EXPECT_EQ(Device().PlayingVoices(sounds->FindSound("SND_WIN")), 1);
  Device().Stop(item);
  EXPECT_EQ(Device().PlayingVoices(item), 0);
  EXPECT_EQ(Device().PlayingVoices(sounds->FindSound("SND_WIN")), 1);
}

TEST_F(SoundsTest, EffectVolumeIsReadAtEachPlay) {
  sounds->PlaySound("SND_DEAL");
  settings->optSoundVolume = 70;
  sounds->PlaySound("SND_DEAL");
  EXPECT_EQ(Device().History()[0].Volume, 100);
  EXPECT_EQ(Device().History()[1].Volume, 70);
  EXPECT_EQ(Device().PathVolume(0), 70);
  EXPECT_EQ(Device().PathVolume(1), 100);
}

TEST_F(SoundsTest, VolumesAreAttenuationsInHundredthsOfADecibel) {
  struct Case {
    int32_t volume;
    double gain;
    int32_t level;
  } cases[] = {{100, 1.0, 128}, {90, 0.316228, 40}, {80, 0.1, 13},   {60, 0.01, 1},
               {0, 0.00001, 0}, {150, 1.0, 128},    {-5, 0.00001, 0}};
  for (const Case& c : cases) {
    EXPECT_NEAR(TLxSoundEngine::GainOf(c.volume), c.gain, c.gain * 1e-4) << c.volume;
    EXPECT_EQ(TLxSoundEngine::MixerLevelOf(c.volume), c.level) << c.volume;
  }
}

TEST_F(SoundsTest, DisabledOrMissingEffectsPlayNothingAndLogNothing) {
  settings->optSoundEnabled = false;
  sounds->PlaySound("SND_DEAL");
  EXPECT_EQ(Device().ItemCount(), 0);  // not even loaded
  settings->optSoundEnabled = true;
  sounds->PlaySound("SND_NOSUCH");
  EXPECT_EQ(Device().ItemCount(), 0);
  EXPECT_EQ(sounds->LoadSound("SND_NOSUCH", SoundKindEffect), nullptr);
  EXPECT_EQ(Device().StartCount(), 0u);
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SoundsTest, AFileThatIsNoWaveRaisesTheLoadingError) {
  dir.Put("Data/Pak/Sounds/SND_BET.wav", "this is no wave file");
  try {
    sounds->PlaySound("SND_BET");
    FAIL() << "no exception";
  } catch (const ELxError& e) {
    EXPECT_EQ(std::string(e.what()), "Error loading sound: " + dir.Pak + "Sounds/SND_BET.wav");
  }
}

TEST_F(SoundsTest, MusicLoopsAndTheSameThemeDoesNotRestart) {
  RandSeed = 12345;
  sounds->PlayMusic(1);
  TLxSoundItem* main = sounds->CurrentMusic;
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->Name, "music_MAIN_1");
  EXPECT_EQ(main->PathIndex, 1);
  EXPECT_TRUE(main->Loop);
  EXPECT_EQ(main->Volume, 90);
  EXPECT_EQ(Device().PlayingVoices(main), 1);
  EXPECT_EQ(MusicLog(),
            std::vector<std::string>{"[MUSIC] Starting " + Extracted("Sounds_music_MAIN_1.mid")});
  sounds->PlayMusic(1);
  EXPECT_EQ(Device().StartCount(), 1u);
  EXPECT_EQ(MusicLog().size(), 1u);

  // Theme 4 replaces it with the piece the shared generator picks.
  const uint32_t before = RandSeed;
  const uint32_t k = Random(3) + 1;
  const uint32_t after = RandSeed;
  RandSeed = before;
  sounds->PlayMusic(4);
  EXPECT_EQ(RandSeed, after);
  const std::string rock = "Sounds_music_ROCK_" + std::to_string(k) + ".mid";
  EXPECT_EQ(MusicLog(),
            (std::vector<std::string>{"[MUSIC] Starting " + Extracted("Sounds_music_MAIN_1.mid"),
                                      "[MUSIC] Stopping " + Extracted("Sounds_music_MAIN_1.mid"),
                                      "[MUSIC] Starting " + Extracted(rock)}));
  EXPECT_EQ(Device().PlayingVoices(main), 0);
  EXPECT_EQ(Device().PlayingVoices(sounds->CurrentMusic), 1);
  EXPECT_TRUE(Device().History().back().Loop);
}

TEST_F(SoundsTest, EveryPieceOfAThemeIsChosenFromTheGenerator) {
  std::vector<std::string> seen;
  for (uint32_t s = 1; s <= 40 && seen.size() < 2; ++s) {
    RandSeed = s * 7919;
    sounds->PlayMusic(5);
    const std::string name = sounds->CurrentMusic->Name;
    if (std::find(seen.begin(), seen.end(), name) == seen.end()) seen.push_back(name);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::string>{"music_POP_1", "music_POP_2"}));
}

TEST_F(SoundsTest, ThemesWithoutPiecesAndDisabledMusicChangeNothing) {
  sounds->PlayMusic(3);
  TLxSoundItem* jazz = sounds->CurrentMusic;
  ASSERT_NE(jazz, nullptr);
  const uint32_t seed = RandSeed;
  for (int32_t theme : {0, 2, 6, 99, -1}) sounds->PlayMusic(theme);
  EXPECT_EQ(RandSeed, seed);  // no draw for a theme without pieces
  EXPECT_EQ(sounds->CurrentMusic, jazz);
  EXPECT_EQ(Device().PlayingVoices(jazz), 1);

  // Music switched off: the options window stops the piece; showing scenes leaves it stopped.
  settings->optMusicEnabled = false;
  Device().Stop(sounds->CurrentMusic);
  sounds->PlayMusic(4);
  sounds->PlayMusic(1);
  EXPECT_EQ(RandSeed, seed);
  EXPECT_EQ(sounds->CurrentMusic, jazz);
  EXPECT_EQ(Device().PlayingVoices(jazz), 0);
  EXPECT_EQ(Device().StartCount(), 1u);
}

TEST_F(SoundsTest, ChangingTheMusicVolumeRestartsThePieceAtTheNewLevel) {
  sounds->PlayMusic(1);
  TLxSoundItem* music = sounds->CurrentMusic;
  ASSERT_NE(music, nullptr);
  // What the options window does after a volume step.
  Device().Stop(music);
  music->Volume = 40;
  Device().Play(music);
  EXPECT_EQ(Device().StartCount(), 2u);
  EXPECT_EQ(Device().History().back().Volume, 40);
  EXPECT_EQ(Device().PathVolume(1), 40);
  EXPECT_EQ(Device().PlayingVoices(music), 1);
}

TEST_F(SoundsTest, MissingMusicLeavesTheCurrentPiecePlaying) {
  std::string image = *ReadWholeFile(dir.Pak + "default.lxr");
  sounds->PlayMusic(1);
  TLxSoundItem* main = sounds->CurrentMusic;
  // An archive without the pop pieces.
  std::vector<TLxArchiveRecord> records;
  ASSERT_EQ(ParseArchiveTable(image, records), arcOk);
  std::vector<TLxArchiveSource> kept;
  for (const auto& r : records) {
    if (r.Name.find("POP") != std::string::npos) continue;
    std::string data;
    ASSERT_EQ(ReadArchiveRecord(image, r.Name, data), arcOk);
    kept.push_back(test::Rec(r.Name, data));
  }
  ASSERT_TRUE(WriteFileAtomic(dir.Pak + "default.lxr", EncodeArchive(kept)));
  resources = std::make_unique<TLxResourceManager>();
  ResourceManager = resources.get();
  sounds->PlayMusic(5);
  EXPECT_EQ(sounds->CurrentMusic, main);
  EXPECT_EQ(Device().PlayingVoices(main), 1);
  EXPECT_EQ(MusicLog().size(), 1u);
}

}  // namespace
}  // namespace lx
