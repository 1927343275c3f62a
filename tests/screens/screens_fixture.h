// The headless game over a copy of the installation this build made (archives, fonts and help
// pages), with the application information and a machine to open the windows for. Pictures are
// written as PNG under build/test-output/windows/.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "persistence/lxapplication.h"
#include "persistence/playersunit.h"
#include "scenes/lxscene.h"
#include "support/lxtestgame.h"
#include "support/lxtestscript.h"

namespace lx::test {

// A picture of the screen, red in the low byte, top row first.
struct TShot {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TLxColor> Pixels;
  TLxColor At(int32_t x, int32_t y) const {
    return Pixels.empty() ? 0 : Pixels[static_cast<size_t>(y * Width + x)];
  }
};

class TScreensApp : public TLxGameTestApp {
 public:
  TScreensApp();
  ~TScreensApp();

  // The back buffer (after Frames) as build/test-output/windows/<name>.png.
  TShot SavePng(const std::string& name);
  // Inside a modal loop, where a script step runs before the frame is drawn: the next presented
  // frame is kept; Developed() (in a later step) writes it as <name>.png and returns it.
  void Shoot(const std::string& name);
  TShot Developed();
  std::unique_ptr<TLxFrameScript> Script(int32_t frameLimit = 4000) {
    return std::make_unique<TLxFrameScript>(*Main, Window, frameLimit);
  }
  // Queues a click in the middle of the control.
  void ClickOn(const TLxCustomControl* control);
  // The last window of the class directly under the main scene (a dialog opened inside a
  // window's loop), or nullptr.
  template <class T>
  T* Find() const {
    for (int32_t i = Main->MainScene->ControlCount(); i-- > 0;)
      if (auto* w = dynamic_cast<T*>(Main->MainScene->Controls(i))) return w;
    return nullptr;
  }
  // Signs a new player in with the given bank.
  TLxPlayer* SignIn(const std::string& name, uint32_t bank);

  std::unique_ptr<TLxPlayers> ThePlayers;

  std::unique_ptr<TLxApplicationInfo> TheAppInfo;

 private:
  std::string FShotName;
};

// A machine with no scene of its own: its credit and visit are what the windows show.
class TPlainGameData : public TLxGameData {
  LX_XML_CLASS(TPlainGameData, TLxGameData)

 public:
  static void DeclareProperties(TXMLPropertiesOf<TPlainGameData>& p) {
    p.Cardinal("Credit", &TPlainGameData::Credit);
  }
};

class TPlainGame : public TLxGame {
 public:
  explicit TPlainGame(TGameInfo* info) : TLxGame(info) {}
  TLxGameData* GetGameData() const override { return Data.get(); }
  void EndRound() override {}
  void TakeWin() override {}
  std::unique_ptr<TPlainGameData> Data = std::make_unique<TPlainGameData>();
};

// Fraction of the pixels of the rectangle that differ from colour c by more than 24 in a channel.
double ShareUnlike(const TShot& shot, int32_t left, int32_t top, int32_t width, int32_t height,
                   TLxColor c);

}  // namespace lx::test
