// The screens over the real installation, driven the way a player drives them: a script that
// waits, every frame, for the dialog it expects in front (shown and faded in) and then clicks
// its controls or types into them. What the dialogs said and what they stored is checked after.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "gui/lxcontrols.h"
#include "gui/lxedit.h"
#include "gui/lxframe.h"
#include "gui/lxmessageframe.h"
#include "gui/lxpopup.h"
#include "persistence/playersunit.h"
#include "platform/lxfiles.h"
#include "support/lxtestgame.h"
#include "support/lxtestscript.h"

namespace lx::test {

class ScreensTest : public ::testing::Test {
 protected:
  ScreensTest() {
    app.Main->OnClosePopup = [](TLxCustomControl* p) { ClosePopup(p); };
    ForceDirectories(Settings->AppFolder + "Players/");
    ResetPlayers();
    script.Every([this](int32_t) { Step(); });
  }
  ~ScreensTest() override {
    script.Stop();
    Players = nullptr;
  }

  // A fresh collection read from the players file, as at start-up.
  void ResetPlayers() {
    Players = nullptr;
    players = std::make_unique<TLxPlayers>();
    players->FileName = Settings->PlayersFile;
    players->Load();
    Players = players.get();
  }
  // The frame in front, or nullptr.
  TLxFrame* Front() const {
    TLxCustomControl* main = app.Main->GetMainScene();
    for (int32_t i = main->ControlCount(); i-- > 0;)
      if (auto* f = dynamic_cast<TLxFrame*>(main->Controls(i))) return f;
    return nullptr;
  }
  template <typename T>
  T* Find(TLxFrame* frame, const std::string& name) const {
    auto* c = dynamic_cast<T*>(frame->FindControl(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  // Once the dialog of the scene is in front and faded in, the action runs.
  void When(const std::string& scene, std::function<void(TLxFrame*)> action) {
    Steps.push_back({scene, std::move(action), false});
  }
  // The same once the darkening layer behind the dialog has faded in too (for pictures).
  void WhenSettled(const std::string& scene, std::function<void(TLxFrame*)> action) {
    Steps.push_back({scene, std::move(action), true});
  }
  // The message dialog: its text is recorded and the button clicked.
  void Answer(const std::string& button) {
    When("DIALOGS", [this, button](TLxFrame* f) {
      Messages.push_back(Find<TLxLabel>(f, "LBL_MESSAGE")->Caption());
      ClickOn(Find<TLxCustomControl>(f, button));
    });
  }
  // Draws the screen as it is now and writes it under build/test-output/.
  void Picture(const std::string& name) {
    app.Main->RenderNow();
    app.SavePng(name);
  }
  void ClickOn(const TLxCustomControl* c) {
    if (c) app.Window.PushClick(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
  }
  // A click into the field, then one key per character (letters and digits are their codes).
  void TypeInto(const TLxCustomControl* field, const std::string& text) {
    ClickOn(field);
    for (char ch : text) app.Window.PushKey(static_cast<uint16_t>(static_cast<unsigned char>(ch)));
  }
  // Runs the blocking call with the script stepping inside its loops; every step must be used.
  template <typename F>
  auto Run(F call) {
    script.Start();
    auto result = call();
    script.Stop();
    EXPECT_TRUE(Steps.empty()) << Steps.size() << " steps left, next in " << Steps.front().Scene;
    EXPECT_FALSE(script.Overran);
    return result;
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  TLxGameTestApp app;
  std::unique_ptr<TLxPlayers> players;
  TLxFrameScript script{*app.Main, app.Window, 6000};
  std::vector<std::string> Messages;

 private:
  struct TStep {
    std::string Scene;
    std::function<void(TLxFrame*)> Action;
    bool Settled;
  };
  void Step() {
    // Presses render frames of their own: a step waits until all queued input is handled.
    if (app.Window.PendingEvents() > 0) return;
    if (Pause > 0) {
      --Pause;
      return;
    }
    TLxFrame* front = Front();
    if (Steps.empty() || !front || front->SceneName() != Steps.front().Scene) return;
    if (!front->Window->Visible()) return;  // still fading in
    if (Steps.front().Settled && !front->Background->Visible()) return;
    TStep step = std::move(Steps.front());
    Steps.pop_front();
    Pause = 2;
    step.Action(front);
  }
  std::deque<TStep> Steps;
  int32_t Pause = 0;
};

}  // namespace lx::test
