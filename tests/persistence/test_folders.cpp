// Where an installed program and one in build/dist find their data and keep the player's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "persistence_fixture.h"

namespace lx {

namespace fs = std::filesystem;

class FoldersTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(ForceDirectories(Root + "systmp"));
  }
  void TearDown() override {
    Writable(Root);
    TempFolderTest::TearDown();
  }
  // The installation data of a program in folder: beside it, or where an installed one looks.
  std::string PutInstallation(const std::string& folder, bool installed) {
    const std::string data = installed ? folder + TLxSetting::InstallDataFromProgram : folder;
    Put(data + "Data/fonts.lxr", "fonts");
    Put(data + "Data/Pak/default.lxr", "pak");
    Put(data + "Casinos/ZodazAreroDozada/casino.dat", "[GAME_1]\nIDStr=LXG_VP_A\n");
    Put(data + "Help/index.html", "<html></html>");
    Put(folder + "tessaro", "program");
    return fs::canonical(data).string() + "/";
  }
  void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(ForceDirectories(path.substr(0, path.find_last_of('/') + 1)));
    ASSERT_TRUE(WriteFileAtomic(path, bytes));
  }
  static void ReadOnly(const std::string& tree) {
    for (const auto& e : fs::recursive_directory_iterator(tree))
      fs::permissions(e.path(), fs::perms::owner_write | fs::perms::group_write,
                      fs::perm_options::remove);
    fs::permissions(tree, fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
  }
  static void Writable(const std::string& tree) {
    std::error_code ec;
    fs::permissions(tree, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(tree, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  // Every file under a folder, as relative paths.
  static std::vector<std::string> Files(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file()) files.push_back(fs::relative(it->path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
  }
  // A player, the casino's records and the settings, saved as a session would save them.
  static void PlayAndSave(TLxSetting& settings) {
    TLxPlayers players;
    players.FileName = settings.PlayersFile;
    ASSERT_TRUE(players.AddPlayer("Player1", "pw", "", "", 0));
    {
      int game = 0;
      TLxCasinoManager casinos(
          settings.CasinosFolder, settings.UserCasinosFolder,
          [&](const std::string&) { return reinterpret_cast<TGameInfo*>(&game); });
      ASSERT_EQ(casinos.Casinos.size(), 1u);
      casinos.Casinos[0]->FindOrAddPlayer("Player1", true)->FindOrAddGame("LXG_VP_A", true);
    }
    settings.optSoundVolume = 70;
    settings.Save();
  }
};

TEST_F(FoldersTest, AnInstalledProgramKeepsThePlayersDataInTheUsersFolder) {
  const std::string program = Root + "prefix/bin/";
  const std::string data = PutInstallation(program, true);
  ReadOnly(Root + "prefix");
  const std::vector<std::string> installed = Files(Root + "prefix");

  TLxSetting settings(program, Root + "systmp", Root + "xdg");
  const std::string user = Root + "xdg/tessaro/";
  EXPECT_TRUE(settings.Installed);
  EXPECT_EQ(settings.AppFolder, program);
  EXPECT_EQ(settings.InstallFolder, data);
  EXPECT_EQ(settings.DataFolder, data + "Data/");
  EXPECT_EQ(settings.PakFolder, data + "Data/Pak/");
  EXPECT_EQ(settings.CasinosFolder, data + "Casinos/");
  EXPECT_EQ(settings.HelpFolder, data + "Help/");
  EXPECT_EQ(settings.ThemeFolder, data + "Casinos/MakeDefault/");
  EXPECT_EQ(settings.UserFolder, user);
  EXPECT_EQ(settings.SettingsFile, user + "settings.xml");
  EXPECT_EQ(settings.PlayersFile, user + "Players/players.xml");
  EXPECT_EQ(settings.UserCasinosFolder, user + "Casinos/");
  EXPECT_EQ(settings.OutputFolder, user);
  struct stat st {};
  ASSERT_EQ(stat(user.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);  // the player's passwords live here

  PlayAndSave(settings);
  EXPECT_EQ(Files(Root + "prefix"), installed);
  EXPECT_EQ(Files(user), (std::vector<std::string>{"Casinos/ZodazAreroDozada/casino.xml",
                                                   "Players/players.xml", "settings.xml"}));

  // The same names and bytes as a game that keeps everything beside the program.
  const std::string dist = Root + "dist/";
  PutInstallation(dist, false);
  TLxSetting beside(dist, Root + "systmp", Root + "xdg2");
  ASSERT_EQ(beside.UserFolder, dist);
  ForceDirectories(dist + "Players/");
  PlayAndSave(beside);
  for (const std::string& f : Files(user))
    EXPECT_EQ(Read("xdg/tessaro/" + f), Read("dist/" + f)) << f;

  // The next start reads them back from there.
  TLxSetting again(program, Root + "systmp", Root + "xdg");
  EXPECT_EQ(again.optSoundVolume, 70);
}

TEST_F(FoldersTest, WhereThePlayersDataGoes) {
  struct Case {
    const char* Name;
    bool Installed;  // the data in the prefix rather than beside the program
    bool ReadOnly;   // the program's folder (and the prefix) not writable
    bool WithData;   // there is installation data at all
    bool InUserFolder;
  };
  const Case cases[] = {
      {"build/dist", false, false, true, false},
      {"build/dist, read only", false, true, true, true},
      {"installed, read only", true, true, true, true},
      {"installed, writable prefix", true, false, true, true},
      {"no data anywhere", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string base = Root + std::to_string(&c - cases) + "/";
    const std::string program = base + "prefix/bin/";
    std::string data = program;
    if (c.WithData)
      data = PutInstallation(program, c.Installed);
    else
      ASSERT_TRUE(ForceDirectories(program));
    if (c.ReadOnly) ReadOnly(base + "prefix");
    const TLxSetting s(program, Root + "systmp", base + "xdg");
    EXPECT_EQ(s.Installed, c.Installed);
    EXPECT_EQ(s.InstallFolder, data);
    EXPECT_EQ(s.UserFolder, c.InUserFolder ? base + "xdg/tessaro/" : program);
    EXPECT_EQ(s.OutputFolder, c.InUserFolder ? base + "xdg/tessaro/" : WorkingFolder());
    // The user's folder is made only when it is used.
    EXPECT_EQ(DirectoryExists(base + "xdg/tessaro/"), c.InUserFolder);
    Writable(base);
  }
}

TEST_F(FoldersTest, TheUsersDataFolderFollowsTheDesktopsRules) {
  struct Saved {
    const char* Name;
    std::optional<std::string> Value;
  };
  std::vector<Saved> saved;
  for (const char* name : {"XDG_DATA_HOME", "HOME"}) {
    const char* v = std::getenv(name);
    saved.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
  }
  setenv("HOME", "/home/ann", 1);
  setenv("XDG_DATA_HOME", "/data/ann", 1);
  EXPECT_EQ(UserDataHome(), "/data/ann/");
  setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
  EXPECT_EQ(UserDataHome(), "/home/ann/.local/share/");
  setenv("XDG_DATA_HOME", "", 1);
  EXPECT_EQ(UserDataHome(), "/home/ann/.local/share/");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/ann/", 1);
  EXPECT_EQ(UserDataHome(), "/home/ann/.local/share/");
  unsetenv("HOME");  // the user database then knows the home folder
  const std::string fromDatabase = UserDataHome();
  EXPECT_TRUE(fromDatabase.empty() ||
              (fromDatabase[0] == '/' && fromDatabase.size() > 13 &&
               fromDatabase.compare(fromDatabase.size() - 13, 13, ".local/share/") == 0))
      << fromDatabase;
  for (const Saved& s : saved) {
    if (s.Value)
      setenv(s.Name, s.Value->c_str(), 1);
    else
      unsetenv(s.Name);
  }
}

}  // namespace lx
