// The program in a real SDL window (run under Xvfb by the suite): it starts, draws the screen a
// player first sees, and ends cleanly when the desktop asks it to close.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <set>

#include "app/mainform.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "platform/lxfiles.h"
#include "platform/lxplatform.h"
#include "scenes/lxanims.h"
#include "shell/lxbitmap.h"
#include "shell/lxcore.h"
#include "support/lxpng.h"
#include "support/lxtestprogram.h"

namespace lx {
namespace {

TEST(RealWindow, StartsShowsTheLoginWindowAndClosesOnRequest) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display (the suite runs this under Xvfb)";
  test::TLxScratchInstall install;
  {
    TLxSetting settings(install.Root, install.Root + "systmp");
    settings.Save();
    install.Put("Players/.keep", "");
    TLxPlayers players;
    players.FileName = settings.PlayersFile;
    players.AddPlayer("Xavier", "", "", "", 0);
  }
  TLxStartupOptions options;
  options.AppFolder = install.Root;
  options.SystemTempFolder = install.Root + "systmp";
  options.WorkingFolder = install.Root;
  options.DummyAudio = true;
  options.OpenWindow = [](const std::string& caption, bool vsync, bool centred,
                          std::string& error) {
    return CreateSdlWindow(caption, vsync, error, centred);
  };
  TLxStartup program(std::move(options));
  program.RunIntro = [] {};
  InstallTerminationSignals();
  ClearTerminationRequest();
  program.Create();
  ASSERT_TRUE(program.Show());
  const std::string shot = install.Root + "first.bmp";
  bool requested = false;
  // The program draws on its own; once the login window is up, one frame is written out before
  // it is presented, and then the desktop asks the program to end.
  struct TWatch : TLxAnim {
    std::function<void()> Step;
    void Process() override { Step(); }
  } watch;
  watch.WaitForEnd = false;
  int frames = 0, loginFrames = 0;
  watch.Step = [&] {
    ++frames;
    if (frmMain && frmMain->GetInputRoot() != frmMain->GetMainScene()) ++loginFrames;
    if (!requested && loginFrames > 60) {
      Engine->PendingScreenShot = shot;
      requested = true;
    } else if (requested && FileExists(shot)) {
      std::raise(SIGTERM);
    } else if (frames > 3000) {
      frmMain->Terminate();
    }
  };
  watch.Start();
  program.Main()->Run();
  watch.Stop();
  program.Destroy();
  ClearTerminationRequest();

  TLxBitmap picture;
  const auto bytes = ReadWholeFile(shot);
  ASSERT_TRUE(bytes && DecodeBmp(*bytes, picture));
  ASSERT_EQ(picture.Width, 800);
  // The login window in the middle of the screen, drawn over a darkened picture: many distinct
  // colours there, not a black or blank window.
  std::set<TLxColor> colours;
  for (int y = 200; y < 400; y += 3)
    for (int x = 250; x < 550; x += 3)
      colours.insert(picture.Pixels[static_cast<size_t>(y) * 800 + x]);
  EXPECT_GT(colours.size(), 50u);
  const std::string out = std::string(TESSARO_BUILD_DIR) + "/test-output/game/";
  ForceDirectories(out);
  test::WritePng(out + "realwindow_login.png", 800, 600, picture.Pixels);
  // The clean end saved the players and the settings.
  EXPECT_NE(install.Read("Players/players.xml").find("Xavier"), std::string::npos);
  EXPECT_TRUE(install.Exists("settings.xml"));
}

}  // namespace
}  // namespace lx
