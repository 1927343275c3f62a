// Frame-counted animations: stepped once per rendered frame by the main window, either blocking
// (Start returns when the animation has stopped, while frames and input keep flowing through a
// nested message loop) or in the background (WaitForEnd false: Start returns at once).
#pragma once

#include <cstdint>

#include "gui/lxclasses.h"

namespace lx {

class TLxPanel;
class TLxScene;

class TLxAnim {
 public:
  TLxAnim() = default;
  // Takes the animation off the main window's list, so a freed animation is never stepped.
  virtual ~TLxAnim();
  TLxAnim(const TLxAnim&) = delete;
  TLxAnim& operator=(const TLxAnim&) = delete;

  // Finished false, FrameCounter 0, Phase 1; derived classes set up their first frame here.
  virtual void Reset();
  // Does nothing while running. Otherwise resets, lists itself with the main window and, when
  // WaitForEnd, handles messages until it has stopped (or the program ends).
  virtual void Start();
  // The per-frame step; an animation ends itself by calling Stop from here.
  virtual void Process() {}
  // Running false, Finished true, off the main window's list.
  virtual void Stop();
  // Holds a phase for n frames: Phase moves on when the counter reaches n.
  void CountFrames(int32_t n);

  bool Running = false;
  bool WaitForEnd = true;
  bool InList = false;  // kept by the main window's AddAnim and RemoveAnim
  int32_t FrameCounter = 0;
  int32_t Phase = 0;
  bool Finished = false;
};

// The full-screen fade: a black panel on a scene of its own in front of every other scene, its
// alpha moving by 10 per frame. From black it shows 245, 235, ..., 5 and stops in the 26th
// frame (then, with HoldThenFadeOut, stays clear for 2000 frames and fades back to black); to
// black it shows 10, 20, ..., 250 and stops in the 26th frame. The panel lives as long as the
// fade object: the picture under it shows again when the fade is freed.
class TAnimFade : public TLxAnim {
 public:
  TAnimFade();
  // Frees the scene with the panel.
  ~TAnimFade() override;

  void Reset() override;
  void Process() override;
  void Stop() override;

  TLxPanel* Panel = nullptr;  // "PANEL", 800 x 600, black
  int32_t Alpha = 0;          // 0..255
  bool FromBlack = false;
  bool HoldThenFadeOut = false;

 private:
  TLxScene* FScene = nullptr;
  TLxComponentGuard FSceneGuard{nullptr};  // the main scene may have freed it at shut-down
};

}  // namespace lx
