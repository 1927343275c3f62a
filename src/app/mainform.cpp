#include "app/mainform.h"

#include <algorithm>

#include "base/lxerror.h"
#include "base/lxlog.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxsettings.h"
#include "scenes/lxanims.h"
#include "scenes/lxscene.h"
#include "shell/lxcore.h"

namespace lx {

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(TLxWindow* window) : FWindow(window) {
  FMainScene = std::make_unique<TLxMainScene>();
  MainScene = FMainScene.get();
  InputRoot = MainScene;
  if (Engine) Engine->Timer.OnRender = [this](void* sender) { RenderFrame(sender); };
}

TfrmMain::~TfrmMain() {
  if (Engine) Engine->Timer.OnRender = nullptr;
  // The tree goes first; its destructors report to this window through ControlDestroyed.
  FMainScene.reset();
  MainScene = nullptr;
  InputRoot = nullptr;
  for (TLxAnim* anim : Anims) anim->InList = false;
  Anims.clear();
  AnimsCount = 0;
}

TLxCustomControl* TfrmMain::GetMainScene() const {
  return MainScene;
}

void TfrmMain::RenderFrame(void*) {
  if (!Engine) return;
  for (size_t i = Anims.size(); i-- > 0;)
    if (i < Anims.size() && !Anims[i]->Running) RemoveAnim(Anims[i]);
  Engine->Clear(0);
  Engine->BeginScene();
  const uint64_t framesBefore = FramesRendered;
  // The count is read once and the bounds checked at every position: a step may stop its
  // animation, start others or render further frames from a nested message loop.
  const int32_t n = AnimsCount;
  for (int32_t i = 0; i < n; ++i) {
    if (static_cast<size_t>(i) >= Anims.size()) break;
    Anims[static_cast<size_t>(i)]->Process();
    if (FTerminated) break;
  }
  // A frame rendered inside a step has presented and cleared the back buffer: start this one
  // over so that it shows the whole tree on a clean picture.
  if (FramesRendered != framesBefore) Engine->Clear(0);
  if (MainScene) MainScene->Render();
  Engine->EndScene();
  Engine->Flip();
  ++FramesRendered;
}

void TfrmMain::AddAnim(TLxAnim* anim) {
  Anims.push_back(anim);
  anim->InList = true;
  AnimsCount = static_cast<int32_t>(Anims.size());
}

void TfrmMain::RemoveAnim(TLxAnim* anim) {
  const auto it = std::find(Anims.begin(), Anims.end(), anim);
  if (it != Anims.end()) Anims.erase(it);
  anim->InList = false;
  AnimsCount = static_cast<int32_t>(Anims.size());
}

bool TfrmMain::HandleMessage() {
  if (TerminationRequested()) Terminate();
  if (FTerminated) {
    if (FDepth > 0) throw ELxTerminated();
    return false;
  }
  struct TDepth {
    int32_t& Depth;
    explicit TDepth(int32_t& d) : Depth(d) { ++Depth; }
    ~TDepth() { --Depth; }
  } depth(FDepth);
  try {
    TLxEvent event;
    // Unsigned difference: correct across the wrap of the tick count.
    if (FStartTimer && FWindow->TickCount() - FStartTimerAt >= FStartTimerMs) {
      const std::function<void()> onTimer = std::move(FStartTimer);
      FStartTimer = nullptr;
      onTimer();
    } else if (FWindow->PollEvent(event)) {
      Dispatch(event);
    } else if (!Active && (!Engine || Engine->Timer.StopOnDeactivate)) {
      // Inactive: no frames, and no busy loop either; sleep until the window system wakes us.
      FWindow->WaitEvent(event);
      Dispatch(event);
    } else if (Engine && Engine->Timer.MayRender && Engine->Timer.OnRender) {
      Engine->Timer.OnRender(&Engine->Timer);
    }
  } catch (const ELxTerminated&) {
    throw;
  } catch (const std::exception& e) {
    Log(std::string("ERROR: ") + e.what());
  } catch (...) {
    Log("ERROR: unknown exception");
  }
  return !FTerminated;
}

void TfrmMain::WaitMs(uint32_t ms) {
  const uint32_t start = FWindow->TickCount();
  // Unsigned difference: correct across the wrap of the tick count.
  while (FWindow->TickCount() - start < ms && HandleMessage()) {
  }
}

void TfrmMain::Run() {
  try {
    while (HandleMessage()) {
    }
  } catch (const ELxTerminated&) {
    // Every nested loop has been left; the shut-down follows.
  }
}

void TfrmMain::EnableStartTimer(uint32_t ms, std::function<void()> onTimer) {
  FStartTimerAt = FWindow->TickCount();
  FStartTimerMs = ms;
  FStartTimer = std::move(onTimer);
}

void TfrmMain::SetActiveControl(TLxCustomControl* control) {
  if (control == ActiveControl) return;
  ActiveControl = control;
  Log("INFO: ACTIVECONTROL IS: " + (control ? control->Name() : std::string("NONE")));
}

void TfrmMain::SetOpenPopup(TLxCustomControl* control) {
  if (OpenPopup && OpenPopup != control) {
    TLxCustomControl* closing = OpenPopup;
    OpenPopup = nullptr;
    if (OnClosePopup) OnClosePopup(closing);
  }
  OpenPopup = control;
}

void TfrmMain::ControlDestroyed(TLxCustomControl* control) {
  if (ActiveControl == control) ActiveControl = nullptr;
  if (OpenPopup == control) OpenPopup = nullptr;
  if (InputRoot == control) InputRoot = MainScene;
  if (MainScene == control) {
    MainScene = nullptr;
    InputRoot = nullptr;
  }
}

void TfrmMain::ShowHint(TLxCustomControl* sender) {
  if (!sender) return;
  const std::string* hint = sender->HintText();
  if (hint && OnHint) OnHint(*hint);
}

void TfrmMain::OpenDocument(const std::string& target) {
  if (Engine && Engine->IsFullScreen()) SetFullScreen(false);
  FWindow->OpenDocument(target);
}

int32_t TfrmMain::MessageBox(const std::string& text, int32_t kind, int32_t buttons) {
  if (!MainScene) return mrNone;
  auto* frame = new TframeMessage(MainScene, kind, buttons, 0, text);
  const TLxComponentGuard guard(frame);
  const int32_t result = frame->ShowModal();
  if (guard.Alive()) delete frame;
  return result;
}

void TfrmMain::FadeFromBlack() {
  TAnimFade fade;
  fade.FromBlack = true;
  fade.HoldThenFadeOut = false;
  fade.Start();
}

void TfrmMain::FadeToBlack() {
  TAnimFade fade;
  fade.FromBlack = false;
  fade.HoldThenFadeOut = true;
  fade.Start();
}

void TfrmMain::ReloadTheme() {
  // The previous cursor comes back also when a theme throws.
  struct TCursorBack {
    TLxWindow* Window;
    bool Waiting;
    ~TCursorBack() { Window->SetWaitCursor(Waiting); }
  } back{FWindow, FWindow->WaitCursor()};
  FWindow->SetWaitCursor(true);
  const std::string theme = Settings ? Settings->ThemeName : std::string();
  Log("INFO: Loading theme: " + theme);
  ReloadSceneThemes(MainScene, theme);
}

void TfrmMain::KeyDown(uint16_t key, uint8_t shift) {
  if (ActiveControl) ActiveControl->KeyDown(key, shift);
  if (InputRoot) {
    TLxCustomControl* root = InputRoot;
    root->KeyDown(key, shift);
    // Every scene directly under the input root, shown or not: a scene decides itself whether it
    // is showing. The walk re-reads the count, since a handler may close a scene.
    for (int32_t i = 0; InputRoot == root && i < root->ControlCount(); ++i) {
      TLxCustomControl* child = root->Controls(i);
      if (child->IsScene()) child->KeyDown(key, shift);
    }
  }
  auto run = [&](const auto& table) {
    for (const TKeyCommand& command : table)
      if (command.Key == key && (shift & command.Shift) == command.Shift) (this->*command.Run)();
  };
  run(GlobalKeys);
  if (DevMode) run(DevKeys);
}

void TfrmMain::ShowHelp(int32_t context) {
  if (Services.ShowHelp) Services.ShowHelp(context);
}

void TfrmMain::SignIn(bool autoLogin) {
  if (Services.SignIn) Services.SignIn(autoLogin);
}

void TfrmMain::DumpControlTree() {
  if (Services.DumpControlTree) Services.DumpControlTree(MainScene, "log_comp_tree_parents.txt");
}

void TfrmMain::MemoryReport() {
  if (Services.MemoryReport) Services.MemoryReport();
}

void TfrmMain::DumpTextures() {
  if (Services.DumpTextures) Services.DumpTextures("log_agftexture_list.txt");
}

void TfrmMain::ToggleFullScreen() {
  SetFullScreen(Engine ? !Engine->IsFullScreen() : Settings && !Settings->optFullScreen);
}

void TfrmMain::SetFullScreen(bool fullScreen) {
  if (Engine) {
    Engine->SetFullScreen(fullScreen);
    // A switch that failed leaves the mode as it was: the setting says what the player sees.
    fullScreen = Engine->IsFullScreen();
  }
  if (Settings) Settings->optFullScreen = fullScreen;
}

void TfrmMain::ScreenShot() {
  if (Engine) Engine->ScreenShot();
}

void TfrmMain::ReloadThemeAndLog() {
  ReloadTheme();
  Log("INFO: Theme reloaded !");
}

void TfrmMain::TextInput(const std::string& text) {
  if (ActiveControl && OnTextInput) OnTextInput(ActiveControl, text);
}

void TfrmMain::MouseDown(TLxMouseButton button, uint8_t shift, int32_t x, int32_t y) {
  if (!InputRoot) return;
  if (Engine) {
    Engine->MouseDownX = x;
    Engine->MouseDownY = y;
  }
  InputRoot->MouseDown(nullptr, button, shift, x, y);
  // After the press: a press on a menu item is handled before its menu closes.
  SetOpenPopup(nullptr);
}

void TfrmMain::MouseMove(uint8_t shift, int32_t x, int32_t y) {
  if (InputRoot) InputRoot->MouseMove(nullptr, shift, x, y);
}

void TfrmMain::MouseUp(TLxMouseButton button, uint8_t shift, int32_t x, int32_t y) {
  if (InputRoot) InputRoot->MouseUp(nullptr, button, shift, x, y);
}

void TfrmMain::Dispatch(const TLxEvent& event) {
  switch (event.Kind) {
    case TLxEventKind::KeyDown:
      KeyDown(event.Key, event.Shift);
      break;
    case TLxEventKind::TextInput:
      TextInput(event.Text);
      break;
    case TLxEventKind::MouseDown:
      MouseDown(event.Button, event.Shift, event.X, event.Y);
      break;
    case TLxEventKind::MouseMove:
      MouseMove(event.Shift, event.X, event.Y);
      break;
    case TLxEventKind::MouseUp:
      MouseUp(event.Button, event.Shift, event.X, event.Y);
      break;
    case TLxEventKind::Activate:
      Active = true;
      break;
    case TLxEventKind::Deactivate:
      Active = false;
      break;
    case TLxEventKind::Quit:
      Terminate();
      break;
    case TLxEventKind::None:
      break;
  }
}

}  // namespace lx
