// Frame-counted animations: stepped once per rendered frame by the main window, either blocking
// (Start returns when the animation has stopped) or in the background.
#pragma once

#include <cstdint>

namespace lx {

class TLxAnim {
 public:
  TLxAnim() = default;
  // Stops first, so a freed animation is never stepped.
  virtual ~TLxAnim();
  TLxAnim(const TLxAnim&) = delete;
  TLxAnim& operator=(const TLxAnim&) = delete;

  virtual void Reset();
  // Does nothing while running. Otherwise resets, lists itself with the main window and, when
  // WaitForEnd, handles messages until it has stopped.
  virtual void Start();
  // The per-frame step; an animation ends itself by calling Stop from here.
  virtual void Process() {}
  virtual void Stop();
  // Holds a phase for n frames: Phase moves on when the counter reaches n.
  void CountFrames(int32_t n);

  bool Running = false;
  bool WaitForEnd = true;
  bool InList = false;
  int32_t FrameCounter = 0;
  int32_t Phase = 0;
  bool Finished = false;
};

}  // namespace lx
