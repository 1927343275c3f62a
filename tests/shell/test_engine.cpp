#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/lxlog.h"
#include "platform/lxfiles.h"
#include "platform/lxplatform.h"
#include "shell/lxcore.h"
#include "support/lxtestfonts.h"

namespace lx {
namespace {

constexpr TLxColor Red = ColorOf(255, 0, 0), Green = ColorOf(0, 255, 0), Blue = ColorOf(0, 0, 255),
                   White = ColorOf(255, 255, 255), Black = ColorOf(0, 0, 0);

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine = std::make_unique<TLxEngine>(&window, false);
    ASSERT_TRUE(engine->Initialize());
    engine->Clear(Black);
    engine->BeginScene();
  }
  TLxColor At(int x, int y) { return window.Device().PixelAt(x, y); }
  static int Channel(TLxColor c, int i) { return static_cast<int>((c >> (8 * i)) & 0xFF); }

  TLxHeadlessWindow window;
  std::unique_ptr<TLxEngine> engine;
};

TEST_F(EngineTest, FillRectCoversExactlyItsRectangle) {
  const TLxColor4 red = {Red, Red, Red, Red};
  engine->FillRect({10, 20, 30, 40}, red, DrawOpBlend);
  EXPECT_EQ(At(10, 20), Red);
  EXPECT_EQ(At(29, 39), Red);
  EXPECT_EQ(At(30, 39), Black);
  EXPECT_EQ(At(29, 40), Black);
  EXPECT_EQ(At(9, 20), Black);
}

TEST_F(EngineTest, FillRectInterpolatesCornerColoursAndBlends) {
  // Red at the top, blue at the bottom: the middle row is half of each.
  const TLxColor4 gradient = {Red, Red, Blue, Blue};
  engine->FillRect({0, 0, 100, 101}, gradient, DrawOpBlend);
  const TLxColor top = At(50, 1), mid = At(50, 50), bottom = At(50, 99);
  EXPECT_GT(Channel(top, 0), 240);
  EXPECT_GT(Channel(bottom, 2), 240);
  EXPECT_NEAR(Channel(mid, 0), 128, 8);
  EXPECT_NEAR(Channel(mid, 2), 128, 8);

  // Half-transparent white over black in blend mode; opaque mode replaces.
  const TLxColor half = ColorOf(255, 255, 255, 128);
  const TLxColor4 halves = {half, half, half, half};
  engine->FillRect({200, 0, 210, 10}, halves, DrawOpBlend);
  EXPECT_NEAR(Channel(At(205, 5), 1), 128, 2);
  engine->FillRect({220, 0, 230, 10}, halves, DrawOpOpaque);
  EXPECT_EQ(Channel(At(225, 5), 1), 255);
}

TEST_F(EngineTest, FrameRectDrawsTheOutlineOnly) {
  const TLxColor4 green = {Green, Green, Green, Green};
  engine->FrameRect({100, 100, 110, 120}, green, DrawOpOpaque);
  for (auto [x, y] : {std::pair{100, 100},
                      {109, 100},
                      {109, 119},
                      {100, 119},
                      {105, 100},
                      {100, 110},
                      {109, 110},
                      {105, 119}})
    EXPECT_EQ(At(x, y), Green) << x << "," << y;
  EXPECT_EQ(At(105, 110), Black);
  EXPECT_EQ(At(110, 110), Black);
}

TEST_F(EngineTest, DrawLineRunsFromTheFirstColourToTheSecond) {
  engine->DrawLine({0, 300}, {100, 300}, Red, Blue, DrawOpOpaque);
  EXPECT_EQ(At(0, 300), Red);
  EXPECT_EQ(At(100, 300), Blue);
  EXPECT_NEAR(Channel(At(50, 300), 0), 128, 4);
  engine->DrawLine({10, 310}, {20, 320}, White, White, DrawOpOpaque);
  EXPECT_EQ(At(15, 315), White);
}

TEST_F(EngineTest, ClipRectanglesAreClampedToTheScreen) {
  const TLxColor4 red = {Red, Red, Red, Red};
  engine->SetClipRect({-10, -10, 5, 5});
  engine->FillRect({0, 0, 50, 50}, red, DrawOpBlend);
  EXPECT_EQ(At(4, 4), Red);
  EXPECT_EQ(At(5, 5), Black);
  engine->SetClipRect({790, 590, 900, 700});
  engine->FillRect({780, 580, 800, 600}, red, DrawOpBlend);
  EXPECT_EQ(At(799, 599), Red);
  EXPECT_EQ(At(789, 595), Black);
  // Entirely off screen: nothing at all is drawn.
  engine->SetClipRect({900, 900, 1000, 1000});
  engine->FillRect({0, 0, 800, 600}, red, DrawOpBlend);
  EXPECT_EQ(At(400, 300), Black);
  engine->ResetClipRect();
  engine->FillRect({0, 0, 800, 600}, red, DrawOpBlend);
  EXPECT_EQ(At(400, 300), Red);
}

TEST_F(EngineTest, TexMapDrawsOnePatternModulatedByTheCornerColours) {
  // Four 8 x 8 patterns in one 16 x 16 texture, plus a fifth in a second texture.
  auto texture =
      test::MakePatternTexture(window.Device(), 8, 8, 5, {Red, Green, Blue, White}, 16, 16);
  ASSERT_TRUE(texture->Loaded());
  const TLxColor4 white = {White, White, White, White};
  const TLxQuad quad = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
  engine->TexMap(texture.get(), quad, 2, white, DrawOpBlendModulate);
  EXPECT_EQ(At(20, 20), Blue);
  EXPECT_EQ(At(1, 1), Blue);
  EXPECT_EQ(At(39, 39), Blue);
  const TLxQuad second = {{50, 0}, {60, 0}, {60, 10}, {50, 10}};
  engine->TexMap(texture.get(), second, 4, white, DrawOpBlendModulate);
  EXPECT_EQ(At(55, 5), Red);
  // A white pattern modulated by green corners is green; half alpha blends over what is there.
  const TLxColor4 green = {Green, Green, Green, Green};
  const TLxQuad third = {{100, 0}, {110, 0}, {110, 10}, {100, 10}};
  engine->TexMap(texture.get(), third, 3, green, DrawOpBlendModulate);
  EXPECT_EQ(At(105, 5), Green);
  const TLxColor halfRed = ColorOf(255, 0, 0, 128);
  const TLxColor4 halves = {halfRed, halfRed, halfRed, halfRed};
  engine->TexMap(texture.get(), third, 3, halves, DrawOpBlendModulate);
  EXPECT_NEAR(Channel(At(105, 5), 0), 128, 3);
  EXPECT_NEAR(Channel(At(105, 5), 1), 127, 3);
  // A pattern that does not exist, or no texture, draws nothing.
  const TLxQuad fourth = {{200, 0}, {210, 0}, {210, 10}, {200, 10}};
  engine->TexMap(texture.get(), fourth, 5, white, DrawOpBlendModulate);
  engine->TexMap(nullptr, fourth, 0, white, DrawOpBlendModulate);
  EXPECT_EQ(At(205, 5), Black);
}

TEST_F(EngineTest, TextColourCodesAndTheirLimits) {
  auto font = test::MakeSolidFont(window.Device(), 6, 10);
  struct Case {
    const char* text;
    int32_t width;
  } cases[] = {
      {"AB", 12},           {"", 0}, {"#$FF0000FFAB", 12},  // a code with two characters after it
      {"#$FF0000FFA", 66},   // one following character is not enough: drawn literally
      {"xy#$FF0000FF", 72},  // the code as the last ten characters: drawn literally
      {"#$GGGGGGGGAB", 12},  // not a number: skipped, colour unchanged
      {"#A", 12},            // a plain '#'
      {"A\nB\x80", 12},      // characters outside the font neither draw nor advance
  };
  for (const Case& c : cases) EXPECT_EQ(engine->TextWidth(font.get(), c.text), c.width) << c.text;
  EXPECT_EQ(engine->TextHeight(font.get(), "AB"), 10);
  EXPECT_EQ(engine->TextHeight(font.get(), "\n"), 0);
  EXPECT_EQ(engine->TextWidth(nullptr, "AB"), 0);

  // The code turns the following characters red (0xFF0000FF: alpha FF, red FF).
  engine->TextOut(font.get(), "A#$FF0000FFBC", 100, 200, Green, DrawOpBlendModulate);
  EXPECT_EQ(At(102, 205), Green);
  EXPECT_EQ(At(108, 205), Red);
  EXPECT_EQ(At(114, 205), Red);
  EXPECT_EQ(At(120, 205), Black);
  // An invalid code keeps the colour.
  engine->TextOut(font.get(), "#$XXXXXXXXAB", 100, 300, Blue, DrawOpBlendModulate);
  EXPECT_EQ(At(102, 305), Blue);
}

TEST_F(EngineTest, FindFontFallsBackToTheFirstFont) {
  EXPECT_EQ(engine->FindFont("anything"), nullptr);  // no fonts at all
  for (const char* name : {"ArialBlack.font", "Small.font"}) {
    auto f = std::make_unique<TLxEngineFont>();
    f->Name = name;
    engine->FontList.push_back(std::move(f));
  }
  EXPECT_EQ(engine->FindFont("small")->Name, "Small.font");
  EXPECT_EQ(engine->FindFont("arialblack")->Name, "ArialBlack.font");
  EXPECT_EQ(engine->FindFont("Missing")->Name, "ArialBlack.font");
  EXPECT_EQ(engine->FindFont("Small.font")->Name, "ArialBlack.font");  // ".font" is appended
  engine->Initialized = false;
  EXPECT_EQ(engine->FindFont("small"), nullptr);
}

TEST_F(EngineTest, FullScreenSwitchPausesRenderingAndReachesTheWindow) {
  EXPECT_FALSE(engine->IsFullScreen());
  engine->SetFullScreen(true);
  EXPECT_TRUE(engine->IsFullScreen());
  EXPECT_TRUE(window.IsFullScreen());
  EXPECT_TRUE(engine->Timer.MayRender);
  engine->SetFullScreen(true);  // no change: the window is not switched again
  EXPECT_EQ(window.FullScreenSwitches, 1);
  engine->SetFullScreen(false);
  EXPECT_FALSE(window.IsFullScreen());
}

TEST_F(EngineTest, ScreenShotTakesTheFirstFreeNameAndWritesTheBackBuffer) {
  const std::string dir =
      std::filesystem::temp_directory_path() / ("lxshot-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  WriteFileAtomic("screenshot_01.bmp", "x");
  WriteFileAtomic("screenshot_02.bmp", "x");
  const TLxColor4 red = {Red, Red, Red, Red};
  engine->FillRect({0, 0, 800, 600}, red, DrawOpBlend);
  ClearLog();
  EXPECT_EQ(engine->ScreenShot(), "screenshot_03.bmp");
  EXPECT_EQ(LogLines().back(), "INFO: ScreenShot : screenshot_03.bmp");
  EXPECT_FALSE(FileExists("screenshot_03.bmp"));  // written with the next frame
  engine->EndScene();
  engine->Flip();
  const auto bytes = ReadWholeFile("screenshot_03.bmp");
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 54u + 800u * 600u * 4u);
  EXPECT_EQ(bytes->substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[28]), 32);       // bits per pixel
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[54 + 2]), 255);  // first pixel's red
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[54 + 0]), 0);    // and blue
}

}  // namespace
}  // namespace lx
