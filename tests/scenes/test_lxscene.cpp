// Scenes and their themes on the headless main window over a scratch installation: the theme
// keys and their defaults, texture resolution with its fallbacks, the scene lists, showing with
// music, reloading, and what a dying scene leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "base/lxlog.h"
#include "gui/lxcontrols.h"
#include "persistence/lxapplication.h"
#include "scenes/lxscene.h"
#include "shell/lxtextures.h"
#include "support/lxtestinstall.h"

namespace lx {
namespace {

constexpr TLxColor Red = ColorOf(255, 0, 0), Green = ColorOf(0, 255, 0), Blue = ColorOf(0, 0, 255),
                   White = ColorOf(255, 255, 255);

class SceneTest : public ::testing::Test {
 protected:
  // A scene named name under the main scene, shown.
  TLxScene* MakeScene(const std::string& name) {
    auto* scene = new TLxScene(main.MainScene, name);
    scene->Background->SetVisible(false);  // the tests look at their own controls
    scene->Show();
    return scene;
  }
  template <typename T>
  T* Add(TLxScene* scene, const std::string& name, int32_t left = 0, int32_t top = 0,
         int32_t width = 0, int32_t height = 0) {
    auto* c = new T(scene);
    c->SetName(name);
    c->SetLeft(left);
    c->SetTop(top);
    c->SetWidth(width);
    c->SetHeight(height);
    scene->AddControl(c);
    return c;
  }
  void Theme(const std::string& scene, const std::string& text) {
    app.PutPak(scene + "\\theme.scn", text);
  }
  bool Logged(const std::string& line) {
    const auto& lines = LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  TLxColor Rgb(int32_t x, int32_t y) { return app.Pixel(x, y) & 0xFFFFFFu; }

  test::TLxThemedTestApp app;
  TfrmMain& main = *app.Main;
};

TEST_F(SceneTest, ANewSceneIsAHiddenLayerUnderTheMainSceneWithItsBackgroundFirst) {
  auto* scene = new TLxScene(main.MainScene);
  EXPECT_FALSE(scene->Visible());
  EXPECT_TRUE(scene->Hidden);
  EXPECT_TRUE(scene->NoRender);
  EXPECT_EQ(scene->Parent(), main.MainScene);
  EXPECT_EQ(scene->Container, scene);
  EXPECT_EQ(scene->ShowMusic, 0);
  EXPECT_TRUE(scene->IsScene());
  scene->SetSceneName("MAINROOM");
  EXPECT_EQ(scene->SceneName(), "MAINROOM");
  EXPECT_EQ(scene->Name(), "MAINROOM");

  ASSERT_EQ(scene->ThemedCount(), 1);
  TLxImage* bg = scene->Background;
  EXPECT_EQ(scene->ThemedControls().front(), bg);
  EXPECT_EQ(bg->Name(), "IMG_BACKGROUND");
  EXPECT_EQ(bg->Parent(), scene);
  EXPECT_EQ(bg->Owner(), scene);
  EXPECT_EQ(std::make_tuple(bg->Left(), bg->Top(), bg->Width(), bg->Height()),
            std::make_tuple(0, 0, 800, 600));
  EXPECT_EQ(bg->Texture.Name(), "background");
  EXPECT_FALSE(bg->Autosize());

  // The root: no parent, visible, always showing, its background not drawn.
  EXPECT_EQ(main.MainScene->Parent(), nullptr);
  EXPECT_TRUE(main.MainScene->Visible());
  EXPECT_TRUE(main.MainScene->IsShowing());
  EXPECT_TRUE(main.MainScene->Background->NoRender);
  EXPECT_EQ(main.MainScene->Name(), "MAINSCENE");
}

TEST_F(SceneTest, AddControlParentsNamesTexturesAndKeepsTheThemedOrder) {
  TLxScene* scene = MakeScene("LOBBY");
  auto* panel = Add<TLxPanel>(scene, "PNL_A");
  auto* inner = new TLxImage(scene);
  inner->SetName("IMG_INNER");
  inner->SetParent(panel);
  inner->Texture.SetName("chip");
  inner->Texture.SetGroup("COMMON");
  scene->AddControl(inner);
  auto* plain = new TLxCustomControl(scene);  // not a themed control
  plain->SetName("PLAIN");
  scene->AddControl(plain);

  EXPECT_EQ(panel->Parent(), scene);
  EXPECT_EQ(inner->Parent(), panel);  // a parent it has is kept
  EXPECT_EQ(panel->Texture.Name(), "PNL_A");
  EXPECT_EQ(panel->Texture.Group(), "LOBBY");
  EXPECT_EQ(inner->Texture.Name(), "chip");  // names the code gave are kept
  EXPECT_EQ(inner->Texture.Group(), "COMMON");

  EXPECT_EQ(scene->FindControl("IMG_INNER"), inner);
  EXPECT_EQ(scene->FindControl("img_inner"), nullptr);  // exact names only
  EXPECT_EQ(scene->FindControl("NONE"), nullptr);

  scene->AddControl(panel);  // listed once only
  scene->MoveControlToEnd(panel);
  EXPECT_EQ(scene->ThemedControls(),
            (std::vector<TLxCustomControl*>{scene->Background, inner, plain, panel}));

  // A freed control leaves the list; its child stays listed but no longer has it as parent.
  delete panel;
  EXPECT_EQ(scene->ThemedControls(),
            (std::vector<TLxCustomControl*>{scene->Background, inner, plain}));
  EXPECT_EQ(scene->FindControl("PNL_A"), nullptr);
  scene->LoadTheme("");  // walks only the living
}

TEST_F(SceneTest, ThemeValuesFollowTheirTypesAndDefaults) {
  Theme("KEYS",
        "[IMG_A]\n"
        "Left=$20\nTop=30\nWidth=abc\nHeight=40\n"
        "Color4=-1_-1_-1_-1\nAlpha4=128\n"
        "Border=1\nBorderColor4=$FF0000FF_0_0_$00FF00\n"
        "FontDXName=Small\nAlignment=2\n"  // not read for images
        "FadeOut=1\nFlyOut=2\n"
        "CustomEffect2_ScrollEnabled=1\nCustomEffect2_ScrollOptions=3\n"
        "CustomEffect2_ScrollDistance=12\nCustomEffect2_ScrollSpeed=258\n"
        "RollOverEffect_ColorEnabled=1\nRollOverEffect_Color=$FF0000FF\n"
        "RollOverEffect_ColorChangeSpeed=4\nRollOverEffect_GrowEnabled=1\n"
        "RollOverEffect_GrowDistance=6\n"
        "\n[lbl_b]\n"  // section names ignore case
        "color4=4294967295_0_0_0\n"
        "FontDXName=Small\nFontSize=12\nFontColor=$0000FF\n"
        "Alignment=258\nLayout=2\nTextureScaleMode=2\n"
        "FadeIn=1\nFadeSpeed=259\nFlyIn=4\nFlySpeed=1\n"
        "MouseCross=1\nMouseCrossColor=$123456\n"
        "CustomEffect3_TextColorEnabled=1\nCustomEffect3_TextColor=-16776961\n"
        "CustomEffect3_AlphaEnabled=1\nCustomEffect3_AlphaBlendValue=100\n"
        "CustomEffect3_AlphaContinuous=1\n");
  TLxScene* scene = MakeScene("KEYS");
  auto* a = Add<TLxImage>(scene, "IMG_A", 1, 2, 50, 60);
  auto* b = Add<TLxLabel>(scene, "LBL_B", 0, 0, 100, 20);
  b->SetColor4({0x00112233u, 0x00445566u, 0x00778899u, 0x00AABBCCu});
  scene->LoadTheme("");

  EXPECT_EQ(std::make_tuple(a->Left(), a->Top(), a->Width(), a->Height()),
            std::make_tuple(32, 30, 50, 40));
  EXPECT_EQ(a->Alpha4(), (TLxAlphas4{255, 255, 255, 128}));  // a lone value is the fourth
  EXPECT_EQ(a->Color4(), (TLxColors4{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0x80FFFFFFu}));
  EXPECT_EQ(a->SavedColor4, a->Color4());  // the colour effects return here
  EXPECT_TRUE(a->Border);
  EXPECT_EQ(a->BorderColor4(), (TLxColors4{0xFF0000FFu, 0xFF000000u, 0xFF000000u, 0xFF00FF00u}));
  EXPECT_EQ(a->Alignment(), 0);
  EXPECT_EQ(a->Font.Name(), "ArialBlack");
  EXPECT_TRUE(a->FadeOut());
  EXPECT_EQ(a->FlyOut(), 2);
  const TLxEffects& custom2 = a->Effects(EffectCustom2);
  EXPECT_TRUE(custom2.ScrollEnabled);
  EXPECT_EQ(custom2.ScrollOptions, ScrollDown);
  EXPECT_EQ(custom2.ScrollDistance, 12);
  EXPECT_EQ(custom2.ScrollSpeed, 2);  // kept in 8 bits
  const TLxEffects& rollOver = a->Effects(EffectRollOver);
  EXPECT_TRUE(rollOver.ColorEnabled);
  EXPECT_EQ(rollOver.Color[3], 0xFF0000FFu);
  EXPECT_EQ(rollOver.ColorChangeSpeed, 4);
  EXPECT_TRUE(rollOver.GrowEnabled);
  EXPECT_EQ(rollOver.GrowDistance, 6);
  EXPECT_FALSE(a->Effects(EffectNormal).ColorEnabled);

  // 4294967295 is no signed 32-bit number: the first corner keeps its colour.
  EXPECT_EQ(b->Color4(), (TLxColors4{0x00112233u, 0, 0, 0}));
  EXPECT_EQ(b->Font.Name(), "Small");
  ASSERT_NE(b->Font.EngineFont(), nullptr);
  EXPECT_EQ(b->Font.EngineFont()->Name, "Small.font");
  EXPECT_EQ(b->Font.Size(), 12);
  EXPECT_EQ(b->Font.Color(), 0x0000FFu);
  EXPECT_EQ(b->Alignment(), 2);
  EXPECT_EQ(b->Layout(), 2);
  EXPECT_EQ(b->TextureScaleMode(), 2);
  EXPECT_TRUE(b->FadeIn());
  EXPECT_EQ(b->FadeSpeed(), 3);
  EXPECT_EQ(b->FadeStep(), 20);
  EXPECT_EQ(b->FlyIn(), 4);
  EXPECT_EQ(b->FlyStep(), 5);
  EXPECT_TRUE(b->MouseCross);
  EXPECT_EQ(b->MouseCrossColor, 0x123456u);
  const TLxEffects& custom3 = b->Effects(EffectCustom3);
  EXPECT_TRUE(custom3.TextColorEnabled);
  EXPECT_EQ(custom3.TextColor, 0xFF0000FFu);
  EXPECT_TRUE(custom3.AlphaEnabled);
  EXPECT_TRUE(custom3.AlphaContinuous);
  EXPECT_EQ(custom3.AlphaBlendValue, 100);
}

TEST_F(SceneTest, AMissingSectionResetsOnlyTheKeysWithConstantDefaults) {
  Theme("KEYS", "[IMG_OTHER]\nLeft=5\n");
  TLxScene* scene = MakeScene("KEYS");
  auto* c = Add<TLxButton>(scene, "BTN_LOST", 77, 88, 90, 30);
  c->Border = true;
  c->SetFadeIn(true);
  c->SetFadeOut(true);
  c->SetFlyIn(2);
  c->SetFlyOut(3);
  c->SetFadeSpeed(3);
  c->Font.SetName("Small");
  c->Font.SetColor(0x123456);
  TLxEffects& e = c->Effects(EffectRollOver);
  e.ColorEnabled = true;
  e.ColorContinuous = false;
  e.ColorChangeSpeed = 3;
  e.ScrollEnabled = true;
  e.ScrollOptions = ScrollLeft;
  e.ScrollDistance = 9;
  e.AlphaBlendValue = 70;
  scene->LoadTheme("");

  EXPECT_FALSE(c->Border);
  EXPECT_FALSE(c->FadeIn());
  EXPECT_FALSE(c->FadeOut());
  EXPECT_EQ(c->FlyIn(), 0);
  EXPECT_EQ(c->FlyOut(), 0);
  EXPECT_EQ(c->Font.Name(), "ArialBlack");
  EXPECT_FALSE(e.ColorEnabled);
  EXPECT_EQ(e.ColorChangeSpeed, 0);
  EXPECT_FALSE(e.ScrollEnabled);
  EXPECT_EQ(e.ScrollOptions, ScrollNone);
  // The keys whose default is the current value keep it.
  EXPECT_EQ(std::make_tuple(c->Left(), c->Top(), c->Width(), c->Height()),
            std::make_tuple(77, 88, 90, 30));
  EXPECT_EQ(c->FadeSpeed(), 3);
  EXPECT_EQ(c->Font.Color(), 0x123456u);
  EXPECT_FALSE(e.ColorContinuous);
  EXPECT_EQ(e.ScrollDistance, 9);
  EXPECT_EQ(e.AlphaBlendValue, 70);
}

TEST_F(SceneTest, ThemeColoursAndTexturesShowOnScreen) {
  app.PutPicture("PAINT\\IMG_TINTED.bmp", 40, 40, White);
  app.PutPicture("PAINT\\IMG_HALF.bmp", 40, 40, White);
  app.PutPicture("COMMON\\IMG_SHARED.bmp", 40, 40, Blue);
  Theme("PAINT",
        "[IMG_TINTED]\nLeft=10\nTop=10\nWidth=40\nHeight=40\nColor4=$FF0000FF_$FF0000FF_"
        "$FF0000FF_$FF0000FF\n"
        "[IMG_HALF]\nLeft=60\nTop=10\nWidth=40\nHeight=40\nAlpha4=128_128_128_128\n"
        "[IMG_SHARED]\nLeft=110\nTop=10\nWidth=40\nHeight=40\n"
        "[PNL_PLAIN]\nLeft=160\nTop=10\nWidth=40\nHeight=40\nColor4=$FF00FF00_$FF00FF00_"
        "$FF00FF00_$FF00FF00\nBorder=1\nBorderColor4=$FFFF0000_$FFFF0000_$FFFF0000_$FFFF0000\n");
  TLxScene* scene = MakeScene("PAINT");
  auto* tinted = Add<TLxImage>(scene, "IMG_TINTED");
  auto* half = Add<TLxImage>(scene, "IMG_HALF");
  auto* shared = Add<TLxImage>(scene, "IMG_SHARED");
  auto* plain = Add<TLxPanel>(scene, "PNL_PLAIN");
  scene->LoadTheme("");
  app.Frames(1);

  EXPECT_TRUE(tinted->TextureLoaded());
  EXPECT_EQ(Rgb(30, 30), Red & 0xFFFFFF);                         // white tinted red
  EXPECT_NEAR(static_cast<int32_t>(Rgb(80, 30) & 0xFF), 128, 2);  // half white over black
  EXPECT_EQ(shared->Texture.Group(), "COMMON");  // not in PAINT: the common picture
  EXPECT_EQ(Rgb(130, 30), Blue & 0xFFFFFF);
  EXPECT_FALSE(plain->TextureLoaded());  // found nowhere: the plain rectangle
  EXPECT_EQ(Rgb(180, 30), Green & 0xFFFFFF);
  EXPECT_EQ(Rgb(160, 30), Blue & 0xFFFFFF);  // the outline ($FFFF0000 is blue)
  EXPECT_EQ(half->Texture.Prefix(), Settings->ThemeFolder);
}

TEST_F(SceneTest, AButtonTakesTheScenePictureThenTheCommonOneThenTheButtonPicture) {
  Theme("LOGIN", "[BTN_OK]\nLeft=100\nTop=100\nWidth=120\nHeight=36\n");
  app.PutPicture("LOGIN\\BTN_OK.bmp", 120, 36, Red);
  app.PutPicture("COMMON\\BTN_OK.bmp", 120, 36, Green);
  TLxScene* scene = MakeScene("LOGIN");
  auto* ok = Add<TLxButton>(scene, "BTN_OK");
  auto* image = Add<TLxImage>(scene, "IMG_NOWHERE", 300, 100, 50, 50);
  image->SetColor(Blue);

  struct TStep {
    const char* Remove;
    const char* Restore;
    const char* Group;
    const char* Name;
    TLxColor Center;  // the common button picture is gold
  };
  const TStep steps[] = {
      {nullptr, nullptr, "LOGIN", "BTN_OK", Red},
      {"LOGIN\\BTN_OK.bmp", nullptr, "COMMON", "BTN_OK", Green},
      {"COMMON\\BTN_OK.bmp", nullptr, "COMMON", "BTN_ALL", 0},
      // A picture added to the scene's folder wins again at the next reload.
      {nullptr, "LOGIN\\BTN_OK.bmp", "LOGIN", "BTN_OK", Red},
  };
  for (const TStep& s : steps) {
    SCOPED_TRACE(std::string(s.Group) + "\\" + s.Name);
    if (s.Remove) app.RemovePak(s.Remove);
    if (s.Restore) app.PutPicture(s.Restore, 120, 36, Red);
    main.ReloadTheme();
    app.Frames(1);
    EXPECT_EQ(ok->Texture.Group(), s.Group);
    EXPECT_EQ(ok->Texture.Name(), s.Name);
    EXPECT_TRUE(ok->TextureLoaded());
    if (s.Center)
      EXPECT_EQ(Rgb(160, 118), s.Center & 0xFFFFFF);
    else
      EXPECT_GT(Rgb(160, 118) & 0xFF, 150u);      // gold: strong red ...
    EXPECT_LT(Rgb(160, 118) >> 16 & 0xFF, 150u);  // ... and little blue
  }
  // Not a button: no class picture; the name stays, in "COMMON", drawn as its colour.
  EXPECT_EQ(image->Texture.Name(), "IMG_NOWHERE");
  EXPECT_EQ(image->Texture.Group(), "COMMON");
  EXPECT_FALSE(image->TextureLoaded());
  EXPECT_EQ(Rgb(320, 120), Blue & 0xFFFFFF);
}

TEST_F(SceneTest, AControlWithoutANameIsNotThemedButGetsItsTexture) {
  app.PutPicture("NAMES\\PIC.bmp", 30, 30, Red);
  Theme("NAMES", "[IMG_NAMED]\nLeft=50\n");
  TLxScene* scene = MakeScene("NAMES");
  auto* unnamed = new TLxImage(scene);
  unnamed->Texture.SetName("PIC");
  unnamed->SetWidth(30);
  unnamed->SetHeight(30);
  unnamed->Border = true;
  scene->AddControl(unnamed);
  scene->LoadTheme("");
  EXPECT_TRUE(unnamed->TextureLoaded());
  EXPECT_EQ(unnamed->Texture.Group(), "NAMES");
  EXPECT_TRUE(unnamed->Border);  // no section was read, not even for the constant defaults
}

TEST_F(SceneTest, WithoutAThemeFileControlsKeepTheirPlacesAndStillGetTextures) {
  TLxScene* scene = MakeScene("NOTHEME");
  auto* frame = Add<TLxImage>(scene, "IMG_FRAME", 12, 34, 56, 78);
  frame->Border = true;
  scene->LoadTheme("");
  EXPECT_TRUE(Logged("ERROR: Cannot load theme-config for scene NOTHEME"));
  EXPECT_EQ(std::make_tuple(frame->Left(), frame->Top(), frame->Width(), frame->Height()),
            std::make_tuple(12, 34, 56, 78));
  EXPECT_TRUE(frame->Border);
  EXPECT_EQ(frame->Texture.Group(), "COMMON");  // the archive's common window picture
  EXPECT_TRUE(frame->TextureLoaded());
}

TEST_F(SceneTest, ThemesComeFromTheArchiveAndALooseFileOverridesThem) {
  TLxScene* scene = MakeScene("TOOLKIT");
  auto* credit = Add<TLxLabel>(scene, "LBL_CREDIT");
  scene->LoadTheme("");
  EXPECT_EQ(std::make_tuple(credit->Left(), credit->Top(), credit->Width(), credit->Height()),
            std::make_tuple(34, 232, 292, 28));
  EXPECT_EQ(credit->Alignment(), 1);
  Theme("TOOLKIT", "[LBL_CREDIT]\nLeft=99\n");
  scene->LoadTheme("");
  EXPECT_EQ(credit->Left(), 99);
}

TEST_F(SceneTest, ThemeProgressIsRaisedForEveryThemedControlInOrder) {
  Theme("PROGRESS", "");
  TLxScene* scene = MakeScene("PROGRESS");
  Add<TLxImage>(scene, "IMG_ONE");
  scene->AddControl(new TLxCustomControl(scene));  // no themed control: skipped
  Add<TLxLabel>(scene, "");
  Add<TLxButton>(scene, "BTN_TWO");
  std::vector<std::tuple<TLxScene*, int32_t, int32_t, std::string>> calls;
  scene->OnThemeProgress = [&](TLxScene* sender, int32_t step, int32_t index,
                               const std::string& name) {
    calls.emplace_back(sender, step, index, name);
  };
  scene->LoadTheme("");
  using Call = std::tuple<TLxScene*, int32_t, int32_t, std::string>;
  EXPECT_EQ(calls,
            (std::vector<Call>{Call{scene, 1, 0, "IMG_BACKGROUND"}, Call{scene, 1, 1, "IMG_ONE"},
                               Call{scene, 1, 3, ""}, Call{scene, 1, 4, "BTN_TWO"}}));
}

TEST_F(SceneTest, ThemedNormalEffectsStartWhenTheThemeIsApplied) {
  Theme("FX",
        "[IMG_PULSE]\nNormalEffect_AlphaEnabled=1\nNormalEffect_AlphaContinuous=1\n"
        "NormalEffect_AlphaBlendValue=225\n");
  TLxScene* scene = MakeScene("FX");
  auto* pulse = Add<TLxImage>(scene, "IMG_PULSE", 10, 10, 20, 20);
  scene->LoadTheme("");
  std::vector<int32_t> alphas;
  for (int i = 0; i < 8; ++i) {
    app.Frames(1);
    alphas.push_back(pulse->Alpha());
  }
  EXPECT_EQ(alphas, (std::vector<int32_t>{245, 235, 225, 235, 245, 255, 245, 235}));
}

TEST_F(SceneTest, ShowStartsTheSceneMusicAndHideHidesAtOnce) {
  app.StartSounds();
  TLxScene* room = MakeScene("ROOM");
  room->Hide();
  room->ShowMusic = 1;
  auto* fading = Add<TLxPanel>(room, "PNL_FADING", 0, 0, 100, 100);
  fading->SetColor(Red);
  fading->SetFadeOut(true);
  ClearLog();
  room->Show();
  EXPECT_TRUE(room->Visible());
  EXPECT_FALSE(room->Hidden);
  ASSERT_NE(Sounds->CurrentMusic, nullptr);
  EXPECT_EQ(LogLines().size(), 1u);
  EXPECT_EQ(LogLines()[0].rfind("[MUSIC] Starting ", 0), 0u);
  app.Frames(1);
  EXPECT_EQ(Rgb(50, 50), Red & 0xFFFFFF);

  room->Hide();
  EXPECT_TRUE(room->Hidden);
  EXPECT_FALSE(room->Visible());
  app.Frames(1);
  EXPECT_EQ(Rgb(50, 50), 0u);  // the scene is gone at once; no fade-out is waited for
  room->Show();                // the same piece keeps playing
  EXPECT_EQ(LogLines().size(), 1u);

  TLxScene* silent = MakeScene("SILENT");
  silent->Hide();
  ClearLog();
  silent->Show();
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SceneTest, AFreedSceneTakesTheFocusOfItsControlsWithIt) {
  TLxScene* scene = MakeScene("FOCUS");
  auto* inside = Add<TLxLabel>(scene, "LBL_IN");
  auto* outside = new TLxLabel(main.MainScene);
  outside->SetParent(main.MainScene);

  outside->SetFocused(true);
  delete MakeScene("OTHER");
  EXPECT_EQ(main.ActiveControl, outside);  // not one of its controls: kept

  inside->SetFocused(true);
  ASSERT_EQ(main.ActiveControl, inside);
  delete scene;
  EXPECT_EQ(main.ActiveControl, nullptr);
  EXPECT_TRUE(Logged("INFO: ACTIVECONTROL IS: NONE"));
}

TEST_F(SceneTest, ReloadThemeReappliesEverySceneUnderTheHourglass) {
  Theme("ONE", "[IMG_X]\nLeft=1\n");
  Theme("TWO", "[IMG_X]\nLeft=2\n");
  TLxScene* one = MakeScene("ONE");
  TLxScene* two = MakeScene("TWO");
  two->Hide();  // hidden scenes reload too
  auto* x1 = Add<TLxImage>(one, "IMG_X");
  auto* x2 = Add<TLxImage>(two, "IMG_X");
  std::vector<bool> waiting;
  one->OnThemeProgress = [&](TLxScene*, int32_t, int32_t, const std::string&) {
    waiting.push_back(app.Window.WaitCursor());
  };
  ClearLog();
  main.ReloadTheme();
  EXPECT_EQ(x1->Left(), 1);
  EXPECT_EQ(x2->Left(), 2);
  EXPECT_EQ(LogLines().front(), "INFO: Loading theme: TESTCASINO");
  ASSERT_FALSE(waiting.empty());
  EXPECT_TRUE(waiting.front());
  EXPECT_FALSE(app.Window.WaitCursor());

  // The developer key does the same.
  Theme("ONE", "[IMG_X]\nLeft=11\n");
  main.DevMode = true;
  app.Key(vk::F5);
  EXPECT_EQ(x1->Left(), 11);
  EXPECT_TRUE(Logged("INFO: Theme reloaded !"));
}

TEST_F(SceneTest, DeveloperModeReportsTheTextureCountAfterATheme) {
  TLxApplicationInfo info(app.Root);
  info.DevMode = true;
  AppInfo = &info;
  TLxScene* scene = MakeScene("TOOLKIT");
  Add<TLxImage>(scene, "IMG_CHIP1")->Texture.SetName("IMG_CHIP");
  scene->LoadTheme("");
  AppInfo = nullptr;
  EXPECT_GE(Engine->Textures->Count(), 2);  // the background and the chip
  EXPECT_EQ(LogLines().back(), "INFO: TextureCount: " + std::to_string(Engine->Textures->Count()));
}

}  // namespace
}  // namespace lx
