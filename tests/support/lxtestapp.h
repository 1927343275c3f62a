// A headless main window on the virtual clock: the engine on a software renderer, the main
// window with its root scene, and a solid test font as "ArialBlack". Tests inject input, render
// frames and read back pixels.
#pragma once

#include <memory>
#include <string>

#include "app/mainform.h"
#include "platform/lxplatform.h"
#include "shell/lxcore.h"

namespace lx::test {

class TLxTestApp {
 public:
  TLxTestApp();
  ~TLxTestApp();
  TLxTestApp(const TLxTestApp&) = delete;
  TLxTestApp& operator=(const TLxTestApp&) = delete;

  // Renders n frames directly.
  void Frames(int n = 1);
  // Handles every pending event, then renders one frame.
  void Pump();
  void Click(int32_t x, int32_t y);
  void Press(int32_t x, int32_t y);
  void Release(int32_t x, int32_t y);
  void MoveTo(int32_t x, int32_t y);
  void Key(uint16_t key, uint8_t shift = 0);
  TLxColor Pixel(int32_t x, int32_t y);
  // Writes the back buffer as a BMP under build/test-output/ and returns its path.
  std::string SaveScreen(const std::string& name);
  // The same as a PNG picture (name with its ".png"); a person looks at these.
  std::string SavePng(const std::string& name);
  // The path of a file under build/test-output/ (its folders are made); for the engine's
  // PendingScreenShot, which writes the next presented frame.
  std::string OutputPath(const std::string& name);

  TLxHeadlessWindow Window;
  std::unique_ptr<TLxEngine> TheEngine;
  std::unique_ptr<TfrmMain> Main;
};

}  // namespace lx::test
