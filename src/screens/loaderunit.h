// The screens that frame the rest: the loading screen (TLoader over its TLoaderScene) shown while
// a large scene applies its theme, and the intro picture shown once at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "scenes/lxanims.h"

namespace lx {

class TLxScene;
class TLoaderScene;

// The loading screen for one scene load.
class TLoader {
 public:
  // The loading scene as a child of the main scene; Done from the start.
  TLoader();
  ~TLoader();
  TLoader(const TLoader&) = delete;
  TLoader& operator=(const TLoader&) = delete;

  // A scene's OnThemeProgress: the control's name, the bar at index, the percentage, a frame.
  void Progress(TLxScene* sender, int32_t step, int32_t index, const std::string& name);
  // Returns at once: the loader is done from its creation.
  void Finish() {}

  TLoaderScene* Scene = nullptr;
  bool Done = true;
};

// Themes the target scene behind the loading screen: title names what is loading (the casino or
// the game); each themed control shows a frame of progress. The target is shown afterwards.
void LoadSceneWithLoader(TLxScene& target, const std::string& title);

// The start-up picture: fades in from black in 26 frames, holds 2000 frames and fades out; a
// click anywhere skips to the fade-out from the current darkness.
class TAnimIntro : public TAnimFade {
 public:
  TAnimIntro();
  TLxScene* Scene() const { return FIntroScene; }

 private:
  TLxScene* FIntroScene = nullptr;
};

// Runs the intro (blocking) and frees it: the start-up's intro outside developer mode.
void RunIntro();

}  // namespace lx
