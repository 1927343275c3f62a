// Scenes: named full-screen layers of controls under the main scene, and the main scene itself,
// the root of the whole control tree.
#pragma once

#include <string>

#include "gui/lxclasses.h"

namespace lx {

class TLxScene : public TLxCustomControl {
 public:
  // A new scene is invisible, draws nothing itself and is a child of the main scene.
  TLxScene(TLxComponent* owner, const std::string& sceneName);
  bool IsScene() const override { return true; }

  std::string SceneName;
  bool Hidden = false;
};

class TLxMainScene : public TLxScene {
 public:
  // The root: no owner, no parent, visible, always showing.
  TLxMainScene();
  bool IsShowing() const override { return true; }
};

}  // namespace lx
