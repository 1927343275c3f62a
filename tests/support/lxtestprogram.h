// The whole program on the headless window over a scratch copy of the real installation
// (build/dist): the start-up, the message loop and the shut-down run exactly as for a player,
// while a scenario of steps (wait for a condition, then act) is checked in every frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/lxplatform.h"

namespace lx {
class TLxCustomControl;
}

namespace lx::test {

// A scratch application folder: a copy of every folder of build/dist (nothing is written into
// build/dist itself), removed again at the end.
class TLxScratchInstall {
 public:
  TLxScratchInstall();
  ~TLxScratchInstall();
  TLxScratchInstall(const TLxScratchInstall&) = delete;
  TLxScratchInstall& operator=(const TLxScratchInstall&) = delete;

  // A file under the folder (its folders made); the bytes as they stand.
  void Put(const std::string& relativePath, const std::string& bytes) const;
  std::string Read(const std::string& relativePath) const;
  bool Exists(const std::string& relativePath) const;

  std::string Root;  // ends in '/'
};

class TLxTestProgram {
 public:
  struct TStep {
    std::string What;  // for the failure message
    std::function<bool()> Ready;
    std::function<void()> Act;
  };

  // The start-up options over the folder: the headless window, the silent audio driver, and
  // "dev.id" looked for in the folder itself.
  explicit TLxTestProgram(const TLxScratchInstall& install);
  ~TLxTestProgram();

  // Appends a step: once ready holds in a frame, act runs (at most one step per frame).
  TLxTestProgram& Then(const std::string& what, std::function<bool()> ready,
                       std::function<void()> act);
  // Runs the whole program with the scenario; a scenario that is not through within
  // frameLimit frames ends the program (Stuck then names the step it waited for). The exit
  // code of the run.
  int Run(int32_t frameLimit = 4000);

  // Clicks and keys, queued for the message loop.
  void Click(int32_t x, int32_t y);
  void MoveTo(int32_t x, int32_t y);
  void Key(uint16_t key, uint8_t shift = 0);
  void Type(const std::string& text);
  // The window's close button.
  void Close();
  // The control's centre; the first showing control of that name under the main scene, or
  // nullptr.
  TLxCustomControl* Find(const std::string& name) const;
  bool Showing(const std::string& name) const;
  void ClickControl(const std::string& name);
  // A frame drawn and presented now, as a PNG under build/test-output/; its path.
  std::string SavePng(const std::string& name);

  TLxStartup Program;
  TLxHeadlessWindow* Window = nullptr;  // owned by the program once it opened
  std::vector<TStep> Steps;
  size_t Done = 0;
  int64_t Frames = 0;
  bool Rendering = false;
  std::string Stuck;  // the step waited for when the frame limit ended the run
  // Runs in every frame before the steps (measurements).
  std::function<void()> EveryFrame;
};

}  // namespace lx::test
