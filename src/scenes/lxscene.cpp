#include "scenes/lxscene.h"

#include "gui/lxhost.h"

namespace lx {

TLxScene::TLxScene(TLxComponent* owner, const std::string& sceneName)
    : TLxCustomControl(owner), SceneName(sceneName) {
  SetName(sceneName);
  NoRender = true;
  SetVisible(false);
  if (Host && Host->GetMainScene()) SetParent(Host->GetMainScene());
}

TLxMainScene::TLxMainScene() : TLxScene(nullptr, "MAINSCENE") {
  SetParent(nullptr);
  SetVisible(true);
}

}  // namespace lx
