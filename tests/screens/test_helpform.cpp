// The help window over the installed help pages: the index renders, links open their page where
// they are drawn, the scroll buttons move the page and stop at the top, a missing page shows
// the help's own page.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/lxlog.h"
#include "gui/lxcontrols.h"
#include "platform/lxhtmlview.h"
#include "screens/helpform.h"
#include "screens_fixture.h"

namespace lx::test {
namespace {

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

int32_t CountLines(const std::string& prefix) {
  int32_t n = 0;
  for (const std::string& line : LogLines())
    if (line.rfind(prefix, 0) == 0) ++n;
  return n;
}

// Clicks the link to href where the window draws it; false when it is not on screen.
bool ClickLink(TScreensApp& app, TfrmHelp& help, const std::string& href) {
  int32_t x = 0, y = 0, w = 0, h = 0;
  if (!help.Viewer->FindLink(href, x, y, w, h)) return false;
  y -= help.Viewer->VScrollPos();
  if (y < 0 || y + h > HelpCaptureHeight) return false;
  app.Window.PushClick(help.PnlHtmlView->Left() + x + w / 2, help.PnlHtmlView->Top() + y + h / 2);
  return true;
}

TEST(HelpWindow, IndexRendersLinksOpenPagesAndScrollingStopsAtTheTop) {
  TScreensApp app;
  auto* help = new TfrmHelp(app.Main->MainScene);
  ASSERT_TRUE(EndsWith(help->Viewer->CurrentFile(), "/Help/index.html"));
  EXPECT_FALSE(help->Viewer->PageMissing());
  EXPECT_EQ(help->PnlHtmlView->Width(), HelpCaptureWidth);
  EXPECT_EQ(help->PnlHtmlView->Height(), HelpCaptureHeight);
  EXPECT_EQ(help->PnlHtmlView->TileColumns(), 3);
  EXPECT_EQ(help->PnlHtmlView->TileRows(), 2);
  const int32_t left = help->PnlHtmlView->Left(), top = help->PnlHtmlView->Top();
  bool linkClicked = false;
  std::string afterLink, pageTitle;
  std::vector<int32_t> scroll;
  TLxColor before = 0, scrolled = 1;
  auto script = app.Script();
  TShot index, game;
  script->At(44, [&] { app.Shoot("help_index"); })
      .At(45,
          [&] {
            index = app.Developed();
            linkClicked = ClickLink(app, *help, "lxg_vp_jacksorbetter.html");
          })
      .At(54, [&] { app.Shoot("help_game"); })
      .At(55,
          [&] {
            game = app.Developed();
            afterLink = help->Viewer->CurrentFile();
            pageTitle = help->Viewer->Title();
            app.Window.PushClick(help->BtnScrollDown->Left() + 10, help->BtnScrollDown->Top() + 10);
          })
      .At(59, [&] { app.Shoot("help_scrolled"); })
      .At(60,
          [&] {
            scroll.push_back(help->Viewer->VScrollPos());
            const TShot scrolledShot = app.Developed();
            // The page moved up by one step: what was 50 pixels lower is now at the top.
            before = game.At(left + 60, top + 200);
            scrolled = scrolledShot.At(left + 60, top + 150);
            app.Window.PushClick(help->BtnScrollUp->Left() + 10, help->BtnScrollUp->Top() + 10);
          })
      .At(65,
          [&] {
            scroll.push_back(help->Viewer->VScrollPos());
            app.Window.PushClick(help->BtnScrollUp->Left() + 10, help->BtnScrollUp->Top() + 10);
          })
      .At(70, [&] {
        scroll.push_back(help->Viewer->VScrollPos());
        app.Window.PushClick(help->BtnClose->Left() + 10, help->BtnClose->Top() + 10);
      });
  script->Start();
  EXPECT_EQ(help->ShowModal(), mrCancel);
  EXPECT_FALSE(script->Overran);
  delete help;

  EXPECT_TRUE(linkClicked);
  EXPECT_TRUE(EndsWith(afterLink, "/Help/lxg_vp_jacksorbetter.html")) << afterLink;
  EXPECT_EQ(pageTitle, "JACKS OR BETTER 9/6");
  EXPECT_EQ(CountLines("INFO: URL: "), 1);
  EXPECT_EQ(scroll, (std::vector<int32_t>{HelpScrollStep, 0, 0}));
  EXPECT_EQ(before, scrolled);  // the capture followed the scroll
  // The index: the dark help background lit by text, the red navigation bar at its top.
  const TLxColor page = ColorOf(0x0b, 0x12, 0x22);
  EXPECT_GT(ShareUnlike(index, left, top, HelpCaptureWidth, HelpCaptureHeight, page), 0.02);
  EXPECT_LT(ShareUnlike(index, left, top, HelpCaptureWidth, HelpCaptureHeight, page), 0.5);
  EXPECT_LT(ShareUnlike(index, left + 300, top + 20, 4, 4, ColorOf(0x5c, 0x0a, 0x18)), 0.5);
  // The game page differs from the index.
  EXPECT_GT(ShareUnlike(game, left, top + 60, HelpCaptureWidth, 60, page), 0.02);
  EXPECT_EQ(CountLines("ERROR"), 0) << (LogLines().empty() ? "" : LogLines().back());
}

TEST(HelpWindow, AMissingPageShowsOurPageWithOneInfoLineAndLeadsBackToTheIndex) {
  TScreensApp app;
  std::filesystem::remove(app.Root + "Help/index.html");
  auto* help = new TfrmHelp(app.Main->MainScene);
  EXPECT_TRUE(help->Viewer->PageMissing());
  EXPECT_EQ(CountLines("INFO: "), 1);
  EXPECT_EQ(CountLines("ERROR"), 0);
  // Back to the index, which is missing too here: the link is still followed.
  std::filesystem::copy_file(std::string(TESSARO_DIST_DIR) + "/Help/index.html",
                             app.Root + "Help/index.html");
  bool clicked = false, found = false;
  auto script = app.Script();
  script->At(39, [&] { app.Shoot("help_missing"); })
      .At(40,
          [&] {
            app.Developed();
            clicked = ClickLink(app, *help, "index.html");
          })
      .At(50, [&] {
        found = !help->Viewer->PageMissing();
        help->Close();
      });
  script->Start();
  help->ShowModal();
  delete help;
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(found);
}

TEST(HelpWindow, EveryGamePageOfTheIndexExists) {
  TScreensApp app;
  TLxHtmlViewer viewer;
  viewer.LoadFromFile(app.Root + "Help/index.html");
  int32_t x, y, w, h;
  for (const char* page : {"signin.html", "mainroom.html", "navigation.html", "keys.html",
                           "lxg_vp_lumiobonus.html", "lxg_slot_3x5poker.html"}) {
    EXPECT_TRUE(viewer.FindLink(page, x, y, w, h)) << page;
    TLxHtmlViewer target;
    target.LoadFromFile(app.Root + "Help/" + page);
    EXPECT_FALSE(target.PageMissing()) << page;
    EXPECT_GT(target.DocumentHeight(), 300) << page;
  }
}

TEST(HelpWindow, HomePageIsTheInstalledStartPage) {
  TScreensApp app;
  EXPECT_EQ(AppInfo->HomePage, "file://" + app.Root + "Help/index.html");
  EXPECT_EQ(HelpStartPage(), AppInfo->HomePage);
}

}  // namespace
}  // namespace lx::test
