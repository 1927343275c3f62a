// The animation protocol (blocking and background, counting frames, stopping from the step) and
// the full-screen fade, on the headless main window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/lxcontrols.h"
#include "scenes/lxanims.h"
#include "scenes/lxscene.h"
#include "support/lxtestapp.h"

namespace lx {
namespace {

// Counts its steps; the step may be told to act.
class TStepAnim : public TLxAnim {
 public:
  void Process() override {
    ++Steps;
    if (OnStep) OnStep(*this);
  }
  int Steps = 0;
  std::function<void(TStepAnim&)> OnStep;
};

class AnimsTest : public ::testing::Test {
 protected:
  // A white panel over the whole screen, under everything made later.
  TLxPanel* WhiteScreen() {
    auto* p = new TLxPanel(main.MainScene);
    p->SetParent(main.MainScene);
    p->SetWidth(800);
    p->SetHeight(600);
    return p;
  }
  uint64_t Presented() const { return app.Window.FramesPresented; }

  test::TLxTestApp app;
  TfrmMain& main = *app.Main;
};

TEST_F(AnimsTest, ABlockingAnimationReturnsWhenItsStepStopsIt) {
  TStepAnim a;
  a.OnStep = [](TStepAnim& self) {
    if (self.Steps == 1) self.Stop();
  };
  const uint64_t before = Presented();
  a.Start();
  EXPECT_EQ(Presented(), before + 1);  // stopped in its first step: one frame
  EXPECT_EQ(a.Steps, 1);
  EXPECT_TRUE(a.Finished);
  EXPECT_FALSE(a.Running);
  EXPECT_FALSE(a.InList);
  EXPECT_TRUE(main.Anims.empty());

  // Started again it runs again from Reset.
  a.OnStep = [](TStepAnim& self) {
    EXPECT_FALSE(self.Finished);
    if (self.Steps == 4) self.Stop();
  };
  a.Start();
  EXPECT_EQ(a.Steps, 4);
  EXPECT_EQ(Presented(), before + 4);
}

TEST_F(AnimsTest, StartOnARunningAnimationReturnsAtOnceEvenWhenBlocking) {
  TStepAnim a;
  a.WaitForEnd = false;
  a.Start();
  EXPECT_TRUE(a.Running);
  EXPECT_EQ(a.Phase, 1);
  app.Frames(3);
  a.Phase = 7;
  a.WaitForEnd = true;
  const uint64_t before = Presented();
  a.Start();  // no reset, no listing twice, no loop
  EXPECT_EQ(Presented(), before);
  EXPECT_EQ(a.Phase, 7);
  EXPECT_EQ(main.Anims.size(), 1u);
  a.Stop();
}

TEST_F(AnimsTest, CountFramesHoldsAPhaseForNFrames) {
  TStepAnim a;
  a.WaitForEnd = false;
  std::vector<int32_t> phases;
  a.OnStep = [&](TStepAnim& self) {
    self.CountFrames(3);
    phases.push_back(self.Phase);
    if (self.Phase == 3) self.Stop();
  };
  a.Start();
  app.Frames(10);
  EXPECT_EQ(phases, (std::vector<int32_t>{1, 1, 2, 2, 2, 3}));
  EXPECT_EQ(a.FrameCounter, 0);
}

TEST_F(AnimsTest, FreeingARunningBackgroundAnimationTakesItOffTheList) {
  TStepAnim kept;
  kept.WaitForEnd = false;
  kept.Start();
  {
    TStepAnim freed;
    freed.WaitForEnd = false;
    freed.Start();
    app.Frames(2);
    EXPECT_EQ(freed.Steps, 2);
    EXPECT_EQ(main.AnimsCount, 2);
  }
  EXPECT_EQ(main.AnimsCount, 1);
  ASSERT_EQ(main.Anims.size(), 1u);
  EXPECT_EQ(main.Anims[0], &kept);
  app.Frames(1);  // would step a freed animation if it were still listed
  EXPECT_EQ(kept.Steps, 3);
  kept.Stop();
}

TEST_F(AnimsTest, ABlockingAnimationStartedInsideAnotherEndsFirst) {
  std::vector<std::string> journal;
  TStepAnim inner, outer;
  inner.OnStep = [&](TStepAnim& self) {
    journal.push_back("inner " + std::to_string(self.Steps));
    if (self.Steps == 3) self.Stop();
  };
  // A key handler starts the inner animation while the outer one blocks.
  main.MainScene->OnKeyDown = [&](TLxCustomControl*, uint16_t&, uint8_t) {
    inner.Start();
    journal.push_back("inner returned");
  };
  outer.OnStep = [&](TStepAnim& self) {
    journal.push_back("outer " + std::to_string(self.Steps));
    if (self.Steps == 1) app.Window.PushKey('A');
    if (self.Steps == 6) self.Stop();
  };
  outer.Start();
  journal.push_back("outer returned");
  // The outer animation keeps being stepped while the inner one runs, and its Start returns
  // only after the inner Start has returned.
  EXPECT_EQ(journal, (std::vector<std::string>{"outer 1", "outer 2", "inner 1", "outer 3",
                                               "inner 2", "outer 4", "inner 3", "inner returned",
                                               "outer 5", "outer 6", "outer returned"}));
}

// Expected red, green or blue of white under black at the given alpha (the blend's rounding
// may differ by one).
int32_t UnderBlack(int32_t alpha) {
  return 255 - alpha;
}

TEST_F(AnimsTest, FadeFromBlackShowsFallingAlphasAndStopsInTheTwentySixthFrame) {
  WhiteScreen();
  TAnimFade fade;
  fade.FromBlack = true;
  fade.WaitForEnd = false;
  // The fade's scene is the front child of the main scene, its background not drawn.
  EXPECT_EQ(main.MainScene->Controls(main.MainScene->ControlCount() - 1), fade.Panel->Parent());
  fade.Start();
  std::vector<int32_t> alphas;
  for (int frame = 1; frame <= 30 && fade.Running; ++frame) {
    app.Frames(1);
    if (!fade.Running) {
      EXPECT_EQ(frame, 26);
      break;
    }
    alphas.push_back(fade.Panel->Alpha());
    EXPECT_NEAR(static_cast<int32_t>(app.Pixel(400, 300) & 0xFF), UnderBlack(fade.Alpha), 1)
        << "frame " << frame;
  }
  ASSERT_EQ(alphas.size(), 25u);
  for (size_t i = 0; i < alphas.size(); ++i)
    EXPECT_EQ(alphas[i], 245 - 10 * static_cast<int32_t>(i));
  EXPECT_TRUE(fade.Finished);
  EXPECT_EQ(fade.Alpha, 0);
  EXPECT_EQ(fade.Panel->Alpha(), 5);  // the stopping frame leaves the panel as it was
}

TEST_F(AnimsTest, FadeToBlackShowsRisingAlphasAndItsPanelGoesWithIt) {
  WhiteScreen();
  const int32_t scenes = main.MainScene->ControlCount();
  {
    TAnimFade fade;
    fade.HoldThenFadeOut = true;
    fade.WaitForEnd = false;
    fade.Start();
    EXPECT_EQ(fade.Phase, 3);
    for (int frame = 1; frame <= 25; ++frame) {
      app.Frames(1);
      EXPECT_EQ(fade.Panel->Alpha(), 10 * frame);
      EXPECT_NEAR(static_cast<int32_t>(app.Pixel(10, 590) >> 8 & 0xFF), UnderBlack(10 * frame), 1);
    }
    app.Frames(1);
    EXPECT_FALSE(fade.Running);
    EXPECT_EQ(fade.Panel->Alpha(), 250);
    EXPECT_EQ(main.MainScene->ControlCount(), scenes + 1);
  }
  // Freed: the scene and its panel are gone and the white picture shows again.
  EXPECT_EQ(main.MainScene->ControlCount(), scenes);
  app.Frames(1);
  EXPECT_EQ(app.Pixel(10, 590) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(AnimsTest, FadeFromBlackThatHoldsStaysClearForTwoThousandFramesThenFadesOut) {
  TAnimFade fade;
  fade.FromBlack = true;
  fade.HoldThenFadeOut = true;
  fade.WaitForEnd = false;
  fade.Start();
  app.Frames(26);
  EXPECT_EQ(fade.Phase, 2);
  EXPECT_EQ(fade.Panel->Alpha(), 0);
  // The hold is stepped directly: 2000 full-screen frames would only cost time.
  for (int i = 0; i < 1999; ++i) fade.Process();
  EXPECT_EQ(fade.Phase, 2);
  fade.Process();
  EXPECT_EQ(fade.Phase, 3);
  app.Frames(1);
  EXPECT_EQ(fade.Panel->Alpha(), 10);
  app.Frames(24);
  EXPECT_EQ(fade.Panel->Alpha(), 250);
  EXPECT_TRUE(fade.Running);
  app.Frames(1);
  EXPECT_FALSE(fade.Running);
}

TEST_F(AnimsTest, AFadeDoesNotProgressWhileTheApplicationIsInactive) {
  // Deactivated, then three mouse moves; only after them does the window system report the
  // application active again.
  TLxEvent deactivate;
  deactivate.Kind = TLxEventKind::Deactivate;
  app.Window.Push(deactivate);
  for (int i = 0; i < 3; ++i) app.Window.PushMouse(TLxEventKind::MouseMove, 10 + i, 10);
  std::vector<uint64_t> framesAtMoves;
  const uint64_t before = Presented();
  TAnimFade fade;
  fade.FromBlack = true;
  // The fade's panel covers the screen: the moves reach it.
  fade.Panel->OnMouseMove = [&](TLxCustomControl*, uint8_t, int32_t, int32_t) {
    framesAtMoves.push_back(Presented());
  };
  fade.Start();  // blocking: returns only when the fade has run its 26 frames
  ASSERT_FALSE(framesAtMoves.empty());
  for (uint64_t f : framesAtMoves) EXPECT_EQ(f, before);  // no frame while inactive
  EXPECT_TRUE(main.Active);
  EXPECT_EQ(Presented(), before + 26);
  EXPECT_TRUE(fade.Finished);
}

TEST_F(AnimsTest, MainWindowFadesBlockAndLeaveNothingBehind) {
  WhiteScreen();
  const int32_t scenes = main.MainScene->ControlCount();
  uint64_t before = Presented();
  main.FadeToBlack();
  EXPECT_EQ(Presented(), before + 26);
  EXPECT_EQ(main.MainScene->ControlCount(), scenes);
  EXPECT_TRUE(main.Anims.empty());
  before = Presented();
  main.FadeFromBlack();
  EXPECT_EQ(Presented(), before + 26);
  EXPECT_EQ(main.MainScene->ControlCount(), scenes);

  // The developer keys call them.
  main.DevMode = true;
  before = Presented();
  app.Key(vk::F6);
  app.Key('D', ssCtrl);
  EXPECT_EQ(Presented(), before + 26 + 1 + 26 + 1);  // each key's pump renders one frame more
}

}  // namespace
}  // namespace lx
