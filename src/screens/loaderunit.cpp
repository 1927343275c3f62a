#include "screens/loaderunit.h"

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

TAnimIntro::TAnimIntro() {
  FromBlack = true;
  HoldThenFadeOut = true;
  FIntroScene = dynamic_cast<TLxScene*>(Panel->Parent());
  if (FIntroScene) {
    TLxImage* picture = FIntroScene->Background;
    picture->NoRender = false;
    picture->Texture.SetName("casino");
    picture->Texture.SetGroup("Logo");
    FIntroScene->ApplyTexture(picture);
  }
  Panel->OnClick = [this](TLxCustomControl*) { Phase = 3; };
}

void RunIntro() {
  TAnimIntro intro;
  intro.Start();
}

}  // namespace lx
