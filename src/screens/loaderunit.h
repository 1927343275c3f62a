// The screens that frame the rest: the loading screen (TLoader over its TLoaderScene) shown while
// a large scene applies its theme, and the intro picture shown once at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "scenes/lxanims.h"

namespace lx {

class TLxScene;

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
