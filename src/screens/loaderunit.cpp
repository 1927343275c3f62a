#include "screens/loaderunit.h"

#include <algorithm>

#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "gui/lxprogressbar.h"
#include "persistence/lxsettings.h"
#include "scenes/lxscene.h"
#include "screens/loaderscene.h"
#include "shell/lxcore.h"

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

TLoader::TLoader() {
  Scene = new TLoaderScene(Host ? Host->GetMainScene() : nullptr);
}

TLoader::~TLoader() {
  delete Scene;
}

void TLoader::Progress(TLxScene*, int32_t, int32_t index, const std::string& name) {
  Scene->LblObjectName->SetCaption(name);
  Scene->PbLoad->SetPosition(index);
  Scene->LblProgressV->SetCaption(std::to_string(Scene->PbLoad->Percent()) + "%");
  if (Host) Host->RenderNow();
}

void LoadSceneWithLoader(TLxScene& target, const std::string& title) {
  // The cursor and the target's progress handler are put back also when a theme throws.
  struct TRestore {
    TLxScene& Target;
    TLxWindow* Window;
    bool Waiting;
    ~TRestore() {
      Target.OnThemeProgress = nullptr;
      if (Window) Window->SetWaitCursor(Waiting);
    }
  };
  TLxWindow* window = Engine ? Engine->Window() : nullptr;
  const TRestore restore{target, window, window && window->WaitCursor()};
  if (window) window->SetWaitCursor(true);
  {
    TLoader loader;
    TLoaderScene& scene = *loader.Scene;
    scene.LoadTheme(Settings ? Settings->ThemeName : std::string());
    scene.Show();
    scene.BringToFront();
    scene.LblGameName->SetCaption(title);
    // The bar runs from Min 1: Max must differ from it.
    scene.PbLoad->SetMax(std::max(2, target.ThemedCount()));
    scene.PbLoad->SetPosition(0);
    if (Host) Host->RenderNow();
    target.OnThemeProgress = [&loader](TLxScene* sender, int32_t step, int32_t index,
                                       const std::string& name) {
      loader.Progress(sender, step, index, name);
    };
    target.LoadTheme(Settings ? Settings->ThemeName : std::string());
    loader.Finish();
    target.OnThemeProgress = nullptr;
    scene.Hide();
  }
  target.Show();
}

void RunIntro() {
  TAnimIntro intro;
  intro.Start();
}

}  // namespace lx
