// The main window: owns the root of the control tree and the list of running animations,
// renders one frame per idle pass and routes keyboard and mouse input into the tree.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/lxhost.h"
#include "platform/lxplatform.h"

namespace lx {

class TLxMainScene;
class TLxCasino;
class TLxGame;

class TfrmMain : public TLxHost {
 public:
  // The window and the engine (the global Engine) must outlive the main window. Creates the
  // main scene and installs RenderFrame as the engine timer's render handler.
  explicit TfrmMain(TLxWindow* window);
  ~TfrmMain() override;
  TfrmMain(const TfrmMain&) = delete;
  TfrmMain& operator=(const TfrmMain&) = delete;

  // One frame: drop finished animations, clear, step the animations, draw the tree, present.
  void RenderFrame(void* sender);
  void RenderNow() override { RenderFrame(nullptr); }
  void AddAnim(TLxAnim* anim) override;
  void RemoveAnim(TLxAnim* anim) override;
  // Once the program is ending it returns false to the outermost loop; called from inside the
  // handling of a message (a nested loop) it throws ELxTerminated instead, so that the work that
  // waited in that loop does not go on. A termination signal ends the program here.
  bool HandleMessage() override;
  void WaitMs(uint32_t ms) override;
  bool Terminated() const override { return FTerminated; }
  // Ends every nested loop and the main loop; the caller then shuts down.
  void Terminate() { FTerminated = true; }
  // Handles messages until Terminate; an ELxTerminated from a nested loop ends here.
  void Run();
  // The start timer: fires once, from the message loop, ms after it is enabled.
  void EnableStartTimer(uint32_t ms, std::function<void()> onTimer);

  TLxCustomControl* GetActiveControl() const override { return ActiveControl; }
  void SetActiveControl(TLxCustomControl* control) override;
  TLxCustomControl* GetOpenPopup() const override { return OpenPopup; }
  void SetOpenPopup(TLxCustomControl* control) override;
  TLxCustomControl* GetMainScene() const override;
  TLxCustomControl* GetInputRoot() const override { return InputRoot; }
  void SetInputRoot(TLxCustomControl* control) override { InputRoot = control; }
  void ControlDestroyed(TLxCustomControl* control) override;
  void ShowHint(TLxCustomControl* sender) override;

  // Leaves full screen first, then asks the desktop to open the path or address.
  void OpenDocument(const std::string& target) override;
  // The message dialog as a child of the main scene, shown modally and freed; its result.
  int32_t MessageBox(const std::string& text, int32_t kind, int32_t buttons) override;
  // A blocking fade from black to the scene, or from the scene to black; freed at its end.
  void FadeFromBlack() override;
  void FadeToBlack() override;
  // With the hourglass cursor: every scene directly under the main scene reloads its theme
  // with Settings.ThemeName.
  void ReloadTheme() override;

  // The window's handlers.
  void KeyDown(uint16_t key, uint8_t shift);
  void TextInput(const std::string& text);
  void MouseDown(TLxMouseButton button, uint8_t shift, int32_t x, int32_t y);
  void MouseMove(uint8_t shift, int32_t x, int32_t y);
  void MouseUp(TLxMouseButton button, uint8_t shift, int32_t x, int32_t y);
  void Dispatch(const TLxEvent& event);

  TLxCustomControl* InputRoot = nullptr;
  TLxCustomControl* OpenPopup = nullptr;
  TLxCustomControl* ActiveControl = nullptr;
  TLxMainScene* MainScene = nullptr;
  std::vector<TLxAnim*> Anims;
  int32_t AnimsCount = 0;
  TLxCasino* CurrentCasino = nullptr;
  TLxGame* CurrentGame = nullptr;

  bool DevMode = false;
  bool Active = true;
  uint64_t FramesRendered = 0;

  // What the window calls in higher layers. Start-up installs each entry as its layer arrives;
  // an entry not installed does nothing.
  struct TServices {
    // The debug window's dumps and memory report (developer keys F8, F9, F10).
    std::function<void(TLxCustomControl* root, const std::string& fileName)> DumpControlTree;
    std::function<void()> MemoryReport;
    std::function<void(const std::string& fileName)> DumpTextures;
    // The help window, shown modally and freed.
    std::function<void(int32_t context)> ShowHelp;
    // The sign-in of the start-up sequence and of the navigation bar's sign-out.
    std::function<void(bool autoLogin)> SignIn;
  };
  TServices Services;

  void ShowHelp(int32_t context) override;
  void SignIn(bool autoLogin) override;
  void DumpControlTree();
  void MemoryReport();
  void DumpTextures();
  void ToggleFullScreen();
  // Full screen or windowed, and Settings.optFullScreen with it (the mode is saved with them).
  void SetFullScreen(bool fullScreen);
  void ScreenShot();
  // F5: the theme again, and a line saying so.
  void ReloadThemeAndLog();

  // A key of the window and what it runs. The key acts when every bit of Shift is held; other
  // modifier bits are not tested.
  struct TKeyCommand {
    uint16_t Key;
    uint8_t Shift;
    void (TfrmMain::*Run)();
  };
  // Keys that act in every mode.
  static constexpr TKeyCommand GlobalKeys[] = {
      {'F', ssCtrl, &TfrmMain::ToggleFullScreen},
  };
  // Keys that act only in developer mode.
  static constexpr TKeyCommand DevKeys[] = {
      {vk::F5, 0, &TfrmMain::ReloadThemeAndLog}, {vk::F6, 0, &TfrmMain::FadeToBlack},
      {vk::F8, 0, &TfrmMain::DumpControlTree},   {vk::F9, 0, &TfrmMain::MemoryReport},
      {vk::F10, 0, &TfrmMain::DumpTextures},     {'X', ssAlt, &TfrmMain::Terminate},
      {'S', ssCtrl, &TfrmMain::ScreenShot},      {'D', ssCtrl, &TfrmMain::FadeFromBlack},
  };

  // Closes an open popup (a menu or a drop-down list).
  std::function<void(TLxCustomControl* popup)> OnClosePopup;
  // The hint line: the text of the control the mouse entered.
  std::function<void(const std::string& hint)> OnHint;
  // Typed characters for the focused control.
  std::function<void(TLxCustomControl* target, const std::string& text)> OnTextInput;

  TLxWindow* Window() const { return FWindow; }

 private:
  TLxWindow* FWindow;
  std::unique_ptr<TLxMainScene> FMainScene;
  bool FTerminated = false;
  int32_t FDepth = 0;  // messages being handled (nested loops inside their handlers)
  std::function<void()> FStartTimer;
  uint32_t FStartTimerAt = 0;
  uint32_t FStartTimerMs = 0;
};

extern TfrmMain* frmMain;

}  // namespace lx
