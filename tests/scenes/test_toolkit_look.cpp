// One themed scene with every kind of basic control (images, panels, labels, buttons, a line,
// scrolling images), textures, text and running effects, and an open message dialog over it.
// The picture is written to build/test-output/toolkit.bmp for a person to look at; the test
// checks the places where each part must show.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gui/lxcontrols.h"
#include "gui/lxmessageframe.h"
#include "platform/lxfiles.h"
#include "scenes/lxscene.h"
#include "shell/lxbitmap.h"
#include "support/lxtestinstall.h"
#include "support/lxtestscript.h"

namespace lx {
namespace {

class TToolkitScene : public TLxScene {
 public:
  explicit TToolkitScene(TLxComponent* owner) : TLxScene(owner) {
    SetSceneName("TOOLKIT");
    Add<TLxImage>("IMG_BANNER");
    Add<TLxLabel>("LBL_TITLE")->SetCaption("TESSARO CASINO");
    auto* info = Add<TLxPanel>("PNL_INFO");
    auto* text = Add<TLxLabel>("LBL_INFO", info);
    text->SetCaption(
        "Welcome to the toolkit scene. Images, panels, labels, buttons, a line and three "
        "scrolling strips, every one placed, coloured and animated by one theme file.");
    auto* line = Add<TLxLine>("LN_DIVIDER", info);
    line->EndLeft = 326;
    line->EndTop = 224;
    Add<TLxLabel>("LBL_CREDIT", info)->SetCaption("CREDIT  1000");
    auto* reels = Add<TLxPanel>("PNL_REELS");
    for (int i = 1; i <= 3; ++i) {
      auto* reel = Add<TLxScrollingImage>("IMG_REEL" + std::to_string(i), reels);
      reel->Texture.SetName("IMG_STRIP");
      reel->SetItemHeight(150);
      Reels[i - 1] = reel;
    }
    for (int i = 1; i <= 3; ++i)
      Add<TLxImage>("IMG_CHIP" + std::to_string(i))->Texture.SetName("IMG_CHIP");
    Add<TLxButton>("BTN_BET")->SetCaption("BET ONE");
    Add<TLxButton>("BTN_MAXBET")->SetCaption("MAX BET");
    Add<TLxButton>("BTN_SPIN")->SetCaption("SPIN");
    News = Add<TLxLabel>("LBL_NEWS");
    News->SetWordWrap(false);
    News->SetScrollMode(2);
    News->SetCaption(
        "Jackpot tonight: 25000 credits on every video poker machine   *   "
        "Double up your wins   *   Free drinks at the bar");
  }

  template <typename T>
  T* Add(const std::string& name, TLxCustomControl* parent = nullptr) {
    auto* c = new T(this);
    c->SetName(name);
    if (parent) c->SetParent(parent);
    AddControl(c);
    return c;
  }

  TLxScrollingImage* Reels[3] = {};
  TLxLabel* News = nullptr;
};

TLxColor Rgb(test::TLxTestApp& app, int32_t x, int32_t y) {
  return app.Pixel(x, y) & 0xFFFFFFu;
}
int32_t R(TLxColor c) {
  return static_cast<int32_t>(c & 0xFF);
}
int32_t G(TLxColor c) {
  return static_cast<int32_t>(c >> 8 & 0xFF);
}
int32_t B(TLxColor c) {
  return static_cast<int32_t>(c >> 16 & 0xFF);
}

TEST(ToolkitLook, AThemedSceneWithEveryControlAndAnOpenDialog) {
  test::TLxThemedTestApp app;
  TfrmMain& main = *app.Main;
  auto* scene = new TToolkitScene(main.MainScene);
  scene->LoadTheme("");
  scene->Show();
  for (int i = 0; i < 3; ++i) scene->Reels[i]->SetItemIndex(i + 1);
  app.Frames(20);  // the strips arrive at their symbols

  // Without the dialog: each part where the theme put it.
  const TLxColor banner = Rgb(app, 270, 47);
  EXPECT_GT(R(banner), 150);  // the banner: red to orange
  EXPECT_LT(B(banner), 80);
  EXPECT_GT(G(Rgb(app, 10, 590)), R(Rgb(app, 10, 590)));  // felt green in a corner
  const TLxColor cherry = Rgb(app, 445, 175), bar = Rgb(app, 570, 175),
                 diamond = Rgb(app, 695, 175);
  EXPECT_GT(R(cherry), 180);  // reel 1: the red disc
  EXPECT_LT(G(cherry), 60);
  EXPECT_GT(B(bar), 120);      // reel 2: the blue bar
  EXPECT_GT(R(diamond), 200);  // reel 3: the gold diamond
  EXPECT_GT(G(diamond), 100);
  EXPECT_LT(B(diamond), 80);
  auto* bet = dynamic_cast<TLxButton*>(scene->FindControl("BTN_BET"));
  auto* spinButton = dynamic_cast<TLxButton*>(scene->FindControl("BTN_SPIN"));
  ASSERT_TRUE(bet && spinButton);
  EXPECT_EQ(bet->Texture.Name(), "BTN_ALL");  // no picture of its own: the common button
  EXPECT_EQ(spinButton->Texture.Group(), "TOOLKIT");
  const TLxColor spin = Rgb(app, 650, 290);
  EXPECT_GT(R(spin), 150);  // its own red picture
  EXPECT_LT(G(spin), 100);

  // The dialog opens over it; the picture is taken once everything has faded in, with the mouse
  // over YES.
  const std::string shot = app.OutputPath("toolkit.bmp");
  std::remove(shot.c_str());
  test::TLxFrameScript script(main, app.Window);
  script.At(60, [&] { app.Window.PushMouse(TLxEventKind::MouseMove, 300, 525); });
  script.At(299, [&] { Engine->PendingScreenShot = shot; });
  TLxColor yes = 0, window = 0, behind = 0;
  int32_t messageInk = 0;
  script.At(301, [&] {
    // The picture of frame 300, as written.
    TLxBitmap b;
    const auto bytes = ReadWholeFile(shot);
    ASSERT_TRUE(bytes && DecodeBmp(*bytes, b));
    auto at = [&](int32_t x, int32_t y) { return b.Pixels[static_cast<size_t>(y * b.Width + x)]; };
    yes = at(260, 520) & 0xFFFFFF;
    window = at(210, 480) & 0xFFFFFF;
    behind = at(270, 47) & 0xFFFFFF;
    for (int32_t y = 396; y < 496; ++y)
      for (int32_t x = 220; x < 580; ++x)
        if ((at(x, y) & 0xFF) > 200 && (at(x, y) >> 16 & 0xFF) > 200) ++messageInk;
  });
  script.ClickAt(302, 296, 530);
  script.Start();
  EXPECT_EQ(main.MessageBox("Do you really want to leave the casino and cash out your credit?", 0,
                            mbYes | mbNo),
            mrYes);
  script.Stop();

  EXPECT_TRUE(FileExists(shot));
  EXPECT_GT(R(yes), 180);  // the YES button, gold, tinted by its roll-over effect
  EXPECT_GT(G(yes), 150);
  EXPECT_GT(B(window), R(window));  // the deep blue window
  EXPECT_GT(messageInk, 200);       // the message text is there
  EXPECT_GT(R(behind), 60);         // the banner still shows, darkened by the dialog layer
  EXPECT_LT(R(behind), R(banner));
}

}  // namespace
}  // namespace lx
