#include <gtest/gtest.h>

#include <vector>

#include "gui/lxcontrols.h"
#include "gui/lxeffects.h"
#include "gui/test_lxcontrols_fixture.h"

namespace lx::test {
namespace {

class EffectsTest : public ControlsTest {
 protected:
  TLxEffects& Run(TLxControl* c) { return c->Effects(EffectRunState); }
};

TEST_F(EffectsTest, ARollOverColourArrivesInTwentySixFramesHoldsAndReturnsWhenTheMouseLeaves) {
  auto* image = Make<TLxImage>(100, 100, 50, 50);  // white plain rectangle
  TLxEffects& g = image->Effects(EffectRollOver);
  g.ColorEnabled = true;
  g.Color = {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu};
  App.MoveTo(120, 120);  // enters, and the frame takes the first step
  EXPECT_EQ(Run(image).ColorState, EffectToTarget);
  EXPECT_EQ(image->Color4()[0], 0xFFF5F5FFu);
  App.Frames(24);
  EXPECT_EQ(image->Color4()[0], 0xFF0505FFu);
  App.Frames(1);
  EXPECT_EQ(image->Color4()[0], 0xFF0000FFu);
  EXPECT_EQ(Run(image).ColorState, EffectHolding);
  EXPECT_EQ(Rgb(120, 120), Red);
  App.Frames(50);
  EXPECT_EQ(image->Color4()[2], 0xFF0000FFu);

  App.MoveTo(400, 400);  // leaves: the first step back
  EXPECT_EQ(Run(image).ColorState, EffectReturning);
  EXPECT_EQ(image->Color4()[0], 0xFF0A0AFFu);
  App.Frames(25);
  EXPECT_EQ(Run(image).ColorState, EffectIdle);
  for (TLxColor c : image->Color4()) EXPECT_EQ(c, 0xFFFFFFFFu);
  App.Frames(5);
  EXPECT_EQ(Rgb(120, 120), White);
}

TEST_F(EffectsTest, AContinuousAlphaSwingsBetweenItsStartAndTarget) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetAlpha(255);
  TLxEffects& g = panel->Effects(EffectNormal);
  g.AlphaEnabled = true;
  g.AlphaContinuous = true;
  g.AlphaBlendValue = 155;
  panel->StartEffect(EffectNormal);
  std::vector<int32_t> seen;
  for (int i = 0; i < 30; ++i) {
    App.Frames(1);
    seen.push_back(panel->Alpha());
  }
  const std::vector<int32_t> expected = {245, 235, 225, 215, 205, 195, 185, 175, 165, 155,
                                         165, 175, 185, 195, 205, 215, 225, 235, 245, 255,
                                         245, 235, 225, 215, 205, 195, 185, 175, 165, 155};
  EXPECT_EQ(seen, expected);
  EXPECT_NEAR(static_cast<int32_t>(App.Pixel(120, 120) & 0xFF), 155, 1);
}

TEST_F(EffectsTest, AnAlphaEffectStartsFromTheAlphaTheControlShows) {
  // The theme gives corner alphas; the control's single alpha was never set.
  auto* button = Make<TLxButton>(100, 100, 50, 50);
  button->SetAlpha4({200, 200, 200, 200});
  TLxEffects& g = button->Effects(EffectRollOver);
  g.AlphaEnabled = true;
  g.AlphaBlendValue = 255;
  button->StartEffect(EffectRollOver);
  App.Frames(1);
  EXPECT_EQ(button->Alpha4()[0], 210);
  App.Frames(10);
  EXPECT_EQ(button->Alpha4()[0], 255);
  EXPECT_EQ(Run(button).AlphaState, EffectHolding);
  button->StopEffect(EffectRollOver, false);
  App.Frames(10);
  EXPECT_EQ(button->Alpha4()[0], 200);  // back where it was, not invisible
  EXPECT_EQ(Run(button).AlphaState, EffectIdle);
}

TEST_F(EffectsTest, StoppingACustomEffectAtOncePutsTheStartingColourBackInTheSameFrame) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetColor(0xFF808080u);
  TLxEffects& g = panel->Effects(EffectCustom1);
  g.ColorEnabled = true;
  g.Color = {0, 0, 0, 0};
  panel->StartCustomEffect(1);
  App.Frames(4);
  EXPECT_EQ(panel->Color4()[0], 0xFF585858u);
  panel->StopCustomEffect(1, true);
  EXPECT_EQ(panel->Color4()[0], 0xFF808080u);
  EXPECT_EQ(Run(panel).ColorState, EffectIdle);
  App.Frames(1);
  EXPECT_EQ(Rgb(120, 120), 0x808080u);
}

TEST_F(EffectsTest, AScrollDownGoesThreePixelsAFrameBackToItsOriginAndStartsAgain) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  TLxEffects& g = panel->Effects(EffectNormal);
  g.ScrollEnabled = true;
  g.ScrollOptions = ScrollDown;
  g.ScrollDistance = 10;
  g.ScrollSpeed = 2;
  panel->StartEffect(EffectNormal);
  std::vector<int32_t> tops;
  for (int i = 0; i < 12; ++i) {
    App.Frames(1);
    tops.push_back(panel->Top() - 100);
  }
  // A frame at each end finds nothing to move and turns round.
  const std::vector<int32_t> expected = {3, 6, 9, 12, 12, 9, 6, 3, 0, 0, 3, 6};
  EXPECT_EQ(tops, expected);
  EXPECT_EQ(Rgb(120, 107), White);
  EXPECT_EQ(Rgb(120, 105), Black);
}

TEST_F(EffectsTest, ScrollDirectionsAndSpeeds) {
  struct Case {
    int32_t direction, speed;
    int32_t dx, dy;  // after the first frame
  };
  const std::vector<Case> cases = {
      {ScrollRight, 0, 1, 0}, {ScrollLeft, 1, -2, 0}, {ScrollDown, 3, 0, 10},
      {ScrollUp, 4, 0, -15},  {ScrollUp, 9, 0, -3},
  };
  for (const Case& c : cases) {
    auto* panel = Make<TLxPanel>(300, 300, 20, 20);
    TLxEffects& g = panel->Effects(EffectCustom2);
    g.ScrollEnabled = true;
    g.ScrollOptions = c.direction;
    g.ScrollDistance = 40;
    g.ScrollSpeed = c.speed;
    panel->StartCustomEffect(2);
    App.Frames(1);
    EXPECT_EQ(panel->Left() - 300, c.dx) << c.direction << " " << c.speed;
    EXPECT_EQ(panel->Top() - 300, c.dy) << c.direction << " " << c.speed;
    delete panel;
  }
}

TEST_F(EffectsTest, ARollOverScrollHoldsAndSlidesBackWhenStopped) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  TLxEffects& g = panel->Effects(EffectRollOver);
  g.ScrollEnabled = true;
  g.ScrollOptions = ScrollRight;
  g.ScrollDistance = 6;
  g.ScrollSpeed = 2;
  panel->StartEffect(EffectRollOver);
  App.Frames(10);
  EXPECT_EQ(panel->Left(), 106);
  EXPECT_EQ(Run(panel).ScrollState, EffectHolding);
  panel->StopEffect(EffectRollOver, true);  // scrolls always return gradually
  App.Frames(1);
  EXPECT_EQ(panel->Left(), 103);
  App.Frames(5);
  EXPECT_EQ(panel->Left(), 100);
  EXPECT_EQ(Run(panel).ScrollState, EffectIdle);
}

TEST_F(EffectsTest, AGrowWidensTwoPixelsAFrameAndARollOverGrowHolds) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 40);
  TLxEffects& g = panel->Effects(EffectRollOver);
  g.GrowEnabled = true;
  g.GrowDistance = 6;
  panel->StartEffect(EffectRollOver);
  for (int32_t k = 1; k <= 3; ++k) {
    App.Frames(1);
    EXPECT_EQ(panel->Width(), 50 + 2 * k);
    EXPECT_EQ(panel->Height(), 40 + 2 * k);
    EXPECT_EQ(panel->Left(), 100 - k);
    EXPECT_EQ(panel->Top(), 100 - k);
  }
  EXPECT_EQ(Run(panel).GrowState, EffectHolding);
  App.Frames(5);
  EXPECT_EQ(panel->Width(), 56);
  EXPECT_EQ(Rgb(97, 97), White);
  EXPECT_EQ(Rgb(96, 97), Black);
}

TEST_F(EffectsTest, AStoppedCustomGrowShrinksBackAndStaysIdle) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 40);
  TLxEffects& g = panel->Effects(EffectCustom3);
  g.GrowEnabled = true;
  g.GrowDistance = 4;
  panel->StartCustomEffect(3);
  App.Frames(2);
  EXPECT_EQ(panel->Width(), 54);
  EXPECT_EQ(Run(panel).GrowState, EffectCycling);
  App.Frames(2);
  EXPECT_EQ(panel->Width(), 50);
  App.Frames(1);
  EXPECT_EQ(panel->Width(), 52);  // it cycles
  panel->StopCustomEffect(3, false);
  App.Frames(1);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(Run(panel).GrowState, EffectIdle);
  App.Frames(10);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(panel->Left(), 100);
}

TEST_F(EffectsTest, AnotherGroupTakesOverOnlyTheSubEffectsItDefines) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetAlpha(255);
  TLxEffects& normal = panel->Effects(EffectNormal);
  normal.ColorEnabled = true;
  normal.Color = {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
  normal.AlphaEnabled = true;
  normal.AlphaContinuous = true;
  normal.AlphaBlendValue = 105;
  TLxEffects& custom = panel->Effects(EffectCustom1);
  custom.ColorEnabled = true;
  custom.ColorContinuous = false;
  custom.Color = {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu};
  custom.ColorChangeSpeed = 4;
  panel->StartEffect(EffectNormal);
  App.Frames(5);  // white 50 steps toward black
  EXPECT_EQ(panel->Color4()[0] & 0xFFFFFFu, 0xCDCDCDu);
  panel->StartCustomEffect(1);
  EXPECT_EQ(Run(panel).ColorSource, EffectCustom1);
  EXPECT_EQ(Run(panel).AlphaSource, EffectNormal);
  EXPECT_EQ(panel->SavedColor4[0] & 0xFFFFFFu, 0xCDCDCDu);  // the mid-cycle colour
  App.Frames(1);
  EXPECT_EQ(panel->Color4()[0] & 0xFFFFFFu, 0x0000FFu);  // at once, and it holds
  EXPECT_EQ(Run(panel).ColorState, EffectHolding);
  const int32_t alpha = panel->Alpha();
  App.Frames(1);
  EXPECT_EQ(panel->Alpha(), alpha - 10);  // the alpha still cycles from the normal group
  // Stopping the normal group leaves the colour alone: it belongs to the custom group now.
  panel->StopEffect(EffectNormal, true);
  EXPECT_EQ(panel->Alpha(), 255);
  EXPECT_EQ(panel->Color4()[0] & 0xFFFFFFu, 0x0000FFu);
  panel->StopCustomEffect(1, false);
  App.Frames(1);
  EXPECT_EQ(panel->Color4()[0] & 0xFFFFFFu, 0xCDCDCDu);
  EXPECT_EQ(Run(panel).ColorState, EffectIdle);
}

TEST_F(EffectsTest, RestartingARunningGroupFirstPutsItsSavedColourBack) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  TLxEffects& g = panel->Effects(EffectNormal);
  g.ColorEnabled = true;
  g.Color = {0, 0, 0, 0};
  panel->StartEffect(EffectNormal);
  App.Frames(3);
  panel->StartEffect(EffectNormal);
  EXPECT_EQ(panel->SavedColor4[0], 0xFFFFFFFFu);
  EXPECT_EQ(panel->Color4()[0], 0xFFFFFFFFu);
}

TEST_F(EffectsTest, ColourAndAlphaOfOneGroupBothKeepCycling) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetAlpha(255);
  TLxEffects& g = panel->Effects(EffectNormal);
  g.ColorEnabled = true;
  g.Color = {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu};
  g.ColorChangeSpeed = 4;
  g.AlphaEnabled = true;
  g.AlphaBlendValue = 100;
  panel->StartEffect(EffectNormal);
  App.Frames(1);
  EXPECT_EQ(Run(panel).ColorState, EffectCycling);
  App.Frames(1);
  EXPECT_EQ(Run(panel).ColorState, EffectToTarget);
  EXPECT_EQ(panel->Color4()[0], 0xEBFFFFFFu);  // white again, with the effect's alpha
  App.Frames(40);
  EXPECT_EQ(Run(panel).AlphaState, EffectHolding);
  EXPECT_NE(Run(panel).ColorState, EffectIdle);
  const TLxColor before = panel->Color4()[0];
  App.Frames(1);
  EXPECT_NE(panel->Color4()[0], before);
}

TEST_F(EffectsTest, ATextColourEffectRecoloursTheLabelsLines) {
  auto* label = Make<TLxLabel>(100, 100, 100, 20);
  label->Font.SetColor(0x000000FFu);
  label->SetCaption("WIN");
  TLxEffects& g = label->Effects(EffectNormal);
  g.TextColorEnabled = true;
  g.TextColorContinuous = true;
  g.TextColor = 0x0000FF00u;
  g.TextColorChangeSpeed = 4;
  label->StartEffect(EffectNormal);
  App.Frames(1);
  EXPECT_EQ(label->Font.Color(), 0x0000FF00u);
  EXPECT_EQ(label->Lines()[0].Color, 0xFF00FF00u);
  const TLxStringLine& line = label->Lines()[0];
  EXPECT_EQ(Rgb(100 + line.X, 100 + line.Y), Green);
  App.Frames(1);
  EXPECT_EQ(label->Font.Color(), 0x000000FFu);
  EXPECT_EQ(Rgb(100 + line.X, 100 + line.Y), Red);
}

TEST_F(EffectsTest, AGradualTextColourStepsTenPerChannel) {
  auto* label = Make<TLxLabel>(100, 100, 100, 20);
  label->Font.SetColor(0x00000000u);
  TLxEffects& g = label->Effects(EffectCustom1);
  g.TextColorEnabled = true;
  g.TextColor = 0x00000019u;  // red 25
  label->StartCustomEffect(1);
  App.Frames(2);
  EXPECT_EQ(label->Font.Color(), 0x00000014u);
  App.Frames(1);
  EXPECT_EQ(label->Font.Color(), 0x00000019u);
  EXPECT_EQ(Run(label).TextColorState, EffectHolding);
  label->StopCustomEffect(1, true);
  EXPECT_EQ(label->Font.Color(), 0x00000000u);
}

TEST_F(EffectsTest, StoppingAGroupThatNeverRanChangesNothing) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetColor(0xFF123456u);
  panel->StopEffect(EffectNormal, false);
  panel->StopEffect(EffectNormal, true);
  App.Frames(5);
  EXPECT_EQ(panel->Left(), 100);
  EXPECT_EQ(panel->Top(), 100);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(panel->Color4()[0], 0xFF123456u);
  EXPECT_EQ(panel->Alpha4()[0], 255);
}

TEST_F(EffectsTest, EffectsAdvanceOnlyWhileTheControlIsPainted) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  TLxEffects& g = panel->Effects(EffectNormal);
  g.GrowEnabled = true;
  g.GrowDistance = 20;
  panel->StartEffect(EffectNormal);
  panel->SetVisible(false);
  App.Frames(5);
  EXPECT_EQ(panel->Width(), 50);
  panel->SetVisible(true);
  App.Frames(2);
  EXPECT_EQ(panel->Width(), 54);
}

TEST_F(EffectsTest, CustomEffectNumbersOutsideOneToThreeDoNothing) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  for (int32_t group = 0; group < EffectGroupCount; ++group) {
    panel->Effects(group).GrowEnabled = true;
    panel->Effects(group).GrowDistance = 10;
  }
  panel->StartCustomEffect(0);
  panel->StartCustomEffect(4);
  panel->StartEffect(7);
  App.Frames(2);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_STREQ(EffectKeyPrefixes[EffectCustom1], "CustomEffect_");
  EXPECT_STREQ(EffectKeyPrefixes[EffectCustom3], "CustomEffect3_");
}

}  // namespace
}  // namespace lx::test
