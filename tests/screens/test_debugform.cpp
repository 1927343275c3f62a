// The debug window of developer mode: the log it holds and writes at exit, the control tree and
// texture dumps, the memory report, the forcing lists, and the developer keys that call them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include <SDL.h>
#include "app/windowservices.h"
#include "base/lxforcing.h"
#include "base/lxlog.h"
#include "gui/lxcontrols.h"

#include "platform/lxdebugwindow.h"
#include "platform/lxfiles.h"
#include "screens/creditform.h"
#include "screens/debugform.h"
#include "screens_fixture.h"
#include "shell/lxtextures.h"
#include "support/lxpng.h"

namespace lx::test {
namespace {

// A scratch working folder for the dump files, left again at the end.
class TScratchFolder {
 public:
  TScratchFolder() {
    char pattern[] = "/tmp/lxdebug-XXXXXX";
    Path = std::string(mkdtemp(pattern)) + "/";
    Previous = WorkingFolder();
    EXPECT_EQ(chdir(Path.c_str()), 0);
  }
  ~TScratchFolder() {
    EXPECT_EQ(chdir(Previous.c_str()), 0);
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string Read(const std::string& name) const {
    return ReadWholeFile(Path + name).value_or("(missing)");
  }
  std::string Path, Previous;
};

TEST(DebugWindow, TreeDumpIndentsSixSpacesPerLevelAndCountsChildren) {
  TLxPanel root(nullptr);
  auto* a = new TLxPanel(&root);
  a->SetName("PNL_A");
  a->SetParent(&root);
  auto* c = new TLxLabel(&root);
  c->SetName("LBL_C");
  c->SetParent(a);
  auto* b = new TLxButton(&root);
  b->SetName("BTN_B");
  b->SetParent(&root);
  EXPECT_EQ(ControlTreeText(&root), "      PNL_A (1)\n            LBL_C (0)\n      BTN_B (0)\n");

  TScratchFolder folder;
  TfrmDebug debug(true);
  debug.LogFileName = folder.Path + "tessaro_debug.log";
  debug.DumpControlTree(&root, "log_comp_tree_parents.txt");
  EXPECT_EQ(folder.Read("log_comp_tree_parents.txt"), ControlTreeText(&root));
  EXPECT_EQ(debug.mDebug.back(), "INFO: ControlTree Dump Finished.");
  // A file that cannot be written is an error for the message loop to log.
  EXPECT_THROW(debug.DumpControlTree(&root, folder.Path + "no/such/folder/x.txt"), ELxError);
}

TEST(DebugWindow, TextureDumpListsTheTexturesInLoadOrder) {
  TScratchFolder folder;
  TScreensApp app;
  TfrmDebug debug(true);
  debug.LogFileName = folder.Path + "tessaro_debug.log";
  debug.DumpTextures("log_agftexture_list.txt");
  EXPECT_EQ(folder.Read("log_agftexture_list.txt"), "TextureCount: 0\n");
  EXPECT_EQ(debug.mDebug.back(), "INFO: DUDTextureList Dump Finished.");

  TLxTextureInfo first, second;
  first.SetGroup("COMMON");
  first.SetName("BTN_ALL");
  second.SetGroup("LOGO");
  second.SetName("loader");
  ASSERT_NE(Engine->Textures->Get(first), nullptr);
  ASSERT_NE(Engine->Textures->Get(second), nullptr);
  debug.DumpTextures("log_agftexture_list.txt");
  EXPECT_EQ(folder.Read("log_agftexture_list.txt"),
            "TextureCount: 2\n1 : " + first.Key() + "\n2 : " + second.Key() + "\n");
  debug.LogTextureCount();
  EXPECT_EQ(debug.mDebug.back(), "INFO: TextureCount: 2");
}

TEST(DebugWindow, MemoryReportGivesEveryCounterUnderItsLabel) {
  TfrmDebug debug(false);
  const size_t first = debug.mDebug.size();
  debug.MemoryReport();
  const std::vector<std::string> lines(debug.mDebug.begin() + static_cast<ptrdiff_t>(first),
                                       debug.mDebug.end());
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "INFO: PROCESS MEMORY INFO");
  EXPECT_EQ(lines[1], ">>");
  EXPECT_EQ(lines[11], "<<");
  const char* labels[] = {
      "PageFaultCount",          "PeakWorkingSetSize",  "WorkingSetSize",
      "QuotaPeakPagedPoolUsage", "QuotaPagedPoolUsage", "QuotaPeakNonPagedPoolUsage",
      "QuotaNonPagedPoolUsage",  "PagefileUsage",       "PeakPagefileUsage"};
  for (size_t i = 0; i < 9; ++i) {
    const std::string head = std::string(" ") + labels[i] + ": ";
    ASSERT_EQ(lines[i + 2].rfind(head, 0), 0u) << lines[i + 2];
    const std::string value = lines[i + 2].substr(head.size());
    if (i == 2) {
      ASSERT_GT(value.size(), 2u);
      EXPECT_EQ(value.substr(value.size() - 2), " K");
      EXPECT_GT(std::stoll(value), 0);  // resident kilobytes
    } else if (i >= 3 && i <= 6) {
      EXPECT_EQ(value, "0");  // no Linux counterpart
    } else {
      EXPECT_GT(std::stoll(value), 0) << labels[i];
    }
  }
}

TEST(DebugWindow, WritesTheLogFileAtExitOnlyInDeveloperMode) {
  TScratchFolder folder;
  ClearLog();
  Log("INFO: before the window");
  {
    TfrmDebug debug(false);
    debug.LogFileName = folder.Path + "plain_debug.log";
    Log("INFO: a line");
  }
  EXPECT_FALSE(FileExists(folder.Path + "plain_debug.log"));
  {
    TfrmDebug debug(true);
    debug.LogFileName = folder.Path + "dev_debug.log";
    Log("INFO: a line");
    debug.Log("ERROR: another");
  }
  EXPECT_EQ(folder.Read("dev_debug.log"),
            "INFO: before the window\nINFO: a line\nINFO: a line\nERROR: another\n");
  // The program file's path with "_debug.log".
  EXPECT_EQ(TfrmDebug(false).LogFileName, ProgramPath() + "_debug.log");
}

TEST(DebugWindow, ForcingListsActOnlyInDeveloperModeAndDashStopsThem) {
  {
    TfrmDebug debug(false);
    debug.SelectCheatHand(3);
    EXPECT_EQ(ForcedHand(), -1);
  }
  TfrmDebug debug(true);
  ASSERT_EQ(debug.lbCheatHand.Items.size(), 19u);
  ASSERT_EQ(debug.lbCheatReels.Items.size(), 15u);
  EXPECT_EQ(debug.lbCheatHand.Items[3], "ROYAL FLUSH");
  EXPECT_EQ(debug.lbCheatReels.Items[14], "ALL 7");
  EXPECT_EQ(debug.lbCheatHand.ItemIndex, -1);
  EXPECT_EQ(ForcedHand(), -1);
  debug.SelectCheatHand(3);
  debug.SelectCheatReels(8);
  EXPECT_EQ(ForcedHand(), 3);
  EXPECT_EQ(ForcedReels(), 8);
  debug.SelectCheatHand(0);
  debug.SelectCheatReels(0);
  EXPECT_EQ(ForcedHand(), 0);  // "-": readers force nothing at 0
  EXPECT_EQ(ForcedReels(), 0);
  debug.SelectCheatHand(99);
  EXPECT_EQ(ForcedHand(), -1);
}

TEST(DebugWindow, DeveloperKeysDumpThroughTheWindow) {
  TScratchFolder folder;
  TScreensApp app;
  TfrmDebug debug(true);
  debug.UseRealWindow = false;
  debug.LogFileName = folder.Path + "tessaro_debug.log";
  InstallWindowServices(*app.Main, &debug);
  debug.Show();
  EXPECT_TRUE(debug.Visible());
  auto* label = new TLxLabel(app.Main->MainScene);
  label->SetName("LBL_ONLY");
  label->SetParent(app.Main->MainScene);

  app.Key(vk::F8);  // nothing outside developer mode
  EXPECT_FALSE(FileExists(folder.Path + "log_comp_tree_parents.txt"));
  app.Main->DevMode = true;
  app.Key(vk::F8);
  app.Key(vk::F9);
  app.Key(vk::F10);
  EXPECT_EQ(folder.Read("log_comp_tree_parents.txt"), ControlTreeText(app.Main->MainScene));
  EXPECT_NE(folder.Read("log_comp_tree_parents.txt").find("      LBL_ONLY (0)\n"),
            std::string::npos);
  EXPECT_EQ(folder.Read("log_agftexture_list.txt").rfind("TextureCount: ", 0), 0u);
  EXPECT_NE(std::find(debug.mDebug.begin(), debug.mDebug.end(), "INFO: PROCESS MEMORY INFO"),
            debug.mDebug.end());
  app.Main->Services = {};
  RemoveCreditWindow();
}

// The real window beside the game, on SDL's offscreen video driver.
TEST(DebugWindow, RealWindowShowsTheLogAndSelectsWhatIsClicked) {
#if defined(__SANITIZE_ADDRESS__)
  // SDL's offscreen video driver loads the system's EGL libraries, whose allocations the leak
  // checker reports after they are unloaded; the window's own code runs in the plain build.
  GTEST_SKIP() << "the offscreen video driver's libraries leak under LeakSanitizer";
#endif
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  ClearLog();
  for (int32_t i = 0; i < 5; ++i) Log("INFO: line " + std::to_string(i));
  TfrmDebug debug(true);
  debug.LogFileName = "/tmp/lxdebug-real_debug.log";
  debug.Show();
  TLxDebugWindow* window = debug.RealWindow();
  if (!window) GTEST_SKIP() << "no SDL video here";
  Log("ERROR: shown at once");
  // A click on the third entry of the right list, in the window's own coordinates.
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.windowID = window->WindowID();
  click.button.x = TfrmDebug::WindowWidth * 3 / 4;
  click.button.y = TfrmDebug::WindowHeight - TfrmDebug::PanelHeight + 20 + 2 * 15 + 5;
  EXPECT_TRUE(DebugWindowEvent(&click));
  EXPECT_EQ(debug.lbCheatReels.ItemIndex, 2);
  EXPECT_EQ(ForcedReels(), 2);
  // Events of other windows are the game's.
  click.button.windowID = window->WindowID() + 100;
  EXPECT_FALSE(DebugWindowEvent(&click));
  int32_t w = 0, h = 0;
  const std::vector<uint32_t> picture = window->LastPicture(w, h);
  ASSERT_EQ(static_cast<size_t>(w) * static_cast<size_t>(h), picture.size());
  ASSERT_GT(w, 0);
  const std::string dir = std::string(TESSARO_BUILD_DIR) + "/test-output/windows/";
  ForceDirectories(dir);
  WritePng(dir + "debug_window.png", w, h, picture);
  // Text was drawn in the log area (dark pixels on white).
  EXPECT_TRUE(std::any_of(picture.begin(), picture.begin() + w * 100,
                          [](uint32_t c) { return (c & 0xFF) < 100; }));
  std::filesystem::remove("/tmp/lxdebug-real_debug.log");
}

}  // namespace
}  // namespace lx::test
