#include <gtest/gtest.h>
#include <unistd.h>

#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "persistence_fixture.h"
#include "support/lxtestuser.h"

namespace lx {

class SettingsTest : public TempFolderTest {
 protected:
  std::string SysTemp() { return Root + "systmp"; }
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(ForceDirectories(SysTemp()));
  }
  std::string PrivateName() { return SysTemp() + "/_lxvptmp-" + std::to_string(getuid()) + "/"; }
};

TEST_F(SettingsTest, FoldersAndDefaultsWithoutAFile) {
  TLxSetting s(Root + "app", SysTemp() + "/");
  const std::string app = Root + "app/";
  EXPECT_EQ(s.AppFolder, app);
  EXPECT_EQ(s.SettingsFile, app + "settings.xml");
  EXPECT_EQ(s.PlayersFile, app + "Players/players.xml");
  EXPECT_EQ(s.DataFolder, app + "Data/");
  EXPECT_EQ(s.PakFolder, app + "Data/Pak/");
  EXPECT_EQ(s.CasinosFolder, app + "Casinos/");
  EXPECT_EQ(s.ThemeName, "MakeDefault");
  EXPECT_EQ(s.ThemeFolder, app + "Casinos/MakeDefault/");
  EXPECT_EQ(s.TempFolder, PrivateName());
  EXPECT_TRUE(DirectoryExists(s.TempFolder));
  EXPECT_FALSE(s.optFullScreen || s.optSoundEnabled || s.optMusicEnabled || s.optCardEffects ||
               s.optMouseTrail || s.optParticleEffects || s.optSceneEffects);
  EXPECT_TRUE(s.optAntialias && s.optVSync);
  EXPECT_EQ(s.optSoundVolume, 0);
  EXPECT_EQ(s.optAutoLoginPlayerName, "");

  s.SetTheme("ZodazAreroDozada");
  EXPECT_EQ(s.ThemeName, "ZodazAreroDozada");
  EXPECT_EQ(s.ThemeFolder, app + "Casinos/ZodazAreroDozada/");
}

TEST_F(SettingsTest, SavedFileHasThirteenOptionsInOrder) {
  TLxSetting s(Root, SysTemp());
  s.optMusicVolume = 40;
  s.optAutoLoginPlayerName = "Player 1";
  s.Save();
  EXPECT_EQ(Read("settings.xml"),
            "<LxSetting><optAntialias>True</optAntialias>\r\n"
            "<optAutoLoginPlayerName>Player 1</optAutoLoginPlayerName>\r\n"
            "<optAutoLoginPlayerPassword></optAutoLoginPlayerPassword>\r\n"
            "<optCardEffects>False</optCardEffects>\r\n"
            "<optFullScreen>False</optFullScreen>\r\n"
            "<optMouseTrail>False</optMouseTrail>\r\n"
            "<optMusicEnabled>False</optMusicEnabled>\r\n"
            "<optMusicVolume>40</optMusicVolume>\r\n"
            "<optParticleEffects>False</optParticleEffects>\r\n"
            "<optSceneEffects>False</optSceneEffects>\r\n"
            "<optSoundEnabled>False</optSoundEnabled>\r\n"
            "<optSoundVolume>0</optSoundVolume>\r\n"
            "<optVSync>True</optVSync>\r\n"
            "</LxSetting>");
}

TEST_F(SettingsTest, ForcedOptionsAndUnknownElements) {
  Write("settings.xml",
        "<LxSetting><optVSync>False</optVSync><optParticleEffects>True</optParticleEffects>"
        "<optSceneEffects>True</optSceneEffects><optAntialias>False</optAntialias>"
        "<optSoundEnabled>True</optSoundEnabled><optSoundVolume>70</optSoundVolume>"
        "<optFancy>1</optFancy><optAutoLoginPlayerPassword>pw</optAutoLoginPlayerPassword>"
        "</LxSetting>");
  TLxSetting s(Root, SysTemp());
  EXPECT_TRUE(s.optVSync);
  EXPECT_TRUE(s.optAntialias);
  EXPECT_FALSE(s.optParticleEffects);
  EXPECT_FALSE(s.optSceneEffects);
  EXPECT_TRUE(s.optSoundEnabled);
  EXPECT_EQ(s.optSoundVolume, 70);
  EXPECT_EQ(s.optAutoLoginPlayerPassword, "pw");
  s.Save();
  EXPECT_EQ(Read("settings.xml").find("optFancy"), std::string::npos);
  EXPECT_NE(Read("settings.xml").find("<optAutoLoginPlayerPassword>pw<"), std::string::npos);
}

TEST_F(SettingsTest, FaultyFileKeepsWhatWasReadAndSkipsForcing) {
  Write("settings.xml",
        "<LxSetting><optMusicVolume>30</optMusicVolume><optParticleEffects>True"
        "</optParticleEffects><optSoundVolume>loud</optSoundVolume><optVSync>False</optVSync>"
        "</LxSetting>");
  TLxSetting s(Root, SysTemp());
  EXPECT_EQ(s.optMusicVolume, 30);
  EXPECT_TRUE(s.optParticleEffects);  // read before the fault, not forced afterwards
  EXPECT_FALSE(s.optVSync);           // never reached, and not forced
  EXPECT_FALSE(s.optAntialias);
}

TEST_F(SettingsTest, UnwritableSettingsFileIsIgnored) {
  TLxSetting s(Root + "gone", SysTemp());
  std::filesystem::remove_all(Root + "gone");
  s.optFullScreen = true;
  s.Save();  // no folder: nothing written, no error
  EXPECT_FALSE(Exists("gone/settings.xml"));
}

TEST_F(SettingsTest, UnreadableFileIsAFaultNotAMissingFile) {
  Write("settings.xml", "<LxSetting><optSoundVolume>40</optSoundVolume></LxSetting>");
  ASSERT_EQ(chmod((Root + "settings.xml").c_str(), 0), 0);
  {
    const test::TAsOrdinaryUser user;
    TLxSetting s(Root, SysTemp());
    EXPECT_FALSE(s.optVSync);  // a fault: nothing forced
    EXPECT_EQ(s.optSoundVolume, 0);
    s.Save();  // not writable either: left alone
  }
  ASSERT_EQ(chmod((Root + "settings.xml").c_str(), 0600), 0);
  EXPECT_EQ(Read("settings.xml"), "<LxSetting><optSoundVolume>40</optSoundVolume></LxSetting>");
}

TEST_F(SettingsTest, ReadOnlySettingsFileIsLeftAlone) {
  const std::string file = Root + "settings.xml";
  Write("settings.xml", "<LxSetting><optSoundVolume>40</optSoundVolume></LxSetting>");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  TLxSetting s(Root, SysTemp());
  EXPECT_EQ(s.optSoundVolume, 40);
  s.optSoundVolume = 90;
  s.Save();
  EXPECT_EQ(Read("settings.xml"), "<LxSetting><optSoundVolume>40</optSoundVolume></LxSetting>");
  struct stat st {};
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_FALSE(Exists("settings.xml.tmp"));

  // Writable again, with bits of the user's choosing: the save goes through and keeps them.
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  s.Save();
  EXPECT_NE(Read("settings.xml").find("<optSoundVolume>90<"), std::string::npos);
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SettingsTest, TempFolderIsNeverSomebodyElses) {
  const std::string fallback = Root + "Temp/_lxvptmp/";
  // The system folder cannot be used (a file stands where it should be).
  Write("plainfile", "x");
  EXPECT_EQ(TLxSetting(Root, Root + "plainfile").TempFolder, fallback);

  // A link planted under the private name is not followed.
  ASSERT_TRUE(ForceDirectories(Root + "elsewhere"));
  ASSERT_EQ(symlink((Root + "elsewhere").c_str(),
                    PrivateName().substr(0, PrivateName().size() - 1).c_str()),
            0);
  EXPECT_EQ(TLxSetting(Root, SysTemp()).TempFolder, fallback);
  std::filesystem::remove(PrivateName().substr(0, PrivateName().size() - 1));

  // A folder of another user (or one open to others) under that name is refused.
  ASSERT_TRUE(ForceDirectories(PrivateName()));
  if (getuid() == 0) {
    ASSERT_EQ(chown(PrivateName().c_str(), 12345, 12345), 0);
  } else {
    ASSERT_EQ(chmod(PrivateName().c_str(), 0777), 0);
  }
  EXPECT_EQ(TLxSetting(Root, SysTemp()).TempFolder, fallback);
  struct stat st {};
  ASSERT_EQ(stat(fallback.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // When the fallback is no private folder either, there is no temporary folder at all.
  std::filesystem::remove_all(Root + "Temp");
  Write("Temp/_lxvptmp", "a file");
  EXPECT_EQ(TLxSetting(Root, SysTemp()).TempFolder, "");
}

TEST_F(SettingsTest, DevModeFromDevIdInTheWorkingFolder) {
  EXPECT_FALSE(TLxApplicationInfo(Root).DevMode);
  Write("dev.id", "");
  TLxApplicationInfo info(Root);
  EXPECT_TRUE(info.DevMode);
  EXPECT_EQ(info.Title, "Tessaro 2005 - Video Slots Edition");
  EXPECT_EQ(info.Version, "1.0.0");
  EXPECT_FALSE(info.HomePage.empty());
}

}  // namespace lx
