// The program in a real SDL window (run under Xvfb by the suite): it starts, draws the screen a
// player first sees, and ends cleanly when the desktop asks it to close.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "app/mainform.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "platform/lxfiles.h"
#include "platform/lxplatform.h"
#include "scenes/lxanims.h"
#include "shell/lxbitmap.h"
#include "shell/lxcore.h"
#include "support/lxtestprogram.h"

namespace lx {
namespace {

TEST(RealWindow, StartsDrawsTheLobbyAndClosesOnRequest) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display (the suite runs this under Xvfb)";
  test::TLxScratchInstall install;
  {
    TLxSetting settings(install.Root, install.Root + "systmp");
    settings.optAutoLoginPlayerName = "Xavier";
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
  // The program draws on its own; once the lobby is up, one frame is written out before it is
  // presented, and then the desktop asks the program to end.
  struct TWatch : TLxAnim {
    std::function<void()> Step;
    void Process() override { Step(); }
  } watch;
  watch.WaitForEnd = false;
  int frames = 0;
  watch.Step = [&] {
    ++frames;
    if (!requested && frmMain && frmMain->CurrentCasino && frames > 120) {
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
  // The gold of the logo and the player's name panel, not a black or blank window.
  auto at = [&](int x, int y) { return picture.Pixels[static_cast<size_t>(y) * 800 + x]; };
  int bright = 0;
  for (int x = 40; x < 300; x += 4)
    if ((at(x, 60) & 0xFF) > 150 && (at(x, 60) >> 8 & 0xFF) > 110) ++bright;
  EXPECT_GT(bright, 5);
  // The clean end saved what the run produced.
  EXPECT_NE(install.Read("Casinos/ZodazAreroDozada/casino.xml").find("Xavier"), std::string::npos);
  EXPECT_TRUE(install.Exists("settings.xml"));
}

}  // namespace
}  // namespace lx
