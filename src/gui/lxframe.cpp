#include "gui/lxframe.h"

#include "gui/lxcontrols.h"
#include "gui/lxhost.h"

namespace lx {

TLxFrame::TLxFrame(TLxComponent* mainScene) : TLxScene(mainScene) {
  SetVisible(true);
  Hidden = false;  // a frame is shown from the start; its parts fade in with ShowModal
  SetSceneName("COMMON");

  // The darkening layer fades in slowly, one alpha unit per frame.
  Background->SetVisible(false);
  Background->SetFadeIn(true);
  Background->SetFadeSpeed(0);

  Window = new TLxImage(this);
  Window->SetName("IMG_FRAME");
  Window->SetVisible(false);
  Window->SetFadeIn(true);
  AddControl(Window);
  Container = Window;

  TaskBar = new TLxImage(this);
  TaskBar->SetName("IMG_TASKBAR");
  TaskBar->SetParent(Window);
  TaskBar->SetVisible(false);
  TaskBar->SetFadeIn(true);
  AddControl(TaskBar);

  WindowLogo = new TLxImage(this);
  WindowLogo->SetName("IMG_WINDOWLOGO");
  WindowLogo->SetParent(Window);
  WindowLogo->SetVisible(false);
  WindowLogo->SetFadeSpeed(2);
  WindowLogo->SetFadeIn(true);
  WindowLogo->SetAnimate(true);
  WindowLogo->Texture.SetGroup("COMMON");
  AddControl(WindowLogo);

  Caption = new TLxLabel(this);
  Caption->SetName("LBL_WINDOWCAPTION");
  Caption->SetParent(Window);
  Caption->SetCaption("");
  AddControl(Caption);

  ModalResult = mrNone;
  Closed = false;
}

int32_t TLxFrame::ShowModal() {
  Background->SetVisible(true);
  Window->SetVisible(true);
  TaskBar->SetVisible(true);
  WindowLogo->SetVisible(true);
  if (!Host) return ModalResult;

  SavedInputRoot = Host->GetInputRoot();
  // Either may die inside the loop (a handler frees the frame, or the frame that opened this
  // one); neither is touched afterwards then.
  const TLxComponentGuard self(this);
  const TLxComponentGuard saved(SavedInputRoot);
  TLxCustomControl* const restore = SavedInputRoot;
  Host->SetInputRoot(this);
  while (self.Alive() && !Closed && Host->HandleMessage()) {
  }
  Host->SetInputRoot(saved.Alive() ? restore : Host->GetMainScene());
  return self.Alive() ? ModalResult : mrNone;
}

}  // namespace lx
