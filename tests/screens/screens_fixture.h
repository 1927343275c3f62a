// The headless game over a copy of the installation this build made (build/dist): its archives,
// fonts and help pages, the settings over the copy and the application information. Pictures
// are written as PNG under build/test-output/windows/.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "shell/lxresources.h"
#include "support/lxtestapp.h"
#include "support/lxtestscript.h"

namespace lx::test {

class TDistInstall {
 public:
  TDistInstall();
  ~TDistInstall();
  TDistInstall(const TDistInstall&) = delete;
  TDistInstall& operator=(const TDistInstall&) = delete;

  std::string Root;
  std::unique_ptr<TLxSetting> TheSettings;
  std::unique_ptr<TLxApplicationInfo> TheAppInfo;
  std::unique_ptr<TLxResourceManager> TheResources;
};

// A picture of the screen, red in the low byte, top row first.
struct TShot {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TLxColor> Pixels;
  TLxColor At(int32_t x, int32_t y) const {
    return Pixels.empty() ? 0 : Pixels[static_cast<size_t>(y * Width + x)];
  }
};

class TScreensApp : public TDistInstall, public TLxTestApp {
 public:
  // The back buffer (after Frames) as build/test-output/windows/<name>.png.
  TShot SavePng(const std::string& name);
  // Inside a modal loop, where a script step runs before the frame is drawn: the next presented
  // frame is kept; Developed() (in a later step) writes it as <name>.png and returns it.
  void Shoot(const std::string& name);
  TShot Developed();
  // A frame script on this window (frames counted from its Start).
  std::unique_ptr<TLxFrameScript> Script(int32_t frameLimit = 4000) {
    auto script = std::make_unique<TLxFrameScript>(*Main, Window, frameLimit);
    return script;
  }

 private:
  std::string FShotName;
};

// Fraction of the pixels of the rectangle that differ from colour c by more than 24 in a channel.
double ShareUnlike(const TShot& shot, int32_t left, int32_t top, int32_t width, int32_t height,
                   TLxColor c);

}  // namespace lx::test
