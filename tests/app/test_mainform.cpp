#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "base/lxerror.h"
#include "base/lxlog.h"
#include "gui/lxclasses.h"
#include "gui/lxcontrols.h"
#include "persistence/lxsettings.h"
#include "platform/lxfiles.h"
#include "scenes/lxanims.h"
#include "scenes/lxscene.h"
#include "support/lxtestapp.h"

namespace lx {
namespace {

// A control that fills its rectangle and records the keys it gets.
class TBox : public TLxCustomControl {
 public:
  TBox(TLxComponent* owner, TLxCustomControl* parent, TLxRect r, TLxColor color,
       std::vector<std::string>* journal = nullptr)
      : TLxCustomControl(owner), Color(color), Journal(journal) {
    SetParent(parent);
    SetLeft(r.Left);
    SetTop(r.Top);
    SetWidth(r.Right - r.Left);
    SetHeight(r.Bottom - r.Top);
  }
  void Paint() override {
    const TLxColor4 c = {Color, Color, Color, Color};
    Engine->FillRect({Left(), Top(), Left() + Width(), Top() + Height()}, c, DrawOpBlend);
  }
  void KeyDown(uint16_t& key, uint8_t shift) override {
    if (Journal) Journal->push_back(Name());
    TLxCustomControl::KeyDown(key, shift);
  }
  const std::string* HintText() const override { return &Hint; }
  TLxColor Color;
  std::vector<std::string>* Journal;
  std::string Hint;
};

class TJournalScene : public TLxScene {
 public:
  TJournalScene(TLxComponent* owner, const std::string& name, std::vector<std::string>* journal)
      : TLxScene(owner, name), Journal(journal) {}
  void KeyDown(uint16_t& key, uint8_t shift) override {
    Journal->push_back(Name());
    TLxScene::KeyDown(key, shift);
  }
  std::vector<std::string>* Journal;
};

// An animation that counts its steps and can be told to act inside them.
class TCountingAnim : public TLxAnim {
 public:
  TCountingAnim() { WaitForEnd = false; }
  void Process() override {
    ++Steps;
    if (OnStep) OnStep(this);
  }
  int Steps = 0;
  std::function<void(TCountingAnim*)> OnStep;
};

constexpr TLxColor Red = ColorOf(255, 0, 0), Blue = ColorOf(0, 0, 255);

class MainFormTest : public ::testing::Test {
 protected:
  test::TLxTestApp app;
  TfrmMain& main = *app.Main;
};

TEST_F(MainFormTest, AFrameWithoutAnimationsClearsDrawsTheTreeAndPresents) {
  auto* box = new TBox(main.MainScene, main.MainScene, {10, 10, 50, 50}, Red);
  const uint64_t before = app.Window.FramesPresented;
  app.Frames();
  EXPECT_EQ(app.Window.FramesPresented, before + 1);
  EXPECT_EQ(app.Pixel(20, 20), Red);
  box->SetVisible(false);
  app.Frames();
  EXPECT_EQ(app.Pixel(20, 20), ColorOf(0, 0, 0));  // cleared, not left over
}

TEST_F(MainFormTest, AnimationListSurvivesStopsAndNestedFrames) {
  TCountingAnim a, b, c;
  a.Start();
  b.Start();
  // a stops itself in its step: b is not stepped in that frame, but in the next one.
  a.OnStep = [](TCountingAnim* self) { self->Stop(); };
  app.Frames();
  EXPECT_EQ(a.Steps, 1);
  EXPECT_EQ(b.Steps, 0);
  app.Frames();
  EXPECT_EQ(b.Steps, 1);
  EXPECT_EQ(main.AnimsCount, 1);

  // A running flag cleared without Stop: dropped at the start of the next frame, not stepped.
  b.Running = false;
  app.Frames();
  EXPECT_EQ(b.Steps, 1);
  EXPECT_FALSE(b.InList);
  EXPECT_EQ(main.AnimsCount, 0);

  // An animation started during a step is first stepped in the next frame.
  c.Start();
  c.OnStep = [&](TCountingAnim*) {
    if (!a.Running) a.Start();
  };
  a.OnStep = nullptr;
  app.Frames();
  EXPECT_EQ(a.Steps, 1);
  app.Frames();
  EXPECT_EQ(a.Steps, 2);

  // A step that renders frames itself (a nested loop waiting for something) and removes the
  // animation after it: the outer frame still ends and presents a clean picture.
  auto* box = new TBox(main.MainScene, main.MainScene, {0, 0, 20, 20}, Blue);
  (void)box;
  c.OnStep = [&](TCountingAnim* self) {
    self->OnStep = nullptr;
    main.WaitMs(100);
    a.Stop();
  };
  const uint64_t before = app.Window.FramesPresented;
  app.Frames();
  EXPECT_GT(app.Window.FramesPresented, before + 2);
  EXPECT_EQ(main.Anims.size(), 1u);
  EXPECT_EQ(app.Pixel(5, 5), Blue);
  c.Stop();
}

TEST_F(MainFormTest, KeysReachFocusThenInputRootThenEveryScene) {
  std::vector<std::string> journal;
  auto* shown = new TJournalScene(main.MainScene, "SHOWN", &journal);
  shown->SetVisible(true);
  new TJournalScene(main.MainScene, "HIDDEN", &journal);
  auto* box = new TBox(main.MainScene, main.MainScene, {0, 0, 10, 10}, Red, &journal);
  box->SetName("BOX");
  auto* focus = new TBox(shown, shown, {0, 0, 10, 10}, Red, &journal);
  focus->SetName("FOCUS");
  focus->SetFocused(true);
  main.MainScene->OnKeyDown = [&](TLxCustomControl*, uint16_t&, uint8_t) {
    journal.push_back("ROOT");
  };
  app.Key('A');
  EXPECT_EQ(journal, (std::vector<std::string>{"FOCUS", "ROOT", "SHOWN", "HIDDEN"}));

  // While a modal scene is the input root, the scenes under the main scene get nothing.
  journal.clear();
  auto* modal = new TJournalScene(main.MainScene, "MODAL", &journal);
  modal->SetVisible(true);
  auto* inner = new TJournalScene(modal, "INNER", &journal);
  inner->SetParent(modal);
  focus->SetFocused(false);
  main.SetActiveControl(nullptr);
  main.SetInputRoot(modal);
  app.Key('A');
  EXPECT_EQ(journal, (std::vector<std::string>{"MODAL", "INNER"}));
}

TEST_F(MainFormTest, MousePressesOutsideTheInputRootReachNothing) {
  auto* outside = new TBox(main.MainScene, main.MainScene, {0, 0, 100, 100}, Red);
  auto* modal = new TLxScene(main.MainScene, "MODAL");
  modal->SetVisible(true);
  // Routing only: the scene's full-screen picture would take every press on its own.
  modal->Background->SetVisible(false);
  auto* inside = new TBox(modal, modal, {200, 200, 300, 300}, Blue);
  int outsideClicks = 0, insideClicks = 0;
  outside->OnClick = [&](TLxCustomControl*) { ++outsideClicks; };
  inside->OnClick = [&](TLxCustomControl*) { ++insideClicks; };
  main.SetInputRoot(modal);
  app.Click(50, 50);
  app.Click(250, 250);
  EXPECT_EQ(outsideClicks, 0);
  EXPECT_EQ(insideClicks, 1);
  main.SetInputRoot(main.MainScene);
  app.Click(50, 50);
  EXPECT_EQ(outsideClicks, 1);
}

TEST_F(MainFormTest, PressPositionIsStoredBeforeDispatchAndReleaseOutsideCancels) {
  auto* box = new TBox(main.MainScene, main.MainScene, {100, 100, 200, 200}, Red);
  std::vector<std::string> events;
  box->OnMouseDown = [&](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t x, int32_t y) {
    events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  };
  box->OnMouseUp = [&](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t x, int32_t y) {
    events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  box->OnClick = [&](TLxCustomControl*) { events.push_back("click"); };
  app.Press(150, 160);
  app.Release(400, 400);
  EXPECT_EQ(events, (std::vector<std::string>{"down 150,160"}));
  EXPECT_FALSE(box->Pressed());
  events.clear();
  app.Press(120, 130);
  app.Release(180, 190);
  EXPECT_EQ(events, (std::vector<std::string>{"down 120,130", "up 120,130", "click"}));
}

TEST_F(MainFormTest, APressClosesTheOpenPopupAfterItWasDelivered) {
  auto* popup = new TBox(main.MainScene, main.MainScene, {0, 0, 50, 50}, Red);
  auto* item = new TBox(popup, popup, {10, 10, 40, 40}, Blue);
  TLxCustomControl* popupWhenPressed = nullptr;
  std::vector<TLxCustomControl*> closed;
  main.OnClosePopup = [&](TLxCustomControl* p) { closed.push_back(p); };
  item->OnMouseDown = [&](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t, int32_t) {
    popupWhenPressed = main.OpenPopup;
  };
  main.SetOpenPopup(popup);
  main.SetOpenPopup(popup);  // the same popup again does not close it
  EXPECT_TRUE(closed.empty());
  app.Press(20, 20);
  EXPECT_EQ(popupWhenPressed, popup);
  EXPECT_EQ(closed, std::vector<TLxCustomControl*>{popup});
  EXPECT_EQ(main.OpenPopup, nullptr);
  app.Release(20, 20);
}

TEST_F(MainFormTest, GlobalKeysAndDeveloperKeys) {
  std::vector<std::string> calls;
  main.Services.DumpControlTree = [&](TLxCustomControl* root, const std::string& file) {
    calls.push_back("tree " + root->Name() + " " + file);
  };
  main.Services.MemoryReport = [&] { calls.push_back("memory"); };
  main.Services.DumpTextures = [&](const std::string& file) {
    calls.push_back("textures " + file);
  };
  // The frames a key shows: a blocking fade renders a few dozen, any other key one.
  auto framesOf = [&](uint16_t key, uint8_t shift = 0) {
    const uint64_t before = app.Window.FramesPresented;
    app.Key(key, shift);
    return app.Window.FramesPresented - before;
  };
  auto pressAll = [&] {
    std::vector<uint64_t> frames;
    for (uint16_t k : {vk::F5, vk::F6, vk::F7, vk::F8, vk::F9, vk::F10})
      frames.push_back(framesOf(k));
    frames.push_back(framesOf('D', ssCtrl));
    frames.push_back(framesOf('S', ssCtrl | ssShift));
    frames.push_back(framesOf('X', ssAlt));
    return frames;
  };

  // Ctrl+F works in every mode.
  app.Key('F', ssCtrl);
  EXPECT_TRUE(app.TheEngine->IsFullScreen());
  app.Key('F', ssCtrl);
  EXPECT_FALSE(app.TheEngine->IsFullScreen());
  app.Key('F');  // without Ctrl: nothing
  EXPECT_FALSE(app.TheEngine->IsFullScreen());

  EXPECT_EQ(pressAll(), std::vector<uint64_t>(9, 1));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(LogLines().empty());
  EXPECT_FALSE(main.Terminated());
  EXPECT_TRUE(app.TheEngine->PendingScreenShot.empty());

  main.DevMode = true;
  const std::vector<uint64_t> frames = pressAll();
  EXPECT_GT(frames[1], 10u);  // F6 fades to black
  EXPECT_GT(frames[6], 10u);  // Ctrl+D fades from black
  EXPECT_EQ(calls, (std::vector<std::string>{"tree MAINSCENE log_comp_tree_parents.txt", "memory",
                                             "textures log_agftexture_list.txt"}));
  ASSERT_GE(LogLines().size(), 2u);
  EXPECT_EQ(LogLines()[0], "INFO: Loading theme: ");
  EXPECT_EQ(LogLines()[1], "INFO: Theme reloaded !");
  // Ctrl+Shift+S still takes a screenshot.
  const auto shot = std::find_if(LogLines().begin(), LogLines().end(), [](const std::string& l) {
    return l.rfind("INFO: ScreenShot : ", 0) == 0;
  });
  ASSERT_NE(shot, LogLines().end());
  const std::string file = WorkingFolder() + shot->substr(19);
  EXPECT_TRUE(FileExists(file));
  DeleteFile(file);
  EXPECT_TRUE(main.Terminated());
  EXPECT_FALSE(main.HandleMessage());
}

TEST_F(MainFormTest, ServicesNotInstalledDoNothingAndInstalledOnesAreCalledThroughTheHost) {
  main.DevMode = true;
  for (uint16_t k : {vk::F8, vk::F9, vk::F10}) app.Key(k);
  Host->ShowHelp(0);
  Host->SignIn(true);
  EXPECT_TRUE(LogLines().empty());

  std::vector<std::string> calls;
  main.Services.ShowHelp = [&](int32_t context) {
    calls.push_back("help " + std::to_string(context));
  };
  main.Services.SignIn = [&](bool autoLogin) { calls.push_back(autoLogin ? "auto" : "login"); };
  Host->ShowHelp(0);
  Host->SignIn(true);
  Host->SignIn(false);
  EXPECT_EQ(calls, (std::vector<std::string>{"help 0", "auto", "login"}));
}

TEST_F(MainFormTest, AltXLeavesNestedLoopsAtOnce) {
  main.DevMode = true;
  TCountingAnim blocking;
  blocking.WaitForEnd = true;
  blocking.OnStep = [&](TCountingAnim* self) {
    if (self->Steps == 3) app.Window.PushKey('X', ssAlt);
  };
  blocking.Start();  // returns only because the program is ending
  EXPECT_TRUE(main.Terminated());
  EXPECT_TRUE(blocking.Running);
  EXPECT_LT(blocking.Steps, 10);
  main.WaitMs(100000);  // returns at once
}

TEST_F(MainFormTest, ExceptionsInHandlersAreLoggedAndTheLoopGoesOn) {
  auto* box = new TBox(main.MainScene, main.MainScene, {0, 0, 100, 100}, Red);
  box->OnClick = [](TLxCustomControl*) { throw ELxError("boom"); };
  app.Click(50, 50);
  EXPECT_NE(std::find(LogLines().begin(), LogLines().end(), "ERROR: boom"), LogLines().end());
  int clicks = 0;
  box->OnClick = [&](TLxCustomControl*) { ++clicks; };
  app.Click(50, 50);
  EXPECT_EQ(clicks, 1);
}

TEST_F(MainFormTest, WaitMsKeepsRenderingOnTheVirtualClock) {
  const uint64_t before = app.Window.FramesPresented;
  const uint32_t start = app.Window.Ticks;
  main.WaitMs(1000);
  EXPECT_GE(app.Window.Ticks - start, 1000u);
  EXPECT_NEAR(static_cast<double>(app.Window.FramesPresented - before), 1000.0 / 16, 2);
  // Across the wrap of the tick count.
  app.Window.Ticks = 0xFFFFFF00u;
  main.WaitMs(512);
  EXPECT_LT(app.Window.Ticks, 0x1000u);
}

TEST_F(MainFormTest, NothingRendersWhileInactive) {
  TLxEvent deactivate;
  deactivate.Kind = TLxEventKind::Deactivate;
  app.Window.Push(deactivate);
  main.HandleMessage();
  EXPECT_FALSE(main.Active);
  const uint64_t before = app.Window.FramesPresented;
  app.Window.PushKey('A');
  main.HandleMessage();  // the key is handled, no frame
  EXPECT_EQ(app.Window.FramesPresented, before);
  // With the queue empty the loop blocks for the next event; the headless window answers with
  // an activation.
  main.HandleMessage();
  EXPECT_TRUE(main.Active);
  EXPECT_EQ(app.Window.FramesPresented, before);
  main.HandleMessage();
  EXPECT_EQ(app.Window.FramesPresented, before + 1);
}

TEST_F(MainFormTest, FocusLogAndDestroyedControlsAreForgotten) {
  auto* a = new TBox(main.MainScene, main.MainScene, {0, 0, 10, 10}, Red);
  a->SetName("EDT_A");
  ClearLog();
  main.SetActiveControl(a);
  main.SetActiveControl(a);
  main.SetActiveControl(nullptr);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{"INFO: ACTIVECONTROL IS: EDT_A",
                                                  "INFO: ACTIVECONTROL IS: NONE"}));
  main.SetActiveControl(a);
  main.SetOpenPopup(a);
  delete a;
  EXPECT_EQ(main.ActiveControl, nullptr);
  EXPECT_EQ(main.OpenPopup, nullptr);
  app.Key('A');
  app.Click(5, 5);
}

TEST_F(MainFormTest, HintsFollowTheMouse) {
  auto* box = new TBox(main.MainScene, main.MainScene, {100, 100, 200, 200}, Red);
  box->Hint = "Deal the cards";
  std::vector<std::string> hints;
  main.OnHint = [&](const std::string& h) { hints.push_back(h); };
  box->OnMouseEnter = [&](TLxCustomControl* sender) { main.ShowHint(sender); };
  app.MoveTo(150, 150);
  app.MoveTo(160, 150);
  EXPECT_EQ(hints, std::vector<std::string>{"Deal the cards"});
}

TEST_F(MainFormTest, OpenDocumentLeavesFullScreenFirst) {
  app.TheEngine->SetFullScreen(true);
  main.OpenDocument("/tmp/a b; rm -rf ~/x.html");
  EXPECT_FALSE(app.TheEngine->IsFullScreen());
  EXPECT_EQ(app.Window.OpenedDocuments, std::vector<std::string>{"/tmp/a b; rm -rf ~/x.html"});
}

// The chosen mode is a setting: Ctrl+F and OpenDocument change it, and it is saved with them.
TEST_F(MainFormTest, FullScreenSwitchesAreSaved) {
  char pattern[] = "/tmp/lxmainform-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = std::string(pattern) + "/";
  TLxSetting settings(folder, folder);
  Settings = &settings;
  auto saved = [&] {
    settings.Save();
    return ReadWholeFile(settings.SettingsFile).value_or("");
  };
  app.Key('F', ssCtrl);
  EXPECT_TRUE(settings.optFullScreen);
  EXPECT_NE(saved().find("<optFullScreen>True</optFullScreen>"), std::string::npos);
  main.OpenDocument("https://example.org/");
  EXPECT_FALSE(settings.optFullScreen);
  EXPECT_NE(saved().find("<optFullScreen>False</optFullScreen>"), std::string::npos);
  app.Key('F', ssCtrl);
  app.Key('F', ssCtrl);
  EXPECT_FALSE(settings.optFullScreen);
  EXPECT_FALSE(app.TheEngine->IsFullScreen());

  Settings = nullptr;
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lx
