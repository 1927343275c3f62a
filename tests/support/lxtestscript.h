// Input and checks scheduled by frame number, for tests that drive a blocking operation (a modal
// frame, a blocking animation) from inside its own nested message loop. The script is a
// background animation: it counts the frames it is stepped in and runs what is due; whatever it
// queues in the window is dispatched by the next message the loop handles.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "app/mainform.h"
#include "platform/lxplatform.h"
#include "scenes/lxanims.h"

namespace lx::test {

class TLxFrameScript : public TLxAnim {
 public:
  // A runaway loop ends the program after frameLimit frames (Overran is then set), so that a
  // test that waits for a click which never comes fails instead of hanging.
  TLxFrameScript(TfrmMain& main, TLxHeadlessWindow& window, int32_t frameLimit = 4000)
      : Main(main), Window(window), Limit(frameLimit) {
    WaitForEnd = false;
  }

  // Runs the action in the frame-th frame from Start (counted from 1).
  TLxFrameScript& At(int32_t frame, std::function<void()> action) {
    Actions.emplace(frame, std::move(action));
    return *this;
  }
  // Queues a click (press and release at one point) in the frame-th frame.
  TLxFrameScript& ClickAt(int32_t frame, int32_t x, int32_t y) {
    return At(frame, [this, x, y] { Window.PushClick(x, y); });
  }
  // Runs the action in every frame.
  TLxFrameScript& Every(std::function<void(int32_t frame)> action) {
    EveryFrame.push_back(std::move(action));
    return *this;
  }

  void Process() override {
    ++Frame;
    for (auto& each : EveryFrame) each(Frame);
    const auto [first, last] = Actions.equal_range(Frame);
    for (auto it = first; it != last; ++it) it->second();
    if (Frame >= Limit) {
      Overran = true;
      Main.Terminate();
    }
  }

  int32_t Frame = 0;
  bool Overran = false;

 private:
  TfrmMain& Main;
  TLxHeadlessWindow& Window;
  int32_t Limit;
  std::multimap<int32_t, std::function<void()>> Actions;
  std::vector<std::function<void(int32_t)>> EveryFrame;
};

}  // namespace lx::test
