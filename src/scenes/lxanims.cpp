#include "scenes/lxanims.h"

#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "scenes/lxscene.h"
#include "shell/lxcore.h"

namespace lx {

// ---- TLxAnim ----

TLxAnim::~TLxAnim() {
  // Only the base part is left here: take the animation off the list without virtual calls.
  if (InList && Host) Host->RemoveAnim(this);
  Running = false;
}

void TLxAnim::Reset() {
  Finished = false;
  FrameCounter = 0;
  Phase = 1;
}

void TLxAnim::Start() {
  if (Running) return;
  Reset();
  Running = true;
  if (Host) Host->AddAnim(this);
  while (Running && WaitForEnd && Host && Host->HandleMessage()) {
  }
}

void TLxAnim::Stop() {
  Running = false;
  Finished = true;
  if (Host) Host->RemoveAnim(this);
  while (InList && Host && Host->HandleMessage()) {
  }
}

void TLxAnim::CountFrames(int32_t n) {
  ++FrameCounter;
  if (FrameCounter == n) {
    FrameCounter = 0;
    ++Phase;
  }
}

// ---- TAnimFade ----

TAnimFade::TAnimFade() {
  TLxCustomControl* mainScene = Host ? Host->GetMainScene() : nullptr;
  FScene = new TLxScene(mainScene);
  FSceneGuard = TLxComponentGuard(FScene);
  Panel = new TLxPanel(FScene);
  Panel->SetName("PANEL");
  Panel->SetLeft(0);
  Panel->SetTop(0);
  Panel->SetWidth(Engine ? Engine->Width : 800);
  Panel->SetHeight(Engine ? Engine->Height : 600);
  Panel->SetColor(0);
  Panel->SetAlpha(255);
  FScene->AddControl(Panel);
  FScene->Background->NoRender = true;
  FScene->Show();
  FScene->BringToFront();
}

TAnimFade::~TAnimFade() {
  // Off the list before the panel goes, so no frame steps a fade without its panel.
  if (InList && Host) Host->RemoveAnim(this);
  Running = false;
  if (FSceneGuard.Alive()) delete FScene;
}

void TAnimFade::Reset() {
  // The base state too: a fade started again is not Finished while it runs.
  TLxAnim::Reset();
  if (FromBlack) {
    Alpha = 255;
    Phase = 1;
  } else {
    Alpha = 0;
    Phase = 3;
  }
}

void TAnimFade::Process() {
  switch (Phase) {
    case 1:
      Alpha -= 10;
      if (Alpha < 0) {
        Alpha = 0;
        if (!HoldThenFadeOut) {
          Stop();
          return;
        }
        Phase = 2;
      }
      break;
    case 2:
      CountFrames(2000);
      break;
    case 3:
      Alpha += 10;
      if (Alpha >= 256) {
        Stop();
        return;
      }
      break;
    default:
      break;
  }
  if (FSceneGuard.Alive()) Panel->SetAlpha(Alpha);
}

void TAnimFade::Stop() {
  TLxAnim::Stop();
}

}  // namespace lx
