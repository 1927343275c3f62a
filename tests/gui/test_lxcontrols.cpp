#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/lxcontrols.h"
#include "gui/test_lxcontrols_fixture.h"

namespace lx::test {
namespace {

int32_t RedOf(TLxColor c) {
  return static_cast<int32_t>(c & 0xFF);
}

// ---- fades ----

TEST_F(ControlsTest, FadeInRaisesTheAlphaTenPerFrameAndShowsTheChildrenWhenDone) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);  // white, opaque, no texture
  auto* child = Make<TLxPanel>(130, 130, 10, 10);
  child->SetParent(panel);
  child->SetColor(0xFF0000FFu);
  panel->SetFadeIn(true);
  panel->SetVisible(false);
  panel->SetVisible(true);
  EXPECT_FALSE(panel->Visible());
  EXPECT_TRUE(panel->InTransition);
  for (int32_t k = 1; k <= 25; ++k) {
    App.Frames(1);
    ASSERT_EQ(panel->FadeAlpha4()[0], 10 * k) << "frame " << k;
    EXPECT_NEAR(RedOf(App.Pixel(110, 110)), 10 * k, 1) << "frame " << k;
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(Rgb(135, 135), Rgb(110, 110)) << "children are not painted during a fade";
  }
  App.Frames(1);
  EXPECT_EQ(panel->FadeAlpha4()[0], 255);
  EXPECT_TRUE(panel->Visible());
  EXPECT_FALSE(panel->InTransition);
  EXPECT_FALSE(panel->FadingIn());
  EXPECT_EQ(Rgb(110, 110), White);
  App.Frames(1);
  EXPECT_EQ(Rgb(135, 135), Red);
}

TEST_F(ControlsTest, FadeOutLowersTheAlphaAndStopsPaintingWhenTheFirstCornerReachesZero) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetFadeOut(true);
  panel->SetVisible(false);
  EXPECT_FALSE(panel->Visible());
  EXPECT_TRUE(panel->InTransition);
  for (int32_t k = 1; k <= 25; ++k) {
    App.Frames(1);
    ASSERT_EQ(panel->FadeAlpha4()[0], 255 - 10 * k) << "frame " << k;
    EXPECT_NEAR(RedOf(App.Pixel(110, 110)), 255 - 10 * k, 1) << "frame " << k;
  }
  App.Frames(1);  // 255 - 260 <= 0: the fade ends and nothing is drawn
  EXPECT_FALSE(panel->FadingOut());
  EXPECT_FALSE(panel->InTransition);
  EXPECT_EQ(Rgb(110, 110), Black);
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Black);
}

TEST_F(ControlsTest, FadeOutNeverWrapsACornerAlphaBelowZero) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetAlpha4({255, 255, 255, 128});
  panel->SetFadeOut(true);
  panel->SetVisible(false);
  App.Frames(13);  // the bottom-left corner would be 128 - 130
  EXPECT_EQ(panel->Color4()[3] >> 24, 0u);
  EXPECT_EQ(panel->Color4()[0] >> 24, 125u);
}

TEST_F(ControlsTest, AControlShownAgainWithoutFadeInGetsItsAlphasBack) {
  auto* panel = Make<TLxPanel>(100, 100, 50, 50);
  panel->SetAlpha4({200, 200, 200, 200});
  panel->SetFadeOut(true);
  // Shown in the middle of the fade-out, and shown after it has finished.
  for (int32_t frames : {5, 30}) {
    panel->SetVisible(false);
    App.Frames(frames);
    panel->SetVisible(true);
    EXPECT_TRUE(panel->Visible());
    EXPECT_FALSE(panel->InTransition);
    for (TLxColor c : panel->Color4()) EXPECT_EQ(c >> 24, 200u) << frames;
    App.Frames(1);
    EXPECT_NEAR(RedOf(App.Pixel(110, 110)), 200, 1) << frames;
  }
}

TEST_F(ControlsTest, ALabelFadedOutAndShownAgainDrawsItsTextOpaque) {
  auto* button = Make<TLxButton>(100, 100, 60, 30);
  button->SetColor(0xFF000000u);
  button->Font.SetColor(White);
  button->SetCaption("OK");
  button->SetFadeOut(true);
  button->SetVisible(false);
  App.Frames(20);
  button->SetVisible(true);
  App.Frames(1);
  const TLxStringLine& line = button->Lines().at(0);
  EXPECT_EQ(line.Color >> 24, 255u);
  EXPECT_EQ(Rgb(100 + line.X, 100 + line.Y), White);
}

TEST_F(ControlsTest, FadeSpeedsAndFlySpeedsFollowTheirTable) {
  auto* c = Make<TLxPanel>(0, 0, 10, 10);
  const std::vector<std::pair<int32_t, int32_t>> table = {{0, 1},  {1, 5},  {2, 10},
                                                          {3, 20}, {4, 35}, {7, 10}};
  for (auto [speed, step] : table) {
    c->SetFadeSpeed(speed);
    c->SetFlySpeed(speed);
    EXPECT_EQ(c->FadeStep(), step) << speed;
    EXPECT_EQ(c->FlyStep(), step) << speed;
  }
}

// ---- flies ----

TEST_F(ControlsTest, FlyOutLeftMovesTenPixelsPerFrameThenPutsTheControlBackHidden) {
  auto* panel = Make<TLxPanel>(300, 100, 50, 40);
  panel->SetFlyOut(2);
  panel->SetVisible(false);
  EXPECT_TRUE(panel->FlyingOut());
  App.Frames(1);
  EXPECT_EQ(panel->Left(), 290);
  EXPECT_EQ(Rgb(291, 110), White);
  EXPECT_EQ(Rgb(345, 110), Black);
  // From 300 to -50 (= -Width) in steps of 10: 35 frames in all.
  App.Frames(33);
  EXPECT_EQ(panel->Left(), -40);
  EXPECT_TRUE(panel->FlyingOut());
  App.Frames(1);
  EXPECT_FALSE(panel->FlyingOut());
  EXPECT_FALSE(panel->InTransition);
  EXPECT_FALSE(panel->Visible());
  EXPECT_EQ(panel->Left(), 300);
  EXPECT_EQ(panel->Top(), 100);
  EXPECT_EQ(Rgb(320, 110), Black);
}

TEST_F(ControlsTest, FlyInComesFromOutsideTheScreenAndBecomesVisibleAtHome) {
  struct Case {
    int32_t direction;
    int32_t startLeft, startTop;
    int32_t frames;  // to arrive, at 10 pixels per frame
  };
  // Home at (100, 200), 50 x 40.
  const std::vector<Case> cases = {
      {1, -50, 200, 15}, {2, 800, 200, 70}, {3, 100, -40, 24}, {4, 100, 600, 40}};
  for (const Case& c : cases) {
    auto* panel = Make<TLxPanel>(100, 200, 50, 40);
    panel->SetVisible(false);
    panel->SetFlyIn(c.direction);
    panel->SetVisible(true);
    EXPECT_EQ(panel->Left(), c.startLeft) << c.direction;
    EXPECT_EQ(panel->Top(), c.startTop) << c.direction;
    EXPECT_FALSE(panel->Visible());
    App.Frames(c.frames - 1);
    EXPECT_FALSE(panel->Visible()) << c.direction;
    App.Frames(1);
    EXPECT_TRUE(panel->Visible()) << c.direction;
    EXPECT_FALSE(panel->InTransition);
    EXPECT_EQ(panel->Left(), 100);
    EXPECT_EQ(panel->Top(), 200);
    delete panel;
  }
}

TEST_F(ControlsTest, FlyInIsDrawnWhereItIsEachFrame) {
  auto* panel = Make<TLxPanel>(100, 200, 50, 40);
  panel->SetVisible(false);
  panel->SetFlyIn(3);
  panel->SetVisible(true);  // Top -40, moving down
  App.Frames(10);
  EXPECT_EQ(panel->Top(), 60);
  EXPECT_EQ(Rgb(120, 61), White);
  EXPECT_EQ(Rgb(120, 59), Black);
  EXPECT_EQ(Rgb(120, 101), Black);
}

TEST_F(ControlsTest, HidingDuringAFlyInPutsTheControlHomeAndShowingStopsAFlyOut) {
  auto* panel = Make<TLxPanel>(100, 200, 50, 40);
  panel->SetVisible(false);
  panel->SetFlyIn(1);
  panel->SetFlyOut(1);
  panel->SetVisible(true);
  App.Frames(3);
  panel->SetVisible(false);  // the fly-in stops at home; then the control was not visible
  EXPECT_FALSE(panel->FlyingIn());
  EXPECT_EQ(panel->Left(), 100);
  EXPECT_FALSE(panel->Visible());

  panel->SetFlyIn(0);
  panel->SetVisible(true);
  panel->SetVisible(false);
  App.Frames(3);
  EXPECT_EQ(panel->Left(), 130);
  panel->SetVisible(true);  // the fly-out stops at home and the control shows
  EXPECT_FALSE(panel->FlyingOut());
  EXPECT_EQ(panel->Left(), 100);
  EXPECT_TRUE(panel->Visible());
}

TEST_F(ControlsTest, MovingAGroupMovesTheChildrensDrawingOriginAndFlyHome) {
  auto* panel = Make<TLxPanel>(100, 100, 200, 200);
  auto* child = Make<TLxImage>(110, 120, 20, 20);
  child->SetParent(panel);
  const int32_t homeTop = child->HomeTop, homeLeft = child->HomeLeft;
  panel->SetTop(150);
  panel->SetLeft(90);
  EXPECT_EQ(child->Top(), 170);
  EXPECT_EQ(child->Left(), 100);
  EXPECT_EQ(child->DrawTop, 170);
  EXPECT_EQ(child->DrawLeft, 100);
  EXPECT_EQ(child->HomeTop, homeTop + 50);
  EXPECT_EQ(child->HomeLeft, homeLeft - 10);
}

// ---- colours, alphas, border, line ----

TEST_F(ControlsTest, CornerColoursAlwaysCarryTheCornerAlphas) {
  auto* c = Make<TLxPanel>(0, 0, 10, 10);
  c->SetAlpha4({10, 20, 30, 40});
  c->SetColor4({0xFF112233u, 0x00445566u, 0x80778899u, 0x12AABBCCu});
  EXPECT_EQ(c->Color4()[0], 0x0A112233u);
  EXPECT_EQ(c->Color4()[1], 0x14445566u);
  EXPECT_EQ(c->Color4()[2], 0x1E778899u);
  EXPECT_EQ(c->Color4()[3], 0x28AABBCCu);
  c->SetColor(0x00ABCDEFu);
  EXPECT_EQ(c->Color(), 0x00ABCDEFu);
  EXPECT_EQ(c->Color4()[3], 0x28ABCDEFu);
  c->SetAlpha(99);
  EXPECT_EQ(c->Alpha(), 99);
  for (TLxColor v : c->Color4()) EXPECT_EQ(v >> 24, 99u);
  c->SetBorderColor4({0x00000001u, 0x12000002u, 0x00000003u, 0x00000004u});
  EXPECT_EQ(c->BorderColor4()[0], 0xFF000001u);
  EXPECT_EQ(c->BorderColor4()[1], 0xFF000002u);
}

TEST_F(ControlsTest, BorderIsAnOutlineOverThePlainRectangle) {
  auto* c = Make<TLxPanel>(100, 100, 40, 30);
  c->SetColor(0xFF0000FFu);
  c->Border = true;
  c->SetBorderColor4({Green, Green, Green, Green});
  App.Frames(1);
  EXPECT_EQ(Rgb(100, 100), Green);
  EXPECT_EQ(Rgb(139, 129), Green);
  EXPECT_EQ(Rgb(120, 100), Green);
  EXPECT_EQ(Rgb(120, 115), Red);
  EXPECT_EQ(Rgb(140, 115), Black);
}

TEST_F(ControlsTest, LineRunsBetweenItsTwoPointsInItsFirstTwoColours) {
  auto* line = Make<TLxLine>(10, 500, 0, 0);
  line->EndLeft = 200;
  line->EndTop = 500;
  line->SetColor4({0xFF00FF00u, 0xFF00FF00u, 0xFF0000FFu, 0xFF0000FFu});
  App.Frames(1);
  EXPECT_EQ(Rgb(100, 500), Green);
  EXPECT_EQ(Rgb(100, 501), Black);
  EXPECT_EQ(Rgb(300, 500), Black);
}

// ---- buttons ----

TEST_F(ControlsTest, APressedButtonIsDrawnTwoPixelsLowerAndToTheRight) {
  auto* button = Make<TLxButton>(100, 100, 60, 30);
  button->SetColor(0xFF0000FFu);
  button->Font.SetColor(White);
  button->SetCaption("OK");  // 12 x 10, centred: at (24, 10)
  ASSERT_EQ(button->Lines().size(), 1u);
  EXPECT_EQ(button->Lines()[0].X, 24);
  EXPECT_EQ(button->Lines()[0].Y, 10);
  App.Frames(1);
  EXPECT_EQ(Rgb(100, 100), Red);
  EXPECT_EQ(Rgb(160, 115), Black);
  EXPECT_EQ(Rgb(124, 110), White);

  App.Press(130, 115);
  EXPECT_TRUE(button->Pressed());
  EXPECT_EQ(button->Left(), 100);
  EXPECT_EQ(button->Top(), 100);
  EXPECT_EQ(Rgb(101, 101), Black);
  EXPECT_EQ(Rgb(102, 102), Red);
  // A button clips to its rectangle, which stays where it is: the shifted picture loses its
  // last two columns and rows.
  EXPECT_EQ(Rgb(159, 129), Red);
  EXPECT_EQ(Rgb(160, 115), Black);
  EXPECT_EQ(Rgb(124, 110), Red);
  EXPECT_EQ(Rgb(126, 112), White);

  App.Release(130, 115);
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(Rgb(100, 100), Red);
  EXPECT_EQ(Rgb(124, 110), White);
  EXPECT_EQ(button->DrawLeft, 100);
}

// ---- labels ----

TEST_F(ControlsTest, WrappedCentredLinesArePlacedInTheMiddleOfTheLabel) {
  auto* label = Make<TLxLabel>(200, 200, 60, 100);
  label->Font.SetColor(White);
  label->SetAlignment(2);
  label->SetCaption("AAAA BBBB CCCC DDDD EEEE");  // glyphs 6 x 10
  const auto& lines = label->Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].Text, "AAAA BBBB");
  EXPECT_EQ(lines[1].Text, "CCCC DDDD");
  EXPECT_EQ(lines[2].Text, "EEEE");
  EXPECT_EQ(label->TextBlockHeight(), 34);  // 3 x 10 + 2 x 2
  EXPECT_EQ(lines[0].Y, 33);
  EXPECT_EQ(lines[1].Y, 45);
  EXPECT_EQ(lines[2].Y, 57);
  EXPECT_EQ(lines[0].X, 3);
  EXPECT_EQ(lines[2].X, 18);
  EXPECT_EQ(label->TextOffset(), 3);
  EXPECT_EQ(label->MaxLineWidth(), 54);
  EXPECT_EQ(lines[2].Color, 0xFFFFFFFFu);
  App.Frames(1);
  EXPECT_EQ(Rgb(218, 257), White);
  EXPECT_EQ(Rgb(217, 257), Black);
  EXPECT_EQ(Rgb(218, 256), Black);
  EXPECT_EQ(Rgb(203, 233), White);
  EXPECT_EQ(Rgb(203, 232), Black);
}

TEST_F(ControlsTest, AlignmentAndLayoutPlaceTheLines) {
  struct Case {
    int32_t alignment, layout;
    int32_t x, firstY;
  };
  // Two lines of 54 and 24 pixels in a 60 x 100 label: a block of 22.
  const std::vector<Case> cases = {
      {0, 0, 1, 1}, {1, 1, 5, 39}, {2, 2, 3, 77}, {0, 2, 1, 77}, {1, 0, 5, 1}};
  for (const Case& c : cases) {
    auto* label = Make<TLxLabel>(0, 0, 60, 100);
    label->SetCaption("AAAA BBBB CCCC");
    label->SetAlignment(c.alignment);
    label->SetLayout(c.layout);
    ASSERT_EQ(label->Lines().size(), 2u);
    EXPECT_EQ(label->Lines()[0].X, c.x) << c.alignment << c.layout;
    EXPECT_EQ(label->Lines()[0].Y, c.firstY) << c.alignment << c.layout;
    EXPECT_EQ(label->Lines()[1].Y, c.firstY + 12) << c.alignment << c.layout;
    delete label;
  }
}

TEST_F(ControlsTest, WrappingKeepsLongWordsWholeAndCollapsesSpaces) {
  auto* label = Make<TLxLabel>(0, 0, 60, 100);
  label->SetCaption("   AA    BB   ");
  ASSERT_EQ(label->Lines().size(), 1u);
  EXPECT_EQ(label->Lines()[0].Text, "AA BB");
  label->SetCaption("A AAAAAAAAAAAA B");  // the middle word is 72 pixels wide
  ASSERT_EQ(label->Lines().size(), 3u);
  EXPECT_EQ(label->Lines()[1].Text, "AAAAAAAAAAAA");
  label->SetCaption("    ");
  EXPECT_TRUE(label->Lines().empty());
  // Narrowing the label lays the text out again.
  label->SetCaption("AAAA BBBB");
  EXPECT_EQ(label->Lines().size(), 1u);
  label->SetWidth(40);
  EXPECT_EQ(label->Lines().size(), 2u);
  label->SetWordWrap(false);
  ASSERT_EQ(label->Lines().size(), 1u);
  EXPECT_EQ(label->Lines()[0].Text, "AAAA BBBB");
}

TEST_F(ControlsTest, AnAutosizedLabelWithoutWrapTakesTheSizeOfItsText) {
  auto* label = Make<TLxLabel>(0, 0, 200, 50);
  label->SetWordWrap(false);
  label->SetAutosize(true);
  label->SetCaption("HELLO");
  EXPECT_EQ(label->Width(), 30);
  EXPECT_EQ(label->Height(), 10);
}

TEST_F(ControlsTest, FontColourChangesRecolourTheLines) {
  auto* label = Make<TLxLabel>(0, 0, 200, 50);
  label->SetCaption("HELLO");
  label->Font.SetColor(0x00123456u);
  EXPECT_EQ(label->Lines()[0].Color, 0xFF123456u);
  label->Font.Alpha = 128;
  label->ColorLines();
  EXPECT_EQ(label->Lines()[0].Color, 0x80123456u);
}

TEST_F(ControlsTest, AMarqueeRunsLeftOnePixelPerFrameAndRestartsAtTheRightEdge) {
  auto* label = Make<TLxLabel>(100, 100, 200, 20);
  label->Font.SetColor(White);
  label->SetWordWrap(false);
  label->SetScrollMode(2);
  label->SetCaption(std::string(50, 'X'));  // 300 pixels
  ASSERT_EQ(label->MaxLineWidth(), 300);
  EXPECT_EQ(label->TextOffset(), 1);
  App.Frames(1);
  EXPECT_EQ(label->TextOffset(), 0);
  EXPECT_EQ(Rgb(100, 105), White);
  App.Frames(10);
  EXPECT_EQ(label->TextOffset(), -10);
  EXPECT_EQ(label->Lines()[0].X, -10);
  App.Frames(290);
  EXPECT_EQ(label->TextOffset(), -300);
  App.Frames(1);
  EXPECT_EQ(label->TextOffset(), 200);
  EXPECT_EQ(Rgb(150, 105), Black);
  App.Frames(1);
  EXPECT_EQ(label->TextOffset(), 199);
  // The label clips its text: nothing beyond its right edge.
  App.Frames(150);
  EXPECT_EQ(label->TextOffset(), 49);
  EXPECT_EQ(Rgb(299, 105), White);
  EXPECT_EQ(Rgb(300, 105), Black);
}

TEST_F(ControlsTest, ALabelWithoutAnEngineFontLaysOutAndDrawsNothing) {
  App.TheEngine->FontList.clear();
  auto* label = Make<TLxLabel>(100, 100, 200, 20);
  label->Font.SetName("ArialBlack");
  label->SetCaption("HELLO");
  EXPECT_TRUE(label->Lines().empty());
  App.Frames(1);
  EXPECT_EQ(Rgb(105, 105), Black);
}

TEST_F(ControlsTest, LabelsAreTransparentUntilGivenAlpha) {
  auto* label = Make<TLxLabel>(100, 100, 50, 20);
  label->SetColor(0xFF0000FFu);
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Black);
  label->SetTransparent(false);
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Red);
  label->SetTransparent(true);
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Black);
}

// ---- textures ----

TEST_F(ControlsTest, AMissingTextureLeavesThePlainRectangle) {
  auto* image = Make<TLxImage>(100, 100, 20, 20);
  image->SetColor(0xFF00FF00u);
  image->Texture.SetGroup("TEST");
  image->Texture.SetName("NOWHERE");
  EXPECT_EQ(image->LoadTexture(), TextureNotFound);
  EXPECT_FALSE(image->TextureLoaded());
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Green);
}

TEST_F(ControlsTest, TextureScaleModesAlignmentAndLayout) {
  struct Case {
    int32_t mode, alignment, layout;
    int32_t texW, texH, ctlW, ctlH;
    int32_t x0, y0, x1, y1;  // the drawn rectangle relative to the control, right/bottom exclusive
  };
  const std::vector<Case> cases = {
      {2, 2, 1, 50, 50, 100, 50, 25, 0, 75, 50},    // fitted, centred
      {2, 0, 1, 50, 25, 50, 100, 0, 37, 50, 62},    // fitted in a tall control
      {2, 1, 0, 50, 50, 100, 50, 50, 0, 100, 50},   // fitted, right
      {0, 1, 2, 20, 10, 100, 50, 80, 40, 100, 50},  // natural size, bottom right
      {0, 0, 0, 20, 10, 100, 50, 0, 0, 20, 10},     // natural size, top left
      {1, 2, 1, 20, 10, 100, 50, 0, 0, 100, 50},    // stretched: alignment has no room
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "IMG_SCALE" + std::to_string(n++);
    PutSolidTexture(name, c.texW, c.texH, 0xFF0000FFu);
    auto* image = Make<TLxImage>(200, 200, c.ctlW, c.ctlH);
    image->SetTextureScaleMode(c.mode);
    image->SetAlignment(c.alignment);
    image->SetLayout(c.layout);
    UseTexture(image, name);
    ASSERT_TRUE(image->TextureLoaded()) << name;
    App.Frames(1);
    const int32_t l = 200, t = 200;
    EXPECT_EQ(Rgb(l + c.x0, t + c.y0), Red) << name;
    EXPECT_EQ(Rgb(l + c.x1 - 1, t + c.y1 - 1), Red) << name;
    if (c.x0 > 0) {
      EXPECT_EQ(Rgb(l + c.x0 - 1, t + c.y0), Black) << name;
    }
    if (c.y0 > 0) {
      EXPECT_EQ(Rgb(l + c.x0, t + c.y0 - 1), Black) << name;
    }
    EXPECT_EQ(Rgb(l + c.x1, t + c.y1 - 1), Black) << name;
    EXPECT_EQ(Rgb(l + c.x1 - 1, t + c.y1), Black) << name;
    delete image;
  }
}

TEST_F(ControlsTest, TheTextureIsTintedByTheCornerColours) {
  PutSolidTexture("IMG_WHITE", 32, 32, 0xFFFFFFFFu);
  auto* image = Make<TLxImage>(100, 100, 32, 32);
  UseTexture(image, "IMG_WHITE");
  image->SetColor(0xFF00FF00u);
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Green);
  image->SetAlpha(128);
  App.Frames(1);
  EXPECT_NEAR(static_cast<int32_t>((App.Pixel(110, 110) >> 8) & 0xFF), 128, 2);
}

TEST_F(ControlsTest, ALargeTextureIsDrawnAsAGridOf256PixelPiecesWhateverTheScaleMode) {
  // 300 x 200: extended to 512 x 256; the first block red, the rest of the image green.
  TLxBitmap bitmap = SolidBitmap(300, 200, 0xFF00FF00u);
  for (int32_t y = 0; y < 200; ++y)
    for (int32_t x = 0; x < 256; ++x) bitmap.Pixels[static_cast<size_t>(y * 300 + x)] = 0xFF0000FFu;
  PutTexture("IMG_WIDE", bitmap);
  auto* image = Make<TLxImage>(50, 50, 100, 100);
  image->SetTextureScaleMode(1);
  UseTexture(image, "IMG_WIDE");
  EXPECT_EQ(image->TileColumns(), 2);
  EXPECT_EQ(image->TileRows(), 1);
  App.Frames(1);
  EXPECT_EQ(Rgb(60, 60), Red);
  EXPECT_EQ(Rgb(50 + 255, 60), Red);
  EXPECT_EQ(Rgb(50 + 256, 60), Green);
  EXPECT_EQ(Rgb(50 + 299, 60), Green);
  EXPECT_EQ(Rgb(50 + 300, 60), Black);  // the extension is transparent
  EXPECT_EQ(Rgb(60, 50 + 199), Red);
  EXPECT_EQ(Rgb(60, 50 + 200), Black);
}

TEST_F(ControlsTest, AScreenSizedTextureFillsTheScreenPieceByPiece) {
  // 800 x 600 becomes 1024 x 768: 4 x 3 pieces, pattern 11 at the bottom right.
  TLxBitmap bitmap = SolidBitmap(800, 600, 0xFF00FF00u);
  auto paint = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1, TLxColor c) {
    for (int32_t y = y0; y < y1; ++y)
      for (int32_t x = x0; x < x1; ++x) bitmap.Pixels[static_cast<size_t>(y * 800 + x)] = c;
  };
  paint(0, 0, 256, 256, 0xFF0000FFu);
  paint(768, 512, 800, 600, 0xFFFF0000u);
  PutTexture("background", bitmap);
  auto* image = Make<TLxImage>(0, 0, 800, 600);
  image->SetAutosize(true);
  UseTexture(image, "background");
  EXPECT_EQ(image->Width(), 1024);
  EXPECT_EQ(image->Height(), 768);
  EXPECT_EQ(image->TileColumns(), 4);
  EXPECT_EQ(image->TileRows(), 3);
  App.Frames(1);
  EXPECT_EQ(Rgb(10, 10), Red);
  EXPECT_EQ(Rgb(300, 10), Green);
  EXPECT_EQ(Rgb(10, 590), Green);
  EXPECT_EQ(Rgb(790, 590), Blue);
  EXPECT_EQ(Rgb(760, 590), Green);
}

TEST_F(ControlsTest, AutosizeTakesTheSizeOfASmallTexture) {
  PutSolidTexture("IMG_SMALL", 40, 30, 0xFFFFFFFFu);
  auto* image = Make<TLxImage>(0, 0, 5, 5);
  image->SetAutosize(true);
  UseTexture(image, "IMG_SMALL");
  EXPECT_EQ(image->Width(), 40);
  EXPECT_EQ(image->Height(), 30);
  EXPECT_EQ(image->TileColumns(), 1);
}

TEST_F(ControlsTest, AnimationRunsThroughTheNumberedTexturesAndStartsAgain) {
  PutSolidTexture("IMG_ANIM", 16, 16, 0xFF0000FFu);
  PutSolidTexture("IMG_ANIM_2", 16, 16, 0xFF00FF00u);
  PutSolidTexture("IMG_ANIM_3", 16, 16, 0xFFFF0000u);
  auto* image = Make<TLxImage>(100, 100, 16, 16);
  UseTexture(image, "IMG_ANIM");
  image->SetAnimate(true);
  App.Frames(59);
  EXPECT_EQ(image->Texture.FrameIndex(), 1);
  EXPECT_EQ(Rgb(108, 108), Red);
  // The change happens in the 60th frame, before it is drawn.
  const std::vector<std::pair<int32_t, TLxColor>> expected = {
      {2, Green}, {3, Blue}, {1, Red}, {2, Green}};
  for (size_t i = 0; i < expected.size(); ++i) {
    App.Frames(i == 0 ? 1 : 60);
    EXPECT_EQ(image->Texture.FrameIndex(), expected[i].first) << i;
    EXPECT_EQ(Rgb(108, 108), expected[i].second) << i;
  }
}

TEST_F(ControlsTest, NextPatternReturnsToTheFirstWhenTheNextFileIsMissing) {
  PutSolidTexture("IMG_TWO", 16, 16, 0xFF0000FFu);
  PutSolidTexture("IMG_TWO_2", 16, 16, 0xFF00FF00u);
  auto* image = Make<TLxImage>(100, 100, 16, 16);
  UseTexture(image, "IMG_TWO");
  image->NextPattern();
  EXPECT_EQ(image->Texture.FrameIndex(), 2);
  EXPECT_TRUE(image->TextureLoaded());
  image->NextPattern();
  EXPECT_EQ(image->Texture.FrameIndex(), 1);
  EXPECT_TRUE(image->TextureLoaded());
  image->SetPattern(2);
  App.Frames(1);
  EXPECT_EQ(Rgb(108, 108), Green);
}

TEST_F(ControlsTest, TwoControlsShareOneLoadedTexture) {
  PutSolidTexture("IMG_SHARED", 16, 16, 0xFF0000FFu);
  auto* a = Make<TLxImage>(0, 0, 16, 16);
  auto* b = Make<TLxImage>(20, 0, 16, 16);
  UseTexture(a, "IMG_SHARED");
  UseTexture(b, "IMG_SHARED");
  EXPECT_EQ(a->Texture.Texture, b->Texture.Texture);
  EXPECT_NE(a->Texture.Texture, nullptr);
}

// ---- scrolling image ----

TEST_F(ControlsTest, AScrollingImageMovesItsTextureThirtyPixelsPerFrameToTheFrame) {
  auto* strip = Make<TLxScrollingImage>(100, 100, 150, 150);
  EXPECT_TRUE(strip->Clip);
  strip->SetItemHeight(150);
  strip->SetItemIndex(3);
  EXPECT_EQ(strip->TargetTop(), -200);
  for (int32_t k = 1; k <= 10; ++k) {
    App.Frames(1);
    EXPECT_EQ(strip->DrawTop, 100 - 30 * k);
  }
  App.Frames(3);
  EXPECT_EQ(strip->DrawTop, -200);
  strip->SetItemIndex(1);
  App.Frames(10);
  EXPECT_EQ(strip->DrawTop, 100);
}

TEST_F(ControlsTest, AMovedScrollingImageStillArrivesAtItsFrame) {
  // A strip of three 150-pixel frames: red, green, blue.
  TLxBitmap bitmap = SolidBitmap(100, 450, 0xFF0000FFu);
  for (int32_t y = 150; y < 450; ++y)
    for (int32_t x = 0; x < 100; ++x)
      bitmap.Pixels[static_cast<size_t>(y * 100 + x)] = y < 300 ? 0xFF00FF00u : 0xFFFF0000u;
  PutTexture("IMG_STRIP", bitmap);
  auto* panel = Make<TLxPanel>(0, 0, 800, 600);
  panel->SetAlpha(0);
  auto* strip = Make<TLxScrollingImage>(100, 100, 100, 150);
  strip->SetParent(panel);
  UseTexture(strip, "IMG_STRIP");
  strip->SetItemHeight(150);
  strip->SetItemIndex(2);
  panel->SetTop(30);  // the strip moves to 130 with its group
  App.Frames(10);
  EXPECT_EQ(strip->DrawTop, -20);
  EXPECT_EQ(Rgb(150, 135), Green);
  EXPECT_EQ(Rgb(150, 275), Green);
  EXPECT_EQ(Rgb(150, 285), Black);  // clipped to the strip's rectangle
}

// ---- hint ----

TEST_F(ControlsTest, EnteringAControlRaisesTheHintWithItsText) {
  auto* image = Make<TLxImage>(100, 100, 50, 50);
  image->Hint = "Play video poker";
  std::vector<std::string> hints;
  App.Main->OnHint = [&](const std::string& h) { hints.push_back(h); };
  App.MoveTo(120, 120);
  App.MoveTo(125, 125);  // still inside: no second notification
  App.MoveTo(400, 400);
  ASSERT_EQ(hints.size(), 1u);
  EXPECT_EQ(hints[0], "Play video poker");
}

}  // namespace
}  // namespace lx::test
