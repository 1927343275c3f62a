// What the control tree needs of the main window. The main window sits above every layer; it
// implements this interface and installs itself as Host at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

class TLxCustomControl;
class TLxAnim;

class TLxHost {
 public:
  virtual ~TLxHost() = default;

  // Draws one frame now (a pressed control shows its new look at once).
  virtual void RenderNow() = 0;
  // Dispatches one pending message, or runs one idle pass when none is pending; the primitive
  // of every nested loop. False once the program is ending: nested loops must then return.
  virtual bool HandleMessage() = 0;
  // Handles messages until the tick count reaches now + ms.
  virtual void WaitMs(uint32_t ms) = 0;
  virtual bool Terminated() const = 0;

  virtual TLxCustomControl* GetActiveControl() const = 0;
  virtual void SetActiveControl(TLxCustomControl* control) = 0;
  virtual TLxCustomControl* GetOpenPopup() const = 0;
  virtual void SetOpenPopup(TLxCustomControl* control) = 0;
  virtual TLxCustomControl* GetMainScene() const = 0;
  virtual TLxCustomControl* GetInputRoot() const = 0;
  virtual void SetInputRoot(TLxCustomControl* control) = 0;

  // A control is being destroyed: nothing may keep pointing at it.
  virtual void ControlDestroyed(TLxCustomControl* control) = 0;
  // The mouse entered a control: the application's hint event.
  virtual void ShowHint(TLxCustomControl* sender) = 0;

  virtual void AddAnim(TLxAnim* anim) = 0;
  virtual void RemoveAnim(TLxAnim* anim) = 0;

  // Services of the main window for the screens and games. A host without a window (a test
  // double of the control tree) shows nothing: the dialog is closed without a result (0) and
  // the fades and the reload do nothing.
  // Shows the message dialog modally (buttons: 1 YES, 2 NO, 4 OK, 8 CANCEL) and returns the
  // result of the button clicked (6, 7, 1 or 2).
  virtual int32_t MessageBox(const std::string& text, int32_t kind, int32_t buttons) {
    (void)text;
    (void)kind;
    (void)buttons;
    return 0;
  }
  // Blocking full-screen fades, from black to the scene and from the scene to black.
  virtual void FadeFromBlack() {}
  virtual void FadeToBlack() {}
  // Every scene under the main scene loads its theme again.
  virtual void ReloadTheme() {}
  // The help window, shown modally (the context number is not used).
  virtual void ShowHelp(int32_t context) { (void)context; }
  // Signs a player in: automatically when the settings allow it, or through the login window.
  virtual void SignIn(bool autoLogin) { (void)autoLogin; }
  // Leaves full screen, then asks the desktop to open a path or web address.
  virtual void OpenDocument(const std::string& target) { (void)target; }
};

extern TLxHost* Host;

}  // namespace lx
